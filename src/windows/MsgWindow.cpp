#include "MsgWindow.h"

#include "MsgWindowProperties.h"
#include "app/HeaderPictures.h"
#include "app/SharedWindow.h"
#include "app/WindowClassRecord.h"
#include "converter/Window1.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

enum class MsgControlClass { TextArea, Canvas };

// One of the window's two controls: what it is, the text size it gets
// before its property list (the canvas gets the header picture instead),
// the list, and the handler of its MouseDown, if it has one.
struct MsgControl {
    std::string_view name;
    MsgControlClass controlClass;
    float textSize;
    std::span<const std::uint8_t> properties;
    bool (MsgWindow::*mouseDown)(::Canvas*, std::int32_t, std::int32_t);
};

const std::array<MsgControl, 2> kMsgControls { {
    { "txtArea", MsgControlClass::TextArea, 10.0f, plist::Bytes(kMsgTxtAreaProperties), nullptr },
    { "Canvas1", MsgControlClass::Canvas, 0.0f, plist::Bytes(kMsgCanvas1Properties), &MsgWindow::Canvas1_MouseDown },
} };

constexpr std::string_view kCanvasMouseDownSignature = "( Canvas, Int32, Int32 ) as Boolean";

std::vector<MemberRecord> OwnMembers()
{
    std::vector<MemberRecord> members {
        { "Layout", "(  )", {} },
        { "CreateControls", "(  )", {} },
        { "_CreateControls0", "(  )", {} },
        { "txtArea", "(  ) as TextArea", {} },
        { "Canvas1", "(  ) as Canvas", {} },
        { "Canvas1_MouseDown", std::string(kCanvasMouseDownSignature), {} },
    };
    return members;
}

} // namespace

const ClassRecord& MsgWindowClass()
{
    static const ClassRecord record = WindowClassRecord<class MsgWindow>("MsgWindow.MsgWindow", OwnMembers(),
        { .Layout = [](Window& w) { static_cast<class MsgWindow&>(w).Layout(); },
            .CreateControls = [](Window& w) { static_cast<class MsgWindow&>(w).CreateControls(); } });
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
    for (const MsgControl& row : kMsgControls) {
        const std::string name(row.name);
        std::shared_ptr<RectControl> made;
        if (row.controlClass == MsgControlClass::TextArea)
            made = __New<::TextArea>();
        else
            made = __New<::Canvas>();
        made->Constructor();
        _AddControl(name, std::move(made));

        RectControl* control = _ControlByName(name);
        NilCheck(control, "The new control");
        if (row.controlClass == MsgControlClass::TextArea) {
            // The unit goes first here; the size follows it.
            control->SetTextUnit(0);
            control->SetTextSize(row.textSize);
        } else {
            // Set also when there is no picture: the header then stays empty.
            static_cast<::Canvas*>(control)->SetBackdrop(IconHdr());
        }
        _SetProperties(*control, row.properties);

        if (row.mouseDown)
            RuntimeAddEventHandler(_ControlByName(name), ControlEvent::MouseDown,
                RuntimeCreateDelegate<bool, const EventArgs&>(Invokers::Event(row.mouseDown), weak_from_this().lock(),
                    std::string(kCanvasMouseDownSignature), 1));
    }
}

bool MsgWindow::Canvas1_MouseDown(::Canvas*, std::int32_t, std::int32_t)
{
    ShowURL(kStorePageAddress);
    return false;
}
