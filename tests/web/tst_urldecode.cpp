// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "support/testmain.h"
#include "web/links.h"
#include "web/urldecode.h"

// The score server's reading of escaped values: the inverse of the games' escaping, tolerant of
// older one-digit escapes and of plain UTF-8 escapes from other clients.
class TestUrlDecode : public QObject {
    Q_OBJECT
  private slots:
    void decode_data() {
        QTest::addColumn<QByteArray>("escaped");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QByteArray("Red.Fox-1") << "Red.Fox-1";
        QTest::newRow("plus stays") << QByteArray("a+b") << "a+b";
        QTest::newRow("two-digit") << QByteArray("%20%26%3D%25") << " &=%";
        QTest::newRow("lower-case hex") << QByteArray("%e9") << QString::fromUtf8("é");
        QTest::newRow("one-digit tab") << QByteArray("a%9 %9") << "a\t \t";
        QTest::newRow("one-digit before a non-hex") << QByteArray("%9x") << "\tx";
        QTest::newRow("two-digit wins") << QByteArray("%09A") << "\tA";
        QTest::newRow("lone percent") << QByteArray("100%") << "100%";
        QTest::newRow("percent non-hex") << QByteArray("%zz") << "%zz";
        QTest::newRow("windows-1252") << QByteArray("%80%9F%E9") << QString::fromUtf8("€Ÿé");
        QTest::newRow("undefined byte") << QByteArray("%81") << QString(QChar(0x81));
        QTest::newRow("utf-8") << QByteArray("%C5%81%C3%A9") << QString::fromUtf8("Łé");
        QTest::newRow("utf-8 four bytes") << QByteArray("%F0%9F%98%80") << QString::fromUtf8("😀");
        QTest::newRow("broken utf-8 is windows-1252") << QByteArray("%C3%28") << QString::fromUtf8("Ã(");
        QTest::newRow("overlong utf-8 is windows-1252") << QByteArray("%C0%AF") << QString::fromUtf8("À¯");
        QTest::newRow("surrogate utf-8 is windows-1252")
            << QByteArray("%ED%A0%80") << QString::fromUtf8("í") + QChar(0xA0) + QChar(0x20AC);
        QTest::newRow("raw bytes") << QByteArray("\xE9t\xE9") << QString::fromUtf8("été");
        QTest::newRow("nul") << QByteArray("%00") << QString(QChar(0));
    }
    void decode() {
        QFETCH(QByteArray, escaped);
        QTEST(web::DecodeFromURL(escaped), "text");
    }

    void forcedWindows1252() {
        QCOMPARE(web::DecodeFromURL("%C3%A9", web::UrlCharset::Windows1252), QString::fromUtf8("Ã©"));
    }

    // Whatever the games escape reads back as the text they meant; a character outside the code page
    // was sent as "?".
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("received");
        QTest::newRow("query breakers") << "a&b=c%d#e?f"
                                        << "a&b=c%d#e?f";
        QTest::newRow("plus") << "A+B +"
                              << "A+B +";
        QTest::newRow("controls") << "\t\x01x"
                                  << "\t\x01x";
        QTest::newRow("accents") << QString::fromUtf8("Renée Œuvre €") << QString::fromUtf8("Renée Œuvre €");
        QTest::newRow("outside") << QString::fromUtf8("Łódź 😀") << QString::fromUtf8("?ód? ?");
    }
    void roundTrip() {
        QFETCH(QString, text);
        for (bool keepPath : {false, true})
            QTEST(web::DecodeFromURL(web::EscapeForURL(text, keepPath).toLatin1()), "received");
    }
};

ARCADE_TEST_GUILESS_MAIN(TestUrlDecode)
#include "tst_urldecode.moc"
