// SPDX-License-Identifier: MIT
#include "database/editor.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "database/attributes.h"
#include "database/eras.h"
#include "database/items.h"
#include "engine/game.h"
#include "support/printers.h"
#include "support/sample_items.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

namespace stratavex {
namespace {

using testing::addItem;
using testing::numberedRecord;
using testing::numberedRecords;
using testing::ProgramFolder;
using testing::ScriptedHost;
using testing::TempDir;
using testing::utf16;

std::string sp(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// The editor's controls as plain values. Like a real text box, a box whose
// text changes runs its change handler, and the handler's correction is put
// back into the box.
class FakeControls : public EditorView {
public:
    EditorModel* model = nullptr;
    bool firesChanges = true;

    std::vector<std::string> list;
    std::string artist;
    int nameIndex = -2;
    std::map<EditField, std::string> boxes;
    std::string difBox;
    std::string picture;
    int fills = 0;

    void showList(const std::vector<std::string>& names) override { list = names; }
    void showArtist(const std::string& line) override {
        ++fills;
        artist = line;
    }
    void showName(int listIndex, const std::string&) override { nameIndex = listIndex; }
    void showField(EditField field, const std::string& text) override {
        assign(boxes[field], text,
               [this, field](const std::string& t) { return model->textChanged(field, t); });
    }
    void showDif(const std::string& text) override {
        assign(difBox, text, [this](const std::string& t) { return model->dif_Change(t); });
    }
    void showPicture(const std::string& file) override { picture = file; }

    // The author types a whole new text into a box.
    void type(EditField field, const std::string& text) { showField(field, text); }
    void typeDif(const std::string& text) { showDif(text); }

private:
    void assign(std::string& box, const std::string& text,
                const std::function<std::string(const std::string&)>& handler) {
        if (box == text)
            return;
        box = text;
        if (!firesChanges || model == nullptr)
            return;
        const std::string kept = handler(box);
        assign(box, kept, handler);
    }
};

// The sample record with a picture by the first artist, from the Late
// Jurassic and with a short description.
itemrec pictured() {
    itemrec r = testing::examplosaurus();
    r.artist = 1;
    r.image = "ex.jpg";
    r.era = "Late Jurassic";
    r.desc = "A made-up record.";
    return r;
}

itemrec nopicus() {
    itemrec r;
    r.name = "Nopicus";
    r.dif = 3;
    r.artist = 1; // a credit, but no picture to give it for
    r.roots = "Greek";
    r.translation = "no picture";
    r.order = "O";
    r.suborder = "S";
    r.family = "F";
    r.length = "3 m";
    r.weight = "50 lbs";
    r.found = "Wales";
    r.era = "Someera"; // not in the era table: no span
    r.diet = "plant";
    r.desc = "Line one\r\nline two";
    return r;
}

// A game with two items in its own program folder, and the editor opened on it.
struct Editor : ::testing::Test {
    ProgramFolder folder;
    ScriptedHost host;
    Game game{host};
    FakeControls controls;
    EditorModel editor{game, controls};

    Editor() {
        inittables(game);
        controls.model = &editor;
    }

    void open() {
        if (game.db.nitems == 0) {
            addItem(game, pictured());
            addItem(game, nopicus());
        }
        editor.Form_Load();
    }
    const itemrec& item(int i) const { return game.db.items[static_cast<std::size_t>(i)]; }
};

// --- Store list ---

struct ListFileCase {
    const char* file;
    std::string contents;
};

std::vector<ListFileCase> listFileCases() {
    const std::string eol = "\r\n";
    return {
        {"drem.txt", "Examplosaurus <ex.jpg>  'example lizard' named for this example" + sp(11) +
                         "[Latin]" + eol + sp(9) + "{Late Jurassic}  Wt: 2 tons  Length: 20 ft" +
                         eol + sp(9) + "(Order A - Suborder B - Family C)" + eol + sp(9) +
                         "Found: Asia   Diet: meat" + eol + sp(10) + "A made-up record." + eol +
                         "Nopicus <>  'no picture' " + sp(11) + "[Greek]" + eol + sp(9) +
                         "{Someera}  Wt: 50 lbs  Length: 3 m" + eol + sp(9) + "(O - S - F)" + eol +
                         sp(9) + "Found: Wales   Diet: plant" + eol + sp(10) +
                         "Line one\r\nline two" + eol},
        {"d-name.txt",
         "named for this example example lizard Examplosaurus" + eol + " no picture Nopicus" + eol},
        {"d-found.txt", "Asia Examplosaurus" + eol + "Wales Nopicus" + eol},
        {"d-era.txt",
         "161.5 - 143.1 mya Late Jurassic Examplosaurus" + eol + " Someera Nopicus" + eol},
        {"d-class.txt",
         "Order A - Suborder B - Family C Examplosaurus" + eol + "O - S - F Nopicus" + eol},
    };
}

TEST_F(Editor, StoreListWritesTheFiveListsWithTheirExactLayouts) {
    open();
    editor.cmdPrint_Click();
    for (const ListFileCase& c : listFileCases()) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(folder.dir.exists(c.file));
        EXPECT_EQ(folder.dir.read(c.file), c.contents);
    }
}

TEST_F(Editor, StoreListAsksFirstWithOkAndCancel) {
    open();
    host.messages.clear();
    editor.cmdPrint_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Ready to store list 'drem.txt'");
    EXPECT_EQ(host.messages[0].title, "Store list to file");
    EXPECT_EQ(host.messages[0].buttons, Buttons::OkCancel);
}

TEST_F(Editor, StoreListWithCancelWritesNothing) {
    open();
    folder.dir.write("drem.txt", "old list");
    const std::string before = folder.dir.listing();
    host.answers.push_back(Answer::Cancel);
    editor.cmdPrint_Click();
    EXPECT_EQ(folder.dir.listing(), before);
    EXPECT_EQ(folder.dir.read("drem.txt"), "old list");
}

TEST_F(Editor, StoreListOverwritesListsThatExist) {
    open();
    for (const ListFileCase& c : listFileCases())
        folder.dir.write(c.file, "an older and much longer list than the new one will be\r\n");
    editor.cmdPrint_Click();
    for (const ListFileCase& c : listFileCases())
        EXPECT_EQ(folder.dir.read(c.file), c.contents) << c.file;
}

TEST_F(Editor, StoreListUsesTheSpanOfTheEraAsLoaded) {
    open();
    controls.type(EditField::era, "Cambrian");
    editor.cmdPrint_Click();
    const std::string first = "161.5 - 143.1 mya Cambrian Examplosaurus\r\n";
    EXPECT_EQ(folder.dir.read("d-era.txt").substr(0, first.size()), first);
}

// --- showing an item ---

TEST_F(Editor, OpeningListsEveryNameInTableOrderAndShowsItemOne) {
    open();
    EXPECT_EQ(controls.list, (std::vector<std::string>{"Examplosaurus", "Nopicus"}));
    EXPECT_EQ(controls.nameIndex, 0);
    EXPECT_EQ(editor.position(), 1);
    EXPECT_EQ(editor.curitem(), 1);
    EXPECT_EQ(game.curitem, 1);
    EXPECT_EQ(controls.boxes[EditField::era], "Late Jurassic");
    EXPECT_EQ(controls.boxes[EditField::pronounce], "ex-AMP-lo-SAWR-us");
    EXPECT_EQ(controls.boxes[EditField::image], "ex.jpg");
    EXPECT_EQ(controls.difBox, "2");
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Editor, EveryBoxShowsItsField) {
    open();
    const itemrec& r = item(1);
    const std::map<EditField, std::string> expected = {
        {EditField::diet, r.diet},
        {EditField::era, r.era},
        {EditField::order, r.order},
        {EditField::suborder, r.suborder},
        {EditField::family, r.family},
        {EditField::found, r.found},
        {EditField::pronounce, r.pronounce},
        {EditField::whynamed, r.whynamed},
        {EditField::translation, r.translation},
        {EditField::roots, r.roots},
        {EditField::length, r.length},
        {EditField::weight, r.weight},
        {EditField::image, r.image},
        {EditField::desc, r.desc},
    };
    EXPECT_EQ(controls.boxes, expected);
}

struct PictureCase {
    const char* rule;
    itemrec item;
    std::string picture;
    std::string artist;
};

TEST_F(Editor, ThePictureAndItsArtistShowOnlyForAnItemWithAPicture) {
    itemrec uncredited = pictured();
    uncredited.artist = 0;
    itemrec creditBeyondTheTable = pictured();
    creditBeyondTheTable.artist = 9;
    const PictureCase cases[] = {
        {"an item with a picture shows it and its artist", pictured(), "ex.jpg",
         "Artist: " + game.artists[1].credit},
        {"an item without a picture shows no picture and no artist whatever its credit", nopicus(),
         "", ""},
        {"a picture without a credit shows the artist label alone", uncredited, "ex.jpg",
         "Artist: "},
        {"a credit beyond the table shows the artist label alone", creditBeyondTheTable, "ex.jpg",
         "Artist: "},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.rule);
        game.db.nitems = 0;
        addItem(game, c.item);
        open();
        EXPECT_EQ(controls.picture, c.picture);
        EXPECT_EQ(controls.artist, c.artist);
    }
}

TEST_F(Editor, AnItemWithoutANameIsReportedAndStillShown) {
    addItem(game, pictured());
    itemrec nameless = nopicus();
    nameless.name = "";
    addItem(game, nameless);
    open();
    editor.cmdNext_Click();
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"Problem? no name for 2"});
    EXPECT_EQ(controls.boxes[EditField::found], "Wales");
}

// --- navigation ---

struct Step {
    const char* name;
    std::vector<std::function<void(EditorModel&)>> clicks;
    int position;
};

void next(EditorModel& e) {
    e.cmdNext_Click();
}
void prev(EditorModel& e) {
    e.cmdPrev_Click();
}

TEST_F(Editor, NavigationStepsAndStaysAtEitherEnd) {
    addItem(game, pictured());
    addItem(game, nopicus());
    addItem(game, pictured());
    const std::vector<Step> steps = {
        {"Next moves on", {next}, 2},
        {"Next on the last item stays", {next, next, next}, 3},
        {"Previous moves back", {next, next, prev}, 2},
        {"Previous on the first item stays", {prev}, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        open();
        for (const auto& click : step.clicks)
            click(editor);
        EXPECT_EQ(editor.position(), step.position);
        EXPECT_EQ(editor.curitem(), step.position);
        EXPECT_EQ(controls.nameIndex, step.position - 1);
    }
}

TEST_F(Editor, AStepAtAnEndShowsTheSameItemAgain) {
    open();
    editor.cmdNext_Click();
    const int fills = controls.fills;
    editor.cmdNext_Click();
    EXPECT_EQ(controls.fills, fills + 1);
    EXPECT_EQ(controls.boxes[EditField::found], "Wales");
    editor.cmdPrev_Click();
    editor.cmdPrev_Click();
    EXPECT_EQ(controls.boxes[EditField::found], "Asia");
}

TEST_F(Editor, ChoosingANameShowsThatItem) {
    open();
    editor.cmbitem_Click(1);
    EXPECT_EQ(editor.curitem(), 2);
    EXPECT_EQ(editor.position(), 2);
    EXPECT_EQ(controls.boxes[EditField::found], "Wales");
    editor.cmdPrev_Click();
    EXPECT_EQ(editor.curitem(), 1);
}

// --- editing ---

TEST_F(Editor, EveryBoxChangeGoesIntoTheItemShownAtOnce) {
    for (int f = 0; f < editFieldCount; ++f) {
        const auto field = static_cast<EditField>(f);
        SCOPED_TRACE(f);
        game.db.nitems = 0;
        addItem(game, pictured());
        addItem(game, nopicus());
        open();
        editor.cmdNext_Click();
        controls.type(field, "changed text");
        itemrec expected = nopicus();
        expected.erarange = eraSpan(expected.era);
        fieldOf(expected, field) = "changed text";
        EXPECT_EQ(item(2), expected);
        EXPECT_EQ(item(1).name, "Examplosaurus");
    }
}

TEST_F(Editor, ChangingTheEraKeepsTheOldSpanUntilTheNextStart) {
    open();
    controls.type(EditField::era, "Cretaceous");
    EXPECT_EQ(item(1).era, "Cretaceous");
    EXPECT_EQ(item(1).erarange, "161.5 - 143.1 mya");
}

TEST_F(Editor, ADoubleQuoteIsRefusedSinceTheDatabaseCannotHoldIt) {
    open();
    controls.type(EditField::desc, "A \"big\" one");
    EXPECT_EQ(controls.boxes[EditField::desc], "A big one");
    EXPECT_EQ(item(1).desc, "A big one");
}

struct DifCase {
    const char* rule;
    const char* typed;
    const char* shown;
    int stored;
};

TEST_F(Editor, TheDifficultyIsKeptWithinOneToThree) {
    const DifCase cases[] = {
        {"above three becomes three", "7", "3", 3},
        {"below one becomes one", "0", "1", 1},
        {"three stays", "3", "3", 3},
        {"one stays", "1", "1", 1},
        {"a negative number becomes one", "-2", "1", 1},
        {"a number beyond any difficulty becomes three", "99999999999", "3", 3},
        {"an empty box keeps the difficulty", "", "", 2},
        {"a letter keeps the difficulty", "x", "x", 2},
        {"a lone minus keeps the difficulty", "-", "-", 2},
    };
    for (const DifCase& c : cases) {
        SCOPED_TRACE(c.rule);
        game.db.items[1].dif = 2;
        open();
        controls.typeDif(c.typed);
        EXPECT_EQ(controls.difBox, c.shown);
        EXPECT_EQ(item(1).dif, c.stored);
        EXPECT_EQ(editor.difText(), std::to_string(c.stored));
    }
}

// --- saving ---

TEST_F(Editor, AChangeByTheAuthorIsWrittenWhenTheEditorCloses) {
    open();
    EXPECT_FALSE(editor.dirty()) << "showing an item is no change";
    controls.type(EditField::desc, "Rewritten.");
    EXPECT_TRUE(editor.dirty());
    editor.Form_Unload();
    ASSERT_TRUE(folder.dir.exists("drem.dat"));
    EXPECT_EQ(folder.dir.read("drem.dat"), formatdb(game.db));

    ItemTable reloaded;
    parsedb(folder.dir.read("drem.dat"), reloaded);
    ASSERT_EQ(reloaded.nitems, 2);
    EXPECT_EQ(reloaded.items[1].desc, "Rewritten.");
    EXPECT_EQ(reloaded.items[2], item(2));
}

TEST_F(Editor, ClosingWithoutAnyBoxChangeWritesNothing) {
    controls.firesChanges = false;
    open();
    EXPECT_FALSE(editor.dirty());
    editor.Form_Unload();
    EXPECT_FALSE(folder.dir.exists("drem.dat"));
}

TEST_F(Editor, ClosingWritesTheTableOnce) {
    open();
    controls.typeDif("3");
    editor.Form_Unload();
    ASSERT_TRUE(folder.dir.exists("drem.dat"));
    std::filesystem::remove(folder.dir.file("drem.dat"));
    editor.Form_Unload();
    EXPECT_FALSE(folder.dir.exists("drem.dat"));
}

// --- what was in the database file is never lost ---

// The editor opened on "drem.dat" as the program loaded it.
struct EditorOnFile {
    ProgramFolder folder;
    ScriptedHost host;
    Game game{host};
    FakeControls controls;
    EditorModel editor{game, controls};

    explicit EditorOnFile(const std::string& file) {
        controls.model = &editor;
        folder.dir.write("drem.dat", file);
        loaddb(game);
        host.messages.clear();
        editor.Form_Load();
    }
};

struct PartialLoad {
    const char* rule;
    std::string file;
    std::string reason;
    int nitems;
};

std::vector<PartialLoad> partialLoads() {
    const std::string three = numberedRecords(3);
    return {
        {"501 records", numberedRecords(501), "More than 500 records in the file", 500},
        {"10,000 records", numberedRecords(10000), "More than 500 records in the file", 500},
        {"a record cut short", three + numberedRecord(4).substr(0, 60), "Input past end of file",
         3},
        {"a last text without its closing quote", three.substr(0, three.size() - 3),
         "A quoted text in the file has no closing quote", 3},
        {"UTF-16 text", utf16(three),
         "The file is not text in the database's format: it begins as UTF-16 text does", 0},
    };
}

TEST(EditorOnAFileNotReadWhole, TellsTheAuthorAndKeepsEveryByteOfTheFile) {
    for (const PartialLoad& load : partialLoads()) {
        for (const bool edited : {false, true}) {
            SCOPED_TRACE(std::string(load.rule) + (edited ? ", edited" : ", unchanged"));
            EditorOnFile session(load.file);
            ASSERT_FALSE(session.host.messages.empty());
            const Message& told = session.host.messages.back();
            EXPECT_EQ(told.icon, Icon::Exclamation);
            EXPECT_EQ(
                told.text.rfind(
                    "The database file drem.dat was not read whole: " + load.reason + ".\r\n", 0),
                0u)
                << told.text;
            const std::string consequence =
                load.nitems > 0 ? "the file as it is now is first kept as drem.dat.bad."
                                : "There is nothing to edit, and drem.dat is left as it is.";
            EXPECT_TRUE(told.text.ends_with(consequence)) << told.text;

            if (edited)
                session.controls.type(EditField::desc, "Edited.");
            session.editor.Form_Unload();
            const bool saved = edited && load.nitems > 0;
            const TempDir& dir = session.folder.dir;
            EXPECT_EQ(dir.listing(), saved ? "drem.dat drem.dat.bad" : "drem.dat");
            EXPECT_EQ(dir.read(saved ? "drem.dat.bad" : "drem.dat"), load.file);
            if (saved) {
                ItemTable back;
                parsedb(dir.read("drem.dat"), back);
                EXPECT_EQ(back.nitems, load.nitems);
                EXPECT_EQ(back.items[1].desc, "Edited.");
            }
        }
    }
}

TEST(EditorOnAWholeFile, BrowsingWithoutAChangeLeavesTheFileAsItWas) {
    std::string outOfRange = numberedRecords(2);
    outOfRange.replace(outOfRange.find(",1,1,"), 5, ",7,1,");
    const std::vector<std::pair<const char*, std::string>> rows = {
        {"the file's own layout", numberedRecords(3)},
        {"unquoted fields on lone LF line ends",
         "*\nExamplosaurus,2,0,\nsay it\nLatin,lizard,why\nO,S,F\n20 ft,2 tons\nAsia,Late "
         "Cretaceous,meat\nA made-up record.\n"},
        {"a difficulty beyond three", outOfRange},
    };
    for (const auto& [rule, file] : rows) {
        SCOPED_TRACE(rule);
        EditorOnFile session(file);
        const std::filesystem::path path = session.folder.dir.path() / "drem.dat";
        const auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
        std::filesystem::last_write_time(path, longAgo);
        session.editor.cmdNext_Click();
        session.editor.cmbitem_Click(0);
        session.editor.cmdPrev_Click();
        EXPECT_FALSE(session.editor.dirty());
        session.editor.Form_Unload();
        EXPECT_EQ(session.folder.dir.read("drem.dat"), file);
        EXPECT_EQ(std::filesystem::last_write_time(path), longAgo);
        EXPECT_EQ(session.folder.dir.listing(), "drem.dat");
        EXPECT_TRUE(session.host.messages.empty());
    }
}

TEST_F(Editor, ShowEditorOpensTheEditorWindow) {
    showeditor(game);
    EXPECT_EQ(host.shown, std::vector<WindowId>{WindowId::dremedit});
}

// --- the empty table ---

struct EmptyTable : Editor {
    EmptyTable() { editor.Form_Load(); }
};

TEST_F(EmptyTable, ShowsTheEmptyRecordAndReportsItsMissingName) {
    EXPECT_EQ(host.messageTexts(), std::vector<std::string>{"Problem? no name for 0"});
    EXPECT_EQ(editor.curitem(), 0);
    EXPECT_TRUE(controls.list.empty());
    EXPECT_EQ(controls.nameIndex, -1);
    EXPECT_EQ(controls.picture, "");
    EXPECT_EQ(controls.artist, "");
    EXPECT_EQ(controls.difBox, "0");
}

TEST_F(EmptyTable, TheButtonsDoNothing) {
    const int fills = controls.fills;
    editor.cmdNext_Click();
    editor.cmdPrev_Click();
    editor.cmbitem_Click(0);
    editor.cmdPrint_Click();
    EXPECT_EQ(controls.fills, fills);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(folder.dir.listing(), "");
}

TEST_F(EmptyTable, NothingIsEditedAndClosingLeavesTheDatabaseFileAlone) {
    folder.dir.write("drem.dat", "a file that did not load");
    controls.type(EditField::desc, "typed");
    controls.typeDif("2");
    EXPECT_EQ(item(0), itemrec{});
    EXPECT_FALSE(editor.dirty());
    editor.Form_Unload();
    EXPECT_EQ(folder.dir.read("drem.dat"), "a file that did not load");
}

} // namespace
} // namespace stratavex
