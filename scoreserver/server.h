// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractHttpServer>
#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QTcpServer>
#include <atomic>
#include <functional>
#include <memory>

#include "scoreserver/guard.h"
#include "scoreserver/options.h"
#include "scoreserver/store.h"

namespace scoreserver {

// Limits every connection is held to. Qt's HTTP server keeps no limits of its own, so a guard in front
// of it reads every request head first.
struct Limits {
    int maxRequestLine = 8 * 1024;  // the longest of the games' links is about 2 KiB
    int maxHead = 16 * 1024;
    int maxHeaderLines = 64;
    int headTimeoutMs = 10000;  // from the first byte of a request head to its end
    int idleTimeoutMs = 30000;  // a kept-alive connection with no request
    int maxConnectionsPerClient = 32;
    int maxConnections = 2000;  // per serving thread
};

// What the serving threads share.
struct ServerContext {
    ServerOptions options;
    Limits limits;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTimeUtc(); };
    RateLimiter limiter{20};
    // Grows with every stored record; cached list pages of an older generation are stale.
    std::atomic<quint64> generation{0};

    explicit ServerContext(const ServerOptions& o) : options(o), limiter(o.uploadLimit) {}

    // Open connections per peer address, over all threads.
    bool AddConnection(const QString& key, bool unlimited);
    void RemoveConnection(const QString& key);

  private:
    QMutex connectionsMutex_;
    QHash<QString, int> connections_;
};

class ConnectionGuard;

// One serving thread's HTTP server: Qt's HTTP server for the request framing, the guard for the
// limits, the routes of the three games under the base path, and one database connection.
class ScoreServer : public QAbstractHttpServer {
    Q_OBJECT
  public:
    ScoreServer(ServerContext& context, std::unique_ptr<ScoreStore> store, QObject* parent = nullptr);
    ~ScoreServer() override;

    // Listens on address:port (port 0: any free port). With reusePort several servers (threads or
    // processes) listen on the same port and the system spreads the connections.
    bool Listen(const QHostAddress& address, quint16 port, bool reusePort, QString* error);
    quint16 Port() const;
    ScoreStore& Store() { return *store_; }

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    struct Response;
    struct CachedPage {
        QByteArray body;
        quint64 generation = 0;
        qint64 madeMs = 0;
    };
    Response route(const QByteArray& target, const ConnectionGuard& guard, const QHostAddress& peer);
    Response upload(frame::Program program, QByteArrayView query, const ConnectionGuard& guard,
                    const QHostAddress& peer);
    Response list(frame::Program program, QByteArrayView query, const ConnectionGuard& guard);

    ServerContext& context_;
    std::unique_ptr<ScoreStore> store_;
    QTcpServer* tcp_ = nullptr;
    QHash<QString, CachedPage> cache_;
};

}  // namespace scoreserver
