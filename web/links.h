// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <functional>

#include "frame/random.h"

// Links that carry local high-score records to the score server, and the links of its global lists.
// Everything here is plain text building: no widgets, no network.
namespace web {

// Uniform random value in [0, 1): the program's generator, injected so links are reproducible in tests.
using RandomSource = frame::RandomSource;

// The values of one high-score record as the links send them.
struct UploadRecord {
    QString Name;
    int32_t Score = 0;
    int16_t StartLevel = 1;
    int16_t EndLevel = 1;
    QDateTime Date;
    int32_t ChkSum = 0;
};

// Version texts sent with uploads.
inline const QString kZephlonVersion = QStringLiteral("1.2");
inline const QString kQuadrelleVersion = QStringLiteral("1.2");

// Query escaping: letters, digits and . - _ ' ( ! * ) , $ " stay; with keepPathCharacters also
// @ / ~; everything else becomes "%" and its Windows-1252 code in two upper-case hex digits (space
// %20, tab %09: a single digit followed by a hex digit would be read as another byte; "+" %2B, which
// decoders of forms would read as a space). A character that Windows-1252 cannot represent is sent as
// "?" (%3F), the way an 8-bit conversion substitutes it; one "?" per character, also outside the BMP.
QString EscapeForURL(const QString& text, bool keepPathCharacters);

// "&Dummy=" and a whole number 0..999 drawn from random, so a browser never answers from its cache.
QString CacheBreaker(const RandomSource& random);

// Record texts. Every name and date is escaped, so a name with "&", "#" or "=" can neither cut nor
// forge a query parameter; an ordinary name decodes to the same text on the server either way.
// Unnumbered texts use the number 1, numbered ones the record's position k.
QString ZephlonCommandString(int k, const UploadRecord& record, bool addNumber);
QString QuadrelleCommandString(int k, const UploadRecord& record, bool addNumber,
                               const QLocale& locale = QLocale::system());
// "Name=..&Score=..&StartLevel=..&EndLevel=..&Date=..&ChkSum=..", the date as the records store it
// (yyyy-MM-ddTHH:mm:ss), so the server reads it the same whatever the player's regional settings.
QString VantorelCommandString(const UploadRecord& record);

// "dd/mm/yy hh:mm:ss" on the 12-hour clock followed by the locale's morning or afternoon designator,
// or "AM"/"PM" where Windows-1252 cannot write that designator.
QString QuadrelleDate(const QDateTime& date, const QLocale& locale = QLocale::system());

// Upload links. server is the WebServer setting (no scheme), playerURL the player's address.
QString ZephlonUploadHiScoreLink(const QString& server, const QString& playerURL, bool puzzle,
                                 const UploadRecord& record, const RandomSource& random);
// The first three records of a list, numbered 1 to 3.
QString ZephlonUploadHiScoresLink(const QString& server, const QString& playerURL, bool puzzle,
                                  const QList<UploadRecord>& list, const RandomSource& random);
QString QuadrelleUploadHiScoreLink(const QString& server, const QString& playerURL,
                                   const UploadRecord& record, const RandomSource& random,
                                   const QLocale& locale = QLocale::system());
// All records of the list (ten), numbered from 1.
QString QuadrelleUploadHiScoresLink(const QString& server, const QString& playerURL,
                                    const QList<UploadRecord>& list, const RandomSource& random,
                                    const QLocale& locale = QLocale::system());
QString VantorelUploadLink(const QString& server, const QString& playerURL, const UploadRecord& record,
                           const RandomSource& random);

// Global list pages.
QString ZephlonGlobalLink(const QString& server, bool puzzle);
// Period index of Combo1 (0 day, 1 week, 2 month, other all time) and count index of Combo2
// (0 top ten, other top hundred).
QString QuadrelleQuery(int period, int count);
QString QuadrelleGlobalLink(const QString& server, int period, int count, const RandomSource& random);
QString VantorelGlobalLink(const QString& server);

// The maker's web site, opened from the credit labels.
inline const QString kMakerSite = QStringLiteral("https://www.example.org/quillbyte");

}  // namespace web
