#include "Window1Controls.h"

#include "PropertyList.h"
#include "Window1Colours.h"
#include "app/HeaderPictures.h"
#include "fuel/FuelInformationText.h"

#include <array>

namespace {

using plist::Bool;
using plist::Int;
using plist::Str;

// The layout every text field of the window shares, with what differs.
consteval auto TextFieldList(std::string_view name, std::int32_t left, std::int32_t top, std::int32_t width,
    std::int32_t tabIndex, bool tabStop, bool useFocusRing, bool readOnly, std::uint32_t backColor)
{
    return std::array { Str("Name", name), Int("Index", plist::kNoControlArray), Int("Left", left), Int("Top", top),
        Int("Width", width), Int("Height", 12), Bool("LockLeft", true), Bool("LockTop", true), Bool("LockRight", false),
        Bool("LockBottom", false), Int("TabPanelIndex", 0), Int("TabIndex", tabIndex), Bool("TabStop", tabStop),
        Bool("Border", false), Bool("Password", false), Bool("UseFocusRing", useFocusRing),
        plist::Color("TextColor", kBlack), plist::Color("BackColor", backColor), Bool("Enabled", true),
        Str("Format", ""), Bool("Visible", true), Str("HelpTag", ""), Bool("AutoDeactivate", true),
        Str("TextFont", "System"), Bool("Bold", false), Bool("Italic", false), Bool("Underline", false),
        Str("CueText", ""), Str("Text", ""), Str("Mask", ""), Bool("ReadOnly", readOnly), Int("LimitText", 0),
        Bool("AcceptTabs", false), Int("Alignment", 2), Bool("AutomaticallyCheckSpelling", false),
        Str("DataSource", ""), Str("DataField", "") };
}

// The layout every label of the window shares, with what differs.
consteval auto LabelList(std::string_view name, std::int32_t left, std::int32_t top, std::int32_t width,
    std::int32_t tabIndex, std::string_view text, std::uint32_t textColor, bool bold = false)
{
    return std::array { Str("Name", name), Int("Index", plist::kNoControlArray), Int("Left", left), Int("Top", top),
        Int("Width", width), Int("Height", 20), Bool("LockLeft", true), Bool("LockTop", true), Bool("LockRight", false),
        Bool("LockBottom", false), Int("TabPanelIndex", 0), Int("TabIndex", tabIndex), Str("Text", text),
        Int("TextAlign", 2), plist::Color("TextColor", textColor), Bool("Multiline", false), Bool("Enabled", true),
        Bool("Visible", true), Bool("Selectable", false), Bool("Transparent", false), Str("HelpTag", ""),
        Bool("AutoDeactivate", true), Str("TextFont", "System"), Bool("Bold", bold), Bool("Italic", false),
        Bool("Underline", false), Str("DataSource", ""), Str("DataField", ""), Str("InitialParent", "") };
}

consteval auto PushButtonList(std::string_view name, std::int32_t left, std::int32_t top, std::int32_t width,
    std::int32_t tabIndex, std::string_view caption)
{
    return std::array { Str("Name", name), Int("Index", plist::kNoControlArray), Int("Left", left), Int("Top", top),
        Int("Width", width), Int("Height", 18), Bool("LockLeft", true), Bool("LockTop", true), Bool("LockRight", false),
        Bool("LockBottom", false), Int("TabPanelIndex", 0), Int("TabIndex", tabIndex), Bool("TabStop", false),
        Str("Caption", caption), Bool("Default", false), Bool("Cancel", false), Bool("Enabled", true),
        Bool("Visible", true), Str("HelpTag", ""), Bool("AutoDeactivate", true), Int("ButtonStyle", 1),
        Str("TextFont", "System"), Bool("Bold", false), Bool("Italic", false), Bool("Underline", false),
        Str("InitialParent", "") };
}

consteval auto BevelButtonList(std::string_view name, std::int32_t left, std::int32_t top, std::int32_t tabIndex)
{
    return std::array { Str("Name", name), Int("Index", plist::kNoControlArray), Int("Left", left), Int("Top", top),
        Int("Width", 62), Int("Height", 16), Bool("LockLeft", true), Bool("LockTop", true), Bool("LockRight", false),
        Bool("LockBottom", false), Int("TabPanelIndex", 0), Int("TabIndex", tabIndex), Bool("TabStop", true),
        Str("InitialParent", ""), Bool("Visible", true), Str("HelpTag", ""), Bool("AutoDeactivate", true),
        Bool("Enabled", true), Str("Caption", "Calc"), Int("CaptionAlign", 3), Int("CaptionPlacement", 1),
        Int("CaptionDelta", 0), Int("IconAlign", 0), Int("IconDX", 0), Int("IconDY", 0), Int("Bevel", 3),
        Int("HasMenu", 0), Bool("HasBackColor", false), plist::Color("BackColor", kWhite),
        plist::Color("TextColor", kBlack), Bool("Value", false), Int("MenuValue", 0), Int("ButtonType", 0),
        Bool("AcceptFocus", false), Str("TextFont", "System"), Bool("Bold", false), Bool("Italic", false),
        Bool("Underline", false) };
}

// Text fields: name, left, top, width, tab index, tab stop, focus ring, read-only, back colour.
constexpr auto kTxtMPGUS
    = plist::EncodeList([] { return TextFieldList("txtMPGUS", 431, 53, 55, 35, true, true, false, kOrange); });
constexpr auto kTxtMPGUK
    = plist::EncodeList([] { return TextFieldList("txtMPGUK", 431, 69, 55, 36, true, true, false, kOrange); });
constexpr auto kTxtL100km
    = plist::EncodeList([] { return TextFieldList("txtL100km", 431, 85, 55, 37, true, true, false, kOrange); });
constexpr auto kTxtkmL
    = plist::EncodeList([] { return TextFieldList("txtkmL", 431, 101, 55, 38, true, true, false, kOrange); });
constexpr auto kTxtWhkm
    = plist::EncodeList([] { return TextFieldList("txtWhkm", 431, 117, 55, 39, true, true, false, kOrange); });
constexpr auto kTxtBTUGalUS
    = plist::EncodeList([] { return TextFieldList("txtBTUGalUS", 245, 53, 55, 21, false, false, true, kYellow); });
constexpr auto kTxtWhMileUS
    = plist::EncodeList([] { return TextFieldList("txtWhMileUS", 431, 133, 55, 40, true, true, false, kOrange); });
constexpr auto kTxtBTUGalUK
    = plist::EncodeList([] { return TextFieldList("txtBTUGalUK", 245, 69, 55, 22, false, false, true, kYellow); });
constexpr auto kTxtBTULiter
    = plist::EncodeList([] { return TextFieldList("txtBTULiter", 245, 85, 55, 23, false, false, true, kYellow); });
constexpr auto kTxtkWhGalUS
    = plist::EncodeList([] { return TextFieldList("txtkWhGalUS", 245, 101, 55, 24, false, false, true, kYellow); });
constexpr auto kTxtkWhGalUK
    = plist::EncodeList([] { return TextFieldList("txtkWhGalUK", 245, 117, 55, 25, false, false, true, kYellow); });
constexpr auto kTxtkWhLiter
    = plist::EncodeList([] { return TextFieldList("txtkWhLiter", 245, 133, 55, 26, false, false, true, kYellow); });
constexpr auto kTxtMPH
    = plist::EncodeList([] { return TextFieldList("txtMPH", 63, 81, 55, 7, true, true, false, kGreen); });
constexpr auto kTxtKPH
    = plist::EncodeList([] { return TextFieldList("txtKPH", 63, 97, 55, 8, true, true, false, kGreen); });
constexpr auto kTxtTempF
    = plist::EncodeList([] { return TextFieldList("txtTempF", 63, 113, 55, 9, true, true, false, kWhite); });
constexpr auto kTxtTempC
    = plist::EncodeList([] { return TextFieldList("txtTempC", 63, 129, 55, 10, true, true, false, kWhite); });
constexpr auto kTxtFuelType
    = plist::EncodeList([] { return TextFieldList("txtFuelType", 208, 37, 93, 20, false, true, true, kYellow); });

// Labels: name, left, top, width, tab index, text, text colour (bold).
constexpr auto kLblMPGUS = plist::EncodeList([] { return LabelList("lblMPGUS", 327, 49, 99, 31, "MPG-US", kOrange); });
constexpr auto kLblMPGUK = plist::EncodeList([] { return LabelList("lblMPGUK", 327, 66, 99, 32, "MPG-UK", kOrange); });
constexpr auto kLblL100km
    = plist::EncodeList([] { return LabelList("lblL100km", 303, 82, 123, 28, "Liters/100km", kOrange); });
constexpr auto kLblkmL = plist::EncodeList([] { return LabelList("lblkmL", 327, 98, 99, 33, "km/Liter", kOrange); });
constexpr auto kLblWhkm = plist::EncodeList([] { return LabelList("lblWhkm", 327, 114, 99, 34, "Wh/km", kOrange); });
constexpr auto kLblWhMileUS
    = plist::EncodeList([] { return LabelList("lblWhMileUS", 313, 130, 113, 29, "Wh/Mile-US", kOrange); });
constexpr auto kLblBTUGalUS
    = plist::EncodeList([] { return LabelList("lblBTUGalUS", 134, 50, 106, 13, "BTU/Gal-US", kYellow); });
constexpr auto kLblBTUGalUK
    = plist::EncodeList([] { return LabelList("lblBTUGalUK", 134, 67, 106, 14, "BTU/Gal-UK", kYellow); });
constexpr auto kLblBTULiter
    = plist::EncodeList([] { return LabelList("lblBTULiter", 134, 82, 106, 15, "BTU/Liter", kYellow); });
constexpr auto kLblkWhGalUS
    = plist::EncodeList([] { return LabelList("lblkWhGalUS", 134, 98, 106, 16, "kWh/Gal-US", kYellow); });
constexpr auto kLblkWhGalUK
    = plist::EncodeList([] { return LabelList("lblkWhGalUK", 134, 114, 106, 17, "kWh/Gal-UK", kYellow); });
constexpr auto kLblkWhLiter
    = plist::EncodeList([] { return LabelList("lblkWhLiter", 134, 129, 106, 18, "kWh/Liter", kYellow); });
constexpr auto kLblWhmile11121
    = plist::EncodeList([] { return LabelList("lblWhmile11121", 18, 78, 40, 4, "mph", kGreen); });
constexpr auto kLblWhmile11131
    = plist::EncodeList([] { return LabelList("lblWhmile11131", 18, 93, 40, 5, "km/h", kGreen); });
constexpr auto kLblFuelTypeCombo
    = plist::EncodeList([] { return LabelList("lblFuelTypeCombo", 133, 34, 70, 12, "FUEL TYPE", kYellow, true); });
constexpr auto kLblWhmile11132
    = plist::EncodeList([] { return LabelList("lblWhmile11132", 9, 110, 49, 1, "Temp °F", kWhite); });
constexpr auto kLblWhmile111111
    = plist::EncodeList([] { return LabelList("lblWhmile111111", 9, 125, 49, 2, "Temp °C", kWhite); });

constexpr auto kCanvas1 = plist::EncodeList([] {
    return std::array { Str("Name", "Canvas1"), Int("Index", plist::kNoControlArray), Int("Left", 4), Int("Top", 4),
        Int("Width", 64), Int("Height", 64), Bool("LockLeft", true), Bool("LockTop", true), Bool("LockRight", false),
        Bool("LockBottom", false), Int("TabPanelIndex", 0), Int("TabIndex", 0), Bool("TabStop", true),
        Bool("Visible", true), Str("HelpTag", ""), Bool("AutoDeactivate", true), Bool("Enabled", true),
        Bool("UseFocusRing", true), Bool("AcceptFocus", false), Bool("AcceptTabs", false), Bool("DoubleBuffer", false),
        Bool("EraseBackground", true), Str("InitialParent", "") };
});

constexpr auto kComboMotive = plist::EncodeList([] {
    return std::array { Str("Name", "comboMotive"), Int("Index", plist::kNoControlArray), Int("Left", 303),
        Int("Top", 36), Int("Width", 20), Int("Height", 17), Bool("LockLeft", true), Bool("LockTop", true),
        Bool("LockRight", false), Bool("LockBottom", false), Int("TabPanelIndex", 0), Int("TabIndex", 27),
        Bool("TabStop", true), Bool("Enabled", true), Str("InitialValue", ""), Int("ListIndex", 0),
        Bool("Visible", true), Str("HelpTag", "Select a Motive Type"), Bool("AutoDeactivate", true),
        Str("TextFont", "System"), Bool("Bold", false), Bool("Italic", false), Bool("Underline", false),
        Str("DataSource", ""), Str("DataField", ""), Str("InitialParent", "") };
});

constexpr auto kPBqsi = plist::EncodeList([] { return PushButtonList("PBqsi", 70, 5, 36, 11, "Info"); });
constexpr auto kPBViewFuel
    = plist::EncodeList([] { return PushButtonList("PBViewFuel", 191, 7, 132, 19, "See Fuel Info Detail"); });

constexpr auto kTextArea1 = plist::EncodeList([] {
    return std::array { Str("Name", "TextArea1"), Int("Index", plist::kNoControlArray), Int("Left", 6), Int("Top", 161),
        Int("Width", 494), Int("Height", 483), Bool("LockLeft", true), Bool("LockTop", true), Bool("LockRight", false),
        Bool("LockBottom", false), Int("TabPanelIndex", 0), Int("TabIndex", 3), Bool("TabStop", false),
        Bool("Border", true), Bool("Multiline", true), Bool("ScrollbarHorizontal", false),
        Bool("ScrollbarVertical", false), Bool("Styled", true), Bool("UseFocusRing", false),
        plist::Color("TextColor", kYellow), plist::Color("BackColor", kWindowColour), Bool("Enabled", true),
        Str("Format", ""), Bool("Visible", false), Str("HelpTag", ""), Bool("AutoDeactivate", false),
        Bool("HideSelection", false), Str("TextFont", "System"), Bool("Bold", false), Bool("Italic", false),
        Bool("Underline", false), Str("Text", kFuelInformationText), Str("Mask", ""), Bool("ReadOnly", true),
        Int("LimitText", 0), Bool("AcceptTabs", false), Int("Alignment", 0), Bool("AutomaticallyCheckSpelling", true),
        Str("DataSource", ""), Str("DataField", "") };
});

constexpr auto kBevCalc = plist::EncodeList([] { return BevelButtonList("BevCalc", 59, 61, 6); });
constexpr auto kBevCalcOrange = plist::EncodeList([] { return BevelButtonList("BevCalcOrange", 427, 32, 42); });

// Every control but the header picture gets its text size, then text unit 0.
constexpr std::array<ControlRow, 41> kControlRows { {
    { "txtMPGUS", &TextFieldClass, TextSizeThenUnit(11), kTxtMPGUS },
    { "txtMPGUK", &TextFieldClass, TextSizeThenUnit(11), kTxtMPGUK },
    { "txtL100km", &TextFieldClass, TextSizeThenUnit(11), kTxtL100km },
    { "txtkmL", &TextFieldClass, TextSizeThenUnit(11), kTxtkmL },
    { "txtWhkm", &TextFieldClass, TextSizeThenUnit(11), kTxtWhkm },
    { "txtBTUGalUS", &TextFieldClass, TextSizeThenUnit(11), kTxtBTUGalUS },
    { "lblMPGUS", &LabelClass, TextSizeThenUnit(11), kLblMPGUS },
    { "lblMPGUK", &LabelClass, TextSizeThenUnit(11), kLblMPGUK },
    { "lblL100km", &LabelClass, TextSizeThenUnit(11), kLblL100km },
    { "lblkmL", &LabelClass, TextSizeThenUnit(11), kLblkmL },
    { "lblWhkm", &LabelClass, TextSizeThenUnit(11), kLblWhkm },
    { "txtWhMileUS", &TextFieldClass, TextSizeThenUnit(11), kTxtWhMileUS },
    { "lblWhMileUS", &LabelClass, TextSizeThenUnit(11), kLblWhMileUS },
    { "lblBTUGalUS", &LabelClass, TextSizeThenUnit(11), kLblBTUGalUS },
    { "txtBTUGalUK", &TextFieldClass, TextSizeThenUnit(11), kTxtBTUGalUK },
    { "lblBTUGalUK", &LabelClass, TextSizeThenUnit(11), kLblBTUGalUK },
    { "txtBTULiter", &TextFieldClass, TextSizeThenUnit(11), kTxtBTULiter },
    { "lblBTULiter", &LabelClass, TextSizeThenUnit(11), kLblBTULiter },
    { "txtkWhGalUS", &TextFieldClass, TextSizeThenUnit(11), kTxtkWhGalUS },
    { "lblkWhGalUS", &LabelClass, TextSizeThenUnit(11), kLblkWhGalUS },
    { "txtkWhGalUK", &TextFieldClass, TextSizeThenUnit(11), kTxtkWhGalUK },
    { "lblkWhGalUK", &LabelClass, TextSizeThenUnit(11), kLblkWhGalUK },
    { "txtkWhLiter", &TextFieldClass, TextSizeThenUnit(11), kTxtkWhLiter },
    { "lblkWhLiter", &LabelClass, TextSizeThenUnit(11), kLblkWhLiter },
    { "txtMPH", &TextFieldClass, TextSizeThenUnit(11), kTxtMPH },
    { "lblWhmile11121", &LabelClass, TextSizeThenUnit(11), kLblWhmile11121 },
    { "txtKPH", &TextFieldClass, TextSizeThenUnit(11), kTxtKPH },
    { "lblWhmile11131", &LabelClass, TextSizeThenUnit(11), kLblWhmile11131 },
    { "lblFuelTypeCombo", &LabelClass, TextSizeThenUnit(11), kLblFuelTypeCombo },
    { "Canvas1", &CanvasClass, Backdrop(&GoldBlackRedIcon64), kCanvas1 },
    { "txtTempF", &TextFieldClass, TextSizeThenUnit(11), kTxtTempF },
    { "lblWhmile11132", &LabelClass, TextSizeThenUnit(11), kLblWhmile11132 },
    { "txtTempC", &TextFieldClass, TextSizeThenUnit(11), kTxtTempC },
    { "lblWhmile111111", &LabelClass, TextSizeThenUnit(11), kLblWhmile111111 },
    { "comboMotive", &PopupMenuClass, TextSizeThenUnit(10), kComboMotive },
    { "txtFuelType", &TextFieldClass, TextSizeThenUnit(10), kTxtFuelType },
    { "PBqsi", &PushButtonClass, TextSizeThenUnit(10), kPBqsi },
    { "TextArea1", &TextAreaClass, TextSizeThenUnit(11), kTextArea1 },
    { "PBViewFuel", &PushButtonClass, TextSizeThenUnit(10), kPBViewFuel },
    { "BevCalc", &BevelButtonClass, TextSizeThenUnit(10), kBevCalc },
    { "BevCalcOrange", &BevelButtonClass, TextSizeThenUnit(10), kBevCalcOrange },
} };

} // namespace

std::span<const ControlRow> Window1ControlRows()
{
    return kControlRows;
}
