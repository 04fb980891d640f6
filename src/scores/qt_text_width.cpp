// SPDX-License-Identifier: MIT
#include "scores/qt_text_width.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace stratavex {

int widestLine(const QString& text, const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

int widthBesideLines(const QPlainTextEdit& box) {
    const int scrollBar =
        box.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box.verticalScrollBar());
    const int margin = static_cast<int>(box.document()->documentMargin());
    return 2 * (margin + box.frameWidth() + box.cursorWidth() + 1) + scrollBar;
}

} // namespace stratavex
