// SPDX-License-Identifier: MIT
#include "screens/question_screens.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "database/attributes.h"
#include "database/picking.h"
#include "screens/choice.h"
#include "screens/matching.h"
#include "screens/nameme.h"
#include "screens/oddout.h"
#include "screens/screen_state.h"
#include "screens/sorting.h"

namespace stratavex {

namespace {

// The screen of each question type, indexed by code; 0 is not a question type.
const std::array<std::optional<WindowId>, nQuestionTypes + 1> screens = {{
    std::nullopt,
    WindowId::imatch,  // 1 Image with name
    WindowId::quote,   // 2 Desc and name
    WindowId::imatch,  // 3 Translated name by image
    WindowId::NameMe,  // 4 Nameme
    WindowId::Ioddout, // 5 Diet by image?
    WindowId::qmatch,  // 6 Why named
    WindowId::qmatch,  // 7 Family
    WindowId::qoddout, // 8 Diet by family?
    WindowId::qsort,   // 9 Sort by era
    WindowId::qoddout, // 10 Which is not of this era
    WindowId::qmatch,  // 11 Order/suborder
    WindowId::imatch,  // 12 Image with era
    WindowId::qmatch,  // 13 Dinosaurs by size and length
    WindowId::qsort,   // 14 Sort by weight
    WindowId::qsort,   // 15 Sort by length
    WindowId::mchoice, // 16 When did this one live?
    WindowId::qoddout, // 17 Suborder difference
    WindowId::qmatch,  // 18 Where found?
    WindowId::imatch,  // 19 Image with order
}};

bool isQuestionType(int code) {
    return code >= 1 && code <= nQuestionTypes;
}

std::size_t index(int i) {
    return static_cast<std::size_t>(i);
}

bool pickInTurn(ScreenState& game, int slotCount, const ItemPicked& picked) {
    for (int slot = 0; slot < slotCount; ++slot) {
        const std::int16_t item = pickitem(game, slot);
        if (item < 1)
            return false;
        if (picked)
            picked(slot, item);
    }
    return true;
}

bool repeatsLowerOption(const std::vector<std::string>& options, int slot) {
    const auto lower = options.begin() + slot;
    return std::find(options.begin(), lower, options[index(slot)]) != lower;
}

// A slot whose option repeats a lower slot's is picked again; when that keeps
// happening the group cannot show different options, and the selection starts
// again with another group.
bool pickRestarting(ScreenState& game, const SlotPicking& picking, const ItemPicked& picked) {
    std::vector<std::string> options(index(picking.slotCount));
    int restarts = 0;
    int repicks = 0;
    int slot = 0;
    const auto startAgain = [&] {
        game.picked[0] = 0;
        slot = 0;
        repicks = 0;
        return ++restarts <= SlotPicking::restartLimit;
    };
    while (slot < picking.slotCount) {
        const std::int16_t item = pickitem(game, slot);
        if (item < 1) {
            if (!startAgain())
                return false;
            continue;
        }
        if (picked)
            picked(slot, item);
        if (picking.distinctOptions) {
            options[index(slot)] = oddOutOption(game, item);
            if (repeatsLowerOption(options, slot)) {
                if (++repicks > SlotPicking::repickLimit && !startAgain())
                    return false;
                continue;
            }
        }
        repicks = 0;
        ++slot;
    }
    return true;
}

// The sorting and Name Me screens write no tabbed line.
std::vector<TabbedText> textsOf(ScreenState&, SortingQuestion, int) {
    return {};
}

std::vector<TabbedText> textsOf(ScreenState&, NameMeQuestion, int) {
    return {};
}

template <class Kind>
std::vector<TabbedText> textsOf(ScreenState& game, const Kind* kind, int item) {
    return tabbedTexts(game, *kind, item);
}

} // namespace

bool pickSlots(ScreenState& game, const SlotPicking& picking, const ItemPicked& picked) {
    return picking.rule == SlotPicking::Rule::restarting
               ? pickRestarting(game, picking, picked)
               : pickInTurn(game, picking.slotCount, picked);
}

const std::vector<QuestionScreen>& questionScreens() {
    static const std::vector<QuestionScreen> all = {
        {WindowId::mchoice, &mchoiceKind, choicePicking, true},
        {WindowId::quote, &quoteKind, choicePicking, true},
        {WindowId::qoddout, &qoddoutScreen, qoddoutScreen.picking, qoddoutScreen.exports},
        {WindowId::Ioddout, &IoddoutScreen, IoddoutScreen.picking, IoddoutScreen.exports},
        {WindowId::imatch, &imatchKind, slotPicking(imatchKind), imatchKind.writesTabbedLine},
        {WindowId::qmatch, &qmatchKind, slotPicking(qmatchKind), qmatchKind.writesTabbedLine},
        {WindowId::NameMe, NameMeQuestion{}, NameMePuzzle::picking, false},
        {WindowId::qsort, SortingQuestion{}, Sorting::picking, false},
    };
    return all;
}

const QuestionScreen* questionScreen(int code) {
    const std::optional<WindowId> window = screenOf(code);
    return window ? questionScreen(*window) : nullptr;
}

const QuestionScreen* questionScreen(WindowId window) {
    const std::vector<QuestionScreen>& all = questionScreens();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const QuestionScreen& s) { return s.window == window; });
    return found != all.end() ? &*found : nullptr;
}

std::optional<WindowId> screenOf(int code) {
    if (!isQuestionType(code))
        return std::nullopt;
    return screens[index(code)];
}

std::vector<int> typesAskedOn(const QuestionScreen& screen) {
    std::vector<int> codes;
    for (int code = 1; code <= nQuestionTypes; ++code)
        if (screens[index(code)] == screen.window)
            codes.push_back(code);
    return codes;
}

bool picksQuestionItems(ScreenState& game) {
    const QuestionScreen* screen = questionScreen(game.qtype);
    return screen != nullptr && pickSlots(game, screen->picking);
}

std::vector<TabbedText> tabbedTexts(ScreenState& game, int item) {
    const QuestionScreen* screen = questionScreen(game.qtype);
    if (screen == nullptr)
        return {};
    return std::visit([&](auto core) { return textsOf(game, core, item); }, screen->core);
}

void showquestion(ScreenState& game, int qt) {
    game.qtype = static_cast<std::int16_t>(qt);
    game.questionUnbuilt = false;
    if (auto screen = screenOf(qt))
        game.host.showModal(*screen);
}

void cannotBuild(ScreenState& game) {
    game.questionUnbuilt = true;
    Message msg;
    msg.text = "Current set doesn't provide enough items for " + typeName(game, game.qtype) +
               ". Use another question type or change difficulty level to include more.";
    game.host.message(msg);
    if (isQuestionType(game.qtype))
        game.settings.selected[static_cast<std::size_t>(game.qtype)] = 0;
    game.host.showModal(WindowId::setup);
}

} // namespace stratavex
