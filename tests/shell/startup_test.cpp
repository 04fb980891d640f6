// SPDX-License-Identifier: MIT
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/config.h"
#include "shell/game.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::CurrentDir;
using testing::TempDir;
using testing::TestHost;

const std::string twoRecords =
    "\"************************\"\r\n\"Iguanodon\",1,1,\"iguanodon.jpg\"\r\n\"ig-WAN-oh-don\"\r\n"
    "\"Greek\",\"iguana tooth\",\"its "
    "teeth\"\r\n\"Ornithischia\",\"Ornithopoda\",\"Iguanodontidae\"\r\n"
    "\"30 ft\",\"5 tons\"\r\n\"Europe\",\"Early Cretaceous\",\"plant\"\r\n\"A plant eater.\"\r\n"
    "\"************************\"\r\n\"Allosaurus\",2,0,\"\"\r\n\"AL-oh-SAWR-us\"\r\n"
    "\"Greek\",\"other lizard\",\"its odd "
    "vertebrae\"\r\n\"Saurischia\",\"Theropoda\",\"Allosauridae\"\r\n"
    "\"36 ft\",\"2 tons\"\r\n\"North America\",\"Late Jurassic\",\"meat\"\r\n\"A hunter.\"\r\n";

std::string soundList() {
    std::string list;
    for (int n = 0; n < 16; ++n)
        list += "\"s" + std::to_string(n) + ".wav\"\r\n";
    return list;
}

class Startup : public ::testing::Test {
protected:
    TempDir dir;
    CurrentDir restoreCwd{std::filesystem::current_path()};
    TestHost host;
    Game game{host};
    void SetUp() override { host.folder = dir.path().string(); }
};

TEST_F(Startup, LoadsEverythingFromTheProgramFolder) {
    dir.write("drem.dat", twoRecords);
    dir.write("dremsnd.dat", soundList());
    dir.write("drem.INI", " 1 3 5 1\r\n");
    dir.write("dremquiz.log", "lines of the last run\r\n");
    game.creature = "";
    game.triesbase = 0;
    game.makeonline = true;
    game.media.sndlist = "";

    mainFormLoad(game);

    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(dir.path()));
    EXPECT_EQ(game.creature, "TRex");
    EXPECT_EQ(game.triesbase, 6);
    EXPECT_FALSE(game.makeonline);
    EXPECT_EQ(game.media.sndlist, "dremsnd.dat");
    EXPECT_EQ(game.settings.nquest, 5);
    EXPECT_EQ(dir.read("dremquiz.log"), "");
    EXPECT_EQ(game.db.nitems, 2);
    EXPECT_EQ(game.db.items[2].name, "Allosaurus");
    EXPECT_EQ(game.db.items[2].erarange, "150 - 135 mya");
    EXPECT_EQ(game.db.itemuse, std::vector<std::int16_t>(3, 0));
    EXPECT_EQ(game.media.sndfile[15], "s15.wav");
}

TEST_F(Startup, AnEmptyProgramFolderStillStartsAndSaysWhatIsMissing) {
    mainFormLoad(game);
    EXPECT_EQ(host.messageTexts(),
              (std::vector<std::string>{"No such file or directory\r\nlast item 0 ",
                                        "2 No such file or directory\r\ngetMedia dremsnd.dat"}));
    EXPECT_EQ(dir.read("dremquiz.log"), "");
    EXPECT_EQ(game.db.nitems, 0);
    EXPECT_EQ(game.settings.soundon, 0);
    EXPECT_EQ(game.settings.nquest, 10);
}

TEST_F(Startup, QuittingWritesACompleteConfigurationEvenWhenNothingChanged) {
    const std::vector<std::pair<const char*, std::string>> rows = {
        {"no configuration file yet", ""},
        {"a short file", " 1 3 5 1\r\n"},
        {"the same values in another spacing",
         "1,2,10,2\r\n0,1\r\n\"\"\r\n\"\"\r\nbackground.jpg\r\n"},
    };
    for (const auto& [rule, ini] : rows) {
        TempDir folder;
        host.folder = folder.path().string();
        if (!ini.empty())
            folder.write("drem.INI", ini);
        Game fresh(host);
        mainFormLoad(fresh);
        mainFormUnload(fresh);
        const std::string written = folder.read("drem.INI");
        EXPECT_EQ(written, formatIni(fresh.settings, fresh.config)) << rule;
        EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 33) << rule;
        std::filesystem::current_path(dir.path());
    }
}

} // namespace
} // namespace stratavex
