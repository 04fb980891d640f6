// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>

#include "screens/question_screens.h"

namespace stratavex {

struct ScreenState;

// A control's place in its window, in twips.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const TwipsRect&) const = default;
};

// Wrong letters the puzzle allows: triesbase - maxdif + 1, never fewer than 4.
int nameMeMaxTries(int triesbase, int maxdif);
// Point size of the word line: the longer the name, the smaller the letters.
int wordFontPoints(std::size_t nameLength);
// The creature picture after one more wrong letter: 20 % wider and higher,
// still centred on (picx, picy).
TwipsRect grownAround(const TwipsRect& picture, float picx, float picy);
// Upper case of Windows-1252 text, accented letters included.
std::string upperCase(std::string text);

// The Name Me letter game of question type 4: a dinosaur's picture and the
// blanks of its name, which the player fills by typing letters. Every wrong
// letter lets the creature picture grow; too many lose the puzzle. It writes
// nothing to the quiz log and takes no part in export runs.
class NameMePuzzle {
public:
    static constexpr const char* caption = "Name Me -- Press the letter keys to enter my name... ";
    static constexpr const char* notALetter = "Press a letter, only";
    static constexpr const char* lostLine = "Better luck next time!";
    static constexpr const char* lostHeadline = "Too many tries!";
    static constexpr const char* wonLine = "You got it!";
    // Where the creature picture sits before it grows.
    static constexpr TwipsRect creatureDesign{6000, 1320, 1215, 1455};
    // One dinosaur to name.
    static constexpr SlotPicking picking{1, SlotPicking::Rule::inTurn};

    enum class Key { stays, closes };

    explicit NameMePuzzle(ScreenState& game);

    // Called when the completed name is in place, just before the score
    // display opens over the puzzle, so the window can show it first.
    void onSolved(std::function<void()> refresh) { refresh_ = std::move(refresh); }

    // Picks the dinosaur and lays out its blanks. When no item suits the
    // current settings the player is told, the question type is deselected,
    // the settings window is shown and false is returned; the puzzle then
    // takes no keys and the player leaves with quit.
    bool load();
    bool built() const { return state_ != State::notBuilt; }

    // A typed character (its Windows-1252 code). Returns closes when the
    // screen has to unload: after a win, or for the first key after a loss.
    Key Form_KeyPress(int keyAscii);

    bool lost() const { return state_ == State::lost; }
    bool won() const { return state_ == State::won; }

    const std::string& word() const { return word_; }
    const std::string& mask() const { return mask_; }
    const std::string& shown() const { return shown_; }
    const std::string& wrong() const { return wrong_; }
    int misses() const { return static_cast<int>(wrong_.size() / 2); }
    int maxtries() const { return maxtries_; }

    // The texts and pictures the window shows.
    const std::string& Label1() const { return label1_; }
    const std::string& Label2() const { return label2_; }
    const std::string& Label3() const { return label3_; }
    bool label3Visible() const { return label3Visible_; }
    int label2Points() const { return label2Points_; }
    const std::string& dinosaurPicture() const { return dinosaurPicture_; }
    const std::string& creaturePicture() const { return creaturePicture_; }
    bool creatureVisible() const { return creatureVisible_; }
    const TwipsRect& creatureGeometry() const { return creature_; }

private:
    enum class State { notBuilt, running, won, lost };

    void layOutBlanks();
    void rebuildShown();
    bool findLetter(char c);
    void missLetter(char c);
    void lose();
    void win();

    ScreenState& game_;
    std::function<void()> refresh_;
    State state_ = State::notBuilt;
    int maxtries_ = 0;
    std::string word_;
    std::string mask_;
    std::string shown_;
    std::string wrong_;

    std::string label1_;
    std::string label2_;
    std::string label3_;
    bool label3Visible_ = false;
    int label2Points_ = 24;
    std::string dinosaurPicture_;
    std::string creaturePicture_;
    bool creatureVisible_ = false;
    TwipsRect creature_ = creatureDesign;
    float picx_ = 0;
    float picy_ = 0;
};

} // namespace stratavex
