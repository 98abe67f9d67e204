// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

namespace frame {

// Uniform numbers in [0, 1): the one random source of every game. By default a generator seeded from the
// clock; tests and tools hand in a scripted draw instead. Copies share one generator.
//
// A game's draws are a pure function of its 64-bit game seed: at a new game the engine takes a seed
// (NewGameSeed: from the clock for the default generator) and starts the game's sequence with it
// (BeginGame), so that a recording of the game re-plays exactly from the seed it carries. A scripted
// draw has no seed: NewGameSeed gives 0 and BeginGame leaves its sequence as it is.
class RandomSource {
  public:
    using Draw = std::function<double()>;

    // What a source does at each of its operations; hooks left empty do nothing (NewGameSeed gives 0).
    struct Hooks {
        Draw draw;
        std::function<void()> reseed;
        std::function<uint64_t()> newGameSeed;
        std::function<void(uint64_t)> beginGame;
    };

    // A generator seeded from the clock, whose games are seeded from the clock.
    RandomSource();
    // A given draw (tests, tools); `reseed` runs where the game asks for a fresh seed.
    RandomSource(Draw draw, std::function<void()> reseed);
    explicit RandomSource(Hooks hooks);
    // Any callable returning the draws, such as a lambda.
    template <class F>
    requires(!std::is_same_v<std::decay_t<F>, RandomSource> && !std::is_same_v<std::decay_t<F>, Hooks> &&
             std::is_invocable_r_v<double, F&>) RandomSource(F draw)
        : RandomSource(Draw(std::move(draw)), {}) {}
    // A generator with a fixed seed: the same games for the same seed.
    static RandomSource Seeded(uint64_t seed);
    // The games' generator with the game seeds `nextGameSeed` gives, one per game (the default source
    // takes them from the clock; a soak bot from its own seed, so its games can be re-played).
    static RandomSource GameSeeded(std::function<uint64_t()> nextGameSeed);

    double Next() const { return m_hooks->draw(); }
    double operator()() const { return m_hooks->draw(); }
    // Within a game the games' generator derives its fresh seed from its own state, so the game stays a
    // function of its game seed.
    void Reseed() const {
        if (m_hooks->reseed) m_hooks->reseed();
    }
    // The seed of the next game.
    uint64_t NewGameSeed() const { return m_hooks->newGameSeed ? m_hooks->newGameSeed() : 0; }
    // Starts a game's sequence from its seed.
    void BeginGame(uint64_t seed) const {
        if (m_hooks->beginGame) m_hooks->beginGame(seed);
    }

  private:
    std::shared_ptr<Hooks> m_hooks;
};

// A well-mixed 64-bit value of `x` (SplitMix64's finaliser): seeds from counters.
uint64_t MixSeed(uint64_t x);

}  // namespace frame
