// SPDX-License-Identifier: MIT
#include "shell/game.h"
#include "shell/game_folder.h"
#include "shell/main_window.h"
#include "shell/qt_host.h"
#include "shell/qt_signals.h"
#include "shell/qt_windows.h"

#include <QApplication>

#include <cstdlib>
#include <string>

namespace {

std::string environment(const char *name) {
    const char *value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

int main(int argc, char *argv[]) {
    stratavex::keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.varlune.Stratavex"));
    stratavex::QtHost host;
    // Settled before the main window's start-up reads the first file.
    host.useProgramFolder(stratavex::chooseGameFolder(
        host, {host.programFolder(), environment("XDG_DATA_HOME"), environment("HOME")}));
    stratavex::Game game(host);
    host.attach(game);
    stratavex::registerWindows(host, game);
    stratavex::main window(game);
    stratavex::closeOnShutdown(window);
    window.show();
    return app.exec();
}
