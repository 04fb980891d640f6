// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/game.h"
#include "support/test_host.h"

namespace stratavex::testing {

// What the player does on a question screen, played through the core logic.
using ScreenPlay = std::function<void(Game&)>;

// The player answers: the screen scores the answer and shows the verdict.
ScreenPlay answer(int points, int possible, std::string verdict = "verdict",
                  std::string resultsFor = "Results for ");
// The player closes the screen without answering.
ScreenPlay skip();
// The screen finds too few items for its question.
ScreenPlay cannotBuildQuestion();

// Stands in for the question screens and the score display of a ScriptedHost, so
// whole games run without windows. Every question screen plays `play`, unless
// the question type being asked has its own entry in `byType`.
class ScriptedScreens {
public:
    ScriptedScreens(Game& game, ScriptedHost& host);
    ScriptedScreens(const ScriptedScreens&) = delete;
    ScriptedScreens& operator=(const ScriptedScreens&) = delete;

    ScreenPlay play = skip();
    std::map<int, ScreenPlay> byType;

    struct Question {
        int qtype;
        WindowId screen;
    };
    // The questions shown, in order.
    std::vector<Question> asked;
    // The score display's texts each time it was shown.
    std::vector<ScoreDisplay> results;

    // The question types asked, in order.
    std::vector<int> types() const;

private:
    void showScreen(WindowId screen);

    Game& game_;
};

} // namespace stratavex::testing
