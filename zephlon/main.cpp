// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <memory>

#include "dialogs/art.h"
#include "dialogs/formsplash.h"
#include "frame/desktop.h"
#include "frame/endprocess.h"
#include "frame/translations.h"
#include "zephlon/formzephlon.h"

namespace {

// The start routine: the splash shows first and opens the main window when it ends.
int run(int argc, char** argv) {
    QTextStream out(stdout);
    const QStringList arguments = frame::ArgumentsOf(argc, argv);
    if (const auto code = frame::HandleCommandLine(frame::Program::Zephlon, arguments, out)) return *code;
    const QString replay = frame::ReplayArgument(arguments);
    QApplication app(argc, argv);
    frame::IdentifyApplication(frame::Program::Zephlon);
    frame::InstallTranslations(app);
    QApplication::setWindowIcon(dialogs::ProgramIcon(frame::Program::Zephlon));
    std::unique_ptr<FormZephlon> window;
    std::unique_ptr<frame::Gamepads> pads;
    dialogs::FormSplash splash([&window, &pads, &replay] {
        window = std::make_unique<FormZephlon>();
        window->show();
        window->activateWindow();  // the game clock runs only while the main window is active
        if (!replay.isEmpty()) window->WatchFile(replay);
        // Gamepads start once the window is up: SDL takes some milliseconds to look for controllers.
        QTimer::singleShot(0, window.get(), [&window, &pads] {
            pads = std::make_unique<frame::Gamepads>();
            window->SetGamepads(*pads);
        });
    });
    splash.ShowCentred();
    return QApplication::exec();
}

}  // namespace

// Ends without exit handlers: see EndProcess.
int main(int argc, char** argv) {
    frame::EndProcess(run(argc, argv));
}
