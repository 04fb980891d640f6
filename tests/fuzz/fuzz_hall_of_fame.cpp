// SPDX-License-Identifier: MIT
// The Hall of Fame reader on any bytes. A file it accepts is written out and
// read back, and must give the same list.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "scores/hof.h"

namespace {

using stratavex::HallOfFame;
using stratavex::HofEntry;
using stratavex::fuzz::check;

// The name is written between double quotes with no escape, so the writer
// turns a double quote into a single one; a name line without quotes may hold
// one when read.
HofEntry asWritten(HofEntry e) {
    std::replace(e.name.begin(), e.name.end(), '"', '\'');
    return e;
}

void checkList(const HallOfFame& table) {
    check(table.hofcount >= 0 && table.hofcount <= HallOfFame::places, "count within 0..30");
    for (int i = 1; i <= table.hofcount; ++i)
        check(table.hof[static_cast<std::size_t>(i)].game.size() == HallOfFame::gameWidth,
              "the game code is exactly 8 characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    HallOfFame read;
    const bool accepted = stratavex::parseHof(bytes, read);
    checkList(read);
    if (!accepted) {
        check(read.hofcount == 0, "a refused file leaves an empty list");
        return 0;
    }

    const std::string written = stratavex::formatHof(read);
    HallOfFame back;
    check(stratavex::parseHof(written, back), "a written Hall of Fame is accepted");
    checkList(back);
    check(back.hofcount == read.hofcount, "a written Hall of Fame reads back every entry");
    for (int i = 1; i <= read.hofcount; ++i) {
        const auto place = static_cast<std::size_t>(i);
        check(back.hof[place] == asWritten(read.hof[place]),
              "a written entry reads back field for field");
    }
    check(stratavex::formatHof(back) == written, "writing the list read back gives the same bytes");
    return 0;
}
