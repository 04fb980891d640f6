// SPDX-License-Identifier: MIT
#include "base/config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "engine/game.h"
#include "support/file_limit.h"
#include "support/printers.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::ProgramFolder;
using testing::RecordingHost;

auto tied(const Settings& s) {
    return std::tie(s.mindif, s.maxdif, s.nquest, s.logstatus, s.reserved, s.soundon, s.selected);
}

// Distinct values everywhere, so that a value in the wrong place shows.
void chosenValues(Settings& s, Config& c) {
    s.mindif = 1;
    s.maxdif = 3;
    s.nquest = 7;
    s.logstatus = 0;
    s.reserved = -4;
    s.soundon = 1;
    for (int i = 0; i <= 20; ++i)
        s.selected[i] = i % 2 ? -1 : 0;
    c.playername = "Ann, the Bold";
    c.playeremail = "ann@example.org";
    c.bgpicture = "background.jpg";
    c.winsize[0] = {0, 12632256, 6600, 9600};
    c.winsize[1] = {2, 255, 7000, 9000};
    c.winsize[2] = {0, -1, 5000, 8000};
    c.winsize[3] = {1, 0, 4000, 5000};
    c.winsize[5] = {0, 16777215, 32767, 12000};
    c.winsize[6] = {0, -2147483647 - 1, 6600, 9600};
    c.winsize[7] = {2, 65280, 7200, 10800};
    c.winsize[8] = {0, 0, 1, 2};
    c.winsize[10] = {2, 5, 1, 1};
}

const std::string chosenFile =
    " 1             3             7             0 \r\n"
    "-4             1 \r\n"
    "\"Ann, the Bold\"\r\n"
    "\"ann@example.org\"\r\n"
    "background.jpg\r\n"
    " 0             2             1             0             0 \r\n"
    " 12632256      255           0            -1             0 \r\n"
    " 6600          7000          4000          5000          6600 \r\n"
    " 9600          9000          5000          8000          9600 \r\n"
    " 0             0             2             0             0 \r\n"
    " 16777215     -2147483648    65280         0             0 \r\n"
    " 32767         6600          7200          1             6600 \r\n"
    " 12000         9600          10800         2             9600 \r\n"
    " 0 \r\n-1 \r\n 0 \r\n-1 \r\n 0 \r\n-1 \r\n 0 \r\n-1 \r\n 0 \r\n-1 \r\n"
    " 0 \r\n-1 \r\n 0 \r\n-1 \r\n 0 \r\n-1 \r\n 0 \r\n-1 \r\n 0 \r\n-1 \r\n";

TEST(FormatIni, WritesTheThirtyThreeLinesByteForByte) {
    Settings s;
    Config c;
    chosenValues(s, c);
    EXPECT_EQ(formatIni(s, c), chosenFile);
}

TEST(FormatIni, WritesADoubleQuoteInANameAsASingleOne) {
    Settings s;
    Config c;
    c.playername = "Ann \"T-Rex\" Bold";
    const std::string file = formatIni(s, c);
    EXPECT_NE(file.find("\r\n\"Ann 'T-Rex' Bold\"\r\n"), std::string::npos);
    Config back;
    parseIni(file, s, back);
    EXPECT_EQ(back.playername, "Ann 'T-Rex' Bold");
    EXPECT_EQ(back.playeremail, "");
}

// A picture name read from a quoted value may hold what a raw line cannot
// carry; written raw it would end early or split its line, and every value
// after it would land in the wrong place.
TEST(FormatIni, QuotesAPictureNameThatARawLineCannotCarry) {
    const std::vector<std::string> names = {"my, picture.jpg",    "two\r\nlines.jpg",
                                            "bare\nline end.jpg", "  leading.jpg",
                                            "trailing.jpg\t",     "\"quoted\" name, with comma",
                                            "\"opening quote.jpg"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        Settings s, back;
        Config c, backConfig;
        chosenValues(s, c);
        c.bgpicture = name;
        const std::string file = formatIni(s, c);
        EXPECT_EQ(parseIni(file, back, backConfig), 69);
        EXPECT_EQ(tied(back), tied(s));
        std::string expected = name;
        std::replace(expected.begin(), expected.end(), '"', '\'');
        EXPECT_EQ(backConfig.bgpicture, expected);
        EXPECT_EQ(backConfig.winsize[5], c.winsize[5]) << "the values after it stay in place";
    }
}

TEST(FormatIni, WritesAnOrdinaryPictureNameRaw) {
    Settings s;
    Config c;
    c.bgpicture = "pictures/my \"best\" d\xe9"
                  "cor.jpg";
    EXPECT_NE(formatIni(s, c).find("\r\npictures/my \"best\" d\xe9"
                                   "cor.jpg\r\n"),
              std::string::npos);
    c.bgpicture = "";
    EXPECT_NE(formatIni(s, c).find("\"\"\r\n\r\n 0 "), std::string::npos)
        << "no picture: an empty line";
}

TEST(ParseIni, ReadsEveryValueOfAWholeFile) {
    Settings expectedS, s;
    Config expectedC, c;
    chosenValues(expectedS, expectedC);
    expectedS.selected[20] = 0; // never stored
    expectedC.winsize[10] = {}; // never stored
    EXPECT_EQ(parseIni(chosenFile, s, c), 69);
    EXPECT_EQ(tied(s), tied(expectedS));
    EXPECT_EQ(c, expectedC);
}

TEST(ParseIni, ReadsLinesSixToNineInSlotOrderZeroOneThreeTwoFour) {
    Settings s;
    Config c;
    const std::string file = " 1 2 4 0\r\n 0 1\r\n\"\"\r\n\"\"\r\nbg.jpg\r\n"
                             "0 0 0 0 0\r\n0 0 0 0 0\r\n"
                             "100 200 300 400 500\r\n"
                             "110 220 330 440 550\r\n";
    parseIni(file, s, c);
    EXPECT_EQ(c.winsize[0].height, 100);
    EXPECT_EQ(c.winsize[1].height, 200);
    EXPECT_EQ(c.winsize[3].height, 300);
    EXPECT_EQ(c.winsize[2].height, 400);
    EXPECT_EQ(c.winsize[4].height, 500);
    EXPECT_EQ(c.winsize[3].width, 330);
    EXPECT_EQ(c.winsize[2].width, 440);
}

TEST(ParseIni, AShortFileKeepsTheDefaultsForEverythingItLacks) {
    const std::vector<std::pair<const char*, std::string>> rows = {
        {"an empty file", ""},
        {"only the first line", " 1 3 5 1\r\n"},
        {"cut inside the window lines", " 1 3 5 1\r\n 0 1\r\n\"Al\"\r\n\"\"\r\nbg.jpg\r\n 2 2\r\n"},
    };
    for (const auto& [rule, file] : rows) {
        Settings s;
        Config c;
        parseIni(file, s, c);
        Settings expectedS;
        Config expectedC;
        if (!file.empty()) {
            expectedS.maxdif = 3;
            expectedS.nquest = 5;
            expectedS.logstatus = 1;
        }
        if (file.find("Al") != std::string::npos) {
            expectedC.playername = "Al";
            expectedC.bgpicture = "bg.jpg";
            expectedC.winsize[0].state = 2;
            expectedC.winsize[1].state = 2;
        }
        EXPECT_EQ(tied(s), tied(expectedS)) << rule;
        EXPECT_EQ(c, expectedC) << rule;
    }
}

TEST(ParseIni, TheDefaultsMakeAPlayableFirstGame) {
    Settings s;
    Config c;
    parseIni("", s, c);
    EXPECT_EQ(s.maxdif, 2);
    EXPECT_EQ(s.nquest, 10);
    EXPECT_EQ(s.mindif, 1);
    EXPECT_EQ(s.logstatus, 2);
    EXPECT_NE(s.soundon, 0);
    for (int code = 1; code <= 19; ++code)
        EXPECT_NE(s.selected[code], 0) << code;
    EXPECT_EQ(c.bgpicture, "background.jpg");
    for (const WindowRecord& w : c.winsize) {
        EXPECT_EQ(w.state, 0);
        EXPECT_GT(w.width, 0);
        EXPECT_GT(w.height, 0);
    }
}

struct GarbledRow {
    const char* rule;
    std::string file;
    std::int16_t maxdif, nquest, logstatus, soundon;
};

TEST(ParseIni, BringsGarbledSettingsBackIntoPlayableRanges) {
    const std::vector<GarbledRow> rows = {
        {"text where numbers belong", "x,abc,xyz,what\r\nno,yes\r\n", 1, 1, 0, 0},
        {"values above the ranges", " 1 7 25 9\r\n 0 5\r\n", 4, 10, 2, 1},
        {"values below the ranges", " 1 -3 -1 -1\r\n 0 -1\r\n", 1, 1, 0, 1},
        {"values at the ranges' ends", " 1 4 10 0\r\n 0 0\r\n", 4, 10, 0, 0},
    };
    for (const GarbledRow& row : rows) {
        Settings s;
        Config c;
        parseIni(row.file, s, c);
        EXPECT_EQ(s.maxdif, row.maxdif) << row.rule;
        EXPECT_EQ(s.nquest, row.nquest) << row.rule;
        EXPECT_EQ(s.logstatus, row.logstatus) << row.rule;
        EXPECT_EQ(s.soundon, row.soundon) << row.rule;
    }
}

TEST(ParseIni, KeepsWindowRecordsUsable) {
    Settings s;
    Config c;
    const std::string file = " 1 2 4 0\r\n 0 1\r\n\"\"\r\n\"\"\r\nbg.jpg\r\n"
                             " 7 -1 1 2 x\r\n 1 2 3 4 5\r\n 0 -5 300 abc 500\r\n 0 0 0 0 0\r\n";
    parseIni(file, s, c);
    EXPECT_EQ(c.winsize[0].state, 0) << "state 7 is no window state";
    EXPECT_EQ(c.winsize[1].state, 0) << "state -1 is no window state";
    EXPECT_EQ(c.winsize[3].state, 1);
    EXPECT_EQ(c.winsize[2].state, 2);
    EXPECT_EQ(c.winsize[4].state, 0);
    EXPECT_EQ(c.winsize[3].backcolor, 3);
    EXPECT_EQ(c.winsize[0].height, 6600) << "a height of 0 keeps the default";
    EXPECT_EQ(c.winsize[1].height, 6600) << "a negative height keeps the default";
    EXPECT_EQ(c.winsize[3].height, 300);
    EXPECT_EQ(c.winsize[2].height, 6600) << "text for a height keeps the default";
    for (int slot : {0, 1, 2, 3, 4})
        EXPECT_EQ(c.winsize[slot].width, 9600) << slot;
}

TEST(ParseIni, SelectsEveryQuestionTypeWhenAShortFileLeavesNoneSelected) {
    Settings s;
    s.selected.fill(0);
    Config c;
    parseIni(" 1 2 4 0\r\n", s, c);
    EXPECT_EQ(s.selected, Settings::allSelected());
}

TEST(ParseIni, KeepsAWholeFileThatSelectsNothing) {
    Settings s;
    Config c;
    s.selected.fill(0);
    const std::string file = formatIni(s, c);
    Settings back;
    Config cback;
    EXPECT_EQ(parseIni(file, back, cback), 69);
    for (int code = 1; code <= 19; ++code)
        EXPECT_EQ(back.selected[code], 0) << code;
}

class ConfigFile : public ::testing::Test {
protected:
    ProgramFolder folder;
    RecordingHost host;
    Game game{host};
};

TEST_F(ConfigFile, WhatPutiniWritesGetiniReads) {
    chosenValues(game.settings, game.config);
    game.config.winsize[10] = {};
    putini(game);
    EXPECT_EQ(folder.dir.read("drem.INI"), chosenFile);

    RecordingHost otherHost;
    Game other(otherHost);
    getini(other);
    EXPECT_EQ(tied(other.settings), tied(game.settings));
    EXPECT_EQ(other.config, game.config);
    EXPECT_EQ(other.config.playername, "Ann, the Bold");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(otherHost.messages.empty());
}

// A hard link to the file stays the same file only while nobody replaces it.
TEST_F(ConfigFile, ASaveOfWhatTheFileHoldsLeavesItAloneAndAChangeReplacesIt) {
    chosenValues(game.settings, game.config);
    putini(game);
    const std::filesystem::path ini = folder.dir.path() / "drem.INI";
    const std::filesystem::path saved = folder.dir.path() / "saved";
    std::filesystem::create_hard_link(ini, saved);

    putini(game);
    EXPECT_TRUE(std::filesystem::equivalent(ini, saved)) << "nothing changed, nothing rewritten";

    game.config.winsize[0].width = 7215;
    putini(game);
    EXPECT_FALSE(std::filesystem::equivalent(ini, saved)) << "a new size replaces the file";
    EXPECT_EQ(folder.dir.read("drem.INI"), formatIni(game.settings, game.config));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ConfigFile, AMissingFileGivesTheDefaultsWithoutAWord) {
    getini(game);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(tied(game.settings), tied(Settings{}));
    EXPECT_EQ(game.config, Config{});
}

TEST_F(ConfigFile, AnUnreadableFileIsReportedAndTheDefaultsStay) {
    std::filesystem::create_directory(folder.dir.path() / "drem.INI");
    getini(game);
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"Is a directory\r\ngetini drem.INI"});
    EXPECT_EQ(game.config, Config{});
}

// A full disk fails every save of a resize; the player hears of it once, and
// again only after a save has worked in between.
TEST_F(ConfigFile, AFailingSaveIsReportedOnceUntilASaveWorks) {
    folder.dir.write("drem.INI", chosenFile);
    const std::string failure = "File too large\r\nputini drem.INI";
    const auto saveWithNewSize = [this](int width) {
        game.config.playername = std::string(2000, 'a');
        game.config.winsize[0].width = static_cast<std::int16_t>(width);
        putini(game);
    };
    {
        testing::FileSizeLimit limit(500);
        for (int width : {5000, 5100, 5200})
            saveWithNewSize(width);
    }
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{failure});
    saveWithNewSize(5300);
    {
        testing::FileSizeLimit limit(500);
        saveWithNewSize(5400);
        saveWithNewSize(5500);
    }
    EXPECT_EQ(host.messageTexts(), (std::vector<std::string>{failure, failure}));
}

TEST_F(ConfigFile, AFailedSaveKeepsTheOldFileAndTellsThePlayer) {
    folder.dir.write("drem.INI", chosenFile);
    game.config.playername = std::string(2000, 'a');
    {
        testing::FileSizeLimit limit(500);
        putini(game);
    }
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"File too large\r\nputini drem.INI"});
    EXPECT_EQ(folder.dir.read("drem.INI"), chosenFile);
    EXPECT_EQ(folder.dir.listing(), "drem.INI");
}

} // namespace
} // namespace stratavex
