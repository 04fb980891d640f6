// SPDX-License-Identifier: MIT
#include "base/fields.h"

#include <limits>

namespace stratavex {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

template <typename Int> Int saturate(std::int64_t value) {
    if (value < std::numeric_limits<Int>::min())
        return std::numeric_limits<Int>::min();
    if (value > std::numeric_limits<Int>::max())
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Adds a digit to a magnitude, sticking at the largest value instead of wrapping.
std::int64_t appendDigit(std::int64_t magnitude, char digit) {
    constexpr std::int64_t top = std::numeric_limits<std::int64_t>::max();
    const int d = digit - '0';
    if (magnitude > (top - d) / 10)
        return top;
    return magnitude * 10 + d;
}

// Whether a fraction's digits round the whole part away from zero, half to even.
bool roundsUp(std::string_view fraction, std::int64_t whole) {
    if (fraction.empty() || fraction.front() < '5')
        return false;
    if (fraction.front() > '5')
        return true;
    for (char c : fraction.substr(1))
        if (c != '0')
            return true;
    return whole % 2 != 0;
}

} // namespace

void FieldReader::skipBlanks() {
    while (pos_ < data_.size() && isBlank(data_[pos_]))
        ++pos_;
}

// Consumes one comma or one line end (CR LF, a lone CR or a lone LF).
void FieldReader::skipSeparator() {
    if (pos_ >= data_.size())
        return;
    const char c = data_[pos_];
    if (c == ',') {
        ++pos_;
    } else if (c == '\r') {
        ++pos_;
        if (pos_ < data_.size() && data_[pos_] == '\n')
            ++pos_;
    } else if (c == '\n') {
        ++pos_;
    }
}

std::optional<std::string> FieldReader::readToken(bool blankEnds) {
    if (atEnd())
        return std::nullopt;
    skipBlanks();
    std::string field;
    if (pos_ < data_.size() && data_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        const std::size_t close = data_.find('"', start);
        const std::size_t end = close == std::string_view::npos ? data_.size() : close;
        field.assign(data_.substr(start, end - start));
        pos_ = end == data_.size() ? end : end + 1;
        // Whatever follows the closing quote belongs to no field.
        while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
            ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_]) &&
               !(blankEnds && isBlank(data_[pos_])))
            ++pos_;
        field.assign(trimBlanks(data_.substr(start, pos_ - start)));
        if (blankEnds)
            skipBlanks();
    }
    skipSeparator();
    return field;
}

std::optional<std::string> FieldReader::readString() {
    return readToken(false);
}

std::optional<std::int16_t> FieldReader::readInt16() {
    auto token = readToken(true);
    if (!token)
        return std::nullopt;
    return saturate<std::int16_t>(parseNumber(*token));
}

std::optional<std::int32_t> FieldReader::readInt32() {
    auto token = readToken(true);
    if (!token)
        return std::nullopt;
    return saturate<std::int32_t>(parseNumber(*token));
}

std::int64_t parseNumber(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t whole = 0;
    std::size_t i = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        whole = appendDigit(whole, text[i]);
    const std::size_t wholeDigits = i;
    std::string_view fraction;
    if (i < text.size() && text[i] == '.') {
        const std::size_t start = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        fraction = text.substr(start, i - start);
    }
    if (i != text.size() || (wholeDigits == 0 && fraction.empty()))
        return 0;
    if (roundsUp(fraction, whole) && whole < std::numeric_limits<std::int64_t>::max())
        ++whole;
    return negative ? -whole : whole;
}

std::string printZoneLine(std::initializer_list<std::int64_t> values) {
    constexpr std::size_t zone = 14;
    std::string line;
    bool first = true;
    for (std::int64_t v : values) {
        if (!first)
            line.append((zone - line.size() % zone) % zone, ' ');
        first = false;
        line += v < 0 ? '-' : ' ';
        // The magnitude's digits, without the sign str() would add.
        const std::string digits = str(v);
        line += v < 0 ? digits.substr(1) : digits;
        line += ' ';
    }
    line += "\r\n";
    return line;
}

std::string str(std::int64_t value) {
    return std::to_string(value);
}

} // namespace stratavex
