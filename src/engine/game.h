// SPDX-License-Identifier: MIT
#pragma once

#include "screens/screen_state.h"

namespace stratavex {

// The process-wide state of the program: the state of every layer, each
// part declared by the layer that owns it. Everything outside the program's
// own rules goes through the host.
class Game : public ScreenState {
public:
    using ScreenState::ScreenState;
};

} // namespace stratavex
