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
    int uploadLimit = 20;  // uploads a client may make per minute
    int threads = 1;
};

struct ParsedOptions {
    ServerOptions options;
    bool help = false;
    bool version = false;
    QString text;   // the help or version text
    QString error;  // not empty: the options cannot be used
};

// Reads the command line (arguments[0] is the program) over the environment: every option has an
// environment variable of the same meaning, and the command line wins.
ParsedOptions ParseOptions(const QStringList& arguments, const QProcessEnvironment& environment);

// "/arcade" from "arcade/", "/arcade" or "/arcade/"; "" from "" or "/".
QString NormalBasePath(const QString& path);

}  // namespace scoreserver
