// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// The keeper's commands on the records of a database, for both back ends:
//   admin list [list=ID] [name=NAME] [address=ADDRESS] [removed] [limit=N]
//   admin remove ID...      admin restore ID...
//   admin ban name NAME     admin ban address ADDRESS     (unban: the same with unban)
//   admin bans
namespace scoreserver {

// arguments start with "admin". Returns the exit status: 0 done, 1 the database failed or a record
// does not exist, 2 the command cannot be read.
int RunAdmin(const QStringList& arguments, const QString& databaseUrl, qint64 now, QTextStream& out,
             QTextStream& err);

}  // namespace scoreserver
