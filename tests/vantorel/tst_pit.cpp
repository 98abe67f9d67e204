// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "support/testmain.h"
#include "support/vantorelkit.h"

using namespace vantorel;
using namespace vantorel::test;

namespace {

struct Fixture {
    FakeView view;
    RecordingSink sink;
    ScriptedRandom random;
    Pit pit{view, sink, random.Source()};
};

const std::initializer_list<SquareSpec> kLyingBarTransparent = {
    {1, 2, kTransparent}, {2, 2, kTransparent}, {3, 2, kTransparent}};

}  // namespace

class TestPit : public QObject {
    Q_OBJECT

  private slots:
    void mixColours_data() {
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("mixed");
        QTest::newRow("yellow+blue") << 1 << 3 << 7;
        QTest::newRow("blue+yellow") << 3 << 1 << 7;
        QTest::newRow("yellow+red") << 1 << 5 << 8;
        QTest::newRow("red+yellow") << 5 << 1 << 8;
        QTest::newRow("blue+red") << 3 << 5 << 9;
        QTest::newRow("red+blue") << 5 << 3 << 9;
        QTest::newRow("same yellow") << 1 << 1 << 1;
        QTest::newRow("same red") << 5 << 5 << 5;
        QTest::newRow("already mixed keeps p") << 7 << 5 << 7;
    }
    void mixColours() {
        QFETCH(int, p);
        QFETCH(int, q);
        QFETCH(int, mixed);
        QCOMPARE(Pit::MixColours(p, q), mixed);
    }

    void blockingRule_data() {
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("blocked");
        for (int k = 0; k <= 2; ++k) {
            for (int b = 0; b <= 2; ++b) {
                const bool blocked = (k == 2 && b != 0) || (k == 1 && b == 2);
                QTest::addRow("square %d on cell %d", k, b) << k << b << blocked;
            }
        }
    }
    void blockingRule() {
        QFETCH(int, square);
        QFETCH(int, cell);
        QFETCH(bool, blocked);
        QCOMPARE(Pit::IsBlockedBy(static_cast<int16_t>(square), static_cast<int16_t>(cell)), blocked);
    }

    // Shape, kinds and colour of the three draws; every piece's top square enters on row 1.
    void nextBlock_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("squares");  // "i,j=kind" for first, middle, last
        QTest::addColumn<int>("entryRow");
        QTest::newRow("upright, red, all transparent") << 1 << 0 << 0 << 5 << "2,1=1 2,2=1 2,3=1" << 2;
        QTest::newRow("upright again, blue, solid") << 3 << 1 << 3 << 3 << "2,1=2 2,2=2 2,3=2" << 2;
        QTest::newRow("lying, red, two solid") << 1 << 2 << 2 << 5 << "1,2=1 2,2=2 3,2=2" << 1;
        QTest::newRow("lying, yellow, one solid") << 2 << 3 << 1 << 1 << "1,2=1 2,2=1 3,2=2" << 1;
        QTest::newRow("up-right, blue, two solid") << 3 << 4 << 2 << 3 << "2,1=1 2,2=2 3,2=2" << 2;
        QTest::newRow("up-left, solid") << 1 << 5 << 3 << 5 << "2,1=2 2,2=2 1,2=2" << 2;
        QTest::newRow("left-down") << 2 << 6 << 1 << 1 << "1,2=1 2,2=1 2,3=2" << 1;
        QTest::newRow("down-right") << 3 << 7 << 2 << 3 << "2,3=1 2,2=2 3,2=2" << 1;
    }
    void nextBlock() {
        QFETCH(int, n);
        QFETCH(int, s);
        QFETCH(int, t);
        QFETCH(int, colour);
        QFETCH(QString, squares);
        QFETCH(int, entryRow);
        Fixture f;
        f.pit.next[1][1] = kSolid;  // left over from the piece before
        f.random.QueuePiece(n, s, t);
        f.pit.NextBlock();
        Matrix expected{};
        for (const QString& sq : squares.split(' ')) {
            const QStringList parts = sq.split(QRegularExpression("[,=]"));
            expected[parts[0].toInt()][parts[1].toInt()] = static_cast<int16_t>(parts[2].toInt());
        }
        QCOMPARE(f.pit.next, expected);
        QCOMPARE(f.pit.nextColour, colour);
        QCOMPARE(f.pit.nextEntryPosition, (Position{5, static_cast<int16_t>(entryRow)}));
    }

    // A transparent square sinks through two transparent parts: drawn mixed on each, and each part
    // shows unmixed again when the square has moved on. The grids never change while it falls.
    void transparentSinksThroughParts() {
        Fixture f;
        f.pit.SetCell(4, 10, kTransparent, kBlue);
        f.pit.SetCell(4, 11, kTransparent, kRed);
        SetFalling(f.pit, kLyingBarTransparent, kYellow, 4, 9);
        QVERIFY(f.pit.MoveFallingBlock());

        QVERIFY(!f.pit.IsBlockedBelow());
        QVERIFY(StepDown(f.pit));
        QCOMPARE(f.view.screen[4][10], kGreen);
        QCOMPARE(f.view.screen[3][10], kYellowTransparent);
        QCOMPARE(f.view.screen[4][9], kNoColour);

        QVERIFY(!f.pit.IsBlockedBelow());
        QVERIFY(StepDown(f.pit));
        QCOMPARE(f.view.screen[4][10], kBlueTransparent);
        QCOMPARE(f.view.screen[4][11], kOrange);

        QVERIFY(StepDown(f.pit));
        QCOMPARE(f.view.screen[4][11], kRedTransparent);
        QCOMPARE(f.view.screen[4][12], kYellowTransparent);

        QCOMPARE(f.pit.KindAt(4, 10), kTransparent);
        QCOMPARE(f.pit.ColourAt(4, 11), kRed);
        QCOMPARE(f.sink.cues, (QList<int>{1, 1}));
    }

    // Placing mixes transparent on transparent into one solid square; other parts of the piece stay
    // transparent where they lie on empty cells.
    void placeMixes_data() {
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("piece");
        QTest::addColumn<int>("mixed");
        QTest::newRow("yellow on blue is green") << 3 << 1 << 7;
        QTest::newRow("red on yellow is orange") << 1 << 5 << 8;
        QTest::newRow("blue on red is purple") << 5 << 3 << 9;
        QTest::newRow("blue on blue stays blue") << 3 << 3 << 3;
    }
    void placeMixes() {
        QFETCH(int, part);
        QFETCH(int, piece);
        QFETCH(int, mixed);
        Fixture f;
        f.pit.SetCell(4, 18, kTransparent, part);
        SetFalling(f.pit, kLyingBarTransparent, piece, 4, 17);
        QVERIFY(StepDown(f.pit));
        QVERIFY(f.pit.IsBlockedBelow());
        f.pit.PlaceBlock();
        QCOMPARE(f.pit.KindAt(4, 18), kSolid);
        QCOMPARE(f.pit.ColourAt(4, 18), mixed);
        QCOMPARE(f.view.screen[4][18], mixed);
        QCOMPARE(f.pit.KindAt(3, 18), kTransparent);
        QCOMPARE(f.pit.ColourAt(5, 18), piece);
        QCOMPARE(f.view.screen[5][18], piece + 1);
    }

    // A move that leaves a transparent square on a transparent part and lands the piece plays only
    // the mixing cue; landing without a mix plays the touch-down cue.
    void cueOfALandingMove_data() {
        QTest::addColumn<int>("cellKind");
        QTest::addColumn<int>("cellRow");
        QTest::addColumn<QList<int>>("cues");
        QTest::newRow("mix and land") << 1 << 15 << QList<int>{1};
        QTest::newRow("land on solid") << 2 << 16 << QList<int>{0};
    }
    void cueOfALandingMove() {
        QFETCH(int, cellKind);
        QFETCH(int, cellRow);
        QFETCH(QList<int>, cues);
        Fixture f;
        f.pit.SetCell(4, cellRow, static_cast<int16_t>(cellKind), kBlue);
        // Transparent square below a solid middle, solid square to the right.
        SetFalling(f.pit, {{2, 3, kTransparent}, {2, 2, kSolid}, {3, 2, kSolid}}, kYellow, 4, 13);
        QVERIFY(f.pit.MoveFallingBlock());
        QVERIFY(f.sink.cues.empty());
        QVERIFY(StepDown(f.pit));
        QVERIFY(f.pit.IsBlockedBelow());
        QCOMPARE(f.sink.cues, cues);
    }

    // Refused turns leave the piece and the screen untouched; an upright bar on the floor may turn.
    void rotate_data() {
        QTest::addColumn<bool>("upright");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("solidX");  // a solid cell at (solidX, y), 0 for none
        QTest::addColumn<bool>("turns");
        QTest::newRow("upright at column 1") << true << 1 << 10 << 0 << false;
        QTest::newRow("upright at column 8") << true << 8 << 10 << 0 << false;
        QTest::newRow("lying bar resting on the floor") << false << 4 << 18 << 0 << false;
        QTest::newRow("upright bar resting on the floor") << true << 4 << 17 << 0 << true;
        QTest::newRow("solid beside the middle") << true << 4 << 10 << 5 << false;
        QTest::newRow("upright in the open") << true << 4 << 10 << 0 << true;
        QTest::newRow("lying in the open") << false << 4 << 10 << 0 << true;
    }
    void rotate() {
        QFETCH(bool, upright);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, solidX);
        QFETCH(bool, turns);
        Fixture f;
        if (solidX) f.pit.SetCell(solidX, y, kSolid, kRed);
        if (upright) {
            SetFalling(f.pit, {{2, 1, kSolid}, {2, 2, kSolid}, {2, 3, kTransparent}}, kBlue, x, y);
        } else {
            SetFalling(f.pit, {{1, 2, kSolid}, {2, 2, kSolid}, {3, 2, kTransparent}}, kBlue, x, y);
        }
        QVERIFY(f.pit.MoveFallingBlock());
        const Matrix before = f.pit.falling;
        const auto screen = f.view.screen;
        const int draws = f.view.draws;
        f.pit.RotateBlock();
        if (!turns) {
            QCOMPARE(f.pit.falling, before);
            QCOMPARE(f.view.draws, draws);
            return;
        }
        // Clockwise: the top square goes right, the right one below.
        if (upright) {
            QCOMPARE(f.pit.falling[3][2], kSolid);
            QCOMPARE(f.pit.falling[1][2], kTransparent);
            QCOMPARE(f.view.screen[x + 1][y], kBlue);
            QCOMPARE(f.view.screen[x - 1][y], kBlueTransparent);
            QCOMPARE(f.view.screen[x][y - 1], kNoColour);
            QCOMPARE(f.view.screen[x][y + 1], kNoColour);
        } else {
            QCOMPARE(f.pit.falling[2][1], kSolid);
            QCOMPARE(f.pit.falling[2][3], kTransparent);
        }
        QCOMPARE(f.pit.fallingPosition, (Position{static_cast<int16_t>(x), static_cast<int16_t>(y)}));
        QVERIFY(screen != f.view.screen);
    }

    // A sideways move stops only at the wall or at a cell that blocks a square of the piece right beside it:
    // nothing diagonal, nothing beside an empty square of the frame, and a transparent square passes a
    // transparent part. The moving piece stands on row 10.
    void sidewaysMove_data() {
        QTest::addColumn<QString>("shape");  // upright, lying, or corner (up and right)
        QTest::addColumn<int>("kind");       // kind of all three squares
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("left");
        QTest::addColumn<QPoint>("cell");  // an occupied cell, (0, 0) for none
        QTest::addColumn<int>("cellKind");
        QTest::addColumn<int>("expected");
        const QPoint none;
        QTest::newRow("upright bar reaches column 1") << "upright" << 2 << 2 << true << none << 0 << 1;
        QTest::newRow("upright bar stops at column 1") << "upright" << 2 << 1 << true << none << 0 << 1;
        QTest::newRow("lying bar reaches column 1") << "lying" << 2 << 3 << true << none << 0 << 2;
        QTest::newRow("lying bar stops at column 1") << "lying" << 2 << 2 << true << none << 0 << 2;
        QTest::newRow("upright bar reaches column 8") << "upright" << 2 << 7 << false << none << 0 << 8;
        QTest::newRow("upright bar stops at column 8") << "upright" << 2 << 8 << false << none << 0 << 8;
        QTest::newRow("lying bar reaches column 8") << "lying" << 2 << 6 << false << none << 0 << 7;
        QTest::newRow("lying bar stops at column 8") << "lying" << 2 << 7 << false << none << 0 << 7;
        QTest::newRow("solid beside, left") << "lying" << 2 << 4 << true << QPoint(2, 10) << 2 << 4;
        QTest::newRow("solid beside, right") << "lying" << 2 << 4 << false << QPoint(6, 10) << 2 << 4;
        QTest::newRow("solid above and left") << "lying" << 2 << 4 << true << QPoint(2, 9) << 2 << 3;
        QTest::newRow("solid below and left") << "lying" << 2 << 4 << true << QPoint(2, 11) << 2 << 3;
        QTest::newRow("solid beside an empty square, left")
            << "corner" << 2 << 4 << true << QPoint(3, 11) << 2 << 3;
        QTest::newRow("solid beside an empty square, right")
            << "corner" << 2 << 4 << false << QPoint(6, 9) << 2 << 5;
        QTest::newRow("transparent past a transparent part, left")
            << "lying" << 1 << 4 << true << QPoint(2, 10) << 1 << 3;
        QTest::newRow("transparent past a transparent part, right")
            << "lying" << 1 << 4 << false << QPoint(6, 10) << 1 << 5;
        QTest::newRow("transparent against a solid square")
            << "lying" << 1 << 4 << true << QPoint(2, 10) << 2 << 4;
        QTest::newRow("solid against a transparent part")
            << "lying" << 2 << 4 << true << QPoint(2, 10) << 1 << 4;
    }
    void sidewaysMove() {
        QFETCH(QString, shape);
        QFETCH(int, kind);
        QFETCH(int, x);
        QFETCH(bool, left);
        QFETCH(QPoint, cell);
        QFETCH(int, cellKind);
        QFETCH(int, expected);
        Fixture f;
        if (!cell.isNull()) f.pit.SetCell(cell.x(), cell.y(), static_cast<int16_t>(cellKind), kRed);
        const auto k = static_cast<int16_t>(kind);
        if (shape == u"upright") SetFalling(f.pit, {{2, 1, k}, {2, 2, k}, {2, 3, k}}, kBlue, x, 10);
        if (shape == u"lying") SetFalling(f.pit, {{1, 2, k}, {2, 2, k}, {3, 2, k}}, kBlue, x, 10);
        if (shape == u"corner") SetFalling(f.pit, {{2, 1, k}, {2, 2, k}, {3, 2, k}}, kBlue, x, 10);
        QVERIFY(f.pit.MoveFallingBlock());
        if (left) {
            f.pit.MoveLeft();
        } else {
            f.pit.MoveRight();
        }
        QCOMPARE(f.pit.fallingPosition, (Position{static_cast<int16_t>(expected), 10}));
    }

    // A lying bar turned upright at the entry row puts its top square into the hidden row, which keeps
    // it when the piece is placed there.
    void hiddenRowKeepsATurnedSquare() {
        Fixture f;
        SetFalling(f.pit, {{1, 2, kSolid}, {2, 2, kSolid}, {3, 2, kSolid}}, kRed, 5, 1);
        f.pit.SetCell(4, 2, kSolid, kBlue);
        f.pit.SetCell(6, 2, kSolid, kBlue);
        f.pit.SetCell(5, 3, kSolid, kBlue);
        QVERIFY(f.pit.MoveFallingBlock());
        f.pit.RotateBlock();
        QCOMPARE(f.pit.falling[2][1], kSolid);
        QVERIFY(f.pit.IsBlockedBelow());
        f.pit.PlaceBlock();
        QCOMPARE(f.pit.KindAt(5, 0), kSolid);
        QCOMPARE(f.pit.KindAt(5, 2), kSolid);
        f.pit.ClearBoard();
        QCOMPARE(f.pit.KindAt(5, 1), kEmpty);
        QCOMPARE(f.pit.KindAt(5, 0), kSolid);
    }

    // A square kept in the hidden row stops a sideways move of a piece that reaches into that row.
    void hiddenRowStopsSidewaysMoves() {
        Fixture f;
        f.pit.SetCell(4, 0, kSolid, kBlue);
        f.pit.SetCell(6, 0, kSolid, kBlue);
        SetFalling(f.pit, {{2, 1, kSolid}, {2, 2, kSolid}, {2, 3, kSolid}}, kRed, 5, 1);
        QVERIFY(f.pit.MoveFallingBlock());
        f.pit.MoveLeft();
        QCOMPARE(f.pit.fallingPosition.x, 5);
        f.pit.MoveRight();
        QCOMPARE(f.pit.fallingPosition.x, 5);
        f.pit.SetCell(6, 0, kEmpty, 0);
        f.pit.MoveRight();
        QCOMPARE(f.pit.fallingPosition.x, 6);
    }

    // After a turn a part that an old square showed mixed is shown unmixed again.
    void turnUncoversAMixedPart() {
        Fixture f;
        f.pit.SetCell(5, 10, kTransparent, kBlue);
        SetFalling(f.pit, {{2, 3, kSolid}, {2, 2, kSolid}, {3, 2, kTransparent}}, kYellow, 3, 10);
        QVERIFY(f.pit.MoveFallingBlock());
        f.pit.MoveRight();
        QCOMPARE(f.view.screen[5][10], kGreen);
        f.pit.RotateBlock();
        QCOMPARE(f.pit.falling[1][2], kSolid);
        QCOMPARE(f.view.screen[3][10], kYellow);
        QCOMPARE(f.view.screen[4][11], kYellowTransparent);
        QCOMPARE(f.view.screen[5][10], kBlueTransparent);
    }

    // A new piece whose transparent square enters on a transparent part is accepted; one whose solid
    // square enters on any part is refused at once without a sound.
    void entryOverlap_data() {
        QTest::addColumn<int>("squareKind");
        QTest::addColumn<int>("cellKind");
        QTest::addColumn<bool>("ok");
        QTest::newRow("transparent on transparent") << 1 << 1 << true;
        QTest::newRow("transparent on solid") << 1 << 2 << false;
        QTest::newRow("solid on transparent") << 2 << 1 << false;
    }
    void entryOverlap() {
        QFETCH(int, squareKind);
        QFETCH(int, cellKind);
        QFETCH(bool, ok);
        Fixture f;
        f.pit.SetCell(5, 1, static_cast<int16_t>(cellKind), kRed);
        f.pit.SetCell(5, 2, kSolid, kRed);
        SetFalling(f.pit, {{1, 2, kSolid}, {2, 2, static_cast<int16_t>(squareKind)}, {3, 2, kSolid}}, kYellow,
                   5, 1);
        QCOMPARE(f.pit.MoveFallingBlock(), ok);
        QCOMPARE(f.sink.cues, ok ? QList<int>{1} : QList<int>{});
    }
};

ARCADE_TEST_GUILESS_MAIN(TestPit)
#include "tst_pit.moc"
