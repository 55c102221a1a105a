#pragma once

#include "framework/Framework.h"

#include <memory>
#include <string_view>

// The item accessors of a window that carries MenuBar1: each looks its item
// up by name in the window's menu bar on every call.
template <class W> class MenuBar1Accessors {
public:
    std::shared_ptr<MenuItem> HelpMenu() const { return Item<MenuItem>("HelpMenu"); }
    std::shared_ptr<AppleMenuItem> AppleAbout() const { return Item<AppleMenuItem>("AppleAbout"); }
    std::shared_ptr<MenuItem> EditMenu() const { return Item<MenuItem>("EditMenu"); }
    std::shared_ptr<MenuItem> EditSelectAll() const { return Item<MenuItem>("EditSelectAll"); }
    std::shared_ptr<MenuItem> UntitledMenu0() const { return Item<MenuItem>("UntitledMenu0"); }
    std::shared_ptr<MenuItem> EditClear() const { return Item<MenuItem>("EditClear"); }
    std::shared_ptr<MenuItem> EditPaste() const { return Item<MenuItem>("EditPaste"); }
    std::shared_ptr<MenuItem> EditCopy() const { return Item<MenuItem>("EditCopy"); }
    std::shared_ptr<MenuItem> EditCut() const { return Item<MenuItem>("EditCut"); }
    std::shared_ptr<MenuItem> UntitledMenu1() const { return Item<MenuItem>("UntitledMenu1"); }
    std::shared_ptr<MenuItem> EditUndo() const { return Item<MenuItem>("EditUndo"); }
    std::shared_ptr<MenuItem> FileMenu() const { return Item<MenuItem>("FileMenu"); }
    std::shared_ptr<QuitMenuItem> FileQuit() const { return Item<QuitMenuItem>("FileQuit"); }

private:
    template <class T> std::shared_ptr<T> Item(std::string_view name) const
    {
        std::shared_ptr<MenuBar> bar = static_cast<const W&>(*this).MenuBar();
        NilCheck(bar, "The window's menu bar");
        return std::dynamic_pointer_cast<T>(bar->_Lookup(name));
    }
};

// The accessors' names, in the order of a window's operations.
inline constexpr std::string_view kMenuBar1AccessorNames[]
    = { "HelpMenu", "AppleAbout", "EditMenu", "EditSelectAll", "UntitledMenu0", "EditClear", "EditPaste", "EditCopy",
          "EditCut", "UntitledMenu1", "EditUndo", "FileMenu", "FileQuit" };
