// SPDX-License-Identifier: GPL-3.0-or-later
// The cues through the real playback path: QtMultimedia into a PulseAudio null sink whose monitor parec
// records, and sox tells what was heard. Run through tools/pulseaudio.sh, which starts a server of the
// test's own so that no other program's sound reaches the recording.
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "frame/soundcues.h"
#include "support/testmain.h"

using frame::Cue;
using frame::Program;

Q_DECLARE_METATYPE(frame::Cue)

namespace {

constexpr int kRate = 44100;
constexpr double kBytesPerSecond = kRate * 2.0;  // mono, 16-bit
// Level below which the recording counts as silent: the null sink is exact zeros between the cues, and the
// quietest tail of a cue is well above it.
const QString kSilence = QStringLiteral("0.1%");

// parec on the sink's monitor, writing raw samples to a file.
class Recording {
  public:
    explicit Recording(QString path) : m_path(std::move(path)) {}
    ~Recording() { Stop(); }
    bool Start(const QString& monitor) {
        m_parec.setStandardOutputFile(m_path);
        m_parec.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--device=") + monitor, QStringLiteral("--raw"),
                       QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRate),
                       QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
        return m_parec.waitForStarted();
    }
    // Seconds of sound recorded so far: the sink's own clock.
    double Seconds() const { return double(QFileInfo(m_path).size()) / kBytesPerSecond; }
    bool Running() const { return m_parec.state() == QProcess::Running; }
    void Stop() {
        if (m_parec.state() == QProcess::NotRunning) return;
        m_parec.terminate();
        m_parec.waitForFinished(10000);
    }
    QString Path() const { return m_path; }

  private:
    QString m_path;
    QProcess m_parec;
};

// What sox finds in a recording: the loudest sample (0..1) and the time from the first sound to the last.
struct Heard {
    double peak = 0;
    double seconds = 0;
};

QStringList rawInput(const QString& path) {
    return {QStringLiteral("-t"),
            QStringLiteral("raw"),
            QStringLiteral("-r"),
            QString::number(kRate),
            QStringLiteral("-e"),
            QStringLiteral("signed-integer"),
            QStringLiteral("-b"),
            QStringLiteral("16"),
            QStringLiteral("-c"),
            QStringLiteral("1"),
            path};
}

QString runSox(const QStringList& arguments) {
    QProcess sox;
    sox.setProcessChannelMode(QProcess::MergedChannels);
    sox.start(QStringLiteral("sox"), arguments);
    if (!sox.waitForFinished(60000) || sox.exitStatus() != QProcess::NormalExit || sox.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromLocal8Bit(sox.readAll());
    return QString::fromLocal8Bit(sox.readAll());
}

Heard analyse(const QString& path, QString* log) {
    Heard heard;
    const QString stat = runSox(rawInput(path) + QStringList{QStringLiteral("-n"), QStringLiteral("stat")});
    *log = stat;
    const QRegularExpressionMatch peak =
        QRegularExpression(QStringLiteral("Maximum amplitude:\\s+([0-9.]+)")).match(stat);
    if (peak.hasMatch()) heard.peak = peak.captured(1).toDouble();
    // Silence cut from both ends leaves the sounding span.
    const QString trimmed = path + QStringLiteral(".trimmed");
    const QStringList silence = {QStringLiteral("silence"), QStringLiteral("1"), QStringLiteral("0.002"),
                                 kSilence};
    *log +=
        runSox(rawInput(path) + QStringList{QStringLiteral("-t"), QStringLiteral("raw"), trimmed} + silence +
               QStringList{QStringLiteral("reverse")} + silence + QStringList{QStringLiteral("reverse")});
    heard.seconds = double(QFileInfo(trimmed).size()) / kBytesPerSecond;
    return heard;
}

}  // namespace

class TestSoundPlayback : public QObject {
    Q_OBJECT
    QString m_monitor;
    QTemporaryDir m_dir;
    std::unique_ptr<frame::SoundCues> m_cues;
    std::unique_ptr<Recording> m_recording;

    // Starts recording and returns once the monitor's samples reach the file.
    void startRecording() {
        m_recording = std::make_unique<Recording>(
            m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QLatin1Char('-') +
                           QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".raw")));
        QVERIFY2(m_recording->Start(m_monitor), "parec does not start");
        QTRY_VERIFY_WITH_TIMEOUT(m_recording->Seconds() > 0.05, 10000);
    }
    // Records on until the sink has played `seconds` more, then stops.
    void recordFor(double seconds) {
        const double until = m_recording->Seconds() + seconds;
        QTRY_VERIFY_WITH_TIMEOUT(m_recording->Seconds() >= until || !m_recording->Running(),
                                 int(seconds * 1000) + 10000);
        QVERIFY2(m_recording->Running(), "parec ended early");
        m_recording->Stop();
    }
    Heard heard() {
        QString log;
        const Heard h = analyse(m_recording->Path(), &log);
        qInfo("peak %.3f, sounding %.3f s", h.peak, h.seconds);
        if (log.contains(QStringLiteral("failed:"))) qWarning("%s", qPrintable(log));
        return h;
    }

  private slots:
    void initTestCase() {
        m_monitor = qEnvironmentVariable("ARCADE_PULSE_MONITOR");
        if (m_monitor.isEmpty())
            QSKIP("No null sink to record: run the test through tools/pulseaudio.sh, which starts one.");
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty(),
                 "sox is not installed (Debian: sox)");
        QVERIFY(m_dir.isValid());
        QVERIFY2(frame::SoundCues::HasOutputDevice(), "the null sink is no audio output to QtMultimedia");
        // The program's own playback: QtCueBackend.
        m_cues = std::make_unique<frame::SoundCues>(Program::Zephlon);
    }
    void cleanup() { m_recording.reset(); }

    // A cue is heard for about the length of its sound.
    void cueSoundsForItsLength_data() {
        QTest::addColumn<Cue>("cue");
        QTest::addColumn<double>("seconds");
        QTest::newRow("touch-down") << Cue::TouchDown << 0.007;
        QTest::newRow("laser") << Cue::Laser << 0.48;
        QTest::newRow("double laser") << Cue::DoubleLaser << 0.58;
        QTest::newRow("bomb") << Cue::Bomb << 0.99;
        QTest::newRow("level done") << Cue::LevelDone << 0.64;
    }
    void cueSoundsForItsLength() {
        QFETCH(Cue, cue);
        QFETCH(double, seconds);
        startRecording();
        if (QTest::currentTestFailed()) return;
        m_cues->PlaySoundCue(cue);
        recordFor(seconds + 0.6);
        if (QTest::currentTestFailed()) return;
        const Heard h = heard();
        QVERIFY2(h.peak > 0.05, qPrintable(QString::number(h.peak)));
        // The tail is quiet but heard: an output stopped as soon as its data is handed over loses the last
        // 0.15 s of every sound, and the click altogether.
        QVERIFY2(qAbs(h.seconds - seconds) <= 0.06, qPrintable(QString::number(h.seconds)));
    }

    // A cue requested while another still sounds cuts it off: the sound ends with the second cue, not
    // after both, and not with the longer one.
    void newCueCutsTheSoundingOneOff() {
        startRecording();
        if (QTest::currentTestFailed()) return;
        const double first = m_recording->Seconds();
        m_cues->PlaySoundCue(Cue::Bomb);  // 0.99 s
        QTRY_VERIFY_WITH_TIMEOUT(m_recording->Seconds() >= first + 0.2, 10000);
        // The delay as the sink counts it.
        const double delay = m_recording->Seconds() - first;
        m_cues->PlaySoundCue(Cue::Laser);  // 0.48 s
        recordFor(1.6);
        if (QTest::currentTestFailed()) return;
        const Heard h = heard();
        QVERIFY2(h.peak > 0.05, qPrintable(QString::number(h.peak)));
        // Not cut off, the bomb would sound on to 0.99 s (or to 1.47 s, the laser waiting for it).
        QVERIFY2(qAbs(h.seconds - (delay + 0.48)) <= 0.1,
                 qPrintable(QStringLiteral("%1 s after a delay of %2 s").arg(h.seconds).arg(delay)));
    }

    // Sound off: nothing reaches the sink.
    void soundOffIsSilent() {
        startRecording();
        if (QTest::currentTestFailed()) return;
        m_cues->SetSoundOn(false);
        m_cues->PlaySoundCue(Cue::Bomb);
        m_cues->SetSoundOn(true);
        recordFor(0.8);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(heard().peak, 0.0);
    }
};

ARCADE_TEST_GUILESS_MAIN(TestSoundPlayback)
#include "tst_soundplayback.moc"
