// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QtEndian>
#include <QtTest>

#include "frame/soundcues.h"
#include "support/testmain.h"

using frame::Program;
using frame::SoundCues;

namespace {

class RecordingBackend : public frame::CueBackend {
  public:
    explicit RecordingBackend(QList<int>* played) : m_played(played) {}
    void Play(int resource) override { m_played->append(resource); }

  private:
    QList<int>* m_played;
};

QByteArray resourceBytes(Program p, int resource) {
    QFile f(SoundCues::ResourcePath(p, resource));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

}  // namespace

class TestSoundCues : public QObject {
    Q_OBJECT
  private slots:
    void cuesReachBackendOnlyWhileSoundOn() {
        QList<int> played;
        SoundCues cues(Program::Vantorel, std::make_unique<RecordingBackend>(&played));
        cues.PlaySoundCue(frame::Cue::TouchDown);
        cues.PlaySoundCue(frame::Cue::Mix);
        cues.PlaySoundCue(frame::Cue::Row);
        cues.SetSoundOn(false);
        cues.PlaySoundCue(frame::Cue::Row);
        cues.SetSoundOn(true);
        cues.PlaySoundCue(frame::Cue::Row);
        QCOMPARE(played, (QList<int>{101, 102, 103, 103}));
    }

    void cuesWithoutResourceStaySilent() {
        QList<int> played;
        SoundCues cues(Program::Quadrelle, std::make_unique<RecordingBackend>(&played));
        cues.PlaySoundCue(frame::Cue::Mix);  // Quadrelle has no resource 102
        cues.PlaySoundCue(static_cast<frame::Cue>(-50));
        cues.PlaySoundCue(frame::Cue::Row);
        QCOMPARE(played, QList<int>{103});
    }

    void waveFormats_data() {
        QTest::addColumn<int>("program");
        QTest::addColumn<int>("resource");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("seconds");
        const int Z = int(Program::Zephlon), Q = int(Program::Quadrelle), V = int(Program::Vantorel);
        QTest::newRow("Z 101") << Z << 101 << 8 << 44100 << 0.007;
        QTest::newRow("Z 103") << Z << 103 << 16 << 22050 << 0.48;
        QTest::newRow("Z 104") << Z << 104 << 16 << 22050 << 0.58;
        QTest::newRow("Z 105") << Z << 105 << 16 << 22050 << 0.99;
        QTest::newRow("Z 106") << Z << 106 << 8 << 5500 << 0.64;
        QTest::newRow("Q 101") << Q << 101 << 8 << 44100 << 0.007;
        QTest::newRow("Q 103") << Q << 103 << 16 << 22050 << 0.99;
        QTest::newRow("V 101") << V << 101 << 8 << 44100 << 0.007;
        QTest::newRow("V 102") << V << 102 << 8 << 11025 << 0.20;
        QTest::newRow("V 103") << V << 103 << 16 << 22050 << 0.99;
    }
    void waveFormats() {
        QFETCH(int, program);
        QFETCH(int, resource);
        QFETCH(int, bits);
        QFETCH(int, rate);
        QFETCH(double, seconds);
        const QByteArray w = resourceBytes(Program(program), resource);
        QVERIFY(w.size() > 44);
        auto u16 = [&](int at) { return qFromLittleEndian<quint16>(w.constData() + at); };
        auto u32 = [&](int at) { return qFromLittleEndian<quint32>(w.constData() + at); };
        QCOMPARE(w.left(4), QByteArray("RIFF"));
        QCOMPARE(w.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(int(u16(20)), 1);  // PCM
        QCOMPARE(int(u16(22)), 1);  // mono
        QCOMPARE(int(u32(24)), rate);
        QCOMPARE(int(u16(34)), bits);
        QCOMPARE(w.mid(36, 4), QByteArray("data"));
        const double length = double(u32(40)) / (rate * bits / 8);
        QVERIFY2(qAbs(length - seconds) <= seconds * 0.05, qPrintable(QString::number(length)));
        QCOMPARE(int(u32(40)) + 44, int(w.size()));
    }

    void sharedSoundsAreTheSameFile() {
        const QByteArray click = resourceBytes(Program::Zephlon, 101);
        QCOMPARE(resourceBytes(Program::Quadrelle, 101), click);
        QCOMPARE(resourceBytes(Program::Vantorel, 101), click);
        const QByteArray bomb = resourceBytes(Program::Zephlon, 105);
        QCOMPARE(resourceBytes(Program::Quadrelle, 103), bomb);
        QCOMPARE(resourceBytes(Program::Vantorel, 103), bomb);
    }
};

ARCADE_TEST_GUILESS_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
