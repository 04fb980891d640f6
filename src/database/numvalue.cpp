// SPDX-License-Identifier: MIT
#include "database/attributes.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace stratavex {

namespace {

bool skippable(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Reads the leading number of a text the way the classic Val() does: blanks,
// tabs and line feeds are ignored wherever they stand.
double leadingNumber(std::string_view s) {
    std::string number;
    std::size_t i = 0;
    auto peek = [&]() -> char {
        while (i < s.size() && skippable(s[i]))
            ++i;
        return i < s.size() ? s[i] : '\0';
    };
    if (char c = peek(); c == '+' || c == '-') {
        number += c;
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (char c = peek(); std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && !point);
         c = peek()) {
        point = point || c == '.';
        digits = digits || c != '.';
        number += c;
        ++i;
    }
    if (!digits)
        return 0.0;
    if (char c = peek(); c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        std::size_t mark = i++;
        std::string exponent = "e";
        if (char sign = peek(); sign == '+' || sign == '-') {
            exponent += sign;
            ++i;
        }
        while (std::isdigit(static_cast<unsigned char>(peek())))
            exponent += s[i++];
        if (exponent.back() >= '0' && exponent.back() <= '9')
            number += exponent;
        else
            i = mark;
    }
    return std::strtod(number.c_str(), nullptr);
}

std::int32_t roundToInt32(double v) {
    const double r = std::nearbyint(v); // the default rounding mode: half to even
    if (!(r >= std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

} // namespace

std::int32_t numvalueOf(std::string_view text) {
    std::string s(text);
    for (int n = 0; n < 3; ++n)
        if (auto comma = s.find(','); comma != std::string::npos)
            s[comma] = ' ';
    double v = leadingNumber(s);
    if (s.find("million") != std::string::npos)
        v *= 1000000.0;
    if (s.find("ton") != std::string::npos)
        v *= 2000.0;
    if (s.find("mya") != std::string::npos)
        v = -v;
    return roundToInt32(v);
}

std::int32_t itemnum(QuizState& game, int item, int code) {
    return numvalueOf(getpstr(game, item, code));
}

} // namespace stratavex
