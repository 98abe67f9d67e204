// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a recorded game in the Quadrelle window: a second engine, driven by the recording, draws on the
// window's controls while the player's game stands frozen.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "quadrelle/formplunko.h"
#include "scores/highscores.h"

namespace quadrelle {

// What the watched engine draws goes to the window; what it would do to the window's clock, menus, focus
// and high scores is left out: the recording paces it, and watching changes nothing of the player's.
class FormPlunko::WatchView : public View {
  public:
    explicit WatchView(FormPlunko& window) : w(window) {}

    void DrawCell(int16_t x, int16_t y, int32_t colour) override { w.DrawCell(x, y, colour); }
    void DrawRowBar(int16_t row) override { w.DrawRowBar(row); }
    void PaintNextBlock(const Matrix& next, int16_t entryY, int32_t colour) override {
        w.PaintNextBlock(next, entryY, colour);
    }
    void ClearNext() override { w.ClearNext(); }
    void ShowScore(int32_t score) override { w.ShowScore(score); }
    void ShowHiScore(int32_t best) override { w.ShowHiScore(best); }
    void ShowLevel(int16_t level) override { w.ShowLevel(level); }
    void ShowLines(int16_t rows) override { w.ShowLines(rows); }
    void ShowMessage(const QString& text) override { w.ShowMessage(text); }
    void ShowPaused(bool) override {}
    // The recording's own ticks drive the clock.
    void StartClock(int) override {}
    void StopClock() override {}
    // A watched game's end offers no score.
    void GameOver() override {}
    bool SettleGameOver() override { return false; }
    void FocusPlayArea() override {}
    // The recording answers; nobody is asked.
    bool AskNewGame() override { return false; }
    void CommitPendingName() override {}
    int32_t BestStoredScore() override { return w.BestStoredScore(); }

  private:
    FormPlunko& w;
};

void FormPlunko::SetUpWatching() {
    m_watch = new frame::WatchSession(*this);
    QList<QAction*> commands;
    // The Game and Options menus act on the player's game; Exit stays.
    const QList<QAction*> menus = menuBar()->actions();
    for (qsizetype i = 0; i < std::min<qsizetype>(2, menus.size()); ++i)
        commands << frame::WatchSession::CommandsOf(QMenu::menuInAction(menus[i]));
    commands.removeAll(Exit);
    m_watch->Freeze({Timer1, TimerGameOver}, commands,
                    {LabelScore, LabelLevel, LabelLines, LabelHiScore, LabelMessage});
    m_engine->SetRecorder(&m_recorder);
    m_highScores->hooks.watch = [this](const QString& path) { WatchFile(path); };
}

void FormPlunko::WatchFile(const QString& path) {
    if (std::optional<frame::GameRecording> recording = m_watch->Open(path, frame::Program::Quadrelle))
        Watch(std::move(*recording), path);
}

bool FormPlunko::Watch(frame::GameRecording recording, const QString& source) {
    m_watch->End();
    const QString player = recording.claim ? recording.claim->name : QString();
    m_watchView = std::make_unique<WatchView>(*this);
    m_watchEngine = std::make_unique<Engine>(*m_watchView, *m_sound, frame::RandomSource());
    m_watchPlayer = std::make_unique<RecordingPlayer>(*m_watchEngine, std::move(recording),
                                                      frame::WatchSession::Limits());
    frame::WatchSession::Host host;
    host.step = [this] { return m_watchPlayer->Step(); };
    host.interval = [this] { return m_watchPlayer->ClockInterval(); };
    host.gameOver = [this] { return m_watchPlayer->Finished(); };
    host.score = [this] { return int64_t{m_watchEngine->Score()}; };
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
    m_watchEngine.reset();
    m_watchView.reset();
    // The player's well and preview as they were.
    PictureNext->Clear();
    Form_Resize();
}

}  // namespace quadrelle
