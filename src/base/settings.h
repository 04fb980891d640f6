// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace stratavex {

constexpr int nQuestionTypes = 19;
// Tables by question type code hold codes 0..20: the codes 1..19 and a spare
// slot on either side, which stored files and callers index without a check.
constexpr std::size_t questionTypeSlots = nQuestionTypes + 2;

// The game settings, as kept in the configuration file. The defaults are what
// a first run (no configuration file) plays with.
struct Settings {
    std::int16_t mindif = 1;
    std::int16_t maxdif = 2;
    std::int16_t nquest = 10;
    std::int16_t logstatus = 2;
    std::int16_t reserved = 0; // kept in the file, used by nothing
    std::int16_t soundon = 1;
    // Per question type code 1..19: nonzero when it may be asked.
    std::array<std::int16_t, questionTypeSlots> selected = allSelected();

    static constexpr std::array<std::int16_t, questionTypeSlots> allSelected() {
        std::array<std::int16_t, questionTypeSlots> s{};
        for (int code = 1; code <= nQuestionTypes; ++code)
            s[code] = -1;
        return s;
    }
};

} // namespace stratavex
