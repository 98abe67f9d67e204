// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "frame/bindings.h"

class QMainWindow;
class QTimer;

namespace frame {

class WindowControls;

// Game controllers through SDL's game-controller API. SDL is loaded when the object is made, not linked:
// without its library (or when it cannot start) the object does nothing, and the program plays with the
// keyboard as ever. Buttons, the d-pad and the sticks become pad inputs (PadCode), and through the
// bindings the commands a window runs as it runs its keys; a held direction repeats as a held key does.
// Controllers may come and go at any time. Everything runs in the thread that made the object.
class Gamepads : public QObject {
    Q_OBJECT
  public:
    // The library SDL is loaded from: "SDL2-2.0", version 0, where nothing else is named.
    explicit Gamepads(QObject* parent = nullptr, const QString& library = QString());
    ~Gamepads() override;

    // SDL was loaded and its game-controller part runs.
    bool Available() const;
    // Controllers open now.
    int Attached() const;
    // The names SDL gives the open controllers.
    QStringList Names() const;

    // The bindings that turn pad inputs into commands; nothing is sent while there are none. Not owned:
    // they must outlive this object or be replaced first.
    void SetBindings(const Bindings* bindings) { m_bindings = bindings; }

    // The next pad input pressed goes to captured() only, not to a command: the controls window asks for
    // the button to bind. Capturing again or cancelling waits for no more.
    void CaptureNext() { m_capturing = true; }
    void CancelCapture() { m_capturing = false; }
    bool Capturing() const { return m_capturing; }

    // How a held direction repeats: after `delayMs`, every `intervalMs`. The desktop's key repeat rate
    // and a usual delay unless set.
    void SetRepeat(int delayMs, int intervalMs);
    // A held direction is repeating or waiting to.
    bool Repeating() const;

    // Handles SDL's pending events now; the poll timer calls it.
    void Poll();

    // A stick counts as pushed from half its way, and as back again under a quarter, so a stick that rests
    // near the middle or trembles at the edge sends nothing twice.
    static constexpr int kStickPress = 16384;
    static constexpr int kStickRelease = 8192;
    // Events are read this often while a controller is attached, and controllers looked for this often
    // while none is.
    static constexpr int kPollMs = 10;
    static constexpr int kHotplugMs = 500;

  signals:
    // A pad input was pressed (or, for a held direction, repeated).
    void padPressed(int code, bool repeat);
    // The command of a pressed input, as the bindings give it.
    void commandPressed(frame::Command command, bool repeat);
    // The input pressed while capturing.
    void captured(int code);
    // A controller came or went.
    void attachedChanged(int count);

  private:
    struct Sdl;
    struct Controller;

    void Open(int deviceIndex);
    void Close(int instanceId);
    void Press(int code, bool repeat);
    void Release(int code);
    void RepeatTimer_Timer();

    std::unique_ptr<Sdl> m_sdl;
    std::vector<std::unique_ptr<Controller>> m_controllers;
    const Bindings* m_bindings = nullptr;
    bool m_capturing = false;
    QTimer* m_poll = nullptr;
    QTimer* m_repeat = nullptr;
    int m_repeatCode = -1;
    int m_repeatDelay = 500;
    int m_repeatInterval = 33;
};

// Hands the pads' presses to a window as its keys: while the window is the active one (an open dialog gets
// the pad no more than the keys), the command the window's bindings give runs through `target`; while its
// controls window waits for a new key or button, a press goes there instead.
void ConnectGamepads(Gamepads& pads, WindowControls& controls, QMainWindow& window, CommandTarget& target);

}  // namespace frame
