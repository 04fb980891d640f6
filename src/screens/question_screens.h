// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "base/host.h"

namespace stratavex {

struct ScreenState;
struct ChoiceKind;
struct MatchingKind;
struct OddOutScreen;

// How a question screen fills the item slots of its question with pickitem,
// picked(0) upward.
struct SlotPicking {
    enum class Rule {
        // The first slot that finds no item ends the selection.
        inTurn,
        // A slot that finds no item throws the selection away and starts again
        // from slot 0.
        restarting,
    };
    // Restarts are bounded: a set that cannot supply the question would
    // otherwise keep the screen searching for ever.
    static constexpr int restartLimit = 20;
    // How often in a row a slot is picked again because its option repeats a
    // lower slot's before the selection starts again with another group.
    static constexpr int repickLimit = 5;

    int slotCount = 0;
    Rule rule = Rule::inTurn;
    // Restarting only: a slot whose odd-one-out option (oddOutOption) repeats
    // a lower slot's is picked again, since two options with the same text
    // would make the question unanswerable.
    bool distinctOptions = false;
};

// Called with each item a pick finds and its slot, also for an item that a
// restart throws away.
using ItemPicked = std::function<void(int slot, int item)>;

// Fills the slots of a question of the current question type as the picking
// says; true when every slot holds an item.
bool pickSlots(ScreenState& game, const SlotPicking& picking, const ItemPicked& picked = {});

// A text that a tabbed export line measures: a longer one than limit marks
// the line TOO LONG.
struct TabbedText {
    std::string what;
    std::size_t limit = 0;
    std::string text;
};

// The core classes whose screens come in one kind only.
struct SortingQuestion {};
struct NameMeQuestion {};
// The core class that asks a screen's questions, with the kind it is made with.
using QuestionCore = std::variant<const ChoiceKind*, const OddOutScreen*, const MatchingKind*,
                                  SortingQuestion, NameMeQuestion>;

// A question screen: its window, the core that asks its questions, how that
// core picks the question's items, and whether its questions go into tabbed
// export runs.
struct QuestionScreen {
    WindowId window;
    QuestionCore core;
    SlotPicking picking;
    bool writesTabbedLines = false;
};

// Every question screen once, in the order of their windows.
const std::vector<QuestionScreen>& questionScreens();
// The screen that asks a question type; null for a code that names none.
const QuestionScreen* questionScreen(int code);
// The question screen of a window; null for a window that asks no questions.
const QuestionScreen* questionScreen(WindowId window);
// The screen that asks a question type, if it has one.
std::optional<WindowId> screenOf(int code);
// The question types a screen asks, lowest code first.
std::vector<int> typesAskedOn(const QuestionScreen& screen);

// Whether the screen of the current question type finds the items of a
// question on this game state: it picks them as the screen does, and shows
// and writes nothing.
bool picksQuestionItems(ScreenState& game);

// The texts of an item that the tabbed line of the current question type
// measures, the item standing where the measured texts come from; empty for a
// screen that writes no tabbed line.
std::vector<TabbedText> tabbedTexts(ScreenState& game, int item);

// Sets qtype and shows the question type's screen modally.
void showquestion(ScreenState& game, int qt);

// What a question screen does when the current settings cannot give it enough
// items: tells the player, deselects the question type and opens the settings.
void cannotBuild(ScreenState& game);

} // namespace stratavex
