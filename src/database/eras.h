// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace stratavex {

// The span in millions of years of an era name ("Late Jurassic" gives
// "161.5 - 143.1 mya"); "" for a name that is not in the era table.
std::string eraSpan(std::string_view era);

// The era names of the table, in its order.
std::vector<std::string_view> eraNames();

} // namespace stratavex
