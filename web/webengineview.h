#pragma once

#include "web/formwebhighscorequadrelle.h"

namespace web {

// A factory of Qt WebEngine views, or an empty one when the engine's helper process is missing
// (the availability test done at start-up).
GlobalScoresViewFactory WebEngineScoresViewFactory();

}  // namespace web
