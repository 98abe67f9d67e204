// SPDX-License-Identifier: GPL-3.0-or-later
#include "vantorel/recordingplayer.h"

#include <algorithm>
#include <utility>

namespace vantorel {

namespace {

// A view that shows nothing: the core alone re-plays a game.
class SilentView : public GameView {
  public:
    void DrawCell(int16_t, int16_t, int32_t) override {}
    void EraseRow(int16_t) override {}
    void PaintNextBlock() override {}
    void ShowScore(int32_t) override {}
    void ShowLevel(int16_t) override {}
    void ShowLines(int16_t) override {}
    void ShowMessage(const QString&) override {}
    void StartClock(int) override {}
    void StopClock() override {}
    void SetClockInterval(int) override {}
    void ShowPaused(bool) override {}
    void FocusPlayArea() override {}
    void CommitPendingName() override {}
    void GameOver() override {}
    // Never asked: a re-play answers from its recording.
    bool AskNewGame() override { return false; }
};

class SilentSink : public frame::SoundSink {
  public:
    void PlaySoundCue(frame::Cue) override {}
};

bool InRange(int32_t v, int32_t low, int32_t high) {
    return v >= low && v <= high;
}

}  // namespace

RecordingPlayer::RecordingPlayer(Game& engine, frame::GameRecording recording,
                                 const frame::RecordingLimits& limits)
    : m_engine(engine),
      m_recording(std::move(recording)),
      m_cursor(m_recording, limits),
      m_ownRandom(engine.pit().Random()),
      m_ownRecorder(engine.Recorder()) {}

RecordingPlayer::~RecordingPlayer() {
    if (!m_begun) return;
    m_engine.SetRecordedAnswers(nullptr);
    m_engine.pit().SetRandom(m_ownRandom);
    m_engine.SetRecorder(m_ownRecorder);
}

bool RecordingPlayer::Begin() {
    if (m_begun) return !Done();
    const frame::GameRecording& r = m_recording;
    if (r.program != frame::Program::Vantorel) {
        m_cursor.Fail(frame::RecordingError::OtherProgram);
        return false;
    }
    if (r.rulesVersion != frame::kVantorelRulesVersion) {
        m_cursor.Fail(frame::RecordingError::OtherRulesVersion);
        return false;
    }
    if (r.inputs.size() > m_cursor.Limits().maxInputs) {
        m_cursor.Fail(frame::RecordingError::TooManyInputs);
        return false;
    }
    if (r.ticks > m_cursor.Limits().maxTicks) {
        m_cursor.Fail(frame::RecordingError::TooManyTicks);
        return false;
    }
    if (r.mode != 0 || !InRange(r.startLevel, 1, 10) || !m_engine.RestoreRecordingSettings(r.settings)) {
        m_cursor.Fail(frame::RecordingError::Corrupt,
                      QCoreApplication::translate("frame::GameRecording", "(settings)"));
        return false;
    }
    m_begun = true;
    // The recording plays on its own: nothing of it is recorded again, and its seed drives the draws.
    m_engine.SetRecorder(nullptr);
    m_engine.SetRecordedAnswers(this);
    const uint64_t seed = r.seed;
    m_engine.pit().SetRandom(frame::RandomSource::GameSeeded([seed] { return seed; }));
    m_engine.SetStartLevel(static_cast<int16_t>(r.startLevel));
    m_engine.SetNextGameSeed(seed);
    m_engine.NewGame();
    if (m_engine.Level() != r.startLevel || m_engine.State() != GameState::Spawn) {
        m_cursor.Fail(frame::RecordingError::Corrupt,
                      QCoreApplication::translate("frame::GameRecording", "(start level)"));
        return false;
    }
    return !Done();
}

void RecordingPlayer::Apply(const frame::RecordedInput& input) {
    using frame::InputKind;
    const int32_t a = input.a;
    switch (input.kind) {
        case InputKind::Key:
            if (!InRange(a, INT16_MIN, INT16_MAX)) break;
            m_engine.HandleKey(static_cast<frame::KeyCode>(a));
            return;
        case InputKind::Start:
            m_engine.Start();
            return;
        case InputKind::Pause:
            m_engine.SetPaused(a != 0);
            return;
        case InputKind::Option:
            if (static_cast<frame::RecordedOption>(a) != frame::RecordedOption::Rules) {
                m_cursor.Fail(frame::RecordingError::UnknownInputKind);
                return;
            }
            if (!m_engine.RestoreRecordingSettings(input.b == 0 ? std::vector<int32_t>{}
                                                                : std::vector<int32_t>{input.b}))
                break;
            return;
        case InputKind::Answer:
            m_cursor.Fail(
                frame::RecordingError::Corrupt,
                QCoreApplication::translate("frame::GameRecording", "(an answer without a question)"));
            return;
        default:
            // Mouse, Zephlon's timers and options: not inputs of this game.
            m_cursor.Fail(frame::RecordingError::UnknownInputKind);
            return;
    }
    m_cursor.Fail(frame::RecordingError::Corrupt,
                  QCoreApplication::translate("frame::GameRecording", "(an input out of its range)"));
}

bool RecordingPlayer::NextAnswer() {
    // A question inside a question's wait is a recording's own; more is a hostile one's.
    if (m_questions >= 4) {
        m_cursor.Fail(frame::RecordingError::Corrupt,
                      QCoreApplication::translate("frame::GameRecording", "(an answer is missing)"));
        return false;
    }
    ++m_questions;
    bool yes = false;
    while (!Done()) {
        if (const frame::RecordedInput* input = m_cursor.NextInputNow()) {
            if (input->kind == frame::InputKind::Answer) {
                yes = input->a != 0;
                break;
            }
            Apply(*input);
            CheckEnded();
        } else if (Finished() && m_cursor.AtEnd()) {
            // The game ended while the view asked: its recording ends here, unanswered.
            break;
        } else if (m_cursor.TakeTick()) {
            m_gameTimeMs += static_cast<uint64_t>(std::max(0, ClockInterval()));
            m_engine.TimerHandler();
            CheckEnded();
        } else {
            m_cursor.Fail(frame::RecordingError::Corrupt,
                          QCoreApplication::translate("frame::GameRecording", "(an answer is missing)"));
        }
    }
    --m_questions;
    return yes;
}

void RecordingPlayer::CheckEnded() {
    // The game ends where its recording ends: nothing recorded may come after "Game Over".
    if (Finished() && !m_cursor.AtEnd())
        m_cursor.Fail(frame::RecordingError::Corrupt,
                      QCoreApplication::translate("frame::GameRecording", "(inputs after the game's end)"));
}

bool RecordingPlayer::Step() {
    if (!m_begun && !Begin()) return false;
    if (Done()) return false;
    while (const frame::RecordedInput* input = m_cursor.NextInputNow()) {
        Apply(*input);
        CheckEnded();
        if (Done()) return false;
    }
    if (m_cursor.TakeTick()) {
        m_gameTimeMs += static_cast<uint64_t>(std::max(0, static_cast<int>(m_engine.ClockInterval())));
        m_engine.TimerHandler();
        CheckEnded();
    }
    return !Done();
}

std::vector<frame::RecordedInput> RecordingPlayer::NextInputs() const {
    return m_cursor.InputsNow();
}

bool RecordingPlayer::Done() const {
    return m_cursor.Error() != frame::RecordingError::None || (m_begun && m_cursor.AtEnd());
}

bool RecordingPlayer::Finished() const {
    return m_begun && m_engine.State() == GameState::Stopped;
}

int RecordingPlayer::ClockInterval() const {
    return m_engine.ClockInterval();
}

frame::PlayOutcome CurrentOutcome(const Game& engine) {
    frame::PlayOutcome out;
    out.finished = engine.State() == GameState::Stopped;
    out.list = 0;
    out.score = engine.Score();
    out.startLevel = engine.GameStartLevel();
    out.endLevel = engine.Level();
    out.board.reserve((kRows + 1) * kColumns * 2);
    for (int y = 0; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            out.board.append(static_cast<char>(engine.pit().KindAt(x, y)));
            out.board.append(static_cast<char>(engine.pit().ColourAt(x, y)));
        }
    }
    return out;
}

frame::PlayOutcome RecordingPlayer::Outcome() const {
    frame::PlayOutcome out = CurrentOutcome(m_engine);
    out.finished = Finished();
    if (m_cursor.Error() != frame::RecordingError::None) {
        out.error = m_cursor.Error();
        out.errorText = m_cursor.ErrorText();
    } else if (m_begun && m_cursor.AtEnd() && out.finished != m_recording.finished) {
        out.error = frame::RecordingError::NotFinished;
        out.errorText = frame::RecordingErrorText(out.error);
    } else if (m_begun && m_cursor.AtEnd() && m_recording.claim) {
        const QString differs = frame::CompareClaim(out, *m_recording.claim);
        if (!differs.isEmpty()) {
            out.error =
                out.finished ? frame::RecordingError::ClaimDiffers : frame::RecordingError::NotFinished;
            out.errorText = differs;
        }
    }
    out.ticks = m_cursor.TicksDone();
    out.gameTimeMs = m_gameTimeMs;
    return out;
}

frame::PlayOutcome RecordingPlayer::PlayToEnd() {
    if (Begin())
        while (Step()) {
        }
    return Outcome();
}

frame::PlayOutcome PlayRecording(const frame::GameRecording& recording,
                                 const frame::RecordingLimits& limits) {
    SilentView view;
    SilentSink sink;
    Game engine(view, sink, frame::RandomSource::GameSeeded([] { return uint64_t{0}; }));
    RecordingPlayer player(engine, recording, limits);
    return player.PlayToEnd();
}

}  // namespace vantorel
