// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "boardpicture.h"
#include "zephlon/puzzle.h"

using boardpicture::Board;
using boardpicture::Picture;
using boardpicture::Random;
using namespace zephlon;

namespace {

// The block draw without bombs: each track with probability 1/2, at least one, single tracks kept 1 in 4.
int16_t DrawBlock(Random& random) {
    for (;;) {
        int16_t v = 1;
        int openings = 0;
        for (int16_t bit : {kPipe2, kPipe4, kPipe8, kPipe16}) {
            if (random() * 2 >= 1) {
                v = static_cast<int16_t>(v | bit);
                ++openings;
            }
        }
        if (openings >= 2) return v;
        if (openings == 1 && random() * 4 < 1) return v;
    }
}

struct Built {
    Grid board;
    int placed = 0;  // ticks that placed a block
    int drawn = 0;   // cells drawn
    int cues = 0;    // touch-down cues
};

Built BuildGarbage(int16_t level, uint64_t seed, bool replay = false, const Grid& saved = {}) {
    Random random(seed);
    Built b;
    GarbageBuilder builder;
    PlayEffects fx;
    fx.drawCell = [&](int16_t, int16_t, int16_t v, int16_t part, int16_t style) {
        QVERIFY(v != 0 && part == kWholeCell && style == 1);
        ++b.drawn;
    };
    fx.playSoundCue = [&](frame::Cue cue) {
        QVERIFY(cue == frame::Cue::TouchDown);
        ++b.cues;
    };
    const NextValueFn next = [&] { return DrawBlock(random); };
    for (int guard = 0; guard < 100; ++guard) {
        if (builder.Step(b.board, saved, level, replay, next, fx) == GarbageBuilder::Result::Complete) break;
        ++b.placed;
    }
    return b;
}

// Which play cells hold something, as a picture of 'x' and '.'.
QString Occupancy(const Grid& g, int firstRow) {
    QStringList rows;
    for (int r = firstRow; r <= kRows; ++r) {
        QString line;
        for (int c = 1; c <= kColumns; ++c)
            line += g(c, r) ? 'x' : '.';
        rows << line;
    }
    return rows.join('/');
}

}  // namespace

class TestPuzzle : public QObject {
    Q_OBJECT
  private slots:
    void garbageExtent_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("occupied");
        // Garbage rows and the width of the topmost, centred one, for levels 1 to 10; from level 11 on five
        // rows, the topmost seven wide.
        const int rows[] = {1, 2, 3, 3, 4, 4, 4, 5, 5, 5};
        const int widths[] = {5, 3, 3, 5, 3, 5, 7, 3, 5, 7};
        for (int level : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 40}) {
            const int n = level <= 10 ? rows[level - 1] : 5;
            const int w = level <= 10 ? widths[level - 1] : 7;
            const QString margin((7 - w) / 2, '.');
            QStringList picture{".......", margin + QString(w, 'x') + margin};
            for (int r = 1; r < n; ++r)
                picture << "xxxxxxx";
            QTest::addRow("level %d", level) << level << picture.join('/');
        }
    }
    void garbageExtent() {
        QFETCH(int, level);
        QFETCH(QString, occupied);
        const Built b = BuildGarbage(static_cast<int16_t>(level), 7);
        const int firstRow = kRows - static_cast<int>(occupied.count('/'));
        QCOMPARE(Occupancy(b.board, firstRow), occupied);
        for (int r = 1; r < firstRow; ++r)
            for (int c = 1; c <= kColumns; ++c)
                QCOMPARE(b.board(c, r), int16_t{0});
        // One tick per placed block, each drawn once with the touch-down cue.
        const int blocks = static_cast<int>(occupied.count('x'));
        QCOMPARE(b.placed, blocks);
        QCOMPARE(b.drawn, blocks);
        QCOMPARE(b.cues, blocks);
    }

    void garbageNeverLinesUp() {
        int concrete = 0;
        for (uint64_t seed = 1; seed <= 150; ++seed) {
            for (int16_t level = 1; level <= 12; ++level) {
                const Built b = BuildGarbage(level, seed * 131 + static_cast<uint64_t>(level));
                QVERIFY2(CheckLineUps(b.board).tasks.empty(), qPrintable(Picture(b.board, 5)));
                for (int r = 1; r <= kRows; ++r) {
                    for (int c = 1; c <= kColumns; ++c) {
                        const int16_t v = b.board(c, r);
                        QVERIFY(!(v & kBomb));
                        QVERIFY(v != kPresent);
                        if (v != kConcreteBlock) continue;
                        ++concrete;
                        // Concrete only where every pipe would have completed a line.
                        for (int16_t x : {b.board(c - 1, r), b.board(c - 2, r)})
                            QCOMPARE(x & (kPipe2 | kPipe4), kPipe2 | kPipe4);
                        for (int16_t x : {b.board(c, r + 1), b.board(c, r + 2)})
                            QCOMPARE(x & (kPipe8 | kPipe16), kPipe8 | kPipe16);
                    }
                }
            }
        }
        QVERIFY(concrete > 0);  // the forced case does come up
    }

    void forcedCellIsConcrete() {
        const Grid board = Board("ff...../..f..../..f....");
        QCOMPARE(GenerateGarbageBlock(board, 3, 8, [] { return int16_t{31}; }), kConcreteBlock);
    }

    void refusedDrawsAreRetried() {
        // Two cells carrying bit 2 on the left: blocks with bit 2 are drawn again.
        const Grid board = Board("11.....");
        QList<int16_t> offers = {3, 7, 11, 9};
        int calls = 0;
        const int16_t v = GenerateGarbageBlock(board, 3, 10, [&] { return offers[calls++]; });
        QCOMPARE(v, int16_t{9});
        QCOMPARE(calls, 4);
        // Column 1 and 2 on the bottom rows take the first draw.
        calls = 0;
        QCOMPARE(GenerateGarbageBlock(board, 2, 9, [&] { return offers[calls++]; }), int16_t{3});
    }

    void blinkingColumn_data() {
        QTest::addColumn<QString>("row10");
        QTest::addColumn<QList<double>>("randoms");
        QTest::addColumn<int>("column");
        QTest::newRow("left first") << "..244c." << QList<double>{0.3} << 3;
        QTest::newRow("right first") << "..241c." << QList<double>{0.5} << 5;
        QTest::newRow("skips vertical-only") << "..c41.." << QList<double>{0.1} << 5;
        QTest::newRow("none horizontal, low") << "..c44.." << QList<double>{0.1, 0.49} << 3;
        QTest::newRow("none horizontal, high") << "..c44.." << QList<double>{0.9, 0.5} << 4;
    }
    void blinkingColumn() {
        QFETCH(QString, row10);
        QFETCH(QList<double>, randoms);
        QFETCH(int, column);
        int i = 0;
        QCOMPARE(int(ChooseBlinkingColumn(Board(row10), [&] { return randoms.value(i++); })), column);
        QCOMPARE(i, randoms.size());
    }

    void replayBuildsFromTheSavedBoard() {
        const Built first = BuildGarbage(9, 42);
        // A replay draws from a different random source, yet places the same blocks one per tick.
        const Built again = BuildGarbage(9, 999, true, first.board);
        QVERIFY(again.board == first.board);
        QCOMPARE(again.placed, first.placed);
    }
};

QTEST_APPLESS_MAIN(TestPuzzle)
#include "tst_puzzle.moc"
