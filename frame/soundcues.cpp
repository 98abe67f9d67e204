#include "frame/soundcues.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace frame {

SoundCues::SoundCues(Program program, std::unique_ptr<CueBackend> backend)
    : m_program(program), m_backend(std::move(backend)) {
    if (!m_backend) m_backend = std::make_unique<QtCueBackend>(program);
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

void SoundCues::PlaySoundCue(Cue cue) {
    if (!m_soundOn) return;
    const int resource = 101 + static_cast<int>(cue);
    // A cue the program has no sound for stays silent.
    if (!Resources(m_program).contains(resource)) return;
    m_backend->Play(resource);
}

QtCueBackend::QtCueBackend(Program program) {
    for (int resource : SoundCues::Resources(program)) {
        auto* effect = new QSoundEffect();
        effect->setSource(QUrl(QStringLiteral("qrc") + SoundCues::ResourcePath(program, resource)));
        m_effects.insert(resource, effect);
    }
}

QtCueBackend::~QtCueBackend() {
    qDeleteAll(m_effects);
}

void QtCueBackend::Play(int resource) {
    QSoundEffect* effect = m_effects.value(resource);
    if (!effect) return;
    if (m_sounding && m_sounding != effect) m_sounding->stop();
    m_sounding = effect;
    effect->play();  // restarts the cue when it is the one sounding
}

}  // namespace frame
