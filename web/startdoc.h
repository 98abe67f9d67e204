// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <cstdint>
#include <functional>

#include "frame/program.h"

class QWidget;

namespace web {

// Results of StartDoc, in the shell's numbering: above 32 means opened (or handed to the desktop's
// opener, whose failure is reported when it exits).
inline constexpr int32_t kStartDocOpened = 33;
inline constexpr int32_t kStartDocNotFound = 2;  // no program could open the link
inline constexpr int32_t kStartDocRefused = 5;   // not a web or mail link: never handed to the system

// Hands a link to the desktop (the user's browser or mail program) and answers at once; true when that
// worked.
using UrlOpener = std::function<bool(const QUrl&)>;

// Replaces the desktop opener, so tests never start a browser. An empty opener restores the desktop's:
// xdg-open from PATH, run in the background; it answers only when it exits (0 opened, anything else or
// a failure to start it: not found). Without xdg-open, Qt's own desktop services are asked.
void SetUrlOpener(UrlOpener opener);

// Desktop openers started by StartDoc that have not exited yet.
int RunningOpeners();

// The link StartDoc would open for docName, or an empty QUrl when it refuses it. A text without a
// scheme is a web address ("http://" is put in front; it must then start with a host name). Only
// http, https (with a host) and mailto (with an address) links are launchable: a file path, "file:",
// "javascript:" or a program name must never reach the system's opener, whatever a hand-edited
// setting says.
QUrl LaunchableUrl(const QString& docName);

// True when server (a WebServer setting) can start the links to a score server: an http or https
// address, or one without a scheme (read as http). Anything else (a mail address, whose query could
// carry the records into a mail with attachments, a file, a script, an empty setting) is refused
// before any link is built from it.
bool UsableScoreServer(const QString& server);

// What the player is told about an unusable score server, and where the program's setting is changed.
QString UnusableServerMessage(frame::Program program, const QString& server);
// Says so in a message box over mainWindow.
void InformUnusableServer(QWidget* mainWindow, frame::Program program, const QString& server);

// Opens docName with the system without waiting for it. When bURL is true and no program could open it
// (known at once, or when the desktop's opener exits with a failure), or whenever the link is refused,
// the browser-error dialog of mainWindow shows the link for copying.
int32_t StartDoc(QWidget* mainWindow, const QString& docName, bool bURL);

}  // namespace web
