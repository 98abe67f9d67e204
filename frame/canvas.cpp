// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/canvas.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace frame {

namespace {

// The rectangle with both corners included, whichever order they come in.
QRect corners(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// The device pixels covering logical pixels: each logical edge lands on the device pixel below it, so
// neighbouring rectangles meet without gap or overlap at any ratio.
QRect DeviceRect(const QRect& r, qreal dpr) {
    const int left = static_cast<int>(std::floor(r.left() * dpr));
    const int top = static_cast<int>(std::floor(r.top() * dpr));
    const int right = static_cast<int>(std::floor((r.right() + 1) * dpr));
    const int bottom = static_cast<int>(std::floor((r.bottom() + 1) * dpr));
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

void Canvas::Fill(const QRect& r, const QColor& colour) {
    const QRect clipped = r.intersected(QRect(0, 0, Width(), Height()));
    if (clipped.isEmpty()) return;
    FillRect(clipped, colour);
    Touched(clipped);
}

void Canvas::Line(int x1, int y1, int x2, int y2) {
    Line(x1, y1, x2, y2, m_fore);
}

void Canvas::Line(int x1, int y1, int x2, int y2, const QColor& colour) {
    if (x1 == x2 && y1 == y2) return;  // the end point is never painted
    if (y1 == y2) {
        const int from = x1 < x2 ? x1 : x2 + 1;
        const int to = x1 < x2 ? x2 - 1 : x1;
        Fill(QRect(QPoint(from, y1), QPoint(to, y1)), colour);
        return;
    }
    if (x1 == x2) {
        const int from = y1 < y2 ? y1 : y2 + 1;
        const int to = y1 < y2 ? y2 - 1 : y1;
        Fill(QRect(QPoint(x1, from), QPoint(x1, to)), colour);
        return;
    }
    // Bresenham, stopping one pixel short of the end point.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    while (!(x == x2 && y == y2)) {
        Fill(QRect(x, y, 1, 1), colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::Box(int x1, int y1, int x2, int y2) {
    const QRect r = corners(x1, y1, x2, y2);
    if (m_fillStyle == FillStyle::Solid && r.width() > 2 && r.height() > 2) {
        Fill(r.adjusted(1, 1, -1, -1), m_fill);
    }
    Fill(QRect(r.left(), r.top(), r.width(), 1), m_fore);
    Fill(QRect(r.left(), r.bottom(), r.width(), 1), m_fore);
    Fill(QRect(r.left(), r.top(), 1, r.height()), m_fore);
    Fill(QRect(r.right(), r.top(), 1, r.height()), m_fore);
}

void Canvas::FilledBox(int x1, int y1, int x2, int y2, const QColor& colour) {
    Fill(corners(x1, y1, x2, y2), colour);
}

void Canvas::SetPixel(int x, int y, const QColor& colour) {
    Fill(QRect(x, y, 1, 1), colour);
}

void Canvas::DrawImage(const QRect& target, const QImage& image) {
    const QRect clipped = target.intersected(QRect(0, 0, Width(), Height()));
    if (clipped.isEmpty() || image.isNull()) return;
    PaintImage(target, image);
    Touched(clipped);
}

void Canvas::Clear() {
    Fill(QRect(0, 0, Width(), Height()), m_back);
}

ImageCanvas::ImageCanvas(int width, int height, qreal devicePixelRatio) {
    Resize(width, height, devicePixelRatio);
}

void ImageCanvas::Resize(int width, int height, qreal devicePixelRatio) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    devicePixelRatio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    if (width == m_width && height == m_height && devicePixelRatio == m_dpr && !m_image.isNull()) return;
    QImage next(static_cast<int>(std::ceil(width * devicePixelRatio)),
                static_cast<int>(std::ceil(height * devicePixelRatio)), QImage::Format_RGB32);
    next.setDevicePixelRatio(devicePixelRatio);
    next.fill(BackColor());
    if (!m_image.isNull()) {
        QPainter p(&next);
        p.drawImage(QPointF(0, 0), m_image);
    }
    m_image = std::move(next);
    m_width = width;
    m_height = height;
    m_dpr = devicePixelRatio;
}

QColor ImageCanvas::Pixel(int x, int y) const {
    const int px = static_cast<int>(x * m_dpr);
    const int py = static_cast<int>(y * m_dpr);
    if (!m_image.valid(px, py)) return QColor();
    return QColor::fromRgb(m_image.pixel(px, py));
}

void ImageCanvas::FillRect(const QRect& r, const QColor& colour) {
    // Whole device pixels per logical pixel, so edges stay sharp at fractional ratios too.
    FillDeviceRect(DeviceRect(r, m_dpr), colour);
}

void ImageCanvas::FillDeviceRect(const QRect& r, const QColor& colour) {
    const QRgb rgb = colour.rgb();
    const QRect c = r.intersected(m_image.rect());
    for (int y = c.top(); y <= c.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(line + c.left(), line + c.right() + 1, rgb);
    }
}

QColor ImageCanvas::DevicePixel(int x, int y) const {
    if (!m_image.valid(x, y)) return QColor();
    return QColor::fromRgb(m_image.pixel(x, y));
}

QRect DeviceCanvas::FromLogical(const QRect& r) const {
    return DeviceRect(r, m_dpr);
}

int DeviceCanvas::Width() const {
    return static_cast<int>(std::ceil(m_logical.Width() * m_dpr));
}

int DeviceCanvas::Height() const {
    return static_cast<int>(std::ceil(m_logical.Height() * m_dpr));
}

void DeviceCanvas::PaintImage(const QRect& target, const QImage& image) {
    const QRectF logical(target.x() / m_dpr, target.y() / m_dpr, target.width() / m_dpr,
                         target.height() / m_dpr);
    m_logical.PaintImage(logical.toAlignedRect(), image);
}

// Repaints the logical pixels that hold the touched device pixels.
void DeviceCanvas::Touched(const QRect& r) {
    const int left = static_cast<int>(std::floor(r.left() / m_dpr));
    const int top = static_cast<int>(std::floor(r.top() / m_dpr));
    const int right = static_cast<int>(std::ceil((r.right() + 1) / m_dpr));
    const int bottom = static_cast<int>(std::ceil((r.bottom() + 1) / m_dpr));
    const QRect logical = QRect(left, top, right - left, bottom - top)
                              .intersected(QRect(0, 0, m_logical.Width(), m_logical.Height()));
    if (!logical.isEmpty()) m_logical.Touched(logical);
}

void ImageCanvas::PaintImage(const QRect& target, const QImage& image) {
    QPainter p(&m_image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(target), image);
}

}  // namespace frame
