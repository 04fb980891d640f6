// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "screens/question_screens.h"

namespace stratavex {

struct ScreenState;

// The sorting question of the question types 9, 14 and 15: five items, kept
// in picked(0..4) in their on-screen order, that the player puts in order by
// pushing lines up one slot at a time. "Done" judges all ten pairs, one point
// for each pair in order.
class Sorting {
public:
    static constexpr int lastSlot = 4;
    static constexpr int nLines = lastSlot + 1;
    // A list with a missing item would judge item 0, which is no dinosaur:
    // the first line that finds no item ends the question.
    static constexpr SlotPicking picking{nLines, SlotPicking::Rule::inTurn};

    static constexpr const char* instruction = "Click to push an item up one slot";
    static constexpr const char* helpText =
        "Sort the items listed.  Click on a line to move that item up one level.  "
        "When all are in position, click 'Done'";
    static constexpr const char* resultsFor = "Results for Sorting ";

    explicit Sorting(ScreenState& game) : game_(game) {}

    // Builds the question: picks the five items, writes the quiz-log lines or
    // the online export block and fills the list. When too few items suit the
    // current settings the player is told, the question type is deselected,
    // the settings window is shown and false is returned; the question then
    // cannot be judged and the player leaves with the window's close button.
    bool load();
    bool built() const { return built_; }

    const std::string& heading() const { return heading_; }
    // The short labels of the items in slots 0..4, as the list shows them.
    const std::array<std::string, nLines>& lines() const { return lines_; }

    // The player clicked a line: it moves up one slot; the top line stays.
    void click(int line);
    void help();
    // Judges the order, scores it and shows the score display. Does nothing
    // when the question was not built or has already been judged.
    void done();

private:
    void updatelist();
    void writeExportBlock();
    std::string judgePairs(int& correct, int& pairs);

    ScreenState& game_;
    std::string heading_;
    std::array<std::string, nLines> lines_{};
    bool built_ = false;
    bool judged_ = false;
};

} // namespace stratavex
