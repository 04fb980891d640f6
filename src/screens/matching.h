// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "screens/question_screens.h"
#include "screens/shuffle.h"

namespace stratavex {

struct ScreenState;

// What the name buttons are dropped on.
enum class Targets {
    pictures,     // each shows a dinosaur's picture
    descriptions, // each shows an item's long answer text
};

// What tells the two matching screens apart; everything else they share.
struct MatchingKind {
    int pairs; // name buttons, and as many targets
    Targets targets;
    std::string_view onlineHeader;   // first line of the question's online block
    std::string_view questionPrefix; // before the question type name in the quiz log
    // The longest caption still shown at 18, 14 and 12 points; longer gives 10.
    std::array<std::size_t, 3> fontLimits;
    int pressSound; // played when a press starts a drag; -1 for none
    // A click on a name button starts a drag too (the player clicks a button,
    // then a target), with its own sound.
    bool clickStartsDrag;
    int clickSound;
    int dropSound;
    // The score line shows the points after one line break instead of the
    // number of pairs after two.
    bool scoreInPoints;
    // "*** All correct!" replaces the verdict in an online export run too.
    bool allCorrectInOnlineRuns;
    // The level 1 lines of a new question are written in tabbed export runs too.
    bool loadLinesInTabbedRuns;
    // The question goes into a tabbed export run as a four-way question.
    bool writesTabbedLine;
    std::string_view resultsFor;
    std::string_view helpText;
};

// The name buttons under four pictures (question types 1, 3, 12, 19).
constexpr MatchingKind imatchKind{
    .pairs = 4,
    .targets = Targets::pictures,
    .onlineHeader = "IMATCH",
    .questionPrefix = "Match ",
    .fontLimits = {16, 19, 23},
    .pressSound = 0,
    .clickStartsDrag = false,
    .clickSound = -1,
    .dropSound = 1,
    .scoreInPoints = false,
    .allCorrectInOnlineRuns = false,
    .loadLinesInTabbedRuns = true,
    .writesTabbedLine = false,
    .resultsFor = "Results for ",
    .helpText = "Click on one of the colored bars\r\nThen drag it to its picture\r\n\r\n"
                "When all items are matched, click on 'done'\r\n\r\n"
                "Resize window to change image size",
};

// The coloured bars above five descriptions (question types 6, 7, 11, 13, 18).
constexpr MatchingKind qmatchKind{
    .pairs = 5,
    .targets = Targets::descriptions,
    .onlineHeader = "MATCH",
    .questionPrefix = "",
    .fontLimits = {18, 25, 32},
    .pressSound = -1,
    .clickStartsDrag = true,
    .clickSound = 1,
    .dropSound = 2,
    .scoreInPoints = true,
    .allCorrectInOnlineRuns = true,
    .loadLinesInTabbedRuns = false,
    .writesTabbedLine = true,
    .resultsFor = "Results for Matching ",
    .helpText = "Click on one of the colored bars at the top\r\n"
                "Then drag it down to the best match in the descriptions below\r\n\r\n"
                "Or, click on a colored bar, then click on the proper definition\r\n\r\n"
                "When all items are matched, click on 'done'",
};

// A matching screen picks the item of each pair in turn.
constexpr SlotPicking slotPicking(const MatchingKind& kind) {
    return {kind.pairs, SlotPicking::Rule::inTurn};
}

// What the tabbed line of a question whose slot 0 holds the item measures;
// empty for a kind that writes no tabbed line.
std::vector<TabbedText> tabbedTexts(ScreenState& game, const MatchingKind& kind, int item);

// A matching question: name button b shows the item picked(b), target t the
// item picked(perm(t)). The player drops buttons on targets in any order, as
// often as wanted; "Done" scores every correct pair.
class Matching {
public:
    static constexpr int maxPairs = 5;
    static constexpr int noButton = -1;

    Matching(ScreenState& game, const MatchingKind& kind) : game_(game), kind_(kind) {}

    int pairs() const { return kind_.pairs; }

    // Picks the items, fills the captions and targets, shuffles the targets and
    // writes the quiz-log and export lines. When the settings cannot supply
    // every item the player is told, the question type is deselected, the
    // settings window opens and false is returned; the question then takes no
    // drags and cannot be judged.
    bool load();
    bool built() const { return built_; }

    const std::string& caption(int button) const;
    // The point size of every name button, set by the longest caption.
    int fontSize() const { return fontSize_; }
    // The prompt above the descriptions; empty on the picture screen.
    const std::string& prompt() const { return prompt_; }
    // The description shown at a target, in display order.
    const std::string& description(int target) const;
    // The picture file shown at a target.
    std::string picture(int target) const;

    // A press on a name button; true when a drag of it begins.
    bool press(int button);
    // A click on a name button; true when a drag of it begins.
    bool click(int button);
    struct Drop {
        bool placed = false;     // the dragged button is recorded at the target
        int sentHome = noButton; // the button that goes back to its home position
    };
    // The dragged button is dropped on a target. A button lies on one target
    // at most, and a target holds one button: the dragged one leaves its old
    // target, and the one that was on this target goes back home, so what is
    // judged is always what the screen shows.
    Drop drop(int target);
    // Judges every target, scores, shows the verdict on the score display and
    // returns true. Does nothing when the question was not built or was judged.
    bool done();
    void help();

    int dragged() const { return dragged_; }
    // The button recorded at a target, or noButton.
    int place(int target) const;
    // The target a button lies on, or -1.
    int targetOf(int button) const;
    int perm(int target) const;
    // What the last press or click was: its button and " mousedown" or " click".
    const std::string& status() const { return status_; }

private:
    bool pickAll();
    void fillCaptions();
    void fillDescriptions();
    void writeOnlineTail();
    void writeTabbedLine(std::string line);
    std::string wrongPairLine(int target) const;
    std::string scoreLine(int correct) const;
    bool validButton(int button) const;
    bool validTarget(int target) const;
    bool takesInput() const { return built_ && !judged_; }
    int slotItem(int slot) const;

    ScreenState& game_;
    const MatchingKind& kind_;
    std::array<std::string, maxPairs> captions_{};
    std::array<std::string, maxPairs> descriptions_{}; // by slot, before the shuffle
    std::string prompt_;
    Perm perm_{};
    std::array<std::int16_t, maxPairs> place_{noButton, noButton, noButton, noButton, noButton};
    int fontSize_ = 18;
    int dragged_ = noButton;
    std::string status_;
    bool built_ = false;
    bool judged_ = false;
};

} // namespace stratavex
