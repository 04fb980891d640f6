// SPDX-License-Identifier: MIT
#include "engine/game_loop.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "database/attributes.h"
#include "engine/export_run.h"
#include "engine/quizlog.h"
#include "engine/settings.h"
#include "scores/hof.h"
#include "scores/showscor.h"
#include "shell/fields.h"
#include "shell/game.h"
#include "shell/services.h"

namespace stratavex {

namespace {

constexpr int questionLogLevel = 2;

std::int16_t saturate16(std::int64_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

std::int16_t saturate16(double value) {
    return static_cast<std::int16_t>(
        std::clamp(value, static_cast<double>(std::numeric_limits<std::int16_t>::min()),
                   static_cast<double>(std::numeric_limits<std::int16_t>::max())));
}

// Nearest whole number, an exact half going to the even neighbour, whatever
// rounding mode the floating-point environment is in.
double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1;
}

// Int(score * 100 / possible), the product in wide integers so that no total
// of 16-bit points can overflow it.
std::int16_t wholePercent(std::int16_t score, std::int16_t possible) {
    return saturate16(std::floor(static_cast<double>(std::int64_t{score} * 100) / possible));
}

bool exportRun(const Game& game) { return game.makeonline || game.maketabbed; }

// Question type 1 also takes the draws of 0, so it comes up twice as often.
int drawQuestionType(Game& game) { return limit(game.random.below(20), 1, nQuestionTypes); }

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

bool isQuestionType(int code) { return code >= 1 && code <= nQuestionTypes; }

std::string currentTypeName(const Game& game) {
    return isQuestionType(game.qtype) ? game.qname[static_cast<std::size_t>(game.qtype)] : "";
}

// enterHof leaves the list alone when the result does not reach it.
void offerToHallOfFame(Game& game, int adjusted) {
    enterHof(game, adjusted, hofGameCode, game.player.pct, game.config.playername, 0);
}

} // namespace

void addscore(Game& game, int points, int possible) {
    ScoreRecord& p = game.player;
    p.score = saturate16(std::int64_t{p.score} + points);
    p.possible = saturate16(std::int64_t{p.possible} + possible);
    if (p.possible != 0)
        p.pct = wholePercent(p.score, p.possible);
}

std::int16_t adjustedScore(int score, int maxdif, int pct) {
    const double product = static_cast<double>(std::int64_t{score} * maxdif);
    return saturate16(roundHalfEven(product / 100 * pct));
}

std::string finalMessage(const ScoreRecord& player, int adjusted) {
    return "You scored " + str(player.score) + " out of " + str(player.possible) + " (" +
           str(player.pct) + "%)" + "\r\n" + "Score adjusted for difficulty: " + str(adjusted);
}

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

void showResult(Game& game, const std::string& verdict, const std::string& resultsFor) {
    game.showscor.Text1 = verdict;
    scoreCaption(game);
    game.showscor.Label1 = resultsFor + currentTypeName(game);
    game.host.showModal(WindowId::showscor);
}

void cannotBuild(Game& game) {
    tell(game, "Current set doesn't provide enough items for " + currentTypeName(game) +
                   ". Use another question type or change difficulty level to include more.");
    if (isQuestionType(game.qtype))
        game.settings.selected[static_cast<std::size_t>(game.qtype)] = 0;
    game.host.showModal(WindowId::setup);
}

} // namespace stratavex
