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
