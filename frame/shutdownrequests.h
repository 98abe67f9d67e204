// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <csignal>
#include <cstdint>

class QSocketNotifier;

namespace frame {

// Turns the ways a program is told to end from outside into one Qt signal, delivered on the main
// thread through the event loop: SIGTERM, SIGINT and SIGHUP (a plain kill, Ctrl+C, a closed
// terminal), and the desktop session's commit-data request at logout. The signal handler does
// nothing but write the signal's number to a socket pair, so the close runs as ordinary code.
//
// A signal that was ignored when the watcher was made (a program started with nohup) stays ignored.
// A program whose event loop has left two requests untaken, the first of them for 5 seconds, is
// stuck: a third signal then ends it the default way, so a hung program still goes at logout. Signals
// in quick succession to a program that is well never end it unsaved. One watcher at a time;
// destroying it puts back the handlers it replaced.
class ShutdownRequests : public QObject {
    Q_OBJECT
  public:
    enum class Reason {
        Signal,      // SIGTERM, SIGINT or SIGHUP: end the program; nobody is there to answer questions
        SessionEnd,  // the desktop session is ending (it may still be cancelled): save, ask nothing
    };
    Q_ENUM(Reason)

    explicit ShutdownRequests(QObject* parent = nullptr);
    ~ShutdownRequests() override;

    ShutdownRequests(const ShutdownRequests&) = delete;
    ShutdownRequests& operator=(const ShutdownRequests&) = delete;

    // False when another watcher already holds the signals, or the socket pair could not be made.
    bool IsActive() const { return m_active; }

    // The monotonic clock, in nanoseconds, that tells how long a request has waited; called inside
    // the signal handler, so it must be async-signal-safe. Null puts back CLOCK_MONOTONIC. For tests.
    using Clock = int64_t (*)();
    static void SetClock(Clock clock);

    // The session manager asks the program to commit its data: emits requested(SessionEnd, 0) at
    // once, inside the request, as the session manager waits for it. Connected to
    // QGuiApplication::commitDataRequest when the application is a QGuiApplication.
    void SessionEnding();

  signals:
    // `signalNumber` is the signal for Reason::Signal and 0 for Reason::SessionEnd. A request can
    // come again (a second Ctrl+C, a signal while the close runs): what it starts must be safe to
    // run twice.
    void requested(frame::ShutdownRequests::Reason reason, int signalNumber);

  private:
    void Drain();

    bool m_active = false;
    int m_readFd = -1;
    int m_writeFd = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::array<struct sigaction, 3> m_previous{};
    std::array<bool, 3> m_handled{};
};

}  // namespace frame
