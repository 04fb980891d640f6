// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace stratavex {

struct QuizState;

// One dinosaur of the database.
struct itemrec {
    std::string name;
    std::int16_t dif = 0;
    std::int16_t artist = 0;
    std::string image;
    std::string pronounce;
    std::string roots;
    std::string translation;
    std::string whynamed;
    std::string order;
    std::string suborder;
    std::string family;
    std::string length;
    std::string weight;
    std::string found;
    std::string era;
    std::string erarange; // derived from era when loaded, never stored
    std::string diet;
    std::string desc;

    bool operator==(const itemrec&) const = default;
};

constexpr int maxItems = 500;

// The table's slots 0..maxItems. A record is made when its slot is first
// written, so an empty table costs nothing to set up (the program makes one
// at every start); a slot never written reads as an empty record. Room for
// every slot is set aside at once, so a reference to one slot stays valid
// while others are written.
class ItemSlots {
public:
    static constexpr std::size_t slotCount = maxItems + 1;

    ItemSlots() { records_.reserve(slotCount); }
    ItemSlots(const ItemSlots& other) : ItemSlots() { records_ = other.records_; }
    ItemSlots& operator=(const ItemSlots& other) {
        records_.reserve(slotCount);
        records_ = other.records_;
        return *this;
    }

    itemrec& operator[](std::size_t slot) {
        if (slot >= records_.size())
            grow(slot);
        return records_[slot];
    }
    const itemrec& operator[](std::size_t slot) const {
        return slot < records_.size() ? records_[slot] : emptyRecord();
    }
    itemrec& at(std::size_t slot) { return (*this)[checked(slot)]; }
    const itemrec& at(std::size_t slot) const { return (*this)[checked(slot)]; }

    // Every slot back to an empty record.
    void clear() { records_.clear(); }

    static constexpr std::size_t size() { return slotCount; }

private:
    static std::size_t checked(std::size_t slot);
    static const itemrec& emptyRecord();
    void grow(std::size_t slot);

    std::vector<itemrec> records_;
};

// The item table: items at 1..nitems, slot 0 an empty record.
struct ItemTable {
    ItemSlots items;
    std::int16_t nitems = 0;
    std::string dbfile = "drem.dat";
    std::vector<std::int16_t> itemuse = std::vector<std::int16_t>(1, 0); // 0..nitems
    // Whether the last load took in the whole file as records; when it did not,
    // what stopped it. Saving over such a file keeps it aside first, so that
    // what the table lacks is not lost; once kept, the file counts as whole.
    bool wholeFile = true;
    std::string notWholeReason;
};

// Outcome of parsing a database: the complete records are in the table;
// error is empty, or the text of what stopped the reader.
struct ReadResult {
    std::string error;
    int lastItem = 0;
};

// A field that is blank compares <= " "; present compares >= " ".
inline bool blank(std::string_view s) {
    return s <= " ";
}
inline bool present(std::string_view s) {
    return s >= " ";
}

ReadResult parsedb(std::string_view data, ItemTable& table);
std::string formatdb(const ItemTable& table);

// The game's procedures: they report failures to the player.
void readdb(QuizState& game, const std::string& file);
// Before replacing the table's own file when it was not read whole, keeps
// that file under a free ".bad" name and, when it cannot, saves nothing.
// True when the file was written.
bool writedb(QuizState& game, const std::string& file);
void loaddb(QuizState& game);

} // namespace stratavex
