// SPDX-License-Identifier: MIT
#include "shell/game.h"
#include "shell/main_window.h"
#include "shell/qt_host.h"
#include "shell/qt_signals.h"
#include "shell/qt_windows.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    stratavex::keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    stratavex::QtHost host;
    stratavex::Game game(host);
    host.attach(game);
    stratavex::registerWindows(host, game);
    stratavex::main window(game);
    stratavex::closeOnShutdown(window);
    window.show();
    return app.exec();
}
