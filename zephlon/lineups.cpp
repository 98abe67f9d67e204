// SPDX-License-Identifier: GPL-3.0-or-later
#include "zephlon/lineups.h"

namespace zephlon {

namespace {

template <typename F, typename... Args>
void Call(const F& f, Args&&... args) {
    if (f) f(std::forward<Args>(args)...);
}

// Follows one track bit along a row or a column, closing a run at a cell without the bit or at the last cell.
struct RunTracker {
    int16_t bit = 0;
    int16_t count = 0;
    int16_t startColumn = 0;
    int16_t startRow = 0;

    void Visit(LineUpResult& check, int16_t& number, int16_t value, int16_t column, int16_t row, bool last,
               CellPos blink) {
        const bool carries = (value & bit) != 0;
        if (carries) {
            if (count == 0) {
                startColumn = column;
                startRow = row;
            }
            ++count;
        }
        if (!carries || last) {
            if (count >= 3) {
                ++number;
                CreateLaserRun(check, number, startColumn, startRow, count, bit, blink);
            }
            count = 0;
        }
    }
};

}  // namespace

void CreateLaserRun(LineUpResult& check, int16_t number, int16_t startColumn, int16_t startRow,
                    int16_t length, int16_t bit, CellPos blink) {
    const bool horizontal = bit == kPipe2 || bit == kPipe4;
    for (int pass = 0; pass <= 1; ++pass) {
        for (int b = 0; b < 2 * length; ++b) {
            CLaserTask t;
            t.kind = pass == 0 ? 2 : 1;
            t.start = pass == 0 && b == 0;
            t.step = static_cast<int16_t>(b + number + 2 * length * pass);
            t.column = static_cast<int16_t>(horizontal ? startColumn + b / 2 : startColumn);
            t.row = static_cast<int16_t>(horizontal ? startRow : startRow + b / 2);
            t.half = b % 2 == 0 ? 1 : 2;
            t.bit = bit;
            if (blink.column != 0 && t.half == 1 && t.column == blink.column && t.row == blink.row)
                check.blinkSuppress = true;
            check.tasks.push_back(t);
        }
    }
}

LineUpResult CheckLineUps(const Grid& board, CellPos blink) {
    LineUpResult check;
    int16_t number = 0;
    for (int16_t row = 1; row <= kRows; ++row) {
        RunTracker first{kPipe2}, second{kPipe4};
        for (int16_t column = 1; column <= kColumns; ++column) {
            const bool last = column == kColumns;
            first.Visit(check, number, board(column, row), column, row, last, blink);
            second.Visit(check, number, board(column, row), column, row, last, blink);
        }
    }
    for (int16_t column = 1; column <= kColumns; ++column) {
        RunTracker first{kPipe8}, second{kPipe16};
        for (int16_t row = 1; row <= kRows; ++row) {
            const bool last = row == kRows;
            first.Visit(check, number, board(column, row), column, row, last, blink);
            second.Visit(check, number, board(column, row), column, row, last, blink);
        }
    }
    return check;
}

int16_t ErasePart(int16_t bit, int16_t half) {
    if (half == 1) {
        switch (bit) {
            case kPipe2:
            case kPipe8:
                return 1;
            case kPipe16:
                return 2;
            case kPipe4:
                return 4;
        }
    } else {
        switch (bit) {
            case kPipe2:
                return 2;
            case kPipe8:
                return 4;
            case kPipe16:
            case kPipe4:
                return 8;
        }
    }
    return kWholeCell;
}

bool LaserStep(int16_t& stepCounter, const std::vector<CLaserTask>& tasks, Grid& board, Grid& marksFirst,
               Grid& marksSecond, bool demo, const PlayEffects& fx) {
    ++stepCounter;
    const int16_t s = stepCounter;
    int starts = 0;
    for (const CLaserTask& t : tasks)
        if (t.start && (t.step == s || t.step == s + 1)) ++starts;

    bool any = false;
    for (const CLaserTask& t : tasks) {
        if (t.step != s) continue;
        any = true;
        const int16_t c = t.column, r = t.row;
        if (t.kind == 2) {
            const int16_t value = board(c, r);
            Call(fx.drawLaserPipe, t, (value & kPipe2) != 0, (value & kPipe4) != 0);
            if (t.start && starts != 0) {
                Call(fx.yield);
                Call(fx.playSoundCue, starts == 2 ? frame::Cue::DoubleLaser : frame::Cue::Laser);
            }
            if (t.half == 1) {
                marksFirst(c, r) = static_cast<int16_t>(marksFirst(c, r) | t.bit);
                if (!demo) Call(fx.addScore, kPipePoints);
            } else {
                marksSecond(c, r) = static_cast<int16_t>(marksFirst(c, r) | t.bit);
            }
        } else {
            board(c, r) = static_cast<int16_t>(board(c, r) & ~t.bit);
            if (t.half == 1)
                marksFirst(c, r) = static_cast<int16_t>(marksFirst(c, r) & ~t.bit);
            else
                marksSecond(c, r) = static_cast<int16_t>(marksFirst(c, r) & ~t.bit);
            Call(fx.drawCell, c, r, board(c, r), ErasePart(t.bit, t.half), int16_t{1});
        }
    }
    return any;
}

std::vector<CEmptyBlock> DestroyEmptyBlocks(Grid& board, int16_t& blocks, int16_t& chain, bool demo,
                                            const PlayEffects& fx) {
    std::vector<CEmptyBlock> emptied;
    for (int16_t row = kRows; row >= 1; --row) {
        for (int16_t column = 1; column <= kColumns; ++column) {
            if (board(column, row) != kPresent) continue;
            board(column, row) = 0;
            emptied.push_back({column, row, false});
            ++blocks;
            ++chain;
            if (!demo) {
                Call(fx.addScore, ChainPoints(chain));
                Call(fx.showBlocks, blocks);
            }
        }
    }
    return emptied;
}

void DrawEmptiedCells(const std::vector<CEmptyBlock>& cells, int16_t value, int16_t style,
                      const PlayEffects& fx) {
    for (const CEmptyBlock& e : cells)
        Call(fx.drawCell, e.column, e.row, value, kWholeCell, style);
}

bool PackBoard(Grid& board) {
    bool moved = false;
    for (int r = kRows; r >= 2; --r) {
        for (int c = 1; c <= kColumns; ++c) {
            if (board(c, r) != 0) continue;
            int g = 1;
            if (board(c, r - 1) == 0) {
                g = 2;
                if (r >= 3 && board(c, r - 2) == 0) g = 3;
            }
            for (int x = r; x >= g; --x) {
                const int16_t v = board(c, x - g);
                if (v != 0) moved = true;
                board(c, x) = v;
            }
            for (int x = 1; x <= g - 1; ++x)
                board(c, x) = 0;
        }
    }
    return moved;
}

std::vector<CEmptyBlock> BombBlast(Grid& board, int16_t column, int16_t row, CellPos blink, int16_t& blocks,
                                   int16_t& chain, const PlayEffects& fx) {
    std::vector<CEmptyBlock> emptied;
    board(column, row) = 0;
    emptied.push_back({column, row, false});
    const int16_t below = static_cast<int16_t>(row + 1);
    const bool blinking = blink.column != 0 && blink.column == column && blink.row == below;
    if (row < kRows && !blinking && board(column, below) != 0) {
        Call(fx.drawCell, column, below, static_cast<int16_t>(board(column, below) | kBomb), kWholeCell,
             int16_t{1});
        emptied.push_back({column, below, false});
        board(column, below) = 0;
        ++blocks;
        ++chain;
        Call(fx.addScore, ChainPoints(chain));
        Call(fx.showBlocks, blocks);
    }
    return emptied;
}

bool HitsCell(const std::vector<CEmptyBlock>& cells, CellPos cell) {
    for (const CEmptyBlock& e : cells)
        if (e.column == cell.column && e.row == cell.row) return true;
    return false;
}

}  // namespace zephlon
