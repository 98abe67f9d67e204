// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the soak bots: a seeded random source that a planner can freeze while it tries moves on a
// copy of the engine, failures that carry their reason, and the main loop that plays one game per seed
// and prints the seed of a failing game so it can be replayed alone.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <sstream>
#include <string>

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
};

#define SOAK_CHECK(condition, message)                                                         \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::ostringstream soak_text;                                                      \
            soak_text << #condition << " (" << __FILE__ << ":" << __LINE__ << ") " << message; \
            throw ::soak::Failure{soak_text.str()};                                            \
        }                                                                                      \
    } while (false)

// `<exe> [games] [first seed]`: plays `games` games with seeds first, first + 1, ...; returns the exit code.
inline int Run(int argc, char** argv, const char* name, int defaultGames,
               const std::function<void(uint64_t seed, Stats& stats)>& playGame) {
    int games = defaultGames;
    uint64_t firstSeed = 1;
    if (argc > 1) games = std::atoi(argv[1]);
    if (argc > 2) firstSeed = std::strtoull(argv[2], nullptr, 10);
    Stats stats;
    for (int g = 0; g < games; ++g) {
        const uint64_t seed = firstSeed + static_cast<uint64_t>(g);
        try {
            playGame(seed, stats);
        } catch (const Failure& f) {
            std::fprintf(stderr, "%s: game with seed %llu failed: %s\nreplay it with: %s 1 %llu\n", name,
                         static_cast<unsigned long long>(seed), f.what.c_str(), argv[0],
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
    return 0;
}

}  // namespace soak
