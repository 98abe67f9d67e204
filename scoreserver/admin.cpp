// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/admin.h"

#include <QDateTime>
#include <QHostAddress>
#include <QTimeZone>

#include "scoreserver/guard.h"
#include "scoreserver/store.h"

namespace scoreserver {

namespace {

const char kUsage[] =
    "admin list [list=ID] [name=NAME] [address=ADDRESS] [removed] [limit=N]\n"
    "    the newest records (ID: zephlon-original, zephlon-puzzle, quadrelle, vantorel)\n"
    "admin remove ID...     take records off the lists (they are kept and can be restored)\n"
    "admin restore ID...    put removed records back\n"
    "admin ban name NAME | admin ban address ADDRESS\n"
    "    refuse further uploads of a name, or from an address (IPv6: its /64 network)\n"
    "admin unban name NAME | admin unban address ADDRESS\n"
    "admin bans             the bans in force\n";

}  // namespace

int RunAdmin(const QStringList& arguments, const QString& databaseUrl, qint64 now, QTextStream& out,
             QTextStream& err) {
    const QStringList args = arguments.mid(1);
    const QString command = args.value(0);
    if (command.isEmpty() || command == u"help") {
        (command.isEmpty() ? err : out) << kUsage;
        return command.isEmpty() ? 2 : 0;
    }
    const auto usage = [&](const QString& why) {
        err << "quillbyte-scoreserver admin: " << why << "\n" << kUsage;
        return 2;
    };
    QString error;
    auto store = ScoreStore::Open(databaseUrl, QStringLiteral("admin"), &error);
    if (!store) {
        err << "quillbyte-scoreserver admin: " << error << "\n";
        return 1;
    }
    const auto failed = [&] {
        err << "quillbyte-scoreserver admin: database failure: " << error << "\n";
        return 1;
    };
    if (command == u"list") {
        RecordFilter filter;
        for (const QString& a : args.mid(1)) {
            const QString key = a.section(u'=', 0, 0), value = a.section(u'=', 1);
            if (a == u"removed") {
                filter.hiddenOnly = true;
            } else if (key == u"list" && a.contains(u'=')) {
                filter.list = value;
            } else if (key == u"name" && a.contains(u'=')) {
                filter.name = value;
            } else if (key == u"address" && a.contains(u'=')) {
                const QHostAddress address(value);
                if (address.isNull()) return usage(QStringLiteral("not an address: %1").arg(value));
                filter.client = ClientKey(address);
            } else if (key == u"limit" && a.contains(u'=')) {
                bool ok = false;
                filter.limit = value.toInt(&ok);
                if (!ok || filter.limit < 1) return usage(QStringLiteral("limit must be a positive number"));
            } else {
                return usage(QStringLiteral("unknown filter: %1").arg(a));
            }
        }
        QList<StoredRecord> records;
        if (!store->Records(filter, &records, &error)) return failed();
        out << "id\tlist\tname\tscore\tstart\tend\tuploaded (UTC)\taddress\turl\tstate\n";
        for (const StoredRecord& r : records) {
            out << r.id << '\t' << r.list << '\t' << r.row.name << '\t' << r.row.score << '\t'
                << r.row.startLevel << '\t' << r.row.endLevel << '\t'
                << QDateTime::fromSecsSinceEpoch(r.row.uploaded, QTimeZone::utc()).toString(Qt::ISODate)
                << '\t' << r.client << '\t' << r.row.url << '\t' << (r.hidden ? "removed" : "shown") << '\n';
        }
        return 0;
    }
    if (command == u"remove" || command == u"restore") {
        if (args.size() < 2) return usage(QStringLiteral("%1 needs the id of a record").arg(command));
        int status = 0;
        for (const QString& a : args.mid(1)) {
            bool ok = false;
            const qint64 id = a.toLongLong(&ok);
            if (!ok) return usage(QStringLiteral("not a record id: %1").arg(a));
            bool found = false;
            if (!store->SetHidden(id, command == u"remove", &found, &error)) return failed();
            if (!found) {
                err << "quillbyte-scoreserver admin: no record " << id << "\n";
                status = 1;
                continue;
            }
            out << (command == u"remove" ? "removed record " : "restored record ") << id << "\n";
        }
        return status;
    }
    if (command == u"ban" || command == u"unban") {
        if (args.size() != 3 || (args[1] != u"name" && args[1] != u"address"))
            return usage(QStringLiteral("%1 name NAME or %1 address ADDRESS").arg(command));
        const BanKind kind = args[1] == u"name" ? BanKind::Name : BanKind::Address;
        QString value = args[2];
        if (kind == BanKind::Address) {
            const QHostAddress address(value);
            if (address.isNull()) return usage(QStringLiteral("not an address: %1").arg(value));
            value = ClientKey(address);
        }
        if (!store->Ban(kind, value, command == u"ban", now, &error)) return failed();
        out << (command == u"ban" ? "banned " : "unbanned ") << args[1] << ' ' << value << "\n";
        return 0;
    }
    if (command == u"bans") {
        QStringList bans;
        if (!store->Bans(&bans, &error)) return failed();
        for (const QString& b : bans)
            out << b << "\n";
        return 0;
    }
    return usage(QStringLiteral("unknown command: %1").arg(command));
}

}  // namespace scoreserver
