// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace frame {

// What assistive technology (a screen reader through AT-SPI) is told about the game windows. Everything goes
// through Qt's accessibility events; the game speaks nothing itself.

// Names a board, preview or panel and says what it shows.
void Describe(QWidget* widget, const QString& name, const QString& description);

// Makes a number label (score, level, rows) an accessible value: its name says what it counts, the number is
// its current value, and SetValue sends every change as a value change event.
void MakeAccessibleValue(QLabel* label, const QString& name);

// Shows text in a value label; a changed number is sent as a value change event. Returns the number shown
// before.
int SetValue(QLabel* label, const QString& text);

// Tells what just happened ("Game Over", a level reached, rows erased): the text becomes the description of
// source (the board, which has the keyboard focus) and a description change event is sent, also when the
// same text is told twice in a row.
void Announce(QWidget* source, const QString& text);

}  // namespace frame
