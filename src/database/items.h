// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace stratavex {

class Game;

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

// The item table: items at 1..nitems, slot 0 an empty record.
struct ItemTable {
    std::array<itemrec, maxItems + 1> items{};
    std::int16_t nitems = 0;
    std::string dbfile = "drem.dat";
    std::vector<std::int16_t> itemuse = std::vector<std::int16_t>(1, 0); // 0..nitems
};

// Outcome of parsing a database: the complete records are in the table;
// error is empty, or the text of what stopped the reader.
struct ReadResult {
    std::string error;
    int lastItem = 0;
};

// A field that is blank compares <= " "; present compares >= " ".
inline bool blank(std::string_view s) { return s <= " "; }
inline bool present(std::string_view s) { return s >= " "; }

ReadResult parsedb(std::string_view data, ItemTable& table);
std::string formatdb(const ItemTable& table);

// The game's procedures: they report failures to the player.
void readdb(Game& game, const std::string& file);
void writedb(Game& game, const std::string& file);
void loaddb(Game& game);

} // namespace stratavex
