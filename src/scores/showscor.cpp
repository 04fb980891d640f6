// SPDX-License-Identifier: MIT
#include "scores/showscor.h"

#include "shell/fields.h"
#include "shell/game.h"

namespace stratavex {

void scoreCaption(Game& game) {
    const ScoreRecord& p = game.player;
    game.showscor.Label2 =
        "Current score: " + str(p.score) + " of " + str(p.possible) + "  (" + str(p.pct) + "%)";
}

} // namespace stratavex
