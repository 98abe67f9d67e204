// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/verifier.h"

#include <QCryptographicHash>
#include <QThread>

namespace scoreserver {

QString ReplayId(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(32));
}

bool IsReplayId(QStringView text) {
    if (text.size() != 32) return false;
    for (QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'))) return false;
    }
    return true;
}

Verdict VerifyReplay(const QByteArray& bytes, const ScoreList& list, const UploadEntry& entry,
                     const ReplayLimits& limits) {
    Q_UNUSED(list);
    Q_UNUSED(entry);
    if (bytes.isEmpty()) return {false, QStringLiteral("the replay is empty")};
    if (bytes.size() > limits.maxBytes)
        return {false, QStringLiteral("the replay is larger than %1 bytes").arg(limits.maxBytes)};
    return {false, QStringLiteral("this server cannot play replays again")};
}

ReplayPool::ReplayPool(int threads, int capacity) : capacity_(capacity) {
    pool_.setObjectName(QStringLiteral("replays"));
    pool_.setMaxThreadCount(threads > 0 ? threads : std::max(1, QThread::idealThreadCount()));
    // Idle threads stay for a while: a stream of replays does not start a thread for each.
    pool_.setExpiryTimeout(60000);
}

ReplayPool::~ReplayPool() {
    pool_.waitForDone();
}

bool ReplayPool::Submit(std::function<void()> job) {
    if (++busy_ > capacity_) {
        --busy_;
        return false;
    }
    pool_.start([this, job = std::move(job)] {
        job();
        --busy_;
    });
    return true;
}

}  // namespace scoreserver
