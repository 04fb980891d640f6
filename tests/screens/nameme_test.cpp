// SPDX-License-Identifier: MIT
#include "screens/nameme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "database/attributes.h"
#include "engine/game.h"
#include "support/sample_items.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::ProgramFolder;
using testing::RecordingHost;
using Key = NameMePuzzle::Key;

constexpr int nameMe = 4;

// The puzzle on a hand-made table, in its own program folder so that a quiz
// log written by mistake would show up.
struct NameMeGame : ::testing::Test {
    ProgramFolder folder;
    RecordingHost host;
    Game game{host};
    NameMePuzzle puzzle{game};

    NameMeGame() {
        testing::readyForQuestions(game, 17, 1);
        game.qtype = nameMe;
        testing::nameSounds(game, "snd", ".wav");
    }

    int add(const std::string& name, int dif = 1, const std::string& image = "dino.jpg") {
        itemrec it;
        it.name = name;
        it.dif = static_cast<std::int16_t>(dif);
        it.image = image;
        return testing::addItem(game, it);
    }

    // A table of one dinosaur, so the puzzle is about it.
    void loadWith(const std::string& name, int maxdif = 1) {
        add(name);
        game.settings.maxdif = static_cast<std::int16_t>(maxdif);
        ASSERT_TRUE(puzzle.load());
    }

    Key type(const std::string& keys) {
        Key last = Key::stays;
        for (const char k : keys)
            last = puzzle.Form_KeyPress(static_cast<unsigned char>(k));
        return last;
    }

    int count(const std::string& sound) const {
        return static_cast<int>(std::count(host.sounds.begin(), host.sounds.end(), sound));
    }
    int timesShown(WindowId window) const {
        return static_cast<int>(std::count(host.shown.begin(), host.shown.end(), window));
    }
};

const std::string found = "snd3.wav";
const std::string miss = "snd6.wav";
const std::string right = "snd5.wav";
const std::string wrong = "snd8.wav";

// A fresh game whose table holds one dinosaur, so the puzzle is about it.
struct OneDinosaur {
    RecordingHost host;
    Game game{host};
    NameMePuzzle puzzle{game};

    explicit OneDinosaur(const std::string& name, int maxdif = 1) {
        inittables(game);
        game.qtype = nameMe;
        game.settings.maxdif = static_cast<std::int16_t>(maxdif);
        game.settings.soundon = 1;
        testing::nameSounds(game, "snd", ".wav");
        itemrec it;
        it.name = name;
        it.dif = 1;
        it.image = "x.jpg";
        testing::addItem(game, it);
    }
};

TEST(NameMeRules, AllowedWrongLettersFollowTheBaseAndTheMaximumDifficulty) {
    struct Row {
        int triesbase, maxdif, maxtries;
    };
    const Row rows[] = {
        {6, 1, 6}, {6, 2, 5}, {6, 3, 4}, {6, 4, 4}, {8, 1, 8}, // a larger base allows more
        {3, 1, 4},                                             // never fewer than four
    };
    for (const Row& r : rows)
        EXPECT_EQ(nameMeMaxTries(r.triesbase, r.maxdif), r.maxtries)
            << "triesbase " << r.triesbase << ", maxdif " << r.maxdif;
}

TEST(NameMeRules, TheLongestThresholdExceededDecidesTheWordFont) {
    struct Row {
        std::size_t length;
        int points;
    };
    const Row rows[] = {{1, 24},  {14, 24}, {15, 18}, {19, 18}, {20, 14},
                        {23, 14}, {24, 12}, {27, 12}, {28, 10}, {60, 10}};
    for (const Row& r : rows)
        EXPECT_EQ(wordFontPoints(r.length), r.points) << "length " << r.length;
}

TEST(NameMeRules, TheCreatureGrowsTwentyPercentAroundItsCentre) {
    const TwipsRect grown = grownAround(NameMePuzzle::creatureDesign, 6607.5f, 2047.5f);
    EXPECT_DOUBLE_EQ(grown.width, 1458);
    EXPECT_DOUBLE_EQ(grown.height, 1746);
    EXPECT_DOUBLE_EQ(grown.left, 5878.5);
    EXPECT_DOUBLE_EQ(grown.top, 1174.5);
}

TEST(NameMeRules, UpperCaseCoversTheAccentedLettersOfTheCodePage) {
    EXPECT_EQ(upperCase("Tyrannosaurus rex"), "TYRANNOSAURUS REX");
    EXPECT_EQ(upperCase("\xE9\xFC\xF7\x9A\xFF-1."), "\xC9\xDC\xF7\x8A\x9F-1.");
}

TEST_F(NameMeGame, OpensWithTheCaptionBlanksAndAHiddenWarning) {
    const int item = add("Rex", 1, "rex.jpg");
    game.curitem = 0;
    ASSERT_TRUE(puzzle.load());
    EXPECT_STREQ(NameMePuzzle::caption, "Name Me -- Press the letter keys to enter my name... ");
    EXPECT_EQ(game.curitem, item);
    EXPECT_EQ(puzzle.dinosaurPicture(), "rex.jpg");
    EXPECT_EQ(puzzle.word(), "REX");
    EXPECT_EQ(puzzle.Label2(), "_ _ _ ");
    EXPECT_EQ(puzzle.Label1(), "");
    EXPECT_EQ(puzzle.Label3(), "Guess the word before the TRex can appear!");
    EXPECT_FALSE(puzzle.label3Visible());
    EXPECT_FALSE(puzzle.creatureVisible());
    EXPECT_EQ(puzzle.creaturePicture(), "");
    EXPECT_EQ(puzzle.creatureGeometry(), NameMePuzzle::creatureDesign);
    EXPECT_EQ(puzzle.misses(), 0);
    EXPECT_FALSE(puzzle.lost());
}

TEST_F(NameMeGame, TheWarningNamesTheCreature) {
    game.creature = "Raptor";
    loadWith("Rex");
    EXPECT_EQ(puzzle.Label3(), "Guess the word before the Raptor can appear!");
}

TEST_F(NameMeGame, BlanksFullStopsAndUntypableCharactersShowFromTheStart) {
    struct Row {
        const char* name;
        const char* shown;
        const char* mask;
    };
    const Row rows[] = {
        {"Rex", "_ _ _ ", "***"},
        {"T Rex", "_   _ _ _ ", "* ***"},
        {"St. Rex", "_ _ .   _ _ _ ", "**. ***"},
        {"Rex-2", "_ _ _ - 2 ", "***-2"},
        {"O'Rex", "_ ' _ _ _ ", "*'***"},
        {"\xE9lan", "\xC9 _ _ _ ", "\xC9***"},
    };
    for (const Row& r : rows) {
        OneDinosaur one{r.name};
        auto& [h, g, p] = one;
        ASSERT_TRUE(p.load()) << r.name;
        EXPECT_EQ(p.shown(), r.shown) << r.name;
        EXPECT_EQ(p.Label2(), r.shown) << r.name;
        EXPECT_EQ(p.mask(), r.mask) << r.name;
    }
}

TEST_F(NameMeGame, ANameWithAHyphenCanBeWon) {
    loadWith("Rex-2");
    EXPECT_EQ(type("rex"), Key::closes);
    EXPECT_EQ(game.showscor.Text1, "REX-2\r\nYou got it!");
}

TEST_F(NameMeGame, TheFontOfTheWordFollowsTheNameLength) {
    loadWith("Carcharodontosaurus"); // 19 letters
    EXPECT_EQ(puzzle.label2Points(), 18);
}

TEST_F(NameMeGame, LowerAndUpperCaseKeysAreTheSameLetter) {
    loadWith("Rex");
    EXPECT_EQ(type("r"), Key::stays);
    EXPECT_EQ(puzzle.mask(), "R**");
    EXPECT_EQ(type("E"), Key::stays);
    EXPECT_EQ(puzzle.mask(), "RE*");
    EXPECT_EQ(puzzle.misses(), 0);
    EXPECT_EQ(count(found), 2);
}

TEST_F(NameMeGame, OpenBlanksWidenOnceALetterIsFound) {
    loadWith("T Rex");
    ASSERT_EQ(puzzle.Label2(), "_   _ _ _ ");
    type("r");
    EXPECT_EQ(puzzle.Label2(), "_    R _  _  ");
    type("x");
    EXPECT_EQ(puzzle.Label2(), "_    R _  X ");
}

TEST_F(NameMeGame, ALetterThreeTimesIsFoundAtOnceWithThreeSoundsAndIsFreeAgain) {
    loadWith("Parasaurolophus");
    type("a");
    EXPECT_EQ(puzzle.mask(), "*A*A*A*********");
    EXPECT_EQ(count(found), 3);
    type("A");
    EXPECT_EQ(count(found), 6);
    EXPECT_EQ(puzzle.misses(), 0);
    EXPECT_EQ(puzzle.Label1(), "");
}

TEST_F(NameMeGame, WrongLettersAreListedEachAfterABlank) {
    loadWith("Rex");
    type("q");
    EXPECT_EQ(puzzle.Label1(), " Q");
    type("X");
    type("z");
    EXPECT_EQ(puzzle.wrong(), " Q Z");
    EXPECT_EQ(puzzle.Label1(), " Q Z");
    EXPECT_EQ(puzzle.misses(), 2);
    EXPECT_EQ(count(miss), 2);
}

TEST_F(NameMeGame, AWrongLetterTypedAgainIsIgnored) {
    loadWith("Rex");
    type("q");
    const TwipsRect after = puzzle.creatureGeometry();
    host.sounds.clear();
    type("qQ");
    EXPECT_EQ(puzzle.misses(), 1);
    EXPECT_EQ(puzzle.wrong(), " Q");
    EXPECT_EQ(puzzle.creatureGeometry(), after);
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(NameMeGame, AKeyThatIsNotALetterAsksForALetterAtNoCost) {
    const int keys[] = {'1', ' ', '-', '.', 13, 27, 0xE9, 0x100};
    loadWith("Rex");
    for (const int key : keys) {
        host.messages.clear();
        EXPECT_EQ(puzzle.Form_KeyPress(key), Key::stays) << key;
        ASSERT_EQ(host.messages.size(), 1u) << key;
        EXPECT_EQ(host.messages[0].text, "Press a letter, only");
        EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    }
    EXPECT_EQ(puzzle.mask(), "***");
    EXPECT_EQ(puzzle.misses(), 0);
    EXPECT_FALSE(puzzle.creatureVisible());
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(NameMeGame, TheFirstWrongLetterShowsTheCreatureAndTheWarning) {
    loadWith("Rex");
    type("q");
    EXPECT_TRUE(puzzle.creatureVisible());
    EXPECT_TRUE(puzzle.label3Visible());
    EXPECT_EQ(puzzle.Label3(), "Guess the word before the TRex can appear!");
}

TEST_F(NameMeGame, CreaturePicturesCountDownTheTriesLeft) {
    struct Row {
        int maxdif;
        std::vector<std::string> pictures;
    };
    const Row rows[] = {
        {1, {"TRex6.jpg", "TRex5.jpg", "TRex4.jpg", "TRex3.jpg", "TRex2.jpg", "TRex1.jpg"}},
        {2, {"TRex5.jpg", "TRex4.jpg", "TRex3.jpg", "TRex2.jpg", "TRex1.jpg"}},
        {4, {"TRex4.jpg", "TRex3.jpg", "TRex2.jpg", "TRex1.jpg"}},
    };
    for (const Row& r : rows) {
        OneDinosaur one{"Rex", r.maxdif};
        auto& [h, g, p] = one;
        ASSERT_TRUE(p.load());
        std::vector<std::string> pictures;
        for (const char k : std::string("QWTYU").substr(0, r.pictures.size() - 1) + "I") {
            p.Form_KeyPress(k);
            pictures.push_back(p.creaturePicture());
        }
        EXPECT_EQ(pictures, r.pictures) << "maxdif " << r.maxdif;
    }
}

TEST_F(NameMeGame, EveryWrongLetterGrowsTheCreatureAroundTheSameCentre) {
    loadWith("Rex");
    const TwipsRect design = NameMePuzzle::creatureDesign;
    const std::string misses = "QWTYUI";
    for (std::size_t m = 1; m <= misses.size(); ++m) {
        type(misses.substr(m - 1, 1));
        const TwipsRect r = puzzle.creatureGeometry();
        const double factor = std::pow(1.2, static_cast<double>(m));
        EXPECT_NEAR(r.width, design.width * factor, 1e-6) << m;
        EXPECT_NEAR(r.height, design.height * factor, 1e-6) << m;
        EXPECT_NEAR(r.left + r.width / 2, 6607.5, 1e-6) << m;
        EXPECT_NEAR(r.top + r.height / 2, 2047.5, 1e-6) << m;
    }
}

TEST_F(NameMeGame, WinsScoreTheTriesLeftAndShowTheName) {
    struct Row {
        const char* name;
        int maxdif;
        const char* keys;
        int points, possible;
        const char* verdict;
        const char* scoreLine;
    };
    const Row rows[] = {
        {"Rex", 1, "rex", 6, 6, "REX\r\nYou got it!", "Current score: 6 of 6  (100%)"},
        {"Rex", 1, "rqzex", 4, 6, "REX\r\nYou got it!", "Current score: 4 of 6  (66%)"},
        {"Rex", 2, "rqex", 4, 5, "REX\r\nYou got it!", "Current score: 4 of 5  (80%)"},
        {"Rex", 3, "arex", 3, 4, "REX\r\nYou got it!", "Current score: 3 of 4  (75%)"},
        {"T. Rex", 1, "trex", 6, 6, "T. REX\r\nYou got it!", "Current score: 6 of 6  (100%)"},
    };
    for (const Row& r : rows) {
        OneDinosaur one{r.name, r.maxdif};
        auto& [h, g, p] = one;
        ASSERT_TRUE(p.load());
        const std::string keys = r.keys;
        for (std::size_t k = 0; k + 1 < keys.size(); ++k)
            EXPECT_EQ(p.Form_KeyPress(keys[k]), Key::stays) << r.keys;
        EXPECT_TRUE(h.shown.empty()) << "no result before the last letter: " << r.keys;
        EXPECT_EQ(p.Form_KeyPress(keys.back()), Key::closes) << r.keys;
        EXPECT_TRUE(p.won());
        EXPECT_EQ(g.player.score, r.points) << r.keys;
        EXPECT_EQ(g.player.possible, r.possible) << r.keys;
        EXPECT_EQ(g.showscor.Text1, r.verdict) << r.keys;
        EXPECT_EQ(g.showscor.Label1, "Results for Nameme");
        EXPECT_EQ(g.showscor.Label2, r.scoreLine);
        EXPECT_EQ(h.shown, std::vector<WindowId>{WindowId::showscor}) << r.keys;
        EXPECT_EQ(h.sounds.back(), right) << r.keys;
    }
}

TEST_F(NameMeGame, TheCompletedNameIsOnDisplayBeforeTheScoreDisplayOpens) {
    loadWith("Rex");
    std::string onDisplay;
    std::size_t windowsShown = 99;
    puzzle.onSolved([&] {
        onDisplay = puzzle.Label2();
        windowsShown = host.shown.size();
    });
    type("re");
    EXPECT_EQ(onDisplay, "");
    type("x");
    EXPECT_EQ(onDisplay, "R E X ");
    EXPECT_EQ(windowsShown, 0u);
}

TEST_F(NameMeGame, TheLimitOfWrongLettersLosesThePuzzle) {
    struct Row {
        int maxdif;
        int losingMiss;
    };
    const Row rows[] = {{1, 6}, {2, 5}, {3, 4}, {4, 4}};
    for (const Row& r : rows) {
        OneDinosaur one{"Rex", r.maxdif};
        auto& [h, g, p] = one;
        ASSERT_TRUE(p.load());
        const std::string misses = "QWTYUIOP";
        for (int m = 1; m < r.losingMiss; ++m) {
            EXPECT_EQ(p.Form_KeyPress(misses[static_cast<std::size_t>(m - 1)]), Key::stays);
            EXPECT_FALSE(p.lost()) << "maxdif " << r.maxdif << ", miss " << m;
        }
        EXPECT_EQ(g.player.possible, 0) << "nothing scored before the loss";
        EXPECT_EQ(p.Form_KeyPress(misses[static_cast<std::size_t>(r.losingMiss - 1)]), Key::stays)
            << "the lost puzzle stays on display";
        EXPECT_TRUE(p.lost()) << "maxdif " << r.maxdif;
        EXPECT_EQ(g.player.score, 0);
        EXPECT_EQ(g.player.possible, p.maxtries());
        EXPECT_EQ(p.maxtries(), r.losingMiss);
        EXPECT_EQ(p.Label2(), "REX");
        EXPECT_EQ(p.Label1(), "Better luck next time!");
        EXPECT_EQ(p.Label3(), "Too many tries!");
        EXPECT_TRUE(p.label3Visible());
        EXPECT_EQ(p.creaturePicture(), "TRex1.jpg");
        EXPECT_EQ(h.sounds.back(), wrong);
        EXPECT_TRUE(h.shown.empty()) << "a loss shows no score display";
    }
}

TEST_F(NameMeGame, TheFirstKeyAfterALossClosesTheScreenAndIsNotALetter) {
    const int keys[] = {'r', 'Q', '1', 13};
    for (const int key : keys) {
        OneDinosaur one{"Rex", 3};
        auto& [h, g, p] = one;
        ASSERT_TRUE(p.load());
        for (const char k : std::string("QWTY"))
            p.Form_KeyPress(k);
        ASSERT_TRUE(p.lost());
        h.sounds.clear();
        EXPECT_EQ(p.Form_KeyPress(key), Key::closes) << key;
        EXPECT_TRUE(h.sounds.empty()) << key;
        EXPECT_TRUE(h.messages.empty()) << key;
        EXPECT_EQ(p.mask(), "***") << key;
        EXPECT_EQ(p.Label2(), "REX") << key;
        EXPECT_EQ(g.player.possible, 4) << "scored once: " << key;
    }
}

TEST_F(NameMeGame, ThePuzzleWritesNoLogAndMovesNoUseCounterBeyondThePick) {
    const int item = add("Rex");
    ASSERT_TRUE(puzzle.load());
    type("qrex");
    EXPECT_FALSE(folder.dir.exists("dremquiz.log"));
    EXPECT_EQ(game.db.itemuse[static_cast<std::size_t>(item)], 10);
}

TEST_F(NameMeGame, WithoutASuitableItemThePlayerIsSentToTheSettings) {
    add("Rex", 3);
    add("Rex without a picture", 1, "");
    game.curitem = 7;
    EXPECT_FALSE(puzzle.load());
    EXPECT_FALSE(puzzle.built());
    EXPECT_EQ(host.messageTexts(),
              std::vector<std::string>{"Current set doesn't provide enough items for Nameme. Use "
                                       "another question type or change difficulty level to "
                                       "include more."});
    EXPECT_EQ(game.settings.selected[nameMe], 0);
    EXPECT_EQ(host.shown, std::vector<WindowId>{WindowId::setup});
    EXPECT_EQ(game.curitem, 7);
    host.messages.clear();
    EXPECT_EQ(type("a1"), Key::stays);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(game.player.possible, 0);
}

} // namespace
} // namespace stratavex
