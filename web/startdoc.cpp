// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/startdoc.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWidget>
#include <memory>

#include "frame/settingsstore.h"
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

int& runningOpeners() {
    static int count = 0;
    return count;
}

// What StartDoc hands to the desktop: known at once (opened or not found) or pending until the opener
// exits.
enum class Launch { Opened, NotFound, Pending };

// Runs xdg-open in the background: it returns only once it has handed the link to a program, and some
// browsers keep it waiting until they close. Its exit status is the only news of a failure (3: no
// program for links, 4: the program failed), so failedLater() runs when it exits. A failure to start
// known before start() returns is answered as NotFound instead.
Launch runDesktopOpener(const QString& program, const QUrl& url, std::function<void()> failedLater) {
    // Without a parent: a browser that keeps the opener waiting may outlive every window.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    struct Run {
        Launch state = Launch::Pending;
        bool starting = true;
    };
    auto run = std::make_shared<Run>();
    auto settle = [process, run, failedLater = std::move(failedLater)](bool opened) {
        if (run->state != Launch::Pending) return;
        run->state = opened ? Launch::Opened : Launch::NotFound;
        --runningOpeners();
        process->deleteLater();
        if (!opened && !run->starting) failedLater();
    };
    QObject::connect(process, &QProcess::finished, process, [settle](int code, QProcess::ExitStatus status) {
        settle(status == QProcess::NormalExit && code == 0);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [settle](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) settle(false);
    });
    ++runningOpeners();
    process->start();
    run->starting = false;
    return run->state == Launch::NotFound ? Launch::NotFound : Launch::Pending;
}

}  // namespace

void SetUrlOpener(UrlOpener o) {
    opener() = std::move(o);
}

int RunningOpeners() {
    return runningOpeners();
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

bool UsableScoreServer(const QString& server) {
    const QString scheme = LaunchableUrl(server).scheme();
    return scheme == u"http" || scheme == u"https";
}

namespace {

class ScoreServerTexts {
    Q_DECLARE_TR_FUNCTIONS(web::ScoreServer)
  public:
    static QString Unusable(frame::Program program, const QString& server) {
        QString where;
        switch (program) {
            case frame::Program::Zephlon:
                where = tr("Type a web address under Options > Score Server...");
                break;
            case frame::Program::Quadrelle:
                where =
                    tr("Type a web address into the \"Score Server:\" field of the global highscores "
                       "window and press \"Go\".");
                break;
            case frame::Program::Vantorel:
                where = tr("With the game closed, set the WebServer key in the [Options] section of %1 to a "
                           "web address.")
                            .arg(frame::SettingsStore::DefaultDirectory() + u'/' +
                                 frame::ProgramName(program) + QStringLiteral(".ini"));
                break;
        }
        return tr("The score server \"%1\" cannot be used: a score server is a web address (http or "
                  "https), such as scores.example.org/arcade.")
                   .arg(server.trimmed()) +
               u'\n' + where;
    }
};

}  // namespace

QString UnusableServerMessage(frame::Program program, const QString& server) {
    return ScoreServerTexts::Unusable(program, server);
}

void InformUnusableServer(QWidget* mainWindow, frame::Program program, const QString& server) {
    QMessageBox box(QMessageBox::Warning, frame::ProgramName(program), UnusableServerMessage(program, server),
                    QMessageBox::Ok, mainWindow);
    box.setObjectName(QStringLiteral("UnusableServer"));
    // The setting is shown as it is, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int32_t StartDoc(QWidget* mainWindow, const QString& docName, bool bURL) {
    const QUrl url = LaunchableUrl(docName);
    if (url.isEmpty()) {
        FormBrError::ShowFor(mainWindow, docName);
        return kStartDocRefused;
    }
    Launch launch = Launch::NotFound;
    if (opener()) {
        launch = opener()(url) ? Launch::Opened : Launch::NotFound;
    } else if (const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
               !xdgOpen.isEmpty()) {
        // The dialog belongs to the window that asked; a window gone meanwhile needs no dialog.
        const QPointer<QWidget> window(mainWindow);
        const bool hadWindow = mainWindow != nullptr;
        launch = runDesktopOpener(xdgOpen, url, [window, hadWindow, docName, bURL] {
            if (bURL && (window || !hadWindow)) FormBrError::ShowFor(window, docName);
        });
    } else {
        launch = QDesktopServices::openUrl(url) ? Launch::Opened : Launch::NotFound;
    }
    if (launch == Launch::NotFound) {
        if (bURL) FormBrError::ShowFor(mainWindow, docName);
        return kStartDocNotFound;
    }
    return kStartDocOpened;
}

}  // namespace web
