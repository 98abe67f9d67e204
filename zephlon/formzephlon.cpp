// SPDX-License-Identifier: GPL-3.0-or-later
#include "zephlon/formzephlon.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "dialogs/art.h"
#include "dialogs/formabout.h"
#include "dialogs/zephlonhelp.h"
#include "frame/drawsurface.h"
#include "frame/windowcontrols.h"
#include "web/records.h"
#include "web/startdoc.h"

FormZephlon::FormZephlon(QWidget* parent, std::optional<frame::RandomSource> random,
                         std::unique_ptr<frame::CueBackend> sound)
    : QMainWindow(parent), m_random(random ? *random : frame::RandomSource()) {
    m_session = new frame::GameSession(*this, *this, frame::Program::Zephlon);
    // The renderer's aid is one per program: this window draws as it says from the first cell on.
    zephlon::SetColourAid(m_colourAid);
    m_sound = std::make_unique<frame::SoundCues>(frame::Program::Zephlon, std::move(sound));
    m_engine = std::make_unique<zephlon::ZephlonEngine>(*this, *m_sound, m_random);
    m_asker = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    m_highScores = std::make_unique<scores::HighScores>(frame::Program::Zephlon, this);
    scores::HighScoreHooks& hooks = m_highScores->hooks;
    hooks.currentList = [this] { return m_engine->Options().gameMode == zephlon::GameMode::Puzzle ? 1 : 0; };
    hooks.showBestScore = [this](int32_t best) {
        m_engine->SetBestScore(best);
        if (LabelHiScore) LabelHiScore->setText(QString::number(best));
    };
    hooks.askYesNo = [this](const QString& question) { return m_asker(question); };
    m_web = std::make_unique<web::ZephlonWeb>(this, m_options, m_random);
    m_web->CurrentList = hooks.currentList;
    m_web->Picture = dialogs::Image256();
    m_web->Records = [this](int list) { return web::UploadRecordsOf(m_highScores->Table(), list); };
    hooks.uploadTop3 = [this] { m_web->UploadTop3(); };
    hooks.uploadEntry = [this](int16_t position) { m_web->OfferUpload(position); };
    hooks.nameEntered = [this] { m_engine->NameEntered(); };
    m_controls = new frame::WindowControls(*this, *this, *m_sound, frame::Program::Zephlon);
    connect(m_controls, &frame::WindowControls::changed, this, [this] {
        if (m_controls->Settings().ColourAid != m_colourAid) SetColourAid(m_controls->Settings().ColourAid);
    });
    // A running game pauses (its board hidden, as the design's pause does) while another program has the
    // focus.
    m_session->sizeToKeep = [this] { return m_controls->SizeToKeep(); };
    m_controls->pauseOnFocusLoss = [this] {
        const zephlon::GameContext& c = m_engine->Context();
        if (c.GameRunning() && !c.paused) m_engine->SetPaused(true);
    };
    Form_Load();
    SetUpWatching();
    m_controls->SetWatching(m_watch);
}

FormZephlon::~FormZephlon() {
    m_session->Close(frame::GameSession::CloseReason::Destroyed);
}

void FormZephlon::Form_Load() {
    setObjectName(QStringLiteral("FormZephlon"));
    setWindowTitle(QStringLiteral("Zephlon"));
    setWindowIcon(dialogs::ProgramIcon(frame::Program::Zephlon));
    setMinimumSize(zephlon::kMinimumWindowWidth, zephlon::kMinimumWindowHeight);
    resize(kDesignWidth, kDesignHeight);
    BuildMenus();
    BuildControls();
    InitGame();
}

// Start-up: options, menus from the options, the demo, and the window size.
void FormZephlon::InitGame() {
    m_options = frame::ReadOptions(m_session->Store(), frame::Program::Zephlon);
    m_session->SetUpSound(*m_sound, MenuSound, m_options.Sound);
    zephlon::ZephlonOptions options;
    options.firstTime = m_options.FirstTime;
    options.startLevel = m_options.StartLevel;
    options.startLevelPuzzle = m_options.StartLevelPuzzle;
    options.maxLevelPuzzle = m_options.MaxLevelPuzzle;
    options.gameMode = m_options.GameMode == 0 ? zephlon::GameMode::Original : zephlon::GameMode::Puzzle;
    options.control = m_options.Control == 2 ? zephlon::Control::Mouse : zephlon::Control::Keyboard;
    options.blockColour = m_options.BlockColour;
    m_engine->SetOptions(options);
    // The high-score records follow the options; the best score of the mode's list goes to LabelHiScore.
    m_highScores->Load(m_session->Store());
    m_controls->Load(m_session->Store());
    // The stored aid: the first resize draws with it.
    m_colourAid = m_controls->Settings().ColourAid;
    zephlon::SetColourAid(m_colourAid);

    const zephlon::ZephlonOptions& o = m_engine->Options();
    UpdateLevelMenu();
    MenuOriginal->setChecked(o.gameMode == zephlon::GameMode::Original);
    MenuPuzzle->setChecked(o.gameMode == zephlon::GameMode::Puzzle);
    UncheckColourMenu();
    MenuColour[static_cast<size_t>(o.blockColour - 1)]->setChecked(true);
    MenuKeyBoard->setChecked(o.control == zephlon::Control::Keyboard);
    MenuMouse->setChecked(o.control == zephlon::Control::Mouse);
    MenuReplay->setEnabled(false);
    MenuStop->setEnabled(false);

    m_engine->InitGame();
    m_session->RestoreWindow(m_options, QSize(kDesignWidth, kDesignHeight));
}

frame::Options FormZephlon::Options() const {
    frame::Options options = m_options;
    const zephlon::ZephlonOptions& o = m_engine->Options();
    options.Sound = m_sound->SoundOn();
    options.FirstTime = o.firstTime;
    options.StartLevel = o.startLevel;
    options.StartLevelPuzzle = o.startLevelPuzzle;
    options.MaxLevelPuzzle = o.maxLevelPuzzle;
    options.GameMode = static_cast<int32_t>(o.gameMode);
    options.Control = static_cast<int32_t>(o.control);
    options.BlockColour = o.blockColour;
    return options;
}

// ---------------------------------------------------------------------------------------------------------------
// Life cycle, run by the session

void FormZephlon::Timer1_Timer() {
    m_session->ClockTick();
}

void FormZephlon::Tick() {
    m_engine->TimerHandler();
}

void FormZephlon::TimerGameOver_Timer() {
    m_session->TimerGameOver_Timer();
}

// A score above 0 is offered to the mode's list; an entry opens the name entry.
bool FormZephlon::OfferFinishedScore(bool askName) {
    const zephlon::GameContext& c = m_engine->Context();
    return m_highScores->OfferFinishedGame(c.score, c.gameStartLevel, c.level, askName,
                                           frame::FinishedRecording(m_recorder));
}

void FormZephlon::CommitPendingName() {
    m_highScores->SaveName(false);
}

void FormZephlon::CommitNameOnClose() {
    m_highScores->CommitOnClose();
}

// Entry 1 of the mode's high-score list.
int32_t FormZephlon::BestStoredScore(int32_t mode) {
    return m_highScores->Table().BestScore(mode == static_cast<int32_t>(zephlon::GameMode::Puzzle) ? 1 : 0);
}

void FormZephlon::HideDialogs() {
    m_watch->End(false);
    if (m_highScores->IsShowing()) m_highScores->Dialog().hide();
}

void FormZephlon::WriteSettings(frame::SettingsStore& store) {
    m_options = Options();
    frame::WriteOptions(store, frame::Program::Zephlon, m_options);
    m_controls->Save(store);
    // The high-score records go between the options and the window size.
    m_highScores->Save(store);
}

// ---------------------------------------------------------------------------------------------------------------
// Menus

void FormZephlon::StartOriginal_Click() {
    m_engine->Start();
}

bool FormZephlon::AskNewGame() {
    return m_asker(tr("Are you sure you want to start a new game"));
}

void FormZephlon::MenuOriginal_Click() {
    MenuOriginal->setChecked(true);
    MenuPuzzle->setChecked(false);
    m_engine->SetGameMode(zephlon::GameMode::Original);
}

void FormZephlon::MenuPuzzle_Click() {
    MenuPuzzle->setChecked(true);
    MenuOriginal->setChecked(false);
    m_engine->SetGameMode(zephlon::GameMode::Puzzle);
}

void FormZephlon::MenuReplay_Click() {
    m_engine->ReplayLevel();
}

void FormZephlon::MenuPause_Click() {
    m_engine->SetPaused(!m_engine->Context().paused);
}

void FormZephlon::MenuStop_Click() {
    m_engine->gameOver();
}

void FormZephlon::Exit_Click() {
    close();
}

void FormZephlon::MenuLevel_Click(int n) {
    m_engine->SetStartLevel(static_cast<int16_t>(n));
}

void FormZephlon::MenuColour_Click(int n) {
    UncheckColourMenu();
    MenuColour[static_cast<size_t>(n - 1)]->setChecked(true);
    m_engine->SetBlockColour(static_cast<int16_t>(n));
}

void FormZephlon::MenuKeyBoard_Click() {
    m_engine->SetControl(zephlon::Control::Keyboard);
    MenuKeyBoard->setChecked(true);
    MenuMouse->setChecked(false);
}

void FormZephlon::MenuMouse_Click() {
    m_engine->SetControl(zephlon::Control::Mouse);
    MenuMouse->setChecked(true);
    MenuKeyBoard->setChecked(false);
}

void FormZephlon::MenuSound_Click() {
    m_session->ToggleSound(*m_sound, MenuSound);
}

void FormZephlon::ScoreServer_Click() {
    m_web->ScoreServer();
}
void FormZephlon::TopTen_Click() {
    m_highScores->ShowTopTen(-1);
}
void FormZephlon::UploadBestScore_Click() {
    m_web->UploadTop3();
}
void FormZephlon::globalhighscores_Click() {
    m_web->globalhighscores();
}
void FormZephlon::ShowAbout() {
    dialogs::ShowAbout(frame::Program::Zephlon, this, web::kZephlonVersion,
                       [this](const QString& doc, bool url) { return web::StartDoc(this, doc, url); });
}
void FormZephlon::ShowInstructions() {
    dialogs::ZephlonHelp::For(this).ShowInstructions();
}
void FormZephlon::ShowKeyControl() {
    dialogs::ZephlonHelp::For(this).ShowKeyControl();
}
void FormZephlon::ShowScoring() {
    dialogs::ZephlonHelp::For(this).ShowScoring();
}
void FormZephlon::LabelBW_Click() {
    m_web->LabelBW_Click();
}
