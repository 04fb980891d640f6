// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace stratavex {

class Form;
class Game;

std::int16_t limit(std::int64_t v, std::int64_t lo, std::int64_t hi);

// mode 1 restores the window from winsize(slot); mode 0 saves it there and
// writes the configuration. Slot 3 is never saved or restored.
void sizeform(Game& game, Form& frm, int slot, int mode);
void centerform(Form& frm);

void viewtext(Game& game, const std::string& file);
void openurl(Game& game, const std::string& url);

} // namespace stratavex
