// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadrelle/engine.h"

#include <algorithm>

namespace quadrelle {

namespace {

struct Piece {
    int32_t colour;
    std::array<std::array<int, 2>, 4> cells;  // matrix cells (i, j)
    Position entry;
};

// The seven pieces; the colour number is the piece's identity (1 the bar, 7 the square).
constexpr std::array<Piece, 7> kPieces = {{
    {1, {{{1, 2}, {2, 2}, {3, 2}, {4, 2}}}, {5, 1}},
    {2, {{{2, 1}, {1, 2}, {2, 2}, {3, 2}}}, {5, 2}},
    {3, {{{1, 1}, {2, 1}, {3, 1}, {3, 2}}}, {5, 2}},
    {4, {{{3, 1}, {1, 2}, {2, 2}, {3, 2}}}, {5, 2}},
    {5, {{{1, 1}, {2, 1}, {2, 2}, {3, 2}}}, {5, 2}},
    {6, {{{2, 1}, {3, 1}, {1, 2}, {2, 2}}}, {5, 2}},
    {7, {{{2, 2}, {3, 2}, {2, 3}, {3, 3}}}, {5, 1}},
}};

constexpr int32_t kBar = 1;
constexpr int32_t kSquare = 7;

// Speed table in hundredths: the interval of a level is entry / 20 seconds. Level 15 is a little
// slower than its neighbours on purpose.
constexpr std::array<int32_t, 20> kSpeedHundredths = {770, 600, 500, 460, 400, 340, 280, 250, 230, 210,
                                                      195, 180, 170, 160, 165, 160, 155, 150, 145, 140};

bool columnHasCell(const Matrix& m, int i) {
    for (int j = 1; j <= 4; ++j)
        if (m[i][j]) return true;
    return false;
}

bool rowHasCell(const Matrix& m, int j) {
    for (int i = 1; i <= 4; ++i)
        if (m[i][j]) return true;
    return false;
}

}  // namespace

Engine::Engine(View& view, frame::SoundSink& sound, frame::RandomSource random)
    : m_view(view), m_sound(sound), m_random(std::move(random)) {}

Matrix Engine::PieceMatrix(int k) {
    Matrix m{};
    for (const auto& c : kPieces.at(k).cells)
        m[c[0]][c[1]] = true;
    return m;
}

int32_t Engine::PieceColour(int k) {
    return kPieces.at(k).colour;
}
Position Engine::PieceEntry(int k) {
    return kPieces.at(k).entry;
}

int16_t Engine::IntervalForLevel(int16_t level) {
    const int index = std::clamp<int>(level, 1, 20) - 1;
    // entry / 20 * 1000 ms = hundredths / 2, a half rounding to the even neighbour.
    const int32_t h = kSpeedHundredths[index];
    int32_t ms = h / 2;
    if (h % 2 != 0 && ms % 2 != 0) ++ms;
    return static_cast<int16_t>(ms);
}

void Engine::SetCell(int x, int y, bool occupied, int32_t colour) {
    m_board[x][y] = occupied;
    m_colour[x][y] = colour;
}

void Engine::SetFallingPiece(int k, Position at) {
    m_falling = PieceMatrix(k);
    m_fallingColour = PieceColour(k);
    m_fallingPos = at;
    m_previousPos = at;
}

// ---- Pieces and moves ----

void Engine::NextBlock() {
    const double r = m_random.Next();
    const int k = std::clamp(static_cast<int>(r * 7), 0, 6);
    m_next = PieceMatrix(k);
    m_nextColour = PieceColour(k);
    m_nextEntry = PieceEntry(k);
}

void Engine::ResetFallingBlock() {
    m_falling = Matrix{};
    m_previousPos = {0, 0};
    MoveFallingBlock();
}

bool Engine::MoveFallingBlock() {
    if (m_previousPos.x >= 0 && m_previousPos.y > 0) {
        for (int i = 1; i <= 4; ++i) {
            for (int j = 1; j <= 4; ++j) {
                const int x = m_previousPos.x + i - 2, y = m_previousPos.y + j - 2;
                if (FrameCellInWell(x, y) && !m_board[x][y]) m_view.DrawCell(x, y, 0);
            }
        }
    }
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            const int x = m_fallingPos.x + i - 2, y = m_fallingPos.y + j - 2;
            if (!FrameCellInWell(x, y)) continue;
            if (m_falling[i][j]) {
                // A newcomer drawn only in part before the overlap is how the end of a game shows.
                if (m_board[x][y]) return false;
                m_view.DrawCell(x, y, m_fallingColour);
            } else if (!m_board[x][y]) {
                m_view.DrawCell(x, y, 0);
            }
        }
    }
    if (IsBlockedBelow()) m_sound.PlaySoundCue(frame::Cue::TouchDown);
    return true;
}

void Engine::ShowFallingBlock() {
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            const int x = m_fallingPos.x + i - 2, y = m_fallingPos.y + j - 2;
            if (FrameCellInWell(x, y) && m_falling[i][j] && !m_board[x][y])
                m_view.DrawCell(x, y, m_fallingColour);
        }
    }
}

bool Engine::IsBlockedBelow() const {
    if (m_fallingPos.y > kWellRows) return true;
    int lowest = 1;
    for (int j = 4; j >= 1; --j) {
        if (rowHasCell(m_falling, j)) {
            lowest = j;
            break;
        }
    }
    if (m_fallingPos.y + lowest - 2 == kWellRows) return true;
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            if (!m_falling[i][j]) continue;
            const int x = m_fallingPos.x + i - 2, y = m_fallingPos.y + j - 1;
            if (y >= 0 && y <= kWellRows && x >= 1 && x <= kWellColumns && m_board[x][y]) return true;
        }
    }
    return false;
}

bool Engine::IsBlockedLeft() const {
    for (int i = 1; i <= 4; ++i) {
        if (columnHasCell(m_falling, i)) {
            if (m_fallingPos.x + i - 2 <= 1) return true;
            break;
        }
    }
    // Row 0 is left out: the sideways tests only look at the visible well.
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            if (!m_falling[i][j]) continue;
            const int x = m_fallingPos.x + i - 3, y = m_fallingPos.y + j - 2;
            if (x >= 1 && x <= kWellColumns && y >= 1 && y <= kWellRows && m_board[x][y]) return true;
        }
    }
    return false;
}

bool Engine::IsBlockedRight() const {
    for (int i = 4; i >= 1; --i) {
        if (columnHasCell(m_falling, i)) {
            if (m_fallingPos.x + i - 2 >= kWellColumns) return true;
            break;
        }
    }
    // The bottom rule serves RotateBlock, which tests a turned piece through this test.
    if ((m_fallingPos.y == 19 || m_fallingPos.y == 20) && rowHasCell(m_falling, 4)) return true;
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            if (!m_falling[i][j]) continue;
            const int x = m_fallingPos.x + i - 1, y = m_fallingPos.y + j - 2;
            if (x >= 1 && x <= kWellColumns && y >= 1 && y <= kWellRows && m_board[x][y]) return true;
        }
    }
    return false;
}

void Engine::MoveLeft() {
    if (IsBlockedLeft()) return;
    m_previousPos = m_fallingPos;
    --m_fallingPos.x;
    MoveFallingBlock();
}

void Engine::MoveRight() {
    if (IsBlockedRight()) return;
    m_previousPos = m_fallingPos;
    ++m_fallingPos.x;
    MoveFallingBlock();
}

void Engine::RotateBlock() {
    const Matrix saved = m_falling;
    const Matrix& m = m_falling;
    const int16_t x = m_fallingPos.x, y = m_fallingPos.y;
    if (x == 1 && (m[2][3] || m[3][3] || m[2][4] || m[3][4])) return;
    if (x == 10 && m[2][1]) return;
    if (y == 20 && (m[3][1] || m[3][2])) return;
    if (y == 19 && m[4][2]) return;

    if (m_fallingColour != kSquare) {
        Matrix turned = m_falling;
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                turned[i][j] = saved[j][4 - i];
        m_falling = turned;
    }
    if (m_fallingColour == kBar) {
        const bool standingEnd = m_falling[2][4];
        const bool lyingEnd = m_falling[4][2];
        if (standingEnd) {
            m_falling[4][2] = true;
            m_falling[2][4] = false;
        }
        if (lyingEnd) {
            m_falling[2][4] = true;
            m_falling[4][2] = false;
        }
    }
    // Testing the right move from one column to the left checks the turned piece in place.
    --m_fallingPos.x;
    const bool blocked = IsBlockedRight();
    ++m_fallingPos.x;
    if (blocked) {
        m_falling = saved;
        return;
    }
    MoveFallingBlock();
}

void Engine::PlaceBlock() {
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            const int x = m_fallingPos.x + i - 2, y = m_fallingPos.y + j - 2;
            if (FrameCellInWell(x, y) && !m_board[x][y]) {
                m_board[x][y] = m_falling[i][j];
                m_colour[x][y] = m_fallingColour;
            }
        }
    }
    RedrawBoard();
}

// ---- Game loop ----

void Engine::TimerHandler() {
    const frame::RecordedTick recorded(m_recorder);
    if (m_busy) return;
    m_busy = true;
    if (m_state > GameState::RowsErased) {
        m_busy = false;
        return;
    }
    switch (m_state) {
        case GameState::Spawn: {
            m_state = GameState::Falling;
            m_downKeyLock = true;
            if (m_nextPieceDue) {
                m_nextPieceDue = false;
                NextBlock();
            }
            m_fallingColour = m_nextColour;
            m_fallingPos = m_nextEntry;
            ResetFallingBlock();
            m_falling = m_next;
            NextBlock();
            PaintNextBlock();
            m_downKeyLock = false;
            if (!MoveFallingBlock()) GameOver();
            break;
        }
        case GameState::Falling:
            StepDown();
            break;
        case GameState::Landed: {
            for (int16_t y = 1; y <= kWellRows; ++y) {
                if (!RowFull(y)) continue;
                m_rowBeingErased = y;
                EraseRow();
                ++m_rows;
                ++m_rowsThisLanding;
                m_view.ShowLines(m_rows);
                m_state = GameState::RowsErased;
                m_sound.PlaySoundCue(frame::Cue::Row);
            }
            if (m_state == GameState::Landed) {
                // No full row: the next piece enters in this same tick.
                m_state = GameState::Spawn;
                m_busy = false;
                TimerHandler();
            }
            // Otherwise the erased rows show as black bars until the next tick.
            break;
        }
        case GameState::RowsErased: {
            int16_t points = 0;
            switch (m_rowsThisLanding) {
                case 1:
                    points = 100;
                    break;
                case 2:
                    points = 200;
                    break;
                case 3:
                    points = 400;
                    break;
                case 4:
                    points = 800;
                    break;
                default:
                    break;
            }
            AddScore(points);
            Pack();
            if (m_rows >= 20) BeginLevel(0);
            m_state = GameState::Spawn;
            break;
        }
        default:
            break;
    }
    m_busy = false;
}

void Engine::GameOver() {
    if (m_recorder) m_recorder->Finish();
    m_view.StopClock();
    m_state = GameState::Stopped;
    m_view.ShowMessage(tr("Game Over"));
    m_view.ClearNext();
    m_view.GameOver();
}

void Engine::StepDown() {
    if (IsBlockedBelow()) {
        m_state = GameState::Landed;
        PlaceBlock();
        m_busy = false;
        TimerHandler();
        return;
    }
    m_previousPos = m_fallingPos;
    ++m_fallingPos.y;
    MoveFallingBlock();
}

void Engine::DropBlock() {
    if (IsBlockedBelow()) {
        PlaceBlock();
        m_state = GameState::Landed;
        m_busy = false;
        TimerHandler();
        return;
    }
    // One redraw from the start to the end; the piece is placed by the next step down.
    m_previousPos = m_fallingPos;
    for (;;) {
        if (IsBlockedBelow()) {
            MoveFallingBlock();
            break;
        }
        ++m_fallingPos.y;
        AddScore(1);
    }
}

void Engine::HandleKey(frame::KeyCode key) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Key, key);
    if (m_busy) return;
    m_busy = true;
    if (key == frame::kKeyEnter) {
        // The question keeps busy set, so ticks arriving meanwhile are dropped.
        if (m_state == GameState::Stopped || m_state == GameState::Idle || AskNewGame()) NewGame();
    }
    if (m_state == GameState::Falling && !m_paused) {
        switch (frame::PieceMoveOf(key)) {
            case frame::PieceMove::Turn:
                RotateBlock();
                break;
            case frame::PieceMove::Left:
                MoveLeft();
                break;
            case frame::PieceMove::Right:
                MoveRight();
                break;
            case frame::PieceMove::Down:
                if (m_downKeyLock) break;
                StepDown();
                AddScore(1);
                break;
            case frame::PieceMove::Drop:
                DropBlock();
                break;
            case frame::PieceMove::None:
                break;
        }
    }
    m_busy = false;
}

void Engine::ResetGame() {
    m_score = 0;
    m_level = 0;
    m_rows = 0;
    m_gameStartLevel = m_startLevel;
    m_view.CommitPendingName();
    m_bestScore = m_view.BestStoredScore();
    m_view.ShowHiScore(m_bestScore);
    m_view.ShowScore(0);
    m_view.ShowLevel(0);
    m_view.ShowMessage(QString());
}

bool Engine::AskNewGame() {
    if (m_answers) return m_answers->NextAnswer();
    if (!m_recorder) return m_view.AskNewGame();
    const frame::GameRecorder::Question question = m_recorder->OpenQuestion();
    const bool yes = m_view.AskNewGame();
    m_recorder->CloseQuestion(question, yes);
    return yes;
}

void Engine::Start() {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Start);
    if (m_state == GameState::Stopped || m_state == GameState::Idle) NewGame();
}

void Engine::SetPaused(bool p) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Pause, p ? 1 : 0);
    m_paused = p;
    m_view.ShowPaused(p);
    if (p) {
        m_view.StopClock();
        m_view.ShowMessage(tr("Paused"));
    } else {
        // Before the first game no level has set an interval; the ticks then do nothing anyway.
        m_view.StartClock(m_tickInterval > 0 ? m_tickInterval : IntervalForLevel(1));
        m_view.ShowMessage(QString());
    }
}

void Engine::NameEntered() {
    if (m_startAfterName) NewGame();
}

void Engine::NewGame() {
    // The finished game's score is offered first; a name entry then comes before the new game, which starts
    // once the name is entered.
    m_startAfterName = m_view.SettleGameOver();
    if (m_startAfterName) return;
    // Each game's draws follow from a seed of its own, which its recording carries.
    m_gameSeed = m_nextGameSeed ? *m_nextGameSeed : m_random.NewGameSeed();
    m_nextGameSeed.reset();
    m_random.BeginGame(m_gameSeed);
    ResetGame();
    // A game started while paused would fall with its keys locked and no "Paused" shown: a new game
    // always starts unpaused.
    if (m_paused) {
        m_paused = false;
        m_view.ShowPaused(false);
    }
    m_state = GameState::Spawn;
    m_rowsThisLanding = 0;  // rows erased just before a restart are not paid into the new game
    BeginLevel(m_startLevel);
    ClearBoard();
    m_nextPieceDue = true;
    m_view.FocusPlayArea();
    m_view.StartClock(m_tickInterval);
    if (m_recorder) m_recorder->Begin(frame::Program::Quadrelle, 0, m_level, m_gameSeed, {});
}

void Engine::BeginLevel(int16_t level) {
    if (level == 0) level = static_cast<int16_t>(m_level + 1);
    m_rows = 0;
    m_level = level;
    m_tickInterval = IntervalForLevel(level);
    m_view.ShowLevel(m_level);
    m_view.ShowLines(m_rows);
    m_view.StartClock(m_tickInterval);
}

void Engine::AddScore(int16_t points) {
    m_score += points;
    if (m_score > m_bestScore) {
        m_bestScore = m_score;
        m_view.ShowHiScore(m_bestScore);
    }
    m_view.ShowScore(m_score);
}

bool Engine::RowFull(int y) const {
    for (int x = 1; x <= kWellColumns; ++x)
        if (!m_board[x][y]) return false;
    return true;
}

bool Engine::RowEmpty(int y) const {
    for (int x = 1; x <= kWellColumns; ++x)
        if (m_board[x][y]) return false;
    return true;
}

void Engine::EraseRow() {
    m_view.DrawRowBar(m_rowBeingErased);
    for (int x = 1; x <= kWellColumns; ++x)
        m_board[x][m_rowBeingErased] = false;
}

void Engine::Pack() {
    if (m_rowsThisLanding < 1) {
        m_rowsThisLanding = 0;
        RedrawBoard();
        return;
    }
    // Every row below an erased row holds squares, so the lowest empty row is the lowest erased one.
    for (int pass = 0; pass < m_rowsThisLanding; ++pass) {
        for (int e = kWellRows; e >= 2; --e) {
            if (!RowEmpty(e)) continue;
            for (int r = e; r >= 2; --r) {
                for (int x = 1; x <= kWellColumns; ++x) {
                    m_board[x][r] = m_board[x][r - 1];
                    m_colour[x][r] = m_colour[x][r - 1];
                }
            }
            for (int x = 1; x <= kWellColumns; ++x) {
                m_board[x][1] = false;
                m_colour[x][1] = 0;
            }
            break;
        }
    }
    m_rowsThisLanding = 0;
    RedrawBoard();
}

// ---- Drawing from the grids ----

void Engine::RedrawBoard() {
    for (int16_t x = 1; x <= kWellColumns; ++x)
        for (int16_t y = 1; y <= kWellRows; ++y)
            m_view.DrawCell(x, y, m_board[x][y] ? m_colour[x][y] : 0);
}

void Engine::ClearBoard() {
    // The hidden row 0 is emptied too: a square turned into it must not outlive its game.
    for (int x = 1; x <= kWellColumns; ++x) {
        for (int y = 0; y <= kWellRows; ++y) {
            m_board[x][y] = false;
            m_colour[x][y] = 0;
        }
    }
    RedrawBoard();
}

void Engine::PaintNextBlock() {
    m_view.PaintNextBlock(m_next, m_nextEntry.y, m_nextColour);
}

}  // namespace quadrelle
