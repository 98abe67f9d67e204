// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/random.h"

#include <atomic>
#include <chrono>
#include <random>

namespace frame {

namespace {

uint64_t ClockSeed() {
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

uint64_t MixSeed(uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

RandomSource::RandomSource()
    : RandomSource(GameSeeded([] {
          // Two games begun within one clock tick still get different seeds.
          static std::atomic<uint64_t> counter{0};
          return MixSeed(ClockSeed() ^ MixSeed(++counter));
      })) {}

RandomSource::RandomSource(Draw draw, std::function<void()> reseed)
    : m_hooks(std::make_shared<Hooks>(Hooks{std::move(draw), std::move(reseed), {}, {}})) {}

RandomSource::RandomSource(Hooks hooks) : m_hooks(std::make_shared<Hooks>(std::move(hooks))) {}

RandomSource RandomSource::Seeded(uint64_t seed) {
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return RandomSource([engine] { return std::generate_canonical<double, 53>(*engine); });
}

RandomSource RandomSource::GameSeeded(std::function<uint64_t()> nextGameSeed) {
    // Until the first game (a start-up demo) the sequence starts from a seed of the stream as well.
    auto engine = std::make_shared<std::mt19937_64>(nextGameSeed());
    Hooks hooks;
    hooks.draw = [engine] { return std::generate_canonical<double, 53>(*engine); };
    hooks.reseed = [engine] { engine->seed(MixSeed((*engine)())); };
    hooks.newGameSeed = std::move(nextGameSeed);
    hooks.beginGame = [engine](uint64_t seed) { engine->seed(seed); };
    return RandomSource(std::move(hooks));
}

}  // namespace frame
