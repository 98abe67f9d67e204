// SPDX-License-Identifier: GPL-3.0-or-later
#include "zephlon/engine.h"

#include <algorithm>
#include <cmath>

namespace zephlon {

namespace {

int16_t SecondsTableInterval(const double* table, int index) {
    return static_cast<int16_t>(std::lround(table[index] / 10.0 * 1000.0));
}

}  // namespace

ZephlonEngine::ZephlonEngine(ZephlonView& view, frame::SoundSink& sound, frame::RandomSource random)
    : m_view(view), m_sound(sound), m_random(std::move(random)) {}

PlayEffects ZephlonEngine::Effects() {
    PlayEffects fx;
    fx.drawLaserPipe = [this](const CLaserTask& t, bool has2, bool has4) {
        DrawPipe(t.column, t.row, t.bit, t.half, 2, has2, has4);
    };
    fx.drawCell = [this](int16_t c, int16_t r, int16_t value, int16_t part, int16_t style) {
        DrawCell(c, r, value, DrawTarget::PlayArea, part, style);
    };
    fx.playSoundCue = [this](frame::Cue cue) { m_sound.PlaySoundCue(cue); };
    fx.addScore = [this](int16_t points) { AddScore(points); };
    fx.showBlocks = [this](int16_t blocks) { m_view.SetLabel(StatusLabel::Blocks, QString::number(blocks)); };
    return fx;
}

void ZephlonEngine::SetOptions(const ZephlonOptions& options) {
    m_options = options;
    m_options.blockColour = std::clamp<int16_t>(m_options.blockColour, 1, 5);
}

// ---------------------------------------------------------------------------------------------------------------
// Commands

void ZephlonEngine::HandleKey(frame::KeyCode key) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Key, key);
    if (m_options.control == Control::Mouse) return;
    const GameState state = m_ctx.gameState;
    switch (key) {
        case frame::kKeyEnter:
            if (state == GameState::WaitStart || state == GameState::LevelDone) {
                AcknowledgeMessage();
            } else if (m_ctx.paused) {
                SetPaused(false);
            } else if (state == GameState::Stopped || state == GameState::Idle || m_ctx.demoRunning) {
                NewGame(0, false);
            }
            break;
        case frame::kKeyP:
            SetPaused(!m_ctx.paused);
            break;
        case frame::kKeyR:
            if (state != GameState::Stopped && state != GameState::Garbage) ReplayLevel();
            break;
        case frame::kKeyQ:
            // A finished game cannot be quit again: a second Q would offer its score to the table twice.
            if (state != GameState::Stopped) gameOver();
            break;
        case frame::kKeyS:
            NewGame(m_ctx.level, false);
            break;
        default:
            break;
    }
    if (m_ctx.gameState != GameState::Falling || m_ctx.paused) return;
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

void ZephlonEngine::MousePress(MouseTarget target, MouseButton button) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::MousePress,
                                        static_cast<int32_t>(target), static_cast<int32_t>(button));
    if (m_options.control == Control::Keyboard) return;
    // The waiting message goes on a click on its text or on the play area.
    if ((target == MouseTarget::Message || target == MouseTarget::PlayArea) && AcknowledgeMessage()) return;
    if (target == MouseTarget::Message || m_ctx.gameState != GameState::Falling || m_ctx.paused) return;
    if (button == MouseButton::Left)
        RotateBlock();
    else
        DropBlock();
}

void ZephlonEngine::MouseDoubleClick(MouseTarget target, MouseButton button) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::MouseDoubleClick,
                                        static_cast<int32_t>(target), static_cast<int32_t>(button));
    // Only a left double-click turns: its first press has turned once already, a right one has dropped.
    if (m_options.control == Control::Keyboard || button != MouseButton::Left) return;
    if (target == MouseTarget::Message || m_ctx.gameState != GameState::Falling || m_ctx.paused) return;
    RotateBlock();
    RotateBlock();
}

void ZephlonEngine::MouseMove(MouseTarget target, int x) {
    // The column under the pointer is recorded, not its pixel: a recording plays the same in any window size.
    const int cellSize = m_view.CellSize();
    const auto column = static_cast<int16_t>(cellSize > 0 ? x / cellSize + 1 : 0);
    const frame::RecordedScope recorded(cellSize > 0 ? m_recorder : nullptr, frame::InputKind::MouseMove,
                                        static_cast<int32_t>(target), column);
    if (m_options.control == Control::Keyboard || target != MouseTarget::PlayArea) return;
    if (m_ctx.gameState != GameState::Falling || m_ctx.paused || cellSize <= 0) return;
    MoveToColumn(column);
}

void ZephlonEngine::Start() {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Start);
    const GameState state = m_ctx.gameState;
    if (state == GameState::Stopped || state == GameState::Idle || m_ctx.demoRunning || AskNewGame())
        NewGame(0, false);
}

bool ZephlonEngine::AskNewGame() {
    if (m_answers) return m_answers->NextAnswer();
    if (!m_recorder) return m_view.AskNewGame();
    const frame::GameRecorder::Question question = m_recorder->OpenQuestion();
    const bool yes = m_view.AskNewGame();
    m_recorder->CloseQuestion(question, yes);
    return yes;
}

std::vector<int32_t> ZephlonEngine::RecordingSettings(int16_t askedLevel) const {
    std::vector<int32_t> settings{static_cast<int32_t>(m_options.control),
                                  m_options.blockColour,
                                  m_options.startLevel,
                                  m_options.startLevelPuzzle,
                                  m_options.maxLevelPuzzle,
                                  m_options.firstTime ? 1 : 0,
                                  m_ctx.replay ? 1 : 0,
                                  m_ctx.levelStartScore,
                                  askedLevel};
    if (m_ctx.replay) {
        // A game begun as a level replay rebuilds the level last saved: it travels with the recording.
        settings.push_back(m_ctx.savedLevel);
        settings.push_back(m_ctx.savedBlinkColumn);
        for (int r = 1; r <= kRows; ++r)
            for (int c = 1; c <= kColumns; ++c)
                settings.push_back(m_ctx.savedBoard(c, r));
    }
    return settings;
}

bool ZephlonEngine::RestoreRecordingSettings(int32_t mode, const std::vector<int32_t>& settings) {
    constexpr size_t kPlain = 9, kSaved = kPlain + 2 + kRows * kColumns;
    if (settings.size() != kPlain && settings.size() != kSaved) return false;
    if (mode != 0 && mode != 1) return false;
    ZephlonOptions options = m_options;
    options.gameMode = static_cast<GameMode>(mode);
    options.control =
        settings[0] == static_cast<int32_t>(Control::Mouse) ? Control::Mouse : Control::Keyboard;
    auto level = [](int32_t v) { return static_cast<int16_t>(std::clamp(v, 0, 99)); };
    options.blockColour = static_cast<int16_t>(std::clamp(settings[1], 1, 5));
    options.startLevel = level(settings[2]);
    options.startLevelPuzzle = level(settings[3]);
    options.maxLevelPuzzle = level(settings[4]);
    options.firstTime = settings[5] != 0;
    SetOptions(options);
    m_ctx.replay = settings[6] != 0;
    m_ctx.levelStartScore = settings[7];
    if (settings.size() == kSaved) {
        m_ctx.savedLevel = level(settings[9]);
        m_ctx.savedBlinkColumn =
            static_cast<int16_t>(std::clamp(settings[10], 0, static_cast<int32_t>(kColumns)));
        size_t i = 11;
        for (int r = 1; r <= kRows; ++r)
            for (int c = 1; c <= kColumns; ++c)
                m_ctx.savedBoard(c, r) = static_cast<int16_t>(settings[i++] & 0x7fff);
    } else {
        m_ctx.savedBlinkColumn = 0;
    }
    return true;
}

void ZephlonEngine::SetGameMode(GameMode mode) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Option,
                                        static_cast<int32_t>(frame::RecordedOption::GameMode),
                                        static_cast<int32_t>(mode));
    // A game finished in the other mode goes to its own list before the mode changes.
    m_view.SettleGameOver();
    m_options.gameMode = mode;
    m_view.SetMenuReplayEnabled(mode == GameMode::Puzzle);
    if (mode == GameMode::Original) m_view.SetLabel(StatusLabel::BlocksHead, tr("Blocks"));
    m_view.RefreshLevelMenu();
}

void ZephlonEngine::SetControl(Control control) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Option,
                                        static_cast<int32_t>(frame::RecordedOption::Control),
                                        static_cast<int32_t>(control));
    m_options.control = control;
}

void ZephlonEngine::SetBlockColour(int16_t colour) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Option,
                                        static_cast<int32_t>(frame::RecordedOption::BlockColour), colour);
    m_options.blockColour = std::clamp<int16_t>(colour, 1, 5);
}

void ZephlonEngine::SetFallingBlock(int16_t value, int16_t column, int16_t row) {
    m_ctx.fallingValue = value;
    m_ctx.column = column;
    m_ctx.row = row;
}

void ZephlonEngine::SetBlinkCell(int16_t column, int16_t row) {
    m_ctx.blinkColumn = column;
    m_ctx.blinkRow = row;
}

// ---------------------------------------------------------------------------------------------------------------
// Life of a game

// Start-up: the options are already in the fields; the demo runs at 200 ms ticks.
void ZephlonEngine::InitGame() {
    m_ctx.demoRunning = false;
    m_view.SetLabel(StatusLabel::BlocksHead, tr("Blocks"));
    m_ctx.gameState = GameState::Idle;
    ResetGame();
    ShowMessage(QString(), 21);
    m_ctx.demoRunning = true;
    StartNewTimer(0);
}

void ZephlonEngine::ResetGame() {
    m_ctx.demoRunning = false;
    StopOldTimer();
    SetBlinkBlockVisible(false);
    SetBlinkTimer(false);
    m_view.HideFallingSprite();
    m_view.ClearNextBox();
    m_ctx.bestScore = m_view.BestStoredScore(static_cast<int32_t>(m_options.gameMode));
    m_view.SetLabel(StatusLabel::HiScore, QString::number(m_ctx.bestScore));
    m_ctx.score = 0;
    m_ctx.level = 0;
    m_ctx.blocksCounter = 0;
    m_ctx.gameStartLevel = Puzzle() ? m_options.startLevelPuzzle : m_options.startLevel;
    m_view.CommitPendingName();
    m_view.SetLabel(StatusLabel::Score, QStringLiteral("0"));
    m_view.SetLabel(StatusLabel::Level, QStringLiteral("0"));
    SetPaused(false);
    m_view.HideFallingSprite();  // a resume above may have shown the old block again
}

void ZephlonEngine::NameEntered() {
    if (!m_startAfterName) return;
    const WaitingStart start = *m_startAfterName;
    NewGame(start.level, start.replay);
}

void ZephlonEngine::NewGame(int16_t newLevelNumber, bool replayLevel) {
    // A score still waiting for its second after "Game Over" is offered first; a name entry then comes before
    // the new game, which starts once the name is entered.
    m_startAfterName.reset();
    if (m_view.SettleGameOver()) {
        m_startAfterName = WaitingStart{newLevelNumber, replayLevel};
        return;
    }
    // A level replay goes on with the game being recorded; any other start is a game of its own, whose
    // draws follow from a seed of its own.
    const bool ownGame = !replayLevel || !m_ctx.GameRunning() || m_ctx.demoRunning;
    std::vector<int32_t> settings;
    if (ownGame) {
        const uint64_t seed = m_nextGameSeed ? *m_nextGameSeed : m_random.NewGameSeed();
        m_nextGameSeed.reset();
        m_random.BeginGame(seed);
        m_gameSeed = seed;
    }
    m_ctx.replay = replayLevel;
    if (ownGame && m_recorder) settings = RecordingSettings(newLevelNumber);
    ResetGame();
    m_view.SetMenuReplayEnabled(Puzzle());
    m_view.SetMenuStopEnabled(true);
    m_view.SetModeMenuLocked(true);
    m_ctx.gameState = GameState::Spawn;
    if (newLevelNumber != 0) {
        BeginLevel(newLevelNumber);
        m_ctx.score = m_ctx.levelStartScore;
        m_view.SetLabel(StatusLabel::Score, QString::number(m_ctx.score));
        // The restored score is this run's score too: the high-score label never shows less than it.
        if (m_ctx.score > m_ctx.bestScore) {
            m_ctx.bestScore = m_ctx.score;
            m_view.SetLabel(StatusLabel::HiScore, QString::number(m_ctx.bestScore));
        }
    } else {
        BeginLevel(Puzzle() ? m_options.startLevelPuzzle : m_options.startLevel);
    }
    ClearBoard();
    SetLaserBombTimer(false);
    SetLaserBombVisible(false);
    if (Puzzle())
        InitGarbage();
    else
        m_ctx.replay = false;  // no garbage to rebuild: later levels must record their own start score again
    m_ctx.newLevel = true;
    m_view.FocusPlayArea();
    if (ownGame && m_recorder)
        m_recorder->Begin(frame::Program::Zephlon, static_cast<int32_t>(m_options.gameMode), m_ctx.level,
                          m_gameSeed, std::move(settings));
}

void ZephlonEngine::ReplayLevel() {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::ReplayLevel);
    NewGame(m_ctx.level, true);
}

bool ZephlonEngine::BeginLevel(int16_t newLevelNumber) {
    m_ctx.level = newLevelNumber == 0 ? static_cast<int16_t>(m_ctx.level + 1) : newLevelNumber;
    m_ctx.blocksCounter = 0;
    if (!m_ctx.replay) m_ctx.levelStartScore = m_ctx.score;
    m_view.SetLabel(StatusLabel::Level, QString::number(m_ctx.level));
    m_view.SetLabel(StatusLabel::Blocks, QString::number(m_ctx.blocksCounter));
    StartNewTimer(0);
    return true;
}

void ZephlonEngine::SetStartLevel(int16_t newStartLevel) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Option,
                                        static_cast<int32_t>(frame::RecordedOption::StartLevel),
                                        newStartLevel);
    if (Puzzle())
        m_options.startLevelPuzzle = newStartLevel;
    else
        m_options.startLevel = newStartLevel;
    m_view.RefreshLevelMenu();
}

// While paused the clock keeps ticking but nothing moves, and the board is hidden.
void ZephlonEngine::SetPaused(bool p) {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Pause, p ? 1 : 0);
    const bool wasPaused = m_ctx.paused;
    m_ctx.paused = p;
    RedrawBoard();
    if (m_ctx.gameState == GameState::Falling && p != wasPaused) {
        // The block in flight is hidden with the board, and comes back where it was.
        if (p)
            m_view.HideFallingSprite();
        else
            MoveFallingBlock(true);
    }
    m_view.ShowPaused(p);
    ShowMessage(p ? tr("Paused") : QString(), 21);
}

void ZephlonEngine::gameOver() {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::Stop);
    if (m_recorder) m_recorder->Finish();
    StopOldTimer();
    m_ctx.gameState = GameState::Stopped;
    ShowMessage(tr("Game Over"), 21);
    m_view.ClearNextBox();
    // A bomb marker would otherwise flash on over the finished game.
    SetLaserBombTimer(false);
    SetLaserBombVisible(false);
    m_view.GameOver();
    m_view.SetMenuReplayEnabled(false);
    m_view.SetModeMenuLocked(false);
    m_view.SetMenuStopEnabled(false);
}

void ZephlonEngine::AddScore(int32_t points) {
    m_ctx.score += points;
    m_view.SetLabel(StatusLabel::Score, QString::number(m_ctx.score));
    if (m_ctx.score > m_ctx.bestScore) {
        m_ctx.bestScore = m_ctx.score;
        m_view.SetLabel(StatusLabel::HiScore, QString::number(m_ctx.bestScore));
    }
}

void ZephlonEngine::ShowMessage(const QString& text, int16_t size) {
    m_view.ShowMessage(text, size);
}

bool ZephlonEngine::AcknowledgeMessage() {
    if (m_ctx.gameState == GameState::WaitStart) {
        ShowMessage(QString(), 21);
        m_ctx.gameState = GameState::Spawn;
        return true;
    }
    if (m_ctx.gameState == GameState::LevelDone) {
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
    //: The last line of a level message: what goes on to the next level.
    return m_options.control == Control::Mouse ? tr("Click Mouse") : tr("Press Enter");
}

QString ZephlonEngine::LevelStartText() const {
    const QString br = QStringLiteral("\r\n\r\n");
    const QString start =
        m_options.control == Control::Mouse ? tr("Click Mouse to Start") : tr("Press Enter to Start");
    //: The first line of the message before a level; %1 is the level's number.
    const QString level = tr("Level %1").arg(m_ctx.level);
    if (m_ctx.level == 1) return level + br + tr("Remove the blinking block") + br + start;
    return level + br + start;
}

// ---------------------------------------------------------------------------------------------------------------
// Clock

int16_t ZephlonEngine::StartNewTimer(int16_t interval) {
    if (interval == 0) interval = ComputedInterval();
    StopOldTimer();
    m_ctx.clockRunning = true;
    m_ctx.clockInterval = interval;
    m_view.StartClock(interval);
    return interval;
}

void ZephlonEngine::StopOldTimer() {
    m_ctx.clockRunning = false;
    m_view.StopClock();
}

int16_t ZephlonEngine::ComputedInterval() const {
    if (m_ctx.demoRunning) return 200;
    if (Puzzle()) {
        int index = m_ctx.blocksCounter / 15;
        if (m_ctx.level >= 11 && m_ctx.level <= 15) index += 2;
        if (m_ctx.level >= 16) index += 4;
        return SecondsTableInterval(kSpeedPuzzle, std::clamp(index, 0, 9));
    }
    // Level 0 only exists between games; it ticks like level 1.
    return SecondsTableInterval(kSpeedOriginal, std::clamp(m_ctx.level - 1, 0, 19));
}

void ZephlonEngine::TimerHandler() {
    const frame::RecordedTick recorded(m_recorder);
    if (m_ctx.paused) return;
    switch (m_ctx.gameState) {
        case GameState::Garbage:
            GarbageStep();
            break;
        case GameState::Spawn:
            SpawnStep();
            break;
        case GameState::Falling:
            FallingStep();
            break;
        case GameState::Landed:
            LandedStep();
            break;
        case GameState::Lasers:
            LaserStep();
            break;
        case GameState::Destruction:
            DestructionStep();
            break;
        case GameState::Gravity:
            GravityStep();
            break;
        case GameState::BombBlast:
            BombBlastStep();
            break;
        case GameState::Idle:
            DemoStep();
            break;
        default:
            break;
    }
}

void ZephlonEngine::TimerBlinkBlock_Timer() {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::BlinkTimer);
    SetBlinkBlockVisible(!(m_ctx.blinkBlockVisible || m_ctx.blinkSuppress));
}

void ZephlonEngine::TimerLaserBomb_Timer() {
    const frame::RecordedScope recorded(m_recorder, frame::InputKind::BombTimer);
    if (m_ctx.laserBombFlag) {
        m_ctx.laserBombFlag = false;
        SetLaserBombVisible(true);
    } else {
        m_ctx.laserBombFlag = true;
        SetLaserBombVisible(false);
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Steps

// One placed garbage block per tick; the saved board supplies the blocks while a level is replayed.
void ZephlonEngine::GarbageStep() {
    const auto result = m_garbage.Step(
        m_ctx.board, m_ctx.savedBoard, m_ctx.level, ReplayingSavedLevel(),
        [this] {
            NextBlock(false);
            return m_ctx.nextValue;
        },
        Effects());
    if (result == GarbageBuilder::Result::Complete) FinishGarbage();
}

void ZephlonEngine::SpawnStep() {
    if (m_ctx.demoRunning) {
        m_ctx.demoRunning = false;
        m_ctx.gameState = GameState::Idle;
        StopOldTimer();
        if (m_options.firstTime) m_view.ShowInstructions();
        return;
    }
    if (Puzzle() && !m_ctx.blinkTimerRunning) {
        // First spawn of a puzzle level: show the blinking block and wait for the player.
        m_view.PlaceBlinkBlock(m_ctx.blinkColumn, m_ctx.blinkRow);
        SetBlinkBlockVisible(true);
        SetBlinkTimer(true);
        ShowMessage(LevelStartText(), 13);
        m_ctx.gameState = GameState::WaitStart;
        return;
    }
    m_ctx.gameState = GameState::Falling;
    m_ctx.chainCounter = 0;
    if (m_ctx.newLevel) {
        // The first block of a game is never a bomb.
        m_ctx.newLevel = false;
        NextBlock(false);
    }
    m_ctx.fallingValue = m_ctx.nextValue;
    m_ctx.column = m_ctx.spawnColumn;
    m_ctx.row = m_ctx.spawnRow;
    SetLaserBombTimer((m_ctx.fallingValue & kBomb) != 0);
    SetLaserBombVisible(false);
    NextBlock(true);
    PaintNextBlock();
    if (!MoveFallingBlock(false)) gameOver();
}

void ZephlonEngine::FallingStep() {
    StepDown();
}

void ZephlonEngine::LandedStep() {
    if (m_ctx.fallingValue & kBomb) {
        SetLaserBombTimer(false);
        StartBombBlast();
        return;
    }
    if (LineUpCheck()) {
        m_ctx.laserStep = 0;
        m_ctx.emptiedCells.clear();
        m_ctx.gameState = GameState::Lasers;
        StartNewTimer(20);
    } else {
        m_ctx.gameState = GameState::Spawn;
        TimerHandler();
    }
}

void ZephlonEngine::LaserStep() {
    if (zephlon::LaserStep(m_ctx.laserStep, m_ctx.laserTasks, m_ctx.board, m_ctx.marksFirst,
                           m_ctx.marksSecond, m_ctx.demoRunning, Effects()))
        return;
    // No segment left at this step: the lasers are over.
    m_ctx.blinkSuppress = false;
    StartNewTimer(0);
    m_ctx.gameState = GameState::Destruction;
    m_ctx.phase = 1;
    StartNewTimer(50);
}

void ZephlonEngine::DestructionStep() {
    const PlayEffects fx = Effects();
    switch (m_ctx.phase) {
        case 1:
            DestroyEmptiedBlocks();
            m_ctx.phase = 2;
            DrawEmptiedCells(m_ctx.emptiedCells, kPresent, 2, fx);
            break;
        case 2:
            m_ctx.phase = 3;
            DrawEmptiedCells(m_ctx.emptiedCells, kPresent, 3, fx);
            break;
        default:
            m_ctx.gameState = GameState::Gravity;
            StartNewTimer(0);
            DrawEmptiedCells(m_ctx.emptiedCells, 0, 1, fx);
            if (Puzzle() && m_ctx.blinkTimerRunning) LevelCompletionTest();
            break;
    }
}

void ZephlonEngine::GravityStep() {
    if (Pack()) {
        if (!Puzzle() && m_ctx.blocksCounter >= 30) BeginLevel(0);
        m_ctx.gameState = GameState::Landed;
    } else {
        m_ctx.gameState = GameState::Spawn;
        TimerHandler();
    }
}

void ZephlonEngine::BombBlastStep() {
    StartNewTimer(50);
    const PlayEffects fx = Effects();
    const int16_t blast = kPresent | kBomb;
    switch (m_ctx.phase) {
        case 1:
            m_ctx.phase = 2;
            DrawEmptiedCells(m_ctx.emptiedCells, blast, 2, fx);
            break;
        case 2:
            m_ctx.phase = 3;
            DrawEmptiedCells(m_ctx.emptiedCells, blast, 3, fx);
            break;
        default:
            DrawEmptiedCells(m_ctx.emptiedCells, 0, 1, fx);
            m_ctx.gameState = GameState::Gravity;
            // The blast's frames run at 50 ms; the blocks after it fall at the level's pace again (in Puzzle
            // mode with the speed the destroyed block has earned).
            StartNewTimer(0);
            break;
    }
}

// The start-up demo: rows 7 to 10 filled with random blocks under the logo.
void ZephlonEngine::DemoStep() {
    m_ctx.demoRunning = true;
    for (int c = 1; c <= kColumns; ++c) {
        for (int r = kRows; r >= 7; --r) {
            NextBlock(false);
            m_ctx.board(c, r) = m_ctx.nextValue;
        }
    }
    RedrawBoard();
    m_ctx.newLevel = true;
    if (m_ctx.gameState == GameState::Idle) ShowMessage(QStringLiteral("zephlon"), 21);
    m_ctx.gameState = GameState::Landed;
}

// ---------------------------------------------------------------------------------------------------------------
// Line-ups, destruction, gravity, bomb and puzzle levels

CellPos ZephlonEngine::BlinkingCell() const {
    if (!Puzzle() || m_ctx.blinkColumn == 0) return {};
    return {m_ctx.blinkColumn, m_ctx.blinkRow};
}

bool ZephlonEngine::ReplayingSavedLevel() const {
    // A level that never finished its garbage has nothing saved to replay: it is built afresh.
    return m_ctx.replay && m_ctx.savedLevel == m_ctx.level && m_ctx.savedBlinkColumn != 0;
}

bool ZephlonEngine::LineUpCheck() {
    LineUpResult found = CheckLineUps(m_ctx.board, BlinkingCell());
    m_ctx.laserTasks = std::move(found.tasks);
    m_ctx.blinkSuppress = found.blinkSuppress;
    return !m_ctx.laserTasks.empty();
}

void ZephlonEngine::StartBombBlast() {
    m_ctx.emptiedCells = BombBlast(m_ctx.board, m_ctx.column, m_ctx.row, BlinkingCell(), m_ctx.blocksCounter,
                                   m_ctx.chainCounter, Effects());
    m_ctx.phase = 1;
    m_ctx.fallingValue = 0;
    StartNewTimer(0);
    m_sound.PlaySoundCue(frame::Cue::Bomb);
    m_ctx.gameState = GameState::BombBlast;
}

void ZephlonEngine::DestroyEmptiedBlocks() {
    m_ctx.emptiedCells = DestroyEmptyBlocks(m_ctx.board, m_ctx.blocksCounter, m_ctx.chainCounter,
                                            m_ctx.demoRunning, Effects());
}

bool ZephlonEngine::Pack() {
    const bool moved = PackBoard(m_ctx.board);
    if (moved) {
        RedrawBoard();
        m_sound.PlaySoundCue(frame::Cue::TouchDown);  // the fall sounds like a landing
    }
    return moved;
}

void ZephlonEngine::InitGarbage() {
    m_garbage.Reset();
    m_ctx.gameState = GameState::Garbage;
    StartNewTimer(30);
    m_ctx.blinkColumn = 0;
    m_ctx.blinkRow = 0;
}

void ZephlonEngine::FinishGarbage() {
    m_ctx.blinkRow = 10;
    m_garbage.Reset();
    m_ctx.blinkColumn = ReplayingSavedLevel()
                            ? m_ctx.savedBlinkColumn
                            : ChooseBlinkingColumn(m_ctx.board, [this] { return m_random.Next(); });
    m_ctx.savedBoard = m_ctx.board;
    m_ctx.savedBlinkColumn = m_ctx.blinkColumn;
    m_ctx.savedLevel = m_ctx.level;
    m_ctx.replay = false;
    NextBlock(true);
    m_ctx.newLevel = false;
    PaintNextBlock();
    StartNewTimer(0);
    // Only the board is checked: a bomb still due from the last game must not blast here.
    m_ctx.fallingValue = 0;
    m_ctx.gameState = GameState::Landed;
}

void ZephlonEngine::LevelCompletionTest() {
    if (!HitsCell(m_ctx.emptiedCells, {m_ctx.blinkColumn, m_ctx.blinkRow})) return;
    AddScore(1000);
    m_sound.PlaySoundCue(frame::Cue::LevelDone);
    ShowMessage(tr("Level Completed") + QStringLiteral("\r\n\r\n\r\n") + PressText(), 13);
    SetBlinkBlockVisible(false);
    SetBlinkTimer(false);
    StartNewTimer(0);
    m_ctx.gameState = GameState::LevelDone;
    if (m_options.maxLevelPuzzle < m_ctx.level + 1) {
        m_options.maxLevelPuzzle = static_cast<int16_t>(m_ctx.level + 1);
        m_view.RefreshLevelMenu();
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Board

// 1 in 45 a bomb when allowed; otherwise each track with probability 1/2, at least one track, and blocks with
// a single track kept only a quarter of the time.
void ZephlonEngine::NextBlock(bool allowBomb) {
    m_ctx.nextValue = 0;
    m_random.Reseed();
    m_ctx.nextValue = kPresent;
    if (allowBomb && static_cast<int>(m_random.Next() * 45) == 1) {
        m_ctx.nextValue = kPresent | kBomb;
    } else {
        for (;;) {
            int openings = 0;
            for (int16_t bit : {kPipe2, kPipe4, kPipe8, kPipe16}) {
                if (m_random.Next() * 2 < 1) {
                    m_ctx.nextValue = static_cast<int16_t>(m_ctx.nextValue & ~bit);
                } else {
                    m_ctx.nextValue = static_cast<int16_t>(m_ctx.nextValue | bit);
                    ++openings;
                }
            }
            if (openings >= 2) break;
            if (openings == 1 && m_random.Next() * 4 < 1) break;
        }
    }
    m_ctx.spawnColumn = 4;
    m_ctx.spawnRow = 1;
}

void ZephlonEngine::ClearBoard() {
    m_ctx.board.ClearPlayCells();
    m_ctx.marksFirst.ClearPlayCells();
    m_ctx.marksSecond.ClearPlayCells();
    RedrawBoard();
}

void ZephlonEngine::RedrawBoard() {
    for (int r = 1; r <= kRows; ++r)
        for (int c = 1; c <= kColumns; ++c)
            DrawCell(c, r, m_ctx.paused ? int16_t{0} : m_ctx.board(c, r), DrawTarget::PlayArea,
                     kWholeCellPart, 1);
}

void ZephlonEngine::PlaceBlock() {
    m_ctx.board(m_ctx.column, m_ctx.row) = m_ctx.fallingValue;
    RedrawBoard();
    m_view.HideFallingSprite();
}

void ZephlonEngine::PaintNextBlock() {
    const int size = std::min(m_view.CellSize(), 41);
    const int x = (m_view.NextBoxWidth() - size) / 2;
    m_view.ClearNextBox();
    DrawCell(1, 1, m_ctx.nextValue, DrawTarget::NextBox, kWholeCellPart, 1, x, 7);
}

// ---------------------------------------------------------------------------------------------------------------
// Falling block

bool ZephlonEngine::MoveFallingBlock(bool ignoreSound) {
    if (m_ctx.column < 0 || m_ctx.column > kColumns || m_ctx.row < 0 || m_ctx.row > kRows) return false;
    if (m_ctx.board(m_ctx.column, m_ctx.row) != 0) return false;
    DrawCell(m_ctx.column, m_ctx.row, m_ctx.fallingValue, DrawTarget::FallingSprite, kWholeCellPart, 1);
    // The touch-down cue sounds as the block reaches its landing cell, one tick before it lands.
    if (IsBlockedBelow() && !ignoreSound) m_sound.PlaySoundCue(frame::Cue::TouchDown);
    return true;
}

bool ZephlonEngine::IsBlockedBelow() const {
    return m_ctx.row > kRows - 1 || m_ctx.board(m_ctx.column, m_ctx.row + 1) != 0;
}

bool ZephlonEngine::IsBlockedLeft() const {
    return m_ctx.column == 1 || m_ctx.board(m_ctx.column - 1, m_ctx.row) != 0;
}

bool ZephlonEngine::IsBlockedRight() const {
    return m_ctx.column == kColumns || m_ctx.board(m_ctx.column + 1, m_ctx.row) != 0;
}

void ZephlonEngine::StepDown() {
    if (IsBlockedBelow()) {
        m_ctx.gameState = GameState::Landed;
        PlaceBlock();
        TimerHandler();
        return;
    }
    ++m_ctx.row;
    MoveFallingBlock(false);
}

void ZephlonEngine::DropBlock() {
    if (IsBlockedBelow()) {
        PlaceBlock();
        m_ctx.gameState = GameState::Landed;
        TimerHandler();
        return;
    }
    while (!IsBlockedBelow()) {
        ++m_ctx.row;
        AddScore(1);
    }
    MoveFallingBlock(false);
}

void ZephlonEngine::MoveLeft() {
    if (IsBlockedLeft()) return;
    --m_ctx.column;
    MoveFallingBlock(false);
}

void ZephlonEngine::MoveRight() {
    if (IsBlockedRight()) return;
    ++m_ctx.column;
    MoveFallingBlock(false);
}

// Mouse steering: the block slides along its row and stops beside the first obstacle on the way.
void ZephlonEngine::MoveToColumn(int16_t target) {
    if (target < 1 || target > kColumns || m_ctx.board(target, m_ctx.row) != 0) return;
    if (target == m_ctx.column) {
        MoveFallingBlock(true);
        return;
    }
    const int step = target > m_ctx.column ? 1 : -1;
    int16_t newColumn = target;
    for (int i = m_ctx.column + step; i != target + step; i += step) {
        if (m_ctx.board(i, m_ctx.row) != 0) {
            newColumn = static_cast<int16_t>(i - step);
            break;
        }
    }
    if (newColumn == m_ctx.column) return;
    m_ctx.column = newColumn;
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
    m_ctx.fallingValue = Rotated(m_ctx.fallingValue);
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
    cell.blockColour = m_options.blockColour;
    if (target == DrawTarget::PlayArea && Grid::IsPlayCell(cellColumn, cellRow)) {
        cell.marksFirst = m_ctx.marksFirst(cellColumn, cellRow);
        cell.marksSecond = m_ctx.marksSecond(cellColumn, cellRow);
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
    m_ctx.blinkBlockVisible = visible;
    m_view.SetBlinkBlockVisible(visible);
}

void ZephlonEngine::SetBlinkTimer(bool on) {
    m_ctx.blinkTimerRunning = on;
    m_view.SetBlinkTimer(on);
}

void ZephlonEngine::SetLaserBombVisible(bool visible) {
    m_ctx.laserBombVisible = visible;
    m_view.SetLaserBombVisible(visible);
}

void ZephlonEngine::SetLaserBombTimer(bool on) {
    m_ctx.laserBombTimerRunning = on;
    m_view.SetLaserBombTimer(on);
}

}  // namespace zephlon
