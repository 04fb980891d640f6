// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "scores/nameentry.h"

namespace stratavex {

class Host;
struct ScoreState;

// One result in the Hall of Fame.
struct HofEntry {
    std::int16_t score = 0; // difficulty-adjusted
    std::string game;       // the game code, 8 characters
    std::int16_t pct = 0;
    std::string name; // maximum difficulty, two blanks, the player's name
    std::string date; // short date of the entry
    std::int16_t extra = 0;

    bool operator==(const HofEntry&) const = default;
};

// The local Hall of Fame: the best results, highest first.
struct HallOfFame {
    static constexpr int places = 30;
    static constexpr std::size_t gameWidth = 8;

    // Entries 1..hofcount are valid; entry 0 holds nothing. Entries beyond the
    // count are empty places, whatever they still hold.
    std::array<HofEntry, places + 1> hof{};
    int hofcount = 0;
    // The place the latest entry reached, 1..places.
    int hofrank = 0;
};

constexpr const char* hofFile = "drem.hof";
// A Hall of Fame file that cannot be read is kept under this name.
constexpr const char* hofBadFile = "drem.hof.bad";
constexpr const char* hofGameCode = "drem";

// The file's bytes: the count, then six lines per entry.
std::string formatHof(const HallOfFame& table);
// Reads the file's bytes into the table. A short or malformed text leaves an
// empty table and returns false; an empty text is an empty table.
bool parseHof(std::string_view bytes, HallOfFame& table);

// Reads "drem.hof" at start-up. A file that cannot be read gives an empty Hall
// of Fame; a damaged one is renamed to "drem.hof.bad" first so that the next
// entry does not overwrite what the player had.
void getHOF(Host& host, HallOfFame& table);
// Replaces "drem.hof"; on failure the old file stays and the player is told.
void putHOF(Host& host, const HallOfFame& table);

// Offers a finished game's result. A result that gets in asks for the player's
// name, may go to the online Hall of Fame, shows the list and is saved.
// `name` is read only after the name entry has closed: callers pass the
// player name, which the name entry updates.
void enterHof(ScoreState& game, int score, std::string_view gameCode, int pct,
              const std::string& name, int extra);

// The Hall of Fame window's list: the header line, then one row per entry.
std::string hofListText(const HallOfFame& table);
// One row of the list, for entry `rank`: the rank, the score and the
// percentage right-aligned in 3, 8 and 4 characters, the name field in a
// column of its own, then the date.
std::string hofRow(int rank, const HofEntry& entry);
// The longest name field: a difficulty, two blanks and the longest name.
constexpr std::size_t hofNameWidth = 3 + NameEntryModel::nameLength;
// Each heading stands over its column: the numbers' headings end where the
// numbers end, "Name" and "Date" start where the names and dates start.
constexpr const char* hofHeader = "Rank  Score   % Dif Name                  Date ";
// The widest row the list can hold on a day written as `date`, which the
// window is made wide enough for.
std::string fullestHofRow(std::string_view date);

// What the Hall of Fame window shows when it opens; an empty list is explained
// to the player first.
std::string loadHofList(ScoreState& game);
// Asks whether to clear the list and clears it on Yes. True when cleared, and
// the window then closes.
bool clearHofAsked(ScoreState& game);
// Deletes the file and empties the table.
void clearHof(Host& host, HallOfFame& table);

// Scheme and host of the maker's web site, which holds the online Hall of Fame.
std::string_view onlineHofServer();
// The online list of this game.
std::string onlineListUrl();
// The request that enters a result in the online Hall of Fame; each value is
// percent-encoded, so a name with '&' or '#' cannot change the request.
std::string onlineEntryUrl(int score, std::string_view playername, int maxdif,
                           std::string_view playeremail);
// Every byte except letters, digits and "-._~" as %XX.
std::string percentEncode(std::string_view value);

} // namespace stratavex
