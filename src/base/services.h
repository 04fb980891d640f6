// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace stratavex {

class Form;
struct ProgramState;

std::int16_t limit(std::int64_t v, std::int64_t lo, std::int64_t hi);

// The whole-number value of a number box: its leading digits (blanks before
// them are skipped). Text without leading digits reads as 0, which the boxes
// then raise to their lower bound; a huge number saturates instead of wrapping.
std::int64_t boxValue(std::string_view text);

// mode 1 restores the window from winsize(slot); mode 0 saves it there and
// writes the configuration. Slot 3 is never saved or restored.
void sizeform(ProgramState& game, Form& frm, int slot, int mode);
void centerform(Form& frm);

// Shows a text file in the desktop's viewer, or in the program's own window
// when the desktop has none.
void viewtext(ProgramState& game, const std::string& file);
// Opens a web address in the desktop's browser; without one, the player is
// shown the address to copy.
void openurl(ProgramState& game, const std::string& url);
// What the player is told when no browser opens a web address.
std::string addressNotOpened(const std::string& url);

} // namespace stratavex
