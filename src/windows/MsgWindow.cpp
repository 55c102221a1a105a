#include "MsgWindow.h"

#include "MsgWindowProperties.h"
#include "app/HeaderPictures.h"
#include "app/SharedWindow.h"
#include "app/WebAddresses.h"
#include "app/WindowClassRecord.h"
#include "app/WindowControls.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The text area gets its text unit before its size.
constexpr std::array<ControlRow, 2> kMsgControls { {
    { "txtArea", &TextAreaClass, TextUnitThenSize(10), kMsgTxtAreaProperties },
    { "Canvas1", &CanvasClass, Backdrop(&IconHdr), kMsgCanvas1Properties },
} };

constexpr std::array<ControlBinding, 1> kMsgBindings { {
    { "Canvas1", ControlEvent::MouseDown, "Canvas1_MouseDown", kCanvasMouseDownSignature,
        InvokerOf<&MsgWindow::Canvas1_MouseDown> },
} };

} // namespace

const ClassRecord& MsgWindowClass()
{
    static const ClassRecord record
        = WindowClassRecord<class MsgWindow>("MsgWindow.MsgWindow", WindowMembers(1, kMsgControls, kMsgBindings), {});
    return record;
}

std::shared_ptr<class MsgWindow> MsgWindow()
{
    return SharedWindow<class MsgWindow>(MsgWindowClass());
}

void MsgWindow::Layout()
{
    _SetProperties(*this, plist::Bytes(kMsgWindowProperties));
}

void MsgWindow::CreateControls()
{
    _CreateControls0();
}

void MsgWindow::_CreateControls0()
{
    BuildControls(*this, kMsgControls, kMsgBindings);
}

bool MsgWindow::Canvas1_MouseDown(::Canvas*, std::int32_t, std::int32_t)
{
    ShowURL(std::string(kStorePageAddress));
    return false;
}
