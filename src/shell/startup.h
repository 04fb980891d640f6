// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace stratavex {

class Game;

// The main menu's start-up and shut-down, without the window itself. The
// window centres itself, calls startGameEngine, shows the background picture
// (named by the configuration that initgame read) and its labels, then calls
// loadGameFiles.
void startGameEngine(Game& game); // creature name, initgame
void loadGameFiles(Game& game);   // clearlog, loaddb, getMedia
void mainFormLoad(Game& game);    // both of the above, for a start-up without a window
void mainFormUnload(Game& game);  // putini

} // namespace stratavex
