#include "Window1.h"

#include "Window1Bindings.h"
#include "Window1Controls.h"
#include "Window1Properties.h"
#include "app/MenuBar1.h"
#include "app/SharedWindow.h"
#include "app/WebAddresses.h"
#include "app/WindowClassRecord.h"
#include "windows/AboutWindow.h"
#include "windows/MsgWindow.h"

#include <array>
#include <string_view>

namespace {

// The window's own operations in method-table order: its hooks and creation
// steps, the control accessors in creation order, the handlers in the order
// they are bound, the menu-item accessors, and the Close hook last.
std::vector<MemberRecord> OwnMembers()
{
    std::vector<MemberRecord> members = WindowMembers(2, Window1ControlRows(), Window1Bindings());
    const std::vector<MemberRecord> accessors = MenuBar1AccessorMembers(kMenuBar1AccessorNames);
    members.insert(members.end(), accessors.begin(), accessors.end());
    members.push_back({ "Event_Close", "(  )", {} });
    return members;
}

} // namespace

const ClassRecord& Window1Class()
{
    static const ClassRecord record = WindowClassRecord<class Window1>(
        "Window1.Window1", OwnMembers(), { .Close = [](Window& w) { static_cast<class Window1&>(w).Event_Close(); } });
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
    BuildControls(*this, Window1ControlRows().first(kFirstStepControls), Window1Bindings());
}

void Window1::_CreateControls1()
{
    BuildControls(*this, Window1ControlRows().subspan(kFirstStepControls), Window1Bindings());
}

bool Window1::Canvas1_MouseDown(::Canvas*, std::int32_t, std::int32_t)
{
    ShowURL(std::string(kStorePageAddress));
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
