// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "frame/gamerecording.h"
#include "frame/program.h"
#include "frame/settingsstore.h"
#include "scores/formtopten.h"
#include "scores/highscoretable.h"
#include "scores/replayfiles.h"

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
    // Plays a record's replay file in the main window ("&Watch" or a double-click on its row).
    std::function<void(const QString& path)> watch;
    // A replay file could not be written: tells the player why. Empty: a message box over the main window.
    std::function<void(const QString& message)> tellPlayer;
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
    // name entry opened. The game's recording, when there is one, stays with an entry it made until the
    // name is committed, and is then written as the record's replay.
    bool OfferFinishedGame(int32_t score, int16_t startLevel, int16_t endLevel, bool askName,
                           std::optional<frame::GameRecording> recording = std::nullopt);

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

    // The replay files of this program's records.
    const ReplayFiles& Replays() const { return m_replays; }
    // "&Watch" on a row (1..10) of the list shown: the dialog closes and the record's replay plays.
    void Watch(int position);

  private:
    // What follows a committed name: nothing, Quadrelle's automatic offer (when wanted), or the offer
    // the player asked for with "Upload".
    enum class UploadOffer { None, Automatic, Asked };
    // `closing`: the window closes, so nothing may be asked or shown (a failed replay write goes to standard
    // error).
    void commitName(UploadOffer offer, bool closing = false);
    // A commit the player made in the dialog: a new game that waited for the name may start.
    void playerCommit(UploadOffer offer);
    bool Ask(const QString& question);
    void RefreshBestScore();
    // Runs a change of the table, then removes the replay files of the records it pushed out.
    void ChangeTable(const std::function<void()>& change);
    // Marks the rows of the shown list whose records have a replay.
    void ShowWatchable();
    // Writes the waiting entry's recording as the replay of the record it became.
    void SaveReplay(int list, int16_t position, bool closing);

    HighScoreTable m_table;
    QPointer<QWidget> m_mainWindow;
    // Owned here; a QPointer because it is also a child of the main window.
    QPointer<FormTopTen> m_dialog;
    int m_shownList = 0;
    ReplayFiles m_replays;
    // The recording of the entry waiting for its name.
    std::optional<frame::GameRecording> m_pendingRecording;
};

}  // namespace scores
