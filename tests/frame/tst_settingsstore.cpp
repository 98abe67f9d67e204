// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <functional>

#include "frame/options.h"
#include "frame/settingsstore.h"
#include "support/testmain.h"

using frame::Program;
using frame::SettingsStore;

namespace {

QByteArray readAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Files of a folder other than `keep`: a save must leave no temporary file behind.
QStringList othersIn(const QString& folder, const QString& keep) {
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeAll(keep);
    return names;
}

struct ChildSave {
    bool saved = false;
    QString error;
};

// Loads the store in a child process that first applies `restrict` (a file-size limit, a drop to an
// unprivileged user), writes `value` and flushes; reports what Flush returned and said.
ChildSave saveInChild(const QString& file, const QString& value, const std::function<bool()>& restrict) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (!restrict()) ::_exit(2);
        // Left alive on purpose: _exit skips the destructor's second attempt.
        auto* store = new SettingsStore(QStringLiteral("Test"), file);
        store->WriteSetting(QStringLiteral("Options"), QStringLiteral("Big"), value);
        const bool saved = store->Flush();
        const QByteArray error = store->ErrorText().toUtf8();
        if (::write(fds[1], error.constData(), static_cast<size_t>(error.size())) < 0) ::_exit(2);
        ::_exit(saved ? 0 : 1);
    }
    ::close(fds[1]);
    QByteArray error;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        error.append(buffer, n);
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    ChildSave result;
    result.saved = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    result.error = WIFEXITED(status) && WEXITSTATUS(status) <= 1 ? QString::fromUtf8(error)
                                                                 : QStringLiteral("child failed");
    return result;
}

// What stands in the way of a save, and how it is cleared again.
enum class Obstacle { ReadOnlyFile, FolderAtPath, FileAtFolder, FifoAtPath };

}  // namespace

Q_DECLARE_METATYPE(Obstacle)

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

    // Each way a line can end reads the same values, and a byte-order mark does not hide the first section.
    void lineEndings_data() {
        QTest::addColumn<QByteArray>("eol");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("LF") << QByteArray("\n") << QByteArray();
        QTest::newRow("CRLF") << QByteArray("\r\n") << QByteArray();
        QTest::newRow("CR only") << QByteArray("\r") << QByteArray();
        QTest::newRow("CR only, byte-order mark") << QByteArray("\r") << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("blank lines between") << QByteArray("\r\n\r\r\n\n") << QByteArray();
    }
    void lineEndings() {
        QFETCH(QByteArray, eol);
        QFETCH(QByteArray, start);
        const QString file = path("eol.ini");
        writeFile(file, start + "[Options]" + eol + "StartLevel=5" + eol + "Sound=No" + eol + "[Scores]" +
                            eol + "1Name=Ann" + eol + "1Score=500");
        SettingsStore store("Quadrelle", file);
        QCOMPARE(store.ReadSetting("Options", "StartLevel", "1"), QString("5"));
        QCOMPARE(store.ReadFlag("Options", "Sound", true), false);
        QCOMPARE(store.ReadSetting("Scores", "1Name", ""), QString("Ann"));
        QCOMPARE(store.ReadSetting("Scores", "1Score", ""), QString("500"));
        // Saved again in the store's own form, nothing is lost or merged into one line.
        store.WriteSetting("Options", "Sound", "Yes");
        QVERIFY(store.Flush());
        SettingsStore again("Quadrelle", file);
        QCOMPARE(again.ReadSetting("Scores", "1Score", ""), QString("500"));
        QCOMPARE(again.ReadSetting("Options", "StartLevel", "1"), QString("5"));
    }

    // A save that cannot be made leaves the old file byte for byte, leaves no temporary file, says
    // which file and why, and keeps the new values in memory so a save after the cause is gone
    // writes them.
    void failedSaveKeepsFileAndValues_data() {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only file") << Obstacle::ReadOnlyFile << "Permission denied";
        QTest::newRow("folder where the file should be") << Obstacle::FolderAtPath << "Is a directory";
        QTest::newRow("file where the folder should be") << Obstacle::FileAtFolder << "Not a directory";
        QTest::newRow("FIFO where the file should be") << Obstacle::FifoAtPath << "Not a regular file";
    }
    void failedSaveKeepsFileAndValues() {
        QFETCH(Obstacle, obstacle);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString file = dir.filePath("Vantorel.ini");
        const QByteArray old = "[Options]\r\nStartLevel=4\r\nOddKey=kept\r\n";
        switch (obstacle) {
            case Obstacle::ReadOnlyFile:
                writeFile(file, old);
                QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
                break;
            case Obstacle::FolderAtPath:
                QVERIFY(QDir(dir.path()).mkdir("Vantorel.ini"));
                break;
            case Obstacle::FileAtFolder:
                writeFile(dir.filePath("config"), old);
                file = dir.filePath("config/Vantorel.ini");
                break;
            case Obstacle::FifoAtPath:
                QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
                break;
        }
        // Reading never blocks, whatever stands at the path.
        SettingsStore store("Vantorel", file);
        store.WriteSetting("Options", "StartLevel", "9");
        QVERIFY(!store.Flush());
        QCOMPARE(store.ErrorText(), QStringLiteral("Could not save %1: %2").arg(file, reason));
        QCOMPARE(store.ReadSetting("Options", "StartLevel", ""), QString("9"));
        if (obstacle == Obstacle::ReadOnlyFile) QCOMPARE(readAll(file), old);
        if (obstacle == Obstacle::FileAtFolder) QCOMPARE(readAll(dir.filePath("config")), old);
        const QStringList obstacles =
            obstacle == Obstacle::FileAtFolder ? QStringList{"config"} : QStringList();
        QCOMPARE(othersIn(dir.path(), QFileInfo(file).fileName()), obstacles);

        switch (obstacle) {
            case Obstacle::ReadOnlyFile:
                QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
                break;
            case Obstacle::FolderAtPath:
                QVERIFY(QDir(dir.path()).rmdir("Vantorel.ini"));
                break;
            case Obstacle::FileAtFolder:
                QVERIFY(QFile::remove(dir.filePath("config")));
                break;
            case Obstacle::FifoAtPath:
                QVERIFY(QFile::remove(file));
                break;
        }
        QVERIFY(store.Flush());
        QVERIFY(store.ErrorText().isEmpty());
        SettingsStore again("Vantorel", file);
        QCOMPARE(again.ReadSetting("Options", "StartLevel", ""), QString("9"));
        if (obstacle == Obstacle::ReadOnlyFile)
            QCOMPARE(again.ReadSetting("Options", "oddkey", ""), QString("kept"));
        QVERIFY(QFileInfo(file).isFile());
        QCOMPARE(QFileInfo(file).permissions() & (QFileDevice::ReadOther | QFileDevice::WriteOther),
                 QFileDevice::Permissions());
    }

    // Writes that really fail half-way: a file-size limit (as a full disk would), and a folder the
    // program may not write into (an unprivileged user even when the tests run as root).
    void failingWriteKeepsOldFile_data() {
        QTest::addColumn<bool>("sizeLimit");
        QTest::addColumn<QString>("reason");
        QTest::newRow("write fails part-way") << true << "File too large";
        QTest::newRow("read-only folder") << false << "Permission denied";
    }
    void failingWriteKeepsOldFile() {
        QFETCH(bool, sizeLimit);
        QFETCH(QString, reason);
        QTemporaryDir top;
        const QString folder = top.filePath("config");
        QVERIFY(QDir().mkdir(folder));
        const QString file = folder + "/Test.ini";
        QByteArray old = "[Options]\nSound=Yes\n[Scores]\n";
        for (int n = 1; n <= 10; ++n)
            old += QByteArray::number(n) + "Name=Somebody\n" + QByteArray::number(n) +
                   "Score=" + QByteArray::number(1000 - n) + "\n";
        writeFile(file, old);
        const bool root = ::geteuid() == 0;
        std::function<bool()> restrict;
        if (sizeLimit) {
            // More than the old file, far less than the new one: the write fails after a part went out.
            restrict = [] {
                std::signal(SIGXFSZ, SIG_IGN);
                rlimit limit{};
                if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
                limit.rlim_cur = 16 * 1024;
                return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
            };
        } else if (root) {
            // The folder stays root's; the file may be written by anyone, the folder only by root.
            QVERIFY(QFile::setPermissions(top.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                          QFileDevice::ExeOther));
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                      QFileDevice::ExeOther));
            QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ReadOther | QFileDevice::WriteOther));
            restrict = [] { return ::setgid(65534) == 0 && ::setuid(65534) == 0; };
        } else {
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            restrict = [] { return true; };
        }
        const ChildSave result = saveInChild(file, QString(256 * 1024, u'x'), restrict);
        QFile::setPermissions(folder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!result.saved);
        QCOMPARE(result.error, QStringLiteral("Could not save %1: %2").arg(file, reason));
        QCOMPARE(readAll(file), old);
        QCOMPARE(othersIn(folder, "Test.ini"), QStringList());
    }

    // Two copies of one program: each save keeps the keys the other saved meanwhile; a key both
    // changed follows the last save.
    void twoStoresSavingInTurn_data() {
        QTest::addColumn<bool>("laterChangesLevel");
        QTest::addColumn<QString>("level");
        QTest::newRow("later copy leaves the level") << false << "5";
        QTest::newRow("later copy sets the level") << true << "3";
    }
    void twoStoresSavingInTurn() {
        QFETCH(bool, laterChangesLevel);
        QFETCH(QString, level);
        QTemporaryDir dir;
        const QString file = dir.filePath("Zephlon.ini");
        writeFile(file, "[Options]\nStartLevel=1\nSound=Yes\n");
        SettingsStore first("Zephlon", file);
        SettingsStore second("Zephlon", file);
        first.WriteSetting("Options", "StartLevel", "5");
        first.WriteSetting("Scores", "URL", "first@example.org");
        QVERIFY(first.Flush());
        second.WriteSetting("Options", "StartLevel", laterChangesLevel ? "3" : "1");
        second.WriteFlag("Options", "Sound", false);
        QVERIFY(second.Flush());
        // The later save brought the earlier one's values into memory too.
        QCOMPARE(second.ReadSetting("Scores", "URL", ""), QString("first@example.org"));
        SettingsStore next("Zephlon", file);
        QCOMPARE(next.ReadSetting("Options", "StartLevel", ""), level);
        QCOMPARE(next.ReadFlag("Options", "Sound", true), false);
        QCOMPARE(next.ReadSetting("Scores", "URL", ""), QString("first@example.org"));
        QCOMPARE(readAll(file).count("StartLevel"), 1);
    }

    // Refresh hands over the file as another copy left it, once; a file that did not change costs nothing.
    void refreshSeesOtherSaves() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Quadrelle.ini");
        SettingsStore mine("Quadrelle", file);
        QVERIFY(mine.Refresh() == nullptr);
        {
            SettingsStore other("Quadrelle", file);
            other.WriteSetting("Scores", "1Name", "Other");
        }
        const auto current = mine.Refresh();
        QVERIFY(current != nullptr);
        QCOMPARE(current->ReadSetting("Scores", "1Name", ""), QString("Other"));
        QCOMPARE(mine.ReadSetting("Scores", "1Name", ""), QString("Other"));
        QVERIFY(mine.Refresh() == nullptr);
        QVERIFY(mine.Flush());
    }

    // A save killed between its temporary file and the rename leaves the temporary file; the next save
    // removes it, and nothing that is not one of its own.
    void staleTemporariesRemoved() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Zephlon.ini");
        const QStringList stale = {"Zephlon.ini.Ab3xYz", "Zephlon.ini.000000"};
        const QStringList others = {"Zephlon.ini.bak",      "Zephlon.ini.Ab3xY",  "Zephlon.ini.Ab3xYz1",
                                    "Quadrelle.ini.Ab3xYz", "Zephlon.ini.Ab-xYz", "Zephlon.ini.Dir123",
                                    "Zephlon.ini.Lnk123"};
        for (const QString& name : stale + others) {
            if (name.contains("Dir")) {
                QVERIFY(QDir(dir.path()).mkdir(name));
            } else if (name.contains("Lnk")) {
                QVERIFY(QFile::link(dir.filePath("Zephlon.ini.bak"), dir.filePath(name)));
            } else {
                writeFile(dir.filePath(name), "[Options]\nSound=No\n");
            }
        }
        SettingsStore store("Zephlon", file);
        store.WriteSetting("Options", "Sound", "Yes");
        QVERIFY(store.Flush());
        QStringList expected = others;
        expected << "Zephlon.ini";
        expected.sort();
        QStringList left =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        left.sort();
        QCOMPARE(left, expected);
    }

    // A linked settings file stays a link; its target takes the values.
    void linkedFileStaysLinked() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("dotfiles"));
        const QString target = dir.filePath("dotfiles/Vantorel.ini");
        writeFile(target, "[Options]\nSound=Yes\n");
        const QString link = dir.filePath("Vantorel.ini");
        QVERIFY(QFile::link(target, link));
        SettingsStore store("Vantorel", link);
        store.WriteFlag("Options", "Sound", false);
        QVERIFY(store.Flush());
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(readAll(target).contains("Sound=No"));
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

    // A save replaces only what the store owns: comments, lines that are no key and keys before the
    // first section stay where they stood, also when written by hand while the program ran; a file
    // keeps its permissions, and a new one is private.
    void saveKeepsWhatItDoesNotOwn_data() {
        QTest::addColumn<QByteArray>("before");  // null: no file
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("meanwhile");  // written over the file between the read and the save
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("modeAfter");
        QTest::newRow("new file is private")
            << QByteArray() << 0 << QByteArray() << QByteArray("[Options]\nSound=No\n\n") << 0600;
        QTest::newRow("mode 0644 kept") << QByteArray("[Options]\nSound=Yes\n") << 0644 << QByteArray()
                                        << QByteArray("[Options]\nSound=No\n\n") << 0644;
        QTest::newRow("mode 0640 kept") << QByteArray("[Options]\nSound=Yes\n") << 0640 << QByteArray()
                                        << QByteArray("[Options]\nSound=No\n\n") << 0640;
        QTest::newRow("comments in place")
            << QByteArray(
                   "; top\n[Options]\n  ; the sound\nSound=Yes\n# scores below\n[Scores]\n1Name=Ann\n; end\n")
            << 0600 << QByteArray()
            << QByteArray(
                   "; top\n[Options]\n  ; the sound\nSound=No\n\n# scores below\n[Scores]\n1Name=Ann\n\n; "
                   "end\n")
            << 0600;
        QTest::newRow("keys before the first section")
            << QByteArray("Owner=me\n#x=1\n[Options]\nSound=Yes\n") << 0600 << QByteArray()
            << QByteArray("Owner=me\n#x=1\n[Options]\nSound=No\n\n") << 0600;
        QTest::newRow("lines that are no key")
            << QByteArray("[Options]\njunk line\n=novalue\nSound=Yes\n[Broken\n") << 0600 << QByteArray()
            << QByteArray("[Options]\njunk line\n=novalue\nSound=No\n\n[Broken\n") << 0600;
        QTest::newRow("CRLF comments")
            << QByteArray("; a\r\n[Options]\r\n; b\r\nSound=Yes\r\n") << 0600 << QByteArray()
            << QByteArray("; a\n[Options]\n; b\nSound=No\n\n") << 0600;
        QTest::newRow("comment written meanwhile")
            << QByteArray("[Options]\nSound=Yes\n") << 0644
            << QByteArray("# by hand\n[Options]\n; added\nSound=Yes\nLevel=2\n")
            << QByteArray("# by hand\n[Options]\n; added\nSound=No\nLevel=2\n\n") << 0644;
    }
    void saveKeepsWhatItDoesNotOwn() {
        QFETCH(QByteArray, before);
        QFETCH(int, mode);
        QFETCH(QByteArray, meanwhile);
        QFETCH(QByteArray, after);
        QFETCH(int, modeAfter);
        QTemporaryDir dir;
        const QString file = dir.filePath("Vantorel.ini");
        const auto setMode = [&](int m) {
            QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode_t(m)), 0);
        };
        if (!before.isNull()) {
            writeFile(file, before);
            setMode(mode);
        }
        SettingsStore store("Vantorel", file);
        if (!meanwhile.isNull()) {
            writeFile(file, meanwhile);
            setMode(mode);
        }
        store.WriteFlag("Options", "Sound", false);
        QVERIFY(store.Flush());
        QCOMPARE(readAll(file), after);
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 07777), modeAfter);
        // Read again and saved twice, the file comes back the same.
        SettingsStore again("Vantorel", file);
        for (const bool sound : {true, false}) {
            again.WriteFlag("Options", "Sound", sound);
            QVERIFY(again.Flush());
        }
        QCOMPARE(readAll(file), after);
    }

    // A file larger than the read cap was read only in part: a save never replaces it (the records after
    // the cap would be lost) and never writes a file larger than the cap. The save fails, says why,
    // leaves the file byte for byte, and keeps the values in memory.
    void partlyReadFileIsNeverReplaced_data() {
        const qsizetype cap = SettingsStore::kReadCap;
        const QString cut =
            "the file is larger than the 4 MB the game reads, so it is left as it is and nothing in it is "
            "lost";
        QTest::addColumn<qsizetype>("scoresAt");  // offset of the [Scores] heading
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("name");  // 1Name as the store reads it
        QTest::newRow("records after the cap") << cap + 100 << "x" << cut << "none";
        // The cap falls inside "1Name=Ann": no half value is read.
        QTest::newRow("key split at the cap") << cap - 16 << "x" << cut << "none";
        QTest::newRow("heading just before the cap") << cap - 9 << "x" << cut << "none";
        QTest::newRow("save would grow past the cap")
            << cap - 200 << QString(300, u'x')
            << "the file would grow beyond the 4 MB the game reads, so it is left as it is"
            << "Ann";
    }
    void partlyReadFileIsNeverReplaced() {
        QFETCH(qsizetype, scoresAt);
        QFETCH(QString, written);
        QFETCH(QString, reason);
        QFETCH(QString, name);
        QByteArray text = "[Options]\nSound=Yes\n[Extra]\n";
        for (int i = 0; scoresAt - text.size() > 40; ++i)
            text += "k" + QByteArray::number(1000000 + i) + "=v\n";
        text += "z=" + QByteArray(scoresAt - text.size() - 3, 'y') + "\n";
        QCOMPARE(text.size(), scoresAt);
        text += "[Scores]\n1Name=Ann\n1Score=500\n";
        QTemporaryDir dir;
        const QString file = dir.filePath("Quadrelle.ini");
        writeFile(file, text);
        {
            SettingsStore store("Quadrelle", file);
            QCOMPARE(store.ReadSetting("Scores", "1Name", "none"), name);
            store.WriteSetting("Options", "Note", written);
            QVERIFY(!store.Flush());
            QCOMPARE(store.ErrorText(), QStringLiteral("Could not save %1: %2").arg(file, reason));
            QCOMPARE(store.ReadSetting("Options", "Note", ""), written);
        }  // the destructor's save fails alike
        QCOMPARE(readAll(file), text);
        QCOMPARE(othersIn(dir.path(), "Quadrelle.ini"), QStringList());
    }

    // A save that finds another copy's save holding the folder waits for it a bounded time, then fails
    // and says so: nothing written, every value kept for a save after the other one finished.
    void saveWaitsForLockThenFails() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Zephlon.ini");
        const QByteArray old = "[Options]\nSound=Yes\n";
        writeFile(file, old);
        SettingsStore store("Zephlon", file);
        store.WriteFlag("Options", "Sound", false);
        const int other =
            ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(other >= 0);
        QCOMPARE(::flock(other, LOCK_EX | LOCK_NB), 0);
        SettingsStore::SetLockWait(std::chrono::milliseconds(50));
        const bool saved = store.Flush();
        SettingsStore::SetLockWait(std::chrono::seconds(2));
        ::close(other);
        QVERIFY(!saved);
        QCOMPARE(store.ErrorText(),
                 QStringLiteral("Could not save %1: another copy of the game is saving to the same folder "
                                "and has not finished")
                     .arg(file));
        QCOMPARE(readAll(file), old);
        QCOMPARE(store.ReadFlag("Options", "Sound", true), false);
        QVERIFY(store.Flush());
        QVERIFY(readAll(file).contains("Sound=No"));
    }

    // A folder that cannot be synced after the rename is a failed save: said, and made again by the
    // next Flush.
    void folderSyncFailureReported() {
        QTemporaryDir dir;
        const QString file = dir.filePath("Zephlon.ini");
        SettingsStore store("Zephlon", file);
        store.WriteFlag("Options", "Sound", false);
        static int syncs = 0;
        SettingsStore::SetFolderSync([](int) {
            errno = EIO;
            return -1;
        });
        const bool saved = store.Flush();
        SettingsStore::SetFolderSync([](int) {
            ++syncs;
            return 0;
        });
        QVERIFY(!saved);
        QCOMPARE(store.ErrorText(), QStringLiteral("Could not save %1: %2").arg(file, qt_error_string(EIO)));
        QVERIFY(store.Flush());
        QCOMPARE(syncs, 1);
        QVERIFY(store.ErrorText().isEmpty());
        SettingsStore::SetFolderSync(nullptr);
        QVERIFY(readAll(file).contains("Sound=No"));
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

ARCADE_TEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
