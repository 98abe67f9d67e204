// SPDX-License-Identifier: GPL-3.0-or-later
#include "zephlon/recordingplayer.h"

#include <algorithm>
#include <utility>

namespace zephlon {

namespace {

// A view that shows nothing and answers as a player who only plays: the core alone re-plays a game.
class SilentView : public ZephlonView {
  public:
    int CellSize() const override { return 40; }
    int NextBoxWidth() const override { return 60; }
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
    void GameOver() override {}
    bool SettleGameOver() override { return false; }
    void SetMenuReplayEnabled(bool) override {}
    void SetMenuStopEnabled(bool) override {}
    void SetModeMenuLocked(bool) override {}
    void ShowPaused(bool) override {}
    void RefreshLevelMenu() override {}
    void FocusPlayArea() override {}
    void ShowInstructions() override {}
    bool AskNewGame() override { return false; }
    int32_t BestStoredScore(int32_t) override { return 0; }
    void CommitPendingName() override {}
};

class SilentSink : public frame::SoundSink {
  public:
    void PlaySoundCue(frame::Cue) override {}
};

bool InRange(int32_t v, int32_t low, int32_t high) {
    return v >= low && v <= high;
}

}  // namespace

RecordingPlayer::RecordingPlayer(ZephlonEngine& engine, frame::GameRecording recording,
                                 const frame::RecordingLimits& limits)
    : RecordingPlayback(frame::Program::Zephlon, std::move(recording), limits),
      m_engine(engine),
      m_ownRandom(engine.Random()),
      m_ownRecorder(engine.Recorder()) {}

RecordingPlayer::~RecordingPlayer() {
    if (!Begun()) return;
    m_engine.SetRecordedAnswers(nullptr);
    m_engine.SetRandom(m_ownRandom);
    m_engine.SetRecorder(m_ownRecorder);
}

bool RecordingPlayer::StartGame() {
    const frame::GameRecording& r = Recording();
    // The recording plays on its own: nothing of it is recorded again, and its seed drives the draws.
    m_engine.SetRecorder(nullptr);
    m_engine.SetRecordedAnswers(this);
    const uint64_t seed = r.seed;
    m_engine.SetRandom(frame::RandomSource::GameSeeded([seed] { return seed; }));
    const std::vector<int32_t>& s = r.settings;
    const bool valid = s.size() >= 9 && InRange(s[2], 1, 10) && InRange(s[3], 1, 10) &&
                       InRange(s[8], 0, 999) && InRange(r.startLevel, 1, 999) &&
                       m_engine.RestoreRecordingSettings(r.mode, s);
    if (!valid) {
        Fail(frame::RecordingError::Corrupt,
             QCoreApplication::translate("frame::GameRecording", "(settings)"));
        return false;
    }
    m_engine.SetNextGameSeed(seed);
    m_engine.NewGame(static_cast<int16_t>(s[8]), s[6] != 0);
    if (m_engine.Context().level != r.startLevel || !m_engine.Context().GameRunning()) {
        Fail(frame::RecordingError::Corrupt,
             QCoreApplication::translate("frame::GameRecording", "(start level)"));
        return false;
    }
    return true;
}

void RecordingPlayer::Apply(const frame::RecordedInput& input) {
    using frame::InputKind;
    const int32_t a = input.a, b = input.b;
    switch (input.kind) {
        case InputKind::Key:
            if (!InRange(a, INT16_MIN, INT16_MAX)) break;
            m_engine.HandleKey(static_cast<frame::KeyCode>(a));
            return;
        case InputKind::MousePress:
        case InputKind::MouseDoubleClick:
            if (!InRange(a, 0, 3) || !InRange(b, 0, 1)) break;
            if (input.kind == InputKind::MousePress)
                m_engine.MousePress(static_cast<MouseTarget>(a), static_cast<MouseButton>(b));
            else
                m_engine.MouseDoubleClick(static_cast<MouseTarget>(a), static_cast<MouseButton>(b));
            return;
        case InputKind::MouseMove: {
            if (!InRange(a, 0, 3) || !InRange(b, INT16_MIN, INT16_MAX)) break;
            // The first pixel of the recorded column in this view: the engine finds the same column.
            const int cell = std::clamp(m_engine.ViewCellSize(), 0, 1000);
            m_engine.MouseMove(static_cast<MouseTarget>(a), (b - 1) * cell);
            return;
        }
        case InputKind::Start:
            m_engine.Start();
            return;
        case InputKind::Pause:
            m_engine.SetPaused(a != 0);
            return;
        case InputKind::BlinkTimer:
            m_engine.TimerBlinkBlock_Timer();
            return;
        case InputKind::BombTimer:
            m_engine.TimerLaserBomb_Timer();
            return;
        case InputKind::ReplayLevel:
            m_engine.ReplayLevel();
            return;
        case InputKind::Stop:
            m_engine.gameOver();
            return;
        case InputKind::Option:
            switch (static_cast<frame::RecordedOption>(a)) {
                case frame::RecordedOption::GameMode:
                    if (!InRange(b, 0, 1)) break;
                    m_engine.SetGameMode(static_cast<GameMode>(b));
                    return;
                case frame::RecordedOption::Control:
                    if (!InRange(b, 1, 2)) break;
                    m_engine.SetControl(static_cast<Control>(b));
                    return;
                case frame::RecordedOption::BlockColour:
                    if (!InRange(b, 1, 5)) break;
                    m_engine.SetBlockColour(static_cast<int16_t>(b));
                    return;
                case frame::RecordedOption::StartLevel:
                    if (!InRange(b, 1, 10)) break;
                    m_engine.SetStartLevel(static_cast<int16_t>(b));
                    return;
                case frame::RecordedOption::Rules:
                    // Another program's option.
                    break;
            }
            break;
        case InputKind::Answer:
            Fail(frame::RecordingError::Corrupt,
                 QCoreApplication::translate("frame::GameRecording", "(an answer without a question)"));
            return;
    }
    if (static_cast<uint8_t>(input.kind) == 0 || static_cast<uint8_t>(input.kind) > frame::kLastInputKind)
        Fail(frame::RecordingError::UnknownInputKind);
    else
        Fail(frame::RecordingError::Corrupt,
             QCoreApplication::translate("frame::GameRecording", "(an input out of its range)"));
}

int RecordingPlayer::ClockInterval() const {
    return m_engine.Context().clockInterval;
}

void RecordingPlayer::TickEngine() {
    m_engine.TimerHandler();
}

bool RecordingPlayer::EngineStopped() const {
    return m_engine.Context().gameState == GameState::Stopped;
}

frame::PlayOutcome RecordingPlayer::EngineOutcome() const {
    return CurrentOutcome(m_engine);
}

frame::PlayOutcome CurrentOutcome(const ZephlonEngine& engine) {
    frame::PlayOutcome out;
    const GameContext& c = engine.Context();
    out.finished = engine.Context().gameState == GameState::Stopped;
    out.list = static_cast<int32_t>(engine.Options().gameMode);
    out.score = c.score;
    out.startLevel = c.gameStartLevel;
    out.endLevel = c.level;
    out.board.reserve(kRows * kColumns * 2);
    for (int r = 1; r <= kRows; ++r) {
        for (int col = 1; col <= kColumns; ++col) {
            const int16_t v = c.board(col, r);
            out.board.append(static_cast<char>(v & 0xff));
            out.board.append(static_cast<char>((v >> 8) & 0xff));
        }
    }
    return out;
}

frame::PlayOutcome PlayRecording(const frame::GameRecording& recording,
                                 const frame::RecordingLimits& limits) {
    SilentView view;
    SilentSink sink;
    ZephlonEngine engine(view, sink, frame::RandomSource::GameSeeded([] { return uint64_t{0}; }));
    RecordingPlayer player(engine, recording, limits);
    return player.PlayToEnd();
}

}  // namespace zephlon
