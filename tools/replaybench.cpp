// SPDX-License-Identifier: GPL-3.0-or-later
// CPU time to verify recorded games: each recording is read (Decode) and re-played through its core
// (PlayRecording) over and over on one core. Per program the longest recording given is measured; its cost
// is also scaled to 10 minutes of game time (the budget: under 10 ms), and set against the cost of reading
// it alone, measured in the same run.
//   replaybench <recording files...>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>

#include "frame/gamerecording.h"
#include "quadrelle/recordingplayer.h"
#include "vantorel/recordingplayer.h"
#include "zephlon/recordingplayer.h"

namespace {

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

frame::PlayOutcome Play(const frame::GameRecording& r) {
    switch (r.program) {
        case frame::Program::Zephlon:
            return zephlon::PlayRecording(r);
        case frame::Program::Quadrelle:
            return quadrelle::PlayRecording(r);
        case frame::Program::Vantorel:
            return vantorel::PlayRecording(r);
    }
    return {};
}

const char* NameOf(frame::Program p) {
    switch (p) {
        case frame::Program::Zephlon:
            return "zephlon";
        case frame::Program::Quadrelle:
            return "quadrelle";
        case frame::Program::Vantorel:
            return "vantorel";
    }
    return "?";
}

// Mean CPU seconds of `f` over enough runs to fill half a second.
template <class F>
double Measure(F f, int& runs) {
    runs = 0;
    const double start = CpuSeconds();
    double now = start;
    while (now - start < 0.5 || runs < 5) {
        f();
        ++runs;
        now = CpuSeconds();
    }
    return (now - start) / runs;
}

struct Candidate {
    QString path;
    QByteArray file;
    frame::PlayOutcome outcome;
    size_t inputs = 0;
};

}  // namespace

int main(int argc, char** argv) {
    std::map<int, Candidate> longest;
    int read = 0;
    for (int i = 1; i < argc; ++i) {
        QFile f(QString::fromLocal8Bit(argv[i]));
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QByteArray file = f.readAll();
        const frame::DecodeResult d = frame::Decode(file);
        if (!d.ok()) {
            std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(d.errorText));
            return 1;
        }
        const frame::PlayOutcome o = Play(*d.recording);
        if (!o.ok()) {
            std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(o.errorText));
            return 1;
        }
        ++read;
        Candidate& best = longest[static_cast<int>(d.recording->program)];
        if (o.gameTimeMs > best.outcome.gameTimeMs)
            best = {f.fileName(), file, o, d.recording->inputs.size()};
    }
    if (longest.empty()) {
        std::fprintf(stderr, "replaybench: no recordings given\n");
        return 1;
    }
    std::printf("%d recordings verified; per program the longest, on one core:\n", read);
    std::printf("%-10s %9s %8s %7s %6s %11s %12s %10s %9s %14s\n", "program", "game time", "ticks", "inputs",
                "bytes", "verify ms", "ms / 10 min", "per second", "decode ms", "verify/decode");
    bool withinBudget = true;
    for (const auto& entry : longest) {
        // Named copies: clang 14 cannot capture a structured binding in a lambda.
        const int program = entry.first;
        const Candidate& c = entry.second;
        int runs = 0;
        const double verify = Measure(
            [&] {
                const frame::DecodeResult d = frame::Decode(c.file);
                if (!d.ok() || !Play(*d.recording).ok()) std::abort();
            },
            runs);
        const double decode = Measure(
            [&] {
                if (!frame::Decode(c.file).ok()) std::abort();
            },
            runs);
        const double minutes = static_cast<double>(c.outcome.gameTimeMs) / 60000.0;
        const double per10 = verify * 1000.0 * 10.0 / minutes;
        withinBudget = withinBudget && per10 < 10.0;
        std::printf("%-10s %6.1f min %8u %7zu %6lld %11.3f %12.3f %10.0f %9.4f %13.1fx\n",
                    NameOf(static_cast<frame::Program>(program)), minutes, c.outcome.ticks, c.inputs,
                    static_cast<long long>(c.file.size()), verify * 1000.0, per10, 1.0 / verify,
                    decode * 1000.0, verify / decode);
    }
    std::printf("budget: under 10 ms of CPU per 10 minutes of game time: %s\n",
                withinBudget ? "met" : "NOT met");
    return withinBudget ? 0 : 1;
}
