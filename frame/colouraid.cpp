// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/colouraid.h"

#include <algorithm>
#include <cmath>

namespace frame {

namespace {

int Mod(int a, int p) {
    const int r = a % p;
    return r < 0 ? r + p : r;
}

// Period, stripe width, dot size and dot offset for a cell of `scale` pixels. A dot sits in the middle
// of the diamond between a rising stripe and the next one, and away from the falling stripes, which run
// half a period off the dots' diagonal.
struct Geometry {
    int period;
    int stripe;
    int dot;
    int dotOffset;
};

Geometry GeometryFor(int scale) {
    Geometry g{};
    g.period = std::max(4, static_cast<int>(std::lround(scale / 4.0)));
    g.stripe = std::max(1, static_cast<int>(std::lround(scale / 24.0)));
    g.dot = std::max(1, static_cast<int>(std::lround(scale / 12.0)));
    g.dotOffset = std::max(0, static_cast<int>(std::lround(g.period / 4.0 - (g.dot - 1) / 2.0)));
    return g;
}

}  // namespace

bool AidPixel(unsigned marks, int x, int y, int scale) {
    if (marks == kAidNone) return false;
    const Geometry g = GeometryFor(scale);
    const int p = g.period;
    if ((marks & kAidRising) && Mod(x + y, p) < g.stripe) return true;
    if ((marks & kAidFalling) && Mod(x - y - p / 2, p) < g.stripe) return true;
    if ((marks & kAidHorizontal) && Mod(y, p) < g.stripe) return true;
    if ((marks & kAidVertical) && Mod(x, p) < g.stripe) return true;
    if (marks & kAidDots) {
        const int dx = Mod(x, p) - g.dotOffset, dy = Mod(y, p) - g.dotOffset;
        if (dx >= 0 && dx < g.dot && dy >= 0 && dy < g.dot) return true;
    }
    return false;
}

void DrawAidMarks(Canvas& canvas, const QRect& box, int scale, unsigned marks, const QColor& tone) {
    if (marks == kAidNone || box.isEmpty()) return;
    // One filled run per stretch of marked pixels in a row, rather than pixel by pixel.
    for (int y = 0; y < box.height(); ++y) {
        int x = 0;
        while (x < box.width()) {
            if (!AidPixel(marks, x, y, scale)) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < box.width() && AidPixel(marks, x, y, scale))
                ++x;
            canvas.FilledBox(box.left() + from, box.top() + y, box.left() + x - 1, box.top() + y, tone);
        }
    }
}

void DrawAidMarksOnDevice(Canvas& canvas, const QRect& logicalBox, int logicalScale, unsigned marks,
                          const QColor& tone) {
    DeviceCanvas device(canvas);
    const int scale = static_cast<int>(std::lround(logicalScale * canvas.DevicePixelRatio()));
    DrawAidMarks(device, device.FromLogical(logicalBox), scale, marks, tone);
}

QColor AidTone(const QColor& colour, const QColor& behind) {
    const double luminance = 0.2126 * behind.red() + 0.7152 * behind.green() + 0.0722 * behind.blue();
    auto channel = [&](int c) {
        const double v = luminance < 128 ? c + (255 - c) * 0.6 : c * 0.3;
        return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
    };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

}  // namespace frame
