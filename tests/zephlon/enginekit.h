#pragma once

#include <QStringList>
#include <deque>
#include <vector>

#include "frame/soundsink.h"
#include "zephlon/engine.h"

namespace zephlon_test {

using namespace zephlon;

// Random numbers from a script; when the script runs out every draw is 0.9 (a block with all four pipes).
class ScriptedRandom : public RandomSource {
  public:
    double Next() override {
        if (draws.empty()) return 0.9;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
    void Reseed() override { ++reseeds; }

    // The draws that make NextBlock produce `value` (a pipe block, or 33 for a bomb).
    void Block(int16_t value, bool allowBomb) {
        if (allowBomb) draws.push_back(value & kBomb ? 0.03 : 0.0);
        if (value & kBomb) return;
        int openings = 0;
        for (int16_t bit : {kPipe2, kPipe4, kPipe8, kPipe16}) {
            draws.push_back(value & bit ? 0.9 : 0.1);
            openings += (value & bit) ? 1 : 0;
        }
        if (openings == 1) draws.push_back(0.1);  // single-track block kept
    }

    std::deque<double> draws;
    int reseeds = 0;
};

class RecordingSink : public frame::SoundSink {
  public:
    void PlaySoundCue(int n) override { cues.push_back(n); }
    std::vector<int> cues;
};

// Records what the engine asks of the window.
class RecordingView : public ZephlonView {
  public:
    int CellSize() const override { return cellSize; }
    int NextBoxWidth() const override { return 62; }
    void DrawCell(const CellDrawing& cell) override {
        cells.push_back(cell);
        if (cell.target == DrawTarget::FallingSprite) spriteVisible = true;
    }
    void DrawPipe(const PipeDrawing& pipe) override { pipes.push_back(pipe); }
    void ClearNextBox() override { ++nextBoxClears; }
    void HideFallingSprite() override { spriteVisible = false; }
    void SetLaserBombVisible(bool) override {}
    void PlaceBlinkBlock(int, int) override {}
    void SetBlinkBlockVisible(bool) override {}
    void ShowMessage(const QString& text, int) override { messages << text; }
    void SetLabel(StatusLabel label, const QString& text) override {
        if (label == StatusLabel::Score) scoreLabel = text;
        if (label == StatusLabel::Level) levelLabel = text;
    }
    void StartClock(int intervalMs) override {
        clockRunning = true;
        clockInterval = intervalMs;
    }
    void StopClock() override { clockRunning = false; }
    void SetBlinkTimer(bool) override {}
    void SetLaserBombTimer(bool) override {}
    void StartGameOverTimer() override { gameOverTimerStarted = true; }
    void SetMenuReplayEnabled(bool) override {}
    void SetMenuStopEnabled(bool) override {}
    void SetModeMenuLocked(bool) override {}
    void SetPauseChecked(bool) override {}
    void RefreshLevelMenu() override {}
    void FocusPlayArea() override {}
    void ShowInstructions() override { ++instructionsShown; }
    int32_t BestStoredScore(int32_t) override { return 0; }
    void CommitPendingName() override {}

    // The sprite is shown by drawing into it.
    bool SpriteShown() const {
        return !cells.empty() && cells.back().target == DrawTarget::FallingSprite && spriteVisible;
    }

    int cellSize = 42;
    std::vector<CellDrawing> cells;
    std::vector<PipeDrawing> pipes;
    QStringList messages;
    QString scoreLabel, levelLabel;
    int nextBoxClears = 0;
    bool spriteVisible = true;
    bool clockRunning = false;
    int clockInterval = 0;
    bool gameOverTimerStarted = false;
    int instructionsShown = 0;
};

// An engine on a recording view and a scripted random source.
struct Rig {
    RecordingView view;
    RecordingSink sink;
    ScriptedRandom random;
    ZephlonEngine engine{view, sink, random};
};

}  // namespace zephlon_test
