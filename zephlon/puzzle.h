// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "zephlon/board.h"
#include "zephlon/lineups.h"

namespace zephlon {

// Draws a new block without bombs (NextBlock(false)) and returns its value.
using NextValueFn = std::function<int16_t()>;
// Uniform random number in [0, 1).
using RandomFn = std::function<double()>;

inline constexpr int16_t kConcreteBlock = kPresent | kConcrete;

// How much garbage a puzzle level starts with: whole rows from the bottom, the topmost one centred.
struct GarbageExtent {
    int16_t rows = 0;      // number of garbage rows
    int16_t topFirst = 0;  // first and last column of the topmost garbage row
    int16_t topLast = 0;
};
GarbageExtent GarbageExtentFor(int16_t level);

// A garbage block for (column, row) that completes no line of three with the cells to its left and below;
// concrete where every pipe would.
int16_t GenerateGarbageBlock(const Grid& board, int16_t column, int16_t row, const NextValueFn& nextBlock);

// Builds a level's garbage one placed block per tick; the cursors persist between ticks.
class GarbageBuilder {
  public:
    enum class Result { Placed, Complete };

    void Reset() { column = row = first = last = 0; }
    // Places cells until one block has been placed (drawn with the touch-down cue 0, then a yield) or the
    // garbage is complete. Empty cells cost no tick. While replaying, the values come from the saved board.
    Result Step(Grid& board, const Grid& savedBoard, int16_t level, bool replay, const NextValueFn& nextBlock,
                const PlayEffects& fx);

    int16_t column = 0;
    int16_t row = 0;
    int16_t first = 0;
    int16_t last = 0;
};

// The blinking block's column on the bottom row: the first of 3, 4, 5 (or 5, 4, 3) carrying a horizontal
// track, else 3 or 4 at random.
int16_t ChooseBlinkingColumn(const Grid& board, const RandomFn& random);

}  // namespace zephlon
