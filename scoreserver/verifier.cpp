// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/verifier.h"

#include <QCryptographicHash>
#include <QThread>
#include <algorithm>
#include <limits>

#include "frame/gamerecording.h"
#include "quadrelle/recordingplayer.h"
#include "scores/highscoretable.h"
#include "vantorel/recordingplayer.h"
#include "web/links.h"
#include "web/urldecode.h"
#include "zephlon/recordingplayer.h"

namespace scoreserver {

namespace {

Verdict Refused(const QString& reason) {
    return {false, reason};
}

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

}  // namespace

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
    frame::RecordingLimits caps;
    caps.maxEncodedBytes = limits.maxBytes;
    caps.maxTicks = static_cast<uint32_t>(
        std::clamp<qint64>(limits.maxTicks, 1, qint64(std::numeric_limits<uint32_t>::max())));
    const frame::DecodeResult decoded = frame::Decode(bytes, caps, list.program);
    if (!decoded.ok()) return Refused(decoded.errorText);
    const frame::GameRecording& recording = *decoded.recording;
    if (!recording.claim) return Refused(QStringLiteral("the replay claims no record"));
    const frame::RecordingClaim& claim = *recording.claim;
    // What the uploaded record says against what the replay claims, field by field.
    const scores::HighScoreRecord& r = entry.record;
    const auto differs = [](const QString& what, const QString& claimed, const QString& uploaded) {
        return Refused(QStringLiteral("the replay's record has %1 %2, the uploaded record %3")
                           .arg(what, claimed, uploaded));
    };
    if (claim.list != list.list)
        return Refused(QStringLiteral("the replay is a game of the %1 list, the record is of the %2 list")
                           .arg(ListTitle({list.program, claim.list}), ListTitle(list)));
    // The name as the upload link carries it: a character Windows-1252 cannot write arrives as "?".
    const QString sentName = web::DecodeFromURL(web::EscapeForURL(claim.name, false).toLatin1());
    if (sentName != r.Name && claim.name != r.Name)
        return differs(QStringLiteral("the name"), Quoted(claim.name), Quoted(r.Name));
    if (claim.score != r.Score)
        return differs(QStringLiteral("the score"), QString::number(claim.score), QString::number(r.Score));
    if (claim.startLevel != r.StartLevel)
        return differs(QStringLiteral("the start level"), QString::number(claim.startLevel),
                       QString::number(r.StartLevel));
    if (claim.endLevel != r.EndLevel)
        return differs(QStringLiteral("the end level"), QString::number(claim.endLevel),
                       QString::number(r.EndLevel));
    // Zephlon's links carry no date: its claim's date has nothing to be compared with.
    if (entry.hasDate && claim.date != scores::HighScoreTable::DateText(r.Date))
        return differs(QStringLiteral("the date"), claim.date, scores::HighScoreTable::DateText(r.Date));
    frame::PlayOutcome outcome;
    switch (list.program) {
        case frame::Program::Zephlon:
            outcome = zephlon::PlayRecording(recording, caps);
            break;
        case frame::Program::Quadrelle:
            outcome = quadrelle::PlayRecording(recording, caps);
            break;
        case frame::Program::Vantorel:
            outcome = vantorel::PlayRecording(recording, caps);
            break;
    }
    if (!outcome.ok()) return Refused(outcome.errorText);
    if (!outcome.finished) return Refused(QStringLiteral("the replayed game does not end"));
    // The played game's own end, whatever the re-play's own checks said.
    if (const QString diff = frame::CompareClaim(outcome, claim); !diff.isEmpty()) return Refused(diff);
    return {true, {}};
}

ReplayPool::ReplayPool(int threads, int capacity) : capacity_(capacity) {
    pool_.setObjectName(QStringLiteral("replays"));
    pool_.setMaxThreadCount(threads > 0 ? threads : std::max(1, QThread::idealThreadCount()));
    // Idle threads stay for a while: a stream of replays does not start a thread for each.
    pool_.setExpiryTimeout(60000);
    // Pages come first: a replay is played with the CPU time the serving threads leave (SCHED_IDLE
    // on Linux), so a stream of verifications does not delay the lists.
    pool_.setThreadPriority(QThread::IdlePriority);
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
