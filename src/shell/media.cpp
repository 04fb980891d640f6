// SPDX-License-Identifier: MIT
#include "shell/media.h"

#include "shell/fields.h"
#include "shell/file_io.h"
#include "shell/game.h"

namespace stratavex {

void playsfx(Game& game, int n) {
    if (game.settings.soundon == 0)
        return;
    if (n < 0 || n > nSounds) {
        game.host.message({"Subscript out of range" + game.crlf + "playsfx  " + str(n), Buttons::Ok,
                           Icon::Critical, "", false});
        game.settings.soundon = 0;
        return;
    }
    const std::string& file = game.media.sndfile[static_cast<std::size_t>(n)];
    // A sound that cannot be played turns the effects off for the rest of the run.
    if (file.empty() || !game.host.playSound(file))
        game.settings.soundon = 0;
}

void getMedia(Game& game) {
    Media& media = game.media;
    media.sndfile.fill("");
    const std::string path = game.host.programFolder() + "/" + media.sndlist;
    std::string list;
    const FileResult read = readWholeFile(path, list);
    if (!read.ok) {
        game.host.message(
            {str(read.error) + " " + read.text + game.crlf + "getMedia " + media.sndlist,
             Buttons::Ok, Icon::Critical, "", false});
        game.settings.soundon = 0;
        return;
    }
    FieldReader in(list);
    for (int n = 0; n < nSounds; ++n) {
        auto name = in.readString();
        if (!name) {
            // A short list keeps the names it has.
            playsfx(game, sfx::right);
            return;
        }
        media.sndfile[static_cast<std::size_t>(n)] = std::move(*name);
    }
}

} // namespace stratavex
