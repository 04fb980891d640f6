// SPDX-License-Identifier: MIT
#include "screens/question_screens.h"

#include <array>

#include "database/attributes.h"
#include "screens/screen_state.h"

namespace stratavex {

namespace {

// The screen of each question type, indexed by code; 0 is not a question type.
const std::array<std::optional<WindowId>, nQuestionTypes + 1> screens = {{
    std::nullopt,
    WindowId::imatch,  // 1 Image with name
    WindowId::quote,   // 2 Desc and name
    WindowId::imatch,  // 3 Translated name by image
    WindowId::NameMe,  // 4 Nameme
    WindowId::Ioddout, // 5 Diet by image?
    WindowId::qmatch,  // 6 Why named
    WindowId::qmatch,  // 7 Family
    WindowId::qoddout, // 8 Diet by family?
    WindowId::qsort,   // 9 Sort by era
    WindowId::qoddout, // 10 Which is not of this era
    WindowId::qmatch,  // 11 Order/suborder
    WindowId::imatch,  // 12 Image with era
    WindowId::qmatch,  // 13 Dinosaurs by size and length
    WindowId::qsort,   // 14 Sort by weight
    WindowId::qsort,   // 15 Sort by length
    WindowId::mchoice, // 16 When did this one live?
    WindowId::qoddout, // 17 Suborder difference
    WindowId::qmatch,  // 18 Where found?
    WindowId::imatch,  // 19 Image with order
}};

bool isQuestionType(int code) {
    return code >= 1 && code <= nQuestionTypes;
}

} // namespace

std::optional<WindowId> screenOf(int code) {
    if (!isQuestionType(code))
        return std::nullopt;
    return screens[static_cast<std::size_t>(code)];
}

void showquestion(ScreenState& game, int qt) {
    game.qtype = static_cast<std::int16_t>(qt);
    if (auto screen = screenOf(qt))
        game.host.showModal(*screen);
}

void cannotBuild(ScreenState& game) {
    Message msg;
    msg.text = "Current set doesn't provide enough items for " + typeName(game, game.qtype) +
               ". Use another question type or change difficulty level to include more.";
    game.host.message(msg);
    if (isQuestionType(game.qtype))
        game.settings.selected[static_cast<std::size_t>(game.qtype)] = 0;
    game.host.showModal(WindowId::setup);
}

} // namespace stratavex
