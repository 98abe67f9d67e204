// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "frame/options.h"
#include "frame/program.h"
#include "frame/settingsstore.h"

class QAction;
class QMainWindow;
class QTimer;

namespace frame {

class ShutdownRequests;
class SoundCues;

// What a game window lends its session: the game's own work at the points of the life cycle.
class SessionHost {
  public:
    virtual ~SessionHost() = default;
    // One step of the game on a clock tick.
    virtual void Tick() = 0;
    // Offers the finished game's score to the local table. With `askName` a score that enters the table opens
    // the name entry, and the result says whether it did; without, the score enters quietly (the window is
    // closing).
    virtual bool OfferFinishedScore(bool askName) = 0;
    // Commits a high-score name still being typed, as the window closes: nothing may be asked then (no upload
    // offer), since a signal or a logout must be able to end the program unattended.
    virtual void CommitNameOnClose() = 0;
    // Writes the options and the high-score table; the session writes the window size after them.
    virtual void WriteSettings(SettingsStore& store) = 0;
    // Hides the program's dialogs as the window closes.
    virtual void HideDialogs() {}
};

// Where the programs' windows differ in their life cycle.
struct SessionRules {
    // The finished score is offered this long after "Game Over"; 0 offers it at once, inside the tick.
    int gameOverDelayMs = 1000;
    // A message box over the main window leaves it the active window, so the game runs on under the box.
    bool messageBoxKeepsActive = false;
    // No audio output: sound is forced off and the sound entry disabled.
    bool needsOutputDevice = true;

    static SessionRules Of(Program program);
};

// The life cycle that the three main windows share: the game clock and its guard, the second between
// "Game Over" and the offer of the score, the size the window opens at, and the close sequence. A window owns
// one; it keeps only what its program does differently.
class GameSession : public QObject {
    Q_OBJECT
  public:
    enum class CloseReason {
        Player,      // the window's close control or the Exit command
        Signal,      // SIGTERM, SIGINT or SIGHUP
        SessionEnd,  // the desktop session asks its programs to save
        Destroyed,   // the window is deleted without being closed
    };

    // Reads the program's store from the user's configuration folder unless one is given.
    GameSession(QMainWindow& window, SessionHost& host, Program program,
                std::unique_ptr<SettingsStore> store = nullptr);
    ~GameSession() override;

    Program program() const { return m_program; }
    const SessionRules& Rules() const { return m_rules; }
    SettingsStore& Store() { return *m_store; }

    // ---- Game clock ("Timer1") ----
    QTimer* Clock() const { return m_clock; }
    // (Re)starts the clock with an interval in milliseconds.
    void StartClock(int intervalMs);
    void StopClock();
    // The interval for the next start; a running clock keeps running at the new interval.
    void SetClockInterval(int intervalMs);
    bool ClockRunning() const;
    // A tick advances the game only while the main window is the active window (a dialog in front freezes
    // it), and never while another tick's step is still running.
    void ClockTick();
    bool WindowActive() const;

    // ---- Game over ----
    // The game has ended: the score is offered after the delay of the rules (at once without one).
    void GameOver();
    bool GameOverPending() const;
    QTimer* GameOverTimer() const { return m_gameOverTimer; }
    // The one-shot after "Game Over" fired: the score is offered.
    void TimerGameOver_Timer();
    // Offers a score still waiting for its second now, so a new game or a close cannot lose it. Returns true
    // when a name entry opened: the new game then waits for the name.
    bool SettleGameOver();

    // ---- Window size ----
    // Opens maximised when stored so; otherwise at the stored size (twips; 0 keeps the design size), fitted
    // to the screen's available area and never below the window's minimum size, and centred.
    void RestoreWindow(const Options& options, QSize designSize);
    // A wanted size fitted into `available`, never below `minimum`.
    static QSize FittedSize(QSize wanted, QSize minimum, QSize available);
    // The client area for a window of the wanted client size whose frame (title bar, borders) is `frame`:
    // the whole framed window fits into `available` (unless the minimum forbids it) and is centred there.
    static QRect PlacedClientArea(QSize wanted, QSize minimum, QRect available, QMargins frame);

    // ---- Sound ----
    // Whether sound can be on: false when the program needs an audio output and the system has none.
    bool SoundAvailable() const;
    // Start-up: sound on as stored, unless it cannot be; then it is off for the whole run and the sound entry
    // is disabled. The entry's check mark follows.
    void SetUpSound(SoundCues& cues, QAction* entry, bool stored);
    // The "&Sound" entry: sound on := not sound on; the check mark follows.
    void ToggleSound(SoundCues& cues, QAction* entry);

    // ---- Close ----
    // Runs once: stops the clock, then saves (below). Returns whether the file was written.
    bool Close(CloseReason reason);
    bool Closed() const { return m_closed; }
    // Enters a score still waiting for its second, commits a typed name, writes the options, the table and
    // the window size. A save that fails is told: a message box when the player closed the window, a line on
    // standard error when a signal or the end of the desktop session did, so nothing holds up a logout.
    // Nothing of the program's state is lost: a later save can still succeed.
    bool Save(CloseReason reason);

    // The window size the close writes; empty: the window's size now. (Full screen keeps the size from
    // before it.)
    std::function<QSize()> sizeToKeep;
    // How a failed save is told when the player closed the window; tests replace it.
    std::function<void(const QString& message)> tellPlayer;
    // How the program ends after a signal closed its window; tests replace it.
    std::function<void()> endProgram;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShutdownRequested(int reason);

    QMainWindow& m_window;
    SessionHost& m_host;
    Program m_program;
    SessionRules m_rules;
    std::unique_ptr<SettingsStore> m_store;
    QTimer* m_clock = nullptr;
    QTimer* m_gameOverTimer = nullptr;
    ShutdownRequests* m_shutdown = nullptr;
    bool m_inTick = false;
    bool m_closed = false;
    bool m_saved = false;
};

}  // namespace frame
