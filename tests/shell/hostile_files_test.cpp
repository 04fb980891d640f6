// SPDX-License-Identifier: MIT
// Things that are not the files the game expects, in their place: each reader
// refuses at once with its message and leaves the thing as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "base/config.h"
#include "base/file_limits.h"
#include "base/media.h"
#include "base/quizlog.h"
#include "database/items.h"
#include "engine/game.h"
#include "scores/hof.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

namespace fs = std::filesystem;
using testing::ProgramFolder;
using testing::RecordingHost;

struct Reader {
    const char* file;
    std::size_t largest; // 0: the file is only written
    std::function<void(Game&)> run;
    // The message for a failure with the errno and the system's text.
    std::function<std::string(int, const std::string&)> message;
};

const std::vector<Reader>& readers() {
    static const std::vector<Reader> all = {
        {"drem.INI", largestConfiguration, getini,
         [](int, const std::string& text) { return text + "\r\ngetini drem.INI"; }},
        {"drem.hof", largestHallOfFame, [](Game& g) { getHOF(g.host, g.hof); },
         [](int, const std::string& text) { return text + "\r\ngetHOF drem.hof"; }},
        {"drem.dat", largestDatabase, loaddb,
         [](int, const std::string& text) { return text + "\r\nlast item 0 "; }},
        {"dremsnd.dat", largestSoundList, getMedia,
         [](int error, const std::string& text) {
             return std::to_string(error) + " " + text + "\r\ngetMedia dremsnd.dat";
         }},
        {"dremquiz.log", 0, clearlog,
         [](int, const std::string& text) { return text + "\r\nclearlog dremquiz.log"; }},
    };
    return all;
}

struct Hostile {
    const char* rule;
    std::function<void(const fs::path&, std::size_t largest)> make;
    int error;
    const char* text;
    bool forWrittenFiles;
};

const Hostile hostiles[] = {
    {"a pipe", [](const fs::path& p, std::size_t) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); },
     EINVAL, "Not a regular file", true},
    {"a folder", [](const fs::path& p, std::size_t) { fs::create_directory(p); }, EISDIR,
     "Is a directory", true},
    {"a link to an endless device",
     [](const fs::path& p, std::size_t) { fs::create_symlink("/dev/zero", p); }, EINVAL,
     "Not a regular file", true},
    {"a file one byte over its limit",
     [](const fs::path& p, std::size_t largest) {
         std::ofstream(p).put('x');
         fs::resize_file(p, largest + 1);
     },
     EFBIG, "File too large", false},
};

std::string describe(const fs::path& p) {
    std::error_code ignored;
    const fs::file_status kind = fs::symlink_status(p, ignored);
    std::string text = std::to_string(static_cast<int>(kind.type()));
    if (fs::is_regular_file(kind))
        text += " " + std::to_string(fs::file_size(p, ignored));
    return text;
}

TEST(HostileFiles, EachReaderRefusesAtOnceAndLeavesTheThingAsItWas) {
    for (const Reader& reader : readers()) {
        for (const Hostile& hostile : hostiles) {
            if (reader.largest == 0 && !hostile.forWrittenFiles)
                continue;
            SCOPED_TRACE(std::string(reader.file) + " is " + hostile.rule);
            ProgramFolder folder;
            const fs::path path = folder.dir.path() / reader.file;
            hostile.make(path, reader.largest);
            const std::string before = describe(path);
            RecordingHost host;
            host.folder = folder.dir.path().string();
            Game game(host);
            reader.run(game);
            EXPECT_EQ(host.messageTexts(),
                      std::vector<std::string>{reader.message(hostile.error, hostile.text)});
            EXPECT_EQ(describe(path), before);
        }
    }
}

} // namespace
} // namespace stratavex
