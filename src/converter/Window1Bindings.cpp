#include "Window1Bindings.h"

#include "Window1.h"

#include <array>

namespace {

using E = ControlEvent;
using W = class Window1;

constexpr std::array<ControlBinding, 39> kBindings { {
    { "txtMPGUS", E::TextChange, "txtMPGUS_TextChange", kFieldSignature, InvokerOf<&W::txtMPGUS_TextChange> },
    { "txtMPGUS", E::GotFocus, "txtMPGUS_GotFocus", kFieldSignature, InvokerOf<&W::txtMPGUS_GotFocus> },
    { "txtMPGUS", E::LostFocus, "txtMPGUS_LostFocus", kFieldSignature, InvokerOf<&W::txtMPGUS_LostFocus> },
    { "txtMPGUS", E::KeyDown, "txtMPGUS_KeyDown", kFieldKeyDownSignature, InvokerOf<&W::txtMPGUS_KeyDown> },
    { "txtMPGUK", E::GotFocus, "txtMPGUK_GotFocus", kFieldSignature, InvokerOf<&W::txtMPGUK_GotFocus> },
    { "txtMPGUK", E::LostFocus, "txtMPGUK_LostFocus", kFieldSignature, InvokerOf<&W::txtMPGUK_LostFocus> },
    { "txtMPGUK", E::TextChange, "txtMPGUK_TextChange", kFieldSignature, InvokerOf<&W::txtMPGUK_TextChange> },
    { "txtMPGUK", E::KeyUp, "txtMPGUK_KeyUp", kFieldKeyUpSignature, InvokerOf<&W::txtMPGUK_KeyUp> },
    { "txtL100km", E::LostFocus, "txtL100km_LostFocus", kFieldSignature, InvokerOf<&W::txtL100km_LostFocus> },
    { "txtL100km", E::GotFocus, "txtL100km_GotFocus", kFieldSignature, InvokerOf<&W::txtL100km_GotFocus> },
    { "txtL100km", E::TextChange, "txtL100km_TextChange", kFieldSignature, InvokerOf<&W::txtL100km_TextChange> },
    { "txtL100km", E::KeyDown, "txtL100km_KeyDown", kFieldKeyDownSignature, InvokerOf<&W::txtL100km_KeyDown> },
    { "txtkmL", E::GotFocus, "txtkmL_GotFocus", kFieldSignature, InvokerOf<&W::txtkmL_GotFocus> },
    { "txtkmL", E::LostFocus, "txtkmL_LostFocus", kFieldSignature, InvokerOf<&W::txtkmL_LostFocus> },
    { "txtkmL", E::TextChange, "txtkmL_TextChange", kFieldSignature, InvokerOf<&W::txtkmL_TextChange> },
    { "txtkmL", E::KeyDown, "txtkmL_KeyDown", kFieldKeyDownSignature, InvokerOf<&W::txtkmL_KeyDown> },
    { "txtWhkm", E::GotFocus, "txtWhkm_GotFocus", kFieldSignature, InvokerOf<&W::txtWhkm_GotFocus> },
    { "txtWhkm", E::LostFocus, "txtWhkm_LostFocus", kFieldSignature, InvokerOf<&W::txtWhkm_LostFocus> },
    { "txtWhkm", E::TextChange, "txtWhkm_TextChange", kFieldSignature, InvokerOf<&W::txtWhkm_TextChange> },
    { "txtWhkm", E::KeyDown, "txtWhkm_KeyDown", kFieldKeyDownSignature, InvokerOf<&W::txtWhkm_KeyDown> },
    { "txtWhMileUS", E::GotFocus, "txtWhMileUS_GotFocus", kFieldSignature, InvokerOf<&W::txtWhMileUS_GotFocus> },
    { "txtWhMileUS", E::LostFocus, "txtWhMileUS_LostFocus", kFieldSignature, InvokerOf<&W::txtWhMileUS_LostFocus> },
    { "txtWhMileUS", E::TextChange, "txtWhMileUS_TextChange", kFieldSignature, InvokerOf<&W::txtWhMileUS_TextChange> },
    { "txtWhMileUS", E::KeyDown, "txtWhMileUS_KeyDown", kFieldKeyDownSignature, InvokerOf<&W::txtWhMileUS_KeyDown> },
    { "txtMPH", E::KeyDown, "txtMPH_KeyDown", kFieldKeyDownSignature, InvokerOf<&W::txtMPH_KeyDown> },
    { "txtMPH", E::LostFocus, "txtMPH_LostFocus", kFieldSignature, InvokerOf<&W::txtMPH_LostFocus> },
    { "txtKPH", E::KeyDown, "txtKPH_KeyDown", kFieldKeyDownSignature, InvokerOf<&W::txtKPH_KeyDown> },
    { "txtKPH", E::LostFocus, "txtKPH_LostFocus", kFieldSignature, InvokerOf<&W::txtKPH_LostFocus> },
    { "Canvas1", E::MouseDown, "Canvas1_MouseDown", kCanvasMouseDownSignature, InvokerOf<&W::Canvas1_MouseDown> },
    { "txtTempF", E::KeyDown, "txtTempF_KeyDown", kFieldKeyDownSignature, InvokerOf<&W::txtTempF_KeyDown> },
    { "txtTempF", E::LostFocus, "txtTempF_LostFocus", kFieldSignature, InvokerOf<&W::txtTempF_LostFocus> },
    { "txtTempC", E::KeyDown, "txtTempC_KeyDown", kFieldKeyDownSignature, InvokerOf<&W::txtTempC_KeyDown> },
    { "txtTempC", E::LostFocus, "txtTempC_LostFocus", kFieldSignature, InvokerOf<&W::txtTempC_LostFocus> },
    { "comboMotive", E::Open, "comboMotive_Open", kPopupMenuSignature, InvokerOf<&W::comboMotive_Open> },
    { "comboMotive", E::Change, "comboMotive_Change", kPopupMenuSignature, InvokerOf<&W::comboMotive_Change> },
    { "PBqsi", E::Action, "PBqsi_Action", kPushButtonSignature, InvokerOf<&W::PBqsi_Action> },
    { "PBViewFuel", E::Action, "PBViewFuel_Action", kPushButtonSignature, InvokerOf<&W::PBViewFuel_Action> },
    { "BevCalc", E::Action, "BevCalc_Action", kBevelButtonSignature, InvokerOf<&W::BevCalc_Action> },
    { "BevCalcOrange", E::Action, "BevCalcOrange_Action", kBevelButtonSignature, InvokerOf<&W::BevCalcOrange_Action> },
} };

} // namespace

std::span<const ControlBinding> Window1Bindings()
{
    return kBindings;
}
