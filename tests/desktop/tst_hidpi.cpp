// SPDX-License-Identifier: GPL-3.0-or-later
// The three windows on a screen of twice the density: every drawing surface keeps a back buffer of the
// screen's own pixels, and Zephlon's blocks show the finer detail instead of enlarged lines.
#include <QApplication>
#include <QtTest>
#include <memory>

#include "frame/drawsurface.h"
#include "frame/endprocess.h"
#include "frame/settingsstore.h"
#include "frame/soundcues.h"
#include "quadrelle/formplunko.h"
#include "support/tempsettings.h"
#include "vantorel/formplunko.h"
#include "zephlon/engine.h"
#include "zephlon/formzephlon.h"
#include "zephlon/renderer.h"

namespace {

// Every draw 0.9: blocks with all four pipes.
bool ShowActive(QWidget& w) {
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

// The surface's back buffer holds one pixel per device pixel.
void CheckDensity(const frame::DrawSurface* surface) {
    QVERIFY(surface->width() > 1);
    QCOMPARE(surface->DevicePixelRatio(), 2.0);
    QCOMPARE(surface->Image().size(), surface->size() * 2);
}

}  // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void zephlonBlocksAtDeviceDetail() {
        FormZephlon w(nullptr, frame::RandomSource([] { return 0.9; }),
                      std::make_unique<frame::SilentCueBackend>());
        w.SetAsker([](const QString&) { return false; });
        QVERIFY(ShowActive(w));
        w.MenuOriginal->trigger();
        QTest::keyClick(&w, Qt::Key_Return);
        w.Timer1_Timer();
        QCOMPARE(w.Engine().Context().gameState, zephlon::GameState::Falling);
        for (const frame::DrawSurface* s : {w.PictureBg, w.PictureStatusBar, w.PictureNext, w.PictureBlock})
            CheckDensity(s);

        // The falling block's middle grey lines are one device pixel across: a mid pixel never has mid
        // neighbours on both axes, as it would in a line enlarged from 1x.
        const QImage& sprite = w.PictureBlock->Image();
        auto mid = [&sprite](int x, int y) {
            return sprite.valid(x, y) && QColor(sprite.pixel(x, y)) == zephlon::kPipeMid;
        };
        int found = 0;
        for (int y = 0; y < sprite.height(); ++y) {
            for (int x = 0; x < sprite.width(); ++x) {
                if (!mid(x, y)) continue;
                ++found;
                const bool across = mid(x - 1, y) || mid(x + 1, y);
                const bool along = mid(x, y - 1) || mid(x, y + 1);
                QVERIFY2(!(across && along), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(found > w.CellSize());
    }

    void quadrelleSurfaces() {
        quadrelle::FormPlunko w;
        w.SetAsker([](const QString&, const QString&) { return false; });
        w.SetRandomSource([] { return 0.0; });
        QVERIFY(ShowActive(w));
        w.Start_Click();
        for (const frame::DrawSurface* s : {w.PictureBg, w.PictureStatusBar, w.PictureNext})
            CheckDensity(s);
    }

    void vantorelSurfaces() {
        vantorel::FormPlunkoHooks hooks;
        hooks.random = [] { return 0.3; };
        hooks.cueBackend = std::make_unique<frame::SilentCueBackend>();
        vantorel::FormPlunko w(std::move(hooks));
        QVERIFY(ShowActive(w));
        w.Start->trigger();
        for (const frame::DrawSurface* s : {w.PictureBg, w.PictureStatusBar})
            CheckDensity(s);
    }
};

static int runTests(int argc, char** argv) {
    // Set before the application exists: Qt reads the scale factor once, at start.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

int main(int argc, char** argv) {
    frame::EndProcess(runTests(argc, argv));
}

#include "tst_hidpi.moc"
