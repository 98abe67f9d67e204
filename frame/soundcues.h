// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <map>
#include <memory>

#include "frame/program.h"
#include "frame/soundsink.h"

class QAudioSink;
class QBuffer;

namespace frame {

// Plays a sound resource. The Qt backend plays wave files compiled into the program; tests record.
class CueBackend {
  public:
    virtual ~CueBackend() = default;
    virtual void Play(int resource) = 0;
    // The loudness of the cues from now on, 0..100 as the player sets it (100: as recorded).
    virtual void SetVolume(int percent) { (void)percent; }
};

// Plays nothing: for headless runs (tests, the screenshot tool) that must not wait on the audio system.
class SilentCueBackend : public CueBackend {
  public:
    void Play(int) override {}
};

// The cues of one program: cue n plays sound resource 101 + n while sound is on.
class SoundCues : public SoundSink {
  public:
    // Without a backend the cues play through QtMultimedia, or, when the system has no audio output, nowhere:
    // no media objects are made for sounds nobody could hear.
    explicit SoundCues(Program program, std::unique_ptr<CueBackend> backend = nullptr);
    ~SoundCues() override;

    void PlaySoundCue(Cue cue) override;

    bool SoundOn() const { return m_soundOn; }
    void SetSoundOn(bool on) { m_soundOn = on; }
    // 0..100 (clamped); at 0 no cue plays. Sound on or off stays a setting of its own.
    int Volume() const { return m_volume; }
    void SetVolume(int percent);

    // The sound resources a program has (101 + cue number).
    static QList<int> Resources(Program program);
    // Qt resource path of a program's sound resource.
    static QString ResourcePath(Program program, int resource);
    // True when the system reports an audio output; without one, sound is forced off.
    static bool HasOutputDevice();

  private:
    Program m_program;
    bool m_soundOn = true;
    int m_volume = 100;
    std::unique_ptr<CueBackend> m_backend;
};

// QtMultimedia playback. Every sound is read from its wave file at start, so a cue starts at once. A cue
// plays to its last sample: its output stays open after the data has been handed over, until the next cue
// stops it (cutting off what still sounds) and starts its own.
class QtCueBackend : public CueBackend {
  public:
    explicit QtCueBackend(Program program);
    ~QtCueBackend() override;
    void Play(int resource) override;
    void SetVolume(int percent) override;

  private:
    struct Sound {
        QByteArray samples;
        std::unique_ptr<QBuffer> data;
        std::unique_ptr<QAudioSink> output;
    };
    std::map<int, Sound> m_sounds;
    QAudioSink* m_sounding = nullptr;
    qreal m_volume = 1.0;  // linear, for the outputs
};

}  // namespace frame
