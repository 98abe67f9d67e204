#include "web/startdoc.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QWidget>

#include "web/formbrerror.h"

namespace web {

namespace {

UrlOpener& opener() {
    static UrlOpener current;
    return current;
}

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

}  // namespace

void SetUrlOpener(UrlOpener o) {
    opener() = std::move(o);
}

QUrl LaunchableUrl(const QString& docName) {
    const QString text = docName.trimmed();
    if (text.isEmpty() || hasControlCharacter(text)) return {};

    // "host:8080/..." is a host with a port, not a scheme.
    static const QRegularExpression schemeRe(QStringLiteral("^([A-Za-z][A-Za-z0-9+.\\-]*):(.*)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression portRe(QStringLiteral("^[0-9]+([/?#].*)?$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = schemeRe.match(text);
    QString full = text;
    if (!m.hasMatch() || portRe.match(m.captured(2)).hasMatch()) {
        if (!text.at(0).isLetterOrNumber() || text.at(0).unicode() > 0x7F) return {};
        full = QStringLiteral("http://") + text;
    }

    const QUrl url(full, QUrl::TolerantMode);
    if (!url.isValid()) return {};
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https") return url.host().isEmpty() ? QUrl() : url;
    if (scheme == u"mailto") return url.path().isEmpty() ? QUrl() : url;
    return {};
}

int32_t StartDoc(QWidget* mainWindow, const QString& docName, bool bURL) {
    const QUrl url = LaunchableUrl(docName);
    int32_t result = kStartDocRefused;
    if (!url.isEmpty()) {
        const bool opened = opener() ? opener()(url) : QDesktopServices::openUrl(url);
        result = opened ? kStartDocOpened : kStartDocNotFound;
    }
    if (result == kStartDocRefused || (bURL && result == kStartDocNotFound)) {
        FormBrError::ShowFor(mainWindow, docName);
    }
    return result;
}

}  // namespace web
