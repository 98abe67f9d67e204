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
    // Asked about every page the view is to show (a link, a form, a script, a redirect, Navigate) and
    // about every new window the player asks for (newWindow; windows a page opens by itself are never
    // asked about). True lets the view show the page; false keeps it where it is, and the filter may
    // have handed the link to the desktop instead. Without a filter the view shows http and https
    // pages and hands nothing on: the engine would give any other link type to the desktop.
    using LinkFilter = std::function<bool(const QUrl& url, bool newWindow)>;

    // How the load of a page ended. httpStatus is the server's answer (0 when none came: no
    // connection, no such host, an aborted load); retryAfter the seconds the server asked to wait,
    // -1 when it said nothing or the engine cannot tell.
    struct LoadResult {
        QUrl url;  // the page asked for
        bool ok = false;
        int httpStatus = 0;
        int retryAfter = -1;
    };
    using LoadFinished = std::function<void(const LoadResult& result)>;

    virtual ~GlobalScoresView() = default;
    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& url) = 0;
    virtual void SetLinkFilter(LinkFilter filter) = 0;
    // Told once for every page load that ends, failed or not, so that a page loaded unseen can still
    // report a refusal.
    virtual void SetLoadFinished(LoadFinished finished) = 0;
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

#define ARCADE_GLOBAL_SCORES_VIEW_PLUGIN_IID "org.example.quillbyte.GlobalScoresViewPlugin/1.2"
Q_DECLARE_INTERFACE(web::GlobalScoresViewPlugin, ARCADE_GLOBAL_SCORES_VIEW_PLUGIN_IID)
