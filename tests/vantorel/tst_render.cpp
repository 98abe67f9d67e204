// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "support/testmain.h"
#include "vantorel/renderer.h"

using namespace vantorel;

namespace {

QRgb Grey(int g) {
    return qRgb(g, g, g);
}

}  // namespace

class TestRender : public QObject {
    Q_OBJECT

  private slots:
    // One cell of 20 px at the top left of the pit: outline in the background, a raised edge one pixel
    // inside, and for a transparent part nested outlines three pixels apart on the background.
    void drawCell_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("rgb");
        const QRgb pattern = qRgb(227, 227, 0), light = qRgb(255, 255, 83), dark = qRgb(151, 151, 0);
        const QRgb black = qRgb(0, 0, 0);
        struct Row {
            const char* name;
            int colour;
            QPoint pixel;
            QRgb rgb;
        };
        const Row rows[] = {
            {"transparent outline", 2, {0, 0}, black},
            {"transparent far corner", 2, {20, 20}, black},
            {"transparent light top", 2, {10, 1}, light},
            {"transparent light left", 2, {1, 10}, light},
            {"transparent dark bottom", 2, {10, 19}, dark},
            {"transparent dark right", 2, {19, 10}, dark},
            {"transparent dark corner", 2, {19, 19}, dark},
            {"gap inside the edge", 2, {2, 2}, black},
            {"first square", 2, {4, 10}, pattern},
            {"first square far side", 2, {16, 16}, pattern},
            {"gap after the first", 2, {5, 5}, black},
            {"gap before the second", 2, {6, 10}, black},
            {"second square", 2, {7, 10}, pattern},
            {"gap after the second", 2, {8, 8}, black},
            {"centre dot", 2, {10, 10}, pattern},
            {"solid fill", 1, {5, 5}, pattern},
            {"solid light edge", 1, {1, 1}, light},
            {"solid dark edge", 1, {19, 19}, dark},
            {"solid outline", 1, {20, 0}, black},
            {"green fill", 7, {5, 5}, qRgb(0, 120, 0)},
            {"purple dark edge", 9, {10, 19}, qRgb(85, 0, 85)},
            {"red transparent edge", 6, {1, 5}, qRgb(208, 0, 0)},
            {"empty", 0, {5, 5}, black},
        };
        for (const Row& r : rows)
            QTest::newRow(r.name) << r.colour << r.pixel << r.rgb;
    }
    void drawCell() {
        QFETCH(int, colour);
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, rgb);
        frame::ImageCanvas canvas(40, 40);
        canvas.FilledBox(0, 0, 39, 39, Qt::white);  // whatever was there before is drawn over
        DrawCell(canvas, 1, 1, colour, 20, kPitBackground);
        QCOMPARE(canvas.Pixel(pixel.x(), pixel.y()).rgb(), rgb);
    }

    // Every colour number of the table: the fill of a solid cell (the pattern of a transparent one, whose
    // inside shows the background), its light top and left edge and its dark bottom and right edge.
    void colourTable_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QRgb>("fill");
        QTest::addColumn<QRgb>("light");
        QTest::addColumn<QRgb>("dark");
        const QRgb black = qRgb(0, 0, 0);
        QTest::newRow("0 empty") << 0 << black << black << black;
        QTest::newRow("1 yellow") << 1 << qRgb(227, 227, 0) << qRgb(255, 255, 83) << qRgb(151, 151, 0);
        QTest::newRow("2 yellow transparent")
            << 2 << qRgb(227, 227, 0) << qRgb(255, 255, 83) << qRgb(151, 151, 0);
        QTest::newRow("3 blue") << 3 << qRgb(69, 65, 250) << qRgb(84, 128, 228) << qRgb(12, 5, 97);
        QTest::newRow("4 blue transparent")
            << 4 << qRgb(69, 65, 250) << qRgb(84, 128, 228) << qRgb(12, 5, 97);
        QTest::newRow("5 red") << 5 << qRgb(171, 16, 39) << qRgb(208, 0, 0) << qRgb(106, 0, 0);
        QTest::newRow("6 red transparent") << 6 << qRgb(171, 16, 39) << qRgb(208, 0, 0) << qRgb(106, 0, 0);
        QTest::newRow("7 green") << 7 << qRgb(0, 120, 0) << qRgb(0, 179, 0) << qRgb(0, 64, 0);
        QTest::newRow("8 orange") << 8 << qRgb(255, 128, 0) << qRgb(255, 165, 174) << qRgb(200, 100, 0);
        QTest::newRow("9 purple") << 9 << qRgb(181, 74, 154) << qRgb(219, 0, 219) << qRgb(85, 0, 85);
    }
    void colourTable() {
        QFETCH(int, colour);
        QFETCH(QRgb, fill);
        QFETCH(QRgb, light);
        QFETCH(QRgb, dark);
        frame::ImageCanvas canvas(40, 40);
        canvas.FilledBox(0, 0, 39, 39, Qt::white);
        DrawCell(canvas, 1, 1, colour, 20, kPitBackground);
        const bool transparent = colour == 2 || colour == 4 || colour == 6;
        QCOMPARE(canvas.Pixel(4, 10).rgb(), fill);  // on the first nested square of a pattern
        QCOMPARE(canvas.Pixel(5, 5).rgb(), transparent ? qRgb(0, 0, 0) : fill);
        QCOMPARE(canvas.Pixel(10, 1).rgb(), light);
        QCOMPARE(canvas.Pixel(1, 10).rgb(), light);
        QCOMPARE(canvas.Pixel(10, 19).rgb(), dark);
        QCOMPARE(canvas.Pixel(19, 10).rgb(), dark);
    }

    // The pattern alone: outlines three pixels apart up to the middle, odd sizes rounding half to even.
    void drawTransparent() {
        frame::ImageCanvas canvas(30, 30);
        canvas.SetForeColor(Qt::blue);
        DrawTransparent(canvas, 1, 1, 17, 3, 1);  // half of 17 rounds to 8: outlines at 0, 3 and 6
        const QRgb blue = qRgb(0, 0, 255), black = qRgb(0, 0, 0);
        QCOMPARE(canvas.Pixel(1, 9).rgb(), blue);
        QCOMPARE(canvas.Pixel(18, 18).rgb(), blue);
        QCOMPARE(canvas.Pixel(4, 9).rgb(), blue);
        QCOMPARE(canvas.Pixel(15, 15).rgb(), blue);
        QCOMPARE(canvas.Pixel(7, 9).rgb(), blue);
        QCOMPARE(canvas.Pixel(12, 12).rgb(), blue);
        QCOMPARE(canvas.Pixel(9, 9).rgb(), black);
        QCOMPARE(canvas.Pixel(2, 2).rgb(), black);
        QCOMPARE(canvas.Pixel(19, 19).rgb(), black);
    }

    // Wide windows give the pit the whole height, narrow ones the whole width; the pair of pit and
    // status bar is centred, the caption line too.
    void layout_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("pitLeft");
        QTest::addColumn<int>("captionLeft");
        QTest::newRow("wide") << QSize(800, 600) << 30 << 248 << 350;
        QTest::newRow("narrow") << QSize(200, 800) << 15 << 8 << 50;
        QTest::newRow("caption wider than the window") << QSize(90, 300) << 1 << 8 << 7;
    }
    void layout() {
        QFETCH(QSize, window);
        QFETCH(int, cell);
        QFETCH(int, pitLeft);
        QFETCH(int, captionLeft);
        const Layout l = ComputeLayout(window.width(), window.height(), 65, 100, 16);
        QCOMPARE(l.cellSize, cell);
        QCOMPARE(l.pitWidth, 8 * cell);
        QCOMPARE(l.pitHeight, 18 * cell);
        QCOMPARE(l.statusHeight, l.pitHeight);
        QCOMPARE(l.pitLeft, pitLeft);
        QCOMPARE(l.statusLeft, pitLeft + 8 * cell);
        QCOMPARE(l.pitTop, 30);
        QCOMPARE(l.captionLeft, captionLeft);
        QCOMPARE(l.captionTop, window.height() - 7 - 16);
    }

    // The frame: margins shading towards the pit, grey 82 lines beside the status bar, grey 96 outside.
    void windowBackground() {
        const Layout l = ComputeLayout(800, 600, 65, 100, 16);
        frame::ImageCanvas canvas(800, 600);
        DrawWindowBackground(canvas, l);
        const int T = l.pitTop, H = l.pitHeight, R = l.statusLeft + 65;
        QCOMPARE(canvas.Pixel(0, T + 100).rgb(), Grey(96));
        QCOMPARE(canvas.Pixel((l.pitLeft - 2) / 2, T + 100).rgb(), Grey(72));
        QCOMPARE(canvas.Pixel(l.pitLeft - 2, T + 100).rgb(), Grey(48));
        QCOMPARE(canvas.Pixel(R + 1, T + 100).rgb(), Grey(82));
        QCOMPARE(canvas.Pixel(799, T + 100).rgb(), Grey(96));
        QCOMPARE(canvas.Pixel(400, 2).rgb(), Grey(96));
        QCOMPARE(canvas.Pixel(400, T).rgb(), Grey(40));
        QCOMPARE(canvas.Pixel(0, T - 7).rgb(), Grey(96));
        QCOMPARE(canvas.Pixel(400, T + H + 1).rgb(), Grey(48));
        QCOMPARE(canvas.Pixel(400, 599).rgb(), Grey(96));
    }

    // However small the window, layout and every drawing step run and stay inside sensible numbers;
    // the cell size may be 0. 69 px wide leaves a 2 px margin, 65 px puts the status bar at the edge.
    void tinyWindows_data() {
        QTest::addColumn<QSize>("window");
        for (QSize s : {QSize(0, 0), QSize(1, 1), QSize(10, 10), QSize(60, 40), QSize(65, 200),
                        QSize(69, 200), QSize(80, 90), QSize(200, 30), QSize(1000, 20)}) {
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
        }
    }
    void tinyWindows() {
        QFETCH(QSize, window);
        const Layout l = ComputeLayout(window.width(), window.height(), 65, 100, 16);
        QVERIFY(l.cellSize >= 0);
        QCOMPARE(l.pitWidth, 8 * l.cellSize);
        frame::ImageCanvas background(std::max(window.width(), 1), std::max(window.height(), 1));
        DrawWindowBackground(background, l);
        frame::ImageCanvas pit(std::max(l.pitWidth, 1), std::max(l.pitHeight, 1));
        for (int colour = 0; colour <= 9; ++colour)
            DrawCell(pit, 1 + colour % 8, 1 + colour, colour, l.cellSize, kPitBackground);
        EraseRowBar(pit, 3, l.cellSize);
        frame::ImageCanvas status(65, std::max(l.statusHeight, 1));
        Matrix piece{};
        piece[2][1] = piece[2][2] = kTransparent;
        piece[3][2] = kSolid;
        PaintNextBlock(status, piece, kRed, 2, l.cellSize, 27, 102);
        if (window.width() == 69) QCOMPARE(l.pitLeft, 2);
        if (window.width() == 65) QCOMPARE(l.statusLeft + 65, 65);
        if (window.height() > 40 && l.pitLeft > 2) QCOMPARE(background.Pixel(0, 30).rgb(), Grey(96));
    }

    // The preview uses cells of at most 18 px, is centred, shifts a piece with one empty side column by
    // half a cell, and clears the piece drawn before.
    void paintNextBlock() {
        frame::ImageCanvas status(65, 300);
        status.SetBackColor(kStatusBackground);
        status.Clear();
        const QRgb blue = qRgb(69, 65, 250), bg = kStatusBackground.rgb();
        Matrix corner{};
        corner[2][1] = corner[2][2] = corner[3][2] = kSolid;
        PaintNextBlock(status, corner, kBlue, 2, 40, 27, 102);
        // Cells of 18 px from ox = 6 - 9: middle column at 15..33, right column at 33..51; top at 34.
        QCOMPARE(status.Pixel(24, 61).rgb(), blue);
        QCOMPARE(status.Pixel(48, 61).rgb(), blue);
        QCOMPARE(status.Pixel(55, 61).rgb(), bg);
        QCOMPARE(status.Pixel(24, 43).rgb(), blue);
        Matrix lying{};
        lying[1][2] = lying[2][2] = lying[3][2] = kTransparent;
        PaintNextBlock(status, lying, kBlue, 1, 40, 27, 102);
        // Entry row 1: the bar is drawn in preview row 1, from x = 6.
        QCOMPARE(status.Pixel(48, 61).rgb(), bg);
        QCOMPARE(status.Pixel(24, 61).rgb(), bg);
        QCOMPARE(status.Pixel(10, 43).rgb(), blue);
        QCOMPARE(status.Pixel(13, 43).rgb(), blue);
        QCOMPARE(status.Pixel(11, 43).rgb(), bg);
    }
};

ARCADE_TEST_GUILESS_MAIN(TestRender)
#include "tst_render.moc"
