// SPDX-License-Identifier: MIT
#include "shell/startup.h"

#include "base/config.h"
#include "base/media.h"
#include "base/quizlog.h"
#include "database/items.h"
#include "engine/game.h"
#include "engine/trivia.h"

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
