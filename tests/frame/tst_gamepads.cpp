// SPDX-License-Identifier: GPL-3.0-or-later
// Game controllers through SDL, with SDL's virtual controller plugged in and out: buttons, the d-pad and
// the sticks become pad inputs and their commands, a stick counts only past its dead zone, a held
// direction repeats, the controls window can capture the next input, and without SDL's library nothing
// happens at all. Through the three real windows: a pad plugged in during a game moves and drops the
// piece, is pulled out again, and the game goes on with the keys.
#include <SDL.h>

#include <signal.h>

#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "frame/controlsdialog.h"
#include "frame/gamepads.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

using frame::Command;
using frame::Gamepads;
using frame::Program;
using testsupport::ProgramWindow;

Q_DECLARE_METATYPE(frame::Command)

namespace {

// An SDL virtual game controller, plugged in while it lives. SDL maps it as a standard pad: its buttons
// and axes are numbered as the game-controller API numbers them.
class VirtualPad {
  public:
    VirtualPad() {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        if (index >= 0) m_joystick = SDL_JoystickOpen(index);
    }
    ~VirtualPad() { Unplug(); }
    bool Plugged() const { return m_joystick != nullptr; }
    void Button(int button, bool down) { SDL_JoystickSetVirtualButton(m_joystick, button, down ? 1 : 0); }
    // Down, read, and up again: SDL reads the virtual state only when it polls.
    void Click(Gamepads& pads, int button) {
        Button(button, true);
        pads.Poll();
        Button(button, false);
        pads.Poll();
    }
    void Axis(int axis, int value) {
        SDL_JoystickSetVirtualAxis(m_joystick, axis, static_cast<Sint16>(value));
    }
    void Unplug() {
        if (!m_joystick) return;
        // Its device index moves down when a controller before it goes.
        const SDL_JoystickID id = SDL_JoystickInstanceID(m_joystick);
        SDL_JoystickClose(m_joystick);
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
        m_joystick = nullptr;
    }

  private:
    SDL_Joystick* m_joystick = nullptr;
};

// What a test does with the pad: press a button or push an axis.
struct Action {
    bool axis = false;
    int number = 0;
    int value = 0;
};

// Where the falling piece stands, and whether one still falls.
struct Piece {
    int x = 0;
    int y = 0;
    bool falling = false;
};

Piece PieceOf(Program program, ProgramWindow& window) {
    switch (program) {
        case Program::Zephlon: {
            const auto& c = static_cast<testsupport::ZephlonWindow&>(window).w.Engine().Context();
            return {c.column, c.row, c.gameState == zephlon::GameState::Falling};
        }
        case Program::Quadrelle: {
            const auto& e = static_cast<testsupport::QuadrelleWindow&>(window).w.Game();
            return {e.FallingPosition().x, e.FallingPosition().y, e.State() == quadrelle::GameState::Falling};
        }
        case Program::Vantorel: {
            auto& g = static_cast<testsupport::VantorelWindow&>(window).w.game();
            return {g.pit().fallingPosition.x, g.pit().fallingPosition.y,
                    g.State() == vantorel::GameState::Falling};
        }
    }
    return {};
}

// A game under way with a piece falling in the middle of the pit, room on every side.
void PutFallingPiece(Program program, ProgramWindow& window) {
    if (program == Program::Zephlon)
        static_cast<testsupport::ZephlonWindow&>(window).w.Engine().SetState(zephlon::GameState::Stopped);
    window.StartAction()->trigger();
    switch (program) {
        case Program::Zephlon: {
            zephlon::ZephlonEngine& e = static_cast<testsupport::ZephlonWindow&>(window).w.Engine();
            e.ShowMessage(QString(), 21);
            e.SetState(zephlon::GameState::Falling);
            e.SetFallingBlock(zephlon::kPresent | zephlon::kPipe2, 4, 3);
            break;
        }
        case Program::Quadrelle: {
            quadrelle::Engine& e = static_cast<testsupport::QuadrelleWindow&>(window).w.Game();
            e.SetState(quadrelle::GameState::Falling);
            e.SetFallingPiece(2, {4, 6});
            break;
        }
        case Program::Vantorel: {
            vantorel::Game& g = static_cast<testsupport::VantorelWindow&>(window).w.game();
            vantorel::Pit& pit = g.pit();
            pit.NextBlock();
            pit.falling = pit.next;
            pit.fallingColour = pit.nextColour;
            pit.fallingPosition = {4, 6};
            pit.previousPosition = {0, 0};
            pit.MoveFallingBlock();
            g.SetState(vantorel::GameState::Falling);
            break;
        }
    }
}

void SetGamepads(Program program, ProgramWindow& window, Gamepads& pads) {
    switch (program) {
        case Program::Zephlon:
            static_cast<testsupport::ZephlonWindow&>(window).w.SetGamepads(pads);
            break;
        case Program::Quadrelle:
            static_cast<testsupport::QuadrelleWindow&>(window).w.SetGamepads(pads);
            break;
        case Program::Vantorel:
            static_cast<testsupport::VantorelWindow&>(window).w.SetGamepads(pads);
            break;
    }
}

}  // namespace

Q_DECLARE_METATYPE(Action)

class TestGamepads : public QObject {
    Q_OBJECT
    frame::Bindings m_bindings{frame::Program::Quadrelle};
    testsupport::TempSettings m_settings;

  private slots:
    void initTestCase() {
        qRegisterMetaType<frame::Command>();
        Gamepads pads;
        QVERIFY2(pads.Available(), "SDL's library (libsdl2-2.0-0) is missing");
    }

    // Each input through the real path: SDL's events read by the poll timer, the bindings' command sent.
    void inputsBecomeCommands_data() {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("code");
        QTest::addColumn<Command>("command");
        QTest::newRow("d-pad left") << Action{false, SDL_CONTROLLER_BUTTON_DPAD_LEFT}
                                    << int(frame::kPadDpadLeft) << Command::Left;
        QTest::newRow("d-pad down") << Action{false, SDL_CONTROLLER_BUTTON_DPAD_DOWN}
                                    << int(frame::kPadDpadDown) << Command::Down;
        QTest::newRow("A turns") << Action{false, SDL_CONTROLLER_BUTTON_A} << int(frame::kPadA)
                                 << Command::Turn;
        QTest::newRow("B drops") << Action{false, SDL_CONTROLLER_BUTTON_B} << int(frame::kPadB)
                                 << Command::Drop;
        QTest::newRow("Start starts")
            << Action{false, SDL_CONTROLLER_BUTTON_START} << int(frame::kPadStart) << Command::Start;
        QTest::newRow("stick left") << Action{true, SDL_CONTROLLER_AXIS_LEFTX, -30000}
                                    << int(frame::kPadLeftStickLeft) << Command::Left;
        QTest::newRow("stick right") << Action{true, SDL_CONTROLLER_AXIS_LEFTX, 30000}
                                     << int(frame::kPadLeftStickRight) << Command::Right;
        QTest::newRow("stick up") << Action{true, SDL_CONTROLLER_AXIS_LEFTY, -30000}
                                  << int(frame::kPadLeftStickUp) << Command::Turn;
        QTest::newRow("stick down") << Action{true, SDL_CONTROLLER_AXIS_LEFTY, 32767}
                                    << int(frame::kPadLeftStickDown) << Command::Down;
        QTest::newRow("right trigger, bound to nothing")
            << Action{true, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767} << int(frame::kPadRightTrigger)
            << Command::None;
    }
    void inputsBecomeCommands() {
        QFETCH(Action, action);
        QFETCH(int, code);
        QFETCH(Command, command);
        Gamepads pads;
        pads.SetBindings(&m_bindings);
        QSignalSpy inputs(&pads, &Gamepads::padPressed);
        QSignalSpy commands(&pads, &Gamepads::commandPressed);
        VirtualPad pad;
        QVERIFY(pad.Plugged());
        QTRY_COMPARE(pads.Attached(), 1);
        if (action.axis)
            pad.Axis(action.number, action.value);
        else
            pad.Button(action.number, true);
        QTRY_COMPARE(inputs.size(), 1);
        if (!action.axis) pad.Button(action.number, false);
        QCOMPARE(inputs[0][0].toInt(), code);
        QCOMPARE(inputs[0][1].toBool(), false);
        pads.Poll();
        QCOMPARE(commands.size(), command == Command::None ? 0 : 1);
        if (command != Command::None) QCOMPARE(commands[0][0].value<Command>(), command);
    }

    // A stick counts from half its way and is back only under a quarter; between the two nothing changes.
    void stickDeadZone() {
        Gamepads pads;
        pads.SetRepeat(60000, 60000);
        QSignalSpy inputs(&pads, &Gamepads::padPressed);
        VirtualPad pad;
        QTRY_COMPARE(pads.Attached(), 1);
        const int x = SDL_CONTROLLER_AXIS_LEFTX;
        const struct {
            int value;
            int presses;
            bool held;
        } steps[] = {{Gamepads::kStickPress - 1, 0, false},
                     {Gamepads::kStickPress, 1, true},
                     {Gamepads::kStickRelease, 1, true},
                     {Gamepads::kStickPress + 5000, 1, true},
                     {Gamepads::kStickRelease - 1, 1, false},
                     {-Gamepads::kStickRelease, 1, false},
                     {32767, 2, true},
                     {-32768, 3, true}};
        for (const auto& step : steps) {
            pad.Axis(x, step.value);
            pads.Poll();
            QCOMPARE(inputs.size(), step.presses);
            QCOMPARE(pads.Repeating(), step.held);
        }
        QCOMPARE(inputs.last()[0].toInt(), int(frame::kPadLeftStickLeft));
    }

    // A held direction repeats as a held arrow key does, the one pressed last; a held button does not.
    void heldDirectionRepeats() {
        Gamepads pads;
        pads.SetBindings(&m_bindings);
        pads.SetRepeat(30, 10);
        QSignalSpy commands(&pads, &Gamepads::commandPressed);
        VirtualPad pad;
        QTRY_COMPARE(pads.Attached(), 1);
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
        QTRY_VERIFY(commands.size() >= 3);
        QCOMPARE(commands[0][1].toBool(), false);
        for (int i = 1; i < commands.size(); ++i) {
            QCOMPARE(commands[i][0].value<Command>(), Command::Right);
            QCOMPARE(commands[i][1].toBool(), true);
        }
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
        pads.Poll();
        QVERIFY(!pads.Repeating());
        pad.Button(SDL_CONTROLLER_BUTTON_B, true);
        pads.Poll();
        QVERIFY(!pads.Repeating());
        QCOMPARE(commands.last()[0].value<Command>(), Command::Drop);
    }

    // The controls window takes the next input for a binding; the press runs no command.
    void captureTakesTheNextInput() {
        Gamepads pads;
        pads.SetBindings(&m_bindings);
        QSignalSpy commands(&pads, &Gamepads::commandPressed);
        QSignalSpy captured(&pads, &Gamepads::captured);
        VirtualPad pad;
        QTRY_COMPARE(pads.Attached(), 1);
        pads.CaptureNext();
        pad.Click(pads, SDL_CONTROLLER_BUTTON_B);
        pads.Poll();
        QCOMPARE(captured.size(), 1);
        QCOMPARE(captured[0][0].toInt(), int(frame::kPadB));
        QCOMPARE(commands.size(), 0);
        QVERIFY(!pads.Capturing());
        pad.Click(pads, SDL_CONTROLLER_BUTTON_B);
        pads.Poll();
        QCOMPARE(captured.size(), 1);
        QCOMPARE(commands.size(), 1);
    }

    // Controllers come and go: plugged in, then two, then pulled out while a direction is held.
    void hotplug() {
        Gamepads pads;
        QSignalSpy attached(&pads, &Gamepads::attachedChanged);
        QCOMPARE(pads.Attached(), 0);
        auto first = std::make_unique<VirtualPad>();
        QTRY_COMPARE(pads.Attached(), 1);
        QCOMPARE(pads.Names().size(), 1);
        VirtualPad second;
        QTRY_COMPARE(pads.Attached(), 2);
        first->Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
        pads.Poll();
        QVERIFY(pads.Repeating());
        first.reset();
        QTRY_COMPARE(pads.Attached(), 1);
        QVERIFY(!pads.Repeating());
        second.Unplug();
        QTRY_COMPARE(pads.Attached(), 0);
        QCOMPARE(attached.last()[0].toInt(), 0);
    }

    // SDL leaves SIGINT and SIGTERM to the program, which closes and saves on them: where the program
    // has not set them yet (SDL takes only signals left at their default), they stay at the default.
    void signalsStayTheProgramsOwn() {
        struct sigaction saved[2]{}, now{};
        struct sigaction byDefault {};
        byDefault.sa_handler = SIG_DFL;
        sigaction(SIGINT, &byDefault, &saved[0]);
        sigaction(SIGTERM, &byDefault, &saved[1]);
        bool intLeft = false, termLeft = false;
        {
            Gamepads pads;
            QVERIFY(pads.Available());
            intLeft = sigaction(SIGINT, nullptr, &now) == 0 && now.sa_handler == SIG_DFL;
            termLeft = sigaction(SIGTERM, nullptr, &now) == 0 && now.sa_handler == SIG_DFL;
        }
        sigaction(SIGINT, &saved[0], nullptr);
        sigaction(SIGTERM, &saved[1], nullptr);
        QVERIFY(intLeft);
        QVERIFY(termLeft);
    }

    // A pad plugged in during a game: the d-pad moves the piece and B drops it, through the window's own
    // bindings, as its keys would. Pulled out again, the game goes on with the keys.
    void windowPlaysWithPad_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void windowPlaysWithPad() {
        QFETCH(Program, program);
        Gamepads pads;
        auto window = ProgramWindow::Open(program);
        SetGamepads(program, *window, pads);
        QVERIFY(window->Activate());
        PutFallingPiece(program, *window);
        window->Session().StopClock();  // the piece moves only as the pad tells it while the test waits
        const Piece start = PieceOf(program, *window);
        QVERIFY(start.falling);

        auto pad = std::make_unique<VirtualPad>();
        QTRY_COMPARE(pads.Attached(), 1);
        pad->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
        QTRY_COMPARE(PieceOf(program, *window).x, start.x - 1);
        pad->Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
        pads.Poll();
        QCOMPARE(PieceOf(program, *window).y, start.y);
        pad->Button(SDL_CONTROLLER_BUTTON_B, true);
        QTRY_VERIFY(!PieceOf(program, *window).falling || PieceOf(program, *window).y > start.y + 1);
        pad->Button(SDL_CONTROLLER_BUTTON_B, false);
        pad.reset();
        QTRY_COMPARE(pads.Attached(), 0);

        PutFallingPiece(program, *window);
        const Piece again = PieceOf(program, *window);
        window->PressKey(Qt::Key_Right);
        QCOMPARE(PieceOf(program, *window).x, again.x + 1);
    }

    // The pad reaches the game only while its window is the active one, and the controls window, waiting
    // for a new button, takes the press instead.
    void controlsWindowCapturesThePad() {
        Gamepads pads;
        auto window = ProgramWindow::Open(Program::Vantorel);
        SetGamepads(Program::Vantorel, *window, pads);
        QVERIFY(window->Activate());
        PutFallingPiece(Program::Vantorel, *window);
        const Piece start = PieceOf(Program::Vantorel, *window);
        VirtualPad pad;
        QTRY_COMPARE(pads.Attached(), 1);

        window->Controls().ShowDialog();
        frame::ControlsDialog* dialog = window->Controls().Dialog();
        QVERIFY(dialog);
        QTRY_VERIFY(!window->Window().isActiveWindow());
        pad.Click(pads, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        QCOMPARE(PieceOf(Program::Vantorel, *window).x, start.x);  // the game behind the dialog stays

        dialog->TableBindings->setCurrentCell(dialog->RowOf(Command::Drop), 2);
        dialog->CommandChange->click();
        pad.Click(pads, SDL_CONTROLLER_BUTTON_X);
        QVERIFY(!dialog->Capturing());
        dialog->accept();
        QCOMPARE(window->Controls().bindings().PadInputsOf(Command::Drop),
                 QList<frame::Input>{frame::Input::Pad(frame::kPadX)});
        QCOMPARE(PieceOf(Program::Vantorel, *window).x, start.x);
    }

    // Without SDL's library the pads are not there, and nothing runs: no timer, no signal.
    void withoutSdlNothingHappens() {
        Gamepads pads(nullptr, QStringLiteral("arcade-no-such-library"));
        QSignalSpy inputs(&pads, &Gamepads::padPressed);
        QVERIFY(!pads.Available());
        QCOMPARE(pads.Attached(), 0);
        pads.CaptureNext();
        pads.Poll();
        for (const QTimer* timer : pads.findChildren<QTimer*>())
            QVERIFY(!timer->isActive());
        QCOMPARE(inputs.size(), 0);
    }
};

ARCADE_TEST_MAIN(TestGamepads)
#include "tst_gamepads.moc"
