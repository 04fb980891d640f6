// SPDX-License-Identifier: MIT
#include "screens/oddout.h"

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

constexpr int loadLevel = 1;
constexpr int verdictLevel = 2;
constexpr int exportLevel = 4;
constexpr std::size_t longestQuestion = 130;
constexpr std::size_t longestAnswer = 60;

std::size_t index(int i) {
    return static_cast<std::size_t>(i);
}

// The question asks about the group of the item in slot 0.
std::string promptOf(ScreenState& game) {
    return getqtext(game, qtext::oddQuestion, game.picked[0], game.qtype);
}

} // namespace

const OddOutScreen qoddoutScreen{
    OddOutScreen::Shows::captions,
    {oddOutItems, SlotPicking::Rule::restarting, true},
    OddOutScreen::LoadLog::typeOutsideExports,
    true,
    qtext::longAnswer,
    true,
    OddOutScreen::VerdictLog::wrongOutsideExports,
    4,
    6,
    OddOutScreen::Guard::height,
    false,
    "Click on the item that does NOT fit the pattern",
};

// It shows pictures, not option texts, so no slot is picked again for a text
// that repeats.
const OddOutScreen IoddoutScreen{
    OddOutScreen::Shows::pictures,
    {oddOutItems, SlotPicking::Rule::restarting, false},
    OddOutScreen::LoadLog::typeAndItemNames,
    false,
    qtext::label,
    false,
    OddOutScreen::VerdictLog::every,
    std::nullopt,
    std::nullopt,
    OddOutScreen::Guard::width,
    true,
    "Click on the image that does NOT fit the pattern",
};

std::string oddOutOption(ScreenState& game, int item) {
    return getqtext(game, qtext::longAnswer, item, 0);
}

std::vector<TabbedText> tabbedTexts(ScreenState& game, const OddOutScreen& screen, int item) {
    if (!screen.exports)
        return {};
    game.picked[0] = static_cast<std::int16_t>(item);
    return {{"question", longestQuestion, promptOf(game)},
            {"answer", longestAnswer, oddOutOption(game, item)}};
}

bool laysOut(const OddOutScreen& screen, double windowWidth, double windowHeight) {
    const double guarded = screen.guard == OddOutScreen::Guard::height ? windowHeight : windowWidth;
    return guarded >= oddOutLayoutMinimum;
}

bool savesSize(const OddOutScreen& screen, bool maximized) {
    return screen.savesWhenMaximized || !maximized;
}

OddOut::OddOut(ScreenState& game, const OddOutScreen& screen) : game_(game), screen_(screen) {
    for (int p = 0; p < static_cast<int>(perm_.size()); ++p)
        perm_[index(p)] = static_cast<std::int16_t>(p);
}

bool OddOut::exportRun() const {
    return game_.makeonline || game_.maketabbed;
}

void OddOut::load() {
    logQuestionType();
    if (!pickItems()) {
        game_.picked[0] = 0;
        cannotBuild(game_);
        return;
    }
    // The online block starts only once its items exist, so a question that
    // cannot be built leaves no half block in the export file.
    writeOnlineHeader();
    prompt_ = promptOf(game_);
    if (game_.makeonline && screen_.exports)
        logmsg(game_, prompt_, exportLevel);
    perm_ = displayShuffle(game_.random, oddOutItems);
    writeOnlineItems();
    writeTabbedLine();
    built_ = true;
}

void OddOut::logQuestionType() {
    // The picture screen writes no export lines, so it logs its questions in
    // export runs as well.
    if (screen_.loadLog == OddOutScreen::LoadLog::typeAndItemNames || !exportRun())
        logmsg(game_, game_.qname[index(game_.qtype)], loadLevel);
}

bool OddOut::pickItems() {
    const auto logItem = [this](int, int item) {
        logmsg(game_, game_.db.items[index(item)].name, loadLevel);
    };
    const bool logsItems = screen_.loadLog == OddOutScreen::LoadLog::typeAndItemNames;
    if (!pickSlots(game_, screen_.picking, logsItems ? ItemPicked(logItem) : ItemPicked()))
        return false;
    if (screen_.shows == OddOutScreen::Shows::captions)
        for (int slot = 0; slot < oddOutItems; ++slot)
            slotCaption_[index(slot)] = oddOutOption(game_, game_.picked[index(slot)]);
    return true;
}

void OddOut::writeOnlineHeader() {
    if (!game_.makeonline || !screen_.exports)
        return;
    logmsg(game_, "ODDOUT", exportLevel);
    logmsg(game_, game_.qname[index(game_.qtype)], exportLevel);
}

void OddOut::writeOnlineItems() {
    if (!game_.makeonline || !screen_.exports)
        return;
    for (int p = 0; p < oddOutItems; ++p)
        logmsg(game_, caption(p), exportLevel);
    logmsg(game_, " " + str(oddPosition() + 1), exportLevel);
}

void OddOut::writeTabbedLine() {
    if (!game_.maketabbed || !screen_.exports)
        return;
    std::string line = prompt_;
    if (line.size() > longestQuestion)
        line = "* Question TOO LONG * " + line;
    for (int p = 0; p < oddOutItems; ++p) {
        if (caption(p).size() > longestAnswer)
            line = "* TOO LONG * " + line;
        line += '\t' + caption(p);
    }
    line += '\t' + str(oddPosition() + 1);
    logmsg(game_, line, exportLevel);
    ++game_.qcount;
}

int OddOut::oddPosition() const {
    return positionOf(perm_, oddOutItems, oddSlot);
}

const std::string& OddOut::caption(int position) const {
    return slotCaption_[index(perm_[index(position)])];
}

std::string OddOut::picture(int position) const {
    return getimage(game_, game_.picked[index(perm_[index(position)])]);
}

void OddOut::answer(int position) {
    if (!built_ || answered_ || position < 0 || position >= oddOutItems)
        return;
    answered_ = true;
    const int slot = perm_[index(position)];
    const bool right = slot == oddSlot;
    if (right) {
        adjustuse(game_, game_.picked[oddSlot], +4);
        addscore(game_, 5, 5);
        if (screen_.rightSound)
            playsfx(game_, *screen_.rightSound);
    } else {
        adjustuse(game_, game_.picked[index(slot)], -1);
        addscore(game_, 0, 5);
        if (screen_.wrongSound)
            playsfx(game_, *screen_.wrongSound);
    }
    const std::string text = verdict(right);
    logVerdict(text, right);
    showResult(game_, text);
}

// The verdict names the odd item and the group also after a right answer.
std::string OddOut::verdict(bool right) {
    const std::string oddLabel = getqtext(game_, screen_.oddLabelMode, game_.picked[oddSlot],
                                          screen_.oddLabelOfType ? game_.qtype : 0);
    return (right ? "Correct -- " : "No, ") + oddLabel + " is not " +
           getpstr(game_, game_.picked[0], game_.qtype);
}

void OddOut::logVerdict(const std::string& text, bool right) {
    const bool logged =
        screen_.verdictLog == OddOutScreen::VerdictLog::every || (!right && !exportRun());
    if (logged)
        logmsg(game_, text, verdictLevel);
}

void OddOut::help() {
    game_.host.message({screen_.help, Buttons::Ok, Icon::None, "", false});
}

} // namespace stratavex
