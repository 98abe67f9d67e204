// The line-up processing and the puzzle levels driven through the engine's state machine.

#include <QtTest>
#include <functional>
#include <map>

#include "boardpicture.h"
#include "zephlon/engine.h"

using boardpicture::Board;
using namespace zephlon;

namespace {

class RecordingView : public ZephlonView {
  public:
    int CellSize() const override { return 40; }
    int NextBoxWidth() const override { return 62; }
    void DrawCell(const CellDrawing& cell) override { cells.push_back(cell); }
    void DrawPipe(const PipeDrawing& pipe) override { pipes.push_back(pipe); }
    void ClearNextBox() override {}
    void HideFallingSprite() override {}
    void SetLaserBombVisible(bool) override {}
    void PlaceBlinkBlock(int column, int row) override { blinkPlace = {column, row}; }
    void SetBlinkBlockVisible(bool visible) override { blinkVisible = visible; }
    void ShowMessage(const QString& text, int fontSize) override {
        message = text;
        messageSize = fontSize;
    }
    void SetLabel(StatusLabel label, const QString& text) override { labels[label] = text; }
    void StartClock(int intervalMs) override { clock = intervalMs; }
    void StopClock() override { clock = 0; }
    void SetBlinkTimer(bool) override {}
    void SetLaserBombTimer(bool) override {}
    void StartGameOverTimer() override {}
    void SetMenuReplayEnabled(bool) override {}
    void SetMenuStopEnabled(bool) override {}
    void SetModeMenuLocked(bool) override {}
    void SetPauseChecked(bool) override {}
    void RefreshLevelMenu() override { ++levelMenuRefreshes; }
    void FocusPlayArea() override {}
    void ShowInstructions() override {}
    int32_t BestStoredScore(int32_t) override { return 0; }
    void CommitPendingName() override {}

    std::vector<CellDrawing> cells;
    std::vector<PipeDrawing> pipes;
    std::pair<int, int> blinkPlace;
    bool blinkVisible = false;
    QString message;
    int messageSize = 0;
    std::map<StatusLabel, QString> labels;
    int clock = 0;
    int levelMenuRefreshes = 0;
};

class RecordingSound : public frame::SoundSink {
  public:
    void PlaySoundCue(int n) override { cues << n; }
    QList<int> cues;
};

class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(uint64_t seed) : m_random(seed) {}
    double Next() override { return m_random(); }
    void Restart(uint64_t seed) { m_random = boardpicture::Random(seed); }

  private:
    boardpicture::Random m_random;
};

struct Game {
    RecordingView view;
    RecordingSound sound;
    SeededRandom random{1};
    ZephlonEngine engine{view, sound, random};

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
        engine.board = Board(board);
        engine.fallingValue = value;
        engine.column = column;
        engine.row = row;
        engine.gameState = kFalling;
        engine.chainCounter = 0;
        engine.StepDown();
    }
    // Starts a puzzle game and builds its garbage up to the level message.
    void StartPuzzle(int16_t level) {
        engine.gameMode = kPuzzle;
        engine.startLevelPuzzle = level;
        engine.NewGame(0, false);
        RunUntil([this] { return engine.gameState == kWaitStart; });
    }
};

}  // namespace

class TestLineUpGame : public QObject {
    Q_OBJECT
  private slots:
    void landingRunsLasersDestroysAndScores() {
        Game g;
        g.engine.gameMode = kOriginal;
        g.engine.NewGame(0, false);
        g.sound.cues.clear();
        g.view.cells.clear();
        g.LandOn("11.....", 3, 3, 10);
        QCOMPARE(g.engine.gameState, int32_t{kLasers});
        QCOMPARE(g.view.clock, 20);

        QCOMPARE(g.RunUntil([&] { return g.engine.gameState != kLasers; }), 13);
        int lit = 0, partial = 0;
        for (const PipeDrawing& p : g.view.pipes)
            lit += p.look == 2 && p.bit == kPipe2;
        for (const CellDrawing& c : g.view.cells)
            partial += c.part != kWholeCellPart;
        QCOMPARE(lit, 6);
        QCOMPARE(partial, 6);
        QCOMPARE(g.engine.score, 15);
        QCOMPARE(g.view.clock, 50);

        g.Ticks(3);  // three destruction phases
        QCOMPARE(g.engine.score, 15 + 50 + 75 + 100);
        QCOMPARE(g.engine.blocksCounter, int16_t{3});
        QCOMPARE(g.view.labels[StatusLabel::Blocks], QString("3"));
        QCOMPARE(g.engine.gameState, int32_t{kGravity});
        QVERIFY(g.engine.board == Grid{});
        g.Ticks(1);  // nothing falls: the next block comes at once
        QCOMPARE(g.engine.gameState, int32_t{kFalling});
        QCOMPARE(g.sound.cues.mid(0, 1), QList<int>({2}));
    }

    void randomPlaySettlesToAQuietBoard_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("original") << int(kOriginal);
        QTest::newRow("puzzle") << int(kPuzzle);
    }
    void randomPlaySettlesToAQuietBoard() {
        // Whenever a new block is in flight the processing has finished: no run left, no pipe-less block,
        // no laser mark, the ring untouched, and the score only grown.
        QFETCH(int, mode);
        Game g;
        g.engine.gameMode = mode;
        g.engine.NewGame(0, false);
        boardpicture::Random steer(3);
        int32_t lastScore = 0;
        for (int landing = 0; landing < 400; ++landing) {
            QVERIFY(g.RunUntil([&] {
                if (g.engine.gameState == kWaitStart || g.engine.gameState == kLevelDone)
                    g.engine.AcknowledgeMessage();
                if (g.engine.gameState == kStopped) {
                    g.engine.NewGame(0, false);
                    lastScore = 0;
                }
                return g.engine.gameState == kFalling;
            }) >= 0);
            QVERIFY(CheckLineUps(g.engine.board).tasks.empty());
            for (int r = 0; r < kGridRows; ++r) {
                for (int c = 0; c < kGridColumns; ++c) {
                    if (!Grid::IsPlayCell(c, r)) QCOMPARE(g.engine.board(c, r), int16_t{0});
                    QCOMPARE(g.engine.marksFirst(c, r), int16_t{0});
                    QCOMPARE(g.engine.marksSecond(c, r), int16_t{0});
                }
            }
            QVERIFY(g.engine.score >= lastScore);
            lastScore = g.engine.score;
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
        g.engine.gameMode = kOriginal;
        g.engine.NewGame(0, false);
        g.engine.blocksCounter = 27;
        g.LandOn(board, 3, 3, 10);
        QVERIFY(g.RunUntil([&] { return g.engine.gameState == kGravity; }) > 0);
        QCOMPARE(g.engine.blocksCounter, int16_t{30});
        g.Ticks(1);
        QCOMPARE(int(g.engine.level), level);
        QCOMPARE(int(g.engine.blocksCounter), level == 2 ? 0 : 30);
        if (level == 2) QCOMPARE(g.view.clock, 340);  // the new level's speed
    }

    void puzzleLevelBuildsGarbageThenWaits() {
        Game g;
        g.engine.gameMode = kPuzzle;
        g.engine.startLevelPuzzle = 1;
        g.engine.NewGame(0, false);
        QCOMPARE(g.engine.gameState, int32_t{kGarbage});
        QCOMPARE(g.view.clock, 30);
        g.sound.cues.clear();
        // One tick per garbage block; the sixth finds the garbage complete.
        QCOMPARE(g.RunUntil([&] { return g.engine.gameState != kGarbage; }), 6);
        QCOMPARE(g.sound.cues, QList<int>({0, 0, 0, 0, 0}));
        QCOMPARE(g.engine.gameState, int32_t{kLanded});
        QCOMPARE(g.engine.blinkRow, int16_t{10});
        QVERIFY(g.engine.blinkColumn >= 3 && g.engine.blinkColumn <= 5);
        QVERIFY(g.engine.savedBoard == g.engine.board);
        QVERIFY(!g.engine.newLevel);

        g.Ticks(1);  // checked once, then the first spawn shows the blinking block and the level message
        QCOMPARE(g.engine.gameState, int32_t{kWaitStart});
        QVERIFY(g.engine.blinkTimerRunning);
        QCOMPARE(g.view.blinkPlace, std::make_pair(int(g.engine.blinkColumn), 10));
        QCOMPARE(g.view.message,
                 QString("Level 1\r\n\r\nRemove the blinking block\r\n\r\nPress Enter to Start"));
        QCOMPARE(g.view.messageSize, 13);
        QVERIFY(g.engine.AcknowledgeMessage());
        g.Ticks(1);
        QCOMPARE(g.engine.gameState, int32_t{kFalling});
    }

    void leftoverBombDoesNotBlastANewLevel() {
        Game g;
        g.engine.fallingValue = 33;  // the last game ended with a bomb due
        g.StartPuzzle(1);
        QVERIFY(!g.sound.cues.contains(4));
        QCOMPARE(g.engine.score, 0);
    }

    void destroyingTheBlinkingBlockCompletesTheLevel() {
        Game g;
        g.engine.maxLevelPuzzle = 3;
        g.StartPuzzle(3);
        g.engine.AcknowledgeMessage();
        g.Ticks(1);
        const int32_t before = g.engine.score;
        g.engine.blinkColumn = 4;
        g.sound.cues.clear();
        const int refreshes = g.view.levelMenuRefreshes;
        g.LandOn("...11..", 3, 3, 10);
        QVERIFY(g.engine.blinkSuppress);  // the beam crosses the blinking block
        QVERIFY(g.RunUntil([&] { return g.engine.gameState == kLevelDone; }) > 0);
        QVERIFY(!g.engine.blinkSuppress);
        QCOMPARE(g.engine.score, before + 15 + 50 + 75 + 100 + 1000);
        QCOMPARE(g.sound.cues.last(), 5);
        QCOMPARE(g.view.message, QString("Level Completed\r\n\r\n\r\nPress Enter"));
        QVERIFY(!g.engine.blinkTimerRunning);
        QVERIFY(!g.view.blinkVisible);
        QCOMPARE(g.engine.maxLevelPuzzle, int16_t{4});
        QCOMPARE(g.view.levelMenuRefreshes, refreshes + 1);

        QVERIFY(g.engine.AcknowledgeMessage());
        QCOMPARE(g.engine.level, int16_t{4});
        QCOMPARE(g.engine.gameState, int32_t{kGarbage});
    }

    void bombSparesTheBlinkingBlock() {
        Game g;
        g.StartPuzzle(1);
        g.engine.AcknowledgeMessage();
        g.Ticks(1);
        const int16_t c = g.engine.blinkColumn;
        const int16_t under = g.engine.board(c, 10);
        const int32_t before = g.engine.score;
        g.sound.cues.clear();
        g.engine.board(c, 9) = 0;
        g.engine.fallingValue = 33;
        g.engine.column = c;
        g.engine.row = 9;
        g.engine.StepDown();
        QCOMPARE(g.engine.gameState, int32_t{kBombBlast});
        QCOMPARE(g.sound.cues, QList<int>({4}));
        QCOMPARE(g.engine.emptiedCells.size(), size_t{1});
        g.RunUntil([&] { return g.engine.gameState == kGravity; });
        QCOMPARE(g.engine.board(c, 10), under);
        QCOMPARE(g.engine.board(c, 9), int16_t{0});
        QCOMPARE(g.engine.score, before);
        QVERIFY(g.engine.blinkTimerRunning);
    }

    void replayRebuildsTheLevel() {
        Game g;
        g.engine.gameMode = kPuzzle;
        g.engine.startLevelPuzzle = 6;
        g.engine.NewGame(0, false);
        g.engine.score = 777;
        g.engine.levelStartScore = 777;
        g.RunUntil([&] { return g.engine.gameState == kWaitStart; });
        const Grid garbage = g.engine.board;
        const int16_t blink = g.engine.blinkColumn;
        g.engine.AcknowledgeMessage();
        g.engine.AddScore(300);

        g.random.Restart(4242);  // the replay must not depend on the random source
        g.engine.ReplayLevel();
        QCOMPARE(g.engine.score, 777);
        QVERIFY(g.engine.replay);
        g.RunUntil([&] { return g.engine.gameState == kWaitStart; });
        QVERIFY(g.engine.board == garbage);
        QCOMPARE(g.engine.blinkColumn, blink);
        QCOMPARE(g.engine.level, int16_t{6});
        QVERIFY(!g.engine.replay);
    }

    void originalReplayLetsLaterLevelsRecordTheirStartScore() {
        Game g;
        g.engine.gameMode = kOriginal;
        g.engine.NewGame(0, false);
        g.engine.AddScore(100);
        g.engine.ReplayLevel();
        QCOMPARE(g.engine.score, 0);
        g.engine.AddScore(200);
        g.engine.BeginLevel(0);
        QCOMPARE(g.engine.levelStartScore, 200);
    }

    void replayBeforeTheGarbageIsCompleteBuildsAFreshLevel() {
        Game g;
        g.engine.gameMode = kPuzzle;
        g.engine.startLevelPuzzle = 2;
        g.engine.NewGame(0, false);
        g.Ticks(2);
        g.engine.ReplayLevel();  // nothing of this level is saved yet
        g.RunUntil([&] { return g.engine.gameState == kWaitStart; });
        QVERIFY(g.engine.blinkColumn >= 3 && g.engine.blinkColumn <= 5);
        QVERIFY(g.engine.board(g.engine.blinkColumn, 10) != 0);
        int blocks = 0;
        for (int c = 1; c <= kColumns; ++c)
            blocks += g.engine.board(c, 10) != 0 && g.engine.board(c, 9) != 0;
        QCOMPARE(blocks, 3);  // level 2: a full bottom row under a centred row of three
    }

    void puzzleSpeedFollowsDestroyedBlocks() {
        Game g;
        g.StartPuzzle(1);
        g.engine.AcknowledgeMessage();
        g.Ticks(1);
        QCOMPARE(g.view.clock, 380);
        g.engine.blocksCounter = 13;
        g.engine.blinkColumn = 7;  // out of the way
        g.LandOn("11.....", 3, 3, 10);
        g.RunUntil([&] { return g.engine.gameState == kGravity; });
        QCOMPARE(g.engine.blocksCounter, int16_t{16});
        QCOMPARE(g.view.clock, 340);
    }

    void blinkingBlockOutlivesGameOver() {
        Game g;
        g.StartPuzzle(1);
        g.engine.gameOver();
        QVERIFY(g.engine.blinkTimerRunning);
        g.engine.NewGame(0, false);
        QVERIFY(!g.engine.blinkTimerRunning);
    }
};

QTEST_GUILESS_MAIN(TestLineUpGame)
#include "tst_lineupgame.moc"
