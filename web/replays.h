// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

#include "frame/program.h"
#include "web/links.h"

class QNetworkAccessManager;

// Replays sent along with uploads, so the score server can play a record's game again and list it as
// verified. The upload links themselves stay as they are: a server that knows no replays keeps
// working, and the replay sent beside them is simply not found there.
namespace web {

// The replay file of an uploaded record (its bytes), or empty when the record has none.
using ReplayOf = std::function<QByteArray(int list, const UploadRecord& record)>;

// The replay the game keeps for a local top-ten record (scores::ReplayFiles), empty when there is none
// or it is larger than a replay can be.
QByteArray StoredReplay(frame::Program program, int list, const UploadRecord& record);

// Where a record's replay goes: the query of its single-record upload link, under UploadReplay.asp
// instead of UploadScores.asp, so the server reads the record exactly as from the link.
QString ReplayUploadLink(const QString& singleUploadLink);

// The cache breaker of links built only for their replay: a POST is never cached, and the program's
// random numbers are not drawn for it.
inline double NoDraw() {
    return 0.0;
}

// Sends replays in the background with HTTP POST; nothing waits for the answer and nothing is shown.
class ReplaySender : public QObject {
    Q_OBJECT
  public:
    explicit ReplaySender(QObject* parent = nullptr);

    // Posts replay to the replay address of singleUploadLink (a link as the games build it, with or
    // without http://). Nothing is sent for an empty replay or a link that is no web address.
    void Send(const QString& singleUploadLink, const QByteArray& replay);

  signals:
    // The server's answer: the HTTP status (0 when none came) and its text. A 404 is an older server.
    void Answered(int status, const QString& text);

  private:
    QNetworkAccessManager* network_;
};

}  // namespace web
