// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace stratavex {

class Game;
struct ScoreRecord;

// The Play action: a game from a zero score to the final message and the
// Hall of Fame.
void playgame(Game& game);
// Asks nquest questions of the selected question types.
void runquestions(Game& game);

// Called by a question screen once per answered question. The totals are kept
// within 0..32767 and pct is computed without overflow, so a long export run
// still reports the right percentage.
void addscore(Game& game, int points, int possible);
// (score * maxdif) / 100 * pct, rounded half to even into 16 bits.
std::int16_t adjustedScore(int score, int maxdif, int pct);
// "You scored ... out of ... (...%)", CR LF, "Score adjusted for difficulty: ...".
std::string finalMessage(const ScoreRecord& player, int adjusted);

// What a question screen does after the player answered: fills the score
// display with the verdict, the running score and the heading (resultsFor
// followed by the question type name) and shows it modally.
void showResult(Game& game, const std::string& verdict,
                const std::string& resultsFor = "Results for ");
// What a question screen does when the current settings cannot give it enough
// items: tells the player, deselects the question type and opens the settings.
void cannotBuild(Game& game);

} // namespace stratavex
