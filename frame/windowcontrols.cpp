// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/windowcontrols.h"

#include "frame/watchsession.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QTimer>

#include "frame/controlsdialog.h"
#include "frame/placedialog.h"
#include "frame/soundcues.h"

namespace frame {

WindowControls::WindowControls(QMainWindow& window, CommandTarget& target, SoundCues& cues, Program program)
    : QObject(&window), m_window(window), m_target(target), m_cues(cues), m_settings(program) {
    m_window.installEventFilter(this);
}

void WindowControls::Load(const SettingsStore& store) {
    m_settings = ReadControlSettings(store, m_settings.bindings.program());
    m_cues.SetVolume(m_settings.Volume);
}

void WindowControls::Save(SettingsStore& store) const {
    WriteControlSettings(store, m_settings);
}

void WindowControls::SetSettings(const ControlSettings& settings) {
    m_settings = settings;
    m_cues.SetVolume(m_settings.Volume);
    emit changed();
}

QAction* WindowControls::AddMenuEntry(QMenu* options) {
    QAction* entry = options->addAction(tr("&Controls..."));
    entry->setObjectName(QStringLiteral("MenuControls"));
    connect(entry, &QAction::triggered, this, &WindowControls::ShowDialog);
    return entry;
}

ControlsDialog* WindowControls::Dialog() const {
    return m_dialog;
}

void WindowControls::ShowDialog() {
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    auto* dialog = new ControlsDialog(m_settings, &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog = dialog;
    connect(dialog, &QDialog::accepted, this, [this, dialog] { SetSettings(dialog->Result()); });
    PlaceDialog(dialog, &m_window);
    dialog->open();
}

bool WindowControls::Watching() const {
    return m_watch && m_watch->Active();
}

bool WindowControls::KeyPress(QKeyEvent* event) {
    if (m_watch && m_watch->HandleKey(event)) return true;
    const Command command = m_settings.bindings.CommandOf(event->key(), static_cast<int>(event->modifiers()));
    if (command == Command::None) return false;
    event->accept();
    m_target.RunCommand(command, event->isAutoRepeat());
    return true;
}

bool WindowControls::PadPress(int code, bool repeat) {
    if (m_dialog && m_dialog->isVisible()) return m_dialog->CapturePadInput(code);
    if (Watching()) return true;
    const Command command = m_settings.bindings.CommandOf(Input::Pad(code));
    return command != Command::None && m_target.RunCommand(command, repeat);
}

void WindowControls::ToggleFullScreen() {
    if (!m_window.isFullScreen()) m_sizeBeforeFullScreen = m_window.size();
    m_window.setWindowState(m_window.windowState() ^ Qt::WindowFullScreen);
}

QSize WindowControls::SizeToKeep() const {
    return m_window.isFullScreen() && m_sizeBeforeFullScreen.isValid() ? m_sizeBeforeFullScreen
                                                                       : m_window.size();
}

bool WindowControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::WindowDeactivate &&
        m_settings.bindings.PauseOnFocusLoss())
        // Whether the focus went to another program or to one of ours (a dialog, a question) is known only
        // once the activation has settled.
        QTimer::singleShot(0, this, &WindowControls::FocusLeft);
    return QObject::eventFilter(watched, event);
}

void WindowControls::FocusLeft() {
    // Our own dialogs and questions leave the game frozen behind them; only another program pauses it.
    if (QApplication::activeWindow() != nullptr || !m_settings.bindings.PauseOnFocusLoss()) return;
    // A recording being watched stands over the frozen game: the pause would show on it.
    if (Watching()) return;
    if (pauseOnFocusLoss) pauseOnFocusLoss();
}

}  // namespace frame
