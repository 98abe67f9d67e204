// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <deque>
#include <initializer_list>
#include <memory>
#include <vector>

#include "support/sink.h"
#include "vantorel/game.h"

namespace vantorel::test {

using testsupport::RecordingSink;

// Remembers the colour number last drawn in every cell and everything else the game shows.
struct FakeView : GameView {
    std::array<std::array<int32_t, kRows + 1>, kColumns + 1> screen{};  // [x][y]
    int draws = 0;
    std::vector<int16_t> erasedRows;
    int nextPaints = 0;
    int32_t score = 0;
    int16_t level = 0;
    int16_t lines = 0;
    QString message;
    int16_t interval = 0;
    bool timerEnabled = true;
    bool pauseChecked = false;
    int focusCalls = 0;
    int saveNames = 0;
    int questions = 0;
    bool answer = false;  // the answer to "Are you sure you want to start a new game"
    struct Over {
        int32_t score;
        int16_t startLevel;
        int16_t endLevel;
    };
    std::vector<Over> gameOvers;
    const Game* game = nullptr;  // the game whose ends are recorded

    void DrawCell(int16_t x, int16_t y, int32_t colour) override {
        ++draws;
        if (x >= 0 && x <= kColumns && y >= 0 && y <= kRows) screen[x][y] = colour;
    }
    void EraseRow(int16_t y) override { erasedRows.push_back(y); }
    void PaintNextBlock() override { ++nextPaints; }
    void ShowScore(int32_t s) override { score = s; }
    void ShowLevel(int16_t l) override { level = l; }
    void ShowLines(int16_t r) override { lines = r; }
    void ShowMessage(const QString& text) override { message = text; }
    void StartClock(int ms) override {
        interval = static_cast<int16_t>(ms);
        timerEnabled = true;
    }
    void StopClock() override { timerEnabled = false; }
    void SetClockInterval(int ms) override { interval = static_cast<int16_t>(ms); }
    void ShowPaused(bool paused) override { pauseChecked = paused; }
    void FocusPlayArea() override { ++focusCalls; }
    void CommitPendingName() override { ++saveNames; }
    bool AskNewGame() override {
        ++questions;
        return answer;
    }
    // The game reports its end; the record it offers is read from the game itself.
    void GameOver() override {
        if (game) gameOvers.push_back({game->Score(), game->GameStartLevel(), game->Level()});
    }
};

// Random numbers from a script; 0 once it runs dry.
struct ScriptedRandom {
    std::shared_ptr<std::deque<double>> values = std::make_shared<std::deque<double>>();
    frame::RandomSource Source() const {
        auto v = values;
        return frame::RandomSource([v] {
            if (v->empty()) return 0.0;
            const double r = v->front();
            v->pop_front();
            return r;
        });
    }
    // The three draws of NextBlock: colour n (1 red, 2 yellow, 3 blue), shape s (0..7), kinds t (0..3).
    void QueuePiece(int n, int s, int t) const {
        values->push_back((n - 1 + 0.5) / 3);
        values->push_back((s + 0.5) / 8);
        values->push_back((t + 0.5) / 4);
    }
};

struct SquareSpec {
    int i;
    int j;
    int16_t kind;
};

// Puts a falling piece into the pit directly.
inline void SetFalling(Pit& pit, std::initializer_list<SquareSpec> squares, int32_t colour, int x, int y) {
    pit.falling = Matrix{};
    for (const SquareSpec& s : squares)
        pit.falling[s.i][s.j] = s.kind;
    pit.fallingColour = colour;
    pit.fallingPosition = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
    pit.previousPosition = {0, 0};
}

// One row down, as a tick does it.
inline bool StepDown(Pit& pit) {
    pit.previousPosition = pit.fallingPosition;
    ++pit.fallingPosition.y;
    return pit.MoveFallingBlock();
}

inline void FillRow(Pit& pit, int y, int16_t kind, int32_t colour) {
    for (int x = 1; x <= kColumns; ++x)
        pit.SetCell(x, y, kind, colour);
}

}  // namespace vantorel::test
