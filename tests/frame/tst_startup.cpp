#include <QTemporaryDir>
#include <QtTest>

#include "frame/settingsstore.h"
#include "quadrelle/formplunko.h"
#include "vantorel/formplunko.h"
#include "zephlon/formzephlon.h"

// The three programs open their main window with their name as caption and close cleanly.
class TestStartup : public QObject {
    Q_OBJECT
    QTemporaryDir m_config;

private slots:
    void initTestCase() { frame::SettingsStore::SetDefaultDirectory(m_config.path()); }

    void windowsOpenAndClose() {
        auto check = [](QWidget* w, const QString& caption) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QCOMPARE(w->windowTitle(), caption);
            QVERIFY(w->close());
            delete w;
        };
        check(new FormZephlon, "Zephlon");
        check(new quadrelle::FormPlunko, "Quadrelle");
        check(new vantorel::FormPlunko, "Vantorel");
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
