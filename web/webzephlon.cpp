// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webzephlon.h"

#include "web/formurl.h"
#include "web/formwebhighscore.h"
#include "web/startdoc.h"

namespace web {

ZephlonWeb::ZephlonWeb(QWidget* mainWindow, frame::Options& options, RandomSource random)
    : main_(mainWindow), options_(options), random_(std::move(random)), replays_(new ReplaySender) {
    FindReplay = [](int list, const UploadRecord& record) {
        return StoredReplay(frame::Program::Zephlon, list, record);
    };
}

ZephlonWeb::~ZephlonWeb() = default;

// The mode chosen now: the window's, which the options only catch up with when they are saved.
int ZephlonWeb::currentList() const {
    const int mode = CurrentList ? CurrentList() : options_.GameMode;
    return mode == 1 ? 1 : 0;
}

bool ZephlonWeb::serverUsable() const {
    if (UsableScoreServer(options_.WebServer)) return true;
    InformUnusableServer(main_, frame::Program::Zephlon, options_.WebServer);
    return false;
}

bool ZephlonWeb::InputURL(bool bPlural, const QString& waitingName) {
    return web::InputURL(main_, frame::Program::Zephlon, bPlural, waitingName, options_.URL);
}

void ZephlonWeb::UploadHiScore(int p) {
    const QList<UploadRecord> list = Records ? Records(currentList()) : QList<UploadRecord>();
    if (p < 1 || p > list.size() || !serverUsable()) return;
    const QString link = ZephlonUploadHiScoreLink(options_.WebServer, options_.URL, currentList() == 1,
                                                  list.at(p - 1), random_);
    StartDoc(main_, link, true);
    if (FindReplay) replays_->Send(link, FindReplay(currentList(), list.at(p - 1)));
}

void ZephlonWeb::UploadHiScores(int list) {
    const QList<UploadRecord> records = Records ? Records(list) : QList<UploadRecord>();
    if (records.isEmpty() || !serverUsable()) return;
    StartDoc(
        main_,
        ZephlonUploadHiScoresLink(options_.WebServer, options_.URL, currentList() == 1, records, random_),
        true);
    // Each record's replay goes with the link of that record alone, the form the server checks it in.
    for (qsizetype k = 0; FindReplay && k < std::min<qsizetype>(3, records.size()); ++k) {
        const QByteArray replay = FindReplay(list, records.at(k));
        if (!replay.isEmpty())
            replays_->Send(ZephlonUploadHiScoreLink(options_.WebServer, options_.URL, currentList() == 1,
                                                    records.at(k), NoDraw),
                           replay);
    }
}

void ZephlonWeb::UploadTop3() {
    // Asked only when the upload can go.
    if (serverUsable() && InputURL(true)) UploadHiScores(currentList());
}

void ZephlonWeb::OfferUpload(int p) {
    const QList<UploadRecord> list = Records ? Records(currentList()) : QList<UploadRecord>();
    if (p < 1 || p > list.size() || !serverUsable()) return;
    if (InputURL(false, list.at(p - 1).Name)) UploadHiScore(p);
}

void ZephlonWeb::globalhighscores() {
    if (!serverUsable()) return;
    StartDoc(main_, ZephlonGlobalLink(options_.WebServer, currentList() == 1), true);
}

void ZephlonWeb::ScoreServer() {
    if (!server_) server_ = new zephlon::FormWebHighscore(options_.WebServer, main_);
    server_->SetPicture(Picture);
    server_->ShowModal();
}

void ZephlonWeb::LabelBW_Click() {
    StartDoc(main_, kMakerSite, true);
}

}  // namespace web
