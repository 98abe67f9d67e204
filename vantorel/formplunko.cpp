// SPDX-License-Identifier: GPL-3.0-or-later
#include "vantorel/formplunko.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <random>

#include "dialogs/art.h"
#include "dialogs/formabout.h"
#include "dialogs/forminstructions.h"
#include "dialogs/maker.h"
#include "frame/accessibility.h"
#include "frame/keycodes.h"
#include "frame/settingsstore.h"
#include "frame/translations.h"
#include "frame/windowcontrols.h"
#include "scores/highscores.h"
#include "web/records.h"
#include "web/webvantorel.h"

namespace vantorel {

namespace {

constexpr frame::Program kProgram = frame::Program::Vantorel;

const QColor kHeadColour(128, 128, 128);
const QColor kNumberColour(192, 192, 192);

frame::RandomSource RandomOf(FormPlunkoHooks& hooks) {
    if (!hooks.random) hooks.random = frame::RandomSource();
    return *hooks.random;
}

// A stand-in window picture, should the program's icon be missing: three squares, one see-through.
QIcon PieceIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const CellColours yellow = ColoursOf(kYellow), blue = ColoursOf(kBlue), green = ColoursOf(kGreen);
    p.fillRect(1, 1, 14, 14, yellow.fill);
    p.fillRect(1, 17, 14, 14, green.fill);
    p.setPen(blue.fill);
    for (int f = 0; f <= 6; f += 3)
        p.drawRect(17 + f, 17 + f, 13 - 2 * f, 13 - 2 * f);
    return QIcon(pixmap);
}

}  // namespace

FormPlunko::FormPlunko(QWidget* parent) : FormPlunko(FormPlunkoHooks{}, parent) {}

FormPlunko::FormPlunko(FormPlunkoHooks hooks, QWidget* parent)
    : QMainWindow(parent),
      m_hooks(std::move(hooks)),
      m_cues(kProgram, std::move(m_hooks.cueBackend)),
      m_cueGate(m_cues),
      m_game(*this, m_cueGate, RandomOf(m_hooks)) {
    setObjectName(QStringLiteral("FormPlunko"));
    setWindowTitle(QStringLiteral("Vantorel"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    m_session = new frame::GameSession(*this, *this, kProgram);
    // The renderer's aid is one per program: this window draws as it says from the first cell on.
    vantorel::SetColourAid(m_colourAid);
    m_controls = new frame::WindowControls(*this, *this, m_cues, kProgram);
    m_controls->pauseOnFocusLoss = [this] { PauseOnFocusLoss(); };
    m_session->sizeToKeep = [this] { return m_controls->SizeToKeep(); };
    connect(m_controls, &frame::WindowControls::changed, this, &FormPlunko::ApplyControls);
    connect(m_controls, &frame::WindowControls::changed, this, [this] {
        if (m_controls->Settings().ColourAid != m_colourAid) SetColourAid(m_controls->Settings().ColourAid);
    });
    if (!m_hooks.ask)
        m_hooks.ask = [this](const QString& question) {
            return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes;
        };
    Form_Load();
}

void FormPlunko::SetGamepads(frame::Gamepads& pads) {
    frame::ConnectGamepads(pads, *m_controls, *this, *this);
}

void FormPlunko::SetColourAid(bool on) {
    m_colourAid = on;
    vantorel::SetColourAid(on);
    Form_Resize();
}

FormPlunko::~FormPlunko() {
    m_session->Close(frame::GameSession::CloseReason::Destroyed);
}

void FormPlunko::Form_Load() {
    const QIcon icon = dialogs::ProgramIcon(kProgram);
    setWindowIcon(icon.isNull() ? PieceIcon() : icon);
    CreateControls();
    CreateMenus();
    m_scores = std::make_unique<scores::HighScores>(kProgram, this);
    m_scores->hooks.showBestScore = [this](int32_t best) { ShowNumber(LabelHiScore, best); };
    if (m_hooks.now) m_scores->hooks.now = m_hooks.now;
    m_web = std::make_unique<web::VantorelWeb>(this, m_options, RandomOf(m_hooks));
    m_web->Records = [this] { return web::UploadRecordsOf(m_scores->Table(), 0); };
    m_web->SaveName = [this] { m_scores->SaveName(); };
    m_scores->Dialog().setWindowIcon(windowIcon());
    InitGame();
    SetUpWatching();
    m_controls->SetWatching(m_watch);
}

QLabel* FormPlunko::MakeLabel(QWidget* parent, const QString& text, int top, int height, int pixelSize,
                              bool heading, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, heading ? kHeadColour : kNumberColour);
    label->setPalette(palette);
    label->setGeometry(2, top, kStatusBarWidth - 6, height);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void FormPlunko::CreateControls() {
    m_frame = new frame::DrawSurface(this);
    m_frame->SetBackColor(kWindowBackground);
    setCentralWidget(m_frame);

    PictureBg = new frame::DrawSurface(m_frame);
    PictureBg->setObjectName(QStringLiteral("PictureBg"));
    PictureBg->SetBackColor(kPitBackground);
    PictureBg->setFocusPolicy(Qt::StrongFocus);

    LabelMessage = new QLabel(PictureBg);
    LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
    QFont messageFont(QStringLiteral("Arial"));
    messageFont.setPixelSize(32);
    messageFont.setBold(true);
    LabelMessage->setFont(messageFont);
    LabelMessage->setAlignment(Qt::AlignCenter);
    QPalette messagePalette = LabelMessage->palette();
    messagePalette.setColor(QPalette::WindowText, kNumberColour);
    LabelMessage->setPalette(messagePalette);
    LabelMessage->hide();

    PictureStatusBar = new frame::DrawSurface(m_frame);
    PictureStatusBar->setObjectName(QStringLiteral("PictureStatusBar"));
    PictureStatusBar->SetBackColor(kStatusBackground);

    const Qt::Alignment centre = Qt::AlignHCenter, right = Qt::AlignRight;
    LabelNextHead = MakeLabel(PictureStatusBar, tr("Next"), 11, 16, 13, true, centre);
    LabelScoreHead = MakeLabel(PictureStatusBar, tr("Score"), 102, 16, 13, true, centre);
    LabelScore = MakeLabel(PictureStatusBar, QStringLiteral("0"), 118, 22, 16, false, right);
    LabelLevelHead = MakeLabel(PictureStatusBar, tr("Level"), 151, 16, 13, true, centre);
    LabelLevel = MakeLabel(PictureStatusBar, QStringLiteral("0"), 167, 22, 16, false, right);
    LabelLinesHead = MakeLabel(PictureStatusBar, tr("Lines"), 200, 16, 13, true, centre);
    LabelLines = MakeLabel(PictureStatusBar, QStringLiteral("0"), 216, 22, 16, false, right);
    Label1 = MakeLabel(PictureStatusBar, tr("High"), 260, 16, 13, true, right);
    LabelHiScoreHead = MakeLabel(PictureStatusBar, tr("Score"), 273, 16, 13, true, centre);
    LabelHiScore = MakeLabel(PictureStatusBar, QStringLiteral("0"), 290, 22, 16, false, right);
    // "High" stands right-aligned over the middle of "Score".
    Label1->setGeometry(2, 260, kStatusBarWidth / 2 + 16, 16);
    for (QLabel* heading :
         {LabelNextHead, LabelScoreHead, LabelLevelHead, LabelLinesHead, Label1, LabelHiScoreHead})
        frame::FitText(heading, kStatusBarWidth);
    // For screen readers: what the pit and the panel show; the numbers are values.
    frame::Describe(PictureBg, tr("Pit"), tr("The pit, 8 squares wide and 18 deep, where the pieces fall"));
    frame::Describe(
        PictureStatusBar, tr("Next piece and status"),
        tr("The piece that falls after the current one, score, level, erased rows and high score"));
    frame::MakeAccessibleValue(LabelScore, tr("Score"));
    frame::MakeAccessibleValue(LabelLevel, tr("Level"));
    frame::MakeAccessibleValue(LabelLines, tr("Lines"));
    //: The best score of the list, as a screen reader names it.
    frame::MakeAccessibleValue(LabelHiScore, tr("High score"));

    LabelBW = new QLabel(QStringLiteral("Vantorel \u00b7 Quillbyte \u00b7 https://www.example.org/quillbyte"),
                         m_frame);
    LabelBW->setObjectName(QStringLiteral("LabelBW"));
    QFont captionFont(QStringLiteral("Sans Serif"));
    captionFont.setPixelSize(11);
    LabelBW->setFont(captionFont);
    QPalette captionPalette = LabelBW->palette();
    captionPalette.setColor(QPalette::WindowText, QColor(200, 200, 200));
    LabelBW->setPalette(captionPalette);
    LabelBW->adjustSize();

    Timer1 = m_session->Clock();
    Timer1->setInterval(kFirstInterval);
    // Layout follows the window only once every control exists.
    m_frame->installEventFilter(this);
}

void FormPlunko::CreateMenus() {
    MenuGame = menuBar()->addMenu(tr("&Game"));
    MenuGame->setObjectName(QStringLiteral("MenuGame"));
    Start = MenuGame->addAction(tr("&Start"), this, &FormPlunko::Start_Click);
    MenuPause = MenuGame->addAction(tr("&Pause"), this, &FormPlunko::MenuPause_Click);
    MenuPause->setCheckable(true);
    Exit = MenuGame->addAction(tr("&Exit"), this, &FormPlunko::Exit_Click);

    Options = menuBar()->addMenu(tr("&Options"));
    Options->setObjectName(QStringLiteral("Options"));
    StartLevel = Options->addMenu(tr("Start &Level"));
    StartLevel->setObjectName(QStringLiteral("StartLevel"));
    static const char* const kLevelCaptions[10] = {
        QT_TR_NOOP("&1 - Baby"),
        QT_TR_NOOP("&2 - Little fella"),
        QT_TR_NOOP("&3 - Big child"),
        QT_TR_NOOP("&4 - It's easy"),
        QT_TR_NOOP("&5 - Never mind"),
        QT_TR_NOOP("&6 - I'm powerful"),
        QT_TR_NOOP("&7 - Insanity coming"),
        QT_TR_NOOP("&8 - So what?"),
        QT_TR_NOOP("&9 - Madness"),
        QT_TR_NOOP("10 - &Sanitarium"),
    };
    for (int n = 1; n <= 10; ++n) {
        QAction* entry =
            StartLevel->addAction(tr(kLevelCaptions[n - 1]), this, [this, n] { MenuLevel_Click(n); });
        entry->setObjectName(QStringLiteral("MenuLevel%1").arg(n));
        entry->setCheckable(true);
        MenuLevel[static_cast<size_t>(n - 1)] = entry;
    }
    MenuSound = Options->addAction(tr("&Sound"), this, &FormPlunko::MenuSound_Click);
    MenuSound->setCheckable(true);
    m_controls->AddMenuEntry(Options);

    highscores = menuBar()->addMenu(tr("&Highscores"));
    highscores->setObjectName(QStringLiteral("highscores"));
    TopTen = highscores->addAction(tr("&Top10"), this, &FormPlunko::TopTen_Click);
    UploadBestScore =
        highscores->addAction(tr("&Upload Highscore"), this, &FormPlunko::UploadBestScore_Click);
    globalhighscores = highscores->addAction(tr("&Global Top100"), this, &FormPlunko::globalhighscores_Click);

    menuhelp = menuBar()->addMenu(tr("&Help"));
    menuhelp->setObjectName(QStringLiteral("menuhelp"));
    menuAbout = menuhelp->addAction(tr("&About"), this, &FormPlunko::menuAbout_Click);
    help = menuhelp->addAction(tr("&Instructions"), this, &FormPlunko::help_Click);

    Start->setObjectName(QStringLiteral("Start"));
    MenuPause->setObjectName(QStringLiteral("MenuPause"));
    Exit->setObjectName(QStringLiteral("Exit"));
    MenuSound->setObjectName(QStringLiteral("MenuSound"));
    TopTen->setObjectName(QStringLiteral("TopTen"));
    UploadBestScore->setObjectName(QStringLiteral("UploadBestScore"));
    globalhighscores->setObjectName(QStringLiteral("globalhighscores"));
    menuAbout->setObjectName(QStringLiteral("menuAbout"));
    help->setObjectName(QStringLiteral("help"));
}

void FormPlunko::InitGame() {
    m_game.SetPaused(false);
    const frame::SettingsStore& store = m_session->Store();
    m_options = frame::ReadOptions(store, kProgram);
    // Vantorel does not ask for an output device: the cues simply play nothing without one.
    m_session->SetUpSound(m_cues, MenuSound, m_options.Sound);
    m_game.SetStartLevel(m_options.StartLevel);
    m_controls->Load(store);
    ApplyControls();
    // The stored aid: the first resize draws with it.
    m_colourAid = m_controls->Settings().ColourAid;
    vantorel::SetColourAid(m_colourAid);
    m_scores->Load(store);
    for (int n = 1; n <= 10; ++n)
        MenuLevel[static_cast<size_t>(n - 1)]->setChecked(n == m_game.StartLevel());
    m_game.SetState(GameState::Idle);
    m_game.ResetGame();
    m_game.ShowMessage(QString());
    ShowLines(0);
    m_session->RestoreWindow(m_options, QSize(kDesignWidth, kDesignHeight));
}

bool FormPlunko::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_frame && event->type() == QEvent::Resize) Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void FormPlunko::Form_Resize() {
    const int scaleWidth = m_frame->width(), scaleHeight = m_frame->height();
    m_frame->SetSurfaceSize(scaleWidth, scaleHeight);
    m_frame->Clear();
    m_layout = ComputeLayout(scaleWidth, scaleHeight, kStatusBarWidth, LabelBW->width(), LabelBW->height());
    PictureBg->setGeometry(m_layout.pitLeft, m_layout.pitTop, std::max(m_layout.pitWidth, 1),
                           std::max(m_layout.pitHeight, 1));
    PictureBg->SetSurfaceSize(m_layout.pitWidth, m_layout.pitHeight);
    PictureBg->Clear();
    PictureStatusBar->setGeometry(m_layout.statusLeft, m_layout.pitTop, kStatusBarWidth,
                                  std::max(m_layout.statusHeight, 1));
    PictureStatusBar->SetSurfaceSize(kStatusBarWidth, m_layout.statusHeight);
    PictureStatusBar->Clear();
    LabelBW->move(m_layout.captionLeft, m_layout.captionTop);
    const int messageHeight = 48;
    LabelMessage->setGeometry(0, (m_layout.pitHeight - messageHeight) / 3, std::max(m_layout.pitWidth, 1),
                              messageHeight);
    vantorel::DrawWindowBackground(*m_frame, m_layout);
    // The pit shown: the player's game, or the recorded game being watched.
    Game& game = Shown();
    game.pit().RedrawBoard();
    if (game.State() != GameState::Stopped && game.State() != GameState::Idle) {
        PaintNextBlock();
        // Only a piece still falling is drawn again (a landed one is in the grids already), and a
        // repaint makes no sound.
        if (game.State() == GameState::Falling) {
            m_cueGate.muted = true;
            game.pit().MoveFallingBlock();
            m_cueGate.muted = false;
        }
    }
}

void FormPlunko::Timer1_Timer() {
    m_session->ClockTick();
}

void FormPlunko::Tick() {
    m_game.TimerHandler();
}

void FormPlunko::keyPressEvent(QKeyEvent* event) {
    if (!m_controls->KeyPress(event)) QMainWindow::keyPressEvent(event);
}

bool FormPlunko::RunCommand(frame::Command command, bool repeat) {
    const frame::KeyCode key = frame::Bindings::EngineKeyOf(kProgram, command);
    if (key != frame::kKeyNone) {
        // Held keys repeat, as the design's keys always did.
        Form_KeyDown(key);
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

void FormPlunko::ApplyControls() {
    const frame::Bindings& bindings = m_controls->bindings();
    GameRules rules;
    rules.freezingPause = bindings.FreezingPause();
    rules.askNewGame = bindings.AskBeforeNewGame();
    m_game.SetRules(rules);
    ShowPaused(m_game.Paused());
}

// A running game pauses, with the pit hidden, while another program has the focus.
void FormPlunko::PauseOnFocusLoss() {
    const GameState state = m_game.State();
    if (state != GameState::Stopped && state != GameState::Idle && !m_game.Paused()) m_game.SetPaused(true);
}

bool FormPlunko::AskNewGame() {
    return m_hooks.ask(tr("Are you sure you want to start a new game"));
}

void FormPlunko::Form_KeyDown(frame::KeyCode key) {
    if (Watching()) return;
    m_game.HandleKey(key);
}

void FormPlunko::Start_Click() {
    m_game.Start();
}

void FormPlunko::MenuPause_Click() {
    m_game.SetPaused(!m_game.Paused());
}

void FormPlunko::MenuLevel_Click(int level) {
    // Only the next game starts at the new level.
    m_game.SetStartLevel(static_cast<int16_t>(level));
    for (int n = 1; n <= 10; ++n)
        MenuLevel[static_cast<size_t>(n - 1)]->setChecked(n == level);
}

void FormPlunko::MenuSound_Click() {
    m_cues.SetSoundOn(!m_cues.SoundOn());
}

void FormPlunko::TopTen_Click() {
    m_scores->ShowTopTen();
}

void FormPlunko::UploadBestScore_Click() {
    m_web->UploadBestScore();
}

void FormPlunko::globalhighscores_Click() {
    m_web->globalhighscores();
}

void FormPlunko::menuAbout_Click() {
    // Vantorel's about box carries its own fixed version and opens no links.
    dialogs::ShowAbout(frame::Program::Vantorel, this, QString(), {});
}

void FormPlunko::help_Click() {
    dialogs::ShowInstructions(frame::Program::Vantorel, this);
}

void FormPlunko::Exit_Click() {
    close();
}

void FormPlunko::HideDialogs() {
    m_watch->End(false);
    m_scores->Dialog().hide();
}

void FormPlunko::WriteSettings(frame::SettingsStore& store) {
    m_options.Sound = m_cues.SoundOn();
    m_options.StartLevel = m_game.StartLevel();
    frame::WriteOptions(store, kProgram, m_options);
    m_controls->Save(store);
    m_scores->Save(store);
}

void FormPlunko::ShowNumber(QLabel* label, int64_t value) {
    const int before = frame::SetValue(label, QString::number(value));
    if (label == LabelLines && value > before)
        //: Told to a screen reader when full rows vanish; %1 is how many.
        frame::Announce(PictureBg, tr("Rows erased: %1").arg(value - before));
    else if (label == LabelLevel && before > 0 && value > before)
        frame::Announce(PictureBg, tr("Level %1").arg(value));
    else if (label == LabelHiScore && value > before && Shown().State() != GameState::Stopped && !Watching())
        frame::Announce(PictureBg, tr("New high score: %1").arg(value));
    // Long numbers shrink to stay inside the narrow status bar.
    QFont font = label->font();
    font.setPixelSize(16);
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label->setFont(font);
}

void FormPlunko::DrawCell(int16_t x, int16_t y, int32_t colour) {
    vantorel::DrawCell(*PictureBg, x, y, colour, m_layout.cellSize, kPitBackground);
}

void FormPlunko::EraseRow(int16_t y) {
    EraseRowBar(*PictureBg, y, m_layout.cellSize);
}

void FormPlunko::PaintNextBlock() {
    const Pit& pit = Shown().pit();
    vantorel::PaintNextBlock(*PictureStatusBar, pit.next, pit.nextColour, pit.nextEntryPosition.y,
                             m_layout.cellSize, LabelNextHead->geometry().bottom() + 1,
                             LabelScoreHead->geometry().top());
}

void FormPlunko::ShowScore(int32_t score) {
    ShowNumber(LabelScore, score);
}

void FormPlunko::ShowLevel(int16_t level) {
    ShowNumber(LabelLevel, level);
}

void FormPlunko::ShowLines(int16_t rows) {
    ShowNumber(LabelLines, rows);
}

void FormPlunko::ShowMessage(const QString& text) {
    LabelMessage->setText(text);
    LabelMessage->setVisible(!text.isEmpty());
    if (!text.isEmpty()) frame::Announce(PictureBg, text);
}

// A resume leaves a running clock in its phase.
void FormPlunko::StartClock(int intervalMs) {
    if (m_session->ClockRunning())
        m_session->SetClockInterval(intervalMs);
    else
        m_session->StartClock(intervalMs);
}

void FormPlunko::StopClock() {
    m_session->StopClock();
}

void FormPlunko::SetClockInterval(int intervalMs) {
    m_session->SetClockInterval(intervalMs);
}

void FormPlunko::ShowPaused(bool paused) {
    MenuPause->setChecked(paused);
    // The design's pause leaves the pit in view; the Modern set hides it, so a pause gives nothing away.
    PictureBg->SetVeiled(paused && m_controls->bindings().Set() == frame::ControlSet::Modern);
}

void FormPlunko::FocusPlayArea() {
    PictureBg->setFocus();
}

void FormPlunko::CommitPendingName() {
    m_scores->SaveName();
}

void FormPlunko::GameOver() {
    m_session->GameOver();
}

bool FormPlunko::OfferFinishedScore(bool askName) {
    return m_scores->OfferFinishedGame(m_game.Score(), m_game.GameStartLevel(), m_game.Level(), askName,
                                       frame::FinishedRecording(m_recorder));
}

void FormPlunko::CommitNameOnClose() {
    m_scores->CommitOnClose();
}

}  // namespace vantorel
