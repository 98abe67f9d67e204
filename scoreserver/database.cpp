// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/database.h"

namespace scoreserver {

std::unique_ptr<DatabaseLink> DatabaseLink::Open(const QString& url, const QString& connectionName,
                                                 QString* error) {
    std::unique_ptr<DatabaseLink> link(new DatabaseLink);
    link->thread_.setObjectName(QStringLiteral("database"));
    link->thread_.start();
    link->anchor_ = new QObject;
    link->anchor_->moveToThread(&link->thread_);
    // A connection belongs to the thread that opened it.
    QMetaObject::invokeMethod(
        link->anchor_, [&] { link->store_ = ScoreStore::Open(url, connectionName, error); },
        Qt::BlockingQueuedConnection);
    if (!link->store_) return nullptr;
    return link;
}

DatabaseLink::~DatabaseLink() {
    if (anchor_) {
        QMetaObject::invokeMethod(
            anchor_,
            [this] {
                store_.reset();
                delete anchor_;
            },
            Qt::BlockingQueuedConnection);
    }
    thread_.quit();
    thread_.wait();
}

namespace {

// Enough to share one flush among a crowd, small enough that the first in line is not kept waiting.
constexpr size_t kMaxBatch = 64;

}  // namespace

void DatabaseLink::Run(std::function<void(ScoreStore&)> job, QObject* receiver, std::function<void()> done,
                       bool batchable) {
    ++pending_;
    {
        QMutexLocker lock(&mutex_);
        queue_.push_back({std::move(job), receiver, std::move(done), batchable});
        if (draining_) return;
        draining_ = true;
    }
    QMetaObject::invokeMethod(anchor_, [this] { drain(); });
}

void DatabaseLink::finish(Job& job) {
    --pending_;
    QMetaObject::invokeMethod(job.receiver, std::move(job.done), Qt::QueuedConnection);
}

void DatabaseLink::drain() {
    for (;;) {
        std::vector<Job> jobs;
        {
            QMutexLocker lock(&mutex_);
            if (queue_.empty()) {
                draining_ = false;
                return;
            }
            // The batchable jobs at the front of the line, or the one job there.
            do {
                jobs.push_back(std::move(queue_.front()));
                queue_.pop_front();
            } while (jobs.front().batchable && !queue_.empty() && queue_.front().batchable &&
                     jobs.size() < kMaxBatch);
        }
        if (jobs.size() > 1 && store_->BeginBatch()) {
            bool whole = true;
            for (Job& job : jobs) {
                if (!store_->MarkJob()) {
                    whole = false;
                    break;
                }
                job.work(*store_);
                if (!store_->EndJob()) {
                    whole = false;
                    break;
                }
            }
            if (whole && store_->EndBatch()) {
                for (Job& job : jobs)
                    finish(job);
                continue;
            }
            if (whole == false) store_->AbortBatch();
        }
        // Alone, or again one by one after the shared transaction failed.
        for (Job& job : jobs) {
            job.work(*store_);
            finish(job);
        }
    }
}

void DatabaseLink::RunAndWait(const std::function<void(ScoreStore&)>& job) {
    QMetaObject::invokeMethod(
        anchor_, [&] { job(*store_); }, Qt::BlockingQueuedConnection);
}

}  // namespace scoreserver
