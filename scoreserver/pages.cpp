// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/pages.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTimeZone>
#include <QUrl>

namespace scoreserver {

namespace {

// Shared look: the games' dark grey, readable in a desktop browser and in Quadrelle's dialog.
const char kStyle[] =
    "body{margin:0;padding:12px 20px;background:#484848;color:#eee;"
    "font:15px/1.45 'DejaVu Sans',Verdana,sans-serif}"
    "h1{font-size:22px;margin:4px 0 10px}"
    "nav{margin:0 0 12px}nav a,nav b{margin-right:12px;white-space:nowrap}"
    "table{border-collapse:collapse}th,td{padding:3px 10px;text-align:left}td{overflow-wrap:anywhere}"
    "th{background:#606060;font-weight:bold}tbody tr:nth-child(even){background:#525252}"
    "td.n,th.n{text-align:right;font-variant-numeric:tabular-nums}"
    "a{color:#9cf}a.verified{color:#9e9;white-space:nowrap}.stored{color:#9e9}.refused{color:#f99}.skipped{"
    "color:#bbb}.none{color:#bbb;font-style:"
    "italic}"
    "p.note{color:#ccc;font-size:13px}"
    // A phone's screen: the levels make room for name, score and date.
    "@media (max-width:480px){body{padding:8px;font-size:14px}th,td{padding:2px 5px}.l{display:none}"
    "h1{font-size:18px}}";

QString Page(const QString& title, const QString& body) {
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
               "<meta name=\"robots\" content=\"noindex\"><title>") +
           HtmlEscape(title) + QStringLiteral("</title><style>") + QLatin1String(kStyle) +
           QStringLiteral("</style></head><body>\n") + body + QStringLiteral("\n</body></html>\n");
}

QString NameCell(const QString& name, const QString& url) {
    if (name.isEmpty() && url.isEmpty()) return QStringLiteral("<span class=\"none\">(no name)</span>");
    const QString shown = name.isEmpty()
                              ? QStringLiteral("<span class=\"none\">(no name)</span>")
                              : QStringLiteral("<bdi>") + HtmlEscape(name) + QStringLiteral("</bdi>");
    const QString target = LinkTarget(url);
    if (target.isEmpty()) return shown;
    return QStringLiteral("<a href=\"") + HtmlEscape(target) + QStringLiteral("\" rel=\"nofollow ugc\">") +
           shown + QStringLiteral("</a>");
}

QString ShownDate(const QString& recordDate, qint64 uploaded) {
    if (!recordDate.isEmpty()) {
        const QDateTime d = scores::HighScoreTable::ParseDate(recordDate);
        if (d.isValid()) return d.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    }
    return QDateTime::fromSecsSinceEpoch(uploaded, QTimeZone::utc())
               .toString(QStringLiteral("yyyy-MM-dd HH:mm")) +
           QStringLiteral(" UTC");
}

QString Cell(qint64 number) {
    return QStringLiteral("<td class=\"n\">") + QString::number(number) + QStringLiteral("</td>");
}

// The level columns, which a phone's narrow screen leaves out.
QString LevelCell(qint64 number) {
    return QStringLiteral("<td class=\"n l\">") + QString::number(number) + QStringLiteral("</td>");
}

// Column heads; those named in numeric are set right like their numbers.
QString Head(const QStringList& heads, const QStringList& numeric = {}) {
    QString html = QStringLiteral("<thead><tr>");
    for (const QString& h : heads) {
        QStringList classes;
        if (numeric.contains(h)) classes << QStringLiteral("n");
        if (h.endsWith(QStringLiteral(" level"))) classes << QStringLiteral("l");
        html += (classes.isEmpty()
                     ? QStringLiteral("<th>")
                     : QStringLiteral("<th class=\"") + classes.join(u' ') + QStringLiteral("\">")) +
                h + QStringLiteral("</th>");
    }
    return html + QStringLiteral("</tr></thead>");
}

QString QuadrelleQuery(Period period, int count) {
    static const char* names[] = {"Day", "Week", "Month", "Alltime"};
    return QStringLiteral("?Period=") + QLatin1String(names[static_cast<int>(period)]) +
           QStringLiteral("&Scores=") + QString::number(count);
}

// The page of a list request, with or without the records no replay proved.
QString RequestPath(const ListRequest& request, const QString& basePath, bool verifiedOnly) {
    QString path = request.list.program == frame::Program::Quadrelle
                       ? basePath + QStringLiteral("/quadrelle/scores.asp") +
                             QuadrelleQuery(request.period, request.count)
                       : ListPath(request.list, basePath);
    if (verifiedOnly) path += (path.contains(u'?') ? u'&' : u'?') + QStringLiteral("verified=1");
    return path;
}

// The mark of a record a replay proved, linking its replay.
QString VerifiedCell(const ListRow& row, const QString& basePath) {
    if (!row.verified) return QStringLiteral("<td></td>");
    return QStringLiteral("<td><a class=\"verified\" href=\"") +
           HtmlEscape(ReplayPath(row.replay, basePath)) +
           QStringLiteral(
               "\" title=\"Verified: the server played this game's replay again. Download the "
               "replay.\">\u2713 replay</a></td>");
}

// Links to the other lists; the one shown is in bold. Quadrelle's periods and counts get a row of their own.
QString Navigation(const ListRequest* shown, const QString& basePath) {
    QString html = QStringLiteral("<nav>");
    const auto item = [&](const QString& href, const QString& text, bool current) {
        html += current ? QStringLiteral("<b>") + HtmlEscape(text) + QStringLiteral("</b>\n")
                        : QStringLiteral("<a href=\"") + HtmlEscape(href) + QStringLiteral("\">") +
                              HtmlEscape(text) + QStringLiteral("</a>\n");
    };
    for (const ScoreList list :
         {ScoreList{frame::Program::Zephlon, 0}, ScoreList{frame::Program::Zephlon, 1},
          ScoreList{frame::Program::Quadrelle, 0}, ScoreList{frame::Program::Vantorel, 0}}) {
        const bool current = shown && shown->list.program == list.program && shown->list.list == list.list;
        item(ListPath(list, basePath), ListTitle(list), current);
    }
    html += QStringLiteral("</nav>");
    if (shown && shown->list.program == frame::Program::Quadrelle) {
        html += QStringLiteral("\n<nav>");
        for (Period p : {Period::Day, Period::Week, Period::Month, Period::Alltime}) {
            for (int count : {10, 100}) {
                item(basePath + QStringLiteral("/quadrelle/scores.asp") + QuadrelleQuery(p, count),
                     PeriodTitle(p) + QStringLiteral(" Top ") + QString::number(count),
                     shown->period == p && shown->count == count);
            }
        }
        html += QStringLiteral("</nav>");
    }
    if (shown && !shown->verifiedForced) {
        html += QStringLiteral("\n<nav>");
        item(RequestPath(*shown, basePath, false), QStringLiteral("All records"), !shown->verifiedOnly);
        item(RequestPath(*shown, basePath, true), QStringLiteral("Verified only"), shown->verifiedOnly);
        html += QStringLiteral("</nav>");
    }
    return html;
}

QString ListHeading(const ListRequest& request) {
    const QString verified = request.verifiedOnly ? QStringLiteral(", verified") : QString();
    if (request.list.program == frame::Program::Quadrelle)
        return QStringLiteral("Quadrelle: ") + PeriodTitle(request.period) + QStringLiteral(" Top ") +
               QString::number(request.count) + verified;
    return ListTitle(request.list) + QStringLiteral(": Top ") + QString::number(request.count) + verified;
}

QString Rank(const UploadEntry& e) {
    return e.rank == kBelowRankDepth ? QStringLiteral("below rank %1").arg(kRankDepth)
                                     : QStringLiteral("at rank %1").arg(e.rank);
}

QString Describe(const UploadEntry& e, const QString& listTitle) {
    switch (e.outcome) {
        case Outcome::Stored:
            return QStringLiteral("<span class=\"stored\">stored %1 of the %2 list%3</span>")
                .arg(Rank(e), HtmlEscape(listTitle), e.verified ? QStringLiteral(", verified") : QString());
        case Outcome::AlreadyThere:
            return QStringLiteral("<span class=\"stored\">already stored, %1 of the %2 list%3</span>")
                .arg(Rank(e), HtmlEscape(listTitle), e.verified ? QStringLiteral(", verified") : QString());
        case Outcome::Skipped:
            return QStringLiteral("<span class=\"skipped\">not stored: %1</span>").arg(HtmlEscape(e.reason));
        case Outcome::Pending:
        case Outcome::Refused:
            break;
    }
    return QStringLiteral("<span class=\"refused\">refused: %1</span>").arg(HtmlEscape(e.reason));
}

}  // namespace

QString HtmlEscape(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (QChar c : text) {
        switch (c.unicode()) {
            case u'&':
                out += QLatin1String("&amp;");
                break;
            case u'<':
                out += QLatin1String("&lt;");
                break;
            case u'>':
                out += QLatin1String("&gt;");
                break;
            case u'"':
                out += QLatin1String("&quot;");
                break;
            case u'\'':
                out += QLatin1String("&#39;");
                break;
            default:
                out += c;
        }
    }
    return out;
}

QString LinkTarget(const QString& address) {
    const QString text = address.trimmed();
    if (text.isEmpty() || text.size() > kMaxAddressLength) return {};
    for (QChar c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Control) return {};
    }
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    static const QRegularExpression host(
        QStringLiteral("^[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)*\\.[A-Za-z]{2,}([/?#].*)?$"));
    // Read tolerantly and written fully escaped: a quote or "<" in what the player typed becomes %22, %3C.
    QUrl url;
    if (scheme.match(text).hasMatch()) {
        url = QUrl(text, QUrl::TolerantMode);
    } else if (host.match(text).hasMatch()) {
        url = QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
    }
    if (!url.isValid()) return {};
    const QString s = url.scheme().toLower();
    // An address with a user part (http://me@host) may be an e-mail address typed after http://.
    if ((s == u"http" || s == u"https") && !url.host().isEmpty() && url.userInfo().isEmpty())
        return url.toString(QUrl::FullyEncoded);
    return {};
}

QString ReplayPath(const QString& id, const QString& basePath) {
    return basePath + QStringLiteral("/replays/") + id;
}

QString ListPath(const ScoreList& list, const QString& basePath) {
    const QString path = basePath + u'/' + ProgramFolder(list.program) + QStringLiteral("/scores.asp");
    switch (list.program) {
        case frame::Program::Zephlon:
            return path + (list.list == 1 ? QStringLiteral("?GameMode=puzzle")
                                          : QStringLiteral("?GameMode=original"));
        case frame::Program::Quadrelle:
            return path + QuadrelleQuery(Period::Week, 10);
        case frame::Program::Vantorel:
            break;
    }
    return path;
}

QByteArray UploadPage(const Upload& upload, const QString& basePath) {
    const QString listTitle = ListTitle(upload.list);
    QString body = QStringLiteral("<h1>") + HtmlEscape(frame::ProgramName(upload.list.program)) +
                   QStringLiteral(": score upload</h1>\n");
    if (!upload.error.isEmpty()) {
        body += QStringLiteral("<p class=\"refused\">Upload refused: ") + HtmlEscape(upload.error) +
                QStringLiteral(". Nothing was stored.</p>\n");
    } else {
        int stored = 0;
        for (const UploadEntry& e : upload.entries)
            stored += e.outcome == Outcome::Stored ? 1 : 0;
        body += QStringLiteral("<p>%1 of %2 %3 stored in the %4 list.</p>\n")
                    .arg(stored)
                    .arg(upload.entries.size())
                    .arg(upload.entries.size() == 1 ? QStringLiteral("record") : QStringLiteral("records"))
                    .arg(HtmlEscape(listTitle));
        body += QStringLiteral("<table>") +
                Head({QStringLiteral("Name"), QStringLiteral("Score"), QStringLiteral("Start level"),
                      QStringLiteral("End level"), QStringLiteral("Result")},
                     {QStringLiteral("Score"), QStringLiteral("Start level"), QStringLiteral("End level")}) +
                QStringLiteral("<tbody>\n");
        for (const UploadEntry& e : upload.entries) {
            const bool read = e.outcome != Outcome::Refused;
            body +=
                QStringLiteral("<tr><td>") +
                (read ? NameCell(e.record.Name, upload.url)
                      : QStringLiteral("<span class=\"none\">record %1</span>").arg(e.number)) +
                QStringLiteral("</td>") +
                (read ? Cell(e.record.Score) + LevelCell(e.record.StartLevel) + LevelCell(e.record.EndLevel)
                      : QStringLiteral("<td></td><td class=\"l\"></td><td class=\"l\"></td>")) +
                QStringLiteral("<td>") + Describe(e, listTitle) + QStringLiteral("</td></tr>\n");
        }
        body += QStringLiteral("</tbody></table>\n");
    }
    body += QStringLiteral("<p><a href=\"") + HtmlEscape(ListPath(upload.list, basePath)) +
            QStringLiteral("\">See the ") + HtmlEscape(listTitle) + QStringLiteral(" list</a></p>");
    return Page(frame::ProgramName(upload.list.program) + QStringLiteral(": score upload"), body).toUtf8();
}

QByteArray ListPageHtml(const ListRequest& request, const QList<ListRow>& rows, const QString& basePath) {
    const QString heading = ListHeading(request);
    QString body = QStringLiteral("<h1>") + HtmlEscape(heading) + QStringLiteral("</h1>\n") +
                   Navigation(&request, basePath) + QStringLiteral("\n<table>") +
                   Head({QStringLiteral("Rank"), QStringLiteral("Name"), QStringLiteral("Score"),
                         QStringLiteral("Start level"), QStringLiteral("End level"), QStringLiteral("Date"),
                         QStringLiteral("Verified")}) +
                   QStringLiteral("<tbody>\n");
    body.reserve(4096 + rows.size() * 220);
    for (const ListRow& row : rows) {
        body += QStringLiteral("<tr>") + Cell(row.rank) + QStringLiteral("<td>") +
                NameCell(row.name, row.url) + QStringLiteral("</td>") + Cell(row.score) +
                LevelCell(row.startLevel) + LevelCell(row.endLevel) + QStringLiteral("<td>") +
                HtmlEscape(ShownDate(row.date, row.uploaded)) + QStringLiteral("</td>") +
                VerifiedCell(row, basePath) + QStringLiteral("</tr>\n");
    }
    if (rows.isEmpty())
        body +=
            QStringLiteral("<tr><td colspan=\"7\" class=\"none\">No scores in this list yet.</td></tr>\n");
    body += QStringLiteral("</tbody></table>\n");
    if (request.period != Period::Alltime)
        body += QStringLiteral("<p class=\"note\">Periods count from the upload time, in UTC.</p>");
    return Page(heading, body).toUtf8();
}

QByteArray ListPageJson(const ListRequest& request, const QList<ListRow>& rows, const QString& basePath) {
    static const char* periods[] = {"Day", "Week", "Month", "Alltime"};
    QJsonArray records;
    for (const ListRow& row : rows) {
        QJsonObject o{{QStringLiteral("rank"), row.rank},
                      {QStringLiteral("name"), row.name},
                      {QStringLiteral("score"), row.score},
                      {QStringLiteral("startLevel"), row.startLevel},
                      {QStringLiteral("endLevel"), row.endLevel},
                      {QStringLiteral("uploaded"),
                       QDateTime::fromSecsSinceEpoch(row.uploaded, Qt::UTC).toString(Qt::ISODate)},
                      {QStringLiteral("url"), LinkTarget(row.url)},
                      {QStringLiteral("verified"), row.verified}};
        if (!row.date.isEmpty()) o.insert(QStringLiteral("date"), row.date);
        if (row.verified) o.insert(QStringLiteral("replay"), ReplayPath(row.replay, basePath));
        records.append(o);
    }
    const QJsonObject page{
        {QStringLiteral("list"), ListId(request.list)},
        {QStringLiteral("title"), ListHeading(request)},
        {QStringLiteral("period"), QLatin1String(periods[static_cast<int>(request.period)])},
        {QStringLiteral("count"), request.count},
        {QStringLiteral("verifiedOnly"), request.verifiedOnly},
        {QStringLiteral("records"), records}};
    return QJsonDocument(page).toJson(QJsonDocument::Compact);
}

QByteArray ErrorPage(const QString& title, const QString& reason, const QString& basePath) {
    return Page(title, QStringLiteral("<h1>") + HtmlEscape(title) +
                           QStringLiteral("</h1>\n<p class=\"refused\">") + HtmlEscape(reason) +
                           QStringLiteral("</p>\n") + Navigation(nullptr, basePath))
        .toUtf8();
}

QByteArray IndexPage(const QString& basePath) {
    return Page(QStringLiteral("Zephlon, Quadrelle and Vantorel scores"),
                QStringLiteral("<h1>Zephlon, Quadrelle and Vantorel scores</h1>\n") +
                    Navigation(nullptr, basePath) +
                    QStringLiteral(
                        "\n<p class=\"note\">The games upload their players' best results here. Lists "
                        "are also served as JSON: add format=json to a list's query. Records marked "
                        "verified were proved by their game's replay, which the server played again; "
                        "verified=1 lists only those.</p>"))
        .toUtf8();
}

}  // namespace scoreserver
