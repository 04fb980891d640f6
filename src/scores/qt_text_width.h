// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QFont;
class QPlainTextEdit;

namespace stratavex {

// The width of the widest of the text's lines in that font, unwrapped.
int widestLine(const QString& text, const QFont& font);

// What a multi-line box with a vertical scroll bar takes beside its lines:
// its frame, the document's margins, the cursor and the scroll bar, with a
// pixel against rounding on each side.
int widthBesideLines(const QPlainTextEdit& box);

} // namespace stratavex
