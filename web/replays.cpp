// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/replays.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "scores/replayfiles.h"
#include "web/startdoc.h"

namespace web {

namespace {

// Far beyond any game's replay; a larger file is not one of ours.
constexpr qint64 kMaxReplayBytes = 4 * 1024 * 1024;

}  // namespace

QByteArray StoredReplay(frame::Program program, int list, const UploadRecord& record) {
    const scores::HighScoreRecord kept{record.Name,     record.Score, record.StartLevel,
                                       record.EndLevel, record.Date,  record.ChkSum};
    QFile file(scores::ReplayFiles(program).PathOf(list, kept));
    if (file.size() > kMaxReplayBytes || !file.open(QIODevice::ReadOnly)) return {};
    return file.read(kMaxReplayBytes);
}

QString ReplayUploadLink(const QString& singleUploadLink) {
    QString link = singleUploadLink;
    const QString from = QStringLiteral("/UploadScores.asp?");
    const qsizetype at = link.indexOf(from);
    if (at < 0) return {};
    return link.replace(at, from.size(), QStringLiteral("/UploadReplay.asp?"));
}

ReplaySender::ReplaySender(QObject* parent) : QObject(parent), network_(new QNetworkAccessManager(this)) {}

void ReplaySender::Send(const QString& singleUploadLink, const QByteArray& replay) {
    const QUrl url = LaunchableUrl(ReplayUploadLink(singleUploadLink));
    if (replay.isEmpty() || !url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https")) return;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/octet-stream"));
    request.setTransferTimeout(30000);
    QNetworkReply* reply = network_->post(request, replay);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        emit Answered(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                      QString::fromUtf8(reply->readAll()));
    });
}

}  // namespace web
