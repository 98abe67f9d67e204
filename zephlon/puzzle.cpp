// SPDX-License-Identifier: GPL-3.0-or-later
#include "zephlon/puzzle.h"

#include "zephlon/levels.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zephlon {

namespace {

// A pathological random source could refuse every block forever; after this many draws the cell turns to
// concrete, which never lines up.
constexpr int kMaxDraws = 10000;

bool AllCarry(int16_t a, int16_t b, int16_t c, int16_t bit) {
    return (a & bit) && (b & bit) && (c & bit);
}

}  // namespace

GarbageExtent GarbageExtentFor(int16_t level) {
    const int i = std::clamp(level - 1, 0, 19);
    GarbageExtent e;
    e.rows = level >= 11 ? int16_t{5} : kGarbageRows[i];
    const int w = kTopGarbageWidth[i];
    e.topFirst = static_cast<int16_t>(std::lround((7 - w) / 2.0 + 1));
    e.topLast = static_cast<int16_t>(8 - e.topFirst);
    return e;
}

int16_t GenerateGarbageBlock(const Grid& board, int16_t column, int16_t row, const NextValueFn& nextBlock) {
    // Lines can only form with two blocks already placed to the left (columns 3 on) or below (rows up to 8).
    const bool checkRow = column >= 3;
    const bool checkColumn = row < 9;
    const int16_t l1 = checkRow ? board(column - 1, row) : int16_t{0};
    const int16_t l2 = checkRow ? board(column - 2, row) : int16_t{0};
    const int16_t b1 = checkColumn ? board(column, row + 1) : int16_t{0};
    const int16_t b2 = checkColumn ? board(column, row + 2) : int16_t{0};
    if (checkRow && checkColumn && (l1 & kPipe2) && (l1 & kPipe4) && (l2 & kPipe2) && (l2 & kPipe4) &&
        (b1 & kPipe8) && (b1 & kPipe16) && (b2 & kPipe8) && (b2 & kPipe16))
        return kConcreteBlock;
    for (int draws = 0; draws < kMaxDraws; ++draws) {
        const int16_t v = nextBlock();
        const bool rowLine = checkRow && (AllCarry(l1, l2, v, kPipe2) || AllCarry(l1, l2, v, kPipe4));
        const bool columnLine = checkColumn && (AllCarry(b1, b2, v, kPipe8) || AllCarry(b1, b2, v, kPipe16));
        if (!rowLine && !columnLine) return v;
    }
    return kConcreteBlock;
}

GarbageBuilder::Result GarbageBuilder::Step(Grid& board, const Grid& savedBoard, int16_t level, bool replay,
                                            const NextValueFn& nextBlock, const PlayEffects& fx) {
    const GarbageExtent extent = GarbageExtentFor(level);
    for (;;) {
        ++column;
        if (column > kColumns || (column == 1 && row == 0)) {
            column = 1;
            row = row == 0 ? int16_t{kRows} : static_cast<int16_t>(row - 1);
            if (11 - row == extent.rows) {
                first = extent.topFirst;
                last = extent.topLast;
            } else {
                first = 1;
                last = kColumns;
            }
        }
        if (row == kRows - extent.rows) return Result::Complete;

        int16_t value = 0;
        if (column >= first && column <= last)
            value = replay ? savedBoard(column, row) : GenerateGarbageBlock(board, column, row, nextBlock);
        board(column, row) = value;
        if (value == 0) continue;
        if (fx.drawCell) fx.drawCell(column, row, value, kWholeCell, 1);
        if (fx.playSoundCue) fx.playSoundCue(frame::Cue::TouchDown);
        if (fx.yield) fx.yield();
        return Result::Placed;
    }
}

int16_t ChooseBlinkingColumn(const Grid& board, const RandomFn& random) {
    static constexpr std::array<int16_t, 3> kLeftFirst = {3, 4, 5};
    static constexpr std::array<int16_t, 3> kRightFirst = {5, 4, 3};
    const auto& order = random() < 0.5 ? kLeftFirst : kRightFirst;
    for (int16_t c : order)
        if (board(c, kRows) & (kPipe2 | kPipe4)) return c;
    return static_cast<int16_t>(std::lround(random() + 3));
}

}  // namespace zephlon
