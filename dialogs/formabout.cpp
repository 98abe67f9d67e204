// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/formabout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>

#include "dialogs/art.h"
#include "dialogs/dialoglook.h"
#include "dialogs/maker.h"

namespace dialogs {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
}

void ClickLabel::MakeKeyboardLink() {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(tr("Link"));
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    if (focusPolicy() != Qt::NoFocus &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // Labels draw no focus of their own: the style's focus frame shows where Enter goes.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

namespace {

void MakeLink(QLabel* label) {
    label->setCursor(Qt::PointingHandCursor);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label->setPalette(palette);
}

}  // namespace

FormAbout::FormAbout(frame::Program program, QWidget* parent) : QDialog(parent), m_program(program) {
    setObjectName(QStringLiteral("FormAbout"));
    const QString name = frame::ProgramName(program);
    //: The about box's title; %1 is the game's name.
    setWindowTitle(tr("About %1").arg(name));
    setModal(true);
    ApplyDialogLook(this);

    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(20, 18, 24, 18);
    layout->setSpacing(20);

    auto* pictures = new QVBoxLayout;
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ImageIcon"));
    icon->setPixmap(RenderPicture(ProgramIconPath(program), QSize(72, 72)));
    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("ImageMaker"));
    emblem->setPixmap(RenderPicture(QString::fromLatin1(kMakerEmblemPath), QSize(48, 48)));
    pictures->addWidget(icon, 0, Qt::AlignHCenter);
    pictures->addStretch(1);
    pictures->addWidget(emblem, 0, Qt::AlignHCenter);
    layout->addLayout(pictures);

    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    LabelName = MakeHeading(name, this);
    LabelName->setObjectName(QStringLiteral("LabelName"));
    QFont big = LabelName->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    LabelName->setFont(big);
    text->addWidget(LabelName);

    auto* version = new QHBoxLayout;
    version->setSpacing(4);
    if (program == frame::Program::Vantorel) {
        LabelVerNr = MakeTextLine(tr("ver %1").arg(QStringLiteral("1.02")), this);
    } else {
        //: Short for "version", before the version number.
        LabelVer = MakeTextLine(tr("ver"), this);
        LabelVer->setObjectName(QStringLiteral("LabelVer"));
        version->addWidget(LabelVer);
        LabelVerNr = MakeTextLine(QString(), this);
    }
    LabelVerNr->setObjectName(QStringLiteral("LabelVerNr"));
    version->addWidget(LabelVerNr);
    version->addStretch(1);
    text->addLayout(version);

    text->addSpacing(12);
    text->addWidget(MakeTextLine(tr("Design, gfx and Programming"), this));
    text->addWidget(MakeTextLine(QLatin1String(kMakerName), this));
    text->addWidget(MakeTextLine(tr(kMakerAuthor), this));
    text->addSpacing(12);
    text->addWidget(MakeTextLine(tr("Download more games at:"), this));
    LabelBW = new ClickLabel(QLatin1String(kMakerSite), this);
    LabelBW->setObjectName(QStringLiteral("LabelBW"));
    text->addWidget(LabelBW);
    text->addSpacing(6);

    auto* mail = new QHBoxLayout;
    mail->setSpacing(0);
    mail->addWidget(MakeTextLine(tr("email: "), this));
    LabelEmail = new ClickLabel(QLatin1String(kMakerEmail), this);
    LabelEmail->setObjectName(QStringLiteral("LabelEmail"));
    mail->addWidget(LabelEmail);
    mail->addStretch(1);
    text->addLayout(mail);

    if (program != frame::Program::Vantorel) {
        MakeLink(LabelBW);
        LabelBW->MakeKeyboardLink();
        connect(LabelBW, &ClickLabel::clicked, this, &FormAbout::LabelBW_Click);
    }
    if (program == frame::Program::Zephlon) {
        MakeLink(LabelEmail);
        LabelEmail->MakeKeyboardLink();
        connect(LabelEmail, &ClickLabel::clicked, this, &FormAbout::LabelEmail_Click);
        Command1 = new QPushButton(tr("Close"), this);
        Command1->setObjectName(QStringLiteral("Command1"));
        Command1->setDefault(true);
        Command1->setMinimumWidth(80);
        connect(Command1, &QPushButton::clicked, this, &FormAbout::Command1_Click);
        text->addSpacing(14);
        text->addWidget(Command1, 0, Qt::AlignRight);
    }
    layout->addLayout(text);
}

void FormAbout::SetVersion(const QString& version) {
    if (m_program == frame::Program::Vantorel) return;
    LabelVerNr->setText(version);
}

void FormAbout::LabelBW_Click() {
    if (m_program == frame::Program::Vantorel || !m_opener) return;
    m_opener(QLatin1String(kMakerSiteUrl), true);
}

void FormAbout::LabelEmail_Click() {
    if (m_program != frame::Program::Zephlon || !m_opener) return;
    m_opener(QStringLiteral("mailto:") + LabelEmail->text(), false);
}

void FormAbout::Command1_Click() {
    accept();
}

void ShowAbout(frame::Program program, QWidget* mainWindow, const QString& version, DocOpener opener) {
    auto* about = mainWindow->findChild<FormAbout*>(QString(), Qt::FindDirectChildrenOnly);
    if (!about) about = new FormAbout(program, mainWindow);
    if (about->isVisible()) return;
    about->SetVersion(version);
    about->SetDocOpener(std::move(opener));
    ShowModal(about, mainWindow);
}

}  // namespace dialogs
