// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/shutdownrequests.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <climits>
#include <ctime>

#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

namespace frame {

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};
// Requests the event loop may leave untaken before the next signal may end the program outright...
constexpr int kUnansweredLimit = 2;
// ...once the oldest of them has waited this long. A healthy program takes a request up within
// milliseconds, and its close well within this (a save waits at most 2 s for each folder lock);
// signals in quick succession say nothing about a hang.
constexpr int64_t kStuckNs = 5'000'000'000;
constexpr int64_t kNone = INT64_MIN;

int64_t monotonicNs() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);  // async-signal-safe
    return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

std::atomic<int> g_writeFd{-1};
std::atomic<int> g_unanswered{0};
std::atomic<int64_t> g_firstUnansweredNs{kNone};
std::atomic<ShutdownRequests::Clock> g_clock{monotonicNs};
std::atomic<bool> g_taken{false};

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs lock-free atomics");
static_assert(std::atomic<int64_t>::is_always_lock_free, "the signal handler needs lock-free atomics");
static_assert(std::atomic<ShutdownRequests::Clock>::is_always_lock_free,
              "the signal handler needs lock-free atomics");

// Runs inside the signal: only async-signal-safe calls.
void onSignal(int signalNumber) {
    const int savedErrno = errno;
    const int64_t now = g_clock.load()();
    const int before = g_unanswered.fetch_add(1);
    if (before == 0) {
        g_firstUnansweredNs = now;
    } else if (before >= kUnansweredLimit) {
        // A request still untaken after kStuckNs: the event loop is stuck.
        const int64_t first = g_firstUnansweredNs.load();
        if (first != kNone && now - first >= kStuckNs) {
            ::signal(signalNumber, SIG_DFL);
            ::raise(signalNumber);
        }
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
    g_firstUnansweredNs = kNone;
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

void ShutdownRequests::SetClock(Clock clock) {
    g_clock = clock ? clock : monotonicNs;
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
        // The event loop is alive: the requests are answered. The time goes first, so a signal in
        // between finds no stale time for a count that starts over.
        g_firstUnansweredNs = kNone;
        g_unanswered = 0;
        for (ssize_t i = 0; i < n; ++i)
            emit requested(Reason::Signal, buffer[i]);
    }
}

}  // namespace frame
