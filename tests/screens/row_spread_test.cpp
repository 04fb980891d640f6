// SPDX-License-Identifier: MIT
#include "screens/row_spread.h"

#include <gtest/gtest.h>

namespace stratavex {
namespace {

// Five rows 500 high, 600 to 1200 apart.
constexpr RowColumn options{.count = 5, .height = 500, .leastPitch = 600, .mostPitch = 1200};

struct Spread {
    const char* rule;
    double top;
    double bottom;
    double firstTop;
    double pitch;
};

class RowSpread : public ::testing::TestWithParam<Spread> {};

TEST_P(RowSpread, PlacesEveryRow) {
    const Spread& s = GetParam();
    for (int row = 0; row < options.count; ++row)
        EXPECT_DOUBLE_EQ(rowTop(options, s.top, s.bottom, row), s.firstTop + row * s.pitch)
            << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(
    Bands, RowSpread,
    ::testing::Values(
        // 4 x 600 + 500 = 2900: the column fills the band exactly.
        Spread{"aBandJustHoldingTheLeastPitchIsFilled", 1000, 3900, 1000, 600},
        Spread{"aShortBandKeepsTheLeastPitchFromItsTop", 1000, 2000, 1000, 600},
        // (5500 - 500) / 4 = 1250, more than the most pitch would be.
        Spread{"aTallBandStopsAtTheMostPitchAndCentresTheColumn", 0, 5500, 100, 1200},
        // (4500 - 500) / 4 = 1000.
        Spread{"aBandInBetweenSpreadsTheRowsOverIt", 500, 5000, 500, 1000}),
    [](const ::testing::TestParamInfo<Spread>& info) { return info.param.rule; });

TEST(RowSpreadOfOneRow, StandsAtTheTopOfItsBand) {
    EXPECT_DOUBLE_EQ(
        rowTop({.count = 1, .height = 500, .leastPitch = 600, .mostPitch = 900}, 300, 5000, 0),
        300);
}

} // namespace
} // namespace stratavex
