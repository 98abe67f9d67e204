// A puzzle level won in the main window: the start-level menu, the message and Enter for the next level.

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "boardpicture.h"
#include "frame/settingsstore.h"
#include "frame/soundcues.h"
#include "zephlon/formzephlon.h"

using namespace zephlon;

namespace {

class SeededRandom : public RandomSource {
  public:
    double Next() override { return m_random(); }

  private:
    boardpicture::Random m_random{11};
};

std::unique_ptr<FormZephlon> MakeWindow() {
    auto w = std::make_unique<FormZephlon>(nullptr, std::make_unique<SeededRandom>(),
                                           std::make_unique<frame::SilentCueBackend>());
    w->SetAsker([](const QString&) { return true; });
    return w;
}

int RunUntil(ZephlonEngine& e, int32_t state, int limit = 500) {
    for (int ticks = 0; ticks < limit; ++ticks) {
        if (e.gameState == state) return ticks;
        e.TimerHandler();
    }
    return -1;
}

}  // namespace

class TestLineUpWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_config;

  private slots:
    void init() {
        m_config = std::make_unique<QTemporaryDir>();
        frame::SettingsStore::SetDefaultDirectory(m_config->path());
    }

    void completingLevel3EnablesStartLevel4() {
        auto w = MakeWindow();
        ZephlonEngine& e = w->Engine();
        w->MenuPuzzle->trigger();
        e.maxLevelPuzzle = 3;
        w->MenuLevel_Click(3);
        QVERIFY(w->MenuLevel[2]->isEnabled());
        QVERIFY(!w->MenuLevel[3]->isEnabled());

        e.NewGame(0, false);
        QVERIFY(RunUntil(e, kWaitStart) > 0);
        QTest::keyClick(w.get(), Qt::Key_Return);
        e.TimerHandler();
        QCOMPARE(e.gameState, int32_t{kFalling});

        // The block in flight completes a run over the blinking block.
        e.board = boardpicture::Board("..1.1..");
        e.blinkColumn = 3;
        e.fallingValue = 3;
        e.column = 4;
        e.row = 10;
        e.StepDown();
        QVERIFY(RunUntil(e, kLevelDone) > 0);
        QCOMPARE(w->LabelMessage->text(), QString("Level Completed\n\n\nPress Enter"));  // shown line breaks
        QVERIFY(w->MenuLevel[3]->isEnabled());
        QVERIFY(!w->MenuLevel[4]->isEnabled());
        QVERIFY(!w->TimerBlinkBlock->isActive());

        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(e.gameState, int32_t{kGarbage});
        QCOMPARE(w->LabelLevel->text(), QString("4"));
        w->SaveSettings();
        QCOMPARE(w->Options().MaxLevelPuzzle, int16_t{4});
    }
};

QTEST_MAIN(TestLineUpWindow)
#include "tst_lineupwindow.moc"
