// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/drawsurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace frame {

DrawSurface::DrawSurface(QWidget* parent) : QWidget(parent), ImageCanvas(1, 1, 1.0) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DrawSurface::SetSurfaceSize(int width, int height) {
    resize(std::max(width, 1), std::max(height, 1));
    Resize(width, height, devicePixelRatioF());
}

void DrawSurface::SetVeiled(bool veiled) {
    if (veiled == m_veiled) return;
    m_veiled = veiled;
    update();
}

void DrawSurface::Touched(const QRect& r) {
    update(r);
}

void DrawSurface::paintEvent(QPaintEvent* event) {
    // Moved to a screen of another density: follow it (the games redraw on the resize that comes with it).
    if (devicePixelRatioF() != DevicePixelRatio()) Resize(width(), height(), devicePixelRatioF());
    QPainter p(this);
    const QRect r = event->rect();
    if (m_veiled) {
        p.fillRect(r, BackColor());
        return;
    }
    const qreal dpr = DevicePixelRatio();
    const QRectF source(r.left() * dpr, r.top() * dpr, r.width() * dpr, r.height() * dpr);
    p.drawImage(QRectF(r), Image(), source);
}

void DrawSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Resize(width(), height(), devicePixelRatioF());
}

void DrawSurface::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event);
}
void DrawSurface::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event);
}
void DrawSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    emit mouseDoubleClicked(event);
}

}  // namespace frame
