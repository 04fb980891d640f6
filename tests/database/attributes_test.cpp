// SPDX-License-Identifier: MIT
#include "database/attributes.h"

#include <gtest/gtest.h>

#include "engine/trivia.h"
#include "support/sample_items.h"

namespace stratavex {
namespace {

using testing::dino;
using testing::examplosaurus;
using testing::ItemGame;

// The whole Cretaceous, whose span takes in both of its halves.
itemrec ofTheCretaceous(itemrec it) {
    it.era = "Cretaceous";
    return it;
}

class Attributes : public ::testing::Test {
protected:
    ItemGame g;
    Game& game = g.game;
    void SetUp() override { inittables(game); }
};

TEST_F(Attributes, QuestionTypeNamesKeepTheirExactTexts) {
    EXPECT_EQ(game.qname[1], "Image with name");
    EXPECT_EQ(game.qname[3], "Translated name by image ");
    EXPECT_EQ(game.qname[9], "Sort by era (million yrs ago)");
    EXPECT_EQ(game.qname[19], "Image with order");
    EXPECT_EQ(game.qname[0], "");
    EXPECT_EQ(game.qname[20], "");
}

TEST_F(Attributes, DietPhraseSaysMeatEaterForAnyMeat) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"meat", "meat eater"},
        {"fish and meat", "meat eater"},
        {"plant", "plant eater"},
        {"", " eater"},
    };
    for (const auto& [diet, phrase] : rows) {
        auto it = dino("A");
        it.diet = diet;
        const int i = g.add(it);
        EXPECT_EQ(getpstr(game, i, 5), phrase) << diet;
        EXPECT_EQ(getpstr(game, i, 8), phrase) << diet;
    }
}

TEST_F(Attributes, EraPhraseShowsTheSpanFromDifficultyThree) {
    const int i = g.add(dino("A", "Late Jurassic"));
    game.settings.maxdif = 3;
    EXPECT_EQ(getpstr(game, i, 16), "Late Jurassic  --  161.5 - 143.1 mya");
    EXPECT_EQ(getpstr(game, i, 12), "Late Jurassic  --  161.5 - 143.1 mya");
    game.settings.maxdif = 2;
    EXPECT_EQ(getpstr(game, i, 16), "Late Jurassic");
}

TEST_F(Attributes, EraWithoutSpanHasNoDashes) {
    const int i = g.add(dino("A", "late jurassic"));
    game.settings.maxdif = 4;
    EXPECT_EQ(game.db.items[i].erarange, "");
    EXPECT_EQ(getpstr(game, i, 16), "late jurassic");
}

TEST_F(Attributes, AttributeOfEachCode) {
    const int i = g.add(ofTheCretaceous(examplosaurus()));
    game.settings.maxdif = 1;
    const std::vector<std::pair<int, std::string>> rows = {
        {0, "Examplosaurus"},  {1, "Examplosaurus"},  {2, "Examplosaurus"},
        {3, "example lizard"}, {4, "Examplosaurus"},  {6, "named for this example"},
        {7, "Family C"},       {9, "143.1 - 66 mya"}, {10, "Cretaceous"},
        {11, "Suborder B"},    {12, "Cretaceous"},    {13, "2 tons 20 ft"},
        {14, "2 tons"},        {15, "20 ft"},         {16, "Cretaceous"},
        {17, "Suborder B"},    {18, "Asia"},          {19, "Suborder B"},
    };
    for (const auto& [code, text] : rows)
        EXPECT_EQ(getpstr(game, i, code), text) << "code " << code;
    EXPECT_TRUE(g.host.messages.empty());
}

TEST_F(Attributes, CodeTwentyHasNoAttribute) {
    const int i = g.add(dino("A"));
    EXPECT_EQ(getpstr(game, i, 20), "");
    ASSERT_EQ(g.host.messages.size(), 1u);
    EXPECT_EQ(g.host.messages[0].text, "No getpstr for 20");
}

struct LabelRow {
    const char* rule;
    int qtype;
    int maxdif;
    std::string expected;
};

TEST_F(Attributes, ShortLabelsFollowTheHintLevel) {
    const int i = g.add(ofTheCretaceous(examplosaurus()));
    const std::vector<LabelRow> rows = {
        {"era with span below difficulty 3", 12, 1, "Cretaceous (143.1 - 66 mya)"},
        {"era alone from difficulty 3", 12, 3, "Cretaceous"},
        {"name for image with name", 1, 4, "Examplosaurus"},
        {"suborder for image with order", 19, 1, "Suborder B"},
        {"translation", 3, 1, "example lizard"},
        {"sorting label with family up to 3", 9, 3, "Examplosaurus (Family C)"},
        {"sorting label alone at 4", 14, 4, "Examplosaurus"},
        {"suborder match label with family", 11, 2, "Examplosaurus (Family C)"},
        {"family match label with order up to 2", 7, 2, "Examplosaurus (Order A)"},
        {"family match label alone at 3", 7, 3, "Examplosaurus"},
        {"other types give the name", 16, 1, "Examplosaurus"},
    };
    for (const auto& row : rows) {
        game.qtype = static_cast<std::int16_t>(row.qtype);
        game.settings.maxdif = static_cast<std::int16_t>(row.maxdif);
        EXPECT_EQ(getqtext(game, qtext::label, i, 0), row.expected) << row.rule;
    }
}

TEST_F(Attributes, ComparisonLinesOfTheSortingScreen) {
    auto a = dino("Alpha", "Late Jurassic");
    a.weight = "4000 lbs";
    a.length = "20 ft";
    auto b = dino("Beta", "Cretaceous");
    b.weight = "3 tons";
    b.length = "1,500 ft";
    const int ia = g.add(a);
    const int ib = g.add(b);
    game.settings.maxdif = 4;
    game.qtype = 14;
    EXPECT_EQ(getqtext(game, qtext::comparison, ia, ib), "Alpha  4000 lbs >  Beta 6000 lbs");
    game.qtype = 15;
    EXPECT_EQ(getqtext(game, qtext::comparison, ia, ib), "Alpha  20 ft >  Beta 1500 ft");
    game.qtype = 9;
    EXPECT_EQ(getqtext(game, qtext::comparison, ia, ib),
              "Alpha (Late Jurassic) > Beta (Cretaceous) ");
    game.qtype = 2;
    EXPECT_EQ(getqtext(game, qtext::comparison, ia, ib), "");
}

TEST_F(Attributes, LongAnswersAndTheirDiagnostic) {
    itemrec it = ofTheCretaceous(examplosaurus());
    it.desc = "A made-up record.";
    const int i = g.add(it);
    struct Row {
        int qtype;
        int maxdif;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {2, 1, "A made-up record."},
        {18, 1, "Asia"},
        {13, 1, "Wt: 2 tons  Length: 20 ft"},
        {6, 2, "'example lizard' --named for this example"},
        {6, 3, "named for this example"},
        {8, 1, "Family C"},
        {17, 2, "Examplosaurus (Family C)"},
        {17, 3, "Examplosaurus"},
        {10, 1, "Examplosaurus"},
        {5, 1, "Examplosaurus"},
        {16, 3, "Cretaceous  --  143.1 - 66 mya"},
        {1, 1, "1 *** need L_PARAM for Image with name"},
    };
    for (const auto& row : rows) {
        game.qtype = static_cast<std::int16_t>(row.qtype);
        game.settings.maxdif = static_cast<std::int16_t>(row.maxdif);
        EXPECT_EQ(getqtext(game, qtext::longAnswer, i, 0), row.expected) << "qtype " << row.qtype;
    }
}

TEST_F(Attributes, HeadingsAndCaptions) {
    const int i = g.add(examplosaurus());
    const std::vector<std::tuple<int, int, std::string>> rows = {
        {qtext::sortHeading, 9, "Sort by era (in millions of years ago), earliest on top"},
        {qtext::sortHeading, 14, "Sort by weight, smallest on top"},
        {qtext::sortHeading, 15, "Sort by length, shortest on top"},
        {qtext::sortHeading, 2, ""},
        {qtext::caption, 3, "Match name and image "},
        {qtext::caption, 2, "Which fits this description?"},
        {qtext::caption, 11, "Match name to classification"},
        {qtext::caption, 16, "When did Examplosaurus live?"},
        {qtext::caption, 4, "NEED Match   **** param name 4"},
        {6, 2, ""},
    };
    for (const auto& [mode, qtype, expected] : rows) {
        game.qtype = static_cast<std::int16_t>(qtype);
        EXPECT_EQ(getqtext(game, mode, i, 0), expected) << "mode " << mode << " qtype " << qtype;
    }
}

TEST_F(Attributes, OddOneOutQuestionIsAboutTheFirstSlot) {
    auto first = dino("First", "Late Jurassic");
    first.suborder = "Theropoda";
    first.diet = "meat";
    const int a = g.add(first);
    const int b = g.add(dino("Other"));
    game.picked[0] = static_cast<std::int16_t>(a);
    game.qtype = 17;
    EXPECT_EQ(getqtext(game, qtext::oddQuestion, b, b), "Who is not in Theropoda?");
    game.qtype = 10;
    EXPECT_EQ(getqtext(game, qtext::oddQuestion, 0, 0), "Which did not live in the Late Jurassic?");
    game.qtype = 8;
    EXPECT_EQ(getqtext(game, qtext::oddQuestion, 0, 0), "Which was not a meat eater?");
    game.qtype = 2;
    EXPECT_EQ(getqtext(game, qtext::oddQuestion, 0, 0), "");
}

TEST(NumericValue, ReadsTheLeadingNumberWithUnits) {
    const std::vector<std::pair<std::string, std::int32_t>> rows = {
        {"65 - 70 mya", -65},
        {"2 tons", 4000},
        {"1,200,000", 1200000},
        {"1,500 lbs", 1500},
        {"1.5e3 lbs", 1500},
        {"no number here", 0},
        {"", 0},
        {"3 million", 3000000},
        {"  -12 ft", -12},
        {"2.5 ft", 2},
        {"3.5 ft", 4},
        {"0.5 tons", 1000},
        {"1 2 3", 123},
        {"150 - 135 mya", -150},
        {"7e ft", 7},
        {"1,2,3,4,5", 1234},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(numvalueOf(text), value) << text;
}

TEST(NumericValue, LargeValuesSaturate) {
    EXPECT_EQ(numvalueOf("5000000 million"), 2147483647);
    EXPECT_EQ(numvalueOf("-5000000 million"), -2147483648LL);
}

} // namespace
} // namespace stratavex
