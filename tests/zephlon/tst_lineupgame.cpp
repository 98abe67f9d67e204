// SPDX-License-Identifier: GPL-3.0-or-later
// The line-up processing and the puzzle levels driven through the engine's state machine.

#include <QtTest>
#include <functional>
#include <map>

#include "boardpicture.h"
#include "support/testmain.h"
#include "support/zephlonkit.h"
#include "zephlon/engine.h"

using boardpicture::Board;
using namespace zephlon_test;
using namespace zephlon;

namespace {

class SeededRandom {
  public:
    explicit SeededRandom(uint64_t seed) : m_random(seed) {}
    void Restart(uint64_t seed) { m_random = boardpicture::Random(seed); }
    frame::RandomSource Source() {
        return frame::RandomSource([this] { return m_random(); });
    }

  private:
    boardpicture::Random m_random;
};

struct Game {
    Game() { view.cellSize = 40; }
    RecordingView view;
    RecordingSink sound;
    SeededRandom random{1};
    ZephlonEngine engine{view, sound, random.Source()};

    // Ticks until the predicate holds; returns the number of ticks, or -1 when it never did.
    int RunUntil(const std::function<bool()>& done, int limit = 500) {
        for (int ticks = 0; ticks < limit; ++ticks) {
            if (done()) return ticks;
            engine.TimerHandler();
        }
        return done() ? limit : -1;
    }
    int Ticks(int n) {
        for (int i = 0; i < n; ++i)
            engine.TimerHandler();
        return n;
    }
    // A running game whose next landing puts `value` at (column, row) of `board`.
    void LandOn(const QString& board, int16_t value, int16_t column, int16_t row) {
        engine.SetBoard(Board(board));
        engine.SetFallingBlock(value, column, row);
        engine.SetState(GameState::Falling);
        engine.StepDown();
    }
    // Starts a puzzle game and builds its garbage up to the level message.
    void StartPuzzle(int16_t level) {
        engine.SetGameMode(GameMode::Puzzle);
        SetOption(engine, &ZephlonOptions::startLevelPuzzle, level);
        engine.NewGame(0, false);
        RunUntil([this] { return engine.Context().gameState == GameState::WaitStart; });
    }
};

}  // namespace

class TestLineUpGame : public QObject {
    Q_OBJECT
  private slots:
    void landingRunsLasersDestroysAndScores() {
        Game g;
        g.engine.SetGameMode(GameMode::Original);
        g.engine.NewGame(0, false);
        g.sound.cues.clear();
        g.view.cells.clear();
        g.LandOn("11.....", 3, 3, 10);
        QCOMPARE(g.engine.Context().gameState, GameState::Lasers);
        QCOMPARE(g.view.Clock(), 20);

        QCOMPARE(g.RunUntil([&] { return g.engine.Context().gameState != GameState::Lasers; }), 13);
        int lit = 0, partial = 0;
        for (const PipeDrawing& p : g.view.pipes)
            lit += p.look == 2 && p.bit == kPipe2;
        for (const CellDrawing& c : g.view.cells)
            partial += c.part != kWholeCellPart;
        QCOMPARE(lit, 6);
        QCOMPARE(partial, 6);
        QCOMPARE(g.engine.Context().score, 15);
        QCOMPARE(g.view.Clock(), 50);

        g.Ticks(3);  // three destruction phases
        QCOMPARE(g.engine.Context().score, 15 + 50 + 75 + 100);
        QCOMPARE(g.engine.Context().blocksCounter, int16_t{3});
        QCOMPARE(g.view.labels[StatusLabel::Blocks], QString("3"));
        QCOMPARE(g.engine.Context().gameState, GameState::Gravity);
        QVERIFY(g.engine.Context().board == Grid{});
        g.Ticks(1);  // nothing falls: the next block comes at once
        QCOMPARE(g.engine.Context().gameState, GameState::Falling);
        QCOMPARE(g.sound.cues.mid(0, 1), QList<int>({2}));
    }

    // The engine's own frames on the emptied cells, one per 50 ms tick: a pipe-less block in style 2, then in
    // style 3, then empty; a bomb's blast the same in red.
    void destructionAndBlastFrames_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("value");  // the landing block, at (column, 10) or on top of the board's block
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("frames");
        QTest::newRow("destruction") << "11....." << 3 << 3 << 10
                                     << QStringList{"1,10=1/2 2,10=1/2 3,10=1/2",
                                                    "1,10=1/3 2,10=1/3 3,10=1/3",
                                                    "1,10=empty 2,10=empty 3,10=empty"};
        QTest::newRow("bomb blast") << "...1..." << 33 << 4 << 9
                                    << QStringList{"4,9=33/2 4,10=33/2", "4,9=33/3 4,10=33/3",
                                                   "4,9=empty 4,10=empty"};
    }
    void destructionAndBlastFrames() {
        QFETCH(QString, board);
        QFETCH(int, value);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QStringList, frames);
        Game g;
        g.engine.SetGameMode(GameMode::Original);
        g.engine.NewGame(0, false);
        g.LandOn(board, int16_t(value), int16_t(column), int16_t(row));
        QVERIFY(g.RunUntil([&] {
            const GameState s = g.engine.Context().gameState;
            return s == GameState::Destruction || s == GameState::BombBlast;
        }) >= 0);
        QStringList drawn;
        for (int tick = 0; tick < 3; ++tick) {
            g.view.cells.clear();
            g.engine.TimerHandler();
            QStringList frame;
            for (const CellDrawing& c : g.view.cells) {
                if (c.target != DrawTarget::PlayArea) continue;
                frame << (c.value == 0
                              ? QString("%1,%2=empty").arg(c.column).arg(c.row)
                              : QString("%1,%2=%3/%4").arg(c.column).arg(c.row).arg(c.value).arg(c.style));
            }
            drawn << frame.join(' ');
        }
        QCOMPARE(drawn, frames);
        QCOMPARE(g.engine.Context().gameState, GameState::Gravity);
    }

    // Every block destroyed because of one landing counts in one chain, also across the searches that follow
    // blocks falling into the gaps: 50, 75, 100, then 125, 150, 175.
    void chainSpansTheSearchesOfOneLanding_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("score");
        QTest::newRow("one search") << "......./211...." << 3 << 15 + 50 + 75 + 100;
        // Row 10's bit-2 run goes; the two blocks above fall beside the bit-4 block and make a second run.
        QTest::newRow("two searches") << ".22..../211...." << 6 << 30 + 50 + 75 + 100 + 125 + 150 + 175;
    }
    void chainSpansTheSearchesOfOneLanding() {
        QFETCH(QString, board);
        QFETCH(int, blocks);
        QFETCH(int, score);
        Game g;
        g.engine.SetGameMode(GameMode::Original);
        g.engine.NewGame(0, false);
        g.LandOn(board, 3, 4, 10);
        QVERIFY(g.RunUntil([&] { return g.engine.Context().gameState == GameState::Falling; }) > 0);
        QCOMPARE(int(g.engine.Context().blocksCounter), blocks);
        QCOMPARE(g.engine.Context().score, score);
    }

    // The chain starts again with every new block: the next landing's first destroyed block earns 50 again.
    void chainStartsAgainWithTheNextBlock() {
        Game g;
        g.engine.SetGameMode(GameMode::Original);
        g.engine.NewGame(0, false);
        const int32_t landing = 15 + 50 + 75 + 100;
        for (int n = 1; n <= 2; ++n) {
            g.LandOn("......./211....", 3, 4, 10);
            QVERIFY(g.RunUntil([&] { return g.engine.Context().gameState == GameState::Falling; }) > 0);
            QCOMPARE(g.engine.Context().score, n * landing);
        }
    }

    // While a laser run crosses the blinking block it stays hidden at every blink; otherwise it blinks on.
    void blinkingBlockHiddenWhileLasersCrossIt_data() {
        QTest::addColumn<int>("blinkColumn");
        QTest::addColumn<bool>("crossed");
        QTest::newRow("run crosses it") << 4 << true;
        QTest::newRow("run elsewhere") << 7 << false;
    }
    void blinkingBlockHiddenWhileLasersCrossIt() {
        QFETCH(int, blinkColumn);
        QFETCH(bool, crossed);
        Game g;
        g.StartPuzzle(1);
        g.engine.AcknowledgeMessage();
        g.Ticks(1);
        g.engine.SetBlinkCell(int16_t(blinkColumn), 10);
        g.LandOn("...11..", 3, 3, 10);
        QCOMPARE(g.engine.Context().gameState, GameState::Lasers);
        int shown = 0, hidden = 0;
        while (g.engine.Context().gameState == GameState::Lasers) {
            g.engine.TimerBlinkBlock_Timer();
            (g.view.blinkVisible ? shown : hidden) += 1;
            g.engine.TimerHandler();
        }
        QVERIFY(hidden > 0);
        QCOMPARE(shown == 0, crossed);
    }

    void randomPlaySettlesToAQuietBoard_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("original") << int(GameMode::Original);
        QTest::newRow("puzzle") << int(GameMode::Puzzle);
    }
    void randomPlaySettlesToAQuietBoard() {
        // Whenever a new block is in flight the processing has finished: no run left, no pipe-less block,
        // no laser mark, the ring untouched, and the score only grown.
        QFETCH(int, mode);
        Game g;
        g.engine.SetGameMode(static_cast<GameMode>(mode));
        g.engine.NewGame(0, false);
        boardpicture::Random steer(3);
        int32_t lastScore = 0;
        for (int landing = 0; landing < 400; ++landing) {
            QVERIFY(g.RunUntil([&] {
                if (g.engine.Context().gameState == GameState::WaitStart ||
                    g.engine.Context().gameState == GameState::LevelDone)
                    g.engine.AcknowledgeMessage();
                if (g.engine.Context().gameState == GameState::Stopped) {
                    g.engine.NewGame(0, false);
                    lastScore = 0;
                }
                return g.engine.Context().gameState == GameState::Falling;
            }) >= 0);
            QVERIFY(CheckLineUps(g.engine.Context().board).tasks.empty());
            for (int r = 0; r < kGridRows; ++r) {
                for (int c = 0; c < kGridColumns; ++c) {
                    if (!Grid::IsPlayCell(c, r)) QCOMPARE(g.engine.Context().board(c, r), int16_t{0});
                    QCOMPARE(g.engine.Context().marksFirst(c, r), int16_t{0});
                    QCOMPARE(g.engine.Context().marksSecond(c, r), int16_t{0});
                }
            }
            QVERIFY(g.engine.Context().score >= lastScore);
            lastScore = g.engine.Context().score;
            g.engine.MoveToColumn(static_cast<int16_t>(1 + static_cast<int>(steer() * 7)));
            g.engine.DropBlock();
            g.engine.TimerHandler();
        }
    }

    void originalLevelRisesOnlyAfterSomethingFalls_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("level");
        QTest::newRow("nothing above the run") << "11....." << 1;
        QTest::newRow("a block falls into the gap") << "4....../11....." << 2;
    }
    void originalLevelRisesOnlyAfterSomethingFalls() {
        QFETCH(QString, board);
        QFETCH(int, level);
        Game g;
        g.engine.SetGameMode(GameMode::Original);
        g.engine.NewGame(0, false);
        g.engine.SetBlocksCounter(27);
        g.LandOn(board, 3, 3, 10);
        QVERIFY(g.RunUntil([&] { return g.engine.Context().gameState == GameState::Gravity; }) > 0);
        QCOMPARE(g.engine.Context().blocksCounter, int16_t{30});
        g.Ticks(1);
        QCOMPARE(int(g.engine.Context().level), level);
        QCOMPARE(int(g.engine.Context().blocksCounter), level == 2 ? 0 : 30);
        if (level == 2) QCOMPARE(g.view.Clock(), 340);  // the new level's speed
    }

    void puzzleLevelBuildsGarbageThenWaits() {
        Game g;
        g.engine.SetGameMode(GameMode::Puzzle);
        SetOption(g.engine, &ZephlonOptions::startLevelPuzzle, 1);
        g.engine.NewGame(0, false);
        QCOMPARE(g.engine.Context().gameState, GameState::Garbage);
        QCOMPARE(g.view.Clock(), 30);
        g.sound.cues.clear();
        // One tick per garbage block; the sixth finds the garbage complete.
        QCOMPARE(g.RunUntil([&] { return g.engine.Context().gameState != GameState::Garbage; }), 6);
        QCOMPARE(g.sound.cues, QList<int>({0, 0, 0, 0, 0}));
        QCOMPARE(g.engine.Context().gameState, GameState::Landed);
        QCOMPARE(g.engine.Context().blinkRow, int16_t{10});
        QVERIFY(g.engine.Context().blinkColumn >= 3 && g.engine.Context().blinkColumn <= 5);
        QVERIFY(g.engine.Context().savedBoard == g.engine.Context().board);
        QVERIFY(!g.engine.Context().newLevel);

        g.Ticks(1);  // checked once, then the first spawn shows the blinking block and the level message
        QCOMPARE(g.engine.Context().gameState, GameState::WaitStart);
        QVERIFY(g.engine.Context().blinkTimerRunning);
        QCOMPARE(g.view.blinkPlace, std::make_pair(int(g.engine.Context().blinkColumn), 10));
        QCOMPARE(g.view.message,
                 QString("Level 1\r\n\r\nRemove the blinking block\r\n\r\nPress Enter to Start"));
        QCOMPARE(g.view.messageSize, 13);
        QVERIFY(g.engine.AcknowledgeMessage());
        g.Ticks(1);
        QCOMPARE(g.engine.Context().gameState, GameState::Falling);
    }

    void leftoverBombDoesNotBlastANewLevel() {
        Game g;
        g.engine.SetFallingBlock(33, 4, 1);  // the last game ended with a bomb due
        g.StartPuzzle(1);
        QVERIFY(!g.sound.cues.contains(4));
        QCOMPARE(g.engine.Context().score, 0);
    }

    void destroyingTheBlinkingBlockCompletesTheLevel() {
        Game g;
        SetOption(g.engine, &ZephlonOptions::maxLevelPuzzle, 3);
        g.StartPuzzle(3);
        g.engine.AcknowledgeMessage();
        g.Ticks(1);
        const int32_t before = g.engine.Context().score;
        g.engine.SetBlinkCell(4, 10);
        g.sound.cues.clear();
        const int refreshes = g.view.levelMenuRefreshes;
        g.LandOn("...11..", 3, 3, 10);
        QVERIFY(g.engine.Context().blinkSuppress);  // the beam crosses the blinking block
        QVERIFY(g.RunUntil([&] { return g.engine.Context().gameState == GameState::LevelDone; }) > 0);
        QVERIFY(!g.engine.Context().blinkSuppress);
        QCOMPARE(g.engine.Context().score, before + 15 + 50 + 75 + 100 + 1000);
        QCOMPARE(g.sound.cues.last(), 5);
        QCOMPARE(g.view.message, QString("Level Completed\r\n\r\n\r\nPress Enter"));
        QVERIFY(!g.engine.Context().blinkTimerRunning);
        QVERIFY(!g.view.blinkVisible);
        QCOMPARE(g.engine.Options().maxLevelPuzzle, int16_t{4});
        QCOMPARE(g.view.levelMenuRefreshes, refreshes + 1);

        QVERIFY(g.engine.AcknowledgeMessage());
        QCOMPARE(g.engine.Context().level, int16_t{4});
        QCOMPARE(g.engine.Context().gameState, GameState::Garbage);
    }

    void bombSparesTheBlinkingBlock() {
        Game g;
        g.StartPuzzle(1);
        g.engine.AcknowledgeMessage();
        g.Ticks(1);
        const int16_t c = g.engine.Context().blinkColumn;
        const int16_t under = g.engine.Context().board(c, 10);
        const int32_t before = g.engine.Context().score;
        g.sound.cues.clear();
        g.engine.SetCell(c, 9, 0);
        g.engine.SetFallingBlock(33, c, 9);
        g.engine.StepDown();
        QCOMPARE(g.engine.Context().gameState, GameState::BombBlast);
        QCOMPARE(g.sound.cues, QList<int>({4}));
        QCOMPARE(g.engine.Context().emptiedCells.size(), size_t{1});
        g.RunUntil([&] { return g.engine.Context().gameState == GameState::Gravity; });
        QCOMPARE(g.engine.Context().board(c, 10), under);
        QCOMPARE(g.engine.Context().board(c, 9), int16_t{0});
        QCOMPARE(g.engine.Context().score, before);
        QVERIFY(g.engine.Context().blinkTimerRunning);
    }

    void replayRebuildsTheLevel() {
        Game g;
        g.engine.SetGameMode(GameMode::Puzzle);
        SetOption(g.engine, &ZephlonOptions::startLevelPuzzle, 6);
        g.engine.NewGame(0, false);
        g.engine.SetScore(777);
        g.engine.SetLevelStartScore(777);
        g.RunUntil([&] { return g.engine.Context().gameState == GameState::WaitStart; });
        const Grid garbage = g.engine.Context().board;
        const int16_t blink = g.engine.Context().blinkColumn;
        g.engine.AcknowledgeMessage();
        g.engine.AddScore(300);

        g.random.Restart(4242);  // the replay must not depend on the random source
        g.engine.ReplayLevel();
        QCOMPARE(g.engine.Context().score, 777);
        QVERIFY(g.engine.Context().replay);
        g.RunUntil([&] { return g.engine.Context().gameState == GameState::WaitStart; });
        QVERIFY(g.engine.Context().board == garbage);
        QCOMPARE(g.engine.Context().blinkColumn, blink);
        QCOMPARE(g.engine.Context().level, int16_t{6});
        QVERIFY(!g.engine.Context().replay);
    }

    void originalReplayLetsLaterLevelsRecordTheirStartScore() {
        Game g;
        g.engine.SetGameMode(GameMode::Original);
        g.engine.NewGame(0, false);
        g.engine.AddScore(100);
        g.engine.ReplayLevel();
        QCOMPARE(g.engine.Context().score, 0);
        g.engine.AddScore(200);
        g.engine.BeginLevel(0);
        QCOMPARE(g.engine.Context().levelStartScore, 200);
    }

    void replayBeforeTheGarbageIsCompleteBuildsAFreshLevel() {
        Game g;
        g.engine.SetGameMode(GameMode::Puzzle);
        SetOption(g.engine, &ZephlonOptions::startLevelPuzzle, 2);
        g.engine.NewGame(0, false);
        g.Ticks(2);
        g.engine.ReplayLevel();  // nothing of this level is saved yet
        g.RunUntil([&] { return g.engine.Context().gameState == GameState::WaitStart; });
        QVERIFY(g.engine.Context().blinkColumn >= 3 && g.engine.Context().blinkColumn <= 5);
        QVERIFY(g.engine.Context().board(g.engine.Context().blinkColumn, 10) != 0);
        int blocks = 0;
        for (int c = 1; c <= kColumns; ++c)
            blocks += g.engine.Context().board(c, 10) != 0 && g.engine.Context().board(c, 9) != 0;
        QCOMPARE(blocks, 3);  // level 2: a full bottom row under a centred row of three
    }

    void puzzleSpeedFollowsDestroyedBlocks() {
        Game g;
        g.StartPuzzle(1);
        g.engine.AcknowledgeMessage();
        g.Ticks(1);
        QCOMPARE(g.view.Clock(), 380);
        g.engine.SetBlocksCounter(13);
        g.engine.SetBlinkCell(7, 10);  // out of the way
        g.LandOn("11.....", 3, 3, 10);
        g.RunUntil([&] { return g.engine.Context().gameState == GameState::Gravity; });
        QCOMPARE(g.engine.Context().blocksCounter, int16_t{16});
        QCOMPARE(g.view.Clock(), 340);
    }

    // After a bomb's blast the next block falls at the level's pace again; in Puzzle mode with the speed the
    // destroyed block has earned (the 15th destroyed block of a level moves to the next speed).
    void nextBlockAfterABombFallsAtTheLevelPace_data() {
        QTest::addColumn<bool>("puzzle");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("interval");
        QTest::newRow("original level 1") << false << 0 << 380;
        QTest::newRow("puzzle level 1, 15th block") << true << 14 << 340;
    }
    void nextBlockAfterABombFallsAtTheLevelPace() {
        QFETCH(bool, puzzle);
        QFETCH(int, blocks);
        QFETCH(int, interval);
        Game g;
        if (puzzle) {
            g.StartPuzzle(1);
            g.engine.AcknowledgeMessage();
            g.engine.SetBlinkCell(7, 10);  // out of the way
        } else {
            g.engine.SetGameMode(GameMode::Original);
            g.engine.NewGame(0, false);
        }
        g.Ticks(1);
        g.engine.SetBlocksCounter(int16_t(blocks));
        g.LandOn("...1...", 33, 4, 9);
        QCOMPARE(g.engine.Context().gameState, GameState::BombBlast);
        QVERIFY(g.RunUntil([&] { return g.engine.Context().gameState == GameState::Falling; }) > 0);
        QCOMPARE(int(g.engine.Context().blocksCounter), blocks + 1);
        QCOMPARE(g.view.Clock(), interval);
        g.Ticks(1);
        QCOMPARE(g.engine.Context().row, int16_t(2));
        QCOMPARE(g.view.Clock(), interval);
    }

    void blinkingBlockOutlivesGameOver() {
        Game g;
        g.StartPuzzle(1);
        g.engine.gameOver();
        QVERIFY(g.engine.Context().blinkTimerRunning);
        g.engine.NewGame(0, false);
        QVERIFY(!g.engine.Context().blinkTimerRunning);
    }
};

ARCADE_TEST_GUILESS_MAIN(TestLineUpGame)
#include "tst_lineupgame.moc"
