// SPDX-License-Identifier: MIT
#include "tools/checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "database/eras.h"
#include "support/sample_items.h"
#include "support/temp_dir.h"

namespace stratavex {
namespace {

using testing::TempDir;

// Seven items from which the game can build every question type at every
// maximum difficulty: three share an era and a suborder, three plant eaters
// sit in different families, and everything a question compares is distinct.
itemrec goodItem(int n) {
    static const char* const eras[] = {"Late Cretaceous", "Late Cretaceous", "Late Cretaceous",
                                       "Late Jurassic",   "Early Jurassic",  "Late Triassic",
                                       "Early Cretaceous"};
    static const char* const places[] = {"Asia (China)",  "Africa (Niger)", "Europe (England)",
                                         "North America", "South America",  "Australia",
                                         "Antarctica"};
    const std::string k = std::to_string(n);
    itemrec it;
    it.name = "Dino" + std::string(1, static_cast<char>('a' + n));
    it.dif = 1;
    it.artist = 1;
    it.image = "pic" + k + ".jpg";
    it.pronounce = "DY-no";
    it.roots = "Greek";
    it.translation = "lizard " + k;
    it.whynamed = "For reason " + k + ".";
    it.order = "Order " + k;
    it.suborder = n < 3 ? "Suborder shared" : "Suborder " + k;
    it.family = "Family " + k;
    it.length = std::to_string(10 + n) + " ft";
    it.weight = std::to_string(100 + n) + " lbs";
    it.found = places[n];
    it.era = eras[n];
    it.diet = n == 3 ? "meat" : "plant";
    static const char* const descriptions[] = {"Walked on two legs.",
                                               "Had a long neck and tail.",
                                               "Carried plates along its back.",
                                               "Swam in shallow seas.",
                                               "Wore three horns on its face.",
                                               "Glided between tall trees.",
                                               "Dug burrows in river banks."};
    it.desc = descriptions[n];
    return it;
}

constexpr int nGood = 7;

std::unique_ptr<ItemTable> tableOf(const std::vector<itemrec>& items) {
    auto table = std::make_unique<ItemTable>();
    // The loader derives the era span; a spoiled era must not keep the old one.
    for (itemrec it : items) {
        it.erarange = eraSpan(it.era);
        table->items[static_cast<std::size_t>(++table->nitems)] = it;
    }
    table->itemuse.assign(static_cast<std::size_t>(table->nitems) + 1, 0);
    return table;
}

std::vector<itemrec> goodItems() {
    std::vector<itemrec> items;
    for (int n = 0; n < nGood; ++n)
        items.push_back(goodItem(n));
    return items;
}

PictureFile allPicturesThere(const std::string&) {
    return PictureFile::fine;
}

// The first bytes of a JPEG file as drawing programs write it (JFIF).
const std::string jpegFileStart = "\xFF\xD8\xFF\xE0";

std::vector<std::string> textsOf(const std::vector<Finding>& findings, int item) {
    std::vector<std::string> texts;
    for (const Finding& f : findings)
        if (f.item == item)
            texts.push_back(f.text);
    return texts;
}

TEST(CheckItems, ACompleteWellFormedTableGivesNoWarning) {
    const auto table = tableOf(goodItems());
    EXPECT_EQ(checkItems(*table, allPicturesThere), std::vector<Finding>{});
}

struct BadRecord {
    const char* rule;
    std::function<void(itemrec&)> spoil;
    // The warnings the spoiled item gives, all of them; empty: none.
    std::vector<std::string> warnings;
};

const std::string longText(std::size_t n) {
    return std::string(n, 'x');
}

const std::vector<BadRecord> badRecords = {
    {"an era name that differs from the table only in its capitals is not in the table",
     [](itemrec& it) { it.era = "late jurassic"; },
     {"era \"late jurassic\" is not in the era table"}},
    {"an empty field that a question type needs",
     [](itemrec& it) { it.whynamed = ""; },
     {"field whynamed is empty (needed by \"Why named\")"}},
    {"a single blank counts as an empty field",
     [](itemrec& it) { it.diet = " "; },
     {"field diet is empty (needed by \"Diet by image?\", \"Diet by family?\")"}},
    {"an empty name is needed everywhere",
     [](itemrec& it) { it.name = ""; },
     {"field name is empty (needed by every question type)"}},
    {"a picture named but missing",
     [](itemrec& it) { it.image = "gone.jpg"; },
     {"picture \"gone.jpg\" is missing"}},
    {"a picture file that is not a JPEG",
     [](itemrec& it) { it.image = "drawing.png"; },
     {"picture \"drawing.png\" is not a JPEG file"}},
    {"a record without a picture",
     [](itemrec& it) { it.image = ""; },
     {"no picture (the picture questions leave it out)"}},
    {"a single blank is no picture",
     [](itemrec& it) { it.image = " "; },
     {"no picture (the picture questions leave it out)"}},
    {"a description that names the item, in any capitals",
     [](itemrec& it) { it.desc = "Unlike most, dinoz had a beak."; },
     {"description (desc) contains the item's own name \"Dinoz\""}},
    {"a description that names the genus of a two-word name",
     [](itemrec& it) {
         it.name = "Dinoz rex";
         it.desc = "Dinoz was a hunter.";
     },
     {"description (desc) contains the item's own name \"Dinoz\""}},
    {"an abbreviated first word is not looked for",
     [](itemrec& it) {
         it.name = "T. dinoz";
         it.desc = "It ate only what grew on the forest floor, like a goat.";
     },
     {}},
    {"a reason for the name that contains the name",
     [](itemrec& it) { it.whynamed = "Dinoz means lizard."; },
     {"reason for the name (whynamed) contains the item's own name \"Dinoz\""}},
    {"a length whose numeric value is 0",
     [](itemrec& it) { it.length = "unknown"; },
     {"length \"unknown\" has the numeric value 0"}},
    {"a weight whose numeric value is 0",
     [](itemrec& it) { it.weight = "about a ton"; },
     {"weight \"about a ton\" has the numeric value 0"}},
    {"a length that sorting would misread as feet",
     [](itemrec& it) { it.length = "12 m"; },
     {"length \"12 m\" is not in feet: sorting compares its number as feet"}},
    {"a weight that sorting would misread as pounds",
     [](itemrec& it) { it.weight = "300 kg"; },
     {"weight \"300 kg\" is not in lbs or tons: sorting compares its number as pounds"}},
    {"a weight with a thousands comma is read correctly",
     [](itemrec& it) { it.weight = "1,500 lbs"; },
     {}},
    {"a length with more than its unit, such as a wingspan",
     [](itemrec& it) { it.length = "23 ft wingspan"; },
     {"length \"23 ft wingspan\" is not written as the others are: a number and \"ft\" alone"}},
    {"a weight in another unit with \"ton\" in its name",
     [](itemrec& it) { it.weight = "7 tonnes"; },
     {"weight \"7 tonnes\" is not written as the others are: a number and \"lbs\" or "
      "\"tons\" alone"}},
    {"one ton and one pound are written in the singular",
     [](itemrec& it) {
         it.weight = "1 ton";
         it.length = "6.5 ft";
     },
     {}},
    {"difficulty below 1", [](itemrec& it) { it.dif = 0; }, {"difficulty 0 is outside 1..3"}},
    {"difficulty above 3", [](itemrec& it) { it.dif = 4; }, {"difficulty 4 is outside 1..3"}},
    {"artist above 4", [](itemrec& it) { it.artist = 5; }, {"artist 5 is outside 0..4"}},
    {"artist below 0", [](itemrec& it) { it.artist = -1; }, {"artist -1 is outside 0..4"}},
    {"a name that an earlier item already has",
     [](itemrec& it) { it.name = "Dinoa"; },
     {"duplicate name: item 1 has the same name"}},
    {"a description of 101 characters is marked in a Desc and name export",
     [](itemrec& it) { it.desc = longText(101); },
     {"\"Desc and name\" description is 101 characters long; a tabbed export marks more "
      "than 100 as TOO LONG"}},
    {"a description of exactly 100 characters is not marked",
     [](itemrec& it) { it.desc = longText(100); },
     {}},
    {"an era answer of 61 characters on the choice screen",
     [](itemrec& it) { it.era = longText(61); },
     {"era \"" + longText(61) + "\" is not in the era table",
      "\"When did this one live?\" answer is 61 characters long; a tabbed export marks "
      "more than 60 as TOO LONG"}},
    {"an odd-one-out question over 130 characters",
     [](itemrec& it) { it.diet = "plant " + longText(104); },
     // "Which was not a " + diet + " eater" + "?"
     {"\"Diet by family?\" question is 133 characters long; a tabbed export marks more than "
      "130 as TOO LONG"}},
    {"a matching question and its description over 130 characters",
     [](itemrec& it) { it.found = "Asia " + longText(100); },
     // "Where were they found?" + " -- " + found
     {"\"Where found?\" question with its description is 131 characters long; a tabbed "
      "export marks more than 130 as TOO LONG"}},
    {"a hint shown at low difficulty makes a matching answer too long",
     [](itemrec& it) { it.order = longText(55); },
     // name (order) at maximum difficulty 2 or less: 5 + 2 + 55 + 1
     {"\"Family\" answer is 63 characters long; a tabbed export marks more than 60 as "
      "TOO LONG"}},
    {"that hint is never shown for an item asked only from difficulty 3",
     [](itemrec& it) {
         it.dif = 3;
         it.order = longText(55);
     },
     {}},
};

class BadRecords : public ::testing::TestWithParam<BadRecord> {};

TEST_P(BadRecords, GiveTheirWarning) {
    std::vector<itemrec> items = goodItems();
    itemrec bad = goodItem(6);
    bad.name = "Dinoz";
    bad.image = "picz.jpg";
    GetParam().spoil(bad);
    items.push_back(bad);
    const auto table = tableOf(items);
    const auto pictures = [](const std::string& image) {
        if (image == "gone.jpg")
            return PictureFile::missing;
        return image == "drawing.png" ? PictureFile::notJpeg : PictureFile::fine;
    };
    const std::vector<Finding> findings = checkItems(*table, pictures);
    EXPECT_EQ(textsOf(findings, nGood + 1), GetParam().warnings) << GetParam().rule;
    EXPECT_EQ(textsOf(findings, 0), std::vector<std::string>{});
    for (const Finding& f : findings)
        EXPECT_EQ(f.name, bad.name);
}

INSTANTIATE_TEST_SUITE_P(Checker, BadRecords, ::testing::ValuesIn(badRecords));

// Buildability on small hand-made tables.

bool buildable(const std::vector<itemrec>& items, int qtype, int maxdif) {
    return canBuild(*tableOf(items), qtype, maxdif);
}

TEST(BuildTable, EveryQuestionTypeCanBeBuiltFromTheCompleteTable) {
    const BuildTable table = buildTable(*tableOf(goodItems()));
    for (int code = 1; code <= nQuestionTypes; ++code)
        for (int maxdif = 1; maxdif <= highestMaxdif; ++maxdif)
            EXPECT_TRUE(table[code - 1][maxdif - 1]) << "type " << code << " maxdif " << maxdif;
}

TEST(BuildTable, AnEmptyTableBuildsNothing) {
    const BuildTable table = buildTable(ItemTable{});
    for (const auto& row : table)
        for (bool yes : row)
            EXPECT_FALSE(yes);
}

TEST(BuildTable, ItemsAboveTheMaximumDifficultyAreNotUsed) {
    std::vector<itemrec> items = goodItems();
    for (itemrec& it : items)
        it.dif = 2;
    EXPECT_FALSE(buildable(items, 2, 1));
    EXPECT_TRUE(buildable(items, 2, 2));
}

TEST(BuildTable, EachScreenNeedsItsOwnNumberOfItems) {
    // Four pictured items: enough for the picture matching (4) and Name Me (1),
    // not for the five-way choice (5).
    std::vector<itemrec> items = goodItems();
    items.resize(4);
    EXPECT_TRUE(buildable(items, 1, 1));
    EXPECT_TRUE(buildable(items, 4, 1));
    EXPECT_FALSE(buildable(items, 2, 1));
    EXPECT_FALSE(buildable(items, 18, 1));
    // One pictured item is still a Name Me puzzle, but no picture match.
    std::vector<itemrec> one = goodItems();
    for (std::size_t i = 1; i < one.size(); ++i)
        one[i].image = "";
    EXPECT_TRUE(buildable(one, 4, 1));
    EXPECT_FALSE(buildable(one, 1, 1));
}

TEST(BuildTable, TheFivePickedAnswersMustDiffer) {
    std::vector<itemrec> items = goodItems();
    items.resize(5);
    EXPECT_TRUE(buildable(items, 14, 1));
    items[4].weight = items[0].weight;
    EXPECT_FALSE(buildable(items, 14, 1));
}

TEST(BuildTable, PlacesThatContainEachOtherCountAsTheSame) {
    std::vector<itemrec> items = goodItems();
    items.resize(5);
    EXPECT_TRUE(buildable(items, 18, 1));
    items[4].found = "Asia";
    EXPECT_FALSE(buildable(items, 18, 1));
}

TEST(BuildTable, AFamilyThatGivesTheNameAwayIsLeftOutFromDifficulty2) {
    std::vector<itemrec> items = goodItems();
    items.resize(5);
    items[4].name = "Examplosaurus";
    items[4].family = "Examplosauridae";
    EXPECT_TRUE(buildable(items, 7, 1));
    EXPECT_FALSE(buildable(items, 7, 2));
}

TEST(BuildTable, OddOneOutNeedsThreeDifferentNamesOfOneEra) {
    // goodItems: three of the Late Cretaceous, the others of other eras.
    std::vector<itemrec> items = goodItems();
    EXPECT_TRUE(buildable(items, 10, 1));
    // Two of each era: the screen cannot show three different names of one era.
    items[2].era = "Late Jurassic";
    items[5].era = "Early Jurassic";
    items[6].era = "Late Triassic";
    EXPECT_FALSE(buildable(items, 10, 1));
}

TEST(BuildTable, DietByFamilyNeedsThreeFamiliesOfOneDiet) {
    std::vector<itemrec> items = goodItems();
    items.resize(4); // plant eaters 0..2, meat eater 3
    EXPECT_TRUE(buildable(items, 8, 1));
    items[1].family = items[0].family;
    EXPECT_FALSE(buildable(items, 8, 1));
}

TEST(BuildTable, ThePictureOddOneOutMayShowOneItemTwice) {
    // One plant eater and one meat eater: the picture screen repeats an item
    // where the text screen would pick again.
    std::vector<itemrec> items = goodItems();
    items.erase(items.begin() + 1, items.begin() + 3);
    items.resize(2); // items 0 and 3 of the complete table
    ASSERT_EQ(items[1].diet, "meat");
    EXPECT_TRUE(buildable(items, 5, 1));
    EXPECT_FALSE(buildable(items, 8, 1));
}

// Reading as the game does.

std::string fileOf(const std::vector<itemrec>& items) {
    return formatdb(*tableOf(items));
}

TEST(CheckDatabase, ACutShortRecordIsAnErrorWithTheGamesMessage) {
    std::vector<itemrec> items = goodItems();
    items.resize(nGood - 1);
    const std::string bytes = fileOf(items) + "\"****\"\r\n\"Dinog\",1,1,\"pic6.jpg\"\r\n";
    const CheckReport report = checkDatabase(bytes, allPicturesThere);
    EXPECT_EQ(report.nitems, nGood - 1);
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_EQ(report.errors[0].text, "Input past end of file\r\nlast item 6 Dinof");
    EXPECT_FALSE(report.passes(false));
}

TEST(CheckDatabase, MoreThan500RecordsIsAnError) {
    std::vector<itemrec> items;
    for (int n = 1; n <= maxItems + 1; ++n) {
        itemrec it = goodItem(n % nGood);
        it.name = "Dino" + std::to_string(n);
        items.push_back(it);
    }
    std::string bytes;
    for (const itemrec& it : items)
        bytes += formatdb(*tableOf({it}));
    const CheckReport report = checkDatabase(bytes, allPicturesThere);
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_EQ(report.errors[0].text, "More than 500 records in the file\r\nlast item 500 Dino500");
}

TEST(CheckDatabase, ReportsTheItemCountAndPassesACleanFile) {
    const CheckReport report = checkDatabase(fileOf(goodItems()), allPicturesThere);
    EXPECT_EQ(report.nitems, nGood);
    EXPECT_TRUE(report.errors.empty());
    EXPECT_TRUE(report.warnings.empty());
    EXPECT_EQ(report.unbuildable(), 0);
    EXPECT_TRUE(report.passes(true));
}

TEST(CheckReport, WarningsFailOnlyAStrictCheckAndUnbuildableTypesAlwaysFail) {
    CheckReport report;
    for (auto& row : report.buildable)
        row.fill(true);
    report.warnings.push_back({1, "Dinoa", "something"});
    EXPECT_TRUE(report.passes(false));
    EXPECT_FALSE(report.passes(true));
    report.warnings.clear();
    report.buildable[18][0] = false;
    EXPECT_EQ(report.unbuildable(), 1);
    EXPECT_FALSE(report.passes(false));
}

TEST(FormatBuildTable, ShowsQuestionTypesAsRowsAndDifficultiesAsColumns) {
    BuildTable table{};
    for (auto& row : table)
        row.fill(true);
    table[1][0] = false; // "Desc and name" at maximum difficulty 1
    const std::string text = formatBuildTable(table);
    std::istringstream lines(text);
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(header, "Question type                   1    2    3    4");
    EXPECT_EQ(first, "Image with name                 yes  yes  yes  yes");
    EXPECT_EQ(second, "Desc and name                   NO   yes  yes  yes");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + nQuestionTypes);
}

// A database folder with the references of every record and no picture yet.
void writeDatabaseAndSources(const TempDir& dir, const std::vector<itemrec>& items) {
    dir.write("drem.dat", fileOf(items));
    std::string sources;
    for (const itemrec& it : items)
        sources += "- " + it.name + ": https://example.org\n";
    dir.write("SOURCES.md", sources);
}

TEST(CheckFile, LooksUpPicturesInTheDatabasesFolder) {
    TempDir dir;
    std::vector<itemrec> items = goodItems();
    writeDatabaseAndSources(dir, items);
    for (int n = 0; n < nGood - 1; ++n)
        dir.write(items[n].image, jpegFileStart);
    const FileCheck checked = checkFile(dir.file("drem.dat"));
    EXPECT_EQ(checked.failure, "");
    ASSERT_EQ(checked.report.warnings.size(), 1u);
    EXPECT_EQ(checked.report.warnings[0].item, nGood);
    EXPECT_EQ(checked.report.warnings[0].text, "picture \"pic6.jpg\" is missing");
}

TEST(CheckFile, ReadsTheReferencesBesideTheDatabase) {
    TempDir dir;
    std::vector<itemrec> items = goodItems();
    dir.write("drem.dat", fileOf(items));
    for (const itemrec& it : items)
        dir.write(it.image, jpegFileStart);
    const FileCheck without = checkFile(dir.file("drem.dat"));
    ASSERT_EQ(without.report.warnings.size(), 1u);
    EXPECT_EQ(without.report.warnings[0].item, 0);
    dir.write("SOURCES.md", "- " + items[0].name + ": https://example.org\n");
    const FileCheck partly = checkFile(dir.file("drem.dat"));
    EXPECT_EQ(partly.report.warnings.size(), static_cast<std::size_t>(nGood - 1));
}

struct PictureContents {
    const char* rule;
    std::optional<std::string> bytes; // nullopt: a folder in the picture's place
    std::vector<std::string> warnings;
};

class PictureFiles : public ::testing::TestWithParam<PictureContents> {};

TEST_P(PictureFiles, AreJudgedByTheirFirstBytes) {
    TempDir dir;
    const std::vector<itemrec> items = goodItems();
    writeDatabaseAndSources(dir, items);
    for (int n = 1; n < nGood; ++n)
        dir.write(items[n].image, jpegFileStart);
    if (GetParam().bytes)
        dir.write(items[0].image, *GetParam().bytes);
    else
        std::filesystem::create_directory(dir.path() / items[0].image);
    const FileCheck checked = checkFile(dir.file("drem.dat"));
    EXPECT_EQ(textsOf(checked.report.warnings, 1), GetParam().warnings) << GetParam().rule;
    EXPECT_EQ(checked.report.warnings.size(), GetParam().warnings.size()) << GetParam().rule;
}

const std::string notJpeg = "picture \"pic0.jpg\" is not a JPEG file";

INSTANTIATE_TEST_SUITE_P(
    Checker, PictureFiles,
    ::testing::Values(
        PictureContents{"a JPEG file", jpegFileStart, {}},
        PictureContents{"the three bytes every JPEG starts with are enough", "\xFF\xD8\xFF", {}},
        PictureContents{"text named like a JPEG", "jpeg", {notJpeg}},
        PictureContents{"a PNG file named like a JPEG", "\x89PNG\r\n\x1A\n", {notJpeg}},
        PictureContents{"a JPEG cut short after its first two bytes", "\xFF\xD8", {notJpeg}},
        PictureContents{"an empty file", "", {notJpeg}},
        PictureContents{
            "a folder is no picture file", std::nullopt, {"picture \"pic0.jpg\" is missing"}}));

TEST(CheckFile, AMissingFileSaysSo) {
    TempDir dir;
    const FileCheck checked = checkFile(dir.file("none.dat"));
    EXPECT_EQ(checked.failure,
              "cannot read \"" + dir.file("none.dat") + "\": No such file or directory");
}

// Normalize.

const std::string canonicalRecord = testing::examplosaurusRecord();

// The same record with its fields grouped differently, an unquoted separator
// and five fields on the name's line: only the field sequence counts.
const std::string regroupedRecord = "*****\r\n"
                                    "\"Examplosaurus\",2,0,\"\",\"ex-AMP-lo-SAWR-us\"\r\n"
                                    "\"Latin\",\"example lizard\"\r\n"
                                    "\"named for this example\",\"Order A\"\r\n"
                                    "\"Suborder B\",\"Family C\",\"20 ft\",\"2 tons\",\"Asia\"\r\n"
                                    "\"Late Cretaceous\"\r\n\"meat\"\r\n"
                                    "\"A made-up record for illustration.\"\r\n";

TEST(Normalize, RegroupedFieldsComeOutInTheCanonicalLayout) {
    const Normalized n = normalizeDatabase(regroupedRecord + regroupedRecord);
    EXPECT_EQ(n.failure, "");
    EXPECT_EQ(n.nitems, 2);
    EXPECT_EQ(n.bytes, canonicalRecord + canonicalRecord);
}

TEST(Normalize, ACanonicalFileStaysByteForByte) {
    EXPECT_EQ(normalizeDatabase(canonicalRecord).bytes, canonicalRecord);
}

TEST(Normalize, ReplacesTheOutputFile) {
    TempDir dir;
    dir.write("in.dat", regroupedRecord);
    dir.write("out.dat", "old contents");
    const NormalizeOutcome outcome = normalizeFile(dir.file("in.dat"), dir.file("out.dat"));
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.message, "wrote 1 item to \"" + dir.file("out.dat") + "\"");
    EXPECT_EQ(dir.read("out.dat"), canonicalRecord);
    EXPECT_EQ(dir.listing(), "in.dat out.dat");
}

TEST(Normalize, AFileTheGameCannotReadCompletelyWritesNothing) {
    TempDir dir;
    dir.write("in.dat", canonicalRecord + "\"****\"\r\n\"Cut\",1\r\n");
    dir.write("out.dat", "old contents");
    const NormalizeOutcome outcome = normalizeFile(dir.file("in.dat"), dir.file("out.dat"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "the game cannot read \"" + dir.file("in.dat") +
                                   "\" completely:\n  Input past end of file\n  last item 1 "
                                   "Examplosaurus\nnothing was written to \"" +
                                   dir.file("out.dat") + "\"");
    EXPECT_EQ(dir.read("out.dat"), "old contents");
}

TEST(Normalize, AFailedWriteLeavesTheTargetAndNoTemporaryFile) {
    TempDir dir;
    dir.write("in.dat", canonicalRecord);
    std::filesystem::create_directory(dir.path() / "out.dat");
    const NormalizeOutcome outcome = normalizeFile(dir.file("in.dat"), dir.file("out.dat"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message,
              "cannot write \"" + dir.file("out.dat") + "\": Is a directory; it is left as it was");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "out.dat"));
    EXPECT_EQ(dir.listing(), "in.dat out.dat");
}

// The command line.

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runDatabaseTool(args, out, err);
    return {status, out.str(), err.str()};
}

struct WrongArguments {
    std::vector<std::string> args;
    std::string problem;
};

class ToolArguments : public ::testing::TestWithParam<WrongArguments> {};

TEST_P(ToolArguments, WrongArgumentsExplainAndExitWith2) {
    const ToolRun run = runTool(GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "stratavex-db: " + GetParam().problem + "\nTry 'stratavex-db --help'.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Checker, ToolArguments,
    ::testing::Values(WrongArguments{{}, "no command given"},
                      WrongArguments{{"verify"}, "unknown command 'verify'"},
                      WrongArguments{{"check", "a.dat", "b.dat"}, "check takes one database file"},
                      WrongArguments{{"check", "--quick"}, "check: unknown option '--quick'"},
                      WrongArguments{{"normalize", "in.dat"}, "normalize needs two files: IN OUT"},
                      WrongArguments{{"normalize", "a", "b", "c"},
                                     "normalize needs two files: IN OUT"}));

TEST(Tool, HelpExplainsTheCommands) {
    const ToolRun run = runTool({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("stratavex-db check [--strict] [FILE]"), std::string::npos);
    EXPECT_NE(run.out.find("stratavex-db normalize IN OUT"), std::string::npos);
    EXPECT_EQ(runTool({"check", "--help"}).out, run.out);
}

TEST(Tool, CheckOfAMissingOrUnreadableFileFails) {
    TempDir dir;
    const ToolRun missing = runTool({"check", dir.file("none.dat")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "stratavex-db: cannot read \"" + dir.file("none.dat") +
                               "\": No such file or directory\n");
    const ToolRun folder = runTool({"check", dir.path().string()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.err,
              "stratavex-db: cannot read \"" + dir.path().string() + "\": Is a directory\n");
}

TEST(Tool, CheckFailsOnWarningsOnlyWhenStrict) {
    TempDir dir;
    dir.write("drem.dat", fileOf(goodItems())); // no picture files: warnings
    const ToolRun plain = runTool({"check", dir.file("drem.dat")});
    EXPECT_EQ(plain.status, 0) << plain.out;
    EXPECT_NE(plain.out.find("picture \"pic0.jpg\" is missing"), std::string::npos);
    EXPECT_NE(plain.out.find(": check passed\n"), std::string::npos);
    EXPECT_NE(plain.out.find("Diet questions:\n  \"Which was not a plant eater?\" (6 animals): "
                             "the odd one out is \"meat eater\" (1 animal)\n"),
              std::string::npos)
        << plain.out;
    const ToolRun strict = runTool({"check", "--strict", dir.file("drem.dat")});
    EXPECT_EQ(strict.status, 1);
    EXPECT_NE(strict.out.find(": check FAILED (strict: warnings count)\n"), std::string::npos);
}

TEST(Tool, CheckFailsWhenAQuestionTypeCannotBeBuilt) {
    TempDir dir;
    std::vector<itemrec> items = goodItems();
    items.resize(4);
    dir.write("small.dat", fileOf(items));
    const ToolRun run = runTool({"check", dir.file("small.dat")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Desc and name                   NO   NO   NO   NO\n"),
              std::string::npos);
}

TEST(Tool, NormalizeReportsWhatItWrote) {
    TempDir dir;
    dir.write("in.dat", regroupedRecord);
    const ToolRun run = runTool({"normalize", dir.file("in.dat"), dir.file("out.dat")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "wrote 1 item to \"" + dir.file("out.dat") + "\"\n");
    EXPECT_EQ(dir.read("out.dat"), canonicalRecord);
}

TEST(Windows1252ToUtf8, ConvertsTheCodePagesOwnCharacters) {
    EXPECT_EQ(windows1252ToUtf8("caf\xE9 \x80 \x93x\x94 \x81"),
              "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xEF\xBF\xBD");
}

} // namespace
} // namespace stratavex
