// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The three programs' main windows behind one interface, so that a table of cases runs the same steps on
// each of them. A window opens with a fixed random source, no sound, no questions and a fixed clock.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QtTest>
#include <memory>
#include <optional>

#include "frame/gamesession.h"
#include "frame/program.h"
#include "frame/soundcues.h"
#include "frame/watchsession.h"
#include "frame/windowcontrols.h"
#include "quadrelle/formplunko.h"
#include "scores/highscores.h"
#include "vantorel/formplunko.h"
#include "zephlon/formzephlon.h"

namespace testsupport {

inline const QDateTime kFixedNow(QDate(2026, 12, 10), QTime(1, 2, 3));

class ProgramWindow {
  public:
    virtual ~ProgramWindow() = default;
    virtual QMainWindow& Window() = 0;
    virtual frame::GameSession& Session() = 0;
    virtual scores::HighScores& Scores() = 0;
    // Starts a game and ends it with `score` points. The score is then offered as the program does it: after
    // the second of "Game Over", or at once in Vantorel.
    virtual void FinishGame(int32_t score) = 0;
    // The "&Start" command.
    virtual QAction* StartAction() = 0;
    virtual QAction* ExitAction() = 0;
    // The sound entry, whose check mark is an option every program keeps.
    virtual QAction* SoundAction() = 0;
    // The sound switch the entry sets.
    virtual frame::SoundCues& Cues() = 0;
    // The list the finished games enter.
    virtual int List() const { return 0; }
    // A game is under way (started and not over).
    virtual bool GameRunning() = 0;
    // One step of a clumsy player: the piece sinks a row (a point each), a message waiting for Enter is
    // answered, and the clock ticks once.
    virtual void ClumsyStep() = 0;
    // The score the status bar shows.
    virtual QLabel* ScoreLabel() = 0;
    // Watching recorded games in the window.
    virtual void WatchFile(const QString& path) = 0;
    virtual frame::WatchSession& Watching() = 0;
    // The keys, pad buttons, colour aid and volume.
    virtual frame::WindowControls& Controls() = 0;

    // Shows the window and makes it the active one, as a started program is.
    bool Activate() {
        Window().show();
        Window().activateWindow();
        return QTest::qWaitForWindowActive(&Window());
    }
    void PressKey(Qt::Key key) { QTest::keyClick(&Window(), key); }
    // The best record of the list the games enter.
    const scores::HighScoreRecord& Best() { return Scores().Table().Record(List(), 1); }

    // `random`: the games' random source instead of the window's fixed draw (a seeded one plays random
    // games that can be recorded and re-played).
    static std::unique_ptr<ProgramWindow> Open(frame::Program program,
                                               std::optional<frame::RandomSource> random = std::nullopt);
};

class ZephlonWindow : public ProgramWindow {
  public:
    explicit ZephlonWindow(std::optional<frame::RandomSource> random = std::nullopt)
        : w(nullptr, random ? *random : frame::RandomSource([] { return 0.25; }),
            std::make_unique<frame::SilentCueBackend>()) {
        w.SetAsker([](const QString& question) {
            qFatal("unexpected question: %s", qPrintable(question));
            return false;
        });
        w.Scores().hooks.now = [] { return kFixedNow; };
        w.MenuOriginal->trigger();
    }
    QMainWindow& Window() override { return w; }
    frame::GameSession& Session() override { return w.Session(); }
    scores::HighScores& Scores() override { return w.Scores(); }
    void FinishGame(int32_t score) override {
        w.StartOriginal->trigger();
        w.Engine().SetScore(score);
        w.Engine().gameOver();
    }
    bool GameRunning() override { return w.Engine().Context().GameRunning(); }
    void ClumsyStep() override {
        const zephlon::GameState state = w.Engine().Context().gameState;
        if (state == zephlon::GameState::WaitStart || state == zephlon::GameState::LevelDone)
            PressKey(Qt::Key_Return);
        else
            PressKey(Qt::Key_Down);
        w.Timer1_Timer();
    }
    QLabel* ScoreLabel() override { return w.LabelScore; }
    void WatchFile(const QString& path) override { w.WatchFile(path); }
    frame::WatchSession& Watching() override { return w.WatchControl(); }
    QAction* StartAction() override { return w.StartOriginal; }
    QAction* ExitAction() override { return w.Exit; }
    QAction* SoundAction() override { return w.MenuSound; }
    frame::SoundCues& Cues() override { return w.Sound(); }
    frame::WindowControls& Controls() override { return w.Controls(); }

    FormZephlon w;
};

class QuadrelleWindow : public ProgramWindow {
  public:
    explicit QuadrelleWindow(std::optional<frame::RandomSource> random = std::nullopt)
        : w(nullptr, std::make_unique<frame::SilentCueBackend>()) {
        w.SetAsker([](const QString&, const QString& question) {
            qFatal("unexpected question: %s", qPrintable(question));
            return false;
        });
        w.SetRandomSource(random ? *random : frame::RandomSource([] { return 0.0; }));
        w.HighScores().hooks.now = [] { return kFixedNow; };
        // No upload offer after a name is committed: its prompt would wait for an answer.
        if (w.AutoUpload->isChecked()) w.AutoUpload->trigger();
    }
    QMainWindow& Window() override { return w; }
    frame::GameSession& Session() override { return w.Session(); }
    scores::HighScores& Scores() override { return w.HighScores(); }
    // The next piece finds a square in its way.
    void FinishGame(int32_t score) override {
        w.Start->trigger();
        w.Game().AddScore(static_cast<int16_t>(score));
        w.Game().SetCell(5, 1, true, 3);
        w.Timer1_Timer();
        QCOMPARE(w.Game().State(), quadrelle::GameState::Stopped);
    }
    bool GameRunning() override {
        return w.Game().State() != quadrelle::GameState::Stopped &&
               w.Game().State() != quadrelle::GameState::Idle;
    }
    void ClumsyStep() override {
        PressKey(Qt::Key_Down);
        w.Timer1_Timer();
    }
    QLabel* ScoreLabel() override { return w.LabelScore; }
    void WatchFile(const QString& path) override { w.WatchFile(path); }
    frame::WatchSession& Watching() override { return w.WatchControl(); }
    QAction* StartAction() override { return w.Start; }
    QAction* ExitAction() override { return w.Exit; }
    QAction* SoundAction() override { return w.MenuSound; }
    frame::SoundCues& Cues() override { return w.Sound(); }
    frame::WindowControls& Controls() override { return w.Controls(); }

    quadrelle::FormPlunko w;
};

class VantorelWindow : public ProgramWindow {
  public:
    explicit VantorelWindow(std::optional<frame::RandomSource> random = std::nullopt) : w(Hooks(random)) {}
    QMainWindow& Window() override { return w; }
    frame::GameSession& Session() override { return w.Session(); }
    scores::HighScores& Scores() override { return w.highScores(); }
    // The first piece finds the top rows full.
    void FinishGame(int32_t score) override {
        w.Start->trigger();
        w.game().SetScore(score);
        for (int y = 1; y <= 3; ++y)
            for (int x = 1; x <= vantorel::kColumns; ++x)
                w.game().pit().SetCell(x, y, vantorel::kSolid, vantorel::kBlue);
        w.Timer1_Timer();
        QCOMPARE(w.game().State(), vantorel::GameState::Stopped);
    }
    bool GameRunning() override {
        return w.game().State() != vantorel::GameState::Stopped &&
               w.game().State() != vantorel::GameState::Idle;
    }
    void ClumsyStep() override {
        PressKey(Qt::Key_Down);
        w.Timer1_Timer();
    }
    QLabel* ScoreLabel() override { return w.LabelScore; }
    void WatchFile(const QString& path) override { w.WatchFile(path); }
    frame::WatchSession& Watching() override { return w.WatchControl(); }
    QAction* StartAction() override { return w.Start; }
    QAction* ExitAction() override { return w.Exit; }
    QAction* SoundAction() override { return w.MenuSound; }
    frame::SoundCues& Cues() override { return w.soundCues(); }
    frame::WindowControls& Controls() override { return w.Controls(); }

    static vantorel::FormPlunkoHooks Hooks(std::optional<frame::RandomSource> random = std::nullopt) {
        vantorel::FormPlunkoHooks hooks;
        hooks.random = random ? *random : frame::RandomSource([] { return 0.3; });
        hooks.cueBackend = std::make_unique<frame::SilentCueBackend>();
        hooks.now = [] { return kFixedNow; };
        return hooks;
    }

    vantorel::FormPlunko w;
};

inline std::unique_ptr<ProgramWindow> ProgramWindow::Open(frame::Program program,
                                                          std::optional<frame::RandomSource> random) {
    switch (program) {
        case frame::Program::Zephlon:
            return std::make_unique<ZephlonWindow>(random);
        case frame::Program::Quadrelle:
            return std::make_unique<QuadrelleWindow>(random);
        case frame::Program::Vantorel:
            return std::make_unique<VantorelWindow>(random);
    }
    return nullptr;
}

// One row per program.
inline void AddProgramRows(const char* suffix = "") {
    for (frame::Program p : {frame::Program::Zephlon, frame::Program::Quadrelle, frame::Program::Vantorel})
        QTest::newRow(qPrintable(frame::ProgramName(p) + QString::fromLatin1(suffix))) << p;
}

}  // namespace testsupport

Q_DECLARE_METATYPE(frame::Program)
