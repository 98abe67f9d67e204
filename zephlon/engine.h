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
#include "frame/soundsink.h"
#include "zephlon/board.h"
#include "zephlon/levels.h"
#include "zephlon/lineups.h"
#include "zephlon/puzzle.h"
#include "zephlon/view.h"

namespace zephlon {

// Steps of the game's state machine.
enum class GameState : int32_t {
    Stopped = 0,
    Garbage = 1,
    Spawn = 2,
    Falling = 3,
    Landed = 4,
    Lasers = 5,
    Destruction = 6,
    Gravity = 7,
    BombBlast = 8,
    Idle = 9,
    WaitStart = 10,
    LevelDone = 11,
};

enum class GameMode : int32_t { Original = 0, Puzzle = 1 };
enum class Control : int32_t { Keyboard = 1, Mouse = 2 };

// The options the game plays by, as the settings store keeps them.
struct ZephlonOptions {
    bool firstTime = true;
    GameMode gameMode = GameMode::Puzzle;
    Control control = Control::Keyboard;
    int16_t blockColour = 2;  // 1..5
    int16_t startLevel = 1;   // Original mode
    int16_t startLevelPuzzle = 1;
    int16_t maxLevelPuzzle = 1;  // the highest puzzle level reached
};

// Where a mouse event happened: the play area, the falling block (with the bomb marker over it), the blinking
// block, or the text or logo of the message panel.
enum class MouseTarget { PlayArea, FallingBlock, BlinkBlock, Message };
enum class MouseButton { Left, Other };

// The state of one game, for the window and tests to read.
struct GameContext {
    Grid board;
    Grid marksFirst;   // pipe bits a beam has crossed on the first half of a cell
    Grid marksSecond;  // ... on the second half
    Grid savedBoard;   // the garbage of a puzzle level, for a replay
    std::vector<CLaserTask> laserTasks;
    std::vector<CEmptyBlock> emptiedCells;

    GameState gameState = GameState::Stopped;
    bool demoRunning = false;
    bool paused = false;
    int16_t gameStartLevel = 1;
    int16_t level = 0;
    int32_t score = 0;
    int32_t levelStartScore = 0;
    int32_t bestScore = 0;
    int16_t blocksCounter = 0;
    int16_t chainCounter = 0;
    bool replay = false;
    bool newLevel = false;

    int16_t fallingValue = 0;
    int16_t column = 0;
    int16_t row = 0;
    int16_t nextValue = 0;
    int16_t spawnColumn = 4;
    int16_t spawnRow = 1;
    int16_t blinkColumn = 0;
    int16_t blinkRow = 0;
    int16_t savedBlinkColumn = 0;
    int16_t savedLevel = 0;  // the level whose garbage savedBoard holds
    bool blinkSuppress = false;
    int32_t phase = 1;  // animation phase of destruction and bomb blast
    int16_t laserStep = 0;

    // Clock and sprite states as last switched.
    bool clockRunning = false;
    int16_t clockInterval = 0;
    bool blinkTimerRunning = false;
    bool blinkBlockVisible = false;
    bool laserBombTimerRunning = false;
    bool laserBombVisible = false;
    bool laserBombFlag = false;  // alternates with every bomb-marker tick

    bool GameRunning() const { return gameState != GameState::Stopped && gameState != GameState::Idle; }
};

// The Zephlon game: board, blocks, clock states, keys, mouse and scoring. It draws, sounds and times only
// through the view, the sound sink and the random source it is given.
class ZephlonEngine {
    Q_DECLARE_TR_FUNCTIONS(zephlon::ZephlonEngine)

  public:
    ZephlonEngine(ZephlonView& view, frame::SoundSink& sound, frame::RandomSource random);

    const GameContext& Context() const { return m_ctx; }
    const ZephlonOptions& Options() const { return m_options; }
    // Start-up: the options read from the store, before InitGame.
    void SetOptions(const ZephlonOptions& options);

    // ---- commands (keys, mouse, menus) ----
    // Form_KeyDown's rules: Enter, P, R, Q, S, then the block keys while a block falls.
    void HandleKey(frame::KeyCode key);
    void MousePress(MouseTarget target, MouseButton button);
    void MouseDoubleClick(MouseTarget target, MouseButton button);
    // The pointer moved to x pixels inside the play area.
    void MouseMove(MouseTarget target, int x);
    // "&Start": a new game, asking first while one runs.
    void Start();
    void SetGameMode(GameMode mode);
    void SetControl(Control control);
    // The new colour is used by cells drawn from then on.
    void SetBlockColour(int16_t colour);
    void SetStartLevel(int16_t newStartLevel);
    void SetPaused(bool p);
    void ReplayLevel();
    void gameOver();

    // ---- life of a game ----
    void InitGame();
    void ResetGame();
    void NewGame(int16_t newLevelNumber, bool replayLevel);
    // The player named the entry a new game had to wait for: that game starts now.
    void NameEntered();
    bool BeginLevel(int16_t newLevelNumber);
    void AddScore(int32_t points);
    void ShowMessage(const QString& text, int16_t size);
    // Enter or a click on the message: the waiting level starts, or a completed level leads to the next.
    // Returns false when no message was waiting.
    bool AcknowledgeMessage();
    // "Press Enter" or "Click Mouse".
    QString PressText() const;
    QString LevelStartText() const;
    // The best score shown, as the high-score table reports it.
    void SetBestScore(int32_t best) { m_ctx.bestScore = best; }

    // ---- clock ----
    // Interval 0 means the computed interval of the state and level; returns the interval used.
    int16_t StartNewTimer(int16_t interval);
    void StopOldTimer();
    int16_t ComputedInterval() const;
    void TimerHandler();
    void TimerBlinkBlock_Timer();
    void TimerLaserBomb_Timer();

    // ---- board and falling block ----
    void NextBlock(bool allowBomb);
    void ClearBoard();
    void RedrawBoard();
    void PaintNextBlock();
    bool MoveFallingBlock(bool ignoreSound);
    void StepDown();
    void DropBlock();
    void MoveLeft();
    void MoveRight();
    void MoveToColumn(int16_t target);
    void RotateBlock();
    static int16_t Rotated(int16_t value);
    void PlaceBlock();
    bool IsBlockedBelow() const;
    bool IsBlockedLeft() const;
    bool IsBlockedRight() const;
    // Line-ups of the board as it stands; true when at least one run was found.
    bool LineUpCheck();
    // Gravity; true when a block moved.
    bool Pack();

    // ---- set-ups for tests and tools ----
    void SetState(GameState state) { m_ctx.gameState = state; }
    void SetBoard(const Grid& board) { m_ctx.board = board; }
    void SetCell(int column, int row, int16_t value) { m_ctx.board(column, row) = value; }
    void SetFallingBlock(int16_t value, int16_t column, int16_t row);
    void SetLevel(int16_t level) { m_ctx.level = level; }
    void SetScore(int32_t score) { m_ctx.score = score; }
    void SetGameStartLevel(int16_t level) { m_ctx.gameStartLevel = level; }
    void SetLevelStartScore(int32_t score) { m_ctx.levelStartScore = score; }
    void SetBlocksCounter(int16_t blocks) { m_ctx.blocksCounter = blocks; }
    void SetBlinkCell(int16_t column, int16_t row);
    void SetDemoRunning(bool running) { m_ctx.demoRunning = running; }

    // ---- recordings ----
    // Every game from its start is recorded into `recorder` (null: not recording). A trial copy of the
    // engine must be given null before it plays, or its moves are recorded too.
    void SetRecorder(frame::GameRecorder* recorder) { m_recorder = recorder; }
    frame::GameRecorder* Recorder() const { return m_recorder; }
    // While a recording plays: the question before a new game is answered from it (null: the view asks).
    void SetRecordedAnswers(frame::RecordedAnswers* answers) { m_answers = answers; }
    // The next game begins with this seed instead of a fresh one (a recording played again).
    void SetNextGameSeed(uint64_t seed) { m_nextGameSeed = seed; }
    const frame::RandomSource& Random() const { return m_random; }
    void SetRandom(frame::RandomSource random) { m_random = std::move(random); }
    // The view's cell size in pixels: a recorded pointer column is played back as a pixel of this view.
    int ViewCellSize() const { return m_view.CellSize(); }
    // The seed the running (or last) game began with.
    uint64_t GameSeed() const { return m_gameSeed; }
    // What a recording's header carries of the engine before a new game (see recordingplayer.h), and
    // the engine set back to it; false for settings that do not fit.
    std::vector<int32_t> RecordingSettings(int16_t askedLevel) const;
    bool RestoreRecordingSettings(int32_t mode, const std::vector<int32_t>& settings);

  private:
    // Steps of the state machine.
    void GarbageStep();      // state 1
    void SpawnStep();        // state 2
    void FallingStep();      // state 3
    void LandedStep();       // state 4
    void LaserStep();        // state 5
    void DestructionStep();  // state 6
    void GravityStep();      // state 7
    void BombBlastStep();    // state 8
    void DemoStep();         // state 9

    void StartBombBlast();
    void DestroyEmptiedBlocks();
    void InitGarbage();
    void FinishGarbage();
    void LevelCompletionTest();
    CellPos BlinkingCell() const;
    bool ReplayingSavedLevel() const;
    bool Puzzle() const { return m_options.gameMode == GameMode::Puzzle; }

    // Drawing through the view.
    int DrawSize(DrawTarget target) const;
    void DrawCell(int cellColumn, int cellRow, int16_t value, DrawTarget target, int part, int style,
                  int x = 0, int y = 0);
    void DrawPipe(int cellColumn, int cellRow, int bit, int half, int look, bool has2, bool has4,
                  DrawTarget target = DrawTarget::PlayArea, int x = 0, int y = 0);
    void SetBlinkBlockVisible(bool visible);
    void SetBlinkTimer(bool on);
    void SetLaserBombVisible(bool visible);
    void SetLaserBombTimer(bool on);
    // The engine's own drawing, sound and scoring, handed to the line-up and puzzle functions.
    PlayEffects Effects();

    ZephlonView& m_view;
    frame::SoundSink& m_sound;
    frame::RandomSource m_random;
    ZephlonOptions m_options;
    GameContext m_ctx;
    GarbageBuilder m_garbage;
    // A new game asked for while the finished game's name was still to be entered.
    struct WaitingStart {
        int16_t level = 0;
        bool replay = false;
    };
    std::optional<WaitingStart> m_startAfterName;
    bool AskNewGame();

    frame::GameRecorder* m_recorder = nullptr;
    uint64_t m_gameSeed = 0;
    frame::RecordedAnswers* m_answers = nullptr;
    std::optional<uint64_t> m_nextGameSeed;
};

}  // namespace zephlon
