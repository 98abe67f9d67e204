// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "frame/canvas.h"
#include "support/testmain.h"
#include "zephlon/board.h"
#include "zephlon/renderer.h"

using namespace zephlon;

namespace {

QColor Grey(int g) {
    return QColor(g, g, g);
}

// One cell drawn alone on a canvas of its size.
struct Cell {
    explicit Cell(int s, qreal dpr = 1.0) : canvas(s, s, dpr) {}
    void Draw(int16_t value, int colour = 2, int style = 1, int16_t marksFirst = 0, int16_t marksSecond = 0,
              int part = 16) {
        DrawCell(canvas, 0, 0, canvas.Width(), value, colour, part, style, marksFirst, marksSecond);
    }
    QColor At(int x, int y) const { return canvas.Pixel(x, y); }
    frame::ImageCanvas canvas;
};

}  // namespace

class TestZephlonRenderer : public QObject {
    Q_OBJECT

  private slots:
    void geometry_data() {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("h");
        QTest::newRow("42") << 42 << 8 << 6 << 21;
        QTest::newRow("20") << 20 << 4 << 2 << 10;
    }
    void geometry() {
        QFETCH(int, s);
        QFETCH(int, m);
        QFETCH(int, t);
        QFETCH(int, h);
        const PipeGeometry g = GeometryFor(s);
        QCOMPARE(g.m, m);
        QCOMPARE(g.t, t);
        QCOMPARE(g.h, h);
    }

    // Each track sits at its rows or columns, drawn in the four greys from its top or left edge.
    void trackPositionsAndGreys_data() { geometry_data(); }
    void trackPositionsAndGreys() {
        QFETCH(int, s);
        QFETCH(int, m);
        QFETCH(int, t);
        const QList<QColor> lines =
            t == 6 ? QList<QColor>{Grey(214), Grey(214), Grey(173), Grey(99), Grey(66), Grey(66)}
                   : QList<QColor>{Grey(173), Grey(99)};
        Cell cell(s);
        cell.Draw(kPresent | kPipe2 | kPipe4 | kPipe8 | kPipe16);
        const int mid = s / 2;
        for (int i = 0; i < t; ++i) {
            QCOMPARE(cell.At(0, m + i), lines[i]);                  // bit 2 from row m
            QCOMPARE(cell.At(s - 1, s - m - t + 1 + i), lines[i]);  // bit 4 down to row s - m
            QCOMPARE(cell.At(m + i, mid), lines[i]);                // bit 8 from column m
            QCOMPARE(cell.At(s - m - t + i, mid), lines[i]);        // bit 16 up to column s - m - 1
        }
        // Outside the tracks the block shows its fill.
        QCOMPARE(cell.At(mid, mid), ShadeColour(1, 4, kLime));
        QCOMPARE(cell.At(mid, m - 1), ShadeColour(1, 4, kLime));
    }

    // Horizontal pipes pass over vertical ones: the vertical track leaves a gap where they cross.
    void crossingsLeaveAGap_data() { geometry_data(); }
    void crossingsLeaveAGap() {
        QFETCH(int, s);
        QFETCH(int, m);
        QFETCH(int, t);
        Cell crossed(s);
        crossed.Draw(kPresent | kPipe2 | kPipe8);
        const int lastLine = m + t - 1;  // the vertical track's darkest line
        QCOMPARE(crossed.At(lastLine, m), t == 6 ? Grey(214) : Grey(173));
        QCOMPARE(crossed.At(lastLine, s - 1), t == 6 ? Grey(66) : Grey(99));
        Cell alone(s);
        alone.Draw(kPresent | kPipe8);
        QCOMPARE(alone.At(lastLine, m), t == 6 ? Grey(66) : Grey(99));
    }

    // A laser-lit half is a red bar over all but the last line of the tube, one pixel short of the half's
    // end.
    void laserLitHalf_data() { geometry_data(); }
    void laserLitHalf() {
        QFETCH(int, s);
        QFETCH(int, m);
        QFETCH(int, t);
        QFETCH(int, h);
        Cell cell(s);
        cell.Draw(kPresent | kPipe2, 2, 1, kPipe2, 0);
        QCOMPARE(cell.At(0, m), kLaserRed);
        QCOMPARE(cell.At(h - 2, m + t - 2), kLaserRed);
        QVERIFY(cell.At(h - 1, m) != kLaserRed);
        QVERIFY(cell.At(0, m + t - 1) != kLaserRed);
        QVERIFY(cell.At(h, m) != kLaserRed);
        Cell vertical(s);
        vertical.Draw(kPresent | kPipe8, 2, 1, 0, kPipe8);
        QCOMPARE(vertical.At(m, h), kLaserRed);
        QVERIFY(vertical.At(m, h - 1) != kLaserRed);
    }

    // The twelve tables of six colours: style, shade, then Blueberry, Lime, Kiwi, Plum, Grey and red.
    void colourTable_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("shade");
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QColor>("colour");
        struct Row {
            int style;
            int shade;
            int rgb[6][3];
        };
        const Row rows[] = {
            {1, 1, {{0, 0, 198}, {0, 96, 0}, {75, 76, 6}, {117, 13, 121}, {91, 91, 91}, {128, 0, 0}}},
            {1, 2, {{0, 74, 255}, {0, 144, 0}, {95, 96, 10}, {144, 27, 155}, {128, 128, 128}, {169, 13, 13}}},
            {1, 3, {{0, 0, 132}, {0, 64, 0}, {54, 55, 3}, {87, 4, 88}, {66, 66, 66}, {90, 2, 2}}},
            {1, 4, {{0, 0, 80}, {0, 48, 0}, {40, 40, 0}, {64, 0, 64}, {40, 40, 40}, {71, 5, 5}}},
            {2, 1, {{0, 0, 120}, {0, 54, 0}, {47, 48, 0}, {71, 9, 73}, {55, 55, 55}, {80, 0, 0}}},
            {2, 2, {{0, 44, 154}, {0, 78, 0}, {63, 74, 0}, {85, 19, 91}, {78, 78, 78}, {100, 10, 10}}},
            {2, 3, {{0, 0, 80}, {0, 36, 0}, {29, 30, 0}, {53, 4, 54}, {41, 41, 41}, {56, 2, 2}}},
            {2, 4, {{0, 0, 48}, {0, 30, 0}, {16, 16, 0}, {0, 30, 0}, {25, 25, 25}, {28, 2, 2}}},
            {3, 1, {{0, 0, 72}, {0, 32, 0}, {27, 28, 0}, {42, 9, 43}, {26, 26, 26}, {50, 0, 0}}},
            {3, 2, {{0, 26, 92}, {0, 46, 0}, {50, 52, 0}, {51, 14, 54}, {36, 36, 36}, {59, 9, 9}}},
            {3, 3, {{0, 0, 48}, {0, 22, 0}, {3, 4, 0}, {34, 4, 34}, {20, 20, 20}, {36, 2, 2}}},
            {3, 4, {{0, 0, 32}, {0, 18, 0}, {0, 0, 0}, {30, 0, 30}, {14, 14, 14}, {18, 2, 2}}},
        };
        const char* const names[] = {"blueberry", "lime", "kiwi", "plum", "grey", "red"};
        for (const Row& r : rows) {
            for (int scheme = 0; scheme < 6; ++scheme) {
                const int* c = r.rgb[scheme];
                QTest::addRow("style %d shade %d %s", r.style, r.shade, names[scheme])
                    << r.style << r.shade << scheme << QColor(c[0], c[1], c[2]);
            }
        }
    }
    void colourTable() {
        QFETCH(int, style);
        QFETCH(int, shade);
        QFETCH(int, scheme);
        QFETCH(QColor, colour);
        QCOMPARE(ShadeColour(style, shade, scheme), colour);
    }

    void schemes_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("style");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("blueberry") << (kPresent | kPipe2) << 1 << 1 << QColor(0, 0, 80);
        QTest::newRow("plum style 3") << (kPresent | kPipe2) << 4 << 3 << QColor(30, 0, 30);
        QTest::newRow("concrete in blueberry") << int(kPresent | kConcrete) << 1 << 1 << QColor(40, 40, 40);
        QTest::newRow("concrete in kiwi") << int(kPresent | kConcrete) << 3 << 1 << QColor(40, 40, 40);
        QTest::newRow("bomb") << int(kPresent | kBomb) << 2 << 1 << QColor(71, 5, 5);
        QTest::newRow("blast style 2") << int(kPresent | kBomb) << 5 << 2 << QColor(28, 2, 2);
        QTest::newRow("empty") << 0 << 2 << 1 << kEmptyCell;
    }
    void schemes() {
        QFETCH(int, value);
        QFETCH(int, colour);
        QFETCH(int, style);
        QFETCH(QColor, fill);
        for (int s : {42, 20}) {
            Cell cell(s);
            cell.Draw(int16_t(value), colour, style);
            QCOMPARE(cell.At(s / 2, s / 2), fill);
        }
    }

    // The relief is round(s / 10) pixels wide: light top and left, shadow bottom and right, a frame inside.
    void reliefScalesWithTheCell_data() {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("b");
        QTest::newRow("42") << 42 << 4;
        QTest::newRow("20") << 20 << 2;
    }
    void reliefScalesWithTheCell() {
        QFETCH(int, s);
        QFETCH(int, b);
        Cell cell(s);
        cell.Draw(kPresent | kPipe2);
        const int y = s / 2;
        QCOMPARE(cell.At(0, y), ShadeColour(1, 2, kLime));
        QCOMPARE(cell.At(b - 1, y), ShadeColour(1, 2, kLime));
        QCOMPARE(cell.At(b, y), ShadeColour(1, 1, kLime));
        QCOMPARE(cell.At(b + 1, y), ShadeColour(1, 4, kLime));
        QCOMPARE(cell.At(s - 1, y), ShadeColour(1, 3, kLime));
        QCOMPARE(cell.At(s - b, y), ShadeColour(1, 3, kLime));
        QCOMPARE(cell.At(y, s - 1), ShadeColour(1, 3, kLime));
    }

    // A part selector redraws only its quarter of the cell, at any density.
    void partRedrawsOneQuarter_data() {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("2x") << 2.0;
        QTest::newRow("1.25x") << 1.25;
    }
    void partRedrawsOneQuarter() {
        QFETCH(qreal, dpr);
        const int s = 42;
        Cell cell(s, dpr);
        cell.Draw(kPresent | kPipe2);
        cell.Draw(0, 2, 1, 0, 0, 2);  // top-right quarter empty
        QCOMPARE(cell.At(31, 18), kEmptyCell);
        QCOMPARE(cell.At(10, 18), ShadeColour(1, 4, kLime));
        QCOMPARE(cell.At(31, 24), ShadeColour(1, 4, kLime));
    }

    // Offsets place the cell; nothing is drawn outside it, and what is repainted covers it.
    void drawsOnlyInsideItsCell_data() { partRedrawsOneQuarter_data(); }
    void drawsOnlyInsideItsCell() {
        QFETCH(qreal, dpr);
        struct Recording : frame::ImageCanvas {
            using ImageCanvas::ImageCanvas;
            void Touched(const QRect& r) override { touched |= r; }
            QRect touched;
        } canvas(100, 100, dpr);
        canvas.SetBackColor(Qt::white);
        canvas.Clear();
        canvas.touched = QRect();
        DrawCell(canvas, 30, 40, 20, kPresent | kPipe2 | kPipe4 | kPipe8 | kPipe16, 2, 16, 1, kPipe2, kPipe2);
        QVERIFY(canvas.touched.contains(QRect(30, 40, 20, 20)));
        QVERIFY(QRect(29, 39, 22, 22).contains(canvas.touched));
        QCOMPARE(canvas.Pixel(29, 50), QColor(Qt::white));
        QCOMPARE(canvas.Pixel(50, 50), QColor(Qt::white));
        QCOMPARE(canvas.Pixel(40, 39), QColor(Qt::white));
        QCOMPARE(canvas.Pixel(40, 60), QColor(Qt::white));
        QVERIFY(canvas.Pixel(30, 40) != QColor(Qt::white));
        QVERIFY(canvas.Pixel(49, 59) != QColor(Qt::white));
    }

    // At twice the density a pipe's greys are lines one device pixel wide, as fine as the screen can show;
    // the same cell drawn at 1x and enlarged would show each line twice as wide and blurred at its edges.
    void sharpAtDoubleDensity() {
        const int s = 42;
        Cell sharp(s, 2.0);
        sharp.Draw(kPresent | kPipe2);
        const QImage& image = sharp.canvas.Image();
        QCOMPARE(image.size(), QSize(2 * s, 2 * s));
        const PipeGeometry g = GeometryFor(2 * s);
        const QList<QColor> greys = {kPipeLight, kPipeMid, kPipeDim, kPipeDark};
        const int x = 2 * s / 3;  // a column through the horizontal track, clear of the relief
        auto run = [](const QImage& img, int column, const QColor& colour) {
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                n += QColor(img.pixel(column, y)) == colour;
            return n;
        };
        for (int y = g.m; y < g.m + g.t; ++y)
            QVERIFY2(greys.contains(QColor(image.pixel(x, y))), qPrintable(QString::number(y)));
        QCOMPARE(run(image, x, kPipeMid), 1);
        QCOMPARE(run(image, x, kPipeDim), 1);

        Cell coarse(s, 1.0);
        coarse.Draw(kPresent | kPipe2);
        const QImage enlarged =
            coarse.canvas.Image().scaled(2 * s, 2 * s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(run(enlarged, x, kPipeMid) != 1);
        bool blurred = false;
        const PipeGeometry g1 = GeometryFor(s);
        for (int y = 2 * g1.m; y < 2 * (g1.m + g1.t); ++y)
            blurred |= !greys.contains(QColor(enlarged.pixel(x, y)));
        QVERIFY(blurred);
    }

    // Neighbouring cells tile the device pixels at a fractional ratio too: no stale pixel between them.
    void cellsTileAtFractionalDensity() {
        frame::ImageCanvas canvas(84, 42, 1.25);
        canvas.SetBackColor(Qt::white);
        canvas.Clear();
        DrawCell(canvas, 0, 0, 42, kPresent | kPipe2, 2, 16, 1, 0, 0);
        DrawCell(canvas, 42, 0, 42, 0, 2, 16, 1, 0, 0);
        const QImage& image = canvas.Image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(QColor(image.pixel(x, y)) != QColor(Qt::white),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }

    void layout_data() {
        QTest::addColumn<int>("innerWidth");
        QTest::addColumn<int>("innerHeight");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QRect>("play");
        // 381 - 14 - 66 leaves 301 pixels of width: cell 42, play area 294 x 420.
        QTest::newRow("width-bound 301") << 381 << 1000 << 42 << QRect(10, 30, 294, 420);
        // 500 - 14 - 16 - 30 leaves 440 of height: width 308, cell 44.
        QTest::newRow("height-bound") << 1000 << 500 << 44 << QRect((1000 - 308 - 66) / 2, 30, 308, 440);
        QTest::newRow("odd half cell rounds down to even")
            << 14 + 66 + 7 * 23 << 2000 << 22 << QRect(0, 0, 0, 0);
    }
    void layout() {
        QFETCH(int, innerWidth);
        QFETCH(int, innerHeight);
        QFETCH(int, cell);
        QFETCH(QRect, play);
        const Layout l = ComputeLayout(innerWidth, innerHeight, kStatusBarWidth, 16);
        QCOMPARE(l.cellSize, cell);
        QCOMPARE(l.cellSize % 2, 0);
        if (!play.isNull()) QCOMPARE(l.playArea, play);
        QCOMPARE(l.statusBar, QRect(l.playArea.right() + 1, 30, kStatusBarWidth, l.playArea.height()));
    }
};

ARCADE_TEST_MAIN(TestZephlonRenderer)
#include "tst_zephlonrenderer.moc"
