// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadrelle/renderer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "frame/colouraid.h"

namespace quadrelle {

namespace {

const std::array<CellColours, 8> kColours = {{
    {QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0)},
    {QColor(178, 0, 0), QColor(255, 0, 0), QColor(144, 0, 0)},
    {QColor(89, 89, 89), QColor(128, 128, 128), QColor(64, 64, 64)},
    {QColor(178, 0, 178), QColor(255, 0, 255), QColor(144, 0, 144)},
    {QColor(178, 178, 0), QColor(255, 255, 0), QColor(144, 144, 0)},
    {QColor(0, 178, 0), QColor(0, 255, 0), QColor(0, 144, 0)},
    {QColor(0, 0, 178), QColor(0, 0, 255), QColor(0, 0, 144)},
    {QColor(0, 178, 178), QColor(0, 255, 255), QColor(0, 144, 144)},
}};

QColor grey(int g) {
    return QColor(g, g, g);
}

// The same marks as the other games give the same colours.
constexpr std::array<unsigned, 8> kAidMarks = {
    frame::kAidNone, frame::kAidFalling, frame::kAidHorizontal, frame::kAidPurple,
    frame::kAidDots, frame::kAidGreen,   frame::kAidRising,     frame::kAidVertical,
};

bool g_colourAid = false;

}  // namespace

void SetColourAid(bool on) {
    g_colourAid = on;
}

bool ColourAid() {
    return g_colourAid;
}

unsigned AidMarksOf(int32_t colour) {
    return colour < 1 || colour > 7 ? frame::kAidNone : kAidMarks[static_cast<size_t>(colour)];
}

CellColours ColoursOf(int32_t colour, bool inPreview) {
    if (colour < 1 || colour > 7) {
        const QColor empty = inPreview ? kPanelGrey : QColor(0, 0, 0);
        return {empty, empty, empty};
    }
    return kColours[static_cast<size_t>(colour)];
}

void DrawCell(frame::Canvas& canvas, int16_t x, int16_t y, int32_t colour, bool inPreview, int16_t s,
              int16_t ox, int16_t oy) {
    if (inPreview) {
        s = std::min(s, kMaxPreviewCell);
    } else {
        ox = 0;
        oy = 0;
    }
    const CellColours c = ColoursOf(colour, inPreview);
    canvas.SetForeColor(inPreview ? kPanelGrey : QColor(0, 0, 0));
    canvas.SetFillStyle(frame::FillStyle::Solid);
    canvas.SetFillColor(c.fill);
    canvas.Box((x - 1) * s + ox, (y - 1) * s + oy, x * s + ox, y * s + oy);
    if (colour == 0) return;
    // The marks cover the inside of the bevel.
    if (g_colourAid && s > 3)
        frame::DrawAidMarksOnDevice(canvas, QRect((x - 1) * s + ox + 2, (y - 1) * s + oy + 2, s - 3, s - 3),
                                    s, AidMarksOf(colour), frame::AidTone(c.fill));
    DrawBevel(canvas, x, y, colour, inPreview, s, ox, oy);
}

void DrawBevel(frame::Canvas& canvas, int16_t x, int16_t y, int32_t colour, bool inPreview, int16_t s,
               int16_t ox, int16_t oy) {
    const CellColours c = ColoursOf(colour, inPreview);
    const int l = (x - 1) * s + ox, t = (y - 1) * s + oy, r = x * s + ox, b = y * s + oy;
    canvas.Line(l + 1, t + 1, r - 1, t + 1, c.highlight);
    canvas.Line(l + 1, t + 1, l + 1, b - 1, c.highlight);
    canvas.Line(l + 1, b - 1, r - 1, b - 1, c.shadow);
    canvas.Line(r - 1, t + 1, r - 1, b, c.shadow);
}

void DrawRowBar(frame::Canvas& well, int16_t row, int16_t cellSize) {
    well.SetForeColor(QColor(0, 0, 0));
    well.SetFillColor(QColor(0, 0, 0));
    well.FilledBox(0, (row - 1) * cellSize, kWellColumns * cellSize, row * cellSize, QColor(0, 0, 0));
}

int16_t PreviewOffsetX(const Matrix& matrix, int16_t s) {
    bool first = false, last = false;
    for (int j = 1; j <= 4; ++j) {
        first = first || matrix[1][j];
        last = last || matrix[4][j];
    }
    double ox = 0;
    if (last && !first) ox = -s / 2.0;
    if (first && !last) ox = s / 2.0;
    return static_cast<int16_t>(std::nearbyint(ox));
}

void PaintNextBlock(frame::Canvas& next, const Matrix& matrix, int16_t entryY, int32_t colour,
                    int16_t cellSize, int panelWidth) {
    const int16_t s = std::min(cellSize, kMaxPreviewCell);
    const int16_t ox = PreviewOffsetX(matrix, s);
    constexpr int16_t oy = 7;
    next.SetForeColor(kPanelGrey);
    next.SetFillColor(kPanelGrey);
    next.FilledBox(0, 0, panelWidth, kScoreHeadTop, kPanelGrey);
    for (int16_t i = 1; i <= 4; ++i)
        for (int16_t j = 1; j <= 4; ++j)
            if (matrix[i][j])
                DrawCell(next, i, static_cast<int16_t>(entryY + j - 2), colour, true, s, ox, oy);
}

Layout ComputeLayout(const LayoutInput& in) {
    Layout l;
    const int h = std::max(1, in.scaleHeight - 14 - in.labelBWHeight - 30);
    const int w = std::max(1, in.scaleWidth - 14 - kStatusBarWidth);
    // The well is twice as tall as wide; the narrower side limits it.
    const int wellWidth = h > 2 * w ? w : h / 2;
    l.wellTop = 30;
    l.statusTop = l.wellTop;
    l.cellSize = static_cast<int16_t>(wellWidth / kWellColumns);
    l.wellWidth = kWellColumns * l.cellSize;
    l.wellHeight = kWellRows * l.cellSize;
    l.statusHeight = l.wellHeight;
    l.wellLeft = (in.scaleWidth - l.wellWidth - l.statusWidth) / 2;
    l.statusLeft = l.wellLeft + l.wellWidth;
    const int creditLeft = (in.scaleWidth - in.labelBW0Width - in.labelBWWidth) / 2;
    l.labelBW0Left = creditLeft > 7 ? creditLeft : 7;
    l.labelBWLeft = l.labelBW0Left + in.labelBW0Width;
    l.labelsTop = in.scaleHeight - 7 - in.labelBWHeight;
    l.lineBWLeft = l.labelBWLeft;
    l.lineBWRight = l.labelBWLeft + in.labelBWWidth;
    l.lineBWTop = in.scaleHeight - 7;
    return l;
}

void ShadeMargins(frame::Canvas& window, const Layout& l, int scaleWidth) {
    const int top = l.wellTop - 7;
    const int bottom = l.wellTop + l.wellHeight + 7;
    const int right = l.statusLeft + l.statusWidth;
    // Each gradient's divisor is at least 1, so a margin of one pixel or none is safe.
    const int leftSpan = l.wellLeft - 2;
    for (int k = 0; k <= leftSpan; ++k)
        window.FilledBox(k, top, k, bottom, grey(96 - 48 * k / std::max(1, leftSpan)));
    const int rightSpan = scaleWidth - right;
    for (int k = right; k < scaleWidth; ++k)
        window.FilledBox(k, top, k, bottom, grey(48 + 48 * (k - right) / std::max(1, rightSpan)));
    // Bands of 7 rows above and below the block: darkest next to the block, lighter outwards.
    for (int d = 1; d <= 7; ++d) {
        const QColor g = grey(48 + 48 * (d - 1) / 7);
        window.FilledBox(std::max(0, leftSpan + 1), l.wellTop - d, right - 1, l.wellTop - d, g);
        window.FilledBox(std::max(0, leftSpan + 1), l.wellTop + l.wellHeight - 1 + d, right - 1,
                         l.wellTop + l.wellHeight - 1 + d, g);
    }
}

}  // namespace quadrelle
