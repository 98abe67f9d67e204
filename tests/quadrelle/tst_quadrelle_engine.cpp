// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>
#include <functional>

#include "quadrelle/engine.h"
#include "support/quadrellekit.h"
#include "support/sink.h"
#include "support/testmain.h"

using namespace quadrelle;

namespace {

using quadrelle_test::RecordingView;
using testsupport::RecordingSink;

// A game with a fixed draw of the random source.
struct Game {
    RecordingView view;
    RecordingSink sink;
    double draw = 0.0;
    Engine engine{view, sink, [this] { return draw; }};

    void fillRow(int y, int exceptColumn = 0) {
        for (int x = 1; x <= kWellColumns; ++x)
            if (x != exceptColumn) engine.SetCell(x, y, true, 2);
    }
    // Well cells drawn in a piece colour.
    QList<QPoint> colouredCells() const {
        QList<QPoint> cells;
        for (int x = 1; x <= kWellColumns; ++x)
            for (int y = 1; y <= kWellRows; ++y)
                if (view.drawn[x][y] != 0) cells << QPoint(x, y);
        return cells;
    }
    // Well cells covered by the falling piece.
    QList<QPoint> pieceCells() const {
        QList<QPoint> cells;
        const Position p = engine.FallingPosition();
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j)
                if (engine.FallingMatrix()[i][j]) cells << QPoint(p.x + i - 2, p.y + j - 2);
        return cells;
    }
};

QList<QPoint> sorted(QList<QPoint> cells) {
    std::sort(cells.begin(), cells.end(),
              [](QPoint a, QPoint b) { return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y(); });
    return cells;
}

Matrix standingBar() {
    Matrix m{};
    for (int j = 1; j <= 4; ++j)
        m[2][j] = true;
    return m;
}

}  // namespace

class TestQuadrelleEngine : public QObject {
    Q_OBJECT

  private slots:
    void pieceCellsAtEntry_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QList<QPoint>>("cells");
        QTest::newRow("bar") << 0 << QList<QPoint>{{4, 1}, {5, 1}, {6, 1}, {7, 1}};
        QTest::newRow("T") << 1 << QList<QPoint>{{4, 2}, {5, 1}, {5, 2}, {6, 2}};
        QTest::newRow("J") << 2 << QList<QPoint>{{4, 1}, {5, 1}, {6, 1}, {6, 2}};
        QTest::newRow("L") << 3 << QList<QPoint>{{4, 2}, {5, 2}, {6, 1}, {6, 2}};
        QTest::newRow("Z") << 4 << QList<QPoint>{{4, 1}, {5, 1}, {5, 2}, {6, 2}};
        QTest::newRow("S") << 5 << QList<QPoint>{{4, 2}, {5, 1}, {5, 2}, {6, 1}};
        QTest::newRow("square") << 6 << QList<QPoint>{{5, 1}, {5, 2}, {6, 1}, {6, 2}};
    }
    void pieceCellsAtEntry() {
        QFETCH(int, k);
        QFETCH(QList<QPoint>, cells);
        Game g;
        g.draw = (k + 0.5) / 7.0;
        g.engine.NewGame();
        g.engine.TimerHandler();
        QCOMPARE(g.engine.State(), GameState::Falling);
        QCOMPARE(g.engine.FallingColour(), k + 1);
        QCOMPARE(sorted(g.pieceCells()), cells);
        // The well shows exactly the newcomer, in its colour.
        QCOMPARE(sorted(g.colouredCells()), cells);
        for (const QPoint& c : cells)
            QCOMPARE(g.view.drawn[c.x()][c.y()], k + 1);
    }

    void rotateBlock_data() {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QPoint>("obstacle");
        QTest::addColumn<bool>("turns");
        const QPoint none;
        QTest::newRow("standing bar, column 1") << "standing" << 1 << 10 << none << false;
        QTest::newRow("standing bar, column 2") << "standing" << 2 << 10 << none << true;
        QTest::newRow("standing bar, column 5") << "standing" << 5 << 10 << none << true;
        QTest::newRow("standing bar, column 8") << "standing" << 8 << 10 << none << true;
        QTest::newRow("standing bar, column 9") << "standing" << 9 << 10 << none << false;
        QTest::newRow("standing bar, column 10") << "standing" << 10 << 10 << none << false;
        QTest::newRow("standing bar beside a square") << "standing" << 5 << 10 << QPoint(7, 10) << false;
        QTest::newRow("lying bar, row 18") << "lying" << 5 << 18 << none << true;
        QTest::newRow("lying bar, row 19") << "lying" << 5 << 19 << none << false;
        QTest::newRow("J at row 20") << "J" << 5 << 20 << none << false;
        QTest::newRow("J at row 19") << "J" << 5 << 19 << none << true;
    }
    void rotateBlock() {
        QFETCH(QString, piece);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QPoint, obstacle);
        QFETCH(bool, turns);
        Game g;
        g.engine.SetFallingPiece(piece == "J" ? 2 : 0, {static_cast<int16_t>(x), static_cast<int16_t>(y)});
        if (piece == "standing") g.engine.SetFallingMatrix(standingBar());
        if (!obstacle.isNull()) g.engine.SetCell(obstacle.x(), obstacle.y(), true, 3);
        const Matrix before = g.engine.FallingMatrix();
        g.engine.RotateBlock();
        QCOMPARE(g.engine.FallingMatrix() != before, turns);
        QCOMPARE(g.view.drawCalls > 0, turns);
    }

    // One turn of each three-wide piece at (5, 10), clockwise about its matrix cell (2, 2).
    void oneTurnIsClockwise_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<QList<QPoint>>("cells");
        QTest::newRow("T points right") << 1 << QList<QPoint>{{5, 9}, {5, 10}, {5, 11}, {6, 10}};
        QTest::newRow("J") << 2 << QList<QPoint>{{5, 11}, {6, 9}, {6, 10}, {6, 11}};
        QTest::newRow("L") << 3 << QList<QPoint>{{5, 9}, {5, 10}, {5, 11}, {6, 11}};
        QTest::newRow("Z") << 4 << QList<QPoint>{{5, 10}, {5, 11}, {6, 9}, {6, 10}};
        QTest::newRow("S") << 5 << QList<QPoint>{{5, 9}, {5, 10}, {6, 10}, {6, 11}};
    }
    void oneTurnIsClockwise() {
        QFETCH(int, k);
        QFETCH(QList<QPoint>, cells);
        Game g;
        g.engine.SetFallingPiece(k, {5, 10});
        g.engine.RotateBlock();
        QCOMPARE(sorted(g.pieceCells()), cells);
        QCOMPARE(sorted(g.colouredCells()), cells);
    }

    // A move erases the piece where it stood: the well shows the piece at its new place and nothing else.
    void moveLeavesNoTrail_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("move");  // 0 left, 1 right, 2 down
        QTest::addColumn<QList<QPoint>>("cells");
        QTest::newRow("bar to the left") << 0 << 0 << QList<QPoint>{{3, 10}, {4, 10}, {5, 10}, {6, 10}};
        QTest::newRow("bar to the right") << 0 << 1 << QList<QPoint>{{5, 10}, {6, 10}, {7, 10}, {8, 10}};
        QTest::newRow("T one row down") << 1 << 2 << QList<QPoint>{{4, 11}, {5, 10}, {5, 11}, {6, 11}};
    }
    void moveLeavesNoTrail() {
        QFETCH(int, k);
        QFETCH(int, move);
        QFETCH(QList<QPoint>, cells);
        Game g;
        g.engine.SetFallingPiece(k, {5, 10});
        QVERIFY(g.engine.MoveFallingBlock());
        if (move == 0) g.engine.MoveLeft();
        if (move == 1) g.engine.MoveRight();
        if (move == 2) g.engine.StepDown();
        QCOMPARE(sorted(g.pieceCells()), cells);
        QCOMPARE(sorted(g.colouredCells()), cells);
    }

    // A placed piece keeps its colour number in the colour grid, and the redrawn well shows it.
    void placedPieceKeepsItsColour_data() {
        QTest::addColumn<int>("k");
        for (int k = 0; k <= 6; ++k)
            QTest::addRow("piece %d", k) << k;
    }
    void placedPieceKeepsItsColour() {
        QFETCH(int, k);
        Game g;
        g.engine.SetFallingPiece(k, {5, 18});
        const QList<QPoint> cells = g.pieceCells();
        g.engine.PlaceBlock();
        for (const QPoint& c : cells) {
            QVERIFY(g.engine.Board(c.x(), c.y()));
            QCOMPARE(g.engine.Colour(c.x(), c.y()), k + 1);
            QCOMPARE(g.view.drawn[c.x()][c.y()], k + 1);
        }
    }

    // The best-score label follows the score once it passes the best of the local table (100 here).
    void hiScoreLabelFollowsTheScore_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("best");
        QTest::newRow("below the best") << 60 << 100;
        QTest::newRow("equal to the best") << 100 << 100;
        QTest::newRow("past the best") << 130 << 130;
    }
    void hiScoreLabelFollowsTheScore() {
        QFETCH(int, points);
        QFETCH(int, best);
        Game g;
        g.engine.NewGame();
        QCOMPARE(g.view.best, 100);
        g.engine.AddScore(static_cast<int16_t>(points));
        QCOMPARE(g.view.score, points);
        QCOMPARE(g.engine.BestScore(), best);
        QCOMPARE(g.view.best, best);
    }

    void lyingBarFourTurns() {
        Game g;
        g.engine.SetFallingPiece(0, {5, 10});
        const QList<QPoint> lying = sorted(g.pieceCells());
        g.engine.RotateBlock();
        QCOMPARE(sorted(g.pieceCells()), (QList<QPoint>{{5, 9}, {5, 10}, {5, 11}, {5, 12}}));
        for (int turn = 2; turn <= 4; ++turn)
            g.engine.RotateBlock();
        QCOMPARE(sorted(g.pieceCells()), lying);
    }

    void squareNeverTurnsButRedraws() {
        Game g;
        g.engine.SetFallingPiece(6, {5, 10});
        const Matrix before = g.engine.FallingMatrix();
        g.engine.RotateBlock();
        QCOMPARE(g.engine.FallingMatrix(), before);
        QCOMPARE(sorted(g.colouredCells()), sorted(g.pieceCells()));
    }

    void isBlockedRightBottomRule_data() {
        QTest::addColumn<bool>("standing");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("right");
        QTest::newRow("standing bar, row 18") << true << 18 << false;
        QTest::newRow("standing bar, row 19") << true << 19 << true;
        QTest::newRow("standing bar, row 20") << true << 20 << true;
        QTest::newRow("lying bar, row 19") << false << 19 << false;
    }
    void isBlockedRightBottomRule() {
        QFETCH(bool, standing);
        QFETCH(int, y);
        QFETCH(bool, right);
        Game g;
        g.engine.SetFallingPiece(0, {5, static_cast<int16_t>(y)});
        if (standing) g.engine.SetFallingMatrix(standingBar());
        QCOMPARE(g.engine.IsBlockedRight(), right);
        QVERIFY(!g.engine.IsBlockedLeft());  // the left test has no bottom rule
    }

    void fullRowsScoreByCount_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("points");
        QTest::newRow("one") << 1 << 100;
        QTest::newRow("two") << 2 << 200;
        QTest::newRow("three") << 3 << 400;
        QTest::newRow("four") << 4 << 800;
    }
    void fullRowsScoreByCount() {
        QFETCH(int, rows);
        QFETCH(int, points);
        Game g;
        g.engine.NewGame();
        for (int y = kWellRows - rows + 1; y <= kWellRows; ++y)
            g.fillRow(y);
        g.engine.SetState(GameState::Landed);
        g.engine.TimerHandler();
        // Black bars first, one row cue per row, no points yet.
        QCOMPARE(g.engine.State(), GameState::RowsErased);
        QCOMPARE(g.view.rowBars.size(), rows);
        QCOMPARE(g.sink.cues, QList<int>(rows, 2));
        QCOMPARE(g.engine.Score(), 0);
        QCOMPARE(g.engine.Rows(), rows);
        g.engine.TimerHandler();
        QCOMPARE(g.engine.Score(), points);
        QCOMPARE(g.view.score, points);
        QCOMPARE(g.engine.State(), GameState::Spawn);
        for (int y = 1; y <= kWellRows; ++y)
            for (int x = 1; x <= kWellColumns; ++x)
                QVERIFY(!g.engine.Board(x, y));
    }

    void erasingRows18And20KeepsRow19() {
        Game g;
        g.engine.NewGame();
        g.engine.SetCell(2, 17, true, 5);
        g.fillRow(18);
        g.engine.SetCell(1, 19, true, 3);
        g.fillRow(20);
        g.engine.SetState(GameState::Landed);
        g.engine.TimerHandler();
        QCOMPARE(g.view.rowBars, (QList<int16_t>{18, 20}));
        g.engine.TimerHandler();
        QCOMPARE(g.engine.Score(), 200);
        for (int y = 1; y <= kWellRows; ++y) {
            for (int x = 1; x <= kWellColumns; ++x) {
                const bool expected = (y == 20 && x == 1) || (y == 19 && x == 2);
                QCOMPARE(g.engine.Board(x, y), expected);
                QCOMPARE(g.view.drawn[x][y] != 0, expected);
            }
        }
        QCOMPARE(g.engine.Colour(1, 20), 3);
        QCOMPARE(g.engine.Colour(2, 19), 5);
    }

    // The level rises when the row counter reaches 20, and the counter starts again at 0.
    void rowsRaiseTheLevelAtTwenty_data() {
        QTest::addColumn<int>("rowsBefore");
        QTest::addColumn<int>("erased");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("rowsAfter");
        QTest::newRow("four after nineteen") << 19 << 4 << 800 << 4 << 0;
        QTest::newRow("exactly twenty") << 19 << 1 << 100 << 4 << 0;
        QTest::newRow("nineteen") << 18 << 1 << 100 << 3 << 19;
    }
    void rowsRaiseTheLevelAtTwenty() {
        QFETCH(int, rowsBefore);
        QFETCH(int, erased);
        QFETCH(int, score);
        QFETCH(int, level);
        QFETCH(int, rowsAfter);
        Game g;
        g.engine.SetStartLevel(3);
        g.engine.NewGame();
        g.engine.SetRows(static_cast<int16_t>(rowsBefore));
        for (int y = 21 - erased; y <= 20; ++y)
            g.fillRow(y);
        g.engine.SetState(GameState::Landed);
        g.engine.TimerHandler();
        QCOMPARE(g.engine.Rows(), rowsBefore + erased);
        g.engine.TimerHandler();
        QCOMPARE(g.engine.Score(), score);
        QCOMPARE(g.engine.Level(), level);
        QCOMPARE(g.engine.Rows(), rowsAfter);
        QCOMPARE(g.view.level, level);
        QCOMPARE(g.view.lines, rowsAfter);
        QCOMPARE(g.view.timerStarts.last(), Engine::IntervalForLevel(static_cast<int16_t>(level)));
    }

    // A landing that erases rows brings the next piece two ticks later; one that does not, at once.
    void nextPieceTiming_data() {
        QTest::addColumn<bool>("erase");
        QTest::newRow("rows erased") << true;
        QTest::newRow("no row erased") << false;
    }
    void nextPieceTiming() {
        QFETCH(bool, erase);
        Game g;  // every draw gives the bar
        g.engine.NewGame();
        for (int x : {1, 2, 3})
            g.engine.SetCell(x, 20, true, 2);
        if (erase)
            for (int x : {8, 9, 10})
                g.engine.SetCell(x, 20, true, 2);
        g.engine.TimerHandler();
        g.engine.HandleKey(frame::kKeyCtrl);
        QCOMPARE(g.engine.Score(), 19);  // one point per row dropped
        QCOMPARE(g.engine.State(), GameState::Falling);

        g.engine.TimerHandler();  // the landing tick
        if (erase) {
            QCOMPARE(g.engine.State(), GameState::RowsErased);
            QCOMPARE(g.view.rowBars, QList<int16_t>{20});
            g.engine.TimerHandler();
            QCOMPARE(g.engine.State(), GameState::Spawn);
            g.engine.TimerHandler();
        }
        QCOMPARE(g.engine.State(), GameState::Falling);
        QCOMPARE(g.engine.FallingPosition().y, 1);
        QCOMPARE(g.engine.Board(5, 20), !erase);
    }

    void downKeyScoresEvenWhenLanding() {
        Game g;
        g.engine.NewGame();
        g.engine.TimerHandler();
        g.engine.HandleKey(frame::kKeyDown);
        QCOMPARE(g.engine.FallingPosition().y, 2);
        QCOMPARE(g.engine.Score(), 1);
        g.engine.HandleKey(frame::kKeyInsert);
        QCOMPARE(g.engine.Score(), 19);
        g.engine.HandleKey(frame::kKeyDown);  // lands the bar, and the next one enters
        QCOMPARE(g.engine.Score(), 20);
        QVERIFY(g.engine.Board(4, 20) && g.engine.Board(7, 20));
        QCOMPARE(g.engine.FallingPosition().y, 1);
    }

    void questionFreezesTicks() {
        Game g;
        g.engine.NewGame();
        g.engine.TimerHandler();
        int16_t yDuringQuestion = 0;
        bool busyDuringQuestion = false;
        g.view.answer = [&] {
            busyDuringQuestion = g.engine.Busy();
            g.engine.TimerHandler();
            g.engine.TimerHandler();
            g.engine.HandleKey(frame::kKeyDown);
            yDuringQuestion = g.engine.FallingPosition().y;
            return false;
        };
        g.engine.HandleKey(frame::kKeyEnter);
        QCOMPARE(g.view.asks, 1);
        QVERIFY(busyDuringQuestion);
        QCOMPARE(yDuringQuestion, 1);
        QCOMPARE(g.engine.State(), GameState::Falling);
        QVERIFY(!g.engine.Busy());
        g.engine.TimerHandler();
        QCOMPARE(g.engine.FallingPosition().y, 2);

        g.engine.AddScore(50);
        g.view.answer = [] { return true; };
        g.engine.HandleKey(frame::kKeyEnter);
        QCOMPARE(g.engine.State(), GameState::Spawn);
        QCOMPARE(g.engine.Score(), 0);
    }

    // A restart while erased rows still show must not pay those rows into the new game.
    void restartWhileRowsShowPaysNothingLater() {
        Game g;
        g.engine.NewGame();
        g.fillRow(19);
        g.fillRow(20);
        g.engine.SetState(GameState::Landed);
        g.engine.TimerHandler();
        QCOMPARE(g.engine.State(), GameState::RowsErased);
        g.view.answer = [] { return true; };
        g.engine.HandleKey(frame::kKeyEnter);
        g.fillRow(20);
        g.engine.SetState(GameState::Landed);
        g.engine.TimerHandler();
        g.engine.TimerHandler();
        QCOMPARE(g.engine.Score(), 100);
    }

    void enterStartsAtOnceWhenNoGameRuns() {
        Game g;
        g.engine.HandleKey(frame::kKeyEnter);
        QCOMPARE(g.view.asks, 0);
        QCOMPARE(g.engine.State(), GameState::Spawn);
    }

    void newcomerOnTopOfSquaresEndsTheGame() {
        Game g;
        g.engine.NewGame();
        g.engine.SetCell(7, 1, true, 3);  // under the bar's last cell only
        g.engine.TimerHandler();
        QCOMPARE(g.engine.State(), GameState::Stopped);
        QCOMPARE(g.view.message, QStringLiteral("Game Over"));
        QVERIFY(g.view.nextCleared);
        QVERIFY(g.view.gameOverTimer);
        QVERIFY(g.view.timerStops > 0);
        // Drawn up to the overlap: the cells before it stay on screen.
        QCOMPARE(g.view.drawn[4][1], 1);
        g.engine.TimerHandler();
        QCOMPARE(g.engine.State(), GameState::Stopped);
    }

    void newGameClearsTheHiddenRowAndThePause() {
        Game g;
        g.engine.NewGame();
        g.engine.TimerHandler();
        g.engine.RotateBlock();  // the standing bar reaches the hidden row 0
        g.engine.PlaceBlock();
        QVERIFY(g.engine.Board(5, 0));
        g.engine.SetPausedFlag(true);
        g.view.pausedMark = true;
        g.engine.NewGame();
        QVERIFY(!g.engine.Board(5, 0));
        QVERIFY(!g.engine.Paused());
        QVERIFY(!g.view.pausedMark);
    }

    void touchDownCuePerMoveAtRest() {
        Game g;
        g.engine.NewGame();
        g.engine.TimerHandler();
        g.engine.HandleKey(frame::kKeyCtrl);
        QCOMPARE(g.sink.cues, QList<int>{0});
        g.engine.HandleKey(frame::kKeyLeft);
        g.engine.HandleKey(frame::kKeyRight);
        QCOMPARE(g.sink.cues, (QList<int>{0, 0, 0}));
    }

    void intervalTable_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("ms");
        const QList<int> table = {385, 300, 250, 230, 200, 170, 140, 125, 115, 105,
                                  98,  90,  85,  80,  82,  80,  78,  75,  72,  70};
        for (int level = 1; level <= 20; ++level)
            QTest::newRow(qPrintable(QStringLiteral("level %1").arg(level))) << level << table[level - 1];
        QTest::newRow("level 21") << 21 << 70;
        QTest::newRow("level 40") << 40 << 70;
    }
    void intervalTable() {
        QFETCH(int, level);
        QFETCH(int, ms);
        QCOMPARE(Engine::IntervalForLevel(static_cast<int16_t>(level)), ms);
    }
};

ARCADE_TEST_GUILESS_MAIN(TestQuadrelleEngine)
#include "tst_quadrelle_engine.moc"
