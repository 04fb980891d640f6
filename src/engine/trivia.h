// SPDX-License-Identifier: MIT
#pragma once

namespace stratavex {

class Game;

// The start-up of the game engine: random seed, the program folder as the
// current folder, the configuration, file names and tables.
bool initgame(Game& game);

} // namespace stratavex
