// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "frame/program.h"

class QTextStream;

namespace frame {

// The name the desktop knows a program by: its launcher is "<name>.desktop", its icon and metainfo carry
// the same name, and the running program announces it, so docks and task bars show the right icon.
QString DesktopFileName(Program program);

// The program's name on the command line and in the manual: "zephlon".
QString CommandName(Program program);

// Names the running application after the program: application name, desktop file name and version.
void IdentifyApplication(Program program);

// Answers --help and --version. It runs before the application exists, so it works without a display;
// other arguments are left to Qt. Returns the exit code when the program should end instead of opening its
// window: also 2, with the reason on standard error, for --replay without a file.
std::optional<int> HandleCommandLine(Program program, const QStringList& arguments, QTextStream& out);

// The file of "--replay FILE" (or "--replay=FILE"): the recorded game the window plays once it is open.
// Empty when there is none.
QString ReplayArgument(const QStringList& arguments);

// The command line as text, before an application object exists to give it.
QStringList ArgumentsOf(int argc, char** argv);

}  // namespace frame
