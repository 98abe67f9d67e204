// SPDX-License-Identifier: GPL-3.0-or-later
#include "vantorel/game.h"

#include <utility>

namespace vantorel {

Game::Game(GameView& view, frame::SoundSink& sound, frame::RandomSource random)
    : m_view(view), m_sound(sound), m_pit(view, sound, std::move(random)) {}

void Game::TimerHandler() {
    const frame::RecordedTick recorded(m_recorder);
    switch (m_state) {
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
    m_state = GameState::Falling;
    if (m_firstPieceDue) {
        m_firstPieceDue = false;
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
    m_state = GameState::Stopped;
    if (m_recorder) m_recorder->Finish();
    ShowMessage(tr("Game Over"));
    m_view.GameOver();
}

void Game::Landed() {
    m_gapFlag = false;
    for (int16_t y = 1; y <= kRows; ++y) {
        if (!m_pit.IsRowComplete(y)) continue;
        // Two rows of one landing with one kept row between them: Pack moves that row separately.
        if (y - m_lastErasedRow == 2 && m_rowsThisLanding == 1) m_gapFlag = true;
        m_lastErasedRow = y;
        EraseRow();
        ++m_rowsThisLanding;
        ++m_rows;
        m_view.ShowLines(m_rows);
        SetClockInterval(kRowsErasedInterval);
        m_state = GameState::RowsErased;
        m_sound.PlaySoundCue(frame::Cue::Row);
    }
    if (m_state == GameState::Landed) {
        // Nothing to erase: the next piece enters in this same tick.
        m_state = GameState::Spawn;
        TimerHandler();
    }
}

void Game::RowsErased() {
    static constexpr int16_t kPoints[] = {0, 100, 300, 700};
    if (m_rowsThisLanding >= 1 && m_rowsThisLanding <= 3) AddScore(kPoints[m_rowsThisLanding]);
    Pack();
    SetClockInterval(m_tickInterval);
    if (m_rows >= kRowsPerLevel) NextLevel();
    m_state = GameState::Spawn;
}

void Game::StepDown() {
    if (m_pit.IsBlockedBelow()) {
        m_state = GameState::Landed;
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
        m_state = GameState::Landed;
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
    m_view.EraseRow(m_lastErasedRow);
    m_pit.ClearRowKinds(m_lastErasedRow);
}

void Game::Pack() {
    const int n = m_rowsThisLanding, e = m_lastErasedRow;
    if (m_gapFlag) {
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
    m_rowsThisLanding = 0;
    m_pit.RedrawBoard();
}

void Game::AddScore(int16_t points) {
    m_score += points;
    m_view.ShowScore(m_score);
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
    ++m_level;
    m_rows = 0;
    m_tickInterval = LevelInterval(m_tickInterval, m_level);
    SetClockInterval(m_tickInterval);
    m_view.ShowLevel(m_level);
    m_view.ShowLines(m_rows);
}

void Game::ResetGame() {
    m_gameStartLevel = m_startLevel;
    m_score = 0;
    m_level = 0;
    m_rows = 0;
    m_tickInterval = kFirstInterval;
    m_view.CommitPendingName();
    m_view.ShowScore(0);
    m_view.ShowLevel(0);
    SetPaused(false);
    SetClockInterval(m_tickInterval);
}

void Game::NewGame() {
    // Each game's draws follow from a seed of its own, which its recording carries.
    m_gameSeed = m_nextGameSeed ? *m_nextGameSeed : m_pit.Random().NewGameSeed();
    m_nextGameSeed.reset();
    m_pit.Random().BeginGame(m_gameSeed);
    ResetGame();
    m_state = GameState::Spawn;
    for (int16_t n = 0; n < m_startLevel; ++n)
        NextLevel();
    m_pit.ClearBoard();
    // A new game starts with nothing of the last one pending, not even a square left in the hidden
    // row, where it would refuse turns at the top of a pit that looks empty.
    m_pit.EmptyRow(0);
    m_rowsThisLanding = 0;
    m_lastErasedRow = 0;
    m_firstPieceDue = true;
    m_view.FocusPlayArea();
    if (m_recorder)
        m_recorder->Begin(frame::Program::Vantorel, 0, m_startLevel, m_gameSeed, RecordingSettings());
}

namespace {

// The flags of the rules beyond the design in a recording's settings.
constexpr int32_t kFreezingPause = 1;
constexpr int32_t kAskNewGame = 2;

int32_t FlagsOf(const GameRules& rules) {
    return (rules.freezingPause ? kFreezingPause : 0) | (rules.askNewGame ? kAskNewGame : 0);
}

}  // namespace

void Game::SetRules(const GameRules& rules) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Option,
                                        static_cast<int32_t>(frame::RecordedOption::Rules), FlagsOf(rules));
    m_rules = rules;
}

std::vector<int32_t> Game::RecordingSettings() const {
    const int32_t flags = FlagsOf(m_rules);
    // The design's game carries none, as recordings made before these rules existed.
    if (flags == 0) return {};
    return {flags};
}

bool Game::RestoreRecordingSettings(const std::vector<int32_t>& settings) {
    if (settings.size() > 1) return false;
    const int32_t flags = settings.empty() ? 0 : settings.front();
    if (flags <= 0 && !settings.empty()) return false;
    if ((flags & ~(kFreezingPause | kAskNewGame)) != 0) return false;
    m_rules.freezingPause = (flags & kFreezingPause) != 0;
    m_rules.askNewGame = (flags & kAskNewGame) != 0;
    return true;
}

bool Game::AskNewGame() {
    if (m_answers) return m_answers->NextAnswer();
    if (!m_recorder) return m_view.AskNewGame();
    const frame::GameRecorder::Question question = m_recorder->OpenQuestion();
    const bool yes = m_view.AskNewGame();
    m_recorder->CloseQuestion(question, yes);
    return yes;
}

void Game::Start() {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Start);
    if (m_state == GameState::Stopped || m_state == GameState::Idle) NewGame();
}

void Game::SetClockInterval(int16_t intervalMs) {
    m_clockInterval = intervalMs;
    m_view.SetClockInterval(intervalMs);
}

void Game::SetPaused(bool p) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Pause, p ? 1 : 0);
    m_paused = p;
    if (p)
        m_view.StopClock();
    else
        m_view.StartClock(m_clockInterval);
    m_view.ShowPaused(p);
    ShowMessage(p ? tr("Paused") : QString());
}

void Game::ShowMessage(const QString& text) {
    m_view.ShowMessage(text);
}

void Game::HandleKey(frame::KeyCode key) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Key, key);
    if (key == frame::kKeyEnter) {
        const bool running = m_state != GameState::Stopped && m_state != GameState::Idle;
        if (!running || !m_rules.askNewGame || AskNewGame()) NewGame();
        return;
    }
    // By design the paused flag is not tested: pausing stops only the clock.
    if (m_state != GameState::Falling || (m_rules.freezingPause && m_paused)) return;
    switch (frame::PieceMoveOf(key)) {
        case frame::PieceMove::Turn:
            m_pit.RotateBlock();
            break;
        case frame::PieceMove::Left:
            m_pit.MoveLeft();
            break;
        case frame::PieceMove::Right:
            m_pit.MoveRight();
            break;
        case frame::PieceMove::Down:
            // The point comes first, so a step that ends the game is in the recorded score.
            AddScore(1);
            StepDown();
            break;
        case frame::PieceMove::Drop:
            DropBlock();
            break;
        case frame::PieceMove::None:
            break;
    }
}

}  // namespace vantorel
