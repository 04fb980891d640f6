// SPDX-License-Identifier: MIT
#include "screens/sorting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

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

constexpr int byEra = 9;
constexpr int byWeight = 14;
constexpr int byLength = 15;

// The sorting question on a hand-made table, in its own program folder so
// the quiz log can be read back.
struct SortingGame : ::testing::Test {
    ProgramFolder folder;
    ScriptedHost host;
    Game game{host};
    Sorting sorting{game};

    SortingGame() {
        testing::readyForQuestions(game, 99, 2);
        game.media.sndfile[5] = "right.wav";
        game.media.sndfile[8] = "wrong.wav";
    }

    // Appends an item named name, in the family "Family of " + name; the
    // attribute under test is given, the others are plain.
    int add(const std::string& name, const std::string& weight, const std::string& length,
            const std::string& era) {
        itemrec it;
        it.name = name;
        it.dif = 1;
        it.family = "Family of " + name;
        it.weight = weight;
        it.length = length;
        it.era = era;
        return testing::addItem(game, it);
    }

    // Five items A..E whose attribute for the question type has the given texts.
    void addFive(int qtype, const std::array<std::string, 5>& values) {
        const char* names[] = {"A", "B", "C", "D", "E"};
        for (int k = 0; k < 5; ++k) {
            const std::string& v = values[static_cast<std::size_t>(k)];
            add(names[k], qtype == byWeight ? v : "1 ton", qtype == byLength ? v : "10 ft",
                qtype == byEra ? v : "Late Cretaceous");
        }
    }

    void ask(int qtype) { game.qtype = static_cast<std::int16_t>(qtype); }

    // Puts items 1..5 on screen top to bottom, as if the player had moved them there.
    void showInCreationOrder() {
        for (int slot = 0; slot < 5; ++slot)
            game.picked[static_cast<std::size_t>(slot)] = static_cast<std::int16_t>(slot + 1);
    }

    std::string quizLog() const {
        return folder.dir.exists("dremquiz.log") ? folder.dir.read("dremquiz.log") : "";
    }

    int timesShown(WindowId window) const {
        return static_cast<int>(std::count(host.shown.begin(), host.shown.end(), window));
    }

    // "Name (Family of Name)": the short label at maximum difficulty 2.
    static std::string labelOf(const std::string& name) {
        return name + " (Family of " + name + ")";
    }

    std::string labelOfSlot(int slot) const {
        return labelOf(
            game.db.items[static_cast<std::size_t>(game.picked[static_cast<std::size_t>(slot)])]
                .name);
    }
};

// A test name made of a table row's rule.
std::string ruleName(const char* rule) {
    std::string name;
    for (const char* c = rule; *c != '\0'; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

std::string lines(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts)
        out += t + "\r\n";
    return out;
}

// --- judging ---

struct JudgingRow {
    const char* rule;
    int qtype;
    std::array<std::string, 5> values; // items A..E, shown top to bottom
    int correct;
    std::string verdict;
    std::array<int, 5> useChange; // of A..E
};

std::string weightLine(const std::string& a, const std::string& wa, const std::string& b,
                       const std::string& wb) {
    return SortingGame::labelOf(a) + "  " + wa + " lbs >  " + SortingGame::labelOf(b) + " " + wb +
           " lbs";
}

std::string lengthLine(const std::string& a, const std::string& la, const std::string& b,
                       const std::string& lb) {
    return SortingGame::labelOf(a) + "  " + la + " ft >  " + SortingGame::labelOf(b) + " " + lb +
           " ft";
}

std::string eraLine(const std::string& a, const std::string& ea, const std::string& b,
                    const std::string& eb) {
    return SortingGame::labelOf(a) + " (" + ea + ") > " + SortingGame::labelOf(b) + " (" + eb +
           ") ";
}

const JudgingRow judgingRows[] = {
    {"ascending weights score ten of ten",
     byWeight,
     {"33 lbs", "900 lbs", "1,000 lbs", "2 tons", "7 tons"},
     10,
     "*** All correct!\r\n*** 10 of 10 correct ",
     {16, 12, 8, 4, 0}},
    {"earliest era on top scores ten of ten",
     byEra,
     {"Cambrian", "Permian", "Triassic", "Jurassic", "Late Cretaceous"},
     10,
     "*** All correct!\r\n*** 10 of 10 correct ",
     {16, 12, 8, 4, 0}},
    {"equal values count as in order",
     byWeight,
     {"1 ton", "2 tons", "4,000 lbs", "5 tons", "7 tons"},
     10,
     "*** All correct!\r\n*** 10 of 10 correct ",
     {16, 12, 8, 4, 0}},
    {"equal values count as in order the other way round",
     byWeight,
     {"1 ton", "4,000 lbs", "2 tons", "5 tons", "7 tons"},
     10,
     "*** All correct!\r\n*** 10 of 10 correct ",
     {16, 12, 8, 4, 0}},
    {"one pair out of order scores nine and names that pair",
     byWeight,
     {"900 lbs", "33 lbs", "2 tons", "5 tons", "7 tons"},
     9,
     " \r\n" + weightLine("A", "900", "B", "33") + "\r\n*** 9 of 10 correct ",
     {11, 11, 8, 4, 0}},
    {"a late era above earlier ones gives a comparison per earlier one",
     byEra,
     {"Jurassic", "Cambrian", "Permian", "Triassic", "Late Cretaceous"},
     7,
     " \r\n" + eraLine("A", "Jurassic", "B", "Cambrian") + "\r\n" +
         eraLine("A", "Jurassic", "C", "Permian") + "\r\n" +
         eraLine("A", "Jurassic", "D", "Triassic") + "\r\n*** 7 of 10 correct ",
     {1, 11, 7, 3, 0}},
    {"reversed lengths score nothing with ten comparisons in pair order",
     byLength,
     {"40 ft", "30 ft", "20 ft", "11 ft", "6 ft"},
     0,
     " \r\n" + lengthLine("A", "40", "B", "30") + "\r\n" + lengthLine("A", "40", "C", "20") +
         "\r\n" + lengthLine("A", "40", "D", "11") + "\r\n" + lengthLine("A", "40", "E", "6") +
         "\r\n" + lengthLine("B", "30", "C", "20") + "\r\n" + lengthLine("B", "30", "D", "11") +
         "\r\n" + lengthLine("B", "30", "E", "6") + "\r\n" + lengthLine("C", "20", "D", "11") +
         "\r\n" + lengthLine("C", "20", "E", "6") + "\r\n" + lengthLine("D", "11", "E", "6") +
         "\r\n*** 0 of 10 correct ",
     {-4, -4, -4, -4, -4}},
};

void PrintTo(const JudgingRow& row, std::ostream* os) {
    *os << row.rule;
}

struct Judging : SortingGame, ::testing::WithParamInterface<JudgingRow> {};

TEST_P(Judging, VerdictPointsAndUseCounters) {
    const JudgingRow& row = GetParam();
    addFive(row.qtype, row.values);
    ask(row.qtype);
    ASSERT_TRUE(sorting.load());
    showInCreationOrder();
    for (int i = 1; i <= 5; ++i)
        game.db.itemuse[static_cast<std::size_t>(i)] = 20;
    game.player = {3, 5, 60};

    sorting.done();

    EXPECT_EQ(game.showscor.Text1, row.verdict);
    EXPECT_EQ(game.player.score, 3 + row.correct);
    EXPECT_EQ(game.player.possible, 15);
    EXPECT_EQ(game.showscor.Label1, "Results for Sorting " + game.qname[row.qtype]);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(game.db.itemuse[static_cast<std::size_t>(k + 1)],
                  20 + row.useChange[static_cast<std::size_t>(k)])
            << "item " << static_cast<char>('A' + k);
    EXPECT_EQ(timesShown(WindowId::showscor), 1);
    EXPECT_TRUE(host.sounds.empty()) << "the sorting screen plays no sound";
}

INSTANTIATE_TEST_SUITE_P(Sorting, Judging, ::testing::ValuesIn(judgingRows),
                         [](const auto& info) { return ruleName(info.param.rule); });

TEST_F(SortingGame, ScoreDisplayShowsTheRunningScoreOfTheTenPairs) {
    addFive(byWeight, {"900 lbs", "33 lbs", "2 tons", "5 tons", "7 tons"});
    ask(byWeight);
    ASSERT_TRUE(sorting.load());
    showInCreationOrder();
    std::string shownScore;
    host.onShow[WindowId::showscor] = [&] { shownScore = game.showscor.Label2; };
    sorting.done();
    EXPECT_EQ(shownScore, "Current score: 9 of 10  (90%)");
}

TEST_F(SortingGame, DoneJudgesOnlyOnce) {
    addFive(byWeight, {"33 lbs", "900 lbs", "1,000 lbs", "2 tons", "7 tons"});
    ask(byWeight);
    ASSERT_TRUE(sorting.load());
    sorting.done();
    sorting.done();
    EXPECT_EQ(game.player.possible, 10);
    EXPECT_EQ(timesShown(WindowId::showscor), 1);
}

// --- moving lines ---

TEST_F(SortingGame, ClickingTheTopLineChangesNothing) {
    addFive(byLength, {"40 ft", "30 ft", "20 ft", "11 ft", "6 ft"});
    ask(byLength);
    ASSERT_TRUE(sorting.load());
    const auto before = game.picked;
    const auto shown = sorting.lines();
    sorting.click(0);
    EXPECT_EQ(game.picked, before);
    EXPECT_EQ(sorting.lines(), shown);
}

TEST_F(SortingGame, BottomItemReachesTheTopAfterFourClicks) {
    addFive(byLength, {"40 ft", "30 ft", "20 ft", "11 ft", "6 ft"});
    ask(byLength);
    ASSERT_TRUE(sorting.load());
    showInCreationOrder();
    for (int line : {4, 3, 2, 1})
        sorting.click(line);
    EXPECT_EQ(game.picked[0], 5);
    EXPECT_EQ(game.picked[1], 1);
    EXPECT_EQ(game.picked[2], 2);
    EXPECT_EQ(game.picked[3], 3);
    EXPECT_EQ(game.picked[4], 4);
    EXPECT_EQ(sorting.lines()[0], labelOf("E"));
    EXPECT_EQ(sorting.lines()[4], labelOf("D"));
}

TEST_F(SortingGame, ClicksOutsideTheListChangeNothing) {
    addFive(byLength, {"40 ft", "30 ft", "20 ft", "11 ft", "6 ft"});
    ask(byLength);
    ASSERT_TRUE(sorting.load());
    const auto before = game.picked;
    sorting.click(-1);
    sorting.click(5);
    EXPECT_EQ(game.picked, before);
}

// --- opening the question ---

TEST_F(SortingGame, ListShowsTheShortLabelsOfTheFivePickedItems) {
    addFive(byWeight, {"33 lbs", "900 lbs", "1,000 lbs", "2 tons", "7 tons"});
    ask(byWeight);
    ASSERT_TRUE(sorting.load());
    std::vector<int> items(game.picked.begin(), game.picked.begin() + 5);
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, (std::vector<int>{1, 2, 3, 4, 5})) << "five different items";
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(sorting.lines()[static_cast<std::size_t>(slot)], labelOfSlot(slot));
}

TEST_F(SortingGame, HeadingNamesTheSortOrderOfTheQuestionType) {
    const struct {
        int qtype;
        const char* heading;
    } rows[] = {
        {byEra, "Sort by era (in millions of years ago), earliest on top"},
        {byWeight, "Sort by weight, smallest on top"},
        {byLength, "Sort by length, shortest on top"},
    };
    addFive(byEra, {"Cambrian", "Permian", "Triassic", "Jurassic", "Late Cretaceous"});
    const char* weights[] = {"1 ton", "2 tons", "3 tons", "4 tons", "5 tons"};
    const char* lengths[] = {"1 ft", "2 ft", "3 ft", "4 ft", "5 ft"};
    for (int i = 1; i <= 5; ++i) {
        game.db.items[static_cast<std::size_t>(i)].weight = weights[i - 1];
        game.db.items[static_cast<std::size_t>(i)].length = lengths[i - 1];
    }
    for (const auto& row : rows) {
        ask(row.qtype);
        game.db.itemuse.assign(6, 0);
        Sorting question(game);
        ASSERT_TRUE(question.load());
        EXPECT_EQ(question.heading(), row.heading);
    }
    EXPECT_STREQ(Sorting::instruction, "Click to push an item up one slot");
}

TEST_F(SortingGame, HelpExplainsHowToSort) {
    sorting.help();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Sort the items listed.  Click on a line to move that item "
                                     "up one level.  When all are in position, click 'Done'");
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
}

// --- quiz log and online export ---

struct LogRow {
    const char* rule;
    int logstatus;
    bool makeonline;
    bool maketabbed;
    bool allCorrect;
    // What the log holds: the opening lines, then the lines of "Done".
    bool opening;
    bool exportBlock;
    bool comparisons;
    bool allCorrectLine;
};

const LogRow logRows[] = {
    {"all lines at threshold 1", 1, false, false, false, true, false, true, false},
    {"all correct is logged at threshold 1", 1, false, false, true, true, false, false, true},
    {"threshold 2 keeps every sorting line out", 2, false, false, false, false, false, false,
     false},
    {"threshold 2 also keeps all correct out", 2, false, false, true, false, false, false, false},
    {"an online run writes the export block instead of the opening lines", 2, true, false, true,
     false, true, false, false},
    {"an online run leaves out all correct even at threshold 1", 1, true, false, true, false, true,
     false, false},
    {"an online run still logs wrong pairs at threshold 1", 1, true, false, false, false, true,
     true, false},
    {"a tabbed run writes the ordinary lines and no question line", 1, false, true, false, true,
     false, true, false},
};

void PrintTo(const LogRow& row, std::ostream* os) {
    *os << row.rule;
}

struct Logging : SortingGame, ::testing::WithParamInterface<LogRow> {};

TEST_P(Logging, WritesTheSpecifiedLines) {
    const LogRow& row = GetParam();
    game.settings.logstatus = static_cast<std::int16_t>(row.logstatus);
    game.makeonline = row.makeonline;
    game.maketabbed = row.maketabbed;
    if (row.allCorrect)
        addFive(byWeight, {"33 lbs", "900 lbs", "1,000 lbs", "2 tons", "7 tons"});
    else
        addFive(byWeight, {"900 lbs", "33 lbs", "1,000 lbs", "2 tons", "7 tons"});
    ask(byWeight);
    ASSERT_TRUE(sorting.load());

    std::vector<std::string> expected;
    if (row.opening) {
        expected.push_back("Sorting: Sort by weight");
        for (int slot = 0; slot < 5; ++slot)
            expected.push_back(labelOfSlot(slot));
    }
    if (row.exportBlock) {
        expected.push_back("SORT");
        expected.push_back("Sort by weight");
        for (int slot = 0; slot < 5; ++slot)
            expected.push_back(labelOfSlot(slot));
        const std::array<const char*, 5> inOrder = {"33", "900", "1000", "4000", "14000"};
        const std::array<const char*, 5> firstTwoSwapped = {"900", "33", "1000", "4000", "14000"};
        const auto& values = row.allCorrect ? inOrder : firstTwoSwapped;
        for (int slot = 0; slot < 5; ++slot)
            expected.push_back(
                values[static_cast<std::size_t>(game.picked[static_cast<std::size_t>(slot)] - 1)]);
    }
    EXPECT_EQ(quizLog(), lines(expected)) << "after opening";

    showInCreationOrder();
    sorting.done();
    if (row.comparisons)
        expected.push_back(weightLine("A", "900", "B", "33"));
    if (row.allCorrectLine)
        expected.push_back(" *** All Correct!");
    EXPECT_EQ(quizLog(), lines(expected)) << "after done";
    EXPECT_EQ(game.qcount, 0) << "the sorting screen writes no tabbed line";
}

INSTANTIATE_TEST_SUITE_P(Sorting, Logging, ::testing::ValuesIn(logRows),
                         [](const auto& info) { return ruleName(info.param.rule); });

TEST_F(SortingGame, OnlineBlockValuesAreSignedPlainNumbers) {
    game.settings.logstatus = 2;
    game.makeonline = true;
    addFive(byEra, {"Cambrian", "Permian", "Triassic", "Jurassic", "Late Cretaceous"});
    ask(byEra);
    ASSERT_TRUE(sorting.load());
    const char* values[] = {"-539", "-299", "-252", "-201", "-100"};
    std::string tail;
    for (int slot = 0; slot < 5; ++slot)
        tail += std::string(values[game.picked[static_cast<std::size_t>(slot)] - 1]) + "\r\n";
    const std::string log = quizLog();
    ASSERT_GE(log.size(), tail.size());
    EXPECT_EQ(log.substr(log.size() - tail.size()), tail);
    EXPECT_EQ(log.rfind("SORT\r\nSort by era (million yrs ago)\r\n" + labelOfSlot(0) + "\r\n", 0),
              0u);
}

// --- too few items ---

TEST_F(SortingGame, TooFewItemsTakeTheFailurePathAndCannotBeJudged) {
    add("A", "1 ton", "10 ft", "Jurassic");
    add("B", "2 tons", "20 ft", "Jurassic");
    add("C", "3 tons", "", "Jurassic");
    add("D", "4 tons", "30 ft", "Jurassic");
    add("E", "5 tons", "40 ft", "Jurassic");
    ask(byLength);
    EXPECT_FALSE(sorting.load());
    EXPECT_FALSE(sorting.built());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Current set doesn't provide enough items for Sort by length. Use another question "
              "type or change difficulty level to include more.");
    EXPECT_EQ(game.settings.selected[byLength], 0);
    EXPECT_EQ(timesShown(WindowId::setup), 1);

    sorting.click(1);
    sorting.done();
    EXPECT_EQ(game.player.possible, 0);
    EXPECT_EQ(timesShown(WindowId::showscor), 0);
}

// --- whole games ---

// Stands in for the sorting window: the player pushes lines up until the list
// is in order, or leaves without answering.
struct SortingPlayer {
    Game& game;
    bool answers = true;

    void play() {
        Sorting question(game);
        if (!question.load() || !answers)
            return;
        // Ten pairs need at most ten pushes; more means a click went wrong.
        int clicks = 0;
        for (bool moved = true; moved && clicks <= 10;) {
            moved = false;
            for (int line = 1; line <= Sorting::lastSlot && !moved; ++line) {
                const int above = game.picked[static_cast<std::size_t>(line - 1)];
                const int here = game.picked[static_cast<std::size_t>(line)];
                if (itemnum(game, here, game.qtype) < itemnum(game, above, game.qtype)) {
                    question.click(line);
                    moved = true;
                    ++clicks;
                }
            }
        }
        question.done();
    }
};

TEST_F(SortingGame, WholeGameOfSortedListsScoresEveryPair) {
    addFive(byWeight, {"7 tons", "33 lbs", "2 tons", "900 lbs", "1,000 lbs"});
    game.settings.selected.fill(0);
    game.settings.selected[byWeight] = -1;
    game.settings.nquest = 3;
    SortingPlayer player{game};
    int question = 0;
    host.onShow[WindowId::qsort] = [&] {
        player.answers = ++question != 2;
        player.play();
    };

    playgame(game);

    EXPECT_EQ(question, 3);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().text,
              "You scored 20 out of 20 (100%)\r\nScore adjusted for difficulty: 40");
}

} // namespace
} // namespace stratavex
