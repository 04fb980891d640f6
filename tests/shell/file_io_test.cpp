// SPDX-License-Identifier: MIT
#include "base/file_io.h"
#include "base/file_limits.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "support/file_limit.h"
#include "support/temp_dir.h"

namespace stratavex {
namespace {

using testing::FileSizeLimit;
using testing::TempDir;

mode_t modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 0777;
}

TEST(ReadWholeFile, GivesTheBytesUnchanged) {
    TempDir dir;
    const std::string bytes = std::string("a\r\nb\0c\xe9", 7);
    dir.write("f", bytes);
    std::string got;
    EXPECT_TRUE(readWholeFile(dir.file("f"), got, largestDatabase).ok);
    EXPECT_EQ(got, bytes);
}

TEST(ReadWholeFile, ReportsAMissingFileWithTheSystemText) {
    TempDir dir;
    std::string got = "old";
    const FileResult r = readWholeFile(dir.file("missing"), got, largestDatabase);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ENOENT);
    EXPECT_EQ(r.text, "No such file or directory");
    EXPECT_EQ(got, "");
}

constexpr std::size_t smallLimit = 10;

// Something other than a short regular file at dir/"f".
struct HostileFile {
    const char* rule;
    std::function<void(TempDir&)> make;
    int error;
    const char* text;
};

void makeFifo(TempDir& dir) {
    ASSERT_EQ(::mkfifo(dir.file("f").c_str(), 0644), 0);
}

void makeSocket(TempDir& dir) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = dir.file("f");
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

const HostileFile hostileFiles[] = {
    {"a pipe with no writer", makeFifo, notARegularFile, notARegularFileText},
    {"a socket", makeSocket, notARegularFile, notARegularFileText},
    {"a folder", [](TempDir& dir) { std::filesystem::create_directory(dir.path() / "f"); }, EISDIR,
     "Is a directory"},
    {"a link to an endless device",
     [](TempDir& dir) { std::filesystem::create_symlink("/dev/zero", dir.path() / "f"); },
     notARegularFile, notARegularFileText},
    {"a file one byte over the limit",
     [](TempDir& dir) { dir.write("f", std::string(smallLimit + 1, 'x')); }, EFBIG,
     "File too large"},
};

class ReadingAHostileFile : public ::testing::TestWithParam<HostileFile> {};

TEST_P(ReadingAHostileFile, FailsAtOnceWithAClearReason) {
    TempDir dir;
    GetParam().make(dir);
    std::string got = "old";
    const FileResult r = readWholeFile(dir.file("f"), got, smallLimit);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, GetParam().error);
    EXPECT_EQ(r.text, GetParam().text);
    EXPECT_EQ(got, "");
}

INSTANTIATE_TEST_SUITE_P(Kinds, ReadingAHostileFile, ::testing::ValuesIn(hostileFiles),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : std::string(info.param.rule))
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return name;
                         });

TEST(ReadWholeFile, ReadsAFileOfExactlyTheLimitAndALinkToOne) {
    TempDir dir;
    dir.write("f", std::string(smallLimit, 'x'));
    std::filesystem::create_symlink("f", dir.path() / "link");
    std::string got;
    EXPECT_TRUE(readWholeFile(dir.file("link"), got, smallLimit).ok);
    EXPECT_EQ(got, std::string(smallLimit, 'x'));
}

TEST(ReadWholeFile, LeavesAPipeWithAWriterUnread) {
    TempDir dir;
    makeFifo(dir);
    const int writer = ::open(dir.file("f").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "abc", 3), 3);
    std::string got;
    EXPECT_EQ(readWholeFile(dir.file("f"), got, smallLimit).error, notARegularFile);
    char left[4] = {};
    EXPECT_EQ(::read(writer, left, sizeof left), 3);
    ::close(writer);
}

TEST(LogWriting, NeitherWaitsForNorWritesToAPipe) {
    TempDir dir;
    makeFifo(dir);
    EXPECT_EQ(appendToFile(dir.file("f"), "line\r\n").error, notARegularFile);
    EXPECT_EQ(truncateFile(dir.file("f")).error, notARegularFile);
    const int reader = ::open(dir.file("f").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(appendToFile(dir.file("f"), "line\r\n").error, notARegularFile);
    char got[8] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 0) << "nothing reached the pipe";
    ::close(reader);
}

TEST(SaveFileAtomically, ReplacesTheFileAndLeavesNothingElseBehind) {
    TempDir dir;
    dir.write("drem.dat", "old contents that are longer");
    const FileResult r = saveFileAtomically(dir.file("drem.dat"), "new");
    EXPECT_TRUE(r.ok) << r.text;
    EXPECT_EQ(dir.read("drem.dat"), "new");
    EXPECT_EQ(dir.listing(), "drem.dat");
}

// An author who keeps the database elsewhere and links to it from the game
// folder: a save replaces the file the link points to and the link stays.
TEST(SaveFileAtomically, ASaveThroughALinkReplacesItsTargetAndKeepsTheLink) {
    namespace fs = std::filesystem;
    struct Row {
        const char* name;
        // The link in the game folder, given the folder the target is in.
        std::function<fs::path(const TempDir& game, const TempDir& other)> link;
        bool targetExists = true;
    };
    const std::vector<Row> rows = {
        {"absolute link", [](const TempDir&, const TempDir& other) { return other.path() / "db"; }},
        {"relative link",
         [](const TempDir& game, const TempDir& other) {
             return fs::relative(other.path() / "db", game.path());
         }},
        {"link to a link",
         [](const TempDir&, const TempDir& other) {
             fs::create_symlink(other.path() / "db", other.path() / "hop");
             return other.path() / "hop";
         }},
        {"link to a missing file",
         [](const TempDir&, const TempDir& other) { return other.path() / "db"; }, false},
    };
    for (const Row& row : rows) {
        TempDir game;
        TempDir other;
        if (row.targetExists)
            other.write("db", "old");
        const fs::path link = row.link(game, other);
        fs::create_symlink(link, game.path() / "drem.dat");

        const FileResult r = saveFileAtomically(game.file("drem.dat"), "new");
        EXPECT_TRUE(r.ok) << row.name << ": " << r.text;
        EXPECT_TRUE(fs::is_symlink(game.path() / "drem.dat")) << row.name;
        EXPECT_EQ(fs::read_symlink(game.path() / "drem.dat"), link) << row.name;
        EXPECT_EQ(other.read("db"), "new") << row.name;
        EXPECT_EQ(game.listing(), "drem.dat") << row.name;
    }
}

TEST(SaveFileAtomically, ALinkToADeviceIsReplacedNotFollowed) {
    TempDir game;
    std::filesystem::create_symlink("/dev/null", game.path() / "drem.INI");
    EXPECT_TRUE(saveFileAtomically(game.file("drem.INI"), "new").ok);
    EXPECT_FALSE(std::filesystem::is_symlink(game.path() / "drem.INI"));
    EXPECT_EQ(game.read("drem.INI"), "new");
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(SaveFileAtomically, WorksWithABareNameInTheCurrentFolder) {
    testing::ProgramFolder folder;
    EXPECT_TRUE(saveFileAtomically("drem.INI", "x\r\n").ok);
    EXPECT_EQ(folder.dir.read("drem.INI"), "x\r\n");
    EXPECT_EQ(folder.dir.listing(), "drem.INI");
}

TEST(SaveFileAtomically, GivesTheFileTheModeOfAnOrdinaryNewFile) {
    TempDir dir;
    const mode_t before = ::umask(027);
    const FileResult r = saveFileAtomically(dir.file("f"), "x");
    ::umask(before);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(modeOf(dir.file("f")), 0640u);
}

struct SaveFailure {
    const char* rule;
    std::function<void(TempDir&)> prepare;
    std::string target;
    int error;
    rlim_t sizeLimit = 0; // 0: no limit
};

TEST(SaveFileAtomically, AFailedSaveKeepsTheOldFileAndReportsTheSystemError) {
    const std::string old = "\"************************\"\r\n\"old\",1,0,\"\"\r\n";
    const std::string big(4096, 'n');
    const std::vector<SaveFailure> rows = {
        {"the target is a folder",
         [](TempDir& d) { std::filesystem::create_directory(d.path() / "t"); }, "t", EISDIR},
        {"the folder does not exist", [](TempDir&) {}, "nowhere/t", ENOENT},
        {"the disk takes no more than part of the file", [&](TempDir& d) { d.write("t", old); },
         "t", EFBIG, 100},
    };
    for (const SaveFailure& row : rows) {
        TempDir dir;
        row.prepare(dir);
        const std::string before = dir.listing();
        FileResult r;
        {
            std::optional<FileSizeLimit> limit;
            if (row.sizeLimit != 0)
                limit.emplace(row.sizeLimit);
            r = saveFileAtomically(dir.file(row.target), big);
        }
        EXPECT_FALSE(r.ok) << row.rule;
        EXPECT_EQ(r.error, row.error) << row.rule;
        EXPECT_EQ(r.text, std::strerror(row.error)) << row.rule;
        EXPECT_EQ(dir.listing(), before) << row.rule << ": no temporary file is left";
        if (row.error == EFBIG) {
            EXPECT_EQ(dir.read("t"), old) << row.rule;
        }
    }
}

TEST(AppendToFile, CreatesTheFileAndAddsToItsEnd) {
    TempDir dir;
    EXPECT_TRUE(appendToFile(dir.file("log"), "one\r\n").ok);
    EXPECT_TRUE(appendToFile(dir.file("log"), "two\r\n").ok);
    EXPECT_EQ(dir.read("log"), "one\r\ntwo\r\n");
}

TEST(TruncateFile, EmptiesAnExistingFileAndCreatesAMissingOne) {
    TempDir dir;
    dir.write("log", "old lines\r\n");
    EXPECT_TRUE(truncateFile(dir.file("log")).ok);
    EXPECT_EQ(dir.read("log"), "");
    EXPECT_TRUE(truncateFile(dir.file("new")).ok);
    EXPECT_TRUE(dir.exists("new"));
}

TEST(TruncateFile, ReportsAFolderInThePlaceOfTheFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "log");
    const FileResult r = truncateFile(dir.file("log"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, EISDIR);
}

} // namespace
} // namespace stratavex
