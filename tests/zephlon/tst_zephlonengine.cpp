// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <algorithm>
#include <bit>
#include <random>
#include <set>

#include "support/testmain.h"
#include "support/zephlonkit.h"

using namespace zephlon_test;

namespace {

void StartOriginalGame(Rig& rig) {
    rig.engine.SetGameMode(GameMode::Original);
    rig.engine.NewGame(0, false);
}

}  // namespace

class TestZephlonEngine : public QObject {
    Q_OBJECT

  private slots:
    // A block spawns at (4, 1), falls a row per tick, sounds the touch-down cue as it reaches row 10, and the
    // tick that lands it also brings in the next block.
    void spawnFallAndLandInOneTick() {
        Rig rig;
        ZephlonEngine& e = rig.engine;
        rig.random.Block(kPresent | kPipe2 | kPipe8, false);  // first block of a game: no bomb allowed
        rig.random.Block(kPresent | kPipe4, true);
        StartOriginalGame(rig);
        QCOMPARE(rig.view.clockInterval, 380);

        e.TimerHandler();
        QCOMPARE(e.Context().gameState, GameState::Falling);
        QCOMPARE(e.Context().column, int16_t(4));
        QCOMPARE(e.Context().row, int16_t(1));
        QCOMPARE(e.Context().fallingValue, int16_t(kPresent | kPipe2 | kPipe8));
        QCOMPARE(e.Context().nextValue, int16_t(kPresent | kPipe4));
        QVERIFY(rig.view.SpriteShown());

        for (int tick = 2; tick <= 9; ++tick)
            e.TimerHandler();
        QCOMPARE(e.Context().row, int16_t(9));
        QVERIFY(rig.sink.cues.empty());
        e.TimerHandler();
        QCOMPARE(e.Context().row, int16_t(10));
        QCOMPARE(rig.sink.cues, QList<int>{0});

        e.TimerHandler();
        QCOMPARE(e.Context().board(4, 10), int16_t(kPresent | kPipe2 | kPipe8));
        QCOMPARE(e.Context().gameState, GameState::Falling);
        QCOMPARE(e.Context().row, int16_t(1));
        QCOMPARE(e.Context().fallingValue, int16_t(kPresent | kPipe4));
        QCOMPARE(e.Context().nextValue, int16_t(kPresent | kPipe2 | kPipe4 | kPipe8 | kPipe16));
        QVERIFY(rig.random.reseeds >= 3);
    }

    // Dropping from row 1 into an empty column scores one point per row; the landing waits for the next tick.
    void dropScoresRowsAndLandsNextTick() {
        Rig rig;
        ZephlonEngine& e = rig.engine;
        StartOriginalGame(rig);
        e.TimerHandler();
        e.DropBlock();
        QCOMPARE(e.Context().score, 9);
        QCOMPARE(rig.view.scoreLabel, QStringLiteral("9"));
        QCOMPARE(e.Context().row, int16_t(10));
        QCOMPARE(e.Context().board(4, 10), int16_t(0));
        e.TimerHandler();
        QVERIFY(e.Context().board(4, 10) != 0);
        QCOMPARE(e.Context().score, 9);
    }

    void sidewaysMoves_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("obstacle");  // column of a block on the same row, 0 for none
        QTest::addColumn<bool>("left");
        QTest::addColumn<int>("expected");
        QTest::newRow("left wall") << 1 << 5 << 0 << true << 1;
        QTest::newRow("right wall") << 7 << 5 << 0 << false << 7;
        QTest::newRow("block on the left") << 4 << 5 << 3 << true << 4;
        QTest::newRow("block on the right") << 4 << 5 << 5 << false << 4;
        QTest::newRow("free left") << 4 << 5 << 6 << true << 3;
        QTest::newRow("free move into column 1") << 2 << 5 << 0 << true << 1;
        QTest::newRow("free move into column 7") << 6 << 5 << 0 << false << 7;
        QTest::newRow("bottom row still moves") << 4 << 10 << 0 << false << 5;
    }
    void sidewaysMoves() {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(int, obstacle);
        QFETCH(bool, left);
        QFETCH(int, expected);
        Rig rig;
        ZephlonEngine& e = rig.engine;
        e.SetState(GameState::Falling);
        e.SetFallingBlock(kPresent | kPipe2, int16_t(column), int16_t(row));
        if (obstacle) e.SetCell(obstacle, row, kPresent | kPipe4);
        if (left)
            e.MoveLeft();
        else
            e.MoveRight();
        QCOMPARE(int(e.Context().column), expected);
    }

    // Mouse steering on the bottom row: the block stops beside an obstacle; only moves to the right sound.
    void mouseSteering_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("obstacle");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("cue");
        QTest::newRow("free to the right") << 2 << 0 << 6 << 6 << true;
        QTest::newRow("stops before obstacle right") << 2 << 5 << 7 << 4 << true;
        QTest::newRow("stops before obstacle left") << 6 << 2 << 1 << 3 << false;
        QTest::newRow("occupied target") << 2 << 6 << 6 << 2 << false;
        QTest::newRow("obstacle next to it") << 4 << 5 << 7 << 4 << false;
        QTest::newRow("target beyond the pit") << 4 << 0 << 8 << 4 << false;
    }
    void mouseSteering() {
        QFETCH(int, column);
        QFETCH(int, obstacle);
        QFETCH(int, target);
        QFETCH(int, expected);
        QFETCH(bool, cue);
        Rig rig;
        ZephlonEngine& e = rig.engine;
        e.SetState(GameState::Falling);
        e.SetFallingBlock(kPresent | kPipe2, int16_t(column), 10);
        if (obstacle) e.SetCell(obstacle, 10, kPresent | kPipe8);
        e.MoveToColumn(int16_t(target));
        QCOMPARE(int(e.Context().column), expected);
        QCOMPARE(!rig.sink.cues.empty(), cue);
    }

    void rotation_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("turned");
        QTest::newRow("top to right") << (kPresent | kPipe2) << (kPresent | kPipe16);
        QTest::newRow("right to bottom") << (kPresent | kPipe16) << (kPresent | kPipe4);
        QTest::newRow("bottom to left") << (kPresent | kPipe4) << (kPresent | kPipe8);
        QTest::newRow("left to top") << (kPresent | kPipe8) << (kPresent | kPipe2);
        QTest::newRow("bomb loses its bomb") << (kPresent | kBomb) << int(kPresent);
    }
    void rotation() {
        QFETCH(int, value);
        QFETCH(int, turned);
        QCOMPARE(int(ZephlonEngine::Rotated(int16_t(value))), turned);
    }

    void fourTurnsRestoreEveryPipeBlock() {
        for (int16_t v = 3; v <= 31; v += 2) {
            int16_t t = v;
            for (int i = 0; i < 4; ++i)
                t = ZephlonEngine::Rotated(t);
            QCOMPARE(t, v);
        }
    }

    void occupiedSpawnCellEndsTheGame() {
        Rig rig;
        ZephlonEngine& e = rig.engine;
        StartOriginalGame(rig);
        e.SetCell(4, 1, kPresent | kPipe2);
        e.TimerHandler();
        QCOMPARE(e.Context().gameState, GameState::Stopped);
        QCOMPARE(rig.view.messages.last(), QStringLiteral("Game Over"));
        QVERIFY(rig.view.gameOverTimerStarted);
        QVERIFY(!rig.view.clockRunning);
    }

    void intervals_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<int>("expected");
        // The whole Original table by level, and the Puzzle table by speed index (15 destroyed blocks each).
        const int original[] = {380, 340, 310, 270, 240, 210, 190, 170, 150, 140,
                                130, 125, 120, 115, 110, 107, 103, 100, 98,  97};
        for (int level = 1; level <= 20; ++level)
            QTest::addRow("original %d", level)
                << int(GameMode::Original) << level << 0 << false << original[level - 1];
        const int puzzle[] = {380, 340, 310, 270, 240, 210, 190, 170, 150, 140};
        for (int index = 0; index <= 9; ++index)
            QTest::addRow("puzzle index %d", index)
                << int(GameMode::Puzzle) << 1 << 15 * index << false << puzzle[index];
        QTest::newRow("original 10, 29 blocks") << int(GameMode::Original) << 10 << 29 << false << 140;
        QTest::newRow("original 22") << int(GameMode::Original) << 22 << 0 << false << 97;
        QTest::newRow("original 40") << int(GameMode::Original) << 40 << 0 << false << 97;
        QTest::newRow("puzzle 1, 14 blocks") << int(GameMode::Puzzle) << 1 << 14 << false << 380;
        QTest::newRow("puzzle 5, 45 blocks") << int(GameMode::Puzzle) << 5 << 45 << false << 270;
        // Each band's first and last level: 1-10 from index 0, 11-15 from index 2, 16 on from index 4.
        QTest::newRow("puzzle 10") << int(GameMode::Puzzle) << 10 << 0 << false << 380;
        QTest::newRow("puzzle 11") << int(GameMode::Puzzle) << 11 << 0 << false << 310;
        QTest::newRow("puzzle 15") << int(GameMode::Puzzle) << 15 << 0 << false << 310;
        QTest::newRow("puzzle 16") << int(GameMode::Puzzle) << 16 << 0 << false << 240;
        QTest::newRow("puzzle 40") << int(GameMode::Puzzle) << 40 << 0 << false << 240;
        QTest::newRow("puzzle 16, 90 blocks") << int(GameMode::Puzzle) << 16 << 90 << false << 140;
        QTest::newRow("demo") << int(GameMode::Original) << 30 << 0 << true << 200;
    }
    void intervals() {
        QFETCH(int, mode);
        QFETCH(int, level);
        QFETCH(int, blocks);
        QFETCH(bool, demo);
        QFETCH(int, expected);
        Rig rig;
        ZephlonEngine& e = rig.engine;
        e.SetGameMode(static_cast<GameMode>(mode));
        e.SetLevel(int16_t(level));
        e.SetBlocksCounter(int16_t(blocks));
        e.SetDemoRunning(demo);
        QCOMPARE(int(e.StartNewTimer(0)), expected);
        QCOMPARE(rig.view.clockInterval, expected);
        QCOMPARE(int(e.StartNewTimer(20)), 20);
    }

    // While paused every cell is drawn empty and ticks change nothing; resuming draws the blocks again.
    void pauseHidesBoardAndFreezesTicks() {
        Rig rig;
        ZephlonEngine& e = rig.engine;
        StartOriginalGame(rig);
        e.TimerHandler();
        e.SetCell(1, 10, kPresent | kPipe2);
        rig.view.cells.clear();
        e.SetPaused(true);
        QCOMPARE(int(rig.view.cells.size()), kColumns * kRows);
        for (const CellDrawing& c : rig.view.cells)
            QCOMPARE(c.value, int16_t(0));
        QVERIFY(!rig.view.spriteVisible);
        QCOMPARE(rig.view.messages.last(), QStringLiteral("Paused"));
        e.TimerHandler();
        QCOMPARE(e.Context().row, int16_t(1));
        rig.view.cells.clear();
        e.SetPaused(false);
        const auto drawn = std::find_if(rig.view.cells.begin(), rig.view.cells.end(),
                                        [](const CellDrawing& c) { return c.column == 1 && c.row == 10; });
        QVERIFY(drawn != rig.view.cells.end());
        QCOMPARE(drawn->value, int16_t(kPresent | kPipe2));
        QVERIFY(rig.view.SpriteShown());
        e.TimerHandler();
        QCOMPARE(e.Context().row, int16_t(2));
    }

    // The start-up demo fills rows 7 to 10 under the logo, lets the lasers fire without scoring, then stops
    // the clock and shows the instructions on a first run.
    void demoRunsOnceAndStops() {
        Rig rig;
        ZephlonEngine& e = rig.engine;
        SetOption(e, &ZephlonOptions::firstTime, true);
        e.InitGame();
        QVERIFY(e.Context().demoRunning);
        QCOMPARE(rig.view.clockInterval, 200);
        e.TimerHandler();
        for (int r = 1; r <= kRows; ++r)
            for (int c = 1; c <= kColumns; ++c)
                QCOMPARE(e.Context().board(c, r) != 0, r >= 7);
        QCOMPARE(rig.view.messages.last(), QStringLiteral("zephlon"));
        for (int tick = 0; tick < 1000 && e.Context().gameState != GameState::Idle; ++tick)
            e.TimerHandler();
        QCOMPARE(e.Context().gameState, GameState::Idle);
        QVERIFY(!e.Context().demoRunning);
        QVERIFY(!rig.view.clockRunning);
        QCOMPARE(rig.view.instructionsShown, 1);
        QCOMPARE(e.Context().score, 0);
    }

    // "S" restarts at the current level with score 0; a replay returns to the score at the level's start.
    void newGameAtLevelAndReplay() {
        Rig rig;
        ZephlonEngine& e = rig.engine;
        StartOriginalGame(rig);
        e.BeginLevel(0);
        e.AddScore(700);
        e.BeginLevel(0);  // level 3 starts with 700
        e.AddScore(55);
        e.NewGame(e.Context().level, false);
        QCOMPARE(e.Context().level, int16_t(3));
        QCOMPARE(e.Context().score, 0);
        e.AddScore(300);
        e.BeginLevel(0);  // level 4 starts with 300
        e.AddScore(40);
        e.SetGameMode(GameMode::Puzzle);
        e.ReplayLevel();
        QCOMPARE(e.Context().level, int16_t(4));
        QCOMPARE(e.Context().score, 300);
        QCOMPARE(rig.view.scoreLabel, QStringLiteral("300"));
        QVERIFY(e.Context().bestScore >=
                e.Context().score);  // the high-score label never shows less than the score
    }

    void levelMessages_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("level 1, keyboard")
            << 1 << int(Control::Keyboard)
            << "Level 1\r\n\r\nRemove the blinking block\r\n\r\nPress Enter to Start";
        QTest::newRow("level 1, mouse")
            << 1 << int(Control::Mouse)
            << "Level 1\r\n\r\nRemove the blinking block\r\n\r\nClick Mouse to Start";
        QTest::newRow("level 12, keyboard")
            << 12 << int(Control::Keyboard) << "Level 12\r\n\r\nPress Enter to Start";
    }
    void levelMessages() {
        QFETCH(int, level);
        QFETCH(int, control);
        QFETCH(QString, text);
        Rig rig;
        ZephlonEngine& e = rig.engine;
        e.SetLevel(int16_t(level));
        e.SetControl(static_cast<Control>(control));
        QCOMPARE(e.LevelStartText(), text);
    }

    // The first spawn of a puzzle level waits behind its message; acknowledging a completed level builds the
    // next level's garbage.
    void puzzleLevelWaitsAndAdvances() {
        Rig rig;
        ZephlonEngine& e = rig.engine;
        e.SetGameMode(GameMode::Puzzle);
        e.NewGame(0, false);
        for (int tick = 0; tick < 500 && e.Context().gameState != GameState::WaitStart; ++tick)
            e.TimerHandler();
        QCOMPARE(e.Context().gameState, GameState::WaitStart);
        QVERIFY(e.Context().blinkTimerRunning);
        QVERIFY(rig.view.messages.last().startsWith(QStringLiteral("Level 1")));
        QVERIFY(e.AcknowledgeMessage());
        QCOMPARE(e.Context().gameState, GameState::Spawn);
        QVERIFY(rig.view.messages.last().isEmpty());
        e.SetState(GameState::LevelDone);
        QVERIFY(e.AcknowledgeMessage());
        QCOMPARE(e.Context().level, int16_t(2));
        QCOMPARE(e.Context().gameState, GameState::Garbage);
        QCOMPARE(rig.view.clockInterval, 30);
        QVERIFY(!e.AcknowledgeMessage());
    }

    void nextBlockDistribution() {
        RecordingView view;
        RecordingSink sink;
        // A deterministic generator for the distribution checks.
        ZephlonEngine e(view, sink, frame::RandomSource::Seeded(12345));
        int bombs = 0, singles = 0, doubles = 0;
        const int draws = 45000;
        for (int i = 0; i < draws; ++i) {
            e.NextBlock(true);
            const int16_t v = e.Context().nextValue;
            QVERIFY(v != kPresent);
            QVERIFY(!(v & kConcrete));
            QVERIFY(v & kPresent);
            if (v & kBomb) {
                QCOMPARE(v, int16_t(kPresent | kBomb));
                ++bombs;
                continue;
            }
            const int tracks = std::popcount(static_cast<unsigned>(v & kPipeBits));
            singles += tracks == 1;
            doubles += tracks == 2;
        }
        QVERIFY2(bombs > draws / 45 * 8 / 10 && bombs < draws / 45 * 12 / 10,
                 qPrintable(QString::number(bombs)));
        QVERIFY(singles * 4 < doubles);
        for (int i = 0; i < 2000; ++i) {
            e.NextBlock(false);
            QVERIFY(!(e.Context().nextValue & kBomb));
            QCOMPARE(e.Context().spawnColumn, int16_t(4));
            QCOMPARE(e.Context().spawnRow, int16_t(1));
        }
    }

    // Reseeding before every block never brings back the same sequence, however fast the blocks come.
    void reseedingNeverRepeatsADraw() {
        frame::RandomSource random;
        std::set<double> firsts;
        for (int i = 0; i < 5000; ++i) {
            random.Reseed();
            const double r = random.Next();
            QVERIFY(r >= 0.0 && r < 1.0);
            firsts.insert(r);
        }
        QCOMPARE(int(firsts.size()), 5000);
    }
};

ARCADE_TEST_GUILESS_MAIN(TestZephlonEngine)
#include "tst_zephlonengine.moc"
