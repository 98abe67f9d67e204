// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/forminstructions.h"

#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/dialoglook.h"
#include "dialogs/maker.h"

namespace dialogs {

namespace {
constexpr int kParagraphWidth = 400;
}

FormInstructions::FormInstructions(frame::Program program, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormInstructions"));
    //: The help window's title; %1 is the game's name.
    setWindowTitle(tr("%1 - Instructions").arg(frame::ProgramName(program)));
    setModal(true);
    ApplyDialogLook(this);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(20, 14, 20, 18);
    layout->setSpacing(2);

    if (program == frame::Program::Vantorel) {
        AddHeading(tr("Introduction"));
        AddParagraph(tr(
            "Vantorel is a kind of real-time puzzle. You have to keep a pit free of blocks by moving and "
            "rotating small pieces while they sink from the top to the ground, one after another. Some "
            "blocks "
            "are partly tranparent, they have to be combined with other transparent sections. Each time a "
            "complete row is filled, it vanishes and all blocks above fall down. Your game is over when the "
            "pit "
            "is too full for the next piece. The game becomes a bit faster each time a certain amount of "
            "rows "
            "(15) has been erased. "));
        AddKeyLines();
        AddHeading(tr("Scoring"));
        AddLine(tr("1 point per row you sink a block"));
        AddLine(tr("100 points for one erased row"));
        AddLine(tr("300 points for two erased rows"));
        AddLine(tr("700 points for three erased rows"));
        return;
    }

    AddKeyLines();
    AddHeading(tr("Scoring"));
    AddLine(tr("1 point per row you sink a block"));
    AddLine(tr("100 points for one erased row"));
    AddLine(tr("200 points for two erased rows"));
    AddLine(tr("400 points for three erased rows"));
    AddLine(tr("800 points for four erased rows"));
    AddHeading(tr("Web Highscores"));
    const QString site = QLatin1String(kMakerSite);
    AddParagraph(
        tr("Make sure you are connected to the internet when uploading and viewing scores "
           "from a score server."));
    AddParagraph(tr("Visit %1 for a list of working score servers.").arg(site));
    AddParagraph(
        tr("The global highscores are shown inside the game by an embedded web browser, "
           "so please install Internet Explorer 4 (on Linux: the Qt WebEngine "
           "component, package libqt6webenginewidgets6). It can be downloaded free of "
           "charge from your distribution's package archive."));
}

void FormInstructions::AddHeading(const QString& text) {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    if (layout->count() > 0) layout->addSpacing(10);
    layout->addWidget(MakeHeading(text, this));
}

void FormInstructions::AddLine(const QString& text) {
    layout()->addWidget(MakeTextLine(text, this));
}

void FormInstructions::AddParagraph(const QString& text) {
    layout()->addWidget(MakeParagraph(text, kParagraphWidth, this));
}

void FormInstructions::AddKeyLines() {
    AddHeading(tr("Key Control"));
    AddLine(tr("Move Left with CURSOR LEFT key"));
    AddLine(tr("Move Right with CUROR RIGHT key"));
    AddLine(tr("Rotate with CURSOR UP key"));
    AddLine(tr("Sink with CURSOR DOWN key"));
    AddLine(tr("Drop with CONTROL or INSERT key"));
}

void ShowInstructions(frame::Program program, QWidget* mainWindow) {
    auto* page = mainWindow->findChild<FormInstructions*>(QString(), Qt::FindDirectChildrenOnly);
    if (!page) page = new FormInstructions(program, mainWindow);
    if (page->isVisible()) return;
    ShowModal(page, mainWindow);
}

}  // namespace dialogs
