#pragma once

#include <QMainWindow>

class FormZephlon : public QMainWindow {
    Q_OBJECT
public:
    explicit FormZephlon(QWidget* parent = nullptr);
};
