#pragma once

#include <QMainWindow>

namespace vantorel {

class FormPlunko : public QMainWindow {
    Q_OBJECT
public:
    explicit FormPlunko(QWidget* parent = nullptr);
};

}  // namespace vantorel
