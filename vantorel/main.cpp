// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <memory>

#include "dialogs/art.h"
#include "frame/desktop.h"
#include "frame/endprocess.h"
#include "frame/translations.h"
#include "vantorel/formplunko.h"

namespace {

int run(int argc, char** argv) {
    QTextStream out(stdout);
    const QStringList arguments = frame::ArgumentsOf(argc, argv);
    if (const auto code = frame::HandleCommandLine(frame::Program::Vantorel, arguments, out)) return *code;
    QApplication app(argc, argv);
    frame::IdentifyApplication(frame::Program::Vantorel);
    frame::InstallTranslations(app);
    QApplication::setWindowIcon(dialogs::ProgramIcon(frame::Program::Vantorel));
    vantorel::FormPlunko window;
    window.show();
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
