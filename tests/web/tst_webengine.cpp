// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QApplication>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

#include "frame/options.h"
#include "frame/settingsstore.h"
#include "quadrelle/formplunko.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
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
                    socket->write(
                        "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2\r\n"
                        "Connection: close\r\n\r\nok");
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString Address(const QString& path) const {
        return QStringLiteral("127.0.0.1:%1").arg(serverPort()) + path;
    }
    QList<QByteArray> requests;
};

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
};

// Started as Quadrelle starts: without Qt::AA_ShareOpenGLContexts, which the plugin does not need.
ARCADE_TEST_MAIN(TestWebEngine)
#include "tst_webengine.moc"
