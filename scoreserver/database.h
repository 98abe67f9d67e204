// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QObject>
#include <QThread>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>

#include "scoreserver/store.h"

namespace scoreserver {

// A database connection in a thread of its own, so a database that is slow or gone never holds a
// serving thread: the serving thread hands it jobs and gets each answer back in its own event loop.
class DatabaseLink {
  public:
    ~DatabaseLink();
    DatabaseLink(const DatabaseLink&) = delete;
    DatabaseLink& operator=(const DatabaseLink&) = delete;

    // Opens the database in the link's thread; null with error set when it cannot be opened.
    static std::unique_ptr<DatabaseLink> Open(const QString& url, const QString& connectionName,
                                              QString* error);

    // Runs job with the store in the database thread, then done in receiver's thread. The receiver
    // outlives the link (the server that owns it), so every answer finds it. Jobs waiting together are
    // run in order; batchable ones that wait together share one transaction (one flush to disk), so a
    // batchable job must set all of its results each time it runs: when the shared transaction fails,
    // each of them runs again alone.
    void Run(std::function<void(ScoreStore&)> job, QObject* receiver, std::function<void()> done,
             bool batchable = false);
    // Runs job in the database thread and waits for it (start-up, tests and the admin command).
    void RunAndWait(const std::function<void(ScoreStore&)>& job);

    // Jobs handed over and not yet answered.
    int Pending() const { return pending_.load(); }

  private:
    struct Job {
        std::function<void(ScoreStore&)> work;
        QObject* receiver = nullptr;
        std::function<void()> done;
        bool batchable = false;
    };
    DatabaseLink() = default;
    // In the database thread: runs what waits, batch by batch.
    void drain();
    void finish(Job& job);

    QMutex mutex_;
    std::deque<Job> queue_;
    bool draining_ = false;  // a drain is scheduled or running
    QThread thread_;
    QObject* anchor_ = nullptr;  // lives in thread_
    std::unique_ptr<ScoreStore> store_;
    std::atomic<int> pending_{0};
};

}  // namespace scoreserver
