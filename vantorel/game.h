// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "frame/gamerecording.h"
#include "frame/keycodes.h"
#include "frame/random.h"
#include "vantorel/pit.h"

namespace vantorel {

enum class GameState : int32_t { Stopped = 0, Spawn = 2, Falling = 3, Landed = 4, RowsErased = 5, Idle = 6 };

inline constexpr int16_t kFirstInterval = 688;       // ms, before the first level
inline constexpr int16_t kRowsErasedInterval = 250;  // ms the erased rows stay black
inline constexpr int16_t kRowsPerLevel = 15;

// Everything the game shows or controls outside the pit grids: the window implements it, tests record it.
class GameView : public PitView {
  public:
    // Paints row y of the pit black.
    virtual void EraseRow(int16_t y) = 0;
    // Draws the next piece in the status bar.
    virtual void PaintNextBlock() = 0;
    virtual void ShowScore(int32_t score) = 0;
    virtual void ShowLevel(int16_t level) = 0;
    virtual void ShowLines(int16_t rows) = 0;
    // Shows a text over the pit; "" hides the message.
    virtual void ShowMessage(const QString& text) = 0;
    // The game clock with its period in milliseconds; a running clock keeps running at a new interval.
    virtual void StartClock(int intervalMs) = 0;
    virtual void StopClock() = 0;
    virtual void SetClockInterval(int intervalMs) = 0;
    // The pause check mark.
    virtual void ShowPaused(bool paused) = 0;
    virtual void FocusPlayArea() = 0;
    // Commits a high-score name still being typed.
    virtual void CommitPendingName() = 0;
    // A game ended: offer the score to the local table, show the best score, ask for a name.
    virtual void GameOver() = 0;
    // Asks "Are you sure you want to start a new game"; true on Yes. Only under GameRules::askNewGame.
    virtual bool AskNewGame() = 0;
};

// Rules beyond the design, each off unless the player's controls ask for it.
struct GameRules {
    // A pause stops the piece too: no move, turn, sink or drop (and so no points) while paused.
    bool freezingPause = false;
    // Enter during a running game asks before abandoning it, as Quadrelle does.
    bool askNewGame = false;
};

// The game: state machine driven by the clock, keys, rows, levels and score.
class Game {
    Q_DECLARE_TR_FUNCTIONS(vantorel::Game)

  public:
    Game(GameView& view, frame::SoundSink& sound, frame::RandomSource random);

    Pit& pit() { return m_pit; }
    const Pit& pit() const { return m_pit; }

    void TimerHandler();
    // Form_KeyDown's game part: Enter starts a new game, the piece keys act while a piece falls.
    void HandleKey(frame::KeyCode key);
    // The "&Start" command: only when no game runs.
    void Start();
    void NewGame();
    void ResetGame();
    void NextLevel();
    void AddScore(int16_t points);
    void StepDown();
    void DropBlock();
    void EraseRow();
    void Pack();
    void SetPaused(bool paused);
    void ShowMessage(const QString& text);

    // Tick interval reached after one more level from `interval` at level `level`; unchanged above 20.
    static int16_t LevelInterval(int16_t interval, int16_t level);

    // State, for the window and tests.
    GameState State() const { return m_state; }
    bool FirstPieceDue() const { return m_firstPieceDue; }
    bool Paused() const { return m_paused; }
    int32_t Score() const { return m_score; }
    int16_t Level() const { return m_level; }
    int16_t Rows() const { return m_rows; }
    int16_t RowsThisLanding() const { return m_rowsThisLanding; }
    int16_t LastErasedRow() const { return m_lastErasedRow; }
    bool GapFlag() const { return m_gapFlag; }
    int16_t StartLevel() const { return m_startLevel; }
    int16_t GameStartLevel() const { return m_gameStartLevel; }
    int16_t TickInterval() const { return m_tickInterval; }
    // The interval the clock runs at now (shorter while erased rows show).
    int16_t ClockInterval() const { return m_clockInterval; }

    const GameRules& Rules() const { return m_rules; }
    // Rules changed during a game are recorded, so a re-play plays by them from the same moment.
    void SetRules(const GameRules& rules);

    // The start level of the next game (menu and settings).
    void SetStartLevel(int16_t level) { m_startLevel = level; }
    // The paused flag alone: the clock, the menu and the message stay as they are.
    void SetPausedFlag(bool paused) { m_paused = paused; }
    // Set-ups for tests and start-up.
    void SetState(GameState state) { m_state = state; }
    void SetScore(int32_t score) { m_score = score; }
    void SetRows(int16_t rows) { m_rows = rows; }
    void SetRowsThisLanding(int16_t rows) { m_rowsThisLanding = rows; }

    // Every game from its start is recorded into `recorder` (null: not recording). A trial copy of the
    // game must be given null before it plays, or its moves are recorded too.
    void SetRecorder(frame::GameRecorder* recorder) { m_recorder = recorder; }
    // A re-play answers the engine's question from its recording instead of the view.
    void SetRecordedAnswers(frame::RecordedAnswers* answers) { m_answers = answers; }
    // The rules a recording carries in its settings: none for the design's game, else one value of flags.
    std::vector<int32_t> RecordingSettings() const;
    // False when the settings are none a recording of this game can carry.
    bool RestoreRecordingSettings(const std::vector<int32_t>& settings);
    frame::GameRecorder* Recorder() const { return m_recorder; }
    // The next game begins with this seed instead of a fresh one (a recording played again).
    void SetNextGameSeed(uint64_t seed) { m_nextGameSeed = seed; }
    // The seed the running (or last) game began with.
    uint64_t GameSeed() const { return m_gameSeed; }

  private:
    bool AskNewGame();
    void Spawn();
    void Landed();
    void RowsErased();
    // The clock's interval, remembered so that a resume starts the clock at the interval last set.
    void SetClockInterval(int16_t intervalMs);

    GameView& m_view;
    frame::SoundSink& m_sound;
    GameRules m_rules;
    Pit m_pit;

    GameState m_state = GameState::Idle;
    bool m_firstPieceDue = false;
    bool m_paused = false;
    int32_t m_score = 0;
    int16_t m_level = 0;
    int16_t m_rows = 0;
    int16_t m_rowsThisLanding = 0;
    int16_t m_lastErasedRow = 0;
    bool m_gapFlag = false;
    int16_t m_startLevel = 1;
    int16_t m_gameStartLevel = 1;
    int16_t m_tickInterval = kFirstInterval;
    int16_t m_clockInterval = kFirstInterval;
    frame::GameRecorder* m_recorder = nullptr;
    frame::RecordedAnswers* m_answers = nullptr;
    uint64_t m_gameSeed = 0;
    std::optional<uint64_t> m_nextGameSeed;
};

}  // namespace vantorel
