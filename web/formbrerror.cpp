// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/formbrerror.h"
#include "frame/placedialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "web/startdoc.h"

namespace web {

FormBrError::FormBrError(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormBrError"));
    setWindowTitle(tr("Web browser error"));
    setWindowIcon(QIcon());
    setModal(false);

    auto label = [this](const QString& text, bool heading = false) {
        auto* l = new QLabel(text, this);
        if (heading) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        return l;
    };
    Label1 = label(tr("Could not launch the web browser."), true);
    Label6 = label(tr("SOLUTION 1"), true);
    Label7 = label(tr("1. Start the web browser (from the start menu)"));
    Label8 = label(tr("2. Return to the game (Press \"Close\") and try again"));
    Label5 = label(tr("ALTERNATIVE SOLUTION (IF SOLUTION 1 FAILED)"), true);
    Label2 = label(tr("1. Copy the link below onto the clipboard"));
    Label3 = label(tr("2. Start the web browser (from the start menu)"));
    Label4 = label(tr("3. Paste the copied text into the adress (url) field in the web browser"));
    TextURL = new QLineEdit(this);
    TextURL->setReadOnly(true);
    TextURL->setMinimumWidth(420);
    Command2 = new QPushButton(tr("Copy link"), this);
    Command3 = new QPushButton(tr("Close"), this);
    Command3->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w :
         {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label7),
          static_cast<QWidget*>(Label8), static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label2),
          static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4), static_cast<QWidget*>(TextURL)}) {
        layout->addWidget(w);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    layout->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, &FormBrError::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FormBrError::Command3_Click);
}

FormBrError* FormBrError::ShowFor(QWidget* mainWindow, const QString& link) {
    static QPointer<FormBrError> orphan;  // for links opened without a main window
    FormBrError* dialog = nullptr;
    if (mainWindow) {
        // Searched among all descendants: it may have been lent to one of the window's dialogs.
        dialog = mainWindow->findChild<FormBrError*>(QStringLiteral("FormBrError"));
        if (!dialog) dialog = new FormBrError(mainWindow);
    } else {
        if (!orphan) orphan = new FormBrError;
        dialog = orphan;
    }
    // An open modal dialog (the top ten, an about box) blocks every window but its own children, so
    // the copy dialog becomes its child while it is open; otherwise it belongs to the main window.
    dialog->main_ = mainWindow;
    QWidget* owner = mainWindow;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != dialog) owner = modal;
    dialog->moveTo(owner);
    dialog->TextURL->setText(link);
    dialog->TextURL->selectAll();
    frame::PlaceDialog(dialog, mainWindow);
    dialog->show();
    dialog->raise();
    return dialog;
}

void FormBrError::moveTo(QWidget* owner) {
    QWidget* from = parentWidget();
    if (from == owner) return;
    const bool shown = isVisible();
    const QPoint at = pos();
    if (from && from != main_) from->removeEventFilter(this);
    setParent(owner, windowFlags());
    if (owner && owner != main_) owner->installEventFilter(this);
    move(at);
    if (shown) show();
}

// A dialog lent to a modal one must not go with it: a question box is deleted once answered, and
// the link would be lost with it. By the time the owner is hidden it has left the modal stack, so
// the modal dialog now open, if any, is the one that blocks the rest.
bool FormBrError::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == parentWidget() && watched != main_) {
        QWidget* next = QApplication::activeModalWidget();
        if (!next || next == this || next == watched) next = main_;
        moveTo(next);
    }
    return QDialog::eventFilter(watched, event);
}

void FormBrError::Command2_Click() {
    QGuiApplication::clipboard()->setText(TextURL->text());
}

void FormBrError::Command3_Click() {
    hide();
}

void FormBrError::showEvent(QShowEvent* event) {
    TextURL->selectAll();
    QDialog::showEvent(event);
}

// Whenever the dialog is drawn the whole link is selected, ready to copy with the keyboard.
void FormBrError::paintEvent(QPaintEvent* event) {
    if (TextURL->selectedText() != TextURL->text()) TextURL->selectAll();
    QDialog::paintEvent(event);
}

}  // namespace web
