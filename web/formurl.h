// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "frame/program.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace web {

// The address prompt before an upload: the player's web or e-mail address in TextURL, an upload
// button (Command1) and a cancel button (Command2). Closing it any other way counts as cancel.
class UrlPrompt : public QDialog {
    Q_OBJECT
  public:
    QLabel* Label1;
    QLabel* Label2;
    // What of the address is published.
    QLabel* LabelPublished;
    QLineEdit* TextURL;
    QPushButton* Command1;
    QPushButton* Command2;

    // Label1 before a name is put in front of it.
    static QString PromptText();

  protected:
    UrlPrompt(frame::Program program, bool plural, QWidget* parent);
    frame::Program program_;
};

// Prompt for one record; in Quadrelle it also carries "Don't show this next time" (Check1).
class FormURL : public UrlPrompt {
    Q_OBJECT
  public:
    FormURL(frame::Program program, QWidget* parent);
    QCheckBox* Check1 = nullptr;
    bool m_bUpload = false;
};

// Prompt for several records.
class FormURL2 : public UrlPrompt {
    Q_OBJECT
  public:
    FormURL2(frame::Program program, QWidget* parent);
    bool m_iUpload = false;
};

// The main window's prompt dialogs, created on first use.
FormURL* FormURLOf(QWidget* mainWindow, frame::Program program);
FormURL2* FormURL2Of(QWidget* mainWindow, frame::Program program);

// Asks for the player's address: FormURL2 when bPlural, else FormURL naming the waiting entry.
// Whatever the field holds when the prompt closes becomes playerURL, also after a cancel, so a
// typed address is never lost. True when the player chose to upload.
bool InputURL(QWidget* mainWindow, frame::Program program, bool bPlural, const QString& waitingName,
              QString& playerURL);

}  // namespace web
