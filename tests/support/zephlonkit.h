// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <deque>
#include <map>
#include <utility>
#include <vector>

#include "frame/random.h"
#include "support/sink.h"
#include "zephlon/engine.h"

namespace zephlon_test {

using namespace zephlon;
using testsupport::RecordingSink;

// Sets one option of a running engine, as the settings or a menu would.
template <class T, class V>
void SetOption(ZephlonEngine& engine, T ZephlonOptions::*field, V value) {
    ZephlonOptions options = engine.Options();
    options.*field = static_cast<T>(value);
    engine.SetOptions(options);
}

// Random numbers from a script; when the script runs out every draw is 0.9 (a block with all four pipes).
class ScriptedRandom {
  public:
    double Next() {
        if (draws.empty()) return 0.9;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
    void Reseed() { ++reseeds; }
    // The game's random source drawing from this script; the script must outlive it.
    frame::RandomSource Source() {
        return frame::RandomSource([this] { return Next(); }, [this] { Reseed(); });
    }

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

// Records what the engine asks of the window.
class RecordingView : public ZephlonView {
  public:
    int CellSize() const override { return cellSize; }
    int NextBoxWidth() const override { return 62; }
    void DrawCell(const CellDrawing& cell) override {
        if (recordDrawing) cells.push_back(cell);
        if (cell.target == DrawTarget::FallingSprite) spriteVisible = true;
    }
    void DrawPipe(const PipeDrawing& pipe) override {
        if (recordDrawing) pipes.push_back(pipe);
    }
    void ClearNextBox() override { ++nextBoxClears; }
    void HideFallingSprite() override { spriteVisible = false; }
    void SetLaserBombVisible(bool) override {}
    void PlaceBlinkBlock(int column, int row) override { blinkPlace = {column, row}; }
    void SetBlinkBlockVisible(bool visible) override { blinkVisible = visible; }
    void ShowMessage(const QString& text, int fontSize) override {
        if (recordDrawing) messages << text;
        message = text;
        messageSize = fontSize;
    }
    void SetLabel(StatusLabel label, const QString& text) override {
        labels[label] = text;
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
    void GameOver() override { gameOverTimerStarted = true; }
    bool SettleGameOver() override { return false; }
    void SetMenuReplayEnabled(bool) override {}
    void SetMenuStopEnabled(bool) override {}
    void SetModeMenuLocked(bool) override {}
    void ShowPaused(bool) override {}
    void RefreshLevelMenu() override { ++levelMenuRefreshes; }
    void FocusPlayArea() override {}
    void ShowInstructions() override { ++instructionsShown; }
    bool AskNewGame() override { return answerNewGame; }
    int32_t BestStoredScore(int32_t) override { return 0; }
    void CommitPendingName() override {}

    // The sprite is shown by drawing into it.
    bool SpriteShown() const {
        return !cells.empty() && cells.back().target == DrawTarget::FallingSprite && spriteVisible;
    }
    // The interval of the running clock, 0 when it is stopped.
    int Clock() const { return clockRunning ? clockInterval : 0; }

    int cellSize = 42;
    bool recordDrawing = true;  // soak runs keep no history of cells, pipes and messages
    std::vector<CellDrawing> cells;
    std::vector<PipeDrawing> pipes;
    QStringList messages;
    QString message;
    int messageSize = 0;
    std::map<StatusLabel, QString> labels;
    QString scoreLabel, levelLabel;
    std::pair<int, int> blinkPlace;
    bool blinkVisible = false;
    int nextBoxClears = 0;
    bool spriteVisible = true;
    bool clockRunning = false;
    int clockInterval = 0;
    bool gameOverTimerStarted = false;
    int instructionsShown = 0;
    int levelMenuRefreshes = 0;
    bool answerNewGame = true;
};

// An engine on a recording view and a scripted random source.
struct Rig {
    RecordingView view;
    RecordingSink sink;
    ScriptedRandom random;
    ZephlonEngine engine{view, sink, random.Source()};
};

}  // namespace zephlon_test
