// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/gamepads.h"

#include <SDL.h>  // types and constants only: every function comes from the library loaded at run time

#include <QGuiApplication>
#include <QLibrary>
#include <QMainWindow>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "frame/controlsdialog.h"
#include "frame/windowcontrols.h"

namespace frame {

struct Gamepads::Sdl {
    QLibrary library;
    decltype(&::SDL_SetHint) SetHint = nullptr;
    decltype(&::SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&::SDL_PollEvent) PollEvent = nullptr;
    decltype(&::SDL_IsGameController) IsGameController = nullptr;
    decltype(&::SDL_JoystickGetDeviceInstanceID) DeviceInstanceId = nullptr;
    decltype(&::SDL_GameControllerOpen) ControllerOpen = nullptr;
    decltype(&::SDL_GameControllerClose) ControllerClose = nullptr;
    decltype(&::SDL_GameControllerName) ControllerName = nullptr;
    bool running = false;

    template <typename F>
    bool Resolve(F& function, const char* name) {
        function = reinterpret_cast<F>(library.resolve(name));
        return function != nullptr;
    }

    bool Load(const QString& name) {
        library.setFileNameAndVersion(name, 0);
        if (!library.load()) return false;
        return Resolve(SetHint, "SDL_SetHint") && Resolve(InitSubSystem, "SDL_InitSubSystem") &&
               Resolve(QuitSubSystem, "SDL_QuitSubSystem") && Resolve(PollEvent, "SDL_PollEvent") &&
               Resolve(IsGameController, "SDL_IsGameController") &&
               Resolve(DeviceInstanceId, "SDL_JoystickGetDeviceInstanceID") &&
               Resolve(ControllerOpen, "SDL_GameControllerOpen") &&
               Resolve(ControllerClose, "SDL_GameControllerClose") &&
               Resolve(ControllerName, "SDL_GameControllerName");
    }
};

struct Gamepads::Controller {
    SDL_GameController* handle = nullptr;
    int instanceId = -1;
    QString name;
    // Per axis: -1 pushed to its negative end, 0 at rest, +1 pushed to its positive end.
    std::array<int, SDL_CONTROLLER_AXIS_MAX> axes{};
};

namespace {

// The inputs of an axis's two ends (a trigger has one end).
std::pair<int, int> AxisCodes(int axis) {
    switch (axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            return {kPadLeftStickLeft, kPadLeftStickRight};
        case SDL_CONTROLLER_AXIS_LEFTY:
            return {kPadLeftStickUp, kPadLeftStickDown};
        case SDL_CONTROLLER_AXIS_RIGHTX:
            return {kPadRightStickLeft, kPadRightStickRight};
        case SDL_CONTROLLER_AXIS_RIGHTY:
            return {kPadRightStickUp, kPadRightStickDown};
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
            return {-1, kPadLeftTrigger};
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
            return {-1, kPadRightTrigger};
        default:
            return {-1, -1};
    }
}

// Directions repeat while held, as the arrow keys do; buttons do not, so a held drop drops once.
bool IsDirection(int code) {
    return (code >= kPadDpadUp && code <= kPadDpadRight) ||
           (code >= kPadLeftStickLeft && code <= kPadRightStickDown);
}

// Where an axis stands after `value`, from where it stood: pushed from kStickPress on, back under
// kStickRelease.
int AxisState(int old, int value) {
    if (old < 0 && value > -Gamepads::kStickRelease) old = 0;
    if (old > 0 && value < Gamepads::kStickRelease) old = 0;
    if (old == 0 && value <= -Gamepads::kStickPress) return -1;
    if (old == 0 && value >= Gamepads::kStickPress) return 1;
    return old;
}

}  // namespace

Gamepads::Gamepads(QObject* parent, const QString& library)
    : QObject(parent), m_sdl(std::make_unique<Sdl>()) {
    m_poll = new QTimer(this);
    m_poll->setTimerType(Qt::PreciseTimer);
    connect(m_poll, &QTimer::timeout, this, &Gamepads::Poll);
    m_repeat = new QTimer(this);
    m_repeat->setSingleShot(true);
    m_repeat->setTimerType(Qt::PreciseTimer);
    connect(m_repeat, &QTimer::timeout, this, &Gamepads::RepeatTimer_Timer);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        m_repeatInterval = 1000 / std::max(1, app->styleHints()->keyboardAutoRepeatRate());

    if (!m_sdl->Load(library.isEmpty() ? QStringLiteral("SDL2-2.0") : library)) return;
    // The game's window is not SDL's: SDL must read the controllers whichever window has the focus, and
    // leave SIGINT and SIGTERM to the program, which saves on them.
    m_sdl->SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    m_sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (m_sdl->InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
    m_sdl->running = true;
    // The controllers attached already come as events, with the first poll.
    Poll();
}

Gamepads::~Gamepads() {
    if (!Available()) return;
    for (const auto& c : m_controllers)
        m_sdl->ControllerClose(c->handle);
    m_controllers.clear();
    m_sdl->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    // The library stays loaded: SDL may still have threads and exit handlers in it.
}

bool Gamepads::Available() const {
    return m_sdl->running;
}

int Gamepads::Attached() const {
    return static_cast<int>(m_controllers.size());
}

QStringList Gamepads::Names() const {
    QStringList names;
    for (const auto& c : m_controllers)
        names << c->name;
    return names;
}

void Gamepads::SetRepeat(int delayMs, int intervalMs) {
    m_repeatDelay = std::max(1, delayMs);
    m_repeatInterval = std::max(1, intervalMs);
}

bool Gamepads::Repeating() const {
    return m_repeat->isActive();
}

void Gamepads::Poll() {
    if (!Available()) return;
    // What the events press and release, in their order. They are acted on once SDL's queue is empty, so
    // a command that opens a dialog (and polls again in its event loop) finds no half-read state.
    std::vector<std::pair<int, bool>> inputs;
    bool changed = false;
    SDL_Event event;
    while (m_sdl->PollEvent(&event)) {
        switch (event.type) {
            case SDL_CONTROLLERDEVICEADDED:
                Open(event.cdevice.which);
                changed = true;
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                Close(event.cdevice.which);
                changed = true;
                break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
                if (event.cbutton.button < kPadButtonCount)
                    inputs.emplace_back(event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
                break;
            case SDL_CONTROLLERAXISMOTION: {
                auto it = std::find_if(m_controllers.begin(), m_controllers.end(),
                                       [&](const auto& c) { return c->instanceId == event.caxis.which; });
                if (it == m_controllers.end() || event.caxis.axis >= SDL_CONTROLLER_AXIS_MAX) break;
                int& state = (*it)->axes[event.caxis.axis];
                const int next = AxisState(state, event.caxis.value);
                if (next == state) break;
                const auto [negative, positive] = AxisCodes(event.caxis.axis);
                const int before = state < 0 ? negative : state > 0 ? positive : -1;
                const int after = next < 0 ? negative : next > 0 ? positive : -1;
                state = next;
                if (before >= 0) inputs.emplace_back(before, false);
                if (after >= 0) inputs.emplace_back(after, true);
                break;
            }
            default:
                break;
        }
    }
    const int interval = m_controllers.empty() ? kHotplugMs : kPollMs;
    if (!m_poll->isActive() || m_poll->interval() != interval) m_poll->start(interval);
    if (changed) emit attachedChanged(Attached());
    for (const auto& [code, down] : inputs) {
        if (down)
            Press(code, false);
        else
            Release(code);
    }
}

void Gamepads::Open(int deviceIndex) {
    if (!m_sdl->IsGameController(deviceIndex)) return;
    const int instanceId = m_sdl->DeviceInstanceId(deviceIndex);
    for (const auto& c : m_controllers)
        if (c->instanceId == instanceId) return;
    SDL_GameController* handle = m_sdl->ControllerOpen(deviceIndex);
    if (!handle) return;
    auto controller = std::make_unique<Controller>();
    controller->handle = handle;
    controller->instanceId = instanceId;
    const char* name = m_sdl->ControllerName(handle);
    controller->name = name ? QString::fromUtf8(name) : QString();
    m_controllers.push_back(std::move(controller));
}

void Gamepads::Close(int instanceId) {
    auto it = std::find_if(m_controllers.begin(), m_controllers.end(),
                           [&](const auto& c) { return c->instanceId == instanceId; });
    if (it == m_controllers.end()) return;
    m_sdl->ControllerClose((*it)->handle);
    m_controllers.erase(it);
    // SDL releases what a controller held when it goes; should a release not come, nothing repeats on.
    m_repeat->stop();
    m_repeatCode = -1;
}

void Gamepads::Press(int code, bool repeat) {
    if (!repeat && m_capturing) {
        m_capturing = false;
        emit captured(code);
        return;
    }
    if (!repeat && IsDirection(code)) {
        // As with keys, the direction pressed last is the one that repeats.
        m_repeatCode = code;
        m_repeat->start(m_repeatDelay);
    }
    emit padPressed(code, repeat);
    if (!m_bindings) return;
    const Command command = m_bindings->CommandOf(Input::Pad(code));
    if (command != Command::None) emit commandPressed(command, repeat);
}

void Gamepads::Release(int code) {
    if (code != m_repeatCode) return;
    m_repeat->stop();
    m_repeatCode = -1;
}

void Gamepads::RepeatTimer_Timer() {
    if (m_repeatCode < 0) return;
    m_repeat->start(m_repeatInterval);
    Press(m_repeatCode, true);
}

void ConnectGamepads(Gamepads& pads, WindowControls& controls, QMainWindow& window, CommandTarget& target) {
    QObject::connect(&pads, &Gamepads::padPressed, &window,
                     [&controls, &window, &target](int code, bool repeat) {
                         if (ControlsDialog* dialog = controls.Dialog(); dialog && dialog->Capturing()) {
                             if (!repeat) dialog->CapturePadInput(code);
                             return;
                         }
                         if (!window.isActiveWindow() || controls.Watching()) return;
                         const Command command = controls.bindings().CommandOf(Input::Pad(code));
                         if (command != Command::None) target.RunCommand(command, repeat);
                     });
}

}  // namespace frame
