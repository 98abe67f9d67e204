// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadrelle/formplunko.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <random>

#include "dialogs/art.h"
#include "dialogs/formabout.h"
#include "dialogs/forminstructions.h"
#include "frame/accessibility.h"
#include "frame/keycodes.h"
#include "frame/translations.h"
#include "frame/windowcontrols.h"
#include "quadrelle/renderer.h"
#include "scores/formtopten.h"
#include "scores/highscores.h"
#include "web/records.h"
#include "web/startdoc.h"
#include "web/webglobalbrowser.h"
#include "web/webquadrelle.h"

namespace quadrelle {

namespace {

const QColor kHeadText(128, 128, 128);
const QColor kValueText(192, 192, 192);

QLabel* makeLabel(QWidget* parent, const QString& text, const QRect& geometry, const QColor& colour,
                  qreal points, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

// The start levels' playful names, from a baby's pace to the madhouse.
const std::array<const char*, 10> kLevelCaptions = {
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "&1 - Baby"),
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "&2 - Little fella"),
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "&3 - Big child"),
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "&4 - It's easy"),
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "&5 - Never mind"),
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "&6 - I'm powerful"),
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "&7 - Insanity coming"),
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "&8 - So what?"),
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "&9 - Madness"),
    QT_TRANSLATE_NOOP("quadrelle::FormPlunko", "10 - &Sanitarium"),
};

}  // namespace

FormPlunko::FormPlunko(QWidget* parent, std::unique_ptr<frame::CueBackend> sound) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormPlunko"));
    setWindowTitle(QStringLiteral("Quadrelle"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    m_session = new frame::GameSession(*this, *this, frame::Program::Quadrelle);
    // The renderer's aid is one per program: this window draws as it says from the first cell on.
    quadrelle::SetColourAid(m_colourAid);
    m_sound = std::make_unique<frame::SoundCues>(frame::Program::Quadrelle, std::move(sound));
    frame::RandomSource random;
    m_engine = std::make_unique<Engine>(static_cast<View&>(*this), *m_sound, random);
    m_asker = [this](const QString& title, const QString& question) {
        return QMessageBox::question(this, title, question, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    m_controls = new frame::WindowControls(*this, *this, *m_sound, frame::Program::Quadrelle);
    m_controls->pauseOnFocusLoss = [this] { PauseOnFocusLoss(); };
    m_session->sizeToKeep = [this] { return m_controls->SizeToKeep(); };
    connect(m_controls, &frame::WindowControls::changed, this, [this] { ShowPaused(m_engine->Paused()); });
    connect(m_controls, &frame::WindowControls::changed, this, [this] {
        if (m_controls->Settings().ColourAid != m_colourAid) SetColourAid(m_controls->Settings().ColourAid);
    });

    BuildControls();
    BuildMenus();

    m_highScores = std::make_unique<scores::HighScores>(frame::Program::Quadrelle, this);
    scores::HighScoreHooks& hooks = m_highScores->hooks;
    hooks.currentList = [] { return 0; };
    hooks.showBestScore = [this](int32_t best) {
        m_engine->SetBestScore(best);
        ShowHiScore(best);
    };
    hooks.askYesNo = [this](const QString& question) { return Ask(question); };
    hooks.autoUploadWanted = [this] { return m_options.AutoUpload && Explorer4Present(); };
    m_web =
        std::make_unique<web::QuadrelleWeb>(this, m_options, random, web::DefaultGlobalScoresViewFactory());
    m_web->Records = [this] { return web::UploadRecordsOf(m_highScores->Table(), 0); };
    m_web->Picture = dialogs::Image256();
    m_web->SaveName = [this] { m_highScores->SaveName(); };
    m_web->AutoUploadChanged = [this](bool on) { AutoUpload->setChecked(on); };
    hooks.uploadEntry = [this](int16_t position) { m_web->OfferAutoUpload(position); };
    hooks.nameEntered = [this] { m_engine->NameEntered(); };

    InitGame();
    SetUpWatching();
    m_controls->SetWatching(m_watch);
}

FormPlunko::~FormPlunko() {
    m_session->Close(frame::GameSession::CloseReason::Destroyed);
    // The game is gone before the child widgets: nothing may reach it from their events any more.
    Background->removeEventFilter(this);
    LabelBW->removeEventFilter(this);
}

void FormPlunko::SetRandomSource(frame::RandomSource random) {
    m_engine->SetRandom(std::move(random));
}

void FormPlunko::BuildControls() {
    Background = new frame::DrawSurface(this);
    Background->SetBackColor(kWindowGrey);
    Background->installEventFilter(this);
    setCentralWidget(Background);

    PictureBg = new frame::DrawSurface(Background);
    PictureBg->SetBackColor(QColor(0, 0, 0));
    PictureBg->setFocusPolicy(Qt::StrongFocus);

    PictureStatusBar = new frame::DrawSurface(Background);
    PictureStatusBar->SetBackColor(kPanelGrey);
    PictureNext = new frame::DrawSurface(PictureStatusBar);
    PictureNext->SetBackColor(kPanelGrey);
    PictureNext->setGeometry(1, 34, kStatusBarWidth, kPreviewHeight);
    PictureNext->SetSurfaceSize(kStatusBarWidth, kPreviewHeight);
    PictureNext->Clear();

    const auto centre = Qt::AlignHCenter | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    QWidget* bar = PictureStatusBar;
    LabelNextHead = makeLabel(bar, tr("Next"), {2, 11, 60, 17}, kHeadText, 9.75, centre);
    LabelScoreHead = makeLabel(bar, tr("Score"), {4, 102, 58, 17}, kHeadText, 9.75, centre);
    LabelScore = makeLabel(bar, QStringLiteral("0"), {4, 118, 51, 17}, kValueText, 12, right);
    LabelLevelHead = makeLabel(bar, tr("Level"), {7, 151, 53, 17}, kHeadText, 9.75, centre);
    LabelLevel = makeLabel(bar, QStringLiteral("0"), {27, 167, 28, 17}, kValueText, 12, right);
    LabelLinesHead = makeLabel(bar, tr("Lines"), {9, 200, 53, 17}, kHeadText, 9.75, centre);
    LabelLines = makeLabel(bar, QStringLiteral("0"), {27, 216, 28, 17}, kValueText, 12, right);
    Label1 = makeLabel(bar, tr("High"), {-7, 260, 60, 17}, kHeadText, 9.75, centre);
    LabelHiScoreHead = makeLabel(bar, tr("Score"), {3, 273, 60, 17}, kHeadText, 9.75, centre);
    LabelHiScore = makeLabel(bar, QStringLiteral("0"), {-2, 290, 57, 17}, kValueText, 12, right);

    for (QLabel* heading :
         {LabelNextHead, LabelScoreHead, LabelLevelHead, LabelLinesHead, Label1, LabelHiScoreHead})
        frame::FitText(heading, quadrelle::kStatusBarWidth);

    LabelMessage = makeLabel(PictureBg, QString(), {0, 88, 10, 48}, kValueText, 24, centre);
    LabelMessage->hide();

    // For screen readers: what the well, the preview and the panel show; the numbers are values.
    frame::Describe(PictureBg, tr("Well"),
                    tr("The well, 10 squares wide and 20 deep, where the pieces fall"));
    frame::Describe(PictureNext, tr("Next piece"), tr("The piece that falls after the current one"));
    frame::Describe(PictureStatusBar, tr("Status"), tr("Score, level, erased rows and high score"));
    frame::MakeAccessibleValue(LabelScore, tr("Score"));
    frame::MakeAccessibleValue(LabelLevel, tr("Level"));
    frame::MakeAccessibleValue(LabelLines, tr("Lines"));
    //: The best score of the list, as a screen reader names it.
    frame::MakeAccessibleValue(LabelHiScore, tr("High score"));

    LabelBW0 = new QLabel(tr("A game by "), Background);
    LabelBW = new QLabel(QStringLiteral("Quillbyte"), Background);
    for (QLabel* label : {LabelBW0, LabelBW}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(176, 176, 176));
        label->setPalette(palette);
        label->adjustSize();
    }
    LabelBW->setCursor(Qt::PointingHandCursor);
    LabelBW->installEventFilter(this);

    Timer1 = m_session->Clock();
    TimerGameOver = m_session->GameOverTimer();
}

void FormPlunko::BuildMenus() {
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    Start = game->addAction(tr("&Start"), this, &FormPlunko::Start_Click);
    MenuPause = game->addAction(tr("&Pause"), this, &FormPlunko::MenuPause_Click);
    MenuPause->setCheckable(true);
    Exit = game->addAction(tr("&Exit"), this, &FormPlunko::Exit_Click);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    StartLevel = options->addMenu(tr("Start &Level"));
    for (int i = 0; i < 10; ++i) {
        MenuLevel[i] =
            StartLevel->addAction(tr(kLevelCaptions[i]), this, [this, i] { MenuLevel_Click(i + 1); });
        MenuLevel[i]->setCheckable(true);
    }
    MenuSound = options->addAction(tr("&Sound"), this, &FormPlunko::MenuSound_Click);
    MenuSound->setCheckable(true);
    AutoUpload = options->addAction(tr("&AutoUpload"), this, &FormPlunko::AutoUpload_Click);
    AutoUpload->setCheckable(true);
    m_controls->AddMenuEntry(options);

    QMenu* highscores = menuBar()->addMenu(tr("&Highscores"));
    TopTen = highscores->addAction(tr("&Local Highscores..."), this, &FormPlunko::TopTen_Click);
    ClearHighscores =
        highscores->addAction(tr("&Clear Highscores"), this, &FormPlunko::ClearHighscores_Click);
    UploadBestScore =
        highscores->addAction(tr("&Upload Highscores..."), this, &FormPlunko::UploadBestScore_Click);
    globalhighscores =
        highscores->addAction(tr("&Global Highscores..."), this, &FormPlunko::globalhighscores_Click);

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    menuAbout = helpMenu->addAction(tr("&About"), this, &FormPlunko::menuAbout_Click);
    help = helpMenu->addAction(tr("&Instructions"), this, &FormPlunko::help_Click);
}

void FormPlunko::InitGame() {
    m_options = frame::ReadOptions(m_session->Store(), frame::Program::Quadrelle);
    m_session->SetUpSound(*m_sound, MenuSound, m_options.Sound);
    m_engine->SetStartLevel(m_options.StartLevel);
    m_controls->Load(m_session->Store());
    // The stored aid: the first resize draws with it.
    m_colourAid = m_controls->Settings().ColourAid;
    quadrelle::SetColourAid(m_colourAid);
    m_highScores->Load(m_session->Store());

    UncheckLevelMenu();
    MenuLevel[static_cast<size_t>(m_options.StartLevel - 1)]->setChecked(true);
    AutoUpload->setChecked(m_options.AutoUpload);

    m_engine->SetState(GameState::Idle);
    m_engine->ResetGame();
    ShowMessage(QString());
    m_session->RestoreWindow(m_options, QSize(kDesignWidth, kDesignHeight));
}

// ---- Clock ----

void FormPlunko::StartClock(int intervalMs) {
    m_session->StartClock(intervalMs);
}

void FormPlunko::StopClock() {
    m_session->StopClock();
}

void FormPlunko::Timer1_Timer() {
    m_session->ClockTick();
}

void FormPlunko::Tick() {
    m_engine->TimerHandler();
}

void FormPlunko::GameOver() {
    m_session->GameOver();
}

void FormPlunko::TimerGameOver_Timer() {
    m_session->TimerGameOver_Timer();
}

bool FormPlunko::SettleGameOver() {
    return m_session->SettleGameOver();
}

bool FormPlunko::OfferFinishedScore(bool askName) {
    return m_highScores->OfferFinishedGame(m_engine->Score(), m_engine->GameStartLevel(), m_engine->Level(),
                                           askName, frame::FinishedRecording(m_recorder));
}

// ---- Pause and messages ----

void FormPlunko::SetPaused(bool p) {
    m_engine->SetPaused(p);
}

void FormPlunko::ShowPaused(bool paused) {
    MenuPause->setChecked(paused);
    // The design's pause leaves the well in view; the Modern set hides it, so a pause gives nothing away.
    PictureBg->SetVeiled(paused && m_controls->bindings().Set() == frame::ControlSet::Modern);
}

void FormPlunko::ShowMessage(const QString& text) {
    LabelMessage->setText(text);
    LabelMessage->setVisible(!text.isEmpty());
    if (!text.isEmpty()) frame::Announce(PictureBg, text);
}

// ---- Layout and drawing ----

bool FormPlunko::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Background && event->type() == QEvent::Resize) Form_Resize();
    if (watched == LabelBW && event->type() == QEvent::MouseButtonRelease) LabelBW_Click();
    return QMainWindow::eventFilter(watched, event);
}

void FormPlunko::SetGamepads(frame::Gamepads& pads) {
    frame::ConnectGamepads(pads, *m_controls, *this, *this);
}

void FormPlunko::SetColourAid(bool on) {
    m_colourAid = on;
    quadrelle::SetColourAid(on);
    Form_Resize();
}

void FormPlunko::Form_Resize() {
    const int scaleWidth = Background->width(), scaleHeight = Background->height();
    Background->SetSurfaceSize(scaleWidth, scaleHeight);
    Background->Clear();

    m_layout =
        ComputeLayout({scaleWidth, scaleHeight, LabelBW0->width(), LabelBW->width(), LabelBW->height()});
    const Layout& l = m_layout;
    const bool visible = l.cellSize > 0;
    PictureBg->setGeometry(l.wellLeft, l.wellTop, std::max(1, l.wellWidth), std::max(1, l.wellHeight));
    PictureBg->SetSurfaceSize(l.wellWidth, l.wellHeight);
    PictureBg->Clear();
    PictureBg->setVisible(visible);
    PictureStatusBar->setGeometry(l.statusLeft, l.statusTop, l.statusWidth, std::max(1, l.statusHeight));
    PictureStatusBar->SetSurfaceSize(l.statusWidth, l.statusHeight);
    PictureStatusBar->Clear();
    PictureStatusBar->setVisible(visible);
    PictureStatusBar->Line(0, 0, 0, l.wellHeight, kEdgeGrey);

    LabelBW0->move(l.labelBW0Left, scaleHeight - 7 - LabelBW0->height());
    LabelBW->move(l.labelBWLeft, l.labelsTop);
    Background->Line(l.lineBWLeft, l.lineBWTop, l.lineBWRight, l.lineBWTop,
                     LabelBW->palette().color(QPalette::WindowText));

    LabelMessage->setGeometry(0, 88, std::max(1, l.wellWidth), LabelMessage->height());

    quadrelle::ShadeMargins(*Background, l, scaleWidth);
    // The well shown: the player's game, or the recorded game being watched.
    Engine& engine = Shown();
    engine.RedrawBoard();
    const GameState state = engine.State();
    if (state != GameState::Stopped && state != GameState::Idle) {
        engine.PaintNextBlock();
        // Only a piece still falling is shown again: in the other states it is already part of the board.
        if (state == GameState::Falling) engine.ShowFallingBlock();
    }
}

void FormPlunko::DrawCell(int16_t x, int16_t y, int32_t colour) {
    quadrelle::DrawCell(*PictureBg, x, y, colour, false, m_layout.cellSize);
}

void FormPlunko::DrawRowBar(int16_t row) {
    quadrelle::DrawRowBar(*PictureBg, row, m_layout.cellSize);
}

void FormPlunko::PaintNextBlock(const Matrix& next, int16_t entryY, int32_t colour) {
    quadrelle::PaintNextBlock(*PictureNext, next, entryY, colour, m_layout.cellSize, kStatusBarWidth);
}

void FormPlunko::ClearNext() {
    PictureNext->Clear();
}

void FormPlunko::ShowScore(int32_t score) {
    frame::SetValue(LabelScore, QString::number(score));
}
void FormPlunko::ShowHiScore(int32_t best) {
    // A best score that rises during a game is the player's new record.
    if (frame::SetValue(LabelHiScore, QString::number(best)) < best &&
        Shown().State() != GameState::Stopped && !Watching())
        frame::Announce(PictureBg, tr("New high score: %1").arg(best));
}
void FormPlunko::ShowLevel(int16_t level) {
    if (const int before = frame::SetValue(LabelLevel, QString::number(level)); before > 0 && level > before)
        frame::Announce(PictureBg, tr("Level %1").arg(level));
}
void FormPlunko::ShowLines(int16_t rows) {
    if (const int before = frame::SetValue(LabelLines, QString::number(rows)); rows > before)
        //: Told to a screen reader when full rows vanish; %1 is how many.
        frame::Announce(PictureBg, tr("Rows erased: %1").arg(rows - before));
}

void FormPlunko::FocusPlayArea() {
    PictureBg->setFocus();
}

// ---- Keys and questions ----

void FormPlunko::keyPressEvent(QKeyEvent* event) {
    if (!m_controls->KeyPress(event)) QMainWindow::keyPressEvent(event);
}

bool FormPlunko::RunCommand(frame::Command command, bool repeat) {
    const frame::KeyCode key = frame::Bindings::EngineKeyOf(frame::Program::Quadrelle, command);
    if (key != frame::kKeyNone) {
        // Held keys repeat, as the design's keys always did; the game reads no shift state.
        Form_KeyDown(key, 0);
        return true;
    }
    if (repeat) return true;
    switch (command) {
        case frame::Command::Pause:
            MenuPause_Click();
            return true;
        case frame::Command::Help:
            help_Click();
            return true;
        case frame::Command::FullScreen:
            m_controls->ToggleFullScreen();
            return true;
        default:
            return false;
    }
}

// A running game pauses, with the well hidden, while another program has the focus.
void FormPlunko::PauseOnFocusLoss() {
    const GameState state = m_engine->State();
    if (state != GameState::Stopped && state != GameState::Idle && !m_engine->Paused()) SetPaused(true);
}

void FormPlunko::Form_KeyDown(frame::KeyCode keyCode, int16_t shift) {
    (void)shift;  // the game does not use the shift state
    if (Watching()) return;
    m_engine->HandleKey(keyCode);
}

bool FormPlunko::Ask(const QString& question) {
    return m_asker && m_asker(frame::ProgramName(frame::Program::Quadrelle), question);
}

bool FormPlunko::AskNewGame() {
    return Ask(tr("Are you sure you want to start a new game"));
}

// ---- High scores ----

bool FormPlunko::Explorer4Present() const {
    return m_web->Explorer4Present();
}

int FormPlunko::CurrentPosition() const {
    return m_highScores->CurrentPosition();
}

void FormPlunko::SetCurrentPosition(int position) {
    m_highScores->SetCurrentPosition(static_cast<int16_t>(position));
}

void FormPlunko::CommitPendingName() {
    m_highScores->SaveName();
}

void FormPlunko::CommitNameOnClose() {
    m_highScores->CommitOnClose();
}

int32_t FormPlunko::BestStoredScore() {
    return m_highScores->BestScore();
}

// ---- Menus ----

void FormPlunko::Start_Click() {
    m_engine->Start();
}

void FormPlunko::MenuPause_Click() {
    SetPaused(!m_engine->Paused());
}

void FormPlunko::Exit_Click() {
    close();
}

void FormPlunko::UncheckLevelMenu() {
    for (QAction* a : MenuLevel)
        a->setChecked(false);
}

void FormPlunko::MenuLevel_Click(int level) {
    UncheckLevelMenu();
    MenuLevel[static_cast<size_t>(level - 1)]->setChecked(true);
    m_options.StartLevel = static_cast<int16_t>(level);
    // Takes effect at the next new game; the running game keeps its level.
    m_engine->SetStartLevel(m_options.StartLevel);
}

void FormPlunko::MenuSound_Click() {
    m_sound->SetSoundOn(!m_sound->SoundOn());
}

void FormPlunko::AutoUpload_Click() {
    m_options.AutoUpload = !m_options.AutoUpload;
    AutoUpload->setChecked(m_options.AutoUpload);
}

void FormPlunko::TopTen_Click() {
    m_highScores->ShowTopTen();
}

void FormPlunko::ClearHighscores_Click() {
    m_highScores->ClearHighscores();
}

void FormPlunko::UploadBestScore_Click() {
    m_web->UploadBestScore();
}

void FormPlunko::globalhighscores_Click() {
    m_web->globalhighscores();
}

void FormPlunko::LabelBW_Click() {
    m_web->LabelBW_Click();
}

void FormPlunko::menuAbout_Click() {
    dialogs::ShowAbout(frame::Program::Quadrelle, this, CurrentVersion(),
                       [this](const QString& doc, bool url) { return web::StartDoc(this, doc, url); });
}

void FormPlunko::help_Click() {
    dialogs::ShowInstructions(frame::Program::Quadrelle, this);
}

// ---- Shut-down ----

void FormPlunko::HideDialogs() {
    m_watch->End(false);
    if (m_highScores->IsShowing()) m_highScores->Dialog().hide();
}

void FormPlunko::WriteSettings(frame::SettingsStore& store) {
    m_options.Sound = m_sound->SoundOn();
    m_options.StartLevel = m_engine->StartLevel();
    frame::WriteOptions(store, frame::Program::Quadrelle, m_options);
    m_controls->Save(store);
    m_highScores->Save(store);
}

}  // namespace quadrelle
