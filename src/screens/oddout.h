// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "screens/question_screens.h"
#include "screens/shuffle.h"

namespace stratavex {

struct ScreenState;

// Four items: three share an attribute, the one in picked slot 1 does not.
constexpr int oddOutItems = 4;
constexpr int oddSlot = 1;
// Window size slot shared by both odd-one-out screens.
constexpr int oddOutSizeSlot = 7;
// Below this many twips (high on the text screen, wide on the picture screen)
// a resize leaves the layout alone.
constexpr double oddOutLayoutMinimum = 3000;

// What sets the two odd-one-out screens apart; everything else they share.
struct OddOutScreen {
    enum class Shows { captions, pictures };
    enum class LoadLog { typeOutsideExports, typeAndItemNames };
    enum class VerdictLog { wrongOutsideExports, every };
    enum class Guard { height, width };

    Shows shows;
    // Four items; a failed pick starts the selection again with another group.
    SlotPicking picking;
    LoadLog loadLog;
    bool exports;
    // The odd item's label in the verdict: getqtext(mode, picked(1), qtype or 0).
    int oddLabelMode;
    bool oddLabelOfType;
    VerdictLog verdictLog;
    std::optional<int> rightSound;
    std::optional<int> wrongSound;
    Guard guard;
    bool savesWhenMaximized;
    const char* help;
};

// The text screen qoddout (question types 8, 10, 17).
extern const OddOutScreen qoddoutScreen;
// The picture screen Ioddout (question type 5).
extern const OddOutScreen IoddoutScreen;

// The option an item gives on the text screen: its long answer.
std::string oddOutOption(ScreenState& game, int item);
// What the tabbed line of a question whose group is the item's measures.
std::vector<TabbedText> tabbedTexts(ScreenState& game, const OddOutScreen& screen, int item);

// Whether a resize to this window size lays the screen out again.
bool laysOut(const OddOutScreen& screen, double windowWidth, double windowHeight);
// Whether a resize saves the window's size.
bool savesSize(const OddOutScreen& screen, bool maximized);

// One odd-one-out question, from picking its items to the verdict.
class OddOut {
public:
    OddOut(ScreenState& game, const OddOutScreen& screen);

    // Picks the four items, sets the prompt, shuffles them and writes the
    // screen's log and export lines. When the current settings cannot supply
    // the items it tells the player, deselects the question type and opens
    // the settings; the question then stays unbuilt.
    void load();

    bool built() const { return built_; }
    bool answered() const { return answered_; }
    const std::string& prompt() const { return prompt_; }
    // perm(position) is the picked slot shown at that position.
    const Perm& perm() const { return perm_; }
    int oddPosition() const;
    // The option text shown at a position (text screen).
    const std::string& caption(int position) const;
    // The picture file shown at a position (picture screen).
    std::string picture(int position) const;

    // The player clicked the item at a position: judged, scored and shown on
    // the score display. Only the first click of a built question counts.
    void answer(int position);
    void help();

private:
    bool pickItems();
    void logQuestionType();
    void writeOnlineHeader();
    void writeOnlineItems();
    void writeTabbedLine();
    std::string verdict(bool right);
    void logVerdict(const std::string& text, bool right);
    bool exportRun() const;

    ScreenState& game_;
    const OddOutScreen& screen_;
    bool built_ = false;
    bool answered_ = false;
    std::string prompt_;
    Perm perm_{};
    std::array<std::string, oddOutItems> slotCaption_{};
};

} // namespace stratavex
