// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace stratavex {

struct QuizState;
struct itemrec;

// The attribute text of an item for a question type code (0 gives the name).
std::string getpstr(QuizState& game, int item, int code);

// A display text for the current question type; see the mode constants.
std::string getqtext(QuizState& game, int mode, int item1, int item2);

std::string erarange(const QuizState& game, int item);
std::string getimage(const QuizState& game, int item);

// The numeric value of an item's attribute for a question type, for sorting:
// the leading number of its text, scaled by "million" and "ton", negated by "mya".
std::int32_t itemnum(QuizState& game, int item, int code);
// The same rule applied to a text.
std::int32_t numvalueOf(std::string_view text);

// The diet of an item as the diet questions word it: "meat eater" for any
// diet that mentions meat, otherwise the diet followed by " eater".
std::string dietPhrase(const itemrec& it);

// Whether a diet phrase names two foods ("plant and animal eater"). Such a
// diet shares a food with each diet of one food, so the diet questions leave
// it out: as the odd one out, or beside one, it would be an answer a player
// could fairly dispute.
bool isMixedDiet(std::string_view phrase);

// Question type names and artist credits.
void inittables(QuizState& game);

// The name of a question type; empty for a code that names none.
std::string typeName(const QuizState& game, int code);

namespace qtext {
constexpr int sortHeading = 1;
constexpr int label = 2;
constexpr int comparison = 3;
constexpr int longAnswer = 4; // L_PARAM
constexpr int caption = 5;
constexpr int oddQuestion = 7;
} // namespace qtext

} // namespace stratavex
