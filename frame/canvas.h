// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace frame {

enum class FillStyle { Transparent, Solid };

// A persistent drawing surface in logical pixels with the few operations the games draw with. Every
// operation reports the rectangle it touched through Touched(), so a widget can repaint only that.
class Canvas {
  public:
    virtual ~Canvas() = default;

    void SetForeColor(const QColor& c) { m_fore = c; }
    void SetFillColor(const QColor& c) { m_fill = c; }
    void SetFillStyle(FillStyle s) { m_fillStyle = s; }
    void SetBackColor(const QColor& c) { m_back = c; }
    QColor ForeColor() const { return m_fore; }
    QColor FillColor() const { return m_fill; }
    FillStyle GetFillStyle() const { return m_fillStyle; }
    QColor BackColor() const { return m_back; }

    // A one-pixel line in the fore colour from (x1, y1) up to, but not including, (x2, y2).
    void Line(int x1, int y1, int x2, int y2);
    void Line(int x1, int y1, int x2, int y2, const QColor& colour);
    // Outline of the box with corners (x1, y1) and (x2, y2), both included, in the fore colour;
    // its inside takes the fill colour when the fill style is solid.
    void Box(int x1, int y1, int x2, int y2);
    // The box with corners (x1, y1) and (x2, y2), both included, filled in one colour.
    void FilledBox(int x1, int y1, int x2, int y2, const QColor& colour);
    // One pixel.
    void SetPixel(int x, int y, const QColor& colour);
    // Draws an image scaled into the rectangle.
    void DrawImage(const QRect& target, const QImage& image);
    // The whole surface in the back colour.
    void Clear();

    // Size in logical pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Colour of a logical pixel (tests and sprites).
    virtual QColor Pixel(int x, int y) const = 0;
    // Device pixels per logical pixel of what is behind the canvas; 1 where there is no finer grid.
    virtual qreal DevicePixelRatio() const { return 1.0; }

  protected:
    // Paints a rectangle of logical pixels; the rectangle is already clipped to the surface.
    virtual void FillRect(const QRect& r, const QColor& colour) = 0;
    virtual void PaintImage(const QRect& target, const QImage& image) = 0;
    virtual void Touched(const QRect& r) { (void)r; }
    // The device-pixel grid behind the canvas; without a finer grid it is the logical one.
    virtual void FillDeviceRect(const QRect& r, const QColor& colour) { FillRect(r, colour); }
    virtual QColor DevicePixel(int x, int y) const { return Pixel(x, y); }

  private:
    friend class DeviceCanvas;
    void Fill(const QRect& r, const QColor& colour);

    QColor m_fore = Qt::black;
    QColor m_fill = Qt::black;
    QColor m_back = Qt::black;
    FillStyle m_fillStyle = FillStyle::Transparent;
};

// A canvas held in an image whose pixel density follows a device pixel ratio, so drawing stays crisp.
class ImageCanvas : public Canvas {
  public:
    explicit ImageCanvas(int width = 1, int height = 1, qreal devicePixelRatio = 1.0);

    // Resizes the surface; what was drawn stays where it was, new area takes the back colour.
    void Resize(int width, int height, qreal devicePixelRatio);

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    QColor Pixel(int x, int y) const override;
    const QImage& Image() const { return m_image; }
    qreal DevicePixelRatio() const override { return m_dpr; }

  protected:
    void FillRect(const QRect& r, const QColor& colour) override;
    void PaintImage(const QRect& target, const QImage& image) override;
    void FillDeviceRect(const QRect& r, const QColor& colour) override;
    QColor DevicePixel(int x, int y) const override;

  private:
    QImage m_image;
    int m_width = 1;
    int m_height = 1;
    qreal m_dpr = 1.0;
};

// The device pixels of another canvas, as a canvas of their own. Shapes whose measures follow their size
// (a pipe block's tracks and relief) are drawn through it at the screen's full density instead of being
// enlarged from logical pixels; at a ratio of 1 it draws exactly what the canvas itself would.
class DeviceCanvas : public Canvas {
  public:
    explicit DeviceCanvas(Canvas& logical) : m_logical(logical), m_dpr(logical.DevicePixelRatio()) {}

    // The device pixels that make up a rectangle of logical pixels; neighbouring rectangles tile exactly.
    QRect FromLogical(const QRect& r) const;

    int Width() const override;
    int Height() const override;
    QColor Pixel(int x, int y) const override { return m_logical.DevicePixel(x, y); }

  protected:
    void FillRect(const QRect& r, const QColor& colour) override { m_logical.FillDeviceRect(r, colour); }
    void PaintImage(const QRect& target, const QImage& image) override;
    void Touched(const QRect& r) override;

  private:
    Canvas& m_logical;
    qreal m_dpr;
};

}  // namespace frame
