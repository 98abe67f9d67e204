// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <cstdint>

#include "frame/canvas.h"
#include "vantorel/pit.h"

namespace vantorel {

inline const QColor kPitBackground(0, 0, 0);
inline const QColor kStatusBackground(24, 24, 24);
inline const QColor kWindowBackground(96, 96, 96);
inline constexpr int kPreviewMaxCell = 18;

// Fill, light edge and dark edge of a colour number; transparent numbers fill with the surface's
// background and draw their pattern in `fill`.
struct CellColours {
    QColor fill;
    QColor light;
    QColor dark;
};
CellColours ColoursOf(int32_t colour);

// The colour-blind aid: when on, every cell drawn afterwards carries its colour's marks (yellow dots,
// blue rising and red falling stripes; a mix carries both of its parents'). Off at start, so the cells
// look as designed; the window redraws when it changes.
void SetColourAid(bool on);
bool ColourAid();
// The aid's marks of a colour number; a transparent number carries its colour's.
unsigned AidMarksOf(int32_t colour);

// Where the window puts the pit, the status bar and the caption line for a given inner size.
struct Layout {
    int scaleWidth = 0;
    int scaleHeight = 0;
    int pitLeft = 0;
    int pitTop = 30;
    int pitWidth = 0;
    int pitHeight = 0;
    int cellSize = 0;
    int statusLeft = 0;
    int statusWidth = 0;
    int statusHeight = 0;
    int captionLeft = 7;
    int captionTop = 0;
};

// Form_Resize's arithmetic: the pit keeps 8 : 18, whole cells, and stands centred with the status bar.
Layout ComputeLayout(int scaleWidth, int scaleHeight, int statusWidth, int captionWidth, int captionHeight);

// The shaded frame around pit and status bar. Never fails, however small the window.
void DrawWindowBackground(frame::Canvas& window, const Layout& layout);

// One cell in a colour number, with its cell box at ((x - 1) size + ox, (y - 1) size + oy).
void DrawCell(frame::Canvas& surface, int x, int y, int32_t colour, int size, const QColor& background,
              int ox = 0, int oy = 0);
// The raised edge of a drawn cell: light at top and left, dark at bottom and right.
void DrawBevel(frame::Canvas& surface, int left, int top, int right, int bottom, int32_t colour);
// Nested square outlines `step` pixels apart in the surface's fore colour. The thickness is not used.
void DrawTransparent(frame::Canvas& surface, int startX, int startY, int size, int step, int thickness);

// The black bar of an erased row.
void EraseRowBar(frame::Canvas& pit, int y, int cellSize);

// Clears the preview area below the "Next" heading and draws the next piece in cells of at most 18 px.
void PaintNextBlock(frame::Canvas& status, const Matrix& next, int32_t colour, int entryRow, int cellSize,
                    int nextHeadBottom, int scoreHeadTop);

// a / b rounded to the nearest integer, a half to the even neighbour.
int DivRoundEven(int a, int b);

}  // namespace vantorel
