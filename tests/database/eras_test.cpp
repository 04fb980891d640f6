// SPDX-License-Identifier: MIT
#include "database/eras.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "database/attributes.h"

namespace stratavex {
namespace {

TEST(EraSpan, GivesTheSpanOfANamedEra) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"Triassic", "251.9 - 201.4 mya"},
        {"Late Triassic", "237 - 201.4 mya"},
        {"Late Triassic - Early Jurassic", "237 - 174.7 mya"},
        {"Middle - Late Jurassic", "174.7 - 143.1 mya"},
        {"Late Jurassic", "161.5 - 143.1 mya"},
        {"Cretaceous", "143.1 - 66 mya"},
        {"Middle Cretaceous", "113 - 89.8 mya"},
        {"Late Cretaceous", "100.5 - 66 mya"},
        {"Late Permian - Early Triassic", "259.5 - 246.7 mya"},
        {"Cambrian", "538.8 - 486.9 mya"},
    };
    for (const auto& [era, span] : rows)
        EXPECT_EQ(eraSpan(era), span) << era;
}

TEST(EraSpan, MatchesTheWholeNameExactlyAndCaseSensitively) {
    for (const char* era : {"late Jurassic", "LATE JURASSIC", "Late Jurassic ", " Late Jurassic",
                            "Late", "Jurassic period", "Late Jurassic - Early", ""})
        EXPECT_EQ(eraSpan(era), "") << '"' << era << '"';
}

// Every span reads "older - younger mya", with at most one decimal.
TEST(EraSpan, EveryRowIsWrittenInOneStyleOlderFirst) {
    const std::regex style(R"((\d+(?:\.\d)?) - (\d+(?:\.\d)?) mya)");
    for (std::string_view era : eraNames()) {
        const std::string span = eraSpan(era);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(span, m, style)) << era << ": " << span;
        EXPECT_GT(std::stod(m[1]), std::stod(m[2])) << era;
    }
}

// The sorting question compares eras by the rounded first figure of their span;
// rounding must never put a row that began later above one that began earlier.
TEST(EraSpan, SortingByEraKeepsEveryPairOfRowsInOrder) {
    const std::vector<std::string_view> eras = eraNames();
    for (std::string_view a : eras)
        for (std::string_view b : eras) {
            const double startA = std::stod(eraSpan(a));
            const double startB = std::stod(eraSpan(b));
            if (startA > startB) {
                EXPECT_LT(numvalueOf(eraSpan(a)), numvalueOf(eraSpan(b))) << a << " / " << b;
            }
        }
}

// An era with its span is an answer of the era question; a tabbed export marks
// answers of 61 characters or more as too long.
TEST(EraSpan, EveryEraWithItsSpanFitsAnExportedAnswer) {
    constexpr std::size_t longestAnswer = 60;
    for (std::string_view era : eraNames()) {
        const std::string phrase = std::string(era) + "  --  " + eraSpan(era);
        EXPECT_LE(phrase.size(), longestAnswer) << phrase;
    }
}

} // namespace
} // namespace stratavex
