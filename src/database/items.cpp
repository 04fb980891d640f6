// SPDX-License-Identifier: MIT
#include "database/items.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <optional>

#include "database/eras.h"
#include "shell/fields.h"
#include "shell/file_io.h"
#include "shell/game.h"

namespace stratavex {

namespace {

const char* const pastEnd = "Input past end of file";
const char* const tooMany = "More than 500 records in the file";
const char* const separator = "\"************************\"";

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

// The file has no escape for a double quote, so one would end the field early.
// Fields go straight onto the end of the file's text: a copy per field would
// cost more than the formatting itself.
void appendQuoted(std::string& out, const std::string& field) {
    out += '"';
    const std::size_t start = out.size();
    out += field;
    if (field.find('"') != std::string::npos)
        std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), '"', '\'');
    out += '"';
}

// One line of quoted fields separated by commas.
void appendLine(std::string& out, std::initializer_list<const std::string*> fields) {
    bool first = true;
    for (const std::string* field : fields) {
        if (!first)
            out += ',';
        first = false;
        appendQuoted(out, *field);
    }
    out += "\r\n";
}

void appendRecord(std::string& out, const itemrec& r) {
    out += separator;
    out += "\r\n";
    appendQuoted(out, r.name);
    out += ',';
    out += str(r.dif);
    out += ',';
    out += str(r.artist);
    out += ',';
    appendLine(out, {&r.image});
    appendLine(out, {&r.pronounce});
    appendLine(out, {&r.roots, &r.translation, &r.whynamed});
    appendLine(out, {&r.order, &r.suborder, &r.family});
    appendLine(out, {&r.length, &r.weight});
    appendLine(out, {&r.found, &r.era, &r.diet});
    appendLine(out, {&r.desc});
}

// At least the size of the formatted table, so that its text is allocated
// once: growing a text of a few hundred kilobytes step by step costs more than
// writing it.
std::size_t formattedSize(const ItemTable& table) {
    // The separator line, quotes, commas, line ends and both numbers.
    constexpr std::size_t perRecord = 128;
    std::size_t size = 0;
    for (int i = 1; i <= table.nitems; ++i) {
        const itemrec& r = table.items[static_cast<std::size_t>(i)];
        size += perRecord;
        for (const std::string* field :
             {&r.name, &r.image, &r.pronounce, &r.roots, &r.translation, &r.whynamed, &r.order,
              &r.suborder, &r.family, &r.length, &r.weight, &r.found, &r.era, &r.diet, &r.desc})
            size += field->size();
    }
    return size;
}

void reportReadFailure(Game& game, const std::string& error) {
    const ItemTable& db = game.db;
    game.host.message({error + game.crlf + "last item " + str(db.nitems) + " " +
                           db.items[static_cast<std::size_t>(db.nitems)].name,
                       Buttons::Ok, Icon::Critical, "", false});
}

} // namespace

ReadResult parsedb(std::string_view data, ItemTable& table) {
    table.items.fill(itemrec{});
    table.nitems = 0;

    ReadResult result;
    FieldReader in(data);
    while (!in.atEnd()) {
        if (table.nitems == maxItems) {
            result.error = tooMany;
            break;
        }
        auto rec = readRecord(in);
        if (!rec) {
            result.error = pastEnd;
            break;
        }
        ++table.nitems;
        table.items[static_cast<std::size_t>(table.nitems)] = std::move(*rec);
    }
    table.itemuse.assign(static_cast<std::size_t>(table.nitems) + 1, 0);
    result.lastItem = table.nitems;
    return result;
}

std::string formatdb(const ItemTable& table) {
    std::string out;
    out.reserve(formattedSize(table));
    for (int i = 1; i <= table.nitems; ++i)
        appendRecord(out, table.items[static_cast<std::size_t>(i)]);
    return out;
}

void readdb(Game& game, const std::string& file) {
    std::string data;
    const FileResult opened = readWholeFile(file, data);
    if (!opened.ok) {
        parsedb("", game.db);
        reportReadFailure(game, opened.text);
        return;
    }
    const ReadResult result = parsedb(data, game.db);
    if (!result.error.empty())
        reportReadFailure(game, result.error);
}

void writedb(Game& game, const std::string& file) {
    const FileResult saved = saveFileAtomically(file, formatdb(game.db));
    if (!saved.ok)
        game.host.message(
            {saved.text + game.crlf + "writedb " + file, Buttons::Ok, Icon::Critical, "", false});
}

void loaddb(Game& game) {
    game.db.dbfile = "drem.dat";
    readdb(game, game.db.dbfile);
    game.db.itemuse.assign(static_cast<std::size_t>(game.db.nitems) + 1, 0);
}

} // namespace stratavex
