// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webengineview.h"

#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace web {

namespace {

bool isWebPage(const QUrl& url) {
    return url.scheme() == u"http" || url.scheme() == u"https";
}

// The engine asks the page about every navigation, including links of a type it cannot show itself,
// which it would then give to the desktop's opener (QDesktopServices) unasked. Every one of them goes
// through the view's filter instead.
class FilteredPage : public QWebEnginePage {
  public:
    explicit FilteredPage(QObject* parent) : QWebEnginePage(parent) {
        // Not handled here, so the engine's own new window (none: the view makes none) is not made.
        connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
            if (request.isUserInitiated() && filter) filter(request.requestedUrl(), true);
        });
        // An answer of 400 or more ends as a failed load whose error code is the HTTP status. The
        // engine does not hand on the answer's headers, so a Retry-After stays unknown here.
        connect(this, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
            if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus || !finished) return;
            GlobalScoresView::LoadResult result;
            result.url = info.url();
            result.ok = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
            if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain) {
                result.httpStatus = info.errorCode();
            }
            finished(result);
        });
    }
    GlobalScoresView::LinkFilter filter;
    GlobalScoresView::LoadFinished finished;

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        return filter ? filter(url, false) : isWebPage(url);
    }
};

class WebEngineScoresView : public GlobalScoresView {
  public:
    explicit WebEngineScoresView(QWidget* parent) : view_(new QWebEngineView(parent)) {
        view_->setObjectName(QStringLiteral("WebBrowser1"));
        view_->setMinimumSize(320, 240);
        page_ = new FilteredPage(view_);
        view_->setPage(page_);
    }
    QWidget* Widget() override { return view_; }
    void Navigate(const QUrl& url) override { view_->load(url); }
    void SetLinkFilter(LinkFilter filter) override { page_->filter = std::move(filter); }
    void SetLoadFinished(LoadFinished finished) override { page_->finished = std::move(finished); }

  private:
    QWebEngineView* view_;  // owned by its parent widget
    FilteredPage* page_;    // owned by the view
};

}  // namespace

std::unique_ptr<GlobalScoresView> WebEngineViewPlugin::CreateView(QWidget* parent) {
    return std::make_unique<WebEngineScoresView>(parent);
}

}  // namespace web
