// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/darkpalette.h"

#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace frame {

void SetDarkBackground(QWidget* widget, const QColor& back, const QColor& text) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

void SetBackgroundPicture(QWidget* widget, const QColor& back, const QPixmap& picture) {
    if (picture.isNull()) return;
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, QBrush(back, picture));
    widget->setPalette(palette);
}

}  // namespace frame
