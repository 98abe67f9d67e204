// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "frame/canvas.h"

namespace frame {

// A widget that keeps its drawing: operations paint into a back-buffer image at the screen's pixel
// density and repaint only the rectangle they touched; painting the widget only copies the image.
class DrawSurface : public QWidget, public ImageCanvas {
    Q_OBJECT
  public:
    explicit DrawSurface(QWidget* parent = nullptr);

    // Sets the surface's size in logical pixels; the back buffer follows.
    void SetSurfaceSize(int width, int height);
    // A veiled surface shows only its back colour (and its child widgets); its drawing is kept and comes
    // back when the veil is lifted. A pause hides the board this way.
    void SetVeiled(bool veiled);
    bool Veiled() const { return m_veiled; }

  signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseDoubleClicked(QMouseEvent* event);

  protected:
    void Touched(const QRect& r) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool m_veiled = false;
};

}  // namespace frame
