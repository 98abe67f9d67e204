// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractHttpServer>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QTcpServer>
#include <atomic>
#include <functional>
#include <memory>

#include "scoreserver/database.h"
#include "scoreserver/guard.h"
#include "scoreserver/options.h"
#include "scoreserver/store.h"
#include "scoreserver/verifier.h"

namespace scoreserver {

// Limits every connection is held to. Qt's HTTP server keeps no limits of its own, so a guard in front
// of it reads every request head first.
struct Limits {
    int maxRequestLine = 8 * 1024;  // the longest of the games' links is about 2 KiB
    int maxHead = 16 * 1024;
    int maxHeaderLines = 64;
    int headTimeoutMs = 10000;          // from the first byte of a request head to its end
    int idleTimeoutMs = 30000;          // a kept-alive connection with no request
    int maxConnectionsPerClient = 256;  // a school or a club shares one address
    int maxConnections = 2000;          // per serving thread
    // Open connections over all threads that the process's descriptor limit leaves room for (0: no cap
    // beyond maxConnections). Past it a client gets 503 at once instead of waiting unanswered in the
    // listen queue for a descriptor.
    int descriptorCap = 0;
    int databaseTimeoutMs = 3000;  // an answer from the database, or 503 (lists: the page cached)
    int maxDatabaseJobs = 64;      // waiting for the database per serving thread, or 503 at once
};

// Counters for /metrics, shared by the serving threads.
class Metrics {
  public:
    void Request(const QByteArray& route, int status, qint64 microseconds);
    void Upload(const QByteArray& outcome, int count = 1);
    void DatabaseError();
    // The Prometheus text exposition format.
    QByteArray Text(int openConnections, int databaseJobs) const;

  private:
    mutable QMutex mutex_;
    QHash<QPair<QByteArray, int>, quint64> requests_;
    QHash<QByteArray, quint64> uploads_;
    QList<quint64> buckets_ = QList<quint64>(kBounds.size(), 0);
    quint64 count_ = 0;
    double sum_ = 0;
    quint64 databaseErrors_ = 0;
    static const QList<double> kBounds;
};

// What the serving threads share.
struct ServerContext {
    ServerOptions options;
    Limits limits;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTimeUtc(); };
    // Where log lines go (standard error: the journal under systemd).
    std::function<void(const QString&)> log;
    RateLimiter limiter{60};
    RateLimiter nameLimiter{10};
    // Replays count apart from the upload links that come with them.
    RateLimiter replayLimiter{60};
    // Plays replays again, off the serving threads; shared by them.
    std::unique_ptr<ReplayPool> replays;
    // What a replay proves (run in the pool): the games' cores by default.
    std::function<Verdict(const QByteArray&, const ScoreList&, const UploadEntry&)> verify;
    // Upload limits kept in the database (PostgreSQL), so all servers on it count together.
    bool sharedLimits = false;
    Metrics metrics;
    // Grows with every stored record; cached list pages of an older generation are stale.
    std::atomic<quint64> generation{0};
    std::atomic<int> databaseJobs{0};

    explicit ServerContext(const ServerOptions& o);

    void Log(const QString& line) const;

    // Open connections per peer address, over all threads.
    bool AddConnection(const QString& key, bool unlimited);
    void RemoveConnection(const QString& key);
    int OpenConnections();

  private:
    QMutex connectionsMutex_;
    QHash<QString, int> connections_;
};

// Raises the soft descriptor limit to the hard one and returns how many connections fit in it beside
// the database links, files and threads of `threads` serving threads; `limit` receives the limit.
int DescriptorCap(int threads, long* limit = nullptr);

class ConnectionGuard;

// One serving thread's HTTP server: Qt's HTTP server for the request framing, the guard for the
// limits, the routes of the three games under the base path, and one database connection.
class ScoreServer : public QAbstractHttpServer {
    Q_OBJECT
  public:
    // database stores and answers /health; reader, when given, reads the lists, so a page never waits
    // behind the uploads queued for the database.
    ScoreServer(ServerContext& context, std::unique_ptr<DatabaseLink> database,
                std::unique_ptr<DatabaseLink> reader = nullptr, QObject* parent = nullptr);
    ~ScoreServer() override;

    // Listens on address:port (port 0: any free port). With reusePort several servers (threads or
    // processes) listen on the same port and the system spreads the connections.
    bool Listen(const QHostAddress& address, quint16 port, bool reusePort, QString* error);
    quint16 Port() const;
    DatabaseLink& Database() { return *database_; }

    // A list page answered lately, kept with the request it answered, so the same request can be
    // answered again straight from the connection's guard, before any parsing or routing.
    struct HotPage {
        QByteArray contentType;
        QByteArray body;
        QByteArray headers;
        quint64 generation = 0;
        qint64 madeMs = 0;
        QDate day;  // the periods' day: a new day makes new period lists
    };
    // The page for a request target (as sent) and Accept preference while it is as fresh as the
    // cache's own pages are; null otherwise.
    const HotPage* FreshHotPage(const QByteArray& target, bool acceptsJsonOnly) const;

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    struct Response;
    struct Exchange;
    struct CachedPage {
        QByteArray body;
        quint64 generation = 0;
        qint64 madeMs = 0;
    };
    void route(const std::shared_ptr<Exchange>& exchange);
    void upload(const std::shared_ptr<Exchange>& exchange, frame::Program program, QByteArrayView query);
    void list(const std::shared_ptr<Exchange>& exchange, frame::Program program, QByteArrayView query);
    void health(const std::shared_ptr<Exchange>& exchange);
    // A replay sent with the query of its record's single upload link, played again and stored.
    void replayUpload(const std::shared_ptr<Exchange>& exchange, frame::Program program,
                      QByteArrayView query);
    void storeVerified(const std::shared_ptr<Exchange>& exchange, const std::shared_ptr<Upload>& upload,
                       const QString& id);
    void replayDownload(const std::shared_ptr<Exchange>& exchange, const QString& id);
    void respond(Exchange& exchange, const Response& response);
    // Hands job to the database; answer runs with its result, or late() when the database takes too
    // long (then the answer is dropped). False when the database is known to be stuck or has too much
    // to do: the caller answers at once. A batchable job may share its transaction with others (see
    // DatabaseLink::Run).
    enum class JobKind { Write, Read, BatchableWrite };
    bool ask(const std::shared_ptr<Exchange>& exchange, std::function<void(ScoreStore&)> job,
             std::function<void()> answer, std::function<void()> late, JobKind kind = JobKind::Write);
    Response unavailable(const QString& reason) const;

    ServerContext& context_;
    std::unique_ptr<DatabaseLink> database_;
    std::unique_ptr<DatabaseLink> reader_;
    QTcpServer* tcp_ = nullptr;
    QHash<QString, CachedPage> cache_;
    QHash<QByteArray, HotPage> hot_;
    void rememberHot(const Exchange& exchange, const QByteArray& type, const QByteArray& body,
                     const QByteArray& headers, quint64 generation, qint64 madeMs);
    // List pages being read from the database, with the requests waiting for each.
    QHash<QString, QList<std::shared_ptr<Exchange>>> reading_;
    // The database failed or did not answer in time last: requests don't queue up behind it. One flag
    // for each connection (storing, reading).
    bool databaseDown_ = false;
    bool readerDown_ = false;
    qint64 acceptErrorLoggedMs_ = 0;
};

}  // namespace scoreserver
