// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "frame/canvas.h"
#include "frame/drawsurface.h"
#include "support/testmain.h"

using frame::ImageCanvas;

namespace {

// Counts the pixels of a colour.
int count(const frame::Canvas& c, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            n += c.Pixel(x, y) == colour;
    return n;
}

}  // namespace

class TestCanvas : public QObject {
    Q_OBJECT
  private slots:
    void lineLeavesOutItsEndPoint_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("pixels");
        QTest::newRow("right") << QPoint(0, 0) << QPoint(3, 0) << 3;
        QTest::newRow("left") << QPoint(3, 0) << QPoint(0, 0) << 3;
        QTest::newRow("down") << QPoint(2, 1) << QPoint(2, 6) << 5;
        QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(4, 4) << 4;
        QTest::newRow("point") << QPoint(1, 1) << QPoint(1, 1) << 0;
    }
    void lineLeavesOutItsEndPoint() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, pixels);
        for (qreal dpr : {1.0, 2.0}) {
            ImageCanvas c(8, 8, dpr);
            c.Clear();
            c.SetForeColor(Qt::white);
            c.Line(from.x(), from.y(), to.x(), to.y());
            QCOMPARE(count(c, Qt::white), pixels);
            if (pixels) {
                QCOMPARE(c.Pixel(from.x(), from.y()), QColor(Qt::white));
                QCOMPARE(c.Pixel(to.x(), to.y()), QColor(Qt::black));
            }
            // At a device pixel ratio of 2 each logical pixel is a crisp 2 x 2 block.
            QCOMPARE(c.Image().size(), QSize(int(8 * dpr), int(8 * dpr)));
        }
    }

    void solidBoxHasBorderAndInside() {
        ImageCanvas c(10, 10);
        c.Clear();
        c.SetForeColor(Qt::red);
        c.SetFillColor(Qt::blue);
        c.SetFillStyle(frame::FillStyle::Solid);
        c.Box(1, 1, 5, 4);
        QCOMPARE(count(c, Qt::red), 14);  // 5 x 4 outline
        QCOMPARE(count(c, Qt::blue), 6);  // 3 x 2 inside
        QCOMPARE(c.Pixel(1, 1), QColor(Qt::red));
        QCOMPARE(c.Pixel(5, 4), QColor(Qt::red));
        QCOMPARE(c.Pixel(2, 2), QColor(Qt::blue));
        c.SetFillStyle(frame::FillStyle::Transparent);
        c.SetForeColor(Qt::green);
        c.Box(1, 1, 5, 4);
        QCOMPARE(count(c, Qt::green), 14);
        QCOMPARE(count(c, Qt::blue), 6);  // a transparent box leaves the inside alone
    }

    void filledBoxAndClear() {
        ImageCanvas c(6, 6);
        c.SetBackColor(QColor(24, 24, 24));
        c.Clear();
        QCOMPARE(count(c, QColor(24, 24, 24)), 36);
        c.FilledBox(4, 4, 2, 2, Qt::yellow);  // corners in any order, both included
        QCOMPARE(count(c, Qt::yellow), 9);
        c.FilledBox(-5, -5, 100, 0, Qt::cyan);  // clipped, never out of bounds
        QCOMPARE(count(c, Qt::cyan), 6);
    }

    void surfaceRepaintsOnlyWhatWasTouched() {
        frame::DrawSurface s;
        s.SetSurfaceSize(40, 30);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        s.SetBackColor(Qt::black);
        s.Clear();
        s.FilledBox(3, 4, 5, 6, Qt::white);
        QCOMPARE(s.Pixel(4, 5), QColor(Qt::white));
        // Resizing keeps what was drawn.
        s.SetSurfaceSize(60, 50);
        QCOMPARE(s.Pixel(4, 5), QColor(Qt::white));
        const QImage grabbed = s.grab().toImage();
        QCOMPARE(
            QColor(grabbed.pixel(int(4 * grabbed.devicePixelRatio()), int(5 * grabbed.devicePixelRatio()))),
            QColor(Qt::white));
    }
};

ARCADE_TEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
