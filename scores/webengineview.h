#pragma once

#include "scores/formwebhighscorequadrelle.h"

namespace scores {

// A factory of Qt WebEngine views, or an empty one when the engine's helper process is missing
// (the availability test done at start-up).
GlobalScoresViewFactory WebEngineScoresViewFactory();

}  // namespace scores
