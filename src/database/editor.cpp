// SPDX-License-Identifier: MIT
#include "database/editor.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "base/fields.h"
#include "base/file_io.h"
#include "base/keep_aside.h"
#include "database/attributes.h"
#include "database/quiz_state.h"

namespace stratavex {

namespace {

constexpr const char* databaseFile = "drem.dat";
constexpr const char* listTitle = "Store list to file";
constexpr const char* editorTitle = "Edit";
constexpr const char* eol = "\r\n";

constexpr std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

// Five lines per item; the indents line the details up under the name.
std::string fullEntry(const itemrec& r) {
    std::string out = r.name + " <" + r.image + ">";
    out += "  '" + r.translation + "' " + r.whynamed + "           [" + r.roots + "]" + eol;
    out += "         {" + r.era + "}  Wt: " + r.weight + "  Length: " + r.length + eol;
    out += "         (" + r.order + " - " + r.suborder + " - " + r.family + ")" + eol;
    out += "         Found: " + r.found + "   Diet: " + r.diet + eol;
    out += "          " + r.desc + eol;
    return out;
}

// The key lists: the key first and the name last, one line per item.
std::string nameEntry(const itemrec& r) {
    return r.whynamed + " " + r.translation + " " + r.name + eol;
}
std::string foundEntry(const itemrec& r) {
    return r.found + " " + r.name + eol;
}
std::string eraEntry(const itemrec& r) {
    return r.erarange + " " + r.era + " " + r.name + eol;
}
std::string classEntry(const itemrec& r) {
    return r.order + " - " + r.suborder + " - " + r.family + " " + r.name + eol;
}

struct ListLayout {
    const char* name;
    std::string (*entry)(const itemrec&);
};

constexpr ListLayout listLayouts[] = {
    {"drem.txt", fullEntry}, {"d-name.txt", nameEntry},   {"d-found.txt", foundEntry},
    {"d-era.txt", eraEntry}, {"d-class.txt", classEntry},
};

// The number at the start of a box's text: blanks, an optional sign, digits.
// nullopt when no digits are there; a huge number saturates.
std::optional<std::int64_t> leadingNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return std::nullopt;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t saturation = std::numeric_limits<std::int32_t>::max();
    std::optional<std::int64_t> value;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value.value_or(0) * 10 + (text[i] - '0'), saturation);
    if (value && negative)
        *value = -*value;
    return value;
}

// What the author must know before editing a database that was not read
// whole: what stopped the load, and what a save will do with the file.
std::string partialLoadNotice(const QuizState& game) {
    const ItemTable& db = game.db;
    std::string text = "The database file " + db.dbfile +
                       " was not read whole: " + db.notWholeReason + "." + game.crlf;
    if (db.nitems == 0)
        return text + "There is nothing to edit, and " + db.dbfile + " is left as it is.";
    text += "The editor holds the " + str(db.nitems) + " items read from it. Closing without a " +
            "change leaves " + db.dbfile + " as it is.";
    const std::string kept = freeKeptName(db.dbfile);
    if (kept.empty())
        return text + " No name is free to keep the file under, so changes cannot be saved.";
    return text + " If you change anything, " + db.dbfile +
           " is saved with these items alone, and the file as it is now is first kept as " + kept +
           ".";
}

std::string artistLine(const QuizState& game, const itemrec& item) {
    if (blank(item.image))
        return "";
    // The loader takes the artist index as it stands in the file.
    const bool known = item.artist >= 0 && at(item.artist) < game.artists.size();
    return "Artist: " + (known ? game.artists[at(item.artist)].credit : std::string());
}

} // namespace

std::string& fieldOf(itemrec& item, EditField field) {
    switch (field) {
    case EditField::diet:
        return item.diet;
    case EditField::era:
        return item.era;
    case EditField::order:
        return item.order;
    case EditField::suborder:
        return item.suborder;
    case EditField::family:
        return item.family;
    case EditField::found:
        return item.found;
    case EditField::pronounce:
        return item.pronounce;
    case EditField::whynamed:
        return item.whynamed;
    case EditField::translation:
        return item.translation;
    case EditField::roots:
        return item.roots;
    case EditField::length:
        return item.length;
    case EditField::weight:
        return item.weight;
    case EditField::image:
        return item.image;
    case EditField::desc:
        break;
    }
    return item.desc;
}

std::vector<std::string> listFileNames() {
    std::vector<std::string> names;
    for (const ListLayout& layout : listLayouts)
        names.emplace_back(layout.name);
    return names;
}

std::vector<ListFile> listFiles(const ItemTable& table) {
    std::vector<ListFile> files;
    for (const ListLayout& layout : listLayouts) {
        ListFile file{layout.name, ""};
        for (int i = 1; i <= table.nitems; ++i)
            file.contents += layout.entry(table.items[at(i)]);
        files.push_back(std::move(file));
    }
    return files;
}

void showeditor(QuizState& game) {
    game.host.showModal(WindowId::dremedit);
}

EditorModel::EditorModel(QuizState& game, EditorView& view) : game_(game), view_(view) {}

int EditorModel::curitem() const {
    return game_.curitem;
}

void EditorModel::Form_Load() {
    dirty_ = false;
    filllist();
    position_ = 1;
    game_.curitem = listmap_[at(position_)];
    inittables(game_);
    lastPosition_ = game_.db.nitems;
    fillform(game_.curitem);
    if (!game_.db.wholeFile)
        game_.host.message(
            {partialLoadNotice(game_), Buttons::Ok, Icon::Exclamation, editorTitle, false});
}

void EditorModel::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (dirty_)
        writedb(game_, databaseFile);
}

void EditorModel::filllist() {
    names_.clear();
    listmap_.fill(0);
    for (int i = 1; i <= game_.db.nitems; ++i) {
        names_.push_back(game_.db.items[at(i)].name);
        listmap_[at(i)] = static_cast<std::int16_t>(i);
    }
    view_.showList(names_);
}

void EditorModel::fillform(int item) {
    const itemrec& r = game_.db.items[at(item)];
    view_.showArtist(artistLine(game_, r));
    view_.showName(hasItems() ? position_ - 1 : -1, r.name);
    // Showing an item is no change to it: the boxes' change handlers leave the
    // record alone meanwhile, so that a database only looked at is not
    // rewritten, and a text a box cannot hold exactly is not cut to fit it.
    filling_ = true;
    for (EditField field : fillOrder)
        view_.showField(field, fieldOf(game_.db.items[at(item)], field));
    if (r.name < " ")
        game_.host.message(
            {"Problem? no name for " + str(item), Buttons::Ok, Icon::None, "", false});
    view_.showDif(str(r.dif));
    view_.showField(EditField::image, r.image);
    filling_ = false;
    const std::string picture = getimage(game_, item);
    view_.showPicture(blank(picture) ? "" : picture);
}

void EditorModel::showPosition() {
    game_.curitem = listmap_[at(position_)];
    fillform(game_.curitem);
}

void EditorModel::cmdNext_Click() {
    if (!hasItems())
        return;
    if (position_ < lastPosition_)
        ++position_;
    showPosition();
}

void EditorModel::cmdPrev_Click() {
    if (!hasItems())
        return;
    if (position_ > 1)
        --position_;
    showPosition();
}

void EditorModel::cmbitem_Click(int listIndex) {
    if (listIndex < 0 || listIndex >= lastPosition_)
        return;
    game_.curitem = listmap_[at(listIndex + 1)];
    position_ = game_.curitem;
    fillform(game_.curitem);
}

void EditorModel::cmdPrint_Click() {
    // An empty table has nothing to list; storing it would only empty the
    // lists made from a good database.
    if (!hasItems())
        return;
    const Message ask{std::string("Ready to store list '") + listLayouts[0].name + "'",
                      Buttons::OkCancel, Icon::None, listTitle, false};
    if (game_.host.message(ask) == Answer::Cancel)
        return;
    for (const ListFile& file : listFiles(game_.db)) {
        const FileResult saved = saveFileAtomically(file.name, file.contents);
        if (!saved.ok) {
            game_.host.message({saved.text + game_.crlf + "Store list " + file.name, Buttons::Ok,
                                Icon::Critical, listTitle, false});
            return;
        }
    }
}

itemrec& EditorModel::shown() {
    return game_.db.items[at(game_.curitem)];
}

std::string EditorModel::accepted(std::string_view text) {
    std::string out(text);
    std::erase(out, '"');
    return out;
}

std::string EditorModel::textChanged(EditField field, std::string_view text) {
    if (filling_)
        return std::string(text);
    std::string kept = accepted(text);
    // Slot 0 holds no item: with an empty table there is nothing to edit.
    if (hasItems()) {
        fieldOf(shown(), field) = kept;
        dirty_ = true;
    }
    return kept;
}

std::string EditorModel::dif_Change(std::string_view text) {
    const std::optional<std::int64_t> typed = leadingNumber(text);
    if (!typed || !hasItems() || filling_)
        return std::string(text);
    const std::int64_t dif = std::clamp<std::int64_t>(*typed, lowestDif, highestDif);
    shown().dif = static_cast<std::int16_t>(dif);
    dirty_ = true;
    return dif == *typed ? std::string(text) : str(dif);
}

std::string EditorModel::difText() const {
    return str(game_.db.items[at(game_.curitem)].dif);
}

} // namespace stratavex
