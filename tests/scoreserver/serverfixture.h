// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "scoreserver/server.h"

// A score server on a loopback port of this process, with SQLite in a temporary folder or, when
// SCORESERVER_TEST_DATABASE names one, that database (the PostgreSQL run). Its clock is the test's.
struct ServerFixture {
    struct Reply {
        int status = 0;
        QByteArray head;
        QByteArray body;
        QString text() const { return QString::fromUtf8(body); }
        QByteArray header(const QByteArray& name) const {
            for (const QByteArray& line : head.split('\n')) {
                if (line.toLower().startsWith(name.toLower() + ':'))
                    return line.mid(name.size() + 1).trimmed();
            }
            return {};
        }
    };

    QTemporaryDir dir;
    QDateTime now = QDateTime(QDate(2026, 3, 5), QTime(21, 30, 0), QTimeZone::utc());
    std::unique_ptr<scoreserver::ServerContext> context;
    std::unique_ptr<scoreserver::ScoreServer> server;
    QStringList log;  // the server's log lines

    // The log lines that contain text.
    QStringList Logged(const QString& text) const { return log.filter(text); }

    static QString DatabaseUrl(const QTemporaryDir& dir) {
        const QString url = qEnvironmentVariable("SCORESERVER_TEST_DATABASE");
        return url.isEmpty() ? QStringLiteral("sqlite://") + dir.filePath(QStringLiteral("scores.db")) : url;
    }

    using Adjust = std::function<void(scoreserver::ServerOptions&, scoreserver::Limits&)>;

    // Starts a server; adjust tweaks the options and limits first.
    bool Start(const Adjust& adjust = {}) {
        server.reset();
        scoreserver::ServerOptions options;
        options.basePath = QStringLiteral("/arcade");
        options.database = DatabaseUrl(dir);
        options.threads = 1;
        scoreserver::Limits limits;
        if (adjust) adjust(options, limits);
        context = std::make_unique<scoreserver::ServerContext>(options);
        context->limits = limits;
        context->clock = [this] { return now; };
        context->log = [this](const QString& line) { log << line; };
        log.clear();
        QString error;
        auto database = scoreserver::DatabaseLink::Open(options.database, QStringLiteral("fixture"), &error);
        if (!database) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        // Every test starts from an empty list, no bans and full upload buckets, whichever database holds it.
        bool cleared = false;
        database->RunAndWait([&](scoreserver::ScoreStore& store) {
            QSqlQuery clear(store.Database());
            cleared = clear.exec(QStringLiteral("DELETE FROM records")) &&
                      clear.exec(QStringLiteral("DELETE FROM bans")) &&
                      clear.exec(QStringLiteral("DELETE FROM replays")) &&
                      clear.exec(QStringLiteral("DELETE FROM limits"));
        });
        if (!cleared) return false;
        auto reader =
            scoreserver::DatabaseLink::Open(options.database, QStringLiteral("fixture-read"), &error);
        if (!reader) return false;
        server = std::make_unique<scoreserver::ScoreServer>(*context, std::move(database), std::move(reader));
        return server->Listen(QHostAddress::LocalHost, 0, false, &error);
    }

    // The server address as the games' WebServer setting holds it.
    QString Address() const { return QStringLiteral("127.0.0.1:%1/arcade").arg(server->Port()); }

    // What a browser asks for a link: the part after host and port.
    QByteArray TargetOf(const QString& link) const {
        const QString host = QStringLiteral("127.0.0.1:%1").arg(server->Port());
        const qsizetype at = link.indexOf(host);
        return (at < 0 ? link : link.mid(at + host.size())).toLatin1();
    }

    // Sends raw bytes on a fresh connection and reads the answer until the server closes it.
    Reply Raw(const QByteArray& request, int timeoutMs = 5000) {
        QTcpSocket socket;
        QByteArray received;
        QEventLoop loop;
        QObject::connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll(); });
        QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
        QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
        QObject::connect(&socket, &QTcpSocket::connected, [&] { socket.write(request); });
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        socket.connectToHost(QHostAddress::LocalHost, server->Port());
        loop.exec();
        received += socket.readAll();
        Reply reply;
        const qsizetype split = received.indexOf("\r\n\r\n");
        reply.head = split < 0 ? received : received.left(split);
        reply.body = split < 0 ? QByteArray() : received.mid(split + 4);
        const QList<QByteArray> status = reply.head.left(reply.head.indexOf("\r\n")).split(' ');
        reply.status = status.size() > 1 ? status[1].toInt() : 0;
        return reply;
    }

    Reply Get(const QByteArray& target, const QByteArray& headers = {}) {
        return Raw("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers +
                   "Connection: close\r\n\r\n");
    }

    // A replay sent as the games send it: POST with its record's upload query.
    Reply Post(const QByteArray& target, const QByteArray& body) {
        return Raw(
            "POST " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: application/octet-stream\r\n" +
            "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    }

    // The records of a list as the JSON list page gives them.
    QJsonArray Records(const QByteArray& listQuery) {
        const Reply reply =
            Get("/arcade/" + listQuery + (listQuery.contains('?') ? "&" : "?") + "format=json");
        return QJsonDocument::fromJson(reply.body).object().value(QStringLiteral("records")).toArray();
    }
};
