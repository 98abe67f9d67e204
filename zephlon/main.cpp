#include <QApplication>

#include "zephlon/formzephlon.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zephlon"));
    FormZephlon window;
    window.show();
    return QApplication::exec();
}
