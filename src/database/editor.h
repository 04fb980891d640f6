// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/items.h"

namespace stratavex {

struct QuizState;

// The text fields an author can edit, one per text box of the editor.
enum class EditField {
    diet,
    era,
    order,
    suborder,
    family,
    found,
    pronounce,
    whynamed,
    translation,
    roots,
    length,
    weight,
    image,
    desc,
};

constexpr int editFieldCount = 14;

// The field of an item that a text box edits.
std::string& fieldOf(itemrec& item, EditField field);

// What the editor's controls show. The window implements it; assigning a box
// a text that differs from what it holds fires the box's change handler, as
// the author's typing does.
class EditorView {
public:
    virtual ~EditorView() = default;

    // cmbitem: the names to choose from, in list order.
    virtual void showList(const std::vector<std::string>& names) = 0;
    // Label2: "Artist: " and the credit, or empty.
    virtual void showArtist(const std::string& line) = 0;
    // cmbitem: the name at its list position (-1 when the item is not listed).
    virtual void showName(int listIndex, const std::string& name) = 0;
    virtual void showField(EditField field, const std::string& text) = 0;
    virtual void showDif(const std::string& text) = 0;
    // Image1: the picture file to show, or empty to hide the picture.
    virtual void showPicture(const std::string& file) = 0;
};

// One list file of "Store list": its name and its bytes.
struct ListFile {
    std::string name;
    std::string contents;
};

// The five list files of the item table, in the order they are written.
std::vector<ListFile> listFiles(const ItemTable& table);
// Their names, in the same order.
std::vector<std::string> listFileNames();

// Opens the database editor modally; returns when it closes.
void showeditor(QuizState& game);

// The database editor without its widgets. It edits the item table in place
// and writes "drem.dat" when it closes after a change by the author; showing
// an item is no change. When the file was not read whole it says so on
// opening, and a save keeps the file aside first.
class EditorModel {
public:
    static constexpr int lowestDif = 1;
    static constexpr int highestDif = 3;

    // The order in which fillform assigns the text boxes.
    static constexpr std::array<EditField, 13> fillOrder = {
        EditField::era,   EditField::order,     EditField::suborder, EditField::family,
        EditField::diet,  EditField::pronounce, EditField::roots,    EditField::translation,
        EditField::found, EditField::whynamed,  EditField::weight,   EditField::length,
        EditField::desc,
    };

    EditorModel(QuizState& game, EditorView& view);

    // Lists the names, shows the first item.
    void Form_Load();
    // Writes the table when anything changed; only the first call acts.
    void Form_Unload();

    // The names of cmbitem, in table order.
    const std::vector<std::string>& names() const { return names_; }
    bool hasItems() const { return lastPosition_ >= 1; }
    int position() const { return position_; }
    int curitem() const;
    bool dirty() const { return dirty_; }

    void cmdNext_Click();
    void cmdPrev_Click();
    // listIndex counts from 0.
    void cmbitem_Click(int listIndex);
    // Asks, then writes the five list files.
    void cmdPrint_Click();

    // Text as a box accepts it: without the double quote, which the database
    // file cannot carry.
    static std::string accepted(std::string_view text);

    // Change handlers. Each returns the text the box must hold, as accepted;
    // while an item is being shown they return the text as it came.
    std::string textChanged(EditField field, std::string_view text);
    // Keeps the difficulty within 1..3; text that is not a number leaves the
    // stored difficulty as it was.
    std::string dif_Change(std::string_view text);
    // The stored difficulty of the item shown, for a box left without a number.
    std::string difText() const;

private:
    void filllist();
    void fillform(int item);
    void showPosition();
    itemrec& shown();

    QuizState& game_;
    EditorView& view_;
    std::vector<std::string> names_;
    std::array<std::int16_t, maxItems + 1> listmap_{};
    int position_ = 1;
    int lastPosition_ = 0;
    bool dirty_ = false;
    bool unloaded_ = false;
    // True while fillform puts an item into the boxes.
    bool filling_ = false;
};

} // namespace stratavex
