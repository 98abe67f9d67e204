// SPDX-License-Identifier: GPL-3.0-or-later
// The sound entry of the three windows: its check mark is the sound switch and the close stores it. Without
// an audio output Zephlon and Quadrelle switch sound off for the run and disable the entry; Vantorel never
// asks. CTest runs this program twice: against a null sink of its own, and with no audio server at all
// (ARCADE_AUDIO_OUTPUT names which, so that a run cannot quietly test the other case).
#include <QtTest>

#include "frame/options.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

using frame::Program;
using testsupport::ProgramWindow;

class TestSoundSwitch : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;
    bool m_output = false;

  private slots:
    void initTestCase() {
        m_output = frame::SoundCues::HasOutputDevice();
        const QString expected = qEnvironmentVariable("ARCADE_AUDIO_OUTPUT");
        if (expected == QLatin1String("none")) QVERIFY2(!m_output, "an audio output where none should be");
        if (expected == QLatin1String("null-sink")) QVERIFY2(m_output, "the null sink is no audio output");
        qInfo("audio output: %s", m_output ? "yes" : "no");
    }
    void init() { m_settings.Reset(); }

    // A stored value (none: a first run), clicks on the entry, and the switch after them with an audio output
    // and without one; the close stores the switch.
    void entrySwitchesSoundAndTheCloseStoresIt_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("onWithOutput");
        QTest::addColumn<bool>("onWithout");
        QTest::addColumn<bool>("enabledWithout");
        const Program Z = Program::Zephlon, Q = Program::Quadrelle, V = Program::Vantorel;
        QTest::newRow("Zephlon first run") << Z << QString() << 0 << true << false << false;
        QTest::newRow("Zephlon Yes kept") << Z << QStringLiteral("Yes") << 0 << true << false << false;
        QTest::newRow("Zephlon No kept") << Z << QStringLiteral("No") << 0 << false << false << false;
        QTest::newRow("Zephlon Yes, one click") << Z << QStringLiteral("Yes") << 1 << false << false << false;
        QTest::newRow("Zephlon No, one click") << Z << QStringLiteral("No") << 1 << true << false << false;
        QTest::newRow("Zephlon Yes, two clicks") << Z << QStringLiteral("Yes") << 2 << true << false << false;
        QTest::newRow("Quadrelle Yes kept") << Q << QStringLiteral("Yes") << 0 << true << false << false;
        QTest::newRow("Quadrelle No, one click") << Q << QStringLiteral("No") << 1 << true << false << false;
        QTest::newRow("Vantorel first run") << V << QString() << 0 << true << true << true;
        QTest::newRow("Vantorel No, one click") << V << QStringLiteral("No") << 1 << true << true << true;
        QTest::newRow("Vantorel Yes, one click") << V << QStringLiteral("Yes") << 1 << false << false << true;
    }
    void entrySwitchesSoundAndTheCloseStoresIt() {
        QFETCH(Program, program);
        QFETCH(QString, stored);
        QFETCH(int, clicks);
        QFETCH(bool, onWithOutput);
        QFETCH(bool, onWithout);
        QFETCH(bool, enabledWithout);
        const bool on = m_output ? onWithOutput : onWithout;
        const bool enabled = m_output || enabledWithout;
        const QString key = QStringLiteral("Sound");
        if (!stored.isNull()) m_settings.StoreOf(program)->WriteSetting(frame::kOptionsSection, key, stored);
        {
            auto w = ProgramWindow::Open(program);
            QAction* entry = w->SoundAction();
            QCOMPARE(entry->isEnabled(), enabled);
            for (int i = 0; i < clicks; ++i) {
                const bool before = entry->isChecked();
                entry->trigger();  // a disabled entry takes no click
                QCOMPARE(entry->isChecked(), enabled ? !before : before);
                QCOMPARE(w->Cues().SoundOn(), entry->isChecked());
            }
            QCOMPARE(entry->isChecked(), on);
            QCOMPARE(w->Cues().SoundOn(), on);
            QVERIFY(w->Window().close());
        }
        QCOMPARE(m_settings.StoreOf(program)->ReadSetting(frame::kOptionsSection, key, QString()),
                 on ? QStringLiteral("Yes") : QStringLiteral("No"));
    }
};

ARCADE_TEST_MAIN(TestSoundSwitch)
#include "tst_soundswitch.moc"
