// SPDX-License-Identifier: GPL-3.0-or-later
// The life cycle the three programs share: the second after "Game Over", the tick guard, the size the window
// opens at, and the close sequence with its save, whichever way the program is asked to end.
#include <sys/resource.h>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>
#include <csignal>
#include <optional>

#include "frame/shutdownrequests.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "web/globalscoresview.h"
#include "web/webglobalbrowser.h"

using frame::Program;
using testsupport::ProgramWindow;

namespace {

// A global-list view that shows nothing: the browser counts as present.
class BlankView : public web::GlobalScoresView {
  public:
    explicit BlankView(QWidget* parent) : m_widget(parent) {}
    QWidget* Widget() override { return &m_widget; }
    void Navigate(const QUrl&) override {}
    void SetLinkFilter(LinkFilter) override {}
    void SetLoadFinished(LoadFinished) override {}

  private:
    QWidget m_widget;
};

enum class Action { Enter, Start, KeyS, Close, Exit };

// The program's store as its next start reads it.
std::unique_ptr<frame::SettingsStore> NextStart(const testsupport::TempSettings& settings, Program program) {
    return settings.StoreOf(program);
}

// While it lives, regular files cannot grow beyond `bytes`: a write past it fails as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

}  // namespace

Q_DECLARE_METATYPE(Action)

class TestGameSession : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void init() { m_settings.Reset(); }

    // Whatever the player does within the second after "Game Over", the finished score is offered first
    // (a name entry opens where the program asks for one) and is in the store at the next start.
    void finishedScoreSurvivesTheSecondAfterGameOver_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<Action>("action");
        for (Program p : {Program::Zephlon, Program::Quadrelle, Program::Vantorel}) {
            const QString name = frame::ProgramName(p);
            QTest::newRow(qPrintable(name + " Enter")) << p << Action::Enter;
            QTest::newRow(qPrintable(name + " Start")) << p << Action::Start;
            QTest::newRow(qPrintable(name + " close")) << p << Action::Close;
            QTest::newRow(qPrintable(name + " Exit")) << p << Action::Exit;
        }
        QTest::newRow("Zephlon S") << Program::Zephlon << Action::KeyS;
    }
    void finishedScoreSurvivesTheSecondAfterGameOver() {
        QFETCH(Program, program);
        QFETCH(Action, action);
        {
            auto w = ProgramWindow::Open(program);
            QVERIFY(w->Activate());
            w->FinishGame(4321);
            // Vantorel offers the score inside the tick; the others wait a second.
            const bool offeredAtOnce = program == Program::Vantorel;
            QCOMPARE(w->Session().GameOverPending(), !offeredAtOnce);
            QCOMPARE(w->Scores().CurrentPosition(), static_cast<int16_t>(offeredAtOnce ? 1 : 0));
            switch (action) {
                case Action::Enter:
                    w->PressKey(Qt::Key_Return);
                    break;
                case Action::KeyS:
                    w->PressKey(Qt::Key_S);
                    break;
                case Action::Start:
                    w->StartAction()->trigger();
                    break;
                case Action::Close:
                    QVERIFY(w->Window().close());
                    break;
                case Action::Exit:
                    w->ExitAction()->trigger();
                    break;
            }
            QVERIFY(!w->Session().GameOverPending());
            QCOMPARE(w->Best().Score, 4321);
            if (action != Action::Close && action != Action::Exit) {
                // Offered as after the second: the name entry is open on the new record (in Vantorel the new
                // game has committed the name typed at once).
                QCOMPARE(w->Scores().CurrentPosition(), static_cast<int16_t>(offeredAtOnce ? 0 : 1));
                if (!offeredAtOnce) {
                    QVERIFY(!w->GameRunning());
                    w->Scores().Form_Enter();
                }
                // The game the player asked for starts once the name is entered, without a second press.
                QVERIFY(w->GameRunning());
                QVERIFY(w->Window().close());
            }
        }
        auto next = ProgramWindow::Open(program);
        QCOMPARE(next->Best().Score, 4321);
    }

    // A score entered without the name field (a close within the second, or in Vantorel a close with the
    // field still empty) gets the program's empty-name rule, never a name typed for an earlier entry.
    void quietEntryTakesTheEmptyNameRule_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("name");
        QTest::newRow("Zephlon") << Program::Zephlon << "anon";
        QTest::newRow("Quadrelle") << Program::Quadrelle << "";
        QTest::newRow("Vantorel") << Program::Vantorel << "";
    }
    void quietEntryTakesTheEmptyNameRule() {
        QFETCH(Program, program);
        QFETCH(QString, name);
        {
            auto w = ProgramWindow::Open(program);
            QVERIFY(w->Activate());
            w->FinishGame(1000);
            if (w->Session().GameOverPending()) w->Session().TimerGameOver_Timer();
            QCOMPARE(w->Scores().CurrentPosition(), int16_t{1});
            w->Scores().Dialog().TextInput->setText(QStringLiteral("Alice"));
            w->Scores().Form_Enter();
            QCOMPARE(w->Best().Name, QStringLiteral("Alice"));
            w->FinishGame(2000);
            QVERIFY(w->Window().close());
        }
        auto next = ProgramWindow::Open(program);
        QCOMPARE(next->Best().Score, 2000);
        QCOMPARE(next->Best().Name, name);
        QCOMPARE(next->Scores().Table().Record(next->List(), 2).Name, QStringLiteral("Alice"));
    }

    // Zephlon: a mode chosen within the second after "Game Over" sends the finished score to the list of the
    // mode it was played in.
    void modeSwitchSettlesTheFinishedGameFirst() {
        {
            auto w = ProgramWindow::Open(Program::Zephlon);
            auto& z = static_cast<testsupport::ZephlonWindow&>(*w).w;
            QVERIFY(w->Activate());
            w->FinishGame(4321);
            QVERIFY(w->Session().GameOverPending() && z.MenuPuzzle->isEnabled());
            z.MenuPuzzle->trigger();
            QVERIFY(!w->Session().GameOverPending());
            QCOMPARE(w->Scores().CurrentPosition(), int16_t{1});
            QCOMPARE(w->Scores().Table().PendingList(), 0);
            w->Scores().Dialog().TextInput->setText(QStringLiteral("Bob"));
            w->Scores().Form_Enter();
            QVERIFY(z.MenuPuzzle->isChecked());
            QVERIFY(w->Window().close());
        }
        auto next = ProgramWindow::Open(Program::Zephlon);
        const scores::HighScoreTable& table = next->Scores().Table();
        QCOMPARE(table.Record(0, 1).Score, 4321);
        QCOMPARE(table.Record(0, 1).Name, QStringLiteral("Bob"));
        QVERIFY(table.Record(1, 1).Score != 4321);
    }

    // Quadrelle runs on under a message box over its window; the top-ten dialog freezes it.
    void quadrelleRunsUnderAMessageBox() {
        auto w = ProgramWindow::Open(Program::Quadrelle);
        auto& q = static_cast<testsupport::QuadrelleWindow&>(*w).w;
        QVERIFY(w->Activate());
        q.Start->trigger();
        q.Timer1_Timer();
        QCOMPARE(q.Game().State(), quadrelle::GameState::Falling);
        const int16_t top = q.Game().FallingPosition().y;

        QMessageBox box(QMessageBox::Question, QStringLiteral("Quadrelle"), QStringLiteral("A question"),
                        QMessageBox::Yes | QMessageBox::No, &q);
        box.show();
        QApplication::setActiveWindow(&box);
        QTRY_COMPARE(QApplication::activeWindow(), &box);
        q.Timer1_Timer();
        QCOMPARE(q.Game().FallingPosition().y, top + 1);
        box.hide();

        q.TopTen->trigger();
        QApplication::setActiveWindow(&q.HighScores().Dialog());
        QTRY_COMPARE(QApplication::activeWindow(), &q.HighScores().Dialog());
        q.Timer1_Timer();
        QCOMPARE(q.Game().FallingPosition().y, top + 1);
        // Zephlon and Vantorel stop under any other window, a message box too.
        QVERIFY(!frame::SessionRules::Of(Program::Zephlon).messageBoxKeepsActive);
        QVERIFY(!frame::SessionRules::Of(Program::Vantorel).messageBoxKeepsActive);
    }

    // A stored size is fitted to the screen's available area and kept at or above the window's minimum,
    // and the fitted size is what the close writes back.
    void storedSizeFitsTheScreen_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        for (Program p : {Program::Zephlon, Program::Quadrelle, Program::Vantorel}) {
            const QString name = frame::ProgramName(p);
            QTest::newRow(qPrintable(name + " largest")) << p << "2147483647"
                                                         << "2147483647";
            QTest::newRow(qPrintable(name + " 4K")) << p << "57600"
                                                    << "32400";
            QTest::newRow(qPrintable(name + " one pixel")) << p << "15"
                                                           << "15";
            const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
            QTest::newRow(qPrintable(name + " the screen's size"))
                << p << QString::number(screen.width() * frame::kTwipsPerPixel)
                << QString::number(screen.height() * frame::kTwipsPerPixel);
        }
    }
    void storedSizeFitsTheScreen() {
        QFETCH(Program, program);
        QFETCH(QString, width);
        QFETCH(QString, height);
        {
            auto store = NextStart(m_settings, program);
            store->WriteSetting(frame::kOptionsSection, QStringLiteral("InitWidth"), width);
            store->WriteSetting(frame::kOptionsSection, QStringLiteral("InitHeight"), height);
            store->WriteSetting(frame::kOptionsSection, QStringLiteral("InitMaximized"),
                                QStringLiteral("No"));
            QVERIFY(store->Flush());
        }
        QSize opened;
        {
            auto w = ProgramWindow::Open(program);
            QMainWindow& window = w->Window();
            const QRect available = window.screen()->availableGeometry();
            opened = window.size();
            QVERIFY2(opened.width() <= available.width() && opened.height() <= available.height(),
                     qPrintable(QStringLiteral("%1x%2").arg(opened.width()).arg(opened.height())));
            QVERIFY(opened.width() >= window.minimumWidth() && opened.height() >= window.minimumHeight());
            QVERIFY(window.minimumWidth() >= 200 && window.minimumHeight() >= 300);
            QVERIFY(available.contains(window.geometry()));
            QVERIFY(available.contains(window.frameGeometry()));
            QVERIFY(window.close());
        }
        auto store = NextStart(m_settings, program);
        QCOMPARE(store->ReadInt32(frame::kOptionsSection, QStringLiteral("InitWidth"), 0),
                 opened.width() * frame::kTwipsPerPixel);
        QCOMPARE(store->ReadInt32(frame::kOptionsSection, QStringLiteral("InitHeight"), 0),
                 opened.height() * frame::kTwipsPerPixel);
    }

    // The frame (title bar and borders) is fitted with the window: placed on a 1280x1024 area, the whole
    // framed window lies inside it, centred, however large the stored size.
    void placedWindowFitsWithItsFrame_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QRect>("client");
        const QSize screen(1280, 1024);
        QTest::newRow("the screen's size") << screen << QRect(4, 25, 1272, 995);
        QTest::newRow("larger") << QSize(5000, 5000) << QRect(4, 25, 1272, 995);
        QTest::newRow("design size") << QSize(385, 435) << QRect(447, 305, 385, 435);
        QTest::newRow("below the minimum") << QSize(10, 10) << QRect(520, 372, 240, 300);
    }
    void placedWindowFitsWithItsFrame() {
        QFETCH(QSize, wanted);
        QFETCH(QRect, client);
        const QRect available(0, 0, 1280, 1024);
        const QMargins frame(4, 25, 4, 4);
        const QRect placed = frame::GameSession::PlacedClientArea(wanted, QSize(240, 300), available, frame);
        QCOMPARE(placed, client);
        QVERIFY(available.contains(placed.marginsAdded(frame)));
    }

    // A save that fails part-way (here a file that may not grow, as on a full disk) keeps the old file byte
    // for byte, and the player is told, naming the file and the reason.
    void failedSaveIsToldAndKeepsTheOldFile_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void failedSaveIsToldAndKeepsTheOldFile() {
        QFETCH(Program, program);
        const QString file = m_settings.FileOf(program);
        {
            auto w = ProgramWindow::Open(program);
            QVERIFY(w->Window().close());
        }
        QFile before(file);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray oldBytes = before.readAll();
        before.close();

        QStringList told;
        {
            // The limit outlasts the window: nothing written on the way out may get past it either.
            std::optional<FileSizeLimit> limit;
            auto w = ProgramWindow::Open(program);
            QVERIFY(w->Activate());
            w->Session().tellPlayer = [&told](const QString& message) { told << message; };
            w->FinishGame(4321);
            w->SoundAction()->trigger();
            limit.emplace(static_cast<rlim_t>(oldBytes.size() / 2));
            QVERIFY(w->Window().close());
        }
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.first().contains(file) && told.first().contains(QStringLiteral("File too large")),
                 qPrintable(told.first()));
        QFile after(file);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), oldBytes);
        QCOMPARE(QDir(m_settings.Path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(file).fileName()});
    }

    // SIGTERM runs the close through the event loop: the options and a new record are there at the next
    // start, and the program then ends.
    void signalRunsTheClose_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void signalRunsTheClose() {
        QFETCH(Program, program);
        bool ended = false;
        bool soundOn = true;
        {
            auto w = ProgramWindow::Open(program);
            QVERIFY(w->Activate());
            w->Session().endProgram = [&ended] { ended = true; };
            w->FinishGame(4321);
            w->SoundAction()->trigger();
            soundOn = w->SoundAction()->isChecked();
            std::raise(SIGTERM);
            QTRY_VERIFY(ended);
            QVERIFY(w->Session().Closed());
            QVERIFY(!w->Window().isVisible());
        }
        auto store = NextStart(m_settings, program);
        QCOMPARE(store->ReadFlag(frame::kOptionsSection, QStringLiteral("Sound"), !soundOn), soundOn);
        auto next = ProgramWindow::Open(program);
        QCOMPARE(next->Best().Score, 4321);
    }

    // A close the player did not start asks nothing, even where a committed name would offer its upload
    // (Quadrelle with AutoUpload on and the browser present): the typed name and the record are saved.
    void unattendedCloseAsksNothing_data() {
        QTest::addColumn<bool>("signal");
        QTest::newRow("SIGTERM") << true;
        QTest::newRow("session end") << false;
    }
    void unattendedCloseAsksNothing() {
        QFETCH(bool, signal);
        {
            web::SetGlobalScoresViewFactory(
                [](QWidget* parent) { return std::make_unique<BlankView>(parent); });
            auto w = ProgramWindow::Open(Program::Quadrelle);
            web::SetGlobalScoresViewFactory(std::nullopt);
            auto& q = static_cast<testsupport::QuadrelleWindow&>(*w).w;
            QVERIFY(q.Explorer4Present());
            if (!q.AutoUpload->isChecked()) q.AutoUpload->trigger();
            QVERIFY(w->Activate());
            bool ended = false;
            w->Session().endProgram = [&ended] { ended = true; };
            w->FinishGame(4321);
            w->Session().TimerGameOver_Timer();
            QCOMPARE(w->Scores().CurrentPosition(), int16_t{1});
            w->Scores().Dialog().TextInput->setText(QStringLiteral("Carol"));

            QStringList shown;
            QTimer watch;
            connect(&watch, &QTimer::timeout, [&shown] {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    shown << modal->windowTitle();
                    modal->close();
                }
            });
            watch.start(0);
            if (signal) {
                std::raise(SIGTERM);
                QTRY_VERIFY(ended);
            } else {
                w->Session().findChild<frame::ShutdownRequests*>()->SessionEnding();
            }
            watch.stop();
            QVERIFY2(shown.isEmpty(), qPrintable(shown.join(QStringLiteral(", "))));
        }
        auto next = ProgramWindow::Open(Program::Quadrelle);
        QCOMPARE(next->Best().Score, 4321);
        QCOMPARE(next->Best().Name, QStringLiteral("Carol"));
    }

    // The end of the desktop session saves and asks nothing; the program plays on, as the logout may still
    // be cancelled.
    void sessionEndSavesAndPlaysOn() {
        auto w = ProgramWindow::Open(Program::Quadrelle);
        auto& q = static_cast<testsupport::QuadrelleWindow&>(*w).w;
        QVERIFY(w->Activate());
        w->FinishGame(4321);
        auto* requests = w->Session().findChild<frame::ShutdownRequests*>();
        QVERIFY(requests && requests->IsActive());
        requests->SessionEnding();
        QVERIFY(!w->Session().Closed());
        QVERIFY(w->Window().isVisible());
        QCOMPARE(NextStart(m_settings, Program::Quadrelle)
                     ->ReadSetting(frame::kScoresSection, QStringLiteral("1Score"), QString()),
                 QStringLiteral("4321"));
        q.Start->trigger();
        q.Timer1_Timer();
        QCOMPARE(q.Game().State(), quadrelle::GameState::Falling);
    }
};

ARCADE_TEST_MAIN(TestGameSession)
#include "tst_gamesession.moc"
