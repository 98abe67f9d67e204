// SPDX-License-Identifier: GPL-3.0-or-later
#include "zephlon/levels.h"

namespace zephlon {

const double kSpeedOriginal[kLevelTableSize] = {3.8,  3.4,  3.1,  2.7,  2.4,  2.1,  1.9,  1.7,  1.5,  1.4,
                                                1.3,  1.25, 1.2,  1.15, 1.1,  1.07, 1.03, 1,    0.98, 0.97,
                                                0.97, 0.97, 0.97, 0.97, 0.97, 0.97, 0.97, 0.97, 0.97, 0.97};
const double kSpeedPuzzle[kLevelTableSize] = {3.8, 3.4, 3.1, 2.7, 2.4, 2.1, 1.9, 1.7, 1.5, 1.4,
                                              1.3, 1.3, 1.3, 1.2, 1.2, 1.2, 1.1, 1.1, 1.1, 1.1,
                                              1,   1,   1,   1,   1,   1,   1,   1,   1,   1};
const int16_t kGarbageRows[kLevelTableSize] = {1, 2, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5,
                                               5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
const int16_t kTopGarbageWidth[kLevelTableSize] = {5, 3, 3, 5, 3, 5, 7, 3, 5, 7, 7, 7, 7, 7, 7,
                                                   7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};

}  // namespace zephlon
