// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMutexLocker>
#include <QPointer>
#include <QSet>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#include "scoreserver/pages.h"

namespace scoreserver {

namespace {

qint64 MonotonicMs() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

const char* StatusText(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 400:
            return "Bad Request";
        case 403:
            return "Forbidden";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 408:
            return "Request Timeout";
        case 411:
            return "Length Required";
        case 413:
            return "Payload Too Large";
        case 414:
            return "URI Too Long";
        case 429:
            return "Too Many Requests";
        case 422:
            return "Unprocessable Content";
        case 431:
            return "Request Header Fields Too Large";
        case 503:
            return "Service Unavailable";
        default:
            break;
    }
    return "Internal Server Error";
}

const QByteArray kHtml = QByteArrayLiteral("text/html; charset=utf-8");
const QByteArray kJson = QByteArrayLiteral("application/json");
// The file name's suffix of a downloaded replay, as the games save theirs.
const QByteArray kReplaySuffix = QByteArrayLiteral("qbgr");

// Pages carry no script and load nothing from elsewhere.
const QByteArray kCommonHeaders = QByteArrayLiteral(
    "X-Content-Type-Options: nosniff\r\n"
    "Content-Security-Policy: default-src 'none'; style-src 'unsafe-inline'; base-uri 'none'; form-action "
    "'none'\r\n"
    "Referrer-Policy: no-referrer\r\n"
    "Server: quillbyte-scoreserver\r\n");

// "Fri, 11 Dec 2026 12:00:00 GMT", made once a second per thread.
QByteArray HttpDate() {
    thread_local qint64 second = -1;
    thread_local QByteArray text;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (now.toSecsSinceEpoch() != second) {
        second = now.toSecsSinceEpoch();
        text = QLocale::c().toString(now, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss")).toLatin1() + " GMT";
    }
    return text;
}

QByteArray ResponseBytes(int status, const QByteArray& contentType, const QByteArray& body, bool withBody,
                         bool close, const QByteArray& extra) {
    QByteArray out;
    out.reserve(400 + body.size());
    out += "HTTP/1.1 ";
    out += QByteArray::number(status);
    out += ' ';
    out += StatusText(status);
    out += "\r\nContent-Type: ";
    out += contentType;
    out += "\r\nContent-Length: ";
    out += QByteArray::number(body.size());
    out += "\r\nDate: ";
    out += HttpDate();
    out += "\r\n";
    out += kCommonHeaders;
    out += extra;
    if (close) out += "Connection: close\r\n";
    out += "\r\n";
    if (withBody) out += body;
    return out;
}

bool HeaderIs(QByteArrayView line, QByteArrayView name) {
    return line.size() > name.size() && line[name.size()] == ':' &&
           qstrnicmp(line.data(), name.size(), name.data(), name.size()) == 0;
}

QByteArray HeaderValue(QByteArrayView line, qsizetype nameSize) {
    return line.sliced(nameSize + 1).trimmed().toByteArray();
}

}  // namespace

const QList<double> Metrics::kBounds{0.0005, 0.001, 0.0025, 0.005, 0.01, 0.025, 0.05,
                                     0.1,    0.25,  0.5,    1,     2.5,  5,     10};

void Metrics::Request(const QByteArray& route, int status, qint64 microseconds) {
    QMutexLocker lock(&mutex_);
    ++requests_[{route, status}];
    const double seconds = microseconds / 1e6;
    for (qsizetype i = 0; i < kBounds.size(); ++i) {
        if (seconds <= kBounds[i]) {
            ++buckets_[i];
            break;
        }
    }
    ++count_;
    sum_ += seconds;
}

void Metrics::Upload(const QByteArray& outcome, int count) {
    if (count <= 0) return;
    QMutexLocker lock(&mutex_);
    uploads_[outcome] += count;
}

void Metrics::DatabaseError() {
    QMutexLocker lock(&mutex_);
    ++databaseErrors_;
}

QByteArray Metrics::Text(int openConnections, int databaseJobs) const {
    QMutexLocker lock(&mutex_);
    QByteArray out;
    out +=
        "# HELP scoreserver_requests_total Requests answered, by route and status.\n"
        "# TYPE scoreserver_requests_total counter\n";
    QList<QPair<QByteArray, int>> keys = requests_.keys();
    std::sort(keys.begin(), keys.end());
    for (const auto& k : keys)
        out += "scoreserver_requests_total{route=\"" + k.first + "\",status=\"" +
               QByteArray::number(k.second) + "\"} " + QByteArray::number(requests_.value(k)) + '\n';
    out +=
        "# HELP scoreserver_uploads_total Uploaded records by outcome (stored, duplicate, refused, "
        "skipped), and uploads turned away whole (limited, unavailable).\n"
        "# TYPE scoreserver_uploads_total counter\n";
    for (const char* outcome : {"stored", "duplicate", "refused", "skipped", "limited", "unavailable"})
        out += QByteArray("scoreserver_uploads_total{outcome=\"") + outcome + "\"} " +
               QByteArray::number(uploads_.value(outcome)) + '\n';
    out +=
        "# HELP scoreserver_replays_total Replays received, by outcome (verified, refused, busy: the "
        "verification queue was full).\n"
        "# TYPE scoreserver_replays_total counter\n";
    for (const char* outcome : {"verified", "refused", "busy"})
        out += QByteArray("scoreserver_replays_total{outcome=\"") + outcome + "\"} " +
               QByteArray::number(uploads_.value(QByteArray("replay-") + outcome)) + '\n';
    out +=
        "# HELP scoreserver_request_duration_seconds Time from a request's head to its answer.\n"
        "# TYPE scoreserver_request_duration_seconds histogram\n";
    quint64 cumulative = 0;
    for (qsizetype i = 0; i < kBounds.size(); ++i) {
        cumulative += buckets_[i];
        out += "scoreserver_request_duration_seconds_bucket{le=\"" + QByteArray::number(kBounds[i]) + "\"} " +
               QByteArray::number(cumulative) + '\n';
    }
    out += "scoreserver_request_duration_seconds_bucket{le=\"+Inf\"} " + QByteArray::number(count_) + '\n';
    out += "scoreserver_request_duration_seconds_sum " + QByteArray::number(sum_, 'f', 6) + '\n';
    out += "scoreserver_request_duration_seconds_count " + QByteArray::number(count_) + '\n';
    out +=
        "# HELP scoreserver_database_errors_total Database statements that failed or did not answer in "
        "time.\n# TYPE scoreserver_database_errors_total counter\n"
        "scoreserver_database_errors_total " +
        QByteArray::number(databaseErrors_) + '\n';
    out +=
        "# HELP scoreserver_open_connections Client connections open now.\n"
        "# TYPE scoreserver_open_connections gauge\n"
        "scoreserver_open_connections " +
        QByteArray::number(openConnections) + '\n';
    out +=
        "# HELP scoreserver_database_jobs Requests waiting for the database now.\n"
        "# TYPE scoreserver_database_jobs gauge\n"
        "scoreserver_database_jobs " +
        QByteArray::number(databaseJobs) + '\n';
    return out;
}

ServerContext::ServerContext(const ServerOptions& o)
    : options(o),
      limiter(o.uploadLimit),
      nameLimiter(o.nameUploadLimit),
      replayLimiter(o.uploadLimit),
      replays(std::make_unique<ReplayPool>(o.verifyThreads, o.verifyQueue)),
      sharedLimits(ParseDatabaseUrl(o.database).kind == DatabaseUrl::Kind::PostgreSQL) {
    limits.maxConnectionsPerClient = o.connectionsPerClient;
    limits.databaseTimeoutMs = o.databaseTimeoutMs;
    const ReplayLimits replayLimits{o.maxReplayBytes, o.maxReplayTicks};
    verify = [replayLimits](const QByteArray& bytes, const ScoreList& list, const UploadEntry& entry) {
        return VerifyReplay(bytes, list, entry, replayLimits);
    };
    log = [](const QString& line) {
        std::fprintf(stderr, "quillbyte-scoreserver: %s\n", qPrintable(line));
        std::fflush(stderr);
    };
}

void ServerContext::Log(const QString& line) const {
    if (log) log(line);
}

bool ServerContext::AddConnection(const QString& key, bool unlimited) {
    QMutexLocker lock(&connectionsMutex_);
    int& total = connections_[QString()];
    if (total >= limits.maxConnections * options.threads ||
        (limits.descriptorCap > 0 && total >= limits.descriptorCap))
        return false;
    int& mine = connections_[key];
    if (!unlimited && mine >= limits.maxConnectionsPerClient) {
        if (mine == 0) connections_.remove(key);
        return false;
    }
    ++mine;
    ++total;
    return true;
}

int DescriptorCap(int threads, long* limit) {
    rlimit r{};
    if (::getrlimit(RLIMIT_NOFILE, &r) != 0) return 0;
    if (r.rlim_cur < r.rlim_max) {
        rlimit raised = r;
        raised.rlim_cur = r.rlim_max;
        if (::setrlimit(RLIMIT_NOFILE, &raised) == 0) r = raised;
    }
    if (r.rlim_cur == RLIM_INFINITY) return 0;
    if (limit) *limit = static_cast<long>(r.rlim_cur);
    // Measured: about 8 descriptors for the process and 8 per serving thread (its database links with
    // their journal files, event descriptors and listening socket), with a margin on top. Half of what is
    // left goes to served connections, so refused ones (answered and closed at once) still find one.
    const long reserve = 24 + 10L * threads;
    const long room = (static_cast<long>(r.rlim_cur) - reserve) / 2;
    return static_cast<int>(std::clamp(room, 1L, static_cast<long>(std::numeric_limits<int>::max())));
}

void ServerContext::RemoveConnection(const QString& key) {
    QMutexLocker lock(&connectionsMutex_);
    if (--connections_[key] <= 0) connections_.remove(key);
    --connections_[QString()];
}

int ServerContext::OpenConnections() {
    QMutexLocker lock(&connectionsMutex_);
    return connections_.value(QString());
}

// Reads every request head before Qt's HTTP server does (its readyRead slot is connected first and
// only peeks), refuses what breaks a limit, and keeps what the routes need: the request target as
// it was sent (escapes untouched), and the headers the server reads.
class ConnectionGuard : public QObject {
    Q_OBJECT
  public:
    ConnectionGuard(ServerContext& context, const ScoreServer& server, QTcpSocket* socket, QString key)
        : QObject(socket), context_(context), server_(server), socket_(socket), key_(std::move(key)) {
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, &ConnectionGuard::timedOut);
        connect(socket, &QTcpSocket::readyRead, this, &ConnectionGuard::readyRead);
        timer_.start(context_.limits.headTimeoutMs);
    }
    ~ConnectionGuard() override { context_.RemoveConnection(key_); }

    bool HasRequest() const { return complete_ && !refused_ && bodyLeft_ == 0; }
    const QByteArray& Method() const { return method_; }
    const QByteArray& Target() const { return target_; }
    bool IsHead() const { return method_ == "HEAD"; }
    bool IsPost() const { return method_ == "POST"; }
    bool WantsClose() const { return close_; }
    const QByteArray& ForwardedFor() const { return forwardedFor_; }
    bool AcceptsJsonOnly() const { return acceptJson_; }
    // When the request's head was complete.
    const QElapsedTimer& Since() const { return since_; }

    // The answer to the request is written: wait for the next one.
    void Finished() {
        complete_ = false;
        head_.clear();
        target_.clear();
        forwardedFor_.clear();
        if (close_) {
            closeSoon();
        } else {
            timer_.start(context_.limits.idleTimeoutMs);
        }
    }

    // Answers with an error page and closes the connection; the rest of what the client sends is
    // read and dropped, so Qt's server never sees it.
    void Refuse(int status, const QString& reason, const QByteArray& extraHeaders = {}) {
        if (closing_) return;
        refused_ = true;
        const QByteArray body =
            ErrorPage(QString::fromLatin1(StatusText(status)), reason, context_.options.basePath);
        socket_->readAll();
        socket_->write(ResponseBytes(status, kHtml, body, true, true, extraHeaders));
        context_.Log(QStringLiteral("refused a request from %1: %2 %3")
                         .arg(socket_->peerAddress().toString())
                         .arg(status)
                         .arg(reason));
        context_.metrics.Request("refused", status, since_.isValid() ? since_.nsecsElapsed() / 1000 : 0);
        closeSoon();
    }

  private:
    void closeSoon() {
        closing_ = true;
        socket_->disconnectFromHost();
        timer_.start(2000);
    }

    void timedOut() {
        if (closing_) {
            // The client did not take its answer, or Qt's server gave up on the connection.
            socket_->abort();
            socket_->deleteLater();
        } else if (!head_.isEmpty()) {
            Refuse(408, QStringLiteral("The request took too long to arrive."));
        } else {
            closeSoon();
        }
    }

    void readyRead() {
        if (closing_) {
            socket_->readAll();
            return;
        }
        const QByteArray chunk = socket_->peek(socket_->bytesAvailable());
        qsizetype i = 0;
        // Qt's server has seen no part of a request that arrives whole in one chunk.
        const bool whole = head_.isEmpty();
        if (head_.isEmpty()) {
            // Blank lines before a request are allowed (and skipped by Qt's parser too).
            while (i < chunk.size() && (chunk[i] == '\r' || chunk[i] == '\n'))
                ++i;
            if (i == chunk.size()) return;
            timer_.start(context_.limits.headTimeoutMs);
        }
        if (complete_ && bodyLeft_ > 0) {
            // The body of a POST: counted, so nothing after it passes as a request of its own.
            const qsizetype taken = std::min<qint64>(bodyLeft_, chunk.size());
            bodyLeft_ -= taken;
            if (bodyLeft_ == 0) bodyDone();
            if (taken < chunk.size()) Refuse(400, QStringLiteral("Send one request at a time."));
            return;
        }
        if (complete_) {
            // A second request before the first was answered.
            Refuse(400, QStringLiteral("Send one request at a time."));
            return;
        }
        for (; i < chunk.size(); ++i) {
            const char c = chunk[i];
            head_.append(c);
            if (c == '\n' && (head_.endsWith("\n\n") || head_.endsWith("\n\r\n"))) {
                complete_ = true;
                break;
            }
        }
        const qsizetype firstLineEnd = head_.indexOf('\n');
        if ((firstLineEnd < 0 ? head_.size() : firstLineEnd) > context_.limits.maxRequestLine) {
            Refuse(414, QStringLiteral("The address of the request is too long."));
            return;
        }
        if (head_.size() > context_.limits.maxHead) {
            Refuse(431, QStringLiteral("The request's headers are too large."));
            return;
        }
        if (!complete_) return;
        parseHead();
        if (refused_) return;
        const qsizetype after = chunk.size() - (i + 1);
        const qsizetype taken = std::min<qint64>(bodyLeft_, after);
        bodyLeft_ -= taken;
        if (taken < after) {
            Refuse(400, QStringLiteral("Send one request at a time."));
            return;
        }
        // A body still on its way must arrive within the same time as a head.
        if (bodyLeft_ == 0) bodyDone();
        if (whole && bodyLeft_ == 0 && !IsPost()) answerHot();
    }

    void bodyDone() {
        // The answer may wait for the database, which has a deadline of its own.
        timer_.stop();
        since_.start();
    }

    // A list page asked for again while it is fresh: answered here, and Qt's server never sees the
    // request. Not while every request is logged (the log names the client, which takes the routes).
    void answerHot() {
        if (context_.options.accessLog) return;
        const ScoreServer::HotPage* page = server_.FreshHotPage(target_, acceptJson_);
        if (!page) return;
        socket_->readAll();
        const QByteArray bytes =
            ResponseBytes(200, page->contentType, page->body, !IsHead(), close_, page->headers);
        // Straight to the socket when nothing waits before it, rather than after another turn of the
        // event loop; what the socket does not take now goes the usual way.
        qint64 sent = 0;
        if (socket_->bytesToWrite() == 0) {
            sent = ::send(static_cast<int>(socket_->socketDescriptor()), bytes.constData(),
                          static_cast<size_t>(bytes.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent < 0) sent = 0;
        }
        if (sent < bytes.size()) socket_->write(bytes.constData() + sent, bytes.size() - sent);
        context_.metrics.Request("list", 200, since_.nsecsElapsed() / 1000);
        Finished();
    }

    void parseHead() {
        const QList<QByteArray> lines = head_.split('\n');
        if (lines.size() - 2 > context_.limits.maxHeaderLines) {
            Refuse(431, QStringLiteral("The request has too many headers."));
            return;
        }
        const QByteArray requestLine = lines.first().trimmed();
        const QList<QByteArray> parts = requestLine.split(' ');
        if (parts.size() != 3 || !parts[2].startsWith("HTTP/1.")) {
            Refuse(400, QStringLiteral("The request cannot be read."));
            return;
        }
        if (parts[0] != "GET" && parts[0] != "HEAD" && parts[0] != "POST") {
            Refuse(405, QStringLiteral("Only GET, HEAD and POST requests are served."),
                   "Allow: GET, HEAD, POST\r\n");
            return;
        }
        method_ = parts[0];
        target_ = parts[1];
        const bool post = method_ == "POST";
        bool keepAlive = parts[2] != "HTTP/1.0";
        bool hasLength = false;
        bool expectContinue = false;
        bodyLeft_ = 0;
        acceptJson_ = false;
        for (qsizetype k = 1; k < lines.size(); ++k) {
            const QByteArray line = lines[k].trimmed();
            if (line.isEmpty()) continue;
            if (HeaderIs(line, "content-length")) {
                const QByteArray value = HeaderValue(line, 14);
                bool number = !value.isEmpty() && value.size() <= 12;
                for (char c : value)
                    number = number && c >= '0' && c <= '9';
                const qint64 length = number ? value.toLongLong() : -1;
                if (!post && length != 0) {
                    Refuse(413, QStringLiteral("Requests carry no body here."));
                    return;
                }
                if (length < 0 || hasLength) {
                    Refuse(400, QStringLiteral("The request's length cannot be read."));
                    return;
                }
                if (length > context_.options.maxReplayBytes) {
                    Refuse(413, QStringLiteral("A replay may be at most %1 bytes; nothing was stored.")
                                    .arg(context_.options.maxReplayBytes));
                    return;
                }
                hasLength = true;
                bodyLeft_ = length;
            } else if (HeaderIs(line, "transfer-encoding")) {
                Refuse(post ? 411 : 413, post ? QStringLiteral("Send the replay with a Content-Length.")
                                              : QStringLiteral("Requests carry no body here."));
                return;
            } else if (HeaderIs(line, "upgrade")) {
                Refuse(400, QStringLiteral("No protocol upgrade is offered."));
                return;
            } else if (HeaderIs(line, "connection")) {
                const QByteArray v = HeaderValue(line, 10).toLower();
                if (v.contains("close")) keepAlive = false;
                if (v.contains("keep-alive")) keepAlive = true;
            } else if (HeaderIs(line, "expect")) {
                expectContinue = HeaderValue(line, 6).toLower() == "100-continue";
            } else if (HeaderIs(line, "x-forwarded-for")) {
                if (!forwardedFor_.isEmpty()) forwardedFor_ += ',';
                forwardedFor_ += HeaderValue(line, 15);
            } else if (HeaderIs(line, "accept")) {
                const QByteArray v = HeaderValue(line, 6).toLower();
                acceptJson_ = v.contains("application/json") && !v.contains("text/html");
            }
        }
        if (post && !hasLength) {
            Refuse(411, QStringLiteral("Send the replay with a Content-Length."));
            return;
        }
        // A client that waits for leave to send its body (curl does for larger ones) gets it at once.
        if (expectContinue && bodyLeft_ > 0) socket_->write("HTTP/1.1 100 Continue\r\n\r\n");
        close_ = !keepAlive;
    }

    ServerContext& context_;
    const ScoreServer& server_;
    QTcpSocket* socket_;
    QString key_;
    QTimer timer_;
    QElapsedTimer since_;
    QByteArray head_;
    QByteArray method_;
    QByteArray target_;
    QByteArray forwardedFor_;
    bool complete_ = false;
    bool refused_ = false;
    bool closing_ = false;
    bool close_ = false;
    bool acceptJson_ = false;
    qint64 bodyLeft_ = 0;  // bytes of a POST's body still to come
};

namespace {

// Hands Qt's HTTP server only connections within the limits, each with its guard attached first.
class GuardedTcpServer : public QTcpServer {
  public:
    GuardedTcpServer(ServerContext& context, ScoreServer* server)
        : QTcpServer(server), context_(context), server_(*server) {}

  protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        const QHostAddress peer = socket->peerAddress();
        const QString key = ClientKey(peer);
        const bool unlimited =
            InSubnets(peer, context_.options.noLimitFor) || InSubnets(peer, context_.options.trustedProxies);
        if (!context_.AddConnection(key, unlimited)) {
            context_.Log(QStringLiteral("refused a connection from %1: 503 too many open connections")
                             .arg(peer.toString()));
            context_.metrics.Request("connection", 503, 0);
            socket->write(
                ResponseBytes(503, kHtml,
                              ErrorPage(QStringLiteral("Service Unavailable"),
                                        QStringLiteral("Too many open connections; try again shortly."),
                                        context_.options.basePath),
                              true, true, "Retry-After: 5\r\n"));
            // Its descriptor is given back as soon as the answer is out; the object goes a little later,
            // or at once should the client not take the answer.
            socket->disconnectFromHost();
            QTimer::singleShot(2000, socket, [socket] {
                socket->abort();
                socket->deleteLater();
            });
            return;
        }
        new ConnectionGuard(context_, server_, socket, key);
        addPendingConnection(socket);
    }

  private:
    ServerContext& context_;
    const ScoreServer& server_;
};

// The same queue of connections not yet accepted in every mode: room for a crowd arriving at once.
constexpr int kListenBacklog = SOMAXCONN;

QString Quoted(const QString& text) {
    QString out = text;
    out.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    for (QChar& c : out) {
        if (c.category() == QChar::Other_Control) c = u'?';
    }
    return u'"' + out + u'"';
}

}  // namespace

struct ScoreServer::Response {
    int status = 200;
    QByteArray contentType = kHtml;
    QByteArray body;
    QByteArray extraHeaders;
};

// One request on its way to its answer, which may come from the database thread later.
struct ScoreServer::Exchange {
    QPointer<QTcpSocket> socket;
    QByteArray target;
    QByteArray routeName = "unknown";
    QByteArray method;
    QByteArray body;
    QHostAddress peer;
    QHostAddress client;
    QElapsedTimer since;
    bool head = false;
    bool acceptsJsonOnly = false;
    bool answered = false;
};

ScoreServer::ScoreServer(ServerContext& context, std::unique_ptr<DatabaseLink> database,
                         std::unique_ptr<DatabaseLink> reader, QObject* parent)
    : QAbstractHttpServer(parent),
      context_(context),
      database_(std::move(database)),
      reader_(std::move(reader)) {}

ScoreServer::~ScoreServer() {
    // A replay still in the pool answers to this server: it is waited for, not left to find it gone.
    context_.replays->WaitForDone();
}

bool ScoreServer::Listen(const QHostAddress& address, quint16 port, bool reusePort, QString* error) {
    tcp_ = new GuardedTcpServer(context_, this);
    tcp_->setListenBacklogSize(kListenBacklog);
    if (!reusePort) {
        if (!tcp_->listen(address, port)) {
            *error = tcp_->errorString();
            return false;
        }
    } else {
        // Qt cannot set SO_REUSEPORT itself: the socket is made here and handed over listening.
        const bool dual = address == QHostAddress(QHostAddress::Any);
        const bool v6 = dual || address.protocol() == QAbstractSocket::IPv6Protocol;
        const int fd = ::socket(v6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const int one = 1, zero = 0;
        sockaddr_storage storage{};
        socklen_t length = 0;
        if (v6) {
            auto* a = reinterpret_cast<sockaddr_in6*>(&storage);
            a->sin6_family = AF_INET6;
            a->sin6_port = htons(port);
            const Q_IPV6ADDR bytes = dual ? Q_IPV6ADDR{} : address.toIPv6Address();
            std::memcpy(&a->sin6_addr, &bytes, sizeof bytes);
            length = sizeof(sockaddr_in6);
        } else {
            auto* a = reinterpret_cast<sockaddr_in*>(&storage);
            a->sin_family = AF_INET;
            a->sin_port = htons(port);
            a->sin_addr.s_addr = htonl(address.toIPv4Address());
            length = sizeof(sockaddr_in);
        }
        if (fd < 0 || ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one) != 0 ||
            ::setsockopt(fd, SOL_SOCKET, SO_REUSEPORT, &one, sizeof one) != 0 ||
            (dual && ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &zero, sizeof zero) != 0) ||
            ::bind(fd, reinterpret_cast<sockaddr*>(&storage), length) != 0 ||
            ::listen(fd, kListenBacklog) != 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            if (fd >= 0) ::close(fd);
            return false;
        }
        if (!tcp_->setSocketDescriptor(fd)) {
            *error = tcp_->errorString();
            ::close(fd);
            return false;
        }
    }
    // Out of file descriptors (or another error), Qt stops accepting for good: the server says why and
    // tries again shortly, when connections have closed.
    connect(tcp_, &QTcpServer::acceptError, this, [this](QAbstractSocket::SocketError error) {
        // Once in ten seconds is enough to tell.
        if (MonotonicMs() - acceptErrorLoggedMs_ > 10000 || acceptErrorLoggedMs_ == 0) {
            acceptErrorLoggedMs_ = MonotonicMs();
            context_.Log(
                QStringLiteral("cannot accept a connection: %1%2; trying again every 100 ms")
                    .arg(tcp_->errorString(),
                         error == QAbstractSocket::SocketResourceError
                             ? QStringLiteral(" (too many open files: raise LimitNOFILE or ulimit -n)")
                             : QString()));
        }
        QTimer::singleShot(100, tcp_, [tcp = tcp_] { tcp->resumeAccepting(); });
    });
    bind(tcp_);
    return true;
}

quint16 ScoreServer::Port() const {
    return tcp_ ? tcp_->serverPort() : 0;
}

bool ScoreServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    auto* guard = socket->findChild<ConnectionGuard*>(QString(), Qt::FindDirectChildrenOnly);
    if (!guard) return true;
    if (!guard->HasRequest()) {
        guard->Refuse(400, QStringLiteral("The request cannot be read."));
        return true;
    }
    auto exchange = std::make_shared<Exchange>();
    exchange->socket = socket;
    exchange->target = guard->Target();
    exchange->peer = request.remoteAddress();
    exchange->client = ClientAddress(exchange->peer, guard->ForwardedFor(), context_.options.trustedProxies);
    exchange->since = guard->Since();
    exchange->head = guard->IsHead();
    exchange->method = guard->Method();
    if (exchange->method == "POST") exchange->body = request.body();
    exchange->acceptsJsonOnly = guard->AcceptsJsonOnly();
    route(exchange);
    return true;
}

void ScoreServer::missingHandler(const QHttpServerRequest&, QTcpSocket* socket) {
    // Every request is answered by handleRequest; this is for completeness.
    if (auto* guard = socket->findChild<ConnectionGuard*>(QString(), Qt::FindDirectChildrenOnly))
        guard->Refuse(404, QStringLiteral("Unknown page."));
}

void ScoreServer::respond(Exchange& exchange, const Response& r) {
    if (exchange.answered) return;
    exchange.answered = true;
    const qint64 micros = exchange.since.isValid() ? exchange.since.nsecsElapsed() / 1000 : 0;
    context_.metrics.Request(exchange.routeName, r.status, micros);
    if (context_.options.accessLog)
        context_.Log(QStringLiteral("%1 %2 %3 %4 %5 %6 ms")
                         .arg(exchange.client.toString(), QString::fromLatin1(exchange.method),
                              Quoted(QString::fromLatin1(exchange.target.left(2000))))
                         .arg(r.status)
                         .arg(r.body.size())
                         .arg(micros / 1000.0, 0, 'f', 1));
    QTcpSocket* socket = exchange.socket.data();
    if (!socket || socket->state() != QAbstractSocket::ConnectedState) return;
    auto* guard = socket->findChild<ConnectionGuard*>(QString(), Qt::FindDirectChildrenOnly);
    if (!guard) return;
    socket->write(
        ResponseBytes(r.status, r.contentType, r.body, !exchange.head, guard->WantsClose(), r.extraHeaders));
    guard->Finished();
}

ScoreServer::Response ScoreServer::unavailable(const QString& reason) const {
    return {503, kHtml, ErrorPage(QStringLiteral("Service Unavailable"), reason, context_.options.basePath),
            "Retry-After: 30\r\nCache-Control: no-store\r\n"};
}

bool ScoreServer::ask(const std::shared_ptr<Exchange>& exchange, std::function<void(ScoreStore&)> job,
                      std::function<void()> answer, std::function<void()> late, JobKind kind) {
    const bool read = kind == JobKind::Read;
    DatabaseLink& link = read && reader_ ? *reader_ : *database_;
    bool& down = read && reader_ ? readerDown_ : databaseDown_;
    const int waiting = link.Pending();
    if (waiting >= context_.limits.maxDatabaseJobs || (down && waiting > 0)) return false;
    ++context_.databaseJobs;
    auto done = std::make_shared<bool>(false);
    QTimer::singleShot(context_.limits.databaseTimeoutMs, this, [this, exchange, done, late, &down] {
        if (*done || exchange->answered) return;
        // The job goes on in the database thread; whatever it brings is not waited for.
        down = true;
        context_.metrics.DatabaseError();
        late();
    });
    link.Run(
        std::move(job), this,
        [this, done, answer = std::move(answer)] {
            *done = true;
            --context_.databaseJobs;
            answer();
        },
        kind == JobKind::BatchableWrite);
    return true;
}

void ScoreServer::route(const std::shared_ptr<Exchange>& exchange) {
    const QByteArray& target = exchange->target;
    const qsizetype mark = target.indexOf('?');
    const QByteArrayView rawPath = mark < 0 ? QByteArrayView(target) : QByteArrayView(target).first(mark);
    const QByteArrayView query = mark < 0 ? QByteArrayView() : QByteArrayView(target).sliced(mark + 1);
    const QString path = QUrl::fromPercentEncoding(rawPath.toByteArray());
    const QString& base = context_.options.basePath;
    const bool post = exchange->method == "POST";
    if (path.startsWith(base, Qt::CaseInsensitive)) {
        const QStringView rest = QStringView(path).sliced(base.size());
        for (frame::Program program :
             {frame::Program::Zephlon, frame::Program::Quadrelle, frame::Program::Vantorel}) {
            if (rest.compare(u'/' + ProgramFolder(program) + QStringLiteral("/UploadReplay.asp"),
                             Qt::CaseInsensitive) != 0)
                continue;
            exchange->routeName = "replay";
            if (!post) {
                respond(*exchange, {405, kHtml,
                                    ErrorPage(QStringLiteral("Method Not Allowed"),
                                              QStringLiteral("Replays are sent with POST."), base),
                                    "Allow: POST\r\n"});
                return;
            }
            replayUpload(exchange, program, query);
            return;
        }
        if (post) {
            respond(*exchange,
                    {405, kHtml,
                     ErrorPage(QStringLiteral("Method Not Allowed"),
                               QStringLiteral("Only replays are sent with POST, to UploadReplay.asp."), base),
                     "Allow: GET, HEAD\r\n"});
            return;
        }
        if (rest.startsWith(u"/replays/", Qt::CaseInsensitive)) {
            exchange->routeName = "replay-download";
            replayDownload(exchange, rest.sliced(9).toString());
            return;
        }
        if (rest.isEmpty() || rest == u"/") {
            exchange->routeName = "index";
            respond(*exchange, {200, kHtml, IndexPage(base), {}});
            return;
        }
        if (rest.compare(u"/health", Qt::CaseInsensitive) == 0) {
            exchange->routeName = "health";
            health(exchange);
            return;
        }
        if (rest.compare(u"/metrics", Qt::CaseInsensitive) == 0) {
            exchange->routeName = "metrics";
            // Counters are for the operator: this machine, or the addresses without limits.
            if (!exchange->client.isLoopback() && !InSubnets(exchange->client, context_.options.noLimitFor)) {
                respond(*exchange, {403,
                                    kHtml,
                                    ErrorPage(QStringLiteral("Forbidden"),
                                              QStringLiteral("The counters are shown to the server's own "
                                                             "machine only."),
                                              base),
                                    {}});
                return;
            }
            respond(*exchange,
                    {200, "text/plain; version=0.0.4; charset=utf-8",
                     context_.metrics.Text(context_.OpenConnections(), context_.databaseJobs.load()),
                     "Cache-Control: no-store\r\n"});
            return;
        }
        for (frame::Program program :
             {frame::Program::Zephlon, frame::Program::Quadrelle, frame::Program::Vantorel}) {
            const QString folder = u'/' + ProgramFolder(program) + u'/';
            if (!rest.startsWith(folder, Qt::CaseInsensitive)) continue;
            const QStringView page = rest.sliced(folder.size());
            if (page.compare(u"UploadScores.asp", Qt::CaseInsensitive) == 0) {
                exchange->routeName = "upload";
                upload(exchange, program, query);
                return;
            }
            if (page.compare(u"scores.asp", Qt::CaseInsensitive) == 0) {
                exchange->routeName = "list";
                list(exchange, program, query);
                return;
            }
        }
    }
    respond(*exchange, {404,
                        kHtml,
                        ErrorPage(QStringLiteral("Not Found"),
                                  QStringLiteral("Unknown page: %1").arg(path.left(200)), base),
                        {}});
}

void ScoreServer::health(const std::shared_ptr<Exchange>& exchange) {
    const QByteArray text = "text/plain; charset=utf-8";
    const QByteArray headers = "Cache-Control: no-store\r\n";
    auto error = std::make_shared<QString>();
    auto ok = std::make_shared<bool>(false);
    const bool asked = ask(
        exchange, [error, ok](ScoreStore& store) { *ok = store.Ping(error.get()); },
        [this, exchange, error, ok, text, headers] {
            databaseDown_ = !*ok;
            if (!*ok) {
                context_.metrics.DatabaseError();
                context_.Log(QStringLiteral("health check: database failure: %1").arg(*error));
            }
            respond(*exchange, *ok ? Response{200, text, "ok\n", headers}
                                   : Response{503, text, "database: " + error->toUtf8() + '\n', headers});
        },
        [this, exchange, text, headers] {
            context_.Log(QStringLiteral("health check: the database did not answer within %1 ms")
                             .arg(context_.limits.databaseTimeoutMs));
            respond(*exchange, {503, text, "database: no answer\n", headers});
        });
    if (!asked) respond(*exchange, {503, text, "database: no answer\n", headers});
}

void ScoreServer::upload(const std::shared_ptr<Exchange>& exchange, frame::Program program,
                         QByteArrayView query) {
    const ServerOptions& o = context_.options;
    const QDateTime now = context_.clock();
    const QString from = exchange->client.toString();
    if (exchange->head) {
        // A link checker or a preview asks for the head: nothing is stored for it.
        respond(*exchange,
                {405, kHtml,
                 ErrorPage(QStringLiteral("Method Not Allowed"),
                           QStringLiteral("Uploads are sent with GET; nothing was stored."), o.basePath),
                 "Allow: GET\r\nCache-Control: no-store\r\n"});
        return;
    }
    const QString key = ClientKey(exchange->client);
    const bool unlimited = InSubnets(exchange->client, o.noLimitFor);
    const auto limited = [this, exchange, from](const QString& why, qint64 retryAfter) {
        context_.metrics.Upload("limited");
        context_.Log(
            QStringLiteral("upload from %1: limited: %2, retry in %3 s").arg(from, why).arg(retryAfter));
        respond(*exchange,
                {429, kHtml,
                 ErrorPage(
                     QStringLiteral("Too Many Requests"),
                     QStringLiteral("Too many uploads from %1: nothing was stored. Try again in %2 seconds.")
                         .arg(why)
                         .arg(retryAfter),
                     context_.options.basePath),
                 "Retry-After: " + QByteArray::number(retryAfter) + "\r\nCache-Control: no-store\r\n"});
    };
    // With PostgreSQL the buckets are in the database, shared with every server on it; otherwise here.
    const bool shared = context_.sharedLimits;
    const qint64 nowMs = now.toMSecsSinceEpoch();
    qint64 retryAfter = 0;
    if (!unlimited && !shared && !context_.limiter.Allow(key, nowMs, &retryAfter)) {
        limited(QStringLiteral("your address"), retryAfter);
        return;
    }
    auto upload = std::make_shared<Upload>(DecodeUpload(program, ParseQuery(query), now));
    // Each name has a bucket of its own beside its address's: many players share an address, and a
    // name cannot be flooded from many.
    struct Bucket {
        QString key;
        int perMinute;
        QString why;
    };
    QList<Bucket> buckets;
    if (upload->error.isEmpty() && !unlimited) {
        QSet<QString> names;
        if (shared)
            buckets << Bucket{QStringLiteral("a|") + key, o.uploadLimit, QStringLiteral("your address")};
        for (const UploadEntry& e : upload->entries) {
            if (e.outcome != Outcome::Pending || names.contains(e.record.Name)) continue;
            names.insert(e.record.Name);
            buckets << Bucket{QStringLiteral("n|") + ListId(upload->list) + u'|' + e.record.Name,
                              o.nameUploadLimit, QStringLiteral("the name %1").arg(e.record.Name)};
        }
        if (!shared) {
            for (const Bucket& b : buckets) {
                if (!context_.nameLimiter.Allow(b.key, nowMs, &retryAfter)) {
                    limited(b.why, retryAfter);
                    return;
                }
            }
            buckets.clear();
        }
    }
    const QString listId = ListId(upload->list);
    // One line per upload: where from, which list, and what became of each record.
    const auto logUpload = [this, from, listId](const Upload& u) {
        if (!u.error.isEmpty()) {
            context_.metrics.Upload("refused");
            context_.Log(QStringLiteral("upload from %1 to %2: refused: %3").arg(from, listId, u.error));
            return;
        }
        QStringList parts;
        for (const UploadEntry& e : u.entries) {
            const QString record = QStringLiteral("record %1").arg(e.number);
            const QString what =
                e.outcome == Outcome::Refused
                    ? QString()
                    : QStringLiteral(" %1 %2").arg(Quoted(e.record.Name)).arg(e.record.Score);
            const QString rank = e.rank == kBelowRankDepth ? QStringLiteral("below rank %1").arg(kRankDepth)
                                                           : QStringLiteral("at rank %1").arg(e.rank);
            switch (e.outcome) {
                case Outcome::Stored:
                    context_.metrics.Upload("stored");
                    parts << record + what + QStringLiteral(" stored ") + rank;
                    break;
                case Outcome::AlreadyThere:
                    context_.metrics.Upload("duplicate");
                    parts << record + what + QStringLiteral(" duplicate, ") + rank;
                    break;
                case Outcome::Skipped:
                    context_.metrics.Upload("skipped");
                    parts << record + what + QStringLiteral(" skipped: ") + e.reason;
                    break;
                case Outcome::Pending:
                case Outcome::Refused:
                    context_.metrics.Upload("refused");
                    parts << record + what + QStringLiteral(" refused: ") + e.reason;
                    break;
            }
        }
        context_.Log(
            QStringLiteral("upload from %1 to %2: %3").arg(from, listId, parts.join(QStringLiteral("; "))));
    };
    const auto finish = [this, exchange, upload, logUpload] {
        logUpload(*upload);
        bool anyRead = false;
        for (const UploadEntry& e : upload->entries)
            anyRead = anyRead || e.outcome != Outcome::Refused;
        const int status = upload->error.isEmpty() && anyRead ? 200 : 400;
        respond(*exchange, {status, kHtml, UploadPage(*upload, context_.options.basePath),
                            "Cache-Control: no-store\r\n"});
    };
    if (!upload->error.isEmpty() || !upload->AnyAccepted()) {
        finish();
        return;
    }
    const auto notStored = [this, exchange, from, listId](const QString& why) {
        context_.metrics.Upload("unavailable");
        context_.Log(QStringLiteral("upload from %1 to %2: not stored: %3").arg(from, listId, why));
        respond(*exchange, unavailable(QStringLiteral("The score server cannot store records right now: %1. "
                                                      "Please upload again later.")
                                           .arg(why)));
    };
    auto error = std::make_shared<QString>();
    auto ok = std::make_shared<bool>(false);
    auto limitedBy = std::make_shared<QString>();
    auto wait = std::make_shared<qint64>(0);
    const qint64 uploaded = now.toSecsSinceEpoch();
    const bool asked = ask(
        exchange,
        [upload, entries = upload->entries, error, ok, uploaded, key, buckets, nowMs, limitedBy,
         wait](ScoreStore& store) {
            // From the start each time: a shared transaction that failed runs this again alone.
            upload->entries = entries;
            *ok = false;
            error->clear();
            limitedBy->clear();
            *wait = 0;
            for (const Bucket& b : buckets) {
                bool allowed = false;
                if (!store.Take(b.key, b.perMinute, nowMs, &allowed, wait.get(), error.get())) return;
                if (!allowed) {
                    *limitedBy = b.why;
                    *ok = true;
                    return;
                }
            }
            *ok = store.Save(*upload, uploaded, key, error.get());
        },
        [this, exchange, upload, error, ok, finish, notStored, limitedBy, wait, limited] {
            databaseDown_ = !*ok;
            if (exchange->answered) return;
            if (!*ok) {
                context_.metrics.DatabaseError();
                notStored(QStringLiteral("database failure: ") + *error);
                return;
            }
            if (!limitedBy->isEmpty()) {
                limited(*limitedBy, *wait);
                return;
            }
            for (const UploadEntry& e : upload->entries) {
                if (e.outcome == Outcome::Stored) {
                    ++context_.generation;
                    break;
                }
            }
            finish();
        },
        [this, notStored] {
            notStored(QStringLiteral("the database did not answer within %1 ms")
                          .arg(context_.limits.databaseTimeoutMs));
        },
        JobKind::BatchableWrite);
    if (!asked) notStored(QStringLiteral("the database is not answering"));
}

void ScoreServer::rememberHot(const Exchange& exchange, const QByteArray& type, const QByteArray& body,
                              const QByteArray& headers, quint64 generation, qint64 madeMs) {
    if (hot_.size() > 256) hot_.clear();
    hot_.insert(exchange.target + (exchange.acceptsJsonOnly ? "\nj" : "\nh"),
                HotPage{type, body, headers, generation, madeMs, context_.clock().date()});
}

const ScoreServer::HotPage* ScoreServer::FreshHotPage(const QByteArray& target, bool acceptsJsonOnly) const {
    const auto page = hot_.constFind(target + (acceptsJsonOnly ? "\nj" : "\nh"));
    if (page == hot_.constEnd() || page->generation != context_.generation.load() ||
        MonotonicMs() - page->madeMs >= 1000 || page->day != context_.clock().date())
        return nullptr;
    return &*page;
}

void ScoreServer::list(const std::shared_ptr<Exchange>& exchange, frame::Program program,
                       QByteArrayView query) {
    const Query parsed = ParseQuery(query);
    ListRequest request = DecodeListRequest(program, parsed, context_.clock());
    if (!parsed.Has(QStringLiteral("format")) && exchange->acceptsJsonOnly) request.json = true;
    if (context_.options.verifiedOnly) request.verifiedOnly = request.verifiedForced = true;
    const QByteArray type = request.json ? kJson : kHtml;
    const QByteArray headers = "Cache-Control: no-cache\r\nVary: Accept\r\n";
    if (!request.error.isEmpty()) {
        if (request.json)
            respond(*exchange, {400, type,
                                QJsonDocument(QJsonObject{{QStringLiteral("error"), request.error}})
                                    .toJson(QJsonDocument::Compact),
                                headers});
        else
            respond(*exchange,
                    {400, type,
                     ErrorPage(QStringLiteral("Bad Request"), request.error, context_.options.basePath),
                     headers});
        return;
    }
    const QString key = ListId(request.list) + u'|' + QString::number(request.since) + u'|' +
                        QString::number(request.count) + (request.json ? u'j' : u'h') +
                        (request.verifiedOnly ? u'v' : u'a');
    const quint64 generation = context_.generation.load();
    const qint64 nowMs = MonotonicMs();
    // Pages are kept until a record is stored here, and for a second at most, so the uploads of other
    // server processes sharing the database show up at once too.
    auto cached = cache_.constFind(key);
    if (cached != cache_.constEnd() && cached->generation == generation && nowMs - cached->madeMs < 1000) {
        rememberHot(*exchange, type, cached->body, headers, cached->generation, cached->madeMs);
        respond(*exchange, {200, type, cached->body, headers});
        return;
    }
    // While the database cannot answer, the page last made is served as it was.
    const auto fallback = [this, key, type, headers](Exchange& e, const QString& why) {
        const auto old = cache_.constFind(key);
        if (old != cache_.constEnd()) {
            respond(e, {200, type, old->body, headers + "Warning: 110 - \"Response is Stale\"\r\n"});
            return;
        }
        respond(e, unavailable(QStringLiteral("The score server cannot read its lists right now (%1). Please "
                                              "try again later.")
                                   .arg(why)));
    };
    // While the page is being read again, the one made less than a second ago is as good as the other
    // servers' pages are: uploads beside a crowd of readers don't hold the readers up.
    if (reading_.contains(key) && cached != cache_.constEnd() && nowMs - cached->madeMs < 1000) {
        respond(*exchange, {200, type, cached->body, headers});
        return;
    }
    // A crowd asking for the same page waits for one reading of it.
    QList<std::shared_ptr<Exchange>>& waiting = reading_[key];
    waiting << exchange;
    if (waiting.size() > 1) {
        if (reader_ ? readerDown_ : databaseDown_) {
            waiting.removeLast();
            fallback(*exchange, QStringLiteral("the database does not answer"));
            return;
        }
        QTimer::singleShot(context_.limits.databaseTimeoutMs, this, [exchange, fallback] {
            if (!exchange->answered) fallback(*exchange, QStringLiteral("the database does not answer"));
        });
        return;
    }
    auto rows = std::make_shared<QList<ListRow>>();
    auto error = std::make_shared<QString>();
    auto ok = std::make_shared<bool>(false);
    const bool asked = ask(
        exchange,
        [request, rows, error, ok](ScoreStore& store) {
            *ok = store.Top(request.list, request.period, request.since, request.count, rows.get(),
                            error.get(), request.verifiedOnly);
        },
        [this, request, rows, error, ok, key, type, headers, generation, fallback] {
            (reader_ ? readerDown_ : databaseDown_) = !*ok;
            const QList<std::shared_ptr<Exchange>> all = reading_.take(key);
            if (!*ok) {
                context_.metrics.DatabaseError();
                context_.Log(QStringLiteral("reading the list %1: database failure: %2")
                                 .arg(ListId(request.list), *error));
                for (const auto& e : all)
                    fallback(*e, QStringLiteral("database failure"));
                return;
            }
            const QByteArray body = request.json ? ListPageJson(request, *rows, context_.options.basePath)
                                                 : ListPageHtml(request, *rows, context_.options.basePath);
            if (cache_.size() > 64) cache_.clear();
            const qint64 madeMs = MonotonicMs();
            cache_.insert(key, CachedPage{body, generation, madeMs});
            for (const auto& e : all) {
                rememberHot(*e, type, body, headers, generation, madeMs);
                respond(*e, {200, type, body, headers});
            }
        },
        [this, fallback, request, key] {
            context_.Log(QStringLiteral("reading the list %1: the database did not answer within %2 ms")
                             .arg(ListId(request.list))
                             .arg(context_.limits.databaseTimeoutMs));
            for (const auto& e : reading_.value(key))
                fallback(*e, QStringLiteral("the database does not answer"));
        },
        JobKind::Read);
    if (!asked) {
        for (const auto& e : reading_.take(key))
            fallback(*e, QStringLiteral("the database does not answer"));
    }
}

void ScoreServer::replayUpload(const std::shared_ptr<Exchange>& exchange, frame::Program program,
                               QByteArrayView query) {
    const ServerOptions& o = context_.options;
    const QDateTime now = context_.clock();
    const QString from = exchange->client.toString();
    const QByteArray text = "text/plain; charset=utf-8";
    const QByteArray headers = "Cache-Control: no-store\r\n";
    auto upload = std::make_shared<Upload>(DecodeUpload(program, ParseQuery(query), now));
    const QString listId = ListId(upload->list);
    // Every refusal says why, in the log and in the answer, and stores nothing.
    const auto refuse = [this, exchange, from, listId, text, headers](int status, const QString& why) {
        context_.metrics.Upload("replay-refused");
        context_.Log(QStringLiteral("replay from %1 to %2: refused: %3").arg(from, listId, why));
        respond(*exchange, {status, text, "refused: " + why.toUtf8() + "; nothing was stored\n", headers});
    };
    const QString key = ClientKey(exchange->client);
    qint64 retryAfter = 0;
    if (!InSubnets(exchange->client, o.noLimitFor) &&
        !context_.replayLimiter.Allow(key, now.toMSecsSinceEpoch(), &retryAfter)) {
        context_.metrics.Upload("limited");
        context_.Log(QStringLiteral("replay from %1: limited, retry in %2 s").arg(from).arg(retryAfter));
        respond(*exchange,
                {429, text,
                 QStringLiteral("Too many replays from your address: nothing was stored. Try again "
                                "in %1 seconds.\n")
                     .arg(retryAfter)
                     .toUtf8(),
                 "Retry-After: " + QByteArray::number(retryAfter) + "\r\n" + headers});
        return;
    }
    if (!upload->error.isEmpty()) {
        refuse(400, QStringLiteral("the record cannot be read: ") + upload->error);
        return;
    }
    if (upload->entries.size() != 1) {
        refuse(400, QStringLiteral("a replay comes with the link of its one record (US=1)"));
        return;
    }
    const UploadEntry& entry = upload->entries.first();
    if (entry.outcome != Outcome::Pending) {
        refuse(400, QStringLiteral("the record cannot be stored: ") + entry.reason);
        return;
    }
    if (exchange->body.isEmpty()) {
        refuse(400, QStringLiteral("the replay is missing"));
        return;
    }
    // The verdict comes back to this thread; the bytes and the record go along by value.
    QPointer<ScoreServer> self(this);
    const QByteArray bytes = exchange->body;
    const auto verify = context_.verify;
    const ScoreList list = upload->list;
    const UploadEntry claimed = entry;
    const bool queued =
        context_.replays->Submit([self, exchange, bytes, verify, list, claimed, upload, refuse] {
            auto verdict = std::make_shared<Verdict>(verify(bytes, list, claimed));
            QMetaObject::invokeMethod(
                self.data(),
                [self, exchange, verdict, upload, refuse, bytes] {
                    if (!self || exchange->answered) return;
                    if (!verdict->verified) {
                        refuse(422, verdict->reason);
                        return;
                    }
                    self->storeVerified(exchange, upload, ReplayId(bytes));
                },
                Qt::QueuedConnection);
        });
    if (!queued) {
        context_.metrics.Upload("replay-busy");
        context_.Log(QStringLiteral("replay from %1 to %2: not verified: %3 replays are waiting")
                         .arg(from, listId)
                         .arg(context_.replays->Busy()));
        respond(*exchange,
                {503, text, "The score server is verifying many replays now: please send it again later.\n",
                 "Retry-After: 10\r\n" + headers});
    }
}

void ScoreServer::storeVerified(const std::shared_ptr<Exchange>& exchange,
                                const std::shared_ptr<Upload>& upload, const QString& id) {
    const QString from = exchange->client.toString();
    const QString listId = ListId(upload->list);
    const QByteArray text = "text/plain; charset=utf-8";
    const QByteArray headers = "Cache-Control: no-store\r\n";
    auto replay = std::make_shared<StoredReplay>(StoredReplay{id, exchange->body});
    auto error = std::make_shared<QString>();
    auto ok = std::make_shared<bool>(false);
    const qint64 uploaded = context_.clock().toSecsSinceEpoch();
    const QString key = ClientKey(exchange->client);
    const auto notStored = [this, exchange, from, listId](const QString& why) {
        context_.metrics.Upload("unavailable");
        context_.Log(QStringLiteral("replay from %1 to %2: verified, not stored: %3").arg(from, listId, why));
        respond(*exchange, unavailable(QStringLiteral("The score server cannot store records right now: %1. "
                                                      "Please upload again later.")
                                           .arg(why)));
    };
    const bool asked = ask(
        exchange,
        [upload, replay, error, ok, uploaded, key](ScoreStore& store) {
            *ok = store.Save(*upload, uploaded, key, error.get(), replay.get());
        },
        [this, exchange, upload, error, ok, notStored, from, listId, text, headers, id] {
            databaseDown_ = !*ok;
            if (exchange->answered) return;
            if (!*ok) {
                context_.metrics.DatabaseError();
                notStored(QStringLiteral("database failure: ") + *error);
                return;
            }
            const UploadEntry& e = upload->entries.first();
            const QString record =
                QStringLiteral("record %1 %2").arg(Quoted(e.record.Name)).arg(e.record.Score);
            if (e.outcome == Outcome::Refused) {
                context_.metrics.Upload("replay-refused");
                context_.Log(QStringLiteral("replay from %1 to %2: %3 refused: %4")
                                 .arg(from, listId, record, e.reason));
                respond(*exchange,
                        {403, text, "refused: " + e.reason.toUtf8() + "; nothing was stored\n", headers});
                return;
            }
            // A new record shows at once, as a link's does. A mark on a record already listed leaves the
            // cached pages as they are: it shows once they are a second old, as other servers' uploads do,
            // so a stream of verifications never makes readers wait for the database.
            if (e.outcome == Outcome::Stored) ++context_.generation;
            context_.metrics.Upload("replay-verified");
            const QString rank = e.rank == kBelowRankDepth ? QStringLiteral("below rank %1").arg(kRankDepth)
                                                           : QStringLiteral("at rank %1").arg(e.rank);
            const QString what = (e.outcome == Outcome::Stored ? QStringLiteral("stored ")
                                                               : QStringLiteral("already stored, ")) +
                                 rank;
            context_.Log(
                QStringLiteral("replay from %1 to %2: verified, %3 %4").arg(from, listId, record, what));
            respond(*exchange, {200, text,
                                QStringLiteral("verified: %1 %2 of the %3 list; replay %4\n")
                                    .arg(record, what, ListTitle(upload->list),
                                         ReplayPath(id, context_.options.basePath))
                                    .toUtf8(),
                                headers});
        },
        [this, notStored] {
            notStored(QStringLiteral("the database did not answer within %1 ms")
                          .arg(context_.limits.databaseTimeoutMs));
        });
    if (!asked) notStored(QStringLiteral("the database is not answering"));
}

void ScoreServer::replayDownload(const std::shared_ptr<Exchange>& exchange, const QString& id) {
    const QString& base = context_.options.basePath;
    const auto missing = [this, exchange, base, id] {
        respond(*exchange, {404,
                            kHtml,
                            ErrorPage(QStringLiteral("Not Found"),
                                      QStringLiteral("No replay is stored as %1.").arg(id.left(64)), base),
                            {}});
    };
    if (!IsReplayId(id)) {
        missing();
        return;
    }
    auto data = std::make_shared<QByteArray>();
    auto found = std::make_shared<bool>(false);
    auto error = std::make_shared<QString>();
    auto ok = std::make_shared<bool>(false);
    const bool asked = ask(
        exchange,
        [id, data, found, error, ok](ScoreStore& store) {
            *ok = store.Replay(id, data.get(), found.get(), error.get());
        },
        [this, exchange, data, found, error, ok, missing, id] {
            readerDown_ = reader_ ? !*ok : readerDown_;
            if (!reader_) databaseDown_ = !*ok;
            if (!*ok) {
                context_.metrics.DatabaseError();
                context_.Log(QStringLiteral("reading the replay %1: database failure: %2").arg(id, *error));
                respond(*exchange,
                        unavailable(QStringLiteral(
                            "The score server cannot read its replays right now. Please try again later.")));
                return;
            }
            if (!*found) {
                missing();
                return;
            }
            // An id names the bytes it was made from: the answer never changes.
            respond(*exchange,
                    {200, "application/octet-stream", *data,
                     "Cache-Control: public, max-age=31536000, immutable\r\nContent-Disposition: attachment; "
                     "filename=\"" +
                         id.toLatin1() + "." + kReplaySuffix + "\"\r\n"});
        },
        [this, exchange] {
            respond(*exchange,
                    unavailable(QStringLiteral(
                        "The score server cannot read its replays right now. Please try again later.")));
        },
        JobKind::Read);
    if (!asked)
        respond(*exchange,
                unavailable(QStringLiteral(
                    "The score server cannot read its replays right now. Please try again later.")));
}

}  // namespace scoreserver

#include "server.moc"
