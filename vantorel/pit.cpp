// SPDX-License-Identifier: GPL-3.0-or-later
#include "vantorel/pit.h"

#include <utility>

namespace vantorel {

namespace {

struct Square {
    int16_t i;
    int16_t j;
};

// The eight shapes: first, middle and last square, and the entry row (2 when the shape uses matrix
// row 1, so its top square enters on pit row 1).
struct Shape {
    Square first;
    Square middle;
    Square last;
    int16_t entryRow;
};

constexpr std::array<Shape, 8> kShapes = {{
    {{2, 1}, {2, 2}, {2, 3}, 2},  // upright bar
    {{2, 1}, {2, 2}, {2, 3}, 2},  // upright bar
    {{1, 2}, {2, 2}, {3, 2}, 1},  // lying bar
    {{1, 2}, {2, 2}, {3, 2}, 1},  // lying bar
    {{2, 1}, {2, 2}, {3, 2}, 2},  // corner up and right
    {{2, 1}, {2, 2}, {1, 2}, 2},  // corner up and left
    {{1, 2}, {2, 2}, {2, 3}, 1},  // corner left and down
    {{2, 3}, {2, 2}, {3, 2}, 1},  // corner down and right
}};

// Kinds of the first, middle and last square: more transparent parts at the front of a piece.
constexpr std::array<std::array<int16_t, 3>, 4> kKinds = {{
    {kTransparent, kTransparent, kTransparent},
    {kTransparent, kTransparent, kSolid},
    {kTransparent, kSolid, kSolid},
    {kSolid, kSolid, kSolid},
}};

bool ColumnEmpty(const Matrix& m, int i) {
    return m[i][1] == 0 && m[i][2] == 0 && m[i][3] == 0;
}
bool RowEmpty(const Matrix& m, int j) {
    return m[1][j] == 0 && m[2][j] == 0 && m[3][j] == 0;
}
bool InPitColumns(int x) {
    return x >= 1 && x <= kColumns;
}

// Integer part of random x n, kept inside 0..n-1 even for a source that returns 1.0.
int Draw(const frame::RandomSource& random, int n) {
    const int v = static_cast<int>(random() * n);
    return v < 0 ? 0 : (v >= n ? n - 1 : v);
}

}  // namespace

Pit::Pit(PitView& view, frame::SoundSink& sound, frame::RandomSource random)
    : m_view(view), m_sound(sound), m_random(std::move(random)) {}

int16_t Pit::KindAt(int x, int y) const {
    return InStorage(x, y) ? m_kind[Index(x, y)] : kEmpty;
}

int32_t Pit::ColourAt(int x, int y) const {
    return InStorage(x, y) ? m_colour[Index(x, y)] : kNoColour;
}

void Pit::SetCell(int x, int y, int16_t kind, int32_t colour) {
    if (!InStorage(x, y)) return;
    m_kind[Index(x, y)] = kind;
    m_colour[Index(x, y)] = colour;
}

bool Pit::IsBlockedBy(int16_t k, int16_t b) {
    return (k == kSolid && b != kEmpty) || (k == kTransparent && b == kSolid);
}

int32_t Pit::MixColours(int32_t p, int32_t q) {
    auto is = [&](int32_t a, int32_t b) { return (p == a && q == b) || (p == b && q == a); };
    if (is(kYellow, kBlue)) return kGreen;
    if (is(kYellow, kRed)) return kOrange;
    if (is(kBlue, kRed)) return kPurple;
    return p;
}

void Pit::NextBlock() {
    const int n = Draw(m_random, 3) + 1;
    nextColour = n == 1 ? kRed : (n == 2 ? kYellow : kBlue);
    const Shape& shape = kShapes[static_cast<size_t>(Draw(m_random, 8))];
    const auto& kinds = kKinds[static_cast<size_t>(Draw(m_random, 4))];
    next = Matrix{};
    next[shape.first.i][shape.first.j] = kinds[0];
    next[shape.middle.i][shape.middle.j] = kinds[1];
    next[shape.last.i][shape.last.j] = kinds[2];
    nextEntryPosition = {5, shape.entryRow};
}

void Pit::ResetFallingBlock() {
    falling = Matrix{};
    previousPosition = {0, 0};
    MoveFallingBlock();
}

bool Pit::MoveFallingBlock() {
    const int px = fallingPosition.x, py = fallingPosition.y;
    const int ox = previousPosition.x, oy = previousPosition.y;
    // Erase the piece where it stood; a transparent part it covered shows again unmixed.
    if (ox > 0 && oy > 0) {
        for (int i = 1; i <= 3; ++i) {
            for (int j = 1; j <= 3; ++j) {
                const int x = ox + i - 2, y = oy + j - 2;
                if (y > kRows || !InPitColumns(x)) continue;
                const int16_t kind = KindAt(x, y);
                if (kind == kEmpty) m_view.DrawCell(x, y, kNoColour);
                if (kind == kTransparent) m_view.DrawCell(x, y, ColourAt(x, y) + 1);
            }
        }
    }
    bool mixed = false;
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            const int x = px + i - 2, y = py + j - 2;
            const int16_t k = falling[i][j];
            if (k == kSolid) {
                if (y > kRows || !InPitColumns(x)) continue;
                if (KindAt(x, y) != kEmpty) return false;
                m_view.DrawCell(x, y, fallingColour);
            } else if (k == kTransparent) {
                if (y > kRows || KindAt(x, y) == kSolid) return false;
                if (!InPitColumns(x)) continue;
                if (KindAt(x, y) == kEmpty) {
                    m_view.DrawCell(x, y, fallingColour + 1);
                } else {
                    // Shown solid in the mixed colour while it lies there; made permanent only by
                    // PlaceBlock.
                    mixed = true;
                    m_view.DrawCell(x, y, MixColours(ColourAt(x, y), fallingColour));
                }
            } else if (y <= kRows && InPitColumns(x) && KindAt(x, y) == kEmpty) {
                m_view.DrawCell(x, y, kNoColour);
            }
        }
    }
    if (mixed) {
        m_sound.PlaySoundCue(frame::Cue::Mix);
    } else if (IsBlockedBelow()) {
        m_sound.PlaySoundCue(frame::Cue::TouchDown);
    }
    return true;
}

bool Pit::IsBlockedBelow() const {
    const int px = fallingPosition.x, py = fallingPosition.y;
    if (py > kRows) return true;
    // The floor: the piece rests when its lowest square is on the last row.
    bool blocked = RowEmpty(falling, 3) ? py == kRows : py == kRows - 1;
    auto test = [&](int j, int belowRow) {
        for (int i = 1; i <= 3; ++i) {
            const int x = px + i - 2;
            if (InPitColumns(x) && IsBlockedBy(falling[i][j], KindAt(x, belowRow))) blocked = true;
        }
    };
    if (py + 2 <= kRows) test(3, py + 2);
    if (py + 1 <= kRows) test(2, py + 1);
    test(1, py);
    return blocked;
}

bool Pit::IsBlockedLeft() const {
    const int px = fallingPosition.x, py = fallingPosition.y;
    if (ColumnEmpty(falling, 1) ? px == 1 : px == 2) return true;
    for (int i = 1; i <= 3; ++i) {
        const int x = px + i - 3;
        if (x < 1) continue;
        for (int j = 1; j <= 3; ++j) {
            const int y = py + j - 2;
            // The hidden row and anything below the floor are not tested sideways.
            if (y < 1 || y > kRows) continue;
            if (IsBlockedBy(falling[i][j], KindAt(x, y))) return true;
        }
    }
    return false;
}

bool Pit::IsBlockedRight() const {
    const int px = fallingPosition.x, py = fallingPosition.y;
    if (py > kRows) return true;
    if (ColumnEmpty(falling, 3) ? px == kColumns : px == kColumns - 1) return true;
    // A square below the middle would lie below the floor (this refuses turns on the last row).
    if (py == kRows && falling[2][3] != 0) return true;
    for (int i = 3; i >= 1; --i) {
        const int x = px + i - 1;
        if (x > kColumns) continue;
        for (int j = 1; j <= 3; ++j) {
            const int y = py + j - 2;
            if (y < 1 || y > kRows) continue;
            if (IsBlockedBy(falling[i][j], KindAt(x, y))) return true;
        }
    }
    return false;
}

// The sideways tests leave the hidden row out, so a square of the piece that lies in it could slide onto a
// square kept there and the piece would overlap it; such a move is refused.
bool Pit::HiddenRowBlocks(int dx) const {
    const int px = fallingPosition.x, py = fallingPosition.y;
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            const int x = px + i - 2 + dx;
            if (falling[i][j] == 0 || py + j - 2 != 0 || x < 1 || x > kColumns) continue;
            if (IsBlockedBy(falling[i][j], KindAt(x, 0))) return true;
        }
    }
    return false;
}

void Pit::MoveLeft() {
    if (IsBlockedLeft() || HiddenRowBlocks(-1)) return;
    previousPosition = fallingPosition;
    --fallingPosition.x;
    MoveFallingBlock();
}

void Pit::MoveRight() {
    if (IsBlockedRight() || HiddenRowBlocks(1)) return;
    previousPosition = fallingPosition;
    ++fallingPosition.x;
    MoveFallingBlock();
}

void Pit::RotateBlock() {
    const Matrix saved = falling;
    const int px = fallingPosition.x;
    // A square that would turn into column 0 or 9 refuses the turn before anything is tested.
    if (saved[2][3] != 0 && px == 1) return;
    if (saved[2][1] != 0 && px == kColumns) return;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            falling[i][j] = saved[j][4 - i];
    // A right-move test from one column to the left tests the turned piece at its own position.
    --fallingPosition.x;
    bool blocked = IsBlockedRight();
    ++fallingPosition.x;
    // The sideways test skips the hidden row; a part stored there must refuse the turn too, or the
    // piece would be half drawn over it.
    for (int i = 1; i <= 3 && !blocked; ++i) {
        const int x = px + i - 2, y = fallingPosition.y - 1;
        if (y == 0 && IsBlockedBy(falling[i][1], KindAt(x, y))) blocked = true;
    }
    if (blocked) {
        falling = saved;
        return;
    }
    // Erase the frame where the piece stands, so a part that an old square showed mixed is shown
    // unmixed again when the turned piece no longer covers it.
    previousPosition = fallingPosition;
    MoveFallingBlock();
}

void Pit::PlaceBlock() {
    const int px = fallingPosition.x, py = fallingPosition.y;
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            const int x = px + i - 2, y = py + j - 2;
            if (y > kRows || !InPitColumns(x) || y < 0) continue;
            const int16_t here = KindAt(x, y);
            if (here == kEmpty) {
                SetCell(x, y, falling[i][j], fallingColour);
            } else if (falling[i][j] == kTransparent && here == kTransparent) {
                SetCell(x, y, kSolid, MixColours(ColourAt(x, y), fallingColour));
            }
        }
    }
    RedrawBoard();
}

void Pit::ClearBoard() {
    for (int y = 1; y <= kRows; ++y)
        EmptyRow(y);
    RedrawBoard();
}

void Pit::RedrawBoard() {
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            const int16_t kind = KindAt(x, y);
            if (kind == kSolid) m_view.DrawCell(x, y, ColourAt(x, y));
            if (kind == kTransparent) m_view.DrawCell(x, y, ColourAt(x, y) + 1);
            if (kind == kEmpty) m_view.DrawCell(x, y, kNoColour);
        }
    }
}

bool Pit::IsRowComplete(int y) const {
    for (int x = 1; x <= kColumns; ++x)
        if (KindAt(x, y) != kSolid) return false;
    return true;
}

void Pit::CopyRow(int from, int to) {
    for (int x = 1; x <= kColumns; ++x)
        SetCell(x, to, KindAt(x, from), ColourAt(x, from));
}

void Pit::EmptyRow(int y) {
    for (int x = 1; x <= kColumns; ++x)
        SetCell(x, y, kEmpty, kNoColour);
}

void Pit::ClearRowKinds(int y) {
    for (int x = 1; x <= kColumns; ++x)
        SetCell(x, y, kEmpty, ColourAt(x, y));
}

}  // namespace vantorel
