// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QPixmap;
class QWidget;

namespace frame {

// Fills a widget's background in `back` and draws its text in `text`: the programs' dark dialogs and panels.
void SetDarkBackground(QWidget* widget, const QColor& back, const QColor& text);

// Lays a picture as tiles over a widget's background colour; a null picture leaves the background as it is.
void SetBackgroundPicture(QWidget* widget, const QColor& back, const QPixmap& picture);

}  // namespace frame
