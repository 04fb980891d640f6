// SPDX-License-Identifier: MIT
// The program's start-up, exactly as main.cpp wires it, ending on the first
// idle turn of the event loop once the main window is shown. It lives in a
// program folder of its own with a copy of the game data.
#include "idle_signal.h"
#include "shell/game.h"
#include "shell/main_window.h"
#include "shell/qt_host.h"
#include "shell/qt_signals.h"
#include "shell/qt_windows.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    stratavex::keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    stratavex::QtHost host;
    stratavex::Game game(host);
    host.attach(game);
    stratavex::registerWindows(host, game);
    stratavex::main window(game);
    stratavex::closeOnShutdown(window);
    window.show();
    stratavex::bench::reportIdleAndQuit(window);
    return app.exec();
}
