// SPDX-License-Identifier: MIT
// Broken files of every kind the game reads: each gives its defined result and
// message, and none crashes the reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/config.h"
#include "base/media.h"
#include "base/settings.h"
#include "database/items.h"
#include "engine/game.h"
#include "scores/hof.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::ProgramFolder;
using testing::RecordingHost;

const std::string separatorLine = "\"************************\"\r\n";

std::string record(const std::string& name, const std::string& dif = "1",
                   const std::string& desc = "A plant eater.") {
    return separatorLine + "\"" + name + "\"," + dif + ",0,\"\"\r\n\"say\"\r\n" +
           "\"Greek\",\"tr\",\"why\"\r\n\"Ornithischia\",\"Ornithopoda\",\"Fam\"\r\n" +
           "\"30 ft\",\"5 tons\"\r\n\"Europe\",\"Early Cretaceous\",\"plant\"\r\n\"" + desc +
           "\"\r\n";
}

std::string records(int n) {
    std::string out;
    for (int i = 1; i <= n; ++i)
        out += record("Dino" + std::to_string(i));
    return out;
}

std::string allBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

const std::string tenMegabytes(10 * 1024 * 1024, 'x');
// A field as long as a file of its kind may hold.
const std::string threeMegabytes(3 * 1024 * 1024, 'x');
const std::string sixtyKilobytes(60 * 1024, 'x');

struct DbCase {
    const char* rule;
    std::string bytes;
    int items;           // complete records read
    std::string message; // empty: none
    std::function<void(const ItemTable&)> check = [](const ItemTable&) {};
};

TEST(MalformedDatabase, EachBrokenFileGivesItsRecordsAndItsMessage) {
    const std::string pastEnd = "Input past end of file\r\nlast item ";
    const std::vector<DbCase> rows = {
        {"an empty file is an empty table", "", 0, ""},
        {"only line ends hold no record and end inside the first", "\r\n\r\n\r\n", 0,
         pastEnd + "0 "},
        {"an unterminated quote runs to the end of the file",
         record("Iguanodon") + separatorLine + "\"Allosaurus,2,0\r\n", 1, pastEnd + "1 Iguanodon"},
        {"binary bytes that begin with a NUL are not the database's text", allBytes() + allBytes(),
         0,
         "The file is not text in the database's format: it begins as UTF-16 text does\r\n"
         "last item 0 "},
        {"binary bytes with NUL after some text end inside a record",
         "text " + allBytes() + allBytes(), 0, pastEnd + "0 "},
        {"numbers beyond 16 bits saturate", record("Big", "70000") + record("Small", "-70000"), 2,
         "",
         [](const ItemTable& t) {
             EXPECT_EQ(t.items[1].dif, 32767);
             EXPECT_EQ(t.items[2].dif, -32768);
         }},
        {"text where a number belongs reads as 0", record("Word", "hard"), 1, "",
         [](const ItemTable& t) {
             EXPECT_EQ(t.items[1].dif, 0);
             EXPECT_EQ(t.items[1].image, "");
         }},
        {"a record missing its last lines is dropped",
         record("Iguanodon") + separatorLine + "\"Allosaurus\",2,0,\"\"\r\n\"say\"\r\n", 1,
         pastEnd + "1 Iguanodon"},
        {"extra lines after the last record start a record that never ends",
         record("Iguanodon") + "\"stray\"\r\n\"lines\"\r\n", 1, pastEnd + "1 Iguanodon"},
        {"500 records are all read", records(500), 500, ""},
        {"a 501st record is refused", records(501), 500,
         "More than 500 records in the file\r\nlast item 500 Dino500"},
        {"a 3 MB field is read whole", record("Long", "1", threeMegabytes), 1, "",
         [](const ItemTable& t) { EXPECT_TRUE(t.items[1].desc == threeMegabytes); }},
        {"a 10 MB field makes the file too large to read", record("Long", "1", tenMegabytes), 0,
         "File too large\r\nlast item 0 "},
    };
    for (const DbCase& row : rows) {
        SCOPED_TRACE(row.rule);
        ProgramFolder folder;
        folder.dir.write("drem.dat", row.bytes);
        RecordingHost host;
        Game game(host);
        readdb(game, "drem.dat");
        EXPECT_EQ(game.db.nitems, row.items);
        EXPECT_EQ(host.messageTexts(), row.message.empty() ? std::vector<std::string>{}
                                                           : std::vector<std::string>{row.message});
        row.check(game.db);
        EXPECT_EQ(folder.dir.read("drem.dat"), row.bytes) << "reading never rewrites the file";
    }
}

TEST(DatabaseText, EveryByteButTheQuoteSurvivesWritingAndReading) {
    ItemTable table;
    table.nitems = 1;
    std::string every;
    for (int b = 0; b < 256; ++b)
        if (b != '"')
            every += static_cast<char>(b);
    table.items[1].name = every;
    table.items[1].desc = every;
    table.items[1].era = "Early Cretaceous";
    ItemTable back;
    const ReadResult r = parsedb(formatdb(table), back);
    EXPECT_EQ(r.error, "");
    ASSERT_EQ(back.nitems, 1);
    // Line ends and commas inside the quotes belong to the field.
    EXPECT_EQ(back.items[1].name, every);
    EXPECT_EQ(back.items[1].desc, every);
}

TEST(DatabaseText, ADoubleQuoteIsWrittenAsASingleOne) {
    ItemTable table;
    table.nitems = 1;
    table.items[1].name = "The \"king\"";
    ItemTable back;
    parsedb(formatdb(table), back);
    EXPECT_EQ(back.items[1].name, "The 'king'");
}

struct IniCase {
    const char* rule;
    std::string bytes;
    int values;
    std::function<void(const Settings&, const Config&)> check = [](const Settings&, const Config&) {
    };
};

TEST(MalformedConfiguration, EachBrokenFileKeepsTheDefaultsItDoesNotSupply) {
    const Settings defaults;
    const Config defaultConfig;
    const std::string complete = formatIni(Settings{}, Config{});
    const auto keepsDefaults = [&](const Settings& s, const Config&) {
        EXPECT_EQ(s.nquest, defaults.nquest);
        EXPECT_EQ(s.mindif, defaults.mindif);
    };
    const std::vector<IniCase> rows = {
        {"an empty file supplies nothing", "", 0, keepsDefaults},
        {"only line ends read as zeros, and too few questions become one", "\r\n\r\n\r\n", 3,
         [](const Settings& s, const Config&) {
             EXPECT_EQ(s.nquest, 1);
             EXPECT_EQ(s.maxdif, 1);
         }},
        {"an unterminated quote", " 1 3 5 1 0 1\r\n\"Ann\r\n", 7,
         [](const Settings& s, const Config& c) {
             EXPECT_EQ(s.nquest, 5);
             EXPECT_EQ(c.playername, "Ann\r\n");
         }},
        {"binary bytes with NUL", allBytes(), -1, [](const Settings&, const Config&) {}},
        {"numbers beyond 16 bits saturate and are then kept in range", " 1 70000 -70000\r\n", 3,
         [](const Settings& s, const Config&) {
             EXPECT_EQ(s.maxdif, 4);
             EXPECT_EQ(s.nquest, 1);
         }},
        {"text where a number belongs reads as 0", "one two\r\n", -1,
         [](const Settings&, const Config&) {}},
        {"missing lines keep the rest at their defaults", " 1 3 5 1\r\n", 4,
         [&](const Settings& s, const Config& c) {
             EXPECT_EQ(s.nquest, 5);
             EXPECT_EQ(s.soundon, defaults.soundon);
             EXPECT_EQ(c.playername, defaultConfig.playername);
         }},
        {"extra lines after a complete file are ignored", complete + " 7 7 7\r\n\"more\"\r\n", -1,
         keepsDefaults},
        {"501 lines of numbers",
         std::string(501 * 4, ' ') +
             [] {
                 std::string lines;
                 for (int i = 0; i < 501; ++i)
                     lines += " 2\r\n";
                 return lines;
             }(),
         -1, [](const Settings&, const Config&) {}},
        {"a 10 MB name is read whole", " 1 3 5 1 0 1\r\n\"" + tenMegabytes + "\"\r\n", 7,
         [](const Settings&, const Config& c) { EXPECT_EQ(c.playername, tenMegabytes); }},
    };
    for (const IniCase& row : rows) {
        SCOPED_TRACE(row.rule);
        Settings s;
        Config c;
        const int values = parseIni(row.bytes, s, c);
        if (row.values >= 0) {
            EXPECT_EQ(values, row.values);
        }
        row.check(s, c);
        // Whatever was read, the game is left playable.
        EXPECT_GE(s.maxdif, 1);
        EXPECT_LE(s.maxdif, 4);
        EXPECT_GE(s.nquest, 1);
        EXPECT_LE(s.nquest, 10);
    }
}

std::string hofEntry(const std::string& score) {
    return " " + score + " \r\n 80 \r\n 0 \r\ndrem    \r\n\"3  Ann\"\r\n08/12/2026\r\n";
}

struct HofCase {
    const char* rule;
    std::string bytes;
    bool readable;
    int entries;
};

TEST(MalformedHallOfFame, ABrokenFileIsKeptAsideAndTheListStartsEmpty) {
    const std::vector<HofCase> rows = {
        {"an empty file is an empty list", "", true, 0},
        {"only line ends are an empty list", "\r\n\r\n\r\n", true, 0},
        {"an unterminated quote in a name is just text",
         " 1 \r\n 120 \r\n 80 \r\n 0 \r\ndrem    \r\n\"3  Ann\r\n08/12/2026\r\n", true, 1},
        {"binary bytes with NUL", allBytes(), false, 0},
        {"a count beyond 16 bits", " 70000 \r\n" + hofEntry("120"), false, 0},
        {"text where the count belongs", "many\r\n" + hofEntry("120"), false, 0},
        {"missing lines", " 2 \r\n" + hofEntry("120"), false, 0},
        {"extra lines after the last entry are ignored", " 1 \r\n" + hofEntry("120") + "more\r\n",
         true, 1},
        {"a count of 501", " 501 \r\n" + hofEntry("120"), false, 0},
        {"a 60 KB name",
         " 1 \r\n 120 \r\n 80 \r\n 0 \r\ndrem    \r\n\"" + sixtyKilobytes + "\"\r\n08/12/2026\r\n",
         true, 1},
        {"a score beyond 16 bits", " 1 \r\n" + hofEntry("70000"), false, 0},
        {"text where the score belongs", " 1 \r\n" + hofEntry("many"), false, 0},
    };
    for (const HofCase& row : rows) {
        SCOPED_TRACE(row.rule);
        HallOfFame table;
        EXPECT_EQ(parseHof(row.bytes, table), row.readable);
        EXPECT_EQ(table.hofcount, row.entries);

        ProgramFolder folder;
        folder.dir.write(hofFile, row.bytes);
        RecordingHost host;
        Game game(host);
        getHOF(game.host, game.hof);
        EXPECT_EQ(game.hof.hofcount, row.entries);
        if (row.readable) {
            EXPECT_TRUE(host.messages.empty());
            EXPECT_EQ(folder.dir.read(hofFile), row.bytes);
        } else {
            EXPECT_EQ(host.messageTexts(),
                      std::vector<std::string>{"The Hall of Fame file drem.hof could not be read. "
                                               "It was kept as drem.hof.bad and the Hall of Fame "
                                               "starts empty."});
            EXPECT_EQ(folder.dir.read(hofBadFile), row.bytes) << "nothing that was there is lost";
        }
    }
}

struct SoundCase {
    const char* rule;
    std::string bytes;
    int names;         // names read, from the first
    std::string fifth; // the sixth effect (number 5), played after a short list
};

std::string soundNames(int n) {
    std::string list;
    for (int i = 0; i < n; ++i)
        list += "\"s" + std::to_string(i) + ".wav\"\r\n";
    return list;
}

TEST(MalformedSoundList, AShortListKeepsItsNamesAndNothingCrashes) {
    const std::vector<SoundCase> rows = {
        {"an empty file", "", 0, ""},
        {"only line ends are empty names", "\r\n\r\n\r\n", 3, ""},
        {"an unterminated quote takes the rest of the file", "\"s0.wav\r\n\"s1.wav\"\r\n", 2, ""},
        {"binary bytes with NUL", allBytes(), -1, ""},
        {"numbers are names like any other", "70000\r\n", 1, ""},
        {"missing lines", soundNames(6), 6, "s5.wav"},
        {"extra lines are ignored", soundNames(16) + "\"extra.wav\"\r\n", 16, "s5.wav"},
        {"501 names", soundNames(501), 16, "s5.wav"},
        {"a 60 KB name", "\"" + sixtyKilobytes + "\"\r\n", 1, ""},
    };
    for (const SoundCase& row : rows) {
        SCOPED_TRACE(row.rule);
        ProgramFolder folder;
        folder.dir.write("dremsnd.dat", row.bytes);
        RecordingHost host;
        host.folder = folder.dir.path().string();
        Game game(host);
        getMedia(game);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(game.media.sndfile[nSounds], "") << "the last entry stays empty";
        for (int n = std::max(row.names, 0); row.names >= 0 && n < nSounds; ++n) {
            EXPECT_EQ(game.media.sndfile[static_cast<std::size_t>(n)], "") << n;
        }
        if (row.names >= 6) {
            EXPECT_EQ(game.media.sndfile[5], row.fifth);
        }
    }
}

} // namespace
} // namespace stratavex
