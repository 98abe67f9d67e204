// SPDX-License-Identifier: GPL-3.0-or-later
// Plays whole Quadrelle games headless through the engine's keys and clock, from every start level, and
// checks the game's invariants after every step.
#include <QString>
#include <algorithm>
#include <cstdlib>

#include "quadrelle/engine.h"
#include "quadrelle/recordingplayer.h"
#include "soak.h"
#include "support/quadrellekit.h"
#include "support/sink.h"

namespace {

using namespace quadrelle;

using testsupport::SilentSink;

using quadrelle_test::RecordingView;

struct Snapshot {
    GameState state;
    int32_t score;
    int16_t level;
    int16_t rows;
    int rowBars;
    bool row0[kWellColumns + 1];
};

Snapshot Take(const Engine& e, const RecordingView& v) {
    Snapshot s{e.State(), e.Score(), e.Level(), e.Rows(), static_cast<int>(v.rowBars.size()), {}};
    for (int x = 1; x <= kWellColumns; ++x)
        s.row0[x] = e.Board(x, 0);
    return s;
}

int16_t RowPoints(int rows) {
    static constexpr int16_t kPoints[] = {0, 100, 200, 400, 800};
    return rows >= 0 && rows <= 4 ? kPoints[rows] : -1;
}

enum class Action { Tick, Input, NewGame };

class Bot {
  public:
    explicit Bot(uint64_t seed)
        : m_rng(seed),
          m_engine(m_view, m_sink,
                   soak::VerifyRecordings() ? soak::SeededGames(seed, m_rng)
                                            : frame::RandomSource([this] { return m_rng.Next(); })),
          m_check([](const frame::GameRecording& r) { return PlayRecording(r); }) {
        m_view.bestLocal = 0;
        if (soak::VerifyRecordings()) m_engine.SetRecorder(&m_check.recorder);
    }

    void Play(soak::Stats& stats) {
        Engine& e = m_engine;
        e.SetStartLevel(static_cast<int16_t>(1 + m_rng.Below(10)));
        Step(Action::NewGame, [&] { e.HandleKey(frame::kKeyEnter); });
        SOAK_CHECK(e.State() == GameState::Spawn && e.Level() == e.StartLevel(), "Enter started no game");
        const int maxSteps = 8000 + m_rng.Below(8000);
        int steps = 0;
        for (; steps < maxSteps && e.State() != GameState::Stopped; ++steps) {
            PlayOneStep(stats);
            stats.maxLevel = std::max<int>(stats.maxLevel, e.Level());
        }
        stats.steps += steps;
        stats.levelsUp += m_levelsUp;
        if (e.State() == GameState::Stopped)
            SOAK_CHECK(m_view.gameOverTimer && !m_view.timerRunning, "game over left the clock on");
        m_check.AtEnd([this] { return CurrentOutcome(m_engine); });
        stats.recordingsChecked += m_check.checked;
    }

  private:
    void PlayOneStep(soak::Stats& stats) {
        Engine& e = m_engine;
        if (e.Paused()) {
            if (m_rng.Chance(0.2)) {
                Step(Action::Input, [&] { SetPaused(false); });
            } else {
                const Snapshot before = Take(e, m_view);
                e.HandleKey(static_cast<frame::KeyCode>(frame::kKeyLeft + m_rng.Below(4)));
                SOAK_CHECK(e.State() == before.state && e.Score() == before.score,
                           "a key moved the paused game");
            }
            return;
        }
        if (m_view.timerRunning && m_rng.Chance(PlanPending() ? 0.1 : 0.5)) {
            Step(Action::Tick, [&] { e.TimerHandler(); });
            stats.rows += e.State() == GameState::RowsErased ? 1 : 0;
            return;
        }
        const double r = m_rng.Next();
        if (r < 0.004) {
            ++stats.pauses;
            Step(Action::Input, [&] { SetPaused(true); });
        } else if (r < 0.0045) {
            // Enter during a game asks first; Yes starts afresh.
            const bool fresh = m_rng.Chance(0.5);
            m_view.answer = [fresh] { return fresh; };
            Step(fresh ? Action::NewGame : Action::Input, [&] { e.HandleKey(frame::kKeyEnter); });
        } else if (r < 0.02) {
            static constexpr frame::KeyCode kKeys[] = {frame::kKeyEnter, frame::kKeyLeft, frame::kKeyUp,
                                                       frame::kKeyRight, frame::kKeyDown, frame::kKeyCtrl,
                                                       frame::kKeyInsert};
            const frame::KeyCode key = kKeys[m_rng.Below(7)];
            m_view.answer = [] { return false; };
            Step(Action::Input, [&] { e.HandleKey(key); });
        } else if (e.State() == GameState::Falling) {
            Step(Action::Input, [&] { PlannedInput(); });
        }
    }

    // A player keys the whole move in quickly, then lets the piece fall.
    bool PlanPending() const {
        return m_engine.State() == GameState::Falling &&
               m_plan.Pending(m_serial, m_engine.FallingPosition().x);
    }

    // The menu's Pause: the engine stops and starts its clock itself.
    void SetPaused(bool p) { m_engine.SetPaused(p); }

    template <class F>
    void Step(Action action, F&& f) {
        const Snapshot before = Take(m_engine, m_view);
        const Position pos = m_engine.FallingPosition();
        const bool verify = soak::VerifyRecordings();
        if (verify) m_check.BeforeStep([this] { return CurrentOutcome(m_engine); });
        f();
        if (verify) m_check.AfterStep([this] { return CurrentOutcome(m_engine); });
        const Position now = m_engine.FallingPosition();
        if (m_engine.State() == GameState::Falling && (before.state != GameState::Falling || now.y < pos.y))
            ++m_serial;
        Check(before, action);
    }

    void Check(const Snapshot& before, Action action) {
        const Engine& e = m_engine;
        const GameState s = e.State();
        SOAK_CHECK(s == GameState::Stopped || s == GameState::Spawn || s == GameState::Falling ||
                       s == GameState::RowsErased || s == GameState::Idle,
                   "state " << static_cast<int>(s) << " after a step");
        for (int x = 1; x <= kWellColumns; ++x) {
            for (int y = 0; y <= kWellRows; ++y) {
                const int32_t c = e.Colour(x, y);
                SOAK_CHECK(c >= 0 && c <= 7, "colour " << c << " at " << x << "," << y);
                SOAK_CHECK(!e.Board(x, y) || c >= 1, "a square without colour at " << x << "," << y);
            }
        }
        if (s == GameState::Falling || s == GameState::Spawn) {
            for (int y = 1; y <= kWellRows; ++y) {
                bool full = true;
                for (int x = 1; x <= kWellColumns; ++x)
                    full = full && e.Board(x, y);
                SOAK_CHECK(!full, "full row " << y << " left in the well");
            }
            SOAK_CHECK(e.Rows() < 20, e.Rows() << " rows counted at level " << e.Level());
        }
        if (s == GameState::Falling) {
            const Matrix& m = e.FallingMatrix();
            const Position p = e.FallingPosition();
            int cells = 0;
            for (int i = 1; i <= 4; ++i) {
                for (int j = 1; j <= 4; ++j) {
                    if (!m[i][j]) continue;
                    ++cells;
                    const int x = p.x + i - 2, y = p.y + j - 2;
                    SOAK_CHECK(x >= 1 && x <= kWellColumns && y <= kWellRows,
                               "piece square outside at " << x << "," << y);
                    if (y >= 0) SOAK_CHECK(!e.Board(x, y), "piece overlaps the well at " << x << "," << y);
                }
            }
            SOAK_CHECK(cells == 4, "a piece of " << cells << " squares");
            SOAK_CHECK(m_view.timerRunning || e.Paused(), "a piece falls without a clock");
        }
        SOAK_CHECK(e.BestScore() >= e.Score(), "best score below score");
        SOAK_CHECK(e.TickInterval() == Engine::IntervalForLevel(e.Level()), "interval " << e.TickInterval());
        if (action == Action::NewGame) {
            SOAK_CHECK(e.Score() == 0 && e.Rows() == 0 && e.Level() == e.StartLevel(),
                       "a new game kept its counters");
            for (int x = 1; x <= kWellColumns; ++x)
                for (int y = 0; y <= kWellRows; ++y)
                    SOAK_CHECK(!e.Board(x, y), "a new game kept a square");
            return;
        }
        SOAK_CHECK(e.Score() >= before.score, "score fell from " << before.score << " to " << e.Score());
        if (before.state == GameState::RowsErased && s == GameState::Spawn) {
            // The landing's rows are paid in one go, by the number of rows erased.
            m_paidRows = static_cast<int>(m_view.rowBars.size()) - m_barsAtLanding;
            SOAK_CHECK(e.Score() - before.score == RowPoints(m_paidRows),
                       m_paidRows << " rows paid " << e.Score() - before.score);
            for (int x = 1; x <= kWellColumns; ++x)
                SOAK_CHECK(e.Board(x, 0) == before.row0[x], "collapsing rows changed the hidden row");
        }
        if (s == GameState::RowsErased && before.state != GameState::RowsErased)
            m_barsAtLanding = before.rowBars;
        if (e.Level() != before.level) {
            SOAK_CHECK(e.Level() == before.level + 1 && e.Rows() == 0,
                       "level went from " << before.level << " to " << e.Level());
            SOAK_CHECK(before.rows >= 20, "level rose after " << before.rows << " rows");
            ++m_levelsUp;
        } else if (s != GameState::Stopped &&
                   !(before.state == GameState::RowsErased && s == GameState::Spawn)) {
            SOAK_CHECK(e.Rows() >= before.rows, "rows counter fell");
        }
    }

    // A score for a placement tried on a copy: turn, slide, drop and clear, then judge the well.
    double Try(int turns, int column) {
        // The trial talks to the same view: what it changes there is put back afterwards.
        const auto savedView = m_view;
        m_rng.frozen = true;
        Engine trial = m_engine;
        trial.SetRecorder(nullptr);
        for (int i = 0; i < turns; ++i)
            trial.RotateBlock();
        for (int guard = 0; guard < 12 && trial.FallingPosition().x != column; ++guard) {
            const int16_t before = trial.FallingPosition().x;
            trial.FallingPosition().x < column ? trial.MoveRight() : trial.MoveLeft();
            if (trial.FallingPosition().x == before) break;
        }
        double value = -1e9;
        if (trial.FallingPosition().x == column) {
            trial.DropBlock();
            trial.StepDown();
            const int32_t lines = trial.Rows() - m_engine.Rows();
            while (trial.State() == GameState::RowsErased)
                trial.TimerHandler();
            value = lines * 100.0 + soak::SurfaceValue(kWellColumns, 0, kWellRows,
                                                       [&trial](int x, int y) { return trial.Board(x, y); });
            if (trial.State() == GameState::Stopped) value -= 1e6;
        }
        m_rng.frozen = false;
        m_view = savedView;
        return value;
    }

    void PlannedInput() {
        Engine& e = m_engine;
        m_plan.For(m_serial, kWellColumns, m_rng,
                   [this](int turns, int column) { return Try(turns, column); });
        if (m_plan.turns > 0) {
            --m_plan.turns;
            e.HandleKey(frame::kKeyUp);
        } else if (e.FallingPosition().x != m_plan.column) {
            const int16_t x = e.FallingPosition().x;
            e.HandleKey(x < m_plan.column ? frame::kKeyRight : frame::kKeyLeft);
            if (e.FallingPosition().x == x) m_plan.column = x;
        } else {
            e.HandleKey(m_rng.Chance(0.3) ? frame::kKeyDown
                                          : (m_rng.Chance(0.5) ? frame::kKeyCtrl : frame::kKeyInsert));
        }
    }

    soak::Rng m_rng;
    RecordingView m_view;
    SilentSink m_sink;
    Engine m_engine;
    soak::RecordingCheck m_check;
    int m_serial = 0;
    soak::Plan m_plan;
    int m_barsAtLanding = 0;
    int m_paidRows = 0;
    int m_levelsUp = 0;
};

}  // namespace

int main(int argc, char** argv) {
    return soak::Run(argc, argv, "soak_quadrelle", 200, [](uint64_t seed, soak::Stats& stats) {
        Bot bot(seed);
        bot.Play(stats);
    });
}
