// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <functional>

#include "quadrelle/engine.h"

namespace quadrelle_test {

using namespace quadrelle;

// Records what the game shows, asks and times, with the last colour drawn in every well cell.
struct RecordingView : View {
    std::array<std::array<int32_t, kWellRows + 1>, kWellColumns + 1> drawn{};
    int drawCalls = 0;
    QList<int16_t> rowBars;
    bool nextCleared = false;
    int32_t score = 0, best = 0;
    int16_t level = 0, lines = 0;
    QString message;
    bool pausedMark = false;
    QList<int16_t> timerStarts;
    int timerStops = 0;
    bool timerRunning = false;
    int16_t interval = 0;
    bool gameOverTimer = false;
    int asks = 0;
    std::function<bool()> answer = [] { return false; };
    int32_t bestLocal = 100;  // the best score of the local table

    void DrawCell(int16_t x, int16_t y, int32_t colour) override {
        if (y >= 0) drawn[x][y] = colour;
        ++drawCalls;
    }
    void DrawRowBar(int16_t row) override { rowBars << row; }
    void PaintNextBlock(const Matrix&, int16_t, int32_t) override { nextCleared = false; }
    void ClearNext() override { nextCleared = true; }
    void ShowScore(int32_t s) override { score = s; }
    void ShowHiScore(int32_t b) override { best = b; }
    void ShowLevel(int16_t l) override { level = l; }
    void ShowLines(int16_t r) override { lines = r; }
    void ShowMessage(const QString& text) override { message = text; }
    void ShowPaused(bool p) override { pausedMark = p; }
    void StartClock(int ms) override {
        timerStarts << static_cast<int16_t>(ms);
        timerRunning = true;
        interval = ms;
    }
    void StopClock() override {
        ++timerStops;
        timerRunning = false;
    }
    void GameOver() override { gameOverTimer = true; }
    // A pending offer is made (and opens no name entry here).
    bool SettleGameOver() override {
        gameOverTimer = false;
        return false;
    }
    void FocusPlayArea() override {}
    bool AskNewGame() override {
        ++asks;
        return answer();
    }
    void CommitPendingName() override {}
    int32_t BestStoredScore() override { return bestLocal; }
};

}  // namespace quadrelle_test
