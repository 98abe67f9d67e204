// SPDX-License-Identifier: GPL-3.0-or-later
#include "vantorel/renderer.h"

#include <algorithm>
#include <cmath>

#include "frame/colouraid.h"

namespace vantorel {

namespace {

QColor Grey(double g) {
    const int v = std::clamp(static_cast<int>(std::lround(g)), 0, 255);
    return QColor(v, v, v);
}

const QColor kFrameLine = Grey(82);

bool g_colourAid = false;

}  // namespace

void SetColourAid(bool on) {
    g_colourAid = on;
}

bool ColourAid() {
    return g_colourAid;
}

unsigned AidMarksOf(int32_t colour) {
    switch (colour) {
        case kYellow:
        case kYellowTransparent:
            return frame::kAidDots;
        case kBlue:
        case kBlueTransparent:
            return frame::kAidRising;
        case kRed:
        case kRedTransparent:
            return frame::kAidFalling;
        case kGreen:
            return frame::kAidGreen;
        case kOrange:
            return frame::kAidOrange;
        case kPurple:
            return frame::kAidPurple;
        default:
            return frame::kAidNone;
    }
}

int DivRoundEven(int a, int b) {
    if (b == 0) return 0;
    if (b < 0) {
        a = -a;
        b = -b;
    }
    int q = a / b;
    int r = a % b;
    if (r < 0) {
        --q;
        r += b;
    }
    if (2 * r > b || (2 * r == b && q % 2 != 0)) ++q;
    return q;
}

CellColours ColoursOf(int32_t colour) {
    switch (colour) {
        case kYellow:
        case kYellowTransparent:
            return {QColor(227, 227, 0), QColor(255, 255, 83), QColor(151, 151, 0)};
        case kBlue:
        case kBlueTransparent:
            return {QColor(69, 65, 250), QColor(84, 128, 228), QColor(12, 5, 97)};
        case kRed:
        case kRedTransparent:
            return {QColor(171, 16, 39), QColor(208, 0, 0), QColor(106, 0, 0)};
        case kGreen:
            return {QColor(0, 120, 0), QColor(0, 179, 0), QColor(0, 64, 0)};
        case kOrange:
            return {QColor(255, 128, 0), QColor(255, 165, 174), QColor(200, 100, 0)};
        case kPurple:
            return {QColor(181, 74, 154), QColor(219, 0, 219), QColor(85, 0, 85)};
        default:
            return {QColor(), QColor(), QColor()};
    }
}

Layout ComputeLayout(int scaleWidth, int scaleHeight, int statusWidth, int captionWidth, int captionHeight) {
    Layout l;
    l.scaleWidth = scaleWidth;
    l.scaleHeight = scaleHeight;
    l.statusWidth = statusWidth;
    const double h = std::max(scaleHeight - 14 - captionHeight - 30, 1);
    const double w = std::max(scaleWidth - 14 - statusWidth, 1);
    const double pitWidth = h * 8 / 18 > w ? w : h * 8 / 18;
    l.cellSize = static_cast<int>(pitWidth / 8);
    l.pitWidth = kColumns * l.cellSize;
    l.pitHeight = kRows * l.cellSize;
    l.statusHeight = l.pitHeight;
    l.pitTop = 30;
    l.pitLeft = DivRoundEven(scaleWidth - l.pitWidth - statusWidth, 2);
    l.statusLeft = l.pitLeft + l.pitWidth;
    const int captionLeft = DivRoundEven(scaleWidth - captionWidth, 2);
    l.captionLeft = captionLeft > 7 ? captionLeft : 7;
    l.captionTop = scaleHeight - 7 - captionHeight;
    return l;
}

void DrawWindowBackground(frame::Canvas& window, const Layout& lay) {
    const int L = lay.pitLeft, T = lay.pitTop, W = lay.pitWidth, H = lay.pitHeight, SW = lay.statusWidth;
    const int scaleWidth = lay.scaleWidth, scaleHeight = lay.scaleHeight;
    const int R = L + W + SW;
    // Left margin, darkening towards the pit. Without room to shade (L <= 2) the one column is dark.
    for (int x = 0; x <= L - 2; ++x) {
        const double t = L - 2 > 0 ? static_cast<double>(x) / (L - 2) : 1.0;
        window.FilledBox(x, T - 7, x + 1, T + H + 7, Grey(96 - t * 48));
    }
    // Right margin, brightening towards the window edge.
    for (int x = R; x <= scaleWidth; ++x) {
        const double t = scaleWidth - R > 0 ? static_cast<double>(x - R) / (scaleWidth - R) : 0.0;
        window.FilledBox(x, T - 7, x + 1, T + H + 7, Grey(t * 48 + 48));
    }
    window.Line(R + 1, T, R + 1, T + H + 2, kFrameLine);
    // Top and bottom bands narrow towards the pit like the sides of a picture frame.
    const double a = (L - 2) / 7.0;
    const double b = (scaleWidth - W - SW - L) / 7.0;
    auto band = [&](int firstY, int step) {
        double x1 = 0, x2 = scaleWidth;
        int g = 96;
        for (int n = 0; n <= 7; ++n) {
            const int y = firstY + n * step;
            window.Line(static_cast<int>(std::lround(x1)), y, static_cast<int>(std::lround(x2)), y, Grey(g));
            x1 += a;
            x2 -= b;
            g -= 8;
        }
    };
    band(T - 7, 1);
    if (T - 8 >= 0) window.FilledBox(0, 0, scaleWidth, T - 8, Grey(96));
    band(T + H + 7, -1);
    window.FilledBox(0, T + H + 8, scaleWidth, std::max(scaleHeight, T + H + 8), Grey(96));
    window.Line(L, T + H, L + W + SW, T + H, kFrameLine);
}

void DrawCell(frame::Canvas& surface, int x, int y, int32_t colour, int size, const QColor& background,
              int ox, int oy) {
    const int l = (x - 1) * size + ox, t = (y - 1) * size + oy;
    const int r = x * size + ox, b = y * size + oy;
    const CellColours c = ColoursOf(colour);
    surface.SetForeColor(background);
    surface.SetFillStyle(frame::FillStyle::Solid);
    const bool transparent =
        colour == kYellowTransparent || colour == kBlueTransparent || colour == kRedTransparent;
    if (colour == kNoColour || !c.fill.isValid()) {
        surface.SetFillColor(background);
        surface.Box(l, t, r, b);
        return;
    }
    if (transparent) {
        // Cleared to the background, with nested outlines in the piece colour, so what lies behind shows.
        surface.SetFillColor(background);
        surface.Box(l, t, r, b);
        surface.SetForeColor(c.fill);
        DrawTransparent(surface, l + 1, t + 1, size - 2, 3, 1);
    } else {
        surface.SetFillColor(c.fill);
        surface.Box(l, t, r, b);
    }
    // The marks cover the inside of the bevel; on a transparent part they are light, as its ground is
    // the dark surface.
    if (g_colourAid && size > 3)
        frame::DrawAidMarksOnDevice(surface, QRect(l + 2, t + 2, size - 3, size - 3), size,
                                    AidMarksOf(colour),
                                    frame::AidTone(c.fill, transparent ? background : c.fill));
    DrawBevel(surface, l, t, r, b, colour);
}

void DrawBevel(frame::Canvas& surface, int l, int t, int r, int b, int32_t colour) {
    const CellColours c = ColoursOf(colour);
    if (!c.light.isValid()) return;
    surface.Line(l + 1, t + 1, r - 1, t + 1, c.light);
    surface.Line(l + 1, t + 1, l + 1, b - 1, c.light);
    surface.Line(l + 1, b - 1, r, b - 1, c.dark);
    surface.Line(r - 1, t + 1, r - 1, b - 1, c.dark);
}

void DrawTransparent(frame::Canvas& surface, int startX, int startY, int size, int step, int thickness) {
    (void)thickness;
    if (step < 1) return;
    const frame::FillStyle style = surface.GetFillStyle();
    // Outlines only: the inside keeps what the outer squares left.
    surface.SetFillStyle(frame::FillStyle::Transparent);
    const int half = DivRoundEven(size, 2);
    for (int f = 0; f <= half; f += step)
        surface.Box(startX + f, startY + f, startX + size - f, startY + size - f);
    surface.SetFillStyle(style);
}

void EraseRowBar(frame::Canvas& pit, int y, int cellSize) {
    pit.FilledBox(0, (y - 1) * cellSize, kColumns * cellSize, y * cellSize, kPitBackground);
}

void PaintNextBlock(frame::Canvas& status, const Matrix& next, int32_t colour, int entryRow, int cellSize,
                    int nextHeadBottom, int scoreHeadTop) {
    const int d = std::min(cellSize, kPreviewMaxCell);
    const int width = status.Width();
    int ox = DivRoundEven(width - 3 * d, 2);
    const int oy = nextHeadBottom + 7;
    auto columnEmpty = [&](int i) { return next[i][1] == 0 && next[i][2] == 0 && next[i][3] == 0; };
    // A piece with one empty side column is shifted half a cell, so it stands in the middle.
    if (columnEmpty(1) && !columnEmpty(3)) ox -= DivRoundEven(d, 2);
    if (columnEmpty(3) && !columnEmpty(1)) ox += DivRoundEven(d, 2);
    status.SetForeColor(kStatusBackground);
    status.SetFillColor(kStatusBackground);
    status.SetFillStyle(frame::FillStyle::Solid);
    status.Box(0, oy, width, scoreHeadTop);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            if (next[i][j] == kSolid)
                DrawCell(status, i, j + entryRow - 2, colour, d, kStatusBackground, ox, oy);
            if (next[i][j] == kTransparent)
                DrawCell(status, i, j + entryRow - 2, colour + 1, d, kStatusBackground, ox, oy);
        }
    }
}

}  // namespace vantorel
