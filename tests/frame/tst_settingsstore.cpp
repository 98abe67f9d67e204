#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "frame/options.h"
#include "frame/settingsstore.h"

using frame::Program;
using frame::SettingsStore;

class TestSettingsStore : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
    void writeFile(const QString& file, const QByteArray& text) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

  private slots:
    void typedReaders_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("expected");
        // Values from the hand-written file below, read with default 7 and range -100..1000 (16-bit).
        QTest::newRow("plain") << "Plain" << 42;
        QTest::newRow("mixed-case key") << "mixedcase" << 5;
        QTest::newRow("spaces around") << "Spaced" << 12;
        QTest::newRow("negative") << "Negative" << -3;
        QTest::newRow("not a number") << "Garbage" << 7;
        QTest::newRow("fraction") << "Fraction" << 7;
        QTest::newRow("above range") << "Huge" << 7;
        QTest::newRow("beyond 64 bits") << "Enormous" << 7;
        QTest::newRow("empty") << "Empty" << 7;
        QTest::newRow("missing") << "Missing" << 7;
        QTest::newRow("hex") << "Hex" << 7;
    }
    void typedReaders() {
        QFETCH(QString, key);
        QFETCH(int, expected);
        const QString file = path("typed.ini");
        writeFile(file,
                  "[oPTIONS]\nPlain=42\nMIXEDcase=5\nSpaced=  12  \nNegative=-3\nGarbage=abc\nFraction=1.5\n"
                  "Huge=40000\nEnormous=99999999999999999999999\nEmpty=\nHex=0x10\n");
        SettingsStore store("Test", file);
        QCOMPARE(int(store.ReadInt16("Options", key, 7, -100, 1000)), expected);
    }

    void flagsAreExactlyYes_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("expected");
        QTest::newRow("Yes") << QByteArray("Yes") << true;
        QTest::newRow("yes") << QByteArray("yes") << false;
        QTest::newRow("YES") << QByteArray("YES") << false;
        QTest::newRow("No") << QByteArray("No") << false;
        QTest::newRow("1") << QByteArray("1") << false;
    }
    void flagsAreExactlyYes() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, expected);
        const QString file = path("flags.ini");
        writeFile(file, "[Options]\nSound=" + stored + "\n");
        SettingsStore store("Test", file);
        QCOMPARE(store.ReadFlag("Options", "Sound", !expected), expected);
    }

    void keysIgnoreCaseAndNeverDuplicate() {
        const QString file = path("case.ini");
        {
            SettingsStore store("Zephlon", file);
            store.WriteSetting("Options", "GameMode", "1");
            store.WriteSetting("options", "gameMode", "0");
            QVERIFY(store.Flush());
        }
        SettingsStore again("Zephlon", file);
        QCOMPARE(again.ReadSetting("Options", "GameMode", "x"), QString("0"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QCOMPARE(text.count("gamemode", Qt::CaseInsensitive), 1);
        QCOMPARE(text.count("[options]", Qt::CaseInsensitive), 1);
    }

    void writeThenReadInFreshStore() {
        const QString file = path("fresh.ini");
        const QString odd = QStringLiteral("line one\nline = two \\ [x] é");
        {
            SettingsStore store("Quadrelle", file);
            store.WriteSetting("Scores", "1Name", odd);
            store.WriteInt("Scores", "1Score", 2147483647);
            store.WriteFlag("Options", "Sound", false);
        }  // the destructor writes
        SettingsStore store("Quadrelle", file);
        QCOMPARE(store.ReadSetting("Scores", "1name", ""), odd);
        QCOMPARE(store.ReadInt32("Scores", "1Score", 0), 2147483647);
        QCOMPARE(store.ReadFlag("Options", "Sound", true), false);
        QCOMPARE(store.ReadSetting("Nowhere", "Nothing", "default"), QString("default"));
    }

    void readOnlyFolderKeepsOldFile() {
        if (geteuid() == 0) QSKIP("root writes into read-only folders");
        QTemporaryDir dir;
        const QString file = dir.filePath("ro.ini");
        writeFile(file, "[Options]\nSound=Yes\n");
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        {
            SettingsStore store("Test", file);
            store.WriteSetting("Options", "Sound", "No");
            QVERIFY(!store.Flush());
        }
        QFile::setPermissions(dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        SettingsStore store("Test", file);
        QCOMPARE(store.ReadSetting("Options", "Sound", ""), QString("Yes"));
    }

    void unwritableStoreReportsFailure() {
        // A store whose folder is a file cannot be written, even by root; the old value stays readable.
        const QString blocker = path("blocker");
        writeFile(blocker, "not a folder");
        SettingsStore store("Test", blocker + "/store.ini");
        store.WriteSetting("Options", "Sound", "No");
        QVERIFY(!store.Flush());
    }

    void emptyStoreGivesDefaults_data() {
        QTest::addColumn<int>("program");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("Zephlon") << int(Program::Zephlon) << true;
        QTest::newRow("Quadrelle") << int(Program::Quadrelle) << false;
        QTest::newRow("Vantorel") << int(Program::Vantorel) << false;
    }
    void emptyStoreGivesDefaults() {
        QFETCH(int, program);
        QFETCH(bool, maximised);
        SettingsStore store("Test", path("none.ini"));
        const frame::Options o = frame::ReadOptions(store, Program(program));
        QVERIFY(o.Sound);
        QCOMPARE(o.StartLevel, int16_t(1));
        QCOMPARE(o.GameMode, 1);
        QCOMPARE(o.Control, 1);
        QCOMPARE(o.BlockColour, int16_t(2));
        QCOMPARE(o.InitMaximized, maximised);
        QCOMPARE(o.InitWidth, 0);
        QVERIFY(!o.WebServer.isEmpty());
        QVERIFY(!o.WebServer.contains("://"));
    }

    void optionsRoundTrip() {
        const QString file = path("options.ini");
        frame::Options o = frame::DefaultOptions(Program::Zephlon);
        o.Sound = false;
        o.GameMode = 0;
        o.BlockColour = 4;
        o.MaxLevelPuzzle = 7;
        o.URL = "me@example.org";
        {
            SettingsStore store("Zephlon", file);
            frame::WriteOptions(store, Program::Zephlon, o);
            // 2400 px wide: more than 32767 twips must survive the restart.
            frame::WriteWindowSize(store, 2400 * 15, 1300 * 15, false, true);
        }
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray text = f.readAll();
            QVERIFY(text.contains("gameMode=0"));
            QVERIFY(text.contains("FirstTime=No"));
        }
        SettingsStore store("Zephlon", file);
        const frame::Options r = frame::ReadOptions(store, Program::Zephlon);
        QCOMPARE(r.Sound, false);
        QCOMPARE(r.GameMode, 0);
        QCOMPARE(r.BlockColour, int16_t(4));
        QCOMPARE(r.MaxLevelPuzzle, int16_t(7));
        QCOMPARE(r.FirstTime, false);
        QCOMPARE(r.URL, QString("me@example.org"));
        QCOMPARE(r.InitWidth, 36000);
        QCOMPARE(r.InitMaximized, true);
    }

    void outOfRangeOptionsFallBack() {
        const QString file = path("bad.ini");
        writeFile(file, "[Options]\nStartLevel=11\nBlockColour=0\nGameMode=2\nControl=mouse\nInitWidth=-5\n");
        SettingsStore store("Zephlon", file);
        const frame::Options r = frame::ReadOptions(store, Program::Zephlon);
        QCOMPARE(r.StartLevel, int16_t(1));
        QCOMPARE(r.BlockColour, int16_t(2));
        QCOMPARE(r.GameMode, 1);
        QCOMPARE(r.Control, 1);
        QCOMPARE(r.InitWidth, 0);
    }

    void minimisedCloseKeepsSize() {
        const QString file = path("min.ini");
        SettingsStore store("Vantorel", file);
        frame::WriteWindowSize(store, 6000, 7000, false, false);
        frame::WriteWindowSize(store, 100, 100, true, false);
        QCOMPARE(store.ReadSetting("Options", "InitWidth", ""), QString("6000"));
        QCOMPARE(store.ReadSetting("Options", "InitMaximized", ""), QString("No"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
