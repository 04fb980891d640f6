// SPDX-License-Identifier: MIT
#include "base/services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/config.h"
#include "engine/game.h"
#include "support/fake_form.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::FakeForm;
using testing::ProgramFolder;
using testing::RecordingHost;

struct LimitRow {
    std::int64_t v, lo, hi;
    std::int16_t result;
};

TEST(Limit, ClampsAValueIntoItsRange) {
    const std::vector<LimitRow> rows = {
        {15, 1, 10, 10}, {0, 1, 10, 1},   {5, 1, 10, 5},
        {1, 1, 10, 1},   {10, 1, 10, 10}, {-7, -5, 5, -5}, // negative bounds
        {5, 8, 3, 3}, // crossed bounds: the upper one is applied last
    };
    for (const LimitRow& r : rows)
        EXPECT_EQ(limit(r.v, r.lo, r.hi), r.result) << r.v << " in " << r.lo << ".." << r.hi;
}

TEST(Centerform, PlacesTheWindowInTheMiddleOfItsScreen) {
    FakeForm frm;
    frm.w = 9000;
    frm.h = 6001;
    centerform(frm);
    EXPECT_DOUBLE_EQ(frm.left, 5100);
    EXPECT_DOUBLE_EQ(frm.top, 4199.5);
}

class Sizeform : public ::testing::Test {
protected:
    ProgramFolder folder;
    RecordingHost host;
    Game game{host};
    FakeForm frm;
};

TEST_F(Sizeform, RestoresStateThenWidthThenHeight) {
    game.config.winsize[7] = {2, 0, 7000, 11000};
    sizeform(game, frm, 7, 1);
    EXPECT_EQ(frm.changes, (std::vector<std::string>{"state 2", "width 11000", "height 7000"}));
    EXPECT_FALSE(game.sizing);
}

TEST_F(Sizeform, RestoresASavedMinimisedWindowAsNormal) {
    game.config.winsize[0] = {1, 0, 6000, 9000};
    sizeform(game, frm, 0, 1);
    EXPECT_EQ(frm.changes, (std::vector<std::string>{"state 0", "width 9000", "height 6000"}));
}

TEST_F(Sizeform, SavesStateColourAndRoundedSizeThenWritesTheConfiguration) {
    frm.state = 2;
    frm.color = 0x00FF80;
    frm.w = 10800.6;
    frm.h = 7199.4;
    sizeform(game, frm, 8, 0);
    EXPECT_EQ(game.config.winsize[8], (WindowRecord{2, 0x00FF80, 7199, 10801}));
    EXPECT_EQ(folder.dir.read("drem.INI"), formatIni(game.settings, game.config));
    EXPECT_FALSE(game.sizing);
}

TEST_F(Sizeform, ANestedCallDoesNothingButClearTheGuard) {
    game.sizing = true;
    sizeform(game, frm, 0, 0);
    EXPECT_FALSE(game.sizing);
    EXPECT_EQ(game.config, Config{});
    EXPECT_FALSE(folder.dir.exists("drem.INI"));
    sizeform(game, frm, 0, 0);
    EXPECT_TRUE(folder.dir.exists("drem.INI")) << "the next call works again";
}

TEST_F(Sizeform, TheResizeEventOfARestoreIsAbsorbed) {
    game.config.winsize[1] = {0, 0, 7000, 11000};
    frm.color = 0;
    std::vector<bool> guardSeen;
    frm.onResize = [&] {
        guardSeen.push_back(game.sizing);
        sizeform(game, frm, 1, 0);
    };
    sizeform(game, frm, 1, 1);
    EXPECT_FALSE(game.sizing);
    ASSERT_FALSE(guardSeen.empty());
    EXPECT_TRUE(guardSeen[0]) << "the first resize comes while the restore is at work";
    EXPECT_EQ(game.config.winsize[1], (WindowRecord{0, 0, 7000, 11000}));
}

TEST_F(Sizeform, TheScoreDisplaySlotIsNeverSavedOrRestored) {
    game.config.winsize[3] = {2, 0, 100, 100};
    for (int mode : {0, 1}) {
        sizeform(game, frm, 3, mode);
        EXPECT_FALSE(game.sizing) << "mode " << mode;
    }
    EXPECT_TRUE(frm.changes.empty());
    EXPECT_EQ(game.config.winsize[3], (WindowRecord{2, 0, 100, 100}));
    EXPECT_FALSE(folder.dir.exists("drem.INI")) << "resizing the score display writes nothing";
}

TEST_F(Sizeform, ASlotOutsideTheTableIsIgnored) {
    for (int slot : {-1, 11}) {
        sizeform(game, frm, slot, 0);
        sizeform(game, frm, slot, 1);
    }
    EXPECT_FALSE(game.sizing);
    EXPECT_TRUE(frm.changes.empty());
    EXPECT_FALSE(folder.dir.exists("drem.INI"));
}

// What the desktop can open, and what the player gets when it cannot.
TEST(DesktopFiles, TheDesktopsViewerOrElseTheProgramsOwnWindowShowsAText) {
    for (const bool desktopOpens : {true, false}) {
        RecordingHost host;
        host.desktopOpens = desktopOpens;
        ProgramState game(host);
        viewtext(game, "dremhelp.txt");
        EXPECT_EQ(host.viewed, std::vector<std::string>{"dremhelp.txt"});
        EXPECT_EQ(host.textWindows.size(), desktopOpens ? 0U : 1U);
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(DesktopFiles, AnAddressNoBrowserOpensIsShownToThePlayer) {
    const std::string url = "http://www.example.org/games/triv/triviahf.asp?game=drem";
    for (const bool desktopOpens : {true, false}) {
        RecordingHost host;
        host.desktopOpens = desktopOpens;
        ProgramState game(host);
        openurl(game, url);
        EXPECT_EQ(host.urls, std::vector<std::string>{url});
        ASSERT_EQ(host.messages.size(), desktopOpens ? 0U : 1U);
        if (!desktopOpens) {
            EXPECT_EQ(host.messages[0].text,
                      "No web browser could be opened for this page. Its address is:\r\n\r\n" +
                          url + "\r\n\r\nCopy the address into a web browser to visit the page.");
        }
    }
}

} // namespace
} // namespace stratavex
