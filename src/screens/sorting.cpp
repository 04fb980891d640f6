// SPDX-License-Identifier: MIT
#include "screens/sorting.h"

#include <utility>

#include "base/fields.h"
#include "base/quizlog.h"
#include "database/attributes.h"
#include "database/picking.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"
#include "screens/screen_state.h"

namespace stratavex {

namespace {

constexpr int questionLogLevel = 1;
constexpr int exportLogLevel = 4;

constexpr int rightPairBonus = 4;
constexpr int wrongPairPenalty = -1;

std::string typeName(const ScreenState& game) {
    const int code = game.qtype;
    return code >= 0 && code < static_cast<int>(game.qname.size())
               ? game.qname[static_cast<std::size_t>(code)]
               : "";
}

int slotItem(const ScreenState& game, int slot) {
    return game.picked[static_cast<std::size_t>(slot)];
}

std::string label(ScreenState& game, int item) {
    return getqtext(game, qtext::label, item, 0);
}

} // namespace

bool Sorting::load() {
    if (!game_.makeonline)
        logmsg(game_, "Sorting: " + typeName(game_), questionLogLevel);
    heading_ = getqtext(game_, qtext::sortHeading, 0, 0);
    const auto logItem = [this](int, int item) {
        if (!game_.makeonline)
            logmsg(game_, label(game_, item), questionLogLevel);
    };
    if (!pickSlots(game_, picking, logItem)) {
        cannotBuild(game_);
        return false;
    }
    if (game_.makeonline)
        writeExportBlock();
    updatelist();
    built_ = true;
    return true;
}

void Sorting::writeExportBlock() {
    logmsg(game_, "SORT", exportLogLevel);
    logmsg(game_, typeName(game_), exportLogLevel);
    for (int slot = 0; slot <= lastSlot; ++slot)
        logmsg(game_, getqtext(game_, qtext::label, slotItem(game_, slot), game_.qtype),
               exportLogLevel);
    for (int slot = 0; slot <= lastSlot; ++slot)
        logmsg(game_, str(itemnum(game_, slotItem(game_, slot), game_.qtype)), exportLogLevel);
}

void Sorting::updatelist() {
    for (int slot = 0; slot <= lastSlot; ++slot)
        lines_[static_cast<std::size_t>(slot)] = label(game_, slotItem(game_, slot));
}

void Sorting::click(int line) {
    if (!built_ || line < 1 || line > lastSlot)
        return;
    std::swap(game_.picked[static_cast<std::size_t>(line)],
              game_.picked[static_cast<std::size_t>(line - 1)]);
    updatelist();
}

void Sorting::help() {
    Message msg;
    msg.text = helpText;
    game_.host.message(msg);
}

// Every pair of slots, the upper one first; equal values count as in order.
std::string Sorting::judgePairs(int& correct, int& pairs) {
    std::string verdict = " ";
    correct = 0;
    pairs = 0;
    for (int i = 0; i < lastSlot; ++i) {
        for (int j = i + 1; j <= lastSlot; ++j) {
            const int upper = slotItem(game_, i);
            const int lower = slotItem(game_, j);
            if (itemnum(game_, upper, game_.qtype) > itemnum(game_, lower, game_.qtype)) {
                const std::string line = getqtext(game_, qtext::comparison, upper, lower);
                logmsg(game_, line, questionLogLevel);
                verdict += game_.crlf + line;
                adjustuse(game_, upper, wrongPairPenalty);
                adjustuse(game_, lower, wrongPairPenalty);
            } else {
                ++correct;
                adjustuse(game_, upper, rightPairBonus);
            }
            ++pairs;
        }
    }
    return verdict;
}

void Sorting::done() {
    if (!built_ || judged_)
        return;
    judged_ = true;
    int correct = 0;
    int pairs = 0;
    std::string verdict = judgePairs(correct, pairs);
    if (correct == pairs) {
        if (!game_.makeonline)
            logmsg(game_, " *** All Correct!", questionLogLevel);
        verdict = "*** All correct!";
    }
    addscore(game_, correct, pairs);
    verdict += game_.crlf + "*** " + str(correct) + " of " + str(pairs) + " correct ";
    showResult(game_, verdict, resultsFor);
}

} // namespace stratavex
