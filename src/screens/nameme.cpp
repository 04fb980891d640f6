// SPDX-License-Identifier: MIT
#include "screens/nameme.h"

#include <algorithm>

#include "base/fields.h"
#include "base/media.h"
#include "database/attributes.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"
#include "screens/screen_state.h"

namespace stratavex {

namespace {

constexpr int fewestTries = 4;
constexpr double growth = 1.2;

constexpr int letterFoundSound = 3;
constexpr int letterWrongSound = 6;

bool isKeyLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

char upperChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - ('a' - 'A'));
    // Windows-1252: à..þ lie 32 above À..Þ (÷ and × excepted); š, œ, ž and ÿ
    // have their capitals elsewhere.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return static_cast<char>(b - 0x20);
    switch (b) {
    case 0x9A:
        return static_cast<char>(0x8A);
    case 0x9C:
        return static_cast<char>(0x8C);
    case 0x9E:
        return static_cast<char>(0x8E);
    case 0xFF:
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

} // namespace

int nameMeMaxTries(int triesbase, int maxdif) {
    return std::max(fewestTries, triesbase - maxdif + 1);
}

int wordFontPoints(std::size_t nameLength) {
    if (nameLength > 27)
        return 10;
    if (nameLength > 23)
        return 12;
    if (nameLength > 19)
        return 14;
    if (nameLength > 14)
        return 18;
    return 24;
}

TwipsRect grownAround(const TwipsRect& picture, float picx, float picy) {
    TwipsRect grown = picture;
    grown.width = picture.width * growth;
    grown.height = picture.height * growth;
    grown.left = picx - grown.width / 2;
    grown.top = picy - grown.height / 2;
    return grown;
}

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), upperChar);
    return text;
}

NameMePuzzle::NameMePuzzle(ScreenState& game) : game_(game) {}

bool NameMePuzzle::load() {
    picx_ = static_cast<float>(creatureDesign.left + creatureDesign.width / 2);
    picy_ = static_cast<float>(creatureDesign.top + creatureDesign.height / 2);
    creature_ = creatureDesign;
    maxtries_ = nameMeMaxTries(game_.triesbase, game_.settings.maxdif);
    // The creature has no picture until the first wrong letter, so it is not shown.
    creatureVisible_ = false;
    creaturePicture_.clear();
    label3_ = "Guess the word before the " + game_.creature + " can appear!";
    label3Visible_ = false;
    label1_.clear();
    wrong_.clear();

    // Without an item there is no name to guess; the editor's current item
    // is left as it was rather than pointed at no dinosaur.
    if (!pickSlots(game_, picking)) {
        state_ = State::notBuilt;
        cannotBuild(game_);
        return false;
    }
    const std::int16_t item = game_.picked[0];
    game_.curitem = item;
    dinosaurPicture_ = getimage(game_, item);
    word_ = upperCase(getpstr(game_, item, game_.qtype));
    label2Points_ = wordFontPoints(word_.size());
    layOutBlanks();
    label2_ = shown_;
    state_ = State::running;
    return true;
}

// Only the letters A..Z are left to guess. A blank and a full stop show from
// the start, and so does any other character that no letter key can type (a
// hyphen, a digit, an apostrophe, an accented letter), so every name can be won.
void NameMePuzzle::layOutBlanks() {
    mask_.clear();
    shown_.clear();
    for (const char ch : word_) {
        if (ch == ' ') {
            shown_ += "  ";
            mask_ += ' ';
        } else if (ch == '.') {
            shown_ += ". ";
            mask_ += '.';
        } else if (isKeyLetter(ch)) {
            shown_ += "_ ";
            mask_ += '*';
        } else {
            shown_ += std::string(1, ch) + " ";
            mask_ += ch;
        }
    }
}

// Once a letter is found the blanks still open are drawn wider.
void NameMePuzzle::rebuildShown() {
    shown_.clear();
    for (const char ch : mask_) {
        if (ch == '*')
            shown_ += "_  ";
        else if (ch == '.')
            shown_ += ". ";
        else
            shown_ += std::string(1, ch) + " ";
    }
}

NameMePuzzle::Key NameMePuzzle::Form_KeyPress(int keyAscii) {
    switch (state_) {
    case State::notBuilt:
        return Key::stays;
    case State::won:
    case State::lost:
        return Key::closes;
    case State::running:
        break;
    }
    const char c =
        keyAscii >= 0 && keyAscii <= 0xFF ? upperChar(static_cast<char>(keyAscii)) : '\0';
    if (!isKeyLetter(c)) {
        game_.host.message({notALetter, Buttons::Ok, Icon::None, "", false});
        return Key::stays;
    }
    if (wrong_.find(c) != std::string::npos)
        return Key::stays;
    if (!findLetter(c)) {
        missLetter(c);
        return Key::stays;
    }
    rebuildShown();
    label2_ = shown_;
    if (mask_ == word_) {
        win();
        return Key::closes;
    }
    return Key::stays;
}

// A letter found before is found again, at no cost.
bool NameMePuzzle::findLetter(char c) {
    bool found = false;
    for (std::size_t k = 0; k < word_.size(); ++k) {
        if (word_[k] == c) {
            mask_[k] = c;
            playsfx(game_, letterFoundSound);
            found = true;
        }
    }
    return found;
}

void NameMePuzzle::missLetter(char c) {
    playsfx(game_, letterWrongSound);
    wrong_ += std::string(" ") + c;
    label1_ = wrong_;
    creature_ = grownAround(creature_, picx_, picy_);
    creaturePicture_ = game_.creature + str(maxtries_ - misses() + 1) + ".jpg";
    creatureVisible_ = true;
    label3Visible_ = true;
    if (misses() >= maxtries_)
        lose();
}

void NameMePuzzle::lose() {
    addscore(game_, 0, maxtries_);
    label2_ = word_;
    label1_ = lostLine;
    state_ = State::lost;
    label3_ = lostHeadline;
    playsfx(game_, sfx::wrong);
}

void NameMePuzzle::win() {
    state_ = State::won;
    if (refresh_)
        refresh_();
    playsfx(game_, sfx::right);
    addscore(game_, maxtries_ - misses(), maxtries_);
    showResult(game_, mask_ + game_.crlf + wonLine);
}

} // namespace stratavex
