#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "frame/soundsink.h"
#include "zephlon/board.h"
#include "zephlon/lineups.h"
#include "zephlon/puzzle.h"

namespace zephlon {

// Steps of the game's state machine.
enum GameState : int32_t {
    kStopped = 0,
    kGarbage = 1,
    kSpawn = 2,
    kFalling = 3,
    kLanded = 4,
    kLasers = 5,
    kDestruction = 6,
    kGravity = 7,
    kBombBlast = 8,
    kIdle = 9,
    kWaitStart = 10,
    kLevelDone = 11,
};

enum GameMode : int32_t { kOriginal = 0, kPuzzle = 1 };
enum Control : int32_t { kKeyboard = 1, kMouse = 2 };

// Where DrawCell paints: the play area, the falling-block sprite, the next box or the bomb marker.
enum class DrawTarget : int { PlayArea = 0, FallingSprite = 1, NextBox = 2, BombMarker = 3 };

// Part selector of DrawCell: the whole cell, or one quarter for the erase pass of a laser run.
inline constexpr int kWholeCellPart = 16;

// The status-bar labels the engine writes.
enum class StatusLabel { Score, HiScore, Level, Blocks, BlocksHead };

// Everything a view needs to paint one cell.
struct CellDrawing {
    DrawTarget target = DrawTarget::PlayArea;
    int column = 1;
    int row = 1;
    int16_t value = 0;
    int part = kWholeCellPart;
    int style = 1;  // 1 normal, 2 and 3 the darker animation frames
    int x = 0;      // pixel offset inside the target
    int y = 0;
    int size = 0;             // cell size in pixels for this target
    int blockColour = 2;      // 1..5
    int16_t marksFirst = 0;   // pipe bits laser-lit on the first half of the cell
    int16_t marksSecond = 0;  // ... and on the second half
};

// One half-cell pipe section.
struct PipeDrawing {
    DrawTarget target = DrawTarget::PlayArea;
    int column = 1;
    int row = 1;
    int bit = kPipe2;
    int half = 0;  // 0 whole length, 1 first half, 2 second half
    int look = 1;  // 1 plain, 2 laser-lit
    bool has2 = false;
    bool has4 = false;
    int x = 0;
    int y = 0;
    int size = 0;
};

// What the engine draws and switches through. The Qt window implements it; tests record the calls.
class ZephlonView {
  public:
    virtual ~ZephlonView() = default;

    virtual int CellSize() const = 0;
    // Inner width of the next box in pixels.
    virtual int NextBoxWidth() const = 0;
    // Paints one cell; for the falling-block sprite the sprite is then moved onto the cell and shown.
    virtual void DrawCell(const CellDrawing& cell) = 0;
    virtual void DrawPipe(const PipeDrawing& pipe) = 0;
    virtual void ClearNextBox() = 0;
    virtual void HideFallingSprite() = 0;
    virtual void SetLaserBombVisible(bool visible) = 0;
    virtual void PlaceBlinkBlock(int column, int row) = 0;
    virtual void SetBlinkBlockVisible(bool visible) = 0;
    // Message panel: "zephlon" shows the logo, other text the label, empty text hides the panel.
    virtual void ShowMessage(const QString& text, int fontSize) = 0;
    virtual void SetLabel(StatusLabel label, const QString& text) = 0;

    // Clocks: the game clock, the 600 ms blink, the 100 ms bomb flash and the one-shot game-over delay.
    virtual void StartClock(int intervalMs) = 0;
    virtual void StopClock() = 0;
    virtual void SetBlinkTimer(bool on) = 0;
    virtual void SetLaserBombTimer(bool on) = 0;
    virtual void StartGameOverTimer() = 0;

    // Menu states that follow the game.
    virtual void SetMenuReplayEnabled(bool enabled) = 0;
    virtual void SetMenuStopEnabled(bool enabled) = 0;
    virtual void SetModeMenuLocked(bool locked) = 0;
    virtual void SetPauseChecked(bool checked) = 0;
    // Unchecks the start-level entries and sets them again from the options.
    virtual void RefreshLevelMenu() = 0;

    virtual void FocusPlayArea() = 0;
    virtual void ShowInstructions() = 0;
    // Entry 1 of the high-score list of a mode.
    virtual int32_t BestStoredScore(int32_t mode) = 0;
    // Commits a high-score name still being typed.
    virtual void CommitPendingName() = 0;
};

// Uniform numbers in [0, 1). Reseed is called before every new block.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double Next() = 0;
    virtual void Reseed() {}
};

// The program's generator: seeded from the clock at start; every reseed mixes the clock with a draw of the
// generator itself, so two reseeds within one clock tick still give different sequences.
class ClockRandom : public RandomSource {
  public:
    ClockRandom();
    double Next() override;
    void Reseed() override;

  private:
    std::mt19937_64 m_engine;
};

// Per-level tables, indexed by level - 1.
inline constexpr int kLevelTableSize = 30;
extern const double kSpeedOriginal[kLevelTableSize];
extern const double kSpeedPuzzle[kLevelTableSize];
extern const int16_t kGarbageRows[kLevelTableSize];
extern const int16_t kTopGarbageWidth[kLevelTableSize];

// The Zephlon game: board, blocks, clock states and scoring. It draws, sounds and times only through the
// view, the sound sink and the random source it is given.
class ZephlonEngine {
  public:
    ZephlonEngine(ZephlonView& view, frame::SoundSink& sound, RandomSource& random);

    // ---- game context ----
    Grid board;
    Grid marksFirst;   // pipe bits a beam has crossed on the first half of a cell
    Grid marksSecond;  // ... on the second half
    Grid savedBoard;   // the garbage of a puzzle level, for a replay
    std::vector<CLaserTask> laserTasks;
    std::vector<CEmptyBlock> emptiedCells;

    int32_t gameState = kStopped;
    bool demoRunning = false;
    bool firstTime = true;
    bool paused = false;
    int32_t gameMode = kPuzzle;
    int32_t control = kKeyboard;
    int16_t blockColour = 2;
    int16_t startLevel = 1;
    int16_t startLevelPuzzle = 1;
    int16_t maxLevelPuzzle = 1;
    int16_t gameStartLevel = 1;
    int16_t level = 0;
    int32_t score = 0;
    int32_t levelStartScore = 0;
    int32_t bestScore = 0;
    int16_t blocksCounter = 0;
    int16_t chainCounter = 0;
    bool replay = false;
    bool newLevel = false;
    bool downKeyLock = false;
    int16_t currentPosition = 0;  // position of the last inserted high score

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
    int16_t garbageColumn = 0;
    int16_t garbageRow = 0;
    int16_t garbageFirst = 0;
    int16_t garbageLast = 0;

    // Clock and sprite states as last switched.
    bool clockRunning = false;
    int16_t clockInterval = 0;
    bool blinkTimerRunning = false;
    bool blinkBlockVisible = false;
    bool laserBombTimerRunning = false;
    bool laserBombVisible = false;
    bool laserBombFlag = false;  // alternates with every bomb-marker tick

    // ---- life of a game ----
    void InitGame();
    void ResetGame();
    void NewGame(int16_t newLevelNumber, bool replayLevel);
    void ReplayLevel();
    bool BeginLevel(int16_t newLevelNumber);
    void SetStartLevel(int16_t newStartLevel);
    void SetPaused(bool p);
    void gameOver();
    void AddScore(int32_t points);
    void ShowMessage(const QString& text, int16_t size);
    // Enter or a click on the message: the waiting level starts, or a completed level leads to the next.
    // Returns false when no message was waiting.
    bool AcknowledgeMessage();
    // "Press Enter" or "Click Mouse".
    QString PressText() const;
    QString LevelStartText() const;
    bool GameRunning() const { return gameState != kStopped && gameState != kIdle; }

    // ---- clock ----
    // Interval 0 means the computed interval of the state and level; returns the interval used.
    int16_t StartNewTimer(int16_t interval);
    void StopOldTimer();
    int16_t ComputedInterval() const;
    void TimerHandler();
    void TimerBlinkBlock_Timer();
    void TimerLaserBomb_Timer();

    // ---- steps of the state machine ----
    void GarbageStep();      // state 1
    void SpawnStep();        // state 2
    void FallingStep();      // state 3
    void LandedStep();       // state 4
    void LaserStep();        // state 5
    void DestructionStep();  // state 6
    void GravityStep();      // state 7
    void BombBlastStep();    // state 8
    void DemoStep();         // state 9

    // Line-ups, destruction, gravity, bomb and puzzle levels, over the functions of lineups.h and puzzle.h.
    bool LineUpCheck();                // true when at least one run was found (tasks in laserTasks)
    void StartBombBlast();             // a landed bomb; ends in state 8
    void DestroyEmptiedBlocks();       // destruction phase 1: fills emptiedCells and scores
    bool Pack();                       // gravity; true when a block moved
    void InitGarbage();                // starts building a puzzle level's garbage
    void FinishGarbage();              // the garbage is complete
    void LevelCompletionTest();        // after a destruction in Puzzle mode
    CellPos BlinkingCell() const;      // none outside Puzzle mode
    bool ReplayingSavedLevel() const;  // a replay of the level whose garbage is saved

    // ---- board ----
    void NextBlock(bool allowBomb);
    void ClearBoard();
    void RedrawBoard();
    void PlaceBlock();
    void PaintNextBlock();

    // ---- falling block ----
    bool MoveFallingBlock(bool ignoreSound);
    bool IsBlockedBelow() const;
    bool IsBlockedLeft() const;
    bool IsBlockedRight() const;
    void StepDown();
    void DropBlock();
    void MoveLeft();
    void MoveRight();
    void MoveToColumn(int16_t target);
    void RotateBlock();
    static int16_t Rotated(int16_t value);

    // ---- drawing through the view ----
    int DrawSize(DrawTarget target) const;
    void DrawCell(int cellColumn, int cellRow, int16_t value, DrawTarget target, int part, int style,
                  int x = 0, int y = 0);
    void DrawPipe(int cellColumn, int cellRow, int bit, int half, int look, bool has2, bool has4,
                  DrawTarget target = DrawTarget::PlayArea, int x = 0, int y = 0);
    void SetBlinkBlockVisible(bool visible);
    void SetBlinkTimer(bool on);
    void SetLaserBombVisible(bool visible);
    void SetLaserBombTimer(bool on);

    void PlaySoundCue(int n) { m_sound.PlaySoundCue(n); }
    double Random() { return m_random.Next(); }

    ZephlonView& View() { return m_view; }
    RandomSource& RandomGenerator() { return m_random; }

  private:
    ZephlonView& m_view;
    frame::SoundSink& m_sound;
    RandomSource& m_random;
};

}  // namespace zephlon
