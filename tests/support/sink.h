// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "frame/soundsink.h"

namespace testsupport {

// Records the numbers of the cues asked for.
struct RecordingSink : frame::SoundSink {
    QList<int> cues;
    void PlaySoundCue(frame::Cue cue) override { cues << static_cast<int>(cue); }
};

// Plays nothing and keeps nothing: for long runs.
struct SilentSink : frame::SoundSink {
    void PlaySoundCue(frame::Cue) override {}
};

}  // namespace testsupport
