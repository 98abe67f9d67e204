// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/zephlonhelp.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/dialoglook.h"
#include "dialogs/maker.h"

namespace dialogs {

namespace zephlon {

HelpPage::HelpPage(const QString& caption, bool hasPrev, bool hasNext, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
    ApplyDialogLook(this);
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->setContentsMargins(18, 14, 18, 14);
    outer->setSpacing(12);
    m_content = new QVBoxLayout;
    m_content->setSpacing(2);
    outer->addLayout(m_content);

    Command1 = new QPushButton(tr("Prev"), this);
    Command2 = new QPushButton(tr("Next"), this);
    Command3 = new QPushButton(tr("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command1->setEnabled(hasPrev);
    Command2->setEnabled(hasNext);
    for (QPushButton* button : {Command1, Command2, Command3}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(80);
    }
    Command3->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &HelpPage::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &HelpPage::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &HelpPage::Command3_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    buttons->addWidget(Command3);
    outer->addLayout(buttons);
}

void HelpPage::Command1_Click() {
    Choose(kPrev);
}
void HelpPage::Command2_Click() {
    Choose(kNext);
}
void HelpPage::Command3_Click() {
    Choose(kClosed);
}

void HelpPage::Choose(int16_t dir) {
    m_iDir = dir;
    Finish();
}

void HelpPage::Finish() {
    // done() ends a running modal loop and hides the page; outside one it only hides it.
    done(QDialog::Accepted);
}

void HelpPage::closeEvent(QCloseEvent* event) {
    m_iDir = kClosed;
    QDialog::closeEvent(event);
}

void HelpPage::reject() {
    // Escape and the window's close control end the help.
    m_iDir = kClosed;
    QDialog::reject();
}

FormInstructions::FormInstructions(QWidget* parent) : HelpPage(tr("Game Play"), false, true, parent) {
    setObjectName(QStringLiteral("FormInstructions"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(2);
    // Each paragraph is one text to translate, its lines broken where the translation breaks them.
    //: The Original game's rules: keep the line breaks (\n) at about this width.
    const QStringList original = tr("Throughout the game, blocks containing different\n"
                                    "numbers of vertical or horizontal pipes fall from\n"
                                    "the top of the screen. When you line up three or\n"
                                    "more pipe sections, a laser blast removes them\n"
                                    "from the screen. If you remove all the pipe\n"
                                    "sections from a given block, it disappears and the\n"
                                    "blocks above it fall down to take its place.\n"
                                    "With the special Laser Bombs, blocks already on\n"
                                    "the ground can be destroyed. The game is over\n"
                                    "when the game area is filled with blocks.")
                                     .split(QLatin1Char('\n'));
    //: The Puzzle game's rules: keep the line breaks (\n) at about this width.
    const QStringList puzzle = tr("You must remove the flashing block before the \n"
                                  "screen fills up. This is done by working your way\n"
                                  "down to the block (by lining up pipe sections,\n"
                                  "(see Original Game above) and then eliminating\n"
                                  "it. Use the Laser Bomb to destroy concrete \n"
                                  "walls and blocks with horisontal pipes only.")
                                   .split(QLatin1Char('\n'));
    grid->addWidget(MakeHeading(tr("Game Play - Original game"), this), 0, 0);
    grid->addWidget(MakeHeading(tr("Game Play - Puzzle game"), this), 0, 1);
    for (int i = 0; i < original.size(); ++i)
        grid->addWidget(MakeTextLine(original[i], this), i + 1, 0);
    for (int i = 0; i < puzzle.size(); ++i)
        grid->addWidget(MakeTextLine(puzzle[i], this), i + 1, 1);
    Content()->addLayout(grid);
}

FormKeyControl::FormKeyControl(QWidget* parent) : HelpPage(tr("Key Control"), true, true, parent) {
    setObjectName(QStringLiteral("FormKeyControl"));
    Content()->addWidget(MakeHeading(tr("Key Control"), this));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(36);
    grid->setVerticalSpacing(4);
    // The keys are named as the keyboards of the language label them.
    const std::pair<const char*, const char*> keys[] = {
        {QT_TR_NOOP("Move Left"),
         //: A key as keyboards of the language label it (Strg, Einfg; Ctrl, Inser): keep the brackets.
         QT_TR_NOOP("[Cursor LEFT]")},
        {QT_TR_NOOP("Move Right"), QT_TR_NOOP("[Cursor RIGHT]")},
        {QT_TR_NOOP("Rotate"), QT_TR_NOOP("[Cursor UP]")},
        {QT_TR_NOOP("Sink"), QT_TR_NOOP("[Cursor DOWN]")},
        {QT_TR_NOOP("Drop"), QT_TR_NOOP("[CONTROL] or [INSERT]")},
        {QT_TR_NOOP("Replay level (Arcade)"), QT_TR_NOOP("[R]")},
        {QT_TR_NOOP("Pause"), QT_TR_NOOP("[P]")},
    };
    int row = 0;
    for (const auto& [action, key] : keys) {
        grid->addWidget(MakeTextLine(tr(action), this), row, 0);
        grid->addWidget(MakeTextLine(tr(key), this), row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    Content()->addSpacing(6);
    Content()->addLayout(grid);
}

FormScoring::FormScoring(QWidget* parent) : HelpPage(tr("Scoring"), true, false, parent) {
    setObjectName(QStringLiteral("FormScoring"));
    Content()->addWidget(MakeHeading(tr("Scoring"), this));
    for (const char* line :
         {QT_TR_NOOP("1 point per row you sink a block"), QT_TR_NOOP("5 points for destroyed pipe section"),
          QT_TR_NOOP("50 points for 1 destroyed block "),
          QT_TR_NOOP("50 + 75 points for 2 simultaneously destroyed blocks"),
          QT_TR_NOOP("50 + 75 + 100  points for 3 simult. destroyed blocks ..."),
          QT_TR_NOOP("1000 points for destroyed flashing block")}) {
        Content()->addWidget(MakeTextLine(tr(line), this));
    }
    Content()->addSpacing(10);
    Content()->addWidget(MakeHeading(tr("Web Highscores"), this));
    const int width = 380;
    Content()->addWidget(MakeParagraph(tr("Make sure you are connected to the internet when "
                                          "uploading and viewing scores from a score server."),
                                       width, this));
    Content()->addWidget(MakeParagraph(
        tr("Visit %1 for a list of working score servers.").arg(QLatin1String(kMakerSite)), width, this));
}

}  // namespace zephlon

ZephlonHelp::ZephlonHelp(QWidget* mainWindow)
    : QObject(mainWindow),
      m_main(mainWindow),
      m_instructions(new zephlon::FormInstructions(mainWindow)),
      m_keyControl(new zephlon::FormKeyControl(mainWindow)),
      m_scoring(new zephlon::FormScoring(mainWindow)) {}

ZephlonHelp::~ZephlonHelp() {
    delete m_instructions.data();
    delete m_keyControl.data();
    delete m_scoring.data();
}

ZephlonHelp& ZephlonHelp::For(QWidget* mainWindow) {
    auto* help = mainWindow->findChild<ZephlonHelp*>(QString(), Qt::FindDirectChildrenOnly);
    return help ? *help : *new ZephlonHelp(mainWindow);
}

void ZephlonHelp::ShowInstructions() {
    if (m_instructions) ApplyDialogLook(m_instructions);
    Run(Page::Instructions);
}

void ZephlonHelp::ShowKeyControl() {
    Run(Page::KeyControl);
}

void ZephlonHelp::ShowScoring() {
    Run(Page::Scoring);
}

ZephlonHelp::Page ZephlonHelp::NextPage(Page page, int16_t dir) {
    using H = zephlon::HelpPage;
    switch (page) {
        case Page::Instructions:
            return dir == H::kNext ? Page::KeyControl : Page::None;
        case Page::KeyControl:
            if (dir == H::kNext) return Page::Scoring;
            if (dir == H::kPrev) return Page::Instructions;
            return Page::None;
        case Page::Scoring:
            return dir == H::kPrev ? Page::KeyControl : Page::None;
        case Page::None:
            break;
    }
    return Page::None;
}

zephlon::HelpPage* ZephlonHelp::Dialog(Page page) const {
    switch (page) {
        case Page::Instructions:
            return m_instructions;
        case Page::KeyControl:
            return m_keyControl;
        case Page::Scoring:
            return m_scoring;
        case Page::None:
            break;
    }
    return nullptr;
}

void ZephlonHelp::Run(Page first) {
    for (Page page = first; page != Page::None;) {
        zephlon::HelpPage* dialog = Dialog(page);
        if (!dialog || dialog->isVisible()) return;  // already open: never nest a page in itself
        dialog->m_iDir = zephlon::HelpPage::kClosed;
        ShowModal(dialog, m_main);
        page = NextPage(page, dialog->m_iDir);
    }
}

}  // namespace dialogs
