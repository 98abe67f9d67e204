// SPDX-License-Identifier: GPL-3.0-or-later
// Quadrelle's window for the accessibility test: it shows the window, says "ready", and on "erase" from its
// standard input fills the bottom row and lets the falling piece land, so the row is erased as in a game.
#include <QApplication>
#include <QSocketNotifier>
#include <cstdio>
#include <iostream>
#include <string>

#include "frame/desktop.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    frame::IdentifyApplication(frame::Program::Quadrelle);
    testsupport::TempSettings settings;
    testsupport::QuadrelleWindow window;
    quadrelle::FormPlunko& w = window.w;
    if (!window.Activate()) return 2;
    std::printf("ready\n");
    std::fflush(stdout);

    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        std::string line;
        if (!std::getline(std::cin, line) || line == "quit") {
            input.setEnabled(false);
            QApplication::quit();
            return;
        }
        if (line == "erase") {
            w.Start->trigger();
            for (int x = 1; x <= quadrelle::kWellColumns; ++x)
                w.Game().SetCell(x, quadrelle::kWellRows, true, 3);
            for (int tick = 0; tick < 200 && w.Game().Score() < 100; ++tick)
                w.Timer1_Timer();
            std::printf("erased %d\n", w.Game().Score());
            std::fflush(stdout);
        }
    });
    return QApplication::exec();
}
