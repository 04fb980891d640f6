// SPDX-License-Identifier: MIT
#include "engine/export_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "base/quizlog.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "engine/game_loop.h"
#include "engine/setup.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"
#include "support/scripted_screens.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::ProgramFolder;
using testing::ScreenPlay;
using testing::ScriptedHost;
using testing::ScriptedScreens;

const std::string date = "08/12/2026";

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

// A game in its own program folder whose question screens are played by script.
struct ExportRun : ::testing::Test {
    ProgramFolder folder;
    ScriptedHost host;
    Game game{host};
    ScriptedScreens screens{game, host};

    ExportRun() {
        host.date = date;
        game.random.seed(99);
        inittables(game);
        game.settings.logstatus = 1;
        game.settings.nquest = 5;
    }

    std::string quizLog() const {
        return folder.dir.exists(logFile) ? folder.dir.read(logFile) : "";
    }

    void selectOnly(std::initializer_list<int> codes) {
        game.settings.selected.fill(0);
        for (int code : codes)
            game.settings.selected[static_cast<std::size_t>(code)] = -1;
    }

    // The player presses an export button in the settings window and closes it.
    void startFromSettings(void (*start)(Game&, SetupModel&, const ShowRunSettings&)) {
        SetupModel setup(game);
        start(game, setup, [](const std::string&) {});
        setup.Form_Unload();
        host.messages.clear();
    }
};

// A screen that writes an online block and is answered.
ScreenPlay onlineBlock() {
    return [](Game& g) {
        logmsg(g, "MULT", 4);
        logmsg(g, g.qname[static_cast<std::size_t>(g.qtype)], 4);
        addscore(g, 5, 5);
        showResult(g, "right");
    };
}

// A screen that writes one tabbed line and is skipped.
ScreenPlay tabbedLine() {
    return [](Game& g) {
        logmsg(g, "heading\ta\tb\tc\td\t1", 4);
        ++g.qcount;
    };
}

// --- starting a run ---

struct StartCase {
    const char* name;
    void (*start)(Game&, SetupModel&, const ShowRunSettings&);
    bool online;
    int questions;
    const char* message;
};

const StartCase startCases[] = {
    {"online", startOnlineExport, true, 12, "Will create 12 question file for online games"},
    {"tabbed", startTabbedExport, false, 50, "Will create 50 questions in tabbed format"},
};

TEST_F(ExportRun, StartingARunSetsItUpInTheSettingsWindow) {
    for (const StartCase& c : startCases) {
        SCOPED_TRACE(c.name);
        game.makeonline = !c.online;
        game.maketabbed = c.online;
        game.settings.logstatus = 1;
        game.settings.nquest = 5;
        folder.dir.write(logFile, "---- Question 1\r\nold line\r\n");
        host.messages.clear();

        SetupModel setup(game);
        std::vector<std::string> shown;
        std::size_t messagesBeforeShown = 99;
        c.start(game, setup, [&](const std::string& text) {
            shown.push_back(text);
            messagesBeforeShown = host.messages.size();
        });

        EXPECT_EQ(game.makeonline, c.online);
        EXPECT_EQ(game.maketabbed, !c.online);
        EXPECT_EQ(game.settings.logstatus, 2);
        EXPECT_EQ(quizLog(), date + "\r\n");
        EXPECT_EQ(setup.questionsBound(), c.questions);
        EXPECT_EQ(setup.nquestionText(), std::to_string(c.questions));
        EXPECT_EQ(shown, std::vector<std::string>{std::to_string(c.questions)});
        EXPECT_EQ(messagesBeforeShown, 0u) << "the count shows before the message";
        EXPECT_EQ(host.messageTexts(), std::vector<std::string>{c.message});

        setup.Form_Unload();
        EXPECT_EQ(game.settings.nquest, c.questions);
    }
}

TEST_F(ExportRun, ASettingsWindowOpenedLaterKeepsTheRunsCount) {
    for (const StartCase& c : startCases) {
        SCOPED_TRACE(c.name);
        startFromSettings(c.start);
        SetupModel again(game);
        EXPECT_EQ(again.nquestionText(), std::to_string(c.questions));
        again.Form_Unload();
        EXPECT_EQ(game.settings.nquest, c.questions);
    }
}

// --- whole games ---

TEST_F(ExportRun, AnOnlineGameWritesTheDateThenTwelveBlocks) {
    selectOnly({16, 2});
    screens.play = onlineBlock();
    startFromSettings(startOnlineExport);
    playgame(game);

    const std::vector<std::string> log = lines(quizLog());
    ASSERT_EQ(log.size(), 1u + 12 * 2);
    EXPECT_EQ(log[0], date);
    for (std::size_t i = 1; i < log.size(); i += 2) {
        EXPECT_EQ(log[i], "MULT");
        EXPECT_TRUE(log[i + 1] == "When did this one live?" || log[i + 1] == "Desc and name")
            << log[i + 1];
    }
    EXPECT_EQ(screens.asked.size(), 12u);
    EXPECT_EQ(game.player.possible, 60);
}

TEST_F(ExportRun, AnOnlineGameCountsQuestionsWithoutBlocksToo) {
    selectOnly({9, 16});
    screens.byType[16] = onlineBlock(); // the sorting question is skipped, writing nothing
    startFromSettings(startOnlineExport);
    runquestions(game);
    EXPECT_EQ(screens.asked.size(), 12u);
    const std::string log = quizLog();
    EXPECT_EQ(log.find("---- Question"), std::string::npos);
    EXPECT_EQ(log.rfind(date + "\r\n", 0), 0u);
}

TEST_F(ExportRun, ATabbedGameRunsUntilFiftyLinesAreWritten) {
    selectOnly({16, 9});
    screens.byType[16] = tabbedLine();
    startFromSettings(startTabbedExport);
    runquestions(game);

    const std::vector<std::string> log = lines(quizLog());
    ASSERT_EQ(log.size(), 51u);
    EXPECT_EQ(log[0], date);
    EXPECT_EQ(game.qcount, 50);
    const std::vector<int> asked = screens.types();
    const auto lineWriters = std::count(asked.begin(), asked.end(), 16);
    EXPECT_EQ(lineWriters, 50);
    EXPECT_GT(screens.asked.size(), 50u) << "the sorting questions did not count";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ExportRun, ATabbedGameWhoseTypesWriteNoLinesEndsAfterFiftyQuestions) {
    selectOnly({9, 14, 15});
    startFromSettings(startTabbedExport);
    runquestions(game);

    EXPECT_EQ(screens.asked.size(), 50u);
    EXPECT_EQ(quizLog(), date + "\r\n");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The last 50 questions wrote no tabbed question, so this game ends here.\r\n\r\n"
              "Tabbed questions come from these question types: Desc and name, Why named, "
              "Family, Diet by family?, Which is not of this era, Order/suborder, Dinosaurs by "
              "size and length, When did this one live?, Suborder difference, Where found?");
}

// --- the rule that ends a stalled tabbed game ---

struct GuardCase {
    const char* name;
    bool tabbed;
    std::vector<bool> wroteLine; // per question
    int endsAfter;               // 1-based question that ends the game, 0: none
};

TEST_F(ExportRun, ATabbedGameEndsOnceAFullRoundOfQuestionsWroteNoLine) {
    const GuardCase cases[] = {
        {"three without a line end a game of three", true, {false, false, false}, 3},
        {"a line starts the round again", true, {false, false, true, false, false, false}, 6},
        {"two without a line go on", true, {true, false, false, true}, 0},
        {"not a tabbed run", false, {false, false, false, false, false}, 0},
    };
    for (const GuardCase& c : cases) {
        SCOPED_TRACE(c.name);
        game.maketabbed = c.tabbed;
        game.settings.nquest = 3;
        game.qcount = 0;
        TabbedRunGuard guard;
        int ended = 0;
        for (std::size_t q = 0; q < c.wroteLine.size() && ended == 0; ++q) {
            if (c.wroteLine[q])
                ++game.qcount;
            if (guard.endsGame(game))
                ended = static_cast<int>(q) + 1;
        }
        EXPECT_EQ(ended, c.endsAfter);
    }
}

TEST(TabbedLines, OnlyTheChoiceOddOneOutAndDescriptionMatchingTypesWriteThem) {
    const std::vector<int> writers = {2, 6, 7, 8, 10, 11, 13, 16, 17, 18};
    for (int code = 0; code <= 20; ++code) {
        const bool expected = std::find(writers.begin(), writers.end(), code) != writers.end();
        EXPECT_EQ(writesTabbedLines(code), expected) << code;
    }
}

} // namespace
} // namespace stratavex
