// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "frame/desktop.h"
#include "frame/settingsstore.h"
#include "quadrelle/formplunko.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "vantorel/formplunko.h"
#include "zephlon/formzephlon.h"

Q_DECLARE_METATYPE(frame::Program)

// The three programs open their main window with their name as caption and close cleanly.
class TestStartup : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:

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

    // --help and --version answer before any window (or display) is needed; anything else is left to Qt.
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");  // -1: the program goes on to open its window
        QTest::addColumn<QString>("output");
        QTest::newRow("none") << QStringList{"zephlon"} << -1 << "";
        const QString version = QStringLiteral("Zephlon " ARCADE_VERSION "\nLicense GPL-3.0-or-later");
        QTest::newRow("version") << QStringList{"zephlon", "--version"} << 0 << version;
        QTest::newRow("short version") << QStringList{"zephlon", "-v"} << 0 << version;
        QTest::newRow("help after a Qt option")
            << QStringList{"zephlon", "-platform", "offscreen", "--help"} << 0 << "Usage: zephlon [options]";
        QTest::newRow("Qt option") << QStringList{"zephlon", "-style", "fusion"} << -1 << "";
        QTest::newRow("after --") << QStringList{"zephlon", "--", "--version"} << -1 << "";
        // A recorded game to watch opens the window; without its file the command is refused.
        QTest::newRow("replay") << QStringList{"zephlon", "--replay", "game.replay"} << -1 << "";
        QTest::newRow("replay without a file") << QStringList{"zephlon", "--replay"} << 2 << "";
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, output);
        QString text;
        QTextStream out(&text);
        const std::optional<int> result = frame::HandleCommandLine(frame::Program::Zephlon, arguments, out);
        out.flush();
        QCOMPARE(result.value_or(-1), code);
        if (code == -1 && arguments.contains(QStringLiteral("--replay")))
            QCOMPARE(frame::ReplayArgument(arguments), QStringLiteral("game.replay"));
        if (output.isEmpty())
            QVERIFY2(text.isEmpty(), qPrintable(text));
        else
            QVERIFY2(text.startsWith(output), qPrintable(text));
    }

    // The running program announces the name its launcher, icon and metainfo are installed under.
    void desktopIdentity_data() {
        QTest::addColumn<frame::Program>("program");
        QTest::newRow("Zephlon") << frame::Program::Zephlon;
        QTest::newRow("Quadrelle") << frame::Program::Quadrelle;
        QTest::newRow("Vantorel") << frame::Program::Vantorel;
    }
    void desktopIdentity() {
        QFETCH(frame::Program, program);
        frame::IdentifyApplication(program);
        const QString id = QGuiApplication::desktopFileName();
        QCOMPARE(id, frame::DesktopFileName(program));
        QCOMPARE(QCoreApplication::applicationName(), frame::ProgramName(program));
        const QDir desktop(QStringLiteral(ARCADE_SOURCE_DIR "/resources/desktop"));
        QFile launcher(desktop.filePath(id + QStringLiteral(".desktop")));
        QVERIFY2(launcher.open(QIODevice::ReadOnly), qPrintable(launcher.fileName()));
        const QString text = QString::fromUtf8(launcher.readAll());
        QVERIFY(text.contains(QStringLiteral("\nIcon=") + id + QStringLiteral("\n")));
        QVERIFY(
            text.contains(QStringLiteral("\nExec=") + frame::CommandName(program) + QStringLiteral("\n")));
        QVERIFY(QFile::exists(desktop.filePath(id + QStringLiteral(".metainfo.xml"))));
    }
};

ARCADE_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
