// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include "frame/program.h"
#include "scores/highscoretable.h"

// What the score server reads from a request: the query's parameters, the records of an upload and
// the choice of a list page. Plain text work, no network and no database, so every request the
// server can receive is exercised without either (tests and the fuzz target).
namespace scoreserver {

// Longest address a player may send along with an upload.
inline constexpr int kMaxAddressLength = 300;
// Longest version text kept.
inline constexpr int kMaxVersionLength = 20;
// More parameters than any of the games' links carries (Quadrelle's ten records have 60).
inline constexpr int kMaxParameters = 80;

// The parameters of a query string. Each value is kept escaped as it came and decoded.
struct Query {
    QHash<QString, QByteArray> raw;
    QHash<QString, QString> values;
    QString error;  // not empty: the query cannot be used at all

    bool Has(const QString& key) const { return values.contains(key); }
    QString Value(const QString& key) const { return values.value(key); }
};

// Splits "a=1&b=2" (without the "?"). A parameter given twice or too many parameters make an error:
// a query that could be read two ways is not read at all.
Query ParseQuery(QByteArrayView query);

// The lists the server keeps: Zephlon's Original (0) and Puzzle (1) lists, one list for the others.
struct ScoreList {
    frame::Program program = frame::Program::Zephlon;
    int list = 0;
};
// Name of the list in the database: "zephlon-original", "zephlon-puzzle", "quadrelle", "vantorel".
QString ListId(const ScoreList& list);
// "Zephlon Original", "Zephlon Puzzle", "Quadrelle", "Vantorel".
QString ListTitle(const ScoreList& list);
// Lower-case folder of the program in the server's paths.
QString ProgramFolder(frame::Program program);

enum class Outcome {
    Pending,       // checked and ready to be stored
    Stored,        // stored now
    AlreadyThere,  // the same record was stored before
    Skipped,       // a default entry of an empty list: never stored
    Refused,       // not stored, for `reason`
};

struct UploadEntry {
    int number = 1;  // the record's number in the query (1 for an unnumbered record)
    scores::HighScoreRecord record;
    bool hasDate = false;  // Zephlon sends no date
    Outcome outcome = Outcome::Refused;
    QString reason;  // why a record was refused or skipped
    qint64 rank = 0;
    bool verified = false;    // stored or marked as proved by a replay
    bool proofAdded = false;  // this upload stored the record with its proof, or added the proof
};

struct Upload {
    ScoreList list;
    QString url;      // the player's address
    QString version;  // the program's version text
    QString error;    // not empty: the whole upload is refused
    QList<UploadEntry> entries;

    bool AnyAccepted() const;
};

// Reads an upload of a program from its query. now is the server's time (UTC): dates after it (with a
// day's grace for time zones) are refused, and Quadrelle's two-digit years are read as the latest
// year not after it.
Upload DecodeUpload(frame::Program program, const Query& query, const QDateTime& now);

// Quadrelle's "dd/mm/yy hh:mm:ss AMPM" date. The designator is the player's locale's; a designator
// that names the afternoon in any locale adds twelve hours, any other (also one that arrived as
// "?" because the code page has no letters for it) leaves the hour in the morning. An invalid date
// when the text does not have this form.
QDateTime ParseQuadrelleDate(const QString& text, const QDateTime& now);

enum class Period { Day, Week, Month, Alltime };

// A list page: which list, since when (seconds since 1970, UTC; 0 for all time) and how many rows.
struct ListRequest {
    ScoreList list;
    Period period = Period::Alltime;
    qint64 since = 0;
    int count = 100;
    bool json = false;
    bool verifiedOnly = false;    // only the records a replay proved (verified=1)
    bool verifiedForced = false;  // the server lists verified records only
    QString error;
};

// Reads a list page's query. Zephlon: GameMode=original|puzzle; Quadrelle: Period=Day|Week|Month|Alltime
// and Scores=10|100 (a missing one means this week's top ten, as the game's dialog opens); Vantorel:
// the top hundred. format=json asks for JSON, verified=1 only the records a replay proved. Periods are
// calendar periods of the upload time in UTC: today, this week from Monday, this month.
ListRequest DecodeListRequest(frame::Program program, const Query& query, const QDateTime& now);

// Start of a period containing now (UTC), in seconds since 1970; 0 for all time.
qint64 PeriodStart(Period period, const QDateTime& now);
QString PeriodTitle(Period period);

}  // namespace scoreserver
