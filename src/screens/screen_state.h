// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "scores/score_state.h"

namespace stratavex {

// What the question screens keep between questions: Name Me's tries and
// creature, and the export run they write their questions for.
struct ScreenState : ScoreState {
    using ScoreState::ScoreState;

    // Name Me
    std::int16_t triesbase = 6;
    std::string creature = "TRex";

    // Export runs
    bool makeonline = false;
    bool maketabbed = false;
    int qcount = 0;
};

} // namespace stratavex
