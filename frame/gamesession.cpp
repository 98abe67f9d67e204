// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/gamesession.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "frame/shutdownrequests.h"
#include "frame/soundcues.h"

namespace frame {

SessionRules SessionRules::Of(Program program) {
    SessionRules rules;
    switch (program) {
        case Program::Zephlon:
            break;
        case Program::Quadrelle:
            rules.messageBoxKeepsActive = true;
            break;
        case Program::Vantorel:
            // Vantorel ends its game inside the tick and offers the score at once; it never asks for a
            // device.
            rules.gameOverDelayMs = 0;
            rules.needsOutputDevice = false;
            break;
    }
    return rules;
}

GameSession::GameSession(QMainWindow& window, SessionHost& host, Program program,
                         std::unique_ptr<SettingsStore> store)
    : QObject(&window),
      m_window(window),
      m_host(host),
      m_program(program),
      m_rules(SessionRules::Of(program)),
      m_store(store ? std::move(store) : std::make_unique<SettingsStore>(ProgramName(program))) {
    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("Timer1"));
    m_clock->setTimerType(Qt::PreciseTimer);
    connect(m_clock, &QTimer::timeout, this, &GameSession::ClockTick);

    m_gameOverTimer = new QTimer(this);
    m_gameOverTimer->setObjectName(QStringLiteral("TimerGameOver"));
    m_gameOverTimer->setSingleShot(true);
    m_gameOverTimer->setInterval(std::max(1, m_rules.gameOverDelayMs));
    connect(m_gameOverTimer, &QTimer::timeout, this, &GameSession::TimerGameOver_Timer);

    tellPlayer = [this](const QString& message) {
        QMessageBox::warning(&m_window, ProgramName(m_program), message);
    };
    endProgram = [] { QCoreApplication::quit(); };
    m_window.installEventFilter(this);

    // A plain kill, Ctrl+C, a closed terminal or the end of the desktop session run the close sequence too,
    // through the event loop. Only one window of a process holds the signals.
    m_shutdown = new ShutdownRequests(this);
    connect(m_shutdown, &ShutdownRequests::requested, this,
            [this](ShutdownRequests::Reason reason, int) { ShutdownRequested(static_cast<int>(reason)); });
}

GameSession::~GameSession() = default;

// ---- Game clock ----

void GameSession::StartClock(int intervalMs) {
    m_clock->start(intervalMs);
}

void GameSession::StopClock() {
    m_clock->stop();
}

void GameSession::SetClockInterval(int intervalMs) {
    m_clock->setInterval(intervalMs);
}

bool GameSession::ClockRunning() const {
    return m_clock->isActive();
}

void GameSession::ClockTick() {
    if (m_inTick || m_closed || !WindowActive()) return;
    m_inTick = true;
    m_host.Tick();
    m_inTick = false;
}

bool GameSession::WindowActive() const {
    QWidget* active = QApplication::activeWindow();
    if (m_rules.messageBoxKeepsActive) {
        // A message box counts as the window it was opened over.
        while (auto* box = qobject_cast<QMessageBox*>(active)) {
            QWidget* over = box->parentWidget();
            active = over ? over->window() : &m_window;
        }
    }
    return active == &m_window;
}

// ---- Game over ----

void GameSession::GameOver() {
    if (m_rules.gameOverDelayMs <= 0) {
        m_host.OfferFinishedScore(true);
        return;
    }
    m_gameOverTimer->start();
}

bool GameSession::GameOverPending() const {
    return m_gameOverTimer->isActive();
}

void GameSession::TimerGameOver_Timer() {
    m_gameOverTimer->stop();
    m_host.OfferFinishedScore(true);
}

bool GameSession::SettleGameOver() {
    if (!GameOverPending()) return false;
    m_gameOverTimer->stop();
    return m_host.OfferFinishedScore(true);
}

// ---- Window size ----

QSize GameSession::FittedSize(QSize wanted, QSize minimum, QSize available) {
    return {std::max(minimum.width(), std::min(wanted.width(), available.width())),
            std::max(minimum.height(), std::min(wanted.height(), available.height()))};
}

QRect GameSession::PlacedClientArea(QSize wanted, QSize minimum, QRect available, QMargins frame) {
    const QSize size = FittedSize(wanted, minimum, available.marginsRemoved(frame).size());
    const QSize framed = size.grownBy(frame);
    const QPoint frameTopLeft(available.left() + (available.width() - framed.width()) / 2,
                              available.top() + (available.height() - framed.height()) / 2);
    return {frameTopLeft + QPoint(frame.left(), frame.top()), size};
}

void GameSession::RestoreWindow(const Options& options, QSize designSize) {
    const QScreen* screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // The window's frame (title bar, borders) must fit too. Before the window is shown its frame is unknown:
    // allow for a title bar and borders of the style's size.
    QMargins frame(m_window.geometry().left() - m_window.frameGeometry().left(),
                   m_window.geometry().top() - m_window.frameGeometry().top(),
                   m_window.frameGeometry().right() - m_window.geometry().right(),
                   m_window.frameGeometry().bottom() - m_window.geometry().bottom());
    if (frame.isNull()) {
        const int border = m_window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        const int title = m_window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
        frame = QMargins(border, title + border, border, border);
    }

    const auto pixels = [](int32_t twips, int design) { return twips > 0 ? twips / kTwipsPerPixel : design; };
    const QSize wanted(pixels(options.InitWidth, designSize.width()),
                       pixels(options.InitHeight, designSize.height()));
    const QRect client = PlacedClientArea(wanted, m_window.minimumSize(), available, frame);
    m_window.resize(client.size());
    // A window's position is its frame's.
    m_window.move(client.topLeft() - QPoint(frame.left(), frame.top()));
    // Maximised, the stored size is ignored; the size above is the one the window returns to.
    if (options.InitMaximized) m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
}

// ---- Sound ----

bool GameSession::SoundAvailable() const {
    return !m_rules.needsOutputDevice || SoundCues::HasOutputDevice();
}

void GameSession::SetUpSound(SoundCues& cues, QAction* entry, bool stored) {
    cues.SetSoundOn(stored && SoundAvailable());
    entry->setEnabled(SoundAvailable());
    entry->setChecked(cues.SoundOn());
}

void GameSession::ToggleSound(SoundCues& cues, QAction* entry) {
    cues.SetSoundOn(!cues.SoundOn());
    entry->setChecked(cues.SoundOn());
}

// ---- Close ----

bool GameSession::Close(CloseReason reason) {
    if (m_closed) return m_saved;
    m_closed = true;
    StopClock();
    m_saved = Save(reason);
    m_host.HideDialogs();
    return m_saved;
}

bool GameSession::Save(CloseReason reason) {
    // Closed within the second after "Game Over": the score still enters the table.
    if (GameOverPending()) {
        m_gameOverTimer->stop();
        m_host.OfferFinishedScore(false);
    }
    m_host.CommitNameOnClose();
    m_host.WriteSettings(*m_store);
    const QSize size = sizeToKeep ? sizeToKeep() : m_window.size();
    WriteWindowSize(*m_store, size.width() * kTwipsPerPixel, size.height() * kTwipsPerPixel,
                    m_window.isMinimized(), m_window.isMaximized());
    if (m_store->Flush()) return true;

    const QString message = m_store->ErrorText();
    if (reason == CloseReason::Player && tellPlayer) {
        tellPlayer(message + QStringLiteral("\n\n") +
                   tr("The options and new high scores of this game are not saved."));
    } else {
        // Nothing may hold up a logout or a signal: standard error only.
        std::fprintf(stderr, "%s: %s\n", qPrintable(ProgramName(m_program)), qPrintable(message));
    }
    return false;
}

void GameSession::ShutdownRequested(int reason) {
    if (static_cast<ShutdownRequests::Reason>(reason) == ShutdownRequests::Reason::SessionEnd) {
        // The logout may still be cancelled: save what there is and play on.
        if (!m_closed) Save(CloseReason::SessionEnd);
        return;
    }
    Close(CloseReason::Signal);
    m_window.close();
    if (endProgram) endProgram();
}

bool GameSession::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::Close) Close(CloseReason::Player);
    return QObject::eventFilter(watched, event);
}

}  // namespace frame
