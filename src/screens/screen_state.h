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

    // Set when the question on its way to the screen could not be built: the
    // screen then closes at once, as a skipped question.
    bool questionUnbuilt = false;

    // Export runs
    bool makeonline = false;
    bool maketabbed = false;
    int qcount = 0;
};

} // namespace stratavex
