#pragma once

#include "Delegate.h"
#include "Object.h"
#include "PropertyTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QObject;
class QWidget;
class Window;

// The events a control can raise; which ones a class raises is its own.
enum class ControlEvent { Open, Change, Action, TextChange, GotFocus, LostFocus, KeyDown, KeyUp, MouseDown };
const char* ControlEventName(ControlEvent event);

// The standard editing commands of the Edit menu.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// Base of every control: a real widget at its rectangle in its window's
// content area, its common properties and the handlers bound to its events.
class RectControl : public Object, public PropertyTarget {
public:
    RectControl();
    ~RectControl() override;

    // The default construction: makes the control's widget in its window.
    virtual void Constructor();

    Window* TrueWindow() const noexcept { return window_; }
    const std::string& Name() const noexcept { return name_; }

    int Left() const noexcept { return left_; }
    int Top() const noexcept { return top_; }
    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    void SetBounds(int left, int top, int width, int height);

    bool Visible() const noexcept { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);

    bool LockLeft() const noexcept { return lockLeft_; }
    bool LockTop() const noexcept { return lockTop_; }
    bool LockRight() const noexcept { return lockRight_; }
    bool LockBottom() const noexcept { return lockBottom_; }

    int TabIndex() const noexcept { return tabIndex_; }
    bool TabStop() const noexcept { return tabStop_; }
    // Whether the control can hold the keyboard focus at all.
    virtual bool _TakesFocus() const { return true; }
    // Whether a click gives it the focus; one that takes none is reached with Tab only.
    virtual bool _TakesFocusOnClick() const { return true; }

    float TextSize() const noexcept { return textSize_; }
    void SetTextSize(float size);
    int TextUnit() const noexcept { return textUnit_; }
    void SetTextUnit(int unit);
    const std::string& TextFont() const noexcept { return textFont_; }
    bool Bold() const noexcept { return bold_; }

    const std::string& HelpTag() const noexcept { return helpTag_; }
    const std::string& InitialParent() const noexcept { return initialParent_; }

    // Asks for the control to be drawn again.
    void Refresh(bool eraseBackground = true);
    void SetFocus();

    // Event handlers, in the order they were bound.
    void _AddEventHandler(ControlEvent event, std::shared_ptr<EventDelegate> handler);
    const std::vector<std::pair<ControlEvent, std::shared_ptr<EventDelegate>>>& _EventHandlers() const noexcept
    {
        return handlers_;
    }
    // Calls the handlers bound to the event; true when one of them returns true.
    bool _Raise(ControlEvent event, EventArgs args = {});
    // The same, as the framework does for an event that comes from Qt: what a
    // handler throws is reported, never passed back into Qt.
    bool _RaiseFromQt(ControlEvent event, EventArgs args = {});

    // Edit menu support: with perform false, whether the command applies now.
    virtual bool _EditCommand(EditCommand, bool /*perform*/) { return false; }

    void SetProperty(std::string_view name, const PropertyValue& value) override;

    // Framework side.
    void _Attach(Window& owner) noexcept { window_ = &owner; }
    void _SetName(std::string name) { name_ = std::move(name); }
    QWidget* _Widget() const noexcept;
    // Follows a change of the window's content size as the locks ask.
    void _FollowResize(int dx, int dy);
    void _ApplyFocusPolicy();

protected:
    // Makes the class's widget as a child of `parent`.
    virtual QWidget* _CreateWidget(QWidget* parent) = 0;
    // Widgets whose input events belong to the control (the widget itself by default).
    virtual std::vector<QWidget*> _InputWidgets() const;
    virtual void _ApplyFont();
    // Connects the widget's own signals; called once after it is made.
    virtual void _ConnectSignals(QObject* /*context*/) { }
    QObject* _Bridge() const noexcept;

private:
    void UpdateGeometry();
    void SetInitialParent(const std::string& name);

    Window* window_ = nullptr;
    std::string name_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool lockLeft_ = true;
    bool lockTop_ = true;
    bool lockRight_ = false;
    bool lockBottom_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    int tabIndex_ = 0;
    bool tabStop_ = true;
    float textSize_ = 0;
    int textUnit_ = 0;
    std::string textFont_ = "System";
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    std::string helpTag_;
    std::string initialParent_;
    RectControl* parentControl_ = nullptr;
    std::vector<std::pair<ControlEvent, std::shared_ptr<EventDelegate>>> handlers_;

    struct Impl;
    std::unique_ptr<Impl> impl_;
    friend struct Impl;
};

// Binds an event of a control to a delegate.
void RuntimeAddEventHandler(RectControl* control, ControlEvent event, std::shared_ptr<EventDelegate> handler);
