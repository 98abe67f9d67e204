#include <QApplication>

#include "dialogs/art.h"
#include "vantorel/formplunko.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    QApplication::setWindowIcon(dialogs::ProgramIcon(frame::Program::Vantorel));
    vantorel::FormPlunko window;
    window.show();
    return QApplication::exec();
}
