// SPDX-License-Identifier: GPL-3.0-or-later
// Vantorel: a high-score name still being typed is kept whichever way the run goes on, and the next start
// reads it back from the file this run wrote.
#include <QtTest>
#include <memory>

#include "exitpaths.h"
#include "frame/soundcues.h"
#include "scores/highscores.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "vantorel/formplunko.h"

using exitpaths::Path;
using vantorel::FormPlunko;

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(1, 2, 3));

std::unique_ptr<FormPlunko> MakeWindow() {
    vantorel::FormPlunkoHooks hooks;
    hooks.random = [] { return 0.3; };
    hooks.cueBackend = std::make_unique<frame::SilentCueBackend>();
    hooks.now = [] { return kNow; };
    return std::make_unique<FormPlunko>(std::move(hooks));
}

}  // namespace

class TestExitPathsVantorel : public QObject {
    Q_OBJECT

  private slots:
    void typedNameIsStored_data() { exitpaths::AddPathRows(); }
    void typedNameIsStored() {
        QFETCH(Path, path);
        testsupport::TempSettings config;
        {
            auto w = MakeWindow();
            w->show();
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            // The game ends with 5000 points when the first piece finds the top rows full.
            w->Start->trigger();
            w->game().SetScore(5000);
            for (int y = 1; y <= 3; ++y)
                for (int x = 1; x <= vantorel::kColumns; ++x)
                    w->game().pit().SetCell(x, y, vantorel::kSolid, vantorel::kBlue);
            w->Timer1_Timer();
            QCOMPARE(w->game().State(), vantorel::GameState::Stopped);
            scores::FormTopTen& d = w->highScores().Dialog();
            exitpaths::TypeName(d);
            exitpaths::EndRun(*w, path, w->Exit, [&] {
                w->Start->trigger();
                QCOMPARE(w->game().State(), vantorel::GameState::Spawn);
                QCOMPARE(w->highScores().Table().Record(0, 1).Name, exitpaths::kName);
            });
            if (QTest::currentTestFailed()) return;
        }
        exitpaths::CheckStoreFile(config.Path(), frame::Program::Vantorel, 1);
        auto next = MakeWindow();
        exitpaths::CheckReadBack(next->highScores().Table(), 0, 5000, kNow);
    }
};

ARCADE_TEST_MAIN(TestExitPathsVantorel)
#include "tst_exitpaths_vantorel.moc"
