// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "frame/program.h"

namespace dialogs {

// Quadrelle's and Vantorel's instructions: every text on one page, closed with the window's close
// control (or Escape); there are no buttons.
class FormInstructions : public QDialog {
    Q_OBJECT
  public:
    explicit FormInstructions(frame::Program program, QWidget* parent = nullptr);

  private:
    void AddHeading(const QString& text);
    void AddLine(const QString& text);
    void AddParagraph(const QString& text);
    void AddKeyLines();
};

// The instructions command of Quadrelle and Vantorel: the main window's instructions (loaded on first
// use) run modally, placed over the main window.
void ShowInstructions(frame::Program program, QWidget* mainWindow);

}  // namespace dialogs
