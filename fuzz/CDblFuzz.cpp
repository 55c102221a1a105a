// CDbl over arbitrary bytes. Besides never crashing, whatever the text, the
// number it reads must be the one the C library reads from the same digits:
// a number at the start of the text (after blanks) is read correctly
// rounded, digit grouping such as "1,234.5" or "1.234,5" is read as
// grouping, full-width digits, marks and signs as their ASCII forms, the
// whole words "INF"/"INFINITY"/"NAN" are read as such, and anything else
// gives NaN.
#include "framework/Text.h"

#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsMark(char c)
{
    return c == '.' || c == ',';
}

// Full-width digits, marks and signs, as an input method commits them, stand
// for their ASCII forms.
std::string WithAsciiForms(std::string_view text)
{
    static constexpr std::string_view kForms[][2]
        = { { "\uFF0B", "+" }, { "\uFF0C", "," }, { "\uFF0D", "-" }, { "\uFF0E", "." }, { "\uFF10", "0" },
              { "\uFF11", "1" }, { "\uFF12", "2" }, { "\uFF13", "3" }, { "\uFF14", "4" }, { "\uFF15", "5" },
              { "\uFF16", "6" }, { "\uFF17", "7" }, { "\uFF18", "8" }, { "\uFF19", "9" } };
    std::string ascii;
    for (std::size_t at = 0; at < text.size();) {
        bool replaced = false;
        for (const auto& [form, plain] : kForms) {
            if (text.substr(at, form.size()) == form) {
                ascii += plain;
                at += form.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            ascii += text[at++];
    }
    return ascii;
}

// The word in any case, followed by the end of the text or by anything but a
// letter, digit or underscore.
bool StartsWithWord(std::string_view text, std::string_view lowerWord)
{
    if (text.size() < lowerWord.size())
        return false;
    for (std::size_t i = 0; i < lowerWord.size(); ++i) {
        const char c = text[i];
        if (c != lowerWord[i] && c != lowerWord[i] - 'a' + 'A')
            return false;
    }
    if (text.size() == lowerWord.size())
        return true;
    const char next = text[lowerWord.size()];
    return !(IsDigit(next) || (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z') || next == '_');
}

// The whole run of digits and marks at a place in the text, cut into digit
// groups, when its marks group digits: its digits in the C library's
// notation and where the run ends. Grouping takes two marks or more, all but
// the last of one kind, after a first group of 1 to 3 digits and then groups
// of exactly 3; the last mark is the decimal mark when it is of the other
// kind, or one more group mark before exactly 3 digits.
std::optional<std::pair<std::string, std::size_t>> GroupedNumber(std::string_view text, std::size_t at)
{
    std::vector<std::string> groups(1);
    std::string marks;
    for (; at < text.size() && (IsDigit(text[at]) || IsMark(text[at])); ++at) {
        if (IsDigit(text[at])) {
            groups.back() += text[at];
        } else {
            marks += text[at];
            groups.emplace_back();
        }
    }
    if (marks.size() < 2 || groups[0].empty() || groups[0].size() > 3)
        return std::nullopt;
    const std::size_t last = marks.size() - 1;
    for (std::size_t i = 1; i <= last; ++i) {
        if (marks[i - 1] != marks[0] || groups[i].size() != 3)
            return std::nullopt;
    }
    const bool decimal = marks[last] != marks[0];
    if (!decimal && groups[last + 1].size() != 3)
        return std::nullopt;
    std::string number;
    for (std::size_t i = 0; i <= last; ++i)
        number += groups[i];
    if (decimal)
        number += '.';
    number += groups[last + 1];
    return std::make_pair(number, at);
}

// What the text starts with, found by a plain scan of the number grammar:
// blanks, a sign, digits with one decimal mark (either "." or ",") or digit
// grouping, and an exponent only when digits follow its letter.
struct Leading {
    enum Kind { None, Number, Infinity, NotANumber } kind = None;
    bool negative = false;
    std::string number; // in the C library's notation
};

Leading LeadingNumber(std::string_view typed)
{
    const std::string text = WithAsciiForms(typed);
    Leading found;
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos)
        return found;
    std::string number;
    if (text[at] == '+' || text[at] == '-') {
        found.negative = text[at] == '-';
        number += text[at++];
    }
    if (StartsWithWord(text.substr(at), "inf") || StartsWithWord(text.substr(at), "infinity")) {
        found.kind = Leading::Infinity;
        return found;
    }
    if (StartsWithWord(text.substr(at), "nan")) {
        found.kind = Leading::NotANumber;
        return found;
    }
    if (const auto grouped = GroupedNumber(text, at)) {
        number += grouped->first;
        at = grouped->second;
    } else {
        bool digits = false;
        for (; at < text.size() && IsDigit(text[at]); ++at, digits = true)
            number += text[at];
        if (at < text.size() && IsMark(text[at])) {
            number += '.';
            for (++at; at < text.size() && IsDigit(text[at]); ++at, digits = true)
                number += text[at];
        }
        if (!digits)
            return found;
    }
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

// The same number text with some of its digits, marks and signs in their
// full-width forms, as an input method commits them: those whose byte has
// its high bit set.
std::string AsPartlyFullWidth(const std::uint8_t* data, std::size_t size)
{
    const std::string plain = AsNumberText(data, size);
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = plain[i];
        if ((data[i] & 0x80) && c >= '+' && c <= '9') {
            // U+FF0B to U+FF19 in UTF-8: EF BC and the ASCII code plus 0x60.
            text += "\xEF\xBC";
            text += static_cast<char>(c + 0x60);
        } else {
            text += c;
        }
    }
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
    Check(AsPartlyFullWidth(data, size));
    return 0;
}
