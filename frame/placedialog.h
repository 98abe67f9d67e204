// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace frame {

// Places a secondary dialog over the main window: centred across it, its top level with the top of the main
// window's client area (below the menu bar), and kept on the main window's screen.
void PlaceDialog(QWidget* dialog, const QWidget* mainWindow);

}  // namespace frame
