// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <functional>

#include <memory>
#include "frame/options.h"
#include "web/links.h"
#include "web/replays.h"

class QWidget;

namespace web {

namespace zephlon {
class FormWebHighscore;
}

// Zephlon's uploads, global lists and score-server dialog. Links open in the user's browser.
class ZephlonWeb {
  public:
    // options is the main window's (WebServer, URL as PlayerURL, GameMode); it must outlive this.
    ZephlonWeb(QWidget* mainWindow, frame::Options& options, RandomSource random);
    ~ZephlonWeb();

    // The records of a list (0 Original, 1 Puzzle), position 1 first. Set by the main window.
    std::function<QList<UploadRecord>(int list)> Records;
    // The game mode chosen now (0 Original, 1 Puzzle): it picks GM, GameMode and the list sent.
    // Empty: the options' GameMode.
    std::function<int()> CurrentList;
    // The main window's background picture, for the score-server dialog.
    QPixmap Picture;
    // The replay of an uploaded record, sent beside the upload so the server can verify it; by default
    // the one kept in ReplayFolder(). Empty: the record goes without one.
    ReplayOf FindReplay;
    // Sends the replays in the background.
    ReplaySender& Replays() { return *replays_; }

    bool InputURL(bool bPlural, const QString& waitingName = QString());
    // Position p of the current list alone; p < 1 or beyond the list does nothing.
    void UploadHiScore(int p);
    // Positions 1 to 3 of list (0 Original, 1 Puzzle).
    void UploadHiScores(int list);
    // Asks, then uploads the best three of the current list.
    void UploadTop3();
    // After a waiting entry was named from the top-ten dialog's "Upload": asks, then uploads it.
    void OfferUpload(int p);

    void globalhighscores();
    void ScoreServer();
    void LabelBW_Click();

  private:
    int currentList() const;
    // False, after telling the player, when the WebServer setting is no web address.
    bool serverUsable() const;
    QWidget* main_;
    frame::Options& options_;
    RandomSource random_;
    QPointer<zephlon::FormWebHighscore> server_;
    std::unique_ptr<ReplaySender> replays_;
};

}  // namespace web
