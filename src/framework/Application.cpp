#include "Application.h"

#include "ClassRecord.h"
#include "MenuItem.h"
#include "Runtime.h"
#include "Window.h"

void Application::_AddMenuHandler(const std::string& itemName, std::shared_ptr<MenuHandlerDelegate> handler)
{
    menuHandlers_[itemName] = std::move(handler);
}

std::shared_ptr<MenuHandlerDelegate> Application::_MenuHandler(const std::string& itemName) const
{
    auto it = menuHandlers_.find(itemName);
    return it == menuHandlers_.end() ? nullptr : it->second;
}

void Application::DoEvents()
{
    RuntimeProcessEvents();
}

void Application::_CallOpen()
{
    const ClassRecord* record = Class();
    if (record && record->hooks.Open)
        _DispatchEvent([&] { record->hooks.Open(*this); });
}

bool Application::_HandleMenuCommand(Window* window, MenuItem& item)
{
    const std::string name = item.Name();
    if (window) {
        if (auto handler = window->_MenuHandler(name); handler && handler->Invoke())
            return true;
    }
    if (auto app = std::dynamic_pointer_cast<Application>(_GetAppObject())) {
        if (auto handler = app->_MenuHandler(name); handler && handler->Invoke())
            return true;
    }
    return item._PerformAction(window);
}

void Application::Quit()
{
    // A window's Close may make (and close) further windows; a few passes
    // settle that without looping forever on a window that refuses to go.
    for (int pass = 0; pass < 8; ++pass) {
        auto windows = _RuntimeOpenWindows();
        if (windows.empty())
            break;
        for (const auto& window : windows)
            window->Close();
    }
    _RuntimeQuit();
}
