// SPDX-License-Identifier: MIT
#include "database/items.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "support/file_limit.h"
#include "support/printers.h"
#include "support/sample_items.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::examplosaurus;
using testing::numberedRecord;
using testing::numberedRecords;
using testing::ProgramFolder;
using testing::RecordingHost;
using testing::utf16;

const std::string exampleRecord = testing::examplosaurusRecord();

TEST(Formatdb, WritesTheExampleRecordByteForByte) {
    ItemTable table;
    table.items[1] = examplosaurus();
    table.nitems = 1;
    EXPECT_EQ(formatdb(table), exampleRecord);
}

TEST(Formatdb, WritesNegativeNumbersBareWithTheirSign) {
    ItemTable table;
    table.items[1].dif = -3;
    table.items[1].artist = 12;
    table.nitems = 1;
    EXPECT_NE(formatdb(table).find("\r\n\"\",-3,12,\"\"\r\n"), std::string::npos);
}

// Empty texts and the longest numbers leave no room to spare in the text
// formatdb sizes beforehand; the records after the first must come out whole.
TEST(Formatdb, WritesRecordsOfEmptyTextsAndTheLongestNumbersWhole) {
    ItemTable table;
    table.nitems = 3;
    for (int i = 1; i <= table.nitems; ++i) {
        table.items[static_cast<std::size_t>(i)].dif = -32768;
        table.items[static_cast<std::size_t>(i)].artist = -32768;
    }
    const std::string record = "\"************************\"\r\n"
                               "\"\",-32768,-32768,\"\"\r\n"
                               "\"\"\r\n"
                               "\"\",\"\",\"\"\r\n"
                               "\"\",\"\",\"\"\r\n"
                               "\"\",\"\"\r\n"
                               "\"\",\"\",\"\"\r\n"
                               "\"\"\r\n";
    EXPECT_EQ(formatdb(table), record + record + record);
}

TEST(Formatdb, WritesNothingForAnEmptyTable) {
    EXPECT_EQ(formatdb(ItemTable{}), "");
}

TEST(Formatdb, WritesADoubleQuoteAsASingleOneSoTheFileReadsBack) {
    ItemTable table;
    table.items[1] = examplosaurus();
    table.items[1].name = "The \"big\" one";
    table.items[1].desc = "\"";
    table.nitems = 1;
    const std::string file = formatdb(table);
    EXPECT_NE(file.find("\"The 'big' one\",2,0,\"\"\r\n"), std::string::npos);

    ItemTable back;
    EXPECT_EQ(parsedb(file, back).error, "");
    itemrec expected = examplosaurus();
    expected.name = "The 'big' one";
    expected.desc = "'";
    EXPECT_EQ(back.items[1], expected);
}

TEST(Parsedb, ReadsTheExampleRecordWithItsEraSpan) {
    ItemTable table;
    const ReadResult r = parsedb(exampleRecord, table);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(table.nitems, 1);
    EXPECT_EQ(table.items[1], examplosaurus());
    EXPECT_EQ(table.items[0], itemrec{}) << "slot 0 holds no item";
}

TEST(Parsedb, ReadsBackEveryTextTheWriterWrites) {
    const std::vector<std::pair<const char*, std::string>> rows = {
        {"commas", "one, two,three"},
        {"leading and trailing blanks", "  padded  "},
        {"a single blank", " "},
        {"an empty text", ""},
        {"asterisks like a separator", "************************"},
        {"line ends", "first line\r\nsecond line"},
        {"Windows-1252 letters", "Pal\xe9ontologie \x96 caf\xe9"},
    };
    for (const auto& [rule, text] : rows) {
        ItemTable table;
        itemrec rec = examplosaurus();
        rec.name = rec.image = rec.roots = rec.family = rec.era = rec.desc = text;
        rec.erarange = "";
        table.items[1] = rec;
        table.items[2] = examplosaurus();
        table.nitems = 2;

        ItemTable back;
        EXPECT_EQ(parsedb(formatdb(table), back).error, "") << rule;
        EXPECT_EQ(back.nitems, 2) << rule;
        EXPECT_EQ(back.items[1], rec) << rule;
        EXPECT_EQ(back.items[2], examplosaurus()) << rule;
    }
}

TEST(Parsedb, CountsOnlyTheFieldSequenceNotTheLines) {
    const std::vector<std::pair<const char*, std::string>> rows = {
        {"five fields on the name line",
         "\"*\"\r\n\"Examplosaurus\",2,0,\"\",\"ex-AMP-lo-SAWR-us\"\r\n"
         "\"Latin\",\"example lizard\",\"named for this example\"\r\n"
         "\"Order A\",\"Suborder B\",\"Family C\",\"20 ft\",\"2 tons\"\r\n"
         "\"Asia\",\"Late Cretaceous\",\"meat\"\r\n\"A made-up record for illustration.\"\r\n"},
        {"one field per line",
         "\"*\"\r\n\"Examplosaurus\"\r\n2\r\n0\r\n\"\"\r\n\"ex-AMP-lo-SAWR-us\"\r\n\"Latin\"\r\n"
         "\"example lizard\"\r\n\"named for this example\"\r\n\"Order A\"\r\n\"Suborder B\"\r\n"
         "\"Family C\"\r\n\"20 ft\"\r\n\"2 tons\"\r\n\"Asia\"\r\n\"Late Cretaceous\"\r\n"
         "\"meat\"\r\n\"A made-up record for illustration.\"\r\n"},
        {"the whole record on one line",
         "\"*\",\"Examplosaurus\",2,0,\"\",\"ex-AMP-lo-SAWR-us\",\"Latin\",\"example lizard\","
         "\"named for this example\",\"Order A\",\"Suborder B\",\"Family C\",\"20 ft\","
         "\"2 tons\",\"Asia\",\"Late Cretaceous\",\"meat\",\"A made-up record for illustration.\""},
        {"unquoted fields, lone LF line ends",
         "*\nExamplosaurus , 2 , 0 ,\nex-AMP-lo-SAWR-us\nLatin,example lizard,named for this "
         "example\nOrder A,Suborder B,Family C\n20 ft,2 tons\nAsia,Late Cretaceous,meat\n"
         "A made-up record for illustration.\n"},
    };
    for (const auto& [rule, file] : rows) {
        ItemTable table;
        EXPECT_EQ(parsedb(file, table).error, "") << rule;
        EXPECT_EQ(table.nitems, 1) << rule;
        EXPECT_EQ(table.items[1], examplosaurus()) << rule;
    }
}

TEST(Parsedb, TakesAnySingleFieldAsTheSeparator) {
    const std::string rest = exampleRecord.substr(exampleRecord.find("\r\n") + 2);
    for (const std::string sep : {"\"-- not stars --\"", "plain text", "", "42", "\"\""}) {
        ItemTable table;
        EXPECT_EQ(parsedb(sep + "\r\n" + rest, table).error, "") << sep;
        EXPECT_EQ(table.items[1], examplosaurus()) << sep;
    }
}

TEST(Parsedb, ReadsTextInANumberFieldAsZero) {
    std::string file = exampleRecord;
    file.replace(file.find(",2,0,"), 5, ",two,none,");
    ItemTable table;
    EXPECT_EQ(parsedb(file, table).error, "");
    itemrec expected = examplosaurus();
    expected.dif = 0;
    EXPECT_EQ(table.items[1], expected);
}

TEST(Parsedb, GivesAnEraOutsideTheTableNoSpan) {
    for (const char* era :
         {"Late cretaceous", "late Cretaceous", "Late Cretaceous ", "Paleogene", ""}) {
        std::string file = exampleRecord;
        file.replace(file.find("Late Cretaceous"), 15, era);
        ItemTable table;
        parsedb(file, table);
        EXPECT_EQ(table.items[1].era, era);
        EXPECT_EQ(table.items[1].erarange, "") << '"' << era << '"';
    }
}

struct LoadRow {
    const char* rule;
    std::string file;
    std::string error;
    int nitems;
};

TEST(Parsedb, LoadsCompleteRecordsAndStopsAtTheFirstFault) {
    const std::string cut = numberedRecord(13).substr(0, numberedRecord(13).find("\"Greek\""));
    const std::vector<LoadRow> rows = {
        {"an empty file holds no items", "", "", 0},
        {"N records ending with CR LF give N items", numberedRecords(3), "", 3},
        {"the last record may lack its final line end",
         numberedRecords(3).substr(0, numberedRecords(3).size() - 2), "", 3},
        {"500 records fill the table", numberedRecords(500), "", 500},
        {"a 501st record is refused", numberedRecords(501), "More than 500 records in the file",
         500},
        {"a record cut short keeps the complete ones", numberedRecords(12) + cut,
         "Input past end of file", 12},
        {"a blank line after the last record starts a record that is cut short",
         numberedRecords(2) + "\r\n", "Input past end of file", 2},
        {"a lone separator is a record cut short", "\"****\"\r\n", "Input past end of file", 0},
        {"a last text without its closing quote is a broken record",
         numberedRecords(3).substr(0, numberedRecords(3).size() - 3),
         "A quoted text in the file has no closing quote", 3},
        {"UTF-16 text is not read as records", utf16(numberedRecords(2)),
         "The file is not text in the database's format: it begins as UTF-16 text does", 0},
    };
    for (const LoadRow& row : rows) {
        ItemTable table;
        table.items[400].name = "left over";
        table.nitems = 400;
        const ReadResult r = parsedb(row.file, table);
        EXPECT_EQ(r.error, row.error) << row.rule;
        EXPECT_EQ(r.lastItem, row.nitems) << row.rule;
        EXPECT_EQ(table.nitems, row.nitems) << row.rule;
        EXPECT_EQ(table.itemuse, std::vector<std::int16_t>(row.nitems + 1, 0)) << row.rule;
        EXPECT_EQ(table.wholeFile, row.error.empty()) << row.rule;
        EXPECT_EQ(table.notWholeReason, row.error) << row.rule;
        if (row.nitems > 0) {
            EXPECT_EQ(table.items[row.nitems].name, "Dino" + std::to_string(row.nitems))
                << row.rule;
        }
        if (row.nitems < maxItems) {
            EXPECT_EQ(table.items[row.nitems + 1], itemrec{}) << row.rule;
        }
        if (row.nitems < 400) {
            EXPECT_EQ(table.items[400], itemrec{}) << row.rule << ": the old table is gone";
        }
    }
}

TEST(ItemSlots, ReadAsEmptyUntilWrittenAndKeepEveryReferenceValid) {
    ItemTable table;
    const ItemTable& reading = table;
    EXPECT_EQ(reading.items[maxItems], itemrec{}) << "an unwritten slot";

    itemrec& first = table.items[1];
    first.name = "first";
    for (std::size_t slot = 2; slot <= maxItems; ++slot)
        table.items[slot].name = "later";
    EXPECT_EQ(&first, &table.items[1]) << "writing later slots moved the first record";
    EXPECT_EQ(first.name, "first");

    // A copy of a table with one record must still have room for the others.
    ItemTable few;
    few.items[1].name = "one";
    ItemTable constructed(few);
    ItemTable assigned;
    assigned = few;
    for (ItemTable* copy : {&constructed, &assigned}) {
        itemrec& copied = copy->items[1];
        copy->items[maxItems].desc = "changed";
        EXPECT_EQ(&copied, &copy->items[1]) << "writing a copy's later slot moved its first";
        EXPECT_EQ(copied.name, "one");
    }
    EXPECT_EQ(std::as_const(few).items[maxItems].desc, "") << "the copies are copies";

    EXPECT_THROW(table.items[maxItems + 1], std::out_of_range);
    EXPECT_THROW(static_cast<void>(reading.items.at(maxItems + 1)), std::out_of_range);
}

class DatabaseFile : public ::testing::Test {
protected:
    ProgramFolder folder;
    RecordingHost host;
    Game game{host};
};

TEST_F(DatabaseFile, ReportsACutShortRecordWithTheLastCompleteItem) {
    const std::string cut = numberedRecord(13).substr(0, 40);
    folder.dir.write("drem.dat", numberedRecords(12) + cut);
    loaddb(game);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Input past end of file\r\nlast item 12 Dino12");
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(game.db.nitems, 12);
    EXPECT_EQ(game.db.itemuse.size(), 13u);
}

TEST_F(DatabaseFile, ReportsTooManyRecordsWithTheFiveHundredth) {
    folder.dir.write("drem.dat", numberedRecords(501));
    loaddb(game);
    EXPECT_EQ(
        host.messageTexts(),
        std::vector<std::string>{"More than 500 records in the file\r\nlast item 500 Dino500"});
    EXPECT_EQ(game.db.nitems, 500);
    EXPECT_EQ(game.db.itemuse.size(), 501u);
}

TEST_F(DatabaseFile, ReportsAMissingFileAndLeavesTheTableEmpty) {
    loaddb(game);
    EXPECT_EQ(host.messageTexts(),
              std::vector<std::string>{"No such file or directory\r\nlast item 0 "});
    EXPECT_FALSE(game.db.wholeFile);
    EXPECT_EQ(game.db.notWholeReason, "No such file or directory");
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(game.db.nitems, 0);
    EXPECT_EQ(game.db.itemuse, std::vector<std::int16_t>{0});
}

TEST_F(DatabaseFile, LoadsDremDatFromTheCurrentFolderWithFreshUseCounters) {
    folder.dir.write("drem.dat", numberedRecords(4));
    game.db.dbfile = "other.dat";
    game.db.itemuse.assign(9, 3);
    loaddb(game);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(game.db.dbfile, "drem.dat");
    EXPECT_EQ(game.db.nitems, 4);
    EXPECT_EQ(game.db.itemuse, std::vector<std::int16_t>(5, 0));
}

TEST_F(DatabaseFile, WritesAnEmptyFileForAnEmptyTable) {
    folder.dir.write("drem.dat", numberedRecords(2));
    writedb(game, "drem.dat");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(folder.dir.read("drem.dat"), "");
}

TEST_F(DatabaseFile, WritesTheTableItReads) {
    folder.dir.write("drem.dat", numberedRecords(7));
    loaddb(game);
    folder.dir.write("drem.dat", "");
    writedb(game, "drem.dat");
    EXPECT_EQ(folder.dir.read("drem.dat"), numberedRecords(7));
}

TEST_F(DatabaseFile, AFailedSaveKeepsTheOldFileAndTellsThePlayer) {
    const std::string old = numberedRecords(3);
    folder.dir.write("drem.dat", old);
    loaddb(game);
    game.db.items[2].desc = std::string(5000, 'x');
    const itemrec changed = game.db.items[2];
    {
        testing::FileSizeLimit limit(1000);
        writedb(game, "drem.dat");
    }
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"File too large\r\nwritedb drem.dat"});
    EXPECT_EQ(folder.dir.read("drem.dat"), old);
    EXPECT_EQ(folder.dir.listing(), "drem.dat");
    EXPECT_EQ(game.db.nitems, 3);
    EXPECT_EQ(game.db.items[2], changed);
}

struct KeepRow {
    const char* rule;
    std::vector<std::string> earlierCopies;
    std::string keptAs;
};

TEST(DatabaseFileNotReadWhole, IsKeptUnderAFreeNameBeforeTheFirstSave) {
    const std::vector<KeepRow> rows = {
        {"the first copy", {}, "drem.dat.bad"},
        {"an earlier copy is never overwritten", {"drem.dat.bad"}, "drem.dat.bad2"},
        {"nor are several", {"drem.dat.bad", "drem.dat.bad2"}, "drem.dat.bad3"},
    };
    const std::string original = numberedRecords(501);
    for (const KeepRow& row : rows) {
        SCOPED_TRACE(row.rule);
        ProgramFolder folder;
        RecordingHost host;
        Game game{host};
        folder.dir.write("drem.dat", original);
        for (const std::string& copy : row.earlierCopies)
            folder.dir.write(copy, "earlier " + copy);
        loaddb(game);
        host.messages.clear();

        EXPECT_TRUE(writedb(game, "drem.dat"));
        EXPECT_EQ(folder.dir.read(row.keptAs), original);
        for (const std::string& copy : row.earlierCopies)
            EXPECT_EQ(folder.dir.read(copy), "earlier " + copy);
        EXPECT_EQ(folder.dir.read("drem.dat"), numberedRecords(500));
        EXPECT_EQ(host.messageTexts(),
                  std::vector<std::string>{"drem.dat was saved with the 500 items the editor "
                                           "holds. The file as it was before is kept as " +
                                           row.keptAs + "."});

        const std::string listing = folder.dir.listing();
        EXPECT_TRUE(writedb(game, "drem.dat"));
        EXPECT_EQ(folder.dir.listing(), listing) << "the file is kept once";
    }
}

TEST_F(DatabaseFile, AFileNotReadWholeThatCannotBeKeptIsNotSavedOver) {
    const std::string original = numberedRecords(501);
    folder.dir.write("drem.dat", original);
    folder.dir.write("drem.dat.bad", "earlier");
    for (int copy = 2; copy <= 99; ++copy)
        folder.dir.write("drem.dat.bad" + std::to_string(copy), "earlier");
    loaddb(game);
    host.messages.clear();
    EXPECT_FALSE(writedb(game, "drem.dat"));
    EXPECT_EQ(folder.dir.read("drem.dat"), original);
    EXPECT_EQ(host.messageTexts(),
              std::vector<std::string>{"File exists\r\ndrem.dat was not saved: the editor could "
                                       "not read all of it, and it could not be kept aside "
                                       "first. Your changes last until the program ends."});
}

TEST_F(DatabaseFile, AFolderInThePlaceOfTheFileIsReportedOnSave) {
    std::filesystem::create_directory(folder.dir.path() / "drem.dat");
    writedb(game, "drem.dat");
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"Is a directory\r\nwritedb drem.dat"});
    EXPECT_TRUE(std::filesystem::is_directory(folder.dir.path() / "drem.dat"));
}

} // namespace
} // namespace stratavex
