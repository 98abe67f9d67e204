// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/keycodes.h"

#include <Qt>

namespace frame {

KeyCode KeyCodeOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Control:
            return kKeyCtrl;
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Down:
            return kKeyDown;
        case Qt::Key_Insert:
            return kKeyInsert;
        case Qt::Key_P:
            return kKeyP;
        case Qt::Key_Q:
            return kKeyQ;
        case Qt::Key_R:
            return kKeyR;
        case Qt::Key_S:
            return kKeyS;
        default:
            return kKeyNone;
    }
}

bool MovePiece(KeyCode key, const PieceMoves& moves) {
    const std::function<void()>* move = nullptr;
    switch (key) {
        case kKeyUp:
            move = &moves.turn;
            break;
        case kKeyLeft:
            move = &moves.left;
            break;
        case kKeyRight:
            move = &moves.right;
            break;
        case kKeyDown:
            move = &moves.down;
            break;
        case kKeyCtrl:
        case kKeyInsert:
            move = &moves.drop;
            break;
        default:
            return false;
    }
    if (*move) (*move)();
    return true;
}

}  // namespace frame
