// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>

#include "bench_support.h"
#include "shell/qt_host.h"

class QWidget;

namespace stratavex::bench {

// A game over the given database in a program folder of its own, which is
// also the current folder, as the program runs: its windows find their files
// there.
struct GameInFolder {
    explicit GameInFolder(const std::string& database);

    TempDir folder;
    CurrentDir here{folder.path()};
    QtHost host;
    Game game{host};
};

// Shows a window and returns once it is exposed and the event loop has
// nothing left to do for it, so the window has been painted.
void showUntilIdle(QWidget& window);

double milliseconds(std::chrono::steady_clock::duration d);

} // namespace stratavex::bench
