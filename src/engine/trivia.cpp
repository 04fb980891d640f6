// SPDX-License-Identifier: MIT
#include "engine/trivia.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "database/attributes.h"
#include "scores/hof.h"
#include "shell/config.h"
#include "shell/game.h"

namespace stratavex {

bool initgame(Game& game) {
    game.random.seed(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    game.makeonline = false;
    game.triesbase = 6;

    // Every data file is opened by bare name from the program's own folder.
    const std::string folder = game.host.programFolder();
    std::error_code failed;
    std::filesystem::current_path(folder, failed);
    if (failed)
        game.host.message({failed.message() + game.crlf + "initgame " + folder, Buttons::Ok,
                           Icon::Critical, "", false});

    getini(game);
    game.media.sndlist = "dremsnd.dat";
    getHOF(game);
    inittables(game);

    return true;
}

} // namespace stratavex
