// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a recorded game in the Zephlon window: a second engine, driven by the recording, draws on the
// window's controls while the player's game stands frozen.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "frame/drawsurface.h"
#include "zephlon/formzephlon.h"

// What the watched engine draws goes to the window; what it would do to the window's clocks, menus, focus
// and high scores is left out: the recording paces it, and watching changes nothing of the player's.
class FormZephlon::WatchView : public zephlon::ZephlonView {
  public:
    explicit WatchView(FormZephlon& window) : w(window) {}

    int CellSize() const override { return w.CellSize(); }
    int NextBoxWidth() const override { return w.NextBoxWidth(); }
    void DrawCell(const zephlon::CellDrawing& cell) override { w.DrawCell(cell); }
    void DrawPipe(const zephlon::PipeDrawing& pipe) override { w.DrawPipe(pipe); }
    void ClearNextBox() override { w.ClearNextBox(); }
    void HideFallingSprite() override { w.HideFallingSprite(); }
    void SetLaserBombVisible(bool visible) override { w.SetLaserBombVisible(visible); }
    void PlaceBlinkBlock(int column, int row) override { w.PlaceBlinkBlock(column, row); }
    void SetBlinkBlockVisible(bool visible) override { w.SetBlinkBlockVisible(visible); }
    void ShowMessage(const QString& text, int fontSize) override { w.ShowMessage(text, fontSize); }
    void SetLabel(zephlon::StatusLabel label, const QString& text) override { w.SetLabel(label, text); }
    // The recording's own ticks drive the clocks.
    void StartClock(int) override {}
    void StopClock() override {}
    void SetBlinkTimer(bool) override {}
    void SetLaserBombTimer(bool) override {}
    // A watched game's end offers no score.
    void GameOver() override {}
    bool SettleGameOver() override { return false; }
    void SetMenuReplayEnabled(bool) override {}
    void SetMenuStopEnabled(bool) override {}
    void SetModeMenuLocked(bool) override {}
    void ShowPaused(bool) override {}
    void RefreshLevelMenu() override {}
    void FocusPlayArea() override {}
    void ShowInstructions() override {}
    // The recording answers; nobody is asked.
    bool AskNewGame() override { return false; }
    int32_t BestStoredScore(int32_t mode) override { return w.BestStoredScore(mode); }
    void CommitPendingName() override {}

  private:
    FormZephlon& w;
};

void FormZephlon::SetUpWatching() {
    m_watch = new frame::WatchSession(*this);
    QList<QAction*> commands;
    // The Game and Options menus act on the player's game; Exit stays.
    for (QMenu* menu :
         {findChild<QMenu*>(QStringLiteral("MenuGame")), findChild<QMenu*>(QStringLiteral("MenuOptions"))})
        commands << frame::WatchSession::CommandsOf(menu);
    commands.removeAll(Exit);
    m_watch->Freeze({Timer1, TimerGameOver, TimerBlinkBlock, TimerLaserBomb}, commands,
                    {LabelScore, LabelLevel, LabelBlocks, LabelBlocksHead, LabelHiScore, LabelMessage,
                     ImageMessage, PictureMessage, PictureBlock, PictureLaserBomb, PictureBlinkBlock});
    m_engine->SetRecorder(&m_recorder);
    m_highScores->hooks.watch = [this](const QString& path) { WatchFile(path); };
}

void FormZephlon::WatchFile(const QString& path) {
    if (std::optional<frame::GameRecording> recording = m_watch->Open(path, frame::Program::Zephlon))
        Watch(std::move(*recording), path);
}

bool FormZephlon::Watch(frame::GameRecording recording, const QString& source) {
    m_watch->End();
    const QString player = recording.claim ? recording.claim->name : QString();
    m_watchShowingLogo = m_showingLogo;
    m_watchMessageFontSize = m_messageFontSize;

    m_watchView = std::make_unique<WatchView>(*this);
    m_watchEngine = std::make_unique<zephlon::ZephlonEngine>(*m_watchView, *m_sound, frame::RandomSource());
    m_watchPlayer = std::make_unique<zephlon::RecordingPlayer>(*m_watchEngine, std::move(recording),
                                                               frame::WatchSession::Limits());
    frame::WatchSession::Host host;
    host.step = [this] { return m_watchPlayer->Step(); };
    host.interval = [this] { return m_watchPlayer->ClockInterval(); };
    host.gameOver = [this] { return m_watchPlayer->Finished(); };
    host.score = [this] { return int64_t{m_watchEngine->Context().score}; };
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

void FormZephlon::WatchEnded() {
    m_watchPlayer.reset();
    m_watchEngine.reset();
    m_watchView.reset();
    m_showingLogo = m_watchShowingLogo;
    m_messageFontSize = m_watchMessageFontSize;
    // The player's board, preview, sprites and message as they were.
    ClearNextBox();
    Form_Resize();
}
