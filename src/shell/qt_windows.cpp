// SPDX-License-Identifier: MIT
#include "shell/qt_windows.h"

#include "shell/game.h"
#include "shell/qt_host.h"

namespace stratavex {

namespace {

// Shows a window of type W on the game modally; it is destroyed when it closes.
template <typename W>
void showOn(QtHost& host, Game& game, WindowId id) {
    host.registerWindow(id, [&game] {
        W window(game);
        window.exec();
    });
}

} // namespace

void registerWindows(QtHost& host, Game& game) {
    (void)host;
    (void)game;
}

} // namespace stratavex
