// Quadrelle: a high-score name still being typed is kept whichever way the run goes on, and the next start
// reads it back from the file this run wrote.
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "exitpaths.h"
#include "quadrelle/formplunko.h"
#include "scores/highscores.h"

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
        QTemporaryDir config;
        frame::SettingsStore::SetDefaultDirectory(config.path());
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
            QCOMPARE(w->Game().State(), quadrelle::Stopped);
            w->TimerGameOver_Timer();
            scores::FormTopTen& d = w->HighScores().Dialog();
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
                    QCOMPARE(w->Game().State(), quadrelle::Spawn);
                    QCOMPARE(w->HighScores().Table().Record(0, 1).Name, exitpaths::kName);
                    QVERIFY(w->close());
                    break;
            }
        }
        exitpaths::CheckStoreFile(config.path(), frame::Program::Quadrelle, 1);
        auto next = MakeWindow();
        const scores::HighScoreTable& t = next->HighScores().Table();
        QCOMPARE(t.DroppedCount(0), int16_t{0});
        QCOMPARE(t.Record(0, 1).Name, exitpaths::kName);
        QCOMPARE(t.Record(0, 1).Score, 5000);
        QCOMPARE(t.Record(0, 1).Date, kNow);
    }
};

QTEST_MAIN(TestExitPathsQuadrelle)
#include "tst_exitpaths_quadrelle.moc"
