// SPDX-License-Identifier: GPL-3.0-or-later
// Load and save times of the settings store: a program's ordinary file against one of ~330,000 keys
// just under the 4 MB read cap, as a program's start and close use them. Prints the figures and fails
// when the big file takes more than half a second to load.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "frame/options.h"
#include "frame/settingsstore.h"
#include "scores/highscoretable.h"

namespace {

constexpr frame::Program kProgram = frame::Program::Zephlon;
constexpr int kRuns = 5;
constexpr double kLoadBudgetSeconds = 0.5;

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Time {
    double wall = 0;  // what the player waits, on this (possibly busy, shared) machine
    double cpu = 0;   // the program's own work: the wait on an idle machine, as the store does not wait
};

// Best times of kRuns calls of `step`, in milliseconds (a busy machine only ever adds); `prepare` runs
// untimed before each.
Time best(const std::function<void()>& prepare, const std::function<void()>& step) {
    std::vector<double> walls;
    std::vector<double> cpus;
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        QElapsedTimer timer;
        const double cpu = cpuMs();
        timer.start();
        step();
        walls.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        cpus.push_back(cpuMs() - cpu);
    }
    return {*std::min_element(walls.begin(), walls.end()), *std::min_element(cpus.begin(), cpus.end())};
}

// A file as a program's close writes it.
void writeOrdinary(const QString& path) {
    QFile::remove(path);
    frame::SettingsStore store(frame::ProgramName(kProgram), path);
    frame::WriteOptions(store, kProgram, frame::DefaultOptions(kProgram));
    scores::HighScoreTable(kProgram).Save(store);
    frame::WriteWindowSize(store, 12000, 9000, false, false);
}

// The ordinary file with `keys` extra keys of 12 bytes a line.
int writeManyKeys(const QString& path, int keys) {
    writeOrdinary(path);
    QFile f(path);
    if (!f.open(QIODevice::Append)) return 0;
    QByteArray text = "[Extra]\n";
    char line[32];
    for (int i = 0; i < keys; ++i) {
        std::snprintf(line, sizeof line, "k%06d=%03d\n", i, i % 1000);
        text += line;
    }
    f.write(text);
    return keys;
}

struct Figures {
    qint64 bytes = 0;
    Time load;   // construct the store, read every option and the high-score table
    Time save;   // the close's writes and a Flush of one changed value (synced to disk)
    Time merge;  // the same close after another copy replaced the file
};

Figures measure(const QString& path) {
    Figures f;
    f.bytes = QFile(path).size();
    const QString app = frame::ProgramName(kProgram);
    f.load = best([] {},
                  [&] {
                      frame::SettingsStore store(app, path);
                      const frame::Options o = frame::ReadOptions(store, kProgram);
                      scores::HighScoreTable table(kProgram);
                      table.Load(store);
                      if (o.StartLevel < 1) std::abort();
                  });
    const auto close = [&](frame::SettingsStore& store, scores::HighScoreTable& table, int level) {
        frame::Options o = frame::ReadOptions(store, kProgram);
        o.StartLevel = static_cast<int16_t>(level);
        frame::WriteOptions(store, kProgram, o);
        table.Save(store);
        frame::WriteWindowSize(store, 12000, 9000, false, false);
        if (!store.Flush()) std::abort();
    };
    std::unique_ptr<frame::SettingsStore> store;
    std::unique_ptr<scores::HighScoreTable> table;
    int level = 1;
    const auto open = [&] {
        store = std::make_unique<frame::SettingsStore>(app, path);
        table = std::make_unique<scores::HighScoreTable>(kProgram);
        table->Load(*store);
        level = level % 10 + 1;
    };
    f.save = best(open, [&] { close(*store, *table, level); });
    f.merge = best(
        [&] {
            open();
            frame::SettingsStore other(app, path);
            scores::HighScoreTable otherTable(kProgram);
            otherTable.Load(other);
            otherTable.SaveScore(0, 1000 + level, 1, 3, QDateTime::currentDateTime());
            otherTable.CommitName(QStringLiteral("Other"));
            otherTable.Save(other);
            if (!other.Flush()) std::abort();
        },
        [&] { close(*store, *table, level); });
    store.reset();
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) return 2;
    const QString small = dir.filePath(QStringLiteral("small.ini"));
    const QString big = dir.filePath(QStringLiteral("big.ini"));
    writeOrdinary(small);
    const int keys = writeManyKeys(big, 330'000);
    if (QFile(big).size() > frame::SettingsStore::kReadCap) {
        std::fprintf(stderr, "the big file is over the read cap\n");
        return 2;
    }
    const Figures s = measure(small);
    const Figures b = measure(big);

    QTextStream out(stdout);
    out << "Settings store, best of " << kRuns << " runs, milliseconds of wall clock (and CPU).\n"
        << "start: read the file, every option and the table; close: write them and save;\n"
        << "merged close: the same after another copy saved in between.\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg(QStringLiteral("file"), -20)
               .arg(QStringLiteral("bytes"), 8)
               .arg(QStringLiteral("start"), 18)
               .arg(QStringLiteral("close"), 18)
               .arg(QStringLiteral("merged close"), 18);
    const auto time = [](const Time& t) {
        return QStringLiteral("%1 (%2)").arg(t.wall, 0, 'f', 2).arg(t.cpu, 0, 'f', 2);
    };
    const auto row = [&](const QString& name, const Figures& f) {
        out << QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(name, -20)
                   .arg(f.bytes, 8)
                   .arg(time(f.load), 18)
                   .arg(time(f.save), 18)
                   .arg(time(f.merge), 18);
    };
    row(QStringLiteral("ordinary"), s);
    row(QStringLiteral("%1 more keys").arg(keys), b);
    out << QStringLiteral("\nbig/ordinary (CPU): size x%1, start x%2, close x%3\n")
               .arg(double(b.bytes) / double(s.bytes), 0, 'f', 0)
               .arg(b.load.cpu / s.load.cpu, 0, 'f', 0)
               .arg(b.save.cpu / s.save.cpu, 0, 'f', 0);
    // CPU time: the budget holds on an idle machine, whatever else shares this one.
    const bool within = b.load.cpu / 1000.0 < kLoadBudgetSeconds;
    out << QStringLiteral("budget: the big file starts in under %1 s of CPU: %2 (%3 s)\n")
               .arg(kLoadBudgetSeconds)
               .arg(within ? QStringLiteral("kept") : QStringLiteral("OVER"))
               .arg(b.load.cpu / 1000.0, 0, 'f', 3);
    out.flush();
    return within ? 0 : 1;
}
