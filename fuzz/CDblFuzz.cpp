// CDbl over arbitrary bytes. Besides never crashing, whatever the text, the
// number it reads must be the one the C library reads from the same digits:
// a number at the start of the text (after blanks) is read correctly
// rounded, "INF"/"NAN" are read as such, and anything else gives NaN.
#include "framework/Text.h"

#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool StartsWithWord(std::string_view text, std::string_view lowerWord)
{
    if (text.size() < lowerWord.size())
        return false;
    for (std::size_t i = 0; i < lowerWord.size(); ++i) {
        const char c = text[i];
        if (c != lowerWord[i] && c != lowerWord[i] - 'a' + 'A')
            return false;
    }
    return true;
}

// What the text starts with, found by a plain scan of the number grammar:
// blanks, a sign, digits with one decimal mark (either "." or ","), and an
// exponent only when digits follow its letter.
struct Leading {
    enum Kind { None, Number, Infinity, NotANumber } kind = None;
    bool negative = false;
    std::string number; // in the C library's notation
};

Leading LeadingNumber(std::string_view text)
{
    Leading found;
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos)
        return found;
    std::string number;
    if (text[at] == '+' || text[at] == '-') {
        found.negative = text[at] == '-';
        number += text[at++];
    }
    if (StartsWithWord(text.substr(at), "inf")) {
        found.kind = Leading::Infinity;
        return found;
    }
    if (StartsWithWord(text.substr(at), "nan")) {
        found.kind = Leading::NotANumber;
        return found;
    }
    bool digits = false;
    for (; at < text.size() && IsDigit(text[at]); ++at, digits = true)
        number += text[at];
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        number += '.';
        for (++at; at < text.size() && IsDigit(text[at]); ++at, digits = true)
            number += text[at];
    }
    if (!digits)
        return found;
    if (at + 1 < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t look = at + 1;
        std::string exponent = "e";
        if (text[look] == '+' || text[look] == '-')
            exponent += text[look++];
        if (look < text.size() && IsDigit(text[look])) {
            for (; look < text.size() && IsDigit(text[look]); ++look)
                exponent += text[look];
            number += exponent;
        }
    }
    found.kind = Leading::Number;
    found.number = number;
    return found;
}

bool SameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

[[noreturn]] void Fail(std::string_view text, const char* what, double got, double expected)
{
    std::fprintf(stderr, "CDbl(\"%.*s\") = %.17g, expected %.17g: %s\n", static_cast<int>(text.size()), text.data(),
        got, expected, what);
    std::abort();
}

void Check(std::string_view text)
{
    const double got = CDbl(text);
    const Leading leading = LeadingNumber(text);
    switch (leading.kind) {
    case Leading::None:
        if (!std::isnan(got))
            Fail(text, "no number at the start must read as NaN", got, NAN);
        break;
    case Leading::NotANumber:
        if (!std::isnan(got))
            Fail(text, "NAN must read as NaN", got, NAN);
        break;
    case Leading::Infinity: {
        const double expected = leading.negative ? -INFINITY : INFINITY;
        if (!SameDouble(got, expected))
            Fail(text, "INF must read as an infinity of its sign", got, expected);
        break;
    }
    case Leading::Number: {
        // glibc's strtod rounds correctly however many digits it is given.
        const double expected = std::strtod(leading.number.c_str(), nullptr);
        if (!SameDouble(got, expected))
            Fail(text, "the number must read as the correctly rounded double", got, expected);
        break;
    }
    }
}

// The same bytes as a text of the characters numbers are made of, so that
// most inputs are numbers: long digit strings, marks, signs and exponents.
std::string AsNumberText(const std::uint8_t* data, std::size_t size)
{
    static constexpr char kAlphabet[] = "0123456789012345678901234567890123456789 \t+-.,eE.0x";
    std::string text(size, ' ');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = kAlphabet[data[i] % (sizeof kAlphabet - 1)];
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The reference reader must not follow a locale's decimal mark.
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Check(std::string_view(reinterpret_cast<const char*>(data), size));
    Check(AsNumberText(data, size));
    return 0;
}
