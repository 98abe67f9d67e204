// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace frame {

// The sound cues by name; the number is the cue number, so cue n plays sound resource 101 + n. Each program
// has only some of them.
enum class Cue : int {
    TouchDown = 0,    // all three: a piece or block rests on its landing place
    Mix = 1,          // Vantorel: a transparent square lies on a transparent part
    Row = 2,          // Quadrelle, Vantorel: a row is erased
    Laser = 2,        // Zephlon: a laser run starts
    DoubleLaser = 3,  // Zephlon: two laser runs start in one step
    Bomb = 4,         // Zephlon: a laser bomb explodes
    LevelDone = 5,    // Zephlon: a puzzle level is completed
};

// What a game engine plays sounds through. The window's SoundCues implements it; tests record the cues.
class SoundSink {
  public:
    virtual ~SoundSink() = default;
    virtual void PlaySoundCue(Cue cue) = 0;
};

}  // namespace frame
