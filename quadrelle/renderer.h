// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <cstdint>

#include "frame/canvas.h"
#include "quadrelle/engine.h"

namespace quadrelle {

// Body and bevel colours of a colour number.
struct CellColours {
    QColor fill;
    QColor highlight;
    QColor shadow;
};
CellColours ColoursOf(int32_t colour, bool inPreview);

// The colour-blind aid: when on, every cell drawn afterwards carries its colour's marks (red falling
// stripes, grey lines across, magenta both stripes, yellow dots, green dots and rising stripes, blue
// rising stripes, cyan lines down). Off at start, so the cells look as designed; the window redraws
// when it changes.
void SetColourAid(bool on);
bool ColourAid();
// The aid's marks of a colour number.
unsigned AidMarksOf(int32_t colour);

inline const QColor kWindowGrey = QColor(96, 96, 96);
inline const QColor kPanelGrey = QColor(24, 24, 24);
inline const QColor kEdgeGrey = QColor(48, 48, 48);
// Width of the status bar next to the well.
inline constexpr int kStatusBarWidth = 66;
// Largest cell of the preview box.
inline constexpr int16_t kMaxPreviewCell = 16;
// Height of the preview box and the top of the "Score" heading in the status bar.
inline constexpr int kPreviewHeight = 63;
inline constexpr int kScoreHeadTop = 102;

// One cell of the well (or of the preview box, with its offsets) on a canvas with cell size s.
void DrawCell(frame::Canvas& canvas, int16_t x, int16_t y, int32_t colour, bool inPreview, int16_t s,
              int16_t ox = 0, int16_t oy = 0);
// The four one-pixel edge lines of a coloured cell.
void DrawBevel(frame::Canvas& canvas, int16_t x, int16_t y, int32_t colour, bool inPreview, int16_t s,
               int16_t ox = 0, int16_t oy = 0);
// The black bar over an erased row.
void DrawRowBar(frame::Canvas& well, int16_t row, int16_t cellSize);
// The preview box: its background and the next piece, cells at most 16 pixels.
void PaintNextBlock(frame::Canvas& next, const Matrix& matrix, int16_t entryY, int32_t colour,
                    int16_t cellSize, int panelWidth);
// Horizontal offset that centres a three-wide piece in the preview.
int16_t PreviewOffsetX(const Matrix& matrix, int16_t s);

// Sizes the layout depends on, in pixels.
struct LayoutInput {
    int scaleWidth = 0;   // inner width of the window
    int scaleHeight = 0;  // inner height of the window (below the menu bar)
    int labelBW0Width = 0;
    int labelBWWidth = 0;
    int labelBWHeight = 0;
};

// Where well, status bar and credit line go.
struct Layout {
    int16_t cellSize = 0;
    int wellLeft = 0, wellTop = 0, wellWidth = 0, wellHeight = 0;
    int statusLeft = 0, statusTop = 0, statusWidth = kStatusBarWidth, statusHeight = 0;
    int labelBW0Left = 0, labelBWLeft = 0, labelsTop = 0;
    int lineBWLeft = 0, lineBWRight = 0, lineBWTop = 0;
};
Layout ComputeLayout(const LayoutInput& in);

// Grey shading of the window background around the block of well and status bar.
void ShadeMargins(frame::Canvas& window, const Layout& layout, int scaleWidth);

}  // namespace quadrelle
