// SPDX-License-Identifier: MIT
#include "scores/nameentry.h"

#include <algorithm>

#include "base/fields.h"
#include "base/media.h"
#include "scores/score_state.h"

namespace stratavex {

namespace {

constexpr int fanfareSound = 9;

} // namespace

NameEntryModel::NameEntryModel(ScoreState& game)
    : game_(game), name_(accepted(game.config.playername, nameLength)),
      email_(accepted(game.config.playeremail, emailLength)) {
    game_.webentry = false;
    playsfx(game_, fanfareSound);
}

std::string NameEntryModel::Label1() const {
    return "You have made number " + str(game_.hof.hofrank) +
           " on the Hall of Fame list. Please enter your name:";
}

void NameEntryModel::Command1_Click() {
    game_.webentry = true;
}

void NameEntryModel::Form_Unload(std::string_view name, std::string_view email) {
    game_.config.playername = accepted(name, nameLength);
    game_.config.playeremail = accepted(email, emailLength);
}

std::string NameEntryModel::accepted(std::string_view text, std::size_t length) {
    std::string out;
    for (char c : text)
        if (c != refused && out.size() < length)
            out += c;
    return out;
}

} // namespace stratavex
