// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <random>

#include "support/testmain.h"
#include "support/vantorelkit.h"

using namespace vantorel;
using namespace vantorel::test;

namespace {

struct Fixture {
    FakeView view;
    RecordingSink sink;
    ScriptedRandom random;
    Game game{view, sink, random.Source()};
    Pit& pit = game.pit();

    Fixture() { view.game = &game; }

    // A game whose first piece (an upright solid yellow bar) is falling.
    void StartWithFallingPiece() {
        random.QueuePiece(2, 0, 3);
        random.QueuePiece(3, 2, 0);
        game.NewGame();
        game.TimerHandler();
        QCOMPARE(game.State(), GameState::Falling);
    }
    // Lets the falling piece be `squares` at (x, y) while the game is falling.
    void Falling(std::initializer_list<SquareSpec> squares, int32_t colour, int x, int y) {
        game.SetState(GameState::Falling);
        SetFalling(pit, squares, colour, x, y);
        QVERIFY(pit.MoveFallingBlock());
    }
};

const std::initializer_list<SquareSpec> kUprightSolid = {{2, 1, kSolid}, {2, 2, kSolid}, {2, 3, kSolid}};

}  // namespace

class TestGame : public QObject {
    Q_OBJECT

  private slots:
    // A row of eight cells with a transparent part is not complete; a transparent square that lands on
    // that part makes it solid and the row is erased, shown black for one 250 ms tick, then scored.
    void transparentPartCompletesARowOnlyWhenMixed() {
        Fixture f;
        FillRow(f.pit, 18, kSolid, kRed);
        f.pit.SetCell(4, 18, kTransparent, kBlue);
        f.Falling({{2, 1, kTransparent}, {2, 2, kTransparent}, {2, 3, kTransparent}}, kYellow, 4, 16);
        QVERIFY(!f.pit.IsRowComplete(18));

        f.game.TimerHandler();  // sinks onto the part
        QCOMPARE(f.game.State(), GameState::Falling);
        QVERIFY(f.view.erasedRows.empty());
        f.game.TimerHandler();  // lands
        QCOMPARE(f.view.erasedRows, std::vector<int16_t>{18});
        QCOMPARE(f.game.State(), GameState::RowsErased);
        QCOMPARE(f.view.interval, kRowsErasedInterval);
        QCOMPARE(f.sink.cues.back(), 2);
        QCOMPARE(f.view.lines, 1);

        f.game.TimerHandler();
        QCOMPARE(f.game.Score(), 100);
        QCOMPARE(f.view.interval, f.game.TickInterval());
        QCOMPARE(f.game.State(), GameState::Spawn);
        // The bar's two upper parts moved down with the collapse and are still transparent.
        QCOMPARE(f.pit.KindAt(4, 18), kTransparent);
        QCOMPARE(f.pit.KindAt(4, 17), kTransparent);
        QCOMPARE(f.pit.KindAt(1, 18), kEmpty);
    }

    // Without a complete row the next piece enters in the same tick.
    void landingWithoutRowsSpawnsAtOnce() {
        Fixture f;
        f.StartWithFallingPiece();
        f.random.QueuePiece(1, 3, 1);
        f.game.HandleKey(frame::kKeyCtrl);
        QCOMPARE(f.pit.fallingPosition.y, 17);
        const int paints = f.view.nextPaints;
        f.game.TimerHandler();
        QCOMPARE(f.game.State(), GameState::Falling);
        QCOMPARE(f.view.nextPaints, paints + 1);
        QCOMPARE(f.pit.KindAt(5, 18), kSolid);
        QCOMPARE(f.pit.fallingPosition, (Position{5, 1}));
    }

    // The collapse after erased rows: rows above move down by the number erased; with one kept row
    // between two erased ones, that row moves down one and the rows above it two. Vacated top rows are empty.
    void pack_data() {
        QTest::addColumn<bool>("gap");
        QTest::newRow("adjacent rows 17 and 18") << false;
        QTest::newRow("rows 16 and 18, 17 kept") << true;
    }
    void pack() {
        QFETCH(bool, gap);
        Fixture f;
        // Column 4 is left open in rows 16 to 18 for an upright bar.
        for (int y = 16; y <= 18; ++y) {
            FillRow(f.pit, y, kSolid, kRed);
            f.pit.SetCell(4, y, kEmpty, kNoColour);
        }
        if (gap) f.pit.SetCell(1, 17, kEmpty, kNoColour);  // row 17 stays incomplete
        f.pit.SetCell(2, 15, kSolid, kBlue);
        f.pit.SetCell(7, 1, kSolid, kBlue);
        f.Falling(kUprightSolid, kYellow, 4, 16);
        f.game.TimerHandler();
        f.game.TimerHandler();
        QCOMPARE(f.game.GapFlag(), gap);
        QCOMPARE(f.view.erasedRows,
                 gap ? (std::vector<int16_t>{16, 18}) : (std::vector<int16_t>{16, 17, 18}));
        f.game.TimerHandler();
        if (gap) {
            QCOMPARE(f.game.Score(), 300);
            QCOMPARE(f.pit.KindAt(1, 18), kEmpty);  // the kept row, down one
            QCOMPARE(f.pit.KindAt(2, 18), kSolid);
            QCOMPARE(f.pit.ColourAt(4, 18), kYellow);
            QCOMPARE(f.pit.ColourAt(2, 17), kBlue);  // row 15, down two
            QCOMPARE(f.pit.KindAt(7, 3), kSolid);
        } else {
            QCOMPARE(f.game.Score(), 700);
            QCOMPARE(f.pit.ColourAt(2, 18), kBlue);  // row 15, down three
            QCOMPARE(f.pit.KindAt(7, 4), kSolid);
        }
        for (int y = 1; y <= (gap ? 2 : 3); ++y) {
            for (int x = 1; x <= kColumns; ++x)
                QCOMPARE(f.pit.KindAt(x, y), kEmpty);
        }
        QCOMPARE(f.game.RowsThisLanding(), 0);
    }

    // Tick intervals from a new game, each level from the one before, rounded half to even.
    void intervals_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("interval");
        const int table[] = {550, 446, 366, 304, 255, 217, 187, 163, 143, 127,
                             114, 104, 96,  89,  84,  80,  77,  75,  74,  73};
        for (int level = 1; level <= 20; ++level)
            QTest::addRow("level %d", level) << level << table[level - 1];
        QTest::newRow("level 24") << 24 << 73;
    }
    void intervals() {
        QFETCH(int, level);
        QFETCH(int, interval);
        Fixture f;
        f.game.ResetGame();
        QCOMPARE(f.view.interval, 688);
        for (int n = 0; n < level; ++n)
            f.game.NextLevel();
        QCOMPARE(f.game.TickInterval(), interval);
        QCOMPARE(f.view.interval, interval);
        QCOMPARE(f.view.level, level);
    }

    // The level rises when a landing brings the rows of the level to 15 or more; the count restarts.
    void levelRisesAfter15Rows() {
        Fixture f;
        f.StartWithFallingPiece();
        f.game.SetRows(13);
        for (int y = 16; y <= 18; ++y) {
            FillRow(f.pit, y, kSolid, kRed);
            f.pit.SetCell(4, y, kEmpty, kNoColour);
        }
        f.Falling(kUprightSolid, kBlue, 4, 17);
        f.game.TimerHandler();
        f.game.TimerHandler();
        QCOMPARE(f.game.Level(), 2);
        QCOMPARE(f.game.Rows(), 0);
        QCOMPARE(f.view.lines, 0);
        QCOMPARE(f.view.interval, 446);
        QCOMPARE(f.game.Score(), 700);
    }

    // Enter starts a new game whatever the state, abandoning the running one.
    void enterStartsANewGame_data() {
        QTest::addColumn<int>("state");
        QTest::newRow("idle") << int(GameState::Idle);
        QTest::newRow("stopped") << int(GameState::Stopped);
        QTest::newRow("falling") << int(GameState::Falling);
        QTest::newRow("rows erased") << int(GameState::RowsErased);
    }
    void enterStartsANewGame() {
        QFETCH(int, state);
        Fixture f;
        f.StartWithFallingPiece();
        f.game.SetScore(1234);
        f.game.SetRowsThisLanding(2);  // as while erased rows are still shown
        f.game.SetStartLevel(3);
        f.pit.SetCell(2, 18, kSolid, kRed);
        f.pit.SetCell(5, 0, kSolid, kRed);
        f.game.SetPaused(true);
        f.game.SetState(static_cast<GameState>(state));
        const int saveNames = f.view.saveNames;

        f.game.HandleKey(frame::kKeyEnter);
        QCOMPARE(f.game.State(), GameState::Spawn);
        QCOMPARE(f.game.Score(), 0);
        QCOMPARE(f.view.score, 0);
        QCOMPARE(f.game.Level(), 3);
        QCOMPARE(f.game.TickInterval(), 366);
        QCOMPARE(f.game.GameStartLevel(), 3);
        QCOMPARE(f.game.RowsThisLanding(), 0);
        QCOMPARE(f.pit.KindAt(2, 18), kEmpty);
        QCOMPARE(f.pit.KindAt(5, 0), kEmpty);
        QVERIFY(f.game.FirstPieceDue());
        QVERIFY(!f.game.Paused());
        QVERIFY(f.view.timerEnabled);
        QCOMPARE(f.view.message, QString());
        QCOMPARE(f.view.saveNames, saveNames + 1);
        f.random.QueuePiece(2, 0, 3);
        f.random.QueuePiece(2, 0, 3);
        f.game.TimerHandler();
        QCOMPARE(f.game.State(), GameState::Falling);
    }

    // "&Start" acts only when no game runs.
    void startMenuOnlyWhenNoGame() {
        Fixture f;
        f.StartWithFallingPiece();
        f.game.SetScore(50);
        f.game.Start();
        QCOMPARE(f.game.Score(), 50);
        f.game.SetState(GameState::Stopped);
        f.game.Start();
        QCOMPARE(f.game.State(), GameState::Spawn);
    }

    // Pausing stops only the clock: the piece still moves, turns, sinks and drops.
    void keysMoveThePieceWhilePaused() {
        Fixture f;
        f.StartWithFallingPiece();
        f.game.SetPaused(true);
        QVERIFY(!f.view.timerEnabled);
        QVERIFY(f.view.pauseChecked);
        QCOMPARE(f.view.message, QStringLiteral("Paused"));

        f.game.HandleKey(frame::kKeyLeft);
        QCOMPARE(f.pit.fallingPosition, (Position{4, 2}));
        f.game.HandleKey(frame::kKeyRight);
        f.game.HandleKey(frame::kKeyRight);
        QCOMPARE(f.pit.fallingPosition, (Position{6, 2}));
        f.game.HandleKey(frame::kKeyUp);
        QCOMPARE(f.pit.falling[3][2], kSolid);
        f.game.HandleKey(frame::kKeyDown);
        QCOMPARE(f.pit.fallingPosition, (Position{6, 3}));
        QCOMPARE(f.game.Score(), 1);
        f.game.HandleKey(frame::kKeyInsert);
        QCOMPARE(f.pit.fallingPosition, (Position{6, 18}));
        QCOMPARE(f.game.Score(), 16);
        QCOMPARE(f.view.screen[7][18], kYellow);
        QVERIFY(!f.view.timerEnabled);
    }

    // A Down key that lands the piece still scores its point.
    void downThatLandsScores() {
        Fixture f;
        f.StartWithFallingPiece();
        f.game.HandleKey(frame::kKeyCtrl);
        const int32_t score = f.game.Score();
        f.random.QueuePiece(2, 0, 3);
        f.game.HandleKey(frame::kKeyDown);
        QCOMPARE(f.game.Score(), score + 1);
        QCOMPARE(f.pit.KindAt(5, 18), kSolid);
        QCOMPARE(f.game.State(), GameState::Falling);
    }

    // A new piece without room ends the game inside the tick; the clock keeps running and later ticks
    // do nothing.
    void gameOverInsideTheTick() {
        Fixture f;
        f.game.SetStartLevel(2);
        f.StartWithFallingPiece();
        f.game.SetScore(420);
        f.pit.SetCell(5, 4, kSolid, kRed);  // the piece rests at its entry
        f.random.QueuePiece(1, 0, 0);
        f.game.HandleKey(frame::kKeyDown);  // places it; the next piece enters on it
        QCOMPARE(f.game.State(), GameState::Stopped);
        QCOMPARE(f.view.message, QStringLiteral("Game Over"));
        QCOMPARE(f.view.gameOvers.size(), size_t(1));
        QCOMPARE(f.view.gameOvers[0].score, 421);
        QCOMPARE(f.view.gameOvers[0].startLevel, 2);
        QCOMPARE(f.view.gameOvers[0].endLevel, 2);
        QVERIFY(f.view.timerEnabled);
        const auto screen = f.view.screen;
        f.game.TimerHandler();
        f.game.HandleKey(frame::kKeyLeft);
        QCOMPARE(f.game.State(), GameState::Stopped);
        QVERIFY(screen == f.view.screen);
    }

    // Many games of random keys and ticks: the grids only ever hold the kinds and colours that exist,
    // no complete row survives a landing, and the screen shows what the grids hold between pieces.
    void randomPlayKeepsGridsValid() {
        std::mt19937 engine(7);
        auto uniform = [&engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); };
        FakeView view;
        RecordingSink sink;
        Game game(view, sink, uniform);
        const frame::KeyCode keys[] = {frame::kKeyLeft, frame::kKeyRight, frame::kKeyUp,
                                       frame::kKeyDown, frame::kKeyCtrl,  frame::kKeyInsert,
                                       frame::kKeyNone, frame::kKeyNone,  frame::kKeyNone};
        int games = 0;
        for (int step = 0; step < 20000; ++step) {
            if (game.State() == GameState::Stopped || game.State() == GameState::Idle) {
                game.HandleKey(frame::kKeyEnter);
                ++games;
                // A stack of rows with one hole each, so that landings complete rows often.
                for (int y = 10; y <= kRows; ++y) {
                    FillRow(game.pit(), y, kSolid, kGreen);
                    game.pit().SetCell(1 + static_cast<int>(engine() % kColumns), y, kEmpty, kNoColour);
                }
                game.pit().RedrawBoard();
            }
            const frame::KeyCode key = keys[engine() % std::size(keys)];
            if (key != 0) {
                game.HandleKey(key);
            } else {
                game.TimerHandler();
            }
            for (int y = 0; y <= kRows; ++y) {
                for (int x = 1; x <= kColumns; ++x) {
                    const int16_t kind = game.pit().KindAt(x, y);
                    const int32_t colour = game.pit().ColourAt(x, y);
                    QVERIFY(kind >= kEmpty && kind <= kSolid);
                    if (kind == kTransparent) QVERIFY(colour == kYellow || colour == kBlue || colour == kRed);
                    if (kind == kSolid) QVERIFY(colour % 2 == 1 || colour == kOrange);
                }
            }
            // While a piece falls the screen shows the grids with the piece over them, mixed where a
            // transparent square lies on a transparent part.
            if (game.State() == GameState::Falling) {
                const Pit& pit = game.pit();
                for (int y = 1; y <= kRows; ++y) {
                    for (int x = 1; x <= kColumns; ++x) {
                        const int16_t kind = pit.KindAt(x, y);
                        int32_t expected =
                            kind == kEmpty ? kNoColour : pit.ColourAt(x, y) + (kind == kTransparent ? 1 : 0);
                        const int i = x - pit.fallingPosition.x + 2, j = y - pit.fallingPosition.y + 2;
                        const int16_t square =
                            i >= 1 && i <= 3 && j >= 1 && j <= 3 ? pit.falling[i][j] : kEmpty;
                        if (square == kSolid) expected = pit.fallingColour;
                        if (square == kTransparent)
                            expected = kind == kTransparent
                                           ? Pit::MixColours(pit.ColourAt(x, y), pit.fallingColour)
                                           : pit.fallingColour + 1;
                        QCOMPARE(view.screen[x][y], expected);
                    }
                }
            }
            // Between a collapse (or a new game) and the next piece: no complete row, screen = grids.
            if (game.State() == GameState::Spawn) {
                for (int y = 1; y <= kRows; ++y) {
                    QVERIFY(!game.pit().IsRowComplete(y));
                    for (int x = 1; x <= kColumns; ++x) {
                        const int16_t kind = game.pit().KindAt(x, y);
                        const int32_t expected =
                            kind == kEmpty ? kNoColour
                                           : game.pit().ColourAt(x, y) + (kind == kTransparent ? 1 : 0);
                        QCOMPARE(view.screen[x][y], expected);
                    }
                }
            }
        }
        QVERIFY(games > 5);
        QVERIFY(!view.erasedRows.empty());
        QVERIFY(game.Score() > 0);
    }
};

ARCADE_TEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
