// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/placedialog.h"

#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace frame {

void PlaceDialog(QWidget* dialog, const QWidget* mainWindow) {
    if (!dialog || !mainWindow) return;
    // A dialog that was never sized takes its layout's size now, so it is centred at its real width.
    if (!dialog->isVisible() && !dialog->testAttribute(Qt::WA_Resized)) dialog->adjustSize();
    const QRect outer = mainWindow->frameGeometry();
    int top = mainWindow->geometry().top();
    if (const auto* window = qobject_cast<const QMainWindow*>(mainWindow);
        window && window->menuWidget() && window->menuWidget()->isVisible()) {
        top += window->menuWidget()->height();
    }
    // Before its first show a dialog has no frame yet; allow for the same decorations as the main window's.
    const QSize size = dialog->isVisible() ? dialog->frameGeometry().size()
                                           : dialog->size() + (outer.size() - mainWindow->size());
    int left = outer.left() + (outer.width() - size.width()) / 2;
    if (const QScreen* screen = mainWindow->screen()) {
        const QRect area = screen->availableGeometry();
        left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
        top = std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
    }
    dialog->move(left, top);
}

}  // namespace frame
