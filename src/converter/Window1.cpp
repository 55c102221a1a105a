#include "Window1.h"

#include "Window1Controls.h"
#include "Window1Properties.h"
#include "app/MenuBar1.h"
#include "app/SharedWindow.h"
#include "windows/AboutWindow.h"
#include "windows/MsgWindow.h"

#include <array>
#include <string_view>

namespace {

// The window's own operations after the 41 control accessors' and 39
// handlers' places, in the order of its method table.
constexpr std::array<std::string_view, 41> kControlNames { "txtMPGUS", "txtMPGUK", "txtL100km", "txtkmL", "txtWhkm",
    "txtBTUGalUS", "lblMPGUS", "lblMPGUK", "lblL100km", "lblkmL", "lblWhkm", "txtWhMileUS", "lblWhMileUS",
    "lblBTUGalUS", "txtBTUGalUK", "lblBTUGalUK", "txtBTULiter", "lblBTULiter", "txtkWhGalUS", "lblkWhGalUS",
    "txtkWhGalUK", "lblkWhGalUK", "txtkWhLiter", "lblkWhLiter", "txtMPH", "lblWhmile11121", "txtKPH", "lblWhmile11131",
    "lblFuelTypeCombo", "Canvas1", "txtTempF", "lblWhmile11132", "txtTempC", "lblWhmile111111", "comboMotive",
    "txtFuelType", "PBqsi", "TextArea1", "PBViewFuel", "BevCalc", "BevCalcOrange" };

constexpr std::array<std::string_view, 39> kHandlerNames { "txtMPGUS_TextChange", "txtMPGUS_GotFocus",
    "txtMPGUS_LostFocus", "txtMPGUS_KeyDown", "txtMPGUK_GotFocus", "txtMPGUK_LostFocus", "txtMPGUK_TextChange",
    "txtMPGUK_KeyUp", "txtL100km_LostFocus", "txtL100km_GotFocus", "txtL100km_TextChange", "txtL100km_KeyDown",
    "txtkmL_GotFocus", "txtkmL_LostFocus", "txtkmL_TextChange", "txtkmL_KeyDown", "txtWhkm_GotFocus",
    "txtWhkm_LostFocus", "txtWhkm_TextChange", "txtWhkm_KeyDown", "txtWhMileUS_GotFocus", "txtWhMileUS_LostFocus",
    "txtWhMileUS_TextChange", "txtWhMileUS_KeyDown", "txtMPH_KeyDown", "txtMPH_LostFocus", "txtKPH_KeyDown",
    "txtKPH_LostFocus", "Canvas1_MouseDown", "txtTempF_KeyDown", "txtTempF_LostFocus", "txtTempC_KeyDown",
    "txtTempC_LostFocus", "comboMotive_Open", "comboMotive_Change", "PBqsi_Action", "PBViewFuel_Action",
    "BevCalc_Action", "BevCalcOrange_Action" };

std::vector<MemberRecord> OwnMembers(const std::vector<std::string>& own)
{
    std::vector<MemberRecord> members;
    for (const std::string& name : own) {
        MemberRecord member { name, "", { { "__Scope", "Public" } } };
        if (name == "_CreateControls0" || name == "_CreateControls1")
            member.attributes.emplace_back("Hidden", "");
        members.push_back(std::move(member));
    }
    return members;
}

} // namespace

const ClassRecord& Window1Class()
{
    static const ClassRecord record = [] {
        std::vector<std::string> own { "Layout", "CreateControls", "_CreateControls0", "_CreateControls1" };
        own.insert(own.end(), kControlNames.begin(), kControlNames.end());
        own.insert(own.end(), kHandlerNames.begin(), kHandlerNames.end());
        for (std::string_view accessor : kMenuBar1AccessorNames)
            own.emplace_back(accessor);
        own.emplace_back("Event_Close");

        ClassRecord r;
        r.fullName = "Window1.Window1";
        r.base = &WindowClass();
        r.methods = WindowClass().methods;
        r.methods.insert(r.methods.end(), own.begin(), own.end());
        r.members = OwnMembers(own);
        r.attributes = { { "__Scope", "Public" } };
        r.hooks.Layout = [](Window& w) { static_cast<class Window1&>(w).Layout(); };
        r.hooks.CreateControls = [](Window& w) { static_cast<class Window1&>(w).CreateControls(); };
        r.hooks.Close = [](Window& w) { static_cast<class Window1&>(w).Event_Close(); };
        r.make = [] { return std::make_shared<class Window1>(); };
        return r;
    }();
    return record;
}

std::shared_ptr<class Window1> Window1()
{
    return SharedWindow<class Window1>(Window1Class());
}

void Window1::Layout()
{
    SetMenuBar(MenuBar1());
    _SetProperties(*this, plist::Bytes(kWindow1Properties));
}

void Window1::CreateControls()
{
    _CreateControls0();
    _CreateControls1();
}

void Window1::_CreateControls0()
{
    for (const ControlRow& row : Window1ControlRows().first(kFirstStepControls))
        CreateWindow1Control(*this, row);
}

void Window1::_CreateControls1()
{
    for (const ControlRow& row : Window1ControlRows().subspan(kFirstStepControls))
        CreateWindow1Control(*this, row);
}

bool Window1::Canvas1_MouseDown(::Canvas*, std::int32_t, std::int32_t)
{
    ShowURL(kStorePageAddress);
    return false;
}

void Window1::Event_Close()
{
    // The secondary windows go with the converter window: the About window
    // first, then the help window. An absent one is made only to be closed.
    std::shared_ptr<class AboutWindow> about = AboutWindow();
    NilCheck(about, "The About window");
    about->Close();

    std::shared_ptr<class MsgWindow> help = MsgWindow();
    NilCheck(help, "The help window");
    help->Close();
}
