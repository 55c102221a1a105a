#pragma once

#include <charconv>
#include <concepts>
#include <string>
#include <string_view>
#include <type_traits>

// Text and number operations the program uses to read numbers out of field
// text and write them back. They never depend on the user's locale: the
// decimal point is always ".", and they never fail on odd input.

// The number at the start of the text (after blanks), or NaN when there is none;
// whatever follows the number is ignored. Accepts an exponent ("1e3" is 1000),
// the whole words "INF"/"INFINITY"/"NAN" in any case (a text that only begins
// with one, such as "Info", holds no number), and "." or "," as the decimal
// mark: a lone mark is always the decimal mark ("12,5" and "1,234" read as
// 12.5 and 1.234). When the number holds both marks, or one of them more than
// once, the marks are digit grouping if every mark but the last stands between
// a first group of 1 to 3 digits or a later group of exactly 3, all of one
// kind; the last mark is then the decimal mark when it is the other kind, or
// one more group mark when it is the same kind and exactly 3 digits follow it
// ("1,234.5", "1.234,5" and "1,234,567" read as 1234.5, 1234.5 and 1234567).
// Marks that do not group like that are read as far as the second mark
// ("1.2.3" and "1,23.4" read as 1.2 and 1.23). Full-width digits, full stop,
// comma, plus and minus, as an input method commits them, read as their
// ASCII forms ("４０" is 40).
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
