// SPDX-License-Identifier: MIT
#include "screens/oddout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/fields.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "engine/game_loop.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"
#include "support/sample_items.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::ProgramFolder;
using testing::ScriptedHost;

const std::string crlf = "\r\n";

std::string cannotBuildText(const std::string& type) {
    return "Current set doesn't provide enough items for " + type +
           ". Use another question type or change difficulty level to include more.";
}

// A member of the group: the Late Cretaceous meat-eating theropods.
itemrec member(const std::string& name, const std::string& diet = "meat") {
    itemrec it;
    it.name = name;
    it.dif = 1;
    it.image = name + ".jpg";
    it.order = "Saurischia";
    it.suborder = "Theropoda";
    it.family = name + "idae";
    it.era = "Late Cretaceous";
    it.diet = diet;
    return it;
}

// Differs from every member in era, suborder, diet and family.
itemrec outsider(const std::string& name = "Stegosaurus") {
    itemrec it;
    it.name = name;
    it.dif = 1;
    it.image = name + ".jpg";
    it.order = "Ornithischia";
    it.suborder = "Thyreophora";
    it.family = "Stegosauridae";
    it.era = "Late Jurassic";
    it.diet = "plant";
    return it;
}

class OddOutTest : public ::testing::Test {
protected:
    ProgramFolder folder;
    ScriptedHost host;
    Game game{host};

    OddOutTest() {
        testing::readyForQuestions(game, 99, 4);
        testing::nameSounds(game, "sfx", ".wav");
    }

    int add(itemrec it, int use = 0) { return testing::addItem(game, std::move(it), use); }

    // Four members and an outsider whose use counter keeps it out of slot 0,
    // so every question built from it asks about the members' group and the
    // outsider is the odd one.
    int standardTable() {
        add(member("Tyrannosaurus"));
        add(member("Albertosaurus", "fish and meat"));
        add(member("Daspletosaurus"));
        add(member("Gorgosaurus"));
        return add(outsider(), 5);
    }

    // Two groups of five with nothing in common, so either can be asked about.
    void twoGroups() {
        for (const char* name :
             {"Tyrannosaurus", "Albertosaurus", "Daspletosaurus", "Gorgosaurus", "Tarbosaurus"})
            add(member(name));
        for (const char* name :
             {"Stegosaurus", "Kentrosaurus", "Tuojiangosaurus", "Huayangosaurus", "Dacentrurus"}) {
            itemrec it = outsider(name);
            it.family = std::string(name) + "idae";
            add(it);
        }
    }

    void ask(int qtype) { game.qtype = static_cast<std::int16_t>(qtype); }

    const itemrec& item(int i) const { return game.db.items[static_cast<std::size_t>(i)]; }
    const itemrec& inSlot(int slot) const {
        return item(game.picked[static_cast<std::size_t>(slot)]);
    }
    const itemrec& atPosition(const OddOut& q, int p) const {
        return inSlot(q.perm()[static_cast<std::size_t>(p)]);
    }
    int use(int i) const { return game.db.itemuse[static_cast<std::size_t>(i)]; }
    std::vector<int> counters() const { return {game.db.itemuse.begin(), game.db.itemuse.end()}; }
    int useTotal() const {
        return std::accumulate(game.db.itemuse.begin(), game.db.itemuse.end(), 0);
    }

    std::string quizLog() const {
        return folder.dir.exists("dremquiz.log") ? folder.dir.read("dremquiz.log") : "";
    }
};

// --- what each question type asks and how its verdict reads ---

struct TypeCase {
    const char* rule;
    const OddOutScreen* screen;
    int qtype;
    int maxdif;
    const char* prompt;
    const char* oddLabel;
    const char* group;
    // The text of an item's option on the text screen.
    std::string (*optionText)(const itemrec&);
};

std::string nameOf(const itemrec& it) {
    return it.name;
}
std::string nameAndFamily(const itemrec& it) {
    return it.name + " (" + it.family + ")";
}
std::string familyOf(const itemrec& it) {
    return it.family;
}

const TypeCase typeCases[] = {
    {"era", &qoddoutScreen, 10, 4, "Which did not live in the Late Cretaceous?", "Stegosaurus",
     "Late Cretaceous", nameOf},
    {"suborder_names_carry_the_family_up_to_difficulty_2", &qoddoutScreen, 17, 2,
     "Who is not in Theropoda?", "Stegosaurus (Stegosauridae)", "Theropoda", nameAndFamily},
    {"suborder_names_alone_from_difficulty_3", &qoddoutScreen, 17, 3, "Who is not in Theropoda?",
     "Stegosaurus", "Theropoda", nameOf},
    {"diet_by_family_fish_and_meat_counts_as_meat", &qoddoutScreen, 8, 4,
     "Which was not a meat eater?", "Stegosauridae", "meat eater", familyOf},
    {"diet_by_image", &IoddoutScreen, 5, 4, "Which was not a meat eater?", "Stegosaurus",
     "meat eater", nullptr},
};

void PrintTo(const TypeCase& row, std::ostream* os) {
    *os << row.rule;
}

class OddOutEachType : public OddOutTest, public ::testing::WithParamInterface<TypeCase> {
protected:
    int odd = 0;
    OddOut question{game, *GetParam().screen};

    void SetUp() override {
        odd = standardTable();
        ask(GetParam().qtype);
        game.settings.maxdif = static_cast<std::int16_t>(GetParam().maxdif);
        question.load();
        ASSERT_TRUE(question.built());
    }

    bool textScreen() const { return GetParam().screen == &qoddoutScreen; }
};

TEST_P(OddOutEachType, PromptAsksAboutTheGroupOfTheFirstSlot) {
    EXPECT_EQ(question.prompt(), GetParam().prompt);
    EXPECT_EQ(game.picked[oddSlot], odd);
}

TEST_P(OddOutEachType, EachPositionShowsTheItemOfItsSlot) {
    std::set<int> slots;
    for (int p = 0; p < oddOutItems; ++p) {
        const itemrec& shown = atPosition(question, p);
        slots.insert(question.perm()[static_cast<std::size_t>(p)]);
        if (textScreen())
            EXPECT_EQ(question.caption(p), GetParam().optionText(shown)) << "position " << p;
        else
            EXPECT_EQ(question.picture(p), shown.image) << "position " << p;
    }
    EXPECT_EQ(slots, (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(atPosition(question, question.oddPosition()).name, "Stegosaurus");
}

TEST_P(OddOutEachType, RightAnswerNamesTheOddItemAndTheGroup) {
    const std::vector<int> before = counters();
    question.answer(question.oddPosition());

    EXPECT_EQ(game.showscor.Text1,
              std::string("Correct -- ") + GetParam().oddLabel + " is not " + GetParam().group);
    EXPECT_EQ(game.showscor.Label1,
              "Results for " + game.qname[static_cast<std::size_t>(GetParam().qtype)]);
    EXPECT_EQ(game.player.score, 5);
    EXPECT_EQ(game.player.possible, 5);
    std::vector<int> expected = before;
    expected[static_cast<std::size_t>(odd)] += 4;
    EXPECT_EQ(counters(), expected) << "only the odd item's counter rises, by 4";
    EXPECT_EQ(host.sounds,
              textScreen() ? std::vector<std::string>{"sfx4.wav"} : std::vector<std::string>{});
    EXPECT_EQ(host.shown, std::vector<WindowId>{WindowId::showscor});
}

INSTANTIATE_TEST_SUITE_P(Screens, OddOutEachType, ::testing::ValuesIn(typeCases),
                         [](const auto& info) { return std::string(info.param.rule); });

class OddOutWrongClick : public OddOutTest,
                         public ::testing::WithParamInterface<std::tuple<TypeCase, int>> {};

TEST_P(OddOutWrongClick, LowersOnlyTheClickedItemAndStillNamesTheOddOne) {
    const auto& [row, nth] = GetParam();
    standardTable();
    ask(row.qtype);
    game.settings.maxdif = static_cast<std::int16_t>(row.maxdif);
    OddOut question(game, *row.screen);
    question.load();
    ASSERT_TRUE(question.built());
    std::vector<int> wrong;
    for (int p = 0; p < oddOutItems; ++p)
        if (p != question.oddPosition())
            wrong.push_back(p);
    const int clicked = wrong[static_cast<std::size_t>(nth)];
    const int clickedItem =
        game.picked[static_cast<std::size_t>(question.perm()[static_cast<std::size_t>(clicked)])];
    std::vector<int> expected = counters();
    expected[static_cast<std::size_t>(clickedItem)] -= 1;

    question.answer(clicked);

    EXPECT_EQ(game.showscor.Text1, std::string("No, ") + row.oddLabel + " is not " + row.group);
    EXPECT_EQ(game.player.score, 0);
    EXPECT_EQ(game.player.possible, 5);
    EXPECT_EQ(counters(), expected);
    EXPECT_EQ(host.sounds, row.screen == &qoddoutScreen ? std::vector<std::string>{"sfx6.wav"}
                                                        : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Screens, OddOutWrongClick,
                         ::testing::Combine(::testing::ValuesIn(typeCases),
                                            ::testing::Values(0, 1, 2)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).rule) + "_wrong" +
                                    std::to_string(std::get<1>(info.param));
                         });

// --- the shuffle ---

TEST_F(OddOutTest, OddItemIsNeverShownAtTheLastPosition) {
    twoGroups();
    ask(10);
    std::set<int> oddPositions;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        std::fill(game.db.itemuse.begin(), game.db.itemuse.end(), 0);
        game.random.seed(seed);
        OddOut question(game, qoddoutScreen);
        question.load();
        ASSERT_TRUE(question.built());
        EXPECT_EQ(question.perm()[3], 3) << "seed " << seed;
        oddPositions.insert(question.oddPosition());
        const std::string group = inSlot(0).era;
        for (int p = 0; p < oddOutItems; ++p) {
            const bool isOdd = p == question.oddPosition();
            EXPECT_EQ(atPosition(question, p).era == group, !isOdd) << "seed " << seed;
            EXPECT_EQ(question.caption(p), atPosition(question, p).name) << "seed " << seed;
        }
    }
    EXPECT_EQ(oddPositions, (std::set<int>{0, 1, 2}));
}

// --- equal captions ---

TEST_F(OddOutTest, TextScreenNeverShowsTwoEqualOptions) {
    itemrec a = member("Tyrannosaurus");
    itemrec b = member("Tarbosaurus");
    a.family = b.family = "Tyrannosauridae";
    add(a);
    add(b);
    add(member("Troodon"));
    add(member("Velociraptor"));
    add(outsider(), 5);
    ask(8);
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        std::fill(game.db.itemuse.begin(), game.db.itemuse.end(), 0);
        game.db.itemuse[5] = 5;
        game.random.seed(seed);
        OddOut question(game, qoddoutScreen);
        question.load();
        ASSERT_TRUE(question.built()) << "seed " << seed;
        std::set<std::string> captions;
        for (int p = 0; p < oddOutItems; ++p)
            captions.insert(question.caption(p));
        EXPECT_EQ(captions.size(), 4u) << "seed " << seed;
    }
}

TEST_F(OddOutTest, PictureScreenMayShowTheSameItemTwice) {
    add(member("Tyrannosaurus"));
    add(member("Albertosaurus"));
    add(outsider(), 5);
    ask(5);
    OddOut question(game, IoddoutScreen);
    question.load();
    ASSERT_TRUE(question.built());
    std::set<std::string> pictures;
    for (int p = 0; p < oddOutItems; ++p)
        pictures.insert(question.picture(p));
    EXPECT_EQ(pictures.size(), 3u);
}

TEST_F(OddOutTest, TextScreenGivesUpWhenTheGroupHasTooFewDifferentOptions) {
    add(member("Tyrannosaurus"));
    add(member("Albertosaurus"));
    add(outsider(), 5);
    ask(17);
    OddOut question(game, qoddoutScreen);
    question.load();
    EXPECT_FALSE(question.built());
    EXPECT_EQ(host.messageTexts(),
              std::vector<std::string>{cannotBuildText("Suborder difference")});
}

TEST_F(OddOutTest, TextScreenTriesAnotherGroupWhenOneCannotShowThreeDifferentOptions) {
    // The only item never used is alone in its era, so it leads the first
    // selection, and slots 2 and 3 could only repeat it.
    itemrec rare = member("Scelidosaurus");
    rare.era = "Early Jurassic";
    const int alone = add(rare);
    for (const char* name :
         {"Tyrannosaurus", "Albertosaurus", "Daspletosaurus", "Gorgosaurus", "Tarbosaurus"})
        add(member(name), 1);
    ask(10);
    OddOut question(game, qoddoutScreen);
    question.load();
    ASSERT_TRUE(question.built());
    EXPECT_EQ(question.prompt(), "Which did not live in the Late Cretaceous?");
    EXPECT_EQ(game.picked[oddSlot], alone);
    EXPECT_TRUE(host.messages.empty());
}

// --- a question that cannot be built ---

struct FailureCase {
    const char* rule;
    const OddOutScreen* screen;
    int qtype;
    const char* typeName;
};

const FailureCase failureCases[] = {
    {"text_screen", &qoddoutScreen, 10, "Which is not of this era"},
    {"picture_screen", &IoddoutScreen, 5, "Diet by image?"},
};

void PrintTo(const FailureCase& row, std::ostream* os) {
    *os << row.rule;
}

class OddOutCannotBuild : public OddOutTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(OddOutCannotBuild, WithoutAnOddItemTheSelectionStartsAgainTwentyTimesThenGivesUp) {
    for (const char* name :
         {"Tyrannosaurus", "Albertosaurus", "Daspletosaurus", "Gorgosaurus", "Tarbosaurus"})
        add(member(name));
    ask(GetParam().qtype);
    OddOut question(game, *GetParam().screen);
    question.load();

    EXPECT_FALSE(question.built());
    EXPECT_EQ(useTotal(), 21 * 10) << "the first pass and twenty restarts each pick slot 0";
    EXPECT_EQ(game.picked[0], 0);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{cannotBuildText(GetParam().typeName)});
    EXPECT_EQ(game.settings.selected[static_cast<std::size_t>(GetParam().qtype)], 0);
    EXPECT_EQ(host.shown, std::vector<WindowId>{WindowId::setup});
}

TEST_P(OddOutCannotBuild, EmptyTableGivesUp) {
    ask(GetParam().qtype);
    OddOut question(game, *GetParam().screen);
    question.load();
    EXPECT_FALSE(question.built());
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{cannotBuildText(GetParam().typeName)});
}

TEST_P(OddOutCannotBuild, ClickAfterwardsDoesNothing) {
    ask(GetParam().qtype);
    OddOut question(game, *GetParam().screen);
    question.load();
    for (int p = 0; p < oddOutItems; ++p)
        question.answer(p);
    EXPECT_EQ(game.player.possible, 0);
    EXPECT_EQ(host.shown, std::vector<WindowId>{WindowId::setup});
    EXPECT_TRUE(host.sounds.empty());
}

INSTANTIATE_TEST_SUITE_P(Screens, OddOutCannotBuild, ::testing::ValuesIn(failureCases),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST_F(OddOutTest, FailedOnlineQuestionLeavesNoHalfBlock) {
    add(member("Tyrannosaurus"));
    ask(10);
    game.makeonline = true;
    game.settings.logstatus = 2;
    OddOut question(game, qoddoutScreen);
    question.load();
    EXPECT_FALSE(question.built());
    EXPECT_EQ(quizLog(), "");
}

// --- one answer per question ---

TEST_F(OddOutTest, OnlyTheFirstClickCounts) {
    standardTable();
    ask(10);
    OddOut question(game, qoddoutScreen);
    question.load();
    question.answer(question.oddPosition());
    question.answer((question.oddPosition() + 1) % oddOutItems);
    EXPECT_EQ(game.player.score, 5);
    EXPECT_EQ(game.player.possible, 5);
    EXPECT_EQ(host.shown.size(), 1u);
}

// --- quiz log ---

struct LogCase {
    const char* rule;
    const OddOutScreen* screen;
    int qtype;
    int logstatus;
    bool online;
    bool right;
    // Expected lines, with "%v" for the verdict and "%n" for the four picked names.
    std::vector<std::string> lines;
};

const LogCase logCases[] = {
    {"text_all_right_logs_the_type_only",
     &qoddoutScreen,
     10,
     1,
     false,
     true,
     {"Which is not of this era"}},
    {"text_all_wrong_logs_the_verdict",
     &qoddoutScreen,
     10,
     1,
     false,
     false,
     {"Which is not of this era", "%v"}},
    {"text_only_incorrect_right_logs_nothing", &qoddoutScreen, 17, 2, false, true, {}},
    {"text_only_incorrect_wrong_logs_the_verdict", &qoddoutScreen, 17, 2, false, false, {"%v"}},
    {"text_export_run_logs_the_block_but_no_type_line_or_verdict",
     &qoddoutScreen,
     8,
     1,
     true,
     false,
     {"ODDOUT", "Diet by family?", "%p", "%c", " %a"}},
    {"picture_all_logs_type_names_and_right_verdict",
     &IoddoutScreen,
     5,
     1,
     false,
     true,
     {"Diet by image?", "%n", "%v"}},
    {"picture_all_logs_type_names_and_wrong_verdict",
     &IoddoutScreen,
     5,
     1,
     false,
     false,
     {"Diet by image?", "%n", "%v"}},
    {"picture_only_incorrect_logs_every_verdict", &IoddoutScreen, 5, 2, false, true, {"%v"}},
    {"picture_export_run_still_logs_type_and_names",
     &IoddoutScreen,
     5,
     1,
     true,
     false,
     {"Diet by image?", "%n", "%v"}},
};

void PrintTo(const LogCase& row, std::ostream* os) {
    *os << row.rule;
}

class OddOutQuizLog : public OddOutTest, public ::testing::WithParamInterface<LogCase> {};

TEST_P(OddOutQuizLog, WritesTheScreensLines) {
    const LogCase& row = GetParam();
    standardTable();
    ask(row.qtype);
    game.settings.logstatus = static_cast<std::int16_t>(row.logstatus);
    game.makeonline = row.online;
    OddOut question(game, *row.screen);
    question.load();
    ASSERT_TRUE(question.built());
    question.answer(row.right ? question.oddPosition() : (question.oddPosition() + 1) % 3);

    std::string expected;
    for (const std::string& line : row.lines) {
        if (line == "%v") {
            expected += game.showscor.Text1 + crlf;
        } else if (line == "%n") {
            for (int slot = 0; slot < oddOutItems; ++slot)
                expected += inSlot(slot).name + crlf;
        } else if (line == "%p") {
            expected += question.prompt() + crlf;
        } else if (line == "%c") {
            for (int p = 0; p < oddOutItems; ++p)
                expected += atPosition(question, p).family + crlf;
        } else if (line == " %a") {
            expected += " " + str(question.oddPosition() + 1) + crlf;
        } else {
            expected += line + crlf;
        }
    }
    EXPECT_EQ(quizLog(), expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, OddOutQuizLog, ::testing::ValuesIn(logCases),
                         [](const auto& info) { return std::string(info.param.rule); });

// --- export lines ---

TEST_F(OddOutTest, OnlineBlockReadsKeywordTypePromptOptionsAndAnswer) {
    standardTable();
    ask(10);
    game.makeonline = true;
    game.settings.logstatus = 2;
    OddOut question(game, qoddoutScreen);
    question.load();
    ASSERT_TRUE(question.built());
    std::string expected = "ODDOUT" + crlf + "Which is not of this era" + crlf +
                           "Which did not live in the Late Cretaceous?" + crlf;
    for (int p = 0; p < oddOutItems; ++p)
        expected += atPosition(question, p).name + crlf;
    expected += " " + str(question.oddPosition() + 1) + crlf;
    EXPECT_EQ(quizLog(), expected);
    EXPECT_EQ(game.qcount, 0);
}

struct TabbedCase {
    const char* rule;
    std::size_t eraLength;
    std::vector<std::size_t> nameLengths; // three members, then the outsider
    const char* markers;
};

const TabbedCase tabbedCases[] = {
    {"short_texts_have_no_marker", 15, {13, 13, 14, 11}, ""},
    {"question_of_130_has_no_marker", 103, {13, 13, 14, 11}, ""},
    {"question_of_131_is_marked", 104, {13, 13, 14, 11}, "* Question TOO LONG * "},
    {"answer_of_60_has_no_marker", 15, {60, 13, 14, 11}, ""},
    {"answer_of_61_is_marked", 15, {61, 13, 14, 11}, "* TOO LONG * "},
    {"odd_answer_of_61_is_marked", 15, {13, 13, 14, 61}, "* TOO LONG * "},
    {"each_long_answer_goes_in_front_of_the_question_marker",
     104,
     {61, 70, 14, 11},
     "* TOO LONG * * TOO LONG * * Question TOO LONG * "},
};

void PrintTo(const TabbedCase& row, std::ostream* os) {
    *os << row.rule;
}

class OddOutTabbedLine : public OddOutTest, public ::testing::WithParamInterface<TabbedCase> {};

std::string nameOfLength(char first, std::size_t length) {
    return first + std::string(length - 1, 'a');
}

TEST_P(OddOutTabbedLine, ReadsPromptTabbedOptionsAndAnswerWithLengthMarkers) {
    const TabbedCase& row = GetParam();
    const std::string era(row.eraLength, 'E');
    for (int i = 0; i < 3; ++i) {
        itemrec it = member(
            nameOfLength(static_cast<char>('A' + i), row.nameLengths[static_cast<std::size_t>(i)]));
        it.era = era;
        add(it);
    }
    add(outsider(nameOfLength('Z', row.nameLengths[3])), 5);
    ask(10);
    game.maketabbed = true;
    game.settings.logstatus = 2;
    OddOut question(game, qoddoutScreen);
    question.load();
    ASSERT_TRUE(question.built());

    const std::string prompt = "Which did not live in the " + era + "?";
    ASSERT_EQ(question.prompt(), prompt);
    std::string expected = row.markers + prompt;
    for (int p = 0; p < oddOutItems; ++p)
        expected += "\t" + atPosition(question, p).name;
    expected += "\t" + str(question.oddPosition() + 1);
    EXPECT_EQ(quizLog(), expected + crlf);
    EXPECT_EQ(game.qcount, 1);
}

INSTANTIATE_TEST_SUITE_P(Screens, OddOutTabbedLine, ::testing::ValuesIn(tabbedCases),
                         [](const auto& info) { return std::string(info.param.rule); });

TEST_F(OddOutTest, PictureScreenWritesNoExportLines) {
    standardTable();
    ask(5);
    game.settings.logstatus = 2;
    for (const bool online : {true, false}) {
        game.makeonline = online;
        game.maketabbed = !online;
        OddOut question(game, IoddoutScreen);
        question.load();
        ASSERT_TRUE(question.built());
    }
    EXPECT_EQ(quizLog(), "");
    EXPECT_EQ(game.qcount, 0);
}

// --- help, layout guards ---

TEST_F(OddOutTest, HelpSaysWhatToClick) {
    const struct {
        const OddOutScreen* screen;
        const char* text;
    } rows[] = {
        {&qoddoutScreen, "Click on the item that does NOT fit the pattern"},
        {&IoddoutScreen, "Click on the image that does NOT fit the pattern"},
    };
    for (const auto& row : rows) {
        host.messages.clear();
        OddOut(game, *row.screen).help();
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, row.text);
        EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    }
}

TEST(OddOutLayout, GuardsAndSaving) {
    const struct {
        const char* rule;
        const OddOutScreen* screen;
        double width;
        double height;
        bool laysOut;
    } rows[] = {
        {"text screen 2999 high", &qoddoutScreen, 9000, 2999, false},
        {"text screen 3000 high", &qoddoutScreen, 9000, 3000, true},
        {"text screen narrow but high enough", &qoddoutScreen, 1000, 5000, true},
        {"picture screen 2999 wide", &IoddoutScreen, 2999, 9000, false},
        {"picture screen 3000 wide", &IoddoutScreen, 3000, 9000, true},
        {"picture screen low but wide enough", &IoddoutScreen, 5000, 1000, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(laysOut(*row.screen, row.width, row.height), row.laysOut) << row.rule;
    EXPECT_TRUE(savesSize(qoddoutScreen, false));
    EXPECT_FALSE(savesSize(qoddoutScreen, true)) << "the text screen keeps its size when maximised";
    EXPECT_TRUE(savesSize(IoddoutScreen, false));
    EXPECT_TRUE(savesSize(IoddoutScreen, true)) << "the picture screen saves even when maximised";
}

// --- whole games ---

class OddOutWholeGame : public OddOutTest {
protected:
    std::vector<int> shownTypes;

    OddOutWholeGame() {
        twoGroups();
        game.settings.selected.fill(0);
        for (WindowId screen : {WindowId::qoddout, WindowId::Ioddout}) {
            host.onShow[screen] = [this, screen] {
                shownTypes.push_back(game.qtype);
                OddOut question(game, screen == WindowId::qoddout ? qoddoutScreen : IoddoutScreen);
                question.load();
                if (!game.maketabbed)
                    question.answer(question.oddPosition());
            };
        }
    }
};

TEST_F(OddOutWholeGame, EveryOddOneOutFoundScoresFivePointsEach) {
    for (int code : {5, 8, 10, 17})
        game.settings.selected[static_cast<std::size_t>(code)] = -1;
    game.settings.nquest = 8;
    playgame(game);
    EXPECT_EQ(shownTypes.size(), 8u);
    EXPECT_EQ(game.player.score, 40);
    EXPECT_EQ(game.player.possible, 40);
    EXPECT_EQ(std::count(host.shown.begin(), host.shown.end(), WindowId::showscor), 8);
    EXPECT_EQ(std::count(host.shown.begin(), host.shown.end(), WindowId::setup), 0);
}

TEST_F(OddOutWholeGame, TabbedRunEndsAfterTheRequestedNumberOfLines) {
    for (int code : {8, 10, 17})
        game.settings.selected[static_cast<std::size_t>(code)] = -1;
    game.settings.nquest = 5;
    game.settings.logstatus = 2;
    game.maketabbed = true;
    runquestions(game);
    EXPECT_EQ(shownTypes.size(), 5u);
    EXPECT_EQ(game.qcount, 5);
    const std::string log = quizLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 5);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\t'), 5 * 5);
}

} // namespace
} // namespace stratavex
