// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

#include "frame/options.h"
#include "frame/settingsstore.h"
#include "quadrelle/formplunko.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "web/formwebhighscorequadrelle.h"
#include "web/startdoc.h"
#include "web/webglobalbrowser.h"
#include "web/webquadrelle.h"

namespace {

bool engineLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

// Stands in for the score server: answers every request with a small page and keeps the request lines.
class LoopbackServer : public QTcpServer {
  public:
    LoopbackServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    requests << request.left(request.indexOf("\r\n"));
                    socket->write("HTTP/1.1 " + status + "\r\n" + headers +
                                  "Content-Type: text/html\r\nContent-Length: " +
                                  QByteArray::number(page.size()) + "\r\nConnection: close\r\n\r\n" + page);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString Address(const QString& path) const {
        return QStringLiteral("127.0.0.1:%1").arg(serverPort()) + path;
    }
    QList<QByteArray> requests;
    QByteArray page = "ok";
    QByteArray status = "200 OK";
    QByteArray headers;  // each ending in CRLF
};

// What the engine hands to the desktop by itself (QDesktopServices), by scheme.
class DesktopRecorder : public QObject {
    Q_OBJECT
  public:
    explicit DesktopRecorder(const QStringList& schemes) : m_schemes(schemes) {
        for (const QString& scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~DesktopRecorder() override {
        for (const QString& scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList opened;

  public slots:
    void Open(const QUrl& url) { opened << url.toString(QUrl::FullyEncoded); }

  private:
    QStringList m_schemes;
};

// A list page: the link under test, below it a mail link, which the test clicks after it (once the
// mail link is handled, so is the first), and a strip at the bottom that reports a press.
QByteArray linkPage(const QString& href, bool newWindow) {
    const auto box = [](const char* top, const char* height) {
        return QByteArray("style=\"position:fixed;left:0;width:100%;display:block;top:") + top +
               ";height:" + height + "\"";
    };
    return "<html><body style=\"margin:0\"><a href=\"" + href.toUtf8() + "\"" +
           (newWindow ? " target=\"_blank\" " : " ") + box("0", "40%") +
           ">link</a><a href=\"mailto:sentinel@example.org\" " + box("40%", "40%") + ">mail</a><div " +
           box("80%", "20%") + " onmousedown=\"fetch('/ready')\">ready?</div></body></html>";
}

}  // namespace

// The embedded browser is a plugin: Quadrelle starts without the engine, and the global-list dialog
// and the uploads load it when they first need it, then really ask the (here loopback) score server.
class TestWebEngine : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:

    // First: nothing may have loaded the engine before.
    void startLeavesEngineUnloaded() {
        quadrelle::FormPlunko w;
        w.show();
        QCoreApplication::processEvents();
        QVERIFY2(!web::BrowserPluginPath().isEmpty(), "the browser plugin was not built beside Quadrelle");
        QVERIFY(!engineLoaded());
        if (!w.Explorer4Present()) QSKIP("no browser engine helper on this machine");
    }

    void globalListLoadsPage() {
        quadrelle::FormPlunko w;
        if (!w.Explorer4Present()) QSKIP("no browser engine helper on this machine");
        LoopbackServer server;
        w.SetWebServer(server.Address(QStringLiteral("/arcade")));
        w.show();
        w.globalhighscores_Click();
        QVERIFY(engineLoaded());
        QTRY_VERIFY_WITH_TIMEOUT(!server.requests.isEmpty(), 60000);
        const QByteArray line = server.requests.first();
        QVERIFY2(line.startsWith("GET /arcade/quadrelle/scores.asp?Period=Week&Scores=10&Dummy="),
                 line.constData());
        QVERIFY(line.endsWith(" HTTP/1.1"));
    }

    // The upload is asked for in the background: the dialog stays hidden.
    void uploadReachesServer() {
        const web::GlobalScoresViewFactory factory = web::DefaultGlobalScoresViewFactory();
        if (!factory) QSKIP("no browser engine helper on this machine");
        LoopbackServer server;
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Quadrelle);
        options.WebServer = server.Address(QStringLiteral("/arcade"));
        options.URL = QStringLiteral("me@example.org");
        web::QuadrelleWeb web(
            &main, options, [] { return 0.4567; }, factory);
        QVERIFY(web.Explorer4Present());
        web.Records = [] {
            return QList<web::UploadRecord>{{QStringLiteral("Red Fox & Co"), 4210, 3, 7,
                                             QDateTime(QDate(2026, 3, 5), QTime(21, 7, 9), Qt::UTC), 8}};
        };
        web.UploadHiScore(1);
        QVERIFY(!web.Dialog()->isVisible());

        QTRY_VERIFY_WITH_TIMEOUT(!server.requests.isEmpty(), 60000);
        const QByteArray expected =
            "GET /arcade/quadrelle/UploadScores.asp?US=1&N1=Red%20Fox%20%26%20Co&S1=4210&SL1=3&EL1=7"
            "&D1=05/03/26%2009%3A07%3A09%20" +
            QLocale::system().pmText().toUtf8() + "&C1=8&URL=me@example.org&Ver=1.2&Dummy=456 HTTP/1.1";
        QCOMPARE(server.requests.first(), expected);
    }

    void linksInTheList_data() {
        QTest::addColumn<QString>("href");  // %1: the loopback server's host and port
        QTest::addColumn<bool>("newWindow");
        QTest::addColumn<QString>("opened");    // what reaches the game's opener, if anything
        QTest::addColumn<QByteArray>("shown");  // the request line of a page shown in the view
        QTest::newRow("smb") << "smb://host/share/setup.exe?%1" << false << "" << QByteArray();
        QTest::newRow("custom handler") << "x-custom-handler://run?%1" << false << "" << QByteArray();
        QTest::newRow("smb, new window") << "smb://host/share/setup.exe?%1" << true << "" << QByteArray();
        QTest::newRow("web page, new window")
            << "http://%1/player" << true << "http://%1/player" << QByteArray();
        QTest::newRow("web page") << "http://%1/player" << false << "" << QByteArray("GET /player HTTP/1.1");
    }
    // A page of the score server, shown in the real dialog, may link anywhere: a click on a link of any
    void uploadRefusalIsTold_data() {
        QTest::addColumn<QByteArray>("status");  // empty: nothing listens
        QTest::addColumn<QByteArray>("headers");
        QTest::addColumn<QString>("told");
        const QString refused = QStringLiteral(
            "The score server refused your upload (HTTP status %1).\n"
            "Your score stays in your list here; try again later with \"Upload Highscores...\".");
        QTest::newRow("stored") << QByteArray("200 OK") << QByteArray() << QString();
        // The engine keeps the answer's headers to itself, so the wait is not known here.
        QTest::newRow("429") << QByteArray("429 Too Many Requests") << QByteArray("Retry-After: 20\r\n")
                             << refused.arg(429);
        QTest::newRow("503") << QByteArray("503 Service Unavailable") << QByteArray("Retry-After: 30\r\n")
                             << refused.arg(503);
        QTest::newRow("no server") << QByteArray() << QByteArray()
                                   << QStringLiteral(
                                          "Your score could not be uploaded: the score server did not "
                                          "answer.\nIt stays in your list here; try again later with "
                                          "\"Upload Highscores...\".");
    }
    // The real view reports how the unseen upload ended, and a refusal reaches the player.
    void uploadRefusalIsTold() {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, headers);
        QFETCH(QString, told);
        const web::GlobalScoresViewFactory factory = web::DefaultGlobalScoresViewFactory();
        if (!factory) QSKIP("no browser engine helper on this machine");
        LoopbackServer server;
        server.status = status;
        server.headers = headers;
        server.page = "<html><body>answer</body></html>";
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Quadrelle);
        options.WebServer = server.Address(QStringLiteral("/arcade"));
        options.URL = QStringLiteral("me@example.org");
        if (status.isEmpty()) server.close();  // the port stays known, and nothing answers on it
        web::QuadrelleWeb web(
            &main, options, [] { return 0.4567; }, factory);
        web.Records = [] {
            return QList<web::UploadRecord>{{QString::fromUtf8("Zo\u00eb \"|^{}'<>`\\ %41#"), 500, 1, 3,
                                             QDateTime(QDate(2026, 3, 5), QTime(21, 7, 9), Qt::UTC), 8}};
        };
        QStringList shown;
        web.Inform = [&shown](const QString& text) { shown << text; };
        web.UploadHiScore(1);
        QWidget* view = web.Dialog()->findChild<QWidget*>(QStringLiteral("WebBrowser1"));
        QVERIFY(view);
        QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));
        QTRY_VERIFY_WITH_TIMEOUT(loaded.size() == 1, 60000);
        QCoreApplication::processEvents();
        QCOMPARE(shown, told.isEmpty() ? QStringList() : QStringList{told});
        if (!status.isEmpty()) {
            QVERIFY2(server.requests.value(0).startsWith("GET /arcade/quadrelle/UploadScores.asp?US=1&N1=Zo"),
                     server.requests.value(0).constData());
        }
    }

    // other type than http, https and mailto reaches no opener, neither the game's nor the one the
    // engine would use by itself.
    void linksInTheList() {
        QFETCH(QString, href);
        QFETCH(bool, newWindow);
        QFETCH(QString, opened);
        QFETCH(QByteArray, shown);
        quadrelle::FormPlunko w;
        if (!w.Explorer4Present()) QSKIP("no browser engine helper on this machine");
        QStringList toOpener;
        web::SetUrlOpener([&toOpener](const QUrl& url) {
            toOpener << url.toString(QUrl::FullyEncoded);
            return true;
        });
        const DesktopRecorder desktop({"smb", "x-custom-handler", "mailto", "http", "https", "file"});
        LoopbackServer server;
        const QString host = QStringLiteral("127.0.0.1:%1").arg(server.serverPort());
        server.page = linkPage(href.arg(host), newWindow);
        w.SetWebServer(server.Address(QStringLiteral("/arcade")));
        w.show();
        w.globalhighscores_Click();
        auto* dialog = w.findChild<web::quadrelle::FormWebHighscore*>();
        QVERIFY(dialog);
        QWidget* view = dialog->findChild<QWidget*>(QStringLiteral("WebBrowser1"));
        QVERIFY(view);
        QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));
        QTRY_VERIFY_WITH_TIMEOUT(loaded.size() == 1, 60000);
        QTRY_VERIFY(view->focusProxy());

        const auto click = [view](double y) {
            QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {},
                              QPoint(view->width() / 2, static_cast<int>(view->height() * y)));
        };
        // The engine may drop input until the page is drawn: the strip is pressed until it answers.
        const auto awaitInput = [&] {
            const auto ready = [&] { return server.requests.contains("GET /ready HTTP/1.1"); };
            for (int attempt = 0; attempt < 120; ++attempt) {
                click(0.9);
                if (QTest::qWaitFor(ready, 500)) break;
            }
            QVERIFY(server.requests.removeAll("GET /ready HTTP/1.1") > 0);
        };
        awaitInput();
        click(0.2);
        if (!shown.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(server.requests.contains(shown), 60000);
            QTRY_VERIFY_WITH_TIMEOUT(loaded.size() == 2, 60000);
            awaitInput();
        }
        const QString sentinel = QStringLiteral("mailto:sentinel@example.org");
        click(0.6);
        QTRY_VERIFY_WITH_TIMEOUT(toOpener.contains(sentinel) || desktop.opened.contains(sentinel), 60000);
        QCOMPARE(desktop.opened, QStringList());
        // Mail goes to the game's opener, like every mail link of the game.
        QCOMPARE(toOpener.removeAll(sentinel), 1);
        QCOMPARE(toOpener, opened.isEmpty() ? QStringList() : QStringList{opened.arg(host)});
        web::SetUrlOpener({});
    }
};

// Started as Quadrelle starts: without Qt::AA_ShareOpenGLContexts, which the plugin does not need.
ARCADE_TEST_MAIN(TestWebEngine)
#include "tst_webengine.moc"
