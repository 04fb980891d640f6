// SPDX-License-Identifier: MIT
#include "database/picking.h"

#include <gtest/gtest.h>

#include "database/attributes.h"
#include "support/sample_items.h"

namespace stratavex {
namespace {

using testing::dino;
using testing::ItemGame;

class Picking : public ::testing::Test {
protected:
    ItemGame g;
    Game& game = g.game;
    void SetUp() override {
        inittables(game);
        game.settings.maxdif = 4;
    }
    void ask(int qtype) { game.qtype = static_cast<std::int16_t>(qtype); }
    std::string attr(int i) { return getpstr(game, i, game.qtype); }
};

TEST_F(Picking, EmptyTableGivesUpWithoutDrawing) {
    ask(2);
    const double before = game.random.rnd();
    game.random.seed(7);
    EXPECT_EQ(pickitem(game, 0), noItem);
    EXPECT_EQ(game.random.rnd(), before);
}

TEST_F(Picking, NoItemWithinTheMaximumDifficultyGivesUp) {
    for (int i = 0; i < 5; ++i)
        g.add(dino("D" + std::to_string(i), "Late Cretaceous", 3));
    game.settings.maxdif = 2;
    ask(2);
    game.picked[0] = 42;
    EXPECT_EQ(pickitem(game, 0), noItem);
    EXPECT_EQ(game.picked[0], 42);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(game.db.itemuse[i], 0);
}

TEST_F(Picking, FirstSlotCostsTenOthersOne) {
    for (int i = 0; i < 4; ++i)
        g.add(dino("D" + std::to_string(i)));
    ask(2);
    const int a = pickitem(game, 0);
    const int b = pickitem(game, 1);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(game.db.itemuse[a], 10);
    EXPECT_EQ(game.db.itemuse[b], 1);
    EXPECT_EQ(game.picked[0], a);
    EXPECT_EQ(game.picked[1], b);
}

TEST_F(Picking, SingleSuitableItemComesBackOnlyAfterFiveWidenings) {
    auto only = dino("Only");
    g.add(only);
    for (int i = 0; i < 3; ++i) {
        auto it = dino("NoPicture" + std::to_string(i));
        it.image = "";
        g.add(it);
    }
    ask(1); // needs a picture
    EXPECT_EQ(pickitem(game, 0), 1);
    EXPECT_EQ(game.db.itemuse[1], 10);
    // Counter 10 passes only at threshold 11, so it is found again.
    EXPECT_EQ(pickitem(game, 0), 1);
    EXPECT_EQ(game.db.itemuse[1], 20);
    // Counter 20 needs threshold 21 (still below the last widening).
    EXPECT_EQ(pickitem(game, 0), 1);
    EXPECT_EQ(game.db.itemuse[1], 30);
    game.db.itemuse[1] = 51;
    EXPECT_EQ(pickitem(game, 0), noItem);
}

TEST_F(Picking, ItemsWithoutTheAttributeAreNeverPicked) {
    auto noDesc = dino("NoDesc");
    noDesc.desc = "";
    g.add(noDesc);
    g.add(dino("WithDesc"));
    ask(2);
    for (int n = 0; n < 20; ++n) {
        game.db.itemuse.assign(3, 0);
        EXPECT_EQ(pickitem(game, 0), 2);
    }
}

TEST_F(Picking, PlaceNamesMustNotContainEachOther) {
    auto america = dino("A");
    america.found = "America";
    auto north = dino("B");
    north.found = "North America";
    auto asia = dino("C");
    asia.found = "Asia";
    g.add(america);
    g.add(north);
    g.add(asia);
    ask(18);
    for (int n = 0; n < 30; ++n) {
        game.db.itemuse.assign(4, 0);
        game.picked[0] = 1;
        const int second = pickitem(game, 1);
        EXPECT_EQ(second, 3) << "North America contains America";
    }
}

TEST_F(Picking, FamiliesDifferingByATrailingBlankCountAsDifferent) {
    auto a = dino("Alpha");
    a.family = "Hadrosauridae";
    auto b = dino("Beta");
    b.family = "Hadrosauridae ";
    g.add(a);
    g.add(b);
    ask(7);
    game.picked[0] = 1;
    EXPECT_EQ(pickitem(game, 1), 2);
}

TEST_F(Picking, FamilyMustNotGiveTheNameAwayFromDifficultyTwo) {
    itemrec it = testing::examplosaurus();
    it.dif = 1;
    it.family = "Examplosauridae";
    g.add(it);
    ask(7);
    game.settings.maxdif = 1;
    EXPECT_EQ(pickitem(game, 0), 1);
    game.db.itemuse.assign(2, 0);
    game.settings.maxdif = 2;
    EXPECT_EQ(pickitem(game, 0), noItem);
}

TEST_F(Picking, ShortNamesAreMatchedWhole) {
    auto it = dino("Mei");
    it.family = "Troodontidae";
    g.add(it);
    ask(7);
    game.settings.maxdif = 2;
    EXPECT_EQ(pickitem(game, 0), 1);
}

TEST_F(Picking, OddOneOutSlotsShareOrDifferFromTheFirst) {
    const char* eras[] = {"Late Cretaceous", "Late Jurassic", "Early Cretaceous"};
    for (int i = 0; i < 12; ++i)
        g.add(dino("D" + std::to_string(i), eras[i % 3]));
    ask(10);
    for (int round = 0; round < 25; ++round) {
        game.db.itemuse.assign(13, 0);
        ASSERT_GT(pickitem(game, 0), 0);
        for (int slot = 1; slot <= 3; ++slot)
            ASSERT_GT(pickitem(game, slot), 0) << "slot " << slot;
        EXPECT_NE(attr(game.picked[1]), attr(game.picked[0]));
        EXPECT_EQ(attr(game.picked[2]), attr(game.picked[0]));
        EXPECT_EQ(attr(game.picked[3]), attr(game.picked[0]));
    }
}

// A plant-and-animal eater shares a food with both groups, so it is neither
// the odd one out nor one of the group of a diet question; fish and meat count
// as meat.
TEST_F(Picking, DietQuestionsLeaveOutDietsOfTwoFoods) {
    const char* diets[] = {"meat", "plant and animal", "plant", "fish and meat"};
    for (int i = 0; i < 12; ++i) {
        auto it = dino("D" + std::to_string(i));
        it.diet = diets[i % 4];
        g.add(it);
    }
    for (int qtype : {5, 8}) {
        ask(qtype);
        for (int round = 0; round < 25; ++round) {
            game.db.itemuse.assign(13, 0);
            for (int slot = 0; slot <= 3; ++slot) {
                ASSERT_GT(pickitem(game, slot), 0) << "slot " << slot;
                EXPECT_NE(game.db.items[game.picked[slot]].diet, "plant and animal");
            }
            EXPECT_NE(attr(game.picked[1]), attr(game.picked[0]));
        }
    }
}

TEST_F(Picking, OddOneOutSharedSlotsMayRepeatAnItemOnceWidened) {
    g.add(dino("Same1", "Late Cretaceous"));
    g.add(dino("Odd", "Late Jurassic"));
    g.add(dino("Same2", "Late Cretaceous"));
    ask(10);
    ASSERT_GT(pickitem(game, 0), 0);
    ASSERT_GT(pickitem(game, 1), 0);
    ASSERT_GT(pickitem(game, 2), 0);
    ASSERT_GT(pickitem(game, 3), 0);
    EXPECT_EQ(attr(game.picked[3]), attr(game.picked[0]));
}

TEST_F(Picking, OtherTypesNeverRepeatAnAnswerText) {
    for (int i = 0; i < 8; ++i)
        g.add(dino("D" + std::to_string(i % 5)));
    ask(2);
    for (int round = 0; round < 20; ++round) {
        game.db.itemuse.assign(9, 0);
        for (int slot = 0; slot < 5; ++slot)
            ASSERT_GT(pickitem(game, slot), 0);
        for (int a = 0; a < 5; ++a)
            for (int b = a + 1; b < 5; ++b)
                EXPECT_NE(attr(game.picked[a]), attr(game.picked[b]));
    }
}

TEST_F(Picking, UseCountersStayWithinTheirRange) {
    g.add(dino("A"));
    adjustuse(game, 1, -1);
    EXPECT_EQ(game.db.itemuse[1], 0);
    adjustuse(game, 1, 4);
    EXPECT_EQ(game.db.itemuse[1], 4);
    adjustuse(game, 1, 40000);
    EXPECT_EQ(game.db.itemuse[1], 32767);
    adjustuse(game, 1, 4);
    EXPECT_EQ(game.db.itemuse[1], 32767);
}

} // namespace
} // namespace stratavex
