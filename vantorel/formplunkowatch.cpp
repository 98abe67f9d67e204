// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a recorded game in the Vantorel window: a second game, driven by the recording, draws on the
// window's controls while the player's game stands frozen.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "scores/highscores.h"
#include "vantorel/formplunko.h"

namespace vantorel {

// What the watched game draws goes to the window; what it would do to the window's clock, menus, focus
// and high scores is left out: the recording paces it, and watching changes nothing of the player's.
class FormPlunko::WatchView : public GameView {
  public:
    explicit WatchView(FormPlunko& window) : w(window) {}

    void DrawCell(int16_t x, int16_t y, int32_t colour) override { w.DrawCell(x, y, colour); }
    void EraseRow(int16_t y) override { w.EraseRow(y); }
    void PaintNextBlock() override { w.PaintNextBlock(); }
    void ShowScore(int32_t score) override { w.ShowScore(score); }
    void ShowLevel(int16_t level) override { w.ShowLevel(level); }
    void ShowLines(int16_t rows) override { w.ShowLines(rows); }
    void ShowMessage(const QString& text) override { w.ShowMessage(text); }
    // The recording's own ticks drive the clock.
    void StartClock(int) override {}
    void StopClock() override {}
    void SetClockInterval(int) override {}
    void ShowPaused(bool) override {}
    void FocusPlayArea() override {}
    void CommitPendingName() override {}
    // A watched game's end offers no score.
    void GameOver() override {}
    // The recording answers the engine's question itself.
    bool AskNewGame() override { return false; }

  private:
    FormPlunko& w;
};

void FormPlunko::SetUpWatching() {
    m_watch = new frame::WatchSession(*this);
    QList<QAction*> commands;
    // The Game and Options menus act on the player's game; Exit stays.
    for (const QMenu* menu : {static_cast<const QMenu*>(MenuGame), static_cast<const QMenu*>(Options)})
        commands << frame::WatchSession::CommandsOf(menu);
    commands.removeAll(Exit);
    m_watch->Freeze({Timer1}, commands, {LabelScore, LabelLevel, LabelLines, LabelHiScore, LabelMessage});
    m_game.SetRecorder(&m_recorder);
    m_scores->hooks.watch = [this](const QString& path) { WatchFile(path); };
}

void FormPlunko::WatchFile(const QString& path) {
    if (std::optional<frame::GameRecording> recording = m_watch->Open(path, frame::Program::Vantorel))
        Watch(std::move(*recording), path);
}

bool FormPlunko::Watch(frame::GameRecording recording, const QString& source) {
    m_watch->End();
    const QString player = recording.claim ? recording.claim->name : QString();
    m_watchView = std::make_unique<WatchView>(*this);
    m_watchGame = std::make_unique<Game>(*m_watchView, m_cueGate, frame::RandomSource());
    m_watchPlayer =
        std::make_unique<RecordingPlayer>(*m_watchGame, std::move(recording), frame::WatchSession::Limits());
    frame::WatchSession::Host host;
    host.step = [this] { return m_watchPlayer->Step(); };
    host.interval = [this] { return m_watchPlayer->ClockInterval(); };
    host.gameOver = [this] { return m_watchPlayer->Finished(); };
    host.score = [this] { return int64_t{m_watchGame->Score()}; };
    host.problem = [this] {
        return m_watchPlayer->Finished() ? QString() : m_watchPlayer->Outcome().errorText;
    };
    host.restore = [this] { WatchEnded(); };
    // The player's game freezes before the recorded one draws over it.
    m_watch->Begin(std::move(host), player);
    if (!m_watchPlayer->Begin()) {
        const QString reason = m_watchPlayer->Outcome().errorText;
        m_watch->End();
        m_watch->CannotWatch(source, reason);
        return false;
    }
    return true;
}

void FormPlunko::WatchEnded() {
    m_watchPlayer.reset();
    m_watchGame.reset();
    m_watchView.reset();
    // The player's pit and preview as they were.
    Form_Resize();
}

}  // namespace vantorel
