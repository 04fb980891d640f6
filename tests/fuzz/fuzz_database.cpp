// SPDX-License-Identifier: MIT
// The database reader on any bytes. Whatever it accepts is written out and
// read back, and must give the same table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "database/items.h"
#include "fuzz/fuzz_check.h"

namespace {

using stratavex::itemrec;
using stratavex::ItemTable;
using stratavex::fuzz::check;

// The file has no escape for a double quote, so the writer turns one into a
// single quote. A field read without quotes may hold one; the table written
// and read back holds the single quote instead.
itemrec asWritten(itemrec r) {
    for (std::string* field :
         {&r.name, &r.image, &r.pronounce, &r.roots, &r.translation, &r.whynamed, &r.order,
          &r.suborder, &r.family, &r.length, &r.weight, &r.found, &r.era, &r.diet, &r.desc})
        std::replace(field->begin(), field->end(), '"', '\'');
    return r;
}

void checkReadTable(const ItemTable& table, const stratavex::ReadResult& result) {
    check(table.nitems >= 0 && table.nitems <= stratavex::maxItems, "item count within 0..500");
    check(result.lastItem == table.nitems, "the last complete item is the item count");
    check(table.itemuse.size() == static_cast<std::size_t>(table.nitems) + 1,
          "use counters cover 0..nitems");
    check(table.items[0] == itemrec{}, "slot 0 holds no item");
    check(result.error.empty() || result.error == "Input past end of file" ||
              result.error == "More than 500 records in the file" ||
              result.error == "A quoted text in the file has no closing quote" ||
              result.error ==
                  "The file is not text in the database's format: it begins as UTF-16 text does",
          "a failure is reported with one of the reader's own texts");
    check(table.wholeFile == result.error.empty() && table.notWholeReason == result.error,
          "the table knows whether it holds the whole file");
    check(result.error != "More than 500 records in the file" ||
              table.nitems == stratavex::maxItems,
          "too many records only after 500 were read");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Two tables of 501 records do not belong on the stack, and allocating them
    // afresh for every input costs more than the parsing; the reader clears
    // the table it fills.
    static ItemTable loaded;
    static ItemTable back;
    const stratavex::ReadResult first = stratavex::parsedb(bytes, loaded);
    checkReadTable(loaded, first);

    const std::string written = stratavex::formatdb(loaded);
    const stratavex::ReadResult second = stratavex::parsedb(written, back);
    checkReadTable(back, second);
    check(second.error.empty(), "a written database reads back without an error");
    check(back.nitems == loaded.nitems, "a written database reads back with every record");
    for (int i = 1; i <= loaded.nitems; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        check(back.items[slot] == asWritten(loaded.items[slot]),
              "a written record reads back field for field");
    }
    check(stratavex::formatdb(back) == written,
          "writing the table loaded back gives the same bytes");
    return 0;
}
