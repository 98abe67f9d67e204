// Plays whole Zephlon games headless, in both modes and with both controls, through the engine's own
// operations and the window's key and mouse rules, and checks the game's invariants after every step.
#include <QString>
#include <algorithm>
#include <array>

#include "soak.h"
#include "zephlon/engine.h"

namespace {

using namespace zephlon;

class BotRandom : public RandomSource {
  public:
    explicit BotRandom(soak::Rng& rng) : m_rng(rng) {}
    double Next() override { return m_rng.Next(); }

  private:
    soak::Rng& m_rng;
};

class SilentSink : public frame::SoundSink {
  public:
    void PlaySoundCue(int) override {}
};

// The window as far as the game needs it: nothing is drawn, the game-over delay is remembered.
class NullView : public ZephlonView {
  public:
    int CellSize() const override { return 42; }
    int NextBoxWidth() const override { return 62; }
    void DrawCell(const CellDrawing&) override {}
    void DrawPipe(const PipeDrawing&) override {}
    void ClearNextBox() override {}
    void HideFallingSprite() override {}
    void SetLaserBombVisible(bool) override {}
    void PlaceBlinkBlock(int, int) override {}
    void SetBlinkBlockVisible(bool) override {}
    void ShowMessage(const QString&, int) override {}
    void SetLabel(StatusLabel, const QString&) override {}
    void StartClock(int) override {}
    void StopClock() override {}
    void SetBlinkTimer(bool) override {}
    void SetLaserBombTimer(bool) override {}
    void StartGameOverTimer() override { gameOverTimer = true; }
    void SetMenuReplayEnabled(bool) override {}
    void SetMenuStopEnabled(bool) override {}
    void SetModeMenuLocked(bool) override {}
    void SetPauseChecked(bool) override {}
    void RefreshLevelMenu() override {}
    void FocusPlayArea() override {}
    void ShowInstructions() override {}
    int32_t BestStoredScore(int32_t) override { return 0; }
    void CommitPendingName() override {}

    bool gameOverTimer = false;
};

bool ValidCell(int16_t v) {
    return v == 0 || v == (kPresent | kConcrete) ||
           ((v & kPresent) != 0 && (v & ~(kPresent | kPipeBits)) == 0);
}

bool ValidNewBlock(int16_t v) {
    return v == (kPresent | kBomb) ||
           ((v & kPresent) != 0 && (v & kPipeBits) != 0 && (v & ~(kPresent | kPipeBits)) == 0);
}

void CheckGrid(const Grid& g, const char* name, bool playCellsAreBlocks) {
    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            const int16_t v = g(c, r);
            if (!Grid::IsPlayCell(c, r)) {
                SOAK_CHECK(v == 0, name << " ring cell (" << c << "," << r << ") holds " << v);
            } else if (playCellsAreBlocks) {
                SOAK_CHECK(ValidCell(v), name << " cell (" << c << "," << r << ") holds " << v);
            } else {
                SOAK_CHECK((v & ~kPipeBits) == 0, name << " cell (" << c << "," << r << ") holds " << v);
            }
        }
    }
}

// What the last step was, for the rules that allow a score or level to go back.
enum class Action { Tick, Input, NewGame, Replay, Acknowledge };

struct Snapshot {
    int32_t gameState;
    int32_t score;
    int16_t level;
    int16_t blocksCounter;
    int16_t row;
    bool paused;
    int32_t levelStartScore;
    Grid board;
};

Snapshot Take(const ZephlonEngine& e) {
    return {e.gameState, e.score, e.level, e.blocksCounter, e.row, e.paused, e.levelStartScore, e.board};
}

class Bot {
  public:
    explicit Bot(uint64_t seed) : m_rng(seed), m_random(m_rng), m_engine(m_view, m_sink, m_random) {}

    void Play(soak::Stats& stats) {
        ZephlonEngine& e = m_engine;
        e.gameMode = m_rng.Chance(0.5) ? kPuzzle : kOriginal;
        e.control = m_rng.Chance(0.7) ? kKeyboard : kMouse;
        e.blockColour = static_cast<int16_t>(1 + m_rng.Below(5));
        e.maxLevelPuzzle = static_cast<int16_t>(1 + m_rng.Below(10));
        e.startLevel = static_cast<int16_t>(1 + m_rng.Below(10));
        e.startLevelPuzzle = static_cast<int16_t>(1 + m_rng.Below(e.maxLevelPuzzle));
        e.firstTime = m_rng.Chance(0.5);

        // The start-up demo runs until its first spawn stops the clock.
        e.InitGame();
        for (int guard = 0; e.clockRunning; ++guard) {
            SOAK_CHECK(guard < 1000, "the demo never ends");
            Step(Action::Tick, [&] { e.TimerHandler(); });
        }
        SOAK_CHECK(e.gameState == kIdle && !e.demoRunning, "state " << e.gameState << " after the demo");
        Step(Action::NewGame, [&] { StartCommand(false); });
        SOAK_CHECK(e.GameRunning(), "no game after Start");

        const int maxSteps = 6000 + m_rng.Below(6000);
        int steps = 0;
        for (; steps < maxSteps && e.gameState != kStopped; ++steps)
            PlayOneStep(stats);
        // Long games end by the menu's quit command.
        if (e.gameState != kStopped) Step(Action::Input, [&] { e.gameOver(); });
        SOAK_CHECK(e.gameState == kStopped && m_view.gameOverTimer && !e.clockRunning,
                   "the game did not end");
        stats.steps += steps;
        stats.levelsUp += m_levelsUp;
        stats.rows += m_destroyed;
        stats.puzzleLevelsCompleted += m_completed;
    }

  private:
    enum KeyName {
        Key_Enter,
        Key_Left,
        Key_Right,
        Key_Up,
        Key_Down,
        Key_Ctrl,
        Key_Insert,
        Key_P,
        Key_Q,
        Key_R,
        Key_S
    };

    void PlayOneStep(soak::Stats& stats) {
        ZephlonEngine& e = m_engine;
        const bool tick = e.clockRunning && m_rng.Chance(PlanPending() ? 0.1 : 0.55);
        if (e.paused) {
            // A pause is ended soon; meanwhile ticks must change nothing.
            if (m_rng.Chance(0.2)) {
                Step(Action::Input, [&] {
                    if (e.control == kKeyboard && m_rng.Chance(0.5))
                        Key(Key_Enter);
                    else
                        PauseCommand();
                });
            } else {
                const Snapshot before = Take(e);
                e.TimerHandler();
                SOAK_CHECK(
                    e.gameState == before.gameState && e.score == before.score && e.board == before.board,
                    "a tick changed the paused game");
            }
            return;
        }
        if (tick) {
            Step(Action::Tick, [&] { e.TimerHandler(); });
            return;
        }
        if (e.gameState == kWaitStart || e.gameState == kLevelDone) {
            const bool done = e.gameState == kLevelDone;
            if (done && m_rng.Chance(0.15)) {
                ++stats.replays;
                Step(Action::Replay, [&] { Key(Key_R); });
            } else {
                Step(Action::Acknowledge, [&] { Acknowledge(); });
            }
            return;
        }
        // Rare commands: pause, replay, restart at this level, quit, Start from the menu.
        const double r = m_rng.Next();
        if (r < 0.004) {
            ++stats.pauses;
            Step(Action::Input, [&] { PauseCommand(); });
        } else if (r < 0.005) {
            ++stats.replays;
            Step(Action::Replay, [&] { Key(Key_R); });
        } else if (r < 0.0055) {
            Step(e.control == kKeyboard ? Action::NewGame : Action::Input, [&] { Key(Key_S); });
        } else if (r < 0.006) {
            // Start during a game asks first; only Yes starts afresh.
            const bool yes = m_rng.Chance(0.5);
            Step(yes ? Action::NewGame : Action::Input, [&] { StartCommand(yes); });
        } else if (r < 0.0062) {
            Step(Action::Input, [&] { Key(Key_Q); });
        } else if (r < 0.03) {
            // Any key or button, whether it makes sense now or not.
            Step(Action::Input, [&] { RandomInput(); });
        } else if (e.gameState == kFalling) {
            Step(Action::Input, [&] { PlannedInput(); });
        }
        stats.maxLevel = std::max<int>(stats.maxLevel, e.level);
    }

    // A player keys the whole move in quickly, then lets the block fall.
    bool PlanPending() const {
        return m_engine.gameState == kFalling && (!m_plan.valid || m_plan.spawnSerial != m_serial ||
                                                  m_plan.turns > 0 || m_engine.column != m_plan.column);
    }

    // Runs one action and checks every invariant against the state before it.
    template <class F>
    void Step(Action action, F&& f) {
        const Snapshot before = Take(m_engine);
        const Grid replayBoard = m_engine.savedBoard;
        const bool replaySaved = action == Action::Replay && m_engine.savedLevel == m_engine.level &&
                                 m_engine.savedBlinkColumn != 0 && m_engine.gameMode == kPuzzle;
        f();
        if (m_engine.gameState == kFalling && (before.gameState != kFalling || m_engine.row < before.row))
            ++m_serial;
        if (action == Action::Replay && m_engine.gameState != before.gameState) {
            m_expectBoard = replaySaved;
            m_expectedBoard = replayBoard;
        }
        Check(before, action);
        if (m_engine.level == before.level && m_engine.blocksCounter > before.blocksCounter)
            m_destroyed += m_engine.blocksCounter - before.blocksCounter;
        if (before.gameState == kGarbage && m_engine.gameState != kGarbage &&
            m_engine.gameState != kStopped && m_expectBoard) {
            SOAK_CHECK(m_engine.board == m_expectedBoard, "a replayed level did not get its garbage back");
            m_expectBoard = false;
        }
        if (action == Action::NewGame) m_expectBoard = false;
    }

    void Check(const Snapshot& before, Action action) {
        const ZephlonEngine& e = m_engine;
        SOAK_CHECK(e.gameState >= kStopped && e.gameState <= kLevelDone, "state " << e.gameState);
        CheckGrid(e.board, "board", true);
        CheckGrid(e.savedBoard, "saved board", true);
        CheckGrid(e.marksFirst, "first-half marks", false);
        CheckGrid(e.marksSecond, "second-half marks", false);
        // Points raise the best score with them (a replay's restored score is not points won).
        if (e.score > before.score && action != Action::Replay && action != Action::NewGame)
            SOAK_CHECK(e.bestScore >= e.score, "best " << e.bestScore << " below score " << e.score);
        SOAK_CHECK(!e.clockRunning || e.clockInterval > 0, "clock interval " << e.clockInterval);

        if (e.gameState == kFalling) {
            SOAK_CHECK(Grid::IsPlayCell(e.column, e.row), "falling block at " << e.column << "," << e.row);
            SOAK_CHECK(e.board(e.column, e.row) == 0, "falling block overlaps " << e.board(e.column, e.row));
            // A turned bomb keeps only its presence bit and falls as a block without pipes.
            SOAK_CHECK(ValidNewBlock(e.fallingValue) || e.fallingValue == kPresent,
                       "falling value " << e.fallingValue);
            SOAK_CHECK(ValidNewBlock(e.nextValue), "next value " << e.nextValue);
            SOAK_CHECK(e.clockRunning, "a block falls without a clock");
        }
        if (e.GameRunning() && !e.demoRunning) SOAK_CHECK(e.level >= 1, "level " << e.level);
        if (e.gameMode == kPuzzle && e.blinkTimerRunning &&
            (e.gameState == kFalling || e.gameState == kWaitStart || e.gameState == kSpawn)) {
            SOAK_CHECK(e.blinkRow == kRows && e.blinkColumn >= 1 && e.blinkColumn <= kColumns,
                       "blinking block at " << e.blinkColumn << "," << e.blinkRow);
            SOAK_CHECK(e.board(e.blinkColumn, e.blinkRow) != 0, "the blinking block's cell is empty");
        }
        if (e.gameState == kLevelDone && before.gameState != kLevelDone) {
            ++m_completed;
            SOAK_CHECK(e.gameMode == kPuzzle, "a level completed in Original mode");
            SOAK_CHECK(e.score >= before.score + 1000, "completion scored " << e.score - before.score);
            SOAK_CHECK(e.maxLevelPuzzle > e.level,
                       "highest level " << e.maxLevelPuzzle << " at level " << e.level);
        }

        switch (action) {
            case Action::NewGame:
                SOAK_CHECK(e.score == 0, "a new game starts with " << e.score);
                SOAK_CHECK(e.blocksCounter == 0 && !e.paused, "a new game starts with counters set");
                return;
            case Action::Replay:
                if (e.gameState != before.gameState || e.score != before.score) {
                    SOAK_CHECK(e.score == before.levelStartScore,
                               "a replay restored " << e.score << " for " << before.levelStartScore);
                    SOAK_CHECK(e.level == before.level && e.blocksCounter == 0, "a replay changed the level");
                }
                return;
            default:
                break;
        }
        SOAK_CHECK(e.score >= before.score, "score fell from " << before.score << " to " << e.score);
        if (e.level != before.level) {
            ++m_levelsUp;
            SOAK_CHECK(e.level == before.level + 1, "level went from " << before.level << " to " << e.level);
            SOAK_CHECK(e.blocksCounter == 0, "a new level starts with " << e.blocksCounter << " blocks");
            if (e.gameMode == kOriginal)
                SOAK_CHECK(before.blocksCounter >= 30,
                           "level rose after " << before.blocksCounter << " blocks");
            else
                SOAK_CHECK(action == Action::Acknowledge && before.gameState == kLevelDone,
                           "a puzzle level rose without completion");
        } else if (e.gameState != kStopped) {
            SOAK_CHECK(e.blocksCounter >= before.blocksCounter, "blocks counter fell");
        }
    }

    // The window's Enter, P, R, Q, S and the piece keys (ignored while the mouse steers).
    void Key(int key) {
        ZephlonEngine& e = m_engine;
        if (e.control == kMouse) return;
        switch (key) {
            case Key_Enter:
                if (e.gameState == kWaitStart || e.gameState == kLevelDone)
                    e.AcknowledgeMessage();
                else if (e.paused)
                    e.SetPaused(false);
                else if (e.gameState == kStopped || e.gameState == kIdle || e.demoRunning)
                    e.NewGame(0, false);
                break;
            case Key_P:
                e.SetPaused(!e.paused);
                break;
            case Key_R:
                if (e.gameState != kStopped && e.gameState != kGarbage) e.ReplayLevel();
                break;
            case Key_Q:
                e.gameOver();
                break;
            case Key_S:
                e.NewGame(e.level, false);
                break;
            default:
                break;
        }
        if (e.gameState != kFalling || e.paused) return;
        switch (key) {
            case Key_Up:
                e.RotateBlock();
                break;
            case Key_Left:
                e.MoveLeft();
                break;
            case Key_Right:
                e.MoveRight();
                break;
            case Key_Down:
                if (!e.downKeyLock) {
                    e.StepDown();
                    e.AddScore(1);
                }
                break;
            case Key_Ctrl:
            case Key_Insert:
                e.DropBlock();
                break;
            default:
                break;
        }
    }

    // The window's mouse rules: a press acknowledges a message, else turns (left) or drops (other buttons).
    void MousePress(bool left) {
        ZephlonEngine& e = m_engine;
        if (e.control == kKeyboard) return;
        if (e.AcknowledgeMessage()) return;
        if (e.gameState != kFalling || e.paused) return;
        if (left)
            e.RotateBlock();
        else
            e.DropBlock();
    }

    void MouseMove(int column) {
        ZephlonEngine& e = m_engine;
        if (e.control == kKeyboard || e.gameState != kFalling || e.paused) return;
        e.MoveToColumn(static_cast<int16_t>(column));
    }

    // P, or the menu's Pause, which also serves while the mouse steers.
    void PauseCommand() {
        if (m_engine.control == kMouse || m_rng.Chance(0.3))
            m_engine.SetPaused(!m_engine.paused);
        else
            Key(Key_P);
    }

    void StartCommand(bool yes) {
        ZephlonEngine& e = m_engine;
        if (e.gameState == kStopped || e.gameState == kIdle || e.demoRunning || yes) e.NewGame(0, false);
    }

    void Acknowledge() {
        if (m_engine.control == kMouse)
            MousePress(m_rng.Chance(0.5));
        else
            Key(Key_Enter);
    }

    void RandomInput() {
        if (m_engine.control == kMouse) {
            if (m_rng.Chance(0.5))
                MouseMove(m_rng.Below(kColumns + 2));
            else
                MousePress(m_rng.Chance(0.6));
            return;
        }
        static constexpr int kKeys[] = {Key_Enter, Key_Left, Key_Right, Key_Up,
                                        Key_Down,  Key_Ctrl, Key_Insert};
        Key(kKeys[m_rng.Below(7)]);
    }

    // Score a placement on a copy of the engine: turn, slide, drop and let the board settle.
    double Try(int turns, int column) {
        // The trial talks to the same view: what it changes there is put back afterwards.
        const auto savedView = m_view;
        m_rng.frozen = true;
        ZephlonEngine trial = m_engine;
        for (int i = 0; i < turns; ++i)
            trial.RotateBlock();
        trial.MoveToColumn(static_cast<int16_t>(column));
        double value = -1e9;
        if (trial.column == column) {
            trial.DropBlock();
            if (trial.gameState == kFalling) trial.StepDown();
            for (int guard = 0; guard < 5000 && trial.gameState >= kLanded && trial.gameState <= kBombBlast;
                 ++guard)
                trial.TimerHandler();
            value = trial.score - m_engine.score;
            if (trial.gameState == kLevelDone) value += 5000;
            for (int r = 1; r <= 5; ++r)
                for (int c = 1; c <= kColumns; ++c)
                    if (trial.board(c, r) != 0) value -= (6 - r) * 15;
            if (trial.gameState == kStopped) value -= 1e6;
        }
        m_rng.frozen = false;
        m_view = savedView;
        return value;
    }

    void PlannedInput() {
        ZephlonEngine& e = m_engine;
        if (!m_plan.valid || m_plan.value != e.fallingValue || m_plan.spawnSerial != m_serial) {
            m_plan = {};
            m_plan.valid = true;
            m_plan.value = e.fallingValue;
            m_plan.spawnSerial = m_serial;
            double best = -1e18;
            for (int turns = 0; turns < 4; ++turns) {
                for (int c = 1; c <= kColumns; ++c) {
                    const double v = Try(turns, c) + m_rng.Next() * 20;
                    if (v > best) {
                        best = v;
                        m_plan.turns = turns;
                        m_plan.column = c;
                    }
                }
            }
        }
        const bool mouse = e.control == kMouse;
        if (m_plan.turns > 0) {
            --m_plan.turns;
            mouse ? MousePress(true) : Key(Key_Up);
            m_plan.value = e.fallingValue;
        } else if (e.column != m_plan.column) {
            if (mouse)
                MouseMove(m_plan.column);
            else
                Key(e.column < m_plan.column ? Key_Right : Key_Left);
            if (e.column != m_plan.column && m_rng.Chance(0.3))
                m_plan.column = e.column;  // blocked on the way
        } else if (m_rng.Chance(0.5)) {
            mouse ? MousePress(false) : Key(m_rng.Chance(0.5) ? Key_Ctrl : Key_Insert);
        } else if (!mouse) {
            Key(Key_Down);
        }
    }

    struct Plan {
        bool valid = false;
        int16_t value = 0;
        int spawnSerial = 0;
        int turns = 0;
        int column = 4;
    };

    soak::Rng m_rng;
    BotRandom m_random;
    NullView m_view;
    SilentSink m_sink;
    ZephlonEngine m_engine;
    Plan m_plan;
    int m_serial = 0;  // counts the blocks that have started to fall
    bool m_expectBoard = false;
    int m_levelsUp = 0;
    int m_destroyed = 0;
    int m_completed = 0;
    Grid m_expectedBoard;
};

}  // namespace

int main(int argc, char** argv) {
    return soak::Run(argc, argv, "soak_zephlon", 200, [](uint64_t seed, soak::Stats& stats) {
        Bot bot(seed);
        bot.Play(stats);
    });
}
