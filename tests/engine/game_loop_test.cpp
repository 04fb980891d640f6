// SPDX-License-Identifier: MIT
#include "engine/game_loop.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "database/attributes.h"
#include "engine/game.h"
#include "support/scripted_screens.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::ProgramFolder;
using testing::ScriptedHost;
using testing::ScriptedScreens;

const std::string nothingSelected = "0No questions possible with current selections.  Change "
                                    "difficulty levels or question types";

// A game in its own program folder, with every question screen played by script.
struct GameLoop : ::testing::Test {
    ProgramFolder folder;
    ScriptedHost host;
    Game game{host};
    ScriptedScreens screens{game, host};

    GameLoop() {
        game.random.seed(1234);
        inittables(game);
        game.settings.nquest = 10;
        game.settings.maxdif = 2;
        game.settings.logstatus = 1;
    }

    void selectOnly(std::initializer_list<int> codes) {
        game.settings.selected.fill(0);
        for (int code : codes)
            game.settings.selected[static_cast<std::size_t>(code)] = -1;
    }

    std::string quizLog() const {
        return folder.dir.exists("dremquiz.log") ? folder.dir.read("dremquiz.log") : "";
    }

    int timesShown(WindowId window) const {
        return static_cast<int>(std::count(host.shown.begin(), host.shown.end(), window));
    }
};

// --- which question types are asked ---

struct OnlyOneType : GameLoop, ::testing::WithParamInterface<int> {};

TEST_P(OnlyOneType, EveryQuestionOfTheGameIsOfTheOneSelectedType) {
    const int code = GetParam();
    selectOnly({code});
    playgame(game);
    ASSERT_EQ(screens.asked.size(), 10u);
    for (const auto& q : screens.asked) {
        EXPECT_EQ(q.qtype, code);
        EXPECT_EQ(q.screen, screenOf(code));
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, OnlyOneType, ::testing::Values(1, 2, 4, 9, 16, 19));

TEST_F(GameLoop, TypeOneIsDrawnTwiceAsOftenAsAnyOtherType) {
    game.settings.logstatus = 0;
    game.settings.nquest = 19000;
    runquestions(game);
    std::array<int, 20> count{};
    for (int code : screens.types())
        ++count[static_cast<std::size_t>(code)];
    ASSERT_EQ(count[0], 0);
    double others = 0;
    for (int code = 2; code <= 19; ++code)
        others += count[static_cast<std::size_t>(code)];
    const double perOtherType = others / 18;
    // Expected 1900 against 950; the bounds are more than four standard deviations wide.
    EXPECT_GT(count[1] / perOtherType, 1.8);
    EXPECT_LT(count[1] / perOtherType, 2.2);
    for (int code = 2; code <= 19; ++code) {
        EXPECT_GT(count[static_cast<std::size_t>(code)] / perOtherType, 0.8) << code;
        EXPECT_LT(count[static_cast<std::size_t>(code)] / perOtherType, 1.2) << code;
    }
}

// --- the quiz log ---

struct QuestionLines {
    const char* rule;
    int logstatus;
    bool makeonline;
    bool maketabbed;
    const char* log;
};

const QuestionLines questionLines[] = {
    {"threshold All writes a line per question", 1, false, false,
     "---- Question 1\r\n---- Question 2\r\n---- Question 3\r\n"},
    {"threshold Only incorrect still writes the question lines", 2, false, false,
     "---- Question 1\r\n---- Question 2\r\n---- Question 3\r\n"},
    {"threshold Off writes nothing", 0, false, false, ""},
    {"an online export run writes no question lines", 2, true, false, ""},
    {"a tabbed export run writes no question lines", 2, false, true, ""},
};

TEST_F(GameLoop, QuestionLinesFollowTheLogThresholdAndExportRuns) {
    for (const QuestionLines& row : questionLines) {
        SCOPED_TRACE(row.rule);
        folder.dir.write("dremquiz.log", "");
        game.settings.logstatus = static_cast<std::int16_t>(row.logstatus);
        game.settings.nquest = 3;
        game.makeonline = row.makeonline;
        game.maketabbed = row.maketabbed;
        // A tabbed run counts the lines its screens write.
        screens.play = [](Game& g) { ++g.qcount; };
        runquestions(game);
        EXPECT_EQ(quizLog(), row.log);
    }
}

TEST_F(GameLoop, TabbedRunCountsTheQuestionsTheScreensWrote) {
    game.maketabbed = true;
    game.qcount = 99;
    game.settings.nquest = 6;
    screens.play = [](Game& g) { g.qcount += 3; };
    runquestions(game);
    EXPECT_EQ(screens.asked.size(), 2u);
    EXPECT_EQ(game.qcount, 6);
}

// --- the final message ---

struct FinalScore {
    const char* rule;
    int nquest;
    int maxdif;
    testing::ScreenPlay play;
    const char* message;
};

TEST_F(GameLoop, FinalMessageReportsScoreAndAdjustedScore) {
    const FinalScore rows[] = {
        {"skipping every question scores nothing", 10, 2, testing::skip(),
         "You scored 0 out of 0 (0%)\r\nScore adjusted for difficulty: 0"},
        {"ten right choices at difficulty 4", 10, 4, testing::answer(5, 5),
         "You scored 50 out of 50 (100%)\r\nScore adjusted for difficulty: 200"},
        {"every answer wrong", 4, 3, testing::answer(0, 5),
         "You scored 0 out of 20 (0%)\r\nScore adjusted for difficulty: 0"},
        {"three matches of six out of ten", 3, 3, testing::answer(6, 10),
         "You scored 18 out of 30 (60%)\r\nScore adjusted for difficulty: 32"},
    };
    for (const FinalScore& row : rows) {
        SCOPED_TRACE(row.rule);
        host.messages.clear();
        game.settings.nquest = static_cast<std::int16_t>(row.nquest);
        game.settings.maxdif = static_cast<std::int16_t>(row.maxdif);
        screens.play = row.play;
        playgame(game);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, row.message);
        EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    }
}

TEST_F(GameLoop, EveryGameStartsFromAZeroScore) {
    game.player = {30, 40, 75};
    game.settings.nquest = 2;
    playgame(game);
    EXPECT_EQ(host.messageTexts().back(),
              "You scored 0 out of 0 (0%)\r\nScore adjusted for difficulty: 0");
}

TEST_F(GameLoop, ASkippedGameOpensNoHallOfFameWindow) {
    playgame(game);
    EXPECT_EQ(timesShown(WindowId::HOF), 0);
    EXPECT_EQ(timesShown(WindowId::NameEntry), 0);
}

// --- no question type selected ---

TEST_F(GameLoop, NothingSelectedAsksForSettingsUntilATypeIsSelected) {
    selectOnly({});
    int openings = 0;
    host.onShow[WindowId::setup] = [&] {
        if (++openings == 2)
            game.settings.selected[16] = -1;
    };
    game.settings.nquest = 3;
    playgame(game);
    const std::vector<std::string> texts = host.messageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], nothingSelected);
    EXPECT_EQ(texts[1], nothingSelected);
    EXPECT_EQ(openings, 2);
    EXPECT_EQ(screens.types(), (std::vector<int>{16, 16, 16}));
}

TEST_F(GameLoop, TheUnusedEntryZeroDoesNotCountAsASelection) {
    selectOnly({});
    game.settings.selected[0] = -1;
    host.onShow[WindowId::setup] = [&] { game.settings.selected[2] = -1; };
    game.settings.nquest = 1;
    playgame(game);
    EXPECT_EQ(host.messageTexts().front(), nothingSelected);
    EXPECT_EQ(screens.types(), (std::vector<int>{2}));
}

// --- screens that cannot build their question ---

TEST_F(GameLoop, AnUnbuildableTypeIsDeselectedAndTheSettingsOpen) {
    selectOnly({2});
    game.settings.nquest = 1;
    screens.play = testing::cannotBuildQuestion();
    host.onShow[WindowId::setup] = [&] { EXPECT_EQ(game.settings.selected[2], 0); };
    playgame(game);
    EXPECT_EQ(host.messageTexts().front(),
              "Current set doesn't provide enough items for Desc and name. Use another question "
              "type or change difficulty level to include more.");
    EXPECT_EQ(timesShown(WindowId::setup), 1);
    EXPECT_EQ(game.settings.selected[2], 0);
}

TEST_F(GameLoop, AnUnbuildableTypeIsNotDrawnAgainButItsQuestionCounts) {
    selectOnly({2, 16});
    screens.byType[2] = testing::cannotBuildQuestion();
    screens.play = testing::answer(5, 5);
    playgame(game);
    const std::vector<int> types = screens.types();
    ASSERT_EQ(types.size(), 10u);
    EXPECT_EQ(std::count(types.begin(), types.end(), 2), 1);
    EXPECT_EQ(game.player.possible, 5 * 9);
}

TEST_F(GameLoop, SettingsChangedDuringAGameApplyToTheRestOfIt) {
    selectOnly({2});
    screens.byType[2] = testing::cannotBuildQuestion();
    host.onShow[WindowId::setup] = [&] {
        game.settings.nquest = 3;
        game.settings.selected[16] = -1;
    };
    playgame(game);
    EXPECT_EQ(screens.types(), (std::vector<int>{2, 16, 16}));
}

// --- the score display after an answer ---

TEST_F(GameLoop, AnAnswerFillsTheScoreDisplayBeforeItIsShown) {
    selectOnly({16});
    game.settings.nquest = 2;
    screens.play = testing::answer(5, 5, " Correct, +5 pts");
    playgame(game);
    ASSERT_EQ(screens.results.size(), 2u);
    EXPECT_EQ(screens.results[0].Text1, " Correct, +5 pts");
    EXPECT_EQ(screens.results[0].Label1, "Results for When did this one live?");
    EXPECT_EQ(screens.results[0].Label2, "Current score: 5 of 5  (100%)");
    EXPECT_EQ(screens.results[1].Label2, "Current score: 10 of 10  (100%)");
}

TEST_F(GameLoop, AScreenCanUseItsOwnHeading) {
    selectOnly({14});
    game.settings.nquest = 1;
    screens.play = testing::answer(7, 10, "", "Results for Sorting ");
    playgame(game);
    ASSERT_EQ(screens.results.size(), 1u);
    EXPECT_EQ(screens.results[0].Label1, "Results for Sorting Sort by weight");
}

// --- scoring ---

struct Answers {
    const char* rule;
    std::vector<std::pair<int, int>> answers; // points, possible
    ScoreRecord expected;
};

TEST(Addscore, AddsPointsAndKeepsTheWholePercentage) {
    const Answers rows[] = {
        {"a right choice", {{5, 5}}, {5, 5, 100}},
        {"a wrong choice", {{0, 5}}, {0, 5, 0}},
        {"7 of 15 is 46 rounded down", {{7, 15}}, {7, 15, 46}},
        {"two thirds round down", {{2, 3}}, {2, 3, 66}},
        {"answers add up", {{5, 5}, {0, 5}, {6, 10}}, {11, 20, 55}},
        {"past 327 points the percentage stays right",
         std::vector<std::pair<int, int>>(40, {10, 10}),
         {400, 400, 100}},
        {"half of 660 is 50 %", std::vector<std::pair<int, int>>(66, {5, 10}), {330, 660, 50}},
        {"328 of 1000", {{328, 1000}}, {328, 1000, 32}},
        {"totals stop at 32767", {{30000, 30000}, {5000, 5000}}, {32767, 32767, 100}},
    };
    for (const Answers& row : rows) {
        SCOPED_TRACE(row.rule);
        ScriptedHost host;
        Game game{host};
        for (auto [points, possible] : row.answers)
            addscore(game, points, possible);
        EXPECT_EQ(game.player.score, row.expected.score);
        EXPECT_EQ(game.player.possible, row.expected.possible);
        EXPECT_EQ(game.player.pct, row.expected.pct);
    }
}

struct Adjusted {
    const char* rule;
    int score;
    int maxdif;
    int pct;
    int expected;
};

TEST(AdjustedScore, IsScoreTimesDifficultyOverHundredTimesPercentRoundedHalfToEven) {
    const Adjusted rows[] = {
        {"score 15, difficulty 3, 60 %", 15, 3, 60, 27},
        {"50 at difficulty 4 and 100 %", 50, 4, 100, 200},
        {"2.5 goes down to the even 2", 25, 1, 10, 2},
        {"7.5 goes up to the even 8", 75, 1, 10, 8},
        {"3.5 goes up to the even 4", 35, 1, 10, 4},
        {"an ordinary fraction rounds to nearest", 18, 3, 60, 32},
        {"nothing scored", 0, 4, 0, 0},
        {"a product beyond 16 bits", 10000, 4, 50, 20000},
        {"a result beyond 16 bits stops at 32767", 32767, 4, 100, 32767},
    };
    for (const Adjusted& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(adjustedScore(row.score, row.maxdif, row.pct), row.expected);
    }
}

} // namespace
} // namespace stratavex
