// SPDX-License-Identifier: MIT
// Every save, failed at each of its file operations in turn: the old file
// stays as it was, no temporary file is left and the player is told.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/config.h"
#include "base/file_io.h"
#include "base/file_limits.h"
#include "database/attributes.h"
#include "database/editor.h"
#include "database/items.h"
#include "engine/game.h"
#include "scores/hof.h"
#include "support/faulty_disk.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::FaultyDisk;
using testing::ProgramFolder;
using testing::RecordingHost;

class NoControls : public EditorView {
public:
    void showList(const std::vector<std::string>&) override {}
    void showArtist(const std::string&) override {}
    void showName(int, const std::string&) override {}
    void showField(EditField, const std::string&) override {}
    void showDif(const std::string&) override {}
    void showPicture(const std::string&) override {}
};

void loadShippedDatabase(Game& game) {
    std::string bytes;
    ASSERT_TRUE(readWholeFile(STRATAVEX_DATA_DIR "/drem.dat", bytes, largestDatabase).ok);
    parsedb(bytes, game.db);
    game.db.dbfile = "drem.dat";
    inittables(game);
}

struct Writer {
    const char* name;
    std::vector<std::string> targets; // in the order they are written
    std::string context;              // what the message names after the error
    std::function<void(Game&)> prepare;
    std::function<void(Game&)> save;
};

std::vector<std::string> listNames() {
    std::vector<std::string> names;
    for (const ListFile& f : listFiles(ItemTable{}))
        names.push_back(f.name);
    return names;
}

const std::vector<Writer>& writers() {
    static const std::vector<Writer> all = {
        {"writedb",
         {"drem.dat"},
         "writedb ",
         loadShippedDatabase,
         [](Game& g) { writedb(g, "drem.dat"); }},
        {"putini", {iniFile}, "putini ", [](Game&) {}, [](Game& g) { putini(g); }},
        {"putHOF",
         {hofFile},
         "putHOF ",
         [](Game& g) {
             g.hof.hofcount = 1;
             g.hof.hof[1] = {120, "drem", 80, "3  Ann", "08/12/2026", 0};
         },
         [](Game& g) { putHOF(g.host, g.hof); }},
        {"Store list", listNames(), "Store list ", loadShippedDatabase,
         [](Game& g) {
             NoControls controls;
             EditorModel editor(g, controls);
             editor.Form_Load();
             editor.cmdPrint_Click();
         }},
    };
    return all;
}

std::string oldContents(const std::string& target) {
    return "old " + target + "\r\n";
}

std::vector<std::string> errorTexts(const RecordingHost& host) {
    std::vector<std::string> texts;
    for (const Message& m : host.messages)
        if (m.icon == Icon::Critical)
            texts.push_back(m.text);
    return texts;
}

// One save in a fresh program folder holding the old files.
struct SaveRun {
    ProgramFolder folder;
    RecordingHost host;
    Game game{host};
    std::string before;

    explicit SaveRun(const Writer& writer) {
        for (const std::string& t : writer.targets)
            folder.dir.write(t, oldContents(t));
        writer.prepare(game);
        before = folder.dir.listing();
    }
};

// What the files hold after a save that nothing disturbed.
std::vector<std::string> savedContents(const Writer& writer) {
    SaveRun run(writer);
    writer.save(run.game);
    EXPECT_TRUE(errorTexts(run.host).empty()) << writer.name;
    std::vector<std::string> saved;
    for (const std::string& t : writer.targets) {
        saved.push_back(run.folder.dir.read(t));
        EXPECT_NE(saved.back(), oldContents(t)) << writer.name << ": the save must change " << t;
    }
    return saved;
}

bool reportedToThePlayer(const FaultyDisk& disk) {
    // Reading, and opening or closing a folder to flush it, may fail without
    // harm to the save; everything done to the file being written may not.
    if (disk.faultOnWrittenFile())
        return true;
    switch (disk.faultKind()) {
    case FaultyDisk::Kind::makeTemporary:
    case FaultyDisk::Kind::rename:
    case FaultyDisk::Kind::write:
    case FaultyDisk::Kind::changeMode:
    case FaultyDisk::Kind::sync:
        return true;
    default:
        return false;
    }
}

class EveryWriter : public ::testing::TestWithParam<int> {};

TEST_P(EveryWriter, AFailureAtAnyFileOperationKeepsTheOldFileAndTellsThePlayer) {
    const Writer& writer = writers()[static_cast<std::size_t>(GetParam())];
    const std::vector<std::string> saved = savedContents(writer);
    const std::size_t files = writer.targets.size();
    int faultedSaves = 0;
    for (const int error : {ENOSPC, EIO, EACCES}) {
        bool completed = false;
        for (int k = 1; !completed && k < 1000; ++k) {
            SCOPED_TRACE(std::string(writer.name) + ": call " + std::to_string(k) + " fails with " +
                         std::strerror(error));
            SaveRun run(writer);
            std::vector<std::string> errors;
            bool faulted = false;
            bool reported = false;
            bool retried = false;
            int renames = 0;
            bool folderSync = false;
            {
                FaultyDisk disk(k, error);
                writer.save(run.game);
                faulted = disk.faulted();
                reported = faulted && reportedToThePlayer(disk);
                retried = disk.syncRetried();
                renames = disk.renamesBeforeFault();
                folderSync = disk.faultOnFolder() && disk.faultKind() == FaultyDisk::Kind::sync;
            }
            errors = errorTexts(run.host);
            EXPECT_FALSE(retried) << "a failed flush is not tried again";
            EXPECT_EQ(run.folder.dir.listing(), run.before) << "no temporary file is left";
            if (!faulted) {
                completed = true;
                EXPECT_TRUE(errors.empty());
                for (std::size_t i = 0; i < files; ++i)
                    EXPECT_EQ(run.folder.dir.read(writer.targets[i]), saved[i]);
                continue;
            }
            ++faultedSaves;
            // Files are written one after the other: those renamed into place
            // before the failure are new, the rest are old.
            const std::size_t replaced = reported ? static_cast<std::size_t>(renames) : files;
            for (std::size_t i = 0; i < files; ++i) {
                const std::string& t = writer.targets[i];
                EXPECT_EQ(run.folder.dir.read(t), i < replaced ? saved[i] : oldContents(t)) << t;
            }
            if (!reported) {
                EXPECT_TRUE(errors.empty());
                continue;
            }
            const std::size_t failing = folderSync ? replaced - 1 : replaced;
            ASSERT_LT(failing, files);
            ASSERT_EQ(errors.size(), 1u);
            EXPECT_EQ(errors[0], std::string(std::strerror(error)) + "\r\n" + writer.context +
                                     writer.targets[failing]);
        }
        EXPECT_TRUE(completed) << writer.name << ": the save completes once no call fails";
    }
    RecordProperty("faulted_saves", faultedSaves);
    EXPECT_GE(faultedSaves, 3 * 6) << "every save is made of at least six file operations";
}

INSTANTIATE_TEST_SUITE_P(Saves, EveryWriter, ::testing::Range(0, 4),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string n = writers()[static_cast<std::size_t>(info.param)].name;
                             std::erase(n, ' ');
                             return n;
                         });

TEST(FileSeam, AFailedFlushIsReportedOnceAndNotTriedAgain) {
    testing::TempDir dir;
    dir.write("f", "old");
    // The calls of a save: make the temporary file, set its mode, write, flush.
    FileResult result;
    bool retried = false;
    {
        FaultyDisk disk(4, EIO);
        result = saveFileAtomically(dir.file("f"), "new");
        ASSERT_TRUE(disk.faulted());
        EXPECT_EQ(disk.faultKind(), FaultyDisk::Kind::sync);
        retried = disk.syncRetried();
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, EIO);
    EXPECT_FALSE(retried);
    EXPECT_EQ(dir.read("f"), "old");
    EXPECT_EQ(dir.listing(), "f");
}

TEST(FileSeam, TheQuizLogAppendFailsWithTheSystemError) {
    testing::TempDir dir;
    dir.write("log", "one\r\n");
    FileResult result;
    {
        FaultyDisk disk(2, ENOSPC); // open, then the write
        result = appendToFile(dir.file("log"), "two\r\n");
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, ENOSPC);
    EXPECT_EQ(dir.read("log"), "one\r\n");
}

TEST(FileSeam, AFailedReadGivesNothingAndTheError) {
    testing::TempDir dir;
    dir.write("f", "bytes");
    std::string got = "stale";
    FileResult result;
    {
        FaultyDisk disk(2, EIO); // open, then the read
        result = readWholeFile(dir.file("f"), got, largestDatabase);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, EIO);
    EXPECT_EQ(got, "");
}

} // namespace
} // namespace stratavex
