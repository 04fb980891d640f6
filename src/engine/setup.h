// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/settings.h"

namespace stratavex {

class Game;

// The settings window without its widgets: what it shows when it opens, how it
// corrects its number boxes, and what it stores when it closes. Constructing it
// is the window's load; the log option and the sound box act on the settings at
// once, everything else only when the window closes.
class SetupModel {
public:
    static constexpr int lowestValue = 1;
    static constexpr int maxDifficultyBound = 4;
    static constexpr int questionsPerGameBound = 10;
    static constexpr int logOptions = 3;

    explicit SetupModel(Game& game);

    std::string caption() const;
    // The log option button to select: the index is the threshold.
    int logOption() const;
    const std::string& nquestionText() const { return nquestion_; }
    const std::string& tmindifText() const { return tmindif_; }
    const std::string& tmaxdifText() const { return tmaxdif_; }
    bool soundChecked() const { return sound_; }

    // List positions 0..18 hold question type codes 1..19.
    static constexpr int listCount() { return nQuestionTypes; }
    const std::string& listEntry(int index) const;
    bool listSelected(int index) const;

    // The upper bound of the questions-per-game box. An export run raises it to
    // its fixed question count, which is then also what closing stores.
    int questionsBound() const { return questionsBound_; }
    void setQuestionsBound(int bound) { questionsBound_ = bound; }

    // Each returns the box's corrected text, which replaces what was typed.
    std::string nquestion_Change(std::string_view text);
    std::string tmaxdif_Change(std::string_view text);
    std::string tmindif_Change(std::string_view text);

    void Option1_Click(int index);
    void Check1_Click(int value);
    // A click on a list entry toggles it.
    void List1_Click(int index);
    void setListSelected(int index, bool on);
    void cmdHelp_Click();

    // Stores the settings, writes the configuration and refreshes the tables.
    void Form_Unload();

private:
    Game& game_;
    int questionsBound_ = questionsPerGameBound;
    std::string nquestion_;
    std::string tmindif_;
    std::string tmaxdif_;
    bool sound_ = false;
    std::array<std::string, nQuestionTypes> names_{};
    std::array<bool, nQuestionTypes> selected_{};
};

} // namespace stratavex
