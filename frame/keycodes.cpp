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

PieceMove PieceMoveOf(KeyCode key) {
    switch (key) {
        case kKeyUp:
            return PieceMove::Turn;
        case kKeyLeft:
            return PieceMove::Left;
        case kKeyRight:
            return PieceMove::Right;
        case kKeyDown:
            return PieceMove::Down;
        case kKeyCtrl:
        case kKeyInsert:
            return PieceMove::Drop;
        default:
            return PieceMove::None;
    }
}

}  // namespace frame
