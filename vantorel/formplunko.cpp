#include "vantorel/formplunko.h"

namespace vantorel {

FormPlunko::FormPlunko(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormPlunko"));
    setWindowTitle(QStringLiteral("Vantorel"));
    resize(400, 500);
}

}  // namespace vantorel
