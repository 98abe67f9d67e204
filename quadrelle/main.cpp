// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>
#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <memory>

#include "dialogs/art.h"
#include "frame/desktop.h"
#include "frame/endprocess.h"
#include "frame/translations.h"
#include "quadrelle/formplunko.h"

namespace {

int run(int argc, char** argv) {
    QTextStream out(stdout);
    const QStringList arguments = frame::ArgumentsOf(argc, argv);
    if (const auto code = frame::HandleCommandLine(frame::Program::Quadrelle, arguments, out)) return *code;
    // The embedded browser refuses to start its sandbox for the root user; without this the global lists
    // would stay blank when the game is run as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QApplication app(argc, argv);
    frame::IdentifyApplication(frame::Program::Quadrelle);
    frame::InstallTranslations(app);
    QApplication::setWindowIcon(dialogs::ProgramIcon(frame::Program::Quadrelle));
    quadrelle::FormPlunko window;
    window.show();
    // The clock only ticks for the active window: make sure it is, however the desktop places it.
    window.activateWindow();
    if (const QString replay = frame::ReplayArgument(arguments); !replay.isEmpty()) window.WatchFile(replay);
    // Gamepads start once the window is up: SDL takes some milliseconds to look for controllers.
    std::unique_ptr<frame::Gamepads> pads;
    QTimer::singleShot(0, &window, [&window, &pads] {
        pads = std::make_unique<frame::Gamepads>();
        window.SetGamepads(*pads);
    });
    return QApplication::exec();
}

}  // namespace

// Ends without exit handlers: see EndProcess.
int main(int argc, char** argv) {
    frame::EndProcess(run(argc, argv));
}
