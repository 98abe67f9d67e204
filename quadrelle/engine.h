// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "frame/gamerecording.h"
#include "frame/keycodes.h"
#include "frame/random.h"
#include "frame/soundsink.h"

namespace quadrelle {

// States of the game's state machine; 1 is never used.
enum class GameState : int32_t { Stopped = 0, Spawn = 2, Falling = 3, Landed = 4, RowsErased = 5, Idle = 6 };

inline constexpr int16_t kWellColumns = 10;
inline constexpr int16_t kWellRows = 20;

// A piece's shape: index [i][j], i the column (1 to 4, growing right), j the row (1 to 4, growing
// down); index 0 is never used.
using Matrix = std::array<std::array<bool, 5>, 5>;

struct Position {
    int16_t x = 0;
    int16_t y = 0;
};

// Everything the game shows, asks or times goes through this; the window implements it and tests record.
class View {
  public:
    virtual ~View() = default;

    // One well cell; colour 0 is empty. Rows above 1 are outside the visible well.
    virtual void DrawCell(int16_t x, int16_t y, int32_t colour) = 0;
    // The black bar over an erased row.
    virtual void DrawRowBar(int16_t row) = 0;
    // The preview box with the next piece.
    virtual void PaintNextBlock(const Matrix& next, int16_t entryY, int32_t colour) = 0;
    virtual void ClearNext() = 0;

    virtual void ShowScore(int32_t score) = 0;
    virtual void ShowHiScore(int32_t best) = 0;
    virtual void ShowLevel(int16_t level) = 0;
    virtual void ShowLines(int16_t rows) = 0;
    // Empty text hides the message.
    virtual void ShowMessage(const QString& text) = 0;
    // The pause check mark, when a new game ends a pause.
    virtual void ShowPaused(bool paused) = 0;

    // The game clock with its period in milliseconds.
    virtual void StartClock(int intervalMs) = 0;
    virtual void StopClock() = 0;
    // A game ended: one second later its score is offered to the high-score table.
    virtual void GameOver() = 0;
    // Settles a game-over whose score has not been offered yet. Returns true when a name entry opened,
    // so the new game waits for the name.
    virtual bool SettleGameOver() = 0;

    virtual void FocusPlayArea() = 0;
    // "Are you sure you want to start a new game"; true for Yes.
    virtual bool AskNewGame() = 0;
    // Commits a high-score name still being typed.
    virtual void CommitPendingName() = 0;
    // Best score of the local high-score table.
    virtual int32_t BestStoredScore() = 0;
};

// The well, the pieces, the tick state machine, the keys and the scoring of one Quadrelle game.
class Engine {
    Q_DECLARE_TR_FUNCTIONS(quadrelle::Engine)

  public:
    Engine(View& view, frame::SoundSink& sound, frame::RandomSource random);
    void SetRandom(frame::RandomSource random) { m_random = std::move(random); }
    const frame::RandomSource& Random() const { return m_random; }

    // Every game from its start is recorded into `recorder` (null: not recording). A trial copy of the
    // engine must be given null before it plays, or its moves are recorded too.
    void SetRecorder(frame::GameRecorder* recorder) { m_recorder = recorder; }
    frame::GameRecorder* Recorder() const { return m_recorder; }
    // While a recording plays: the question before a new game is answered from it (null: the view asks).
    void SetRecordedAnswers(frame::RecordedAnswers* answers) { m_answers = answers; }
    // The next game begins with this seed instead of a fresh one (a recording played again).
    void SetNextGameSeed(uint64_t seed) { m_nextGameSeed = seed; }
    // The seed the running (or last) game began with.
    uint64_t GameSeed() const { return m_gameSeed; }

    // Pieces and moves.
    void NextBlock();
    void ResetFallingBlock();
    bool MoveFallingBlock();
    bool IsBlockedBelow() const;
    bool IsBlockedLeft() const;
    bool IsBlockedRight() const;
    void MoveLeft();
    void MoveRight();
    void RotateBlock();
    void PlaceBlock();

    // Game loop.
    void TimerHandler();
    // The keys of the game: Enter, the arrows, Ctrl and Insert.
    void HandleKey(frame::KeyCode key);
    // "&Start": a new game when none runs (during a game the menu command does nothing).
    void Start();
    // "&Pause": the clock stops and "Paused" is shown; a resume starts the clock again.
    void SetPaused(bool p);
    void NewGame();
    // The player named the entry a new game had to wait for: that game starts now.
    void NameEntered();
    void ResetGame();
    void BeginLevel(int16_t level);
    void AddScore(int16_t points);
    void StepDown();
    void DropBlock();
    void EraseRow();
    void Pack();

    // Drawing from the grids.
    void RedrawBoard();
    void ClearBoard();
    void PaintNextBlock();
    // Shows the falling piece again after the well was redrawn (resize); silent.
    void ShowFallingBlock();

    // Tick interval of a level in milliseconds.
    static int16_t IntervalForLevel(int16_t level);
    // Cells, colour and entry position of piece k (0 to 6).
    static Matrix PieceMatrix(int k);
    static int32_t PieceColour(int k);
    static Position PieceEntry(int k);

    // State, for the window and tests.
    GameState State() const { return m_state; }
    void SetState(GameState s) { m_state = s; }
    bool Busy() const { return m_busy; }
    bool Paused() const { return m_paused; }
    void SetPausedFlag(bool p) { m_paused = p; }
    int32_t Score() const { return m_score; }
    int32_t BestScore() const { return m_bestScore; }
    void SetBestScore(int32_t best) { m_bestScore = best; }
    int16_t Level() const { return m_level; }
    int16_t Rows() const { return m_rows; }
    void SetRows(int16_t rows) { m_rows = rows; }
    int16_t StartLevel() const { return m_startLevel; }
    void SetStartLevel(int16_t level) { m_startLevel = level; }
    int16_t GameStartLevel() const { return m_gameStartLevel; }
    int16_t TickInterval() const { return m_tickInterval; }

    bool Board(int x, int y) const { return m_board[x][y]; }
    int32_t Colour(int x, int y) const { return m_colour[x][y]; }
    void SetCell(int x, int y, bool occupied, int32_t colour);
    const Matrix& FallingMatrix() const { return m_falling; }
    const Matrix& NextMatrix() const { return m_next; }
    Position FallingPosition() const { return m_fallingPos; }
    int32_t FallingColour() const { return m_fallingColour; }
    int32_t NextColour() const { return m_nextColour; }
    Position NextEntry() const { return m_nextEntry; }
    // Puts piece k at a position as the falling piece (tests and set-ups), without drawing.
    void SetFallingPiece(int k, Position at);
    void SetFallingMatrix(const Matrix& m) { m_falling = m; }

  private:
    void GameOver();
    bool AskNewGame();
    bool FrameCellInWell(int x, int y) const {
        return x >= 1 && x <= kWellColumns && y >= 0 && y <= kWellRows;
    }
    bool RowFull(int y) const;
    bool RowEmpty(int y) const;

    View& m_view;
    frame::SoundSink& m_sound;
    frame::RandomSource m_random;

    // Column 0 is never used; row 0 is the hidden row just above the well.
    std::array<std::array<bool, kWellRows + 1>, kWellColumns + 1> m_board{};
    std::array<std::array<int32_t, kWellRows + 1>, kWellColumns + 1> m_colour{};
    Matrix m_falling{};
    Matrix m_next{};
    Position m_fallingPos;
    Position m_previousPos;
    Position m_nextEntry;
    int32_t m_fallingColour = 0;
    int32_t m_nextColour = 0;

    GameState m_state = GameState::Idle;
    bool m_busy = false;
    // A new game asked for while the finished game's name was still to be entered.
    bool m_startAfterName = false;
    bool m_downKeyLock = false;
    bool m_nextPieceDue = false;
    bool m_paused = false;
    int32_t m_score = 0;
    int32_t m_bestScore = 0;
    int16_t m_level = 0;
    int16_t m_rows = 0;
    int16_t m_rowsThisLanding = 0;
    int16_t m_rowBeingErased = 0;
    int16_t m_startLevel = 1;
    int16_t m_gameStartLevel = 1;
    int16_t m_tickInterval = 0;
    frame::GameRecorder* m_recorder = nullptr;
    uint64_t m_gameSeed = 0;
    frame::RecordedAnswers* m_answers = nullptr;
    std::optional<uint64_t> m_nextGameSeed;
};

}  // namespace quadrelle
