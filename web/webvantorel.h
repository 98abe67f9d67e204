// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <functional>

#include <memory>
#include "frame/options.h"
#include "web/links.h"
#include "web/replays.h"

class QWidget;

namespace web {

// Vantorel's two web commands: upload the best record after asking for the player's address, and
// open the global top hundred, both in the user's browser.
class VantorelWeb {
  public:
    // options is the main window's (WebServer, URL as PlayerURL); it must outlive this.
    VantorelWeb(QWidget* mainWindow, frame::Options& options, RandomSource random);
    ~VantorelWeb();

    // The ten records of the list, position 1 first. Set by the main window.
    std::function<QList<UploadRecord>()> Records;
    // Commits a name still waiting in the top-ten dialog, so the best record is sent named.
    std::function<void()> SaveName;
    // The replay of an uploaded record, sent beside the upload so the server can verify it; by default
    // the one kept in ReplayFolder(). Empty: the record goes without one.
    ReplayOf FindReplay;
    // Sends the replays in the background.
    ReplaySender& Replays() { return *replays_; }

    // Menu "&Upload Highscore".
    void UploadBestScore();
    // Menu "&Global Top100".
    void globalhighscores();

  private:
    // False, after telling the player, when the WebServer setting is no web address.
    bool serverUsable() const;
    QWidget* main_;
    frame::Options& options_;
    RandomSource random_;
    std::unique_ptr<ReplaySender> replays_;
};

}  // namespace web
