#include "zephlon/engine.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace zephlon {

const double kSpeedOriginal[kLevelTableSize] = {3.8,  3.4,  3.1,  2.7,  2.4,  2.1,  1.9,  1.7,  1.5,  1.4,
                                                1.3,  1.25, 1.2,  1.15, 1.1,  1.07, 1.03, 1,    0.98, 0.97,
                                                0.97, 0.97, 0.97, 0.97, 0.97, 0.97, 0.97, 0.97, 0.97, 0.97};
const double kSpeedPuzzle[kLevelTableSize] = {3.8, 3.4, 3.1, 2.7, 2.4, 2.1, 1.9, 1.7, 1.5, 1.4,
                                              1.3, 1.3, 1.3, 1.2, 1.2, 1.2, 1.1, 1.1, 1.1, 1.1,
                                              1,   1,   1,   1,   1,   1,   1,   1,   1,   1};
const int16_t kGarbageRows[kLevelTableSize] = {1, 2, 3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5,
                                               5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
const int16_t kTopGarbageWidth[kLevelTableSize] = {5, 3, 3, 5, 3, 5, 7, 3, 5, 7, 7, 7, 7, 7, 7,
                                                   7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};

namespace {

uint64_t ClockSeed() {
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

int16_t SecondsTableInterval(const double* table, int index) {
    return static_cast<int16_t>(std::lround(table[index] / 10.0 * 1000.0));
}

// The engine's own drawing, sound and scoring, handed to the line-up and puzzle functions.
PlayEffects EffectsOf(ZephlonEngine& e) {
    PlayEffects fx;
    fx.drawLaserPipe = [&e](const CLaserTask& t, bool has2, bool has4) {
        e.DrawPipe(t.column, t.row, t.bit, t.half, 2, has2, has4);
    };
    fx.drawCell = [&e](int16_t c, int16_t r, int16_t value, int16_t part, int16_t style) {
        e.DrawCell(c, r, value, DrawTarget::PlayArea, part, style);
    };
    fx.playSoundCue = [&e](int cue) { e.PlaySoundCue(cue); };
    fx.addScore = [&e](int16_t points) { e.AddScore(points); };
    fx.showBlocks = [&e](int16_t blocks) { e.View().SetLabel(StatusLabel::Blocks, QString::number(blocks)); };
    return fx;
}

}  // namespace

ClockRandom::ClockRandom() : m_engine(ClockSeed()) {}

double ClockRandom::Next() {
    return std::generate_canonical<double, 53>(m_engine);
}

void ClockRandom::Reseed() {
    m_engine.seed(ClockSeed() ^ m_engine());
}

ZephlonEngine::ZephlonEngine(ZephlonView& view, frame::SoundSink& sound, RandomSource& random)
    : m_view(view), m_sound(sound), m_random(random) {}

// ---------------------------------------------------------------------------------------------------------------
// Life of a game

// Start-up: the options are already in the fields; the demo runs at 200 ms ticks.
void ZephlonEngine::InitGame() {
    demoRunning = false;
    m_view.SetLabel(StatusLabel::BlocksHead, QStringLiteral("Blocks"));
    gameState = kIdle;
    ResetGame();
    ShowMessage(QString(), 21);
    demoRunning = true;
    StartNewTimer(0);
}

void ZephlonEngine::ResetGame() {
    demoRunning = false;
    StopOldTimer();
    SetBlinkBlockVisible(false);
    SetBlinkTimer(false);
    m_view.HideFallingSprite();
    m_view.ClearNextBox();
    bestScore = m_view.BestStoredScore(gameMode);
    m_view.SetLabel(StatusLabel::HiScore, QString::number(bestScore));
    score = 0;
    level = 0;
    blocksCounter = 0;
    gameStartLevel = gameMode == kPuzzle ? startLevelPuzzle : startLevel;
    m_view.CommitPendingName();
    m_view.SetLabel(StatusLabel::Score, QStringLiteral("0"));
    m_view.SetLabel(StatusLabel::Level, QStringLiteral("0"));
    SetPaused(false);
    m_view.HideFallingSprite();  // a resume above may have shown the old block again
}

void ZephlonEngine::NewGame(int16_t newLevelNumber, bool replayLevel) {
    replay = replayLevel;
    ResetGame();
    m_view.SetMenuReplayEnabled(gameMode == kPuzzle);
    m_view.SetMenuStopEnabled(true);
    m_view.SetModeMenuLocked(true);
    gameState = kSpawn;
    if (newLevelNumber != 0) {
        BeginLevel(newLevelNumber);
        score = levelStartScore;
        m_view.SetLabel(StatusLabel::Score, QString::number(score));
        // The restored score is this run's score too: the high-score label never shows less than it.
        if (score > bestScore) {
            bestScore = score;
            m_view.SetLabel(StatusLabel::HiScore, QString::number(bestScore));
        }
    } else {
        BeginLevel(gameMode == kPuzzle ? startLevelPuzzle : startLevel);
    }
    ClearBoard();
    SetLaserBombTimer(false);
    SetLaserBombVisible(false);
    if (gameMode == kPuzzle)
        InitGarbage();
    else
        replay = false;  // no garbage to rebuild: later levels must record their own start score again
    newLevel = true;
    m_view.FocusPlayArea();
}

void ZephlonEngine::ReplayLevel() {
    NewGame(level, true);
}

bool ZephlonEngine::BeginLevel(int16_t newLevelNumber) {
    level = newLevelNumber == 0 ? static_cast<int16_t>(level + 1) : newLevelNumber;
    blocksCounter = 0;
    if (!replay) levelStartScore = score;
    m_view.SetLabel(StatusLabel::Level, QString::number(level));
    m_view.SetLabel(StatusLabel::Blocks, QString::number(blocksCounter));
    StartNewTimer(0);
    return true;
}

void ZephlonEngine::SetStartLevel(int16_t newStartLevel) {
    if (gameMode == kPuzzle)
        startLevelPuzzle = newStartLevel;
    else
        startLevel = newStartLevel;
    m_view.RefreshLevelMenu();
}

// While paused the clock keeps ticking but nothing moves, and the board is hidden.
void ZephlonEngine::SetPaused(bool p) {
    const bool wasPaused = paused;
    paused = p;
    RedrawBoard();
    if (gameState == kFalling && p != wasPaused) {
        // The block in flight is hidden with the board, and comes back where it was.
        if (p)
            m_view.HideFallingSprite();
        else
            MoveFallingBlock(true);
    }
    m_view.SetPauseChecked(p);
    ShowMessage(p ? QStringLiteral("Paused") : QString(), 21);
}

void ZephlonEngine::gameOver() {
    StopOldTimer();
    gameState = kStopped;
    ShowMessage(QStringLiteral("Game Over"), 21);
    m_view.ClearNextBox();
    // A bomb marker would otherwise flash on over the finished game.
    SetLaserBombTimer(false);
    SetLaserBombVisible(false);
    m_view.StartGameOverTimer();
    m_view.SetMenuReplayEnabled(false);
    m_view.SetModeMenuLocked(false);
    m_view.SetMenuStopEnabled(false);
}

void ZephlonEngine::AddScore(int32_t points) {
    score += points;
    m_view.SetLabel(StatusLabel::Score, QString::number(score));
    if (score > bestScore) {
        bestScore = score;
        m_view.SetLabel(StatusLabel::HiScore, QString::number(bestScore));
    }
}

void ZephlonEngine::ShowMessage(const QString& text, int16_t size) {
    m_view.ShowMessage(text, size);
}

bool ZephlonEngine::AcknowledgeMessage() {
    if (gameState == kWaitStart) {
        ShowMessage(QString(), 21);
        gameState = kSpawn;
        return true;
    }
    if (gameState == kLevelDone) {
        ShowMessage(QString(), 21);
        if (BeginLevel(0)) {
            ClearBoard();
            InitGarbage();
        }
        return true;
    }
    return false;
}

QString ZephlonEngine::PressText() const {
    return control == kMouse ? QStringLiteral("Click Mouse") : QStringLiteral("Press Enter");
}

QString ZephlonEngine::LevelStartText() const {
    const QString br = QStringLiteral("\r\n\r\n");
    const QString start = PressText() + QStringLiteral(" to Start");
    if (level == 1)
        return QStringLiteral("Level 1") + br + QStringLiteral("Remove the blinking block") + br + start;
    return QStringLiteral("Level ") + QString::number(level) + br + start;
}

// ---------------------------------------------------------------------------------------------------------------
// Clock

int16_t ZephlonEngine::StartNewTimer(int16_t interval) {
    if (interval == 0) interval = ComputedInterval();
    StopOldTimer();
    clockRunning = true;
    clockInterval = interval;
    m_view.StartClock(interval);
    return interval;
}

void ZephlonEngine::StopOldTimer() {
    clockRunning = false;
    m_view.StopClock();
}

int16_t ZephlonEngine::ComputedInterval() const {
    if (demoRunning) return 200;
    if (gameMode == kPuzzle) {
        int index = blocksCounter / 15;
        if (level >= 11 && level <= 15) index += 2;
        if (level >= 16) index += 4;
        return SecondsTableInterval(kSpeedPuzzle, std::clamp(index, 0, 9));
    }
    // Level 0 only exists between games; it ticks like level 1.
    return SecondsTableInterval(kSpeedOriginal, std::clamp(level - 1, 0, 19));
}

void ZephlonEngine::TimerHandler() {
    if (paused) return;
    switch (gameState) {
        case kGarbage:
            GarbageStep();
            break;
        case kSpawn:
            SpawnStep();
            break;
        case kFalling:
            FallingStep();
            break;
        case kLanded:
            LandedStep();
            break;
        case kLasers:
            LaserStep();
            break;
        case kDestruction:
            DestructionStep();
            break;
        case kGravity:
            GravityStep();
            break;
        case kBombBlast:
            BombBlastStep();
            break;
        case kIdle:
            DemoStep();
            break;
        default:
            break;
    }
}

void ZephlonEngine::TimerBlinkBlock_Timer() {
    SetBlinkBlockVisible(!(blinkBlockVisible || blinkSuppress));
}

void ZephlonEngine::TimerLaserBomb_Timer() {
    if (laserBombFlag) {
        laserBombFlag = false;
        SetLaserBombVisible(true);
    } else {
        laserBombFlag = true;
        SetLaserBombVisible(false);
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Steps

// One placed garbage block per tick; the saved board supplies the blocks while a level is replayed.
void ZephlonEngine::GarbageStep() {
    GarbageBuilder builder;
    builder.column = garbageColumn;
    builder.row = garbageRow;
    builder.first = garbageFirst;
    builder.last = garbageLast;
    const auto result = builder.Step(
        board, savedBoard, level, ReplayingSavedLevel(),
        [this] {
            NextBlock(false);
            return nextValue;
        },
        EffectsOf(*this));
    garbageColumn = builder.column;
    garbageRow = builder.row;
    garbageFirst = builder.first;
    garbageLast = builder.last;
    if (result == GarbageBuilder::Result::Complete) FinishGarbage();
}

void ZephlonEngine::SpawnStep() {
    if (demoRunning) {
        demoRunning = false;
        gameState = kIdle;
        StopOldTimer();
        downKeyLock = false;
        if (firstTime) m_view.ShowInstructions();
        return;
    }
    if (gameMode == kPuzzle && !blinkTimerRunning) {
        // First spawn of a puzzle level: show the blinking block and wait for the player.
        m_view.PlaceBlinkBlock(blinkColumn, blinkRow);
        SetBlinkBlockVisible(true);
        SetBlinkTimer(true);
        ShowMessage(LevelStartText(), 13);
        gameState = kWaitStart;
        downKeyLock = false;
        return;
    }
    gameState = kFalling;
    chainCounter = 0;
    if (newLevel) {
        // The first block of a game is never a bomb.
        newLevel = false;
        NextBlock(false);
    }
    fallingValue = nextValue;
    column = spawnColumn;
    row = spawnRow;
    SetLaserBombTimer((fallingValue & kBomb) != 0);
    SetLaserBombVisible(false);
    NextBlock(true);
    PaintNextBlock();
    if (!MoveFallingBlock(false)) gameOver();
    downKeyLock = false;
}

void ZephlonEngine::FallingStep() {
    StepDown();
}

void ZephlonEngine::LandedStep() {
    if (!demoRunning) downKeyLock = true;
    if (fallingValue & kBomb) {
        SetLaserBombTimer(false);
        StartBombBlast();
        return;
    }
    if (LineUpCheck()) {
        laserStep = 0;
        emptiedCells.clear();
        gameState = kLasers;
        StartNewTimer(20);
    } else {
        gameState = kSpawn;
        TimerHandler();
    }
}

void ZephlonEngine::LaserStep() {
    if (zephlon::LaserStep(laserStep, laserTasks, board, marksFirst, marksSecond, demoRunning,
                           EffectsOf(*this)))
        return;
    // No segment left at this step: the lasers are over.
    blinkSuppress = false;
    StartNewTimer(0);
    gameState = kDestruction;
    phase = 1;
    StartNewTimer(50);
}

void ZephlonEngine::DestructionStep() {
    switch (phase) {
        case 1:
            DestroyEmptiedBlocks();
            phase = 2;
            for (const CEmptyBlock& e : emptiedCells)
                DrawCell(e.column, e.row, kPresent, DrawTarget::PlayArea, 16, 2);
            break;
        case 2:
            phase = 3;
            for (const CEmptyBlock& e : emptiedCells)
                DrawCell(e.column, e.row, kPresent, DrawTarget::PlayArea, 16, 3);
            break;
        default:
            gameState = kGravity;
            StartNewTimer(0);
            for (const CEmptyBlock& e : emptiedCells)
                DrawCell(e.column, e.row, 0, DrawTarget::PlayArea, 16, 1);
            if (gameMode == kPuzzle && blinkTimerRunning) LevelCompletionTest();
            break;
    }
}

void ZephlonEngine::GravityStep() {
    if (Pack()) {
        if (gameMode == kOriginal && blocksCounter >= 30) BeginLevel(0);
        gameState = kLanded;
    } else {
        gameState = kSpawn;
        TimerHandler();
    }
}

void ZephlonEngine::BombBlastStep() {
    StartNewTimer(50);
    const int16_t blast = kPresent | kBomb;
    switch (phase) {
        case 1:
            phase = 2;
            for (const CEmptyBlock& e : emptiedCells)
                DrawCell(e.column, e.row, blast, DrawTarget::PlayArea, 16, 2);
            break;
        case 2:
            phase = 3;
            for (const CEmptyBlock& e : emptiedCells)
                DrawCell(e.column, e.row, blast, DrawTarget::PlayArea, 16, 3);
            break;
        default:
            for (const CEmptyBlock& e : emptiedCells)
                DrawCell(e.column, e.row, 0, DrawTarget::PlayArea, 16, 1);
            gameState = kGravity;
            break;
    }
}

// The start-up demo: rows 7 to 10 filled with random blocks under the logo.
void ZephlonEngine::DemoStep() {
    demoRunning = true;
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = kRows; r >= 7; --r) {
            NextBlock(false);
            board(c, r) = nextValue;
        }
    }
    RedrawBoard();
    newLevel = true;
    if (gameState == kIdle) ShowMessage(QStringLiteral("zephlon"), 21);
    gameState = kLanded;
}

// ---------------------------------------------------------------------------------------------------------------
// Line-ups, destruction, gravity, bomb and puzzle levels

CellPos ZephlonEngine::BlinkingCell() const {
    if (gameMode != kPuzzle || blinkColumn == 0) return {};
    return {blinkColumn, blinkRow};
}

bool ZephlonEngine::ReplayingSavedLevel() const {
    // A level that never finished its garbage has nothing saved to replay: it is built afresh.
    return replay && savedLevel == level && savedBlinkColumn != 0;
}

bool ZephlonEngine::LineUpCheck() {
    LineUpResult found = CheckLineUps(board, BlinkingCell());
    laserTasks = std::move(found.tasks);
    blinkSuppress = found.blinkSuppress;
    return !laserTasks.empty();
}

void ZephlonEngine::StartBombBlast() {
    emptiedCells =
        BombBlast(board, column, row, BlinkingCell(), blocksCounter, chainCounter, EffectsOf(*this));
    phase = 1;
    fallingValue = 0;
    StartNewTimer(0);
    PlaySoundCue(4);
    gameState = kBombBlast;
}

void ZephlonEngine::DestroyEmptiedBlocks() {
    emptiedCells = DestroyEmptyBlocks(board, blocksCounter, chainCounter, demoRunning, EffectsOf(*this));
}

bool ZephlonEngine::Pack() {
    const bool moved = PackBoard(board);
    if (moved) {
        RedrawBoard();
        PlaySoundCue(0);  // the fall sounds like a landing
    }
    return moved;
}

void ZephlonEngine::InitGarbage() {
    garbageColumn = 0;
    garbageRow = 0;
    gameState = kGarbage;
    StartNewTimer(30);
    blinkColumn = 0;
    blinkRow = 0;
}

void ZephlonEngine::FinishGarbage() {
    blinkRow = 10;
    garbageColumn = 0;
    garbageRow = 0;
    blinkColumn =
        ReplayingSavedLevel() ? savedBlinkColumn : ChooseBlinkingColumn(board, [this] { return Random(); });
    savedBoard = board;
    savedBlinkColumn = blinkColumn;
    savedLevel = level;
    replay = false;
    NextBlock(true);
    newLevel = false;
    PaintNextBlock();
    StartNewTimer(0);
    // Only the board is checked: a bomb still due from the last game must not blast here.
    fallingValue = 0;
    gameState = kLanded;
}

void ZephlonEngine::LevelCompletionTest() {
    if (!HitsCell(emptiedCells, {blinkColumn, blinkRow})) return;
    AddScore(1000);
    PlaySoundCue(5);
    ShowMessage(QStringLiteral("Level Completed\r\n\r\n\r\n") + PressText(), 13);
    SetBlinkBlockVisible(false);
    SetBlinkTimer(false);
    StartNewTimer(0);
    gameState = kLevelDone;
    downKeyLock = false;
    if (maxLevelPuzzle < level + 1) {
        maxLevelPuzzle = static_cast<int16_t>(level + 1);
        m_view.RefreshLevelMenu();
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Board

// 1 in 45 a bomb when allowed; otherwise each track with probability 1/2, at least one track, and blocks with
// a single track kept only a quarter of the time.
void ZephlonEngine::NextBlock(bool allowBomb) {
    nextValue = 0;
    m_random.Reseed();
    nextValue = kPresent;
    if (allowBomb && static_cast<int>(m_random.Next() * 45) == 1) {
        nextValue = kPresent | kBomb;
    } else {
        for (;;) {
            int openings = 0;
            for (int16_t bit : {kPipe2, kPipe4, kPipe8, kPipe16}) {
                if (m_random.Next() * 2 < 1) {
                    nextValue = static_cast<int16_t>(nextValue & ~bit);
                } else {
                    nextValue = static_cast<int16_t>(nextValue | bit);
                    ++openings;
                }
            }
            if (openings >= 2) break;
            if (openings == 1 && m_random.Next() * 4 < 1) break;
        }
    }
    spawnColumn = 4;
    spawnRow = 1;
}

void ZephlonEngine::ClearBoard() {
    board.ClearPlayCells();
    marksFirst.ClearPlayCells();
    marksSecond.ClearPlayCells();
    RedrawBoard();
}

void ZephlonEngine::RedrawBoard() {
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kColumns; ++c)
            DrawCell(c, r, paused ? int16_t{0} : board(c, r), DrawTarget::PlayArea, kWholeCellPart, 1);
}

void ZephlonEngine::PlaceBlock() {
    board(column, row) = fallingValue;
    RedrawBoard();
    m_view.HideFallingSprite();
}

void ZephlonEngine::PaintNextBlock() {
    const int size = std::min(m_view.CellSize(), 41);
    const int x = (m_view.NextBoxWidth() - size) / 2;
    m_view.ClearNextBox();
    DrawCell(1, 1, nextValue, DrawTarget::NextBox, kWholeCellPart, 1, x, 7);
}

// ---------------------------------------------------------------------------------------------------------------
// Falling block

bool ZephlonEngine::MoveFallingBlock(bool ignoreSound) {
    if (column < 0 || column > kColumns || row < 0 || row > kRows) return false;
    if (board(column, row) != 0) return false;
    DrawCell(column, row, fallingValue, DrawTarget::FallingSprite, kWholeCellPart, 1);
    // The touch-down cue sounds as the block reaches its landing cell, one tick before it lands.
    if (IsBlockedBelow() && !ignoreSound) PlaySoundCue(0);
    return true;
}

bool ZephlonEngine::IsBlockedBelow() const {
    return row > kRows - 1 || board(column, row + 1) != 0;
}

bool ZephlonEngine::IsBlockedLeft() const {
    return column == 1 || board(column - 1, row) != 0;
}

bool ZephlonEngine::IsBlockedRight() const {
    return column == kColumns || board(column + 1, row) != 0;
}

void ZephlonEngine::StepDown() {
    if (IsBlockedBelow()) {
        gameState = kLanded;
        PlaceBlock();
        TimerHandler();
        return;
    }
    ++row;
    MoveFallingBlock(false);
}

void ZephlonEngine::DropBlock() {
    if (IsBlockedBelow()) {
        PlaceBlock();
        gameState = kLanded;
        TimerHandler();
        return;
    }
    while (!IsBlockedBelow()) {
        ++row;
        AddScore(1);
    }
    MoveFallingBlock(false);
}

void ZephlonEngine::MoveLeft() {
    if (IsBlockedLeft()) return;
    --column;
    MoveFallingBlock(false);
}

void ZephlonEngine::MoveRight() {
    if (IsBlockedRight()) return;
    ++column;
    MoveFallingBlock(false);
}

// Mouse steering: the block slides along its row and stops beside the first obstacle on the way.
void ZephlonEngine::MoveToColumn(int16_t target) {
    if (target < 1 || target > kColumns || board(target, row) != 0) return;
    if (target == column) {
        MoveFallingBlock(true);
        return;
    }
    const int step = target > column ? 1 : -1;
    int16_t newColumn = target;
    for (int i = column + step; i != target + step; i += step) {
        if (board(i, row) != 0) {
            newColumn = static_cast<int16_t>(i - step);
            break;
        }
    }
    if (newColumn == column) return;
    column = newColumn;
    MoveFallingBlock(step < 0);
}

int16_t ZephlonEngine::Rotated(int16_t value) {
    int16_t turned = kPresent;
    if (value & kPipe8) turned |= kPipe2;
    if (value & kPipe4) turned |= kPipe8;
    if (value & kPipe16) turned |= kPipe4;
    if (value & kPipe2) turned |= kPipe16;
    return turned;
}

void ZephlonEngine::RotateBlock() {
    fallingValue = Rotated(fallingValue);
    MoveFallingBlock(false);
}

// ---------------------------------------------------------------------------------------------------------------
// Drawing

// Pixel size a cell is drawn at: the next box never shows a block larger than 41 pixels.
int ZephlonEngine::DrawSize(DrawTarget target) const {
    return target == DrawTarget::NextBox ? std::min(m_view.CellSize(), 41) : m_view.CellSize();
}

void ZephlonEngine::DrawCell(int cellColumn, int cellRow, int16_t value, DrawTarget target, int part,
                             int style, int x, int y) {
    CellDrawing cell;
    cell.target = target;
    cell.column = cellColumn;
    cell.row = cellRow;
    cell.value = value;
    cell.part = part;
    cell.style = style;
    cell.x = x;
    cell.y = y;
    cell.size = DrawSize(target);
    cell.blockColour = blockColour;
    if (target == DrawTarget::PlayArea && Grid::IsPlayCell(cellColumn, cellRow)) {
        cell.marksFirst = marksFirst(cellColumn, cellRow);
        cell.marksSecond = marksSecond(cellColumn, cellRow);
    }
    m_view.DrawCell(cell);
}

void ZephlonEngine::DrawPipe(int cellColumn, int cellRow, int bit, int half, int look, bool has2, bool has4,
                             DrawTarget target, int x, int y) {
    PipeDrawing pipe;
    pipe.target = target;
    pipe.column = cellColumn;
    pipe.row = cellRow;
    pipe.bit = bit;
    pipe.half = half;
    pipe.look = look;
    pipe.has2 = has2;
    pipe.has4 = has4;
    pipe.x = x;
    pipe.y = y;
    pipe.size = DrawSize(target);
    m_view.DrawPipe(pipe);
}

void ZephlonEngine::SetBlinkBlockVisible(bool visible) {
    blinkBlockVisible = visible;
    m_view.SetBlinkBlockVisible(visible);
}

void ZephlonEngine::SetBlinkTimer(bool on) {
    blinkTimerRunning = on;
    m_view.SetBlinkTimer(on);
}

void ZephlonEngine::SetLaserBombVisible(bool visible) {
    laserBombVisible = visible;
    m_view.SetLaserBombVisible(visible);
}

void ZephlonEngine::SetLaserBombTimer(bool on) {
    laserBombTimerRunning = on;
    m_view.SetLaserBombTimer(on);
}

}  // namespace zephlon
