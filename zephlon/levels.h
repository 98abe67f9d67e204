// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zephlon {

// Per-level tables, indexed by level - 1.
inline constexpr int kLevelTableSize = 30;
// Tick interval in tenths of a second: Original mode by level, Puzzle mode by speed index.
extern const double kSpeedOriginal[kLevelTableSize];
extern const double kSpeedPuzzle[kLevelTableSize];
// Garbage of a puzzle level: whole rows, and the width of the topmost one.
extern const int16_t kGarbageRows[kLevelTableSize];
extern const int16_t kTopGarbageWidth[kLevelTableSize];

}  // namespace zephlon
