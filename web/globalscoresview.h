// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QtPlugin>
#include <functional>
#include <memory>

class QWidget;

namespace web {

// A web page view embedded in a dialog. The program builds and starts without any browser engine; the
// engine that can show pages comes as a plugin that supplies the views.
class GlobalScoresView {
  public:
    virtual ~GlobalScoresView() = default;
    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& url) = 0;
};

// Creates the view inside parent, or returns nullptr when no engine is available.
using GlobalScoresViewFactory = std::function<std::unique_ptr<GlobalScoresView>(QWidget* parent)>;

// What the browser plugin offers. Its views stay valid only while the plugin is loaded, so a loaded
// plugin is never unloaded.
class GlobalScoresViewPlugin {
  public:
    virtual ~GlobalScoresViewPlugin() = default;
    virtual std::unique_ptr<GlobalScoresView> CreateView(QWidget* parent) = 0;
};

}  // namespace web

#define ARCADE_GLOBAL_SCORES_VIEW_PLUGIN_IID "org.example.quillbyte.GlobalScoresViewPlugin/1.0"
Q_DECLARE_INTERFACE(web::GlobalScoresViewPlugin, ARCADE_GLOBAL_SCORES_VIEW_PLUGIN_IID)
