// SPDX-License-Identifier: MIT
#pragma once

namespace stratavex {

// A column of equal rows (the options of a question) spread over the height a
// screen has, in twips. The rows stand at least leastPitch apart, move apart
// as the window grows taller, and stop at mostPitch; the column is then
// centred in its band, so a tall window does not scatter the options.
struct RowColumn {
    int count = 0;
    double height = 0;
    double leastPitch = 0;
    double mostPitch = 0;
};

// The top of a row when the column fills the band from top to bottom.
double rowTop(const RowColumn& column, double top, double bottom, int row);

} // namespace stratavex
