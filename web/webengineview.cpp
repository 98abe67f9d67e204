#include "web/webengineview.h"

#include <QFileInfo>
#include <QLibraryInfo>
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

bool engineAvailable() {
    // The engine renders in a helper process; without it no page can ever be shown.
    if (!qEnvironmentVariableIsEmpty("QTWEBENGINEPROCESS_PATH")) {
        return QFileInfo(qEnvironmentVariable("QTWEBENGINEPROCESS_PATH")).isExecutable();
    }
    const QString dir = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath);
    return QFileInfo(dir + QStringLiteral("/QtWebEngineProcess")).isExecutable();
}

}  // namespace

GlobalScoresViewFactory WebEngineScoresViewFactory() {
    if (!engineAvailable()) return {};
    return [](QWidget* parent) -> std::unique_ptr<GlobalScoresView> {
        return std::make_unique<WebEngineScoresView>(parent);
    };
}

}  // namespace web
