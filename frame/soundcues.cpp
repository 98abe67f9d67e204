// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/soundcues.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>
#include <algorithm>
#include <utility>

namespace frame {

namespace {

// The format and samples of a PCM wave file (mono or stereo, 8 or 16 bits); an invalid format for anything
// else. A data chunk longer than the file gives what the file holds.
std::pair<QAudioFormat, QByteArray> readWave(const QByteArray& file) {
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(file.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(file.constData() + at); };
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return {};
    QAudioFormat format;
    QByteArray samples;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = qMin<qsizetype>(u32(at + 4), file.size() - at - 8);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && u16(body) == 1) {
            const int channels = u16(body + 2);
            const int bits = u16(body + 14);
            if ((channels == 1 || channels == 2) && (bits == 8 || bits == 16)) {
                format.setSampleRate(static_cast<int>(u32(body + 4)));
                format.setChannelCount(channels);
                format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            }
        } else if (id == "data") {
            samples = file.mid(body, size);
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    if (!format.isValid() || samples.isEmpty()) return {};
    return {format, samples};
}

}  // namespace

SoundCues::SoundCues(Program program, std::unique_ptr<CueBackend> backend)
    : m_program(program), m_backend(std::move(backend)) {
    if (m_backend) return;
    if (HasOutputDevice())
        m_backend = std::make_unique<QtCueBackend>(program);
    else
        m_backend = std::make_unique<SilentCueBackend>();
}

SoundCues::~SoundCues() = default;

QList<int> SoundCues::Resources(Program program) {
    switch (program) {
        case Program::Zephlon:
            return {101, 103, 104, 105, 106};
        case Program::Quadrelle:
            return {101, 103};
        case Program::Vantorel:
            return {101, 102, 103};
    }
    return {};
}

QString SoundCues::ResourcePath(Program program, int resource) {
    return QStringLiteral(":/%1/sounds/%2.wav").arg(ProgramName(program).toLower()).arg(resource);
}

bool SoundCues::HasOutputDevice() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

void SoundCues::SetVolume(int percent) {
    m_volume = std::clamp(percent, 0, 100);
    m_backend->SetVolume(m_volume);
}

void SoundCues::PlaySoundCue(Cue cue) {
    if (!m_soundOn || m_volume == 0) return;
    const int resource = 101 + static_cast<int>(cue);
    // A cue the program has no sound for stays silent.
    if (!Resources(m_program).contains(resource)) return;
    m_backend->Play(resource);
}

QtCueBackend::QtCueBackend(Program program) {
    for (int resource : SoundCues::Resources(program)) {
        QFile file(SoundCues::ResourcePath(program, resource));
        if (!file.open(QIODevice::ReadOnly)) continue;
        auto [format, samples] = readWave(file.readAll());
        if (!format.isValid()) continue;
        Sound& sound = m_sounds[resource];
        sound.samples = samples;
        sound.data = std::make_unique<QBuffer>(&sound.samples);
        sound.data->open(QIODevice::ReadOnly);
        sound.output = std::make_unique<QAudioSink>(format);
    }
}

void QtCueBackend::SetVolume(int percent) {
    // The slider is heard evenly along its way: its position is taken on a logarithmic scale.
    m_volume =
        QAudio::convertVolume(percent / 100.0, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
    for (auto& [resource, sound] : m_sounds)
        sound.output->setVolume(m_volume);
}

QtCueBackend::~QtCueBackend() {
    if (m_sounding) m_sounding->stop();
}

void QtCueBackend::Play(int resource) {
    const auto found = m_sounds.find(resource);
    if (found == m_sounds.end()) return;
    Sound& sound = found->second;
    // Stopping drops what the output still holds: the sounding cue ends here. The same cue starts over.
    if (m_sounding) m_sounding->stop();
    m_sounding = sound.output.get();
    sound.data->seek(0);
    sound.output->start(sound.data.get());
}

}  // namespace frame
