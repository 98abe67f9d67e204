// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "support/testmain.h"
#include "web/links.h"

using web::UploadRecord;

namespace {

const QString kServer = QStringLiteral("scores.example.org/arcade");
const QString kPlayer = QStringLiteral("me@example.org/~fox page");
const QString kPlayerEscaped = QStringLiteral("me@example.org/~fox%20page");

UploadRecord record(const QString& name, int32_t score, int16_t start, int16_t end, int32_t chk,
                    const QDateTime& date = QDateTime(QDate(2026, 3, 5), QTime(21, 7, 9), Qt::UTC)) {
    return UploadRecord{name, score, start, end, date, chk};
}

// Every draw of the cache breaker gives 456.
double fixedDraw() {
    return 0.4567;
}

}  // namespace

class TestWebLinks : public QObject {
    Q_OBJECT
  private slots:
    void escape_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("keepPath");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("letters and digits") << "azAZ09" << false << "azAZ09";
        QTest::newRow("eleven kept") << ".-_'(!*),$\"" << false << ".-_'(!*),$\"";
        // A "+" left as it is would be read as a space by a form decoder.
        QTest::newRow("plus") << "A+B C" << true << "A%2BB%20C";
        QTest::newRow("path kept") << "@/~" << true << "@/~";
        QTest::newRow("path escaped") << "@/~" << false << "%40%2F%7E";
        QTest::newRow("space tab amp") << " \t&" << true << "%20%09%26";
        // Two digits always: "%9b" would arrive as the byte 0x9B.
        QTest::newRow("low codes") << QString::fromUtf8("a\tb\x01") << false << "a%09b%01";
        QTest::newRow("query breakers") << "#=?%" << true << "%23%3D%3F%25";
        QTest::newRow("latin-1") << QString::fromUtf8("é") << false << "%E9";
        QTest::newRow("windows-1252 extras") << QString::fromUtf8("€Ÿ") << false << "%80%9F";
        QTest::newRow("outside the code page") << QString::fromUtf8("Ł😀") << false << "%3F%3F";
        // Characters beyond U+FFFF whose low 16 bits are a kept mark, a letter or a path character.
        QTest::newRow("beyond the BMP")
            << QString::fromUcs4(U"a\U0002002E\U00010041b\U0002002F") << true << "a%3F%3Fb%3F";
        QTest::newRow("empty") << "" << true << "";
    }
    void escape() {
        QFETCH(QString, text);
        QFETCH(bool, keepPath);
        QTEST(web::EscapeForURL(text, keepPath), "escaped");
    }

    void commandStrings() {
        const UploadRecord fox = record(QStringLiteral("Red Fox"), 4210, 3, 7, 8);
        QCOMPARE(web::ZephlonCommandString(2, fox, true),
                 QStringLiteral("N2=Red%20Fox&S2=4210&SL2=3&EL2=7&C2=8"));
        // Unnumbered texts escape the name too: "&" must not start a parameter of its own.
        QCOMPARE(web::ZephlonCommandString(2, record(QStringLiteral("A&S1=9"), 5, 1, 1, 2), false),
                 QStringLiteral("N1=A%26S1%3D9&S1=5&SL1=1&EL1=1&C1=2"));
        QCOMPARE(web::QuadrelleCommandString(4, fox, true, QLocale::c()),
                 QStringLiteral("N4=Red%20Fox&S4=4210&SL4=3&EL4=7&D4=05/03/26%2009%3A07%3A09%20PM&C4=8"));
        QCOMPARE(web::QuadrelleCommandString(1, record(QStringLiteral("A+B"), 5, 1, 1, 2), false,
                                             QLocale(QStringLiteral("zh_CN"))),
                 QStringLiteral("N1=A%2BB&S1=5&SL1=1&EL1=1&D1=05/03/26%2009%3A07%3A09%20PM&C1=2"));
        QCOMPARE(
            web::VantorelCommandString(fox),
            QStringLiteral(
                "Name=Red%20Fox&Score=4210&StartLevel=3&EndLevel=7&Date=2026-03-05T21%3A07%3A09&ChkSum=8"));
    }

    void quadrelleDate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");  // the date as the link carries it
        QTest::newRow("midnight") << "C" << QTime(0, 0, 0) << "31/12/99 12:00:00 AM"
                                  << "31/12/99%2012%3A00%3A00%20AM";
        QTest::newRow("morning") << "C" << QTime(9, 5, 1) << "31/12/99 09:05:01 AM"
                                 << "31/12/99%2009%3A05%3A01%20AM";
        QTest::newRow("noon") << "C" << QTime(12, 0, 0) << "31/12/99 12:00:00 PM"
                              << "31/12/99%2012%3A00%3A00%20PM";
        QTest::newRow("evening") << "C" << QTime(23, 59, 59) << "31/12/99 11:59:59 PM"
                                 << "31/12/99%2011%3A59%3A59%20PM";
        // Designators Windows-1252 cannot write would arrive as "??", read as the morning.
        QTest::newRow("Chinese afternoon") << "zh_CN" << QTime(15, 4, 5) << "31/12/99 03:04:05 PM"
                                           << "31/12/99%2003%3A04%3A05%20PM";
        QTest::newRow("Arabic morning") << "ar" << QTime(9, 5, 1) << "31/12/99 09:05:01 AM"
                                        << "31/12/99%2009%3A05%3A01%20AM";
        QTest::newRow("Arabic afternoon") << "ar_EG" << QTime(21, 7, 9) << "31/12/99 09:07:09 PM"
                                          << "31/12/99%2009%3A07%3A09%20PM";
        QTest::newRow("Greek afternoon") << "el_GR" << QTime(12, 30, 0) << "31/12/99 12:30:00 PM"
                                         << "31/12/99%2012%3A30%3A00%20PM";
        // One it can write is kept.
        QTest::newRow("Swedish afternoon") << "sv_SE" << QTime(13, 0, 0) << "31/12/99 01:00:00 em"
                                           << "31/12/99%2001%3A00%3A00%20em";
    }
    void quadrelleDate() {
        QFETCH(QString, locale);
        QFETCH(QTime, time);
        const QString date =
            web::QuadrelleDate(QDateTime(QDate(1999, 12, 31), time, Qt::UTC), QLocale(locale));
        QTEST(date, "text");
        QTEST(web::EscapeForURL(date, true), "escaped");
    }

    void uploadLinks() {
        const UploadRecord fox = record(QStringLiteral("Red Fox"), 4210, 3, 7, 8);
        const QList<UploadRecord> top = {fox, record(QStringLiteral("A&B"), 3000, 2, 5, 9),
                                         record(QString::fromUtf8("Zoë"), 100, 1, 1, 10),
                                         record(QStringLiteral("fourth"), 90, 1, 1, 11)};
        QCOMPARE(web::ZephlonUploadHiScoreLink(kServer, kPlayer, true, fox, fixedDraw),
                 "scores.example.org/arcade/zephlon/UploadScores.asp?URL=" + kPlayerEscaped +
                     "&Ver=1.2D&GM=puzzle&US=1&N1=Red%20Fox&S1=4210&SL1=3&EL1=7&C1=8&Dummy=456");
        QCOMPARE(web::ZephlonUploadHiScoresLink(kServer, kPlayer, false, top, fixedDraw),
                 "scores.example.org/arcade/zephlon/UploadScores.asp?URL=" + kPlayerEscaped +
                     "&Ver=1.2D&GM=original&US=3&N1=Red%20Fox&S1=4210&SL1=3&EL1=7&C1=8"
                     "&N2=A%26B&S2=3000&SL2=2&EL2=5&C2=9&N3=Zo%EB&S3=100&SL3=1&EL3=1&C3=10&Dummy=456");
        QCOMPARE(web::QuadrelleUploadHiScoreLink(kServer, kPlayer, fox, fixedDraw, QLocale::c()),
                 "scores.example.org/arcade/quadrelle/UploadScores.asp?US=1&N1=Red%20Fox&S1=4210&SL1=3&EL1=7"
                 "&D1=05/03/26%2009%3A07%3A09%20PM&C1=8&URL=" +
                     kPlayerEscaped + "&Ver=1.2&Dummy=456");
        QCOMPARE(
            web::VantorelUploadLink(QStringLiteral("scores.example.org"), kPlayer, fox, fixedDraw),
            "scores.example.org/vantorel/UploadScores.asp?Name=Red%20Fox&Score=4210&StartLevel=3&EndLevel=7"
            "&Date=2026-03-05T21%3A07%3A09&ChkSum=8&URL=" +
                kPlayerEscaped + "&Dummy=456");
        // An empty address still sends its key.
        QVERIFY(web::ZephlonUploadHiScoreLink(kServer, QString(), false, fox, fixedDraw)
                    .contains(QStringLiteral("?URL=&Ver=1.2D")));
        QVERIFY(web::QuadrelleUploadHiScoreLink(kServer, QString(), fox, fixedDraw, QLocale::c())
                    .contains(QStringLiteral("&URL=&Ver=1.2&")));
    }

    void quadrelleAllTen() {
        QList<UploadRecord> ten;
        for (int p = 1; p <= 10; ++p)
            ten << record(QStringLiteral("P%1").arg(p), 110 - 10 * p, 1, 2, p);
        const QString link = web::QuadrelleUploadHiScoresLink(kServer, kPlayer, ten, fixedDraw, QLocale::c());
        QVERIFY2(link.startsWith(
                     QStringLiteral("scores.example.org/arcade/quadrelle/UploadScores.asp?US=10&"
                                    "N1=P1&S1=100&SL1=1&EL1=2&D1=05/03/26%2009%3A07%3A09%20PM&C1=1&N2=P2&")),
                 qPrintable(link));
        QVERIFY2(link.endsWith(
                     QStringLiteral("&N10=P10&S10=10&SL10=1&EL10=2&D10=05/03/26%2009%3A07%3A09%20PM&C10=10"
                                    "&URL=") +
                     kPlayerEscaped + "&Ver=1.2&Dummy=456"),
                 qPrintable(link));
        QCOMPARE(link.count(QStringLiteral("&C")), 10);
    }

    void cacheBreaker_data() {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("text");
        QTest::newRow("lowest") << 0.0 << "&Dummy=0";
        QTest::newRow("highest") << 0.99999 << "&Dummy=999";
        QTest::newRow("stray above") << 1.0 << "&Dummy=999";
        QTest::newRow("stray below") << -0.5 << "&Dummy=0";
    }
    void cacheBreaker() {
        QFETCH(double, draw);
        QTEST(web::CacheBreaker([draw] { return draw; }), "text");
    }

    // Two uploads of the same record differ only in the cache breaker, drawn anew for each link.
    void freshBreakerPerLink() {
        double next = 0.1;
        const web::RandomSource random = [&next] {
            const double r = next;
            next += 0.2;
            return r;
        };
        const UploadRecord fox = record(QStringLiteral("Red Fox"), 4210, 3, 7, 8);
        const QString first = web::ZephlonUploadHiScoreLink(kServer, kPlayer, false, fox, random);
        const QString second = web::ZephlonUploadHiScoreLink(kServer, kPlayer, false, fox, random);
        QVERIFY(first.endsWith(QStringLiteral("&Dummy=100")));
        QVERIFY(second.endsWith(QStringLiteral("&Dummy=300")));
        QCOMPARE(first.chopped(3), second.chopped(3));
    }

    void globalLinks() {
        QCOMPARE(web::ZephlonGlobalLink(kServer, false),
                 QStringLiteral("scores.example.org/arcade/zephlon/scores.asp?GameMode=original"));
        QCOMPARE(web::ZephlonGlobalLink(kServer + "/", true),
                 QStringLiteral("scores.example.org/arcade/zephlon/scores.asp?GameMode=puzzle"));
        QCOMPARE(web::QuadrelleGlobalLink(kServer, 3, 1, fixedDraw),
                 QStringLiteral(
                     "scores.example.org/arcade/quadrelle/scores.asp?Period=Alltime&Scores=100&Dummy=456"));
        QCOMPARE(web::QuadrelleQuery(0, 0), QStringLiteral("Period=Day&Scores=10"));
        QCOMPARE(web::QuadrelleQuery(1, 0), QStringLiteral("Period=Week&Scores=10"));
        QCOMPARE(web::QuadrelleQuery(2, 5), QStringLiteral("Period=Month&Scores=100"));
        QCOMPARE(web::VantorelGlobalLink(QStringLiteral("scores.example.org")),
                 QStringLiteral("scores.example.org/vantorel/scores.asp"));
    }
};

ARCADE_TEST_GUILESS_MAIN(TestWebLinks)
#include "tst_weblinks.moc"
