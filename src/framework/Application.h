#pragma once

#include "Delegate.h"
#include "Object.h"

#include <map>
#include <memory>
#include <string>

class MenuBar;
class MenuItem;
class Window;

// The application object: its menu bar, its AutoQuit flag and its
// application-level menu handlers, found by menu item name.
class Application : public Object {
public:
    bool AutoQuit() const noexcept { return autoQuit_; }
    void SetAutoQuit(bool value) noexcept { autoQuit_ = value; }

    std::shared_ptr<::MenuBar> MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<::MenuBar> bar) { menuBar_ = std::move(bar); }

    void _AddMenuHandler(const std::string& itemName, std::shared_ptr<MenuHandlerDelegate> handler);
    std::shared_ptr<MenuHandlerDelegate> _MenuHandler(const std::string& itemName) const;
    // Drops every handler, as the end of a run does: a handler may hold the
    // application object itself.
    void _RemoveMenuHandlers() { menuHandlers_.clear(); }

    // Lets pending events run, as a handler that waits may ask for.
    void DoEvents();

    // Raises the application's Open event through its class record's hook.
    void _CallOpen();

    // Carries out a menu command: the frontmost window's handlers first, then
    // the application's, then the item's own action. True when handled.
    static bool _HandleMenuCommand(Window* window, MenuItem& item);

    // The framework's quit command: closes every window, each raising its
    // Close, and ends the event loop.
    static void Quit();

private:
    bool autoQuit_ = false;
    std::shared_ptr<::MenuBar> menuBar_;
    std::map<std::string, std::shared_ptr<MenuHandlerDelegate>> menuHandlers_;
};
