// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/dialoglook.h"

#include "frame/placedialog.h"

#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>

#include <algorithm>

#include "dialogs/art.h"

namespace dialogs {

namespace {

ModalRunner& Runner() {
    static ModalRunner runner;
    return runner;
}

const QColor kTextColour(216, 216, 216);
const QColor kHeadingColour(255, 214, 120);

}  // namespace

void ApplyDialogLook(QWidget* window) {
    QPalette palette = window->palette();
    const QPixmap tile = Image256();
    QBrush background(kDialogBackground);
    if (!tile.isNull()) background.setTexture(tile);
    background.setColor(kDialogBackground);
    palette.setBrush(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, kTextColour);
    palette.setColor(QPalette::Text, kTextColour);
    palette.setColor(QPalette::Button, QColor(96, 96, 96));
    palette.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(80, 80, 80));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    palette.setColor(QPalette::Link, kHeadingColour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

void SetModalRunner(ModalRunner runner) {
    Runner() = std::move(runner);
}

int RunModal(QDialog* dialog) {
    if (Runner()) return Runner()(dialog);
    return dialog->exec();
}

int ShowModal(QDialog* dialog, QWidget* main) {
    dialog->adjustSize();
    frame::PlaceDialog(dialog, main);
    return RunModal(dialog);
}

QLabel* MakeHeading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kHeadingColour);
    label->setPalette(palette);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* MakeTextLine(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* MakeParagraph(const QString& text, int width, QWidget* parent) {
    auto* label = MakeTextLine(text, parent);
    label->setWordWrap(true);
    label->setFixedWidth(width);
    label->setFixedHeight(label->heightForWidth(width));
    return label;
}

}  // namespace dialogs
