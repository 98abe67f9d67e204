// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "quadrelle/renderer.h"
#include "support/testmain.h"

using namespace quadrelle;

namespace {

// A layout input whose available area (window less margins, status bar and credit line) is w x h.
LayoutInput available(int w, int h) {
    LayoutInput in;
    in.labelBWHeight = 13;
    in.labelBW0Width = 60;
    in.labelBWWidth = 50;
    in.scaleWidth = w + 14 + kStatusBarWidth;
    in.scaleHeight = h + 14 + in.labelBWHeight + 30;
    return in;
}

// Bounding box of the pixels that differ from the background colour.
QRect drawnBox(const frame::ImageCanvas& c, const QColor& background) {
    QRect box;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

class TestQuadrelleRender : public QObject {
    Q_OBJECT

  private slots:
    void layout_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("wellWidth");
        QTest::addColumn<int>("wellHeight");
        QTest::newRow("300 x 500") << 300 << 500 << 25 << 250 << 500;
        QTest::newRow("200 x 500") << 200 << 500 << 20 << 200 << 400;
        QTest::newRow("209 x 419") << 209 << 419 << 20 << 200 << 400;
        QTest::newRow("tiny") << 5 << 5 << 0 << 0 << 0;
        QTest::newRow("smaller than the margins") << -60 << -40 << 0 << 0 << 0;
    }
    void layout() {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, cell);
        QFETCH(int, wellWidth);
        QFETCH(int, wellHeight);
        const LayoutInput in = available(w, h);
        const Layout l = ComputeLayout(in);
        QCOMPARE(l.cellSize, cell);
        QCOMPARE(l.wellWidth, wellWidth);
        QCOMPARE(l.wellHeight, wellHeight);
        QCOMPARE(l.statusHeight, wellHeight);
        QCOMPARE(l.wellTop, 30);
        // Well and status bar form one block centred in the window.
        QCOMPARE(l.statusLeft, l.wellLeft + l.wellWidth);
        QVERIFY(qAbs(l.wellLeft - (in.scaleWidth - l.statusLeft - l.statusWidth)) <= 1);

        // Drawing on such a layout never fails, however small.
        frame::ImageCanvas window(std::max(1, in.scaleWidth), std::max(1, in.scaleHeight));
        ShadeMargins(window, l, in.scaleWidth);
        frame::ImageCanvas well(std::max(1, l.wellWidth), std::max(1, l.wellHeight));
        DrawCell(well, 10, 20, 3, false, l.cellSize);
        DrawRowBar(well, 20, l.cellSize);
    }

    void marginsDarkenTowardsTheBlock() {
        const LayoutInput in = available(300, 500);
        const Layout l = ComputeLayout(in);
        frame::ImageCanvas window(in.scaleWidth, in.scaleHeight);
        window.SetBackColor(kWindowGrey);
        window.Clear();
        ShadeMargins(window, l, in.scaleWidth);
        const int y = l.wellTop + 10;
        QCOMPARE(window.Pixel(0, y), kWindowGrey);
        QCOMPARE(window.Pixel(l.wellLeft - 2, y), kEdgeGrey);
        QCOMPARE(window.Pixel(l.statusLeft + l.statusWidth, y), kEdgeGrey);
        QVERIFY(window.Pixel(in.scaleWidth - 1, y).red() > 90);
        QCOMPARE(window.Pixel(l.wellLeft + 5, l.wellTop - 1), kEdgeGrey);
        QCOMPARE(window.Pixel(l.wellLeft + 5, 0), kWindowGrey);
    }

    void previewNeverAbove16Pixels_data() {
        QTest::addColumn<int>("cellSize");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("left");
        QTest::newRow("bar, cell 10") << 10 << 0 << 10 << 4 << 1;
        QTest::newRow("bar, cell 16") << 16 << 0 << 16 << 4 << 1;
        QTest::newRow("bar, cell 40") << 40 << 0 << 16 << 4 << 1;
        QTest::newRow("T, cell 40: centred half a cell right") << 40 << 1 << 16 << 3 << 9;
        QTest::newRow("square, cell 25") << 25 << 6 << 16 << 2 << 17;
    }
    void previewNeverAbove16Pixels() {
        QFETCH(int, cellSize);
        QFETCH(int, k);
        QFETCH(int, s);
        QFETCH(int, columns);
        QFETCH(int, left);
        frame::ImageCanvas next(kStatusBarWidth, kPreviewHeight);
        next.SetBackColor(Qt::white);
        next.Clear();
        PaintNextBlock(next, Engine::PieceMatrix(k), Engine::PieceEntry(k).y, Engine::PieceColour(k),
                       static_cast<int16_t>(cellSize), kStatusBarWidth);
        const QRect box = drawnBox(next, kPanelGrey);
        QCOMPARE(box.left(), left);
        QCOMPARE(box.width(), columns * s - 1);
        QCOMPARE(box.top(), 7 + 1);  // every piece starts in preview row 1
    }

    void cellColours_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("expected");
        // Cell (2, 3) of size 20: L 20, T 40, R 40, B 60.
        QTest::newRow("border") << 1 << false << QPoint(20, 40) << QColor(0, 0, 0);
        QTest::newRow("highlight top") << 1 << false << QPoint(30, 41) << QColor(255, 0, 0);
        QTest::newRow("highlight left") << 1 << false << QPoint(21, 50) << QColor(255, 0, 0);
        QTest::newRow("body") << 1 << false << QPoint(30, 50) << QColor(178, 0, 0);
        QTest::newRow("shadow bottom") << 1 << false << QPoint(30, 59) << QColor(144, 0, 0);
        QTest::newRow("shadow right") << 1 << false << QPoint(39, 50) << QColor(144, 0, 0);
        QTest::newRow("grey body") << 2 << false << QPoint(30, 50) << QColor(89, 89, 89);
        QTest::newRow("cyan highlight") << 7 << false << QPoint(30, 41) << QColor(0, 255, 255);
        QTest::newRow("empty in the well") << 0 << false << QPoint(30, 50) << QColor(0, 0, 0);
        QTest::newRow("empty in the preview") << 0 << true << QPoint(30, 42) << kPanelGrey;
        QTest::newRow("preview border") << 5 << true << QPoint(16, 32) << kPanelGrey;
        QTest::newRow("preview body, 16 px") << 5 << true << QPoint(24, 40) << QColor(0, 178, 0);
    }
    void cellColours() {
        QFETCH(int, colour);
        QFETCH(bool, preview);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, expected);
        frame::ImageCanvas c(200, 400);
        c.SetBackColor(Qt::white);
        c.Clear();
        DrawCell(c, 2, 3, colour, preview, 20);
        QCOMPARE(c.Pixel(pixel.x(), pixel.y()), expected);
    }

    // Fill, highlight and shadow of every colour number, read off a well cell (2, 3) of size 20.
    void colourTable_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("highlight");
        QTest::addColumn<QColor>("shadow");
        const QColor black(0, 0, 0);
        QTest::newRow("0, empty") << 0 << black << black << black;
        QTest::newRow("1") << 1 << QColor(178, 0, 0) << QColor(255, 0, 0) << QColor(144, 0, 0);
        QTest::newRow("2") << 2 << QColor(89, 89, 89) << QColor(128, 128, 128) << QColor(64, 64, 64);
        QTest::newRow("3") << 3 << QColor(178, 0, 178) << QColor(255, 0, 255) << QColor(144, 0, 144);
        QTest::newRow("4") << 4 << QColor(178, 178, 0) << QColor(255, 255, 0) << QColor(144, 144, 0);
        QTest::newRow("5") << 5 << QColor(0, 178, 0) << QColor(0, 255, 0) << QColor(0, 144, 0);
        QTest::newRow("6") << 6 << QColor(0, 0, 178) << QColor(0, 0, 255) << QColor(0, 0, 144);
        QTest::newRow("7") << 7 << QColor(0, 178, 178) << QColor(0, 255, 255) << QColor(0, 144, 144);
    }
    void colourTable() {
        QFETCH(int, colour);
        QFETCH(QColor, fill);
        QFETCH(QColor, highlight);
        QFETCH(QColor, shadow);
        frame::ImageCanvas c(200, 400);
        c.SetBackColor(Qt::white);
        c.Clear();
        DrawCell(c, 2, 3, colour, false, 20);
        QCOMPARE(c.Pixel(30, 50), fill);
        QCOMPARE(c.Pixel(30, 41), highlight);
        QCOMPARE(c.Pixel(21, 50), highlight);
        QCOMPARE(c.Pixel(30, 59), shadow);
        QCOMPARE(c.Pixel(39, 50), shadow);
    }

    void erasedRowShowsABlackBar() {
        frame::ImageCanvas well(100, 200);
        for (int16_t x = 1; x <= 10; ++x)
            for (int16_t y = 2; y <= 4; ++y)
                DrawCell(well, x, y, 4, false, 10);
        DrawRowBar(well, 3, 10);
        for (int x = 0; x < 100; x += 7)
            QCOMPARE(well.Pixel(x, 25), QColor(0, 0, 0));
        QCOMPARE(well.Pixel(55, 15), QColor(178, 178, 0));
        QCOMPARE(well.Pixel(55, 35), QColor(178, 178, 0));
    }
};

ARCADE_TEST_GUILESS_MAIN(TestQuadrelleRender)
#include "tst_quadrelle_render.moc"
