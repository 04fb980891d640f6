// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "database/quiz_state.h"
#include "scores/hof.h"

namespace stratavex {

// Points of the one player in the current game.
struct ScoreRecord {
    std::int16_t score = 0;
    std::int16_t possible = 0;
    std::int16_t pct = 0;
};

// The texts of the score display, filled by the question screens.
struct ScoreDisplay {
    std::string Label1; // heading
    std::string Text1;  // verdict
    std::string Label2; // running score
};

// The player's score, the score display and the Hall of Fame;
// webentry: the player chose to send the entry online.
struct ScoreState : QuizState {
    using QuizState::QuizState;

    ScoreRecord player;
    ScoreDisplay showscor;

    HallOfFame hof;
    bool webentry = false;
};

} // namespace stratavex
