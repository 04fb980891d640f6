// SPDX-License-Identifier: MIT
#include "screens/choice.h"

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

constexpr int questionLogLevel = 1; // the screen's line and the wrong answers
constexpr int exportLogLevel = 4;

constexpr int points = 5;
constexpr int rightUse = 4;
constexpr int wrongUse = -1;

constexpr const char* rightVerdict = " Correct, +5 pts";
constexpr const char* wrongVerdict = "Sorry, the answer was ";

// Texts longer than these are flagged at the front of the tabbed line, so the
// database author can find and shorten them.
constexpr std::size_t questionLimit = 130;
constexpr std::size_t eraOptionLimit = 60;
constexpr std::size_t nameOptionLimit = 130;
constexpr std::size_t descriptionLimit = 100;
constexpr const char* questionTooLong = "* Question TOO LONG * ";
// The marker reads 5 whichever of the options is too long.
constexpr const char* answerTooLong = "* ANS 5 TOO LONG * ";
constexpr const char* quoteTooLong = "* Quote TOO LONG * ";

constexpr char tab = '\t';

std::string answerNumber(const ChoiceTexts& texts) {
    return str(texts.answer + 1);
}

// Every CR LF becomes "/ " in place, so the text keeps its length.
std::string lineBreaksAsSlashes(std::string text) {
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        text.replace(at, 2, "/ ");
    return text;
}

std::string mchoiceLine(const ChoiceTexts& texts) {
    std::string options;
    bool optionTooLong = false;
    for (int i = 0; i < nAnswerChoices; ++i) {
        const std::string& caption = texts.captions[static_cast<std::size_t>(i)];
        options += caption + tab;
        optionTooLong = optionTooLong || caption.size() > eraOptionLimit;
    }
    std::string line = texts.question + tab + options + answerNumber(texts);
    if (texts.question.size() > questionLimit)
        line = questionTooLong + line;
    if (optionTooLong)
        line = answerTooLong + line;
    return line;
}

std::string optionCaption(ScreenState& game, const ChoiceKind& kind, int item) {
    return kind.options == OptionSource::longAnswer
               ? getqtext(game, qtext::longAnswer, item, game.qtype)
               : getpstr(game, item, game.qtype);
}

std::string questionOf(ScreenState& game, int right) {
    return getqtext(game, qtext::caption, right, game.qtype);
}

std::string descriptionOf(ScreenState& game, int right) {
    return getqtext(game, qtext::longAnswer, right, game.qtype);
}

std::string quoteLine(const ChoiceTexts& texts) {
    std::string options;
    for (int i = 0; i < nAnswerChoices; ++i) {
        const std::string& caption = texts.captions[static_cast<std::size_t>(i)];
        options += caption + tab;
        if (caption.size() > nameOptionLimit)
            options = quoteTooLong + options;
    }
    const std::string description = lineBreaksAsSlashes(texts.description);
    std::string line = texts.question + " -- " + description + tab + options + answerNumber(texts);
    if (description.size() > descriptionLimit)
        line = quoteTooLong + line;
    return line;
}

} // namespace

std::vector<std::string> onlineBlock(const ChoiceKind& kind, const std::string& typeName,
                                     const ChoiceTexts& texts) {
    std::vector<std::string> lines{std::string(kind.onlineHeader), typeName};
    lines.insert(lines.end(), texts.captions.begin(), texts.captions.end());
    lines.push_back(texts.question);
    if (kind.describes) {
        lines.push_back(texts.description);
        lines.push_back("*****");
    }
    lines.push_back(" " + answerNumber(texts));
    return lines;
}

std::string tabbedLine(const ChoiceKind& kind, const ChoiceTexts& texts) {
    return kind.describes ? quoteLine(texts) : mchoiceLine(texts);
}

std::vector<TabbedText> tabbedTexts(ScreenState& game, const ChoiceKind& kind, int item) {
    if (kind.describes)
        return {{"answer", nameOptionLimit, optionCaption(game, kind, item)},
                {"description", descriptionLimit, lineBreaksAsSlashes(descriptionOf(game, item))}};
    return {{"question", questionLimit, questionOf(game, item)},
            {"answer", eraOptionLimit, optionCaption(game, kind, item)}};
}

void ChoiceQuestion::load() {
    if (!game_.makeonline && !game_.maketabbed)
        logmsg(game_, "Multiple Choice", questionLogLevel);
    texts_.answer = game_.random.below(nAnswerChoices);
    const auto showOption = [this](int slot, int item) {
        texts_.captions[static_cast<std::size_t>(slot)] = optionCaption(game_, kind_, item);
    };
    if (!pickSlots(game_, choicePicking, showOption)) {
        game_.picked[0] = 0;
        cannotBuild(game_);
        return;
    }
    const int right = game_.picked[static_cast<std::size_t>(texts_.answer)];
    if (kind_.describes)
        texts_.description = descriptionOf(game_, right);
    texts_.question = questionOf(game_, right);
    built_ = true;
    writeExport();
}

// Written once the question is complete, so that a question the settings
// cannot supply leaves no broken block in the export file.
void ChoiceQuestion::writeExport() {
    if (game_.maketabbed) {
        logmsg(game_, tabbedLine(kind_, texts_), exportLogLevel);
        ++game_.qcount;
    }
    if (game_.makeonline) {
        const bool named = game_.qtype >= 0 && game_.qtype < static_cast<int>(game_.qname.size());
        const std::string typeName =
            named ? game_.qname[static_cast<std::size_t>(game_.qtype)] : "";
        for (const std::string& line : onlineBlock(kind_, typeName, texts_))
            logmsg(game_, line, exportLogLevel);
    }
}

bool ChoiceQuestion::press(int index) {
    if (!built_ || answered_ || index < 0 || index >= nChoices)
        return false;
    answered_ = true;
    const auto right = static_cast<std::size_t>(texts_.answer);
    const int pressedItem = game_.picked[static_cast<std::size_t>(index)];
    std::string verdict;
    if (index == texts_.answer) {
        verdict = rightVerdict;
        addscore(game_, points, points);
        adjustuse(game_, pressedItem, rightUse);
        playsfx(game_, sfx::right);
    } else {
        addscore(game_, 0, points);
        verdict = wrongVerdict + texts_.captions[right];
        logmsg(game_, texts_.question + " " + texts_.captions[right], questionLogLevel);
        adjustuse(game_, pressedItem, wrongUse);
        adjustuse(game_, game_.picked[right], wrongUse);
        playsfx(game_, sfx::wrong);
    }
    showResult(game_, verdict);
    return true;
}

void ChoiceQuestion::help() {
    Message msg;
    msg.text = "Click on the best description." + game_.crlf +
               "Click on skip to move to the next question";
    msg.buttons = Buttons::Ok;
    game_.host.message(msg);
}

const std::string& ChoiceQuestion::caption(int index) const {
    static const std::string none;
    return index >= 0 && index < nChoices ? texts_.captions[static_cast<std::size_t>(index)] : none;
}

} // namespace stratavex
