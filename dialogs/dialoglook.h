// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <functional>

class QDialog;
class QLabel;
class QWidget;

namespace dialogs {

// Grey of the dialogs' background.
inline constexpr QColor kDialogBackground(72, 72, 72);

// Gives a window the dialogs' look: the grey background laid with the Image256 tile, light text and
// grey buttons.
void ApplyDialogLook(QWidget* window);

// Runs a dialog modally and returns its result. Tests install a runner that answers the dialog without
// an event loop; an empty runner restores QDialog::exec.
using ModalRunner = std::function<int(QDialog*)>;
void SetModalRunner(ModalRunner runner);
int RunModal(QDialog* dialog);

// Places the dialog over the main window and runs it modally.
int ShowModal(QDialog* dialog, QWidget* main);

// Label factories shared by the information dialogs. `objectName` names the control.
QLabel* MakeHeading(const QString& text, QWidget* parent);
QLabel* MakeTextLine(const QString& text, QWidget* parent);
QLabel* MakeParagraph(const QString& text, int width, QWidget* parent);

}  // namespace dialogs
