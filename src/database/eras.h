// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace stratavex {

// The span in millions of years of an era name ("Late Jurassic" gives
// "150 - 135 mya"); "" for a name that is not in the era table.
std::string eraSpan(std::string_view era);

} // namespace stratavex
