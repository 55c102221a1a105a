#include "Text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

const std::string EndOfLine = "\n";

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool StartsWithNoCase(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != word[i])
            return false;
    }
    return true;
}

// Correctly rounded decimal reading that no locale can change.
double ReadDecimal(const std::string& number)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return strtod_l(number.c_str(), nullptr, c);
}

std::string SpecialText(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

} // namespace

double CDbl(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    std::string number;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        number += text[at];
        ++at;
    }
    const std::string_view rest = text.substr(at);
    if (StartsWithNoCase(rest, "INF"))
        return number == "-" ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    if (StartsWithNoCase(rest, "NAN"))
        return std::numeric_limits<double>::quiet_NaN();

    std::size_t digits = 0;
    while (at < text.size() && IsDigit(text[at])) {
        number += text[at++];
        ++digits;
    }
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        number += '.';
        ++at;
        while (at < text.size() && IsDigit(text[at])) {
            number += text[at++];
            ++digits;
        }
    }
    if (digits == 0)
        return std::numeric_limits<double>::quiet_NaN();
    // An exponent counts only when digits follow its letter.
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t look = at + 1;
        if (look < text.size() && (text[look] == '+' || text[look] == '-'))
            ++look;
        if (look < text.size() && IsDigit(text[look])) {
            number += text.substr(at, look - at);
            while (look < text.size() && IsDigit(text[look]))
                number += text[look++];
        }
    }
    return ReadDecimal(number);
}

std::string Format(double value, std::string_view mask)
{
    if (!std::isfinite(value))
        return SpecialText(value);

    // The mask's shape: forced integer digits, decimal places, forced decimals.
    std::size_t forcedInteger = 0;
    std::size_t decimals = 0;
    std::size_t forcedDecimals = 0;
    bool afterPoint = false;
    for (char c : mask) {
        if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (c == '#' || c == '0') {
            if (afterPoint) {
                ++decimals;
                if (c == '0')
                    forcedDecimals = decimals;
            } else if (c == '0') {
                ++forcedInteger;
            }
        }
    }

    // The exact decimal expansion of the double: no digit is lost before rounding.
    std::array<char, 1500> buffer {};
    const double magnitude = std::fabs(value);
    auto [end, error]
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, 1100);
    if (error != std::errc())
        return SpecialText(std::numeric_limits<double>::quiet_NaN());
    std::string exact(buffer.data(), end);
    const std::size_t point = exact.find('.');
    std::string integer = exact.substr(0, point);
    std::string fraction = exact.substr(point + 1);

    // Round half away from zero at the last place of the mask.
    std::string kept = integer + fraction.substr(0, decimals);
    if (fraction[decimals] >= '5') {
        std::size_t i = kept.size();
        while (i > 0) {
            --i;
            if (kept[i] == '9') {
                kept[i] = '0';
            } else {
                ++kept[i];
                break;
            }
            if (i == 0)
                kept.insert(kept.begin(), '1');
        }
    }
    integer = kept.substr(0, kept.size() - decimals);
    fraction = kept.substr(kept.size() - decimals);

    while (fraction.size() > forcedDecimals && fraction.back() == '0')
        fraction.pop_back();
    std::size_t leading = 0;
    while (leading + 1 < integer.size() && integer[leading] == '0')
        ++leading;
    integer.erase(0, leading);
    if (integer.size() < forcedInteger)
        integer.insert(0, forcedInteger - integer.size(), '0');

    const bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !zero) ? "-" : "";
    text += integer;
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

std::string CStr(double value)
{
    if (!std::isfinite(value))
        return SpecialText(value);
    std::array<char, 64> buffer {};
    // Whole numbers are written out in full rather than with an exponent.
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        auto [end, error]
            = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 0);
        if (error == std::errc())
            return std::string(buffer.data(), end) == "-0" ? "-0" : std::string(buffer.data(), end);
    }
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
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
    } else if (c < 0x110000) {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}
