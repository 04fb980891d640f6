// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/program_state.h"
#include "database/items.h"

namespace stratavex {

// An artist credit; an item's artist field indexes the table of them.
struct ArtistCredit {
    std::string credit;
};

// The item table and the question being asked.
struct QuizState : ProgramState {
    using ProgramState::ProgramState;

    ItemTable db;

    std::int16_t qtype = 0;
    std::array<std::int16_t, 6> picked{};
    std::array<std::string, questionTypeSlots> qname{};
    std::array<ArtistCredit, 5> artists{};
    std::int16_t curitem = 1;
};

} // namespace stratavex
