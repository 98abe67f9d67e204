// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "boardpicture.h"
#include "zephlon/lineups.h"

using boardpicture::Board;
using boardpicture::Picture;
using namespace zephlon;

namespace {

// One line per run, in the order found: "bit@column,row x length".
QString RunsOf(const std::vector<CLaserTask>& tasks) {
    QStringList runs;
    int groupStart = -1;
    auto close = [&](int end) {
        if (groupStart < 0) return;
        const CLaserTask& t = tasks[static_cast<size_t>(groupStart)];
        runs << QString("%1@%2,%3x%4").arg(t.bit).arg(t.column).arg(t.row).arg((end - groupStart) / 4);
    };
    for (int i = 0; i < static_cast<int>(tasks.size()); ++i) {
        if (tasks[static_cast<size_t>(i)].start) {
            close(i);
            groupStart = i;
        }
    }
    close(static_cast<int>(tasks.size()));
    return runs.join(' ');
}

// Records everything the processing asks of the window, with the laser step it happened at.
struct Recorder {
    int16_t step = 0;
    QStringList cues;  // "step:cue"
    QList<int> scores;
    QList<int> blocksShown;
    int beams = 0;
    QStringList cells;  // "column,row=value/part/style"

    PlayEffects Effects() {
        PlayEffects fx;
        fx.drawLaserPipe = [this](const CLaserTask&, bool, bool) { ++beams; };
        fx.drawCell = [this](int16_t c, int16_t r, int16_t v, int16_t part, int16_t style) {
            cells << QString("%1,%2=%3/%4/%5").arg(c).arg(r).arg(v).arg(part).arg(style);
        };
        fx.playSoundCue = [this](frame::Cue cue) {
            cues << QString("%1:%2").arg(step).arg(static_cast<int>(cue));
        };
        fx.addScore = [this](int16_t p) { scores << p; };
        fx.showBlocks = [this](int16_t b) { blocksShown << b; };
        return fx;
    }
    int Total() const { return std::accumulate(scores.begin(), scores.end(), 0); }
};

struct Marks {
    Grid first, second;
};

// Runs laser steps until they report the end; returns the number of steps that had work.
int RunLasers(Grid& board, Marks& marks, const std::vector<CLaserTask>& tasks, Recorder& rec, bool demo) {
    int16_t counter = 0;
    PlayEffects fx = rec.Effects();
    int busy = 0;
    for (;;) {
        rec.step = static_cast<int16_t>(counter + 1);
        if (!LaserStep(counter, tasks, board, marks.first, marks.second, demo, fx)) break;
        ++busy;
        if (busy > 200) break;
    }
    return busy;
}

}  // namespace

class TestLineUps : public QObject {
    Q_OBJECT
  private slots:
    void runsFound_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("runs");
        QTest::newRow("seven cells are one run") << "1111111"
                                                 << "2@1,10x7";
        QTest::newRow("two in a row are no run") << "11....."
                                                 << "";
        QTest::newRow("concrete breaks a run") << "11#1111"
                                               << "2@4,10x4";
        QTest::newRow("a gap ends the run before it") << "1111.11"
                                                      << "2@1,10x4";
        QTest::newRow("both tracks, bit 2 first") << "333...."
                                                  << "2@1,10x3 4@1,10x3";
        QTest::newRow("runs close in scan order") << "2223111"
                                                  << "4@1,10x4 2@4,10x4";
        QTest::newRow("rows top down before columns") << "111..../4......./4....../4...111"
                                                      << "2@1,7x3 2@5,10x3 8@1,8x3";
        QTest::newRow("vertical run reaches row 10") << "..4..../..4..../..4...."
                                                     << "8@3,8x3";
        QTest::newRow("vertical gap ends the run") << "8....../8....../8....../......./8....../8......"
                                                   << "16@1,5x3";
        QTest::newRow("vertical tracks 8 then 16") << "c....../c....../c......"
                                                   << "8@1,8x3 16@1,8x3";
        QTest::newRow("pipes on other tracks do not join") << "124...."
                                                           << "";
    }
    void runsFound() {
        QFETCH(QString, board);
        QFETCH(QString, runs);
        const LineUpResult check = CheckLineUps(Board(board));
        QCOMPARE(RunsOf(check.tasks), runs);
        QVERIFY(!check.blinkSuppress);
    }

    void runNumberingIsExact() {
        // Second run found, vertical, three cells from (3, 5): beam from step 2, erase right after it.
        LineUpResult check;
        CreateLaserRun(check, 2, 3, 5, 3, kPipe8);
        QStringList got;
        for (const CLaserTask& t : check.tasks)
            got << QString("%1:%2,%3 h%4 k%5%6")
                       .arg(t.step)
                       .arg(t.column)
                       .arg(t.row)
                       .arg(t.half)
                       .arg(t.kind)
                       .arg(t.start ? " S" : "");
        const QStringList expected = {
            "2:3,5 h1 k2 S", "3:3,5 h2 k2", "4:3,6 h1 k2",  "5:3,6 h2 k2",  "6:3,7 h1 k2",  "7:3,7 h2 k2",
            "8:3,5 h1 k1",   "9:3,5 h2 k1", "10:3,6 h1 k1", "11:3,6 h2 k1", "12:3,7 h1 k1", "13:3,7 h2 k1",
        };
        QCOMPARE(got, expected);
        for (const CLaserTask& t : check.tasks)
            QCOMPARE(t.bit, kPipe8);
    }

    void blinkSuppress_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("blinkColumn");
        QTest::addColumn<bool>("suppress");
        QTest::newRow("run over the blinking block") << "..111.." << 4 << true;
        QTest::newRow("run beside it") << "111...." << 4 << false;
        QTest::newRow("no blinking block") << "..111.." << 0 << false;
        QTest::newRow("vertical run ending on it") << "...4.../...4.../...4..." << 4 << true;
    }
    void blinkSuppress() {
        QFETCH(QString, board);
        QFETCH(int, blinkColumn);
        QFETCH(bool, suppress);
        const CellPos blink{static_cast<int16_t>(blinkColumn), static_cast<int16_t>(blinkColumn ? kRows : 0)};
        QCOMPARE(CheckLineUps(Board(board), blink).blinkSuppress, suppress);
    }

    void scriptedLandingScoresPipesThenChain() {
        Grid board = Board("111....");
        Marks marks;
        Recorder rec;
        const LineUpResult check = CheckLineUps(board);
        QCOMPARE(RunLasers(board, marks, check.tasks, rec, false), 12);
        QCOMPARE(rec.beams, 6);
        QCOMPARE(rec.cells.size(), 6);  // one partial redraw per erase task
        QCOMPARE(rec.scores, QList<int>({5, 5, 5}));
        QCOMPARE(rec.cues, QStringList({"1:2"}));
        QCOMPARE(Picture(board, 10), QString("000...."));
        QVERIFY(marks.first == Grid{});
        QVERIFY(marks.second == Grid{});

        Recorder destroyed;
        int16_t blocks = 4, chain = 0;
        const auto emptied = DestroyEmptyBlocks(board, blocks, chain, false, destroyed.Effects());
        QCOMPARE(emptied.size(), size_t{3});
        QCOMPARE(destroyed.scores, QList<int>({50, 75, 100}));
        QCOMPARE(blocks, int16_t{7});
        QCOMPARE(destroyed.blocksShown.last(), 7);
        QVERIFY(board == Grid{});
    }

    void demoScoresNothing() {
        Grid board = Board("111....");
        Marks marks;
        Recorder rec;
        RunLasers(board, marks, CheckLineUps(board).tasks, rec, true);
        int16_t blocks = 0, chain = 0;
        DestroyEmptyBlocks(board, blocks, chain, true, rec.Effects());
        QVERIFY(rec.scores.isEmpty());
        QCOMPARE(blocks, int16_t{3});
        QVERIFY(board == Grid{});
    }

    void marksFollowTheBeam() {
        Grid board = Board("111....");
        Marks marks;
        const auto tasks = CheckLineUps(board).tasks;
        int16_t counter = 0;
        LaserStep(counter, tasks, board, marks.first, marks.second, false, {});
        QCOMPARE(marks.first(1, 10), int16_t{2});
        QCOMPARE(marks.second(1, 10), int16_t{0});
        LaserStep(counter, tasks, board, marks.first, marks.second, false, {});
        QCOMPARE(marks.second(1, 10), int16_t{2});
        QCOMPARE(marks.first(2, 10), int16_t{0});
        for (int i = 0; i < 5; ++i)
            LaserStep(counter, tasks, board, marks.first, marks.second, false, {});
        // Step 7 is the first erase: the pipe is gone from the first half only.
        QCOMPARE(board(1, 10), int16_t{1});
        QCOMPARE(marks.first(1, 10), int16_t{0});
        QCOMPARE(marks.second(1, 10), int16_t{2});
        QCOMPARE(marks.first(3, 10), int16_t{2});
    }

    void twoRunsStartWithCue3ThenCue2() {
        Grid board = Board("333....");
        Marks marks;
        Recorder rec;
        RunLasers(board, marks, CheckLineUps(board).tasks, rec, false);
        QCOMPARE(rec.cues, QStringList({"1:3", "2:2"}));
        QCOMPARE(rec.Total(), 30);
        QCOMPARE(Picture(board, 10), QString("000...."));
    }

    void erasePart_data() {
        QTest::addColumn<int>("bit");
        QTest::addColumn<int>("half");
        QTest::addColumn<int>("part");
        QTest::newRow("2/1") << 2 << 1 << 1;
        QTest::newRow("8/1") << 8 << 1 << 1;
        QTest::newRow("16/1") << 16 << 1 << 2;
        QTest::newRow("2/2") << 2 << 2 << 2;
        QTest::newRow("4/1") << 4 << 1 << 4;
        QTest::newRow("8/2") << 8 << 2 << 4;
        QTest::newRow("16/2") << 16 << 2 << 8;
        QTest::newRow("4/2") << 4 << 2 << 8;
    }
    void erasePart() {
        QFETCH(int, bit);
        QFETCH(int, half);
        QFETCH(int, part);
        QCOMPARE(int(ErasePart(static_cast<int16_t>(bit), static_cast<int16_t>(half))), part);
    }

    void destructionGoesBottomUpAndSparesConcrete() {
        Grid board = Board("0.1..../#0....0");
        Recorder rec;
        int16_t blocks = 0, chain = 2;  // the chain carries on from an earlier pass of the same landing
        const auto emptied = DestroyEmptyBlocks(board, blocks, chain, false, rec.Effects());
        QStringList order;
        for (const CEmptyBlock& e : emptied)
            order << QString("%1,%2").arg(e.column).arg(e.row);
        QCOMPARE(order, QStringList({"2,10", "7,10", "1,9"}));
        QCOMPARE(rec.scores, QList<int>({100, 125, 150}));
        QCOMPARE(Picture(board, 9), QString("..1..../#......"));
        DrawEmptiedCells(emptied, 1, 2, rec.Effects());
        QCOMPARE(rec.cells.first(), QString("2,10=1/16/2"));
    }

    void pack_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("moved");
        QTest::newRow("one-cell gap") << "1....../......./2......"
                                      << "......./1....../2......" << true;
        QTest::newRow("three-cell gap closes at once") << "1....../......./......./......."
                                                       << "......./......./......./1......" << true;
        QTest::newRow("four-cell gap keeps its lowest cell empty")
            << "1....../......./......./......./......."
            << "......./......./......./1....../......." << true;
        QTest::newRow("stack falls together") << "1....../2....../......."
                                              << "......./1....../2......" << true;
        QTest::newRow("settled board") << "......./1....../2......"
                                       << "......./1....../2......" << false;
        QTest::newRow("gap in row 2 under a block in row 1")
            << "1....../......./2....../2....../2....../2....../2....../2....../2....../2......"
            << "......./1....../2....../2....../2....../2....../2....../2....../2....../2......" << true;
        QTest::newRow("concrete falls too") << "#....../......."
                                            << "......./#......" << true;
    }
    void pack() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, moved);
        Grid board = Board(before);
        QCOMPARE(PackBoard(board), moved);
        const int firstRow = kRows - static_cast<int>(after.count('/'));
        QCOMPARE(Picture(board, firstRow), after);
        for (int c = 0; c < kGridColumns; ++c)
            QCOMPARE(board(c, 0), int16_t{0});
    }

    void fourCellGapClosesOnSecondPack() {
        Grid board = Board("1....../......./......./......./.......");
        QVERIFY(PackBoard(board));
        QCOMPARE(board(1, 10), int16_t{0});
        QVERIFY(PackBoard(board));
        QCOMPARE(Picture(board, 9), QString("......./1......"));
        QVERIFY(!PackBoard(board));
    }

    void bombBlast_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("bombRow");
        QTest::addColumn<bool>("blinking");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QList<int>>("scores");
        QTest::newRow("on the floor") << "...3..." << 10 << false << "......." << QList<int>{};
        QTest::newRow("on a block") << "...3.../...f..." << 9 << false << "......./......." << QList<int>{75};
        QTest::newRow("on concrete") << "...3.../...#..." << 9 << false << "......./......."
                                     << QList<int>{75};
        QTest::newRow("on the blinking block")
            << "...3.../...f..." << 9 << true << "......./...f..." << QList<int>{};
    }
    void bombBlast() {
        QFETCH(QString, board);
        QFETCH(int, bombRow);
        QFETCH(bool, blinking);
        QFETCH(QString, after);
        QFETCH(QList<int>, scores);
        Grid g = Board(board);
        g(4, bombRow) = 33;  // PlaceBlock wrote the bomb
        const CellPos blink = blinking ? CellPos{4, 10} : CellPos{};
        Recorder rec;
        int16_t blocks = 0, chain = 1;
        const auto emptied =
            BombBlast(g, 4, static_cast<int16_t>(bombRow), blink, blocks, chain, rec.Effects());
        QCOMPARE(Picture(g, 11 - static_cast<int>(after.count('/')) - 1), after);
        QCOMPARE(rec.scores, scores);
        QCOMPARE(int(emptied.size()), 1 + static_cast<int>(scores.size()));
        QCOMPARE(emptied.front().row, int16_t(bombRow));
        QCOMPARE(blocks, int16_t(scores.size()));
        if (!scores.isEmpty()) {
            // The struck cell shows its blast look at once.
            QCOMPARE(rec.cells, QStringList({QString("4,10=%1/16/1").arg(Board(board)(4, 10) | 32)}));
            QVERIFY(HitsCell(emptied, {4, 10}));
        } else {
            QVERIFY(rec.cells.isEmpty());
            QVERIFY(!HitsCell(emptied, {4, 10}) || bombRow == 10);
        }
    }
};

QTEST_APPLESS_MAIN(TestLineUps)
#include "tst_lineups.moc"
