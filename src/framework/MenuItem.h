#pragma once

#include "Object.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Window;

// One node of a menu tree: a menu bar, a menu or an item.
class MenuItem : public Object {
public:
    // The default construction every menu object gets before its properties.
    virtual void Constructor() { }

    const std::string& Name() const noexcept { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Text() const noexcept { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    bool AutoEnable() const noexcept { return autoEnable_; }
    void SetAutoEnable(bool value) noexcept { autoEnable_ = value; }
    // Not set until code sets it; the empty text is a set, empty shortcut.
    const std::optional<std::string>& KeyboardShortcut() const noexcept { return shortcut_; }
    void SetKeyboardShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
    bool IsSeparator() const noexcept { return text_ == "-"; }

    void Append(std::shared_ptr<MenuItem> item);
    int Count() const noexcept { return static_cast<int>(children_.size()); }
    std::shared_ptr<MenuItem> Item(int index) const;
    // The direct child of that name, or null.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    // The menu or item of that name at any depth below this one, or null.
    std::shared_ptr<MenuItem> _Lookup(std::string_view name) const;
    MenuItem* Parent() const noexcept { return parent_; }

    // Whether the item can be chosen now, in that window.
    virtual bool _IsEnabledFor(Window* window) const;
    // The framework's own action for the item; true when it did something.
    virtual bool _PerformAction(Window* window);

private:
    std::string name_;
    std::string text_;
    bool autoEnable_ = false;
    std::optional<std::string> shortcut_;
    std::vector<std::shared_ptr<MenuItem>> children_;
    MenuItem* parent_ = nullptr;
};

class MenuBar : public MenuItem { };

// The item the desktop may place in its application menu; nothing of its own.
class AppleMenuItem : public MenuItem { };

// Its action is the framework's quit command.
class QuitMenuItem : public MenuItem {
public:
    bool _IsEnabledFor(Window*) const override { return true; }
    bool _PerformAction(Window* window) override;
};
