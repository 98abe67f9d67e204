// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QString>
#include <functional>

#include "frame/program.h"
#include "frame/settingsstore.h"
#include "scores/formtopten.h"
#include "scores/highscoretable.h"

namespace scores {

// What the main window lends the high-score controller. Every member may be left empty.
struct HighScoreHooks {
    // Current list: Zephlon's GameMode (0 Original, 1 Puzzle); the others have only list 0.
    std::function<int()> currentList;
    // Shows the best score in the window's LabelHiScore.
    std::function<void(int32_t)> showBestScore;
    // Yes/No question; true for Yes. Empty: a message box over the dialog or the main window.
    std::function<bool(const QString& question)> askYesNo;
    // Current local date and time. Empty: the system clock.
    std::function<QDateTime()> now;
    // "Upload" with no entry waiting (Zephlon): ask for the address and upload the current list's top 3.
    std::function<void()> uploadTop3;
    // Offer to upload one just-named entry (position of the current list): ask for the address and,
    // if confirmed, upload it. Called by Zephlon's "Upload" with an entry waiting, and by Quadrelle
    // after a name is committed when autoUploadWanted() says so.
    std::function<void(int16_t position)> uploadEntry;
    // Quadrelle: AutoUpload is on and the embedded browser is available.
    std::function<bool()> autoUploadWanted;
    // The player has named the waiting entry in the dialog (not a commit on the way out or before a new
    // game).
    std::function<void()> nameEntered;
};

// The local high scores of one program: the table, the top-ten dialog and the name entry.
// The main window owns one and calls it from its game-over timer, new game, close and menus.
class HighScores {
    Q_DECLARE_TR_FUNCTIONS(scores::HighScores)

  public:
    HighScores(frame::Program program, QWidget* mainWindow);
    ~HighScores();

    HighScores(const HighScores&) = delete;
    HighScores& operator=(const HighScores&) = delete;

    HighScoreHooks hooks;

    HighScoreTable& Table() { return m_table; }
    const HighScoreTable& Table() const { return m_table; }
    FormTopTen& Dialog() { return *m_dialog; }
    int CurrentList() const;

    // Start-up step after the options: loads the records and shows the best score.
    void Load(const frame::SettingsStore& store);
    // Close step: commits a name still being typed, merges what another copy of the program saved
    // meanwhile, and writes every record. The store's Flush should follow at once (see
    // SettingsStore::Refresh).
    void Save(frame::SettingsStore& store);

    // Position of the entry waiting for its name (0: none). Setting 0 forgets the waiting entry.
    int16_t CurrentPosition() const { return m_table.PendingPosition(); }
    void SetCurrentPosition(int16_t position);
    int32_t BestScore() const { return m_table.BestScore(CurrentList()); }

    // Offers a finished game to the current list; returns the position entered or 0.
    int16_t SaveScore(int32_t score, int16_t startLevel, int16_t endLevel);
    // Game-over step: SaveScore, refresh LabelHiScore, and start the name entry when the score entered.
    int16_t OfferScore(int32_t score, int16_t startLevel, int16_t endLevel);
    // A finished game's score, offered by the window's session: with `askName` as OfferScore (a score of 0
    // only refreshes LabelHiScore), without it entered quietly while the window closes. Returns true when a
    // name entry opened.
    bool OfferFinishedGame(int32_t score, int16_t startLevel, int16_t endLevel, bool askName);

    // Fills the dialog with a list (Zephlon: -1 current mode, 0 Original, 1 Puzzle) and shows it,
    // or only refreshes it when already open.
    void ShowTopTen(int mode = -1);
    // Lays the name field over the waiting entry's row and shows the dialog.
    void InputName();
    // Commits the typed name to the waiting entry. `ask` (Zephlon's "Upload") offers to upload it.
    void SaveName(bool ask = false);
    // Commits the typed name and offers nothing: the window is closing.
    void CommitOnClose();
    // Resets the current list (Zephlon also refreshes LabelHiScore).
    void ClearAllScores();
    // Quadrelle's "&Clear Highscores" menu command.
    void ClearHighscores();

    // Dialog events, public so a window or test can drive them as the player would.
    void Command1_Click();  // "OK"
    void Command2_Click();  // "Clear List"
    void Command3_Click();  // "Upload"
    void Form_Enter();      // Enter pressed in the dialog
    void Form_Dismissed();  // closed by the window's close control or Escape

    bool IsShowing() const;

  private:
    // What follows a committed name: nothing, Quadrelle's automatic offer (when wanted), or the offer
    // the player asked for with "Upload".
    enum class UploadOffer { None, Automatic, Asked };
    void commitName(UploadOffer offer);
    // A commit the player made in the dialog: a new game that waited for the name may start.
    void playerCommit(UploadOffer offer);
    bool Ask(const QString& question);
    void RefreshBestScore();

    HighScoreTable m_table;
    QPointer<QWidget> m_mainWindow;
    // Owned here; a QPointer because it is also a child of the main window.
    QPointer<FormTopTen> m_dialog;
    int m_shownList = 0;
};

}  // namespace scores
