// The speed and temperature fields: a figure typed into one field of a pair
// is converted into its partner on Return or with the Calc button.

#include "Window1.h"
#include "fuel/FuelConstants.h"

#include <array>
#include <string_view>

namespace {

// Km per mile for speeds; the efficiency conversion uses another value.
constexpr double kKmPerMile = 1.609344;

using W = class Window1;

// A field, the partner it converts into, the Calc button's caption while
// it is typed into, the conversion, and the partner's display masks: one
// for a converted value below zero, one for any other.
struct Conversion {
    TextField* (W::*field)() const;
    TextField* (W::*partner)() const;
    std::string_view caption;
    double (*convert)(double);
    std::string_view maskBelowZero;
    std::string_view mask;
};

// In the order the Calc button tests the focus.
constexpr std::array<Conversion, 4> kConversions { {
    { &W::txtKPH, &W::txtMPH, "Calc mph", [](double kmh) { return kmh * MilesPerKm; }, "####", "####" },
    { &W::txtMPH, &W::txtKPH, "Calc km/h", [](double mph) { return mph * kKmPerMile; }, "####", "####" },
    { &W::txtTempF, &W::txtTempC, "Calc °C", [](double f) { return ((f - 32) * 5) / 9; }, "-##.0", "##.0" },
    { &W::txtTempC, &W::txtTempF, "Calc °F", [](double c) { return ((c * 9) / 5) + 32; }, "-##.0", "##.0" },
} };

const Conversion& ConversionOf(TextField* (W::*field)() const)
{
    for (const Conversion& conversion : kConversions)
        if (conversion.field == field)
            return conversion;
    throw NilObjectException("No conversion for this field.");
}

TextField& Field(const W& window, TextField* (W::*accessor)() const)
{
    TextField* field = (window.*accessor)();
    NilCheck(field, "The field");
    return *field;
}

BevelButton& CalcButton(const W& window)
{
    BevelButton* button = window.BevCalc();
    NilCheck(button, "The Calc button");
    return *button;
}

// Writes the partner's value; the field that was read is never written.
void Convert(const W& window, const Conversion& conversion)
{
    const double value = conversion.convert(CDbl(Field(window, conversion.field).Text()));
    // The mask follows the converted value, not the typed one.
    const std::string_view mask = value < 0 ? conversion.maskBelowZero : conversion.mask;
    Field(window, conversion.partner).SetText(CStr(Format(value, mask)));
}

bool KeyInField(const W& window, TextField* (W::*field)() const, const std::string& key)
{
    const Conversion& conversion = ConversionOf(field);
    // The key is not in the field yet: the first key in an empty field changes nothing.
    if (Field(window, field).Text() == "")
        return false;
    CalcButton(window).SetCaption(std::string(conversion.caption));
    if (key != Chr(13))
        return false;
    Convert(window, conversion);
    return false;
}

void FocusLeftField(const W& window)
{
    CalcButton(window).SetCaption("Calc");
}

} // namespace

bool Window1::txtMPH_KeyDown(TextField*, std::string key)
{
    return KeyInField(*this, &W::txtMPH, key);
}

void Window1::txtMPH_LostFocus(TextField*)
{
    FocusLeftField(*this);
}

bool Window1::txtKPH_KeyDown(TextField*, std::string key)
{
    return KeyInField(*this, &W::txtKPH, key);
}

void Window1::txtKPH_LostFocus(TextField*)
{
    FocusLeftField(*this);
}

bool Window1::txtTempF_KeyDown(TextField*, std::string key)
{
    return KeyInField(*this, &W::txtTempF, key);
}

void Window1::txtTempF_LostFocus(TextField*)
{
    FocusLeftField(*this);
}

bool Window1::txtTempC_KeyDown(TextField*, std::string key)
{
    return KeyInField(*this, &W::txtTempC, key);
}

void Window1::txtTempC_LostFocus(TextField*)
{
    FocusLeftField(*this);
}

void Window1::BevCalc_Action(BevelButton*)
{
    // The focus decides, read anew for each test; a field's text only once its test holds.
    for (const Conversion& conversion : kConversions) {
        if (Focus() == (this->*conversion.field)() && Field(*this, conversion.field).Text() != "") {
            Convert(*this, conversion);
            return;
        }
    }
}
