// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the three programs: the Classic and Modern key tables, keys through the real windows to
// the engines, remapping and conflicts in the controls window, the Modern pause on focus loss, Vantorel's
// Modern rules, and the volume.
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QWindow>
#include <QtTest>

#include "dialogs/dialoglook.h"
#include "frame/controlsdialog.h"
#include "frame/windowcontrols.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

using frame::Command;
using frame::ControlSet;
using frame::Program;
using testsupport::ProgramWindow;

Q_DECLARE_METATYPE(frame::Command)
Q_DECLARE_METATYPE(frame::ControlSet)

namespace {

using KeyTable = QMap<Command, QList<int>>;

// The design's keys, written out: Enter starts, the arrows move and turn, Ctrl and Insert drop; Zephlon's
// P, R, Q and S. Nothing else.
KeyTable ClassicKeys(Program program) {
    KeyTable keys = {
        {Command::Left, {Qt::Key_Left}},
        {Command::Right, {Qt::Key_Right}},
        {Command::Turn, {Qt::Key_Up}},
        {Command::Down, {Qt::Key_Down}},
        {Command::Drop, {Qt::Key_Control, Qt::Key_Insert}},
        {Command::Start, {Qt::Key_Return, Qt::Key_Enter}},
    };
    if (program == Program::Zephlon) {
        keys[Command::Pause] = {Qt::Key_P};
        keys[Command::Replay] = {Qt::Key_R};
        keys[Command::Quit] = {Qt::Key_Q};
        keys[Command::Restart] = {Qt::Key_S};
    }
    return keys;
}

// The classic keys plus Space to drop, P and Pause to pause, F1 for help and F11 for full screen.
KeyTable ModernKeys(Program program) {
    KeyTable keys = ClassicKeys(program);
    keys[Command::Drop] << Qt::Key_Space;
    if (program != Program::Zephlon) keys[Command::Pause] << Qt::Key_P;
    keys[Command::Pause] << Qt::Key_Pause;
    keys[Command::Help] = {Qt::Key_F1};
    keys[Command::FullScreen] = {Qt::Key_F11};
    return keys;
}

KeyTable KeysOf(const frame::Bindings& bindings) {
    KeyTable keys;
    for (Command command : frame::Bindings::Commands(bindings.program()))
        for (const frame::Input& input : bindings.KeysOf(command)) {
            if (input.modifiers != 0) qFatal("a default key with modifiers");
            keys[command] << input.code;
        }
    return keys;
}

// What the tests read of a game: the falling piece, the score and the run.
struct Snapshot {
    int x = 0, y = 0;
    QByteArray shape;
    int32_t score = 0;
    bool paused = false;
    bool running = false;
    bool falling = false;
    bool operator==(const Snapshot&) const = default;
};

template <typename T>
QByteArray Bytes(const T& value) {
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

Snapshot Snap(Program program, ProgramWindow& window) {
    Snapshot s;
    switch (program) {
        case Program::Zephlon: {
            const zephlon::GameContext& c =
                static_cast<testsupport::ZephlonWindow&>(window).w.Engine().Context();
            s = {c.column,
                 c.row,
                 Bytes(c.fallingValue),
                 c.score,
                 c.paused,
                 c.GameRunning(),
                 c.gameState == zephlon::GameState::Falling};
            break;
        }
        case Program::Quadrelle: {
            quadrelle::Engine& e = static_cast<testsupport::QuadrelleWindow&>(window).w.Game();
            s = {e.FallingPosition().x,
                 e.FallingPosition().y,
                 Bytes(e.FallingMatrix()),
                 e.Score(),
                 e.Paused(),
                 window.GameRunning(),
                 e.State() == quadrelle::GameState::Falling};
            break;
        }
        case Program::Vantorel: {
            vantorel::Game& g = static_cast<testsupport::VantorelWindow&>(window).w.game();
            const vantorel::Pit& pit = g.pit();
            s = {pit.fallingPosition.x,
                 pit.fallingPosition.y,
                 Bytes(pit.falling),
                 g.Score(),
                 g.Paused(),
                 window.GameRunning(),
                 g.State() == vantorel::GameState::Falling};
            break;
        }
    }
    return s;
}

// A game under way with a piece falling in the middle of the pit, room on every side, and 50 points
// (Zephlon: 20 of them when the level began).
void PutFallingPiece(Program program, ProgramWindow& window) {
    // Zephlon's Start asks during a game: the last one is left first.
    if (program == Program::Zephlon)
        static_cast<testsupport::ZephlonWindow&>(window).w.Engine().SetState(zephlon::GameState::Stopped);
    window.StartAction()->trigger();
    switch (program) {
        case Program::Zephlon: {
            zephlon::ZephlonEngine& e = static_cast<testsupport::ZephlonWindow&>(window).w.Engine();
            e.ShowMessage(QString(), 21);
            e.SetState(zephlon::GameState::Falling);
            e.SetFallingBlock(zephlon::kPresent | zephlon::kPipe2, 4, 3);
            e.SetScore(50);
            e.SetLevelStartScore(20);  // what a replay of the level goes back to
            break;
        }
        case Program::Quadrelle: {
            quadrelle::Engine& e = static_cast<testsupport::QuadrelleWindow&>(window).w.Game();
            e.SetState(quadrelle::GameState::Falling);
            e.SetFallingPiece(2, {4, 6});
            e.AddScore(50);
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
            g.SetScore(50);
            break;
        }
    }
}

void SetSet(ProgramWindow& window, ControlSet set) {
    frame::ControlSettings settings = window.Controls().Settings();
    settings.bindings.Apply(set);
    window.Controls().SetSettings(settings);
}

// Whether the change from `before` to `after` is what `command` does; `note` says what was seen.
bool DidCommand(Command command, const Snapshot& before, const Snapshot& after, QMainWindow& window,
                int helpPages, QString& note) {
    note = QStringLiteral("x %1->%2 y %3->%4 score %5->%6 paused %7->%8 running %9->%10")
               .arg(before.x)
               .arg(after.x)
               .arg(before.y)
               .arg(after.y)
               .arg(before.score)
               .arg(after.score)
               .arg(before.paused)
               .arg(after.paused)
               .arg(before.running)
               .arg(after.running);
    switch (command) {
        case Command::Left:
            return after.x == before.x - 1 && after.y == before.y;
        case Command::Right:
            return after.x == before.x + 1 && after.y == before.y;
        case Command::Turn:
            return after.shape != before.shape && after.x == before.x && after.y == before.y;
        case Command::Down:
            return after.y == before.y + 1 && after.score == before.score + 1;
        case Command::Drop:
            return after.y > before.y + 1 || !after.falling;
        case Command::Start:
            return !before.running && after.running;
        case Command::Pause:
            return after.paused != before.paused;
        case Command::Replay:
            return after.running && after.score == 20 && before.score == 50;
        case Command::Quit:
            return before.running && !after.running;
        case Command::Restart:
            return after.running && after.score == 0 && before.score > 0;
        case Command::Help:
            return helpPages == 1;
        case Command::FullScreen:
            return window.windowState().testFlag(Qt::WindowFullScreen);
        case Command::None:
            return after == before && helpPages == 0 && !window.windowState().testFlag(Qt::WindowFullScreen);
    }
    return false;
}

// Runs `press` and checks that it does `command` (None: nothing at all).
void CheckPress(Program program, ProgramWindow& window, Command command, const std::function<void()>& press) {
    // Start is tried before any game; everything else on a falling piece.
    if (command != Command::Start) PutFallingPiece(program, window);
    int helpPages = 0;
    dialogs::SetModalRunner([&helpPages](QDialog*) {
        ++helpPages;
        return 0;
    });
    const Snapshot before = Snap(program, window);
    press();
    const Snapshot after = Snap(program, window);
    dialogs::SetModalRunner({});
    QString note;
    QVERIFY2(DidCommand(command, before, after, window.Window(), helpPages, note), qPrintable(note));
}

// Presses `key` on the window.
void CheckKey(Program program, ProgramWindow& window, Command command, int key, int modifiers = 0) {
    CheckPress(program, window, command,
               [&] { QTest::keyClick(&window.Window(), Qt::Key(key), Qt::KeyboardModifiers(modifiers)); });
}

// Presses a pad button, as the pad layer hands it over.
void CheckPad(Program program, ProgramWindow& window, Command command, int code) {
    CheckPress(program, window, command, [&] { window.Controls().PadPress(code); });
}

QTableWidget* Table(frame::ControlsDialog* dialog) {
    return dialog->TableBindings;
}

// Opens the controls window from the options menu's last entry.
frame::ControlsDialog* OpenControls(ProgramWindow& window) {
    QAction* entry = window.Window().findChild<QAction*>(QStringLiteral("MenuControls"));
    if (!entry) return nullptr;
    entry->trigger();
    return window.Controls().Dialog();
}

// Chooses the command's row and presses `key` after "Change".
void Rebind(frame::ControlsDialog* dialog, Command command, int key, int modifiers = 0) {
    Table(dialog)->setCurrentCell(dialog->RowOf(command), 1);
    dialog->CommandChange->click();
    QTest::keyClick(Table(dialog), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
}

// Records the sound resources played and the volume each played at.
class VolumeBackend : public frame::CueBackend {
  public:
    struct Log {
        QList<QPair<int, int>> played;
        int volume = 100;
    };
    explicit VolumeBackend(std::shared_ptr<Log> log) : m_log(std::move(log)) {}
    void Play(int resource) override { m_log->played.append({resource, m_log->volume}); }
    void SetVolume(int percent) override { m_log->volume = percent; }

  private:
    std::shared_ptr<Log> m_log;
};

}  // namespace

class TestControls : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void init() { m_settings.Reset(); }

    // The sets hold exactly the keys written out above; a first run has the Classic set.
    void keyTables_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void keyTables() {
        QFETCH(Program, program);
        QCOMPARE(KeysOf(frame::Bindings(program)), ClassicKeys(program));
        QCOMPARE(KeysOf(frame::Bindings::Defaults(program, ControlSet::Classic)), ClassicKeys(program));
        QCOMPARE(KeysOf(frame::Bindings::Defaults(program, ControlSet::Modern)), ModernKeys(program));
        auto window = ProgramWindow::Open(program);
        QCOMPARE(KeysOf(window->Controls().bindings()), ClassicKeys(program));
        QCOMPARE(window->Controls().bindings().Set(), ControlSet::Classic);
    }

    // Every key of each set reaches its command's operation through the window's key handling; keys of
    // neither set do nothing.
    void keysReachTheEngine_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<ControlSet>("set");
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (Program program : {Program::Zephlon, Program::Quadrelle, Program::Vantorel}) {
            for (ControlSet set : {ControlSet::Classic, ControlSet::Modern}) {
                const QString setName =
                    set == ControlSet::Classic ? QStringLiteral("classic") : QStringLiteral("modern");
                const KeyTable table =
                    set == ControlSet::Classic ? ClassicKeys(program) : ModernKeys(program);
                for (auto it = table.begin(); it != table.end(); ++it)
                    for (int key : it.value())
                        QTest::addRow("%s %s %s", qPrintable(frame::ProgramName(program)),
                                      qPrintable(setName), qPrintable(frame::Input::Key(key).ToText()))
                            << program << set << it.key() << key << 0;
                // A modifier does not change what a key does.
                QTest::addRow("%s %s Shift+Left", qPrintable(frame::ProgramName(program)),
                              qPrintable(setName))
                    << program << set << Command::Left << int(Qt::Key_Left) << int(Qt::ShiftModifier);
            }
            // The Modern keys are no keys in the Classic set.
            for (int key : {Qt::Key_Space, Qt::Key_Pause, Qt::Key_F1, Qt::Key_F11})
                QTest::addRow("%s classic %s does nothing", qPrintable(frame::ProgramName(program)),
                              qPrintable(frame::Input::Key(key).ToText()))
                    << program << ControlSet::Classic << Command::None << key << 0;
            if (program != Program::Zephlon)
                QTest::addRow("%s classic P does nothing", qPrintable(frame::ProgramName(program)))
                    << program << ControlSet::Classic << Command::None << int(Qt::Key_P) << 0;
        }
    }
    void keysReachTheEngine() {
        QFETCH(Program, program);
        QFETCH(ControlSet, set);
        QFETCH(Command, command);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        auto window = ProgramWindow::Open(program);
        SetSet(*window, set);
        CheckKey(program, *window, command, key, modifiers);
    }

    // A key changed in the controls window works, the old one no longer does, and the change is stored.
    void remappedKey_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void remappedKey() {
        QFETCH(Program, program);
        {
            auto window = ProgramWindow::Open(program);
            frame::ControlsDialog* dialog = OpenControls(*window);
            QVERIFY(dialog);
            Rebind(dialog, Command::Left, Qt::Key_A);
            QVERIFY2(dialog->StatusText().contains(QStringLiteral("now answers")),
                     qPrintable(dialog->StatusText()));
            QCOMPARE(Table(dialog)->item(dialog->RowOf(Command::Left), 1)->text(), QStringLiteral("A"));
            dialog->accept();
            CheckKey(program, *window, Command::Left, Qt::Key_A);
            CheckKey(program, *window, Command::None, Qt::Key_Left);
            QVERIFY(window->Window().close());
        }
        auto next = ProgramWindow::Open(program);
        CheckKey(program, *next, Command::Left, Qt::Key_A);
        CheckKey(program, *next, Command::None, Qt::Key_Left);
    }

    // A key another command holds, or one the menus need, is refused with a line that says why; nothing
    // changes, and Cancel keeps the old keys.
    void conflictRefused_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("reason");
        for (Program program : {Program::Zephlon, Program::Quadrelle, Program::Vantorel}) {
            const QString name = frame::ProgramName(program);
            QTest::addRow("%s Right", qPrintable(name))
                << program << int(Qt::Key_Right) << 0 << QStringLiteral("is already used for \"Move right\"");
            QTest::addRow("%s Alt+X", qPrintable(name))
                << program << int(Qt::Key_X) << int(Qt::AltModifier) << QStringLiteral("Alt opens the menus");
        }
        QTest::newRow("Zephlon Q") << Program::Zephlon << int(Qt::Key_Q) << 0
                                   << QStringLiteral("is already used for \"End the game\"");
    }
    void conflictRefused() {
        QFETCH(Program, program);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, reason);
        auto window = ProgramWindow::Open(program);
        frame::ControlsDialog* dialog = OpenControls(*window);
        QVERIFY(dialog);
        Rebind(dialog, Command::Drop, key, modifiers);
        QVERIFY2(dialog->StatusText().contains(reason), qPrintable(dialog->StatusText()));
        QVERIFY(!dialog->Capturing());
        QCOMPARE(dialog->Result().bindings, frame::Bindings(program));
        dialog->accept();
        QCOMPARE(window->Controls().bindings(), frame::Bindings(program));
        CheckKey(program, *window, Command::Drop, Qt::Key_Insert);
    }

    // A modifier held with a key makes a combination; pressed and let go alone, it is the key itself.
    void captureModifiers_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("modifier");  // held with J; 0: Ctrl pressed and let go alone
        QTest::addColumn<QString>("keys");  // the command's keys afterwards, as stored
        QTest::addColumn<QString>("status");
        QTest::newRow("Shift+J") << Command::Left << int(Qt::ShiftModifier) << "Shift+J"
                                 << "now answers to";
        // Ctrl drops in the classic set: pressed first, it would drop before the J arrives.
        QTest::newRow("Ctrl+J while Ctrl drops")
            << Command::Left << int(Qt::ControlModifier) << "Left"
            << "Ctrl+J cannot be used: Control alone is already used for \"Drop\"";
        QTest::newRow("Ctrl alone") << Command::Drop << 0 << "Control"
                                    << "now answers to";
        QTest::newRow("Ctrl alone, taken") << Command::Left << 0 << "Left"
                                           << "is already used for \"Drop\"";
    }
    void captureModifiers() {
        QFETCH(Command, command);
        QFETCH(int, modifier);
        QFETCH(QString, keys);
        QFETCH(QString, status);
        auto window = ProgramWindow::Open(Program::Quadrelle);
        frame::ControlsDialog* dialog = OpenControls(*window);
        QVERIFY(dialog);
        Table(dialog)->setCurrentCell(dialog->RowOf(command), 1);
        dialog->CommandChange->click();
        if (modifier == 0) {
            QTest::keyPress(Table(dialog), Qt::Key_Control);
            QVERIFY(dialog->Capturing());  // it may still begin a combination
            QTest::keyRelease(Table(dialog), Qt::Key_Control);
        } else {
            QTest::keyClick(Table(dialog), Qt::Key_J, Qt::KeyboardModifiers(modifier));
        }
        QVERIFY2(dialog->StatusText().contains(status), qPrintable(dialog->StatusText()));
        QStringList texts;
        for (const frame::Input& input : dialog->Result().bindings.KeysOf(command))
            texts << input.ToText();
        QCOMPARE(texts.join(u','), keys);
    }

    // The set buttons and a pad button taken while waiting for one.
    void setsAndPadCapture_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void setsAndPadCapture() {
        QFETCH(Program, program);
        auto window = ProgramWindow::Open(program);
        frame::ControlsDialog* dialog = OpenControls(*window);
        QVERIFY(dialog);
        dialog->CommandModern->click();
        QVERIFY(!window->Controls().PadPress(frame::kPadX));  // not waiting for one: ignored
        Table(dialog)->setCurrentCell(dialog->RowOf(Command::Drop), 2);
        dialog->CommandChange->click();
        QVERIFY(window->Controls().PadPress(frame::kPadX));
        dialog->accept();
        const frame::Bindings& bindings = window->Controls().bindings();
        QCOMPARE(bindings.Set(), ControlSet::Modern);
        QCOMPARE(KeysOf(bindings), ModernKeys(program));
        QCOMPARE(bindings.PadInputsOf(Command::Drop), QList<frame::Input>{frame::Input::Pad(frame::kPadX)});
        QCOMPARE(bindings.CommandOf(frame::Input::Pad(frame::kPadB)), Command::None);
        CheckKey(program, *window, Command::Drop, Qt::Key_Space);
        CheckPad(program, *window, Command::Drop, frame::kPadX);
        CheckPad(program, *window, Command::None, frame::kPadB);
        CheckPad(program, *window, Command::Left, frame::kPadLeftStickLeft);
        CheckPad(program, *window, Command::Pause, frame::kPadY);
    }

    // Under the Modern set a running game pauses when another program takes the focus: "Paused" shows and
    // the board is hidden (its picture no longer depends on what lies in it). The Classic set leaves the game
    // as the design does.
    void focusLossPauses_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<ControlSet>("set");
        for (Program program : {Program::Zephlon, Program::Quadrelle, Program::Vantorel})
            for (ControlSet set : {ControlSet::Classic, ControlSet::Modern})
                QTest::addRow("%s %s", qPrintable(frame::ProgramName(program)),
                              set == ControlSet::Modern ? "modern" : "classic")
                    << program << set;
    }
    void focusLossPauses() {
        QFETCH(Program, program);
        QFETCH(ControlSet, set);
        auto window = ProgramWindow::Open(program);
        SetSet(*window, set);
        QVERIFY(window->Activate());
        PutFallingPiece(program, *window);
        frame::DrawSurface* board =
            program == Program::Zephlon     ? static_cast<testsupport::ZephlonWindow&>(*window).w.PictureBg
            : program == Program::Quadrelle ? static_cast<testsupport::QuadrelleWindow&>(*window).w.PictureBg
                                            : static_cast<testsupport::VantorelWindow&>(*window).w.PictureBg;
        const QImage shown = board->grab().toImage();

        QApplication::setActiveWindow(nullptr);
        if (set == ControlSet::Classic) {
            QTest::qWait(0);
            QCoreApplication::processEvents();
            QVERIFY(!Snap(program, *window).paused);
            return;
        }
        QTRY_VERIFY(Snap(program, *window).paused);
        QLabel* message = program == Program::Zephlon
                              ? static_cast<testsupport::ZephlonWindow&>(*window).w.LabelMessage
                          : program == Program::Quadrelle
                              ? static_cast<testsupport::QuadrelleWindow&>(*window).w.LabelMessage
                              : static_cast<testsupport::VantorelWindow&>(*window).w.LabelMessage;
        QCOMPARE(message->text(), QStringLiteral("Paused"));
        QVERIFY(message->isVisible());
        const QImage hidden = board->grab().toImage();
        QVERIFY(hidden != shown);
        // Something lands in the pit while paused: the picture stays the same.
        switch (program) {
            case Program::Zephlon: {
                zephlon::ZephlonEngine& e = static_cast<testsupport::ZephlonWindow&>(*window).w.Engine();
                e.SetCell(1, zephlon::kRows, zephlon::kPresent | zephlon::kPipe4);
                e.RedrawBoard();
                break;
            }
            case Program::Quadrelle: {
                quadrelle::Engine& e = static_cast<testsupport::QuadrelleWindow&>(*window).w.Game();
                e.SetCell(1, quadrelle::kWellRows, true, 3);
                e.RedrawBoard();
                break;
            }
            case Program::Vantorel: {
                vantorel::Pit& pit = static_cast<testsupport::VantorelWindow&>(*window).w.game().pit();
                pit.SetCell(1, vantorel::kRows, vantorel::kSolid, vantorel::kBlue);
                pit.RedrawBoard();
                break;
            }
        }
        QCOMPARE(board->grab().toImage(), hidden);

        // The pause key resumes, with the board in view again.
        window->Activate();
        QTest::keyClick(&window->Window(), Qt::Key_P);
        QVERIFY(!Snap(program, *window).paused);
        QVERIFY(board->grab().toImage() != hidden);
    }

    // F11 fills the screen and gives the window back; a close in full screen keeps the size from before.
    void fullScreen_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void fullScreen() {
        QFETCH(Program, program);
        QSize before;
        {
            auto window = ProgramWindow::Open(program);
            SetSet(*window, ControlSet::Modern);
            QMainWindow& w = window->Window();
            w.showNormal();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.resize(w.minimumSize() + QSize(20, 10));
            before = w.size();
            QTest::keyClick(&w, Qt::Key_F11);
            QTRY_VERIFY(w.isFullScreen());
            QTest::keyClick(&w, Qt::Key_F11);
            QTRY_VERIFY(!w.isFullScreen());
            QTest::keyClick(&w, Qt::Key_F11);
            QTRY_VERIFY(w.isFullScreen());
            // The screen's size, as a desktop gives a full-screen window (the headless platform does not).
            w.windowHandle()->resize(w.screen()->geometry().size());
            QTRY_COMPARE(w.size(), w.screen()->geometry().size());
            QVERIFY(w.isFullScreen());
            QVERIFY(w.close());
        }
        auto store = m_settings.StoreOf(program);
        QCOMPARE(store->ReadInt32(frame::kOptionsSection, QStringLiteral("InitWidth"), 0),
                 before.width() * frame::kTwipsPerPixel);
        QCOMPARE(store->ReadInt32(frame::kOptionsSection, QStringLiteral("InitHeight"), 0),
                 before.height() * frame::kTwipsPerPixel);
    }

    // Vantorel's Modern pause stops the piece: no move, no point, until the pause key resumes. The
    // design's pause stops only the clock.
    void vantorelPauseFreezes_data() {
        QTest::addColumn<ControlSet>("set");
        QTest::newRow("classic") << ControlSet::Classic;
        QTest::newRow("modern") << ControlSet::Modern;
    }
    void vantorelPauseFreezes() {
        QFETCH(ControlSet, set);
        auto window = ProgramWindow::Open(Program::Vantorel);
        auto& w = static_cast<testsupport::VantorelWindow&>(*window).w;
        SetSet(*window, set);
        PutFallingPiece(Program::Vantorel, *window);
        w.MenuPause->trigger();
        QVERIFY(w.game().Paused());
        const Snapshot paused = Snap(Program::Vantorel, *window);
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Insert})
            QTest::keyClick(&w, key);
        const Snapshot after = Snap(Program::Vantorel, *window);
        if (set == ControlSet::Classic) {
            QVERIFY(after.score > paused.score);
            return;
        }
        QCOMPARE(after, paused);
        QTest::keyClick(&w, Qt::Key_P);
        QVERIFY(!w.game().Paused());
        QTest::keyClick(&w, Qt::Key_Left);
        QCOMPARE(Snap(Program::Vantorel, *window).x, paused.x - 1);
    }

    // Vantorel's Modern Enter asks before abandoning a running game, as Quadrelle does; No plays on.
    void vantorelEnterAsks_data() {
        QTest::addColumn<ControlSet>("set");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<bool>("newGame");
        QTest::newRow("classic") << ControlSet::Classic << false << 0 << true;
        QTest::newRow("modern no") << ControlSet::Modern << false << 1 << false;
        QTest::newRow("modern yes") << ControlSet::Modern << true << 1 << true;
    }
    void vantorelEnterAsks() {
        QFETCH(ControlSet, set);
        QFETCH(bool, answer);
        QFETCH(int, questions);
        QFETCH(bool, newGame);
        vantorel::FormPlunkoHooks hooks = testsupport::VantorelWindow::Hooks();
        QStringList asked;
        hooks.ask = [&](const QString& question) {
            asked << question;
            return answer;
        };
        vantorel::FormPlunko w(std::move(hooks));
        frame::ControlSettings settings = w.Controls().Settings();
        settings.bindings.Apply(set);
        w.Controls().SetSettings(settings);
        w.Start->trigger();
        w.game().SetState(vantorel::GameState::Falling);
        w.game().SetScore(50);
        QTest::keyClick(&w, Qt::Key_Return);
        QCOMPARE(asked.size(), questions);
        if (questions) QCOMPARE(asked[0], QStringLiteral("Are you sure you want to start a new game"));
        QCOMPARE(w.game().Score() == 0, newGame);
        // Before a game nothing is asked.
        vantorel::FormPlunko idle(testsupport::VantorelWindow::Hooks());
        idle.Controls().SetSettings(settings);
        QTest::keyClick(&idle, Qt::Key_Return);
        QCOMPARE(idle.game().State(), vantorel::GameState::Spawn);
    }

    // The volume set in the controls window reaches every cue and is kept; at 0 nothing plays, and sound
    // off stays off whatever the volume.
    void volume_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void volume() {
        QFETCH(Program, program);
        auto log = std::make_shared<VolumeBackend::Log>();
        auto open = [&]() -> std::unique_ptr<QMainWindow> {
            switch (program) {
                case Program::Zephlon:
                    return std::make_unique<FormZephlon>(nullptr, frame::RandomSource([] { return 0.25; }),
                                                         std::make_unique<VolumeBackend>(log));
                case Program::Quadrelle:
                    return std::make_unique<quadrelle::FormPlunko>(nullptr,
                                                                   std::make_unique<VolumeBackend>(log));
                case Program::Vantorel: {
                    vantorel::FormPlunkoHooks hooks = testsupport::VantorelWindow::Hooks();
                    hooks.cueBackend = std::make_unique<VolumeBackend>(log);
                    return std::make_unique<vantorel::FormPlunko>(std::move(hooks));
                }
            }
            return nullptr;
        };
        auto cues = [&](QMainWindow* w) -> frame::SoundCues& {
            if (auto* z = qobject_cast<FormZephlon*>(w)) return z->Sound();
            if (auto* q = qobject_cast<quadrelle::FormPlunko*>(w)) return q->Sound();
            return static_cast<vantorel::FormPlunko*>(w)->soundCues();
        };
        auto controls = [&](QMainWindow* w) -> frame::WindowControls& {
            return *w->findChild<frame::WindowControls*>();
        };
        {
            std::unique_ptr<QMainWindow> w = open();
            frame::SoundCues& sound = cues(w.get());
            sound.SetSoundOn(true);
            controls(w.get()).ShowDialog();
            frame::ControlsDialog* dialog = controls(w.get()).Dialog();
            QVERIFY(dialog);
            dialog->SliderVolume->setValue(40);
            dialog->accept();
            sound.PlaySoundCue(frame::Cue::TouchDown);
            QCOMPARE(log->played, (QList<QPair<int, int>>{{101, 40}}));
            sound.SetSoundOn(false);
            sound.PlaySoundCue(frame::Cue::TouchDown);
            QCOMPARE(log->played.size(), 1);
            sound.SetSoundOn(true);
            QVERIFY(w->close());
        }
        log->played.clear();
        log->volume = 100;
        std::unique_ptr<QMainWindow> next = open();
        frame::SoundCues& sound = cues(next.get());
        sound.SetSoundOn(true);
        QCOMPARE(sound.Volume(), 40);
        QCOMPARE(log->volume, 40);
        frame::ControlSettings silent = controls(next.get()).Settings();
        silent.Volume = 0;
        controls(next.get()).SetSettings(silent);
        sound.PlaySoundCue(frame::Cue::TouchDown);
        QVERIFY(log->played.isEmpty());
    }

    // Stored controls that cannot be read whole, or that take another command's input, keep the set's
    // keys for that command; the rest is taken.
    void storedControls_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("down");
        QTest::addColumn<QList<int>>("leftKeys");
        QTest::addColumn<QList<int>>("downKeys");
        const QList<int> classicLeft{Qt::Key_Left}, classicDown{Qt::Key_Down};
        QTest::newRow("taken") << "A,Pad:DpadLeft" << QString() << QList<int>{Qt::Key_A} << classicDown;
        QTest::newRow("unknown key") << "A,NoSuchKey" << QString() << classicLeft << classicDown;
        QTest::newRow("another's key") << "Down" << QString() << classicLeft << classicDown;
        QTest::newRow("swapped") << "Down"
                                 << "Left" << QList<int>{Qt::Key_Down} << QList<int>{Qt::Key_Left};
        QTest::newRow("empty unbinds") << "" << QString() << QList<int>{} << classicDown;
        QTest::newRow("modifiers") << "Shift+Meta+J" << QString() << QList<int>{Qt::Key_J} << classicDown;
        QTest::newRow("Ctrl+J while Ctrl drops") << "Ctrl+J" << QString() << classicLeft << classicDown;
    }
    void storedControls() {
        QFETCH(QString, left);
        QFETCH(QString, down);
        QFETCH(QList<int>, leftKeys);
        QFETCH(QList<int>, downKeys);
        frame::SettingsStore store(QStringLiteral("Quadrelle"), m_settings.FileOf(Program::Quadrelle));
        store.WriteSetting(frame::kControlsSection, QStringLiteral("Left"), left);
        if (!down.isNull()) store.WriteSetting(frame::kControlsSection, QStringLiteral("Down"), down);
        const frame::ControlSettings settings = frame::ReadControlSettings(store, Program::Quadrelle);
        QList<int> keys;
        for (const frame::Input& input : settings.bindings.KeysOf(Command::Left))
            keys << input.code;
        QCOMPARE(keys, leftKeys);
        keys.clear();
        for (const frame::Input& input : settings.bindings.KeysOf(Command::Down))
            keys << input.code;
        QCOMPARE(keys, downKeys);
        // What is read is written back as it was.
        frame::SettingsStore copy(QStringLiteral("Quadrelle"),
                                  m_settings.Path() + QStringLiteral("/copy.ini"));
        frame::WriteControlSettings(copy, settings);
        QCOMPARE(frame::ReadControlSettings(copy, Program::Quadrelle).bindings, settings.bindings);
    }
};

ARCADE_TEST_MAIN(TestControls)
#include "tst_controls.moc"
