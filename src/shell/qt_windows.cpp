// SPDX-License-Identifier: MIT
#include "shell/qt_windows.h"

#include "database/dremedit_window.h"
#include "engine/game.h"
#include "engine/setup_window.h"
#include "scores/HOF_window.h"
#include "scores/NameEntry_window.h"
#include "scores/showscor_window.h"
#include "screens/Ioddout_window.h"
#include "screens/NameMe_window.h"
#include "screens/imatch_window.h"
#include "screens/mchoice_window.h"
#include "screens/qmatch_window.h"
#include "screens/qoddout_window.h"
#include "screens/qsort_window.h"
#include "screens/quote_window.h"
#include "shell/qt_host.h"

namespace stratavex {

namespace {

// Shows a window of type W on the game modally; it is destroyed when it closes.
template <typename W> void showOn(QtHost& host, Game& game, WindowId id) {
    host.registerWindow(id, [&game] {
        W window(game);
        window.exec();
    });
}

} // namespace

void registerWindows(QtHost& host, Game& game) {
    showOn<setup>(host, game, WindowId::setup);
    showOn<dremedit>(host, game, WindowId::dremedit);
    showOn<showscor>(host, game, WindowId::showscor);
    showOn<HOF>(host, game, WindowId::HOF);
    showOn<NameEntry>(host, game, WindowId::NameEntry);
    showOn<mchoice>(host, game, WindowId::mchoice);
    showOn<quote>(host, game, WindowId::quote);
    showOn<qsort>(host, game, WindowId::qsort);
    showOn<qoddout>(host, game, WindowId::qoddout);
    showOn<Ioddout>(host, game, WindowId::Ioddout);
    showOn<imatch>(host, game, WindowId::imatch);
    showOn<qmatch>(host, game, WindowId::qmatch);
    showOn<NameMe>(host, game, WindowId::NameMe);
}

} // namespace stratavex
