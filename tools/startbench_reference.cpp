// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of tools/startbench: the least a Qt Widgets program with a menu bar costs to start.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Reference"));
    window.menuBar()
        ->addMenu(QStringLiteral("&Game"))
        ->addAction(QStringLiteral("&Exit"), &app, &QApplication::quit);
    window.resize(380, 600);
    window.show();
    return QApplication::exec();
}
