#include <QtTest>

#include <QApplication>
#include <QTcpServer>
#include <QTcpSocket>

#include "frame/options.h"
#include "web/webglobalbrowser.h"
#include "web/webquadrelle.h"

// The embedded view really asks the server for the upload link: a loopback server stands in for the
// score server and records the request line.
class TestWebEngine : public QObject {
    Q_OBJECT
  private slots:
    void uploadReachesServer() {
        const web::GlobalScoresViewFactory factory = web::DefaultGlobalScoresViewFactory();
        if (!factory) QSKIP("no browser engine helper on this machine");

        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QByteArray request;
        connect(&server, &QTcpServer::newConnection, [&] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, [&request, socket] {
                    request += socket->readAll();
                    if (request.contains("\r\n\r\n")) {
                        socket->write(
                            "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 2\r\n"
                            "Connection: close\r\n\r\nok");
                        socket->disconnectFromHost();
                    }
                });
            }
        });

        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Quadrelle);
        options.WebServer = QStringLiteral("127.0.0.1:%1/arcade").arg(server.serverPort());
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

        QTRY_VERIFY_WITH_TIMEOUT(request.contains("\r\n"), 60000);
        const QByteArray line = request.left(request.indexOf("\r\n"));
        const QByteArray expected =
            "GET /arcade/quadrelle/UploadScores.asp?US=1&N1=Red%20Fox%20%26%20Co&S1=4210&SL1=3&EL1=7"
            "&D1=05/03/26%2009%3A07%3A09%20" +
            QLocale::system().pmText().toUtf8() + "&C1=8&URL=me@example.org&Ver=1.2&Dummy=456 HTTP/1.1";
        QCOMPARE(line, expected);
    }
};

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestWebEngine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_webengine.moc"
