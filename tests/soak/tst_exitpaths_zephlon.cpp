// SPDX-License-Identifier: GPL-3.0-or-later
// Zephlon: a high-score name still being typed is kept whichever way the run goes on, and the next start
// reads it back from the file this run wrote.
#include <QtTest>
#include <memory>

#include "exitpaths.h"
#include "frame/soundcues.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "zephlon/formzephlon.h"

using exitpaths::Path;

namespace {

const QDateTime kNow = scores::HighScoreTable::ParseDate(QStringLiteral("2026-12-10T01:02:03"));

std::unique_ptr<FormZephlon> MakeWindow() {
    auto w = std::make_unique<FormZephlon>(nullptr, frame::RandomSource([] { return 0.25; }),
                                           std::make_unique<frame::SilentCueBackend>());
    w->SetAsker([](const QString& question) {
        qFatal("unexpected question: %s", qPrintable(question));
        return false;
    });
    w->Scores().hooks.now = [] { return kNow; };
    return w;
}

}  // namespace

class TestExitPathsZephlon : public QObject {
    Q_OBJECT

  private slots:
    void typedNameIsStored_data() { exitpaths::AddPathRows(); }
    void typedNameIsStored() {
        QFETCH(Path, path);
        testsupport::TempSettings config;
        {
            auto w = MakeWindow();
            w->show();
            // A Puzzle game ends with 5000 points: first place of the Puzzle list, record 11.
            w->MenuPuzzle->trigger();
            zephlon::ZephlonEngine& e = w->Engine();
            e.SetScore(5000);
            e.SetGameStartLevel(1);
            e.SetLevel(3);
            e.gameOver();
            w->TimerGameOver_Timer();
            scores::FormTopTen& d = w->Scores().Dialog();
            exitpaths::TypeName(d);
            exitpaths::EndRun(*w, path, w->Exit, [&] {
                w->StartOriginal->trigger();
                QVERIFY(e.Context().GameRunning());
                QCOMPARE(w->Scores().Table().Record(1, 1).Name, exitpaths::kName);
            });
            if (QTest::currentTestFailed()) return;
        }
        exitpaths::CheckStoreFile(config.Path(), frame::Program::Zephlon, 11);
        auto next = MakeWindow();
        exitpaths::CheckReadBack(next->Scores().Table(), 1, 5000, kNow);
        QCOMPARE(next->Scores().Table().Record(1, 1).EndLevel, int16_t{3});
    }
};

ARCADE_TEST_MAIN(TestExitPathsZephlon)
#include "tst_exitpaths_zephlon.moc"
