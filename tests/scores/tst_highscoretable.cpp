// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "frame/options.h"
#include "scores/highscoretable.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

using frame::Program;
using scores::HighScoreRecord;
using scores::HighScoreTable;
using scores::kListSize;

Q_DECLARE_METATYPE(frame::Program)

namespace {

QDateTime At(const QString& iso) {
    return HighScoreTable::ParseDate(iso);
}

// Every record of a table carries its own valid, nonzero checksum.
void VerifyChecksums(const HighScoreTable& table) {
    for (int16_t n = 1; n <= table.RecordCount(); ++n) {
        QVERIFY2(table.Record(n).ChkSum != 0, qPrintable(QString::number(n)));
        QCOMPARE(table.Record(n).ChkSum, table.RecordChkSum(n));
    }
}

}  // namespace

class TestHighScoreTable : public QObject {
    Q_OBJECT

    testsupport::TempSettings m_settings;
    int m_storeCount = 0;

    // A fresh, empty store file for each use.
    std::unique_ptr<frame::SettingsStore> NewStore(Program program) {
        return std::make_unique<frame::SettingsStore>(
            frame::ProgramName(program),
            QDir(m_settings.Path()).filePath(QStringLiteral("store%1.ini").arg(++m_storeCount)));
    }

  private slots:
    void emptyStoreGivesDefaults_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("firstChkSums");
        QTest::newRow("Zephlon") << Program::Zephlon << "Zephlon" << QList<int>{1626, 1628};
        QTest::newRow("Quadrelle") << Program::Quadrelle << "Quadrelle" << QList<int>{1624};
        // "vantorel" sums to 875, 1 January 1990 is day 32874: 2 * (100 + 875 + 1 + 1 + 32874) + 3141.
        QTest::newRow("Vantorel") << Program::Vantorel << "vantorel" << QList<int>{70843};
    }
    void emptyStoreGivesDefaults() {
        QFETCH(Program, program);
        QFETCH(QString, name);
        QFETCH(QList<int>, firstChkSums);
        auto store = NewStore(program);
        HighScoreTable table(program);
        table.Load(*store);
        QCOMPARE(table.ListCount(), firstChkSums.size());
        for (int list = 0; list < table.ListCount(); ++list) {
            QCOMPARE(table.DroppedCount(list), 0);
            QCOMPARE(table.Record(list, 1).ChkSum, firstChkSums[list]);
            QCOMPARE(table.BestScore(list), 100);
            for (int p = 1; p <= kListSize; ++p) {
                const HighScoreRecord& r = table.Record(list, p);
                QCOMPARE(r.Name, name);
                QCOMPARE(r.Score, 110 - 10 * p);
                QCOMPARE(r.StartLevel, int16_t{1});
                QCOMPARE(r.EndLevel, int16_t{1});
                QCOMPARE(r.Date, QDateTime(QDate(1990, 1, 1), QTime(0, 0), QTimeZone::utc()));
            }
        }
        VerifyChecksums(table);

        // What is saved loads back whole, in the documented key layout.
        table.Save(*store);
        QCOMPARE(store->ReadSetting(frame::kScoresSection, QStringLiteral("1Date"), {}),
                 QStringLiteral("1990-01-01T00:00:00"));
        QCOMPARE(store->ReadSetting(frame::kScoresSection, QStringLiteral("1ChkSum"), {}),
                 QString::number(firstChkSums[0]));
        HighScoreTable again(program);
        again.Load(*store);
        for (int list = 0; list < again.ListCount(); ++list)
            QCOMPARE(again.DroppedCount(list), 0);
    }

    // One stored value edited by hand after a save: either the record survives as edited, or it is
    // dropped, the later records of its list move up and a fill record closes the list.
    void handEditedRecord_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("dropped");
        QTest::newRow("Zephlon score") << Program::Zephlon << 3 << "Score"
                                       << "75" << true;
        QTest::newRow("Zephlon puzzle level") << Program::Zephlon << 15 << "EndLevel"
                                              << "2" << true;
        QTest::newRow("Zephlon name kept") << Program::Zephlon << 13 << "Name"
                                           << "Someone" << false;
        QTest::newRow("Zephlon date kept") << Program::Zephlon << 2 << "Date"
                                           << "2001-05-06T07:08:09" << false;
        QTest::newRow("Quadrelle year kept") << Program::Quadrelle << 4 << "Date"
                                             << "1995-01-01T00:00:00" << false;
        QTest::newRow("Quadrelle day") << Program::Quadrelle << 4 << "Date"
                                       << "1990-01-02T00:00:00" << true;
        QTest::newRow("Quadrelle month") << Program::Quadrelle << 4 << "Date"
                                         << "1990-02-01T00:00:00" << true;
        QTest::newRow("Quadrelle name kept") << Program::Quadrelle << 1 << "Name"
                                             << "Someone" << false;
        QTest::newRow("Vantorel name") << Program::Vantorel << 2 << "Name"
                                       << "vantorex" << true;
        QTest::newRow("Vantorel score") << Program::Vantorel << 10 << "Score"
                                        << "11" << true;
        // Half a day rounds to the even day: both land on day 32874 and keep the record.
        QTest::newRow("Vantorel half up to even") << Program::Vantorel << 5 << "Date"
                                                  << "1989-12-31T12:00:00" << false;
        QTest::newRow("Vantorel half down to even") << Program::Vantorel << 5 << "Date"
                                                    << "1990-01-01T12:00:00" << false;
        QTest::newRow("Vantorel past half") << Program::Vantorel << 5 << "Date"
                                            << "1990-01-01T12:00:01" << true;
    }
    void handEditedRecord() {
        QFETCH(Program, program);
        QFETCH(int, record);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, dropped);
        auto store = NewStore(program);
        HighScoreTable(program).Save(*store);
        store->WriteSetting(frame::kScoresSection, QString::number(record) + field, value);

        HighScoreTable table(program);
        table.Load(*store);
        const int list = (record - 1) / kListSize;
        const int position = (record - 1) % kListSize + 1;
        const QString fillName = table.Policy().fillName;
        for (int l = 0; l < table.ListCount(); ++l) {
            QCOMPARE(table.DroppedCount(l), l == list && dropped ? 1 : 0);
            for (int p = 1; p <= kListSize; ++p) {
                const HighScoreRecord& r = table.Record(l, p);
                if (l != list || !dropped || p < position) {
                    QCOMPARE(r.Score, 110 - 10 * p);
                } else if (p < kListSize) {
                    QCOMPARE(r.Score, 100 - 10 * p);  // the next record moved up
                    QCOMPARE(r.Name, table.Policy().defaultName);
                } else {
                    QCOMPARE(r.Score, 10);
                    QCOMPARE(r.Name, fillName);
                }
            }
        }
        // A kept edit is kept as written.
        const HighScoreRecord& edited = table.Record(list, position);
        if (!dropped && field == "Name") QCOMPARE(edited.Name, value);
        if (!dropped && field == "Date") QCOMPARE(HighScoreTable::DateText(edited.Date), value);
        VerifyChecksums(table);
    }

    // Stores edited into nonsense: nothing crashes, nothing with checksum 0 is shown or saved, names
    // stay printable and short, and what is saved then loads without further drops.
    void garbageStore_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QStringList>("keyValues");
        QTest::addColumn<int>("dropped");
        const QString longName(500, u'x');
        for (Program program : {Program::Zephlon, Program::Quadrelle, Program::Vantorel}) {
            const QByteArray p = frame::ProgramName(program).toLatin1();
            QTest::addRow("%s non-numeric score", p.constData())
                << program << QStringList{"1Score", "abc", "1ChkSum", "999"} << 1;
            QTest::addRow("%s huge score", p.constData())
                << program << QStringList{"1Score", "99999999999999999999999"} << 0;
            QTest::addRow("%s max score", p.constData())
                << program << QStringList{"1Score", "2147483647"} << 1;
            QTest::addRow("%s min score", p.constData())
                << program << QStringList{"2Score", "-2147483648"} << 1;
            QTest::addRow("%s level out of range", p.constData())
                << program << QStringList{"3StartLevel", "70000", "3ChkSum", "1"} << 1;
            QTest::addRow("%s bad date", p.constData())
                << program << QStringList{"4Date", "yesterday", "4ChkSum", "12"} << 1;
            QTest::addRow("%s bad checksum", p.constData()) << program << QStringList{"5ChkSum", "xyz"} << 1;
            QTest::addRow("%s zero checksum", p.constData()) << program << QStringList{"6ChkSum", "0"} << 1;
            QTest::addRow("%s long name", p.constData()) << program << QStringList{"7Name", longName} << 0;
            QTest::addRow("%s control characters", p.constData())
                << program << QStringList{"8Name", "a\tb\nc"} << 0;
        }
    }
    void garbageStore() {
        QFETCH(Program, program);
        QFETCH(QStringList, keyValues);
        QFETCH(int, dropped);
        auto store = NewStore(program);
        for (qsizetype i = 0; i + 1 < keyValues.size(); i += 2)
            store->WriteSetting(frame::kScoresSection, keyValues[i], keyValues[i + 1]);
        HighScoreTable table(program);
        table.Load(*store);
        QCOMPARE(table.DroppedCount(0), dropped);
        VerifyChecksums(table);
        for (int16_t n = 1; n <= table.RecordCount(); ++n) {
            const QString& name = table.Record(n).Name;
            QVERIFY(name.size() <= scores::kMaxNameLength);
            for (QChar c : name)
                QVERIFY(c.isPrint());
        }
        auto saved = NewStore(program);
        table.Save(*saved);
        HighScoreTable again(program);
        again.Load(*saved);
        QCOMPARE(again.DroppedCount(0), 0);
        for (int16_t n = 1; n <= table.RecordCount(); ++n)
            QCOMPARE(again.Record(n).Name, table.Record(n).Name);
    }

    void insertion_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("position");
        QTest::newRow("above all") << 101 << 1;
        QTest::newRow("equal to first") << 100 << 2;
        QTest::newRow("equal to third") << 80 << 4;
        QTest::newRow("above last") << 11 << 10;
        QTest::newRow("equal to last") << 10 << 0;
        QTest::newRow("below last") << 5 << 0;
    }
    void insertion() {
        QFETCH(int, score);
        QFETCH(int, position);
        HighScoreTable table(Program::Zephlon);
        const QDateTime now = At(QStringLiteral("2026-12-09T23:59:59"));
        QCOMPARE(table.SaveScore(1, score, 3, 7, now), position);
        QCOMPARE(table.PendingPosition(), position);
        for (int p = 1; p <= kListSize; ++p) {
            const HighScoreRecord& r = table.Record(1, p);
            if (p == position) {
                QCOMPARE(r.Score, score);
                QCOMPARE(r.Name, QString());
                QCOMPARE(r.ChkSum, 0);
                QCOMPARE(r.StartLevel, int16_t{3});
                QCOMPARE(r.EndLevel, int16_t{7});
                QCOMPARE(r.Date, now);
            } else {
                QCOMPARE(r.Score, 110 - 10 * (position && p > position ? p - 1 : p));
            }
            QCOMPARE(table.Record(0, p).Score, 110 - 10 * p);  // the other list is untouched
        }
    }

    // While an entry waits for its name nothing enters; once named it carries a checksum that
    // survives a save and a load, and the name and date count in Vantorel's.
    void namedEntryRoundTrip_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("name");
        QTest::newRow("Zephlon") << Program::Zephlon << "Ada";
        QTest::newRow("Quadrelle") << Program::Quadrelle << "Grace Hopper";
        QTest::newRow("Vantorel accents") << Program::Vantorel << QStringLiteral("Zoë €");
        QTest::newRow("Vantorel outside cp1252") << Program::Vantorel << QStringLiteral("Ωmega");
    }
    void namedEntryRoundTrip() {
        QFETCH(Program, program);
        QFETCH(QString, name);
        HighScoreTable table(program);
        const QDateTime now = At(QStringLiteral("2026-12-09T23:59:59"));
        QCOMPARE(table.SaveScore(0, 95, 2, 5, now), int16_t{2});
        QCOMPARE(table.SaveScore(0, 1000, 2, 5, now), int16_t{0});
        QCOMPARE(table.Record(0, 1).Score, 100);
        {
            // A save that comes while the entry waits never writes checksum 0: the entry comes back.
            QTemporaryDir early;
            frame::SettingsStore store(QStringLiteral("T"), early.filePath(QStringLiteral("s.ini")));
            table.Save(store);
            QVERIFY(store.ReadSetting(frame::kScoresSection, QStringLiteral("2ChkSum"), {}) !=
                    QStringLiteral("0"));
            HighScoreTable loaded(program);
            loaded.Load(store);
            QCOMPARE(loaded.DroppedCount(0), 0);
            QCOMPARE(loaded.Record(0, 2).Score, 95);
        }
        QCOMPARE(table.CommitName(name), int16_t{2});
        QCOMPARE(table.PendingPosition(), int16_t{0});
        QCOMPARE(table.Record(0, 2).ChkSum, table.RecordChkSum(2));

        QTemporaryDir dir;
        frame::SettingsStore store(QStringLiteral("T"), dir.filePath(QStringLiteral("s.ini")));
        table.Save(store);
        QVERIFY(store.Flush());
        frame::SettingsStore reopened(QStringLiteral("T"), dir.filePath(QStringLiteral("s.ini")));
        HighScoreTable loaded(program);
        loaded.Load(reopened);
        QCOMPARE(loaded.DroppedCount(0), 0);
        QCOMPARE(loaded.Record(0, 2).Name, name);
        QCOMPARE(loaded.Record(0, 2).Date, now);
        QCOMPARE(loaded.Record(0, 2).Score, 95);
        QCOMPARE(loaded.Record(0, 10).Score, 20);
    }

    void nameCodeSum_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sum");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("ascii") << "Ab1!" << 65 + 98 + 49 + 33;
        QTest::newRow("latin1") << QStringLiteral("é") << 0xE9;
        QTest::newRow("cp1252 extras") << QStringLiteral("€Ÿ") << 0x80 + 0x9F;
        QTest::newRow("outside counts as ?") << QStringLiteral("Ω😀") << 63 + 63;
    }
    void nameCodeSum() {
        QFETCH(QString, name);
        QFETCH(int, sum);
        QCOMPARE(HighScoreTable::NameCodeSum(name), sum);
    }

    // Two copies of one program open at once, each entering records and closing in turn: every record
    // of both is in the file once, the best ten of the list, each with a valid checksum, and the later
    // copy's table shows what it wrote.
    void twoCopiesKeepEveryRecord_data() {
        QTest::addColumn<Program>("program");
        QTest::newRow("Zephlon") << Program::Zephlon;
        QTest::newRow("Quadrelle") << Program::Quadrelle;
        QTest::newRow("Vantorel") << Program::Vantorel;
    }
    void twoCopiesKeepEveryRecord() {
        QFETCH(Program, program);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        const QString app = frame::ProgramName(program);
        {
            frame::SettingsStore store(app, file);
            HighScoreTable(program).Save(store);
            QVERIFY(store.Flush());
        }
        frame::SettingsStore storeA(app, file);
        frame::SettingsStore storeB(app, file);
        HighScoreTable a(program);
        HighScoreTable b(program);
        a.Load(storeA);
        b.Load(storeB);
        const int list = a.ListCount() - 1;  // Zephlon: the Puzzle list, whose checksum differs
        const QDateTime now = At(QStringLiteral("2026-03-04T05:06:07"));
        const auto enter = [&](HighScoreTable& t, int32_t score, const QString& name, int minutes) {
            QVERIFY(t.SaveScore(list, score, 1, 5, now.addSecs(60 * minutes)) > 0);
            QVERIFY(t.CommitName(name) > 0);
        };
        enter(a, 500, QStringLiteral("Ann"), 0);
        enter(b, 300, QStringLiteral("Bob"), 1);
        enter(b, 95, QStringLiteral("Cy"), 2);
        a.Save(storeA);
        QVERIFY(storeA.Flush());
        b.Save(storeB);
        QVERIFY(storeB.Flush());
        QCOMPARE(b.Record(list, 1).Name, QStringLiteral("Ann"));
        // The first copy plays on and closes again: what it already saved is not doubled.
        enter(a, 85, QStringLiteral("Dee"), 3);
        a.Save(storeA);
        QVERIFY(storeA.Flush());

        frame::SettingsStore next(app, file);
        HighScoreTable loaded(program);
        loaded.Load(next);
        QCOMPARE(loaded.DroppedCount(list), 0);
        const QList<int> scores = {500, 300, 100, 95, 90, 85, 80, 70, 60, 50};
        const QStringList names = {"Ann", "Bob", "", "Cy", "", "Dee", "", "", "", ""};
        for (int p = 1; p <= kListSize; ++p) {
            QCOMPARE(loaded.Record(list, p).Score, scores[p - 1]);
            if (!names[p - 1].isEmpty()) QCOMPARE(loaded.Record(list, p).Name, names[p - 1]);
            QCOMPARE(a.Record(list, p).Score, scores[p - 1]);
        }
        VerifyChecksums(loaded);
        if (list > 0) QCOMPARE(loaded.BestScore(0), 100);
    }

    // A close that opens the store afresh (rather than keeping the one it loaded from) still keeps the
    // record another copy saved in between.
    void storeOpenedAtCloseKeepsOtherRecords() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        HighScoreTable table(Program::Vantorel);
        {
            const frame::SettingsStore atStart(QStringLiteral("Vantorel"), file);
            table.Load(atStart);
        }
        {
            frame::SettingsStore other(QStringLiteral("Vantorel"), file);
            HighScoreTable t(Program::Vantorel);
            t.Load(other);
            t.SaveScore(0, 300, 1, 2, At(QStringLiteral("2026-01-01T10:00:00")));
            t.CommitName(QStringLiteral("Other"));
            t.Save(other);
        }
        table.SaveScore(0, 200, 1, 3, At(QStringLiteral("2026-01-01T11:00:00")));
        table.CommitName(QStringLiteral("Me"));
        {
            frame::SettingsStore atClose(QStringLiteral("Vantorel"), file);
            table.Save(atClose);
            QVERIFY(atClose.Flush());
        }
        const frame::SettingsStore next(QStringLiteral("Vantorel"), file);
        HighScoreTable loaded(Program::Vantorel);
        loaded.Load(next);
        QCOMPARE(loaded.Record(0, 1).Name, QStringLiteral("Other"));
        QCOMPARE(loaded.Record(0, 2).Name, QStringLiteral("Me"));
        QCOMPARE(loaded.Record(0, 3).Score, 100);
        QCOMPARE(loaded.DroppedCount(0), 0);
    }

    // An entry still waiting for its name when the lists merge keeps waiting at its new place, and the
    // name then goes to it.
    void waitingEntryFollowsMerge() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        frame::SettingsStore mine(QStringLiteral("Quadrelle"), file);
        HighScoreTable table(Program::Quadrelle);
        table.Load(mine);
        {
            frame::SettingsStore other(QStringLiteral("Quadrelle"), file);
            HighScoreTable t(Program::Quadrelle);
            t.Load(other);
            t.SaveScore(0, 300, 1, 2, At(QStringLiteral("2026-01-01T10:00:00")));
            t.CommitName(QStringLiteral("Other"));
            t.Save(other);
        }
        QCOMPARE(table.SaveScore(0, 200, 1, 3, At(QStringLiteral("2026-01-01T11:00:00"))), int16_t{1});
        table.Save(mine);
        QCOMPARE(table.PendingPosition(), int16_t{2});
        QCOMPARE(table.Record(0, 1).Name, QStringLiteral("Other"));
        QCOMPARE(table.CommitName(QStringLiteral("Me")), int16_t{2});
        QCOMPARE(table.Record(0, 2).Name, QStringLiteral("Me"));
        QCOMPARE(table.Record(0, 2).Score, 200);
        VerifyChecksums(table);
    }

    // The entry point the score server checks uploads with: plain values, no table.
    void chkSumOfPlainValues_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("chkSum");
        QTest::newRow("Zephlon Original") << Program::Zephlon << 0 << "x" << 100 << QString() << 1626;
        QTest::newRow("Zephlon Puzzle") << Program::Zephlon << 1 << "x" << 100 << QString() << 1628;
        // 2 * (4210 + 4210 mod 7 + 3 + 7 + 1) + 1416
        QTest::newRow("Zephlon name free") << Program::Zephlon << 0 << "Red Fox" << 4210 << QString() << 9864;
        QTest::newRow("Quadrelle") << Program::Quadrelle << 0 << "x" << 100 << "1990-01-01T00:00:00" << 1624;
        QTest::newRow("Quadrelle without date") << Program::Quadrelle << 0 << "x" << 100 << QString() << 0;
        QTest::newRow("Vantorel") << Program::Vantorel << 0 << "vantorel" << 100 << "1990-01-01T00:00:00"
                                  << 70843;
        QTest::newRow("too large") << Program::Zephlon << 0 << "x" << 2000000000 << QString() << 0;
    }
    void chkSumOfPlainValues() {
        QFETCH(Program, program);
        QFETCH(int, list);
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(QString, date);
        QFETCH(int, chkSum);
        HighScoreRecord record;
        record.Name = name;
        record.Score = score;
        record.StartLevel = name == u"Red Fox" ? 3 : 1;
        record.EndLevel = name == u"Red Fox" ? 7 : 1;
        record.Date = date.isEmpty() ? QDateTime() : At(date);
        QCOMPARE(scores::ChkSumOf(program, list, record), chkSum);
    }

    void clearingOneList() {
        HighScoreTable table(Program::Zephlon);
        const QDateTime now = At(QStringLiteral("2026-01-01T10:00:00"));
        for (int list : {0, 1}) {
            table.SaveScore(list, 500, 1, 4, now);
            table.CommitName(QStringLiteral("Bob"));
        }
        table.ClearAllScores(1);
        QCOMPARE(table.Record(0, 1).Name, QStringLiteral("Bob"));
        QCOMPARE(table.BestScore(0), 500);
        QCOMPARE(table.BestScore(1), 100);
        for (int p = 1; p <= kListSize; ++p) {
            QCOMPARE(table.Record(1, p).Score, 110 - 10 * p);
            QCOMPARE(table.Record(1, p).Name, QStringLiteral("Zephlon"));
        }
        VerifyChecksums(table);
    }
};

ARCADE_TEST_GUILESS_MAIN(TestHighScoreTable)
#include "tst_highscoretable.moc"
