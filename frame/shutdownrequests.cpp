// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/shutdownrequests.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>

#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

namespace frame {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};
// Requests the event loop may leave untaken before the next signal ends the program outright.
constexpr int kUnansweredLimit = 2;

std::atomic<int> g_writeFd{-1};
std::atomic<int> g_unanswered{0};
std::atomic<bool> g_taken{false};

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs lock-free atomics");

// Runs inside the signal: only async-signal-safe calls.
void onSignal(int signalNumber) {
    const int savedErrno = errno;
    if (g_unanswered.fetch_add(1) >= kUnansweredLimit) {
        ::signal(signalNumber, SIG_DFL);
        ::raise(signalNumber);
    }
    const int fd = g_writeFd.load();
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(signalNumber);
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

ShutdownRequests::ShutdownRequests(QObject* parent) : QObject(parent) {
    if (g_taken.exchange(true)) return;
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0) {
        g_taken = false;
        return;
    }
    m_writeFd = fds[0];
    m_readFd = fds[1];
    g_unanswered = 0;
    g_writeFd = m_writeFd;
    m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownRequests::Drain);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction previous {};
        if (::sigaction(kSignals[i], nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) continue;
        m_handled[i] = ::sigaction(kSignals[i], &action, &m_previous[i]) == 0;
    }

#if QT_CONFIG(sessionmanager)
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // Qt asks for a direct connection: the session manager waits until the handler returns.
        connect(
            app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { SessionEnding(); },
            Qt::DirectConnection);
    }
#endif
    m_active = true;
}

ShutdownRequests::~ShutdownRequests() {
    if (!m_active) return;
    for (size_t i = 0; i < kSignals.size(); ++i) {
        if (m_handled[i]) ::sigaction(kSignals[i], &m_previous[i], nullptr);
    }
    g_writeFd = -1;
    ::close(m_writeFd);
    ::close(m_readFd);
    g_taken = false;
}

void ShutdownRequests::SessionEnding() {
    emit requested(Reason::SessionEnd, 0);
}

void ShutdownRequests::Drain() {
    unsigned char buffer[64];
    for (;;) {
        const ssize_t n = ::read(m_readFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        // The event loop is alive: the requests are answered.
        g_unanswered = 0;
        for (ssize_t i = 0; i < n; ++i)
            emit requested(Reason::Signal, buffer[i]);
    }
}

}  // namespace frame
