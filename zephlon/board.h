// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

namespace zephlon {

// Play cells are columns 1..7 and rows 1..10 (row 1 at the top); column 0 and 8 and rows 0 and 11 form a ring
// that always holds 0, so neighbours can be read without bounds checks.
inline constexpr int kColumns = 7;
inline constexpr int kRows = 10;
inline constexpr int kGridColumns = kColumns + 2;
inline constexpr int kGridRows = kRows + 2;

// Bits of a cell value.
enum CellBit : int16_t {
    kPresent = 1,    // a block is present
    kPipe2 = 2,      // horizontal track near the top edge
    kPipe4 = 4,      // horizontal track near the bottom edge
    kPipe8 = 8,      // vertical track near the left edge
    kPipe16 = 16,    // vertical track near the right edge
    kBomb = 32,      // laser bomb (falling and next block only); also selects the blast look when drawing
    kConcrete = 64,  // concrete block (65), made only by puzzle garbage
};
inline constexpr int16_t kPipeBits = kPipe2 | kPipe4 | kPipe8 | kPipe16;

// One array of 16-bit cells indexed (column, row), column varying fastest.
class Grid {
  public:
    int16_t& operator()(int column, int row) {
        return m_cells[static_cast<size_t>(column + kGridColumns * row)];
    }
    int16_t operator()(int column, int row) const {
        return m_cells[static_cast<size_t>(column + kGridColumns * row)];
    }
    static bool IsPlayCell(int column, int row) {
        return column >= 1 && column <= kColumns && row >= 1 && row <= kRows;
    }
    // Sets every play cell to 0 (the ring is never written).
    void ClearPlayCells() {
        for (int r = 1; r <= kRows; ++r)
            for (int c = 1; c <= kColumns; ++c)
                (*this)(c, r) = 0;
    }
    bool operator==(const Grid&) const = default;

  private:
    std::array<int16_t, kGridColumns * kGridRows> m_cells{};
};

// One half-cell segment of a laser run.
struct CLaserTask {
    int16_t step = 0;  // animation step at which the segment is processed
    int16_t column = 0;
    int16_t row = 0;
    int16_t bit = 0;     // 2, 4, 8 or 16: the track of the run
    int16_t half = 0;    // 1 first half of the cell crossed, 2 second half
    int16_t kind = 0;    // 2 beam pass, 1 erase pass
    bool start = false;  // first segment of a run
};

// One cell emptied by a destruction or a bomb.
struct CEmptyBlock {
    int16_t column = 0;
    int16_t row = 0;
    bool flag = false;
};

}  // namespace zephlon
