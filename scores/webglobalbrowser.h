#pragma once

// The browser engine Quadrelle embeds, chosen when the program is built. Include only from code
// that links quadrelle_web when it exists (the Quadrelle window and its tests).

#include "scores/formwebhighscorequadrelle.h"

#if defined(ARCADE_HAVE_WEBENGINE)
#include "scores/webengineview.h"
#endif

namespace scores {

inline GlobalScoresViewFactory DefaultGlobalScoresViewFactory() {
#if defined(ARCADE_HAVE_WEBENGINE)
    return WebEngineScoresViewFactory();
#else
    return {};
#endif
}

}  // namespace scores
