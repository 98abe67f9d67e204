// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "frame/bindings.h"
#include "frame/gamepads.h"
#include "frame/gamerecording.h"
#include "frame/gamesession.h"
#include "frame/keycodes.h"
#include "frame/options.h"
#include "frame/random.h"
#include "frame/soundcues.h"
#include "frame/watchsession.h"
#include "scores/highscores.h"
#include "web/webzephlon.h"
#include "zephlon/engine.h"
#include "zephlon/recordingplayer.h"
#include "zephlon/renderer.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace frame {
class DrawSurface;
class WindowControls;
}  // namespace frame

// The Zephlon main window: menus, play area, status bar, message panel and sprites. It builds the controls
// (formzephloncontrols.cpp), shows what the engine draws (formzephlonview.cpp), hands keys and mouse to the
// engine (formzephloninput.cpp), and runs its life cycle through the shared game session.
class FormZephlon : public QMainWindow,
                    public zephlon::ZephlonView,
                    public frame::CommandTarget,
                    private frame::SessionHost {
    Q_OBJECT
  public:
    // Without a random source the game draws from a generator seeded from the clock; without a sound backend
    // the cues play through QtMultimedia.
    explicit FormZephlon(QWidget* parent = nullptr, std::optional<frame::RandomSource> random = std::nullopt,
                         std::unique_ptr<frame::CueBackend> sound = nullptr);
    ~FormZephlon() override;

    zephlon::ZephlonEngine& Engine() { return *m_engine; }
    // The engine whose game the window shows: the player's, or the recorded game being watched.
    zephlon::ZephlonEngine& Shown() { return m_watchEngine ? *m_watchEngine : *m_engine; }
    frame::SoundCues& Sound() { return *m_sound; }
    frame::GameSession& Session() { return *m_session; }
    frame::SettingsStore& Settings() { return m_session->Store(); }
    // The colour-blind aid: marks on every colour, redrawn at once. Off unless the player turns it on.
    void SetColourAid(bool on);
    bool ColourAid() const { return m_colourAid; }
    // Takes the pads' presses as keys (frame::ConnectGamepads).
    void SetGamepads(frame::Gamepads& pads);
    // The options as the close would write them now.
    frame::Options Options() const;
    scores::HighScores& Scores() { return *m_highScores; }
    // The keys, pad buttons, colour aid and volume, and their window.
    frame::WindowControls& Controls() { return *m_controls; }
    // Runs a command as its key does (keys and pad buttons come here through the bindings).
    bool RunCommand(frame::Command command, bool repeat) override;

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
    const zephlon::RecordingPlayer* WatchedPlayer() const { return m_watchPlayer.get(); }

    // Answers a Yes/No question; the default shows a message box. Tests put their answer here.
    using Asker = std::function<bool(const QString& question)>;
    void SetAsker(Asker asker) { m_asker = std::move(asker); }

    void Form_KeyDown(frame::KeyCode keyCode);
    // A clock tick: one engine step, while this window is the active window.
    void Timer1_Timer();
    // One second after a game ended: the score is offered to the table.
    void TimerGameOver_Timer();
    void Form_Resize();
    void LayoutMessage();
    void FitMessageText(int maxWidth);
    int m_messageFontSize = 21;  // the size the message asked for; a narrow play area may draw it smaller

    // Menu helpers.
    void UpdateLevelMenu();
    void UncheckLevelMenu();
    void UncheckColourMenu();
    void LockModeMenu();
    void UnlockModeMenu();

    // ---- ZephlonView ----
    int CellSize() const override { return m_cellSize; }
    int NextBoxWidth() const override;
    void DrawCell(const zephlon::CellDrawing& cell) override;
    void DrawPipe(const zephlon::PipeDrawing& pipe) override;
    void ClearNextBox() override;
    void HideFallingSprite() override;
    void SetLaserBombVisible(bool visible) override;
    void PlaceBlinkBlock(int column, int row) override;
    void SetBlinkBlockVisible(bool visible) override;
    void ShowMessage(const QString& text, int fontSize) override;
    void SetLabel(zephlon::StatusLabel label, const QString& text) override;
    void StartClock(int intervalMs) override;
    void StopClock() override;
    void SetBlinkTimer(bool on) override;
    void SetLaserBombTimer(bool on) override;
    void GameOver() override;
    bool SettleGameOver() override;
    void SetMenuReplayEnabled(bool enabled) override;
    void SetMenuStopEnabled(bool enabled) override;
    void SetModeMenuLocked(bool locked) override;
    void ShowPaused(bool paused) override;
    void RefreshLevelMenu() override;
    void FocusPlayArea() override;
    void ShowInstructions() override;
    bool AskNewGame() override;
    int32_t BestStoredScore(int32_t mode) override;
    // Commits a high-score name still being typed; runs first when a game starts.
    void CommitPendingName() override;

    // Controls, by their design names.
    frame::DrawSurface* PictureBg = nullptr;
    frame::DrawSurface* PictureStatusBar = nullptr;
    frame::DrawSurface* PictureNext = nullptr;
    frame::DrawSurface* PictureMessage = nullptr;
    frame::DrawSurface* PictureBlock = nullptr;
    frame::DrawSurface* PictureLaserBomb = nullptr;
    frame::DrawSurface* PictureBlinkBlock = nullptr;
    QLabel* LabelMessage = nullptr;
    QLabel* ImageMessage = nullptr;
    QLabel* LabelNextHead = nullptr;
    QLabel* LabelScoreHead = nullptr;
    QLabel* LabelScore = nullptr;
    QLabel* LabelLevelHead = nullptr;
    QLabel* LabelLevel = nullptr;
    QLabel* LabelBlocksHead = nullptr;
    QLabel* LabelBlocks = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabelHiScoreHead = nullptr;
    QLabel* LabelHiScore = nullptr;
    QLabel* LabelBW0 = nullptr;
    QLabel* LabelBW = nullptr;
    QWidget* LineBW = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* TimerBlinkBlock = nullptr;
    QTimer* TimerLaserBomb = nullptr;
    QTimer* TimerGameOver = nullptr;

    QAction* StartOriginal = nullptr;
    QAction* MenuOriginal = nullptr;
    QAction* MenuPuzzle = nullptr;
    QAction* MenuReplay = nullptr;
    QAction* MenuPause = nullptr;
    QAction* MenuStop = nullptr;
    QAction* Exit = nullptr;
    std::array<QAction*, 10> MenuLevel{};
    std::array<QAction*, 5> MenuColour{};
    QAction* MenuKeyBoard = nullptr;
    QAction* MenuMouse = nullptr;
    QAction* MenuSound = nullptr;
    QAction* ScoreServer = nullptr;
    QAction* TopTen = nullptr;
    QAction* UploadBestScore = nullptr;
    QAction* globalhighscores = nullptr;
    QAction* menuAbout = nullptr;
    QAction* MenuGamePlay = nullptr;
    QAction* MenuKeyControl = nullptr;
    QAction* MenuScoring = nullptr;

    // The designed and smallest window size.
    static constexpr int kDesignWidth = zephlon::kMinimumWindowWidth;
    static constexpr int kDesignHeight = zephlon::kMinimumWindowHeight;

    // The picture the message panel shows for the logo token.
    static QPixmap LogoPicture(int maxWidth);

  public slots:
    void StartOriginal_Click();
    void MenuOriginal_Click();
    void MenuPuzzle_Click();
    void MenuReplay_Click();
    void MenuPause_Click();
    void MenuStop_Click();
    void Exit_Click();
    void MenuLevel_Click(int n);
    void MenuColour_Click(int n);
    void MenuKeyBoard_Click();
    void MenuMouse_Click();
    void MenuSound_Click();
    void ScoreServer_Click();
    void TopTen_Click();
    void UploadBestScore_Click();
    void globalhighscores_Click();
    void ShowAbout();
    void ShowKeyControl();
    void ShowScoring();
    void LabelBW_Click();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // ---- SessionHost ----
    void Tick() override;
    bool OfferFinishedScore(bool askName) override;
    void CommitNameOnClose() override;
    void WriteSettings(frame::SettingsStore& store) override;
    void HideDialogs() override;

    void Form_Load();
    void BuildMenus();
    void BuildControls();
    // Names and descriptions of the pit, preview and panels for screen readers.
    void DescribeForAssistiveTechnology();
    void ConnectMouse();
    void InitGame();
    void DrawShading(QPainter& painter);
    void PaintBlinkBlock();
    frame::DrawSurface* SurfaceFor(zephlon::DrawTarget target);
    // The window's controls as a recording being watched draws on them (formzephlonwatch.cpp).
    class WatchView;
    void SetUpWatching();
    // Watching ended: the player's game is shown again.
    void WatchEnded();

    frame::RandomSource m_random;
    std::unique_ptr<frame::SoundCues> m_sound;
    frame::GameSession* m_session = nullptr;
    bool m_colourAid = false;
    std::unique_ptr<zephlon::ZephlonEngine> m_engine;
    frame::Options m_options;
    Asker m_asker;
    QWidget* m_central = nullptr;
    zephlon::Layout m_layout;
    int m_cellSize = 34;
    bool m_showingLogo = false;
    std::unique_ptr<scores::HighScores> m_highScores;
    std::unique_ptr<web::ZephlonWeb> m_web;

    frame::GameRecorder m_recorder;
    frame::WatchSession* m_watch = nullptr;
    std::unique_ptr<zephlon::ZephlonView> m_watchView;
    std::unique_ptr<zephlon::ZephlonEngine> m_watchEngine;
    std::unique_ptr<zephlon::RecordingPlayer> m_watchPlayer;
    // The message panel's look before watching.
    bool m_watchShowingLogo = false;
    int m_watchMessageFontSize = 21;
    frame::WindowControls* m_controls = nullptr;
};
