#pragma once

#include <charconv>
#include <concepts>
#include <string>
#include <string_view>
#include <type_traits>

// Text and number operations the program uses to read numbers out of field
// text and write them back. They never depend on the user's locale: the
// decimal point is always ".", and they never fail on odd input.

// The number at the start of the text (after blanks), or NaN when there is none.
// Accepts "." or "," as the decimal mark and "INF"/"INFINITY"/"NAN" in any case.
double CDbl(std::string_view text);

// The value under a display mask of "#" (optional digit), "0" (forced digit),
// one "." and an optional leading "-". Halves round away from zero; integer
// digits are never cut; a value below zero that does not round to zero always
// carries its "-".
std::string Format(double value, std::string_view mask);

// The shortest text CDbl reads back as the same double; whole numbers below
// 1e15 are written out in full, never with an exponent.
std::string CStr(double value);
// A text comes back unchanged.
std::string CStr(std::string text);
std::string CStr(const char* text);

// Whole numbers are written exactly. Without this a literal 0 would be
// ambiguous between the double and the pointer overloads.
template <std::integral T>
requires(!std::is_same_v<T, bool>) std::string CStr(T value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The one-character text of a character code, UTF-8 encoded above 127. A code
// that is no character (negative, a surrogate, above 0x10FFFF) gives "".
std::string Chr(int code);

// The platform's line ending.
extern const std::string EndOfLine;
