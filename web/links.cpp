// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/links.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

namespace web {

namespace {

// Unicode code points of the Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined map to the C1 control of the same value, as the system's own conversion does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Windows-1252 code of a character, or '?' when the code page has none.
unsigned windows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    const auto it = std::find(kHighControls.begin(), kHighControls.end(), c);
    if (it != kHighControls.end()) return 0x80 + static_cast<unsigned>(it - kHighControls.begin());
    return '?';
}

// Only ASCII characters are kept: a character beyond U+FFFF must never be matched by its low 16 bits.
// "+" is not kept: form decoders read it as a space, so "A+B" would arrive as "A B".
bool keptAlways(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return c < 0x80 && QStringView(u".-_'(!*),$\"").contains(QChar(static_cast<char16_t>(c)));
}

QString numbered(const char* key, int k) {
    return QString::fromLatin1(key) + QString::number(k) + u'=';
}

// The server address as links start with it: no surrounding blanks and no trailing "/", which would
// double the slash before the path.
QString base(const QString& server) {
    QString s = server.trimmed();
    while (s.endsWith(u'/'))
        s.chop(1);
    return s;
}

QString joined(const QStringList& parts) {
    return parts.join(u'&');
}

}  // namespace

QString EscapeForURL(const QString& text, bool keepPathCharacters) {
    QString out;
    out.reserve(text.size() * 3);
    for (const char32_t c : text.toUcs4()) {
        if (keptAlways(c) || (keepPathCharacters && (c == '@' || c == '/' || c == '~'))) {
            out += QChar(static_cast<char16_t>(c));
        } else {
            // Always two digits: "%9" followed by a hex digit would read as another byte.
            out += u'%' + QStringLiteral("%1").arg(windows1252(c), 2, 16, QChar(u'0')).toUpper();
        }
    }
    return out;
}

QString CacheBreaker(const RandomSource& random) {
    const double r = random();
    // A source that strays outside [0, 1) still gives a number in range.
    const int n = std::clamp(static_cast<int>(std::floor(r * 1000.0)), 0, 999);
    return QStringLiteral("&Dummy=") + QString::number(n);
}

QString ZephlonCommandString(int k, const UploadRecord& record, bool addNumber) {
    const int n = addNumber ? k : 1;
    return numbered("N", n) + EscapeForURL(record.Name, false) + u'&' + numbered("S", n) +
           QString::number(record.Score) + u'&' + numbered("SL", n) + QString::number(record.StartLevel) +
           u'&' + numbered("EL", n) + QString::number(record.EndLevel) + u'&' + numbered("C", n) +
           QString::number(record.ChkSum);
}

namespace {

// The locale's morning or afternoon designator where the link's code page can carry it. Otherwise
// (Chinese, Arabic, Greek...) it would arrive as "??", which the server reads as the morning, so
// "AM" or "PM" is sent; also for a locale without a designator, which the server cannot read at all.
QString designator(bool afternoon, const QLocale& locale) {
    const QString text = afternoon ? locale.pmText() : locale.amText();
    const QList<uint> chars = text.toUcs4();
    const bool writable = !text.trimmed().isEmpty() && std::all_of(chars.cbegin(), chars.cend(), [](uint c) {
        return c == '?' || windows1252(c) != '?';
    });
    if (writable) return text;
    return afternoon ? QStringLiteral("PM") : QStringLiteral("AM");
}

}  // namespace

QString QuadrelleDate(const QDateTime& date, const QLocale& locale) {
    const QTime t = date.time();
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    const auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0')); };
    return two(date.date().day()) + u'/' + two(date.date().month()) + u'/' + two(date.date().year() % 100) +
           u' ' + two(hour12) + u':' + two(t.minute()) + u':' + two(t.second()) + u' ' +
           designator(t.hour() >= 12, locale);
}

QString QuadrelleCommandString(int k, const UploadRecord& record, bool addNumber, const QLocale& locale) {
    const int n = addNumber ? k : 1;
    return numbered("N", n) + EscapeForURL(record.Name, false) + u'&' + numbered("S", n) +
           QString::number(record.Score) + u'&' + numbered("SL", n) + QString::number(record.StartLevel) +
           u'&' + numbered("EL", n) + QString::number(record.EndLevel) + u'&' + numbered("D", n) +
           EscapeForURL(QuadrelleDate(record.Date, locale), true) + u'&' + numbered("C", n) +
           QString::number(record.ChkSum);
}

QString VantorelCommandString(const UploadRecord& record) {
    return QStringLiteral("Name=") + EscapeForURL(record.Name, false) + QStringLiteral("&Score=") +
           QString::number(record.Score) + QStringLiteral("&StartLevel=") +
           QString::number(record.StartLevel) + QStringLiteral("&EndLevel=") +
           QString::number(record.EndLevel) + QStringLiteral("&Date=") +
           EscapeForURL(record.Date.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")), true) +
           QStringLiteral("&ChkSum=") + QString::number(record.ChkSum);
}

namespace {

QString zephlonHead(const QString& server, const QString& playerURL, bool puzzle) {
    return base(server) + QStringLiteral("/zephlon/UploadScores.asp?URL=") + EscapeForURL(playerURL, true) +
           QStringLiteral("&Ver=") + kZephlonVersion + u'D' +
           (puzzle ? QStringLiteral("&GM=puzzle") : QStringLiteral("&GM=original"));
}

QString quadrelleTail(const QString& playerURL, const RandomSource& random) {
    return QStringLiteral("&URL=") + EscapeForURL(playerURL, true) + QStringLiteral("&Ver=") +
           kQuadrelleVersion + CacheBreaker(random);
}

}  // namespace

QString ZephlonUploadHiScoreLink(const QString& server, const QString& playerURL, bool puzzle,
                                 const UploadRecord& record, const RandomSource& random) {
    return zephlonHead(server, playerURL, puzzle) + QStringLiteral("&US=1&") +
           ZephlonCommandString(1, record, false) + CacheBreaker(random);
}

QString ZephlonUploadHiScoresLink(const QString& server, const QString& playerURL, bool puzzle,
                                  const QList<UploadRecord>& list, const RandomSource& random) {
    QStringList records;
    for (int k = 1; k <= std::min<int>(3, static_cast<int>(list.size())); ++k) {
        records << ZephlonCommandString(k, list.at(k - 1), true);
    }
    return zephlonHead(server, playerURL, puzzle) + QStringLiteral("&US=3&") + joined(records) +
           CacheBreaker(random);
}

QString QuadrelleUploadHiScoreLink(const QString& server, const QString& playerURL,
                                   const UploadRecord& record, const RandomSource& random,
                                   const QLocale& locale) {
    return base(server) + QStringLiteral("/quadrelle/UploadScores.asp?US=1&") +
           QuadrelleCommandString(1, record, false, locale) + quadrelleTail(playerURL, random);
}

QString QuadrelleUploadHiScoresLink(const QString& server, const QString& playerURL,
                                    const QList<UploadRecord>& list, const RandomSource& random,
                                    const QLocale& locale) {
    QStringList records;
    for (int k = 1; k <= static_cast<int>(list.size()); ++k) {
        records << QuadrelleCommandString(k, list.at(k - 1), true, locale);
    }
    return base(server) + QStringLiteral("/quadrelle/UploadScores.asp?US=") + QString::number(list.size()) +
           u'&' + joined(records) + quadrelleTail(playerURL, random);
}

QString VantorelUploadLink(const QString& server, const QString& playerURL, const UploadRecord& record,
                           const RandomSource& random) {
    return base(server) + QStringLiteral("/vantorel/UploadScores.asp?") + VantorelCommandString(record) +
           QStringLiteral("&URL=") + EscapeForURL(playerURL, true) + CacheBreaker(random);
}

QString ZephlonGlobalLink(const QString& server, bool puzzle) {
    return base(server) + QStringLiteral("/zephlon/scores.asp") +
           (puzzle ? QStringLiteral("?GameMode=puzzle") : QStringLiteral("?GameMode=original"));
}

QString QuadrelleQuery(int period, int count) {
    QString query;
    switch (period) {
        case 0:
            query = QStringLiteral("Period=Day");
            break;
        case 1:
            query = QStringLiteral("Period=Week");
            break;
        case 2:
            query = QStringLiteral("Period=Month");
            break;
        default:
            query = QStringLiteral("Period=Alltime");
            break;
    }
    return query + (count == 0 ? QStringLiteral("&Scores=10") : QStringLiteral("&Scores=100"));
}

QString QuadrelleGlobalLink(const QString& server, int period, int count, const RandomSource& random) {
    return base(server) + QStringLiteral("/quadrelle/scores.asp?") + QuadrelleQuery(period, count) +
           CacheBreaker(random);
}

QString VantorelGlobalLink(const QString& server) {
    return base(server) + QStringLiteral("/vantorel/scores.asp");
}

}  // namespace web
