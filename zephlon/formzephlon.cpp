#include "zephlon/formzephlon.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <algorithm>

#include "dialogs/art.h"
#include "dialogs/formabout.h"
#include "dialogs/maker.h"
#include "dialogs/zephlonhelp.h"
#include "frame/drawsurface.h"
#include "frame/keycodes.h"
#include "web/links.h"
#include "web/records.h"
#include "web/startdoc.h"

using zephlon::CellDrawing;
using zephlon::DrawTarget;
using zephlon::PipeDrawing;
using zephlon::StatusLabel;

namespace {

constexpr int kTwips = frame::kTwipsPerPixel;

const QColor kHeadColour(128, 128, 128);
const QColor kValueColour(192, 192, 192);

QFont StatusFont(qreal points) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    f.setPointSizeF(points);
    return f;
}

void SetTextColour(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

// The central area paints the window background and the shading around the play area.
class Backdrop : public QWidget {
  public:
    using Paint = std::function<void(QPainter&)>;
    Backdrop(QWidget* parent, Paint paint) : QWidget(parent), m_paint(std::move(paint)) {
        setAutoFillBackground(false);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        m_paint(p);
    }

  private:
    Paint m_paint;
};

}  // namespace

FormZephlon::FormZephlon(QWidget* parent, std::unique_ptr<zephlon::RandomSource> random,
                         std::unique_ptr<frame::CueBackend> sound)
    : QMainWindow(parent), m_random(std::move(random)) {
    if (!m_random) m_random = std::make_unique<zephlon::ClockRandom>();
    m_sound = std::make_unique<frame::SoundCues>(frame::Program::Zephlon, std::move(sound));
    m_settings = std::make_unique<frame::SettingsStore>(frame::ProgramName(frame::Program::Zephlon));
    m_engine = std::make_unique<zephlon::ZephlonEngine>(*this, *m_sound, *m_random);
    m_asker = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    m_highScores = std::make_unique<scores::HighScores>(frame::Program::Zephlon, this);
    scores::HighScoreHooks& hooks = m_highScores->hooks;
    hooks.currentList = [this] { return m_engine->gameMode == zephlon::kPuzzle ? 1 : 0; };
    hooks.showBestScore = [this](int32_t best) {
        m_engine->bestScore = best;
        if (LabelHiScore) LabelHiScore->setText(QString::number(best));
    };
    hooks.askYesNo = [this](const QString& question) { return m_asker(question); };
    m_web = std::make_unique<web::ZephlonWeb>(this, m_options, [this] { return m_random->Next(); });
    m_web->CurrentList = hooks.currentList;
    m_web->Picture = dialogs::Image256();
    m_web->Records = [this](int list) { return web::UploadRecordsOf(m_highScores->Table(), list); };
    hooks.uploadTop3 = [this] { m_web->UploadTop3(); };
    hooks.uploadEntry = [this](int16_t position) { m_web->OfferUpload(position); };
    Form_Load();
}

FormZephlon::~FormZephlon() = default;

// ---------------------------------------------------------------------------------------------------------------
// Building the window

void FormZephlon::Form_Load() {
    setObjectName(QStringLiteral("FormZephlon"));
    setWindowTitle(QStringLiteral("Zephlon"));
    setWindowIcon(dialogs::ProgramIcon(frame::Program::Zephlon));
    setMinimumSize(zephlon::kMinimumWindowWidth, zephlon::kMinimumWindowHeight);
    resize(zephlon::kMinimumWindowWidth, zephlon::kMinimumWindowHeight);
    BuildMenus();
    BuildControls();
    InitGame();
}

void FormZephlon::BuildMenus() {
    auto action = [](QMenu* menu, const QString& caption, const QString& name, bool checkable = false) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        a->setCheckable(checkable);
        return a;
    };
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    game->setObjectName(QStringLiteral("MenuGame"));
    StartOriginal = action(game, QStringLiteral("&Start"), QStringLiteral("StartOriginal"));
    MenuOriginal = action(game, QStringLiteral("&Original Game"), QStringLiteral("MenuOriginal"), true);
    MenuPuzzle = action(game, QStringLiteral("&Puzzle Game"), QStringLiteral("MenuPuzzle"), true);
    MenuReplay = action(game, QStringLiteral("&Replay level"), QStringLiteral("MenuReplay"));
    MenuPause = action(game, QStringLiteral("&Pause"), QStringLiteral("MenuPause"), true);
    MenuStop = action(game, QStringLiteral("&Quit Current Game"), QStringLiteral("MenuStop"));
    Exit = action(game, QStringLiteral("&Exit"), QStringLiteral("Exit"));
    connect(StartOriginal, &QAction::triggered, this, &FormZephlon::StartOriginal_Click);
    connect(MenuOriginal, &QAction::triggered, this, &FormZephlon::MenuOriginal_Click);
    connect(MenuPuzzle, &QAction::triggered, this, &FormZephlon::MenuPuzzle_Click);
    connect(MenuReplay, &QAction::triggered, this, &FormZephlon::MenuReplay_Click);
    connect(MenuPause, &QAction::triggered, this, &FormZephlon::MenuPause_Click);
    connect(MenuStop, &QAction::triggered, this, &FormZephlon::MenuStop_Click);
    connect(Exit, &QAction::triggered, this, &FormZephlon::Exit_Click);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("MenuOptions"));
    QMenu* startLevel = options->addMenu(QStringLiteral("Start &Level"));
    startLevel->setObjectName(QStringLiteral("MenuStartLevel"));
    for (int i = 1; i <= 10; ++i) {
        const QString caption = i < 10 ? QStringLiteral("&%1").arg(i) : QStringLiteral("1&0");
        MenuLevel[i - 1] = action(startLevel, caption, QStringLiteral("MenuLevel%1").arg(i), true);
        connect(MenuLevel[i - 1], &QAction::triggered, this, [this, i] { MenuLevel_Click(i); });
    }
    QMenu* colour = options->addMenu(QStringLiteral("Block &Color"));
    colour->setObjectName(QStringLiteral("MenuBlockColour"));
    const QStringList colours = {QStringLiteral("&Blueberry"), QStringLiteral("&Lime"),
                                 QStringLiteral("&Kiwi"), QStringLiteral("&Plum"), QStringLiteral("&Grey")};
    for (int i = 1; i <= 5; ++i) {
        MenuColour[i - 1] = action(colour, colours[i - 1], QStringLiteral("MenuColour%1").arg(i), true);
        connect(MenuColour[i - 1], &QAction::triggered, this, [this, i] { MenuColour_Click(i); });
    }
    QMenu* control = options->addMenu(QStringLiteral("&Control"));
    control->setObjectName(QStringLiteral("MenuControl"));
    MenuKeyBoard = action(control, QStringLiteral("&Keyboard"), QStringLiteral("MenuKeyBoard"), true);
    MenuMouse = action(control, QStringLiteral("&Mouse"), QStringLiteral("MenuMouse"), true);
    connect(MenuKeyBoard, &QAction::triggered, this, &FormZephlon::MenuKeyBoard_Click);
    connect(MenuMouse, &QAction::triggered, this, &FormZephlon::MenuMouse_Click);
    MenuSound = action(options, QStringLiteral("&Sound"), QStringLiteral("MenuSound"), true);
    connect(MenuSound, &QAction::triggered, this, &FormZephlon::MenuSound_Click);
    ScoreServer = action(options, QStringLiteral("S&core Server..."), QStringLiteral("ScoreServer"));
    connect(ScoreServer, &QAction::triggered, this, &FormZephlon::ScoreServer_Click);

    QMenu* scores = menuBar()->addMenu(QStringLiteral("&Highscores"));
    scores->setObjectName(QStringLiteral("highscores"));
    TopTen = action(scores, QStringLiteral("&Local Highscores..."), QStringLiteral("TopTen"));
    UploadBestScore =
        action(scores, QStringLiteral("&Upload Highscores..."), QStringLiteral("UploadBestScore"));
    globalhighscores =
        action(scores, QStringLiteral("&Global Highscores..."), QStringLiteral("globalhighscores"));
    connect(TopTen, &QAction::triggered, this, &FormZephlon::TopTen_Click);
    connect(UploadBestScore, &QAction::triggered, this, &FormZephlon::UploadBestScore_Click);
    connect(globalhighscores, &QAction::triggered, this, &FormZephlon::globalhighscores_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("menuhelp"));
    menuAbout = action(help, QStringLiteral("&About..."), QStringLiteral("menuAbout"));
    MenuGamePlay = action(help, QStringLiteral("&Game Play..."), QStringLiteral("MenuGamePlay"));
    MenuKeyControl = action(help, QStringLiteral("&Key Control..."), QStringLiteral("MenuKeyControl"));
    MenuScoring = action(help, QStringLiteral("&Scoring..."), QStringLiteral("MenuScoring"));
    connect(menuAbout, &QAction::triggered, this, &FormZephlon::ShowAbout);
    connect(MenuGamePlay, &QAction::triggered, this, &FormZephlon::ShowInstructions);
    connect(MenuKeyControl, &QAction::triggered, this, &FormZephlon::ShowKeyControl);
    connect(MenuScoring, &QAction::triggered, this, &FormZephlon::ShowScoring);
}

void FormZephlon::BuildControls() {
    m_central = new Backdrop(this, [this](QPainter& p) { DrawShading(p); });
    m_central->setObjectName(QStringLiteral("FormZephlonClient"));
    setCentralWidget(m_central);
    m_central->installEventFilter(this);

    auto surface = [](QWidget* parent, const QString& name) {
        auto* s = new frame::DrawSurface(parent);
        s->setObjectName(name);
        return s;
    };
    PictureBg = surface(m_central, QStringLiteral("PictureBg"));
    PictureBg->setFocusPolicy(Qt::StrongFocus);
    PictureBg->SetFillStyle(frame::FillStyle::Solid);
    PictureBlinkBlock = surface(PictureBg, QStringLiteral("PictureBlinkBlock"));
    PictureBlock = surface(PictureBg, QStringLiteral("PictureBlock"));
    PictureLaserBomb = surface(PictureBlock, QStringLiteral("PictureLaserBomb"));
    PictureMessage = surface(PictureBg, QStringLiteral("PictureMessage"));
    PictureBlinkBlock->hide();
    PictureBlock->hide();
    PictureLaserBomb->hide();
    PictureMessage->hide();
    PictureMessage->SetBackColor(zephlon::kStatusBack);

    LabelMessage = new QLabel(PictureMessage);
    LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
    LabelMessage->setAlignment(Qt::AlignCenter);
    LabelMessage->setFont(StatusFont(21));
    SetTextColour(LabelMessage, kValueColour);
    LabelMessage->installEventFilter(this);
    ImageMessage = new QLabel(PictureMessage);
    ImageMessage->setObjectName(QStringLiteral("ImageMessage"));
    ImageMessage->installEventFilter(this);
    ImageMessage->hide();

    PictureStatusBar = surface(m_central, QStringLiteral("PictureStatusBar"));
    PictureStatusBar->SetBackColor(zephlon::kStatusBack);
    PictureNext = surface(PictureStatusBar, QStringLiteral("PictureNext"));
    PictureNext->SetBackColor(zephlon::kStatusBack);
    PictureNext->setGeometry(30 / kTwips, 450 / kTwips, 930 / kTwips, 945 / kTwips);
    PictureNext->SetSurfaceSize(930 / kTwips, 945 / kTwips);
    PictureNext->Clear();

    struct LabelDesign {
        QLabel** label;
        const char* name;
        const char* caption;
        int left, top, width, height;
        bool value;
    };
    const LabelDesign labels[] = {
        {&LabelNextHead, "LabelNextHead", "Next", 120, 165, 705, 255, false},
        {&LabelScoreHead, "LabelScoreHead", "Score", 90, 1470, 870, 255, false},
        {&LabelScore, "LabelScore", "0", 75, 1680, 765, 255, true},
        {&LabelLevelHead, "LabelLevelHead", "Level", 135, 2220, 795, 255, false},
        {&LabelLevel, "LabelLevel", "0", 435, 2430, 420, 255, true},
        {&LabelBlocksHead, "LabelBlocksHead", "Blocks", 90, 2970, 795, 255, false},
        {&LabelBlocks, "LabelBlocks", "0", 435, 3195, 420, 255, true},
        {&Label1, "Label1", "High", -60, 3945, 900, 255, false},
        {&LabelHiScoreHead, "LabelHiScoreHead", "Score", 90, 4140, 900, 255, false},
        {&LabelHiScore, "LabelHiScore", "0", 0, 4365, 855, 255, true},
    };
    for (const LabelDesign& d : labels) {
        auto* l = new QLabel(QString::fromLatin1(d.caption), PictureStatusBar);
        l->setObjectName(QString::fromLatin1(d.name));
        l->setGeometry(d.left / kTwips, d.top / kTwips, d.width / kTwips, d.height / kTwips);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        l->setFont(StatusFont(d.value ? 12 : 9.75));
        SetTextColour(l, d.value ? kValueColour : kHeadColour);
        *d.label = l;
    }

    LabelBW0 = new QLabel(QStringLiteral("A game by "), m_central);
    LabelBW0->setObjectName(QStringLiteral("LabelBW0"));
    SetTextColour(LabelBW0, kValueColour);
    LabelBW = new QLabel(QString::fromLatin1(dialogs::kMakerName), m_central);
    LabelBW->setObjectName(QStringLiteral("LabelBW"));
    LabelBW->setToolTip(QString::fromLatin1(dialogs::kMakerSiteUrl));
    LabelBW->setCursor(Qt::PointingHandCursor);
    SetTextColour(LabelBW, QColor(224, 224, 224));
    LabelBW->installEventFilter(this);
    LineBW = new QWidget(m_central);
    LineBW->setObjectName(QStringLiteral("LineBW"));
    LineBW->setAutoFillBackground(true);
    QPalette linePalette = LineBW->palette();
    linePalette.setColor(QPalette::Window, QColor(224, 224, 224));
    LineBW->setPalette(linePalette);
    for (QLabel* l : {LabelBW0, LabelBW})
        l->adjustSize();

    auto timer = [this](const QString& name, int interval) {
        auto* t = new QTimer(this);
        t->setObjectName(name);
        t->setTimerType(Qt::PreciseTimer);
        t->setInterval(interval);
        return t;
    };
    Timer1 = timer(QStringLiteral("Timer1"), 200);
    TimerBlinkBlock = timer(QStringLiteral("TimerBlinkBlock"), 600);
    TimerLaserBomb = timer(QStringLiteral("TimerLaserBomb"), 100);
    TimerGameOver = timer(QStringLiteral("TimerGameOver"), 1000);
    TimerGameOver->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &FormZephlon::Timer1_Timer);
    connect(TimerBlinkBlock, &QTimer::timeout, this, [this] { m_engine->TimerBlinkBlock_Timer(); });
    connect(TimerLaserBomb, &QTimer::timeout, this, [this] { m_engine->TimerLaserBomb_Timer(); });
    connect(TimerGameOver, &QTimer::timeout, this, &FormZephlon::OnGameOverTimer);

    for (frame::DrawSurface* s :
         {PictureBg, PictureBlock, PictureBlinkBlock, PictureLaserBomb, PictureMessage}) {
        connect(s, &frame::DrawSurface::mousePressed, this,
                [this](QMouseEvent* e) { PlayAreaMousePress(e->button()); });
        connect(s, &frame::DrawSurface::mouseDoubleClicked, this,
                [this](QMouseEvent* e) { PlayAreaDoubleClick(e->button()); });
    }
    for (frame::DrawSurface* s : {PictureBg, PictureBlock, PictureBlinkBlock, PictureLaserBomb}) {
        connect(s, &frame::DrawSurface::mouseMoved, this, [this, s](QMouseEvent* e) {
            PlayAreaMouseMove(s->mapTo(PictureBg, e->position().toPoint()).x());
        });
    }
    Form_Resize();
}

// Start-up: options, menus from the options, the demo, and the window size.
void FormZephlon::InitGame() {
    zephlon::ZephlonEngine& e = *m_engine;
    m_options = frame::ReadOptions(*m_settings, frame::Program::Zephlon);
    bool soundOn = m_options.Sound;
    if (!frame::SoundCues::HasOutputDevice()) {
        soundOn = false;
        MenuSound->setEnabled(false);
    }
    m_sound->SetSoundOn(soundOn);
    e.firstTime = m_options.FirstTime;
    e.startLevel = m_options.StartLevel;
    e.startLevelPuzzle = m_options.StartLevelPuzzle;
    e.maxLevelPuzzle = m_options.MaxLevelPuzzle;
    e.gameMode = m_options.GameMode == zephlon::kOriginal ? zephlon::kOriginal : zephlon::kPuzzle;
    e.control = m_options.Control == zephlon::kMouse ? zephlon::kMouse : zephlon::kKeyboard;
    e.blockColour = std::clamp<int16_t>(m_options.BlockColour, 1, 5);
    // The high-score records follow the options; the best score of the mode's list goes to LabelHiScore.
    m_highScores->Load(*m_settings);

    UpdateLevelMenu();
    MenuOriginal->setChecked(e.gameMode == zephlon::kOriginal);
    MenuPuzzle->setChecked(e.gameMode == zephlon::kPuzzle);
    UncheckColourMenu();
    MenuColour[e.blockColour - 1]->setChecked(true);
    MenuSound->setChecked(soundOn);
    MenuKeyBoard->setChecked(e.control == zephlon::kKeyboard);
    MenuMouse->setChecked(e.control == zephlon::kMouse);
    MenuReplay->setEnabled(false);
    MenuStop->setEnabled(false);

    e.InitGame();

    if (m_options.InitMaximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        const int w = m_options.InitWidth > 0 ? m_options.InitWidth / kTwips : width();
        const int h = m_options.InitHeight > 0 ? m_options.InitHeight / kTwips : height();
        resize(std::max(w, zephlon::kMinimumWindowWidth), std::max(h, zephlon::kMinimumWindowHeight));
        if (const QScreen* screen = QApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
        }
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Layout and drawing

void FormZephlon::Form_Resize() {
    if (isMinimized() || !m_central) return;
    const int innerWidth = m_central->width();
    const int innerHeight = m_central->height();
    m_layout = zephlon::ComputeLayout(innerWidth, innerHeight, zephlon::kStatusBarWidth, LabelBW->height());
    m_cellSize = m_layout.cellSize;
    PictureBg->setGeometry(m_layout.playArea);
    PictureBg->SetSurfaceSize(m_layout.playArea.width(), m_layout.playArea.height());
    PictureStatusBar->setGeometry(m_layout.statusBar);
    PictureStatusBar->SetSurfaceSize(m_layout.statusBar.width(), m_layout.statusBar.height());
    PictureStatusBar->Clear();

    const int makerWidth = LabelBW0->width() + LabelBW->width();
    const int makerLeft = std::max(7, (innerWidth - makerWidth) / 2);
    LabelBW0->move(makerLeft, innerHeight - 7 - LabelBW0->height());
    LabelBW->move(makerLeft + LabelBW0->width(), innerHeight - 7 - LabelBW->height());
    LineBW->setGeometry(LabelBW->x(), innerHeight - 7, LabelBW->width(), 1);
    m_central->update();

    LayoutMessage();
    m_engine->RedrawBoard();

    const int s = m_cellSize;
    for (frame::DrawSurface* sprite : {PictureBlock, PictureLaserBomb, PictureBlinkBlock}) {
        sprite->setGeometry(sprite->x(), sprite->y(), s, s);
        sprite->SetSurfaceSize(s, s);
    }
    PictureLaserBomb->move(0, 0);
    zephlon::ZephlonEngine& e = *m_engine;
    if (e.gameMode == zephlon::kPuzzle && e.blinkColumn > 0) {
        PictureBlinkBlock->move((e.blinkColumn - 1) * s, (e.blinkRow - 1) * s);
        zephlon::DrawCell(*PictureBlinkBlock, 0, 0, s, e.board(e.blinkColumn, e.blinkRow), e.blockColour, 16,
                          1, 0, 0);
    }
    zephlon::DrawCell(*PictureLaserBomb, 0, 0, s, zephlon::kPresent | zephlon::kBomb, e.blockColour, 16, 1, 0,
                      0);
    if (e.GameRunning()) {
        e.PaintNextBlock();
        if (e.gameState == zephlon::kFalling && !e.paused) e.MoveFallingBlock(true);
    }
}

// The shading: grey 48 at the play area's edge, fading to the window's grey 96 over 50 pixels.
void FormZephlon::DrawShading(QPainter& painter) {
    painter.fillRect(m_central->rect(), zephlon::kWindowBack);
    const QRect area = m_layout.playArea.united(m_layout.statusBar);
    if (area.isEmpty()) return;
    constexpr int kSpread = 50;
    for (int d = kSpread; d >= 1; --d) {
        const int grey = 48 + (96 - 48) * d / kSpread;
        painter.fillRect(area.adjusted(-d, -d, d, d), QColor(grey, grey, grey));
    }
}

void FormZephlon::LayoutMessage() {
    PictureMessage->Clear();
    QWidget* content = m_showingLogo ? static_cast<QWidget*>(ImageMessage) : LabelMessage;
    if (m_showingLogo) {
        ImageMessage->setPixmap(LogoPicture(std::max(40, m_layout.playArea.width() - 32)));
        ImageMessage->adjustSize();
    } else {
        LabelMessage->adjustSize();
    }
    content->move(8, 8);
    const int w = content->width() + 16;
    const int h = content->height() + 16;
    const int playWidth = m_layout.playArea.width();
    const int playHeight = m_layout.playArea.height();
    PictureMessage->setGeometry((playWidth - w) / 2, static_cast<int>((0.6 * playHeight - h) / 2), w, h);
    PictureMessage->SetSurfaceSize(w, h);
    PictureMessage->SetBackColor(zephlon::kStatusBack);
    PictureMessage->Clear();
    PictureMessage->SetForeColor(zephlon::kMessageFrame);
    PictureMessage->SetFillStyle(frame::FillStyle::Transparent);
    PictureMessage->Box(0, 0, w - 1, h - 1);
    PictureMessage->raise();
}

QPixmap FormZephlon::LogoPicture(int maxWidth) {
    const QString art = QString::fromLatin1(dialogs::kZephlonLogoPath);
    QSvgRenderer svg;
    if (QFile::exists(art)) svg.load(art);
    QSize size = svg.isValid() ? svg.defaultSize() : QSize(220, 72);
    if (size.width() > maxWidth) size = size * (static_cast<double>(maxWidth) / size.width());
    size = size.expandedTo(QSize(1, 1));
    // Rendered at the screen's density so the logo stays sharp.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(zephlon::kStatusBack);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = size.width();
    const int h = size.height();
    if (svg.isValid()) {
        svg.render(&p, QRectF(0, 0, w, h));
        return pixmap;
    }
    // Without the picture: the name over a lit pipe.
    p.fillRect(QRect(0, h * 3 / 4, w, std::max(2, h / 12)), zephlon::kPipeMid);
    p.fillRect(QRect(w / 8, h * 3 / 4, w * 3 / 4, std::max(1, h / 24)), zephlon::kLaserRed);
    QFont f = StatusFont(10);
    f.setPixelSize(std::max(8, h / 2));
    p.setFont(f);
    p.setPen(QColor(0, 144, 0));
    p.drawText(QRect(0, 0, w, h * 3 / 4), Qt::AlignCenter, QStringLiteral("ZEPHLON"));
    return pixmap;
}

frame::DrawSurface* FormZephlon::SurfaceFor(DrawTarget target) {
    switch (target) {
        case DrawTarget::FallingSprite:
            return PictureBlock;
        case DrawTarget::NextBox:
            return PictureNext;
        case DrawTarget::BombMarker:
            return PictureLaserBomb;
        default:
            return PictureBg;
    }
}

int FormZephlon::NextBoxWidth() const {
    return PictureNext->Width();
}

void FormZephlon::DrawCell(const CellDrawing& cell) {
    frame::DrawSurface* surface = SurfaceFor(cell.target);
    int x = cell.x;
    int y = cell.y;
    if (cell.target == DrawTarget::PlayArea) {
        x += (cell.column - 1) * m_cellSize;
        y += (cell.row - 1) * m_cellSize;
    }
    zephlon::DrawCell(*surface, x, y, cell.size, cell.value, cell.blockColour, cell.part, cell.style,
                      cell.marksFirst, cell.marksSecond);
    if (cell.target == DrawTarget::FallingSprite) {
        PictureBlock->move((cell.column - 1) * m_cellSize, (cell.row - 1) * m_cellSize);
        PictureBlock->show();
        PictureBlock->raise();
        PictureMessage->raise();
    }
}

void FormZephlon::DrawPipe(const PipeDrawing& pipe) {
    frame::DrawSurface* surface = SurfaceFor(pipe.target);
    int x = pipe.x;
    int y = pipe.y;
    if (pipe.target == DrawTarget::PlayArea) {
        x += (pipe.column - 1) * m_cellSize;
        y += (pipe.row - 1) * m_cellSize;
    }
    zephlon::DrawPipe(*surface, x, y, pipe.size, pipe.bit, pipe.half, pipe.look, pipe.has2, pipe.has4);
}

void FormZephlon::ClearNextBox() {
    PictureNext->SetBackColor(zephlon::kStatusBack);
    PictureNext->Clear();
}

void FormZephlon::HideFallingSprite() {
    PictureBlock->hide();
}

void FormZephlon::SetLaserBombVisible(bool visible) {
    PictureLaserBomb->setVisible(visible);
}

void FormZephlon::PlaceBlinkBlock(int column, int row) {
    PictureBlinkBlock->move((column - 1) * m_cellSize, (row - 1) * m_cellSize);
    PaintBlinkBlock();
}

// The blinking block as the board holds it now (lasers may have burnt its pipes), with a bright frame.
void FormZephlon::PaintBlinkBlock() {
    const int s = m_cellSize;
    const zephlon::ZephlonEngine& e = *m_engine;
    const int column = e.blinkColumn;
    const int row = e.blinkRow;
    const int16_t value = zephlon::Grid::IsPlayCell(column, row) ? e.board(column, row) : int16_t{0};
    zephlon::DrawCell(*PictureBlinkBlock, 0, 0, s, value, e.blockColour, 16, 1, 0, 0);
    PictureBlinkBlock->SetForeColor(QColor(255, 255, 255));
    PictureBlinkBlock->SetFillStyle(frame::FillStyle::Transparent);
    PictureBlinkBlock->Box(0, 0, s - 1, s - 1);
    PictureBlinkBlock->Box(1, 1, s - 2, s - 2);
}

void FormZephlon::SetBlinkBlockVisible(bool visible) {
    visible = visible && !m_engine->paused;  // a paused board stays hidden
    if (visible) PaintBlinkBlock();
    PictureBlinkBlock->setVisible(visible);
    if (visible) PictureMessage->raise();
}

void FormZephlon::ShowMessage(const QString& text, int fontSize) {
    if (text == QLatin1String("zephlon")) {
        m_showingLogo = true;
        LabelMessage->hide();
        ImageMessage->show();
        LayoutMessage();
        PictureMessage->show();
    } else if (!text.isEmpty()) {
        m_showingLogo = false;
        ImageMessage->hide();
        QString caption = text;
        caption.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        LabelMessage->setFont(StatusFont(fontSize));
        LabelMessage->setText(caption);
        LabelMessage->show();
        LayoutMessage();
        PictureMessage->show();
    } else {
        ImageMessage->hide();
        PictureMessage->hide();
        m_showingLogo = false;
        LabelMessage->clear();
    }
}

void FormZephlon::SetLabel(StatusLabel label, const QString& text) {
    switch (label) {
        case StatusLabel::Score:
            LabelScore->setText(text);
            break;
        case StatusLabel::HiScore:
            LabelHiScore->setText(text);
            break;
        case StatusLabel::Level:
            LabelLevel->setText(text);
            break;
        case StatusLabel::Blocks:
            LabelBlocks->setText(text);
            break;
        case StatusLabel::BlocksHead:
            LabelBlocksHead->setText(text);
            break;
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Clocks

void FormZephlon::StartClock(int intervalMs) {
    Timer1->setInterval(intervalMs);
    Timer1->start();
}

void FormZephlon::StopClock() {
    Timer1->stop();
}

void FormZephlon::SetBlinkTimer(bool on) {
    if (on)
        TimerBlinkBlock->start();
    else
        TimerBlinkBlock->stop();
}

void FormZephlon::SetLaserBombTimer(bool on) {
    if (on)
        TimerLaserBomb->start();
    else
        TimerLaserBomb->stop();
}

void FormZephlon::StartGameOverTimer() {
    TimerGameOver->start();
}

void FormZephlon::Timer1_Timer() {
    // A dialog in front freezes the game; a tick arriving while a step runs is dropped.
    if (QApplication::activeWindow() != this || m_inTick) return;
    m_inTick = true;
    m_engine->TimerHandler();
    m_inTick = false;
}

void FormZephlon::OnGameOverTimer() {
    TimerGameOver->stop();
    const zephlon::ZephlonEngine& e = *m_engine;
    // A score above 0 is offered to the mode's list; an entry opens the name entry.
    if (e.score > 0) m_highScores->OfferScore(e.score, e.gameStartLevel, e.level);
}

void FormZephlon::CommitPendingName() {
    m_highScores->SaveName(false);
}

// Entry 1 of the mode's high-score list.
int32_t FormZephlon::BestStoredScore(int32_t mode) {
    return m_highScores->Table().BestScore(mode == zephlon::kPuzzle ? 1 : 0);
}

// ---------------------------------------------------------------------------------------------------------------
// Menus

void FormZephlon::SetMenuReplayEnabled(bool enabled) {
    MenuReplay->setEnabled(enabled);
}
void FormZephlon::SetMenuStopEnabled(bool enabled) {
    MenuStop->setEnabled(enabled);
}

void FormZephlon::SetModeMenuLocked(bool locked) {
    if (locked)
        LockModeMenu();
    else
        UnlockModeMenu();
}

void FormZephlon::SetPauseChecked(bool checked) {
    MenuPause->setChecked(checked);
}

void FormZephlon::RefreshLevelMenu() {
    UncheckLevelMenu();
    UpdateLevelMenu();
}

void FormZephlon::UpdateLevelMenu() {
    const zephlon::ZephlonEngine& e = *m_engine;
    const bool puzzle = e.gameMode == zephlon::kPuzzle;
    const int k = puzzle ? e.startLevelPuzzle : e.startLevel;
    if (k >= 1 && k <= 10) MenuLevel[k - 1]->setChecked(true);
    for (int i = 1; i <= 10; ++i)
        MenuLevel[i - 1]->setEnabled(!puzzle || i <= e.maxLevelPuzzle);
}

void FormZephlon::UncheckLevelMenu() {
    for (QAction* a : MenuLevel)
        a->setChecked(false);
}

void FormZephlon::UncheckColourMenu() {
    for (QAction* a : MenuColour)
        a->setChecked(false);
}

void FormZephlon::LockModeMenu() {
    MenuOriginal->setEnabled(false);
    MenuPuzzle->setEnabled(false);
}

void FormZephlon::UnlockModeMenu() {
    MenuOriginal->setEnabled(true);
    MenuPuzzle->setEnabled(true);
}

void FormZephlon::StartOriginal_Click() {
    const zephlon::ZephlonEngine& e = *m_engine;
    if (e.gameState == zephlon::kStopped || e.gameState == zephlon::kIdle || e.demoRunning) {
        m_engine->NewGame(0, false);
        return;
    }
    if (m_asker(QStringLiteral("Are you sure you want to start a new game"))) m_engine->NewGame(0, false);
}

void FormZephlon::MenuOriginal_Click() {
    MenuOriginal->setChecked(true);
    MenuPuzzle->setChecked(false);
    m_engine->gameMode = zephlon::kOriginal;
    MenuReplay->setEnabled(false);
    LabelBlocksHead->setText(QStringLiteral("Blocks"));
    UncheckLevelMenu();
    UpdateLevelMenu();
}

void FormZephlon::MenuPuzzle_Click() {
    MenuPuzzle->setChecked(true);
    MenuOriginal->setChecked(false);
    m_engine->gameMode = zephlon::kPuzzle;
    MenuReplay->setEnabled(true);
    UncheckLevelMenu();
    UpdateLevelMenu();
}

void FormZephlon::MenuReplay_Click() {
    m_engine->ReplayLevel();
}

void FormZephlon::MenuPause_Click() {
    m_engine->SetPaused(!m_engine->paused);
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
    MenuColour[n - 1]->setChecked(true);
    zephlon::ZephlonEngine& e = *m_engine;
    e.blockColour = static_cast<int16_t>(n);
    // Show the new colour at once rather than cell by cell.
    e.RedrawBoard();
    if (e.GameRunning()) {
        e.PaintNextBlock();
        if (e.gameState == zephlon::kFalling && !e.paused) e.MoveFallingBlock(true);
    }
}

void FormZephlon::MenuKeyBoard_Click() {
    m_engine->control = zephlon::kKeyboard;
    MenuKeyBoard->setChecked(true);
    MenuMouse->setChecked(false);
}

void FormZephlon::MenuMouse_Click() {
    m_engine->control = zephlon::kMouse;
    MenuMouse->setChecked(true);
    MenuKeyBoard->setChecked(false);
}

void FormZephlon::MenuSound_Click() {
    const bool on = !m_sound->SoundOn();
    m_sound->SetSoundOn(on);
    MenuSound->setChecked(on);
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

void FormZephlon::FocusPlayArea() {
    PictureBg->setFocus();
}

// ---------------------------------------------------------------------------------------------------------------
// Keyboard and mouse

void FormZephlon::keyPressEvent(QKeyEvent* event) {
    const frame::KeyCode code = frame::KeyCodeOf(event->key());
    if (code == frame::kKeyNone) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held command key acts once; held movement keys repeat.
    const bool command =
        code == kKeyEnter || code == kKeyP || code == kKeyQ || code == kKeyR || code == kKeyS;
    if (command && event->isAutoRepeat()) return;
    Form_KeyDown(code);
}

void FormZephlon::Form_KeyDown(int keyCode) {
    zephlon::ZephlonEngine& e = *m_engine;
    if (e.control == zephlon::kMouse) return;
    switch (keyCode) {
        case kKeyEnter:
            if (e.gameState == zephlon::kWaitStart || e.gameState == zephlon::kLevelDone) {
                e.AcknowledgeMessage();
            } else if (e.paused) {
                e.SetPaused(false);
            } else if (e.gameState == zephlon::kStopped || e.gameState == zephlon::kIdle || e.demoRunning) {
                e.NewGame(0, false);
            }
            break;
        case kKeyP:
            e.SetPaused(!e.paused);
            break;
        case kKeyR:
            if (e.gameState != zephlon::kStopped && e.gameState != zephlon::kGarbage) e.ReplayLevel();
            break;
        case kKeyQ:
            // Only a game can be quit: a second Q after the end would offer the same score to the table
            // again.
            if (e.GameRunning() && !e.demoRunning) e.gameOver();
            break;
        case kKeyS:
            e.NewGame(e.level, false);
            break;
        default:
            break;
    }
    if (e.gameState != zephlon::kFalling || e.paused) return;
    switch (keyCode) {
        case kKeyUp:
            e.RotateBlock();
            break;
        case kKeyLeft:
            e.MoveLeft();
            break;
        case kKeyRight:
            e.MoveRight();
            break;
        case kKeyDown:
            if (!e.downKeyLock) {
                e.StepDown();
                e.AddScore(1);
            }
            break;
        case kKeyCtrl:
        case kKeyInsert:
            e.DropBlock();
            break;
        default:
            break;
    }
}

void FormZephlon::PlayAreaMousePress(Qt::MouseButton button) {
    zephlon::ZephlonEngine& e = *m_engine;
    if (e.control == zephlon::kKeyboard) return;
    if (e.AcknowledgeMessage()) return;
    if (e.gameState != zephlon::kFalling || e.paused) return;
    if (button == Qt::LeftButton)
        e.RotateBlock();
    else
        e.DropBlock();
}

void FormZephlon::PlayAreaDoubleClick(Qt::MouseButton button) {
    zephlon::ZephlonEngine& e = *m_engine;
    // Only a left double-click turns: its first press has turned once already.
    if (e.control == zephlon::kKeyboard || button != Qt::LeftButton) return;
    if (e.gameState != zephlon::kFalling || e.paused) return;
    e.RotateBlock();
    e.RotateBlock();
}

void FormZephlon::PlayAreaMouseMove(int x) {
    zephlon::ZephlonEngine& e = *m_engine;
    if (e.control == zephlon::kKeyboard || e.gameState != zephlon::kFalling || e.paused || m_cellSize <= 0)
        return;
    e.MoveToColumn(static_cast<int16_t>(x / m_cellSize + 1));
}

bool FormZephlon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_central && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if ((watched == LabelMessage || watched == ImageMessage) &&
               event->type() == QEvent::MouseButtonPress) {
        PlayAreaMousePress(static_cast<QMouseEvent*>(event)->button());
        return true;
    } else if (watched == LabelBW && event->type() == QEvent::MouseButtonPress) {
        LabelBW_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------------------
// Close

void FormZephlon::closeEvent(QCloseEvent* event) {
    CommitPendingName();
    m_engine->StopOldTimer();
    SaveSettings();
    event->accept();
}

void FormZephlon::SaveSettings() {
    if (m_settingsSaved) return;
    m_settingsSaved = true;
    const zephlon::ZephlonEngine& e = *m_engine;
    m_options.Sound = m_sound->SoundOn();
    m_options.StartLevel = e.startLevel;
    m_options.StartLevelPuzzle = e.startLevelPuzzle;
    m_options.MaxLevelPuzzle = e.maxLevelPuzzle;
    m_options.GameMode = e.gameMode;
    m_options.Control = e.control;
    m_options.BlockColour = e.blockColour;
    frame::WriteOptions(*m_settings, frame::Program::Zephlon, m_options);
    // The high-score records go between the options and the window size.
    m_highScores->Save(*m_settings);
    frame::WriteWindowSize(*m_settings, width() * kTwips, height() * kTwips, isMinimized(), isMaximized());
    m_settings->Flush();
}
