// SPDX-License-Identifier: GPL-3.0-or-later
// Plays whole Zephlon games headless, in both modes and with both controls, through the engine's own input
// operations (its keys, mouse targets, menu commands and ticks), and checks the game's invariants after every
// step.
#include <QString>
#include <algorithm>
#include <array>

#include "soak.h"
#include "support/zephlonkit.h"
#include "zephlon/engine.h"
#include "zephlon/recordingplayer.h"

namespace {

using namespace zephlon;

using testsupport::SilentSink;
using zephlon_test::RecordingView;
using zephlon_test::SetOption;

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
    GameState gameState;
    int32_t score;
    int16_t level;
    int16_t blocksCounter;
    int16_t row;
    bool paused;
    int32_t levelStartScore;
    Grid board;
};

Snapshot Take(const ZephlonEngine& e) {
    return {e.Context().gameState, e.Context().score,  e.Context().level,           e.Context().blocksCounter,
            e.Context().row,       e.Context().paused, e.Context().levelStartScore, e.Context().board};
}

class Bot {
  public:
    explicit Bot(uint64_t seed)
        : m_rng(seed),
          m_engine(m_view, m_sink,
                   soak::VerifyRecordings() ? soak::SeededGames(seed, m_rng)
                                            : frame::RandomSource([this] { return m_rng.Next(); })),
          m_check([](const frame::GameRecording& r) { return PlayRecording(r); }) {
        m_view.recordDrawing = false;
        if (soak::VerifyRecordings()) m_engine.SetRecorder(&m_check.recorder);
    }

    void Play(soak::Stats& stats) {
        ZephlonEngine& e = m_engine;
        e.SetGameMode(m_rng.Chance(0.5) ? GameMode::Puzzle : GameMode::Original);
        e.SetControl(m_rng.Chance(0.7) ? Control::Keyboard : Control::Mouse);
        e.SetBlockColour(static_cast<int16_t>(1 + m_rng.Below(5)));
        SetOption(e, &ZephlonOptions::maxLevelPuzzle, static_cast<int16_t>(1 + m_rng.Below(10)));
        SetOption(e, &ZephlonOptions::startLevel, static_cast<int16_t>(1 + m_rng.Below(10)));
        SetOption(e, &ZephlonOptions::startLevelPuzzle,
                  static_cast<int16_t>(1 + m_rng.Below(e.Options().maxLevelPuzzle)));
        SetOption(e, &ZephlonOptions::firstTime, m_rng.Chance(0.5));

        // The start-up demo runs until its first spawn stops the clock.
        e.InitGame();
        for (int guard = 0; e.Context().clockRunning; ++guard) {
            SOAK_CHECK(guard < 1000, "the demo never ends");
            Step(Action::Tick, [&] { e.TimerHandler(); });
        }
        SOAK_CHECK(e.Context().gameState == GameState::Idle && !e.Context().demoRunning,
                   "state " << static_cast<int>(e.Context().gameState) << " after the demo");
        Step(Action::NewGame, [&] { StartCommand(false); });
        SOAK_CHECK(e.Context().GameRunning(), "no game after Start");

        const int maxSteps = 6000 + m_rng.Below(6000);
        int steps = 0;
        for (; steps < maxSteps && e.Context().gameState != GameState::Stopped; ++steps)
            PlayOneStep(stats);
        // Long games end by the menu's quit command.
        if (e.Context().gameState != GameState::Stopped) Step(Action::Input, [&] { e.gameOver(); });
        SOAK_CHECK(e.Context().gameState == GameState::Stopped && m_view.gameOverTimerStarted &&
                       !e.Context().clockRunning,
                   "the game did not end");
        stats.steps += steps;
        stats.levelsUp += m_levelsUp;
        stats.rows += m_destroyed;
        stats.puzzleLevelsCompleted += m_completed;
        m_check.AtEnd([this] { return CurrentOutcome(m_engine); });
        stats.recordingsChecked += m_check.checked;
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
        const bool tick = e.Context().clockRunning && m_rng.Chance(PlanPending() ? 0.1 : 0.55);
        if (e.Context().paused) {
            // A pause is ended soon; meanwhile ticks must change nothing.
            if (m_rng.Chance(0.2)) {
                Step(Action::Input, [&] {
                    if (e.Options().control == Control::Keyboard && m_rng.Chance(0.5))
                        Key(Key_Enter);
                    else
                        PauseCommand();
                });
            } else {
                const Snapshot before = Take(e);
                e.TimerHandler();
                SOAK_CHECK(e.Context().gameState == before.gameState && e.Context().score == before.score &&
                               e.Context().board == before.board,
                           "a tick changed the paused game");
            }
            return;
        }
        if (tick) {
            Step(Action::Tick, [&] { e.TimerHandler(); });
            return;
        }
        if (e.Context().gameState == GameState::WaitStart || e.Context().gameState == GameState::LevelDone) {
            const bool done = e.Context().gameState == GameState::LevelDone;
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
            Step(e.Options().control == Control::Keyboard ? Action::NewGame : Action::Input,
                 [&] { Key(Key_S); });
        } else if (r < 0.006) {
            // Start during a game asks first; only Yes starts afresh.
            const bool yes = m_rng.Chance(0.5);
            Step(yes ? Action::NewGame : Action::Input, [&] { StartCommand(yes); });
        } else if (r < 0.0062) {
            Step(Action::Input, [&] { Key(Key_Q); });
        } else if (r < 0.03) {
            // Any key or button, whether it makes sense now or not.
            Step(Action::Input, [&] { RandomInput(); });
        } else if (e.Context().gameState == GameState::Falling) {
            Step(Action::Input, [&] { PlannedInput(); });
        }
        stats.maxLevel = std::max<int>(stats.maxLevel, e.Context().level);
    }

    // A player keys the whole move in quickly, then lets the block fall.
    bool PlanPending() const {
        return m_engine.Context().gameState == GameState::Falling &&
               (!m_plan.valid || m_plan.spawnSerial != m_serial || m_plan.turns > 0 ||
                m_engine.Context().column != m_plan.column);
    }

    // Runs one action and checks every invariant against the state before it.
    template <class F>
    void Step(Action action, F&& f) {
        const Snapshot before = Take(m_engine);
        const Grid replayBoard = m_engine.Context().savedBoard;
        const bool replaySaved =
            action == Action::Replay && m_engine.Context().savedLevel == m_engine.Context().level &&
            m_engine.Context().savedBlinkColumn != 0 && m_engine.Options().gameMode == GameMode::Puzzle;
        const bool verify = soak::VerifyRecordings();
        if (verify) m_check.BeforeStep([this] { return CurrentOutcome(m_engine); });
        f();
        if (verify) m_check.AfterStep([this] { return CurrentOutcome(m_engine); });
        if (m_engine.Context().gameState == GameState::Falling &&
            (before.gameState != GameState::Falling || m_engine.Context().row < before.row))
            ++m_serial;
        if (action == Action::Replay && m_engine.Context().gameState != before.gameState) {
            m_expectBoard = replaySaved;
            m_expectedBoard = replayBoard;
        }
        Check(before, action);
        if (m_engine.Context().level == before.level &&
            m_engine.Context().blocksCounter > before.blocksCounter)
            m_destroyed += m_engine.Context().blocksCounter - before.blocksCounter;
        if (before.gameState == GameState::Garbage && m_engine.Context().gameState != GameState::Garbage &&
            m_engine.Context().gameState != GameState::Stopped && m_expectBoard) {
            SOAK_CHECK(m_engine.Context().board == m_expectedBoard,
                       "a replayed level did not get its garbage back");
            m_expectBoard = false;
        }
        if (action == Action::NewGame) m_expectBoard = false;
    }

    void Check(const Snapshot& before, Action action) {
        const ZephlonEngine& e = m_engine;
        SOAK_CHECK(
            e.Context().gameState >= GameState::Stopped && e.Context().gameState <= GameState::LevelDone,
            "state " << static_cast<int>(e.Context().gameState));
        CheckGrid(e.Context().board, "board", true);
        CheckGrid(e.Context().savedBoard, "saved board", true);
        CheckGrid(e.Context().marksFirst, "first-half marks", false);
        CheckGrid(e.Context().marksSecond, "second-half marks", false);
        // Points raise the best score with them (a replay's restored score is not points won).
        if (e.Context().score > before.score && action != Action::Replay && action != Action::NewGame)
            SOAK_CHECK(e.Context().bestScore >= e.Context().score,
                       "best " << e.Context().bestScore << " below score " << e.Context().score);
        SOAK_CHECK(!e.Context().clockRunning || e.Context().clockInterval > 0,
                   "clock interval " << e.Context().clockInterval);

        // Once gravity has settled, no block hangs over an empty cell.
        if (e.Context().gameState == GameState::Falling || e.Context().gameState == GameState::WaitStart) {
            for (int r = 1; r < kRows; ++r)
                for (int c = 1; c <= kColumns; ++c)
                    SOAK_CHECK(e.Context().board(c, r) == 0 || e.Context().board(c, r + 1) != 0,
                               "block at " << c << "," << r << " floats over an empty cell");
        }
        if (e.Context().gameState == GameState::Falling) {
            SOAK_CHECK(Grid::IsPlayCell(e.Context().column, e.Context().row),
                       "falling block at " << e.Context().column << "," << e.Context().row);
            SOAK_CHECK(e.Context().board(e.Context().column, e.Context().row) == 0,
                       "falling block overlaps " << e.Context().board(e.Context().column, e.Context().row));
            // A turned bomb keeps only its presence bit and falls as a block without pipes.
            SOAK_CHECK(ValidNewBlock(e.Context().fallingValue) || e.Context().fallingValue == kPresent,
                       "falling value " << e.Context().fallingValue);
            SOAK_CHECK(ValidNewBlock(e.Context().nextValue), "next value " << e.Context().nextValue);
            SOAK_CHECK(e.Context().clockRunning, "a block falls without a clock");
        }
        if (e.Context().GameRunning() && !e.Context().demoRunning)
            SOAK_CHECK(e.Context().level >= 1, "level " << e.Context().level);
        if (e.Options().gameMode == GameMode::Puzzle && e.Context().blinkTimerRunning &&
            (e.Context().gameState == GameState::Falling || e.Context().gameState == GameState::WaitStart ||
             e.Context().gameState == GameState::Spawn)) {
            SOAK_CHECK(e.Context().blinkRow == kRows && e.Context().blinkColumn >= 1 &&
                           e.Context().blinkColumn <= kColumns,
                       "blinking block at " << e.Context().blinkColumn << "," << e.Context().blinkRow);
            SOAK_CHECK(e.Context().board(e.Context().blinkColumn, e.Context().blinkRow) != 0,
                       "the blinking block's cell is empty");
        }
        if (e.Context().gameState == GameState::LevelDone && before.gameState != GameState::LevelDone) {
            ++m_completed;
            SOAK_CHECK(e.Options().gameMode == GameMode::Puzzle, "a level completed in Original mode");
            SOAK_CHECK(e.Context().score >= before.score + 1000,
                       "completion scored " << e.Context().score - before.score);
            SOAK_CHECK(e.Options().maxLevelPuzzle > e.Context().level,
                       "highest level " << e.Options().maxLevelPuzzle << " at level " << e.Context().level);
        }

        switch (action) {
            case Action::NewGame:
                SOAK_CHECK(e.Context().score == 0, "a new game starts with " << e.Context().score);
                SOAK_CHECK(e.Context().blocksCounter == 0 && !e.Context().paused,
                           "a new game starts with counters set");
                return;
            case Action::Replay:
                if (e.Context().gameState != before.gameState || e.Context().score != before.score) {
                    SOAK_CHECK(
                        e.Context().score == before.levelStartScore,
                        "a replay restored " << e.Context().score << " for " << before.levelStartScore);
                    SOAK_CHECK(e.Context().level == before.level && e.Context().blocksCounter == 0,
                               "a replay changed the level");
                }
                return;
            default:
                break;
        }
        SOAK_CHECK(e.Context().score >= before.score,
                   "score fell from " << before.score << " to " << e.Context().score);
        if (e.Context().level != before.level) {
            ++m_levelsUp;
            SOAK_CHECK(e.Context().level == before.level + 1,
                       "level went from " << before.level << " to " << e.Context().level);
            SOAK_CHECK(e.Context().blocksCounter == 0,
                       "a new level starts with " << e.Context().blocksCounter << " blocks");
            if (e.Options().gameMode == GameMode::Original)
                SOAK_CHECK(before.blocksCounter >= 30,
                           "level rose after " << before.blocksCounter << " blocks");
            else
                SOAK_CHECK(action == Action::Acknowledge && before.gameState == GameState::LevelDone,
                           "a puzzle level rose without completion");
        } else if (e.Context().gameState != GameState::Stopped) {
            SOAK_CHECK(e.Context().blocksCounter >= before.blocksCounter, "blocks counter fell");
        }
    }

    // A key as the window hands it over: the engine's own key rules decide (all ignored while the mouse
    // steers).
    void Key(int key) {
        static constexpr frame::KeyCode kCodes[] = {frame::kKeyEnter,  frame::kKeyLeft, frame::kKeyRight,
                                                    frame::kKeyUp,     frame::kKeyDown, frame::kKeyCtrl,
                                                    frame::kKeyInsert, frame::kKeyP,    frame::kKeyQ,
                                                    frame::kKeyR,      frame::kKeyS};
        m_engine.HandleKey(kCodes[key]);
    }

    // A press on the play area (or now and then on another target): the engine's mouse rules decide.
    void MousePress(bool left) {
        static constexpr MouseTarget kTargets[] = {MouseTarget::PlayArea, MouseTarget::FallingBlock,
                                                   MouseTarget::BlinkBlock, MouseTarget::Message};
        const MouseTarget target = m_rng.Chance(0.8) ? MouseTarget::PlayArea : kTargets[m_rng.Below(4)];
        m_engine.MousePress(target, left ? MouseButton::Left : MouseButton::Other);
    }

    // The pointer over the play area, somewhere inside `column` (0 and 8 are beyond the walls).
    void MouseMove(int column) {
        const int cell = m_view.cellSize;
        m_engine.MouseMove(MouseTarget::PlayArea, (column - 1) * cell + static_cast<int>(m_rng.Below(cell)));
    }

    // P, or the menu's Pause, which also serves while the mouse steers.
    void PauseCommand() {
        if (m_engine.Options().control == Control::Mouse || m_rng.Chance(0.3))
            m_engine.SetPaused(!m_engine.Context().paused);
        else
            Key(Key_P);
    }

    // The menu's Start: during a game the engine asks first, and the view answers.
    void StartCommand(bool yes) {
        m_view.answerNewGame = yes;
        m_engine.Start();
    }

    void Acknowledge() {
        if (m_engine.Options().control == Control::Mouse)
            MousePress(m_rng.Chance(0.5));
        else
            Key(Key_Enter);
    }

    void RandomInput() {
        if (m_engine.Options().control == Control::Mouse) {
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
        trial.SetRecorder(nullptr);
        for (int i = 0; i < turns; ++i)
            trial.RotateBlock();
        trial.MoveToColumn(static_cast<int16_t>(column));
        double value = -1e9;
        if (trial.Context().column == column) {
            trial.DropBlock();
            if (trial.Context().gameState == GameState::Falling) trial.StepDown();
            for (int guard = 0; guard < 5000 && trial.Context().gameState >= GameState::Landed &&
                                trial.Context().gameState <= GameState::BombBlast;
                 ++guard)
                trial.TimerHandler();
            value = trial.Context().score - m_engine.Context().score;
            if (trial.Context().gameState == GameState::LevelDone) value += 5000;
            for (int r = 1; r <= 5; ++r)
                for (int c = 1; c <= kColumns; ++c)
                    if (trial.Context().board(c, r) != 0) value -= (6 - r) * 15;
            if (trial.Context().gameState == GameState::Stopped) value -= 1e6;
        }
        m_rng.frozen = false;
        m_view = savedView;
        return value;
    }

    void PlannedInput() {
        ZephlonEngine& e = m_engine;
        if (!m_plan.valid || m_plan.value != e.Context().fallingValue || m_plan.spawnSerial != m_serial) {
            m_plan = {};
            m_plan.valid = true;
            m_plan.value = e.Context().fallingValue;
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
        const bool mouse = e.Options().control == Control::Mouse;
        if (m_plan.turns > 0) {
            --m_plan.turns;
            mouse ? MousePress(true) : Key(Key_Up);
            m_plan.value = e.Context().fallingValue;
        } else if (e.Context().column != m_plan.column) {
            if (mouse)
                MouseMove(m_plan.column);
            else
                Key(e.Context().column < m_plan.column ? Key_Right : Key_Left);
            if (e.Context().column != m_plan.column && m_rng.Chance(0.3))
                m_plan.column = e.Context().column;  // blocked on the way
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
    RecordingView m_view;
    SilentSink m_sink;
    ZephlonEngine m_engine;
    soak::RecordingCheck m_check;
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
