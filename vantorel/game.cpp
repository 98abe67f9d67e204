#include "vantorel/game.h"

#include <utility>

namespace vantorel {

Game::Game(GameView& view, frame::SoundSink& sound, RandomSource random)
    : m_view(view), m_sound(sound), m_pit(view, sound, std::move(random)) {}

void Game::TimerHandler() {
    switch (state) {
        case GameState::Spawn:
            Spawn();
            break;
        case GameState::Falling:
            StepDown();
            break;
        case GameState::Landed:
            Landed();
            break;
        case GameState::RowsErased:
            RowsErased();
            break;
        case GameState::Stopped:
        case GameState::Idle:
            break;
    }
}

void Game::Spawn() {
    state = GameState::Falling;
    if (firstPieceDue) {
        firstPieceDue = false;
        m_pit.NextBlock();
    }
    m_pit.fallingColour = m_pit.nextColour;
    m_pit.fallingPosition = m_pit.nextEntryPosition;
    m_pit.ResetFallingBlock();
    m_pit.falling = m_pit.next;
    m_pit.NextBlock();
    m_view.PaintNextBlock();
    if (m_pit.MoveFallingBlock()) return;
    // The new piece has no room: the game is over. The clock keeps running; ticks now do nothing.
    state = GameState::Stopped;
    ShowMessage(QStringLiteral("Game Over"));
    m_view.GameOver(score, gameStartLevel, level);
}

void Game::Landed() {
    gapFlag = false;
    for (int16_t y = 1; y <= kRows; ++y) {
        if (!m_pit.IsRowComplete(y)) continue;
        // Two rows of one landing with one kept row between them: Pack moves that row separately.
        if (y - lastErasedRow == 2 && rowsThisLanding == 1) gapFlag = true;
        lastErasedRow = y;
        EraseRow();
        ++rowsThisLanding;
        ++rows;
        m_view.ShowLines(rows);
        m_view.SetTimerInterval(kRowsErasedInterval);
        state = GameState::RowsErased;
        m_sound.PlaySoundCue(2);
    }
    if (state == GameState::Landed) {
        // Nothing to erase: the next piece enters in this same tick.
        state = GameState::Spawn;
        TimerHandler();
    }
}

void Game::RowsErased() {
    static constexpr int16_t kPoints[] = {0, 100, 300, 700};
    if (rowsThisLanding >= 1 && rowsThisLanding <= 3) AddScore(kPoints[rowsThisLanding]);
    Pack();
    m_view.SetTimerInterval(tickInterval);
    if (rows >= kRowsPerLevel) NextLevel();
    state = GameState::Spawn;
}

void Game::StepDown() {
    if (m_pit.IsBlockedBelow()) {
        state = GameState::Landed;
        m_pit.PlaceBlock();
        TimerHandler();
        return;
    }
    m_pit.previousPosition = m_pit.fallingPosition;
    ++m_pit.fallingPosition.y;
    m_pit.MoveFallingBlock();
}

void Game::DropBlock() {
    if (m_pit.IsBlockedBelow()) {
        m_pit.PlaceBlock();
        state = GameState::Landed;
        TimerHandler();
        return;
    }
    m_pit.previousPosition = m_pit.fallingPosition;
    while (!m_pit.IsBlockedBelow()) {
        ++m_pit.fallingPosition.y;
        AddScore(1);
    }
    // One redraw from where the drop started to where it ends.
    m_pit.MoveFallingBlock();
}

void Game::EraseRow() {
    m_view.EraseRow(lastErasedRow);
    m_pit.ClearRowKinds(lastErasedRow);
}

void Game::Pack() {
    const int n = rowsThisLanding, e = lastErasedRow;
    if (gapFlag) {
        // Rows e - 2 and e were erased and e - 1 kept: it moves down one, the rows above it two.
        m_pit.CopyRow(e - 1, e);
        for (int r = e - n - 1; r >= 1; --r)
            m_pit.CopyRow(r, r + n);
    } else {
        for (int r = e - n; r >= 1; --r)
            m_pit.CopyRow(r, r + n);
    }
    for (int r = 1; r <= n; ++r)
        m_pit.EmptyRow(r);
    rowsThisLanding = 0;
    m_pit.RedrawBoard();
}

void Game::AddScore(int16_t points) {
    score += points;
    m_view.ShowScore(score);
}

int16_t Game::LevelInterval(int16_t interval, int16_t level) {
    if (level > 20) return interval;
    // (0.8 + (level - 1) / 100) x interval in whole hundredths, rounded half to even.
    const int32_t scaled = static_cast<int32_t>(interval) * (79 + level);
    int32_t q = scaled / 100;
    const int32_t rest = scaled % 100;
    if (rest > 50 || (rest == 50 && q % 2 != 0)) ++q;
    return static_cast<int16_t>(q);
}

void Game::NextLevel() {
    ++level;
    rows = 0;
    tickInterval = LevelInterval(tickInterval, level);
    m_view.SetTimerInterval(tickInterval);
    m_view.ShowLevel(level);
    m_view.ShowLines(rows);
}

void Game::ResetGame() {
    gameStartLevel = startLevel;
    score = 0;
    level = 0;
    rows = 0;
    tickInterval = kFirstInterval;
    m_view.SaveName();
    m_view.ShowScore(0);
    m_view.ShowLevel(0);
    SetPaused(false);
    m_view.SetTimerInterval(tickInterval);
}

void Game::NewGame() {
    ResetGame();
    state = GameState::Spawn;
    for (int16_t n = 0; n < startLevel; ++n)
        NextLevel();
    m_pit.ClearBoard();
    // A new game starts with nothing of the last one pending, not even a square left in the hidden
    // row, where it would refuse turns at the top of a pit that looks empty.
    m_pit.EmptyRow(0);
    rowsThisLanding = 0;
    lastErasedRow = 0;
    firstPieceDue = true;
    m_view.FocusPit();
}

void Game::Start() {
    if (state == GameState::Stopped || state == GameState::Idle) NewGame();
}

void Game::SetPaused(bool p) {
    paused = p;
    m_view.SetTimerEnabled(!p);
    m_view.SetPauseChecked(p);
    ShowMessage(p ? QStringLiteral("Paused") : QString());
}

void Game::ShowMessage(const QString& text) {
    m_view.ShowMessage(text);
}

void Game::KeyDown(int16_t key) {
    if (key == kKeyEnter) {
        NewGame();
        return;
    }
    // The paused flag is not tested: pausing stops only the clock.
    if (state != GameState::Falling) return;
    switch (key) {
        case kKeyUp:
            m_pit.RotateBlock();
            break;
        case kKeyLeft:
            m_pit.MoveLeft();
            break;
        case kKeyRight:
            m_pit.MoveRight();
            break;
        case kKeyDown:
            // The point comes first, so a step that ends the game is in the recorded score.
            AddScore(1);
            StepDown();
            break;
        case kKeyCtrl:
        case kKeyInsert:
            DropBlock();
            break;
        default:
            break;
    }
}

}  // namespace vantorel
