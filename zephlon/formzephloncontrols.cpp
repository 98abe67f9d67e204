// SPDX-License-Identifier: GPL-3.0-or-later
// Building the Zephlon window: menus, controls, layout and the message panel.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTimer>
#include <algorithm>

#include "dialogs/art.h"
#include "dialogs/maker.h"
#include "frame/accessibility.h"
#include "frame/drawsurface.h"
#include "frame/translations.h"
#include "frame/windowcontrols.h"
#include "zephlon/formzephlon.h"

using zephlon::StatusFont;

namespace {

constexpr int kTwips = frame::kTwipsPerPixel;

const QColor kHeadColour(128, 128, 128);
const QColor kValueColour(192, 192, 192);

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

void FormZephlon::BuildMenus() {
    auto action = [](QMenu* menu, const QString& caption, const QString& name, bool checkable = false) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        a->setCheckable(checkable);
        return a;
    };
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("MenuGame"));
    StartOriginal = action(game, tr("&Start"), QStringLiteral("StartOriginal"));
    MenuOriginal = action(game, tr("&Original Game"), QStringLiteral("MenuOriginal"), true);
    MenuPuzzle = action(game, tr("&Puzzle Game"), QStringLiteral("MenuPuzzle"), true);
    MenuReplay = action(game, tr("&Replay level"), QStringLiteral("MenuReplay"));
    MenuPause = action(game, tr("&Pause"), QStringLiteral("MenuPause"), true);
    MenuStop = action(game, tr("&Quit Current Game"), QStringLiteral("MenuStop"));
    Exit = action(game, tr("&Exit"), QStringLiteral("Exit"));
    connect(StartOriginal, &QAction::triggered, this, &FormZephlon::StartOriginal_Click);
    connect(MenuOriginal, &QAction::triggered, this, &FormZephlon::MenuOriginal_Click);
    connect(MenuPuzzle, &QAction::triggered, this, &FormZephlon::MenuPuzzle_Click);
    connect(MenuReplay, &QAction::triggered, this, &FormZephlon::MenuReplay_Click);
    connect(MenuPause, &QAction::triggered, this, &FormZephlon::MenuPause_Click);
    connect(MenuStop, &QAction::triggered, this, &FormZephlon::MenuStop_Click);
    connect(Exit, &QAction::triggered, this, &FormZephlon::Exit_Click);

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("MenuOptions"));
    QMenu* startLevel = options->addMenu(tr("Start &Level"));
    startLevel->setObjectName(QStringLiteral("MenuStartLevel"));
    for (int i = 1; i <= 10; ++i) {
        const QString caption = i < 10 ? QStringLiteral("&%1").arg(i) : QStringLiteral("1&0");
        MenuLevel[i - 1] = action(startLevel, caption, QStringLiteral("MenuLevel%1").arg(i), true);
        connect(MenuLevel[i - 1], &QAction::triggered, this, [this, i] { MenuLevel_Click(i); });
    }
    QMenu* colour = options->addMenu(tr("Block &Color"));
    colour->setObjectName(QStringLiteral("MenuBlockColour"));
    const QStringList colours = {tr("&Blueberry"), tr("&Lime"), tr("&Kiwi"), tr("&Plum"), tr("&Grey")};
    for (int i = 1; i <= 5; ++i) {
        MenuColour[i - 1] = action(colour, colours[i - 1], QStringLiteral("MenuColour%1").arg(i), true);
        connect(MenuColour[i - 1], &QAction::triggered, this, [this, i] { MenuColour_Click(i); });
    }
    QMenu* control = options->addMenu(tr("&Control"));
    control->setObjectName(QStringLiteral("MenuControl"));
    MenuKeyBoard = action(control, tr("&Keyboard"), QStringLiteral("MenuKeyBoard"), true);
    MenuMouse = action(control, tr("&Mouse"), QStringLiteral("MenuMouse"), true);
    connect(MenuKeyBoard, &QAction::triggered, this, &FormZephlon::MenuKeyBoard_Click);
    connect(MenuMouse, &QAction::triggered, this, &FormZephlon::MenuMouse_Click);
    MenuSound = action(options, tr("&Sound"), QStringLiteral("MenuSound"), true);
    connect(MenuSound, &QAction::triggered, this, &FormZephlon::MenuSound_Click);
    ScoreServer = action(options, tr("S&core Server..."), QStringLiteral("ScoreServer"));
    connect(ScoreServer, &QAction::triggered, this, &FormZephlon::ScoreServer_Click);
    m_controls->AddMenuEntry(options);

    QMenu* scores = menuBar()->addMenu(tr("&Highscores"));
    scores->setObjectName(QStringLiteral("highscores"));
    TopTen = action(scores, tr("&Local Highscores..."), QStringLiteral("TopTen"));
    UploadBestScore = action(scores, tr("&Upload Highscores..."), QStringLiteral("UploadBestScore"));
    globalhighscores = action(scores, tr("&Global Highscores..."), QStringLiteral("globalhighscores"));
    connect(TopTen, &QAction::triggered, this, &FormZephlon::TopTen_Click);
    connect(UploadBestScore, &QAction::triggered, this, &FormZephlon::UploadBestScore_Click);
    connect(globalhighscores, &QAction::triggered, this, &FormZephlon::globalhighscores_Click);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("menuhelp"));
    menuAbout = action(help, tr("&About..."), QStringLiteral("menuAbout"));
    MenuGamePlay = action(help, tr("&Game Play..."), QStringLiteral("MenuGamePlay"));
    MenuKeyControl = action(help, tr("&Key Control..."), QStringLiteral("MenuKeyControl"));
    MenuScoring = action(help, tr("&Scoring..."), QStringLiteral("MenuScoring"));
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
        //: The status bar's heading over the next-block preview.
        {&LabelNextHead, "LabelNextHead", QT_TR_NOOP("Next"), 120, 165, 705, 255, false},
        {&LabelScoreHead, "LabelScoreHead", QT_TR_NOOP("Score"), 90, 1470, 870, 255, false},
        {&LabelScore, "LabelScore", "0", 75, 1680, 765, 255, true},
        {&LabelLevelHead, "LabelLevelHead", QT_TR_NOOP("Level"), 135, 2220, 795, 255, false},
        {&LabelLevel, "LabelLevel", "0", 435, 2430, 420, 255, true},
        //: The heading over the count of destroyed blocks.
        {&LabelBlocksHead, "LabelBlocksHead", QT_TR_NOOP("Blocks"), 90, 2970, 795, 255, false},
        {&LabelBlocks, "LabelBlocks", "0", 435, 3195, 420, 255, true},
        //: First line of the two-line heading "High / Score" over the best score.
        {&Label1, "Label1", QT_TR_NOOP("High"), -60, 3945, 900, 255, false},
        //: Second line of the two-line heading "High / Score" over the best score.
        {&LabelHiScoreHead, "LabelHiScoreHead", QT_TR_NOOP("Score"), 90, 4140, 900, 255, false},
        {&LabelHiScore, "LabelHiScore", "0", 0, 4365, 855, 255, true},
    };
    for (const LabelDesign& d : labels) {
        // Values are numbers; only the headings are words.
        auto* l = new QLabel(d.value ? QString::fromLatin1(d.caption) : tr(d.caption), PictureStatusBar);
        l->setObjectName(QString::fromLatin1(d.name));
        l->setGeometry(d.left / kTwips, d.top / kTwips, d.width / kTwips, d.height / kTwips);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        l->setFont(StatusFont(d.value ? 12 : 9.75));
        SetTextColour(l, d.value ? kValueColour : kHeadColour);
        *d.label = l;
        if (!d.value) frame::FitText(l, zephlon::kStatusBarWidth);
    }

    LabelBW0 = new QLabel(tr("A game by "), m_central);
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
    // The game clock and the game-over second belong to the session; the blink and bomb flashes are
    // Zephlon's.
    Timer1 = m_session->Clock();
    TimerGameOver = m_session->GameOverTimer();
    TimerBlinkBlock = timer(QStringLiteral("TimerBlinkBlock"), 600);
    TimerLaserBomb = timer(QStringLiteral("TimerLaserBomb"), 100);
    connect(TimerBlinkBlock, &QTimer::timeout, this, [this] { m_engine->TimerBlinkBlock_Timer(); });
    connect(TimerLaserBomb, &QTimer::timeout, this, [this] { m_engine->TimerLaserBomb_Timer(); });

    DescribeForAssistiveTechnology();
    ConnectMouse();
    Form_Resize();
}

void FormZephlon::DescribeForAssistiveTechnology() {
    frame::Describe(PictureBg, tr("Pit"),
                    tr("The pit, 7 blocks wide and 10 deep, where the blocks with pipes fall"));
    frame::Describe(PictureNext, tr("Next block"), tr("The block that falls after the current one"));
    frame::Describe(PictureStatusBar, tr("Status"), tr("Score, level, destroyed blocks and high score"));
    frame::Describe(PictureMessage, tr("Message"), QString());
    frame::MakeAccessibleValue(LabelScore, tr("Score"));
    frame::MakeAccessibleValue(LabelLevel, tr("Level"));
    frame::MakeAccessibleValue(LabelBlocks, tr("Blocks"));
    //: The best score of the list, as a screen reader names it.
    frame::MakeAccessibleValue(LabelHiScore, tr("High score"));
}

void FormZephlon::SetGamepads(frame::Gamepads& pads) {
    frame::ConnectGamepads(pads, *m_controls, *this, *this);
}

void FormZephlon::SetColourAid(bool on) {
    m_colourAid = on;
    zephlon::SetColourAid(on);
    Form_Resize();
}

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
    // The board shown: the player's game, or the recorded game being watched.
    zephlon::ZephlonEngine& engine = Shown();
    engine.RedrawBoard();

    const int s = m_cellSize;
    for (frame::DrawSurface* sprite : {PictureBlock, PictureLaserBomb, PictureBlinkBlock}) {
        sprite->setGeometry(sprite->x(), sprite->y(), s, s);
        sprite->SetSurfaceSize(s, s);
    }
    PictureLaserBomb->move(0, 0);
    const zephlon::GameContext& c = engine.Context();
    const int colour = engine.Options().blockColour;
    if (engine.Options().gameMode == zephlon::GameMode::Puzzle && c.blinkColumn > 0) {
        PictureBlinkBlock->move((c.blinkColumn - 1) * s, (c.blinkRow - 1) * s);
        zephlon::DrawCell(*PictureBlinkBlock, 0, 0, s, c.board(c.blinkColumn, c.blinkRow), colour, 16, 1, 0,
                          0);
    }
    zephlon::DrawCell(*PictureLaserBomb, 0, 0, s, zephlon::kPresent | zephlon::kBomb, colour, 16, 1, 0, 0);
    if (c.GameRunning()) {
        engine.PaintNextBlock();
        if (c.gameState == zephlon::GameState::Falling && !c.paused) engine.MoveFallingBlock(true);
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
        FitMessageText(std::max(40, m_layout.playArea.width() - 24));
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

// The message keeps its font size where it fits the play area; longer lines wrap at word gaps, and only a
// word wider than the area makes the font smaller.
void FormZephlon::FitMessageText(int maxWidth) {
    const QString text = LabelMessage->text();
    QFont font = zephlon::StatusFont(m_messageFontSize);
    const auto widestWord = [&text](const QFontMetrics& metrics) {
        int widest = 0;
        for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        return widest;
    };
    while (font.pointSize() > 6 && widestWord(QFontMetrics(font)) > maxWidth)
        font.setPointSize(font.pointSize() - 1);
    LabelMessage->setFont(font);
    LabelMessage->setWordWrap(false);
    LabelMessage->adjustSize();
    if (LabelMessage->width() <= maxWidth) return;
    LabelMessage->setWordWrap(true);
    LabelMessage->resize(maxWidth, LabelMessage->heightForWidth(maxWidth));
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
