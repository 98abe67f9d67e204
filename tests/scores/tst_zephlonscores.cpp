// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "frame/settingsstore.h"
#include "frame/soundcues.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "zephlon/formzephlon.h"

using scores::HighScoreTable;

namespace {

const QDateTime kNow = HighScoreTable::ParseDate(QStringLiteral("2026-12-10T01:02:03"));

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

// An Original game that ended with `score` points, started at level 2 and ended at level 4.
void EndOriginalGame(FormZephlon& w, int32_t score) {
    w.MenuOriginal->trigger();
    zephlon::ZephlonEngine& e = w.Engine();
    e.SetScore(score);
    e.SetGameStartLevel(2);
    e.SetLevel(4);
    e.gameOver();
    w.TimerGameOver_Timer();
}

}  // namespace

// The Zephlon window's game over: the name entry, its commit paths, and the record after a restart.
class TestZephlonScores : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void init() { m_settings.Reset(); }

    void gameOverNameSurvivesRestart_data() {
        QTest::addColumn<bool>("closeWindow");  // commit by closing the main window instead of Enter
        QTest::newRow("enter") << false;
        QTest::newRow("window closed while typing") << true;
    }
    void gameOverNameSurvivesRestart() {
        QFETCH(bool, closeWindow);
        {
            auto w = MakeWindow();
            w->show();
            EndOriginalGame(*w, 85);
            scores::FormTopTen& d = w->Scores().Dialog();
            QVERIFY(d.isVisible());
            QVERIFY(d.isModal());
            QCOMPARE(d.LabelGameMode->text(), QStringLiteral("Original Game TOP 10"));
            QVERIFY(d.TextInput->isVisible());
            QCOMPARE(d.TextInput->geometry(), d.LabelName[2]->geometry());
            QCOMPARE(w->LabelHiScore->text(), QStringLiteral("100"));
            QTest::keyClicks(d.TextInput, QStringLiteral("Ada"));
            if (closeWindow) {
                QVERIFY(w->close());
            } else {
                QTest::keyClick(d.TextInput, Qt::Key_Return);
                const scores::HighScoreRecord& r = w->Scores().Table().Record(0, 3);
                QCOMPARE(r.Name, QStringLiteral("Ada"));
                QCOMPARE(r.ChkSum, w->Scores().Table().RecordChkSum(3));
                QVERIFY(r.ChkSum != 0);
                d.Command1->click();
                QVERIFY(!d.isVisible());
                QVERIFY(w->close());
            }
        }
        auto restarted = MakeWindow();
        const scores::HighScoreTable& table = restarted->Scores().Table();
        QCOMPARE(table.DroppedCount(0), 0);
        QCOMPARE(table.Record(0, 3).Name, QStringLiteral("Ada"));
        QCOMPARE(table.Record(0, 3).Score, 85);
        QCOMPARE(table.Record(0, 3).StartLevel, int16_t{2});
        QCOMPARE(table.Record(0, 3).EndLevel, int16_t{4});
        QCOMPARE(table.Record(0, 3).Date, kNow);
        QCOMPARE(table.Record(1, 3).Score, 80);  // the Puzzle list is untouched
        restarted->TopTen->trigger();
        QCOMPARE(restarted->Scores().Dialog().LabelName[2]->text(), QStringLiteral("Ada"));
    }

    // A game that ends with nothing, or below the list, opens no dialog and changes no record.
    void noEntryNoDialog_data() {
        QTest::addColumn<int>("score");
        QTest::newRow("zero") << 0;
        QTest::newRow("below the list") << 10;
    }
    void noEntryNoDialog() {
        QFETCH(int, score);
        auto w = MakeWindow();
        w->show();
        EndOriginalGame(*w, score);
        QVERIFY(!w->Scores().Dialog().isVisible());
        QCOMPARE(w->Scores().CurrentPosition(), int16_t{0});
        QCOMPARE(w->Scores().Table().Record(0, 10).Score, 10);
    }
};

ARCADE_TEST_MAIN(TestZephlonScores)
#include "tst_zephlonscores.moc"
