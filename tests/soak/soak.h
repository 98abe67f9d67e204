// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the soak bots: a seeded random source that a planner can freeze while it tries moves on a
// copy of the engine, failures that carry their reason, and the main loop that plays one game per seed
// and prints the seed of a failing game so it can be replayed alone.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "frame/gamerecording.h"
#include "frame/random.h"

namespace soak {

class Rng {
  public:
    explicit Rng(uint64_t seed) : m_engine(seed) {}
    // Uniform in [0, 1). While frozen every draw is 0.5 and the sequence does not advance, so a trial
    // on a copy of the engine leaves the game's own sequence untouched.
    double Next() {
        if (frozen) return 0.5;
        return std::generate_canonical<double, 53>(m_engine);
    }
    int Below(int n) { return static_cast<int>(m_engine() % static_cast<uint64_t>(n)); }
    bool Chance(double p) { return std::generate_canonical<double, 53>(m_engine) < p; }

    bool frozen = false;

  private:
    std::mt19937_64 m_engine;
};

// `--verify-recordings` was given: the bots play seeded games, record them and re-play each.
inline bool& VerifyRecordings() {
    static bool verify = false;
    return verify;
}
// `--write-recordings <folder>`: each re-played recording is also written there, as
// <bot>-<seed>-<n>.qbgr (tools/replaybench measures the verification of the longest).
inline std::string& RecordingsFolder() {
    static std::string folder;
    return folder;
}
inline std::string& BotName() {
    static std::string name;
    return name;
}
inline uint64_t& CurrentSeed() {
    static uint64_t seed = 0;
    return seed;
}

// The games' random source seeded as a player's is, with game seeds drawn from the bot's seed instead
// of the clock, so that each recorded game re-plays from the seed it carries. While the bot's generator
// is frozen (a planner's trial on a copy of the engine) the draws are 0.5 and the game's sequence stands.
inline frame::RandomSource SeededGames(uint64_t seed, const Rng& rng) {
    auto counter = std::make_shared<uint64_t>(seed << 20);
    const frame::RandomSource games =
        frame::RandomSource::GameSeeded([counter] { return frame::MixSeed((*counter)++); });
    frame::RandomSource::Hooks hooks;
    hooks.draw = [games, &rng] { return rng.frozen ? 0.5 : games.Next(); };
    hooks.reseed = [games, &rng] {
        if (!rng.frozen) games.Reseed();
    };
    hooks.newGameSeed = [games] { return games.NewGameSeed(); };
    hooks.beginGame = [games](uint64_t gameSeed) { games.BeginGame(gameSeed); };
    return frame::RandomSource(std::move(hooks));
}

// Re-plays every game a bot records through the core alone (`play`, the core's PlayRecording) and
// checks that it ends where the bot's game did: the same board, score, levels and end. A game is
// checked when it ends, when a new game leaves it unfinished, and at the end of the bot's run.
class RecordingCheck {
  public:
    using Play = std::function<frame::PlayOutcome(const frame::GameRecording&)>;
    explicit RecordingCheck(Play play) : m_play(std::move(play)) {}

    frame::GameRecorder recorder;
    int64_t checked = 0;

    // Around each step: `live` gives where the bot's game stands.
    template <class Live>
    void BeforeStep(Live live) {
        m_gamesBefore = recorder.Games();
        m_liveBefore.reset();
        if (recorder.Active()) m_liveBefore = live();
    }
    template <class Live>
    void AfterStep(Live live) {
        if (recorder.Games() != m_gamesBefore && m_liveBefore && !recorder.Previous().finished)
            Check(recorder.Previous(), *m_liveBefore, "a game left by a new one");
        if (recorder.HasGame() && !recorder.Active() && m_checkedGame != recorder.Games()) {
            m_checkedGame = recorder.Games();
            Check(recorder.Recording(), live(), "a finished game");
        }
    }
    template <class Live>
    void AtEnd(Live live) {
        if (recorder.Active()) Check(recorder.Recording(), live(), "a game still running");
    }

  private:
    void Check(const frame::GameRecording& recording, const frame::PlayOutcome& live, const char* what);

    Play m_play;
    uint64_t m_gamesBefore = 0;
    uint64_t m_checkedGame = 0;
    std::optional<frame::PlayOutcome> m_liveBefore;
};

// Where a planner means to put the falling piece: the quarter turns still to key in and the target
// column, worked out once per piece (`serial` numbers the pieces).
struct Plan {
    int serial = -1;
    int turns = 0;
    int column = 5;

    // Plans piece `pieceSerial` once: the best of four turns times the columns 0 to columns + 1 by
    // value(turns, column), with a little noise so that games differ.
    template <typename Value>
    void For(int pieceSerial, int columns, Rng& rng, Value value) {
        if (serial == pieceSerial) return;
        serial = pieceSerial;
        double best = -1e18;
        for (int t = 0; t < 4; ++t) {
            for (int c = 0; c <= columns + 1; ++c) {
                const double v = value(t, c) + rng.Next() * 5;
                if (v > best) {
                    best = v;
                    turns = t;
                    column = c;
                }
            }
        }
    }
    // The piece still needs keys: not planned yet, turns left, or not yet over its column.
    bool Pending(int pieceSerial, int x) const { return serial != pieceSerial || turns > 0 || x != column; }
};

// How a planner judges a pit after a trial: each column's height and each hole under a column's top
// cost, and so does every step between neighbouring columns. `filled(x, y)` says whether a cell holds a
// square; rows run from `top` down to `bottom`.
template <typename Filled>
double SurfaceValue(int columns, int top, int bottom, Filled filled) {
    double value = 0;
    int previous = -1;
    for (int x = 1; x <= columns; ++x) {
        int height = 0;
        for (int y = top; y <= bottom; ++y) {
            if (filled(x, y)) {
                if (height == 0) height = bottom + 1 - y;
            } else if (height > 0) {
                value -= 40;
            }
        }
        value -= 5.0 * height;
        if (previous >= 0) value -= 3.0 * std::abs(height - previous);
        previous = height;
    }
    return value;
}

struct Failure {
    std::string what;
};

// Counts of what the games reached, printed after the run.
struct Stats {
    int64_t steps = 0;
    int maxLevel = 0;
    int64_t levelsUp = 0;
    int64_t rows = 0;  // rows erased, or blocks destroyed
    int64_t puzzleLevelsCompleted = 0;
    int64_t replays = 0;
    int64_t pauses = 0;
    int64_t recordingsChecked = 0;
};

#define SOAK_CHECK(condition, message)                                                         \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::ostringstream soak_text;                                                      \
            soak_text << #condition << " (" << __FILE__ << ":" << __LINE__ << ") " << message; \
            throw ::soak::Failure{soak_text.str()};                                            \
        }                                                                                      \
    } while (false)

inline void RecordingCheck::Check(const frame::GameRecording& recording, const frame::PlayOutcome& live,
                                  const char* what) {
    // Through the file form, as a recording travels.
    const QByteArray file = frame::Encode(recording);
    const frame::DecodeResult decoded = frame::Decode(file);
    SOAK_CHECK(decoded.ok(), what << ": its recording does not decode: " << decoded.errorText.toStdString());
    SOAK_CHECK(*decoded.recording == recording, what << ": its recording changed in the file form");
    const frame::PlayOutcome played = m_play(*decoded.recording);
    SOAK_CHECK(played.ok(), what << " re-played with an error: " << played.errorText.toStdString());
    SOAK_CHECK(played.finished == live.finished && played.score == live.score && played.list == live.list &&
                   played.startLevel == live.startLevel && played.endLevel == live.endLevel &&
                   played.board == live.board && played.ticks == recording.ticks,
               what << " re-played to another end: score " << played.score << " for " << live.score
                    << ", levels " << played.startLevel << "-" << played.endLevel << " for "
                    << live.startLevel << "-" << live.endLevel << ", finished " << played.finished << " for "
                    << live.finished << ", board " << (played.board == live.board ? "same" : "differs")
                    << ", " << recording.inputs.size() << " inputs, " << recording.ticks << " ticks");
    ++checked;
    if (!RecordingsFolder().empty()) {
        const std::string path = RecordingsFolder() + "/" + BotName() + "-" + std::to_string(CurrentSeed()) +
                                 "-" + std::to_string(checked) + ".qbgr";
        std::FILE* out = std::fopen(path.c_str(), "wb");
        SOAK_CHECK(out && std::fwrite(file.constData(), 1, static_cast<size_t>(file.size()), out) ==
                              static_cast<size_t>(file.size()),
                   "cannot write " << path);
        std::fclose(out);
    }
}

// `<exe> [games] [first seed]`: plays `games` games with seeds first, first + 1, ...; returns the exit code.
inline int Run(int argc, char** argv, const char* name, int defaultGames,
               const std::function<void(uint64_t seed, Stats& stats)>& playGame) {
    int games = defaultGames;
    uint64_t firstSeed = 1;
    std::string replay = argv[0];
    if (argc > 1 && std::string(argv[1]) == "--verify-recordings") {
        VerifyRecordings() = true;
        replay += " --verify-recordings";
        --argc;
        ++argv;
        if (argc > 2 && std::string(argv[1]) == "--write-recordings") {
            RecordingsFolder() = argv[2];
            argc -= 2;
            argv += 2;
        }
    }
    BotName() = name;
    if (argc > 1) games = std::atoi(argv[1]);
    if (argc > 2) firstSeed = std::strtoull(argv[2], nullptr, 10);
    Stats stats;
    for (int g = 0; g < games; ++g) {
        const uint64_t seed = firstSeed + static_cast<uint64_t>(g);
        CurrentSeed() = seed;
        try {
            playGame(seed, stats);
        } catch (const Failure& f) {
            std::fprintf(stderr, "%s: game with seed %llu failed: %s\nreplay it with: %s 1 %llu\n", name,
                         static_cast<unsigned long long>(seed), f.what.c_str(), replay.c_str(),
                         static_cast<unsigned long long>(seed));
            return 1;
        }
        // Long runs report their progress, so an interrupted soak still tells how far it got clean.
        if ((g + 1) % 1000 == 0 && g + 1 < games) {
            std::printf("%s: %d games clean so far\n", name, g + 1);
            std::fflush(stdout);
        }
    }
    std::printf(
        "%s: %d games, %lld steps, highest level %d, %lld level rises, %lld rows or blocks, "
        "%lld puzzle levels completed, %lld replays, %lld pauses: all invariants held\n",
        name, games, static_cast<long long>(stats.steps), stats.maxLevel,
        static_cast<long long>(stats.levelsUp), static_cast<long long>(stats.rows),
        static_cast<long long>(stats.puzzleLevelsCompleted), static_cast<long long>(stats.replays),
        static_cast<long long>(stats.pauses));
    if (VerifyRecordings())
        std::printf("%s: %lld recorded games re-played to the same end\n", name,
                    static_cast<long long>(stats.recordingsChecked));
    return 0;
}

}  // namespace soak
