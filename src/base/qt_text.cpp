// SPDX-License-Identifier: MIT
#include "base/qt_text.h"

#include <QLabel>

#include <array>

namespace stratavex {
namespace {

// Windows-1252 0x80..0x9F. The five bytes the code page leaves undefined map
// to the C1 control of the same value, so they survive a round trip.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

char16_t decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return highControls[byte - 0x80];
    return byte; // the rest of the code page is Latin-1
}

char encodeChar(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<char>(ch);
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == ch)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QString fromWin1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes)
        text.append(QChar(decodeByte(static_cast<unsigned char>(byte))));
    return text;
}

std::string toWin1252(QStringView text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    // By code point, so a character outside the BMP is one '?', not two.
    for (char32_t ch : text.toUcs4())
        bytes.push_back(encodeChar(ch));
    return bytes;
}

QString displayText(std::string_view bytes) {
    QString text = fromWin1252(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString buttonText(std::string_view bytes) {
    return displayText(bytes).replace(QLatin1Char('&'), QLatin1String("&&"));
}

void setPlainText(QLabel& label, std::string_view bytes) {
    label.setTextFormat(Qt::PlainText);
    label.setText(displayText(bytes));
}

} // namespace stratavex
