// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/formurl.h"
#include "frame/darkpalette.h"
#include "frame/placedialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "web/startdoc.h"

namespace web {

namespace {

struct PromptTexts {
    const char* caption;
    const char* upload;
    const char* cancel;
};

PromptTexts textsOf(frame::Program program, bool plural) {
    switch (program) {
        case frame::Program::Zephlon:
            return plural ? PromptTexts{QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload Highscores"),
                                        QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload Top 3"),
                                        QT_TRANSLATE_NOOP("web::UrlPrompt", "Cancel")}
                          : PromptTexts{QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload Hiscore"),
                                        QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload"),
                                        QT_TRANSLATE_NOOP("web::UrlPrompt", "Cancel")};
        case frame::Program::Quadrelle:
            return plural ? PromptTexts{QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload Hiscores"),
                                        QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload"),
                                        QT_TRANSLATE_NOOP("web::UrlPrompt", "Cancel")}
                          : PromptTexts{QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload Hiscore"),
                                        QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload NOW"),
                                        QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload LATER")};
        case frame::Program::Vantorel:
            break;
    }
    return {QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload Highscore"),
            QT_TRANSLATE_NOOP("web::UrlPrompt", "Upload"), QT_TRANSLATE_NOOP("web::UrlPrompt", "Cancel")};
}

}  // namespace

QString UrlPrompt::PromptText() {
    return tr("Please enter your URL or email !");
}

UrlPrompt::UrlPrompt(frame::Program program, bool plural, QWidget* parent)
    : QDialog(parent), program_(program) {
    const PromptTexts t = textsOf(program, plural);
    setWindowTitle(tr(t.caption));
    setWindowIcon(QIcon());
    setModal(true);
    if (program == frame::Program::Zephlon) {
        // Zephlon's dialogs are dark grey with light text.
        frame::SetDarkBackground(this, QColor(72, 72, 72), Qt::white);
    }
    Label1 = new QLabel(PromptText(), this);
    Label2 = new QLabel(tr("Make sure you are connected to the Internet!"), this);
    // The address goes out with the scores, so the prompt says what of it others will see.
    LabelPublished = new QLabel(
        tr("Our score server shows only a web page address (http or https) with your scores, never an "
           "e-mail address."),
        this);
    LabelPublished->setObjectName(QStringLiteral("LabelPublished"));
    LabelPublished->setWordWrap(true);
    TextURL = new QLineEdit(this);
    TextURL->setMinimumWidth(320);
    TextURL->setMaxLength(512);
    Command1 = new QPushButton(tr(t.upload), this);
    Command2 = new QPushButton(tr(t.cancel), this);
    Command1->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(TextURL);
    layout->addWidget(LabelPublished);
    layout->addWidget(Label2);
    auto* buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

FormURL::FormURL(frame::Program program, QWidget* parent) : UrlPrompt(program, false, parent) {
    setObjectName(QStringLiteral("FormURL"));
    if (program == frame::Program::Quadrelle) {
        Check1 = new QCheckBox(tr("Don't show this next time"), this);
        auto* box = static_cast<QVBoxLayout*>(layout());
        box->insertWidget(box->indexOf(Label2) + 1, Check1);
    }
}

FormURL2::FormURL2(frame::Program program, QWidget* parent) : UrlPrompt(program, true, parent) {
    setObjectName(QStringLiteral("FormURL2"));
}

namespace {

template <typename Dialog>
Dialog* dialogOf(QWidget* mainWindow, frame::Program program, const QString& name) {
    if (mainWindow) {
        if (auto* d = mainWindow->findChild<Dialog*>(name, Qt::FindDirectChildrenOnly)) return d;
    }
    if (mainWindow) return new Dialog(program, mainWindow);
    static QPointer<Dialog> orphan;  // prompts asked without a main window share one dialog
    if (!orphan) orphan = new Dialog(program, nullptr);
    return orphan;
}

// Shows the prompt modal; true when its upload button closed it. The field goes to playerURL in
// every case.
bool runPrompt(UrlPrompt* dialog, QWidget* mainWindow, QString& playerURL) {
    dialog->TextURL->setText(playerURL);
    dialog->TextURL->selectAll();
    dialog->TextURL->setFocus();
    frame::PlaceDialog(dialog, mainWindow);
    const bool upload = dialog->exec() == QDialog::Accepted;
    playerURL = dialog->TextURL->text();
    return upload;
}

}  // namespace

FormURL* FormURLOf(QWidget* mainWindow, frame::Program program) {
    return dialogOf<FormURL>(mainWindow, program, QStringLiteral("FormURL"));
}

FormURL2* FormURL2Of(QWidget* mainWindow, frame::Program program) {
    return dialogOf<FormURL2>(mainWindow, program, QStringLiteral("FormURL2"));
}

bool InputURL(QWidget* mainWindow, frame::Program program, bool bPlural, const QString& waitingName,
              QString& playerURL) {
    if (bPlural) {
        FormURL2* dialog = FormURL2Of(mainWindow, program);
        dialog->m_iUpload = false;
        dialog->m_iUpload = runPrompt(dialog, mainWindow, playerURL);
        return dialog->m_iUpload;
    }
    FormURL* dialog = FormURLOf(mainWindow, program);
    dialog->m_bUpload = false;
    // An entry without a name (Quadrelle keeps empty names) gets the plain request.
    dialog->Label1->setText(waitingName.isEmpty()
                                ? UrlPrompt::PromptText()
                                //: %1 is the name the player just entered in the top ten.
                                : UrlPrompt::tr("%1, please enter your URL or email !").arg(waitingName));
    dialog->m_bUpload = runPrompt(dialog, mainWindow, playerURL);
    return dialog->m_bUpload;
}

}  // namespace web
