// SPDX-License-Identifier: MIT
#pragma once

namespace stratavex {

class Game;

// The Play action: a game from a zero score to the final message and the
// Hall of Fame.
void playgame(Game& game);

// Asks nquest questions of the selected question types.
void runquestions(Game& game);

} // namespace stratavex
