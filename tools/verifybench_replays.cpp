// SPDX-License-Identifier: GPL-3.0-or-later
// For tools/verifybench: records the longest of a number of scripted games of each program through its
// core, writes each replay and the target its POST goes to into a folder, and times the score server's
// verifier on each, in CPU time of one core, with the figure for a 10-minute game.
#include <time.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>

#include "scoreserver/verifier.h"
#include "tests/scoreserver/recordedgames.h"
#include "web/links.h"

namespace {

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Ten minutes of play: the verifier's time is scaled by the recorded game's length at its clock's
// intervals (the time a player waits for the pieces to fall; keys between ticks cost no time here).
constexpr double kTenMinutesMs = 600000;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: verifybench_replays FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QDateTime date(QDate(2026, 3, 5), QTime(13, 0, 7), Qt::UTC);
    // Interval of the first level's main clock, in ms.
    const struct {
        frame::Program program;
        double intervalMs;
    } programs[] = {
        {frame::Program::Zephlon, 500}, {frame::Program::Quadrelle, 500}, {frame::Program::Vantorel, 500}};
    for (const auto& p : programs) {
        recordedgames::RecordedGame longest;
        for (uint64_t seed = 1; seed <= 40; ++seed) {
            auto game = recordedgames::Record(p.program, seed, QStringLiteral("Bench"), date, 20000);
            if (game.recording.finished && game.record.Score > 0 && game.ticks > longest.ticks)
                longest = std::move(game);
        }
        const QString name = frame::ProgramName(p.program).toLower();
        QFile file(folder.filePath(name + QStringLiteral(".replay")));
        QFile target(folder.filePath(name + QStringLiteral(".target")));
        if (!file.open(QIODevice::WriteOnly) || !target.open(QIODevice::WriteOnly)) return 1;
        file.write(longest.file);
        QString link;
        if (p.program == frame::Program::Zephlon)
            link = web::ZephlonUploadHiScoreLink(QString(), QString(), false, longest.record,
                                                 [] { return 0.0; });
        else if (p.program == frame::Program::Quadrelle)
            link = web::QuadrelleUploadHiScoreLink(QString(), QString(), longest.record, [] { return 0.0; });
        else
            link = web::VantorelUploadLink(QString(), QString(), longest.record, [] { return 0.0; });
        target.write(link.replace(QStringLiteral("/UploadScores.asp?"), QStringLiteral("/UploadReplay.asp?"))
                         .toLatin1() +
                     '\n');

        scoreserver::UploadEntry entry;
        entry.record.Name = longest.record.Name;
        entry.record.Score = longest.record.Score;
        entry.record.StartLevel = longest.record.StartLevel;
        entry.record.EndLevel = longest.record.EndLevel;
        entry.record.Date = longest.record.Date;
        entry.hasDate = p.program != frame::Program::Zephlon;
        const scoreserver::ScoreList list{p.program, 0};
        const scoreserver::ReplayLimits limits;
        // The median of a number of runs.
        QList<double> runs;
        for (int i = 0; i < 21; ++i) {
            const double start = ThreadCpuMs();
            const scoreserver::Verdict verdict = scoreserver::VerifyReplay(longest.file, list, entry, limits);
            runs << ThreadCpuMs() - start;
            if (!verdict.verified) {
                std::fprintf(stderr, "%s: the recorded game was not verified: %s\n", qPrintable(name),
                             qPrintable(verdict.reason));
                return 1;
            }
        }
        std::sort(runs.begin(), runs.end());
        const double ms = runs[runs.size() / 2];
        const double playedMs = longest.playedMs;
        const double tenMinutes = ms * kTenMinutesMs / std::max(1.0, playedMs);
        std::printf(
            "%-10s %6u ticks (%4.1f min of play), %5lld bytes: verified in %.3f ms CPU; a 10-minute game "
            "%.3f ms = %.2fx the 10 ms budget\n",
            qPrintable(name), longest.ticks, playedMs / 60000, static_cast<long long>(longest.file.size()),
            ms, tenMinutes, tenMinutes / 10.0);
    }
    return 0;
}
