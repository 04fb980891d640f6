// SPDX-License-Identifier: MIT
#include "base/quizlog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/game.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::ProgramFolder;
using testing::RecordingHost;

class QuizLog : public ::testing::Test {
protected:
    ProgramFolder folder;
    RecordingHost host;
    Game game{host};
};

struct ThresholdRow {
    const char* rule;
    std::int16_t logstatus;
    std::string written;
};

TEST_F(QuizLog, TheThresholdDecidesWhichLevelsAreWritten) {
    const std::vector<ThresholdRow> rows = {
        {"Off writes nothing", 0, ""},
        {"All writes every level", 1, "level 1\r\nlevel 2\r\nlevel 4\r\n"},
        {"Only incorrect writes levels 2 and 4", 2, "level 2\r\nlevel 4\r\n"},
    };
    for (const ThresholdRow& row : rows) {
        game.settings.logstatus = row.logstatus;
        clearlog(game);
        for (int level : {1, 2, 4})
            logmsg(game, "level " + std::to_string(level), level);
        EXPECT_EQ(folder.dir.read("dremquiz.log"), row.written) << row.rule;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(QuizLog, LinesAreAppendedInOrder) {
    game.settings.logstatus = 1;
    logmsg(game, "---- Question 1", 2);
    logmsg(game, "", 1);
    logmsg(game, "Sorting: Sort by weight", 1);
    EXPECT_EQ(folder.dir.read("dremquiz.log"),
              "---- Question 1\r\n\r\nSorting: Sort by weight\r\n");
}

TEST_F(QuizLog, ClearlogEmptiesTheLogOrCreatesIt) {
    clearlog(game);
    EXPECT_EQ(folder.dir.read("dremquiz.log"), "");
    folder.dir.write("dremquiz.log", "lines of the last run\r\n");
    clearlog(game);
    EXPECT_EQ(folder.dir.read("dremquiz.log"), "");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(QuizLog, ALogThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(folder.dir.path() / "dremquiz.log");
    game.settings.logstatus = 1;
    logmsg(game, "a line", 1);
    clearlog(game);
    EXPECT_EQ(host.messageTexts(),
              (std::vector<std::string>{"Is a directory\r\nlogmsg dremquiz.log",
                                        "Is a directory\r\nclearlog dremquiz.log"}));
}

} // namespace
} // namespace stratavex
