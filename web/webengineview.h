// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "web/globalscoresview.h"

namespace web {

// The browser plugin: Qt WebEngine views for Quadrelle's global-list dialog. Built as a module of its
// own and loaded only when the dialog or an upload first needs a view, so the program starts without
// the engine.
class WebEngineViewPlugin : public QObject, public GlobalScoresViewPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ARCADE_GLOBAL_SCORES_VIEW_PLUGIN_IID FILE "webengineview.json")
    Q_INTERFACES(web::GlobalScoresViewPlugin)
  public:
    std::unique_ptr<GlobalScoresView> CreateView(QWidget* parent) override;
};

}  // namespace web
