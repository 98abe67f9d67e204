#include <unistd.h>
#include <QApplication>

#include "dialogs/art.h"
#include "quadrelle/formplunko.h"

int main(int argc, char** argv) {
    // The embedded browser refuses to start its sandbox for the root user; without this the global lists
    // would stay blank when the game is run as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrelle"));
    QApplication::setWindowIcon(dialogs::ProgramIcon(frame::Program::Quadrelle));
    quadrelle::FormPlunko window;
    window.show();
    // The clock only ticks for the active window: make sure it is, however the desktop places it.
    window.activateWindow();
    return QApplication::exec();
}
