// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

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

// What the keys that steer a falling piece do in one game. The keys are the same in all three games: Up
// turns, Left and Right move, Down sinks one row, Ctrl or Insert drops.
struct PieceMoves {
    std::function<void()> turn;
    std::function<void()> left;
    std::function<void()> right;
    std::function<void()> down;
    std::function<void()> drop;
};

// Runs the move of a piece key; false for any other key.
bool MovePiece(KeyCode key, const PieceMoves& moves);

}  // namespace frame
