// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLocalSocket>
#include <QProcess>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QTcpServer>
#include <QtTest>

#include "recordedgames.h"
#include "scores/highscoretable.h"
#include "scoreserver/admin.h"
#include "scoreserver/database.h"
#include "serverfixture.h"
#include "support/testmain.h"
#include "web/links.h"
#include "web/records.h"

using frame::Program;
using scores::HighScoreTable;

namespace {

double Draw() {
    return 0.25;
}

// A played game named in the local table, as the games record it.
void Play(HighScoreTable& table, int list, const QString& name, int32_t score, int16_t start, int16_t end,
          const QDateTime& when) {
    QVERIFY(table.SaveScore(list, score, start, end, when) > 0);
    QVERIFY(table.CommitName(name) > 0);
}

QDateTime At(int day, int hour, int minute) {
    return QDateTime(QDate(2026, 3, day), QTime(hour, minute, 7), QTimeZone::utc());
}

// "name|score|start|end" of each record of a JSON list, best first, and "|date" when it has one.
QStringList Rows(const QJsonArray& records) {
    QStringList rows;
    for (const QJsonValue& v : records) {
        const QJsonObject o = v.toObject();
        rows << QStringLiteral("%1|%2|%3|%4")
                        .arg(o.value(u"name").toString())
                        .arg(o.value(u"score").toInt())
                        .arg(o.value(u"startLevel").toInt())
                        .arg(o.value(u"endLevel").toInt()) +
                    (o.contains(u"date") ? u'|' + o.value(u"date").toString() : QString());
    }
    return rows;
}

// Links the games build, with the server address filled in by the test.
using LinkMaker = std::function<QString(const QString& server)>;
// A whole request, made once the server's port is known.
using RequestMaker = std::function<QByteArray(ServerFixture&)>;

// A TCP relay to PostgreSQL's local socket that can stop forwarding, as a stalled network link does:
// both ends stay connected and nothing arrives. It runs in a thread of its own, since the test's thread
// waits for the database at times.
class Relay {
  public:
    explicit Relay(const QString& socketPath) : path_(socketPath) {
        thread_.start();
        anchor_ = new QObject;
        anchor_->moveToThread(&thread_);
        QMetaObject::invokeMethod(
            anchor_, [this] { start(); }, Qt::BlockingQueuedConnection);
    }
    ~Relay() {
        QMetaObject::invokeMethod(
            anchor_, [this] { delete anchor_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
    quint16 Port() const { return port_; }
    void Pause() { paused_ = true; }
    void Resume() {
        paused_ = false;
        QMetaObject::invokeMethod(anchor_, [this] {
            for (const auto& [a, b] : pairs_) {
                if (a && b) pump(a, b), pump(b, a);
            }
        });
    }

  private:
    void start() {
        auto* server = new QTcpServer(anchor_);
        server->listen(QHostAddress::LocalHost, 0);
        port_ = server->serverPort();
        QObject::connect(server, &QTcpServer::newConnection, anchor_, [this, server] {
            while (QTcpSocket* client = server->nextPendingConnection()) {
                auto* database = new QLocalSocket(client);
                database->connectToServer(path_);
                database->waitForConnected(5000);
                QObject::connect(client, &QTcpSocket::readyRead, anchor_,
                                 [=, this] { pump(client, database); });
                QObject::connect(database, &QLocalSocket::readyRead, anchor_,
                                 [=, this] { pump(database, client); });
                QObject::connect(client, &QTcpSocket::disconnected, database,
                                 &QLocalSocket::disconnectFromServer);
                QObject::connect(database, &QLocalSocket::disconnected, client,
                                 &QTcpSocket::disconnectFromHost);
                pairs_ << qMakePair(QPointer<QIODevice>(client), QPointer<QIODevice>(database));
                pump(client, database);
            }
        });
    }
    void pump(QIODevice* from, QIODevice* to) {
        if (!paused_) to->write(from->readAll());
    }
    QString path_;
    QThread thread_;
    QObject* anchor_ = nullptr;
    quint16 port_ = 0;
    QList<QPair<QPointer<QIODevice>, QPointer<QIODevice>>> pairs_;
    std::atomic<bool> paused_{false};
};

const QByteArray kFox = "/arcade/vantorel/UploadScores.asp?Name=Fox&Score=100&StartLevel=1&EndLevel=1&Date=";

// A Vantorel upload of Fox with a score of 100 on 5 March 2026 at 10:00:07, whose URL is url.
QByteArray FoxUpload(const QByteArray& url = {}) {
    // "Fox" sums to 70 + 111 + 120 = 301; 2026-03-05 10:00:07 is day 46086 (the morning rounds down).
    return kFox + "2026-03-05T10:00:07&ChkSum=" + QByteArray::number(2 * (100 + 301 + 1 + 1 + 46086) + 3141) +
           (url.isEmpty() ? QByteArray() : "&URL=" + url);
}

}  // namespace

Q_DECLARE_METATYPE(LinkMaker)

class TestScoreServer : public QObject {
    Q_OBJECT
    ServerFixture f;

  private slots:
    void init() { QVERIFY(f.Start()); }

    void uploadsStoreWhatTheGamesSent_data() {
        QTest::addColumn<LinkMaker>("link");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("page");

        const QString url = QStringLiteral("http://fox.example.org/~me");
        {
            HighScoreTable t(Program::Zephlon);
            Play(t, 0, QStringLiteral("A&B=C%D #1"), 4210, 3, 7, At(5, 20, 0));
            const auto r = web::UploadRecordsOf(t, 0).first();
            QTest::newRow("Zephlon one, query breakers") << LinkMaker([=](const QString& s) {
                return web::ZephlonUploadHiScoreLink(s, url, false, r, Draw);
            }) << QByteArray("zephlon/scores.asp?GameMode=original")
                                                         << QStringList{"A&B=C%D #1|4210|3|7"}
                                                         << "stored at rank 1 of the Zephlon Original list";
        }
        {
            HighScoreTable t(Program::Zephlon);
            Play(t, 1, QString::fromUtf8("Renée"), 900, 2, 4, At(5, 10, 0));
            Play(t, 1, QString::fromUtf8("Łukasz"), 800, 1, 3, At(5, 11, 0));
            Play(t, 1, QString::fromUtf8("Zoë €5"), 700, 1, 2, At(5, 12, 0));
            const auto list = web::UploadRecordsOf(t, 1);
            QTest::newRow("Zephlon top three, Puzzle, accents")
                << LinkMaker([=](const QString& s) {
                       return web::ZephlonUploadHiScoresLink(s, url, true, list, Draw);
                   })
                << QByteArray("zephlon/scores.asp?GameMode=puzzle")
                << QStringList{QString::fromUtf8("Renée|900|2|4"), QString::fromUtf8("?ukasz|800|1|3"),
                               QString::fromUtf8("Zoë €5|700|1|2")}
                << "3 of 3 records stored in the Zephlon Puzzle list";
        }
        {
            HighScoreTable t(Program::Quadrelle);
            Play(t, 0, QString::fromUtf8("Œuvre 100%"), 12345, 1, 9, At(5, 21, 7));
            const auto r = web::UploadRecordsOf(t, 0).first();
            QTest::newRow("Quadrelle one, afternoon")
                << LinkMaker([=](const QString& s) {
                       return web::QuadrelleUploadHiScoreLink(s, url, r, Draw, QLocale::c());
                   })
                << QByteArray("quadrelle/scores.asp?Period=Day&Scores=10")
                << QStringList{QString::fromUtf8("Œuvre 100%|12345|1|9|2026-03-05T21:07:07")}
                << "stored at rank 1 of the Quadrelle list";
        }
        {
            HighScoreTable t(Program::Quadrelle);
            Play(t, 0, QStringLiteral("Ann"), 5000, 2, 6, At(4, 9, 15));
            Play(t, 0, QString::fromUtf8("Bo 😀"), 300, 1, 2, At(5, 0, 30));
            const auto list = web::UploadRecordsOf(t, 0);
            QTest::newRow("Quadrelle all ten, defaults skipped")
                << LinkMaker([=](const QString& s) {
                       return web::QuadrelleUploadHiScoresLink(s, QString(), list, Draw, QLocale::c());
                   })
                << QByteArray("quadrelle/scores.asp?Period=Alltime&Scores=100")
                << QStringList{"Ann|5000|2|6|2026-03-04T09:15:07", "Bo ?|300|1|2|2026-03-05T00:30:07"}
                << "2 of 10 records stored in the Quadrelle list";
        }
        {
            HighScoreTable t(Program::Vantorel);
            Play(t, 0, QString::fromUtf8("Çà & ça=%Ω"), 7000, 1, 5, At(5, 12, 0));
            const auto r = web::UploadRecordsOf(t, 0).first();
            QTest::newRow("Vantorel, name in the checksum")
                << LinkMaker([=](const QString& s) { return web::VantorelUploadLink(s, url, r, Draw); })
                << QByteArray("vantorel/scores.asp")
                << QStringList{QString::fromUtf8("Çà & ça=%?|7000|1|5|2026-03-05T12:00:07")}
                << "stored at rank 1 of the Vantorel list";
        }
    }
    void uploadsStoreWhatTheGamesSent() {
        QFETCH(LinkMaker, link);
        QFETCH(QByteArray, list);
        QFETCH(QStringList, stored);
        QFETCH(QString, page);
        const auto reply = f.Get(f.TargetOf(link(f.Address())));
        QCOMPARE(reply.status, 200);
        QVERIFY2(reply.text().contains(page), qPrintable(reply.text()));
        QCOMPARE(Rows(f.Records(list)), stored);
    }

    // A recorded game uploaded with its link and its replay is stored verified, or the record stored
    // before from its link is marked; a hand-made link with a valid checksum and no replay stays
    // unverified; verified=1 and --verified-only list only the proved ones; a replay downloads, the
    // same bytes at the same address.
    void replaysProveRecords() {
        using recordedgames::Record;
        const auto player = Record(Program::Vantorel, 11, QStringLiteral("Player"), At(5, 13, 0));
        const auto late = Record(Program::Vantorel, 12, QStringLiteral("Late"), At(5, 14, 0));
        QVERIFY(player.recording.finished && late.recording.finished);
        QVERIFY(player.record.Score > 0 && late.record.Score > 0);
        HighScoreTable forged(Program::Vantorel);
        Play(forged, 0, QStringLiteral("Forger"), 5000000, 1, 9, At(5, 12, 0));
        const auto link = [&](const web::UploadRecord& r) {
            return f.TargetOf(web::VantorelUploadLink(f.Address(), QString(), r, Draw));
        };
        const auto replayLink = [&](const web::UploadRecord& r) {
            return link(r).replace("/UploadScores.asp?", "/UploadReplay.asp?");
        };
        const auto forgery = f.Get(link(web::UploadRecordsOf(forged, 0).first()));
        QVERIFY2(forgery.status == 200,
                 qPrintable(forgery.text().mid(forgery.text().indexOf(QStringLiteral("<body>")))));
        QCOMPARE(f.Get(link(late.record)).status, 200);
        auto reply = f.Post(replayLink(player.record), player.file);
        QCOMPARE(reply.status, 200);
        QVERIFY2(
            reply.text().startsWith(
                QStringLiteral("verified: record \"Player\" %1 stored at rank ").arg(player.record.Score)),
            qPrintable(reply.text()));
        reply = f.Post(replayLink(late.record), late.file);
        QVERIFY2(reply.text().contains(QStringLiteral(" already stored, at rank ")),
                 qPrintable(reply.text()));
        QCOMPARE(f.Logged(QStringLiteral("replay from 127.0.0.1 to vantorel: verified")).size(), 2);

        const auto byName = [](const QJsonArray& records) {
            QHash<QString, QJsonObject> named;
            for (const QJsonValue& v : records)
                named.insert(v.toObject().value(u"name").toString(), v.toObject());
            return named;
        };
        const auto all = byName(f.Records("vantorel/scores.asp"));
        QCOMPARE(all.size(), 3);
        QCOMPARE(all[QStringLiteral("Forger")].value(u"verified").toBool(), false);
        QVERIFY(!all[QStringLiteral("Forger")].contains(u"replay"));
        QVERIFY(all[QStringLiteral("Late")].value(u"verified").toBool());
        const QString address = all[QStringLiteral("Player")].value(u"replay").toString();
        QCOMPARE(address, QStringLiteral("/arcade/replays/") + scoreserver::ReplayId(player.file));
        const auto proved = byName(f.Records("vantorel/scores.asp?verified=1"));
        QCOMPARE(QSet<QString>(proved.keyBegin(), proved.keyEnd()),
                 (QSet<QString>{QStringLiteral("Player"), QStringLiteral("Late")}));
        const auto download = f.Get(address.toLatin1());
        QCOMPARE(download.status, 200);
        QCOMPARE(download.body, player.file);
        QCOMPARE(download.header("Content-Disposition"),
                 "attachment; filename=\"" + scoreserver::ReplayId(player.file).toLatin1() + ".qbgr\"");
        QCOMPARE(f.Get("/arcade/replays/" + QByteArray(32, 'f')).status, 404);
        const QString page = f.Get("/arcade/vantorel/scores.asp").text();
        QVERIFY2(page.contains(QStringLiteral("<a class=\"verified\" href=\"") + address), qPrintable(page));
        QCOMPARE(page.count(QStringLiteral("class=\"verified\"")), 2);

        f.context->options.verifiedOnly = true;
        QCOMPARE(f.Get("/arcade/vantorel/scores.asp?verified=0").text().count(QStringLiteral("<tr><td")), 2);

        // A name Windows-1252 cannot write arrives as the link sends it ("?"), and still matches its claim.
        const auto polish = Record(Program::Quadrelle, 13, QString::fromUtf8("Łukasz"), At(5, 15, 0));
        reply = f.Post(f.TargetOf(web::QuadrelleUploadHiScoreLink(f.Address(), QString(), polish.record, Draw,
                                                                  QLocale::c()))
                           .replace("/UploadScores.asp?", "/UploadReplay.asp?"),
                       polish.file);
        QVERIFY2(reply.status == 200, qPrintable(reply.text()));
        QVERIFY(reply.text().startsWith(QStringLiteral("verified: record \"?ukasz\"")));
    }

    // A replay that proves nothing is refused with the reason, in the answer and the log; nothing is
    // stored, and the server goes on serving.
    void badReplays_data() {
        QTest::addColumn<RequestMaker>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        using frame::RecordingError;
        const auto game =
            recordedgames::Record(Program::Vantorel, 11, QStringLiteral("Player"), At(5, 13, 0));
        const auto other =
            recordedgames::Record(Program::Vantorel, 12, QStringLiteral("Other"), At(5, 14, 0));
        // The target of a record's replay, and a whole request sending body there for it.
        const auto target = [](const web::UploadRecord& record) {
            return [record](ServerFixture& f) {
                return f.TargetOf(web::VantorelUploadLink(f.Address(), QString(), record, Draw))
                    .replace("/UploadScores.asp?", "/UploadReplay.asp?");
            };
        };
        const auto post = [target](const web::UploadRecord& record, const QByteArray& body) {
            return RequestMaker([to = target(record), body](ServerFixture& f) {
                return "POST " + to(f) + " HTTP/1.1\r\nContent-Length: " + QByteArray::number(body.size()) +
                       "\r\nConnection: close\r\n\r\n" + body;
            });
        };
        const auto raw = [to = target(game.record)](const QByteArray& method, const QByteArray& headers) {
            return RequestMaker([to, method, headers](ServerFixture& f) {
                return method + ' ' + to(f) + " HTTP/1.1\r\n" + headers + "Connection: close\r\n\r\n";
            });
        };
        // The game's recording changed, and encoded again.
        const auto changed = [&](const std::function<void(frame::GameRecording&)>& change) {
            frame::GameRecording r = game.recording;
            change(r);
            return frame::Encode(r);
        };
        const auto text = [](RecordingError e) { return frame::RecordingErrorText(e); };
        QTest::newRow("no length") << raw("POST", {}) << 411 << "Content-Length";
        QTest::newRow("chunked") << raw("POST", "Transfer-Encoding: chunked\r\n") << 411 << "Content-Length";
        QTest::newRow("larger than the cap")
            << raw("POST", "Content-Length: 262145\r\n") << 413 << "at most 262144 bytes";
        QTest::newRow("fetched with GET") << raw("GET", {}) << 405 << "sent with POST";
        QTest::newRow("posted elsewhere") << RequestMaker([](ServerFixture&) {
            return QByteArray(
                "POST /arcade/vantorel/UploadScores.asp HTTP/1.1\r\nContent-Length: 1\r\nConnection: "
                "close\r\n\r\nx");
        }) << 405 << "Only replays are sent with POST";
        QTest::newRow("empty") << post(game.record, {}) << 400 << "the replay is missing";
        web::UploadRecord badSum = game.record;
        badSum.ChkSum += 1;
        QTest::newRow("record's checksum wrong")
            << post(badSum, game.file) << 400 << "the checksum does not match the record";
        QTest::newRow("truncated") << post(game.record, game.file.left(6)) << 422
                                   << text(RecordingError::Truncated);
        QByteArray flipped = game.file;
        for (qsizetype i = flipped.size() / 2; i < flipped.size() / 2 + 8; ++i)
            flipped[i] = static_cast<char>(flipped[i] ^ 0x5a);
        QTest::newRow("corrupted") << post(game.record, flipped) << 422 << text(RecordingError::Corrupt);
        QTest::newRow("not a replay")
            << post(game.record, QByteArray(200, 'x')) << 422 << text(RecordingError::BadMagic);
        QTest::newRow("endless") << post(game.record, changed([](auto& r) { r.ticks = 3'000'000; })) << 422
                                 << text(RecordingError::TooManyTicks);
        QTest::newRow("other program")
            << post(game.record, changed([](auto& r) { r.program = Program::Quadrelle; })) << 422
            << text(RecordingError::OtherProgram);
        QTest::newRow("other rules version") << post(game.record, changed([](auto& r) { ++r.rulesVersion; }))
                                             << 422 << text(RecordingError::OtherRulesVersion);
        QTest::newRow("unknown input")
            << post(game.record, changed([](auto& r) {
                        r.inputs.push_back({r.ticks, static_cast<frame::InputKind>(99), 0, 0});
                    }))
            << 422 << text(RecordingError::UnknownInputKind);
        QTest::newRow("ends before its claim") << post(game.record, changed([](auto& r) {
                                                           r.inputs.resize(r.inputs.size() / 2);
                                                           r.ticks /= 2;
                                                       }))
                                               << 422 << text(RecordingError::NotFinished);
        // The claim and the uploaded record say 1000 points more than the game made.
        HighScoreTable inflated(Program::Vantorel);
        Play(inflated, 0, QStringLiteral("Player"), game.record.Score + 1000, game.record.StartLevel,
             game.record.EndLevel, At(5, 13, 0));
        QTest::newRow("claim differs from the game") << post(web::UploadRecordsOf(inflated, 0).first(),
                                                             changed([](auto& r) { r.claim->score += 1000; }))
                                                     << 422 << text(RecordingError::ClaimDiffers);
        QTest::newRow("claim differs from the record")
            << post(web::UploadRecordsOf(inflated, 0).first(), game.file) << 422
            << "the replay's record has the score";
        QTest::newRow("claim of another name")
            << post(game.record, changed([](auto& r) { r.claim->name = QStringLiteral("Someone"); })) << 422
            << "the replay's record has the name \"Someone\", the uploaded record \"Player\"";
        QTest::newRow("claim of another date")
            << post(game.record,
                    changed([](auto& r) { r.claim->date = QStringLiteral("2026-03-05T13:00:08"); }))
            << 422 << "the replay's record has the date 2026-03-05T13:00:08";
    }
    void badReplays() {
        QFETCH(RequestMaker, request);
        QFETCH(int, status);
        QFETCH(QString, reason);
        const auto reply = f.Raw(request(f));
        QVERIFY2(reply.status == status, qPrintable(reply.text()));
        QVERIFY2(reply.text().contains(reason), qPrintable(reply.text()));
        if (status == 400 || status == 422) {
            QVERIFY(reply.text().endsWith(QStringLiteral("; nothing was stored\n")));
            const QStringList logged =
                f.Logged(QStringLiteral("replay from 127.0.0.1 to vantorel: refused: "));
            QCOMPARE(logged.size(), 1);
            QVERIFY2(logged[0].contains(reason), qPrintable(logged[0]));
        }
        QCOMPARE(f.Records("vantorel/scores.asp").size(), 0);
        QCOMPARE(f.Get("/arcade/health").status, 200);
    }

    // Replays beyond the queue are answered 503 at once, while the pool is busy; the server serves
    // its lists meanwhile.
    void replayQueueFull() {
        QVERIFY(f.Start([](scoreserver::ServerOptions& o, scoreserver::Limits&) {
            o.verifyThreads = 1;
            o.verifyQueue = 1;
        }));
        QSemaphore entered, release;
        f.context->verify = [&](const QByteArray&, const scoreserver::ScoreList&,
                                const scoreserver::UploadEntry&) {
            entered.release();
            release.acquire();
            return scoreserver::Verdict{false, QStringLiteral("held")};
        };
        HighScoreTable t(Program::Vantorel);
        Play(t, 0, QStringLiteral("Player"), 7000, 1, 4, At(5, 13, 0));
        const QByteArray target =
            f.TargetOf(
                 web::VantorelUploadLink(f.Address(), QString(), web::UploadRecordsOf(t, 0).first(), Draw))
                .replace("/UploadScores.asp?", "/UploadReplay.asp?");
        QTcpSocket first;
        first.connectToHost(QHostAddress::LocalHost, f.server->Port());
        QVERIFY(first.waitForConnected(5000));
        first.write("POST " + target + " HTTP/1.1\r\nContent-Length: 1\r\n\r\nx");
        QTRY_COMPARE(entered.available(), 1);
        const auto busy = f.Post(target, "y");
        QCOMPARE(busy.status, 503);
        QCOMPARE(busy.header("Retry-After"), QByteArray("10"));
        QCOMPARE(f.Get("/arcade/vantorel/scores.asp").status, 200);
        release.release();
        QTRY_VERIFY(first.bytesAvailable() > 0 || first.waitForReadyRead(100));
        QVERIFY(first.readAll().contains("refused: held"));
    }

    // Whatever is wrong with a record, the page says what, and nothing is stored.
    void refusals_data() {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        const QByteArray z = "/arcade/zephlon/UploadScores.asp?URL=&Ver=1.2D&GM=original&US=1&";
        // 2 * (4210 + 3 + 3 + 7 + 1) + 1416 = 9864
        const QByteArray fox = "N1=Fox&S1=4210&SL1=3&EL1=7&C1=9864&Dummy=1";
        const QByteArray q = "/arcade/quadrelle/UploadScores.asp?US=1&N1=Fox&S1=100&SL1=1&EL1=1&D1=";
        // Vantorel: "Fox" sums to 70 + 111 + 120 = 301; 2026-03-05 10:00:07 is day 46086 (after noon it
        // rounds up).
        const QByteArray v =
            "/arcade/vantorel/UploadScores.asp?Name=Fox&Score=100&StartLevel=1&EndLevel=1&Date=";
        const auto chkV = [](int serial) {
            return QByteArray::number(2 * (100 + 301 + 1 + 1 + serial) + 3141);
        };
        QTest::newRow("accepted as a control") << z + fox << 200 << "stored at rank 1";
        QTest::newRow("wrong checksum") << z + "N1=Fox&S1=4210&SL1=3&EL1=7&C1=9866" << 400
                                        << "refused: the checksum does not match the record";
        QTest::newRow("missing field")
            << z + "N1=Fox&SL1=3&EL1=7&C1=9864" << 400 << "refused: missing field S1";
        QTest::newRow("negative score")
            << z + "N1=Fox&S1=-5&SL1=3&EL1=7&C1=9864" << 400 << "refused: score out of range";
        QTest::newRow("level zero") << z + "N1=Fox&S1=4210&SL1=0&EL1=7&C1=9862" << 400
                                    << "refused: start level out of range";
        // 2 * (4210 + 3 + 7 + 3 + 1) + 1416 = 9864
        QTest::newRow("end level below start level") << z + "N1=Fox&S1=4210&SL1=7&EL1=3&C1=9864" << 400
                                                     << "refused: the end level is below the start level";
        // 2 * (0 + 0 + 3 + 7 + 1) + 1416 = 1438
        QTest::newRow("Zephlon score 0")
            << z + "N1=Fox&S1=0&SL1=3&EL1=7&C1=1438" << 400 << "refused: a score of 0 is no result";
        QTest::newRow("score not a number")
            << z + "N1=Fox&S1=4e3&SL1=3&EL1=7&C1=9864" << 400 << "refused: score is not a number";
        QTest::newRow("name too long") << z + "N1=ABCDEFGHIJKLMNOPQRSTU&S1=4210&SL1=3&EL1=7&C1=9864" << 400
                                       << "refused: the name is longer than 20 characters";
        QTest::newRow("control in name") << z + "N1=A%07B&S1=4210&SL1=3&EL1=7&C1=9864" << 400
                                         << "refused: the name contains control characters";
        QTest::newRow("no such day") << q + "31/02/26%2010%3A00%3A00%20AM&C1=" +
                                            QByteArray::number(2 * (103 + 31 + 2) + 1416)
                                     << 400 << "refused: the date cannot be read";
        QTest::newRow("not a date") << q + "yesterday&C1=1" << 400 << "refused: the date cannot be read";
        QTest::newRow("date in the future")
            << q + "05/03/27%2001%3A00%3A00%20AM&C1=" + QByteArray::number(2 * (103 + 5 + 3) + 1416) << 400
            << "refused: the date is out of range";
        QTest::newRow("Vantorel bad date")
            << v + "2026-03-05T12:61:07&ChkSum=" + chkV(46086) << 400 << "refused: the date cannot be read";
        QTest::newRow("Vantorel wrong name")
            << QByteArray(v).replace("Name=Fox", "Name=Fax") + "2026-03-05T10:00:07&ChkSum=" + chkV(46086)
            << 400 << "refused: the checksum does not match the record";
        QTest::newRow("field twice") << z + fox + "&S1=4210" << 400
                                     << "Upload refused: the field S1 is given twice";
        QTest::newRow("missing game mode") << QByteArray("/arcade/zephlon/UploadScores.asp?US=1&") + fox
                                           << 400 << "Upload refused: missing field GM";
        QTest::newRow("unknown count")
            << QByteArray(z).replace("US=1", "US=2") + fox << 400 << "Upload refused: US must be 1 or 3";
        QTest::newRow("address too long")
            << QByteArray(z).replace("URL=", "URL=" + QByteArray(301, 'a')) + fox << 400
            << "Upload refused: the address is longer than 300 characters";
        QTest::newRow("unknown path") << QByteArray("/arcade/tetris/UploadScores.asp?") + fox << 404
                                      << "Unknown page: /arcade/tetris/UploadScores.asp";
        QTest::newRow("outside the base path") << QByteArray("/zephlon/UploadScores.asp?") + fox << 404
                                               << "Unknown page: /zephlon/UploadScores.asp";
    }
    void refusals() {
        QFETCH(QByteArray, target);
        QFETCH(int, status);
        QFETCH(QString, reason);
        const auto reply = f.Get(target);
        QCOMPARE(reply.status, status);
        QVERIFY2(reply.text().contains(reason), qPrintable(reply.text()));
        // A refused record's row says which record of the upload it was.
        if (reason.startsWith(QStringLiteral("refused:")))
            QVERIFY(reply.text().contains(QStringLiteral("<span class=\"none\">record 1</span>")));
        const int stored = status == 200 ? 1 : 0;
        QCOMPARE(f.Records("zephlon/scores.asp").size(), stored);
        QCOMPARE(f.Records("quadrelle/scores.asp?Period=Alltime").size(), 0);
        QCOMPARE(f.Records("vantorel/scores.asp").size(), 0);
    }

    // Names and addresses that try to become markup or SQL are stored as typed and shown as text.
    void hostileInput() {
        const QStringList names{QStringLiteral("<script>x</script>"), QStringLiteral("\"'><img src=x>"),
                                QStringLiteral("x');DROP TABLE t;--"), QStringLiteral("a' OR '1'='1")};
        const QStringList urls{
            QStringLiteral("javascript:alert(1)"), QStringLiteral("http://e.org/\"onclick=\"x"),
            QStringLiteral("<b>me</b>@example.org"), QStringLiteral("https://e.org/?a=1&b=<2>")};
        for (qsizetype i = 0; i < names.size(); ++i) {
            HighScoreTable t(Program::Vantorel);
            Play(t, 0, names[i], 1000 + static_cast<int>(i), 1, 2, At(5, 8, 0));
            const auto reply = f.Get(f.TargetOf(
                web::VantorelUploadLink(f.Address(), urls[i], web::UploadRecordsOf(t, 0).first(), Draw)));
            QCOMPARE(reply.status, 200);
            QVERIFY(!reply.text().contains(names[i]));
        }
        QStringList stored;
        for (const QJsonValue& v : f.Records("vantorel/scores.asp"))
            stored.prepend(v.toObject().value(u"name").toString());
        QCOMPARE(stored, names);

        const QString page = QString::fromUtf8(f.Get("/arcade/vantorel/scores.asp").body);
        for (const QString& name : names)
            QVERIFY2(!page.contains(name), qPrintable(name));
        QVERIFY(page.contains(QStringLiteral("&lt;script&gt;x&lt;/script&gt;")));
        QVERIFY(page.contains(QStringLiteral("&quot;&#39;&gt;&lt;img src=x&gt;")));
        QVERIFY(page.contains(QStringLiteral("x&#39;);DROP TABLE t;--")));
        QVERIFY(!page.contains(QStringLiteral("javascript:")));
        QVERIFY(!page.contains(QStringLiteral("<b>me")));
        QVERIFY(page.contains(QStringLiteral("href=\"http://e.org/%22onclick=%22x\" rel=\"nofollow ugc\"")));
        QVERIFY(
            page.contains(QStringLiteral("href=\"https://e.org/?a=1&amp;b=%3C2%3E\" rel=\"nofollow ugc\"")));
        QCOMPARE(page.count(QStringLiteral("<a href=\"http")), 2);
    }

    void sameRecordStoredOnce() {
        HighScoreTable t(Program::Zephlon);
        Play(t, 0, QStringLiteral("Fox"), 500, 1, 2, At(5, 8, 0));
        Play(t, 0, QStringLiteral("Owl"), 600, 1, 2, At(5, 9, 0));
        const auto list = web::UploadRecordsOf(t, 0);
        const QByteArray first =
            f.TargetOf(web::ZephlonUploadHiScoreLink(f.Address(), {}, false, list[1], Draw));
        QVERIFY(f.Get(first).text().contains(QStringLiteral("stored at rank 1")));
        const auto top3 =
            f.Get(f.TargetOf(web::ZephlonUploadHiScoresLink(f.Address(), {}, false, list, Draw)));
        QVERIFY(
            top3.text().contains(QStringLiteral("already stored, at rank 2 of the Zephlon Original list")));
        QVERIFY(top3.text().contains(QStringLiteral("stored at rank 1 of the Zephlon Original list")));
        QVERIFY(top3.text().contains(QStringLiteral("not stored: a default entry of an empty list")));
        QCOMPARE(Rows(f.Records("zephlon/scores.asp")), (QStringList{"Owl|600|1|2", "Fox|500|1|2"}));
    }

    // Periods count calendar days, weeks from Monday and months of the upload time, in UTC.
    void periods() {
        HighScoreTable t(Program::Quadrelle);
        for (const auto& [name, day] :
             {std::pair{"Feb", 27}, std::pair{"Mon", 2}, std::pair{"Wed", 4}, std::pair{"Thu", 5}}) {
            t.ClearAllScores(0);
            Play(t, 0, QString::fromLatin1(name), 1000 + day, 1, 1, At(day < 20 ? day : 1, 1, 0));
            f.now =
                day < 20 ? At(day, 23, 59) : QDateTime(QDate(2026, 2, day), QTime(12, 0), QTimeZone::utc());
            QVERIFY(f.Get(f.TargetOf(web::QuadrelleUploadHiScoreLink(
                              f.Address(), {}, web::UploadRecordsOf(t, 0).first(), Draw, QLocale::c())))
                        .text()
                        .contains(QStringLiteral("stored")));
        }
        f.now = At(5, 0, 0);  // Thursday 5 March
        const auto names = [&](const QByteArray& period) {
            QStringList out;
            for (const QJsonValue& v : f.Records("quadrelle/scores.asp?Scores=100&Period=" + period))
                out << v.toObject().value(u"name").toString();
            return out;
        };
        QCOMPARE(names("Day"), QStringList{"Thu"});
        QCOMPARE(names("Week"), (QStringList{"Thu", "Wed", "Mon"}));
        QCOMPARE(names("Month"), (QStringList{"Thu", "Wed", "Mon"}));
        QCOMPARE(names("Alltime"), (QStringList{"Feb", "Thu", "Wed", "Mon"}));
        const auto ten = f.Get("/arcade/quadrelle/scores.asp?Period=Week&Scores=10");
        QVERIFY(ten.text().contains(QStringLiteral("<title>Quadrelle: This week&#39;s Top 10</title>")));
    }

    void listFormats() {
        const auto html = f.Get("/arcade/zephlon/scores.asp?GameMode=puzzle");
        QCOMPARE(html.header("Content-Type"), QByteArray("text/html; charset=utf-8"));
        QVERIFY(html.text().contains(QStringLiteral("No scores in this list yet.")));
        const auto json = f.Get("/arcade/zephlon/scores.asp?GameMode=puzzle", "Accept: application/json\r\n");
        QCOMPARE(json.header("Content-Type"), QByteArray("application/json"));
        QCOMPARE(QJsonDocument::fromJson(json.body).object().value(u"list").toString(),
                 QStringLiteral("zephlon-puzzle"));
        const auto bad = f.Get("/arcade/quadrelle/scores.asp?Period=Year&format=json");
        QCOMPARE(bad.status, 400);
        QCOMPARE(QJsonDocument::fromJson(bad.body).object().value(u"error").toString(),
                 QStringLiteral("Period must be Day, Week, Month or Alltime"));
        QCOMPARE(f.Get("/arcade/").status, 200);
    }

    // Uploads per client are limited; behind a trusted proxy the client is the forwarded address.
    void rateLimit() {
        QVERIFY(f.Start([](scoreserver::ServerOptions& o, scoreserver::Limits&) {
            o.uploadLimit = 3;
            o.trustedProxies = {QHostAddress::parseSubnet(QStringLiteral("127.0.0.0/8"))};
        }));
        const QByteArray upload =
            "/arcade/zephlon/"
            "UploadScores.asp?URL=&Ver=1.2D&GM=original&US=1&N1=Fox&S1=4210&SL1=3&EL1=7&C1=9864";
        const QByteArray client = "X-Forwarded-For: 203.0.113.7\r\n";
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f.Get(upload, client).status, 200);
        const auto refused = f.Get(upload, client);
        QCOMPARE(refused.status, 429);
        QVERIFY(refused.text().contains(
            QStringLiteral("Too many uploads from your address: nothing was stored")));
        QCOMPARE(refused.header("Retry-After"), QByteArray("20"));
        // Only the proxies' own entries are believed: a client cannot hide behind a made-up one.
        QCOMPARE(f.Get(upload, "X-Forwarded-For: 198.51.100.1, 203.0.113.7\r\n").status, 429);
        QCOMPARE(f.Get(upload, "X-Forwarded-For: 203.0.113.8\r\n").status, 200);
        QCOMPARE(f.Get("/arcade/zephlon/scores.asp", client).status, 200);
        f.now = f.now.addSecs(20);
        QCOMPARE(f.Get(upload, client).status, 200);
        QCOMPARE(f.Get(upload, client).status, 429);

        // From a peer that is no trusted proxy the header counts for nothing.
        QVERIFY(f.Start([](scoreserver::ServerOptions& o, scoreserver::Limits&) { o.uploadLimit = 1; }));
        QCOMPARE(f.Get(upload, "X-Forwarded-For: 203.0.113.9\r\n").status, 200);
        QCOMPARE(f.Get(upload, "X-Forwarded-For: 203.0.113.10\r\n").status, 429);
        // Addresses without limits (a load test's own) are never refused.
        QVERIFY(f.Start([](scoreserver::ServerOptions& o, scoreserver::Limits&) {
            o.uploadLimit = 1;
            o.noLimitFor = {QHostAddress::parseSubnet(QStringLiteral("127.0.0.1/32"))};
        }));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f.Get(upload).status, 200);
    }

    // Requests that break a limit are answered and the connection closed; nothing reaches the routes.
    void connectionLimits_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        const QByteArray get = "GET /arcade/ HTTP/1.1\r\nHost: x\r\nConnection: close\r\n";
        QTest::newRow("control") << get + "\r\n" << 200;
        QTest::newRow("line endings without CR")
            << QByteArray("GET /arcade/ HTTP/1.1\nConnection: close\n\n") << 200;
        QTest::newRow("request line too long")
            << "GET /arcade/?" + QByteArray(9000, 'a') + " HTTP/1.1\r\n\r\n"
            << 414;
        QTest::newRow("headers too large") << get + "X-Big: " + QByteArray(17000, 'a') + "\r\n\r\n" << 431;
        QTest::newRow("too many headers") << get + QByteArray("X-A: 1\r\n").repeated(70) + "\r\n" << 431;
        QTest::newRow("post") << QByteArray("POST /arcade/ HTTP/1.1\r\nContent-Length: 0\r\n\r\n") << 405;
        QTest::newRow("body") << get + "Content-Length: 5\r\n\r\nhello" << 413;
        QTest::newRow("chunked") << get + "Transfer-Encoding: chunked\r\n\r\n0\r\n\r\n" << 413;
        QTest::newRow("upgrade") << get + "Connection: Upgrade\r\nUpgrade: websocket\r\n\r\n" << 400;
        QTest::newRow("two at once") << get + "\r\n" + get + "\r\n" << 400;
        QTest::newRow("not http") << QByteArray("hello there\r\n\r\n") << 400;
        QTest::newRow("slow head") << QByteArray("GET /arcade/ HTTP/1.1\r\nHost") << 408;
        QTest::newRow("tls handshake")
            << QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11) << 408;
    }
    void connectionLimits() {
        QFETCH(QByteArray, request);
        QVERIFY(f.Start([](scoreserver::ServerOptions&, scoreserver::Limits& l) { l.headTimeoutMs = 300; }));
        const auto reply = f.Raw(request);
        QTEST(reply.status, "status");
        QCOMPARE(f.Records("zephlon/scores.asp").size(), 0);
    }

    void keepAliveAndIdleConnections() {
        QVERIFY(f.Start([](scoreserver::ServerOptions&, scoreserver::Limits& l) {
            l.idleTimeoutMs = 300;
            l.headTimeoutMs = 300;
            l.maxConnectionsPerClient = 2;
        }));
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, f.server->Port());
        QByteArray received;
        connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll(); });
        for (int i = 1; i <= 2; ++i) {
            socket.write("GET /arcade/vantorel/scores.asp HTTP/1.1\r\nHost: x\r\n\r\n");
            QTRY_COMPARE(received.count("HTTP/1.1 200 OK"), i);
        }
        // A third connection from the same client while two are open is turned away.
        QTcpSocket second;
        second.connectToHost(QHostAddress::LocalHost, f.server->Port());
        QTRY_COMPARE(second.state(), QAbstractSocket::ConnectedState);
        QCOMPARE(f.Get("/arcade/").status, 503);
        // Idle connections are closed.
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QAbstractSocket::UnconnectedState, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QAbstractSocket::UnconnectedState, 3000);
        QTRY_COMPARE(f.Get("/arcade/").status, 200);
    }

    // Writes that wait together share one transaction; when it fails, each runs again alone, and
    // nothing is stored twice or half.
    void batchedWrites_data() {
        QTest::addColumn<bool>("broken");
        QTest::newRow("all well") << false;
        QTest::newRow("a job ends the shared transaction") << true;
    }
    void batchedWrites() {
        QFETCH(bool, broken);
        QString error;
        auto link = scoreserver::DatabaseLink::Open(ServerFixture::DatabaseUrl(f.dir),
                                                    QStringLiteral("batch"), &error);
        QVERIFY2(link, qPrintable(error));
        QSemaphore held;
        QObject receiver;
        int answered = 0;
        // The database thread is busy while the writes line up behind it.
        link->Run([&](scoreserver::ScoreStore&) { held.acquire(); }, &receiver, [&] { ++answered; });
        QList<int> runs(5, 0);
        QList<bool> batched(5, false);
        for (int i = 0; i < 5; ++i) {
            link->Run(
                [&, i](scoreserver::ScoreStore& store) {
                    ++runs[i];
                    batched[i] = batched[i] || store.InBatch();
                    QString e;
                    store.Ban(scoreserver::BanKind::Name, QStringLiteral("n%1").arg(i), true, 0, &e);
                    if (broken && i == 2 && store.InBatch()) QSqlQuery(store.Database()).exec("ROLLBACK");
                },
                &receiver, [&] { ++answered; }, true);
        }
        held.release();
        QTRY_COMPARE(answered, 6);
        // Broken at the third: the shared transaction is undone, the three run again alone and the
        // last two run alone.
        const QList<bool> inBatch =
            broken ? QList<bool>{true, true, true, false, false} : QList<bool>(5, true);
        const QList<int> ran = broken ? QList<int>{2, 2, 2, 1, 1} : QList<int>(5, 1);
        QCOMPARE(batched, inBatch);
        QCOMPARE(runs, ran);
        QStringList bans;
        link->RunAndWait([&](scoreserver::ScoreStore& store) { QVERIFY(store.Bans(&bans, &error)); });
        QCOMPARE(bans.size(), 5);
    }

    // A database server that restarts costs the uploads and lists of that moment nothing.
    void databaseRestart() {
        const QString restart = qEnvironmentVariable("SCORESERVER_TEST_RESTART");
        if (restart.isEmpty()) QSKIP("only with a database server (with_postgresql.sh)");
        const QByteArray upload =
            "/arcade/zephlon/UploadScores.asp?URL=&Ver=1.2D&GM=original&US=1&N1=Fox&S1=4210&SL1=3&";
        QCOMPARE(f.Get(upload + "EL1=7&C1=9864").status, 200);
        QCOMPARE(QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), restart}), 0);
        const auto after = f.Get(upload + "EL1=8&C1=9866");
        QVERIFY2(after.text().contains(QStringLiteral("stored at rank 2")), after.head.constData());
        QCOMPARE(Rows(f.Records("zephlon/scores.asp")), (QStringList{"Fox|4210|3|7", "Fox|4210|3|8"}));
    }

    // What clients get while the database is slow or gone, and that the log names the reason.
    void operatorFaults_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("logged");
        // /health asks whether the database answers: a full disk still serves every list.
        QTest::addColumn<int>("health");
        QTest::newRow("database locked by another program")
            << "locked"
            << "upload from 127\\.0\\.0\\.1 to vantorel: not stored: the database did not answer within 300 "
               "ms"
            << 503;
        QTest::newRow("link to the database stops forwarding")
            << "stalled"
            << "upload from 127\\.0\\.0\\.1 to vantorel: not stored: the database did not answer within 300 "
               "ms"
            << 503;
        QTest::newRow("database stopped and started")
            << "stopped"
            << "upload from 127\\.0\\.0\\.1 to vantorel: not stored: database failure: \\S+" << 503;
        QTest::newRow("disk full")
            << "full"
            << "upload from 127\\.0\\.0\\.1 to vantorel: not stored: database failure: .*full" << 200;
    }
    void operatorFaults() {
        QFETCH(QString, fault);
        QFETCH(QString, logged);
        QFETCH(int, health);
        const bool postgresql = !qEnvironmentVariable("SCORESERVER_TEST_RESTART").isEmpty();
        if (fault == u"full" && postgresql) QSKIP("SQLite's own file on a small file system");
        if (fault != u"locked" && fault != u"full" && !postgresql)
            QSKIP("only with a database server (with_postgresql.sh)");
        std::unique_ptr<Relay> relay;
        QString url = ServerFixture::DatabaseUrl(f.dir);
        // A file system of its own, filled up once the first record is stored.
        const QString small = f.dir.filePath(QStringLiteral("small"));
        const QString filler = small + QStringLiteral("/filler");
        std::unique_ptr<QObject, std::function<void(QObject*)>> unmount;
        if (fault == u"full") {
            QDir().mkpath(small);
            if (QProcess::execute(QStringLiteral("mount"),
                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                   QStringLiteral("size=4m"), QStringLiteral("tmpfs"), small}) != 0)
                QSKIP("mounting a small file system needs root (CI and ./test.sh run as root)");
            unmount = {new QObject, [small](QObject* o) {
                           delete o;
                           QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), small});
                       }};
            url = QStringLiteral("sqlite://") + small + QStringLiteral("/scores.db");
        }
        if (fault == u"stalled") {
            const auto where = scoreserver::ParseDatabaseUrl(url);
            relay = std::make_unique<Relay>(where.host + QStringLiteral("/.s.PGSQL.5432"));
            QVERIFY(relay->Port() != 0);
            url = QStringLiteral("postgresql://%1@127.0.0.1:%2/%3")
                      .arg(where.user)
                      .arg(relay->Port())
                      .arg(where.name);
        }
        QVERIFY(f.Start([&](scoreserver::ServerOptions& o, scoreserver::Limits& l) {
            o.database = url;
            l.databaseTimeoutMs = 300;
        }));
        QCOMPARE(f.Get(FoxUpload()).status, 200);
        const QByteArray listPage = "/arcade/vantorel/scores.asp";
        QVERIFY(f.Get(listPage).text().contains(QStringLiteral("<bdi>Fox</bdi>")));

        QString error;
        std::unique_ptr<scoreserver::ScoreStore> locker;
        std::unique_ptr<QSqlQuery> lock;
        if (fault == u"locked") {
            locker = scoreserver::ScoreStore::Open(url, QStringLiteral("locker"), &error);
            QVERIFY2(locker, qPrintable(error));
            lock = std::make_unique<QSqlQuery>(locker->Database());
            QVERIFY(postgresql ? lock->exec(QStringLiteral("BEGIN")) &&
                                     lock->exec(QStringLiteral("LOCK TABLE records IN ACCESS EXCLUSIVE MODE"))
                               : lock->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        } else if (fault == u"stalled") {
            relay->Pause();
        } else if (fault == u"full") {
            QFile fill(filler);
            QVERIFY(fill.open(QIODevice::WriteOnly));
            const QByteArray block(64 * 1024, '\0');
            while (fill.write(block) == block.size() && fill.flush()) {
            }
        } else {
            QCOMPARE(QProcess::execute(QStringLiteral("bash"),
                                       {QStringLiteral("-c"), qEnvironmentVariable("SCORESERVER_TEST_STOP")}),
                     0);
        }
        ++f.context->generation;  // as if another server stored a record: the cached page is old

        const QByteArray owl =
            QByteArray(FoxUpload())
                .replace("Name=Fox", "Name=Owl")
                .replace("ChkSum=" + QByteArray::number(2 * (100 + 301 + 1 + 1 + 46086) + 3141),
                         "ChkSum=" + QByteArray::number(2 * (100 + 79 + 119 + 108 + 1 + 1 + 46086) + 3141));
        const auto refused = f.Get(owl);
        QCOMPARE(refused.status, 503);
        QCOMPARE(refused.header("Retry-After"), QByteArray("30"));
        QVERIFY(refused.text().contains(QStringLiteral("Please upload again later.")));
        QVERIFY2(!f.log.filter(QRegularExpression(logged)).isEmpty(), qPrintable(f.log.join(u'\n')));
        const auto list = f.Get(listPage);
        QCOMPARE(list.status, 200);
        QVERIFY(list.text().contains(QStringLiteral("<bdi>Fox</bdi>")));
        QCOMPARE(f.Get("/arcade/").status, 200);
        QCOMPARE(f.Get("/arcade/health").status, health);

        if (lock) {
            lock->exec(QStringLiteral("ROLLBACK"));
        } else if (relay) {
            relay->Resume();
        } else if (fault == u"full") {
            QVERIFY(QFile::remove(filler));
        } else {
            QCOMPARE(
                QProcess::execute(QStringLiteral("bash"),
                                  {QStringLiteral("-c"), qEnvironmentVariable("SCORESERVER_TEST_START")}),
                0);
        }
        // Connected again: the upload is stored (or was, once the database answered).
        QTRY_COMPARE_WITH_TIMEOUT(f.Get(owl).status, 200, 20000);
        QTRY_COMPARE(f.Get("/arcade/health").status, 200);
        QCOMPARE(Rows(f.Records("vantorel/scores.asp")),
                 (QStringList{"Fox|100|1|1|2026-03-05T10:00:07", "Owl|100|1|1|2026-03-05T10:00:07"}));
        lock.reset();
        locker.reset();
    }

    // A page asked for again is answered from what was sent before only while it is still the page: the
    // same Accept preference, no record stored since, the same day.
    void repeatedPagesStayCurrent() {
        const QByteArray vantorel = "/arcade/vantorel/scores.asp";
        QVERIFY(!f.Get(vantorel).text().contains(QStringLiteral("<bdi>Fox</bdi>")));
        QVERIFY(!f.Get(vantorel).text().contains(QStringLiteral("<bdi>Fox</bdi>")));
        QCOMPARE(f.Get(vantorel, "Accept: application/json\r\n").header("Content-Type"),
                 QByteArray("application/json"));
        QCOMPARE(f.Get(FoxUpload()).status, 200);
        QVERIFY(f.Get(vantorel).text().contains(QStringLiteral("<bdi>Fox</bdi>")));

        HighScoreTable t(Program::Quadrelle);
        Play(t, 0, QStringLiteral("Ann"), 5000, 1, 2, At(5, 21, 0));
        f.now = At(5, 23, 59);
        QVERIFY(f.Get(f.TargetOf(web::QuadrelleUploadHiScoreLink(
                          f.Address(), {}, web::UploadRecordsOf(t, 0).first(), Draw, QLocale::c())))
                    .text()
                    .contains(QStringLiteral("stored")));
        const QByteArray day = "/arcade/quadrelle/scores.asp?Period=Day&Scores=10";
        QVERIFY(f.Get(day).text().contains(QStringLiteral("<bdi>Ann</bdi>")));
        QVERIFY(f.Get(day).text().contains(QStringLiteral("<bdi>Ann</bdi>")));
        f.now = At(6, 0, 0);
        QVERIFY(!f.Get(day).text().contains(QStringLiteral("<bdi>Ann</bdi>")));
        QVERIFY(f.Get("/arcade/metrics").text().contains(QStringLiteral("route=\"list\",status=\"200\"} 7")));
    }

    // A crowd opening the same page at once is answered by one reading of the list.
    void crowdOnOnePage() {
        QVERIFY(f.Start([](scoreserver::ServerOptions&, scoreserver::Limits& l) { l.maxDatabaseJobs = 1; }));
        std::vector<std::unique_ptr<QTcpSocket>> crowd;
        QList<QByteArray> received(40);
        for (int i = 0; i < 40; ++i) {
            auto& socket = crowd.emplace_back(std::make_unique<QTcpSocket>());
            socket->connectToHost(QHostAddress::LocalHost, f.server->Port());
            QVERIFY(socket->waitForConnected(5000));
        }
        for (int i = 0; i < 40; ++i) {
            QTcpSocket* socket = crowd[i].get();
            connect(socket, &QTcpSocket::readyRead,
                    [socket, &received, i] { received[i] += socket->readAll(); });
            socket->write("GET /arcade/quadrelle/scores.asp?Period=Month HTTP/1.1\r\nHost: x\r\n\r\n");
        }
        for (int i = 0; i < 40; ++i)
            QTRY_VERIFY2(received[i].startsWith("HTTP/1.1 200 OK"), received[i].left(40).constData());
    }

    // /health asks the database; /metrics counts in Prometheus's text format, for this machine only.
    void healthAndMetrics() {
        QVERIFY(f.Start([](scoreserver::ServerOptions& o, scoreserver::Limits&) {
            o.trustedProxies = {QHostAddress::parseSubnet(QStringLiteral("127.0.0.0/8"))};
            o.accessLog = true;
        }));
        const auto health = f.Get("/arcade/health");
        QCOMPARE(health.status, 200);
        QCOMPARE(health.body, QByteArray("ok\n"));
        QCOMPARE(f.Get(FoxUpload()).status, 200);
        QCOMPARE(f.Get(FoxUpload()).status, 200);
        QCOMPARE(f.Get("/arcade/nothing").status, 404);
        QCOMPARE(f.Raw("DELETE /arcade/ HTTP/1.1\r\n\r\n").status, 405);
        const auto metrics = f.Get("/arcade/metrics");
        QCOMPARE(metrics.status, 200);
        QCOMPARE(metrics.header("Content-Type"), QByteArray("text/plain; version=0.0.4; charset=utf-8"));
        for (const char* line :
             {"scoreserver_requests_total{route=\"upload\",status=\"200\"} 2",
              "scoreserver_requests_total{route=\"health\",status=\"200\"} 1",
              "scoreserver_requests_total{route=\"unknown\",status=\"404\"} 1",
              "scoreserver_requests_total{route=\"refused\",status=\"405\"} 1",
              "scoreserver_uploads_total{outcome=\"stored\"} 1",
              "scoreserver_uploads_total{outcome=\"duplicate\"} 1",
              "scoreserver_request_duration_seconds_bucket{le=\"+Inf\"} 5",
              "scoreserver_request_duration_seconds_count 5", "scoreserver_database_errors_total 0",
              "scoreserver_open_connections 1", "# TYPE scoreserver_request_duration_seconds histogram"})
            QVERIFY2(metrics.body.contains(QByteArray(line) + '\n'), line);
        // Through the proxy, from elsewhere: not for the public.
        QCOMPARE(f.Get("/arcade/metrics", "X-Forwarded-For: 203.0.113.7\r\n").status, 403);
        // One line per upload and per refused request.
        QCOMPARE(f.Logged(QStringLiteral(
                              "upload from 127.0.0.1 to vantorel: record 1 \"Fox\" 100 stored at rank 1"))
                     .size(),
                 1);
        QCOMPARE(f.Logged(QStringLiteral(
                              "upload from 127.0.0.1 to vantorel: record 1 \"Fox\" 100 duplicate, at rank 1"))
                     .size(),
                 1);
        QCOMPARE(
            f.Logged(QStringLiteral("refused a request from 127.0.0.1: 405 Only GET, HEAD and POST")).size(),
            1);
        // The access log: client, method, target, status, size, time.
        QCOMPARE(f.log
                     .filter(QRegularExpression(
                         QStringLiteral("^127\\.0\\.0\\.1 GET \"/arcade/health\" 200 3 [0-9.]+ ms$")))
                     .size(),
                 1);
    }

    // The keeper's commands, on the database the server uses.
    void admin_data() {
        QTest::addColumn<QStringList>("commands");  // "{Owl}" stands for the id of Owl's record
        QTest::addColumn<QByteArray>("client");     // X-Forwarded-For of the later upload
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("answer");  // to a later upload of Owl
        QTest::newRow("nothing") << QStringList{} << QByteArray("198.51.100.1") << QStringList{"Owl", "Fox"}
                                 << "already stored, at rank 1";
        QTest::newRow("remove") << QStringList{"remove {Owl}"} << QByteArray("198.51.100.1")
                                << QStringList{"Fox"} << "already stored";
        QTest::newRow("remove and restore")
            << QStringList{"remove {Owl}", "restore {Owl}"} << QByteArray("198.51.100.1")
            << QStringList{"Owl", "Fox"} << "already stored, at rank 1";
        QTest::newRow("ban a name") << QStringList{"ban name Owl"} << QByteArray("198.51.100.1")
                                    << QStringList{"Owl", "Fox"} << "refused: this name is not accepted here";
        QTest::newRow("ban an address")
            << QStringList{"ban address 198.51.100.1"} << QByteArray("198.51.100.1")
            << QStringList{"Owl", "Fox"} << "refused: uploads from this address are not accepted here";
        QTest::newRow("ban an address, another uploads")
            << QStringList{"ban address 198.51.100.1"} << QByteArray("198.51.100.2")
            << QStringList{"Owl", "Fox"} << "stored at rank 2";
    }
    void admin() {
        QFETCH(QStringList, commands);
        QFETCH(QByteArray, client);
        QFETCH(QString, answer);
        QVERIFY(f.Start([](scoreserver::ServerOptions& o, scoreserver::Limits&) {
            o.trustedProxies = {QHostAddress::parseSubnet(QStringLiteral("127.0.0.0/8"))};
        }));
        HighScoreTable t(Program::Zephlon);
        Play(t, 0, QStringLiteral("Fox"), 500, 1, 2, At(5, 8, 0));
        Play(t, 0, QStringLiteral("Owl"), 600, 1, 2, At(5, 9, 0));
        const auto records = web::UploadRecordsOf(t, 0);
        const auto owl = f.TargetOf(web::ZephlonUploadHiScoreLink(f.Address(), {}, false, records[0], Draw));
        QCOMPARE(f.Get(f.TargetOf(web::ZephlonUploadHiScoreLink(f.Address(), {}, false, records[1], Draw)),
                       "X-Forwarded-For: 198.51.100.1\r\n")
                     .status,
                 200);
        QCOMPARE(f.Get(owl, "X-Forwarded-For: 198.51.100.1\r\n").status, 200);

        const auto run = [&](const QString& line, QString* output) {
            QString out, err;
            QTextStream o(&out), e(&err);
            const int status = scoreserver::RunAdmin(QStringLiteral("admin ").append(line).split(u' '),
                                                     f.context->options.database, 1000, o, e);
            o.flush();
            if (output) *output = out;
            return status;
        };
        QString listed;
        QCOMPARE(run(QStringLiteral("list name=Owl"), &listed), 0);
        const QStringList lines = listed.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[1].contains(QStringLiteral("\tzephlon-original\tOwl\t600\t1\t2\t")),
                 qPrintable(listed));
        QVERIFY(lines[1].contains(QStringLiteral("\t198.51.100.1\t")));
        const QString id = lines[1].section(u'\t', 0, 0);
        for (QString command : commands) {
            QString out;
            QCOMPARE(run(command.replace(QStringLiteral("{Owl}"), id), &out), 0);
        }
        QStringList shown;
        for (const QJsonValue& v : f.Records("zephlon/scores.asp?GameMode=original"))
            shown << v.toObject().value(u"name").toString();
        QTEST(shown, "shown");
        const auto again = f.Get(owl, "X-Forwarded-For: " + client + "\r\n");
        QVERIFY2(again.text().contains(answer), qPrintable(again.text()));
        // A command that cannot be read, or names no record, says so.
        QCOMPARE(run(QStringLiteral("remove 999999999"), nullptr), 1);
        QCOMPARE(run(QStringLiteral("ban person Owl"), nullptr), 2);
    }

    // A player's e-mail address is never published; a web page is, as a link and in JSON.
    void addressesPublished_data() {
        QTest::addColumn<QByteArray>("url");
        QTest::addColumn<QString>("published");
        QTest::newRow("e-mail address") << QByteArray("fox%40example.org") << "";
        QTest::newRow("mailto link") << QByteArray("mailto%3Afox%40example.org") << "";
        QTest::newRow("e-mail after http") << QByteArray("http%3A%2F%2Ffox%40example.org") << "";
        QTest::newRow("web page") << QByteArray("https%3A%2F%2Ffox.example.org%2F")
                                  << "https://fox.example.org/";
        QTest::newRow("host name") << QByteArray("fox.example.org") << "http://fox.example.org";
    }
    void addressesPublished() {
        QFETCH(QByteArray, url);
        QFETCH(QString, published);
        const auto uploaded = f.Get(FoxUpload(url));
        QCOMPARE(uploaded.status, 200);
        const QJsonArray records = f.Records("vantorel/scores.asp");
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].toObject().value(u"url").toString(), published);
        const QString page = f.Get("/arcade/vantorel/scores.asp").text();
        for (const QString& text : {uploaded.text(), page}) {
            QVERIFY(!text.contains(QStringLiteral("fox@")));
            QVERIFY(!text.contains(QStringLiteral("fox%40")));
            QVERIFY(!text.contains(QStringLiteral("mailto")));
            QCOMPARE(text.contains(QStringLiteral("href=\"") + published + u'"'), !published.isEmpty());
        }
    }

    // Zephlon sends no date: the same name and score from two players are two records, the same
    // player's upload again is one.
    void zephlonPlayersApart() {
        HighScoreTable t(Program::Zephlon);
        Play(t, 0, QStringLiteral("Max"), 700, 1, 3, At(5, 8, 0));
        const auto record = web::UploadRecordsOf(t, 0).first();
        const auto link = [&](const QString& url) {
            return f.TargetOf(web::ZephlonUploadHiScoreLink(f.Address(), url, false, record, Draw));
        };
        QVERIFY(f.Get(link(QStringLiteral("https://a.example.org/")))
                    .text()
                    .contains(QStringLiteral("stored at rank 1")));
        QVERIFY(f.Get(link(QStringLiteral("https://b.example.org/")))
                    .text()
                    .contains(QStringLiteral("stored at rank 2")));
        QVERIFY(f.Get(link(QStringLiteral("https://a.example.org/")))
                    .text()
                    .contains(QStringLiteral("already stored, at rank 1")));
        QCOMPARE(f.Records("zephlon/scores.asp").size(), 2);
    }

    // Every list and the rank are read in index order: no sort, whatever the number of records.
    void listPlansNeedNoSort() {
        QStringList plans;
        QString error;
        bool ok = false;
        f.server->Database().RunAndWait(
            [&](scoreserver::ScoreStore& store) { ok = store.Explain(&plans, &error); });
        QVERIFY2(ok, qPrintable(error));
        QCOMPARE(plans.size(), 9);
        for (const QString& plan : plans) {
            QVERIFY2(!plan.contains(QStringLiteral("TEMP B-TREE")) && !plan.contains(QStringLiteral("Sort")),
                     qPrintable(plan));
            QVERIFY2(
                plan.contains(QStringLiteral("INDEX records_")) || plan.contains(QStringLiteral("Index")),
                qPrintable(plan));
        }
    }

    // A database of the first schema keeps its records, now in their periods' lists too.
    void firstSchemaBroughtUpToDate() {
        const QString file = f.dir.filePath(QStringLiteral("v1.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery q(db);
            for (const char* sql :
                 {"CREATE TABLE scoreserver_schema (version INTEGER NOT NULL)",
                  "INSERT INTO scoreserver_schema VALUES (1)",
                  "CREATE TABLE records (id INTEGER PRIMARY KEY, list TEXT NOT NULL, name TEXT NOT NULL, "
                  "score INTEGER NOT NULL, start_level INTEGER NOT NULL, end_level INTEGER NOT NULL, "
                  "record_date "
                  "TEXT NOT NULL, chksum INTEGER NOT NULL, url TEXT NOT NULL, version TEXT NOT NULL, "
                  "uploaded "
                  "BIGINT NOT NULL, UNIQUE (list, name, score, start_level, end_level, record_date))",
                  // Friday 6 March 2026, 10:00 UTC
                  "INSERT INTO records VALUES (7, 'quadrelle', 'Old', 500, 1, 3, '2026-03-02T10:00:00', 1, "
                  "'', "
                  "'1', 1772791200)"})
                QVERIFY2(q.exec(QString::fromLatin1(sql)), sql);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v1"));
        QString error;
        auto store =
            scoreserver::ScoreStore::Open(QStringLiteral("sqlite://") + file, QStringLiteral("v2"), &error);
        QVERIFY2(store, qPrintable(error));
        const QDateTime friday(QDate(2026, 3, 6), QTime(23, 0), QTimeZone::utc());
        for (auto period : {scoreserver::Period::Day, scoreserver::Period::Week, scoreserver::Period::Month,
                            scoreserver::Period::Alltime}) {
            QList<scoreserver::ListRow> rows;
            QVERIFY(store->Top({Program::Quadrelle, 0}, period, scoreserver::PeriodStart(period, friday), 10,
                               &rows, &error));
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows[0].name, QStringLiteral("Old"));
            QVERIFY(!rows[0].verified && rows[0].replay.isEmpty());
        }
        QList<scoreserver::ListRow> rows;
        QVERIFY(store->Top({Program::Quadrelle, 0}, scoreserver::Period::Day,
                           scoreserver::PeriodStart(scoreserver::Period::Day, friday.addDays(1)), 10, &rows,
                           &error));
        QCOMPARE(rows.size(), 0);
    }

    // HEAD never stores; every answer is dated.
    void headAndDate() {
        const auto head = f.Raw("HEAD " + FoxUpload() + " HTTP/1.1\r\nConnection: close\r\n\r\n");
        QCOMPARE(head.status, 405);
        QCOMPARE(head.header("Allow"), QByteArray("GET"));
        QVERIFY(head.body.isEmpty());
        QCOMPARE(f.Records("vantorel/scores.asp").size(), 0);
        const auto listHead = f.Raw("HEAD /arcade/vantorel/scores.asp HTTP/1.1\r\nConnection: close\r\n\r\n");
        QCOMPARE(listHead.status, 200);
        // HTTP's date: always in English and GMT.
        QVERIFY(QLocale::c()
                    .toDateTime(QString::fromLatin1(listHead.header("Date")),
                                QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"))
                    .isValid());
        QCOMPARE(f.Raw("PUT /arcade/ HTTP/1.1\r\n\r\n").header("Allow"), QByteArray("GET, HEAD, POST"));
    }

    void options_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("result");
        QTest::newRow("defaults") << QStringList{} << QStringList{} << "127.0.0.1:8080||default|60|1";
        QTest::newRow("environment")
            << QStringList{}
            << QStringList{"SCORESERVER_LISTEN=0.0.0.0:9000", "SCORESERVER_BASE_PATH=arcade/",
                           "SCORESERVER_DATABASE=postgresql://scores@db.example.org/scores",
                           "SCORESERVER_UPLOAD_LIMIT=5"}
            << "0.0.0.0:9000|/arcade|postgresql://scores@db.example.org/scores|5|2";
        QTest::newRow("command line wins")
            << QStringList{"--listen",   "[::1]:8081",         "--base-path", "/x",
                           "--database", "sqlite:///tmp/s.db", "--threads",   "3"}
            << QStringList{"SCORESERVER_LISTEN=0.0.0.0:9000", "SCORESERVER_BASE_PATH=/y"}
            << "::1:8081|/x|sqlite:///tmp/s.db|60|3";
        QTest::newRow("bad listen") << QStringList{"--listen", "8080"} << QStringList{}
                                    << "error: --listen (SCORESERVER_LISTEN): expected ADDRESS:PORT, such as "
                                       "127.0.0.1:8080, got '8080'";
        QTest::newRow("bad database")
            << QStringList{} << QStringList{"SCORESERVER_DATABASE=mysql://x/y"}
            << "error: --database (SCORESERVER_DATABASE): the database URL must start with "
               "sqlite:// or postgresql://";
        QTest::newRow("bad proxy")
            << QStringList{"--trusted-proxies", "10.0.0.0/8,proxy"} << QStringList{}
            << "error: --trusted-proxies (SCORESERVER_TRUSTED_PROXIES): not an address or "
               "network: proxy";
        QTest::newRow("bad limit")
            << QStringList{"--upload-limit", "0"} << QStringList{}
            << "error: --upload-limit (SCORESERVER_UPLOAD_LIMIT): expected a number from 1 to "
               "1000000";
    }
    void options() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QProcessEnvironment env;
        for (const QString& e : environment)
            env.insert(e.section(u'=', 0, 0), e.section(u'=', 1));
        arguments.prepend(QStringLiteral("quillbyte-scoreserver"));
        const auto parsed = scoreserver::ParseOptions(arguments, env);
        const auto& o = parsed.options;
        const QString result = parsed.error.isEmpty()
                                   ? QStringLiteral("%1:%2|%3|%4|%5|%6")
                                         .arg(o.address.toString())
                                         .arg(o.port)
                                         .arg(o.basePath, o.database == scoreserver::DefaultDatabaseUrl()
                                                              ? QStringLiteral("default")
                                                              : o.database)
                                         .arg(o.uploadLimit)
                                         .arg(o.threads)
                                   : QStringLiteral("error: ") + parsed.error;
        QTEST(result, "result");
    }
};

ARCADE_TEST_GUILESS_MAIN(TestScoreServer)
#include "tst_scoreserver.moc"
