// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/random.h"

#include <chrono>
#include <random>

namespace frame {

namespace {

uint64_t ClockSeed() {
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

RandomSource::RandomSource() {
    auto engine = std::make_shared<std::mt19937_64>(ClockSeed());
    m_draw = [engine] { return std::generate_canonical<double, 53>(*engine); };
    m_reseed = [engine] { engine->seed(ClockSeed() ^ (*engine)()); };
}

RandomSource::RandomSource(Draw draw, std::function<void()> reseed)
    : m_draw(std::move(draw)), m_reseed(std::move(reseed)) {}

RandomSource RandomSource::Seeded(uint64_t seed) {
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return RandomSource([engine] { return std::generate_canonical<double, 53>(*engine); });
}

}  // namespace frame
