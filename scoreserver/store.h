// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMutex>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "scoreserver/requests.h"

namespace scoreserver {

// Where the records live: "sqlite:///path/file.db" or "postgresql://user@host[:port]/dbname[?options]".
struct DatabaseUrl {
    enum class Kind { SQLite, PostgreSQL } kind = Kind::SQLite;
    QString path;  // SQLite file
    QString host, user, password, name, options;
    int port = -1;
    QString error;
};
DatabaseUrl ParseDatabaseUrl(const QString& url);
// The default database: scores.db in the user's data folder for the server.
QString DefaultDatabaseUrl();

// Ranks are told exactly down to this depth; a record further down gets kBelowRankDepth.
inline constexpr int kRankDepth = 1000;
inline constexpr qint64 kBelowRankDepth = -1;

// One row of a list page.
struct ListRow {
    qint64 rank = 0;
    QString name;
    qint32 score = 0;
    qint32 startLevel = 0;
    qint32 endLevel = 0;
    QString date;     // the record's date (yyyy-MM-ddTHH:mm:ss), empty when the program sends none
    qint64 uploaded;  // seconds since 1970, UTC
    QString url;
    bool verified = false;  // its replay was played again and ended with this record
    QString replay;         // the stored replay's id, empty when there is none
};

// A replay that proved a record: its stable id (from its bytes) and the file as the game wrote it.
struct StoredReplay {
    QString id;
    QByteArray data;
};

// A stored record as the keeper of the server sees it (admin list).
struct StoredRecord {
    qint64 id = 0;
    QString list;
    ListRow row;
    QString client;  // the uploader's address key
    bool hidden = false;
};

// What the admin command picks records by; empty fields match everything.
struct RecordFilter {
    QString list, name, client;
    bool hiddenOnly = false;
    int limit = 50;
};

// Bans: uploads of a name, or from an address key (an IPv4 address or an IPv6 /64), are refused.
enum class BanKind { Name, Address };
QString BanKindText(BanKind kind);

// The records in SQLite or PostgreSQL, through one connection of the calling thread. The schema is
// created and brought up to date on opening; every statement is prepared once and bound.
class ScoreStore {
  public:
    ~ScoreStore();
    ScoreStore(const ScoreStore&) = delete;
    ScoreStore& operator=(const ScoreStore&) = delete;

    // connectionName must be unique in the process (one per thread). Null, with error set, when the
    // database cannot be opened or brought up to date.
    static std::unique_ptr<ScoreStore> Open(const QString& url, const QString& connectionName,
                                            QString* error);

    // Stores the upload's pending records at time uploaded (seconds since 1970, UTC), sent by the
    // client with the address key client. Each becomes Stored or AlreadyThere with its all-time rank
    // in its list (or kBelowRankDepth), or Refused when its name or the client is banned. A record is
    // the same as one stored before when list, name, score, levels and date match; Zephlon sends no
    // date, so its records also match on the player's address (or, without one, the client's), and
    // two players who reach the same score are both kept. False with error set when the database
    // failed: nothing stored.
    // With replay, the upload's one record was proved by it: the record is stored, or the one stored
    // before is marked, as verified with the replay, in the same transaction.
    bool Save(Upload& upload, qint64 uploaded, const QString& client, QString* error,
              const StoredReplay* replay = nullptr);

    // The best count records of a list in the calendar period (UTC) that starts at since, best first;
    // ties go to the earlier upload. Removed records are left out, and with verifiedOnly those no
    // replay proved. Both calls open a PostgreSQL connection again that the server dropped (a restart).
    bool Top(const ScoreList& list, Period period, qint64 since, int count, QList<ListRow>* rows,
             QString* error, bool verifiedOnly = false);

    // The replay stored under id; found false when there is none.
    bool Replay(const QString& id, QByteArray* data, bool* found, QString* error);

    // The database's plans for the list and rank statements, one text per statement, so a test can
    // see that every list is read in index order without a sort.
    bool Explain(QStringList* plans, QString* error);

    // Takes one upload from the bucket of key, which holds perMinute uploads and refills at perMinute a
    // minute, in the database: every server on it shares the bucket. allowed false (and retryAfter
    // the seconds to wait) when the bucket is empty; false with error set when the database failed.
    bool Take(const QString& key, int perMinute, qint64 nowMs, bool* allowed, qint64* retryAfter,
              QString* error);

    // One statement to the database: true when it answers.
    bool Ping(QString* error);

    // Moderation: the records a filter picks, newest first; hiding (removing) and showing (restoring)
    // one by its id (false when there is none); bans.
    bool Records(const RecordFilter& filter, QList<StoredRecord>* records, QString* error);
    bool SetHidden(qint64 id, bool hidden, bool* found, QString* error);
    bool Ban(BanKind kind, const QString& value, bool banned, qint64 now, QString* error);
    bool Bans(QStringList* bans, QString* error);

    // Group commit: the jobs between BeginBatch and EndBatch share one transaction, so a crowd of uploads
    // waits for one flush to disk instead of one each. Each job runs inside MarkJob/EndJob; EndJob is
    // false when the job left the transaction unusable. Within a batch nothing reconnects: the caller
    // rolls the whole batch back (AbortBatch) and runs its jobs again one by one.
    bool BeginBatch();
    bool MarkJob();
    bool EndJob();
    bool EndBatch();
    void AbortBatch();
    bool InBatch() const { return batch_; }

    DatabaseUrl::Kind Kind() const { return kind_; }
    // The connection, for maintenance by hand (and tests).
    QSqlDatabase Database() const { return db_; }
    // Version of the schema this server writes.
    static int SchemaVersion();

  private:
    ScoreStore(QSqlDatabase db, DatabaseUrl::Kind kind);
    bool migrate(QString* error);
    bool prepare(QString* error);
    bool reconnect();
    bool saveOnce(Upload& upload, qint64 uploaded, const QString& client, QString* error,
                  const StoredReplay* replay);
    bool topOnce(const ScoreList& list, Period period, qint64 since, int count, QList<ListRow>* rows,
                 QString* error, bool verifiedOnly);
    bool replayOnce(const QString& id, QByteArray* data, bool* found, QString* error);
    qint64 rankOf(const QString& list, qint32 score, qint64 id, bool* ok);
    bool takeOnce(const QString& key, int perMinute, qint64 nowMs, bool* allowed, qint64* retryAfter,
                  QString* error);
    bool banned(BanKind kind, const QString& value, bool* yes, QString* error);
    void dropStatements();
    // One upload's writes: a transaction of their own, or a savepoint within a batch.
    bool beginWrite(QString* error);
    bool commitWrite(QString* error);
    void rollbackWrite();
    bool exec(const QString& statement);

    QString connection_;
    QSqlDatabase db_;
    DatabaseUrl::Kind kind_;
    QStringList listStatements_;
    qint64 lastSweepMs_ = 0;
    bool batch_ = false;
    // SQLite's one writer: held for a whole batch, or for one upload outside a batch.
    std::optional<QMutexLocker<QMutex>> writerTurn_;
    std::unique_ptr<QSqlQuery> insert_, existing_, rank_, ban_, take_, bucket_, sweep_, verify_, keepReplay_,
        replay_;
    // The list statements by [verified only][period].
    std::unique_ptr<QSqlQuery> top_[2][4];
};

}  // namespace scoreserver
