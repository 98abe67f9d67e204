// Vantorel: a high-score name still being typed is kept whichever way the run goes on, and the next start
// reads it back from the file this run wrote.
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "exitpaths.h"
#include "frame/soundcues.h"
#include "scores/highscores.h"
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
        QTemporaryDir config;
        frame::SettingsStore::SetDefaultDirectory(config.path());
        {
            auto w = MakeWindow();
            w->show();
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            // The game ends with 5000 points when the first piece finds the top rows full.
            w->Start->trigger();
            w->game().score = 5000;
            for (int y = 1; y <= 3; ++y)
                for (int x = 1; x <= vantorel::kColumns; ++x)
                    w->game().pit().SetCell(x, y, vantorel::kSolid, vantorel::kBlue);
            w->Timer1_Timer();
            QCOMPARE(w->game().state, vantorel::GameState::Stopped);
            scores::FormTopTen& d = w->highScores().Dialog();
            QVERIFY(d.TextInput->isVisible());
            exitpaths::TypeText(d.TextInput, exitpaths::kName);
            QCOMPARE(d.TextInput->text(), exitpaths::kName);
            switch (path) {
                case Path::CloseWindow:
                    QVERIFY(w->close());
                    break;
                case Path::ExitMenu:
                    w->Exit->trigger();
                    QVERIFY(!w->isVisible());
                    break;
                case Path::NewGame:
                    w->Start->trigger();
                    QCOMPARE(w->game().state, vantorel::GameState::Spawn);
                    QCOMPARE(w->highScores().Table().Record(0, 1).Name, exitpaths::kName);
                    QVERIFY(w->close());
                    break;
            }
        }
        exitpaths::CheckStoreFile(config.path(), frame::Program::Vantorel, 1);
        auto next = MakeWindow();
        const scores::HighScoreTable& t = next->highScores().Table();
        QCOMPARE(t.DroppedCount(0), int16_t{0});
        QCOMPARE(t.Record(0, 1).Name, exitpaths::kName);
        QCOMPARE(t.Record(0, 1).Score, 5000);
    }
};

QTEST_MAIN(TestExitPathsVantorel)
#include "tst_exitpaths_vantorel.moc"
