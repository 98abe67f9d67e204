// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <QTextStream>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <memory>

#include "scoreserver/admin.h"
#include "scoreserver/options.h"
#include "scoreserver/server.h"
#include "scoreserver/store.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    // Nothing else is safe in a signal handler; the event loop reads the byte and quits.
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &c, 1);
}

// One serving thread: its own database connection and HTTP server, made and destroyed inside it.
class Worker {
  public:
    Worker(scoreserver::ServerContext& context, int index) : context_(context), index_(index) {}

    // Runs in the thread that serves.
    bool Start(quint16 port, bool reusePort, quint16* boundPort, QString* error) {
        auto database = scoreserver::DatabaseLink::Open(context_.options.database,
                                                        QStringLiteral("scores-%1").arg(index_), error);
        if (!database) return false;
        auto reader = scoreserver::DatabaseLink::Open(context_.options.database,
                                                      QStringLiteral("scores-%1-read").arg(index_), error);
        if (!reader) return false;
        server_ =
            std::make_unique<scoreserver::ScoreServer>(context_, std::move(database), std::move(reader));
        if (!server_->Listen(context_.options.address, port, reusePort, error)) {
            server_.reset();
            return false;
        }
        *boundPort = server_->Port();
        return true;
    }
    void Stop() { server_.reset(); }

  private:
    scoreserver::ServerContext& context_;
    int index_;
    std::unique_ptr<scoreserver::ScoreServer> server_;
};

// Qt's SQL drivers repeat what a lost connection means on every statement it frees; the server's own
// log line names the driver's reason once.
QtMessageHandler qtHandler = nullptr;
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("Unable to free statement")) ||
        message.startsWith(QLatin1String("QSqlQuery::exec: database not open")))
        return;
    qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    qtHandler = qInstallMessageHandler(filterMessages);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillbyte-scoreserver"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ARCADE_VERSION));

    const scoreserver::ParsedOptions parsed =
        scoreserver::ParseOptions(QCoreApplication::arguments(), QProcessEnvironment::systemEnvironment());
    if (!parsed.error.isEmpty()) {
        std::fprintf(stderr, "quillbyte-scoreserver: %s\nTry --help.\n", qPrintable(parsed.error));
        return 2;
    }
    if (parsed.help) {
        std::fputs(qPrintable(parsed.text), stdout);
        return 0;
    }
    if (parsed.version) {
        std::printf("quillbyte-scoreserver %s\n", ARCADE_VERSION);
        return 0;
    }
    if (!parsed.admin.isEmpty()) {
        QTextStream out(stdout), err(stderr);
        return scoreserver::RunAdmin(parsed.admin, parsed.options.database,
                                     QDateTime::currentSecsSinceEpoch(), out, err);
    }

    scoreserver::ServerContext context(parsed.options);
    const int count = parsed.options.threads;
    long descriptors = 0;
    context.limits.descriptorCap = scoreserver::DescriptorCap(count, &descriptors);
    if (context.limits.descriptorCap > 0 &&
        context.limits.descriptorCap < context.limits.maxConnections * count) {
        std::fprintf(stderr,
                     "quillbyte-scoreserver: the descriptor limit of %ld allows %d open connections, not %d; "
                     "raise LimitNOFILE or ulimit -n\n",
                     descriptors, context.limits.descriptorCap, context.limits.maxConnections * count);
    }
    const bool reusePort = count > 1;
    std::vector<std::unique_ptr<Worker>> workers;
    std::vector<std::unique_ptr<QThread>> threads;
    quint16 port = parsed.options.port;
    for (int i = 0; i < count; ++i) {
        auto worker = std::make_unique<Worker>(context, i);
        QString error;
        bool ok = false;
        quint16 bound = 0;
        if (i == 0) {
            ok = worker->Start(port, reusePort, &bound, &error);
        } else {
            auto thread = std::make_unique<QThread>();
            thread->start();
            auto* anchor = new QObject;
            anchor->moveToThread(thread.get());
            QMetaObject::invokeMethod(
                anchor, [&] { ok = worker->Start(port, reusePort, &bound, &error); },
                Qt::BlockingQueuedConnection);
            anchor->deleteLater();
            threads.push_back(std::move(thread));
        }
        if (!ok) {
            std::fprintf(stderr, "quillbyte-scoreserver: %s\n", qPrintable(error));
            return 1;
        }
        port = bound;
        workers.push_back(std::move(worker));
    }

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
        std::signal(SIGTERM, onSignal);
        std::signal(SIGINT, onSignal);
    }
    std::signal(SIGPIPE, SIG_IGN);

    const QString host = parsed.options.address.protocol() == QAbstractSocket::IPv6Protocol
                             ? u'[' + parsed.options.address.toString() + u']'
                             : parsed.options.address.toString();
    std::fprintf(stderr, "quillbyte-scoreserver %s: serving http://%s:%u%s/ (%d %s), database %s\n",
                 ARCADE_VERSION, qPrintable(host), port, qPrintable(parsed.options.basePath), count,
                 count == 1 ? "thread" : "threads", qPrintable(parsed.options.database));
    std::fflush(stderr);

    const int status = app.exec();
    for (size_t i = 1; i < workers.size(); ++i) {
        QThread* thread = threads[i - 1].get();
        auto* anchor = new QObject;
        anchor->moveToThread(thread);
        Worker* worker = workers[i].get();
        QMetaObject::invokeMethod(
            anchor, [worker] { worker->Stop(); }, Qt::BlockingQueuedConnection);
        delete anchor;
        thread->quit();
        thread->wait();
    }
    workers.front()->Stop();
    std::fprintf(stderr, "quillbyte-scoreserver: stopped\n");
    return status;
}
