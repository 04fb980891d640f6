// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace stratavex {

class Game;

// The start-up of the game engine: random seed, the program folder as the
// current folder, the configuration, file names and tables.
bool initgame(Game& game);

// The numeric value of an item's attribute for a question type, for sorting:
// the leading number of the text, scaled by "million" and "ton", negated by "mya".
std::int32_t numvalue(Game& game, int item, int code);
// The same rule applied to a text.
std::int32_t numvalueOf(std::string_view text);

} // namespace stratavex
