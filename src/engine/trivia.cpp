// SPDX-License-Identifier: MIT
#include "engine/trivia.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "base/config.h"
#include "base/file_io.h"
#include "database/attributes.h"
#include "database/editor.h"
#include "engine/game.h"
#include "scores/hof.h"

namespace stratavex {

namespace {

// Every file the program replaces by a save; a crash in the middle of one
// leaves its temporary file behind.
std::vector<std::string> savedFiles() {
    std::vector<std::string> names = {"drem.dat", iniFile, hofFile};
    for (std::string& list : listFileNames())
        names.push_back(std::move(list));
    return names;
}

} // namespace

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

    // Half-written saves are never read as the real file, nor left to pile up.
    removeLeftoverSaves(".", savedFiles());
    getini(game);
    game.media.sndlist = "dremsnd.dat";
    getHOF(game.host, game.hof);
    inittables(game);

    return true;
}

} // namespace stratavex
