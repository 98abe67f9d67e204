// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/requests.h"

#include <QLocale>
#include <QTimeZone>
#include <limits>
#include <optional>

#include "web/urldecode.h"

namespace scoreserver {

namespace {

QString Field(const char* key, int number, bool numbered) {
    return QLatin1String(key) + (numbered ? QString::number(number) : QStringLiteral("1"));
}

// Decimal text with an optional minus sign; nothing when it is not a number.
std::optional<int64_t> Number(const QString& text) {
    if (text.isEmpty() || text.size() > 12) return std::nullopt;
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return text.startsWith(u'-') ? -value : value;
}

bool HasControl(const QString& text) {
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control) return true;
    }
    return false;
}

// Earliest date a real record can carry: the games' default records are dated 1 January 1990.
QDateTime EarliestDate() {
    return scores::HighScoreTable::DefaultDate();
}

// Latest: the player's clock may be a time zone (and a little drift) ahead of the server's.
QDateTime LatestDate(const QDateTime& now) {
    return now.addDays(2);
}

// The designators of all locales Qt knows, upper-case, mapped to true for the afternoon. A text that
// is the morning in one locale and the afternoon in another is left out.
const QHash<QString, bool>& Designators() {
    static const QHash<QString, bool> designators = [] {
        QHash<QString, bool> map;
        QSet<QString> conflicting;
        const auto add = [&](const QString& text, bool afternoon) {
            const QString key = text.trimmed().toUpper();
            if (key.isEmpty() || conflicting.contains(key)) return;
            const auto it = map.constFind(key);
            if (it != map.constEnd() && *it != afternoon) {
                map.remove(key);
                conflicting.insert(key);
                return;
            }
            map.insert(key, afternoon);
        };
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            add(locale.amText(), false);
            add(locale.pmText(), true);
        }
        add(QStringLiteral("AM"), false);
        add(QStringLiteral("PM"), true);
        return map;
    }();
    return designators;
}

// A default or fill record of an empty list: every player's table starts with them, and they are
// nobody's result.
bool IsDefaultEntry(frame::Program program, const UploadEntry& entry) {
    const scores::ScorePolicy& policy = scores::ScorePolicy::For(program);
    const scores::HighScoreRecord& r = entry.record;
    if (r.Name != policy.defaultName && r.Name != policy.fillName) return false;
    if (r.StartLevel != 1 || r.EndLevel != 1 || r.Score < 10 || r.Score > 100 || r.Score % 10 != 0)
        return false;
    return !entry.hasDate || r.Date == scores::HighScoreTable::DefaultDate();
}

struct RecordReader {
    frame::Program program;
    const Query& query;
    const QDateTime& now;
    int list;

    UploadEntry Read(int number, bool numbered) const {
        UploadEntry entry;
        entry.number = number;
        const auto field = [&](const char* key) { return Field(key, number, numbered); };
        const bool vantorel = program == frame::Program::Vantorel;
        const QString nameKey = vantorel ? QStringLiteral("Name") : field("N");
        const QString scoreKey = vantorel ? QStringLiteral("Score") : field("S");
        const QString startKey = vantorel ? QStringLiteral("StartLevel") : field("SL");
        const QString endKey = vantorel ? QStringLiteral("EndLevel") : field("EL");
        const QString chkKey = vantorel ? QStringLiteral("ChkSum") : field("C");
        QString dateKey;
        if (program == frame::Program::Quadrelle) dateKey = field("D");
        if (vantorel) dateKey = QStringLiteral("Date");

        QStringList keys{nameKey, scoreKey, startKey, endKey};
        if (!dateKey.isEmpty()) keys << dateKey;
        keys << chkKey;
        for (const QString& key : keys) {
            if (!query.Has(key)) return Refuse(entry, QStringLiteral("missing field %1").arg(key));
        }

        scores::HighScoreRecord& r = entry.record;
        r.Name = query.Value(nameKey);
        if (r.Name.size() > scores::kMaxNameLength)
            return Refuse(
                entry, QStringLiteral("the name is longer than %1 characters").arg(scores::kMaxNameLength));
        if (HasControl(r.Name)) return Refuse(entry, QStringLiteral("the name contains control characters"));

        const auto number64 = [&](const QString& key, int64_t minimum, int64_t maximum, const QString& what,
                                  int64_t& out) -> QString {
            const auto v = Number(query.Value(key));
            if (!v) return QStringLiteral("%1 is not a number").arg(what);
            if (*v < minimum || *v > maximum) return QStringLiteral("%1 out of range").arg(what);
            out = *v;
            return {};
        };
        int64_t score = 0, start = 0, end = 0, chk = 0;
        QString problem =
            number64(scoreKey, 0, std::numeric_limits<int32_t>::max(), QStringLiteral("score"), score);
        if (problem.isEmpty())
            problem = number64(startKey, 1, std::numeric_limits<int16_t>::max(),
                               QStringLiteral("start level"), start);
        if (problem.isEmpty())
            problem =
                number64(endKey, 1, std::numeric_limits<int16_t>::max(), QStringLiteral("end level"), end);
        if (problem.isEmpty())
            problem = number64(chkKey, std::numeric_limits<int32_t>::min(),
                               std::numeric_limits<int32_t>::max(), QStringLiteral("checksum"), chk);
        if (!problem.isEmpty()) return Refuse(entry, problem);
        // A game ends at or after the level it started at; Zephlon counts from the first line cleared.
        if (end < start) return Refuse(entry, QStringLiteral("the end level is below the start level"));
        if (program == frame::Program::Zephlon && score == 0)
            return Refuse(entry, QStringLiteral("a score of 0 is no result"));
        r.Score = static_cast<int32_t>(score);
        r.StartLevel = static_cast<int16_t>(start);
        r.EndLevel = static_cast<int16_t>(end);
        r.ChkSum = static_cast<int32_t>(chk);

        if (!dateKey.isEmpty()) {
            const QString text = query.Value(dateKey);
            r.Date = vantorel ? scores::HighScoreTable::ParseDate(text) : ParseQuadrelleDate(text, now);
            if (!r.Date.isValid()) return Refuse(entry, QStringLiteral("the date cannot be read"));
            if (r.Date < EarliestDate() || r.Date > LatestDate(now))
                return Refuse(entry, QStringLiteral("the date is out of range"));
            entry.hasDate = true;
        }

        int32_t expected = scores::ChkSumOf(program, list, r);
        if (vantorel && expected != r.ChkSum) {
            // The name enters Vantorel's checksum: bytes that also read as UTF-8 may have been meant
            // as Windows-1252, as the game sends them.
            scores::HighScoreRecord alternative = r;
            alternative.Name = web::DecodeFromURL(query.raw.value(nameKey), web::UrlCharset::Windows1252);
            if (alternative.Name != r.Name && scores::ChkSumOf(program, list, alternative) == r.ChkSum &&
                !HasControl(alternative.Name) && alternative.Name.size() <= scores::kMaxNameLength) {
                r.Name = alternative.Name;
                expected = r.ChkSum;
            }
        }
        if (expected == 0 || expected != r.ChkSum)
            return Refuse(entry, QStringLiteral("the checksum does not match the record"));
        if (IsDefaultEntry(program, entry)) {
            entry.outcome = Outcome::Skipped;
            entry.reason = QStringLiteral("a default entry of an empty list");
            return entry;
        }
        entry.outcome = Outcome::Pending;
        return entry;
    }

    static UploadEntry Refuse(UploadEntry& entry, const QString& reason) {
        entry.outcome = Outcome::Refused;
        entry.reason = reason;
        return entry;
    }
};

}  // namespace

Query ParseQuery(QByteArrayView query) {
    Query result;
    int count = 0;
    qsizetype start = 0;
    while (start <= query.size()) {
        qsizetype end = query.indexOf('&', start);
        if (end < 0) end = query.size();
        const QByteArrayView part = query.sliced(start, end - start);
        start = end + 1;
        if (part.isEmpty()) continue;
        if (++count > kMaxParameters) {
            result.error = QStringLiteral("too many parameters");
            return result;
        }
        const qsizetype eq = part.indexOf('=');
        const QByteArrayView rawKey = eq < 0 ? part : part.first(eq);
        const QByteArrayView rawValue = eq < 0 ? QByteArrayView() : part.sliced(eq + 1);
        const QString key = web::DecodeFromURL(rawKey);
        if (result.values.contains(key)) {
            result.error = QStringLiteral("the field %1 is given twice").arg(key);
            return result;
        }
        result.raw.insert(key, rawValue.toByteArray());
        result.values.insert(key, web::DecodeFromURL(rawValue));
    }
    return result;
}

QString ProgramFolder(frame::Program program) {
    switch (program) {
        case frame::Program::Quadrelle:
            return QStringLiteral("quadrelle");
        case frame::Program::Vantorel:
            return QStringLiteral("vantorel");
        case frame::Program::Zephlon:
            break;
    }
    return QStringLiteral("zephlon");
}

QString ListId(const ScoreList& list) {
    if (list.program == frame::Program::Zephlon)
        return list.list == 1 ? QStringLiteral("zephlon-puzzle") : QStringLiteral("zephlon-original");
    return ProgramFolder(list.program);
}

QString ListTitle(const ScoreList& list) {
    if (list.program == frame::Program::Zephlon)
        return list.list == 1 ? QStringLiteral("Zephlon Puzzle") : QStringLiteral("Zephlon Original");
    return frame::ProgramName(list.program);
}

bool Upload::AnyAccepted() const {
    for (const UploadEntry& e : entries) {
        if (e.outcome == Outcome::Stored || e.outcome == Outcome::AlreadyThere ||
            e.outcome == Outcome::Pending)
            return true;
    }
    return false;
}

QDateTime ParseQuadrelleDate(const QString& text, const QDateTime& now) {
    // dd/mm/yy hh:mm:ss designator
    if (text.size() < 18 || text.size() > 17 + 1 + 24) return {};
    const auto digits = [&](int at) -> int {
        const QChar a = text[at], b = text[at + 1];
        if (!a.isDigit() || !b.isDigit() || a.unicode() > 127 || b.unicode() > 127) return -1;
        return (a.unicode() - u'0') * 10 + (b.unicode() - u'0');
    };
    if (text[2] != u'/' || text[5] != u'/' || text[8] != u' ' || text[11] != u':' || text[14] != u':' ||
        text[17] != u' ')
        return {};
    const int day = digits(0), month = digits(3), year = digits(6);
    const int hour = digits(9), minute = digits(12), second = digits(15);
    if (day < 0 || month < 0 || year < 0 || hour < 1 || hour > 12 || minute < 0 || second < 0) return {};
    const QString designator = text.mid(18).trimmed().toUpper();
    if (designator.isEmpty()) return {};
    const bool afternoon = Designators().value(designator, false);
    const QTime time(hour % 12 + (afternoon ? 12 : 0), minute, second);
    if (!time.isValid()) return {};
    for (int century : {2000, 1900}) {
        const QDate date(century + year, month, day);
        if (!date.isValid()) return {};
        const QDateTime moment(date, time, QTimeZone::utc());
        if (century == 1900 || moment <= LatestDate(now)) return moment;
    }
    return {};
}

Upload DecodeUpload(frame::Program program, const Query& query, const QDateTime& now) {
    Upload upload;
    upload.list.program = program;
    if (!query.error.isEmpty()) {
        upload.error = query.error;
        return upload;
    }
    int count = 1;
    bool numbered = false;
    if (program == frame::Program::Zephlon) {
        if (!query.Has(QStringLiteral("GM"))) {
            upload.error = QStringLiteral("missing field GM");
            return upload;
        }
        const QString mode = query.Value(QStringLiteral("GM"));
        if (mode != u"original" && mode != u"puzzle") {
            upload.error = QStringLiteral("GM must be original or puzzle");
            return upload;
        }
        upload.list.list = mode == u"puzzle" ? 1 : 0;
    }
    if (program != frame::Program::Vantorel) {
        if (!query.Has(QStringLiteral("US"))) {
            upload.error = QStringLiteral("missing field US");
            return upload;
        }
        const QString us = query.Value(QStringLiteral("US"));
        const QString many = program == frame::Program::Zephlon ? QStringLiteral("3") : QStringLiteral("10");
        if (us != u"1" && us != many) {
            upload.error = QStringLiteral("US must be 1 or %1").arg(many);
            return upload;
        }
        numbered = us != u"1";
        count = us.toInt();
    }
    upload.url = query.Value(QStringLiteral("URL")).trimmed();
    if (upload.url.size() > kMaxAddressLength) {
        upload.error = QStringLiteral("the address is longer than %1 characters").arg(kMaxAddressLength);
        return upload;
    }
    if (HasControl(upload.url)) {
        upload.error = QStringLiteral("the address contains control characters");
        return upload;
    }
    upload.version = query.Value(QStringLiteral("Ver"));
    if (upload.version.size() > kMaxVersionLength || HasControl(upload.version)) {
        upload.error = QStringLiteral("the version cannot be read");
        return upload;
    }
    const RecordReader reader{program, query, now, upload.list.list};
    for (int k = 1; k <= count; ++k)
        upload.entries << reader.Read(k, numbered);
    return upload;
}

qint64 PeriodStart(Period period, const QDateTime& now) {
    const QDate today = now.toUTC().date();
    QDate start;
    switch (period) {
        case Period::Day:
            start = today;
            break;
        case Period::Week:
            start = today.addDays(1 - today.dayOfWeek());
            break;
        case Period::Month:
            start = QDate(today.year(), today.month(), 1);
            break;
        case Period::Alltime:
            return 0;
    }
    return QDateTime(start, QTime(0, 0), QTimeZone::utc()).toSecsSinceEpoch();
}

QString PeriodTitle(Period period) {
    switch (period) {
        case Period::Day:
            return QStringLiteral("Today's");
        case Period::Week:
            return QStringLiteral("This week's");
        case Period::Month:
            return QStringLiteral("This month's");
        case Period::Alltime:
            break;
    }
    return QStringLiteral("All time's");
}

ListRequest DecodeListRequest(frame::Program program, const Query& query, const QDateTime& now) {
    ListRequest request;
    request.list.program = program;
    if (!query.error.isEmpty()) {
        request.error = query.error;
        return request;
    }
    const QString format = query.Value(QStringLiteral("format"));
    if (!format.isEmpty() && format != u"json" && format != u"html") {
        request.error = QStringLiteral("format must be html or json");
        return request;
    }
    request.json = format == u"json";
    const QString verified = query.Value(QStringLiteral("verified"));
    if (!verified.isEmpty() && verified != u"0" && verified != u"1") {
        request.error = QStringLiteral("verified must be 0 or 1");
        return request;
    }
    request.verifiedOnly = verified == u"1";
    switch (program) {
        case frame::Program::Zephlon: {
            const QString mode = query.Value(QStringLiteral("GameMode"));
            if (!mode.isEmpty() && mode != u"original" && mode != u"puzzle") {
                request.error = QStringLiteral("GameMode must be original or puzzle");
                return request;
            }
            request.list.list = mode == u"puzzle" ? 1 : 0;
            break;
        }
        case frame::Program::Quadrelle: {
            static const QHash<QString, Period> periods{{QStringLiteral("Day"), Period::Day},
                                                        {QStringLiteral("Week"), Period::Week},
                                                        {QStringLiteral("Month"), Period::Month},
                                                        {QStringLiteral("Alltime"), Period::Alltime}};
            const QString period = query.Value(QStringLiteral("Period"));
            if (!period.isEmpty() && !periods.contains(period)) {
                request.error = QStringLiteral("Period must be Day, Week, Month or Alltime");
                return request;
            }
            request.period = period.isEmpty() ? Period::Week : periods.value(period);
            const QString scores = query.Value(QStringLiteral("Scores"));
            if (!scores.isEmpty() && scores != u"10" && scores != u"100") {
                request.error = QStringLiteral("Scores must be 10 or 100");
                return request;
            }
            request.count = scores == u"100" ? 100 : 10;
            break;
        }
        case frame::Program::Vantorel:
            break;
    }
    request.since = PeriodStart(request.period, now);
    return request;
}

}  // namespace scoreserver
