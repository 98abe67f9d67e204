// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QMenuBar>
#include <QtTest>
#include <memory>

#include "frame/options.h"
#include "frame/settingsstore.h"
#include "quadrelle/formplunko.h"
#include "scores/highscores.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

using namespace quadrelle;

namespace {

// A window with every question answered No and the bar as every piece, shown and active so its
// clock ticks reach the game. Unless asked for, the offer to upload a named entry is off, so no
// prompt opens in the tests.
std::unique_ptr<FormPlunko> openWindow(bool active = true, bool autoUpload = false) {
    auto w = std::make_unique<FormPlunko>();
    w->SetAsker([](const QString&, const QString&) { return false; });
    w->SetRandomSource([] { return 0.0; });
    if (!autoUpload && w->AutoUpload->isChecked()) w->AutoUpload->trigger();
    if (active) {
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
    }
    return w;
}

QStringList captions(const QMenu* menu, const QString& indent = QString()) {
    QStringList out;
    for (const QAction* a : menu->actions()) {
        out << indent + a->text();
        if (a->menu()) out << captions(a->menu(), indent + QStringLiteral("  "));
    }
    return out;
}

// Ends the running game with `score` points: the next piece finds a square in its way.
void endGame(FormPlunko& w, int16_t score) {
    w.Start_Click();
    w.Game().AddScore(score);
    w.Game().SetCell(5, 1, true, 3);
    w.Timer1_Timer();
}

}  // namespace

class TestQuadrelleWindow : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void init() { m_settings.Reset(); }

    void menusAndProperties() {
        auto w = openWindow(false, true);
        QStringList all;
        for (const QAction* top : w->menuBar()->actions())
            all << top->text() << captions(top->menu(), "  ");
        const QStringList expected = {"&Game",
                                      "  &Start",
                                      "  &Pause",
                                      "  &Exit",
                                      "&Options",
                                      "  Start &Level",
                                      "    &1 - Baby",
                                      "    &2 - Little fella",
                                      "    &3 - Big child",
                                      "    &4 - It's easy",
                                      "    &5 - Never mind",
                                      "    &6 - I'm powerful",
                                      "    &7 - Insanity coming",
                                      "    &8 - So what?",
                                      "    &9 - Madness",
                                      "    10 - &Sanitarium",
                                      "  &Sound",
                                      "  &AutoUpload",
                                      "  &Controls...",
                                      "&Highscores",
                                      "  &Local Highscores...",
                                      "  &Clear Highscores",
                                      "  &Upload Highscores...",
                                      "  &Global Highscores...",
                                      "&Help",
                                      "  &About",
                                      "  &Instructions"};
        QCOMPARE(all, expected);

        // A first run: start level 1, auto upload on, the default table's best score.
        QVERIFY(w->MenuLevel[0]->isChecked());
        QVERIFY(w->AutoUpload->isChecked());
        QCOMPARE(w->LabelHiScore->text(), QStringLiteral("100"));
        QCOMPARE(w->property("CurrentVersion").toString(), QStringLiteral("1.2"));
        QCOMPARE(w->property("WebServer").toString(), frame::DefaultWebServer(frame::Program::Quadrelle));
        QCOMPARE(w->property("CurrentPosition").toInt(), 0);
#ifdef TEST_BUILT_WITH_WEBENGINE
        QVERIFY(w->Explorer4Present());
#else
        QVERIFY(!w->Explorer4Present());
#endif
        // The browser is only probed for: no browser widget exists before the global lists open.
        for (const QObject* o : w->findChildren<QObject*>())
            QVERIFY(!QByteArray(o->metaObject()->className()).contains("WebEngine"));
        if (!frame::SoundCues::HasOutputDevice()) {
            QVERIFY(!w->MenuSound->isEnabled());
            QVERIFY(!w->MenuSound->isChecked());
        }
        // The property sets the flag alone.
        w->setProperty("paused", true);
        QVERIFY(w->Game().Paused());
        QVERIFY(!w->MenuPause->isChecked());
        QVERIFY(!w->LabelMessage->isVisible());
    }

    void clearHighscoresAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes clears") << true;
        QTest::newRow("No keeps") << false;
    }
    void clearHighscoresAsksFirst() {
        QFETCH(bool, yes);
        auto w = openWindow();
        endGame(*w, 500);
        w->TimerGameOver_Timer();
        w->HighScores().Form_Enter();
        QString title, question;
        w->SetAsker([&](const QString& t, const QString& q) {
            title = t;
            question = q;
            return yes;
        });
        w->ClearHighscores->trigger();
        QCOMPARE(title, QStringLiteral("Quadrelle"));
        QCOMPARE(question, QStringLiteral("Are you sure you want to clear the local highscore list?"));
        QCOMPARE(w->HighScores().Table().Record(0, 1).Score, yes ? 100 : 500);
        w->HighScores().Dialog().hide();
    }

    void clockTicksOnlyWhileTheWindowIsActive() {
        auto w = openWindow(false);
        QCOMPARE(w->Timer1->timerType(), Qt::PreciseTimer);
        QVERIFY(!w->Timer1->isActive());
        w->Start_Click();
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 385);
        w->Timer1_Timer();
        QCOMPARE(w->Game().State(), GameState::Spawn);

        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->Timer1_Timer();
        QCOMPARE(w->Game().State(), GameState::Falling);
    }

    void tickDuringTheNewGameQuestionDoesNothing() {
        auto w = openWindow();
        w->Start_Click();
        w->Timer1_Timer();
        QString title, question;
        int16_t yDuringQuestion = 0;
        w->SetAsker([&](const QString& t, const QString& q) {
            title = t;
            question = q;
            w->Timer1_Timer();
            w->Timer1_Timer();
            yDuringQuestion = w->Game().FallingPosition().y;
            return false;
        });
        QTest::keyClick(w.get(), Qt::Key_Return);
        QCOMPARE(title, QStringLiteral("Quadrelle"));
        QCOMPARE(question, QStringLiteral("Are you sure you want to start a new game"));
        QCOMPARE(yDuringQuestion, 1);
        QCOMPARE(w->Game().State(), GameState::Falling);
        w->Timer1_Timer();
        QCOMPARE(w->Game().FallingPosition().y, 2);
        // "&Start" during a game does nothing, without a question.
        title.clear();
        w->Start->trigger();
        QVERIFY(title.isEmpty());
        QCOMPARE(w->Game().FallingPosition().y, 2);
    }

    void pauseStopsTheClock() {
        auto w = openWindow();
        w->Start_Click();
        w->Timer1_Timer();
        w->MenuPause->trigger();
        QVERIFY(w->MenuPause->isChecked());
        QVERIFY(!w->Timer1->isActive());
        QCOMPARE(w->LabelMessage->text(), QStringLiteral("Paused"));
        QVERIFY(w->LabelMessage->isVisible());
        QTest::keyClick(w.get(), Qt::Key_Left);
        QCOMPARE(w->Game().FallingPosition().x, 5);
        w->MenuPause->trigger();
        QVERIFY(w->Timer1->isActive());
        QVERIFY(!w->LabelMessage->isVisible());
        QTest::keyClick(w.get(), Qt::Key_Left);
        QCOMPARE(w->Game().FallingPosition().x, 4);
    }

    void optionsSurviveARestart() {
        {
            auto w = openWindow(false, true);
            w->Start_Click();
            w->MenuLevel[4]->trigger();
            QVERIFY(w->MenuLevel[4]->isChecked());
            QVERIFY(!w->MenuLevel[0]->isChecked());
            QCOMPARE(w->Game().Level(), 1);  // the running game keeps its level
            w->AutoUpload->trigger();
            w->resize(500, 700);
            QVERIFY(w->close());
        }
        auto w = openWindow(false, true);
        QVERIFY(w->MenuLevel[4]->isChecked());
        QVERIFY(!w->AutoUpload->isChecked());
        QCOMPARE(w->size(), QSize(500, 700));
        w->Start_Click();
        QCOMPARE(w->Game().Level(), 5);
        QCOMPARE(w->Timer1->interval(), 200);
    }

    void gameOverLeadsToTheNameEntry() {
        {
            auto w = openWindow();
            endGame(*w, 500);
            QCOMPARE(w->Game().State(), GameState::Stopped);
            QCOMPARE(w->LabelMessage->text(), QStringLiteral("Game Over"));
            QVERIFY(!w->Timer1->isActive());
            QVERIFY(w->TimerGameOver->isActive());
            QCOMPARE(w->TimerGameOver->interval(), 1000);
            w->TimerGameOver_Timer();
            QCOMPARE(w->CurrentPosition(), 1);
            QVERIFY(w->HighScores().IsShowing());
            QVERIFY(w->HighScores().Dialog().TextInput->isVisible());
            QCOMPARE(w->LabelHiScore->text(), QStringLiteral("500"));
            w->HighScores().Dialog().TextInput->setText(QStringLiteral("Ann"));
            w->HighScores().Form_Enter();
            QCOMPARE(w->CurrentPosition(), 0);
            QVERIFY(w->close());
        }
        auto w = openWindow(false);
        QCOMPARE(w->HighScores().Table().Record(0, 1).Name, QStringLiteral("Ann"));
        QCOMPARE(w->HighScores().Table().Record(0, 1).Score, 500);
        QCOMPARE(w->LabelHiScore->text(), QStringLiteral("500"));
    }

    // Enter pressed within the second after "Game Over" must not wipe the score still to be offered.
    void newGameRightAfterGameOverOffersTheScoreFirst_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("nameEntry");
        QTest::newRow("qualifying score") << 500 << true;
        QTest::newRow("score too low") << 5 << false;
    }
    void newGameRightAfterGameOverOffersTheScoreFirst() {
        QFETCH(int, score);
        QFETCH(bool, nameEntry);
        auto w = openWindow();
        endGame(*w, static_cast<int16_t>(score));
        QTest::keyClick(w.get(), Qt::Key_Return);
        QVERIFY(!w->TimerGameOver->isActive());
        QCOMPARE(w->CurrentPosition() > 0, nameEntry);
        QCOMPARE(w->Game().State(), nameEntry ? GameState::Stopped : GameState::Spawn);
        w->HighScores().Form_Enter();
    }

    // A new game takes down the message left over the well: "Game Over" of the last game, or "Paused".
    void newGameClearsTheMessage_data() {
        QTest::addColumn<QString>("message");
        QTest::newRow("after a game") << "Game Over";
        QTest::newRow("paused before the first game") << "Paused";
    }
    void newGameClearsTheMessage() {
        QFETCH(QString, message);
        auto w = openWindow();
        if (message == u"Game Over") {
            endGame(*w, 5);  // too low for the table: no name entry holds the new game back
            w->TimerGameOver_Timer();
        } else {
            w->SetPaused(true);
        }
        QCOMPARE(w->LabelMessage->text(), message);
        w->Start_Click();
        QCOMPARE(w->Game().State(), GameState::Spawn);
        QVERIFY(w->LabelMessage->text().isEmpty());
        QVERIFY(!w->LabelMessage->isVisible());
    }

    void newGameWhilePausedPlays() {
        auto w = openWindow();
        w->SetPaused(true);
        w->Start_Click();
        QVERIFY(!w->MenuPause->isChecked());
        QVERIFY(w->Timer1->isActive());
        w->Timer1_Timer();
        QTest::keyClick(w.get(), Qt::Key_Left);
        QCOMPARE(w->Game().FallingPosition().x, 4);
    }

    // A resize during a game draws board, preview and falling piece again; after "Game Over" only the board.
    void resizeRedrawsWhatIsInPlay() {
        auto w = openWindow();
        // Below the window's minimum, as a tiling window manager may still force it.
        w->setMinimumSize(0, 0);
        w->resize(250, 330);
        QTRY_VERIFY(w->CellSize() > 0 && w->CellSize() < 16);
        w->Start_Click();
        w->Timer1_Timer();
        const QColor barBody(178, 0, 0);
        QCOMPARE(w->PictureNext->Pixel(61, 7 + 5), kPanelGrey);  // beyond the bar's small cells
        w->resize(420, 600);
        QTRY_COMPARE(w->PictureBg->width(), w->CellSize() * 10);
        const int s = w->CellSize();
        QCOMPARE(w->PictureBg->Pixel(4 * s + s / 2, s / 2), barBody);  // cell (5, 1)
        QCOMPARE(w->PictureNext->Pixel(61, 7 + 5), barBody);           // the preview's cells grew to 16
        w->Game().SetState(GameState::Spawn);
        w->Game().SetCell(5, 1, true, 3);
        w->Timer1_Timer();
        QCOMPARE(w->Game().State(), GameState::Stopped);
        w->resize(380, 540);
        QTRY_COMPARE(w->PictureBg->width(), w->CellSize() * 10);
        for (int x = 0; x < w->PictureNext->Width(); x += 4)
            QCOMPARE(w->PictureNext->Pixel(x, 7 + 8), kPanelGrey);
        w->TimerGameOver->stop();
    }

    void tinyWindowStillRuns() {
        auto w = openWindow();
        w->setMinimumSize(0, 0);
        w->resize(90, 90);
        QTRY_COMPARE(w->CellSize(), 0);
        w->Start_Click();
        for (int i = 0; i < 30; ++i)
            w->Timer1_Timer();
        QTest::keyClick(w.get(), Qt::Key_Insert);
        QCOMPARE(w->Game().State(), GameState::Falling);
        w->resize(380, 540);
        QTRY_VERIFY(w->CellSize() > 0);
        QVERIFY(w->PictureBg->isVisible());
    }
};

ARCADE_TEST_MAIN(TestQuadrelleWindow)
#include "tst_quadrelle_window.moc"
