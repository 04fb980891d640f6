// SPDX-License-Identifier: MIT
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/config.h"
#include "engine/game.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::CurrentDir;
using testing::RecordingHost;
using testing::TempDir;

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
    RecordingHost host;
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
    EXPECT_EQ(game.db.items[2].erarange, "161.5 - 143.1 mya");
    EXPECT_EQ(game.db.itemuse, std::vector<std::int16_t>(3, 0));
    EXPECT_EQ(game.media.sndfile[15], "s15.wav");
}

TEST_F(Startup, TemporaryFilesOfSavesCutShortAreRemovedAndNeverRead) {
    dir.write("drem.dat", twoRecords);
    dir.write("dremsnd.dat", soundList());
    dir.write("drem.INI", " 1 3 5 1\r\n");
    const std::string halfWritten = "\"************************\"\r\n\"Half";
    const std::vector<std::string> leftovers = {".drem.dat.a1B2c3",   ".drem.INI.zzzzzz",
                                                ".drem.hof.Q9q9Q9",   ".drem.txt.000000",
                                                ".d-name.txt.abcdef", ".d-class.txt.XyZ123"};
    for (const std::string& name : leftovers)
        dir.write(name, halfWritten);
    // Not temporary files of this program's saves: kept.
    const std::vector<std::string> others = {".drem.dat.bak", ".drem.dat.a1B2c3d",
                                             "drem.dat.a1B2c3", ".notes.txt.abcdef", "notes.txt"};
    for (const std::string& name : others)
        dir.write(name, "mine");
    std::filesystem::create_directory(dir.path() / ".drem.hof.folder");

    mainFormLoad(game);

    for (const std::string& name : leftovers)
        EXPECT_FALSE(dir.exists(name)) << name;
    for (const std::string& name : others)
        EXPECT_EQ(dir.read(name), "mine") << name;
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / ".drem.hof.folder"));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(game.db.nitems, 2);
    EXPECT_EQ(game.settings.nquest, 5);
    EXPECT_EQ(game.hof.hofcount, 0);
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
