// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace web {

// "Web browser error": shown without blocking when a link could not be opened, so the player can copy
// it into a browser by hand.
class FormBrError : public QDialog {
    Q_OBJECT
  public:
    explicit FormBrError(QWidget* parent = nullptr);

    // The main window's dialog (created on first use), placed over it, showing link fully selected.
    // It takes input whichever dialog is open: while a modal one is, it is shown as that one's child,
    // and when that one goes (a question box answered and gone), it stays open, then the child of the
    // next modal dialog or of the main window.
    static FormBrError* ShowFor(QWidget* mainWindow, const QString& link);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLineEdit* TextURL;
    QPushButton* Command2;  // "Copy link"
    QPushButton* Command3;  // "Close"

  public slots:
    void Command2_Click();
    void Command3_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Makes owner the parent, keeping the dialog where it is and shown if it was.
    void moveTo(QWidget* owner);
    QPointer<QWidget> main_;
};

}  // namespace web
