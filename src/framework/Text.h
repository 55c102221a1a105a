#pragma once

#include <string>
#include <string_view>

// Text and number conversion, the same in every locale.

// The number that the text starts with (after blanks): sign, digits, "." or
// "," as the decimal mark, exponent; what follows is ignored. "INF", "-INF"
// and "NAN" read back in any case. No number at all gives NaN.
double CDbl(std::string_view text);

// The value under a display mask of '#' (optional digit) and '0' (forced
// digit) with at most one '.': rounded from its exact value, halves away
// from zero; trailing zeros after the point dropped down to the forced
// places; integer digits never cut; a negative value keeps its sign.
std::string Format(double value, std::string_view mask);

// The shortest text that CDbl reads back as the same double.
std::string CStr(double value);
// A text comes back unchanged.
std::string CStr(std::string text);
std::string CStr(const char* text);

// The one-character text of a character code.
std::string Chr(int code);

// The platform's line ending.
extern const std::string EndOfLine;
