// The converter window's efficiency fields and their Calc button.

#include "converter/Window1.h"

#include "ShowFuelEnergy.h"
#include "app/IktoSI.h"
#include "converter/Window1Colours.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace {

// The back colour of the efficiency field being edited, and the orange that
// the fields are laid out with.
constexpr std::uint32_t kFocusColor = 0xFFDBA6;
constexpr std::uint32_t kEfficiencyFieldColor = kOrange;

// Until a fuel is picked, typing shows a default fuel so that the Wh
// conversions have an energy content to work with: gasoline for the MPG and
// litre fields, electricity for the Wh fields. Both are rated at 115400.
constexpr std::string_view kDefaultLiquidFuel = "Summer Gasoline";
constexpr std::string_view kDefaultElectricFuel = "Full Electric";
constexpr double kDefaultFuelBTUPerGalUS = 115400;

void ShowDefaultFuel(class Window1& window, TextField* field, std::string_view fuel)
{
    PopupMenu* menu = window.comboMotive();
    NilCheck(menu, "The fuel menu");
    if (menu->Text() != "")
        return;
    TextField* fuelName = window.txtFuelType();
    NilCheck(fuelName, "The fuel name field");
    fuelName->SetText(std::string(fuel));
    ShowFuelEnergy(kDefaultFuelBTUPerGalUS);
    NilCheck(field, "The efficiency field");
    field->Refresh(true);
}

void SetBackColor(TextField* field, std::uint32_t color)
{
    NilCheck(field, "The efficiency field");
    field->SetBackColor(color);
}

void RunCalcEff()
{
    std::shared_ptr<IktoSI> app = App();
    NilCheck(app, "The application object");
    app->CalcEff();
}

// Return converts the figure in the field that holds the focus.
void ConvertOnReturn(const std::string& key)
{
    if (key == Chr(13))
        RunCalcEff();
}

} // namespace

void Window1::txtMPGUS_TextChange(TextField* control)
{
    ShowDefaultFuel(*this, control, kDefaultLiquidFuel);
}

void Window1::txtMPGUS_GotFocus(TextField*)
{
    SetBackColor(txtMPGUS(), kFocusColor);
}

void Window1::txtMPGUS_LostFocus(TextField*)
{
    SetBackColor(txtMPGUS(), kEfficiencyFieldColor);
}

bool Window1::txtMPGUS_KeyDown(TextField*, std::string key)
{
    ConvertOnReturn(key);
    return false;
}

void Window1::txtMPGUK_GotFocus(TextField*)
{
    SetBackColor(txtMPGUK(), kFocusColor);
}

void Window1::txtMPGUK_LostFocus(TextField*)
{
    SetBackColor(txtMPGUK(), kEfficiencyFieldColor);
}

void Window1::txtMPGUK_TextChange(TextField* control)
{
    ShowDefaultFuel(*this, control, kDefaultLiquidFuel);
}

// This field converts when Return is released rather than pressed.
void Window1::txtMPGUK_KeyUp(TextField*, std::string key)
{
    ConvertOnReturn(key);
}

void Window1::txtL100km_LostFocus(TextField*)
{
    SetBackColor(txtL100km(), kEfficiencyFieldColor);
}

void Window1::txtL100km_GotFocus(TextField*)
{
    SetBackColor(txtL100km(), kFocusColor);
}

void Window1::txtL100km_TextChange(TextField* control)
{
    ShowDefaultFuel(*this, control, kDefaultLiquidFuel);
}

bool Window1::txtL100km_KeyDown(TextField*, std::string key)
{
    ConvertOnReturn(key);
    return false;
}

void Window1::txtkmL_GotFocus(TextField*)
{
    SetBackColor(txtkmL(), kFocusColor);
}

void Window1::txtkmL_LostFocus(TextField*)
{
    SetBackColor(txtkmL(), kEfficiencyFieldColor);
}

void Window1::txtkmL_TextChange(TextField* control)
{
    ShowDefaultFuel(*this, control, kDefaultLiquidFuel);
}

bool Window1::txtkmL_KeyDown(TextField*, std::string key)
{
    ConvertOnReturn(key);
    return false;
}

void Window1::txtWhkm_GotFocus(TextField*)
{
    SetBackColor(txtWhkm(), kFocusColor);
}

void Window1::txtWhkm_LostFocus(TextField*)
{
    SetBackColor(txtWhkm(), kEfficiencyFieldColor);
}

void Window1::txtWhkm_TextChange(TextField* control)
{
    ShowDefaultFuel(*this, control, kDefaultElectricFuel);
}

bool Window1::txtWhkm_KeyDown(TextField*, std::string key)
{
    ConvertOnReturn(key);
    return false;
}

void Window1::txtWhMileUS_GotFocus(TextField*)
{
    SetBackColor(txtWhMileUS(), kFocusColor);
}

void Window1::txtWhMileUS_LostFocus(TextField*)
{
    SetBackColor(txtWhMileUS(), kEfficiencyFieldColor);
}

void Window1::txtWhMileUS_TextChange(TextField* control)
{
    ShowDefaultFuel(*this, control, kDefaultElectricFuel);
}

bool Window1::txtWhMileUS_KeyDown(TextField*, std::string key)
{
    ConvertOnReturn(key);
    return false;
}

// The button takes no focus, so the field being edited still holds it and
// is the one converted.
void Window1::BevCalcOrange_Action(BevelButton*)
{
    RunCalcEff();
}
