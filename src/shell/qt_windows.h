// SPDX-License-Identifier: MIT
#pragma once

namespace stratavex {

class Game;
class QtHost;

// Tells the host how to show each of the program's modal windows.
void registerWindows(QtHost& host, Game& game);

} // namespace stratavex
