// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace frame {

// The key codes the games' key handlers take: the classic virtual-key numbers, letters as their upper-case
// character code. Plain constants, so the engines use them without any toolkit include.
enum KeyCode : int16_t {
    kKeyNone = 0,
    kKeyEnter = 13,
    kKeyCtrl = 17,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyInsert = 45,
    kKeyP = 'P',
    kKeyQ = 'Q',
    kKeyR = 'R',
    kKeyS = 'S',
};

// The code of a Qt key (Qt::Key), or kKeyNone for a key no game uses.
KeyCode KeyCodeOf(int qtKey);

// What a key does to a falling piece. The keys are the same in all three games: Up turns, Left and Right
// move, Down sinks one row, Ctrl or Insert drops.
enum class PieceMove { None, Turn, Left, Right, Down, Drop };

// The move of a piece key; None for any other key.
PieceMove PieceMoveOf(KeyCode key);

}  // namespace frame
