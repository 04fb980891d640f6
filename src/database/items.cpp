// SPDX-License-Identifier: MIT
#include "database/items.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "base/fields.h"
#include "base/file_io.h"
#include "base/file_limits.h"
#include "base/keep_aside.h"
#include "database/eras.h"
#include "database/quiz_state.h"

namespace stratavex {

namespace {

const char* const pastEnd = "Input past end of file";
const char* const tooMany = "More than 500 records in the file";
const char* const notText =
    "The file is not text in the database's format: it begins as UTF-16 text does";
const char* const unclosedQuote = "A quoted text in the file has no closing quote";
constexpr std::string_view separator = "\"************************\"";

// Reads the eighteen fields of one record, in the order they are stored; the
// separator is taken as it comes. nullopt when the data ends inside the record.
std::optional<itemrec> readRecord(FieldReader& in) {
    itemrec rec;
    bool complete = true;
    const auto text = [&](std::string& field) {
        if (!complete)
            return;
        auto value = in.readString();
        complete = value.has_value();
        if (complete)
            field = std::move(*value);
    };
    const auto number = [&](std::int16_t& field) {
        if (!complete)
            return;
        auto value = in.readInt16();
        complete = value.has_value();
        if (complete)
            field = *value;
    };

    std::string ignored;
    text(ignored);
    text(rec.name);
    number(rec.dif);
    number(rec.artist);
    text(rec.image);
    text(rec.pronounce);
    text(rec.roots);
    text(rec.translation);
    text(rec.whynamed);
    text(rec.order);
    text(rec.suborder);
    text(rec.family);
    text(rec.length);
    text(rec.weight);
    text(rec.found);
    text(rec.era);
    text(rec.diet);
    text(rec.desc);
    if (!complete)
        return std::nullopt;
    rec.erarange = eraSpan(rec.era);
    return rec;
}

// Writes the file's text into a buffer sized for it beforehand. Appending to a
// std::string field by field checks and grows its capacity at every step, and
// for a few hundred kilobytes that cost as much as the rest of a save.
class RecordWriter {
public:
    explicit RecordWriter(char* out) : out_(out) {}

    char* end() const { return out_; }

    void put(char c) { *out_++ = c; }
    void put(std::string_view text) {
        std::memcpy(out_, text.data(), text.size());
        out_ += text.size();
    }
    // The file has no escape for a double quote, so one would end the field
    // early; it is stored as a single quote.
    void putQuoted(std::string_view field) {
        put('"');
        char* const start = out_;
        put(field);
        // Searched in the field, not in the copy just written, which the
        // processor could not yet read back at full speed.
        if (field.find('"') != std::string_view::npos)
            std::replace(start, out_, '"', '\'');
        put('"');
    }
    void putNumber(std::int16_t value) {
        out_ = std::to_chars(out_, out_ + maxNumberSize, value).ptr;
    }
    // One line of quoted fields separated by commas.
    void putLine(std::initializer_list<const std::string*> fields) {
        bool first = true;
        for (const std::string* field : fields) {
            if (!first)
                put(',');
            first = false;
            putQuoted(*field);
        }
        put(crlf);
    }

    void putRecord(const itemrec& r) {
        put(separator);
        put(crlf);
        putQuoted(r.name);
        put(',');
        putNumber(r.dif);
        put(',');
        putNumber(r.artist);
        put(',');
        putLine({&r.image});
        putLine({&r.pronounce});
        putLine({&r.roots, &r.translation, &r.whynamed});
        putLine({&r.order, &r.suborder, &r.family});
        putLine({&r.length, &r.weight});
        putLine({&r.found, &r.era, &r.diet});
        putLine({&r.desc});
    }

    // "-32768" is the longest.
    static constexpr std::size_t maxNumberSize = 6;

private:
    static constexpr std::string_view crlf = "\r\n";
    char* out_;
};

// The most a record can take: its texts, and for the rest the separator line,
// fifteen pairs of quotes, ten commas, eight line ends and both numbers.
std::size_t largestFormattedSize(const itemrec& r) {
    constexpr std::size_t framing =
        separator.size() + 15 * 2 + 10 + 8 * 2 + 2 * RecordWriter::maxNumberSize;
    std::size_t size = framing;
    for (const std::string* field :
         {&r.name, &r.image, &r.pronounce, &r.roots, &r.translation, &r.whynamed, &r.order,
          &r.suborder, &r.family, &r.length, &r.weight, &r.found, &r.era, &r.diet, &r.desc})
        size += field->size();
    return size;
}

// Another editor may have saved the file as UTF-16 (or wider) text: it then
// begins with a byte order mark, or with a NUL beside its first character.
// Read byte by byte it would only give records of rubbish.
bool isText(std::string_view data) {
    return !data.starts_with("\xff\xfe") && !data.starts_with("\xfe\xff") &&
           data.substr(0, 2).find('\0') == std::string_view::npos;
}

// Every text is quoted at both ends and cannot hold a quote itself, so an odd
// count means a text ran on into whatever followed it.
bool quotesPaired(std::string_view data) {
    return std::count(data.begin(), data.end(), '"') % 2 == 0;
}

// Reads records into the table until the data ends; the text of what stopped
// it early, or empty.
std::string readRecords(std::string_view data, ItemTable& table) {
    FieldReader in(data);
    while (!in.atEnd()) {
        if (table.nitems == maxItems)
            return tooMany;
        auto rec = readRecord(in);
        if (!rec)
            return pastEnd;
        ++table.nitems;
        table.items[static_cast<std::size_t>(table.nitems)] = std::move(*rec);
    }
    return "";
}

void noteWholeFile(ItemTable& table, const std::string& reason) {
    table.wholeFile = reason.empty();
    table.notWholeReason = reason;
}

// A file the table holds only part of is kept aside before it is replaced;
// false when that failed and the file must not be written. keptAs receives
// the name it is kept under.
bool keepUnreadFile(QuizState& game, const std::string& file, std::string& keptAs) {
    ItemTable& db = game.db;
    if (db.wholeFile || file != db.dbfile)
        return true;
    const FileResult kept = keepAside(file, KeepBy::copying, keptAs);
    // A file that is gone has nothing left to lose.
    if (!kept.ok && kept.error != ENOENT) {
        game.host.message({kept.text + game.crlf + file +
                               " was not saved: the editor could not read all of it, and it "
                               "could not be kept aside first. Your changes last until the "
                               "program ends.",
                           Buttons::Ok, Icon::Critical, "", false});
        return false;
    }
    if (!kept.ok)
        keptAs.clear();
    noteWholeFile(db, "");
    return true;
}

void reportReadFailure(QuizState& game, const std::string& error) {
    const ItemTable& db = game.db;
    game.host.message({error + game.crlf + "last item " + str(db.nitems) + " " +
                           db.items[static_cast<std::size_t>(db.nitems)].name,
                       Buttons::Ok, Icon::Critical, "", false});
}

} // namespace

std::size_t ItemSlots::checked(std::size_t slot) {
    if (slot >= slotCount)
        throw std::out_of_range("item slot " + std::to_string(slot));
    return slot;
}

const itemrec& ItemSlots::emptyRecord() {
    static const itemrec empty;
    return empty;
}

void ItemSlots::grow(std::size_t slot) {
    // Past the room set aside the records would move, and with them every
    // reference to one.
    records_.resize(checked(slot) + 1);
}

ReadResult parsedb(std::string_view data, ItemTable& table) {
    table.items.clear();
    table.nitems = 0;

    ReadResult result;
    result.error = isText(data) ? readRecords(data, table) : notText;
    if (result.error.empty() && !quotesPaired(data))
        result.error = unclosedQuote;
    table.itemuse.assign(static_cast<std::size_t>(table.nitems) + 1, 0);
    noteWholeFile(table, result.error);
    result.lastItem = table.nitems;
    return result;
}

std::string formatdb(const ItemTable& table) {
    std::size_t size = 0;
    for (int i = 1; i <= table.nitems; ++i)
        size += largestFormattedSize(table.items[static_cast<std::size_t>(i)]);
    std::string out(size, '\0');
    RecordWriter writer(out.data());
    for (int i = 1; i <= table.nitems; ++i)
        writer.putRecord(table.items[static_cast<std::size_t>(i)]);
    out.resize(static_cast<std::size_t>(writer.end() - out.data()));
    return out;
}

void readdb(QuizState& game, const std::string& file) {
    std::string data;
    const FileResult opened = readWholeFile(file, data, largestDatabase);
    if (!opened.ok) {
        parsedb("", game.db);
        noteWholeFile(game.db, opened.text);
        reportReadFailure(game, opened.text);
        return;
    }
    const ReadResult result = parsedb(data, game.db);
    if (!result.error.empty())
        reportReadFailure(game, result.error);
}

bool writedb(QuizState& game, const std::string& file) {
    std::string keptAs;
    if (!keepUnreadFile(game, file, keptAs))
        return false;
    const FileResult saved = saveFileAtomically(file, formatdb(game.db));
    if (!saved.ok) {
        game.host.message(
            {saved.text + game.crlf + "writedb " + file, Buttons::Ok, Icon::Critical, "", false});
        return false;
    }
    if (!keptAs.empty())
        game.host.message({file + " was saved with the " + str(game.db.nitems) +
                               " items the editor holds. The file as it was before is kept as " +
                               keptAs + ".",
                           Buttons::Ok, Icon::Information, "", false});
    return true;
}

void loaddb(QuizState& game) {
    game.db.dbfile = "drem.dat";
    readdb(game, game.db.dbfile);
    game.db.itemuse.assign(static_cast<std::size_t>(game.db.nitems) + 1, 0);
}

} // namespace stratavex
