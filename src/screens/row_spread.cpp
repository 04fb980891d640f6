// SPDX-License-Identifier: MIT
#include "screens/row_spread.h"

#include <algorithm>

namespace stratavex {

double rowTop(const RowColumn& column, double top, double bottom, int row) {
    if (column.count < 2)
        return top;
    const double room = bottom - top;
    const double pitch = std::clamp((room - column.height) / (column.count - 1), column.leastPitch,
                                    column.mostPitch);
    const double used = pitch * (column.count - 1) + column.height;
    return top + std::max(0.0, (room - used) / 2) + row * pitch;
}

} // namespace stratavex
