// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "scores/highscoretable.h"

namespace scores {

// The top-ten dialog: one list of ten rows (name, score, start level, end level) and the name field
// laid over the name cell of a new entry. It only shows what it is given and forwards the player's
// actions; the HighScores controller decides what they do.
class FormTopTen : public QDialog {
    Q_OBJECT
  public:
    FormTopTen(const ScorePolicy& policy, QWidget* parent = nullptr);

    // Rows of positions 1..10 of a list; `list` picks the LabelGameMode text (Zephlon).
    void ShowList(const HighScoreTable& table, int list);
    // Name cell of `position` (1..10).
    void ShowName(int position, const QString& name);
    // Lays TextInput over the name cell of `position` (1..10), empties it and shows it.
    void OpenNameField(int position);
    // Hides the name field and empties it, so no later entry can take an earlier player's name.
    void CloseNameField();
    // The name field is laid over a row and takes the player's typing.
    bool NameFieldOpen() const;
    // Puts the dialog's left edge centred over the main window and its top level with the top of the
    // main window's client area.
    void PlaceOver(const QWidget* mainWindow);

    // Which rows' records have a replay to watch. The chosen row stays chosen while it has one; otherwise
    // the best row with one is chosen.
    void SetWatchable(const std::array<bool, kListSize>& watchable);
    // The chosen row (1..10), 0 when none is.
    int ChosenPosition() const { return m_chosen; }
    // Chooses a row (a click on it, or Up and Down); 0 chooses none.
    void ChoosePosition(int position);
    // A row's replay can be watched now: it has one and no name is being typed.
    bool CanWatch(int position) const;

    QLabel* LabelGameMode = nullptr;  // Zephlon only
    QLabel* LabeNameHead = nullptr;
    QLabel* LabelScoreHead = nullptr;
    QLabel* LabelStartLevelHead = nullptr;
    QLabel* LabelEndLevelHead = nullptr;
    std::array<QLabel*, kListSize> LabelName{};
    std::array<QLabel*, kListSize> LabelScore{};
    std::array<QLabel*, kListSize> LabelStartLevel{};
    std::array<QLabel*, kListSize> LabelEndLevel{};
    QLineEdit* TextInput = nullptr;
    QPushButton* Command1 = nullptr;      // "OK" (Zephlon only)
    QPushButton* Command2 = nullptr;      // "Clear List" (Zephlon only)
    QPushButton* Command3 = nullptr;      // "Upload" (Zephlon only)
    QPushButton* CommandWatch = nullptr;  // "&Watch": plays the chosen record's replay (every program)

    static QString GameModeText(int list);

  signals:
    // Enter or Return pressed anywhere in the dialog.
    void enterPressed();
    // Closed by the window's close control or Escape.
    void dismissed();
    // "&Watch" or a double-click on a row whose record has a replay.
    void watchRequested(int position);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    void FocusNameField();
    // The row (1..10) a label belongs to, 0 for none.
    int RowOf(const QObject* label) const;
    void ShowChoice();

    std::array<bool, kListSize> m_watchable{};
    int m_chosen = 0;
    bool m_dark = false;
};

}  // namespace scores
