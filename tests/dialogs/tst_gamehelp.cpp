// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QMenuBar>
#include <QtTest>

#include <memory>

#include "dialogs/dialoglook.h"
#include "dialogs/formabout.h"
#include "frame/settingsstore.h"
#include "frame/soundcues.h"
#include "quadrelle/formplunko.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "vantorel/formplunko.h"
#include "web/startdoc.h"
#include "zephlon/formzephlon.h"

namespace {

// Draws that cycle through a few values, so the demo shows a varied board.
frame::RandomSource CyclingRandom() {
    static constexpr double kDraws[] = {0.12, 0.57, 0.91, 0.33, 0.74, 0.05, 0.46};
    auto next = std::make_shared<size_t>(0);
    return frame::RandomSource([next] { return kDraws[(*next)++ % std::size(kDraws)]; });
}

std::unique_ptr<FormZephlon> MakeZephlon() {
    auto w =
        std::make_unique<FormZephlon>(nullptr, CyclingRandom(), std::make_unique<frame::SilentCueBackend>());
    w->SetAsker([](const QString&) { return false; });
    return w;
}

// Runs the start-up demo to its end, as its ticks would.
void RunDemo(FormZephlon& w) {
    QVERIFY(w.Engine().Context().demoRunning);
    for (int tick = 0; tick < 10000 && w.Engine().Context().demoRunning; ++tick)
        w.Engine().TimerHandler();
    QVERIFY(!w.Engine().Context().demoRunning);
    QCOMPARE(w.Engine().Context().gameState, zephlon::GameState::Idle);
}

QAction* MenuEntry(QMainWindow& window, const QString& caption) {
    for (QAction* top : window.menuBar()->actions()) {
        if (!top->menu()) continue;
        for (QAction* entry : top->menu()->actions()) {
            if (entry->text() == caption) return entry;
        }
    }
    return nullptr;
}

// Records every modal dialog a command opens, with the about box's version, and follows both of the
// about box's links; every dialog is answered at once.
struct Recorder {
    QStringList shown;
    Recorder() {
        dialogs::SetModalRunner([this](QDialog* dialog) {
            QString entry = dialog->windowTitle();
            if (auto* about = qobject_cast<dialogs::FormAbout*>(dialog)) {
                entry += QStringLiteral(" / ") + about->LabelVerNr->text();
                about->LabelBW_Click();
                about->LabelEmail_Click();
            }
            shown << entry;
            return 0;
        });
    }
    ~Recorder() { dialogs::SetModalRunner({}); }
};

}  // namespace

class TestGameHelp : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;
    QStringList m_opened;

  private slots:
    void init() {
        m_settings.Reset();
        m_opened.clear();
        web::SetUrlOpener([this](const QUrl& url) {
            m_opened << url.toString();
            return true;
        });
    }
    void cleanup() { web::SetUrlOpener({}); }

    void firstRunInstructions() {
        Recorder recorder;
        {
            auto w = MakeZephlon();
            RunDemo(*w);
            QCOMPARE(recorder.shown, QStringList{QStringLiteral("Game Play")});
            QVERIFY(w->close());
        }
        auto w = MakeZephlon();
        RunDemo(*w);
        QCOMPARE(recorder.shown, QStringList{QStringLiteral("Game Play")});
    }

    void helpMenus_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("opened");
        const QString site = QStringLiteral("https://www.example.org/quillbyte");
        QTest::newRow("zephlon about")
            << "Zephlon"
            << "&About..."
            << "About Zephlon / 1.2" << QStringList{site, QStringLiteral("mailto:games@example.org")};
        QTest::newRow("zephlon game play") << "Zephlon"
                                           << "&Game Play..."
                                           << "Game Play" << QStringList{};
        QTest::newRow("zephlon key control") << "Zephlon"
                                             << "&Key Control..."
                                             << "Key Control" << QStringList{};
        QTest::newRow("zephlon scoring") << "Zephlon"
                                         << "&Scoring..."
                                         << "Scoring" << QStringList{};
        QTest::newRow("quadrelle about") << "Quadrelle"
                                         << "&About"
                                         << "About Quadrelle / 1.2" << QStringList{site};
        QTest::newRow("quadrelle instructions") << "Quadrelle"
                                                << "&Instructions"
                                                << "Quadrelle - Instructions" << QStringList{};
        QTest::newRow("vantorel about") << "Vantorel"
                                        << "&About"
                                        << "About Vantorel / ver 1.02" << QStringList{};
        QTest::newRow("vantorel instructions") << "Vantorel"
                                               << "&Instructions"
                                               << "Vantorel - Instructions" << QStringList{};
    }

    void helpMenus() {
        QFETCH(QString, program);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QFETCH(QStringList, opened);
        std::unique_ptr<QMainWindow> window;
        if (program == QLatin1String("Zephlon")) window = MakeZephlon();
        if (program == QLatin1String("Quadrelle")) window = std::make_unique<quadrelle::FormPlunko>();
        if (program == QLatin1String("Vantorel")) window = std::make_unique<vantorel::FormPlunko>();
        Recorder recorder;
        QAction* action = MenuEntry(*window, entry);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(recorder.shown, QStringList{shown});
        QCOMPARE(m_opened, opened);
    }
};

ARCADE_TEST_MAIN(TestGameHelp)
#include "tst_gamehelp.moc"
