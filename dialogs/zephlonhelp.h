// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

#include <cstdint>

class QPushButton;
class QVBoxLayout;

namespace dialogs {

namespace zephlon {

// One of Zephlon's help pages. Each button records the reader's choice in m_iDir and hides the page;
// the page sequence is decided by ZephlonHelp after the modal page has closed.
class HelpPage : public QDialog {
    Q_OBJECT
  public:
    static constexpr int16_t kClosed = 0;
    static constexpr int16_t kNext = 1;
    static constexpr int16_t kPrev = -1;

    // 0 closed, 1 "Next" pressed, -1 "Prev" pressed.
    int16_t m_iDir = kClosed;

    QPushButton* Command1 = nullptr;  // "Prev"
    QPushButton* Command2 = nullptr;  // "Next"
    QPushButton* Command3 = nullptr;  // "Close"

  public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

  protected:
    // `hasPrev` / `hasNext`: whether the page has a neighbour in that direction; the button without one
    // is shown disabled, so it cannot close the help by surprise.
    HelpPage(const QString& caption, bool hasPrev, bool hasNext, QWidget* parent);
    // Adds the page's content above the buttons.
    QVBoxLayout* Content() const { return m_content; }
    void Finish();

    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void Choose(int16_t dir);
    QVBoxLayout* m_content = nullptr;
};

// "Game Play": the original and the puzzle game side by side.
class FormInstructions : public HelpPage {
    Q_OBJECT
  public:
    explicit FormInstructions(QWidget* parent = nullptr);
};

// "Key Control": each action with its key.
class FormKeyControl : public HelpPage {
    Q_OBJECT
  public:
    explicit FormKeyControl(QWidget* parent = nullptr);
};

// "Scoring": the points table and the note on web highscores.
class FormScoring : public HelpPage {
    Q_OBJECT
  public:
    explicit FormScoring(QWidget* parent = nullptr);
};

}  // namespace zephlon

// Zephlon's help: the three pages, loaded with the main window, and the page-turning table. The page
// operations are the main window's ShowInstructions, ShowKeyControl and ShowScoring.
class ZephlonHelp : public QObject {
    Q_OBJECT
  public:
    enum class Page { None, Instructions, KeyControl, Scoring };

    // The help lives as a child of the main window, which owns it and its pages.
    explicit ZephlonHelp(QWidget* mainWindow);
    ~ZephlonHelp() override;

    // The main window's help, loaded on first use.
    static ZephlonHelp& For(QWidget* mainWindow);

    void ShowInstructions();
    void ShowKeyControl();
    void ShowScoring();

    // The page that follows `page` when it closed with direction `dir` (Page::None ends the help).
    static Page NextPage(Page page, int16_t dir);

    zephlon::FormInstructions* Instructions() const { return m_instructions; }
    zephlon::FormKeyControl* KeyControl() const { return m_keyControl; }
    zephlon::FormScoring* Scoring() const { return m_scoring; }

  private:
    // Shows pages one after another until the reader closes one; a loop, so turning pages back and
    // forth never deepens the call stack.
    void Run(Page first);
    zephlon::HelpPage* Dialog(Page page) const;

    QWidget* m_main;
    // The pages are children of the main window; the pointers clear themselves if it goes first.
    QPointer<zephlon::FormInstructions> m_instructions;
    QPointer<zephlon::FormKeyControl> m_keyControl;
    QPointer<zephlon::FormScoring> m_scoring;
};

}  // namespace dialogs
