// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings.h"

namespace stratavex {

struct ProgramState;

// Saved state and size of one window slot.
struct WindowRecord {
    std::int16_t state = 0;     // 0 normal, 1 minimised, 2 maximised
    std::int32_t backcolor = 0; // RGB
    std::int16_t height = 6600; // twips
    std::int16_t width = 9600;  // twips

    bool operator==(const WindowRecord&) const = default;
};

struct Config {
    std::string playername;
    std::string playeremail;
    std::string bgpicture = "background.jpg";
    std::array<WindowRecord, 11> winsize{};

    bool operator==(const Config&) const = default;
};

constexpr const char* iniFile = "drem.INI";

// The 33 lines of "drem.INI".
std::string formatIni(const Settings& settings, const Config& config);
// Reads what the text supplies; every value it does not supply keeps its
// current (default) value. Returns the number of values read.
int parseIni(std::string_view text, Settings& settings, Config& config);

void putini(ProgramState& game);
void getini(ProgramState& game);

} // namespace stratavex
