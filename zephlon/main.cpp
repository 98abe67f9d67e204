#include <QApplication>
#include <memory>

#include "dialogs/art.h"
#include "dialogs/formsplash.h"
#include "zephlon/formzephlon.h"

// The start routine: the splash shows first and opens the main window when it ends.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zephlon"));
    QApplication::setWindowIcon(dialogs::ProgramIcon(frame::Program::Zephlon));
    std::unique_ptr<FormZephlon> window;
    dialogs::FormSplash splash([&window] {
        window = std::make_unique<FormZephlon>();
        window->show();
        window->activateWindow();  // the game clock runs only while the main window is active
    });
    splash.ShowCentred();
    return QApplication::exec();
}
