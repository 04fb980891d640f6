// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

namespace stratavex {

// The whole program: sets up the process, settles the game's folder, starts
// the game on the main menu and runs the event loop until the menu closes.
// shown, when given, is called with the menu once it is shown and before the
// event loop starts (the start-up benchmark uses it to notice the first idle
// turn). Returns the exit code.
int runProgram(int argc, char* argv[], const std::function<void(QWidget&)>& shown = {});

} // namespace stratavex
