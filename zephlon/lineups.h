// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "frame/soundsink.h"
#include "zephlon/board.h"

namespace zephlon {

// A cell of the board; column 0 means none (no blinking block, or not in Puzzle mode).
struct CellPos {
    int16_t column = 0;
    int16_t row = 0;
    bool operator==(const CellPos&) const = default;
};

// What the line-up processing asks of the window, the speaker and the score. The engine fills these with its
// own operations; a member left empty is skipped, so tests record only what they look at.
struct PlayEffects {
    // A laser-lit half pipe for a beam task; has2/has4 tell whether the cell carries the horizontal tracks.
    std::function<void(const CLaserTask& task, bool has2, bool has4)> drawLaserPipe;
    // One cell of the play area: value 0 draws it empty; part 16 the whole cell, 1/2/4/8 one quarter.
    std::function<void(int16_t column, int16_t row, int16_t value, int16_t part, int16_t style)> drawCell;
    std::function<void()> yield;
    std::function<void(frame::Cue cue)> playSoundCue;
    std::function<void(int16_t points)> addScore;
    // LabelBlocks shows the blocks counter.
    std::function<void(int16_t blocks)> showBlocks;
};

inline constexpr int16_t kWholeCell = 16;
inline constexpr int16_t kPipePoints = 5;

// Points of the k-th block destroyed since the last spawn.
inline int16_t ChainPoints(int16_t k) {
    return static_cast<int16_t>(50 + 25 * (k - 1));
}

// The tasks of one line-up check, in the order they are processed.
struct LineUpResult {
    std::vector<CLaserTask> tasks;
    bool blinkSuppress = false;  // a run crosses the blinking block: it stays hidden until the lasers end
};

// Appends the beam then the erase tasks of one run. Runs start one step apart (run n begins at step n), the
// beam crosses half a cell per step from the left (or top) end, and the erase pass follows the run's own
// beam.
void CreateLaserRun(LineUpResult& check, int16_t number, int16_t startColumn, int16_t startRow,
                    int16_t length, int16_t bit, CellPos blink = {});

// Searches rows for bits 2 and 4, then columns for bits 8 and 16: maximal runs of three or more cells.
LineUpResult CheckLineUps(const Grid& board, CellPos blink = {});

// One laser step: the counter advances and every task of that step is processed in order. Returns false when
// no task had the step, i.e. the lasers are over.
bool LaserStep(int16_t& stepCounter, const std::vector<CLaserTask>& tasks, Grid& board, Grid& marksFirst,
               Grid& marksSecond, bool demo, const PlayEffects& fx);

// The quarter of the cell an erase task redraws.
int16_t ErasePart(int16_t bit, int16_t half);

// First destruction phase: every block left without pipes (value exactly 1) is emptied, bottom row first, and
// scored by its place in the chain. Concrete (65) stays.
std::vector<CEmptyBlock> DestroyEmptyBlocks(Grid& board, int16_t& blocks, int16_t& chain, bool demo,
                                            const PlayEffects& fx);

// One frame of the destruction or blast animation on the emptied cells (value 0 draws them empty).
void DrawEmptiedCells(const std::vector<CEmptyBlock>& cells, int16_t value, int16_t style,
                      const PlayEffects& fx);

// One gravity pass: closes gaps of up to three cells per column. Returns whether any block moved.
bool PackBoard(Grid& board);

// A landed bomb at (column, row) empties its own cell and destroys the cell below, except on the bottom row
// or when that cell is the blinking block. Returns the emptied cells.
std::vector<CEmptyBlock> BombBlast(Grid& board, int16_t column, int16_t row, CellPos blink, int16_t& blocks,
                                   int16_t& chain, const PlayEffects& fx);

// Whether one of the emptied cells is the given cell.
bool HitsCell(const std::vector<CEmptyBlock>& cells, CellPos cell);

}  // namespace zephlon
