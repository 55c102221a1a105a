#include "MenuBar1.h"

#include <array>
#include <optional>
#include <string_view>

namespace {

// The menus and items in the order they are made, which is also their
// order in the bar and in each menu. A menu is placed in the bar ("").
struct MenuEntry {
    std::string_view name;
    const ClassRecord& (*itemClass)();
    std::string_view placedIn;
    std::string_view text;
    std::optional<std::string_view> shortcut;
};

const std::array<MenuEntry, 13> kMenuEntries { {
    { "FileMenu", &MenuItemClass, "", "&File", "" },
    { "FileQuit", &QuitMenuItemClass, "FileMenu", "&Quit", "Cmd+Q" },
    { "EditMenu", &MenuItemClass, "", "&Edit", "" },
    { "EditUndo", &MenuItemClass, "EditMenu", "&Undo", "Cmd+Z" },
    { "UntitledMenu1", &MenuItemClass, "EditMenu", "-", std::nullopt },
    { "EditCut", &MenuItemClass, "EditMenu", "Cu&t", "Cmd+X" },
    { "EditCopy", &MenuItemClass, "EditMenu", "&Copy", "Cmd+C" },
    { "EditPaste", &MenuItemClass, "EditMenu", "&Paste", "Cmd+V" },
    { "EditClear", &MenuItemClass, "EditMenu", "&Delete", "" },
    { "UntitledMenu0", &MenuItemClass, "EditMenu", "-", std::nullopt },
    { "EditSelectAll", &MenuItemClass, "EditMenu", "Select &All", "Cmd+A" },
    { "HelpMenu", &MenuItemClass, "", "Help", "" },
    { "AppleAbout", &AppleMenuItemClass, "HelpMenu", "About", "" },
} };

// Makes one menu or item of the table and puts it in its place.
void BuildEntry(MenuItem& bar, const MenuEntry& entry)
{
    auto item = std::dynamic_pointer_cast<MenuItem>(RuntimeNewObject(entry.itemClass()));
    NilCheck(item, "The menu item");
    item->Constructor();
    item->SetName(std::string(entry.name));
    item->SetAutoEnable(true);
    item->SetText(std::string(entry.text));
    if (entry.shortcut)
        item->SetKeyboardShortcut(std::string(*entry.shortcut));
    if (entry.placedIn.empty()) {
        bar.Append(item);
    } else {
        std::shared_ptr<MenuItem> menu = bar.Child(entry.placedIn);
        NilCheck(menu, "The menu");
        menu->Append(item);
    }
}

// Each of the three building steps makes one menu: the row of that name,
// then, in table order, every row placed in it.
void BuildMenu(MenuItem& bar, std::string_view menu)
{
    for (const MenuEntry& entry : kMenuEntries)
        if (entry.name == menu)
            BuildEntry(bar, entry);
    for (const MenuEntry& entry : kMenuEntries)
        if (entry.placedIn == menu)
            BuildEntry(bar, entry);
}

} // namespace

std::shared_ptr<class MenuBar1> MenuBar1::_implicitInstance;

void MenuBar1::Constructor()
{
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0()
{
    BuildMenu(*this, "FileMenu");
}

void MenuBar1::Untitled1()
{
    BuildMenu(*this, "EditMenu");
}

void MenuBar1::Untitled2()
{
    BuildMenu(*this, "HelpMenu");
}

void MenuBar1::_implicitInstance__Exit()
{
    _implicitInstance.reset();
}

const ClassRecord& MenuBar1Class()
{
    static const ClassRecord record = [] {
        ClassRecord r;
        r.fullName = "MenuBar1.MenuBar1";
        r.base = &MenuBarClass();
        r.methods = MenuBarClass().methods;
        for (const char* own : { "Untitled0", "Untitled1", "Untitled2" })
            r.methods.emplace_back(own);
        r.attributes = { { "__Scope", "Public" } };
        r.make = [] { return std::make_shared<class MenuBar1>(); };
        return r;
    }();
    return record;
}

std::shared_ptr<class MenuBar1> MenuBar1()
{
    if (MenuBar1::_implicitInstance)
        return MenuBar1::_implicitInstance;
    auto bar = std::dynamic_pointer_cast<class MenuBar1>(RuntimeNewObject(MenuBar1Class()));
    NilCheck(bar, "The menu bar");
    bar->Constructor();
    // Kept only once it is complete: a failed build is tried again next time.
    MenuBar1::_implicitInstance = bar;
    return bar;
}
