// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace frame {

// Ends the process with `code` once the program has done all its own work (the close sequence has saved
// what it keeps): standard output and error are flushed, but no exit handler or static destructor runs.
// Qt Multimedia's PulseAudio engine (Qt 6.4) frees its server connection from a static destructor without
// holding its main-loop lock while its own thread still polls that connection, and now and then aborts
// the process there. Every program and test that may have opened an audio output ends through here.
// Under the leak sanitizer the leak check runs first, as it would at a normal exit.
[[noreturn]] void EndProcess(int code);

}  // namespace frame
