// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "web/formwebhighscorequadrelle.h"

namespace web {

// The embedded browser Quadrelle's global-list dialog shows pages with: the browser plugin, looked for
// next to the program, then in its install folder (and, for a program run from the build folder, where
// the build puts it). Empty when the plugin is missing, is not ours, or the engine's helper process is
// not installed; all of that is read without loading the plugin or the engine. The plugin is loaded when
// the first view is made; if that fails the factory gives no view (nullptr) from then on.
GlobalScoresViewFactory DefaultGlobalScoresViewFactory();

// The plugin file DefaultGlobalScoresViewFactory would load, or an empty text when there is none.
QString BrowserPluginPath();

// Replaces what DefaultGlobalScoresViewFactory gives, so window tests never load the engine (an empty
// factory: no browser). std::nullopt restores the plugin.
void SetGlobalScoresViewFactory(std::optional<GlobalScoresViewFactory> factory);

}  // namespace web
