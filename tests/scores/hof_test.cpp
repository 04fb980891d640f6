// SPDX-License-Identifier: MIT
#include "scores/hof.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "database/attributes.h"
#include "engine/game.h"
#include "engine/game_loop.h"
#include "engine/trivia.h"
#include "scores/nameentry.h"
#include "scores/showscor.h"
#include "screens/question_screens.h"
#include "support/file_limit.h"
#include "support/sample_items.h"
#include "support/scripted_screens.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::hofEntry;
using testing::ProgramFolder;
using testing::ScriptedHost;
using testing::ScriptedScreens;

const std::string header = "Rank  Score   % Dif Name                  Date ";
const std::string topFiveOnly = "Must be in top 5 of local HOF to be entered online";

std::string server() {
    return std::string(onlineHofServer());
}

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

int lineCount(const std::string& bytes) {
    return static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// A Hall of Fame in its own program folder. The name entry is played by a
// script: it types `typedName` and `typedEmail` and, when `online`, chooses
// the website entry.
struct HallOfFameTest : ::testing::Test {
    ProgramFolder folder;
    ScriptedHost host;
    Game game{host};
    std::string typedName = "Player1";
    std::string typedEmail;
    bool online = false;
    std::vector<int> rankWhenAsked;

    HallOfFameTest() {
        game.settings.maxdif = 3;
        game.settings.soundon = 0;
        host.date = "12/7/2026";
        host.onShow[WindowId::NameEntry] = [this] {
            rankWhenAsked.push_back(game.hof.hofrank);
            NameEntryModel entry(game);
            if (online)
                entry.Command1_Click();
            entry.Form_Unload(typedName, typedEmail);
        };
    }

    void enter(int score, int pct = 60) {
        enterHof(game, score, "drem", pct, game.config.playername, 0);
    }

    void fill(const std::vector<int>& scores) { game.hof = testing::earlierResults(scores); }

    std::vector<int> scores() const {
        std::vector<int> out;
        for (int i = 1; i <= game.hof.hofcount; ++i)
            out.push_back(game.hof.hof[static_cast<std::size_t>(i)].score);
        return out;
    }

    std::string nameAt(int rank) const { return game.hof.hof[static_cast<std::size_t>(rank)].name; }
};

std::vector<int> thirtyScores() {
    std::vector<int> s;
    for (int score = 300; score >= 10; score -= 10)
        s.push_back(score);
    return s;
}

// --- entering a result ---

TEST_F(HallOfFameTest, FirstEntryEverListsTheHeaderAndOneRowAndTheFileHoldsSevenLines) {
    enter(27, 60);
    EXPECT_EQ(game.hof.hofcount, 1);
    EXPECT_EQ(game.hof.hofrank, 1);
    EXPECT_EQ(host.shown, (std::vector<WindowId>{WindowId::NameEntry, WindowId::HOF}));
    EXPECT_EQ(hofListText(game.hof), header + "\r\n" + "  1" + blanks(6) + "27" + blanks(2) + "60" +
                                         blanks(2) + "3" + blanks(2) + "Player1" + blanks(15) +
                                         "12/7/2026");
    const std::string file = folder.dir.read("drem.hof");
    EXPECT_EQ(file, " 1 \r\n 27 \r\n 60 \r\n 0 \r\ndrem    \r\n\"3  Player1\"\r\n12/7/2026\r\n");
    EXPECT_EQ(lineCount(file), 7);
    EXPECT_TRUE(host.messages.empty());
}

struct Offer {
    const char* rule;
    std::vector<int> before;
    int score;
    int rank; // 0: does not get in
    std::vector<int> after;
};

TEST_F(HallOfFameTest, AResultGetsInAboveTheFirstLowerScoreOnly) {
    const std::vector<int> thirty = thirtyScores();
    std::vector<int> thirtyWith15(thirty.begin(), thirty.end() - 1);
    thirtyWith15.back() = 20;
    thirtyWith15.push_back(15);
    std::vector<int> thirtyWith500 = {500};
    thirtyWith500.insert(thirtyWith500.end(), thirty.begin(), thirty.end() - 1);
    const Offer offers[] = {
        {"any positive score gets into an empty list", {}, 1, 1, {1}},
        {"a score of 0 never gets in, even with room", {}, 0, 0, {}},
        {"a score of 0 never gets in below others", {5}, 0, 0, {5}},
        {"a better score goes above the first lower one", {50, 30, 10}, 40, 2, {50, 40, 30, 10}},
        {"an equal score goes below the equal one", {50, 30, 10}, 30, 3, {50, 30, 30, 10}},
        {"a lower score takes the next free place", {50, 30}, 5, 3, {50, 30, 5}},
        {"the 31st result pushes the 30th out", thirty, 15, 30, thirtyWith15},
        {"the best of 31 results pushes the 30th out", thirty, 500, 1, thirtyWith500},
        {"a result equal to the lowest of thirty does not get in", thirty, 10, 0, thirty},
        {"a result below the lowest of thirty does not get in", thirty, 9, 0, thirty},
    };
    for (const Offer& row : offers) {
        SCOPED_TRACE(row.rule);
        fill(row.before);
        host.shown.clear();
        std::filesystem::remove(folder.dir.file("drem.hof"));
        enter(row.score);
        EXPECT_EQ(scores(), row.after);
        EXPECT_EQ(game.hof.hofcount, static_cast<int>(row.after.size()));
        if (row.rank == 0) {
            EXPECT_TRUE(host.shown.empty());
            EXPECT_FALSE(folder.dir.exists("drem.hof"));
        } else {
            EXPECT_EQ(game.hof.hofrank, row.rank);
            EXPECT_EQ(nameAt(row.rank), "3  Player1");
            EXPECT_EQ(host.shown, (std::vector<WindowId>{WindowId::NameEntry, WindowId::HOF}));
            EXPECT_TRUE(folder.dir.exists("drem.hof"));
        }
    }
}

TEST_F(HallOfFameTest, OfTwoEqualResultsTheLaterIsListedBelowTheEarlier) {
    typedName = "Ann";
    enter(20);
    typedName = "Bob";
    enter(20);
    EXPECT_EQ(nameAt(1), "3  Ann");
    EXPECT_EQ(nameAt(2), "3  Bob");
}

TEST_F(HallOfFameTest, TheNameEntryIsAskedWithTheRankAlreadyReached) {
    fill({50, 30, 10});
    enter(20);
    EXPECT_EQ(rankWhenAsked, std::vector<int>{3});
}

TEST_F(HallOfFameTest, TheEntryHoldsTheNameAsTheNameEntryLeftIt) {
    game.config.playername = "Before";
    typedName = "After";
    game.settings.maxdif = 4;
    enterHof(game, 33, "  drem  ", 70, game.config.playername, 5);
    const HofEntry expected{33, "drem    ", 70, "4  After", "12/7/2026", 5};
    EXPECT_EQ(game.hof.hof[1], expected);
    EXPECT_EQ(game.config.playername, "After");
}

TEST_F(HallOfFameTest, AnEmptyNameShowsOnlyTheDifficultyInTheRow) {
    typedName = "";
    enter(27, 60);
    EXPECT_EQ(hofRow(1, game.hof.hof[1]), "  1      27  60  3" + blanks(24) + "12/7/2026");
}

TEST_F(HallOfFameTest, TheNameEntryOpensWithTheRankTheLastNameAndTheFanfare) {
    game.hof.hofrank = 7;
    game.config.playername = "Player1";
    game.config.playeremail = "p1@example.org";
    game.webentry = true;
    game.settings.soundon = 1;
    game.media.sndfile[9] = "snd09-fame.wav";
    const NameEntryModel entry(game);
    EXPECT_EQ(entry.Label1(),
              "You have made number 7 on the Hall of Fame list. Please enter your name:");
    EXPECT_EQ(entry.Name1(), "Player1");
    EXPECT_EQ(entry.email(), "p1@example.org");
    EXPECT_FALSE(game.webentry);
    EXPECT_EQ(host.sounds, std::vector<std::string>{"snd09-fame.wav"});
}

// --- the online entry ---

struct OnlineCase {
    const char* rule;
    std::vector<int> before;
    bool online;
    int rank;
    bool sent;
    std::vector<std::string> messages;
};

TEST_F(HallOfFameTest, OnlyATopFiveEntryWithTheWebsiteChoiceGoesOnline) {
    const OnlineCase cases[] = {
        {"rank 1 with the website choice is sent", {}, true, 1, true, {}},
        {"rank 5 with the website choice is sent", {90, 80, 70, 60}, true, 5, true, {}},
        {"rank 6 with the website choice is refused",
         {90, 80, 70, 60, 50},
         true,
         6,
         false,
         {topFiveOnly}},
        {"a local entry is never sent", {}, false, 1, false, {}},
    };
    for (const OnlineCase& row : cases) {
        SCOPED_TRACE(row.rule);
        fill(row.before);
        host.urls.clear();
        host.messages.clear();
        host.shown.clear();
        online = row.online;
        typedEmail = "p1@example.org";
        enter(27);
        EXPECT_EQ(game.hof.hofrank, row.rank);
        EXPECT_EQ(host.messageTexts(), row.messages);
        const std::vector<std::string> expectedUrls =
            row.sent
                ? std::vector<std::string>{server() + "/games/triv/triviahf.asp?game=drem&a=27&b="
                                                      "Player1%20dif%3D3&c=p1%40example.org"}
                : std::vector<std::string>{};
        EXPECT_EQ(host.urls, expectedUrls);
        // The local entry is made in every case.
        EXPECT_EQ(nameAt(row.rank), "3  Player1");
        EXPECT_EQ(host.shown, (std::vector<WindowId>{WindowId::NameEntry, WindowId::HOF}));
        EXPECT_NE(folder.dir.read("drem.hof").find("\"3  Player1\""), std::string::npos);
    }
}

TEST(OnlineHallOfFame, IsReachedOverHttpsByDefault) {
    EXPECT_EQ(server().rfind("https://", 0), 0u) << server();
    EXPECT_NE(server().back(), '/');
}

TEST(OnlineHallOfFame, TheListPageShowsThisGame) {
    EXPECT_EQ(onlineListUrl(), server() + "/games/triv/triviahf.asp?game=drem");
}

struct Query {
    const char* rule;
    int score;
    std::string name;
    int maxdif;
    std::string email;
    std::string query;
};

TEST(OnlineHallOfFame, EachQueryValueIsPercentEncoded) {
    const Query queries[] = {
        {"the example entry", 27, "Player1", 3, "", "?game=drem&a=27&b=Player1%20dif%3D3&c="},
        {"an ampersand cannot start a new value", 120, "Tom & Jerry", 4, "t@x.org",
         "?game=drem&a=120&b=Tom%20%26%20Jerry%20dif%3D4&c=t%40x.org"},
        {"a hash, a percent sign and a plus stay in the value", 5, "#1 100%+", 1, "a+b@x.org",
         "?game=drem&a=5&b=%231%20100%25%2B%20dif%3D1&c=a%2Bb%40x.org"},
        {"an equals sign and a question mark stay in the value", 9, "a=b?", 2, "",
         "?game=drem&a=9&b=a%3Db%3F%20dif%3D2&c="},
        {"letters beyond ASCII are sent as their bytes", 9, "Ren\xE9", 2, "",
         "?game=drem&a=9&b=Ren%E9%20dif%3D2&c="},
        {"unreserved marks stay as they are", 9, "a-b.c_d~e", 2, "x.y-z_w~v",
         "?game=drem&a=9&b=a-b.c_d~e%20dif%3D2&c=x.y-z_w~v"},
    };
    for (const Query& q : queries) {
        SCOPED_TRACE(q.rule);
        EXPECT_EQ(onlineEntryUrl(q.score, q.name, q.maxdif, q.email),
                  server() + "/games/triv/triviahf.asp" + q.query);
    }
}

// --- the list ---

struct Row {
    const char* rule;
    int rank;
    HofEntry entry;
    std::string row;
};

TEST(HallOfFameList, RowsAreCutIntoFixedColumns) {
    const Row rows[] = {
        {"the example row",
         1,
         {27, "drem    ", 60, "3  Player1", "12/7/2026", 0},
         "  1      27  60  3  Player1               12/7/2026"},
        {"a two-digit rank and a full percentage",
         10,
         {1234, "drem    ", 100, "4  Rex", "1/1/2027", 0},
         " 10    1234 100  4  Rex                   1/1/2027"},
        {"the last place, a one-digit percentage and the largest score",
         30,
         {32767, "drem    ", 7, "1  Al", "31.12.2026", 0},
         " 30   32767   7  1  Al                    31.12.2026"},
        {"the longest name keeps two blanks before the date",
         2,
         {5, "drem    ", 0, "4  ABCDEFGHIJKLMNOPQRST", "d", 0},
         "  2       5   0  4  ABCDEFGHIJKLMNOPQRST  d"},
        {"a longer name field from an edited file is cut short of the date",
         2,
         {5, "drem    ", 0, "4  ABCDEFGHIJKLMNOPQRSTUVWXYZ", "d", 0},
         "  2       5   0  4  ABCDEFGHIJKLMNOPQRST  d"},
        {"a negative percentage keeps its sign",
         3,
         {5, "drem    ", -5, "2  X", "d", 0},
         "  3       5  -5  2  X                     d"},
        {"the widest row the list can hold",
         30,
         {-32768, "drem    ", 100, "4  ABCDEFGHIJKLMNOPQRST", "12/31/2026", 0},
         " 30  -32768 100  4  ABCDEFGHIJKLMNOPQRST  12/31/2026"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        EXPECT_EQ(hofRow(r.rank, r.entry), r.row);
    }
}

// Each heading stands over its column, in the fixed-pitch font the list uses.
TEST(HallOfFameList, HeadingsStandOverTheirColumns) {
    const std::string row = hofRow(1, {27, "drem    ", 60, "3  Player1", "12/7/2026", 0});
    const std::string head = header;
    EXPECT_EQ(head.find("Score") + 5, row.find("27") + 2);
    EXPECT_EQ(head.find('%') + 1, row.find("60") + 2);
    EXPECT_EQ(head.find("Dif") + 1, row.find('3'));
    EXPECT_EQ(head.find("Name"), row.find("Player1"));
    EXPECT_EQ(head.find("Date"), row.find("12/7/2026"));
    EXPECT_EQ(fullestHofRow("12/7/2026").find("12/7/2026"), head.find("Date"));
}

TEST_F(HallOfFameTest, AnEmptyListIsExplainedAndShowsOnlyTheHeader) {
    EXPECT_EQ(loadHofList(game), header);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"Hof was recently cleared"});
    host.messages.clear();
    fill({10});
    EXPECT_EQ(loadHofList(game), header + "\r\n" + hofRow(1, game.hof.hof[1]));
    EXPECT_TRUE(host.messages.empty());
}

// --- clearing ---

TEST_F(HallOfFameTest, ClearingAsksFirstAndNoLeavesEverything) {
    fill({50, 30});
    putHOF(game.host, game.hof);
    const std::string before = folder.dir.read("drem.hof");
    host.answers.push_back(Answer::No);
    EXPECT_FALSE(clearHofAsked(game));
    ASSERT_EQ(host.messages.size(), 1u);
    const Message& ask = host.messages[0];
    EXPECT_EQ(ask.text, "Really clear Hall of Fame?");
    EXPECT_EQ(ask.title, "Clear HOF");
    EXPECT_EQ(ask.buttons, Buttons::YesNo);
    EXPECT_EQ(ask.icon, Icon::Question);
    EXPECT_TRUE(ask.secondIsDefault);
    EXPECT_EQ(scores(), (std::vector<int>{50, 30}));
    EXPECT_EQ(folder.dir.read("drem.hof"), before);
}

TEST_F(HallOfFameTest, ClearingWithYesDeletesTheFileAndEmptiesTheList) {
    fill({50, 30});
    putHOF(game.host, game.hof);
    host.answers.push_back(Answer::Yes);
    EXPECT_TRUE(clearHofAsked(game));
    EXPECT_FALSE(folder.dir.exists("drem.hof"));
    EXPECT_EQ(game.hof.hofcount, 0);
    for (int e = 1; e <= HallOfFame::places; ++e)
        EXPECT_EQ(game.hof.hof[static_cast<std::size_t>(e)].score, 0) << e;
    host.messages.clear();
    EXPECT_EQ(loadHofList(game), header);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"Hof was recently cleared"});
    // Without a file, clearing again is no error.
    host.messages.clear();
    clearHof(game.host, game.hof);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(HallOfFameTest, TheFirstEntryAfterClearingIsFirstAndCreatesTheFileAgain) {
    fill({50, 30});
    putHOF(game.host, game.hof);
    clearHof(game.host, game.hof);
    enter(5);
    EXPECT_EQ(game.hof.hofrank, 1);
    EXPECT_EQ(game.hof.hofcount, 1);
    EXPECT_EQ(folder.dir.read("drem.hof").substr(0, 5), " 1 \r\n");
}

// --- the file ---

const std::string threeEntries = " 3 \r\n"
                                 " 120 \r\n 100 \r\n 0 \r\ndrem    \r\n\"4  Smith, Jo\"\r\n"
                                 "Tue, 8 Dec 2026\r\n"
                                 " 45 \r\n 75 \r\n-2 \r\ndrem    \r\n\"2   lots  of  blanks  \"\r\n"
                                 "08/12/2026\r\n"
                                 " 3 \r\n 10 \r\n 7 \r\nx       \r\n\"1  \"\r\n\r\n";

TEST(HallOfFameFile, BytesReadBackIntoTheSameTableAndAreWrittenUnchanged) {
    HallOfFame table;
    ASSERT_TRUE(parseHof(threeEntries, table));
    EXPECT_EQ(table.hofcount, 3);
    EXPECT_EQ(table.hof[1], (HofEntry{120, "drem    ", 100, "4  Smith, Jo", "Tue, 8 Dec 2026", 0}));
    EXPECT_EQ(table.hof[2],
              (HofEntry{45, "drem    ", 75, "2   lots  of  blanks  ", "08/12/2026", -2}));
    EXPECT_EQ(table.hof[3], (HofEntry{3, "x       ", 10, "1  ", "", 7}));
    EXPECT_EQ(formatHof(table), threeEntries);
}

TEST_F(HallOfFameTest, TheFileMakesTheRoundTripThroughGetAndPut) {
    folder.dir.write("drem.hof", threeEntries);
    getHOF(game.host, game.hof);
    std::filesystem::remove(folder.dir.file("drem.hof"));
    putHOF(game.host, game.hof);
    EXPECT_EQ(folder.dir.read("drem.hof"), threeEntries);
    EXPECT_TRUE(host.messages.empty());
}

struct Lenient {
    const char* rule;
    std::string bytes;
    HofEntry expected;
};

TEST(HallOfFameFile, ReadsEachLineAsItsFieldAllows) {
    const Lenient cases[] = {
        {"numbers may have any blanks around them",
         "  1\r\n  27   \r\n\t60\r\n0\r\ndrem    \r\n\"3  A\"\r\nd\r\n",
         {27, "drem    ", 60, "3  A", "d", 0}},
        {"a short game field is padded to eight",
         " 1 \r\n 1 \r\n 1 \r\n 0 \r\ndr\r\n\"n\"\r\nd\r\n",
         {1, "dr      ", 1, "n", "d", 0}},
        {"a long game field is cut to eight",
         " 1 \r\n 1 \r\n 1 \r\n 0 \r\ndremlonger\r\n\"n\"\r\nd\r\n",
         {1, "dremlong", 1, "n", "d", 0}},
        {"text after the closing quote is ignored",
         " 1 \r\n 1 \r\n 1 \r\n 0 \r\ndrem    \r\n\"3  A\" ignored, too\r\nd\r\n",
         {1, "drem    ", 1, "3  A", "d", 0}},
        {"the date line is taken whole",
         " 1 \r\n 1 \r\n 1 \r\n 0 \r\ndrem    \r\n\"n\"\r\n \"8, Dec\" 2026 \r\n",
         {1, "drem    ", 1, "n", " \"8, Dec\" 2026 ", 0}},
        {"bare line feeds end lines too, and the last line end may be missing",
         " 1\n 1\n 1\n 0\ndrem    \n\"n\"\nd",
         {1, "drem    ", 1, "n", "d", 0}},
    };
    for (const Lenient& c : cases) {
        SCOPED_TRACE(c.rule);
        HallOfFame table;
        ASSERT_TRUE(parseHof(c.bytes, table));
        EXPECT_EQ(table.hofcount, 1);
        EXPECT_EQ(table.hof[1], c.expected);
    }
}

TEST(HallOfFameFile, ANameCannotBreakItsQuotesOrLines) {
    HallOfFame table;
    table.hof[1] = hofEntry(5, "3  Al \"Rex\"\r\nX", 50, "d");
    table.hofcount = 1;
    const std::string bytes = formatHof(table);
    EXPECT_EQ(lineCount(bytes), 7);
    HallOfFame back;
    ASSERT_TRUE(parseHof(bytes, back));
    EXPECT_EQ(back.hof[1].name, "3  Al 'Rex'  X");
}

struct BadFile {
    const char* rule;
    std::string bytes;
};

const BadFile badFiles[] = {
    {"a count without its entries", " 2 \r\n"},
    {"an entry cut short", " 1 \r\n 27 \r\n 60 \r\n 0 \r\ndrem    \r\n"},
    {"the second entry missing", " 2 \r\n 27 \r\n 60 \r\n 0 \r\ndrem    \r\n\"3  A\"\r\nd\r\n"},
    {"a count that is not a number", "three\r\n"},
    {"a score that is not a number", " 1 \r\n 2x \r\n 60 \r\n 0 \r\ndrem    \r\n\"n\"\r\nd\r\n"},
    {"a number beyond 16 bits", " 1 \r\n 40000 \r\n 60 \r\n 0 \r\ndrem    \r\n\"n\"\r\nd\r\n"},
    {"more entries than places", " 31 \r\n"},
    {"a negative count", "-1 \r\n"},
};

TEST(HallOfFameFile, AShortOrMalformedTextGivesAnEmptyTable) {
    for (const BadFile& bad : badFiles) {
        SCOPED_TRACE(bad.rule);
        HallOfFame table;
        table.hof[1] = hofEntry(99, "stale");
        table.hofcount = 1;
        EXPECT_FALSE(parseHof(bad.bytes, table));
        EXPECT_EQ(table.hofcount, 0);
        EXPECT_EQ(table.hof[1].score, 0);
    }
}

struct EmptyFile {
    const char* rule;
    std::string bytes;
};

TEST(HallOfFameFile, AnEmptyTextOrCountIsAnEmptyTable) {
    const EmptyFile cases[] = {
        {"no bytes at all", ""},
        {"a line end alone", "\r\n"},
        {"a blank count, whatever follows", "   \r\nleft over"},
        {"a count of 0", " 0 \r\n"},
    };
    for (const EmptyFile& c : cases) {
        SCOPED_TRACE(c.rule);
        HallOfFame table;
        table.hofcount = 4;
        EXPECT_TRUE(parseHof(c.bytes, table));
        EXPECT_EQ(table.hofcount, 0);
    }
}

struct NoList {
    const char* rule;
    bool fileThere;
    std::string listing;
};

TEST_F(HallOfFameTest, NoListAtStartUpGivesAnEmptyHallOfFameSilently) {
    const NoList cases[] = {
        {"a missing file is not made", false, ""},
        {"an empty file stays put", true, "drem.hof"},
    };
    for (const NoList& c : cases) {
        SCOPED_TRACE(c.rule);
        std::filesystem::remove(folder.dir.file("drem.hof"));
        if (c.fileThere)
            folder.dir.write("drem.hof", "");
        fill({50});
        getHOF(game.host, game.hof);
        EXPECT_EQ(game.hof.hofcount, 0);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(folder.dir.listing(), c.listing);
    }
}

TEST_F(HallOfFameTest, ADamagedFileAtStartUpIsKeptAsideAndTheListStartsEmpty) {
    for (const BadFile& bad : badFiles) {
        SCOPED_TRACE(bad.rule);
        std::filesystem::remove(folder.dir.file("drem.hof.bad"));
        host.messages.clear();
        folder.dir.write("drem.hof", bad.bytes);
        getHOF(game.host, game.hof);
        EXPECT_EQ(game.hof.hofcount, 0);
        EXPECT_EQ(folder.dir.listing(), "drem.hof.bad");
        EXPECT_EQ(folder.dir.read("drem.hof.bad"), bad.bytes);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, "The Hall of Fame file drem.hof could not be read. It was "
                                         "kept as drem.hof.bad and the Hall of Fame starts empty.");
        EXPECT_EQ(host.messages[0].icon, Icon::Exclamation);
    }
}

TEST_F(HallOfFameTest, AnEarlierDamagedFileIsNotOverwritten) {
    folder.dir.write("drem.hof.bad", "first");
    folder.dir.write("drem.hof", "second");
    getHOF(game.host, game.hof);
    EXPECT_EQ(folder.dir.read("drem.hof.bad"), "first");
    EXPECT_EQ(folder.dir.read("drem.hof.bad2"), "second");
    EXPECT_FALSE(folder.dir.exists("drem.hof"));
}

TEST_F(HallOfFameTest, EntriesOfADamagedFileDoNotStandInTheWayOfTheNextResult) {
    folder.dir.write("drem.hof", " 2 \r\n 90 \r\n 60 \r\n 0 \r\ndrem    \r\n\"3  A\"\r\nd\r\n");
    getHOF(game.host, game.hof);
    enter(1);
    EXPECT_EQ(game.hof.hofrank, 1);
    EXPECT_EQ(hofListText(game.hof),
              header + "\r\n" + "  1       1  60  3  Player1               12/7/2026");
    EXPECT_EQ(folder.dir.read("drem.hof.bad"),
              " 2 \r\n 90 \r\n 60 \r\n 0 \r\ndrem    \r\n\"3  A\"\r\nd\r\n");
}

TEST_F(HallOfFameTest, AFailedSaveKeepsTheOldFileAndTellsThePlayer) {
    fill({50});
    putHOF(game.host, game.hof);
    const std::string before = folder.dir.read("drem.hof");
    fill({50, 40, 30});
    {
        testing::FileSizeLimit limit(10);
        putHOF(game.host, game.hof);
    }
    EXPECT_EQ(folder.dir.read("drem.hof"), before);
    EXPECT_EQ(folder.dir.listing(), "drem.hof");
    ASSERT_EQ(host.messages.size(), 1u);
    const std::string& text = host.messages[0].text;
    EXPECT_EQ(text.substr(text.size() - std::string("\r\nputHOF drem.hof").size()),
              "\r\nputHOF drem.hof");
    EXPECT_GT(text.size(), std::string("\r\nputHOF drem.hof").size());
    EXPECT_EQ(host.messages[0].icon, Icon::Critical);
    // The list in memory is what the player just saw; it is not thrown away.
    EXPECT_EQ(game.hof.hofcount, 3);
}

// --- a whole game ---

TEST_F(HallOfFameTest, StartUpReadsTheHallOfFame) {
    folder.dir.write("drem.hof", threeEntries);
    host.folder = folder.dir.path().string();
    initgame(game);
    EXPECT_EQ(game.hof.hofcount, 3);
    EXPECT_EQ(game.hof.hof[1].name, "4  Smith, Jo");
}

TEST_F(HallOfFameTest, AWholeGameEndsWithItsResultInTheFile) {
    inittables(game);
    game.random.seed(7);
    game.settings.nquest = 3;
    game.settings.logstatus = 0;
    ScriptedScreens screens{game, host};
    screens.play = testing::answer(5, 5);
    game.config.playername = "Old name";
    typedName = "Rex";
    typedEmail = "rex@example.org";
    playgame(game);
    // 15 of 15 (100 %) at difficulty 3: 15 * 3 / 100 * 100 = 45.
    EXPECT_EQ(folder.dir.read("drem.hof"),
              " 1 \r\n 45 \r\n 100 \r\n 0 \r\ndrem    \r\n\"3  Rex\"\r\n12/7/2026\r\n");
    EXPECT_EQ(game.config.playername, "Rex");
    EXPECT_EQ(game.config.playeremail, "rex@example.org");
    const auto nameEntry = std::find(host.shown.begin(), host.shown.end(), WindowId::NameEntry);
    ASSERT_NE(nameEntry, host.shown.end());
    EXPECT_EQ(std::next(nameEntry), host.shown.end() - 1);
    EXPECT_EQ(host.shown.back(), WindowId::HOF);
    EXPECT_EQ(host.messageTexts().back(),
              "You scored 15 out of 15 (100%)\r\nScore adjusted for difficulty: 45");
}

} // namespace
} // namespace stratavex
