#pragma once

// The browser engine Quadrelle embeds, chosen when the program is built. Include only from code
// that links quadrelle_web when it exists (the Quadrelle window and its tests).

#include "web/formwebhighscorequadrelle.h"

#if defined(ARCADE_HAVE_WEBENGINE)
#include "web/webengineview.h"
#endif

namespace web {

inline GlobalScoresViewFactory DefaultGlobalScoresViewFactory() {
#if defined(ARCADE_HAVE_WEBENGINE)
    return WebEngineScoresViewFactory();
#else
    return {};
#endif
}

}  // namespace web
