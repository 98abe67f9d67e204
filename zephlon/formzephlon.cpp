#include "zephlon/formzephlon.h"

FormZephlon::FormZephlon(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormZephlon"));
    setWindowTitle(QStringLiteral("Zephlon"));
    resize(385, 435);
}
