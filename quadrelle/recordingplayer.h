// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "frame/gamerecording.h"
#include "quadrelle/engine.h"

namespace quadrelle {

// A recording's header carries no settings: the start level is its startLevel.

// Plays a recording into an engine one main-clock tick at a time: the window's engine, attached to the
// real view, when a game is watched at its recorded pace, or an engine on a silent view to verify it.
// While it plays, the engine takes the recorded seed and answers; the destructor gives the engine its
// own random source and answers back.
class RecordingPlayer : public frame::RecordingPlayback {
  public:
    RecordingPlayer(Engine& engine, frame::GameRecording recording,
                    const frame::RecordingLimits& limits = {});
    ~RecordingPlayer() override;

    int ClockInterval() const override;

  private:
    bool StartGame() override;
    void Apply(const frame::RecordedInput& input) override;
    void TickEngine() override;
    bool EngineStopped() const override;
    frame::PlayOutcome EngineOutcome() const override;

    Engine& m_engine;
    frame::RandomSource m_ownRandom;
    frame::GameRecorder* m_ownRecorder;
};

// Where the engine's game stands, as a re-played game's outcome tells it (no error, no ticks): the
// outcome a recording of the game must re-play to.
frame::PlayOutcome CurrentOutcome(const Engine& engine);

// Re-plays a recording through the core alone (a silent view) and returns how it ended: a verifier's
// answer. A recording of another program, or one whose game ends otherwise than recorded or claimed,
// comes back with the error.
frame::PlayOutcome PlayRecording(const frame::GameRecording& recording,
                                 const frame::RecordingLimits& limits = {});

}  // namespace quadrelle
