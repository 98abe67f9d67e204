// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "scoreserver/guard.h"

namespace scoreserver {

struct ServerOptions {
    QHostAddress address = QHostAddress::LocalHost;
    quint16 port = 8080;
    QString basePath;  // "" or "/arcade": no trailing slash
    QString database;  // database URL
    QList<Subnet> trustedProxies;
    QList<Subnet> noLimitFor;
    int uploadLimit = 60;      // uploads a client address may make per minute
    int nameUploadLimit = 10;  // uploads of one name to one list per minute
    int connectionsPerClient = 256;
    int databaseTimeoutMs = 3000;
    bool accessLog = false;
    int threads = 1;
    bool verifiedOnly = false;  // list only the records a replay proved
    int verifyThreads = 0;      // threads that play replays again; 0: one per core
    int verifyQueue = 64;       // replays waiting or in verification, or 503
    int maxReplayBytes = 256 * 1024;
    int maxReplayTicks = 2000000;
};

struct ParsedOptions {
    ServerOptions options;
    bool help = false;
    bool version = false;
    QStringList admin;  // "admin" and what follows: a moderation command instead of serving
    QString text;       // the help or version text
    QString error;      // not empty: the options cannot be used
};

// Reads the command line (arguments[0] is the program) over the environment: every option has an
// environment variable of the same meaning, and the command line wins.
ParsedOptions ParseOptions(const QStringList& arguments, const QProcessEnvironment& environment);

// "/arcade" from "arcade/", "/arcade" or "/arcade/"; "" from "" or "/".
QString NormalBasePath(const QString& path);

}  // namespace scoreserver
