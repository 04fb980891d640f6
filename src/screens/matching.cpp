// SPDX-License-Identifier: MIT
#include "screens/matching.h"

#include "base/fields.h"
#include "base/media.h"
#include "base/quizlog.h"
#include "database/attributes.h"
#include "database/picking.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"
#include "screens/screen_state.h"

namespace stratavex {

namespace {

constexpr int questionLogLevel = 1;
constexpr int verdictLogLevel = 2;
constexpr int exportLogLevel = 4;

constexpr int rightPairBonus = 4;
constexpr int wrongPairPenalty = -1;
constexpr int pointsPerPair = 2;

constexpr std::size_t longestTabbedQuestion = 130;
constexpr std::size_t longestTabbedOption = 60;
// The tabbed line is a four-way question.
constexpr int tabbedOptions = 4;

constexpr const char* allCorrect = "*** All correct!";

constexpr std::size_t index(int i) {
    return static_cast<std::size_t>(i);
}

std::string typeName(const ScreenState& game) {
    const int code = game.qtype;
    return code >= 0 && code < static_cast<int>(game.qname.size()) ? game.qname[index(code)] : "";
}

std::string label(ScreenState& game, int item) {
    return getqtext(game, qtext::label, item, 0);
}

std::string longAnswer(ScreenState& game, int item) {
    return getqtext(game, qtext::longAnswer, item, game.qtype);
}

// The prompt above the descriptions.
std::string promptOf(ScreenState& game) {
    return getqtext(game, qtext::caption, 0, game.qtype);
}

// The tabbed question asks for one item's description.
std::string tabbedQuestion(const std::string& prompt, const std::string& description) {
    return prompt + " -- " + description;
}

void playIf(ScreenState& game, int sound) {
    if (sound >= 0)
        playsfx(game, sound);
}

// Follows the longest caption: each limit passed steps the size down once.
int fontSizeFor(const MatchingKind& kind, std::size_t length, int size) {
    if (length > kind.fontLimits[0] && size > 14)
        size = 14;
    if (length > kind.fontLimits[1] && size > 12)
        size = 12;
    if (length > kind.fontLimits[2] && size > 10)
        size = 10;
    return size;
}

} // namespace

std::vector<TabbedText> tabbedTexts(ScreenState& game, const MatchingKind& kind, int item) {
    if (!kind.writesTabbedLine)
        return {};
    return {{"question with its description", longestTabbedQuestion,
             tabbedQuestion(promptOf(game), longAnswer(game, item))},
            {"answer", longestTabbedOption, label(game, item)}};
}

int Matching::slotItem(int slot) const {
    return game_.picked[index(slot)];
}

bool Matching::validButton(int button) const {
    return button >= 0 && button < kind_.pairs;
}

bool Matching::validTarget(int target) const {
    return target >= 0 && target < kind_.pairs;
}

const std::string& Matching::caption(int button) const {
    static const std::string none;
    return validButton(button) ? captions_[index(button)] : none;
}

const std::string& Matching::description(int target) const {
    static const std::string none;
    return validTarget(target) ? descriptions_[index(perm_[index(target)])] : none;
}

std::string Matching::picture(int target) const {
    return built_ && validTarget(target) ? getimage(game_, slotItem(perm_[index(target)])) : "";
}

int Matching::place(int target) const {
    return validTarget(target) ? place_[index(target)] : noButton;
}

int Matching::targetOf(int button) const {
    for (int target = 0; target < kind_.pairs; ++target)
        if (button != noButton && place_[index(target)] == button)
            return target;
    return -1;
}

int Matching::perm(int target) const {
    return validTarget(target) ? perm_[index(target)] : -1;
}

// Every item is picked before anything is written, so a question the settings
// cannot supply leaves no half-written block in an export file.
bool Matching::pickAll() {
    if (pickSlots(game_, slotPicking(kind_)))
        return true;
    cannotBuild(game_);
    return false;
}

bool Matching::load() {
    if (kind_.targets == Targets::descriptions)
        prompt_ = promptOf(game_);
    place_.fill(noButton);
    for (int slot = 0; slot < static_cast<int>(perm_.size()); ++slot)
        perm_[index(slot)] = static_cast<std::int16_t>(slot);
    if (!pickAll())
        return false;

    const bool quiet = game_.maketabbed && !kind_.loadLinesInTabbedRuns;
    if (game_.makeonline) {
        logmsg(game_, std::string(kind_.onlineHeader), exportLogLevel);
        logmsg(game_, typeName(game_), exportLogLevel);
    } else if (!quiet) {
        logmsg(game_, std::string(kind_.questionPrefix) + typeName(game_), questionLogLevel);
    }
    fillCaptions();
    if (kind_.targets == Targets::descriptions)
        fillDescriptions();

    // The tabbed question asks for slot 0's description, before the shuffle.
    const std::string question = tabbedQuestion(prompt_, descriptions_[0]);
    perm_ = displayShuffle(game_.random, kind_.pairs);
    built_ = true;
    if (game_.makeonline)
        writeOnlineTail();
    if (game_.maketabbed && kind_.writesTabbedLine)
        writeTabbedLine(question);
    return true;
}

void Matching::fillCaptions() {
    fontSize_ = 18;
    for (int slot = 0; slot < kind_.pairs; ++slot) {
        std::string& text = captions_[index(slot)];
        text = label(game_, slotItem(slot));
        if (game_.makeonline)
            logmsg(game_, text, exportLogLevel);
        else if (kind_.targets == Targets::pictures)
            logmsg(game_, text, questionLogLevel);
        fontSize_ = fontSizeFor(kind_, text.size(), fontSize_);
    }
}

void Matching::fillDescriptions() {
    for (int slot = 0; slot < kind_.pairs; ++slot) {
        std::string& text = descriptions_[index(slot)];
        text = longAnswer(game_, slotItem(slot));
        if (!game_.maketabbed)
            logmsg(game_, text, questionLogLevel);
    }
}

// Per target in display order what belongs to it: the picture screen gives
// the number of the button and the picture file together, the description
// screen first all descriptions, then all numbers.
void Matching::writeOnlineTail() {
    for (int target = 0; target < kind_.pairs; ++target) {
        if (kind_.targets == Targets::pictures) {
            logmsg(game_, str(perm_[index(target)] + 1), exportLogLevel);
            logmsg(game_, picture(target), exportLogLevel);
        } else {
            logmsg(game_, description(target), exportLogLevel);
        }
    }
    if (kind_.targets == Targets::descriptions)
        for (int target = 0; target < kind_.pairs; ++target)
            logmsg(game_, str(perm_[index(target)] + 1), exportLogLevel);
}

// The prompt and the description of slot 0, then the names of the first four
// targets in display order; the answer is where slot 0's name stands. The
// last target never moves, so slot 0 is always among the four.
void Matching::writeTabbedLine(std::string line) {
    if (line.size() > longestTabbedQuestion)
        line = "* Question TOO LONG * " + line;
    int answer = 0;
    for (int target = 0; target < tabbedOptions; ++target) {
        const int slot = perm_[index(target)];
        const std::string& option = captions_[index(slot)];
        if (option.size() > longestTabbedOption)
            line = "* TOO LONG * " + line;
        line += '\t' + option;
        if (slot == 0)
            answer = target + 1;
    }
    if (answer == 0)
        return;
    line += '\t' + str(answer);
    logmsg(game_, line, exportLogLevel);
    ++game_.qcount;
}

bool Matching::press(int button) {
    if (!takesInput() || !validButton(button))
        return false;
    status_ = str(button) + " mousedown";
    dragged_ = button;
    playIf(game_, kind_.pressSound);
    return true;
}

bool Matching::click(int button) {
    if (!takesInput() || !validButton(button) || !kind_.clickStartsDrag)
        return false;
    status_ = str(button) + " click";
    dragged_ = button;
    playIf(game_, kind_.clickSound);
    return true;
}

Matching::Drop Matching::drop(int target) {
    Drop result;
    if (!takesInput() || !validButton(dragged_) || !validTarget(target))
        return result;
    for (auto& button : place_)
        if (button == dragged_)
            button = noButton;
    result.sentHome = place_[index(target)];
    place_[index(target)] = static_cast<std::int16_t>(dragged_);
    result.placed = true;
    playsfx(game_, kind_.dropSound);
    return result;
}

std::string Matching::wrongPairLine(int target) const {
    const int placed = slotItem(place_[index(target)]);
    if (kind_.targets == Targets::pictures)
        return label(game_, placed) + " placed on image of " +
               label(game_, slotItem(perm_[index(target)]));
    return label(game_, placed) + " = " + longAnswer(game_, placed);
}

std::string Matching::scoreLine(int correct) const {
    if (kind_.scoreInPoints)
        return game_.crlf + "*** Scored " + str(pointsPerPair * correct) + " of " +
               str(pointsPerPair * kind_.pairs);
    return game_.crlf + game_.crlf + "*** Scored " + str(correct) + " of " + str(kind_.pairs);
}

bool Matching::done() {
    if (!takesInput())
        return false;
    judged_ = true;
    // The verdict lines stay out of export files, whose lines are questions.
    const bool quiet = game_.makeonline || game_.maketabbed;
    std::string verdict;
    int correct = 0;
    for (int target = 0; target < kind_.pairs; ++target) {
        const int button = place_[index(target)];
        if (button == perm_[index(target)]) {
            ++correct;
            adjustuse(game_, slotItem(button), rightPairBonus);
        } else if (button >= 0) {
            adjustuse(game_, slotItem(button), wrongPairPenalty);
            const std::string line = wrongPairLine(target);
            verdict += game_.crlf + line;
            if (!quiet)
                logmsg(game_, line, verdictLogLevel);
        }
    }
    addscore(game_, pointsPerPair * correct, pointsPerPair * kind_.pairs);
    verdict += scoreLine(correct);
    if (correct == kind_.pairs) {
        if (!game_.makeonline || kind_.allCorrectInOnlineRuns)
            verdict = allCorrect;
        if (!quiet)
            logmsg(game_, std::string(" ") + allCorrect, verdictLogLevel);
        playsfx(game_, sfx::right);
    } else {
        playsfx(game_, sfx::wrong);
    }
    showResult(game_, verdict, std::string(kind_.resultsFor));
    return true;
}

void Matching::help() {
    Message msg;
    msg.text = std::string(kind_.helpText);
    game_.host.message(msg);
}

} // namespace stratavex
