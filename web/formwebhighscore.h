// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QLineEdit;
class QPushButton;

namespace web::zephlon {

// Zephlon's "Score Server" dialog: edits the score-server address. OK and the window's close
// control both keep what the field holds.
class FormWebHighscore : public QDialog {
    Q_OBJECT
  public:
    // webServer is the main window's WebServer field; it must outlive the dialog.
    FormWebHighscore(QString& webServer, QWidget* mainWindow);

    QLabel* Label1;
    QLineEdit* TextWebServer;
    QPushButton* Command1;  // "OK"

    // The main window's background picture, drawn behind the controls.
    void SetPicture(const QPixmap& picture);

    // Shows the dialog modal over the main window with the current address.
    void ShowModal();

  public slots:
    void Command1_Click();
    void done(int result) override;

  private:
    void storeServer();
    QString& webServer_;
};

}  // namespace web::zephlon
