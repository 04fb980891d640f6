// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shell/host.h"

namespace stratavex {

class Game;

// The attribute text of an item for a question type code (0 gives the name).
std::string getpstr(Game& game, int item, int code);
// A display text for the current question type; see the mode constants.
std::string getqtext(Game& game, int mode, int item1, int item2);
std::string erarange(const Game& game, int item);
std::string getimage(const Game& game, int item);
// The numeric value of an item's attribute, for sorting.
std::int32_t itemnum(Game& game, int item, int code);
// Question type names and artist credits.
void inittables(Game& game);
// Sets qtype and shows the question type's screen modally.
void showquestion(Game& game, int qt);
// The screen that asks a question type, if it has one.
std::optional<WindowId> screenOf(int code);

namespace qtext {
constexpr int sortHeading = 1;
constexpr int label = 2;
constexpr int comparison = 3;
constexpr int longAnswer = 4; // L_PARAM
constexpr int caption = 5;
constexpr int oddQuestion = 7;
} // namespace qtext

} // namespace stratavex
