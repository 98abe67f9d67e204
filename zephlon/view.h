// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "zephlon/board.h"

namespace zephlon {

// Where DrawCell paints: the play area, the falling-block sprite, the next box or the bomb marker.
enum class DrawTarget : int { PlayArea = 0, FallingSprite = 1, NextBox = 2, BombMarker = 3 };

// Part selector of DrawCell: the whole cell, or one quarter for the erase pass of a laser run.
inline constexpr int kWholeCellPart = 16;

// The status-bar labels the engine writes.
enum class StatusLabel { Score, HiScore, Level, Blocks, BlocksHead };

// Everything a view needs to paint one cell.
struct CellDrawing {
    DrawTarget target = DrawTarget::PlayArea;
    int column = 1;
    int row = 1;
    int16_t value = 0;
    int part = kWholeCellPart;
    int style = 1;  // 1 normal, 2 and 3 the darker animation frames
    int x = 0;      // pixel offset inside the target
    int y = 0;
    int size = 0;             // cell size in pixels for this target
    int blockColour = 2;      // 1..5
    int16_t marksFirst = 0;   // pipe bits laser-lit on the first half of the cell
    int16_t marksSecond = 0;  // ... and on the second half
};

// One half-cell pipe section.
struct PipeDrawing {
    DrawTarget target = DrawTarget::PlayArea;
    int column = 1;
    int row = 1;
    int bit = kPipe2;
    int half = 0;  // 0 whole length, 1 first half, 2 second half
    int look = 1;  // 1 plain, 2 laser-lit
    bool has2 = false;
    bool has4 = false;
    int x = 0;
    int y = 0;
    int size = 0;
};

// What the engine draws, shows, asks and times through. The Qt window implements it; tests record the calls.
class ZephlonView {
  public:
    virtual ~ZephlonView() = default;

    virtual int CellSize() const = 0;
    // Inner width of the next box in pixels.
    virtual int NextBoxWidth() const = 0;
    // Paints one cell; for the falling-block sprite the sprite is then moved onto the cell and shown.
    virtual void DrawCell(const CellDrawing& cell) = 0;
    virtual void DrawPipe(const PipeDrawing& pipe) = 0;
    virtual void ClearNextBox() = 0;
    virtual void HideFallingSprite() = 0;
    virtual void SetLaserBombVisible(bool visible) = 0;
    virtual void PlaceBlinkBlock(int column, int row) = 0;
    virtual void SetBlinkBlockVisible(bool visible) = 0;
    // Message panel: "zephlon" shows the logo, other text the label, empty text hides the panel.
    virtual void ShowMessage(const QString& text, int fontSize) = 0;
    virtual void SetLabel(StatusLabel label, const QString& text) = 0;

    // Clocks: the game clock, the 600 ms blink, the 100 ms bomb flash and the one-shot game-over delay.
    virtual void StartClock(int intervalMs) = 0;
    virtual void StopClock() = 0;
    virtual void SetBlinkTimer(bool on) = 0;
    virtual void SetLaserBombTimer(bool on) = 0;
    // A game ended: one second later its score is offered to the high-score table.
    virtual void GameOver() = 0;
    // Offers a finished game's score still waiting for its second. Returns true when a name entry opened, so
    // the new game waits for the name.
    virtual bool SettleGameOver() = 0;

    // Menu states that follow the game.
    virtual void SetMenuReplayEnabled(bool enabled) = 0;
    virtual void SetMenuStopEnabled(bool enabled) = 0;
    virtual void SetModeMenuLocked(bool locked) = 0;
    // The pause check mark.
    virtual void ShowPaused(bool paused) = 0;
    // Unchecks the start-level entries and sets them again from the options.
    virtual void RefreshLevelMenu() = 0;

    virtual void FocusPlayArea() = 0;
    virtual void ShowInstructions() = 0;
    // "Are you sure you want to start a new game"; true for Yes.
    virtual bool AskNewGame() = 0;
    // Entry 1 of the high-score list of a mode (0 Original, 1 Puzzle).
    virtual int32_t BestStoredScore(int32_t mode) = 0;
    // Commits a high-score name still being typed.
    virtual void CommitPendingName() = 0;
};

}  // namespace zephlon
