// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace stratavex {

struct ScoreState;
struct ScoreRecord;

// Called by a question screen once per answered question. The totals are kept
// within 0..32767 and pct is computed without overflow, so a long export run
// still reports the right percentage.
void addscore(ScoreState& game, int points, int possible);

// (score * maxdif) / 100 * pct, rounded half to even into 16 bits.
std::int16_t adjustedScore(int score, int maxdif, int pct);

// "You scored ... out of ... (...%)", CR LF, "Score adjusted for difficulty: ...".
std::string finalMessage(const ScoreRecord& player, int adjusted);

// Writes the running score into the score display's Label2.
void scoreCaption(ScoreState& game);

// What a question screen does after the player answered: fills the score
// display with the verdict, the running score and the heading (resultsFor
// followed by the question type name) and shows it modally.
void showResult(ScoreState& game, const std::string& verdict,
                const std::string& resultsFor = "Results for ");

} // namespace stratavex
