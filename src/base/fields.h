// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace stratavex {

// Reads the comma/line-end separated fields of the game's text files from a
// byte buffer. Shared by the database, the sound list, the configuration and
// the Hall of Fame readers.
class FieldReader {
public:
    explicit FieldReader(std::string_view data) : data_(data) {}

    // True when nothing, not even a line end, is left.
    bool atEnd() const { return pos_ >= data_.size(); }

    // A quoted field runs to the next double quote and the rest up to the next
    // comma or line end is skipped; an unquoted field runs to the next comma or
    // line end, trailing blanks removed. nullopt when the input is exhausted.
    std::optional<std::string> readString();

    // Like readString, but blanks also end an unquoted field. Text that is not a
    // number reads as 0; values beyond the type's range saturate.
    std::optional<std::int16_t> readInt16();
    std::optional<std::int32_t> readInt32();

private:
    std::optional<std::string> readToken(bool blankEnds);
    void skipBlanks();
    void skipSeparator();

    std::string_view data_;
    std::size_t pos_ = 0;
};

// A blank as the files use it around fields: a space or a tab.
bool isBlank(char c);

// The text without its leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

// The whole-number value of a field's text: optional sign, digits and an
// optional fraction (rounded half to even); anything else gives 0.
std::int64_t parseNumber(std::string_view text);

// One line of numbers in 14-character print zones: each number as a blank or
// minus sign, its digits and one blank; the last followed directly by CR LF.
std::string printZoneLine(std::initializer_list<std::int64_t> values);

// Plain decimal, with a minus sign when negative and no padding.
std::string str(std::int64_t value);

} // namespace stratavex
