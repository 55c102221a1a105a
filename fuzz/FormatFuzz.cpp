// Format over arbitrary doubles and arbitrary masks of "#", "0", "." and "-".
// The first eight bytes are the double's bits (little-endian), every further
// byte one mask character. For a finite value the text must read back within half a unit
// of the mask's last place, show the whole integer part (no digit cut, at
// least the mask's forced digits), carry a "-" exactly when a value below
// zero does not round to zero, and keep between the mask's forced and
// optional decimals. NaN and the infinities give "NAN", "INF" and "-INF".
#include "framework/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

struct Mask {
    std::string text;
    std::size_t forcedInteger = 0; // "0" before the first "."
    std::size_t decimals = 0; // "#" or "0" after it
    std::size_t forcedDecimals = 0; // "0" after it
};

Mask MaskOf(const std::uint8_t* data, std::size_t size)
{
    // Indexed so that the bytes of "#", "0", "." and "-" stand for themselves.
    static constexpr char kMaskCharacters[] = { '0', '-', '.', '#' };
    Mask mask;
    bool afterPoint = false;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = kMaskCharacters[data[i] % 4];
        mask.text += c;
        if (c == '.') {
            afterPoint = true;
        } else if (c != '-') {
            mask.decimals += afterPoint;
            if (c == '0')
                ++(afterPoint ? mask.forcedDecimals : mask.forcedInteger);
        }
    }
    return mask;
}

[[noreturn]] void Fail(double value, const Mask& mask, const std::string& text, const char* what)
{
    std::fprintf(
        stderr, "Format(%.17g [%a], \"%s\") = \"%s\": %s\n", value, value, mask.text.c_str(), text.c_str(), what);
    std::abort();
}

// The decimal digits of a whole number held in a double, exactly.
std::string WholeDigits(double whole)
{
    std::array<char, 400> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole, std::chars_format::fixed, 0);
    return std::string(buffer.data(), result.ptr);
}

std::string PlusOne(std::string digits)
{
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9')
        digits[--i] = '0';
    if (i == 0)
        digits.insert(digits.begin(), '1');
    else
        ++digits[i - 1];
    return digits;
}

double Ulp(double x)
{
    x = std::fabs(x);
    return std::nextafter(x, std::numeric_limits<double>::infinity()) - x;
}

void CheckFinite(double value, const Mask& mask, const std::string& text)
{
    // The text's shape: [-] integer digits [. fraction digits], nothing else.
    const bool minus = !text.empty() && text[0] == '-';
    const std::size_t point = text.find('.');
    const std::string integer = text.substr(minus, point == std::string::npos ? std::string::npos : point - minus);
    const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (integer.empty() || integer.find_first_not_of("0123456789") != std::string::npos
        || fraction.find_first_not_of("0123456789") != std::string::npos
        || (point != std::string::npos && fraction.empty()))
        Fail(value, mask, text, "not a plain decimal text");

    // No integer digit is cut: the integer shown is that of |value|, or one
    // more where rounding the decimals carried into it, padded with zeros to
    // the forced digits and never narrower than one digit.
    const std::string whole = WholeDigits(std::trunc(std::fabs(value)));
    const std::string shown = integer.substr(std::min(integer.find_first_not_of('0'), integer.size() - 1));
    if (shown != whole && shown != PlusOne(whole))
        Fail(value, mask, text, "the integer part is not the value's");
    if (integer.size() != std::max({ shown.size(), mask.forcedInteger, std::size_t { 1 } }))
        Fail(value, mask, text, "integer digits padded wrongly");

    if (fraction.size() < mask.forcedDecimals || fraction.size() > mask.decimals)
        Fail(value, mask, text, "decimals outside the mask's forced and optional places");
    if (fraction.size() > mask.forcedDecimals && fraction.back() == '0')
        Fail(value, mask, text, "an optional decimal shows a trailing zero");

    const bool zero = text.find_first_of("123456789") == std::string::npos;
    if (minus != (value < 0 && !zero))
        Fail(value, mask, text, "the sign is wrong");

    // Reads back within half a unit of the last place. The text itself is
    // within that of the value exactly; reading it back into a double adds
    // at most half an ulp, and the subtraction here a little more.
    const double back = CDbl(text);
    const double halfUnit = 0.5 * std::pow(10.0, -static_cast<double>(mask.decimals));
    const double tolerance = halfUnit * (1 + 4 * std::numeric_limits<double>::epsilon())
        + 4 * std::max(Ulp(value), Ulp(back)) + std::numeric_limits<double>::denorm_min();
    if (!(std::fabs(back - value) <= tolerance))
        Fail(value, mask, text, "does not read back within half a unit of its last place");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double))
        return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const Mask mask = MaskOf(data + sizeof value, size - sizeof value);
    const std::string text = Format(value, mask.text);

    if (std::isnan(value)) {
        if (text != "NAN")
            Fail(value, mask, text, "NaN must give NAN");
    } else if (std::isinf(value)) {
        if (text != (value > 0 ? "INF" : "-INF"))
            Fail(value, mask, text, "an infinity must give INF or -INF");
    } else {
        CheckFinite(value, mask, text);
    }
    return 0;
}
