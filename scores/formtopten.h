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
    QPushButton* Command1 = nullptr;  // "OK" (Zephlon only)
    QPushButton* Command2 = nullptr;  // "Clear List" (Zephlon only)
    QPushButton* Command3 = nullptr;  // "Upload" (Zephlon only)

    static QString GameModeText(int list);

  signals:
    // Enter or Return pressed anywhere in the dialog.
    void enterPressed();
    // Closed by the window's close control or Escape.
    void dismissed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void reject() override;

  private:
    void FocusNameField();
};

}  // namespace scores
