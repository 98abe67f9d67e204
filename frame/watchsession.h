// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "frame/gamerecording.h"
#include "frame/program.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMainWindow;
class QMenu;
class QTimer;
class QWidget;

namespace frame {

// Watching a recorded game in the main window. While a recording plays, the window's own game stands frozen
// (its clocks stopped, its menu commands disabled, the player's keys kept from it) and the window shows a
// second engine that the recording drives, one recorded clock tick at a time at the recorded pace. The
// window lends the steps; this class keeps the pace, the keys, the status line and the way back.
// The recording of the game the recorder holds when it reached "Game Over", for its high-score entry.
std::optional<GameRecording> FinishedRecording(const GameRecorder& recorder);

class WatchSession : public QObject {
    Q_OBJECT
  public:
    // What a window lends for one recording.
    struct Host {
        // Plays the recording's next clock tick with the inputs that arrived before it. False when the
        // recording has nothing more to play.
        std::function<bool()> step;
        // The watched engine's clock interval in milliseconds, as it would run at the recorded pace.
        std::function<int()> interval;
        // The watched game is over (its engine showed the final board and score).
        std::function<bool()> gameOver;
        // The watched game's score, for the status line.
        std::function<int64_t()> score;
        // Why the recording stopped before its game was over (empty when it did not).
        std::function<QString()> problem;
        // Back to the window's own game: draw it again from its own engine. The labels and the widgets
        // given to Freeze are restored before.
        std::function<void()> restore;
    };

    // Every command of a menu and its submenus, to give Freeze.
    static QList<QAction*> CommandsOf(const QMenu* menu);

    // The caps a replay file is read and played within: a file far larger than any real game is refused
    // before it is read.
    static frame::RecordingLimits Limits();

    explicit WatchSession(QMainWindow& window);
    ~WatchSession() override;

    // What a watched game changes on the window, restored when watching ends: the clocks to stop, the menu
    // commands to disable (every one of `menus` but `keep`), the labels whose text and font and the widgets
    // whose visibility the watched engine changes. Given once by the window.
    void Freeze(QList<QTimer*> timers, QList<QAction*> commands, QList<QWidget*> widgets);

    // Reads a replay file of `program`. Nothing, after the player was told why, for a file that cannot be
    // read, is no recording, or belongs to another program or other rules.
    std::optional<GameRecording> Open(const QString& path, Program program);
    // Tells the player that `path` cannot be watched, and why.
    void CannotWatch(const QString& path, const QString& reason);
    // How the player is told; the default is a message box over the window. Tests replace it.
    std::function<void(const QString& message)> tellPlayer;

    // Starts playing; a recording being watched ends first. `player` names the record's player (may be
    // empty).
    void Begin(Host host, const QString& player);
    // Ends watching: the window's own game comes back as it was, and its clocks run on unless `resume` is
    // false (the window closes).
    void End(bool resume = true);
    bool Active() const { return m_active; }
    // The recording has played to its end; the final board stays until the player leaves.
    bool Ended() const { return m_ended; }

    bool Paused() const { return m_paused; }
    void SetPaused(bool paused);
    // 1, 2 or 4 times the recorded pace.
    int Speed() const { return m_speed; }
    void SetSpeed(int speed);

    // One recorded clock tick (the watch clock's timeout).
    void Step();
    // The clock that paces the recording.
    QTimer* Clock() const { return m_clock; }
    // The status line that says a recording is being watched.
    QLabel* StatusLine() const { return m_status; }

    // A key while watching: P or Space pause and resume, 1, 2 and 4 (or + and -) set the speed, Esc stops.
    // Every key is taken while watching, so none reaches the window's game. False when not watching.
    bool HandleKey(QKeyEvent* event);

  signals:
    // Watching ended (Esc, a new recording, the window closing).
    void ended();

  private:
    void Schedule();
    void ShowStatus();

    QMainWindow& m_window;
    QTimer* m_clock = nullptr;
    QLabel* m_status = nullptr;
    Host m_host;
    QString m_player;
    bool m_active = false;
    bool m_ended = false;
    bool m_paused = false;
    int m_speed = 1;
    int m_lastInterval = 100;

    QList<QPointer<QTimer>> m_timers;
    QList<QPointer<QAction>> m_commands;
    QList<QPointer<QWidget>> m_widgets;
    // The state frozen at Begin.
    struct FrozenWidget {
        QPointer<QWidget> widget;
        bool hidden = false;
        QString text;
        QPixmap pixmap;
        QFont font;
    };
    std::vector<FrozenWidget> m_frozenWidgets;
    std::vector<std::pair<QPointer<QTimer>, int>> m_frozenTimers;  // running timers and their intervals
    std::vector<std::pair<QPointer<QAction>, bool>> m_frozenCommands;
};

}  // namespace frame
