// SPDX-License-Identifier: MIT
#include "shell/qt_panel.h"

#include <QPainter>

#include <cmath>

namespace stratavex {

namespace {

// An antialiased edge gives a row up to a few spans, the corners some more:
// eight rows stay well below the engine's threshold.
constexpr int bandRows = 8;

} // namespace

void paintRoundedPanel(QPainter& painter, const QRectF& rect, qreal radius) {
    // Half the pen lies outside the rectangle, and antialiasing may touch one more pixel.
    const qreal reach = painter.pen().widthF() / 2 + 1;
    const QRectF painted = rect.adjusted(-reach, -reach, reach, reach);
    const int left = static_cast<int>(std::floor(painted.left()));
    const int right = static_cast<int>(std::ceil(painted.right()));
    const int bottom = static_cast<int>(std::ceil(painted.bottom()));
    for (int top = static_cast<int>(std::floor(painted.top())); top < bottom; top += bandRows) {
        painter.save();
        painter.setClipRect(QRect(left, top, right - left, bandRows), Qt::IntersectClip);
        painter.drawRoundedRect(rect, radius, radius);
        painter.restore();
    }
}

} // namespace stratavex
