// SPDX-License-Identifier: GPL-3.0-or-later
#include <QScreen>
#include <QtTest>

#include "dialogs/art.h"
#include "dialogs/formsplash.h"
#include "support/testmain.h"

class TestSplashArt : public QObject {
    Q_OBJECT
  private slots:
    void splashEnds_data();
    void splashEnds();
    void pictures_data();
    void pictures();
    void icons();
};

void TestSplashArt::splashEnds_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("timer") << "timer";
    QTest::newRow("key") << "key";
    QTest::newRow("click") << "click";
}

void TestSplashArt::splashEnds() {
    QFETCH(QString, how);
    int mainShown = 0;
    dialogs::FormSplash splash([&mainShown] { ++mainShown; });
    splash.ShowCentred();
    QVERIFY(splash.isVisible());
    QCOMPARE(splash.size(), QSize(344, 134));
    QCOMPARE(splash.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    QVERIFY(splash.Timer1.isActive());
    QCOMPARE(splash.Timer1.interval(), 3000);
    QCOMPARE(mainShown, 0);

    if (how == QLatin1String("timer")) {
        // Fire the real timer at once instead of waiting three seconds.
        QSignalSpy fired(&splash.Timer1, &QTimer::timeout);
        splash.Timer1.start(0);
        QVERIFY(fired.wait());
    }
    if (how == QLatin1String("key")) QTest::keyClick(&splash, Qt::Key_Space);
    if (how == QLatin1String("click")) QTest::mouseClick(&splash, Qt::LeftButton);

    QCOMPARE(mainShown, 1);
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.Timer1.isActive());
    // Whatever arrives late (the timer after a key, a second click) opens no second main window.
    splash.Timer1_Timer();
    QTest::mouseClick(&splash, Qt::LeftButton);
    QCOMPARE(mainShown, 1);
}

void TestSplashArt::pictures_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::newRow("splash") << dialogs::kSplashPicturePath << QSize(344, 134);
    QTest::newRow("logo") << dialogs::kZephlonLogoPath << QSize(240, 64);
    QTest::newRow("image256") << dialogs::kImage256Path << QSize(64, 64);
    QTest::newRow("maker") << dialogs::kMakerEmblemPath << QSize(64, 64);
    QTest::newRow("zephlon icon") << dialogs::ProgramIconPath(frame::Program::Zephlon) << QSize(256, 256);
    QTest::newRow("quadrelle icon") << dialogs::ProgramIconPath(frame::Program::Quadrelle) << QSize(256, 256);
    QTest::newRow("vantorel icon") << dialogs::ProgramIconPath(frame::Program::Vantorel) << QSize(256, 256);
}

void TestSplashArt::pictures() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QPixmap picture = dialogs::RenderPicture(path);
    QVERIFY2(!picture.isNull(), qPrintable(path));
    QCOMPARE(picture.deviceIndependentSize().toSize(), size);
    // Something is drawn: the picture is not one flat colour.
    const QImage image = picture.toImage();
    const QRgb corner = image.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; y += 3) {
        for (int x = 0; x < image.width() && !varied; x += 3)
            varied = image.pixel(x, y) != corner;
    }
    QVERIFY(varied);
}

void TestSplashArt::icons() {
    // Each program's icon holds a 16 px rendering distinct from the other programs' icons.
    QList<QImage> small;
    for (frame::Program program :
         {frame::Program::Zephlon, frame::Program::Quadrelle, frame::Program::Vantorel}) {
        const QIcon icon = dialogs::ProgramIcon(program);
        QVERIFY(!icon.isNull());
        small << icon.pixmap(QSize(16, 16)).toImage();
        QVERIFY(!small.last().isNull());
    }
    QVERIFY(small[0] != small[1] && small[1] != small[2] && small[0] != small[2]);
}

ARCADE_TEST_MAIN(TestSplashArt)
#include "tst_splashart.moc"
