// SPDX-License-Identifier: GPL-3.0-or-later
// Quadrelle: a high-score name still being typed is kept whichever way the run goes on, and the next start
// reads it back from the file this run wrote.
#include <QtTest>
#include <memory>

#include "exitpaths.h"
#include "quadrelle/formplunko.h"
#include "scores/highscores.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

using exitpaths::Path;
using quadrelle::FormPlunko;

namespace {

const QDateTime kNow = scores::HighScoreTable::ParseDate(QStringLiteral("2026-12-10T01:02:03"));

std::unique_ptr<FormPlunko> MakeWindow() {
    auto w = std::make_unique<FormPlunko>();
    w->SetAsker([](const QString&, const QString& question) {
        qFatal("unexpected question: %s", qPrintable(question));
        return false;
    });
    w->SetRandomSource([] { return 0.0; });
    w->HighScores().hooks.now = [] { return kNow; };
    // No upload offer after the name is committed: its prompt would wait for an answer.
    if (w->AutoUpload->isChecked()) w->AutoUpload->trigger();
    return w;
}

}  // namespace

class TestExitPathsQuadrelle : public QObject {
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
            // The game ends with 5000 points when the next piece finds a square in its way.
            w->Start->trigger();
            w->Game().AddScore(5000);
            w->Game().SetCell(5, 1, true, 3);
            w->Timer1_Timer();
            QCOMPARE(w->Game().State(), quadrelle::GameState::Stopped);
            w->TimerGameOver_Timer();
            scores::FormTopTen& d = w->HighScores().Dialog();
            exitpaths::TypeName(d);
            exitpaths::EndRun(*w, path, w->Exit, [&] {
                w->Start->trigger();
                QCOMPARE(w->Game().State(), quadrelle::GameState::Spawn);
                QCOMPARE(w->HighScores().Table().Record(0, 1).Name, exitpaths::kName);
            });
            if (QTest::currentTestFailed()) return;
        }
        exitpaths::CheckStoreFile(config.Path(), frame::Program::Quadrelle, 1);
        auto next = MakeWindow();
        exitpaths::CheckReadBack(next->HighScores().Table(), 0, 5000, kNow);
    }
};

ARCADE_TEST_MAIN(TestExitPathsQuadrelle)
#include "tst_exitpaths_quadrelle.moc"
