// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/formwebhighscore.h"
#include "frame/darkpalette.h"
#include "frame/placedialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "web/startdoc.h"

namespace web::zephlon {

FormWebHighscore::FormWebHighscore(QString& webServer, QWidget* mainWindow)
    : QDialog(mainWindow), webServer_(webServer) {
    setObjectName(QStringLiteral("FormWebHighscore"));
    setWindowTitle(tr("Score Server"));
    setWindowIcon(QIcon());
    setModal(true);
    frame::SetDarkBackground(this, QColor(72, 72, 72), Qt::white);

    Label1 = new QLabel(tr("Score Server:"), this);
    TextWebServer = new QLineEdit(this);
    TextWebServer->setMinimumWidth(300);
    TextWebServer->setMaxLength(512);
    Command1 = new QPushButton(tr("OK"), this);
    Command1->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(TextWebServer, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &FormWebHighscore::Command1_Click);
}

void FormWebHighscore::SetPicture(const QPixmap& picture) {
    frame::SetBackgroundPicture(this, QColor(72, 72, 72), picture);
}

void FormWebHighscore::ShowModal() {
    TextWebServer->setText(webServer_);
    frame::PlaceDialog(this, parentWidget());
    exec();
}

void FormWebHighscore::Command1_Click() {
    accept();
}

// Every way of closing (OK, the close control, Escape) keeps the address typed.
void FormWebHighscore::done(int result) {
    storeServer();
    QDialog::done(result);
}

void FormWebHighscore::storeServer() {
    webServer_ = TextWebServer->text().trimmed();
}

}  // namespace web::zephlon
