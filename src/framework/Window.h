#pragma once

#include "Delegate.h"
#include "Object.h"
#include "PropertyTypes.h"
#include "RectControl.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MenuBar;
class MenuItem;
class QWidget;

// A real top-level window. Positions and sizes are pixels of its content
// area, which excludes the title bar and the menu bar.
class Window : public Object, public PropertyTarget {
public:
    Window();
    ~Window() override;

    // Builds the window: raises the class's Layout, CreateControls and
    // AddMenuHandlers hooks, keeps it as the open instance of its class,
    // raises each control's Open, and shows it when its layout says so.
    virtual void Constructor();

    void Show();
    // Closes the window: raises Close, then forgets it. Closing twice does nothing.
    void Close();
    bool _IsClosed() const noexcept { return closed_; }

    const std::string& Title() const noexcept { return title_; }
    void SetTitle(std::string title);
    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    void SetWidth(int width);
    // Changes the content height; the window's top edge stays in place.
    void SetHeight(int height);
    bool Visible() const noexcept { return visible_; }
    bool Resizeable() const noexcept { return resizeable_; }
    bool HasBackColor() const noexcept { return hasBackColor_; }
    std::uint32_t BackColor() const noexcept { return backColor_; }
    bool MinimizeButton() const noexcept { return minimizeButton_; }
    bool MaximizeButton() const noexcept { return maximizeButton_; }
    bool CloseButton() const noexcept { return closeButton_; }

    std::shared_ptr<::MenuBar> MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<::MenuBar> bar);

    // The control that holds the window's keyboard focus, or null.
    RectControl* Focus() const;

    // A new control of class C belonging to this window, not yet constructed.
    template <class C> std::shared_ptr<C> __New()
    {
        auto control = std::make_shared<C>();
        control->_Attach(*this);
        return control;
    }
    void _AddControl(const std::string& name, std::shared_ptr<RectControl> control);
    RectControl* _ControlByName(std::string_view name) const;
    // The control registered under that name as class C; null when absent or of another class.
    template <class C> C* _ControlAs(std::string_view name) const { return dynamic_cast<C*>(_ControlByName(name)); }
    const std::vector<std::shared_ptr<RectControl>>& _Controls() const noexcept { return controls_; }

    void _AddMenuHandler(const std::string& itemName, std::shared_ptr<MenuHandlerDelegate> handler);
    std::shared_ptr<MenuHandlerDelegate> _MenuHandler(const std::string& itemName) const;

    void SetProperty(std::string_view name, const PropertyValue& value) override;

    // Framework side.
    QWidget* _ContentWidget() const;
    QWidget* _TopLevelWidget() const;
    void _ContentResized(int dx, int dy);
    // The close box: closes the window as Close does.
    void _CloseRequested();

private:
    void ApplyWindowFlags();
    void ApplyGeometry();
    void ApplyBackColor();
    void BuildMenuBar();
    void AddApplicationShortcuts();
    void RemoveApplicationShortcuts();
    // Carries out a menu command chosen in this window, while the window lives.
    std::function<void(const std::shared_ptr<MenuItem>&)> MenuCommand();
    void ShowNow();

    std::string title_;
    int width_ = 100;
    int height_ = 100;
    int minWidth_ = 64;
    int minHeight_ = 64;
    int maxWidth_ = 32000;
    int maxHeight_ = 32000;
    int placement_ = 0;
    bool visible_ = false;
    bool hasBackColor_ = false;
    std::uint32_t backColor_ = 0xFFFFFF;
    bool closeButton_ = true;
    bool resizeable_ = true;
    bool minimizeButton_ = true;
    bool maximizeButton_ = true;
    bool menuBarVisible_ = true;
    bool constructed_ = false;
    bool closed_ = false;
    bool placed_ = false;
    std::shared_ptr<::MenuBar> menuBar_;
    std::vector<std::shared_ptr<RectControl>> controls_;
    std::map<std::string, RectControl*, std::less<>> controlsByName_;
    std::map<std::string, std::shared_ptr<MenuHandlerDelegate>> menuHandlers_;

    struct Impl;
    std::unique_ptr<Impl> impl_;
};
