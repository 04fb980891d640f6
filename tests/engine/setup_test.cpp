// SPDX-License-Identifier: MIT
#include "engine/setup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "base/file_limits.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

namespace fs = std::filesystem;

// Runs each test in its own empty program folder, since closing the window
// writes the configuration file into the current folder.
class SetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  ("setup_test_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::current_path(folder_);
        host.folder = fs::current_path().string();
        inittables(game);
        game.settings.nquest = 7;
        game.settings.maxdif = 3;
        game.settings.logstatus = 1;
        game.settings.soundon = 1;
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    static std::vector<std::string> iniLines() {
        std::string text;
        EXPECT_TRUE(readWholeFile("drem.INI", text, largestConfiguration).ok);
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) {
                lines.push_back(text.substr(start));
                break;
            }
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    static std::vector<long> numbersOf(const std::string& line) {
        std::istringstream in(line);
        std::vector<long> values;
        for (long v = 0; in >> v;)
            values.push_back(v);
        return values;
    }

    testing::RecordingHost host;
    Game game{host};

private:
    fs::path previous_;
    fs::path folder_;
};

TEST_F(SetupTest, CaptionIsTheProgramTitleFollowedBySetup) {
    SetupModel model(game);
    EXPECT_EQ(model.caption(), "Stratavex: Dinosaur Trivia & Database Setup");
}

TEST_F(SetupTest, OpeningShowsTheSettingsAsPlainDecimals) {
    game.settings.mindif = 3;
    SetupModel model(game);
    EXPECT_EQ(model.nquestionText(), "7");
    EXPECT_EQ(model.tmaxdifText(), "3");
    EXPECT_EQ(model.tmindifText(), "1");
    EXPECT_EQ(game.settings.mindif, 1) << "opening the window resets the minimum difficulty";
    EXPECT_EQ(model.logOption(), 1);
    EXPECT_TRUE(model.soundChecked());
}

TEST_F(SetupTest, ListHoldsTheNineteenNamesInCodeOrderMarkedFromSelected) {
    game.settings.selected = {};
    game.settings.selected[1] = -1;
    game.settings.selected[4] = 1; // any nonzero flag counts as selected
    game.settings.selected[19] = -1;
    SetupModel model(game);
    ASSERT_EQ(SetupModel::listCount(), 19);
    EXPECT_EQ(model.listEntry(0), "Image with name");
    EXPECT_EQ(model.listEntry(2), "Translated name by image ");
    EXPECT_EQ(model.listEntry(8), "Sort by era (million yrs ago)");
    EXPECT_EQ(model.listEntry(18), "Image with order");
    for (int i = 0; i < SetupModel::listCount(); ++i)
        EXPECT_EQ(model.listSelected(i), i == 0 || i == 3 || i == 18) << "position " << i;
}

struct BoxCase {
    const char* rule;
    const char* typed;
    const char* shown;
};

TEST_F(SetupTest, QuestionsPerGameAreHeldWithinOneToTen) {
    const BoxCase cases[] = {
        {"zero becomes the lower bound", "0", "1"},
        {"25 becomes the upper bound", "25", "10"},
        {"a value in range stays", "5", "5"},
        {"the upper bound itself stays", "10", "10"},
        {"an emptied box becomes the lower bound", "", "1"},
        {"text without digits becomes the lower bound", "abc", "1"},
        {"a minus sign is not a digit", "-4", "1"},
        {"the leading digits are read", "7x", "7"},
        {"blanks before the digits are skipped", " 3", "3"},
        {"a huge number does not wrap round", "99999999999999999999", "10"},
    };
    SetupModel model(game);
    for (const BoxCase& c : cases) {
        EXPECT_EQ(model.nquestion_Change(c.typed), c.shown) << c.rule;
        EXPECT_EQ(model.nquestionText(), c.shown) << c.rule;
    }
}

TEST_F(SetupTest, MaximumDifficultyIsHeldWithinMinimumToFour) {
    const BoxCase cases[] = {
        {"9 becomes 4", "9", "4"},
        {"0 becomes the minimum", "0", "1"},
        {"a value in range stays", "3", "3"},
        {"text without digits becomes the minimum", "x", "1"},
    };
    SetupModel model(game);
    for (const BoxCase& c : cases)
        EXPECT_EQ(model.tmaxdif_Change(c.typed), c.shown) << c.rule;
}

TEST_F(SetupTest, MinimumDifficultyIsHeldWithinOneToMaximum) {
    SetupModel model(game); // maximum 3
    EXPECT_EQ(model.tmindif_Change("0"), "1");
    EXPECT_EQ(model.tmindif_Change("9"), "3");
    EXPECT_EQ(model.tmindif_Change("2"), "2");
}

TEST_F(SetupTest, LogOptionAndSoundBoxActAtOnce) {
    SetupModel model(game);
    model.Option1_Click(2);
    EXPECT_EQ(game.settings.logstatus, 2);
    model.Option1_Click(0);
    EXPECT_EQ(game.settings.logstatus, 0);
    model.Check1_Click(0);
    EXPECT_EQ(game.settings.soundon, 0);
    model.Check1_Click(1);
    EXPECT_EQ(game.settings.soundon, 1);
    EXPECT_FALSE(fs::exists("drem.INI")) << "nothing is written before the window closes";
}

TEST_F(SetupTest, NumberBoxesAndListApplyOnlyWhenTheWindowCloses) {
    SetupModel model(game);
    model.nquestion_Change("4");
    model.tmaxdif_Change("1");
    model.List1_Click(0);
    EXPECT_EQ(game.settings.nquest, 7);
    EXPECT_EQ(game.settings.maxdif, 3);
    EXPECT_EQ(game.settings.selected[1], -1);
    model.Form_Unload();
    EXPECT_EQ(game.settings.nquest, 4);
    EXPECT_EQ(game.settings.maxdif, 1);
    EXPECT_EQ(game.settings.selected[1], 0);
}

TEST_F(SetupTest, AClickTogglesAListEntry) {
    SetupModel model(game);
    model.List1_Click(5);
    EXPECT_FALSE(model.listSelected(5));
    model.List1_Click(5);
    EXPECT_TRUE(model.listSelected(5));
}

TEST_F(SetupTest, DeselectingEverythingStoresAllNineteenAsZeroAndWritesThem) {
    game.settings.selected[0] = 5;
    game.settings.selected[20] = 9;
    SetupModel model(game);
    for (int i = 0; i < SetupModel::listCount(); ++i)
        model.setListSelected(i, false);
    model.Form_Unload();
    for (int code = 1; code <= 19; ++code)
        EXPECT_EQ(game.settings.selected[static_cast<std::size_t>(code)], 0) << "code " << code;
    EXPECT_EQ(game.settings.selected[0], 5) << "entry 0 is not the window's";
    EXPECT_EQ(game.settings.selected[20], 9);

    const std::vector<std::string> lines = iniLines();
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[13], " 5 ");
    for (std::size_t line = 14; line < 33; ++line)
        EXPECT_EQ(lines[line], " 0 ") << "line " << line + 1;
}

TEST_F(SetupTest, ClosingWritesTheSettingsIntoTheFirstLines) {
    SetupModel model(game);
    model.nquestion_Change("9");
    model.tmaxdif_Change("4");
    model.Option1_Click(2);
    model.Check1_Click(0);
    model.setListSelected(1, false);
    model.Form_Unload();
    const std::vector<std::string> lines = iniLines();
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(numbersOf(lines[0]), (std::vector<long>{1, 4, 9, 2}));
    EXPECT_EQ(numbersOf(lines[1]), (std::vector<long>{0, 0}));
    EXPECT_EQ(lines[14], "-1 ");
    EXPECT_EQ(lines[15], " 0 ");
}

TEST_F(SetupTest, DuringAnExportRunClosingStoresTheFixedQuestionCount) {
    struct ExportCase {
        const char* rule;
        bool online;
        int count;
    };
    const ExportCase cases[] = {{"online run", true, 12}, {"tabbed run", false, 50}};
    for (const ExportCase& c : cases) {
        game.makeonline = c.online;
        game.maketabbed = !c.online;
        SetupModel model(game);
        model.setQuestionsBound(c.count);
        model.nquestion_Change("5");
        model.Form_Unload();
        EXPECT_EQ(game.settings.nquest, c.count) << c.rule;
    }
}

TEST_F(SetupTest, AWindowOpenedAgainDuringAnExportRunKeepsItsCount) {
    game.maketabbed = true;
    game.settings.nquest = 50;
    SetupModel model(game);
    EXPECT_EQ(model.nquestionText(), "50");
    EXPECT_EQ(model.nquestion_Change("50"), "50");
    model.Form_Unload();
    EXPECT_EQ(game.settings.nquest, 50);
}

TEST_F(SetupTest, OutsideAnExportRunTheBoxValueIsStored) {
    SetupModel model(game);
    model.setQuestionsBound(12);
    model.nquestion_Change("11");
    model.Form_Unload();
    EXPECT_EQ(game.settings.nquest, 11);
}

TEST_F(SetupTest, HelpOpensTheHelpTextInTheViewer) {
    SetupModel model(game);
    model.cmdHelp_Click();
    EXPECT_EQ(host.viewed, std::vector<std::string>{"dremhelp.txt"});
}

TEST_F(SetupTest, ClosingRefillsTheQuestionTypeNames) {
    SetupModel model(game);
    game.qname = {};
    model.Form_Unload();
    EXPECT_EQ(game.qname[1], "Image with name");
    EXPECT_EQ(game.qname[19], "Image with order");
}

} // namespace
} // namespace stratavex
