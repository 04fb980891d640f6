// SPDX-License-Identifier: MIT
#include "database/eras.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stratavex {
namespace {

TEST(EraSpan, GivesTheSpanOfANamedEra) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"Triassic", "225 - 190 mya"},
        {"Late Triassic - Early Jurassic", "200 - 170 mya"},
        {"Middle - Late Jurassic", "170 - 135 mya"},
        {"Late Jurassic", "150 - 135 mya"},
        {"Cretaceous", "135 - 65 mya"},
        {"Late Cretaceous", "85 - 65 mya"},
        {"Late Permian - Early Triassic", "255 - 210 mya"},
        {"Cambrian", "570 - 505 mya"},
    };
    for (const auto& [era, span] : rows)
        EXPECT_EQ(eraSpan(era), span) << era;
}

TEST(EraSpan, MatchesTheWholeNameExactlyAndCaseSensitively) {
    for (const char* era : {"late Jurassic", "LATE JURASSIC", "Late Jurassic ", " Late Jurassic",
                            "Late", "Jurassic period", "Late Jurassic - Early", ""})
        EXPECT_EQ(eraSpan(era), "") << '"' << era << '"';
}

} // namespace
} // namespace stratavex
