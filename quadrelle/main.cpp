#include <QApplication>

#include "dialogs/art.h"
#include "quadrelle/formplunko.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrelle"));
    QApplication::setWindowIcon(dialogs::ProgramIcon(frame::Program::Quadrelle));
    quadrelle::FormPlunko window;
    window.show();
    // The clock only ticks for the active window: make sure it is, however the desktop places it.
    window.activateWindow();
    return QApplication::exec();
}
