// SPDX-License-Identifier: GPL-3.0-or-later
#include "zephlon/renderer.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "frame/colouraid.h"
#include "zephlon/board.h"

namespace zephlon {

QFont StatusFont(qreal points) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    f.setPointSizeF(points);
    return f;
}

namespace {

struct Rgb {
    int r, g, b;
};

// [style - 1][shade - 1][scheme]
constexpr Rgb kShades[3][4][6] = {
    {
        {{0, 0, 198}, {0, 96, 0}, {75, 76, 6}, {117, 13, 121}, {91, 91, 91}, {128, 0, 0}},
        {{0, 74, 255}, {0, 144, 0}, {95, 96, 10}, {144, 27, 155}, {128, 128, 128}, {169, 13, 13}},
        {{0, 0, 132}, {0, 64, 0}, {54, 55, 3}, {87, 4, 88}, {66, 66, 66}, {90, 2, 2}},
        {{0, 0, 80}, {0, 48, 0}, {40, 40, 0}, {64, 0, 64}, {40, 40, 40}, {71, 5, 5}},
    },
    {
        {{0, 0, 120}, {0, 54, 0}, {47, 48, 0}, {71, 9, 73}, {55, 55, 55}, {80, 0, 0}},
        {{0, 44, 154}, {0, 78, 0}, {63, 74, 0}, {85, 19, 91}, {78, 78, 78}, {100, 10, 10}},
        {{0, 0, 80}, {0, 36, 0}, {29, 30, 0}, {53, 4, 54}, {41, 41, 41}, {56, 2, 2}},
        {{0, 0, 48}, {0, 30, 0}, {16, 16, 0}, {0, 30, 0}, {25, 25, 25}, {28, 2, 2}},
    },
    {
        {{0, 0, 72}, {0, 32, 0}, {27, 28, 0}, {42, 9, 43}, {26, 26, 26}, {50, 0, 0}},
        {{0, 26, 92}, {0, 46, 0}, {50, 52, 0}, {51, 14, 54}, {36, 36, 36}, {59, 9, 9}},
        {{0, 0, 48}, {0, 22, 0}, {3, 4, 0}, {34, 4, 34}, {20, 20, 20}, {36, 2, 2}},
        {{0, 0, 32}, {0, 18, 0}, {0, 0, 0}, {30, 0, 30}, {14, 14, 14}, {18, 2, 2}},
    },
};

bool g_colourAid = false;

// The marks' tone: the scheme's light shade, lighter still, so it stands out from the cell's dark fill
// but keeps the scheme's hue and does not read as a grey pipe.
QColor AidToneOf(int style, int scheme) {
    const QColor light = ShadeColour(style, 2, scheme);
    auto up = [](int c) { return c + (255 - c) * 35 / 100; };
    return QColor(up(light.red()), up(light.green()), up(light.blue()));
}

int RoundHalfUp(double v) {
    return static_cast<int>(std::lround(v));
}

// Draws in cell coordinates onto another canvas, clipped to a part of the cell.
class CellCanvas : public frame::Canvas {
  public:
    CellCanvas(frame::Canvas& target, int x0, int y0, int s, const QRect& clip)
        : m_target(target), m_x0(x0), m_y0(y0), m_s(s), m_clip(clip) {}
    int Width() const override { return m_s; }
    int Height() const override { return m_s; }
    QColor Pixel(int x, int y) const override { return m_target.Pixel(m_x0 + x, m_y0 + y); }

  protected:
    void FillRect(const QRect& r, const QColor& colour) override {
        const QRect c = r.intersected(m_clip);
        if (c.isEmpty()) return;
        m_target.FilledBox(m_x0 + c.left(), m_y0 + c.top(), m_x0 + c.right(), m_y0 + c.bottom(), colour);
    }
    void PaintImage(const QRect& target, const QImage& image) override {
        m_target.DrawImage(target.translated(m_x0, m_y0), image);
    }

  private:
    frame::Canvas& m_target;
    int m_x0, m_y0, m_s;
    QRect m_clip;
};

QColor LineColour(int line, int t) {
    const int n = RoundHalfUp((t - 2) / 2.0 - 1);
    if (line <= n) return kPipeLight;
    if (line == n + 1) return kPipeMid;
    if (line == n + 2) return kPipeDim;
    return kPipeDark;
}

// The stretch [from, to] along a track for a half.
void Stretch(int s, int half, int h, int& from, int& to) {
    from = 0;
    to = s - 1;
    if (half == 1) to = h - 1;
    if (half == 2) {
        from = h;
        to = std::min(2 * h - 1, s - 1);
    }
}

void PipeSection(frame::Canvas& c, int s, int bit, int half, int look, bool has2, bool has4) {
    const PipeGeometry g = GeometryFor(s);
    int from = 0, to = 0;
    Stretch(s, half, g.h, from, to);
    if (bit == kPipe2 || bit == kPipe4) {
        const int top = bit == kPipe2 ? g.m : s - g.m - g.t + 1;
        if (look == 2) {
            if (to - 1 >= from) c.FilledBox(from, top, to - 1, top + g.t - 2, kLaserRed);
            return;
        }
        for (int line = 0; line < g.t; ++line)
            c.FilledBox(from, top + line, to, top + line, LineColour(line, g.t));
        return;
    }
    const int left = bit == kPipe8 ? g.m : s - g.m - g.t;
    // Horizontal pipes pass over vertical ones: the vertical section leaves out their rows.
    std::vector<std::pair<int, int>> gaps;
    if (has2) gaps.emplace_back(g.m, g.m + g.t - 1);
    if (has4) gaps.emplace_back(s - g.m - g.t + 1, s - g.m);
    const int last = look == 2 ? to - 1 : to;
    int y = from;
    while (y <= last) {
        int segmentEnd = last;
        bool skipped = false;
        for (const auto& [g0, g1] : gaps) {
            if (y >= g0 && y <= g1) {
                y = g1 + 1;
                skipped = true;
                break;
            }
            if (g0 > y && g0 - 1 < segmentEnd) segmentEnd = g0 - 1;
        }
        if (skipped) continue;
        if (look == 2) {
            c.FilledBox(left, y, left + g.t - 2, segmentEnd, kLaserRed);
        } else {
            for (int line = 0; line < g.t; ++line)
                c.FilledBox(left + line, y, left + line, segmentEnd, LineColour(line, g.t));
        }
        y = segmentEnd + 1;
    }
}

QRect PartRect(int s, int part) {
    const int h = s / 2;
    switch (part) {
        case 1:
            return QRect(0, 0, h, h);
        case 2:
            return QRect(h, 0, s - h, h);
        case 4:
            return QRect(0, h, h, s - h);
        case 8:
            return QRect(h, h, s - h, s - h);
        default:
            return QRect(0, 0, s, s);
    }
}

// A cell's own device pixels: its tracks and relief are measured for the cell's size there, so a screen
// of twice the density shows twice the detail instead of the same lines twice as wide.
CellCanvas OnDevice(frame::DeviceCanvas& device, int x0, int y0, int s, int part) {
    const QRect box = device.FromLogical(QRect(x0, y0, s, s));
    const QRect clip = device.FromLogical(PartRect(s, part).translated(x0, y0)).translated(-box.topLeft());
    return CellCanvas(device, box.x(), box.y(), std::max(box.width(), box.height()),
                      clip.intersected(QRect(0, 0, box.width(), box.height())));
}

}  // namespace

QColor ShadeColour(int style, int shade, int scheme) {
    style = std::clamp(style, 1, 3);
    shade = std::clamp(shade, 1, 4);
    scheme = std::clamp(scheme, 0, 5);
    const Rgb& c = kShades[style - 1][shade - 1][scheme];
    return QColor(c.r, c.g, c.b);
}

void SetColourAid(bool on) {
    g_colourAid = on;
}

bool ColourAid() {
    return g_colourAid;
}

unsigned AidMarksOf(int scheme) {
    switch (scheme) {
        case kBlueberry:
            return frame::kAidRising;
        case kLime:
            return frame::kAidGreen;
        case kKiwi:
            return frame::kAidDots;
        case kPlum:
            return frame::kAidPurple;
        case kGreyScheme:
            return frame::kAidHorizontal;
        case kRedScheme:
            return frame::kAidFalling;
        default:
            return frame::kAidNone;
    }
}

int SchemeOf(int16_t value, int blockColour) {
    if (value & kBomb) return kRedScheme;
    if (value & kConcrete) return kGreyScheme;
    return std::clamp(blockColour, 1, 5) - 1;
}

PipeGeometry GeometryFor(int s) {
    PipeGeometry g;
    g.m = RoundHalfUp(s / 5.0);
    g.t = std::max(2, 2 * (RoundHalfUp(s / 7.0) / 2));
    g.h = RoundHalfUp(s / 2.0);
    g.b = std::max(1, RoundHalfUp(s / 10.0));
    return g;
}

void DrawPipe(frame::Canvas& canvas, int x0, int y0, int s, int bit, int half, int look, bool has2,
              bool has4) {
    frame::DeviceCanvas device(canvas);
    CellCanvas c = OnDevice(device, x0, y0, s, 16);
    PipeSection(c, c.Width(), bit, half, look, has2, has4);
}

void DrawCell(frame::Canvas& canvas, int x0, int y0, int logicalSize, int16_t value, int blockColour,
              int part, int style, int16_t marksFirst, int16_t marksSecond) {
    frame::DeviceCanvas device(canvas);
    CellCanvas c = OnDevice(device, x0, y0, logicalSize, part);
    const int s = c.Width();
    const int last = s - 1;
    if (value == 0) {
        c.FilledBox(0, 0, last, last, kEmptyCell);
        c.FilledBox(0, 0, last, 0, kEmptyCellEdge);
        c.FilledBox(0, 0, 0, last, kEmptyCellEdge);
        return;
    }
    const int scheme = SchemeOf(value, blockColour);
    const PipeGeometry g = GeometryFor(s);
    c.FilledBox(0, 0, last, last, ShadeColour(style, 4, scheme));
    // Relief: light bevel on the top and left, shadow on the bottom and right, a frame line inside.
    const QColor light = ShadeColour(style, 2, scheme);
    const QColor shadow = ShadeColour(style, 3, scheme);
    for (int i = 0; i < g.b && i < s / 2; ++i) {
        c.FilledBox(i, i, last - i, i, light);
        c.FilledBox(i, i, i, last - i, light);
        c.FilledBox(i + 1, last - i, last - i, last - i, shadow);
        c.FilledBox(last - i, i + 1, last - i, last - i, shadow);
    }
    if (g.b < s / 2 - 1) {
        const int in = g.b;
        const QColor frameColour = ShadeColour(style, 1, scheme);
        c.FilledBox(in, in, last - in, in, frameColour);
        c.FilledBox(in, in, in, last - in, frameColour);
        c.FilledBox(in, last - in, last - in, last - in, frameColour);
        c.FilledBox(last - in, in, last - in, last - in, frameColour);
    }
    // The marks fill the inside of the frame line; the pipes are drawn over them.
    const int inside = g.b < s / 2 - 1 ? g.b + 1 : g.b;
    if (g_colourAid && s - 2 * inside > 0)
        frame::DrawAidMarks(c, QRect(inside, inside, s - 2 * inside, s - 2 * inside), s, AidMarksOf(scheme),
                            AidToneOf(style, scheme));
    const bool has2 = value & kPipe2;
    const bool has4 = value & kPipe4;
    for (int16_t bit : {kPipe8, kPipe16, kPipe2, kPipe4}) {
        if (!(value & bit)) continue;
        PipeSection(c, s, bit, 1, (marksFirst & bit) ? 2 : 1, has2, has4);
        PipeSection(c, s, bit, 2, (marksSecond & bit) ? 2 : 1, has2, has4);
    }
}

Layout ComputeLayout(int innerWidth, int innerHeight, int statusBarWidth, int makerLineHeight) {
    const int availableHeight = std::max(1, innerHeight - 14 - makerLineHeight - 30);
    const int availableWidth = std::max(1, innerWidth - 14 - statusBarWidth);
    int width = 0;
    int height = 0;
    if (availableHeight * 7 / 10 > availableWidth) {
        width = availableWidth;
        height = width * 10 / 7;
    } else {
        height = availableHeight;
        width = height * 7 / 10;
    }
    (void)height;
    Layout layout;
    layout.cellSize = std::max(2, 2 * (width / 7 / 2));
    const int playWidth = kColumns * layout.cellSize;
    const int playHeight = kRows * layout.cellSize;
    const int left = (innerWidth - playWidth - statusBarWidth) / 2;
    layout.playArea = QRect(left, 30, playWidth, playHeight);
    layout.statusBar = QRect(left + playWidth, 30, statusBarWidth, playHeight);
    return layout;
}

}  // namespace zephlon
