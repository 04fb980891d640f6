// SPDX-License-Identifier: MIT
#include "shell/qt_program.h"

#include "base/qt_files.h"
#include "engine/game.h"
#include "shell/game_folder.h"
#include "shell/main_window.h"
#include "shell/qt_host.h"
#include "shell/qt_signals.h"
#include "shell/qt_windows.h"

#include <QApplication>

#include <cstdlib>
#include <string>

namespace stratavex {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

int runProgram(int argc, char* argv[], const std::function<void(QWidget&)>& shown) {
    keepFreedMemoryForReuse();
    QApplication app(argc, argv);
    limitPictureDecoding();
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.varlune.Stratavex"));
    QtHost host;
    // Settled before the main window's start-up reads the first file.
    host.useProgramFolder(chooseGameFolder(
        host, {host.programFolder(), environment("XDG_DATA_HOME"), environment("HOME")}));
    Game game(host);
    host.attach(game);
    registerWindows(host, game);
    main window(game);
    closeOnShutdown(window);
    window.show();
    if (shown)
        shown(window);
    return app.exec();
}

} // namespace stratavex
