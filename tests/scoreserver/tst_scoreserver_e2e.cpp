// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

#include "recordedgames.h"
#include "scores/highscoretable.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "vantorel/formplunko.h"
#include "web/formurl.h"
#include "web/links.h"
#include "web/records.h"
#include "web/replays.h"
#include "web/startdoc.h"

#if defined(ARCADE_HAVE_WEBENGINE)
#include <QWebEnginePage>
#include <QWebEngineView>

#include "web/webglobalbrowser.h"
#endif

// The installed program as a player meets it: the server binary started from its environment, a
// Zephlon upload link opened in a real browser, and Quadrelle's own global-list dialog.
class TestScoreServerEndToEnd : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QProcess server_;
    QString address_;  // as the games' WebServer setting holds it

    static double Draw() { return 0.5; }

    static web::UploadRecord Played(frame::Program program, const QString& name, int32_t score) {
        scores::HighScoreTable table(program);
        table.SaveScore(0, score, 2, 5, QDateTime::currentDateTimeUtc());
        table.CommitName(name);
        return web::UploadRecordsOf(table, 0).first();
    }

    // Chromium's rendering of a page, the way the player's browser would show the link.
    QString Chromium(const QUrl& url) {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty()) return {};
        QProcess browser;
        browser.start(chromium,
                      {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                       QStringLiteral("--disable-gpu"), QStringLiteral("--disable-quic"),
                       QStringLiteral("--no-first-run"), QStringLiteral("--disable-background-networking"),
                       QStringLiteral("--disable-component-update"), QStringLiteral("--disable-sync"),
                       QStringLiteral("--user-data-dir=") + dir_.filePath(QStringLiteral("chromium")),
                       QStringLiteral("--dump-dom"), url.toString(QUrl::FullyEncoded)});
        if (!browser.waitForFinished(90000)) browser.kill();
        return QString::fromUtf8(browser.readAllStandardOutput());
    }

#if defined(ARCADE_HAVE_WEBENGINE)
    // The text the view shows now (empty when the page does not answer in time).
    static QString PlainText(QWebEnginePage* page) {
        auto text = std::make_shared<std::optional<QString>>();
        page->toPlainText([text](const QString& t) { *text = t; });
        QDeadlineTimer deadline(10000);
        while (!text->has_value() && !deadline.hasExpired())
            QTest::qWait(20);
        return text->value_or(QString());
    }
#endif

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SCORESERVER_LISTEN"), QStringLiteral("127.0.0.1:0"));
        env.insert(QStringLiteral("SCORESERVER_DATABASE"),
                   QStringLiteral("sqlite://") + dir_.filePath(QStringLiteral("data/scores.db")));
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        server_.start(QStringLiteral(SCORESERVER_BINARY),
                      {QStringLiteral("--base-path"), QStringLiteral("/arcade"), QStringLiteral("--threads"),
                       QStringLiteral("2")});
        QVERIFY(server_.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += server_.readAllStandardError()).contains("/arcade/"), 10000);
        const QRegularExpression serving(QStringLiteral("serving http://(127\\.0\\.0\\.1:\\d+)/arcade/"));
        const auto match = serving.match(QString::fromUtf8(said));
        QVERIFY2(match.hasMatch(), said.constData());
        address_ = match.captured(1) + QStringLiteral("/arcade");
    }

    void cleanupTestCase() {
        server_.terminate();
        QVERIFY(server_.waitForFinished(10000));
        QCOMPARE(server_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(server_.exitCode(), 0);
        QVERIFY(server_.readAllStandardError().contains("stopped"));
    }

    void chromiumUploadsAndLists() {
        if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty())
            QSKIP("chromium is not installed (./test.sh installs it)");
        const web::UploadRecord record =
            Played(frame::Program::Zephlon, QStringLiteral("Chrome & <Co>"), 6120);
        // The link exactly as Zephlon hands it to the browser: no scheme in the setting, so http:// in front.
        const QUrl upload = web::LaunchableUrl(web::ZephlonUploadHiScoreLink(
            address_, QStringLiteral("https://chrome.example.org/"), false, record, Draw));
        QVERIFY(upload.isValid());
        const QString answer = Chromium(upload);
        QVERIFY2(answer.contains(QStringLiteral("stored at rank 1 of the Zephlon Original list")),
                 qPrintable(answer));

        const QString list = Chromium(web::LaunchableUrl(web::ZephlonGlobalLink(address_, false)));
        QVERIFY2(list.contains(QStringLiteral("<bdi>Chrome &amp; &lt;Co&gt;</bdi>")), qPrintable(list));
        QVERIFY(list.contains(QStringLiteral("<td class=\"n\">6120</td>")));
        QVERIFY(list.contains(QStringLiteral("href=\"https://chrome.example.org/\" rel=\"nofollow ugc\"")));
    }

    void quadrelleDialogShowsUpload() {
#if defined(ARCADE_HAVE_WEBENGINE)
        const web::GlobalScoresViewFactory factory = web::DefaultGlobalScoresViewFactory();
        if (!factory) QSKIP("no browser engine helper on this machine");
        QWidget main;
        QString webServer = address_;
        web::quadrelle::FormWebHighscore dialog(webServer, Draw, factory, &main);

        // The upload goes through the dialog's view in the background, as the game sends it.
        const web::UploadRecord record =
            Played(frame::Program::Quadrelle, QString::fromUtf8("Quadrelle Fan é"), 8800);
        dialog.LoadInBackground(web::QuadrelleUploadHiScoreLink(webServer, QString(), record, Draw));
        auto* view = dialog.findChild<QWebEngineView*>();
        QVERIFY(view);
        const auto pageText = [view] { return PlainText(view->page()); };
        QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("stored at rank")), 60000);

        // A game recorded through the core goes up with its replay, as the game sends it beside the link.
        const auto game =
            recordedgames::Record(frame::Program::Quadrelle, 11, QString::fromUtf8("Replayer é"),
                                  QDateTime::currentDateTime().addSecs(-60));
        web::ReplaySender sender;
        QSignalSpy answered(&sender, &web::ReplaySender::Answered);
        sender.Send(web::QuadrelleUploadHiScoreLink(webServer, QString(), game.record, Draw), game.file);
        QVERIFY(answered.wait(30000));
        QVERIFY2(answered[0][0].toInt() == 200, qPrintable(answered[0][1].toString()));

        // A moment later the player opens the global list: this week's top ten shows the records, the
        // replayed one marked as verified.
        dialog.ShowList();
        QTRY_VERIFY_WITH_TIMEOUT(pageText().contains(QStringLiteral("This week's Top 10")), 60000);
        const QString shown = pageText();
        QVERIFY2(shown.contains(QString::fromUtf8("Quadrelle Fan é\t8800\t2\t5")), qPrintable(shown));
        const QRegularExpression verifiedRow(
            QString::fromUtf8("Replayer é\t%1\t[^\n]*\t\u2713 replay").arg(game.record.Score));
        QVERIFY2(verifiedRow.match(shown).hasMatch(), qPrintable(shown));
        QVERIFY(!QRegularExpression(QString::fromUtf8("Quadrelle Fan é\t8800\t2\t5\t[^\n]*\u2713"))
                     .match(shown)
                     .hasMatch());
#else
        QSKIP("built without Qt WebEngine");
#endif
    }

    // A game played in Vantorel's real window reaches the top ten; the player uploads it as the game
    // offers, the link opened as the browser would open it and the replay sent beside it; the server's
    // list shows the record as verified, with its replay to download.
    void windowGameListedVerified() {
        testsupport::TempSettings settings;
        auto opened = testsupport::ProgramWindow::Open(
            frame::Program::Vantorel, frame::RandomSource::GameSeeded([] { return uint64_t{4711}; }));
        auto& window = static_cast<vantorel::FormPlunko&>(opened->Window());
        window.SetWebServer(address_);
        // A fresh list, so the game played is the best score the upload sends.
        opened->Scores().ClearAllScores();
        QVERIFY(opened->Activate());
        opened->StartAction()->trigger();
        // Pieces pushed to the walls in turn, so more of them fit than the default records' scores.
        for (int step = 0; opened->GameRunning() && step < 20000; ++step) {
            const int phase = step / 18 % 3;
            if (phase < 2) QTest::keyClick(&window, phase == 0 ? Qt::Key_Left : Qt::Key_Right);
            opened->ClumsyStep();
        }
        QVERIFY(!opened->GameRunning());
        if (opened->Session().GameOverPending()) opened->Session().TimerGameOver_Timer();
        scores::FormTopTen& dialog = opened->Scores().Dialog();
        QVERIFY(dialog.NameFieldOpen());
        const QString name = QStringLiteral("Window Player");
        dialog.TextInput->setText(name);
        opened->Scores().Form_Enter();
        const scores::HighScoreRecord record = opened->Scores().Table().Record(0, 1);
        QCOMPARE(record.Name, name);
        QVERIFY(opened->Scores().Replays().Exists(0, record));
        dialog.hide();

        // The player uploads: the address prompt is answered, the link goes to the "browser".
        QStringList links;
        web::SetUrlOpener([&links](const QUrl& url) {
            links << url.toString(QUrl::FullyEncoded);
            return true;
        });
        QTimer prompt;
        QObject::connect(&prompt, &QTimer::timeout, [] {
            if (auto* url = qobject_cast<web::FormURL*>(QApplication::activeModalWidget()))
                url->Command1->click();
        });
        prompt.start(10);
        window.UploadBestScore->trigger();
        prompt.stop();
        web::SetUrlOpener({});
        QCOMPARE(links.size(), 1);
        QNetworkAccessManager network;
        const auto get = [&network](const QString& url) {
            std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(QUrl(url))));
            QSignalSpy done(reply.get(), &QNetworkReply::finished);
            done.wait(20000);
            return reply->readAll();
        };
        QVERIFY(QString::fromUtf8(get(links.first())).contains(QStringLiteral("stored")));

        // The replay arrives in the background and is played again on the server.
        const QString list =
            QStringLiteral("http://") + address_ + QStringLiteral("/vantorel/scores.asp?format=json");
        QJsonObject row;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                for (const QJsonValue& v :
                     QJsonDocument::fromJson(get(list)).object().value(QStringLiteral("records")).toArray()) {
                    if (v.toObject().value(QStringLiteral("name")).toString() == name) row = v.toObject();
                }
                return row.value(QStringLiteral("verified")).toBool();
            }(),
            20000);
        QCOMPARE(row.value(QStringLiteral("score")).toInt(), record.Score);
        const QByteArray replay = get(QStringLiteral("http://") + address_.section(u'/', 0, 0) +
                                      row.value(QStringLiteral("replay")).toString());
        const frame::DecodeResult decoded = frame::Decode(replay, {}, frame::Program::Vantorel);
        QVERIFY2(decoded.ok(), qPrintable(decoded.errorText));
        QCOMPARE(decoded.recording->claim->name, name);
    }
};

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestScoreServerEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scoreserver_e2e.moc"
