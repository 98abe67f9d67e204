// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "frame/bindings.h"
#include "frame/drawsurface.h"
#include "frame/gamepads.h"
#include "frame/gamerecording.h"
#include "frame/gamesession.h"
#include "frame/options.h"
#include "frame/soundcues.h"
#include "frame/watchsession.h"
#include "vantorel/game.h"
#include "vantorel/recordingplayer.h"
#include "vantorel/renderer.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace scores {
class HighScores;
}  // namespace scores
namespace web {
class VantorelWeb;
}  // namespace web
namespace frame {
class WindowControls;
}  // namespace frame

namespace vantorel {

// What tests replace: the random source, the sound backend and the clock of the score dates.
struct FormPlunkoHooks {
    std::optional<frame::RandomSource> random;      // empty: a generator seeded from the clock
    std::unique_ptr<frame::CueBackend> cueBackend;  // empty: QtMultimedia
    std::function<QDateTime()> now;                 // empty: the system clock
    // Answers a Yes/No question (the Modern set's Enter during a game); empty: a message box.
    std::function<bool(const QString& question)> ask;
};

// Vantorel's main window: the pit, the status bar with the preview, the menus and the game clock.
class FormPlunko : public QMainWindow,
                   public frame::CommandTarget,
                   private GameView,
                   private frame::SessionHost {
    Q_OBJECT
  public:
    explicit FormPlunko(QWidget* parent = nullptr);
    explicit FormPlunko(FormPlunkoHooks hooks, QWidget* parent = nullptr);
    ~FormPlunko() override;

    Game& game() { return m_game; }
    // The game the window shows: the player's, or the recorded game being watched.
    Game& Shown() { return m_watchGame ? *m_watchGame : m_game; }

    // ---- Recorded games ----
    // Every game the player plays is recorded here, in memory, from its first tick.
    frame::GameRecorder& Recorder() { return m_recorder; }
    // Plays a replay file in the window ("&Watch", --replay); a file that cannot be played is told.
    void WatchFile(const QString& path);
    // Plays a recording in the window at its recorded pace, the player's game frozen meanwhile. A recording
    // that cannot be played (other rules, over the caps) is told, naming `source`.
    bool Watch(frame::GameRecording recording, const QString& source);
    bool Watching() const { return m_watch && m_watch->Active(); }
    frame::WatchSession& WatchControl() { return *m_watch; }
    const RecordingPlayer* WatchedPlayer() const { return m_watchPlayer.get(); }
    scores::HighScores& highScores() { return *m_scores; }
    frame::SoundCues& soundCues() { return m_cues; }
    frame::GameSession& Session() { return *m_session; }
    const Layout& layout() const { return m_layout; }
    const frame::Options& options() const { return m_options; }
    // The score server used by the web entries; kept until the close writes it.
    QString WebServer() const { return m_options.WebServer; }
    void SetWebServer(const QString& server) { m_options.WebServer = server; }
    // The keys, pad buttons, colour aid and volume, and their window.
    frame::WindowControls& Controls() { return *m_controls; }
    // Runs a command as its key does (keys and pad buttons come here through the bindings).
    bool RunCommand(frame::Command command, bool repeat) override;
    // Writes the paused flag alone: the clock, the menu and the message stay as they are.
    void setPaused(bool paused) { m_game.SetPausedFlag(paused); }
    // The colour-blind aid: marks on every colour, redrawn at once. Off unless the player turns it on.
    void SetColourAid(bool on);
    bool ColourAid() const { return m_colourAid; }
    // Takes the pads' presses as keys (frame::ConnectGamepads).
    void SetGamepads(frame::Gamepads& pads);

    // Controls, named as designed.
    frame::DrawSurface* PictureBg = nullptr;
    frame::DrawSurface* PictureStatusBar = nullptr;
    QLabel* LabelMessage = nullptr;
    QLabel* LabelNextHead = nullptr;
    QLabel* LabelScoreHead = nullptr;
    QLabel* LabelScore = nullptr;
    QLabel* LabelLevelHead = nullptr;
    QLabel* LabelLevel = nullptr;
    QLabel* LabelLinesHead = nullptr;
    QLabel* LabelLines = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabelHiScoreHead = nullptr;
    QLabel* LabelHiScore = nullptr;
    QLabel* LabelBW = nullptr;
    QTimer* Timer1 = nullptr;

    QMenu* MenuGame = nullptr;
    QAction* Start = nullptr;
    QAction* MenuPause = nullptr;
    QAction* Exit = nullptr;
    QMenu* Options = nullptr;
    QMenu* StartLevel = nullptr;
    std::array<QAction*, 10> MenuLevel{};  // MenuLevel1 .. MenuLevel10
    QAction* MenuSound = nullptr;
    QMenu* highscores = nullptr;
    QAction* TopTen = nullptr;
    QAction* UploadBestScore = nullptr;
    QAction* globalhighscores = nullptr;
    QMenu* menuhelp = nullptr;
    QAction* menuAbout = nullptr;
    QAction* help = nullptr;

    // Event handlers and commands.
    void Form_Resize();
    void Timer1_Timer();
    void Form_KeyDown(frame::KeyCode key);
    void Start_Click();
    void MenuPause_Click();
    void MenuLevel_Click(int level);
    void MenuSound_Click();
    void TopTen_Click();
    void Exit_Click();

    // The status bar's designed width in pixels.
    static constexpr int kStatusBarWidth = 65;
    // The designed window size, and the smallest that still shows the whole pit and the status bar.
    static constexpr int kDesignWidth = 380;
    static constexpr int kDesignHeight = 600;
    static constexpr int kMinimumWidth = 240;
    static constexpr int kMinimumHeight = 420;

  public slots:
    // Web and help entries; their dialogs hook in here.
    void UploadBestScore_Click();
    void globalhighscores_Click();
    void menuAbout_Click();
    void help_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Plays cues unless a repaint asks for silence.
    class CueGate : public frame::SoundSink {
      public:
        explicit CueGate(frame::SoundSink& target) : m_target(target) {}
        void PlaySoundCue(frame::Cue cue) override {
            if (!muted) m_target.PlaySoundCue(cue);
        }
        bool muted = false;

      private:
        frame::SoundSink& m_target;
    };

    void Form_Load();
    void InitGame();
    void CreateControls();
    void CreateMenus();
    QLabel* MakeLabel(QWidget* parent, const QString& text, int top, int height, int pixelSize, bool heading,
                      Qt::Alignment alignment);
    void ShowNumber(QLabel* label, int64_t value);
    // The window's controls as a recording being watched draws on them (in formplunkowatch.cpp).
    class WatchView;
    void SetUpWatching();
    // Watching ended: the player's game is shown again.
    void WatchEnded();
    // The rules and the look the controls ask for: the Modern set's pause and question.
    void ApplyControls();
    void PauseOnFocusLoss();

    // GameView
    void DrawCell(int16_t x, int16_t y, int32_t colour) override;
    void EraseRow(int16_t y) override;
    void PaintNextBlock() override;
    void ShowScore(int32_t score) override;
    void ShowLevel(int16_t level) override;
    void ShowLines(int16_t rows) override;
    void ShowMessage(const QString& text) override;
    void StartClock(int intervalMs) override;
    void StopClock() override;
    void SetClockInterval(int intervalMs) override;
    void ShowPaused(bool paused) override;
    void FocusPlayArea() override;
    void CommitPendingName() override;
    void GameOver() override;
    bool AskNewGame() override;

    // Life cycle, run by the session.
    void Tick() override;
    bool OfferFinishedScore(bool askName) override;
    void CommitNameOnClose() override;
    void WriteSettings(frame::SettingsStore& store) override;
    void HideDialogs() override;

    FormPlunkoHooks m_hooks;
    frame::SoundCues m_cues;
    CueGate m_cueGate;
    Game m_game;
    std::unique_ptr<scores::HighScores> m_scores;
    std::unique_ptr<web::VantorelWeb> m_web;
    frame::Options m_options;
    frame::DrawSurface* m_frame = nullptr;  // the window's own drawing surface behind pit and status bar
    Layout m_layout;
    frame::GameSession* m_session = nullptr;

    frame::GameRecorder m_recorder;
    frame::WatchSession* m_watch = nullptr;
    std::unique_ptr<GameView> m_watchView;
    std::unique_ptr<Game> m_watchGame;
    std::unique_ptr<RecordingPlayer> m_watchPlayer;
    bool m_colourAid = false;
    frame::WindowControls* m_controls = nullptr;
};

}  // namespace vantorel
