// SPDX-License-Identifier: MIT
#include "shell/game_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/file_io.h"
#include "engine/game.h"
#include "shell/startup.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

namespace fs = std::filesystem;
using testing::CurrentDir;
using testing::RecordingHost;
using testing::TempDir;

const std::string notKept = "The game starts, but your settings and Hall of Fame are not kept.";

// The real disk, except that nothing can be created at paths that begin with
// `refused`: a read-only folder (refused = folder + "/") or one file that
// cannot be written. Installed for its lifetime.
class RefusingDisk : public FileSystem {
public:
    RefusingDisk(std::string refused, int error) : refused_(std::move(refused)), error_(error) {
        useFileSystem(this);
    }
    ~RefusingDisk() override { useFileSystem(nullptr); }
    RefusingDisk(const RefusingDisk&) = delete;
    RefusingDisk& operator=(const RefusingDisk&) = delete;

    int open(const char* path, int flags, unsigned mode) override {
        if ((flags & (O_CREAT | O_WRONLY | O_RDWR)) != 0 && refuses(path))
            return -1;
        return real().open(path, flags, mode);
    }
    int makeTemporary(char* name, int flags) override {
        if (refuses(name))
            return -1;
        return real().makeTemporary(name, flags);
    }
    int changeMode(int fd, unsigned mode) override { return real().changeMode(fd, mode); }
    long read(int fd, void* buffer, std::size_t size) override {
        return real().read(fd, buffer, size);
    }
    int status(int fd, struct stat* info) override { return real().status(fd, info); }
    long write(int fd, const void* bytes, std::size_t size) override {
        return real().write(fd, bytes, size);
    }
    int sync(int fd) override { return real().sync(fd); }
    int close(int fd) override { return real().close(fd); }
    int rename(const char* from, const char* to) override { return real().rename(from, to); }
    int unlink(const char* path) override { return real().unlink(path); }

private:
    static FileSystem& real() { return posixFileSystem(); }
    bool refuses(const char* path) {
        if (!std::string_view(path).starts_with(refused_))
            return false;
        errno = error_;
        return true;
    }

    std::string refused_;
    int error_;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> contentsOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    if (!fs::is_directory(folder))
        return files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = readFile(entry.path());
    return files;
}

// A picture's bytes, a zero byte among them.
const char pictureBytes[] = "\xff\xd8\xff\xe0 picture\0bytes";

// A few bundled files, standing for the game's data.
const std::map<std::string, std::string> bundledFiles = {
    {"drem.dat", "\"************************\"\r\n\"Iguanodon\",1,1,\"iguanodon.jpg\"\r\n"},
    {"dremsnd.dat", "\"snd00-drag.wav\"\r\n"},
    {"dremhelp.txt", "How to play\r\n"},
    {"iguanodon.jpg", std::string(pictureBytes, sizeof pictureBytes - 1)},
};

class GameFolder : public ::testing::Test {
protected:
    TempDir root;
    CurrentDir restoreCwd{fs::current_path()};
    RecordingHost host;
    const fs::path home = root.path() / "home";
    const fs::path user = home / ".local" / "share" / "stratavex";

    void SetUp() override { fs::create_directory(home); }

    // A build folder or a portable copy: the executable beside the game's files.
    fs::path programFolder() {
        const fs::path folder = root.path() / "game";
        fill(folder);
        return folder;
    }
    // An installed copy: the executable in bin/, the game's files in share/.
    fs::path installedBin() {
        const fs::path bin = root.path() / "prefix" / "bin";
        fs::create_directories(bin);
        fill(installedShare());
        return bin;
    }
    fs::path installedShare() const {
        return (root.path() / "prefix" / "bin" / installedDataFolder).lexically_normal();
    }
    static void fill(const fs::path& folder) {
        fs::create_directories(folder);
        for (const auto& [name, bytes] : bundledFiles)
            writeFile(folder / name, bytes);
    }

    std::string choose(const fs::path& executableFolder, const std::string& xdg = "") {
        return chooseGameFolder(host, {executableFolder.string(), xdg, home.string()});
    }
};

TEST_F(GameFolder, AWritableProgramFolderIsUsedInPlaceAndLeftAsItWas) {
    const fs::path game = programFolder();

    EXPECT_EQ(choose(game), game.string());

    EXPECT_EQ(contentsOf(game), bundledFiles); // no test file left behind
    EXPECT_FALSE(fs::exists(user));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameFolder, AReadOnlyProgramFolderIsCopiedIntoThePlayersFolderOnTheFirstRun) {
    const fs::path game = programFolder();
    RefusingDisk readOnly(game.string() + "/", EROFS);

    EXPECT_EQ(choose(game), user.string());

    EXPECT_EQ(contentsOf(user), bundledFiles);
    EXPECT_EQ(contentsOf(game), bundledFiles);
    EXPECT_EQ(fs::status(user).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameFolder, AnInstalledCopyUsesThePlayersFolderEvenWhereItCouldWrite) {
    // As root, or installed into a prefix the player owns, the installed
    // files could be written to; the player's files still go to their folder.
    const fs::path bin = installedBin();

    EXPECT_EQ(choose(bin), user.string());

    EXPECT_EQ(contentsOf(user), bundledFiles);
    EXPECT_EQ(contentsOf(installedShare()), bundledFiles);
    EXPECT_TRUE(contentsOf(bin).empty());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameFolder, ALaterInstallAddsOnlyTheFilesThePlayerDoesNotHave) {
    const fs::path bin = installedBin();
    ASSERT_EQ(choose(bin), user.string());
    // The player's own files, and a bundled picture the player deleted.
    const std::map<std::string, std::string> players = {
        {"drem.dat", "\"************************\"\r\n\"My own dinosaur\",1,1,\"\"\r\n"},
        {"drem.INI", " 1             3             5             1 \r\n"},
        {"drem.hof", " 1 \r\n 27 \r\n"},
        {"dremquiz.log", "---- Question 1\r\n"},
    };
    for (const auto& [name, bytes] : players)
        writeFile(user / name, bytes);
    fs::remove(user / "iguanodon.jpg");
    // The new install: a changed database, a new picture and a new sound.
    writeFile(installedShare() / "drem.dat",
              "\"************************\"\r\n\"Newer\",1,1,\"\"\r\n");
    writeFile(installedShare() / "stegosaurus.jpg", "new picture");
    writeFile(installedShare() / "snd01-drop.wav", "new sound");

    EXPECT_EQ(choose(bin), user.string());

    std::map<std::string, std::string> expected = players;
    expected["dremsnd.dat"] = bundledFiles.at("dremsnd.dat");
    expected["dremhelp.txt"] = bundledFiles.at("dremhelp.txt");
    expected["iguanodon.jpg"] = bundledFiles.at("iguanodon.jpg");
    expected["stegosaurus.jpg"] = "new picture";
    expected["snd01-drop.wav"] = "new sound";
    EXPECT_EQ(contentsOf(user), expected);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameFolder, OnlyTheGameFilesOfAReadOnlyCopyAreCopied) {
    const fs::path game = programFolder();
    // The programs run from the copy; hidden files are leftovers of saves.
    for (const char* name : {"stratavex", "stratavex-db", "libstratavex_sound.so",
                             ".drem.dat.a1B2c3", ".stratavex-write-test"})
        writeFile(game / name, "not a game file");
    fs::create_directory(game / "extras");
    RefusingDisk readOnly(game.string() + "/", EROFS);

    EXPECT_EQ(choose(game), user.string());

    EXPECT_EQ(contentsOf(user), bundledFiles);
}

TEST_F(GameFolder, ThePlayersFolderComesFromXdgDataHomeOrElseTheHomeFolder) {
    struct Row {
        const char* name;
        std::string xdg;
        std::string home;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"XDG_DATA_HOME set", "/srv/data", "/home/ann", "/srv/data/stratavex"},
        {"XDG_DATA_HOME unset", "", "/home/ann", "/home/ann/.local/share/stratavex"},
        {"a relative XDG_DATA_HOME is ignored", "data", "/home/ann",
         "/home/ann/.local/share/stratavex"},
        {"no home folder at all", "", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(userFolder({"/opt/game", row.xdg, row.home}), row.expected) << row.name;

    const fs::path xdg = root.path() / "xdg";
    EXPECT_EQ(choose(installedBin(), xdg.string()), (xdg / "stratavex").string());
    EXPECT_EQ(contentsOf(xdg / "stratavex"), bundledFiles);
    EXPECT_FALSE(fs::exists(user));
}

TEST_F(GameFolder, WritingIsFoundOutByMakingAFile) {
    const fs::path game = programFolder();
    EXPECT_TRUE(canCreateFilesIn(game.string()));
    EXPECT_FALSE(canCreateFilesIn((root.path() / "missing").string()));
    {
        RefusingDisk readOnly(game.string() + "/", EROFS);
        EXPECT_FALSE(canCreateFilesIn(game.string()));
    }
    EXPECT_EQ(contentsOf(game), bundledFiles);
}

TEST_F(GameFolder, WithoutAnyHomeFolderTheGameStartsFromItsOwnFolderAndSaysSo) {
    const fs::path game = programFolder();
    RefusingDisk readOnly(game.string() + "/", EROFS);

    EXPECT_EQ(chooseGameFolder(host, {game.string(), "", ""}), game.string());

    EXPECT_EQ(host.messageTexts(),
              std::vector<std::string>{"Stratavex cannot save its files in " + game.string() +
                                       ", and neither XDG_DATA_HOME nor HOME is set to give it a "
                                       "folder of your own.\r\n" +
                                       notKept});
}

TEST_F(GameFolder, APlayersFolderThatCannotBeMadeIsReportedAndTheBundleIsPlayed) {
    const fs::path bin = installedBin();
    // A file where the data folder should be: no folder can be made below it,
    // whoever runs the test.
    const fs::path blocked = root.path() / "not-a-folder";
    writeFile(blocked, "");
    const std::string wanted = (blocked / "stratavex").string();

    EXPECT_EQ(choose(bin, blocked.string()), installedShare().string());

    ASSERT_EQ(host.messages.size(), 1u);
    const std::string& text = host.messages[0].text;
    const std::size_t lineEnd = text.find("\r\n");
    ASSERT_NE(lineEnd, std::string::npos);
    EXPECT_GT(lineEnd, 0u) << "the system's error text comes first";
    EXPECT_EQ(text.substr(lineEnd), "\r\nStratavex cannot create the folder for your files, " +
                                        wanted + ".\r\n" + notKept);
}

TEST_F(GameFolder, FilesThatCannotBeCopiedAreNamedAndTheRestAreCopied) {
    const fs::path bin = installedBin();
    fs::create_directories(user);
    // Saves in the player's folder make a temporary file named after the target.
    RefusingDisk full(user.string() + "/.drem", ENOSPC);

    EXPECT_EQ(choose(bin), user.string());

    EXPECT_EQ(host.messageTexts(),
              std::vector<std::string>{std::string(std::strerror(ENOSPC)) +
                                       "\r\nStratavex could not copy these files into " +
                                       user.string() + ": drem.dat, dremhelp.txt, dremsnd.dat."});
    std::map<std::string, std::string> copied = {
        {"iguanodon.jpg", bundledFiles.at("iguanodon.jpg")}};
    EXPECT_EQ(contentsOf(user), copied);
}

// Runs fn where permissions count: in this process for an ordinary user, or
// in a child that has dropped root's privileges to the user "nobody".
// Returns fn's result, or a reason to skip.
struct Unprivileged {
    bool ran = false;
    bool result = false;
    std::string skipReason;
};

constexpr uid_t nobody = 65534;

template <typename Fn> Unprivileged runUnprivileged(Fn fn) {
    if (::geteuid() != 0)
        return {true, fn(), ""};
    const pid_t child = ::fork();
    if (child < 0)
        return {false, false, "cannot fork to drop root's privileges"};
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(77);
        ::_exit(fn() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
        return {false, false, "running as root and cannot drop privileges to nobody"};
    return {true, WIFEXITED(status) && WEXITSTATUS(status) == 0, ""};
}

TEST_F(GameFolder, AProgramFolderWithoutWritePermissionIsCopiedIntoThePlayersFolder) {
    const fs::path game = programFolder();
    // Readable and searchable by everyone, writable by no one.
    fs::permissions(root.path(),
                    fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    fs::permissions(game, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
    if (::geteuid() == 0 && ::chown(home.c_str(), nobody, nobody) != 0)
        GTEST_SKIP() << "running as root and cannot hand the home folder to nobody";

    const Unprivileged run =
        runUnprivileged([&] { return choose(game) == user.string() && host.messages.empty(); });
    fs::permissions(game, fs::perms::owner_write, fs::perm_options::add);
    if (!run.ran)
        GTEST_SKIP() << run.skipReason;

    EXPECT_TRUE(run.result) << "the player's folder was chosen without a message";
    EXPECT_EQ(contentsOf(user), bundledFiles);
    EXPECT_EQ(contentsOf(game), bundledFiles);
}

TEST_F(GameFolder, TheStartUpOfAReadOnlyCopyReadsAndWritesOnlyThePlayersFolder) {
    // The shipped data, in a program folder that refuses every write.
    const fs::path game = root.path() / "game";
    fs::create_directory(game);
    for (const auto& entry : fs::directory_iterator(STRATAVEX_DATA_DIR))
        if (entry.is_regular_file())
            fs::copy_file(entry.path(), game / entry.path().filename());
    const auto shipped = contentsOf(game);
    const fs::path xdg = root.path() / "xdg";
    RefusingDisk readOnly(game.string() + "/", EROFS);

    host.folder = choose(game, xdg.string());
    Game game1(host);
    mainFormLoad(game1);
    mainFormUnload(game1);

    const fs::path mine = xdg / "stratavex";
    EXPECT_EQ(host.folder, mine.string());
    EXPECT_EQ(fs::current_path(), fs::canonical(mine));
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{});
    EXPECT_GT(game1.db.nitems, 100);
    EXPECT_EQ(game1.media.sndfile[0], "snd00-drag.wav");
    EXPECT_EQ(readFile(mine / "dremquiz.log"), "");
    EXPECT_EQ(readFile(mine / "drem.dat"), shipped.at("drem.dat"));
    EXPECT_TRUE(fs::is_regular_file(mine / "drem.INI"));
    EXPECT_EQ(contentsOf(game), shipped);
}

} // namespace
} // namespace stratavex
