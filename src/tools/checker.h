// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/settings.h"
#include "database/items.h"
#include "engine/setup.h"

namespace stratavex {

// The database checker for database authors: it loads a database as the game
// does and reports what would spoil a question.

constexpr int highestMaxdif = SetupModel::maxDifficultyBound;

// Something the checker found. item is 0 when it concerns the whole file.
struct Finding {
    int item = 0;
    std::string name;
    std::string text;

    bool operator==(const Finding&) const = default;
};

// buildable[code - 1][maxdif - 1]: whether the game can build a question of
// that type when the maximum difficulty is maxdif.
using BuildTable = std::array<std::array<bool, highestMaxdif>, nQuestionTypes>;

struct CheckReport {
    int nitems = 0;
    std::vector<Finding> errors;
    std::vector<Finding> warnings;
    BuildTable buildable{};
    // Which answers the diet questions can have, one line per diet.
    std::vector<std::string> dietAudit;

    int unbuildable() const;
    // No error and every question type buildable; strict also wants no warning.
    bool passes(bool strict) const;
};

// What a picture file named by the database holds, as far as the checker
// looks: the game shows only JPEG pictures.
enum class PictureFile { fine, missing, notJpeg };

// Looks up a picture file named by the database.
using PictureLookup = std::function<PictureFile(const std::string& image)>;

// A text in double quotes, as findings show names and values.
std::string quotedText(const std::string& s);

// A byte with an ASCII capital letter made small; other bytes as they are.
char asciiLower(char c);

// The warnings about the records of a table, item by item.
std::vector<Finding> checkItems(const ItemTable& table, const PictureLookup& pictures);

// Whether the game can build a question of a type from the table at a maximum
// difficulty: a fresh game with no item used yet picks the items the type's
// screen needs with the game's own picking, as that screen does; a few seeded
// attempts are made and one complete selection is enough.
bool canBuild(const ItemTable& table, int qtype, int maxdif);
BuildTable buildTable(const ItemTable& table);

// The references file beside a database, when it is checked: nullopt when
// there is none.
using SourcesText = std::optional<std::string>;

// Reads a database's bytes as the game does and checks what was read. A record
// the game cannot read is an error carrying the game's own message. The
// references are checked when sources is given.
CheckReport checkDatabase(std::string_view bytes, const PictureLookup& pictures,
                          const SourcesText* sources = nullptr);

// Checks a database file; pictures and the references file are looked up in
// the file's own folder, as the game looks pictures up next to its database. failure is empty, or
// says why the file could not be read (then the report is empty).
struct FileCheck {
    std::string failure;
    CheckReport report;
};
FileCheck checkFile(const std::string& path);

// The report as Windows-1252 text lines (LF ends), the table included.
std::string formatReport(const CheckReport& report, bool strict);
// The question types as rows, maximum difficulty 1..4 as columns, "yes" or "NO".
std::string formatBuildTable(const BuildTable& table);

// The records of a database in the game's canonical eight-line layout.
// failure is empty, or the game's message for a database it cannot read
// completely; bytes are then empty.
struct Normalized {
    std::string failure;
    int nitems = 0;
    std::string bytes;
};
Normalized normalizeDatabase(std::string_view in);

// Reads IN as the game does and replaces OUT atomically with the game's
// writer's layout. Nothing is written when IN cannot be read completely.
struct NormalizeOutcome {
    bool ok = false;
    std::string message;
};
NormalizeOutcome normalizeFile(const std::string& in, const std::string& out);

// The message the game shows for a database it cannot read completely.
std::string gameReadMessage(const ReadResult& read, const ItemTable& table);

// Windows-1252 bytes as UTF-8, for the terminal.
std::string windows1252ToUtf8(std::string_view bytes);

// The stratavex-db command line: args without the program name. Returns the
// exit status: 0 when all is well, 1 when the check fails or a file cannot be
// read or written, 2 for wrong arguments.
int runDatabaseTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace stratavex
