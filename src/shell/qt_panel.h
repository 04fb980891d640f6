// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>

class QPainter;

namespace stratavex {

// Paints an antialiased rounded rectangle with the painter's pen and brush,
// exactly as QPainter::drawRoundedRect does, in bands of a few rows. Qt's
// raster engine hands a fill of more than about a hundred spans to worker
// threads, and the first such fill starts them: a millisecond or more on the
// menu's first paint, for panels that take microseconds to fill on one thread.
void paintRoundedPanel(QPainter& painter, const QRectF& rect, qreal radius);

} // namespace stratavex
