#include "Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

const std::string EndOfLine = "\n";

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Every double's exact decimal expansion ends within this many places
// (the smallest subnormal is 2^-1074).
constexpr int kExactPlaces = 1074;

// More significant digits than any double needs to be rounded correctly
// (767 at most); the rest of a longer number only matters as "nonzero".
constexpr std::size_t kKeptDigits = 800;

// Far enough outside the range of doubles that the answer is plain.
constexpr std::int64_t kExponentLimit = 400;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsMark(char c)
{
    return c == '.' || c == ',';
}

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// The digits of the number that starts at a place in the text: the integer
// part (with the group marks between its digits, when it has them), the
// fraction, the group mark (or none) and where the number ends.
struct NumberParts {
    std::string_view integer;
    std::string_view fraction;
    char groupMark = 0;
    std::size_t end = 0;
};

// A lone mark is the decimal mark, since people type "," for it as often
// as ".". Several marks are read as digit grouping only where they can mean
// nothing else, so a slip such as "1.2.3" is still read up to its second
// mark. The run of digits and marks is walked once, and the walk stops at
// the first mark that cannot group.
NumberParts ScanNumber(std::string_view text, std::size_t start)
{
    const std::size_t integerEnd = SkipDigits(text, start);
    NumberParts plain { text.substr(start, integerEnd - start), {}, 0, integerEnd };
    if (integerEnd == text.size() || !IsMark(text[integerEnd]))
        return plain;
    const std::size_t fractionEnd = SkipDigits(text, integerEnd + 1);
    plain.fraction = text.substr(integerEnd + 1, fractionEnd - integerEnd - 1);
    plain.end = fractionEnd;

    const std::size_t firstGroup = integerEnd - start;
    if (firstGroup == 0 || firstGroup > 3 || fractionEnd == text.size() || !IsMark(text[fractionEnd]))
        return plain;
    const char groupMark = text[integerEnd];
    for (std::size_t mark = integerEnd;;) {
        const std::size_t groupEnd = SkipDigits(text, mark + 1);
        const bool lastMark = groupEnd == text.size() || !IsMark(text[groupEnd]);
        if (text[mark] != groupMark) {
            if (!lastMark)
                return plain;
            return { text.substr(start, mark - start), text.substr(mark + 1, groupEnd - mark - 1), groupMark,
                groupEnd };
        }
        if (groupEnd - mark - 1 != 3)
            return plain;
        if (lastMark)
            return { text.substr(start, groupEnd - start), {}, groupMark, groupEnd };
        mark = groupEnd;
    }
}

// Appends the digits of a part of a number, skipping its group marks (a
// groupMark of 0 means it has none), as far as the kept digits go, and notes
// whether a nonzero digit found no room. Gives the number of digits.
std::size_t KeepDigits(std::string_view part, char groupMark, std::string& normalised, bool& droppedNonZero)
{
    std::size_t count = 0;
    for (;;) {
        const std::size_t mark = groupMark ? std::min(part.find(groupMark), part.size()) : part.size();
        const std::string_view digits = part.substr(0, mark);
        const std::size_t room = kKeptDigits - std::min(kKeptDigits, normalised.size() - 2);
        normalised.append(digits.substr(0, room));
        if (digits.size() > room && digits.find_first_not_of('0', room) != std::string_view::npos)
            droppedNonZero = true;
        count += digits.size();
        if (mark == part.size())
            return count;
        part.remove_prefix(mark + 1);
    }
}

// An input method in its full-width mode commits digits, the full stop and
// comma and the plus and minus signs as full-width forms, U+FF0B to U+FF19
// (with the solidus among them, which ends a number either way). Each stands
// for the ASCII form 0xFEE0 below it; in UTF-8, its last byte less 0x60.
std::string WithAsciiForms(std::string_view text)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (at + 2 < text.size() && text[at] == '\xEF' && text[at + 1] == '\xBC') {
            const auto last = static_cast<unsigned char>(text[at + 2]);
            if (last >= 0x8B && last <= 0x99) {
                ascii += static_cast<char>(last - 0x60);
                at += 2;
                continue;
            }
        }
        ascii += text[at];
    }
    return ascii;
}

bool IsWordCharacter(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// Whether the text starts with the word, in any case, as a whole word: what
// follows it, if anything, is no letter, digit or underscore. So "INF mph"
// holds the word and "Info" does not.
bool StartsWithWord(std::string_view text, std::string_view upperWord)
{
    if (text.size() < upperWord.size())
        return false;
    for (std::size_t i = 0; i < upperWord.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != upperWord[i])
            return false;
    }
    return text.size() == upperWord.size() || !IsWordCharacter(text[upperWord.size()]);
}

std::string SpecialText(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

// The parts of a display mask that shape the text.
struct MaskShape {
    std::size_t forcedInteger = 0;
    std::size_t decimals = 0;
    std::size_t forcedDecimals = 0;
};

MaskShape ShapeOf(std::string_view mask)
{
    MaskShape shape;
    bool afterPoint = false;
    for (char c : mask) {
        if (c == '.') {
            afterPoint = true;
        } else if (c == '#' || c == '0') {
            if (afterPoint)
                ++shape.decimals;
            if (c == '0')
                ++(afterPoint ? shape.forcedDecimals : shape.forcedInteger);
        }
    }
    return shape;
}

// Adds one to the last digit of a decimal digit string, carrying as far as needed.
void Increment(std::string& digits)
{
    for (std::size_t i = digits.size(); i > 0; --i) {
        if (digits[i - 1] != '9') {
            ++digits[i - 1];
            return;
        }
        digits[i - 1] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

double CDbl(std::string_view text)
{
    std::string ascii;
    if (text.find("\xEF\xBC") != std::string_view::npos) {
        ascii = WithAsciiForms(text);
        text = ascii;
    }
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    const double sign = negative ? -1.0 : 1.0;

    const std::string_view rest = text.substr(at);
    if (StartsWithWord(rest, "INF") || StartsWithWord(rest, "INFINITY"))
        return sign * kInfinity;
    if (StartsWithWord(rest, "NAN"))
        return kNaN;

    const auto [integer, fraction, groupMark, end] = ScanNumber(text, at);
    if (integer.empty() && fraction.empty())
        return kNaN;
    at = end;

    // An exponent counts only when digits follow its letter. Its value is
    // capped: anything that large already means infinity or zero.
    std::int64_t exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t look = at + 1;
        bool exponentNegative = false;
        if (look < text.size() && (text[look] == '+' || text[look] == '-'))
            exponentNegative = text[look++] == '-';
        for (; look < text.size() && IsDigit(text[look]); ++look) {
            if (exponent < 1'000'000'000'000)
                exponent = exponent * 10 + (text[look] - '0');
        }
        if (exponentNegative)
            exponent = -exponent;
    }

    // Rewrite the number as 0.DDDD x 10^scale with its leading zeros and
    // group marks gone, so the reader gets a short text in its own notation
    // whatever was typed.
    std::string normalised = "0.";
    normalised.reserve(kKeptDigits + 32);
    bool droppedNonZero = false;
    std::int64_t scale = 0;
    const std::size_t integerZeros = std::min(integer.find_first_not_of("0.,"), integer.size());
    if (integerZeros < integer.size()) {
        const std::size_t digits = KeepDigits(integer.substr(integerZeros), groupMark, normalised, droppedNonZero);
        scale = static_cast<std::int64_t>(digits);
        KeepDigits(fraction, 0, normalised, droppedNonZero);
    } else {
        const std::size_t fractionZeros = fraction.find_first_not_of('0');
        if (fractionZeros == std::string_view::npos)
            return negative ? -0.0 : 0.0;
        scale = -static_cast<std::int64_t>(fractionZeros);
        KeepDigits(fraction.substr(fractionZeros), 0, normalised, droppedNonZero);
    }
    // The exponent is capped and the digit count is bounded by memory, so
    // this cannot overflow.
    scale += exponent;
    if (scale > kExponentLimit)
        return sign * kInfinity;
    if (scale < -kExponentLimit)
        return negative ? -0.0 : 0.0;

    // A digit past every one that can matter keeps the number on the
    // right side of a halfway point.
    if (droppedNonZero)
        normalised += '1';
    normalised += 'e';
    normalised += std::to_string(scale);

    double value = 0;
    const auto result = std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = scale > 0 ? kInfinity : 0.0;
    else if (result.ec != std::errc())
        return kNaN;
    return sign * value;
}

std::string Format(double value, std::string_view mask)
{
    if (!std::isfinite(value))
        return SpecialText(value);
    const MaskShape shape = ShapeOf(mask);

    // The exact decimal expansion: rounding it once, by hand, is the only
    // way to round halves away from zero without a second rounding.
    std::array<char, 1500> buffer {};
    const auto [end, error] = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), std::fabs(value), std::chars_format::fixed, kExactPlaces);
    if (error != std::errc())
        return SpecialText(kNaN);
    const std::string_view exact(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t point = exact.find('.');
    const std::string_view exactFraction = exact.substr(point + 1);

    const std::size_t places = std::min(shape.decimals, exactFraction.size());
    std::string digits(exact.substr(0, point));
    digits.append(exactFraction.substr(0, places));
    if (places < exactFraction.size() && exactFraction[places] >= '5')
        Increment(digits);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;

    std::string fraction = digits.substr(digits.size() - places);
    std::string integer = digits.substr(0, digits.size() - places);
    while (fraction.size() > shape.forcedDecimals && fraction.back() == '0')
        fraction.pop_back();
    if (fraction.size() < shape.forcedDecimals)
        fraction.append(shape.forcedDecimals - fraction.size(), '0');
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    const std::size_t integerWidth = std::max<std::size_t>(1, shape.forcedInteger);
    if (integer.size() < integerWidth)
        integer.insert(0, integerWidth - integer.size(), '0');

    std::string text;
    text.reserve(integer.size() + fraction.size() + 2);
    if (value < 0 && !zero)
        text += '-';
    text += integer;
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

std::string CStr(double value)
{
    if (!std::isfinite(value))
        return SpecialText(value);
    std::array<char, 64> buffer {};
    // Whole numbers in the range people type are written out in full.
    const bool whole = value == std::trunc(value) && std::fabs(value) < 1e15;
    const auto [end, error] = whole
        ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed)
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

std::string CStr(std::string text)
{
    return text;
}

std::string CStr(const char* text)
{
    return text ? std::string(text) : std::string();
}

std::string Chr(int code)
{
    std::string text;
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return text;
    const auto c = static_cast<std::uint32_t>(code);
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}
