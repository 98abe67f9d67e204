// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "frame/gamerecording.h"
#include "vantorel/game.h"

namespace vantorel {

// A recording's header carries no settings: the start level is its startLevel.

// Plays a recording into an engine one main-clock tick at a time: the window's engine, attached to the
// real view, when a game is watched at its recorded pace, or an engine on a silent view to verify it.
// While it plays, the engine takes the recorded seed and answers; the destructor gives the engine its
// own random source and answers back.
class RecordingPlayer : public frame::RecordedAnswers {
  public:
    RecordingPlayer(Game& engine, frame::GameRecording recording, const frame::RecordingLimits& limits = {});
    ~RecordingPlayer() override;
    RecordingPlayer(const RecordingPlayer&) = delete;
    RecordingPlayer& operator=(const RecordingPlayer&) = delete;

    // Starts the recorded game on the engine: its options, start level and seed. False (and Outcome()
    // says why) for a recording of another program or rules version, or over the caps.
    bool Begin();
    // Gives the inputs that arrive before the next main-clock tick, then that tick. False once the
    // recording is done (or failed).
    bool Step();
    // The inputs Step() gives before its tick.
    std::vector<frame::RecordedInput> NextInputs() const;
    // Every input and tick has been given, or the recording failed.
    bool Done() const;
    // The engine's game reached "Game Over".
    bool Finished() const;
    // Main-clock ticks played, and the engine's main-clock interval now (ms), the pace of a watcher.
    uint32_t Tick() const { return m_cursor.TicksDone(); }
    int ClockInterval() const;
    const frame::GameRecording& Recording() const { return m_recording; }
    // How the game ended, or where it stands: score, levels, board, and any error (also a claim the
    // finished game does not match).
    frame::PlayOutcome Outcome() const;
    // Steps to the end and returns the outcome.
    frame::PlayOutcome PlayToEnd();

    // The engine asks its question: what the recording holds before the answer (the clock ran on while
    // the view asked) is played first, as it happened.
    bool NextAnswer() override;

  private:
    void Apply(const frame::RecordedInput& input);
    void CheckEnded();

    Game& m_engine;
    frame::GameRecording m_recording;
    frame::RecordingCursor m_cursor;
    frame::RandomSource m_ownRandom;
    frame::GameRecorder* m_ownRecorder;
    uint64_t m_gameTimeMs = 0;
    bool m_begun = false;
    int m_questions = 0;  // questions open, one inside another
};

// Where the engine's game stands, as a re-played game's outcome tells it (no error, no ticks): the
// outcome a recording of the game must re-play to.
frame::PlayOutcome CurrentOutcome(const Game& engine);

// Re-plays a recording through the core alone (a silent view) and returns how it ended: a verifier's
// answer. A recording of another program, or one whose game ends otherwise than recorded or claimed,
// comes back with the error.
frame::PlayOutcome PlayRecording(const frame::GameRecording& recording,
                                 const frame::RecordingLimits& limits = {});

}  // namespace vantorel
