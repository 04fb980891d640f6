// SPDX-License-Identifier: MIT
#include "shell/startup.h"

#include "database/items.h"
#include "engine/quizlog.h"
#include "engine/trivia.h"
#include "shell/config.h"
#include "shell/game.h"
#include "shell/media.h"

namespace stratavex {

void startGameEngine(Game& game) {
    game.creature = "TRex";
    initgame(game);
}

void loadGameFiles(Game& game) {
    clearlog(game);
    loaddb(game);
    getMedia(game);
}

void mainFormLoad(Game& game) {
    startGameEngine(game);
    loadGameFiles(game);
}

void mainFormUnload(Game& game) {
    putini(game);
}

} // namespace stratavex
