#include "MenuItem.h"

#include "Application.h"
#include "RectControl.h"
#include "Runtime.h"
#include "Window.h"

#include <array>
#include <utility>

namespace {

// The standard editing items, recognised by name, act on the focused text control.
constexpr std::array<std::pair<std::string_view, EditCommand>, 6> kEditItems { {
    { "EditUndo", EditCommand::Undo },
    { "EditCut", EditCommand::Cut },
    { "EditCopy", EditCommand::Copy },
    { "EditPaste", EditCommand::Paste },
    { "EditClear", EditCommand::Clear },
    { "EditSelectAll", EditCommand::SelectAll },
} };

std::optional<EditCommand> EditCommandOf(std::string_view name)
{
    for (const auto& [itemName, command] : kEditItems)
        if (itemName == name)
            return command;
    return std::nullopt;
}

bool HasHandler(Window* window, const std::string& name)
{
    if (window && window->_MenuHandler(name))
        return true;
    auto app = std::dynamic_pointer_cast<Application>(_GetAppObject());
    return app && app->_MenuHandler(name);
}

} // namespace

void MenuItem::Append(std::shared_ptr<MenuItem> item)
{
    if (!item)
        throw NilObjectException("The menu item to append does not exist.");
    item->parent_ = this;
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const
{
    for (const auto& child : children_)
        if (child->Name() == name)
            return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::_Lookup(std::string_view name) const
{
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child;
        if (auto found = child->_Lookup(name))
            return found;
    }
    return nullptr;
}

bool MenuItem::_IsEnabledFor(Window* window) const
{
    if (IsSeparator())
        return false;
    if (Count() > 0)
        return true;
    if (HasHandler(window, Name()))
        return true;
    if (auto command = EditCommandOf(Name())) {
        RectControl* focus = window ? window->Focus() : nullptr;
        return focus && focus->_EditCommand(*command, false);
    }
    return false;
}

bool MenuItem::_PerformAction(Window* window)
{
    if (auto command = EditCommandOf(Name())) {
        RectControl* focus = window ? window->Focus() : nullptr;
        return focus && focus->_EditCommand(*command, true);
    }
    return false;
}

bool QuitMenuItem::_PerformAction(Window*)
{
    Application::Quit();
    return true;
}
