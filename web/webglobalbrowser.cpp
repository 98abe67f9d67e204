// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webglobalbrowser.h"

#include <QtGui/qtguiglobal.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>

#if QT_CONFIG(opengl)
#include <QOpenGLContext>

QT_BEGIN_NAMESPACE
// Exported by Qt GUI for modules such as Qt WebEngine; no public header declares it.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE
#endif

namespace web {

namespace {

std::optional<GlobalScoresViewFactory>& replacement() {
    static std::optional<GlobalScoresViewFactory> factory;
    return factory;
}

QString canonicalFolder(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

// Folders that may hold the plugin, in the order they are tried.
QStringList pluginFolders() {
    const QString programFolder = canonicalFolder(QCoreApplication::applicationDirPath());
    QStringList folders = {
        programFolder, QDir::cleanPath(programFolder + QStringLiteral("/" ARCADE_BROWSER_PLUGIN_FROM_BIN))};
    // Tests and tools built beside the programs find the plugin where the build leaves it; an installed
    // program never looks there.
    const QString build = canonicalFolder(QStringLiteral(ARCADE_BUILD_FOLDER));
    if (programFolder == build || programFolder.startsWith(build + u'/'))
        folders << canonicalFolder(QStringLiteral(ARCADE_BROWSER_PLUGIN_BUILD_FOLDER));
    return folders;
}

// The engine draws pages in a helper process; without it no page can ever be shown.
bool engineHelperInstalled() {
    if (!qEnvironmentVariableIsEmpty("QTWEBENGINEPROCESS_PATH"))
        return QFileInfo(qEnvironmentVariable("QTWEBENGINEPROCESS_PATH")).isExecutable();
    const QString folder = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath);
    return QFileInfo(folder + QStringLiteral("/QtWebEngineProcess")).isExecutable();
}

// Qt WebEngine draws with OpenGL contexts shared with the windows' and needs Qt's global share context:
// without it the engine crashes. Qt::AA_ShareOpenGLContexts would make that context when the program
// starts and so load the GL drivers in every run; it is made here instead, just before the engine loads,
// the way Qt makes it. Where OpenGL cannot be had the context stays invalid and the engine draws
// without it.
void shareOpenGLContexts() {
#if QT_CONFIG(opengl)
    if (qt_gl_global_share_context()) return;
    auto* context = new QOpenGLContext(qApp);
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
#endif
}

// The plugin, loaded on the first call. It stays loaded: the views it made depend on its code.
class PluginHandle {
  public:
    explicit PluginHandle(const QString& path) : loader_(path) {
        loader_.setLoadHints(QLibrary::PreventUnloadHint);
    }
    GlobalScoresViewPlugin* Plugin() {
        if (!tried_) {
            tried_ = true;
            shareOpenGLContexts();
            plugin_ = qobject_cast<GlobalScoresViewPlugin*>(loader_.instance());
            if (!plugin_)
                qWarning("The embedded browser could not be loaded: %s", qPrintable(loader_.errorString()));
        }
        return plugin_;
    }

  private:
    QPluginLoader loader_;
    bool tried_ = false;
    GlobalScoresViewPlugin* plugin_ = nullptr;
};

}  // namespace

QString BrowserPluginPath() {
    for (const QString& folder : pluginFolders()) {
        const QString path = folder + QStringLiteral("/" ARCADE_BROWSER_PLUGIN_FILE);
        if (!QFileInfo(path).isFile()) continue;
        // Read from the file alone: the engine is not loaded to answer this.
        const QJsonObject meta = QPluginLoader(path).metaData();
        if (meta.value(QStringLiteral("IID")).toString() ==
            QStringLiteral(ARCADE_GLOBAL_SCORES_VIEW_PLUGIN_IID))
            return path;
    }
    return {};
}

GlobalScoresViewFactory DefaultGlobalScoresViewFactory() {
    if (replacement()) return *replacement();
    const QString path = BrowserPluginPath();
    if (path.isEmpty() || !engineHelperInstalled()) return {};
    auto handle = std::make_shared<PluginHandle>(path);
    return [handle](QWidget* parent) -> std::unique_ptr<GlobalScoresView> {
        GlobalScoresViewPlugin* plugin = handle->Plugin();
        return plugin ? plugin->CreateView(parent) : nullptr;
    };
}

void SetGlobalScoresViewFactory(std::optional<GlobalScoresViewFactory> factory) {
    replacement() = std::move(factory);
}

}  // namespace web
