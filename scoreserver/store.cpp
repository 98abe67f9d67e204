// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/store.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSqlError>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <optional>

namespace scoreserver {

namespace {

// Each step brings the schema from its index to the next version. Statements apply to both databases
// except where a pair is given (SQLite first).
struct Step {
    QString sqlite;
    QString postgresql;
};
const QList<QList<Step>>& Migrations() {
    static const QList<QList<Step>> steps{
        // 0 -> 1: the records, unique per list, name, score, levels and date, so an upload repeated
        // is stored once; the indexes of the list pages (by score, and by upload time for periods).
        {
            {QStringLiteral("CREATE TABLE records ("
                            "id INTEGER PRIMARY KEY, "
                            "list TEXT NOT NULL, name TEXT NOT NULL, score INTEGER NOT NULL, "
                            "start_level INTEGER NOT NULL, end_level INTEGER NOT NULL, "
                            "record_date TEXT NOT NULL, chksum INTEGER NOT NULL, url TEXT NOT NULL, "
                            "version TEXT NOT NULL, uploaded BIGINT NOT NULL, "
                            "UNIQUE (list, name, score, start_level, end_level, record_date))"),
             QStringLiteral("CREATE TABLE records ("
                            "id BIGINT GENERATED ALWAYS AS IDENTITY PRIMARY KEY, "
                            "list TEXT NOT NULL, name TEXT NOT NULL, score INTEGER NOT NULL, "
                            "start_level INTEGER NOT NULL, end_level INTEGER NOT NULL, "
                            "record_date TEXT NOT NULL, chksum INTEGER NOT NULL, url TEXT NOT NULL, "
                            "version TEXT NOT NULL, uploaded BIGINT NOT NULL, "
                            "UNIQUE (list, name, score, start_level, end_level, record_date))")},
            {QStringLiteral("CREATE INDEX records_by_score ON records (list, score DESC, id)"), {}},
            {QStringLiteral("CREATE INDEX records_by_upload ON records (list, uploaded, score DESC)"), {}},
        },
    };
    return steps;
}

// Empty text binds as '' (a null QString would bind as NULL).
QVariant Text(const QString& text) {
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QString SqlError(const QSqlError& e) {
    return e.text().trimmed();
}

}  // namespace

DatabaseUrl ParseDatabaseUrl(const QString& text) {
    DatabaseUrl db;
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid()) {
        db.error = QStringLiteral("the database URL cannot be read: %1").arg(text);
    } else if (scheme == u"sqlite") {
        db.kind = DatabaseUrl::Kind::SQLite;
        db.path = url.path(QUrl::FullyDecoded);
        if (!url.host().isEmpty())
            db.error = QStringLiteral("an SQLite URL names a file: sqlite:///path/to/file.db");
        if (db.path.isEmpty()) db.error = QStringLiteral("the SQLite URL names no file");
    } else if (scheme == u"postgresql" || scheme == u"postgres") {
        db.kind = DatabaseUrl::Kind::PostgreSQL;
        db.host = url.host();
        db.port = url.port(-1);
        db.user = url.userName(QUrl::FullyDecoded);
        db.password = url.password(QUrl::FullyDecoded);
        db.name = url.path(QUrl::FullyDecoded).mid(1);
        // Further libpq options (host=/run/postgresql, sslmode=require, ...) as "key=value;..." for Qt.
        QStringList options;
        for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
            if (key == u"host")
                db.host = value;
            else
                options << key + u'=' + value;
        }
        db.options = options.join(u';');
        if (db.name.isEmpty()) db.error = QStringLiteral("the PostgreSQL URL names no database");
    } else {
        db.error = QStringLiteral("the database URL must start with sqlite:// or postgresql://");
    }
    return db;
}

QString DefaultDatabaseUrl() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                        QStringLiteral("/quillbyte-scoreserver");
    return QStringLiteral("sqlite://") + QDir(dir).absoluteFilePath(QStringLiteral("scores.db"));
}

ScoreStore::ScoreStore(QSqlDatabase db, DatabaseUrl::Kind kind)
    : connection_(db.connectionName()), db_(std::move(db)), kind_(kind) {}

ScoreStore::~ScoreStore() {
    insert_.reset();
    existing_.reset();
    rank_.reset();
    top_.reset();
    topSince_.reset();
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

int ScoreStore::SchemaVersion() {
    return static_cast<int>(Migrations().size());
}

std::unique_ptr<ScoreStore> ScoreStore::Open(const QString& url, const QString& connectionName,
                                             QString* error) {
    const DatabaseUrl where = ParseDatabaseUrl(url);
    if (!where.error.isEmpty()) {
        *error = where.error;
        return nullptr;
    }
    const bool sqlite = where.kind == DatabaseUrl::Kind::SQLite;
    const QString driver = sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        *error = QStringLiteral("the Qt SQL driver %1 is not installed (Debian: %2)")
                     .arg(driver,
                          sqlite ? QStringLiteral("libqt6sql6-sqlite") : QStringLiteral("libqt6sql6-psql"));
        return nullptr;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connectionName);
    if (sqlite) {
        const QFileInfo file(where.path);
        if (!QDir().mkpath(file.absolutePath())) {
            *error = QStringLiteral("cannot create the folder %1").arg(file.absolutePath());
            QSqlDatabase::removeDatabase(connectionName);
            return nullptr;
        }
        db.setDatabaseName(file.absoluteFilePath());
        // Another server process on the same file may hold the write lock for a moment.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    } else {
        db.setDatabaseName(where.name);
        if (!where.host.isEmpty()) db.setHostName(where.host);
        if (where.port > 0) db.setPort(where.port);
        if (!where.user.isEmpty()) db.setUserName(where.user);
        if (!where.password.isEmpty()) db.setPassword(where.password);
        if (!where.options.isEmpty()) db.setConnectOptions(where.options);
    }
    std::unique_ptr<ScoreStore> store(new ScoreStore(db, where.kind));
    if (!store->db_.open()) {
        *error = QStringLiteral("cannot open the database: %1").arg(SqlError(store->db_.lastError()));
        return nullptr;
    }
    if (sqlite) {
        QSqlQuery pragma(store->db_);
        // WAL: readers never wait for the writer; NORMAL: a commit is durable once checkpointed, and
        // the file is never corrupted by a crash.
        for (const char* p : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL"}) {
            if (!pragma.exec(QString::fromLatin1(p))) {
                *error = QStringLiteral("cannot set up SQLite: %1").arg(SqlError(pragma.lastError()));
                return nullptr;
            }
        }
    }
    if (!store->migrate(error) || !store->prepare(error)) return nullptr;
    return store;
}

bool ScoreStore::migrate(QString* error) {
    const bool sqlite = kind_ == DatabaseUrl::Kind::SQLite;
    QSqlQuery q(db_);
    const auto fail = [&](const QString& what) {
        *error = what + QStringLiteral(": ") + SqlError(q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    // One server at a time brings the schema up to date; the others wait and find it done.
    if (!q.exec(sqlite ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN")))
        return fail(QStringLiteral("cannot start the schema update"));
    if (!sqlite && !q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7243190512)")))
        return fail(QStringLiteral("cannot lock the schema"));
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS scoreserver_schema (version INTEGER NOT NULL)")))
        return fail(QStringLiteral("cannot create the schema table"));
    if (!q.exec(QStringLiteral("SELECT version FROM scoreserver_schema")))
        return fail(QStringLiteral("cannot read the schema version"));
    int version = 0;
    const bool hasRow = q.next();
    if (hasRow) version = q.value(0).toInt();
    q.finish();
    if (version > SchemaVersion()) {
        *error = QStringLiteral(
                     "the database has schema version %1, newer than this server's %2: use a newer server")
                     .arg(version)
                     .arg(SchemaVersion());
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    for (int v = version; v < SchemaVersion(); ++v) {
        for (const Step& step : Migrations().at(v)) {
            const QString sql = sqlite || step.postgresql.isEmpty() ? step.sqlite : step.postgresql;
            if (!q.exec(sql))
                return fail(QStringLiteral("cannot update the schema to version %1").arg(v + 1));
        }
    }
    if (version != SchemaVersion()) {
        q.prepare(hasRow ? QStringLiteral("UPDATE scoreserver_schema SET version = ?")
                         : QStringLiteral("INSERT INTO scoreserver_schema (version) VALUES (?)"));
        q.addBindValue(SchemaVersion());
        if (!q.exec()) return fail(QStringLiteral("cannot record the schema version"));
    }
    if (!q.exec(QStringLiteral("COMMIT"))) return fail(QStringLiteral("cannot finish the schema update"));
    return true;
}

bool ScoreStore::prepare(QString* error) {
    const auto make = [&](std::unique_ptr<QSqlQuery>& query, const QString& sql) {
        query = std::make_unique<QSqlQuery>(db_);
        query->setForwardOnly(true);
        if (query->prepare(sql)) return true;
        *error = QStringLiteral("cannot prepare a statement: %1").arg(SqlError(query->lastError()));
        return false;
    };
    const QString columns = QStringLiteral("name, score, start_level, end_level, record_date, uploaded, url");
    return make(insert_,
                QStringLiteral("INSERT INTO records (list, name, score, start_level, end_level, "
                               "record_date, chksum, url, version, uploaded) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                               "ON CONFLICT (list, name, score, start_level, end_level, record_date) "
                               "DO NOTHING RETURNING id")) &&
           make(existing_,
                QStringLiteral("SELECT id FROM records WHERE list = ? AND name = ? AND score = ? AND "
                               "start_level = ? AND end_level = ? AND record_date = ?")) &&
           // Counting the better records costs one index step each: counted to kRankDepth only.
           make(rank_,
                QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM records WHERE list = ? AND score >= ? "
                               "AND (score > ? OR id < ?) LIMIT %1) AS better")
                    .arg(kRankDepth)) &&
           make(top_, QStringLiteral("SELECT %1 FROM records WHERE list = ? ORDER BY score DESC, id LIMIT ?")
                          .arg(columns)) &&
           make(topSince_, QStringLiteral("SELECT %1 FROM records WHERE list = ? AND uploaded >= ? "
                                          "ORDER BY score DESC, id LIMIT ?")
                               .arg(columns));
}

qint64 ScoreStore::rankOf(const QString& list, qint32 score, qint64 id, bool* ok) {
    rank_->addBindValue(list);
    rank_->addBindValue(score);
    rank_->addBindValue(score);
    rank_->addBindValue(id);
    *ok = rank_->exec() && rank_->next();
    const qint64 better = *ok ? rank_->value(0).toLongLong() : 0;
    const qint64 rank = better >= kRankDepth ? kBelowRankDepth : better + 1;
    rank_->finish();
    return rank;
}

bool ScoreStore::Save(Upload& upload, qint64 uploaded, QString* error) {
    const QList<UploadEntry> before = upload.entries;
    if (saveOnce(upload, uploaded, error)) return true;
    upload.entries = before;
    if (!reconnect()) return false;
    if (saveOnce(upload, uploaded, error)) return true;
    upload.entries = before;
    return false;
}

bool ScoreStore::Top(const ScoreList& list, qint64 since, int count, QList<ListRow>* rows, QString* error) {
    return topOnce(list, since, count, rows, error) ||
           (reconnect() && topOnce(list, since, count, rows, error));
}

bool ScoreStore::reconnect() {
    // A database server that restarted leaves this connection dead: it is opened again, once per
    // failed request. SQLite has no connection to lose.
    if (kind_ != DatabaseUrl::Kind::PostgreSQL) return false;
    {
        QSqlQuery ping(db_);
        if (ping.exec(QStringLiteral("SELECT 1")))
            return false;  // the connection is fine: the statement failed
    }
    insert_.reset();
    existing_.reset();
    rank_.reset();
    top_.reset();
    topSince_.reset();
    db_.close();
    QString error;
    if (!db_.open() || !prepare(&error)) {
        qWarning("quillbyte-scoreserver: the database is still out of reach: %s",
                 qPrintable(error.isEmpty() ? SqlError(db_.lastError()) : error));
        return false;
    }
    qWarning("quillbyte-scoreserver: connected to the database again");
    return true;
}

bool ScoreStore::saveOnce(Upload& upload, qint64 uploaded, QString* error) {
    if (!insert_) return false;
    const QString list = ListId(upload.list);
    // SQLite has one writer at a time: this process's threads take turns here instead of meeting the
    // file's lock, where a waiting writer sleeps in steps of up to 100 ms.
    static QMutex sqliteWriter;
    std::optional<QMutexLocker<QMutex>> turn;
    if (kind_ == DatabaseUrl::Kind::SQLite) turn.emplace(&sqliteWriter);
    if (!db_.transaction()) {
        *error = SqlError(db_.lastError());
        return false;
    }
    QList<qint64> ids;
    for (UploadEntry& e : upload.entries) {
        ids << 0;
        if (e.outcome != Outcome::Pending) continue;
        const scores::HighScoreRecord& r = e.record;
        const QVariant date = Text(e.hasDate ? scores::HighScoreTable::DateText(r.Date) : QString());
        insert_->addBindValue(list);
        insert_->addBindValue(Text(r.Name));
        insert_->addBindValue(r.Score);
        insert_->addBindValue(r.StartLevel);
        insert_->addBindValue(r.EndLevel);
        insert_->addBindValue(date);
        insert_->addBindValue(r.ChkSum);
        insert_->addBindValue(Text(upload.url));
        insert_->addBindValue(Text(upload.version));
        insert_->addBindValue(uploaded);
        if (!insert_->exec()) {
            *error = SqlError(insert_->lastError());
            db_.rollback();
            return false;
        }
        if (insert_->next()) {
            ids.back() = insert_->value(0).toLongLong();
            e.outcome = Outcome::Stored;
        } else {
            insert_->finish();
            existing_->addBindValue(list);
            existing_->addBindValue(Text(r.Name));
            existing_->addBindValue(r.Score);
            existing_->addBindValue(r.StartLevel);
            existing_->addBindValue(r.EndLevel);
            existing_->addBindValue(date);
            if (!existing_->exec() || !existing_->next()) {
                *error = SqlError(existing_->lastError());
                existing_->finish();
                db_.rollback();
                return false;
            }
            ids.back() = existing_->value(0).toLongLong();
            existing_->finish();
            e.outcome = Outcome::AlreadyThere;
        }
        insert_->finish();
    }
    if (!db_.commit()) {
        *error = SqlError(db_.lastError());
        db_.rollback();
        for (UploadEntry& e : upload.entries) {
            if (e.outcome == Outcome::Stored || e.outcome == Outcome::AlreadyThere)
                e.outcome = Outcome::Pending;
        }
        return false;
    }
    for (qsizetype i = 0; i < upload.entries.size(); ++i) {
        UploadEntry& e = upload.entries[i];
        if (ids[i] == 0) continue;
        bool ok = false;
        e.rank = rankOf(list, e.record.Score, ids[i], &ok);
    }
    return true;
}

bool ScoreStore::topOnce(const ScoreList& list, qint64 since, int count, QList<ListRow>* rows,
                         QString* error) {
    if (!top_) return false;
    QSqlQuery& q = since > 0 ? *topSince_ : *top_;
    q.addBindValue(ListId(list));
    if (since > 0) q.addBindValue(since);
    q.addBindValue(count);
    if (!q.exec()) {
        *error = SqlError(q.lastError());
        return false;
    }
    rows->clear();
    while (q.next()) {
        ListRow row;
        row.rank = rows->size() + 1;
        row.name = q.value(0).toString();
        row.score = q.value(1).toInt();
        row.startLevel = q.value(2).toInt();
        row.endLevel = q.value(3).toInt();
        row.date = q.value(4).toString();
        row.uploaded = q.value(5).toLongLong();
        row.url = q.value(6).toString();
        rows->append(row);
    }
    q.finish();
    return true;
}

}  // namespace scoreserver
