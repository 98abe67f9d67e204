// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "frame/drawsurface.h"
#include "frame/settingsstore.h"
#include "frame/soundcues.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "support/zephlonkit.h"
#include "zephlon/formzephlon.h"

using namespace zephlon_test;

namespace {

std::unique_ptr<FormZephlon> MakeWindow() {
    auto w = std::make_unique<FormZephlon>(nullptr, frame::RandomSource([] { return 0.9; }),
                                           std::make_unique<frame::SilentCueBackend>());
    w->SetAsker([](const QString&) {
        qFatal("unexpected question");
        return false;
    });
    return w;
}

// Colour of the middle of a board cell, clear of every pipe.
QColor CellMiddle(FormZephlon& w, int column, int row) {
    const int s = w.CellSize();
    return w.PictureBg->Pixel((column - 1) * s + s / 2, (row - 1) * s + s / 2);
}

void MovePointer(QWidget* widget, const QPoint& at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// An Original game started with Enter, its first block in flight.
void StartOriginalByKey(FormZephlon& w) {
    w.MenuOriginal->trigger();
    QTest::keyClick(&w, Qt::Key_Return);
    QCOMPARE(w.Engine().Context().gameState, GameState::Spawn);
    w.Engine().TimerHandler();
    QCOMPARE(w.Engine().Context().gameState, GameState::Falling);
}

}  // namespace

class TestFormZephlon : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void init() { m_settings.Reset(); }

    void menuEntries_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("start") << "StartOriginal"
                               << "&Start" << false << true;
        QTest::newRow("original") << "MenuOriginal"
                                  << "&Original Game" << false << true;
        QTest::newRow("puzzle") << "MenuPuzzle"
                                << "&Puzzle Game" << true << true;
        QTest::newRow("replay") << "MenuReplay"
                                << "&Replay level" << false << false;
        QTest::newRow("pause") << "MenuPause"
                               << "&Pause" << false << true;
        QTest::newRow("stop") << "MenuStop"
                              << "&Quit Current Game" << false << false;
        QTest::newRow("exit") << "Exit"
                              << "&Exit" << false << true;
        QTest::newRow("level 1") << "MenuLevel1"
                                 << "&1" << true << true;
        QTest::newRow("level 2 beyond the puzzle reached") << "MenuLevel2"
                                                           << "&2" << false << false;
        QTest::newRow("level 10") << "MenuLevel10"
                                  << "1&0" << false << false;
        QTest::newRow("blueberry") << "MenuColour1"
                                   << "&Blueberry" << false << true;
        QTest::newRow("lime") << "MenuColour2"
                              << "&Lime" << true << true;
        QTest::newRow("grey") << "MenuColour5"
                              << "&Grey" << false << true;
        QTest::newRow("keyboard") << "MenuKeyBoard"
                                  << "&Keyboard" << true << true;
        QTest::newRow("mouse") << "MenuMouse"
                               << "&Mouse" << false << true;
        QTest::newRow("score server") << "ScoreServer"
                                      << "S&core Server..." << false << true;
        QTest::newRow("local") << "TopTen"
                               << "&Local Highscores..." << false << true;
        QTest::newRow("upload") << "UploadBestScore"
                                << "&Upload Highscores..." << false << true;
        QTest::newRow("global") << "globalhighscores"
                                << "&Global Highscores..." << false << true;
        QTest::newRow("about") << "menuAbout"
                               << "&About..." << false << true;
        QTest::newRow("game play") << "MenuGamePlay"
                                   << "&Game Play..." << false << true;
        QTest::newRow("key control") << "MenuKeyControl"
                                     << "&Key Control..." << false << true;
        QTest::newRow("scoring") << "MenuScoring"
                                 << "&Scoring..." << false << true;
    }
    // A first run: Puzzle mode, start level 1, colour Lime, keyboard; replay and quit not yet possible.
    void menuEntries() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, checked);
        QFETCH(bool, enabled);
        auto w = MakeWindow();
        QCOMPARE(w->objectName(), QStringLiteral("FormZephlon"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Zephlon"));
        auto* action = w->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->isChecked(), checked);
        QCOMPARE(action->isEnabled(), enabled);
    }

    // Enter starts a game; P hides the board behind "Paused" and Enter resumes; Enter in a running game
    // starts nothing.
    void keysStartPauseAndResume() {
        auto w = MakeWindow();
        w->show();
        StartOriginalByKey(*w);
        ZephlonEngine& e = w->Engine();
        QVERIFY(!w->MenuOriginal->isEnabled());
        QVERIFY(w->MenuStop->isEnabled());
        QTest::keyClick(w.get(), Qt::Key_Control);
        QCOMPARE(e.Context().row, int16_t(10));
        e.TimerHandler();
        QVERIFY(e.Context().board(4, 10) != 0);
        const QColor block = CellMiddle(*w, 4, 10);
        QCOMPARE(block, ShadeColour(1, 4, kLime));
        QCOMPARE(w->LabelScore->text(), QStringLiteral("9"));

        QTest::keyClick(w.get(), Qt::Key_P);
        QVERIFY(e.Context().paused);
        QVERIFY(w->MenuPause->isChecked());
        QCOMPARE(CellMiddle(*w, 4, 10), kEmptyCell);
        QVERIFY(w->PictureMessage->isVisible());
        QCOMPARE(w->LabelMessage->text(), QStringLiteral("Paused"));
        QVERIFY(!w->PictureBlock->isVisible());

        QTest::keyClick(w.get(), Qt::Key_Return);
        QVERIFY(!e.Context().paused);
        QCOMPARE(CellMiddle(*w, 4, 10), block);
        QVERIFY(!w->PictureMessage->isVisible());
        QVERIFY(w->PictureBlock->isVisible());

        const int16_t row = e.Context().row;
        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(e.Context().gameState, GameState::Falling);
        QCOMPARE(e.Context().row, row);
        QCOMPARE(e.Context().score, 9);
    }

    void movementKeys() {
        auto w = MakeWindow();
        StartOriginalByKey(*w);
        ZephlonEngine& e = w->Engine();
        const int16_t value = e.Context().fallingValue;
        QTest::keyClick(w.get(), Qt::Key_Left);
        QCOMPARE(e.Context().column, int16_t(3));
        QTest::keyClick(w.get(), Qt::Key_Right);
        QTest::keyClick(w.get(), Qt::Key_Right);
        QCOMPARE(e.Context().column, int16_t(5));
        QTest::keyClick(w.get(), Qt::Key_Up);
        QCOMPARE(e.Context().fallingValue, ZephlonEngine::Rotated(value));
        QTest::keyClick(w.get(), Qt::Key_Down);
        QCOMPARE(e.Context().row, int16_t(2));
        QCOMPARE(e.Context().score, 1);
        QTest::keyClick(w.get(), Qt::Key_Insert);
        QCOMPARE(e.Context().row, int16_t(10));
        QTest::keyClick(w.get(), Qt::Key_Q);
        QCOMPARE(e.Context().gameState, GameState::Stopped);
        QCOMPARE(w->LabelMessage->text(), QStringLiteral("Game Over"));
        QVERIFY(w->TimerGameOver->isActive());
        QVERIFY(w->MenuOriginal->isEnabled());
        QVERIFY(!w->MenuStop->isEnabled());
        // A finished game cannot be quit again, which would offer its score twice.
        w->TimerGameOver_Timer();
        QTest::keyClick(w.get(), Qt::Key_Q);
        QVERIFY(!w->TimerGameOver->isActive());
    }

    // A new block colour is used by the cells drawn from then on: the board keeps its look until it is drawn
    // again, the falling block takes the colour at its next move, the next box with the next block painted
    // there, and concrete stays grey.
    void colourSchemeAppliesToCellsDrawnFromThenOn() {
        auto w = MakeWindow();
        w->show();
        StartOriginalByKey(*w);
        ZephlonEngine& e = w->Engine();
        e.SetCell(1, 10, kPresent | kPipe2);
        e.SetCell(2, 10, kPresent | kConcrete);
        e.RedrawBoard();
        QCOMPARE(CellMiddle(*w, 1, 10), ShadeColour(1, 4, kLime));
        const QPoint spriteMiddle(w->CellSize() / 2, w->CellSize() / 2);
        QCOMPARE(w->PictureBlock->Pixel(spriteMiddle.x(), spriteMiddle.y()), ShadeColour(1, 4, kLime));
        const int n = std::min(w->CellSize(), 41);
        const QPoint nextMiddle((w->PictureNext->Width() - n) / 2 + n / 2, 7 + n / 2);
        QCOMPARE(w->PictureNext->Pixel(nextMiddle.x(), nextMiddle.y()), ShadeColour(1, 4, kLime));

        w->MenuColour[0]->trigger();
        QVERIFY(w->MenuColour[0]->isChecked());
        QVERIFY(!w->MenuColour[1]->isChecked());
        QCOMPARE(e.Options().blockColour, int16_t{1});
        QCOMPARE(CellMiddle(*w, 1, 10), ShadeColour(1, 4, kLime));
        QCOMPARE(w->PictureBlock->Pixel(spriteMiddle.x(), spriteMiddle.y()), ShadeColour(1, 4, kLime));
        QCOMPARE(w->PictureNext->Pixel(nextMiddle.x(), nextMiddle.y()), ShadeColour(1, 4, kLime));

        QTest::keyClick(w.get(), Qt::Key_Left);
        QCOMPARE(w->PictureBlock->Pixel(spriteMiddle.x(), spriteMiddle.y()), ShadeColour(1, 4, kBlueberry));
        e.RedrawBoard();
        QCOMPARE(CellMiddle(*w, 1, 10), ShadeColour(1, 4, kBlueberry));
        QCOMPARE(CellMiddle(*w, 2, 10), ShadeColour(1, 4, kGreyScheme));
        QCOMPARE(w->PictureNext->Pixel(nextMiddle.x(), nextMiddle.y()), ShadeColour(1, 4, kLime));
        QTest::keyClick(w.get(), Qt::Key_Control);
        e.TimerHandler();  // the landing brings in the next block and paints a new one in the box
        QCOMPARE(e.Context().row, int16_t(1));
        QCOMPARE(w->PictureNext->Pixel(nextMiddle.x(), nextMiddle.y()), ShadeColour(1, 4, kBlueberry));
    }

    // Under mouse control no key has any effect, P included; under keyboard control no click has any.
    void controlChoosesKeysOrMouse() {
        auto w = MakeWindow();
        StartOriginalByKey(*w);
        ZephlonEngine& e = w->Engine();
        w->MenuMouse->trigger();
        QVERIFY(w->MenuMouse->isChecked());
        QVERIFY(!w->MenuKeyBoard->isChecked());
        for (Qt::Key key : {Qt::Key_P, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Control, Qt::Key_Q,
                            Qt::Key_S, Qt::Key_Return}) {
            QTest::keyClick(w.get(), key);
        }
        QVERIFY(!e.Context().paused);
        QCOMPARE(e.Context().gameState, GameState::Falling);
        QCOMPARE(e.Context().column, int16_t(4));
        QCOMPARE(e.Context().row, int16_t(1));

        const int16_t value = e.Context().fallingValue;
        QTest::mouseClick(w->PictureBg, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(e.Context().fallingValue, ZephlonEngine::Rotated(value));
        QTest::mouseClick(w->PictureBg, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(e.Context().row, int16_t(10));

        w->MenuKeyBoard->trigger();
        const int16_t now = e.Context().fallingValue;
        QTest::mouseClick(w->PictureBg, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(e.Context().fallingValue, now);
    }

    // Mouse steering follows the pointer's column; a left double-click turns the block three quarters in all.
    void mouseSteersAndTurns() {
        auto w = MakeWindow();
        w->show();
        StartOriginalByKey(*w);
        ZephlonEngine& e = w->Engine();
        w->MenuMouse->trigger();
        const int s = w->CellSize();
        MovePointer(w->PictureBg, QPoint(6 * s + s / 2, s / 2));
        QCOMPARE(e.Context().column, int16_t(7));
        MovePointer(w->PictureBg, QPoint(s / 2, 5 * s));
        QCOMPARE(e.Context().column, int16_t(1));
        const int16_t value = e.Context().fallingValue;
        QTest::mouseClick(w->PictureBg, Qt::LeftButton, {}, QPoint(s / 2, 5 * s));
        QTest::mouseDClick(w->PictureBg, Qt::LeftButton, {}, QPoint(s / 2, 5 * s));
        int16_t expected = value;
        for (int i = 0; i < 3; ++i)
            expected = ZephlonEngine::Rotated(expected);
        QCOMPARE(e.Context().fallingValue, expected);
    }

    // A puzzle level waits behind its message; under mouse control a click on the message starts it.
    void clickOnTheLevelMessageStartsThePuzzle() {
        auto w = MakeWindow();
        w->show();
        ZephlonEngine& e = w->Engine();
        w->MenuMouse->trigger();
        w->StartOriginal->trigger();
        for (int tick = 0; tick < 500 && e.Context().gameState != GameState::WaitStart; ++tick)
            e.TimerHandler();
        QCOMPARE(e.Context().gameState, GameState::WaitStart);
        QVERIFY(w->LabelMessage->text().endsWith(QStringLiteral("Click Mouse to Start")));
        QVERIFY(w->PictureBlinkBlock->isVisible());
        QTest::mouseClick(w->LabelMessage, Qt::LeftButton);
        QCOMPARE(e.Context().gameState, GameState::Spawn);
        QVERIFY(!w->PictureMessage->isVisible());
    }

    // Q ends a game in any state but after a finished game: during the start-up demo and before the first
    // game it shows "Game Over" with score 0, and the score offered a second later stores nothing.
    void quitKey_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("quits");
        QTest::newRow("during the demo") << "demo" << true;
        QTest::newRow("before the first game") << "idle" << true;
        QTest::newRow("after a finished game") << "finished" << false;
    }
    void quitKey() {
        QFETCH(QString, before);
        QFETCH(bool, quits);
        auto w = MakeWindow();
        ZephlonEngine& e = w->Engine();
        SetOption(e, &ZephlonOptions::firstTime, false);
        e.TimerHandler();  // the demo's board
        QVERIFY(e.Context().demoRunning);
        if (before == u"idle") {
            for (int tick = 0; tick < 2000 && e.Context().demoRunning; ++tick)
                e.TimerHandler();
            QCOMPARE(e.Context().gameState, GameState::Idle);
        }
        if (before == u"finished") {
            StartOriginalByKey(*w);
            QTest::keyClick(w.get(), Qt::Key_Q);
            w->TimerGameOver_Timer();
        }
        QTest::keyClick(w.get(), Qt::Key_Q);
        QCOMPARE(w->TimerGameOver->isActive(), quits);
        QCOMPARE(e.Context().gameState, GameState::Stopped);
        QCOMPARE(w->LabelMessage->text(), QStringLiteral("Game Over"));
        QCOMPARE(w->LabelScore->text(), QStringLiteral("0"));
        if (quits) w->TimerGameOver_Timer();
        QCOMPARE(w->Scores().CurrentPosition(), int16_t(0));
        QVERIFY(!w->Scores().Dialog().isVisible());
    }

    // Under mouse control presses count on the play area, the falling block with the bomb marker over it and
    // the blinking block; a waiting level starts only from the play area or the message text, and the panel's
    // border and the logo take no press. The pointer steers only over the play area.
    void mouseTargets_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("waiting");  // a level message waits; otherwise a block falls in column 1
        QTest::addColumn<bool>("press");    // a left press; otherwise the pointer moves over the target
        QTest::addColumn<QString>("effect");
        QTest::newRow("message waits: play area") << "PictureBg" << true << true << "start";
        QTest::newRow("message waits: message text") << "LabelMessage" << true << true << "start";
        QTest::newRow("message waits: panel border") << "PictureMessage" << true << true << "none";
        QTest::newRow("message waits: logo") << "ImageMessage" << true << true << "none";
        QTest::newRow("message waits: blinking block") << "PictureBlinkBlock" << true << true << "none";
        QTest::newRow("falling: play area") << "PictureBg" << false << true << "turn";
        QTest::newRow("falling: falling block") << "PictureBlock" << false << true << "turn";
        QTest::newRow("falling: bomb marker") << "PictureLaserBomb" << false << true << "turn";
        QTest::newRow("falling: blinking block") << "PictureBlinkBlock" << false << true << "turn";
        QTest::newRow("pointer over the play area") << "PictureBg" << false << false << "steer";
        QTest::newRow("pointer over the blinking block") << "PictureBlinkBlock" << false << false << "none";
    }
    void mouseTargets() {
        QFETCH(QString, target);
        QFETCH(bool, waiting);
        QFETCH(bool, press);
        QFETCH(QString, effect);
        auto w = MakeWindow();
        w->show();
        ZephlonEngine& e = w->Engine();
        w->MenuMouse->trigger();
        w->StartOriginal->trigger();  // a puzzle level: the first run plays Puzzle mode
        for (int tick = 0; tick < 500 && e.Context().gameState != GameState::WaitStart; ++tick)
            e.TimerHandler();
        QCOMPARE(e.Context().gameState, GameState::WaitStart);
        if (!waiting) {
            QVERIFY(e.AcknowledgeMessage());
            e.TimerHandler();
            QCOMPARE(e.Context().gameState, GameState::Falling);
            e.SetFallingBlock(kPresent | kPipe2, 1, 1);
        }
        if (target == u"ImageMessage") w->ShowMessage(QStringLiteral("zephlon"), 21);
        auto* widget = w->findChild<QWidget*>(target);
        QVERIFY(widget);
        const int s = w->CellSize();
        const QPoint at = target == u"PictureBg" ? QPoint(6 * s + s / 2, s / 2) : QPoint(0, 0);
        if (press)
            QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        else
            MovePointer(widget, at);
        const GameState expectedState =
            effect == u"start" ? GameState::Spawn : (waiting ? GameState::WaitStart : GameState::Falling);
        QCOMPARE(e.Context().gameState, expectedState);
        if (waiting) return;
        QCOMPARE(e.Context().fallingValue,
                 int16_t(effect == u"turn" ? kPresent | kPipe16 : kPresent | kPipe2));
        QCOMPARE(int(e.Context().column), effect == u"steer" ? 7 : 1);
    }

    // Puzzle start levels beyond the highest level reached cannot be chosen; Original offers all ten.
    void levelMenuFollowsTheMode() {
        auto w = MakeWindow();
        SetOption(w->Engine(), &ZephlonOptions::maxLevelPuzzle, 3);
        w->RefreshLevelMenu();
        QVERIFY(w->MenuLevel[2]->isEnabled());
        QVERIFY(!w->MenuLevel[3]->isEnabled());
        w->MenuLevel[2]->trigger();
        QCOMPARE(w->Engine().Options().startLevelPuzzle, int16_t(3));
        QVERIFY(w->MenuLevel[2]->isChecked());
        QVERIFY(!w->MenuLevel[0]->isChecked());
        w->MenuOriginal->trigger();
        for (QAction* a : w->MenuLevel)
            QVERIFY(a->isEnabled());
        QVERIFY(w->MenuLevel[0]->isChecked());
        QVERIFY(!w->MenuLevel[2]->isChecked());
    }

    // "Start" during a game asks first; No leaves the game as it was.
    void startAsksDuringAGame() {
        auto w = MakeWindow();
        StartOriginalByKey(*w);
        ZephlonEngine& e = w->Engine();
        e.AddScore(120);
        QStringList asked;
        bool answer = false;
        w->SetAsker([&](const QString& q) {
            asked << q;
            return answer;
        });
        w->StartOriginal->trigger();
        QCOMPARE(asked, QStringList{QStringLiteral("Are you sure you want to start a new game")});
        QCOMPARE(e.Context().score, 120);
        QCOMPARE(e.Context().gameState, GameState::Falling);
        answer = true;
        w->StartOriginal->trigger();
        QCOMPARE(e.Context().score, 0);
        QCOMPARE(e.Context().gameState, GameState::Spawn);
    }

    // The clock advances the game only while the main window is the active window.
    void ticksOnlyWhileActive() {
        auto w = MakeWindow();
        w->show();
        StartOriginalByKey(*w);
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QTRY_COMPARE(QApplication::activeWindow(), &other);
        w->Timer1_Timer();
        QCOMPARE(w->Engine().Context().row, int16_t(1));
        QApplication::setActiveWindow(w.get());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(w.get()));
        w->Timer1_Timer();
        QCOMPARE(w->Engine().Context().row, int16_t(2));
        QCOMPARE(w->Timer1->timerType(), Qt::PreciseTimer);
        QCOMPARE(w->Timer1->interval(), 380);
    }

    // The window never shrinks below its minimum, and the play area keeps whole even cells beside the status
    // bar.
    void layoutFollowsTheWindow() {
        auto w = MakeWindow();
        w->setWindowState(Qt::WindowNoState);
        w->show();
        w->resize(200, 150);
        QCOMPARE(w->size(), QSize(385, 435));
        w->resize(700, 900);
        QTRY_COMPARE(w->size(), QSize(700, 900));
        const int s = w->CellSize();
        QCOMPARE(s % 2, 0);
        QCOMPARE(w->PictureBg->size(), QSize(7 * s, 10 * s));
        QCOMPARE(w->PictureStatusBar->geometry().left(), w->PictureBg->geometry().right() + 1);
        QCOMPARE(w->PictureStatusBar->height(), 10 * s);
        QCOMPARE(w->PictureNext->geometry(), QRect(2, 30, 62, 63));
        QCOMPARE(w->LabelHiScore->geometry(), QRect(0, 291, 57, 17));
    }

    // Every message the game shows fits the play area at the design size: nothing of its text is cut off.
    void messagesFitTheDesignSize_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::newRow("level 1, keyboard")
            << "Level 1\r\n\r\nRemove the blinking block\r\n\r\nPress Enter to Start" << 13;
        QTest::newRow("level 1, mouse")
            << "Level 1\r\n\r\nRemove the blinking block\r\n\r\nClick Mouse to Start" << 13;
        QTest::newRow("level 12") << "Level 12\r\n\r\nPress Enter to Start" << 13;
        QTest::newRow("level completed") << "Level Completed\r\n\r\n\r\nClick Mouse" << 13;
        QTest::newRow("game over") << "Game Over" << 21;
    }
    void messagesFitTheDesignSize() {
        QFETCH(QString, text);
        QFETCH(int, size);
        auto w = MakeWindow();
        w->setWindowState(Qt::WindowNoState);
        w->show();
        w->resize(385, 435);
        QTRY_COMPARE(w->size(), QSize(385, 435));
        w->ShowMessage(text, size);
        const QRect panel = w->PictureMessage->geometry();
        QVERIFY2(w->PictureBg->rect().contains(panel),
                 qPrintable(QStringLiteral("panel %1,%2 %3x%4 in %5 wide")
                                .arg(panel.x())
                                .arg(panel.y())
                                .arg(panel.width())
                                .arg(panel.height())
                                .arg(w->PictureBg->width())));
        QLabel* label = w->LabelMessage;
        QVERIFY(w->PictureMessage->rect().contains(label->geometry()));
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 100000),
                                                               int(Qt::AlignCenter) | wrap, label->text());
        const int neededHeight = wrap ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(needed.width() <= label->width() && neededHeight <= label->height(),
                 qPrintable(QStringLiteral("%1x%2 needed, %3x%4 given")
                                .arg(needed.width())
                                .arg(neededHeight)
                                .arg(label->width())
                                .arg(label->height())));
        // A message that fits keeps the size it asked for.
        if (size == 21) QCOMPARE(label->font().pointSizeF(), zephlon::StatusFont(21).pointSizeF());
    }

    // Options changed from the menus are written at close and come back at the next start.
    void optionsSurviveARestart() {
        {
            auto w = MakeWindow();
            QVERIFY(w->windowState() & Qt::WindowMaximized);
            w->MenuOriginal->trigger();
            w->MenuColour[3]->trigger();
            w->MenuMouse->trigger();
            w->MenuLevel[6]->trigger();
            w->setWindowState(Qt::WindowMinimized);  // a minimised close keeps the stored size
            QVERIFY(w->close());
        }
        {
            frame::SettingsStore store(QStringLiteral("Zephlon"));
            QCOMPARE(store.ReadSetting(frame::kOptionsSection, QStringLiteral("gameMode"), {}),
                     QStringLiteral("0"));
            QCOMPARE(store.ReadSetting(frame::kOptionsSection, QStringLiteral("FirstTime"), {}),
                     QStringLiteral("No"));
            QCOMPARE(store.ReadSetting(frame::kOptionsSection, QStringLiteral("StartLevel"), {}),
                     QStringLiteral("7"));
            QCOMPARE(store.ReadSetting(frame::kOptionsSection, QStringLiteral("InitWidth"),
                                       QStringLiteral("unset")),
                     QStringLiteral("unset"));
            QCOMPARE(store.ReadSetting(frame::kOptionsSection, QStringLiteral("InitMaximized"), {}),
                     QStringLiteral("No"));
        }
        auto w = MakeWindow();
        QVERIFY(w->MenuOriginal->isChecked());
        QVERIFY(w->MenuColour[3]->isChecked());
        QVERIFY(!w->MenuColour[1]->isChecked());
        QVERIFY(w->MenuMouse->isChecked());
        QVERIFY(w->MenuLevel[6]->isChecked());
        QVERIFY(w->MenuLevel[9]->isEnabled());
        QVERIFY(!w->Engine().Options().firstTime);
        QVERIFY(!(w->windowState() & Qt::WindowMaximized));
    }
};

ARCADE_TEST_MAIN(TestFormZephlon)
#include "tst_formzephlon.moc"
