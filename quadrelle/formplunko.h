#pragma once

#include <QMainWindow>

namespace quadrelle {

class FormPlunko : public QMainWindow {
    Q_OBJECT
public:
    explicit FormPlunko(QWidget* parent = nullptr);
};

}  // namespace quadrelle
