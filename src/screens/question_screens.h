// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "base/host.h"

namespace stratavex {

struct ScreenState;

// The screen that asks a question type, if it has one.
std::optional<WindowId> screenOf(int code);

// Sets qtype and shows the question type's screen modally.
void showquestion(ScreenState& game, int qt);

// What a question screen does when the current settings cannot give it enough
// items: tells the player, deselects the question type and opens the settings.
void cannotBuild(ScreenState& game);

} // namespace stratavex
