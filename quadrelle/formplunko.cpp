#include "quadrelle/formplunko.h"

namespace quadrelle {

FormPlunko::FormPlunko(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormPlunko"));
    setWindowTitle(QStringLiteral("Quadrelle"));
    resize(400, 500);
}

}  // namespace quadrelle
