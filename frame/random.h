// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>

namespace frame {

// Uniform numbers in [0, 1): the one random source of every game. By default a generator seeded from the
// clock; tests and tools hand in a scripted draw instead. Copies share one generator.
class RandomSource {
  public:
    using Draw = std::function<double()>;

    // A generator seeded from the clock.
    RandomSource();
    // A given draw (tests, tools); `reseed` runs where the game asks for a fresh seed.
    RandomSource(Draw draw, std::function<void()> reseed);
    // Any callable returning the draws, such as a lambda.
    template <class F>
    requires(!std::is_same_v<std::decay_t<F>, RandomSource> && std::is_invocable_r_v<double, F&>)
        RandomSource(F draw)
        : RandomSource(Draw(std::move(draw)), {}) {}
    // A generator with a fixed seed: the same games for the same seed.
    static RandomSource Seeded(uint64_t seed);

    double Next() const { return m_draw(); }
    double operator()() const { return m_draw(); }
    // The clock generator mixes the clock into its state, so two reseeds within one clock tick still give
    // different sequences.
    void Reseed() const {
        if (m_reseed) m_reseed();
    }

  private:
    Draw m_draw;
    std::function<void()> m_reseed;
};

}  // namespace frame
