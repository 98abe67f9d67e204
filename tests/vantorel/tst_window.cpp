// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "frame/settingsstore.h"
#include "scores/highscores.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "vantorel/formplunko.h"

using namespace vantorel;

namespace {

struct RecordingBackend : frame::CueBackend {
    std::shared_ptr<std::vector<int>> played = std::make_shared<std::vector<int>>();
    void Play(int resource) override { played->push_back(resource); }
};

struct Window {
    std::shared_ptr<std::vector<int>> played;
    std::unique_ptr<FormPlunko> form;

    Window() {
        auto backend = std::make_unique<RecordingBackend>();
        played = backend->played;
        FormPlunkoHooks hooks;
        hooks.random = [] { return 0.3; };
        hooks.cueBackend = std::move(backend);
        hooks.now = [] { return QDateTime(QDate(2026, 12, 1), QTime(12, 0, 0)); };
        form = std::make_unique<FormPlunko>(std::move(hooks));
    }
    FormPlunko* operator->() const { return form.get(); }
    bool ShowActive() const {
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }
};

void FillTopRows(Pit& pit) {
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= kColumns; ++x)
            pit.SetCell(x, y, kSolid, kBlue);
}

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void init() { m_settings.Reset(); }

    void menuCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const char* const rows[][2] = {
            {"MenuGame", "&Game"},
            {"Start", "&Start"},
            {"MenuPause", "&Pause"},
            {"Exit", "&Exit"},
            {"Options", "&Options"},
            {"StartLevel", "Start &Level"},
            {"MenuLevel1", "&1 - Baby"},
            {"MenuLevel2", "&2 - Little fella"},
            {"MenuLevel3", "&3 - Big child"},
            {"MenuLevel4", "&4 - It's easy"},
            {"MenuLevel5", "&5 - Never mind"},
            {"MenuLevel6", "&6 - I'm powerful"},
            {"MenuLevel7", "&7 - Insanity coming"},
            {"MenuLevel8", "&8 - So what?"},
            {"MenuLevel9", "&9 - Madness"},
            {"MenuLevel10", "10 - &Sanitarium"},
            {"MenuSound", "&Sound"},
            {"highscores", "&Highscores"},
            {"TopTen", "&Top10"},
            {"UploadBestScore", "&Upload Highscore"},
            {"globalhighscores", "&Global Top100"},
            {"menuhelp", "&Help"},
            {"menuAbout", "&About"},
            {"help", "&Instructions"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << QString(r[0]) << QString(r[1]);
    }
    // Every entry and every menu title, found by its control name.
    void menuCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Window w;
        if (auto* menu = w->findChild<QMenu*>(name)) {
            QCOMPARE(menu->title(), caption);
            return;
        }
        QAction* action = w->findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
    }

    // A first run: waiting in Idle with the clock at 688 ms, sound on, level 1, the default best score.
    void startUp() {
        Window w;
        QCOMPARE(w->windowTitle(), QStringLiteral("Vantorel"));
        QCOMPARE(w->game().State(), GameState::Idle);
        QVERIFY(w->Timer1->isActive());
        QCOMPARE(w->Timer1->interval(), 688);
        QVERIFY(w->MenuSound->isChecked());
        QVERIFY(w->MenuLevel[0]->isChecked());
        QVERIFY(!w->LabelMessage->isVisible());
        QCOMPARE(w->LabelHiScore->text(), QStringLiteral("100"));
        QVERIFY(w->MenuSound->isEnabled());
    }

    // A stored start level of 7 is checked at start-up; Enter on the pit starts a game at level 7 with
    // a 187 ms tick. The level menu changes only the next game.
    void storedStartLevel() {
        {
            frame::SettingsStore store(QStringLiteral("Vantorel"));
            store.WriteSetting(frame::kOptionsSection, QStringLiteral("StartLevel"), QStringLiteral("7"));
        }
        Window w;
        QVERIFY(w->MenuLevel[6]->isChecked());
        QVERIFY(!w->MenuLevel[0]->isChecked());
        QVERIFY(w.ShowActive());
        QTest::keyClick(w->PictureBg, Qt::Key_Return);
        QCOMPARE(w->game().State(), GameState::Spawn);
        QCOMPARE(w->game().Level(), 7);
        QCOMPARE(w->Timer1->interval(), 187);
        QCOMPARE(w->LabelLevel->text(), QStringLiteral("7"));
        w->MenuLevel[1]->trigger();
        QCOMPARE(w->game().Level(), 7);
        QVERIFY(w->MenuLevel[1]->isChecked());
        QVERIFY(!w->MenuLevel[6]->isChecked());
        QTest::keyClick(w->PictureBg, Qt::Key_Enter);
        QCOMPARE(w->game().Level(), 2);
    }

    // Ticks advance the game only while the main window is the active window; in Idle they do nothing.
    void ticksOnlyWhileActive() {
        Window w;
        QVERIFY(w.ShowActive());
        w->Timer1_Timer();
        QCOMPARE(w->game().State(), GameState::Idle);
        w->Start->trigger();
        QCOMPARE(w->game().State(), GameState::Spawn);

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        w->Timer1_Timer();
        QCOMPARE(w->game().State(), GameState::Spawn);

        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w->Timer1_Timer();
        QCOMPARE(w->game().State(), GameState::Falling);
    }

    // Pausing stops the clock and shows "Paused"; the arrow keys still move the piece.
    void pauseKeepsKeys() {
        Window w;
        QVERIFY(w.ShowActive());
        QTest::keyClick(w->PictureBg, Qt::Key_Return);
        w->Timer1_Timer();
        w->MenuPause->trigger();
        QVERIFY(!w->Timer1->isActive());
        QVERIFY(w->MenuPause->isChecked());
        QCOMPARE(w->LabelMessage->text(), QStringLiteral("Paused"));
        const int16_t x = w->game().pit().fallingPosition.x;
        QTest::keyClick(w->PictureBg, Qt::Key_Left);
        QCOMPARE(w->game().pit().fallingPosition.x, x - 1);
        w->MenuPause->trigger();
        QVERIFY(w->Timer1->isActive());
        QVERIFY(!w->LabelMessage->isVisible());
    }

    // A qualifying game over opens the name entry at once with the clock still running; closing the
    // window commits the name typed so far and writes options, scores and window size.
    void gameOverNameEntryAndClose() {
        {
            Window w;
            QVERIFY(w.ShowActive());
            w->MenuSound->trigger();
            w->MenuLevel[2]->trigger();
            QTest::keyClick(w->PictureBg, Qt::Key_Return);
            w->game().SetScore(500);
            FillTopRows(w->game().pit());
            w->Timer1_Timer();
            QCOMPARE(w->game().State(), GameState::Stopped);
            QCOMPARE(w->LabelMessage->text(), QStringLiteral("Game Over"));
            QVERIFY(w->Timer1->isActive());
            QCOMPARE(w->LabelHiScore->text(), QStringLiteral("500"));
            QCOMPARE(w->highScores().CurrentPosition(), 1);
            auto& dialog = w->highScores().Dialog();
            QVERIFY(dialog.isVisible());
            QVERIFY(dialog.TextInput->isVisible());
            dialog.TextInput->setText(QStringLiteral("Ann"));
            QVERIFY(w->close());
        }
        frame::SettingsStore store(QStringLiteral("Vantorel"));
        QCOMPARE(store.ReadSetting(frame::kScoresSection, QStringLiteral("1Name"), {}),
                 QStringLiteral("Ann"));
        QCOMPARE(store.ReadSetting(frame::kScoresSection, QStringLiteral("1Score"), {}),
                 QStringLiteral("500"));
        QCOMPARE(store.ReadSetting(frame::kScoresSection, QStringLiteral("1StartLevel"), {}),
                 QStringLiteral("3"));
        QCOMPARE(store.ReadSetting(frame::kOptionsSection, QStringLiteral("Sound"), {}),
                 QStringLiteral("No"));
        QCOMPARE(store.ReadSetting(frame::kOptionsSection, QStringLiteral("StartLevel"), {}),
                 QStringLiteral("3"));
        QVERIFY(store.ReadInt32(frame::kOptionsSection, QStringLiteral("InitWidth"), 0) > 0);

        // The next run finds all of it again.
        Window again;
        QVERIFY(!again->MenuSound->isChecked());
        QVERIFY(again->MenuLevel[2]->isChecked());
        QCOMPARE(again->LabelHiScore->text(), QStringLiteral("500"));
        QCOMPARE(again->highScores().Table().Record(0, 1).Name, QStringLiteral("Ann"));
    }

    // With sound on, landing and row cues reach the sound backend; a resize repaints without a sound.
    void resizeRedrawsSilently() {
        Window w;
        QVERIFY(w.ShowActive());
        QTest::keyClick(w->PictureBg, Qt::Key_Return);
        w->Timer1_Timer();
        QTest::keyClick(w->PictureBg, Qt::Key_Control);
        QCOMPARE(*w.played, std::vector<int>{101});
        w->resize(w->width() + 40, w->height() + 60);
        QTRY_COMPARE(w->layout().scaleHeight, w->centralWidget()->height());
        QCOMPARE(*w.played, std::vector<int>{101});
        // The piece rests on the floor and is drawn there again at the new cell size.
        const Layout& l = w->layout();
        const Position p = w->game().pit().fallingPosition;
        // Its right square is solid red.
        const QColor drawn =
            w->PictureBg->Pixel(p.x * l.cellSize + l.cellSize / 2, 17 * l.cellSize + l.cellSize / 2);
        QCOMPARE(drawn, QColor(171, 16, 39));
    }

    // However small the window, it lays out and draws without failing, also in a running game.
    void tinyWindows_data() {
        QTest::addColumn<QSize>("size");
        for (QSize s : {QSize(1, 1), QSize(40, 30), QSize(69, 120), QSize(80, 80), QSize(300, 60)})
            QTest::addRow("%dx%d", s.width(), s.height()) << s;
    }
    void tinyWindows() {
        QFETCH(QSize, size);
        Window w;
        QVERIFY(w.ShowActive());
        QTest::keyClick(w->PictureBg, Qt::Key_Return);
        w->Timer1_Timer();
        w->setMinimumSize(0, 0);
        w->resize(size);
        QCoreApplication::processEvents();
        w->Form_Resize();
        QVERIFY(w->layout().cellSize >= 0);
        QVERIFY(w->PictureBg->width() >= 1);
        QTest::keyClick(w->PictureBg, Qt::Key_Up);
        QTest::keyClick(w->PictureBg, Qt::Key_Insert);
        w->Timer1_Timer();
    }

    // A stored maximised window opens maximised and ignores the stored size.
    void maximisedIgnoresStoredSize() {
        {
            frame::SettingsStore store(QStringLiteral("Vantorel"));
            store.WriteSetting(frame::kOptionsSection, QStringLiteral("InitMaximized"),
                               QStringLiteral("Yes"));
            store.WriteSetting(frame::kOptionsSection, QStringLiteral("InitWidth"), QStringLiteral("3000"));
        }
        Window w;
        QVERIFY(w->windowState() & Qt::WindowMaximized);
        QVERIFY(w->width() != 200);
    }
};

ARCADE_TEST_MAIN(TestWindow)
#include "tst_window.moc"
