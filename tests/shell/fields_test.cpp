// SPDX-License-Identifier: MIT
#include "base/fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stratavex {
namespace {

std::vector<std::string> allStrings(std::string_view data) {
    FieldReader in(data);
    std::vector<std::string> fields;
    while (auto f = in.readString())
        fields.push_back(*f);
    return fields;
}

std::vector<int> allInt16(std::string_view data) {
    FieldReader in(data);
    std::vector<int> values;
    while (auto v = in.readInt16())
        values.push_back(*v);
    return values;
}

struct StringRow {
    const char* rule;
    std::string data;
    std::vector<std::string> fields;
};

TEST(FieldReader, ReadsTextFieldsByTheFileRules) {
    const std::vector<StringRow> rows = {
        {"a quoted field ends at its closing quote, the rest up to the comma is skipped",
         "\"ab\"cd,\"e\"",
         {"ab", "e"}},
        {"commas and blanks inside quotes are kept", "\" a, b \",\"c\"", {" a, b ", "c"}},
        {"leading blanks before a quote are skipped", "   \"x\"", {"x"}},
        {"an unquoted field loses its leading and trailing blanks", "  abc  ,def", {"abc", "def"}},
        {"a quote inside an unquoted field is text", "ab\"c,d", {"ab\"c", "d"}},
        {"CR LF is one line end", "a\r\nb", {"a", "b"}},
        {"a lone CR is one line end", "a\rb", {"a", "b"}},
        {"a lone LF is one line end", "a\nb", {"a", "b"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"an empty line is an empty field", "a\r\n\r\nb", {"a", "", "b"}},
        {"two commas hold an empty field", "a,,b", {"a", "", "b"}},
        {"a comma before a line end leaves an empty field", "\"a\",\r\n\"b\"", {"a", "", "b"}},
        {"a final line end starts no further field", "a\r\n", {"a"}},
        {"a quoted field may span lines", "\"a\r\nb\",c", {"a\r\nb", "c"}},
        {"a quote that never closes runs to the end", "\"abc", {"abc"}},
        {"an empty quoted field is empty", "\"\",x", {"", "x"}},
        {"nothing holds no field", "", {}},
    };
    for (const StringRow& row : rows)
        EXPECT_EQ(allStrings(row.data), row.fields) << row.rule;
}

struct NumberRow {
    const char* rule;
    std::string data;
    std::vector<int> values;
};

TEST(FieldReader, ReadsNumbersWithBlanksAsSeparators) {
    const std::vector<NumberRow> rows = {
        {"a print-zone line", " 1             2 \r\n", {1, 2}},
        {"negative values", "-5            -7 \r\n 3 \r\n", {-5, -7, 3}},
        {"blanks separate numbers", "1 2  3", {1, 2, 3}},
        {"a comma after blanks is one separator", "1 ,2", {1, 2}},
        {"text where a number belongs reads as 0", "abc,5", {0, 5}},
        {"a number with trailing text reads as 0", "12abc 4", {0, 4}},
        {"values beyond the range saturate", "99999 -99999", {32767, -32768}},
        {"a fraction rounds half to even", "2.5 3.5 2.51 -2.5 0.4", {2, 4, 3, -2, 0}},
        {"a quoted number is read", "\"12\",3", {12, 3}},
        {"an empty line reads as 0", "\r\n7", {0, 7}},
    };
    for (const NumberRow& row : rows)
        EXPECT_EQ(allInt16(row.data), row.values) << row.rule;
}

TEST(FieldReader, ReadsThirtyTwoBitNumbersToTheirOwnRange) {
    FieldReader in("16777215 -2147483648 99999999999");
    EXPECT_EQ(in.readInt32(), 16777215);
    EXPECT_EQ(in.readInt32(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(in.readInt32(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(in.readInt32(), std::nullopt);
}

TEST(FieldReader, IsAtEndOnlyWhenNotEvenALineEndIsLeft) {
    FieldReader in("\"a\"\r\n\r\n");
    EXPECT_FALSE(in.atEnd());
    EXPECT_EQ(in.readString(), "a");
    EXPECT_FALSE(in.atEnd()) << "one line end is still left";
    EXPECT_EQ(in.readString(), "");
    EXPECT_TRUE(in.atEnd());
    EXPECT_EQ(in.readString(), std::nullopt) << "reading past the end";
}

TEST(ParseNumber, TakesOnlyWholeNumbersAndFractions) {
    const std::vector<std::pair<std::string, std::int64_t>> rows = {
        {"42", 42},
        {" 42 ", 42},
        {"+7", 7},
        {"-0", 0},
        {"1.", 1},
        {".5", 0},
        {"1.5", 2},
        {"", 0},
        {"-", 0},
        {".", 0},
        {"1e3", 0},
        {"1,5", 0},
        {"x1", 0},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"99999999999999999999999", std::numeric_limits<std::int64_t>::max()},
    };
    for (const auto& [text, value] : rows)
        EXPECT_EQ(parseNumber(text), value) << '"' << text << '"';
}

TEST(PrintZoneLine, PutsEachValueAtTheStartOfItsFourteenCharacterZone) {
    EXPECT_EQ(printZoneLine({7}), " 7 \r\n");
    EXPECT_EQ(printZoneLine({-7}), "-7 \r\n");
    EXPECT_EQ(printZoneLine({1, 2}), " 1             2 \r\n");
    EXPECT_EQ(printZoneLine({-1, 20, -300}), "-1             20           -300 \r\n");
    EXPECT_EQ(printZoneLine({-2147483648LL, 16777215}), "-2147483648    16777215 \r\n");
}

TEST(Str, IsPlainDecimal) {
    EXPECT_EQ(str(0), "0");
    EXPECT_EQ(str(12), "12");
    EXPECT_EQ(str(-12), "-12");
}

} // namespace
} // namespace stratavex
