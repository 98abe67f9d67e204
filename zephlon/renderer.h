// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <cstdint>

#include "frame/canvas.h"

namespace zephlon {

// Colour schemes of the block colour tables; the menu's block colour n is scheme n - 1.
enum ColourScheme : int { kBlueberry = 0, kLime = 1, kKiwi = 2, kPlum = 3, kGreyScheme = 4, kRedScheme = 5 };

// Shade 1..4 of style 1..3 in a scheme. Shade 4 fills a cell, shades 1 to 3 form its relief.
QColor ShadeColour(int style, int shade, int scheme);
// The scheme a cell value is drawn in: bombs and blasts red, concrete grey, other blocks the chosen colour.
int SchemeOf(int16_t value, int blockColour);

// The colour-blind aid: when on, every block drawn afterwards carries its scheme's marks under its pipes
// (Blueberry rising stripes, Lime dots and rising stripes, Kiwi dots, Plum both stripes, Grey lines
// across, red falling stripes), in a light tone of the scheme. Off at start, so the blocks look as
// designed; the window redraws when it changes.
void SetColourAid(bool on);
bool ColourAid();
// The aid's marks of a colour scheme.
unsigned AidMarksOf(int scheme);

// The four greys of a plain pipe, light to dark, and the lit colour.
inline const QColor kPipeLight{214, 214, 214};
inline const QColor kPipeMid{173, 173, 173};
inline const QColor kPipeDim{99, 99, 99};
inline const QColor kPipeDark{66, 66, 66};
inline const QColor kLaserRed{255, 0, 0};
inline const QColor kEmptyCell{30, 30, 30};
inline const QColor kEmptyCellEdge{38, 38, 38};

// The bold sans-serif of the status bar and the message panel, in points.
QFont StatusFont(qreal points);

inline const QColor kWindowBack{96, 96, 96};
inline const QColor kStatusBack{24, 24, 24};
inline const QColor kMessageFrame{48, 48, 48};

// Measures of a cell of size s: track inset m, pipe width t, half length h and relief width b.
struct PipeGeometry {
    int m = 0;
    int t = 2;
    int h = 0;
    int b = 1;
};
PipeGeometry GeometryFor(int s);

// One cell of size s with its top-left pixel at (x0, y0), in logical pixels; it is drawn at the canvas's
// device density. Part 16 draws the whole cell; 1, 2, 4, 8 only its top-left, top-right, bottom-left or
// bottom-right quarter. Pipe halves whose bit is in the marks are lit.
void DrawCell(frame::Canvas& canvas, int x0, int y0, int s, int16_t value, int blockColour, int part,
              int style, int16_t marksFirst, int16_t marksSecond);

// One pipe section of a cell: half 0 the whole length, 1 the first and 2 the second half; look 1 plain, 2
// lit.
void DrawPipe(frame::Canvas& canvas, int x0, int y0, int s, int bit, int half, int look, bool has2,
              bool has4);

// Window layout in pixels of the inner area.
struct Layout {
    QRect playArea;
    QRect statusBar;
    int cellSize = 2;
};
// Play area 7 x 10 cells of an even size, status bar beside it, the pair centred.
Layout ComputeLayout(int innerWidth, int innerHeight, int statusBarWidth, int makerLineHeight);

// Smallest window, in pixels.
inline constexpr int kMinimumWindowWidth = 5775 / 15;
inline constexpr int kMinimumWindowHeight = 6525 / 15;

// Designed size of the status bar in pixels.
inline constexpr int kStatusBarWidth = 990 / 15;
inline constexpr int kStatusBarHeight = 5520 / 15;

}  // namespace zephlon
