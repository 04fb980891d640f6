// SPDX-License-Identifier: MIT
#pragma once

namespace stratavex {

class Game;

// Writes the running score into the score display's Label2.
void scoreCaption(Game& game);

} // namespace stratavex
