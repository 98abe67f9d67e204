// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "frame/random.h"
#include "frame/soundsink.h"

namespace vantorel {

// The pit is 8 columns by 18 rows, row 1 at the top. Storage also has column 0 (never used) and the
// hidden row 0 just above the pit, where a turned piece may poke out.
inline constexpr int kColumns = 8;
inline constexpr int kRows = 18;

// What a cell holds.
inline constexpr int16_t kEmpty = 0;
inline constexpr int16_t kTransparent = 1;
inline constexpr int16_t kSolid = 2;

// Colour numbers. The grids hold only 1, 3, 5, 7, 8, 9; a transparent part of colour m is drawn as m + 1.
inline constexpr int32_t kNoColour = 0;
inline constexpr int32_t kYellow = 1;
inline constexpr int32_t kYellowTransparent = 2;
inline constexpr int32_t kBlue = 3;
inline constexpr int32_t kBlueTransparent = 4;
inline constexpr int32_t kRed = 5;
inline constexpr int32_t kRedTransparent = 6;
inline constexpr int32_t kGreen = 7;
inline constexpr int32_t kOrange = 8;
inline constexpr int32_t kPurple = 9;

// A piece in its 3 x 3 frame, indexed [i][j] with i the column and j the row; only 1..3 are used and
// square (2, 2) lies on the piece's position.
using Matrix = std::array<std::array<int16_t, 4>, 4>;

struct Position {
    int16_t x = 0;
    int16_t y = 0;
    bool operator==(const Position&) const = default;
};

// The one drawing operation the pit needs: a pit cell in a colour number (0 = empty). Row 0 lies
// outside the visible pit.
class PitView {
  public:
    virtual ~PitView() = default;
    virtual void DrawCell(int16_t x, int16_t y, int32_t colour) = 0;
};

// Uniform random numbers in [0, 1).
using RandomSource = std::function<double()>;

// The pit's kind and colour grids and the falling and next piece, with the moves that test, mix and
// place them.
class Pit {
  public:
    Pit(PitView& view, frame::SoundSink& sound, frame::RandomSource random);

    // Grid access; cells outside the storage read as empty.
    int16_t KindAt(int x, int y) const;
    int32_t ColourAt(int x, int y) const;
    void SetCell(int x, int y, int16_t kind, int32_t colour);

    // A piece square of kind k is blocked by a cell of kind b: solid stops on anything, transparent
    // only on solid.
    static bool IsBlockedBy(int16_t k, int16_t b);
    // Colour of a transparent part of colour q mixed into one of colour p.
    static int32_t MixColours(int32_t p, int32_t q);

    void NextBlock();
    void ResetFallingBlock();
    bool MoveFallingBlock();
    bool IsBlockedBelow() const;
    bool IsBlockedLeft() const;
    bool IsBlockedRight() const;
    void MoveLeft();
    void MoveRight();
    // True when moving dx columns would put a square of the piece onto a square kept in the hidden row.
    bool HiddenRowBlocks(int dx) const;
    void RotateBlock();
    void PlaceBlock();
    void ClearBoard();
    void RedrawBoard();

    // A row is complete when all eight cells hold solid squares.
    bool IsRowComplete(int y) const;
    // Row operations of the collapse after erased rows (both grids, columns 1..8).
    void CopyRow(int from, int to);
    void EmptyRow(int y);
    void ClearRowKinds(int y);

    const frame::RandomSource& Random() const { return m_random; }
    void SetRandom(frame::RandomSource random) { m_random = std::move(random); }

    Matrix falling{};
    Matrix next{};
    Position fallingPosition;
    Position previousPosition;
    Position nextEntryPosition;
    int32_t fallingColour = kYellow;
    int32_t nextColour = kYellow;

  private:
    static constexpr int kGridColumns = kColumns + 1;
    static constexpr int kGridRows = kRows + 1;
    static bool InStorage(int x, int y) { return x >= 0 && x < kGridColumns && y >= 0 && y < kGridRows; }
    static size_t Index(int x, int y) { return static_cast<size_t>(x + kGridColumns * y); }

    PitView& m_view;
    frame::SoundSink& m_sound;
    frame::RandomSource m_random;
    std::array<int16_t, kGridColumns * kGridRows> m_kind{};
    std::array<int32_t, kGridColumns * kGridRows> m_colour{};
};

}  // namespace vantorel
