// SPDX-License-Identifier: MIT
#include "support/scripted_screens.h"

#include <utility>

#include "engine/game_loop.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"

namespace stratavex::testing {

ScreenPlay answer(int points, int possible, std::string verdict, std::string resultsFor) {
    return [=](Game& game) {
        addscore(game, points, possible);
        showResult(game, verdict, resultsFor);
    };
}

ScreenPlay skip() {
    return [](Game&) {};
}

ScreenPlay cannotBuildQuestion() {
    return [](Game& game) { cannotBuild(game); };
}

ScriptedScreens::ScriptedScreens(Game& game, ScriptedHost& host) : game_(game) {
    for (const QuestionScreen& question : questionScreens()) {
        const WindowId screen = question.window;
        host.onShow[screen] = [this, screen] { showScreen(screen); };
    }
    host.onShow[WindowId::showscor] = [this] { results.push_back(game_.showscor); };
}

void ScriptedScreens::showScreen(WindowId screen) {
    asked.push_back({game_.qtype, screen});
    const auto own = byType.find(game_.qtype);
    const ScreenPlay& script = own != byType.end() ? own->second : play;
    if (script)
        script(game_);
}

std::vector<int> ScriptedScreens::types() const {
    std::vector<int> codes;
    for (const Question& q : asked)
        codes.push_back(q.qtype);
    return codes;
}

} // namespace stratavex::testing
