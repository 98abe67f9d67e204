// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "frame/bindings.h"
#include "frame/drawsurface.h"
#include "frame/gamepads.h"
#include "frame/gamerecording.h"
#include "frame/gamesession.h"
#include "frame/options.h"
#include "frame/settingsstore.h"
#include "frame/soundcues.h"
#include "frame/watchsession.h"
#include "quadrelle/engine.h"
#include "quadrelle/recordingplayer.h"
#include "quadrelle/renderer.h"

class QAction;
class QMenu;

namespace scores {
class HighScores;
}  // namespace scores
namespace web {
class QuadrelleWeb;
}  // namespace web
namespace frame {
class WindowControls;
}  // namespace frame

namespace quadrelle {

// Quadrelle's main window: well, status bar, menus, keys, clock, options and high scores around the
// game engine.
class FormPlunko : public QMainWindow, public frame::CommandTarget, private View, private frame::SessionHost {
    Q_OBJECT
    Q_PROPERTY(bool Explorer4Present READ Explorer4Present)
    Q_PROPERTY(QString CurrentVersion READ CurrentVersion)
    Q_PROPERTY(QString WebServer READ WebServer WRITE SetWebServer)
    Q_PROPERTY(int CurrentPosition READ CurrentPosition WRITE SetCurrentPosition)
    Q_PROPERTY(bool paused READ Paused WRITE SetPausedFlag)

  public:
    // Answers a Yes/No question (title, text); true for Yes. Tests answer without a dialog.
    using Asker = std::function<bool(const QString& title, const QString& question)>;

    // Without a sound backend the cues play through QtMultimedia.
    explicit FormPlunko(QWidget* parent = nullptr, std::unique_ptr<frame::CueBackend> sound = nullptr);
    ~FormPlunko() override;

    // The designed window size, and the smallest that still shows the whole well and the status bar.
    static constexpr int kDesignWidth = 380;
    static constexpr int kDesignHeight = 540;
    static constexpr int kMinimumWidth = 240;
    static constexpr int kMinimumHeight = 420;

    void SetAsker(Asker asker) { m_asker = std::move(asker); }
    // Uniform numbers in [0, 1) for the choice of pieces.
    void SetRandomSource(frame::RandomSource random);

    Engine& Game() { return *m_engine; }
    // The engine whose game the window shows: the player's, or the recorded game being watched.
    Engine& Shown() { return m_watchEngine ? *m_watchEngine : *m_engine; }

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
    scores::HighScores& HighScores() { return *m_highScores; }
    frame::SoundCues& Sound() { return *m_sound; }
    frame::GameSession& Session() { return *m_session; }
    // The colour-blind aid: marks on every colour, redrawn at once. Off unless the player turns it on.
    void SetColourAid(bool on);
    bool ColourAid() const { return m_colourAid; }
    // Takes the pads' presses as keys (frame::ConnectGamepads).
    void SetGamepads(frame::Gamepads& pads);
    const frame::Options& Options() const { return m_options; }
    // The keys, pad buttons, colour aid and volume, and their window.
    frame::WindowControls& Controls() { return *m_controls; }
    // Runs a command as its key does (keys and pad buttons come here through the bindings).
    bool RunCommand(frame::Command command, bool repeat) override;
    int16_t CellSize() const { return m_layout.cellSize; }
    const Layout& CurrentLayout() const { return m_layout; }

    // Properties read by the program's other windows.
    // The embedded browser can be loaded (its plugin and engine); false for good once loading failed.
    bool Explorer4Present() const;
    QString CurrentVersion() const { return QStringLiteral("1.2"); }
    QString WebServer() const { return m_options.WebServer; }
    void SetWebServer(const QString& server) { m_options.WebServer = server; }
    // The player's own web or e-mail address, sent with uploads.
    QString PlayerURL() const { return m_options.URL; }
    void SetPlayerURL(const QString& url) { m_options.URL = url; }
    int CurrentPosition() const;
    void SetCurrentPosition(int position);
    bool Paused() const { return m_engine->Paused(); }
    // Sets the paused flag alone: clock, menu and message stay as they are.
    void SetPausedFlag(bool p) { m_engine->SetPausedFlag(p); }

    void InitGame();
    void StopClock() override;
    void SetPaused(bool p);
    void ShowMessage(const QString& text) override;
    void Form_Resize();
    void Form_KeyDown(frame::KeyCode keyCode, int16_t shift);
    // One period of the game clock: the game advances only while this window is the active one.
    void Timer1_Timer();
    void TimerGameOver_Timer();

    // Controls.
    frame::DrawSurface* Background = nullptr;  // the window's own drawing (margins, credit underline)
    frame::DrawSurface* PictureBg = nullptr;
    frame::DrawSurface* PictureStatusBar = nullptr;
    frame::DrawSurface* PictureNext = nullptr;
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
    QLabel* LabelMessage = nullptr;
    QLabel* LabelBW0 = nullptr;
    QLabel* LabelBW = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* TimerGameOver = nullptr;

    QAction* Start = nullptr;
    QAction* MenuPause = nullptr;
    QAction* Exit = nullptr;
    QMenu* StartLevel = nullptr;
    std::array<QAction*, 10> MenuLevel{};  // MenuLevel1 .. MenuLevel10
    QAction* MenuSound = nullptr;
    QAction* AutoUpload = nullptr;
    QAction* TopTen = nullptr;
    QAction* ClearHighscores = nullptr;
    QAction* UploadBestScore = nullptr;
    QAction* globalhighscores = nullptr;
    QAction* menuAbout = nullptr;
    QAction* help = nullptr;

  public slots:
    void Start_Click();
    void MenuPause_Click();
    void Exit_Click();
    void MenuLevel_Click(int level);
    void MenuSound_Click();
    void AutoUpload_Click();
    void TopTen_Click();
    void ClearHighscores_Click();
    // Filled by the web part: upload the local list, show the global lists, open the maker's site.
    void UploadBestScore_Click();
    void globalhighscores_Click();
    void LabelBW_Click();
    // Filled by the information dialogs.
    void menuAbout_Click();
    void help_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void UncheckLevelMenu();
    bool Ask(const QString& question);
    // The window's controls as a recording being watched draws on them (in formplunkowatch.cpp).
    class WatchView;
    void SetUpWatching();
    // Watching ended: the player's game is shown again.
    void WatchEnded();
    void PauseOnFocusLoss();

    // View of the game.
    void DrawCell(int16_t x, int16_t y, int32_t colour) override;
    void DrawRowBar(int16_t row) override;
    void PaintNextBlock(const Matrix& next, int16_t entryY, int32_t colour) override;
    void ClearNext() override;
    void ShowScore(int32_t score) override;
    void ShowHiScore(int32_t best) override;
    void ShowLevel(int16_t level) override;
    void ShowLines(int16_t rows) override;
    void ShowPaused(bool paused) override;
    void StartClock(int intervalMs) override;
    void GameOver() override;
    bool SettleGameOver() override;
    void FocusPlayArea() override;
    bool AskNewGame() override;
    void CommitPendingName() override;
    int32_t BestStoredScore() override;

    // Life cycle, run by the session.
    void Tick() override;
    bool OfferFinishedScore(bool askName) override;
    void CommitNameOnClose() override;
    void WriteSettings(frame::SettingsStore& store) override;
    void HideDialogs() override;

    // Declared first so it outlives the parts below that keep a reference to it.
    frame::Options m_options;
    Layout m_layout;
    Asker m_asker;
    std::unique_ptr<frame::SoundCues> m_sound;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<scores::HighScores> m_highScores;
    std::unique_ptr<web::QuadrelleWeb> m_web;
    frame::GameSession* m_session = nullptr;

    frame::GameRecorder m_recorder;
    frame::WatchSession* m_watch = nullptr;
    std::unique_ptr<View> m_watchView;
    std::unique_ptr<Engine> m_watchEngine;
    std::unique_ptr<RecordingPlayer> m_watchPlayer;
    bool m_colourAid = false;
    frame::WindowControls* m_controls = nullptr;
};

}  // namespace quadrelle
