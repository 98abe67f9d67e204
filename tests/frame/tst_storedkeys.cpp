// SPDX-License-Identifier: GPL-3.0-or-later
// The keys each program's close writes to its store: exactly those of its "Options" and "Scores" sections, no
// fewer (a next run would fall back to a default) and no others (a key of another program, or a second
// spelling of one).
#include <QFile>
#include <QMap>
#include <QtTest>

#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

using frame::Program;
using testsupport::ProgramWindow;

namespace {

// Section name -> its keys, sorted, as the file holds them.
QMap<QString, QStringList> keysOf(const QString& path) {
    QMap<QString, QStringList> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
    QString section;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            keys[section];
        } else if (line.contains(QLatin1Char('='))) {
            keys[section] << line.left(line.indexOf(QLatin1Char('=')));
        }
    }
    for (QStringList& list : keys)
        list.sort();
    return keys;
}

}  // namespace

class TestStoredKeys : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void closeWritesTheProgramsKeys_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void closeWritesTheProgramsKeys() {
        QFETCH(Program, program);
        m_settings.Reset();
        {
            auto w = ProgramWindow::Open(program);
            QVERIFY(w->Window().close());
        }
        const bool z = program == Program::Zephlon, q = program == Program::Quadrelle;
        const struct {
            const char* key;
            bool written;
        } options[] = {
            {"Sound", true},         {"FirstTime", z},  {"StartLevel", true}, {"StartLevelPuzzle", z},
            {"MaxLevelPuzzle", z},   {"gameMode", z},   {"Control", z},       {"BlockColour", z},
            {"WebServer", true},     {"AutoUpload", q}, {"InitWidth", true},  {"InitHeight", true},
            {"InitMaximized", true},
        };
        QStringList expectedOptions;
        for (const auto& o : options)
            if (o.written) expectedOptions << QLatin1String(o.key);
        expectedOptions.sort();

        QStringList expectedScores;
        if (z || q) expectedScores << QStringLiteral("URL");
        const int records = z ? 20 : 10;
        for (int n = 1; n <= records; ++n)
            for (const char* field : {"Name", "Score", "StartLevel", "EndLevel", "Date", "ChkSum"})
                expectedScores << QString::number(n) + QLatin1String(field);
        expectedScores.sort();

        const QMap<QString, QStringList> found = keysOf(m_settings.FileOf(program));
        QCOMPARE(found.keys(), (QStringList{QStringLiteral("Options"), QStringLiteral("Scores")}));
        // Joined, so that a difference shows the keys.
        QCOMPARE(found.value(QStringLiteral("Options")).join(u' '), expectedOptions.join(u' '));
        QCOMPARE(found.value(QStringLiteral("Scores")).join(u' '), expectedScores.join(u' '));
    }
};

ARCADE_TEST_MAIN(TestStoredKeys)
#include "tst_storedkeys.moc"
