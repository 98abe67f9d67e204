#include <QApplication>

#include "vantorel/formplunko.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantorel"));
    vantorel::FormPlunko window;
    window.show();
    return QApplication::exec();
}
