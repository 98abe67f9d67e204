// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/formwebhighscorequadrelle.h"
#include "frame/darkpalette.h"
#include "frame/placedialog.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "web/startdoc.h"

namespace web::quadrelle {

FormWebHighscore::FormWebHighscore(QString& webServer, RandomSource random, GlobalScoresViewFactory factory,
                                   QWidget* mainWindow)
    : QDialog(mainWindow), webServer_(webServer), random_(std::move(random)), factory_(std::move(factory)) {
    setObjectName(QStringLiteral("FormWebHighscore"));
    setWindowTitle(tr("Quadrelle - Global Highscores"));
    setWindowIcon(QIcon());
    setModal(false);
    frame::SetDarkBackground(this, QColor(72, 72, 72), Qt::white);

    Label1 = new QLabel(tr("Score Server:"), this);
    TextWebServer = new QLineEdit(this);
    TextWebServer->setMaxLength(512);
    TextWebServer->setMinimumWidth(260);
    Command2 = new QPushButton(tr("Go"), this);
    Combo1 = new QComboBox(this);
    Combo1->addItems({tr("Today's"), tr("This week's"), tr("This month's"), tr("All time's")});
    Combo2 = new QComboBox(this);
    Combo2->addItems({tr("Top 10"), tr("Top 100")});
    Label2 = new QLabel(
        tr("Make sure you are connected to the internet. Read about working score servers at our site!"),
        this);
    Label2->setWordWrap(true);
    LabelServer = new QLabel(this);
    LabelServer->setObjectName(QStringLiteral("LabelServer"));
    LabelServer->setTextFormat(Qt::PlainText);
    LabelServer->setWordWrap(true);
    LabelServer->setAlignment(Qt::AlignCenter);
    LabelServer->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addWidget(TextWebServer, 1);
    top->addWidget(Command2);
    top->addWidget(Combo1);
    top->addWidget(Combo2);
    auto* layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("layout"));
    layout->addLayout(top);
    layout->addWidget(Label2);
    layout->addWidget(LabelServer, 1);
    // The lists need room whatever fills the page: the view, or the word-wrapped notice in its place.
    setMinimumSize(600, 360);
    resize(760, 560);

    connect(Combo1, &QComboBox::currentIndexChanged, this, &FormWebHighscore::Combo1_Click);
    connect(Combo2, &QComboBox::currentIndexChanged, this, &FormWebHighscore::Combo2_Click);
    connect(Command2, &QPushButton::clicked, this, &FormWebHighscore::Command2_Click);
    connect(TextWebServer, &QLineEdit::returnPressed, this, &FormWebHighscore::Command2_Click);
}

FormWebHighscore::~FormWebHighscore() {
    if (view_) view_->SetLoadFinished({});
}

void FormWebHighscore::SetPicture(const QPixmap& picture) {
    frame::SetBackgroundPicture(this, QColor(72, 72, 72), picture);
}

// The first opening: this week's top ten of the stored server. The server field is filled before
// the first page is asked for, so that page comes from the right server.
void FormWebHighscore::Form_Load() {
    loaded_ = true;
    TextWebServer->setText(webServer_);
    // ShowList asks for the page once both lists are set.
    const QSignalBlocker block1(Combo1);
    const QSignalBlocker block2(Combo2);
    Combo1->setCurrentIndex(1);
    Combo2->setCurrentIndex(0);
}

bool FormWebHighscore::LoadBrowser() {
    if (view_) return true;
    if (!factory_) return false;
    view_ = factory_(this);
    if (!view_) return false;
    view_->SetLinkFilter([this](const QUrl& url, bool newWindow) { return followLink(url, newWindow); });
    view_->SetLoadFinished([this](const GlobalScoresView::LoadResult& result) { loadFinished(result); });
    static_cast<QVBoxLayout*>(layout())->addWidget(view_->Widget(), 1);
    view_->Widget()->setVisible(!LabelServer->isVisible());
    return true;
}

// A page of the score server may link anywhere. Web pages open in the view, and in the user's browser
// when the player asks for a new window; mail links go to the mail program. Any other link type (a
// share, a file, a custom handler) is refused, as for every other link of the game.
bool FormWebHighscore::followLink(const QUrl& url, bool newWindow) {
    const QString scheme = url.scheme().toLower();
    const bool webPage = (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
    if (webPage && !newWindow) return true;
    if (webPage || scheme == u"mailto") StartDoc(parentWidget(), url.toString(QUrl::FullyEncoded), true);
    return false;
}

void FormWebHighscore::ShowList() {
    if (!loaded_) Form_Load();
    if (!isVisible()) frame::PlaceDialog(this, parentWidget());
    show();
    raise();
    activateWindow();
    showListPage();
    skipActivation_ = true;  // the activation that follows the show asks for nothing new
}

void FormWebHighscore::LoadInBackground(const QString& link) {
    const QUrl url = navigate(link);
    if (!url.isEmpty()) background_ << url;
}

// Nobody sees a page loaded in the background, so its failure is handed on. A page replaced before it
// ended ends as failed too: it may not have reached the server.
void FormWebHighscore::loadFinished(const GlobalScoresView::LoadResult& result) {
    // The engine escapes some characters that the address asked for left as they were (a quote).
    const auto decoded = [](const QUrl& url) { return QByteArray::fromPercentEncoding(url.toEncoded()); };
    const QByteArray ended = decoded(result.url);
    const auto asked = std::find_if(background_.begin(), background_.end(),
                                    [&](const QUrl& url) { return decoded(url) == ended; });
    if (asked == background_.end()) return;
    background_.erase(asked);
    if (result.ok) return;
    if (BackgroundFailed) BackgroundFailed(result);
}

QString FormWebHighscore::ListLink() const {
    return QuadrelleGlobalLink(TextWebServer->text(), Combo1->currentIndex(), Combo2->currentIndex(),
                               random_);
}

void FormWebHighscore::showListPage() {
    const QString server = TextWebServer->text();
    const bool usable = UsableScoreServer(server);
    LabelServer->setText(usable ? QString() : UnusableServerMessage(frame::Program::Quadrelle, server));
    LabelServer->setVisible(!usable);
    if (view_) view_->Widget()->setVisible(usable);
    if (usable) navigate(ListLink());
}

QUrl FormWebHighscore::navigate(const QString& link) {
    // The embedded view shows web pages only, whatever the server field holds.
    const QUrl url = LaunchableUrl(link);
    if (url.isEmpty() || url.scheme() == u"mailto" || !LoadBrowser()) return {};
    view_->Navigate(url);
    return url;
}

void FormWebHighscore::Combo1_Click(int) {
    showListPage();
}

void FormWebHighscore::Combo2_Click(int) {
    showListPage();
}

void FormWebHighscore::Command2_Click() {
    webServer_ = TextWebServer->text().trimmed();
    showListPage();
}

void FormWebHighscore::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        if (skipActivation_) {
            skipActivation_ = false;
        } else {
            showListPage();
        }
    }
    QDialog::changeEvent(event);
}

// Closing hides the dialog and keeps the server typed into it.
void FormWebHighscore::closeEvent(QCloseEvent* event) {
    event->ignore();
    webServer_ = TextWebServer->text().trimmed();
    hide();
}

void FormWebHighscore::reject() {
    webServer_ = TextWebServer->text().trimmed();
    hide();
}

}  // namespace web::quadrelle
