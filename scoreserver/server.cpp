// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <cerrno>
#include <cstring>

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
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 408:
            return "Request Timeout";
        case 413:
            return "Payload Too Large";
        case 414:
            return "URI Too Long";
        case 429:
            return "Too Many Requests";
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

// Pages carry no script and load nothing from elsewhere.
const QByteArray kCommonHeaders = QByteArrayLiteral(
    "X-Content-Type-Options: nosniff\r\n"
    "Content-Security-Policy: default-src 'none'; style-src 'unsafe-inline'; base-uri 'none'; form-action "
    "'none'\r\n"
    "Referrer-Policy: no-referrer\r\n"
    "Server: quillbyte-scoreserver\r\n");

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

bool ServerContext::AddConnection(const QString& key, bool unlimited) {
    QMutexLocker lock(&connectionsMutex_);
    int& total = connections_[QString()];
    if (total >= limits.maxConnections * options.threads) return false;
    int& mine = connections_[key];
    if (!unlimited && mine >= limits.maxConnectionsPerClient) return false;
    ++mine;
    ++total;
    return true;
}

void ServerContext::RemoveConnection(const QString& key) {
    QMutexLocker lock(&connectionsMutex_);
    if (--connections_[key] <= 0) connections_.remove(key);
    --connections_[QString()];
}

// Reads every request head before Qt's HTTP server does (its readyRead slot is connected first and
// only peeks), refuses what breaks a limit, and keeps what the routes need: the request target as
// it was sent (escapes untouched), and the headers the server reads.
class ConnectionGuard : public QObject {
    Q_OBJECT
  public:
    ConnectionGuard(ServerContext& context, QTcpSocket* socket, QString key)
        : QObject(socket), context_(context), socket_(socket), key_(std::move(key)) {
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, &ConnectionGuard::timedOut);
        connect(socket, &QTcpSocket::readyRead, this, &ConnectionGuard::readyRead);
        timer_.start(context_.limits.headTimeoutMs);
    }
    ~ConnectionGuard() override { context_.RemoveConnection(key_); }

    bool HasRequest() const { return complete_ && !refused_; }
    const QByteArray& Target() const { return target_; }
    bool IsHead() const { return head_method_; }
    bool WantsClose() const { return close_; }
    const QByteArray& ForwardedFor() const { return forwardedFor_; }
    bool AcceptsJsonOnly() const { return acceptJson_; }

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
    void Refuse(int status, const QString& reason) {
        if (closing_) return;
        refused_ = true;
        const QByteArray body =
            ErrorPage(QString::fromLatin1(StatusText(status)), reason, context_.options.basePath);
        socket_->readAll();
        socket_->write(ResponseBytes(status, kHtml, body, true, true, {}));
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
        if (head_.isEmpty()) {
            // Blank lines before a request are allowed (and skipped by Qt's parser too).
            while (i < chunk.size() && (chunk[i] == '\r' || chunk[i] == '\n'))
                ++i;
            if (i == chunk.size()) return;
            timer_.start(context_.limits.headTimeoutMs);
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
        if (!refused_ && i + 1 < chunk.size()) Refuse(400, QStringLiteral("Send one request at a time."));
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
        if (parts[0] != "GET" && parts[0] != "HEAD") {
            Refuse(405, QStringLiteral("Only GET requests are served."));
            return;
        }
        head_method_ = parts[0] == "HEAD";
        target_ = parts[1];
        bool keepAlive = parts[2] != "HTTP/1.0";
        acceptJson_ = false;
        for (qsizetype k = 1; k < lines.size(); ++k) {
            const QByteArray line = lines[k].trimmed();
            if (line.isEmpty()) continue;
            if (HeaderIs(line, "content-length")) {
                if (HeaderValue(line, 14) != "0") {
                    Refuse(413, QStringLiteral("Requests carry no body here."));
                    return;
                }
            } else if (HeaderIs(line, "transfer-encoding")) {
                Refuse(413, QStringLiteral("Requests carry no body here."));
                return;
            } else if (HeaderIs(line, "upgrade")) {
                Refuse(400, QStringLiteral("No protocol upgrade is offered."));
                return;
            } else if (HeaderIs(line, "connection")) {
                const QByteArray v = HeaderValue(line, 10).toLower();
                if (v.contains("close")) keepAlive = false;
                if (v.contains("keep-alive")) keepAlive = true;
            } else if (HeaderIs(line, "x-forwarded-for")) {
                if (!forwardedFor_.isEmpty()) forwardedFor_ += ',';
                forwardedFor_ += HeaderValue(line, 15);
            } else if (HeaderIs(line, "accept")) {
                const QByteArray v = HeaderValue(line, 6).toLower();
                acceptJson_ = v.contains("application/json") && !v.contains("text/html");
            }
        }
        close_ = !keepAlive;
    }

    ServerContext& context_;
    QTcpSocket* socket_;
    QString key_;
    QTimer timer_;
    QByteArray head_;
    QByteArray target_;
    QByteArray forwardedFor_;
    bool complete_ = false;
    bool refused_ = false;
    bool closing_ = false;
    bool close_ = false;
    bool head_method_ = false;
    bool acceptJson_ = false;
};

namespace {

// Hands Qt's HTTP server only connections within the limits, each with its guard attached first.
class GuardedTcpServer : public QTcpServer {
  public:
    GuardedTcpServer(ServerContext& context, QObject* parent) : QTcpServer(parent), context_(context) {}

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
            socket->write(
                ResponseBytes(503, kHtml,
                              ErrorPage(QStringLiteral("Service Unavailable"),
                                        QStringLiteral("Too many open connections; try again shortly."),
                                        context_.options.basePath),
                              true, true, "Retry-After: 5\r\n"));
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(2000, socket, [socket] {
                socket->abort();
                socket->deleteLater();
            });
            return;
        }
        new ConnectionGuard(context_, socket, key);
        addPendingConnection(socket);
    }

  private:
    ServerContext& context_;
};

}  // namespace

struct ScoreServer::Response {
    int status = 200;
    QByteArray contentType = kHtml;
    QByteArray body;
    QByteArray extraHeaders;
};

ScoreServer::ScoreServer(ServerContext& context, std::unique_ptr<ScoreStore> store, QObject* parent)
    : QAbstractHttpServer(parent), context_(context), store_(std::move(store)) {}

ScoreServer::~ScoreServer() = default;

bool ScoreServer::Listen(const QHostAddress& address, quint16 port, bool reusePort, QString* error) {
    tcp_ = new GuardedTcpServer(context_, this);
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
            ::bind(fd, reinterpret_cast<sockaddr*>(&storage), length) != 0 || ::listen(fd, SOMAXCONN) != 0) {
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
    const Response r = route(guard->Target(), *guard, request.remoteAddress());
    socket->write(ResponseBytes(r.status, r.contentType, r.body, !guard->IsHead(), guard->WantsClose(),
                                r.extraHeaders));
    guard->Finished();
    return true;
}

void ScoreServer::missingHandler(const QHttpServerRequest&, QTcpSocket* socket) {
    // Every request is answered by handleRequest; this is for completeness.
    if (auto* guard = socket->findChild<ConnectionGuard*>(QString(), Qt::FindDirectChildrenOnly))
        guard->Refuse(404, QStringLiteral("Unknown page."));
}

ScoreServer::Response ScoreServer::route(const QByteArray& target, const ConnectionGuard& guard,
                                         const QHostAddress& peer) {
    const qsizetype mark = target.indexOf('?');
    const QByteArrayView rawPath = mark < 0 ? QByteArrayView(target) : QByteArrayView(target).first(mark);
    const QByteArrayView query = mark < 0 ? QByteArrayView() : QByteArrayView(target).sliced(mark + 1);
    const QString path = QUrl::fromPercentEncoding(rawPath.toByteArray());
    const QString& base = context_.options.basePath;
    if (path.startsWith(base, Qt::CaseInsensitive)) {
        const QStringView rest = QStringView(path).sliced(base.size());
        if (rest.isEmpty() || rest == u"/") return {200, kHtml, IndexPage(base), {}};
        for (frame::Program program :
             {frame::Program::Zephlon, frame::Program::Quadrelle, frame::Program::Vantorel}) {
            const QString folder = u'/' + ProgramFolder(program) + u'/';
            if (!rest.startsWith(folder, Qt::CaseInsensitive)) continue;
            const QStringView page = rest.sliced(folder.size());
            if (page.compare(u"UploadScores.asp", Qt::CaseInsensitive) == 0)
                return upload(program, query, guard, peer);
            if (page.compare(u"scores.asp", Qt::CaseInsensitive) == 0) return list(program, query, guard);
        }
    }
    return {
        404,
        kHtml,
        ErrorPage(QStringLiteral("Not Found"), QStringLiteral("Unknown page: %1").arg(path.left(200)), base),
        {}};
}

ScoreServer::Response ScoreServer::upload(frame::Program program, QByteArrayView query,
                                          const ConnectionGuard& guard, const QHostAddress& peer) {
    const ServerOptions& o = context_.options;
    const QDateTime now = context_.clock();
    const QHostAddress client = ClientAddress(peer, guard.ForwardedFor(), o.trustedProxies);
    qint64 retryAfter = 0;
    if (!InSubnets(client, o.noLimitFor) &&
        !context_.limiter.Allow(ClientKey(client), now.toMSecsSinceEpoch(), &retryAfter)) {
        return {429, kHtml,
                ErrorPage(
                    QStringLiteral("Too Many Requests"),
                    QStringLiteral("Too many uploads from your address: nothing was stored. Try again in %1 "
                                   "seconds.")
                        .arg(retryAfter),
                    o.basePath),
                "Retry-After: " + QByteArray::number(retryAfter) + "\r\nCache-Control: no-store\r\n"};
    }
    Upload upload = DecodeUpload(program, ParseQuery(query), now);
    if (upload.error.isEmpty()) {
        QString error;
        if (!store_->Save(upload, now.toSecsSinceEpoch(), &error)) {
            qWarning("quillbyte-scoreserver: storing an upload failed: %s", qPrintable(error));
            return {503, kHtml,
                    ErrorPage(
                        QStringLiteral("Service Unavailable"),
                        QStringLiteral("The score server cannot store records right now: nothing was stored. "
                                       "Please try again later."),
                        o.basePath),
                    "Retry-After: 60\r\nCache-Control: no-store\r\n"};
        }
        for (const UploadEntry& e : upload.entries) {
            if (e.outcome == Outcome::Stored) {
                ++context_.generation;
                break;
            }
        }
    }
    bool anyRead = false;
    for (const UploadEntry& e : upload.entries)
        anyRead = anyRead || e.outcome != Outcome::Refused;
    const int status = upload.error.isEmpty() && anyRead ? 200 : 400;
    return {status, kHtml, UploadPage(upload, o.basePath), "Cache-Control: no-store\r\n"};
}

ScoreServer::Response ScoreServer::list(frame::Program program, QByteArrayView query,
                                        const ConnectionGuard& guard) {
    const Query parsed = ParseQuery(query);
    ListRequest request = DecodeListRequest(program, parsed, context_.clock());
    if (!parsed.Has(QStringLiteral("format")) && guard.AcceptsJsonOnly()) request.json = true;
    const QByteArray type = request.json ? kJson : kHtml;
    const QByteArray headers = "Cache-Control: no-cache\r\nVary: Accept\r\n";
    if (!request.error.isEmpty()) {
        if (request.json)
            return {400, type,
                    QJsonDocument(QJsonObject{{QStringLiteral("error"), request.error}})
                        .toJson(QJsonDocument::Compact),
                    headers};
        return {400, type, ErrorPage(QStringLiteral("Bad Request"), request.error, context_.options.basePath),
                headers};
    }
    const QString key = ListId(request.list) + u'|' + QString::number(request.since) + u'|' +
                        QString::number(request.count) + (request.json ? u'j' : u'h');
    const quint64 generation = context_.generation.load();
    const qint64 nowMs = MonotonicMs();
    // Pages are kept until a record is stored here, and for a second at most, so the uploads of other
    // server processes sharing the database show up at once too.
    auto cached = cache_.constFind(key);
    if (cached != cache_.constEnd() && cached->generation == generation && nowMs - cached->madeMs < 1000)
        return {200, type, cached->body, headers};
    QList<ListRow> rows;
    QString error;
    if (!store_->Top(request.list, request.since, request.count, &rows, &error)) {
        qWarning("quillbyte-scoreserver: reading a list failed: %s", qPrintable(error));
        return {503, kHtml,
                ErrorPage(QStringLiteral("Service Unavailable"),
                          QStringLiteral(
                              "The score server cannot read its lists right now. Please try again later."),
                          context_.options.basePath),
                "Retry-After: 60\r\n"};
    }
    const QByteArray body =
        request.json ? ListPageJson(request, rows) : ListPageHtml(request, rows, context_.options.basePath);
    if (cache_.size() > 64) cache_.clear();
    cache_.insert(key, CachedPage{body, generation, nowMs});
    return {200, type, body, headers};
}

}  // namespace scoreserver

#include "server.moc"
