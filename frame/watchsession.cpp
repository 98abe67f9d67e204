// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/watchsession.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>

#include "frame/accessibility.h"

namespace frame {

WatchSession::WatchSession(QMainWindow& window) : QObject(&window), m_window(window) {
    tellPlayer = [this](const QString& message) {
        QMessageBox::warning(&m_window, m_window.windowTitle(), message);
    };
    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("TimerWatch"));
    m_clock->setTimerType(Qt::PreciseTimer);
    m_clock->setSingleShot(true);
    connect(m_clock, &QTimer::timeout, this, &WatchSession::Step);
}

WatchSession::~WatchSession() = default;

void WatchSession::Freeze(QList<QTimer*> timers, QList<QAction*> commands, QList<QWidget*> widgets) {
    for (QTimer* t : timers)
        m_timers << t;
    for (QAction* a : commands)
        m_commands << a;
    for (QWidget* w : widgets)
        m_widgets << w;
}

std::optional<GameRecording> FinishedRecording(const GameRecorder& recorder) {
    if (!recorder.HasGame() || recorder.Active() || !recorder.Recording().finished) return std::nullopt;
    return recorder.Recording();
}

QList<QAction*> WatchSession::CommandsOf(const QMenu* menu) {
    QList<QAction*> commands;
    if (!menu) return commands;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        commands << a;
        if (const QMenu* sub = QMenu::menuInAction(a)) commands << CommandsOf(sub);
    }
    return commands;
}

RecordingLimits WatchSession::Limits() {
    return RecordingLimits{};
}

std::optional<GameRecording> WatchSession::Open(const QString& path, Program program) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CannotWatch(path, file.errorString());
        return std::nullopt;
    }
    const RecordingLimits limits = Limits();
    // One byte over the cap is enough to know the file is too large.
    const QByteArray data = file.read(limits.maxEncodedBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        CannotWatch(path, file.errorString());
        return std::nullopt;
    }
    DecodeResult decoded = Decode(data, limits, program);
    if (!decoded.ok()) {
        CannotWatch(path, decoded.errorText);
        return std::nullopt;
    }
    return std::move(decoded.recording);
}

void WatchSession::CannotWatch(const QString& path, const QString& reason) {
    //: %1 is the replay file, %2 the reason it cannot be played.
    const QString message =
        tr("The replay %1 cannot be watched:\n%2").arg(QDir::toNativeSeparators(path), reason);
    if (tellPlayer) tellPlayer(message);
}

void WatchSession::Begin(Host host, const QString& player) {
    if (m_active) End();
    m_host = std::move(host);
    m_player = player;
    m_active = true;
    m_ended = false;
    m_paused = false;
    m_speed = 1;

    m_frozenTimers.clear();
    for (const QPointer<QTimer>& t : m_timers) {
        if (t && t->isActive()) {
            m_frozenTimers.emplace_back(t, t->interval());
            t->stop();
        }
    }
    m_frozenCommands.clear();
    for (const QPointer<QAction>& a : m_commands) {
        if (!a) continue;
        m_frozenCommands.emplace_back(a, a->isEnabled());
        a->setEnabled(false);
    }
    m_frozenWidgets.clear();
    for (const QPointer<QWidget>& w : m_widgets) {
        if (!w) continue;
        FrozenWidget f{w, w->isHidden(), QString(), QPixmap(), w->font()};
        if (auto* label = qobject_cast<QLabel*>(w.data())) {
            f.text = label->text();
            f.pixmap = label->pixmap();
        }
        m_frozenWidgets.push_back(f);
    }

    if (!m_status) {
        m_status = new QLabel(&m_window);
        m_status->setObjectName(QStringLiteral("LabelWatching"));
        m_status->setTextFormat(Qt::PlainText);
        // Narrow windows (and longer languages) get a second line rather than a cut-off text.
        m_status->setWordWrap(true);
        m_window.statusBar()->addWidget(m_status, 1);
    }
    m_window.statusBar()->show();
    ShowStatus();
    Schedule();
}

void WatchSession::End(bool resume) {
    if (!m_active) return;
    m_active = false;
    m_clock->stop();
    for (const FrozenWidget& f : m_frozenWidgets) {
        if (!f.widget) continue;
        f.widget->setFont(f.font);
        // A label shows either its text or its picture.
        if (auto* label = qobject_cast<QLabel*>(f.widget.data())) {
            if (f.pixmap.isNull())
                label->setText(f.text);
            else
                label->setPixmap(f.pixmap);
        }
        f.widget->setHidden(f.hidden);
    }
    if (m_host.restore) m_host.restore();
    m_host = Host();
    for (const auto& [action, enabled] : m_frozenCommands) {
        if (action) action->setEnabled(enabled);
    }
    for (const auto& [timer, interval] : m_frozenTimers) {
        if (timer && resume) timer->start(interval);
    }
    m_frozenTimers.clear();
    m_frozenCommands.clear();
    m_frozenWidgets.clear();
    if (m_window.statusBar()) m_window.statusBar()->hide();
    emit ended();
}

void WatchSession::SetPaused(bool paused) {
    if (!m_active) return;
    m_paused = paused;
    ShowStatus();
    Schedule();
}

void WatchSession::SetSpeed(int speed) {
    if (!m_active) return;
    m_speed = speed >= 4 ? 4 : speed >= 2 ? 2 : 1;
    ShowStatus();
    Schedule();
}

void WatchSession::Step() {
    if (!m_active || m_ended) return;
    const bool more = m_host.step && m_host.step();
    if (!more || (m_host.gameOver && m_host.gameOver())) {
        // The final board and score stay until the player leaves.
        m_ended = true;
        m_clock->stop();
        ShowStatus();
        return;
    }
    Schedule();
}

void WatchSession::Schedule() {
    if (!m_active || m_ended || m_paused) {
        m_clock->stop();
        return;
    }
    const int interval = m_host.interval ? m_host.interval() : 0;
    // A stopped clock (a message waiting for Enter) keeps the last pace.
    if (interval > 0) m_lastInterval = interval;
    m_clock->start(std::max(1, m_lastInterval / m_speed));
}

void WatchSession::ShowStatus() {
    if (!m_status) return;
    QStringList parts;
    if (m_player.isEmpty())
        parts << tr("Watching a replay");
    else
        //: %1 is the name of the player whose recorded game is shown.
        parts << tr("Watching the replay of %1").arg(m_player);
    const QString problem = m_ended && m_host.problem ? m_host.problem() : QString();
    if (!problem.isEmpty()) {
        //: %1 says why a recorded game could not be played to its end.
        parts << tr("The replay stopped: %1").arg(problem);
        parts << tr("Esc: back to the game");
    } else if (m_ended) {
        //: %1 is the final score of the watched game.
        parts << tr("Replay ended with %1 points").arg(m_host.score ? m_host.score() : 0);
        parts << tr("Esc: back to the game");
    } else {
        if (m_paused) parts << tr("Paused");
        //: The pace of the watched game, 1x, 2x or 4x the recorded one.
        parts << tr("Speed %1x").arg(m_speed);
        parts << tr("P: pause, 1/2/4: speed, Esc: stop");
    }
    const QString text = parts.join(QStringLiteral("  \u00b7  "));
    if (text == m_status->text()) return;
    m_status->setText(text);
    Announce(m_status, text);
}

bool WatchSession::HandleKey(QKeyEvent* event) {
    if (!m_active) return false;
    event->accept();
    if (event->isAutoRepeat()) return true;
    switch (event->key()) {
        case Qt::Key_Escape:
            End();
            break;
        case Qt::Key_P:
        case Qt::Key_Space:
            SetPaused(!m_paused);
            break;
        case Qt::Key_1:
            SetSpeed(1);
            break;
        case Qt::Key_2:
            SetSpeed(2);
            break;
        case Qt::Key_4:
            SetSpeed(4);
            break;
        case Qt::Key_Plus:
            SetSpeed(m_speed * 2);
            break;
        case Qt::Key_Minus:
            SetSpeed(m_speed / 2);
            break;
        default:
            break;
    }
    return true;
}

}  // namespace frame
