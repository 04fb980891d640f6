// SPDX-License-Identifier: MIT
#include "scores/showscor.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/fields.h"
#include "database/attributes.h"
#include "scores/score_state.h"

namespace stratavex {

namespace {

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

} // namespace

void addscore(ScoreState& game, int points, int possible) {
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

void scoreCaption(ScoreState& game) {
    const ScoreRecord& p = game.player;
    game.showscor.Label2 =
        "Current score: " + str(p.score) + " of " + str(p.possible) + "  (" + str(p.pct) + "%)";
}

void showResult(ScoreState& game, const std::string& verdict, const std::string& resultsFor) {
    game.showscor.Text1 = verdict;
    scoreCaption(game);
    game.showscor.Label1 = resultsFor + typeName(game, game.qtype);
    game.host.showModal(WindowId::showscor);
}

} // namespace stratavex
