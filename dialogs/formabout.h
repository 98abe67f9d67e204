// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>

#include <cstdint>
#include <functional>

#include "frame/program.h"

class QPushButton;

namespace dialogs {

// Opens a document or link with the user's program: (document, bURL) -> the launcher's result code.
// The web part's StartDoc fills it; without one, links do nothing.
using DocOpener = std::function<int32_t(const QString& docName, bool bURL)>;

// A label that reports a left click; used for the about dialog's web address and e-mail address. Made a
// link, it is also reached with Tab, shows its focus and answers Enter and Space.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);
    void MakeKeyboardLink();
  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// The about dialog of each program: name, version, credits and where to find the studio.
class FormAbout : public QDialog {
    Q_OBJECT
  public:
    explicit FormAbout(frame::Program program, QWidget* parent = nullptr);

    // Shows the program's CurrentVersion in LabelVerNr (Vantorel keeps its fixed "ver 1.02").
    void SetVersion(const QString& version);
    void SetDocOpener(DocOpener opener) { m_opener = std::move(opener); }

    frame::Program ProgramShown() const { return m_program; }

    QLabel* LabelName = nullptr;
    QLabel* LabelVer = nullptr;        // "ver" (absent in Vantorel, whose version label carries it)
    QLabel* LabelVerNr = nullptr;      // the version
    ClickLabel* LabelBW = nullptr;     // the maker's web address
    ClickLabel* LabelEmail = nullptr;  // the maker's e-mail address
    QPushButton* Command1 = nullptr;   // "Close" (Zephlon only)

  public slots:
    // Opens the maker's web site (Zephlon and Quadrelle).
    void LabelBW_Click();
    // Opens a new e-mail to the shown address (Zephlon).
    void LabelEmail_Click();
    void Command1_Click();

  private:
    frame::Program m_program;
    DocOpener m_opener;
};

// The about command of a program: the main window's about dialog (loaded on first use) shows `version`,
// opens links through `opener`, and runs modally, placed over the main window.
void ShowAbout(frame::Program program, QWidget* mainWindow, const QString& version, DocOpener opener);

}  // namespace dialogs
