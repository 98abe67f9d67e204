// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webquadrelle.h"

#include <QCheckBox>
#include <QEvent>
#include <QMessageBox>
#include <QWidget>

#include "frame/program.h"
#include "web/formurl.h"
#include "web/replays.h"
#include "web/startdoc.h"

namespace web {

namespace {

// Notes when the main window is being closed: an upload offered then could never finish, since the
// view that loads it goes with the window.
class CloseWatch : public QObject {
  public:
    explicit CloseWatch(QObject* window) : QObject(window) { window->installEventFilter(this); }
    bool closing = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) closing = true;
        if (event->type() == QEvent::Show) closing = false;
        return false;
    }
};

}  // namespace

QuadrelleWeb::QuadrelleWeb(QWidget* mainWindow, frame::Options& options, RandomSource random,
                           GlobalScoresViewFactory factory)
    : main_(mainWindow),
      options_(options),
      random_(std::move(random)),
      factory_(std::move(factory)),
      present_(static_cast<bool>(factory_)),
      replays_(new ReplaySender) {
    if (main_) closeWatch_ = new CloseWatch(main_);
    FindReplay = [](int list, const UploadRecord& record) {
        return StoredReplay(frame::Program::Quadrelle, list, record);
    };
}

QuadrelleWeb::~QuadrelleWeb() {
    // The dialog belongs to the main window and may outlive this.
    if (dialog_) dialog_->BackgroundFailed = nullptr;
}

bool QuadrelleWeb::mainWindowClosing() const {
    const auto* watch = static_cast<const CloseWatch*>(closeWatch_.data());
    return main_ && (!main_->isVisible() || (watch && watch->closing));
}

QString QuadrelleWeb::InstallMessage() {
    return tr(
        "Please install Internet Explorer 4!\n"
        "Quadrelle shows the global lists with Qt WebEngine, free from https://www.qt.io/download "
        "(Debian: libqt6webenginewidgets6 and libqt6webenginecore6-bin), through its browser plugin "
        "quadrelle-webengine.so, built with the game when qt6-webengine-dev is installed.");
}

// The first view loads the engine; when that fails the browser counts as absent from then on.
bool QuadrelleWeb::loadBrowser() {
    if (present_ && !Dialog()->LoadBrowser()) present_ = false;
    return present_;
}

QString QuadrelleWeb::UploadFailedMessage(const GlobalScoresView::LoadResult& result) {
    if (result.httpStatus <= 0) {
        return tr(
            "Your score could not be uploaded: the score server did not answer.\n"
            "It stays in your list here; try again later with \"Upload Highscores...\".");
    }
    if (result.retryAfter >= 0) {
        // Seconds as a unit sign, which reads the same for one and for many.
        return tr("The score server refused your upload (HTTP status %1).\n"
                  "Your score stays in your list here; try again in %2 s with \"Upload Highscores...\".")
            .arg(result.httpStatus)
            .arg(result.retryAfter);
    }
    return tr("The score server refused your upload (HTTP status %1).\n"
              "Your score stays in your list here; try again later with \"Upload Highscores...\".")
        .arg(result.httpStatus);
}

void QuadrelleWeb::inform(const QString& text, bool warning) const {
    if (Inform) {
        Inform(text);
    } else if (warning) {
        QMessageBox::warning(main_, frame::ProgramName(frame::Program::Quadrelle), text);
    } else {
        QMessageBox::information(main_, frame::ProgramName(frame::Program::Quadrelle), text);
    }
}

void QuadrelleWeb::informInstall() {
    inform(InstallMessage(), false);
}

bool QuadrelleWeb::serverUsable() const {
    if (UsableScoreServer(options_.WebServer)) return true;
    InformUnusableServer(main_, frame::Program::Quadrelle, options_.WebServer);
    return false;
}

QList<UploadRecord> QuadrelleWeb::records() const {
    return Records ? Records() : QList<UploadRecord>();
}

quadrelle::FormWebHighscore* QuadrelleWeb::Dialog() {
    if (!dialog_) {
        dialog_ = new quadrelle::FormWebHighscore(options_.WebServer, random_, factory_, main_);
        dialog_->SetPicture(Picture);
        dialog_->BackgroundFailed = [this](const GlobalScoresView::LoadResult& result) {
            inform(UploadFailedMessage(result), true);
        };
    }
    return dialog_;
}

bool QuadrelleWeb::InputURL(bool bPlural, const QString& waitingName) {
    const bool upload = web::InputURL(main_, frame::Program::Quadrelle, bPlural, waitingName, options_.URL);
    if (!bPlural) {
        // The single prompt's check box stops the automatic offer, like the "&AutoUpload" menu entry.
        QCheckBox* dontShow = FormURLOf(main_, frame::Program::Quadrelle)->Check1;
        if (dontShow && dontShow->isChecked()) {
            dontShow->setChecked(false);
            if (options_.AutoUpload) {
                options_.AutoUpload = false;
                if (AutoUploadChanged) AutoUploadChanged(false);
            }
        }
    }
    return upload;
}

void QuadrelleWeb::UploadHiScore(int p) {
    const QList<UploadRecord> list = records();
    if (p < 1 || p > list.size() || !loadBrowser() || !serverUsable()) return;
    const QString link =
        QuadrelleUploadHiScoreLink(options_.WebServer, options_.URL, list.at(p - 1), random_);
    Dialog()->LoadInBackground(link);
    if (FindReplay) replays_->Send(link, FindReplay(0, list.at(p - 1)));
}

void QuadrelleWeb::UploadHiScores() {
    if (SaveName) SaveName();
    const QList<UploadRecord> list = records();
    if (list.isEmpty() || !loadBrowser() || !serverUsable()) return;
    Dialog()->LoadInBackground(QuadrelleUploadHiScoresLink(options_.WebServer, options_.URL, list, random_));
    // Each record's replay goes with the link of that record alone, the form the server checks it in.
    for (const UploadRecord& record : list) {
        const QByteArray replay = FindReplay ? FindReplay(0, record) : QByteArray();
        if (!replay.isEmpty())
            replays_->Send(QuadrelleUploadHiScoreLink(options_.WebServer, options_.URL, record, NoDraw),
                           replay);
    }
}

void QuadrelleWeb::UploadBestScore() {
    if (!loadBrowser()) {
        informInstall();
        return;
    }
    if (serverUsable() && InputURL(true)) UploadHiScores();
}

void QuadrelleWeb::OfferAutoUpload(int p) {
    const QList<UploadRecord> list = records();
    if (!present_ || !options_.AutoUpload || p < 1 || p > list.size() || mainWindowClosing()) return;
    // No offer that could not be kept.
    if (!loadBrowser() || !serverUsable()) return;
    if (InputURL(false, list.at(p - 1).Name)) UploadHiScore(p);
}

void QuadrelleWeb::globalhighscores() {
    if (!loadBrowser()) {
        informInstall();
        return;
    }
    Dialog()->ShowList();
}

void QuadrelleWeb::LabelBW_Click() {
    StartDoc(main_, kMakerSite, true);
}

}  // namespace web
