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

void DatabaseLink::Run(std::function<void(ScoreStore&)> job, QObject* receiver, std::function<void()> done) {
    ++pending_;
    QMetaObject::invokeMethod(anchor_, [this, job = std::move(job), receiver, done = std::move(done)] {
        job(*store_);
        --pending_;
        QMetaObject::invokeMethod(receiver, done, Qt::QueuedConnection);
    });
}

void DatabaseLink::RunAndWait(const std::function<void(ScoreStore&)>& job) {
    QMetaObject::invokeMethod(
        anchor_, [&] { job(*store_); }, Qt::BlockingQueuedConnection);
}

}  // namespace scoreserver
