// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "screens/question_screens.h"

namespace stratavex {

struct ScreenState;

constexpr int nChoices = 5;
// The right answer is drawn among the first four options only.
constexpr int nAnswerChoices = 4;
// Both choice screens pick their options in turn.
constexpr SlotPicking choicePicking{nChoices, SlotPicking::Rule::inTurn};

// Where a choice screen takes the captions of its options from.
enum class OptionSource {
    longAnswer, // getqtext mode 4: the era of "When did this one live?"
    attribute,  // getpstr: the name of "Desc and name"
};

// What tells the two choice screens apart.
struct ChoiceKind {
    std::string_view onlineHeader; // first line of the question's online block
    OptionSource options;
    // The question is about the right item's description, shown in Text1 and
    // exported with the question.
    bool describes;
};

constexpr ChoiceKind mchoiceKind{"MULT", OptionSource::longAnswer, false};
constexpr ChoiceKind quoteKind{"MULTQ", OptionSource::attribute, true};

// The texts of a built question, as the screen shows them.
struct ChoiceTexts {
    std::string question;    // Label1
    std::string description; // Text1; empty on a screen that shows none
    std::array<std::string, nChoices> captions;
    int answer = 0; // index of the option that is right
};

// The export run's lines for one complete question.
std::vector<std::string> onlineBlock(const ChoiceKind& kind, const std::string& typeName,
                                     const ChoiceTexts& texts);
std::string tabbedLine(const ChoiceKind& kind, const ChoiceTexts& texts);
// What the tabbed line of a question whose right answer is the item measures.
std::vector<TabbedText> tabbedTexts(ScreenState& game, const ChoiceKind& kind, int item);

// The question of a choice screen: built from the item table when the screen
// loads, judged on the first press on an option.
class ChoiceQuestion {
public:
    ChoiceQuestion(ScreenState& game, const ChoiceKind& kind) : game_(game), kind_(kind) {}

    // Picks the items, fills the texts and, in an export run, writes the
    // question to the quiz log. When the settings cannot supply five items
    // the player is told and the settings window opens instead.
    void load();

    // The player pressed option `index`: scores it, shows the verdict and
    // returns true. A press on a question that was not built, or a second
    // press, is ignored and returns false.
    bool press(int index);

    void help();

    bool built() const { return built_; }
    bool answered() const { return answered_; }
    int answer() const { return texts_.answer; }
    // Options the failed build did not reach keep an empty caption.
    const std::string& caption(int index) const;
    const std::string& question() const { return texts_.question; }
    const std::string& description() const { return texts_.description; }

private:
    void writeExport();

    ScreenState& game_;
    ChoiceKind kind_;
    ChoiceTexts texts_;
    bool built_ = false;
    bool answered_ = false;
};

} // namespace stratavex
