// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

#include "frame/canvas.h"

namespace frame {

// The colour-blind aid: every colour carries marks in a tone of its own lightness, so the colours stay
// apart without telling their hue. The same marks mean the same colour in all three games, and a colour
// mixed of two carries both parents' marks, so Vantorel's mixing rule reads as "dots and rising stripes
// make green".
enum AidMark : unsigned {
    kAidNone = 0,
    kAidDots = 1,        // yellow
    kAidRising = 2,      // blue: stripes rising to the right
    kAidFalling = 4,     // red: stripes falling to the right
    kAidHorizontal = 8,  // grey
    kAidVertical = 16,   // cyan
    kAidGreen = kAidDots | kAidRising,
    kAidOrange = kAidDots | kAidFalling,
    kAidPurple = kAidRising | kAidFalling,
};

// Whether pixel (x, y) of a box, counted from its top-left pixel, carries one of `marks` when the cell
// it belongs to is `scale` pixels wide. The marks' period and width follow the scale, so a cell looks
// the same at any size, and dots never touch the stripes they are combined with.
bool AidPixel(unsigned marks, int x, int y, int scale);

// Draws `marks` over `box` of a canvas, in its own pixels, for a cell `scale` pixels wide.
void DrawAidMarks(Canvas& canvas, const QRect& box, int scale, unsigned marks, const QColor& tone);

// The same for a box and a cell size in logical pixels, drawn in the canvas's device pixels, so the
// marks are as fine as the screen allows and never blurred.
void DrawAidMarksOnDevice(Canvas& canvas, const QRect& logicalBox, int logicalScale, unsigned marks,
                          const QColor& tone);

// A tone of `colour`'s hue that stands out by its lightness from `behind`, what the marks are drawn on:
// a light one on a dark ground, a dark one on a light ground.
QColor AidTone(const QColor& colour, const QColor& behind);
inline QColor AidTone(const QColor& fill) {
    return AidTone(fill, fill);
}

}  // namespace frame
