// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <functional>

#include <memory>
#include "frame/options.h"
#include "web/formwebhighscorequadrelle.h"
#include "web/links.h"
#include "web/replays.h"

class QWidget;

namespace web {

// Quadrelle's uploads and global lists. Both load in the embedded view of its global-list dialog;
// without a browser engine the commands say so and no upload is offered.
class QuadrelleWeb {
    Q_DECLARE_TR_FUNCTIONS(web::QuadrelleWeb)

  public:
    // options is the main window's (WebServer, URL as PlayerURL, AutoUpload); it must outlive this.
    // factory is empty when no browser engine can be had; it may still fail to make a view, which
    // then counts as absent too.
    QuadrelleWeb(QWidget* mainWindow, frame::Options& options, RandomSource random,
                 GlobalScoresViewFactory factory);
    ~QuadrelleWeb();

    // The ten records of the list, position 1 first. Set by the main window.
    std::function<QList<UploadRecord>()> Records;
    // Commits a name still waiting in the top-ten dialog.
    std::function<void()> SaveName;
    // Called when the prompt's "Don't show this next time" turned the automatic offer off, so the
    // menu's check mark can follow.
    std::function<void(bool)> AutoUploadChanged;
    // Shows a message with an OK button; tests replace it.
    std::function<void(const QString&)> Inform;
    QPixmap Picture;
    // The replay of an uploaded record, sent beside the upload so the server can verify it; by default
    // the one kept in ReplayFolder(). Empty: the record goes without one.
    ReplayOf FindReplay;
    // Sends the replays in the background.
    ReplaySender& Replays() { return *replays_; }

    // True when a browser engine can show pages inside the program: found at start (without loading
    // it), and not failed to load since.
    bool Explorer4Present() const { return present_; }
    static QString InstallMessage();
    // What the player is told when an upload in the background did not go through.
    static QString UploadFailedMessage(const GlobalScoresView::LoadResult& result);

    bool InputURL(bool bPlural, const QString& waitingName = QString());
    void UploadHiScore(int p);
    void UploadHiScores();

    // Menu "&Upload Highscores...".
    void UploadBestScore();
    // After a new entry got its name: with AutoUpload on, asks and uploads it at once. Not while the
    // main window closes or is hidden: the upload would go with the window.
    void OfferAutoUpload(int p);
    void globalhighscores();
    void LabelBW_Click();

    // The global-list dialog, created on first use.
    quadrelle::FormWebHighscore* Dialog();

  private:
    QList<UploadRecord> records() const;
    bool loadBrowser();
    // False, after telling the player, when the WebServer setting is no web address.
    bool serverUsable() const;
    void informInstall();
    void inform(const QString& text, bool warning) const;
    bool mainWindowClosing() const;
    QWidget* main_;
    frame::Options& options_;
    RandomSource random_;
    GlobalScoresViewFactory factory_;
    bool present_;
    QPointer<quadrelle::FormWebHighscore> dialog_;
    QPointer<QObject> closeWatch_;
    std::unique_ptr<ReplaySender> replays_;
};

}  // namespace web
