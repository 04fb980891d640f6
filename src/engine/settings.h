// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace stratavex {

constexpr int nQuestionTypes = 19;

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
    std::array<std::int16_t, 21> selected = allSelected();

    static constexpr std::array<std::int16_t, 21> allSelected() {
        std::array<std::int16_t, 21> s{};
        for (int code = 1; code <= nQuestionTypes; ++code)
            s[code] = -1;
        return s;
    }
};

} // namespace stratavex
