#include "Window1Bindings.h"

#include "Window1.h"

#include <array>

namespace {

constexpr std::string_view kField = "( TextField )";
constexpr std::string_view kFieldKeyDown = "( TextField, String ) as Boolean";
constexpr std::string_view kFieldKeyUp = "( TextField, String )";
constexpr std::string_view kCanvasMouseDown = "( Canvas, Int32, Int32 ) as Boolean";
constexpr std::string_view kPopupMenu = "( PopupMenu )";
constexpr std::string_view kPushButton = "( PushButton )";
constexpr std::string_view kBevelButton = "( BevelButton )";

using E = ControlEvent;
using W = class Window1;
using Invokers::Event;

const std::array<Window1Binding, 39>& Table()
{
    static const std::array<Window1Binding, 39> table { {
        { "txtMPGUS", E::TextChange, "txtMPGUS_TextChange", kField, Event(&W::txtMPGUS_TextChange) },
        { "txtMPGUS", E::GotFocus, "txtMPGUS_GotFocus", kField, Event(&W::txtMPGUS_GotFocus) },
        { "txtMPGUS", E::LostFocus, "txtMPGUS_LostFocus", kField, Event(&W::txtMPGUS_LostFocus) },
        { "txtMPGUS", E::KeyDown, "txtMPGUS_KeyDown", kFieldKeyDown, Event(&W::txtMPGUS_KeyDown) },
        { "txtMPGUK", E::GotFocus, "txtMPGUK_GotFocus", kField, Event(&W::txtMPGUK_GotFocus) },
        { "txtMPGUK", E::LostFocus, "txtMPGUK_LostFocus", kField, Event(&W::txtMPGUK_LostFocus) },
        { "txtMPGUK", E::TextChange, "txtMPGUK_TextChange", kField, Event(&W::txtMPGUK_TextChange) },
        { "txtMPGUK", E::KeyUp, "txtMPGUK_KeyUp", kFieldKeyUp, Event(&W::txtMPGUK_KeyUp) },
        { "txtL100km", E::LostFocus, "txtL100km_LostFocus", kField, Event(&W::txtL100km_LostFocus) },
        { "txtL100km", E::GotFocus, "txtL100km_GotFocus", kField, Event(&W::txtL100km_GotFocus) },
        { "txtL100km", E::TextChange, "txtL100km_TextChange", kField, Event(&W::txtL100km_TextChange) },
        { "txtL100km", E::KeyDown, "txtL100km_KeyDown", kFieldKeyDown, Event(&W::txtL100km_KeyDown) },
        { "txtkmL", E::GotFocus, "txtkmL_GotFocus", kField, Event(&W::txtkmL_GotFocus) },
        { "txtkmL", E::LostFocus, "txtkmL_LostFocus", kField, Event(&W::txtkmL_LostFocus) },
        { "txtkmL", E::TextChange, "txtkmL_TextChange", kField, Event(&W::txtkmL_TextChange) },
        { "txtkmL", E::KeyDown, "txtkmL_KeyDown", kFieldKeyDown, Event(&W::txtkmL_KeyDown) },
        { "txtWhkm", E::GotFocus, "txtWhkm_GotFocus", kField, Event(&W::txtWhkm_GotFocus) },
        { "txtWhkm", E::LostFocus, "txtWhkm_LostFocus", kField, Event(&W::txtWhkm_LostFocus) },
        { "txtWhkm", E::TextChange, "txtWhkm_TextChange", kField, Event(&W::txtWhkm_TextChange) },
        { "txtWhkm", E::KeyDown, "txtWhkm_KeyDown", kFieldKeyDown, Event(&W::txtWhkm_KeyDown) },
        { "txtWhMileUS", E::GotFocus, "txtWhMileUS_GotFocus", kField, Event(&W::txtWhMileUS_GotFocus) },
        { "txtWhMileUS", E::LostFocus, "txtWhMileUS_LostFocus", kField, Event(&W::txtWhMileUS_LostFocus) },
        { "txtWhMileUS", E::TextChange, "txtWhMileUS_TextChange", kField, Event(&W::txtWhMileUS_TextChange) },
        { "txtWhMileUS", E::KeyDown, "txtWhMileUS_KeyDown", kFieldKeyDown, Event(&W::txtWhMileUS_KeyDown) },
        { "txtMPH", E::KeyDown, "txtMPH_KeyDown", kFieldKeyDown, Event(&W::txtMPH_KeyDown) },
        { "txtMPH", E::LostFocus, "txtMPH_LostFocus", kField, Event(&W::txtMPH_LostFocus) },
        { "txtKPH", E::KeyDown, "txtKPH_KeyDown", kFieldKeyDown, Event(&W::txtKPH_KeyDown) },
        { "txtKPH", E::LostFocus, "txtKPH_LostFocus", kField, Event(&W::txtKPH_LostFocus) },
        { "Canvas1", E::MouseDown, "Canvas1_MouseDown", kCanvasMouseDown, Event(&W::Canvas1_MouseDown) },
        { "txtTempF", E::KeyDown, "txtTempF_KeyDown", kFieldKeyDown, Event(&W::txtTempF_KeyDown) },
        { "txtTempF", E::LostFocus, "txtTempF_LostFocus", kField, Event(&W::txtTempF_LostFocus) },
        { "txtTempC", E::KeyDown, "txtTempC_KeyDown", kFieldKeyDown, Event(&W::txtTempC_KeyDown) },
        { "txtTempC", E::LostFocus, "txtTempC_LostFocus", kField, Event(&W::txtTempC_LostFocus) },
        { "comboMotive", E::Open, "comboMotive_Open", kPopupMenu, Event(&W::comboMotive_Open) },
        { "comboMotive", E::Change, "comboMotive_Change", kPopupMenu, Event(&W::comboMotive_Change) },
        { "PBqsi", E::Action, "PBqsi_Action", kPushButton, Event(&W::PBqsi_Action) },
        { "PBViewFuel", E::Action, "PBViewFuel_Action", kPushButton, Event(&W::PBViewFuel_Action) },
        { "BevCalc", E::Action, "BevCalc_Action", kBevelButton, Event(&W::BevCalc_Action) },
        { "BevCalcOrange", E::Action, "BevCalcOrange_Action", kBevelButton, Event(&W::BevCalcOrange_Action) },
    } };
    return table;
}

} // namespace

std::span<const Window1Binding> Window1Bindings()
{
    return Table();
}

void BindWindow1Events(class Window1& window, std::string_view controlName)
{
    for (const Window1Binding& binding : Table()) {
        if (binding.control != controlName)
            continue;
        RectControl* control = window._ControlByName(controlName);
        NilCheck(control, "The control to bind");
        auto delegate = RuntimeCreateDelegate<bool, const EventArgs&>(
            binding.invoker, window.weak_from_this().lock(), std::string(binding.signature), 1);
        RuntimeAddEventHandler(control, binding.event, std::move(delegate));
    }
}
