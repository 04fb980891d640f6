// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include "base/config.h"
#include "base/settings.h"
#include "database/items.h"

// Readable failure output for the program's records in GoogleTest.
namespace stratavex {

inline void PrintTo(const WindowRecord& w, std::ostream* os) {
    *os << "{state " << w.state << ", color " << w.backcolor << ", height " << w.height
        << ", width " << w.width << "}";
}

inline void PrintTo(const Config& c, std::ostream* os) {
    *os << "{name \"" << c.playername << "\", email \"" << c.playeremail << "\", bgpicture \""
        << c.bgpicture << "\"";
    for (std::size_t slot = 0; slot < c.winsize.size(); ++slot) {
        *os << ", " << slot << ": ";
        PrintTo(c.winsize[slot], os);
    }
    *os << "}";
}

inline void PrintTo(const itemrec& r, std::ostream* os) {
    *os << "{\"" << r.name << "\", " << r.dif << ", " << r.artist << ", \"" << r.image << "\", \""
        << r.pronounce << "\", \"" << r.roots << "\", \"" << r.translation << "\", \"" << r.whynamed
        << "\", \"" << r.order << "\", \"" << r.suborder << "\", \"" << r.family << "\", \""
        << r.length << "\", \"" << r.weight << "\", \"" << r.found << "\", \"" << r.era << "\" ("
        << r.erarange << "), \"" << r.diet << "\", \"" << r.desc << "\"}";
}

} // namespace stratavex
