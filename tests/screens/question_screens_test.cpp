// SPDX-License-Identifier: MIT
#include "screens/question_screens.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "base/file_io.h"
#include "base/file_limits.h"
#include "screens/choice.h"
#include "screens/matching.h"
#include "screens/nameme.h"
#include "screens/oddout.h"
#include "screens/sorting.h"
#include "support/sample_items.h"

namespace stratavex {
namespace {

using testing::ItemGame;

TEST(QuestionScreens, EachQuestionTypeIsAskedOnItsScreen) {
    const std::vector<std::pair<int, WindowId>> rows = {
        {1, WindowId::imatch},   {2, WindowId::quote},    {3, WindowId::imatch},
        {4, WindowId::NameMe},   {5, WindowId::Ioddout},  {6, WindowId::qmatch},
        {7, WindowId::qmatch},   {8, WindowId::qoddout},  {9, WindowId::qsort},
        {10, WindowId::qoddout}, {11, WindowId::qmatch},  {12, WindowId::imatch},
        {13, WindowId::qmatch},  {14, WindowId::qsort},   {15, WindowId::qsort},
        {16, WindowId::mchoice}, {17, WindowId::qoddout}, {18, WindowId::qmatch},
        {19, WindowId::imatch}};
    for (auto [code, screen] : rows)
        EXPECT_EQ(screenOf(code), screen) << "code " << code;
    EXPECT_FALSE(screenOf(0));
    EXPECT_FALSE(screenOf(20));
}

// Builds a question of the current type with its screen's own core class, as
// the screen does when it opens.
struct ScreenBuild {
    Game& game;

    bool operator()(const ChoiceKind* kind) const {
        ChoiceQuestion question(game, *kind);
        question.load();
        return question.built();
    }
    bool operator()(const OddOutScreen* kind) const {
        OddOut question(game, *kind);
        question.load();
        return question.built();
    }
    bool operator()(const MatchingKind* kind) const { return Matching(game, *kind).load(); }
    bool operator()(SortingQuestion) const { return Sorting(game).load(); }
    bool operator()(NameMeQuestion) const { return NameMePuzzle(game).load(); }
};

// A question of a type as a new game at maximum difficulty 4 asks it, with
// the quiz log off.
void freshQuestion(Game& game, int qtype) {
    game.db.itemuse.assign(static_cast<std::size_t>(game.db.nitems) + 1, 0);
    game.picked.fill(0);
    game.qtype = static_cast<std::int16_t>(qtype);
    game.settings.maxdif = 4;
    game.settings.logstatus = 0;
    game.random.seed(static_cast<std::uint64_t>(qtype));
}

struct Builds {
    bool byCheck;
    bool byScreen;
};

Builds buildBoth(Game& game, int qtype) {
    freshQuestion(game, qtype);
    const bool byCheck = picksQuestionItems(game);
    freshQuestion(game, qtype);
    return {byCheck, std::visit(ScreenBuild{game}, questionScreen(qtype)->core)};
}

TEST(QuestionScreens, TheShippedDatabaseBuildsEveryQuestionTypeOnItsScreenAndInItsCheck) {
    ItemGame g;
    std::string bytes;
    ASSERT_TRUE(readWholeFile(STRATAVEX_DATA_DIR "/drem.dat", bytes, largestDatabase).ok);
    ASSERT_EQ(parsedb(bytes, g.game.db).error, "");
    for (int code = 1; code <= nQuestionTypes; ++code) {
        ASSERT_NE(questionScreen(code), nullptr) << code;
        const Builds builds = buildBoth(g.game, code);
        EXPECT_TRUE(builds.byCheck) << code;
        EXPECT_TRUE(builds.byScreen) << code;
    }
}

// A player at the lowest difficulty who chooses only the picture questions:
// fifty in a row, the use counters carried from one to the next as in a game,
// each built by its own screen; the matching screens show four different
// animals (the odd-one-out may repeat one of its group, as it always could).
TEST(QuestionScreens, FiftyPictureQuestionsAtTheLowestDifficultyNeverRunOutOfAnimals) {
    ItemGame g;
    Game& game = g.game;
    std::string bytes;
    ASSERT_TRUE(readWholeFile(STRATAVEX_DATA_DIR "/drem.dat", bytes, largestDatabase).ok);
    ASSERT_EQ(parsedb(bytes, game.db).error, "");
    game.db.itemuse.assign(static_cast<std::size_t>(game.db.nitems) + 1, 0);
    game.settings.maxdif = 1;
    game.settings.logstatus = 0;
    game.random.seed(50);
    const int pictureTypes[] = {1, 3, 5, 12, 19};
    for (int question = 0; question < 50; ++question) {
        const int code = pictureTypes[question % 5];
        game.picked.fill(0);
        game.qtype = static_cast<std::int16_t>(code);
        ASSERT_TRUE(std::visit(ScreenBuild{game}, questionScreen(code)->core))
            << "question " << question + 1 << ", type " << code;
        const std::set<int> animals(game.picked.begin(), game.picked.begin() + 4);
        if (code != 5) {
            EXPECT_EQ(animals.size(), 4u) << "question " << question + 1 << ", type " << code;
        }
    }
}

// Pictured plant eaters of different families, weights and places.
std::vector<itemrec> pictured(int n) {
    std::vector<itemrec> items;
    for (int k = 1; k <= n; ++k) {
        itemrec it = testing::dino("Dino" + std::to_string(k));
        it.weight = std::to_string(k) + " tons";
        it.found = "Place " + std::to_string(k);
        items.push_back(it);
    }
    return items;
}

// Three plant eaters of one family and a meat eater.
std::vector<itemrec> oneFamilyOfPlantEaters() {
    std::vector<itemrec> items = pictured(4);
    for (itemrec& it : items)
        it.family = "Shared family";
    items[3].diet = "meat";
    return items;
}

struct BuildCase {
    const char* rule;
    int qtype;
    std::vector<itemrec> items;
    bool builds;
};

TEST(QuestionScreens, TheBuildCheckAgreesWithTheScreenOnTheSameItems) {
    const BuildCase cases[] = {
        {"four pictured items fill a picture match", 1, pictured(4), true},
        {"four items are too few for a five-way choice", 2, pictured(4), false},
        {"four items are too few to sort", 14, pictured(4), false},
        {"one pictured item is a Name Me puzzle", 4, pictured(1), true},
        {"one pictured item is no picture match", 1, pictured(1), false},
        {"the text odd-one-out gives up when the group's options repeat", 8,
         oneFamilyOfPlantEaters(), false},
        {"the picture odd-one-out may show a group's option twice", 5, oneFamilyOfPlantEaters(),
         true},
    };
    for (const BuildCase& row : cases) {
        SCOPED_TRACE(row.rule);
        ItemGame g;
        for (const itemrec& it : row.items)
            g.add(it);
        const Builds builds = buildBoth(g.game, row.qtype);
        EXPECT_EQ(builds.byCheck, row.builds);
        EXPECT_EQ(builds.byScreen, row.builds);
    }
}

} // namespace
} // namespace stratavex
