// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace stratavex {

struct QuizState;

constexpr std::int16_t noItem = -3;

// Chooses an item for a slot (0..5) of the current question; slots are filled
// in order. Returns the item, also stored in picked(slot), or noItem.
std::int16_t pickitem(QuizState& game, int slot);
// Moves an item's use counter; it stays within 0..32767.
void adjustuse(QuizState& game, int item, int delta);

} // namespace stratavex
