#include "AboutWindow.h"

#include "AboutWindowProperties.h"
#include "app/HeaderPictures.h"
#include "app/MenuBar1.h"
#include "app/SharedWindow.h"
#include "app/WindowClassRecord.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace {

enum class AboutControlClass { Canvas, Label };

// One of the window's five controls: what it is, what it gets before its
// property list (the header picture, or the labels' text unit), the list,
// and the handler of its MouseDown, if it has one.
struct AboutControl {
    std::string_view name;
    AboutControlClass controlClass;
    bool headerPicture;
    std::span<const std::uint8_t> properties;
    bool (AboutWindow::*mouseDown)(Label*, std::int32_t, std::int32_t);
};

// In creation order: the container first, since the header picture names it as its parent.
const std::array<AboutControl, 5> kAboutControls { {
    { "Canvas2", AboutControlClass::Canvas, false, plist::Bytes(kAboutCanvas2Properties), nullptr },
    { "Canvas1", AboutControlClass::Canvas, true, plist::Bytes(kAboutCanvas1Properties), nullptr },
    { "Label1", AboutControlClass::Label, false, plist::Bytes(kAboutLabel1Properties), nullptr },
    { "Label2", AboutControlClass::Label, false, plist::Bytes(kAboutLabel2Properties), nullptr },
    { "Label3", AboutControlClass::Label, false, plist::Bytes(kAboutLabel3Properties), &AboutWindow::Label3_MouseDown },
} };

constexpr std::string_view kLabelMouseDownSignature = "( Label, Int32, Int32 ) as Boolean";
constexpr std::string_view kMenuHandlerSignature = "(  ) as Boolean";

// The window's own operations in method-table order, with their signatures.
std::vector<MemberRecord> OwnMembers()
{
    std::vector<MemberRecord> members {
        { "Layout", "(  )", {} },
        { "CreateControls", "(  )", {} },
        { "_CreateControls0", "(  )", {} },
        { "Canvas2", "(  ) as Canvas", {} },
        { "Canvas1", "(  ) as Canvas", {} },
        { "Label1", "(  ) as Label", {} },
        { "Label2", "(  ) as Label", {} },
        { "Label3", "(  ) as Label", {} },
        { "Label3_MouseDown", std::string(kLabelMouseDownSignature), {} },
    };
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
        { .Layout = [](Window& w) { static_cast<class AboutWindow&>(w).Layout(); },
            .CreateControls = [](Window& w) { static_cast<class AboutWindow&>(w).CreateControls(); },
            .AddMenuHandlers
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
    for (const AboutControl& row : kAboutControls) {
        const std::string name(row.name);
        std::shared_ptr<RectControl> made;
        if (row.controlClass == AboutControlClass::Canvas)
            made = __New<::Canvas>();
        else
            made = __New<::Label>();
        made->Constructor();
        _AddControl(name, std::move(made));

        RectControl* control = _ControlByName(name);
        NilCheck(control, "The new control");
        if (row.controlClass == AboutControlClass::Canvas) {
            // Set also when there is no picture: the header then stays empty.
            if (row.headerPicture)
                static_cast<::Canvas*>(control)->SetBackdrop(IconHdr());
        } else {
            control->SetTextUnit(0);
        }
        _SetProperties(*control, row.properties);

        if (row.mouseDown)
            RuntimeAddEventHandler(_ControlByName(name), ControlEvent::MouseDown,
                RuntimeCreateDelegate<bool, const EventArgs&>(
                    Invokers::Event(row.mouseDown), weak_from_this().lock(), std::string(kLabelMouseDownSignature), 1));
    }
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
