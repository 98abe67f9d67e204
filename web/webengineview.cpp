// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webengineview.h"

#include <QWebEngineView>

namespace web {

namespace {

class WebEngineScoresView : public GlobalScoresView {
  public:
    explicit WebEngineScoresView(QWidget* parent) : view_(new QWebEngineView(parent)) {
        view_->setObjectName(QStringLiteral("WebBrowser1"));
        view_->setMinimumSize(320, 240);
    }
    QWidget* Widget() override { return view_; }
    void Navigate(const QUrl& url) override { view_->load(url); }

  private:
    QWebEngineView* view_;  // owned by its parent widget
};

}  // namespace

std::unique_ptr<GlobalScoresView> WebEngineViewPlugin::CreateView(QWidget* parent) {
    return std::make_unique<WebEngineScoresView>(parent);
}

}  // namespace web
