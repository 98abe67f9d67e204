// SPDX-License-Identifier: GPL-3.0-or-later
// Plays whole Vantorel games headless through the game's keys and clock, from every start level, and checks
// the game's invariants after every step.
#include <QString>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "soak.h"
#include "support/sink.h"
#include "support/vantorelkit.h"
#include "vantorel/game.h"
#include "vantorel/recordingplayer.h"

namespace {

using namespace vantorel;

using testsupport::SilentSink;

using vantorel::test::FakeView;

bool ValidColour(int16_t kind, int32_t colour);

bool ValidColour(int16_t kind, int32_t colour) {
    switch (kind) {
        case kEmpty:  // an erased square keeps its colour until the rows collapse
            return colour == kNoColour || ValidColour(kSolid, colour);
        case kTransparent:
            return colour == kYellow || colour == kBlue || colour == kRed;
        case kSolid:
            return colour == kYellow || colour == kBlue || colour == kRed || colour == kGreen ||
                   colour == kOrange || colour == kPurple;
        default:
            return false;
    }
}

struct Snapshot {
    GameState state;
    int32_t score;
    int16_t level;
    int16_t rows;
    int erasedRows;
    std::array<int16_t, kColumns + 1> row0Kinds;
    std::array<int32_t, kColumns + 1> row0Colours;
};

Snapshot Take(const Game& g, const FakeView& v) {
    Snapshot s{g.State(), g.Score(), g.Level(), g.Rows(), static_cast<int>(v.erasedRows.size()), {}, {}};
    for (int x = 1; x <= kColumns; ++x) {
        s.row0Kinds[x] = g.pit().KindAt(x, 0);
        s.row0Colours[x] = g.pit().ColourAt(x, 0);
    }
    return s;
}

enum class Action { Tick, Input, NewGame };

class Bot {
  public:
    explicit Bot(uint64_t seed)
        : m_rng(seed),
          m_game(m_view, m_sink,
                 soak::VerifyRecordings() ? soak::SeededGames(seed, m_rng)
                                          : frame::RandomSource([this] { return m_rng.Next(); })),
          m_check([](const frame::GameRecording& r) { return PlayRecording(r); }) {
        m_view.game = &m_game;
        if (soak::VerifyRecordings()) m_game.SetRecorder(&m_check.recorder);
    }

    void Play(soak::Stats& stats) {
        Game& g = m_game;
        g.SetStartLevel(static_cast<int16_t>(1 + m_rng.Below(10)));
        Step(Action::NewGame, [&] { m_rng.Chance(0.5) ? g.Start() : g.HandleKey(frame::kKeyEnter); });
        SOAK_CHECK(g.State() == GameState::Spawn && g.Level() == g.StartLevel(), "no game after Start");
        const int maxSteps = 8000 + m_rng.Below(8000);
        int steps = 0;
        for (; steps < maxSteps && g.State() != GameState::Stopped; ++steps) {
            PlayOneStep(stats);
            stats.maxLevel = std::max<int>(stats.maxLevel, g.Level());
        }
        stats.steps += steps;
        stats.levelsUp += m_levelsUp;
        if (g.State() == GameState::Stopped) {
            SOAK_CHECK(m_view.gameOvers.size() == 1, m_view.gameOvers.size() << " game overs reported");
            const FakeView::Over& over = m_view.gameOvers.back();
            SOAK_CHECK(over.score == g.Score() && over.endLevel == g.Level() &&
                           over.startLevel == g.GameStartLevel(),
                       "game over reported " << over.score << " for " << g.Score());
        }
        m_check.AtEnd([this] { return CurrentOutcome(m_game); });
        stats.recordingsChecked += m_check.checked;
    }

  private:
    void PlayOneStep(soak::Stats& stats) {
        Game& g = m_game;
        if (g.Paused() && m_rng.Chance(0.2)) {
            Step(Action::Input, [&] { g.SetPaused(false); });
            return;
        }
        if (m_view.timerEnabled && m_rng.Chance(PlanPending() ? 0.1 : 0.5)) {
            Step(Action::Tick, [&] { g.TimerHandler(); });
            stats.rows += g.State() == GameState::RowsErased ? 1 : 0;
            return;
        }
        const double r = m_rng.Next();
        if (r < 0.004) {
            ++stats.pauses;
            Step(Action::Input, [&] { g.SetPaused(!g.Paused()); });
        } else if (r < 0.0044) {
            Step(Action::NewGame, [&] { g.HandleKey(frame::kKeyEnter); });
            m_view.gameOvers.clear();
        } else if (r < 0.0048) {
            Step(Action::Input, [&] { g.Start(); });  // does nothing while a game runs
        } else if (r < 0.02) {
            static constexpr frame::KeyCode kKeys[] = {frame::kKeyLeft, frame::kKeyUp,   frame::kKeyRight,
                                                       frame::kKeyDown, frame::kKeyCtrl, frame::kKeyInsert};
            const frame::KeyCode key = kKeys[m_rng.Below(6)];
            Step(Action::Input, [&] { g.HandleKey(key); });
        } else if (g.State() == GameState::Falling) {
            Step(Action::Input, [&] { PlannedInput(); });
        }
    }

    // A player keys the whole move in quickly, then lets the piece fall.
    bool PlanPending() const {
        return m_game.State() == GameState::Falling &&
               m_plan.Pending(m_serial, m_game.pit().fallingPosition.x);
    }

    template <class F>
    void Step(Action action, F&& f) {
        const Snapshot before = Take(m_game, m_view);
        const Position pos = m_game.pit().fallingPosition;
        const bool verify = soak::VerifyRecordings();
        if (verify) m_check.BeforeStep([this] { return CurrentOutcome(m_game); });
        f();
        if (verify) m_check.AfterStep([this] { return CurrentOutcome(m_game); });
        if (m_game.State() == GameState::Falling &&
            (before.state != GameState::Falling || m_game.pit().fallingPosition.y < pos.y))
            ++m_serial;
        Check(before, action);
    }

    void Check(const Snapshot& before, Action action) {
        const Game& g = m_game;
        const Pit& pit = g.pit();
        const GameState s = g.State();
        SOAK_CHECK(s == GameState::Stopped || s == GameState::Spawn || s == GameState::Falling ||
                       s == GameState::RowsErased || s == GameState::Idle,
                   "state " << static_cast<int>(s) << " after a step");
        for (int x = 1; x <= kColumns; ++x) {
            for (int y = 0; y <= kRows; ++y)
                SOAK_CHECK(ValidColour(pit.KindAt(x, y), pit.ColourAt(x, y)),
                           "kind " << pit.KindAt(x, y) << " colour " << pit.ColourAt(x, y) << " at " << x
                                   << "," << y);
        }
        if (s == GameState::Falling || s == GameState::Spawn) {
            for (int y = 1; y <= kRows; ++y)
                SOAK_CHECK(!pit.IsRowComplete(y), "complete row " << y << " left");
            SOAK_CHECK(g.Rows() < kRowsPerLevel, g.Rows() << " rows counted at level " << g.Level());
        }
        if (s == GameState::Falling) {
            int squares = 0;
            for (int i = 1; i <= 3; ++i) {
                for (int j = 1; j <= 3; ++j) {
                    const int16_t k = pit.falling[i][j];
                    if (k == kEmpty) continue;
                    ++squares;
                    SOAK_CHECK(k == kSolid || k == kTransparent, "piece square of kind " << k);
                    const int x = pit.fallingPosition.x + i - 2, y = pit.fallingPosition.y + j - 2;
                    SOAK_CHECK(x >= 1 && x <= kColumns && y >= 0 && y <= kRows,
                               "piece square outside at " << x << "," << y);
                    // The sideways moves do not look at the hidden row, so a turned piece may slide over a
                    // square kept there; in the pit itself nothing may overlap.
                    if (y >= 1)
                        SOAK_CHECK(!Pit::IsBlockedBy(k, pit.KindAt(x, y)),
                                   "piece overlaps what blocks it at " << x << "," << y);
                }
            }
            SOAK_CHECK(squares == 3, "a piece of " << squares << " squares");
        }
        // The hidden row keeps what was stored there through a collapse; a new game empties it.
        if (before.state == GameState::RowsErased && s == GameState::Spawn) {
            for (int x = 1; x <= kColumns; ++x)
                SOAK_CHECK(
                    pit.KindAt(x, 0) == before.row0Kinds[x] && pit.ColourAt(x, 0) == before.row0Colours[x],
                    "a collapse changed the hidden row at column " << x);
        }
        if (action == Action::NewGame) {
            for (int x = 1; x <= kColumns; ++x)
                SOAK_CHECK(pit.KindAt(x, 0) == kEmpty,
                           "a new game kept a square in the hidden row at column " << x);
        }
        if (action == Action::NewGame) {
            SOAK_CHECK(g.Score() == 0 && g.Rows() == 0 && g.Level() == g.StartLevel() && !g.Paused(),
                       "a new game kept counters");
            int16_t expected = kFirstInterval;
            for (int16_t l = 1; l <= g.Level(); ++l)
                expected = Game::LevelInterval(expected, l);
            m_interval = expected;
            for (int x = 1; x <= kColumns; ++x)
                for (int y = 1; y <= kRows; ++y)
                    SOAK_CHECK(pit.KindAt(x, y) == kEmpty, "a new game kept a square");
        } else {
            SOAK_CHECK(g.Score() >= before.score, "score fell from " << before.score << " to " << g.Score());
            if (before.state == GameState::RowsErased && s == GameState::Spawn) {
                static constexpr int32_t kPoints[] = {0, 100, 300, 700};
                const int n = static_cast<int>(m_view.erasedRows.size()) - m_erasedAtLanding;
                SOAK_CHECK(n >= 1 && n <= 3 && g.Score() - before.score == kPoints[n],
                           n << " rows paid " << g.Score() - before.score);
            }
            if (g.Level() != before.level) {
                SOAK_CHECK(g.Level() == before.level + 1 && g.Rows() == 0 && before.rows >= kRowsPerLevel,
                           "level went from " << before.level << " to " << g.Level() << " after "
                                              << before.rows << " rows");
                m_interval = Game::LevelInterval(m_interval, g.Level());
                ++m_levelsUp;
            }
        }
        if (s == GameState::RowsErased && before.state != GameState::RowsErased)
            m_erasedAtLanding = before.erasedRows;
        SOAK_CHECK(g.TickInterval() == m_interval,
                   "interval " << g.TickInterval() << " expected " << m_interval);
        if (s != GameState::RowsErased)
            SOAK_CHECK(m_view.interval == g.TickInterval(), "clock at " << m_view.interval << " ms");
        SOAK_CHECK(m_view.timerEnabled == !g.Paused(), "clock and pause disagree");
    }

    double Try(int turns, int column) {
        // The trial talks to the same view: what it changes there is put back afterwards.
        const auto savedView = m_view;
        m_rng.frozen = true;
        Game trial = m_game;
        trial.SetRecorder(nullptr);
        Pit& pit = trial.pit();
        for (int i = 0; i < turns; ++i)
            pit.RotateBlock();
        for (int guard = 0; guard < 10 && pit.fallingPosition.x != column; ++guard) {
            const int16_t before = pit.fallingPosition.x;
            pit.fallingPosition.x < column ? pit.MoveRight() : pit.MoveLeft();
            if (pit.fallingPosition.x == before) break;
        }
        double value = -1e9;
        if (pit.fallingPosition.x == column) {
            trial.DropBlock();
            trial.StepDown();
            const int lines = trial.Rows() - m_game.Rows();
            while (trial.State() == GameState::RowsErased)
                trial.TimerHandler();
            value = lines * 100.0 + soak::SurfaceValue(kColumns, 1, kRows, [&pit](int x, int y) {
                        return pit.KindAt(x, y) != kEmpty;
                    });
            // A row with a transparent part never completes.
            for (int x = 1; x <= kColumns; ++x)
                for (int y = 1; y <= kRows; ++y)
                    if (pit.KindAt(x, y) == kTransparent) value -= 8;
            if (trial.State() == GameState::Stopped) value -= 1e6;
        }
        m_rng.frozen = false;
        m_view = savedView;
        return value;
    }

    void PlannedInput() {
        Game& g = m_game;
        m_plan.For(m_serial, kColumns, m_rng, [this](int turns, int column) { return Try(turns, column); });
        if (m_plan.turns > 0) {
            --m_plan.turns;
            g.HandleKey(frame::kKeyUp);
        } else if (g.pit().fallingPosition.x != m_plan.column) {
            const int16_t x = g.pit().fallingPosition.x;
            g.HandleKey(x < m_plan.column ? frame::kKeyRight : frame::kKeyLeft);
            if (g.pit().fallingPosition.x == x) m_plan.column = x;
        } else {
            g.HandleKey(m_rng.Chance(0.3) ? frame::kKeyDown
                                          : (m_rng.Chance(0.5) ? frame::kKeyCtrl : frame::kKeyInsert));
        }
    }

    soak::Rng m_rng;
    FakeView m_view;
    SilentSink m_sink;
    Game m_game;
    soak::RecordingCheck m_check;
    int m_serial = 0;
    soak::Plan m_plan;
    int m_erasedAtLanding = 0;
    int m_levelsUp = 0;
    int16_t m_interval = kFirstInterval;
};

}  // namespace

int main(int argc, char** argv) {
    return soak::Run(argc, argv, "soak_vantorel", 200, [](uint64_t seed, soak::Stats& stats) {
        Bot bot(seed);
        bot.Play(stats);
    });
}
