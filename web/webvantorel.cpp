// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webvantorel.h"

#include "web/formurl.h"
#include "web/startdoc.h"

namespace web {

VantorelWeb::VantorelWeb(QWidget* mainWindow, frame::Options& options, RandomSource random)
    : main_(mainWindow), options_(options), random_(std::move(random)), replays_(new ReplaySender) {
    FindReplay = [](int list, const UploadRecord& record) {
        return StoredReplay(frame::Program::Vantorel, list, record);
    };
}

VantorelWeb::~VantorelWeb() = default;

bool VantorelWeb::serverUsable() const {
    if (UsableScoreServer(options_.WebServer)) return true;
    InformUnusableServer(main_, frame::Program::Vantorel, options_.WebServer);
    return false;
}

void VantorelWeb::UploadBestScore() {
    if (SaveName) SaveName();
    const QList<UploadRecord> list = Records ? Records() : QList<UploadRecord>();
    if (list.isEmpty()) return;
    const UploadRecord& best = list.first();
    if (!serverUsable()) return;
    if (!InputURL(main_, frame::Program::Vantorel, false, best.Name, options_.URL)) return;
    const QString link = VantorelUploadLink(options_.WebServer, options_.URL, best, random_);
    StartDoc(main_, link, true);
    if (FindReplay) replays_->Send(link, FindReplay(0, best));
}

void VantorelWeb::globalhighscores() {
    if (!serverUsable()) return;
    StartDoc(main_, VantorelGlobalLink(options_.WebServer), true);
}

}  // namespace web
