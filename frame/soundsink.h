#pragma once

namespace frame {

// What a game engine plays sounds through: cue numbers only. The window's SoundCues implements it;
// tests record the cues.
class SoundSink {
  public:
    virtual ~SoundSink() = default;
    virtual void PlaySoundCue(int n) = 0;
};

}  // namespace frame
