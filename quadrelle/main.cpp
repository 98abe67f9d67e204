#include <QApplication>

#include "quadrelle/formplunko.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quadrelle"));
    quadrelle::FormPlunko window;
    window.show();
    return QApplication::exec();
}
