#include <QApplication>
#include <QTextStream>

#include "dialogs/art.h"
#include "frame/desktop.h"
#include "vantorel/formplunko.h"

int main(int argc, char** argv) {
    QTextStream out(stdout);
    if (const auto code =
            frame::HandleCommandLine(frame::Program::Vantorel, frame::ArgumentsOf(argc, argv), out))
        return *code;
    QApplication app(argc, argv);
    frame::IdentifyApplication(frame::Program::Vantorel);
    QApplication::setWindowIcon(dialogs::ProgramIcon(frame::Program::Vantorel));
    vantorel::FormPlunko window;
    window.show();
    return QApplication::exec();
}
