// SPDX-License-Identifier: MIT
#include "engine/game_loop.h"

#include <cstdlib>

#include "base/fields.h"
#include "base/quizlog.h"
#include "base/services.h"
#include "engine/export_run.h"
#include "engine/game.h"
#include "scores/hof.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"

namespace stratavex {

namespace {

constexpr int questionLogLevel = 2;

bool exportRun(const Game& game) {
    return game.makeonline || game.maketabbed;
}

// Question type 1 also takes the draws of 0, so it comes up twice as often.
int drawQuestionType(Game& game) {
    return limit(game.random.below(20), 1, nQuestionTypes);
}

// Only the question types count: entry 0 is kept in the configuration but
// can never be asked, so counting it would let the loop draw forever.
int selectedSum(const Game& game) {
    int sum = 0;
    for (int code = 1; code <= nQuestionTypes; ++code)
        sum += std::abs(int{game.settings.selected[code]});
    return sum;
}

void tell(Game& game, const std::string& text) {
    Message msg;
    msg.text = text;
    game.host.message(msg);
}

// The player gets the settings window until a question type is selected.
void reportNothingSelected(Game& game, int sum) {
    tell(game, str(sum) +
                   "No questions possible with current selections.  Change difficulty levels or "
                   "question types");
    game.host.showModal(WindowId::setup);
}

// enterHof leaves the list alone when the result does not reach it.
void offerToHallOfFame(Game& game, int adjusted) {
    enterHof(game, adjusted, hofGameCode, game.player.pct, game.config.playername, 0);
}

} // namespace

void runquestions(Game& game) {
    int counter = 0;
    game.qcount = 0;
    TabbedRunGuard tabbed;
    while (counter < game.settings.nquest) {
        const int r = drawQuestionType(game);
        if (game.settings.selected[static_cast<std::size_t>(r)] != 0) {
            if (!exportRun(game))
                logmsg(game, "---- Question " + str(counter + 1), questionLogLevel);
            showquestion(game, r);
            counter = game.maketabbed ? game.qcount : counter + 1;
            if (tabbed.endsGame(game))
                break;
        } else if (const int sum = selectedSum(game); sum == 0) {
            reportNothingSelected(game, sum);
        }
    }
}

void playgame(Game& game) {
    game.player = ScoreRecord{};
    runquestions(game);
    const std::int16_t adjusted =
        adjustedScore(game.player.score, game.settings.maxdif, game.player.pct);
    tell(game, finalMessage(game.player, adjusted));
    offerToHallOfFame(game, adjusted);
}

} // namespace stratavex
