// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>
#include <string_view>

class QLabel;

namespace stratavex {

// The game's files and the core keep text as Windows-1252 bytes; Qt shows
// Unicode. Every text that crosses between them goes through this pair.
QString fromWin1252(std::string_view bytes);
// A character that Windows-1252 cannot hold becomes '?'.
std::string toWin1252(QStringView text);

// Text for a control: Windows-1252 decoded, CR LF line ends as Qt's LF.
QString displayText(std::string_view bytes);

// Text for a button's caption: as displayText, with an ampersand shown rather
// than taken as a keyboard shortcut.
QString buttonText(std::string_view bytes);

// Database and configuration text is always shown as plain text, so a '<'
// in a description never turns into markup.
void setPlainText(QLabel& label, std::string_view bytes);

} // namespace stratavex
