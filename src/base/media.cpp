// SPDX-License-Identifier: MIT
#include "base/media.h"

#include "base/fields.h"
#include "base/file_io.h"
#include "base/file_limits.h"
#include "base/program_state.h"

namespace stratavex {

void playsfx(ProgramState& game, int n) {
    if (game.settings.soundon == 0)
        return;
    if (n < 0 || n > nSounds) {
        game.host.message({"Subscript out of range" + game.crlf + "playsfx  " + str(n), Buttons::Ok,
                           Icon::Critical, "", false});
        soundFailed(game);
        return;
    }
    const std::string& file = game.media.sndfile[static_cast<std::size_t>(n)];
    if (file.empty() || !game.host.playSound(file))
        soundFailed(game);
}

void soundFailed(ProgramState& game) {
    game.settings.soundon = 0;
}

void getMedia(ProgramState& game) {
    Media& media = game.media;
    media.sndfile.fill("");
    const std::string path = game.host.programFolder() + "/" + media.sndlist;
    std::string list;
    const FileResult read = readWholeFile(path, list, largestSoundList);
    if (!read.ok) {
        game.host.message(
            {str(read.error) + " " + read.text + game.crlf + "getMedia " + media.sndlist,
             Buttons::Ok, Icon::Critical, "", false});
        soundFailed(game);
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
