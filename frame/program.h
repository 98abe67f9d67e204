// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace frame {

// The three programs built on the shared frame.
enum class Program { Zephlon, Quadrelle, Vantorel };

// Application name in the settings store, window captions and message boxes.
QString ProgramName(Program program);

}  // namespace frame
