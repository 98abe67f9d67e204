// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <functional>

#include "scoreserver/requests.h"

// Replays that prove uploaded records: each is decoded and played again with the game's own core,
// away from the serving threads, within caps on its size and on the ticks it may simulate.
namespace scoreserver {

struct ReplayLimits {
    qint64 maxBytes = 256 * 1024;
    qint64 maxTicks = 2'000'000;
};

// What a replay proved: verified, or the reason it was refused.
struct Verdict {
    bool verified = false;
    QString reason;
};

// Plays the replay again and compares: the game must end with exactly the record the replay claims,
// and that record must be the uploaded one (program, list, score, levels, name, and the date when the
// upload carries one).
Verdict VerifyReplay(const QByteArray& bytes, const ScoreList& list, const UploadEntry& entry,
                     const ReplayLimits& limits);

// A replay's stable id: 32 lower-case hex digits of its bytes' SHA-256.
QString ReplayId(const QByteArray& bytes);
bool IsReplayId(QStringView text);

// A pool of threads with a bounded queue of its own: a job is refused at once when the queue is
// full, so a flood of replays never piles up work or memory.
class ReplayPool {
  public:
    // threads 0: one per core.
    ReplayPool(int threads, int capacity);
    ~ReplayPool();
    ReplayPool(const ReplayPool&) = delete;
    ReplayPool& operator=(const ReplayPool&) = delete;

    // Runs job in a thread of the pool; false (and job dropped) when capacity jobs are waiting or
    // running already.
    bool Submit(std::function<void()> job);
    // Jobs waiting or running now.
    int Busy() const { return busy_.load(); }
    int Threads() const { return pool_.maxThreadCount(); }
    void WaitForDone() { pool_.waitForDone(); }

  private:
    QThreadPool pool_;
    std::atomic<int> busy_{0};
    int capacity_;
};

}  // namespace scoreserver
