// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/options.h"

#include <QCommandLineParser>
#include <QHostInfo>

#include "scoreserver/store.h"

namespace scoreserver {

namespace {

struct Option {
    const char* name;
    const char* variable;
    const char* value;
    const char* description;
};

const Option kOptions[] = {
    {"listen", "SCORESERVER_LISTEN", "ADDRESS:PORT",
     "Address and port to serve on (default 127.0.0.1:8080; 0.0.0.0:8080 or [::]:8080 for every interface)."},
    {"base-path", "SCORESERVER_BASE_PATH", "PATH",
     "Path the games' server address ends with, such as /arcade for host:8080/arcade (default none)."},
    {"database", "SCORESERVER_DATABASE", "URL",
     "sqlite:///path/to/file.db or postgresql://user@host/dbname (default: scores.db in the user's data "
     "folder)."},
    {"trusted-proxies", "SCORESERVER_TRUSTED_PROXIES", "ADDRESSES",
     "Reverse proxies whose X-Forwarded-For header names the client, e.g. 127.0.0.1,10.0.0.0/8 (default "
     "none)."},
    {"upload-limit", "SCORESERVER_UPLOAD_LIMIT", "N",
     "Uploads one client address may make per minute (default 60: a school or a club shares one)."},
    {"no-limit-for", "SCORESERVER_NO_LIMIT_FOR", "ADDRESSES",
     "Clients without upload or connection limits, such as a load test's own address (default none)."},
    {"threads", "SCORESERVER_THREADS", "N",
     "Threads serving requests, each with its own database connection (default 1; more help PostgreSQL on a "
     "larger machine)."},
    {"name-upload-limit", "SCORESERVER_NAME_UPLOAD_LIMIT", "N",
     "Uploads of one player's name to one list per minute, from any address (default 10)."},
    {"connections-per-client", "SCORESERVER_CONNECTIONS_PER_CLIENT", "N",
     "Connections one client address may hold open (default 256)."},
    {"database-timeout", "SCORESERVER_DATABASE_TIMEOUT", "MS",
     "Milliseconds to wait for the database before an upload is answered 503 and a list page comes from "
     "the cache (default 3000)."},
    {"access-log", "SCORESERVER_ACCESS_LOG", "on|off", "A log line for every request (default off)."},
    {"verified-only", "SCORESERVER_VERIFIED_ONLY", "on|off",
     "List only records proved by a replay the server played again (default off: every record, the "
     "verified ones marked)."},
    {"verify-threads", "SCORESERVER_VERIFY_THREADS", "N",
     "Threads that play replays again, beside the serving threads (default: one per core)."},
    {"verify-queue", "SCORESERVER_VERIFY_QUEUE", "N",
     "Replays waiting for or in verification at most; more are answered 503 (default 64)."},
    {"max-replay-size", "SCORESERVER_MAX_REPLAY_SIZE", "BYTES", "Largest replay accepted (default 262144)."},
    {"max-replay-ticks", "SCORESERVER_MAX_REPLAY_TICKS", "N",
     "Most game ticks one replay may simulate; a longer one is refused (default 2000000)."},
};

bool ParseSwitch(const QString& text, bool* out) {
    const QString t = text.trimmed().toLower();
    if (t != u"on" && t != u"off" && t != u"1" && t != u"0" && t != u"yes" && t != u"no") return false;
    *out = t == u"on" || t == u"1" || t == u"yes";
    return true;
}

bool ParseListen(const QString& text, QHostAddress* address, quint16* port) {
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon < 0) return false;
    QString host = text.left(colon);
    bool ok = false;
    const uint p = text.mid(colon + 1).toUInt(&ok);
    if (!ok || p > 65535) return false;
    if (host.startsWith(u'[') && host.endsWith(u']')) host = host.mid(1, host.size() - 2);
    if (host.isEmpty() || host == u"*") {
        *address = QHostAddress::Any;
    } else if (!address->setAddress(host)) {
        const QList<QHostAddress> found = QHostInfo::fromName(host).addresses();
        if (found.isEmpty()) return false;
        *address = found.first();
    }
    *port = static_cast<quint16>(p);
    return true;
}

}  // namespace

QString NormalBasePath(const QString& path) {
    QString p = path.trimmed();
    while (p.endsWith(u'/'))
        p.chop(1);
    if (!p.isEmpty() && !p.startsWith(u'/')) p.prepend(u'/');
    return p;
}

ParsedOptions ParseOptions(const QStringList& arguments, const QProcessEnvironment& environment) {
    ParsedOptions result;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Score server of Zephlon, Quadrelle and Vantorel: takes the games' upload links and serves "
        "the global lists.\nEvery option can also be given by the environment variable named with it; "
        "the command line wins.\n\"admin ...\" keeps the records of the database instead of serving: "
        "admin help lists its commands."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    parser.addPositionalArgument(QStringLiteral("admin"),
                                 QStringLiteral("A moderation command (admin help), instead of serving."),
                                 QStringLiteral("[admin COMMAND ...]"));
    parser.addOption(help);
    parser.addOption(version);
    for (const Option& o : kOptions) {
        parser.addOption(QCommandLineOption(
            QString::fromLatin1(o.name),
            QString::fromLatin1(o.description) + QStringLiteral(" [%1]").arg(QLatin1String(o.variable)),
            QString::fromLatin1(o.value)));
    }
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty() && parser.positionalArguments().first() == u"admin") {
        result.admin = parser.positionalArguments();
    } else if (!parser.positionalArguments().isEmpty()) {
        result.error = QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return result;
    }
    if (parser.isSet(help)) {
        result.help = true;
        result.text = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.version = true;
        return result;
    }
    const auto value = [&](const Option& o) -> std::optional<QString> {
        const QString name = QString::fromLatin1(o.name);
        if (parser.isSet(name)) return parser.value(name);
        const QString variable = QString::fromLatin1(o.variable);
        if (environment.contains(variable)) return environment.value(variable);
        return std::nullopt;
    };
    ServerOptions& options = result.options;
    const auto fail = [&](const Option& o, const QString& why) {
        result.error =
            QStringLiteral("--%1 (%2): %3").arg(QLatin1String(o.name), QLatin1String(o.variable), why);
        return result;
    };
    const auto positive = [](const QString& text, int maximum, int* out) {
        bool ok = false;
        const int v = text.trimmed().toInt(&ok);
        if (!ok || v < 1 || v > maximum) return false;
        *out = v;
        return true;
    };
    if (const auto v = value(kOptions[0]); v && !ParseListen(v->trimmed(), &options.address, &options.port))
        return fail(kOptions[0],
                    QStringLiteral("expected ADDRESS:PORT, such as 127.0.0.1:8080, got '%1'").arg(*v));
    if (const auto v = value(kOptions[1])) options.basePath = NormalBasePath(*v);
    options.database = value(kOptions[2]).value_or(DefaultDatabaseUrl()).trimmed();
    if (const DatabaseUrl db = ParseDatabaseUrl(options.database); !db.error.isEmpty())
        return fail(kOptions[2], db.error);
    QString error;
    if (const auto v = value(kOptions[3]); v && !ParseSubnets(*v, &options.trustedProxies, &error))
        return fail(kOptions[3], error);
    if (const auto v = value(kOptions[4]); v && !positive(*v, 1000000, &options.uploadLimit))
        return fail(kOptions[4], QStringLiteral("expected a number from 1 to 1000000"));
    if (const auto v = value(kOptions[5]); v && !ParseSubnets(*v, &options.noLimitFor, &error))
        return fail(kOptions[5], error);
    // PostgreSQL works in processes of its own: a second thread serves while the first waits for it.
    options.threads = ParseDatabaseUrl(options.database).kind == DatabaseUrl::Kind::PostgreSQL ? 2 : 1;
    if (const auto v = value(kOptions[6]); v && !positive(*v, 64, &options.threads))
        return fail(kOptions[6], QStringLiteral("expected a number from 1 to 64"));
    if (const auto v = value(kOptions[7]); v && !positive(*v, 1000000, &options.nameUploadLimit))
        return fail(kOptions[7], QStringLiteral("expected a number from 1 to 1000000"));
    if (const auto v = value(kOptions[8]); v && !positive(*v, 1000000, &options.connectionsPerClient))
        return fail(kOptions[8], QStringLiteral("expected a number from 1 to 1000000"));
    if (const auto v = value(kOptions[9]); v && !positive(*v, 600000, &options.databaseTimeoutMs))
        return fail(kOptions[9], QStringLiteral("expected milliseconds from 1 to 600000"));
    if (const auto v = value(kOptions[10]); v && !ParseSwitch(*v, &options.accessLog))
        return fail(kOptions[10], QStringLiteral("expected on or off"));
    if (const auto v = value(kOptions[11]); v && !ParseSwitch(*v, &options.verifiedOnly))
        return fail(kOptions[11], QStringLiteral("expected on or off"));
    if (const auto v = value(kOptions[12]); v && !positive(*v, 256, &options.verifyThreads))
        return fail(kOptions[12], QStringLiteral("expected a number from 1 to 256"));
    if (const auto v = value(kOptions[13]); v && !positive(*v, 100000, &options.verifyQueue))
        return fail(kOptions[13], QStringLiteral("expected a number from 1 to 100000"));
    if (const auto v = value(kOptions[14]); v && !positive(*v, 64 * 1024 * 1024, &options.maxReplayBytes))
        return fail(kOptions[14], QStringLiteral("expected bytes from 1 to 67108864"));
    if (const auto v = value(kOptions[15]); v && !positive(*v, 1000000000, &options.maxReplayTicks))
        return fail(kOptions[15], QStringLiteral("expected a number from 1 to 1000000000"));
    return result;
}

}  // namespace scoreserver
