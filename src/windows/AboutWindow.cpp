#include "AboutWindow.h"

#include "AboutWindowProperties.h"
#include "app/HeaderPictures.h"
#include "app/MenuBar1.h"
#include "app/SharedWindow.h"
#include "app/WebAddresses.h"
#include "app/WindowClassRecord.h"
#include "app/WindowControls.h"

#include <array>
#include <string>
#include <vector>

namespace {

// In creation order: the container first, since the header picture names
// it as its parent. The container gets no picture at all.
constexpr std::array<ControlRow, 5> kAboutControls { {
    { "Canvas2", &CanvasClass, kNothingBefore, kAboutCanvas2Properties },
    { "Canvas1", &CanvasClass, Backdrop(&IconHdr), kAboutCanvas1Properties },
    { "Label1", &LabelClass, TextUnitOnly(), kAboutLabel1Properties },
    { "Label2", &LabelClass, TextUnitOnly(), kAboutLabel2Properties },
    { "Label3", &LabelClass, TextUnitOnly(), kAboutLabel3Properties },
} };

constexpr std::array<ControlBinding, 1> kAboutBindings { {
    { "Label3", ControlEvent::MouseDown, "Label3_MouseDown", kLabelMouseDownSignature,
        InvokerOf<&AboutWindow::Label3_MouseDown> },
} };

constexpr std::string_view kMenuHandlerSignature = "(  ) as Boolean";

// The window's own operations in method-table order, with their signatures.
std::vector<MemberRecord> OwnMembers()
{
    std::vector<MemberRecord> members = WindowMembers(1, kAboutControls, kAboutBindings);
    const std::vector<MemberRecord> accessors = MenuBar1AccessorMembers(kMenuBar1AccessorNames);
    members.insert(members.end(), accessors.begin(), accessors.end());
    members.push_back({ "AddMenuHandlers", "( Window )", {} });
    members.push_back({ "_About_Action", std::string(kMenuHandlerSignature), {} });
    return members;
}

} // namespace

const ClassRecord& AboutWindowClass()
{
    static const ClassRecord record = WindowClassRecord<class AboutWindow>("AboutWindow.AboutWindow", OwnMembers(),
        { .AddMenuHandlers
            = [](Window& w, Window& other) { static_cast<class AboutWindow&>(w).AddMenuHandlers(other); } });
    return record;
}

std::shared_ptr<class AboutWindow> AboutWindow()
{
    return SharedWindow<class AboutWindow>(AboutWindowClass());
}

void AboutWindow::Layout()
{
    SetMenuBar(MenuBar1());
    _SetProperties(*this, plist::Bytes(kAboutWindowProperties));
}

void AboutWindow::CreateControls()
{
    _CreateControls0();
}

void AboutWindow::_CreateControls0()
{
    BuildControls(*this, kAboutControls, kAboutBindings);
}

bool AboutWindow::Label3_MouseDown(Label*, std::int32_t, std::int32_t)
{
    ShowURL(std::string(kSupportAddress));
    return false;
}

void AboutWindow::AddMenuHandlers(Window& window)
{
    std::shared_ptr<class AboutWindow> about
        = RuntimeCheckCast<class AboutWindow>(window.weak_from_this().lock(), AboutWindowClass());
    NilCheck(about, "The About window");
    _AddMenuHandler("About",
        RuntimeCreateDelegate<bool>(
            Invokers::MenuHandler(&AboutWindow::_About_Action), about, std::string(kMenuHandlerSignature), 0));
}

bool AboutWindow::_About_Action()
{
    // The About command itself is the application's; here it only counts as handled.
    return true;
}
