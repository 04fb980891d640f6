// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace stratavex {

class Game;
class SetupModel;

// Shows what starting an export run changed in the settings window: the
// questions-per-game box's new text, and the log threshold.
using ShowRunSettings = std::function<void(const std::string& questions)>;

// The settings window's "Make online questions": the following games write
// 12 questions as blocks of lines into the quiz log, which starts afresh with
// today's date.
void startOnlineExport(Game& game, SetupModel& setup, const ShowRunSettings& show);
// "Make 50 tabbed questions": the same for 50 questions of one tab-separated
// line each.
void startTabbedExport(Game& game, SetupModel& setup, const ShowRunSettings& show);

// True for the question types whose screens write a tabbed line.
bool writesTabbedLines(int code);

// In a tabbed export game only questions that wrote a line count, so a game
// whose question types write none would never end. The game loop asks this
// after every question: once as many questions in a row as the game has
// lines to write have written none, the player is told and the game ends.
class TabbedRunGuard {
public:
    bool endsGame(Game& game);

private:
    int lastCount_ = 0;
    int idle_ = 0;
};

} // namespace stratavex
