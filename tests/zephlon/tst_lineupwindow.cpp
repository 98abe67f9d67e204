// SPDX-License-Identifier: GPL-3.0-or-later
// A puzzle level won in the main window: the start-level menu, the message and Enter for the next level.

#include <QAction>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "boardpicture.h"
#include "frame/settingsstore.h"
#include "frame/soundcues.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "support/zephlonkit.h"
#include "zephlon/formzephlon.h"

using namespace zephlon;
using zephlon_test::SetOption;

namespace {

std::unique_ptr<FormZephlon> MakeWindow() {
    auto w = std::make_unique<FormZephlon>(nullptr, boardpicture::SeededSource(11),
                                           std::make_unique<frame::SilentCueBackend>());
    w->SetAsker([](const QString&) { return true; });
    return w;
}

int RunUntil(ZephlonEngine& e, GameState state, int limit = 500) {
    for (int ticks = 0; ticks < limit; ++ticks) {
        if (e.Context().gameState == state) return ticks;
        e.TimerHandler();
    }
    return -1;
}

}  // namespace

class TestLineUpWindow : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void init() { m_settings.Reset(); }

    void completingLevel3EnablesStartLevel4() {
        auto w = MakeWindow();
        ZephlonEngine& e = w->Engine();
        w->MenuPuzzle->trigger();
        SetOption(e, &ZephlonOptions::maxLevelPuzzle, 3);
        w->MenuLevel_Click(3);
        QVERIFY(w->MenuLevel[2]->isEnabled());
        QVERIFY(!w->MenuLevel[3]->isEnabled());

        e.NewGame(0, false);
        QVERIFY(RunUntil(e, GameState::WaitStart) > 0);
        QTest::keyClick(w.get(), Qt::Key_Return);
        e.TimerHandler();
        QCOMPARE(e.Context().gameState, GameState::Falling);

        // The block in flight completes a run over the blinking block.
        e.SetBoard(boardpicture::Board("..1.1.."));
        e.SetBlinkCell(3, 10);
        e.SetFallingBlock(3, 4, 10);
        e.StepDown();
        QVERIFY(RunUntil(e, GameState::LevelDone) > 0);
        QCOMPARE(w->LabelMessage->text(), QString("Level Completed\n\n\nPress Enter"));  // shown line breaks
        QVERIFY(w->MenuLevel[3]->isEnabled());
        QVERIFY(!w->MenuLevel[4]->isEnabled());
        QVERIFY(!w->TimerBlinkBlock->isActive());

        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(e.Context().gameState, GameState::Garbage);
        QCOMPARE(w->LabelLevel->text(), QString("4"));
        QCOMPARE(w->Options().MaxLevelPuzzle, int16_t{4});
    }
};

ARCADE_TEST_MAIN(TestLineUpWindow)
#include "tst_lineupwindow.moc"
