// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <functional>

#include "frame/bindings.h"

class QAction;
class QKeyEvent;
class QMainWindow;
class QMenu;

namespace frame {

class ControlsDialog;
class SettingsStore;
class SoundCues;
class WatchSession;

// The controls of one main window: its bindings, the "&Controls..." entry and window, the route from a
// key press to a command, full screen, and the Modern pause when the program loses the focus.
class WindowControls : public QObject {
    Q_OBJECT
  public:
    WindowControls(QMainWindow& window, CommandTarget& target, SoundCues& cues, Program program);

    // Start-up: the stored controls; the volume goes to the cues.
    void Load(const SettingsStore& store);
    // The close: writes them (see WriteControlSettings).
    void Save(SettingsStore& store) const;

    const ControlSettings& Settings() const { return m_settings; }
    const Bindings& bindings() const { return m_settings.bindings; }
    // Takes new settings as the window's OK does: the volume goes to the cues, then changed() is emitted.
    void SetSettings(const ControlSettings& settings);

    // Adds the "&Controls..." entry at the end of `options`.
    QAction* AddMenuEntry(QMenu* options);
    // The controls window while it is open, for tests and the pad layer.
    ControlsDialog* Dialog() const;

    // A key press: while a recording is watched it steers the watching; else it runs its command through
    // the target. False for a key bound to nothing (the window then hands it on as before).
    bool KeyPress(QKeyEvent* event);

    // The window's watching of recorded games: while one plays, the player's frozen game gets no key, pad
    // command or focus-loss pause.
    void SetWatching(WatchSession* watch) { m_watch = watch; }
    bool Watching() const;

    // A pad button or direction pressed (a PadCode): while the controls window is open it goes there (taken
    // when the window waits for one, otherwise ignored); else its command runs as a key's would. False when
    // nothing took it.
    bool PadPress(int code, bool repeat = false);

    // Full screen on or off.
    void ToggleFullScreen();
    // The window's size to keep for the next run: in full screen, the size it had before.
    QSize SizeToKeep() const;

    // Runs when the program loses the focus under a set that pauses then (Modern): the window pauses a
    // running game.
    std::function<void()> pauseOnFocusLoss;

  public slots:
    void ShowDialog();

  signals:
    // The settings changed through the controls window (bindings, colour aid, volume).
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FocusLeft();

    QMainWindow& m_window;
    CommandTarget& m_target;
    SoundCues& m_cues;
    ControlSettings m_settings;
    QPointer<ControlsDialog> m_dialog;
    QSize m_sizeBeforeFullScreen;
    WatchSession* m_watch = nullptr;
};

}  // namespace frame
