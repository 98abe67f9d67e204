// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "scoreserver/requests.h"
#include "scoreserver/store.h"

// The pages the score server answers with. Every stored or received text goes through HtmlEscape.
namespace scoreserver {

// & < > " ' as character references: safe in text and in quoted attributes.
QString HtmlEscape(const QString& text);

// The player's address as pages and JSON publish it: a web page (http or https; a bare host name gets
// http://), never an e-mail address. Empty when the address is not published.
QString LinkTarget(const QString& address);

// The answer to an upload: what was stored at which rank of which list, or why not.
QByteArray UploadPage(const Upload& upload, const QString& basePath);
// A list page as HTML, or as JSON for programs.
QByteArray ListPageHtml(const ListRequest& request, const QList<ListRow>& rows, const QString& basePath);
QByteArray ListPageJson(const ListRequest& request, const QList<ListRow>& rows, const QString& basePath = {});
// A page that says why a request was not served.
QByteArray ErrorPage(const QString& title, const QString& reason, const QString& basePath);
// The server's start page: links to every list.
QByteArray IndexPage(const QString& basePath);

// Download address of a stored replay under the base path: /replays/<id>.
QString ReplayPath(const QString& id, const QString& basePath);
// Path of a list page under the base path, with its query ("?GameMode=puzzle", ...).
QString ListPath(const ScoreList& list, const QString& basePath);

}  // namespace scoreserver
