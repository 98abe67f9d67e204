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
    : RecordingPlayback(frame::Program::Vantorel, std::move(recording), limits),
      m_engine(engine),
      m_ownRandom(engine.pit().Random()),
      m_ownRecorder(engine.Recorder()) {}

RecordingPlayer::~RecordingPlayer() {
    if (!Begun()) return;
    m_engine.SetRecordedAnswers(nullptr);
    m_engine.pit().SetRandom(m_ownRandom);
    m_engine.SetRecorder(m_ownRecorder);
}

bool RecordingPlayer::StartGame() {
    const frame::GameRecording& r = Recording();
    if (r.mode != 0 || !InRange(r.startLevel, 1, 10) || !m_engine.RestoreRecordingSettings(r.settings)) {
        Fail(frame::RecordingError::Corrupt,
             QCoreApplication::translate("frame::GameRecording", "(settings)"));
        return false;
    }
    // The recording plays on its own: nothing of it is recorded again, and its seed drives the draws.
    m_engine.SetRecorder(nullptr);
    m_engine.SetRecordedAnswers(this);
    const uint64_t seed = r.seed;
    m_engine.pit().SetRandom(frame::RandomSource::GameSeeded([seed] { return seed; }));
    m_engine.SetStartLevel(static_cast<int16_t>(r.startLevel));
    m_engine.SetNextGameSeed(seed);
    m_engine.NewGame();
    if (m_engine.Level() != r.startLevel || m_engine.State() != GameState::Spawn) {
        Fail(frame::RecordingError::Corrupt,
             QCoreApplication::translate("frame::GameRecording", "(start level)"));
        return false;
    }
    return true;
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
                Fail(frame::RecordingError::UnknownInputKind);
                return;
            }
            if (!m_engine.RestoreRecordingSettings(input.b == 0 ? std::vector<int32_t>{}
                                                                : std::vector<int32_t>{input.b}))
                break;
            return;
        case InputKind::Answer:
            Fail(frame::RecordingError::Corrupt,
                 QCoreApplication::translate("frame::GameRecording", "(an answer without a question)"));
            return;
        default:
            // Mouse, Zephlon's timers and options: not inputs of this game.
            Fail(frame::RecordingError::UnknownInputKind);
            return;
    }
    Fail(frame::RecordingError::Corrupt,
         QCoreApplication::translate("frame::GameRecording", "(an input out of its range)"));
}

int RecordingPlayer::ClockInterval() const {
    return m_engine.ClockInterval();
}

void RecordingPlayer::TickEngine() {
    m_engine.TimerHandler();
}

bool RecordingPlayer::EngineStopped() const {
    return m_engine.State() == GameState::Stopped;
}

frame::PlayOutcome RecordingPlayer::EngineOutcome() const {
    return CurrentOutcome(m_engine);
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

frame::PlayOutcome PlayRecording(const frame::GameRecording& recording,
                                 const frame::RecordingLimits& limits) {
    SilentView view;
    SilentSink sink;
    Game engine(view, sink, frame::RandomSource::GameSeeded([] { return uint64_t{0}; }));
    RecordingPlayer player(engine, recording, limits);
    return player.PlayToEnd();
}

}  // namespace vantorel
