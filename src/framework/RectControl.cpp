#include "RectControl.h"

#include "HeldKeys.h"
#include "KeyText.h"
#include "Runtime.h"
#include "Window.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Focus stays the window's while the window is deactivated, a popup or menu
// holds the keys or the menu bar takes them: such moves raise no GotFocus or
// LostFocus. Only a move to another control of the same window, or focus
// that goes nowhere, is one.
bool IsWindowsOwnFocusMove(const QWidget& widget, const QFocusEvent& event)
{
    switch (event.reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        break;
    }
    const QWidget* now = QApplication::focusWidget();
    return !now || now == &widget || now->window() == widget.window();
}

// Which key a key event belongs to. Where the platform names the physical
// key, that is it: with Shift pressed meanwhile, a key pressed as "1" is
// released as "!". Events that come from no keyboard carry the key code alone.
std::uint64_t KeyIdentity(const QKeyEvent& event)
{
    if (event.nativeScanCode() != 0)
        return (std::uint64_t { 1 } << 32) | event.nativeScanCode();
    return static_cast<std::uint32_t>(event.key());
}

// The keys that move the focus on to the next control or back.
bool IsFocusKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

template <class T> const T* As(const PropertyValue& value)
{
    return std::get_if<T>(&value);
}

} // namespace

const char* ControlEventName(ControlEvent event)
{
    switch (event) {
    case ControlEvent::Open:
        return "Open";
    case ControlEvent::Change:
        return "Change";
    case ControlEvent::Action:
        return "Action";
    case ControlEvent::TextChange:
        return "TextChange";
    case ControlEvent::GotFocus:
        return "GotFocus";
    case ControlEvent::LostFocus:
        return "LostFocus";
    case ControlEvent::KeyDown:
        return "KeyDown";
    case ControlEvent::KeyUp:
        return "KeyUp";
    case ControlEvent::MouseDown:
        return "MouseDown";
    }
    return "";
}

// Turns the widget's input events into the control's events. It lives as
// long as the control; deleting it detaches the control from its widget.
class ControlBridge : public QObject {
public:
    explicit ControlBridge(RectControl& control)
        : control_(control)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (watched == control_._Widget()
                && IsWindowsOwnFocusMove(*control_._Widget(), *static_cast<QFocusEvent*>(event)))
                control_._RaiseFromQt(ControlEvent::GotFocus);
            break;
        case QEvent::FocusOut: {
            auto* focus = static_cast<QFocusEvent*>(event);
            if (watched != control_._Widget())
                break;
            // Whatever takes the keys now, another control, a menu, a list
            // or another window, gets the repeats and releases of the keys
            // still held down.
            heldKeys_.FocusLost();
            if (focus->reason() == Qt::MenuBarFocusReason) {
                // The menu bar holding the keys is to the control what an
                // open menu is: a field keeps its selection for the Edit menu.
                QFocusEvent asForAMenu(QEvent::FocusOut, Qt::PopupFocusReason);
                QCoreApplication::sendEvent(watched, &asForAMenu);
                return true;
            }
            if (IsWindowsOwnFocusMove(*control_._Widget(), *focus))
                control_._RaiseFromQt(ControlEvent::LostFocus);
            break;
        }
        case QEvent::KeyPress: {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            switch (heldKeys_.Pressed(
                KeyIdentity(*keyEvent), keyEvent->timestamp(), keyEvent->isAutoRepeat(), IsFocusKey(keyEvent->key()))) {
            case HeldKeys::Press::RaiseKeyDown:
                break;
            case HeldKeys::Press::PassToWidget:
                return false;
            case HeldKeys::Press::Swallow:
                return true;
            }
            if (auto key = KeyTextOf(*keyEvent)) {
                EventArgs args;
                args.key = *key;
                return control_._RaiseFromQt(ControlEvent::KeyDown, std::move(args));
            }
            break;
        }
        case QEvent::KeyRelease: {
            auto* keyEvent = static_cast<QKeyEvent*>(event);
            if (!heldKeys_.Released(KeyIdentity(*keyEvent), keyEvent->timestamp(), keyEvent->isAutoRepeat()))
                break;
            if (auto key = KeyTextOf(*keyEvent)) {
                EventArgs args;
                args.key = *key;
                control_._RaiseFromQt(ControlEvent::KeyUp, std::move(args));
            }
            break;
        }
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            QWidget* widget = control_._Widget();
            QPoint at = mouse->position().toPoint();
            if (auto* source = qobject_cast<QWidget*>(watched); source && widget && source != widget)
                at = source->mapTo(widget, at);
            EventArgs args;
            args.x = at.x();
            args.y = at.y();
            return control_._RaiseFromQt(ControlEvent::MouseDown, std::move(args));
        }
        default:
            break;
        }
        return false;
    }

private:
    RectControl& control_;
    // Which of the key events that reach the widget are the control's.
    HeldKeys heldKeys_;
};

struct RectControl::Impl {
    QPointer<QWidget> widget;
    std::unique_ptr<ControlBridge> bridge;
};

RectControl::RectControl()
    : impl_(std::make_unique<Impl>())
{
}

RectControl::~RectControl()
{
    // Detach first: nothing the widget does from now on reaches this object.
    impl_->bridge.reset();
}

void RectControl::Constructor()
{
    if (impl_->widget)
        return;
    if (!window_)
        throw NilObjectException("The control belongs to no window.");
    QWidget* widget = _CreateWidget(window_->_ContentWidget());
    impl_->widget = widget;
    impl_->bridge = std::make_unique<ControlBridge>(*this);
    for (QWidget* input : _InputWidgets())
        input->installEventFilter(impl_->bridge.get());
    _ConnectSignals(impl_->bridge.get());
    _ApplyFont();
    _ApplyFocusPolicy();
    UpdateGeometry();
    widget->setVisible(visible_);
}

QWidget* RectControl::_Widget() const noexcept
{
    return impl_->widget.data();
}

QObject* RectControl::_Bridge() const noexcept
{
    return impl_->bridge.get();
}

std::vector<QWidget*> RectControl::_InputWidgets() const
{
    return { _Widget() };
}

void RectControl::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    UpdateGeometry();
}

void RectControl::UpdateGeometry()
{
    QWidget* widget = _Widget();
    if (!widget)
        return;
    // Positions are window coordinates, also inside a parent control.
    long long x = left_;
    long long y = top_;
    if (parentControl_) {
        x -= parentControl_->Left();
        y -= parentControl_->Top();
    }
    // Qt's rectangle arithmetic overflows far outside the range it can show.
    auto inRange
        = [](long long v, long long low) { return static_cast<int>(std::clamp<long long>(v, low, QWIDGETSIZE_MAX)); };
    widget->setGeometry(
        inRange(x, -QWIDGETSIZE_MAX), inRange(y, -QWIDGETSIZE_MAX), inRange(width_, 0), inRange(height_, 0));
}

void RectControl::SetInitialParent(const std::string& name)
{
    initialParent_ = name;
    parentControl_ = nullptr;
    if (name.empty() || !window_)
        return;
    RectControl* parent = window_->_ControlByName(name);
    if (!parent || parent == this || !parent->_Widget() || !_Widget())
        return;
    parentControl_ = parent;
    _Widget()->setParent(parent->_Widget());
    UpdateGeometry();
    _Widget()->setVisible(visible_);
}

void RectControl::_FollowResize(int dx, int dy)
{
    if (lockRight_) {
        if (lockLeft_)
            width_ += dx;
        else
            left_ += dx;
    }
    if (lockBottom_) {
        if (lockTop_)
            height_ += dy;
        else
            top_ += dy;
    }
    UpdateGeometry();
}

void RectControl::SetVisible(bool visible)
{
    visible_ = visible;
    if (QWidget* widget = _Widget())
        widget->setVisible(visible);
}

void RectControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (QWidget* widget = _Widget())
        widget->setEnabled(enabled);
}

void RectControl::SetTextSize(float size)
{
    textSize_ = size;
    _ApplyFont();
}

void RectControl::SetTextUnit(int unit)
{
    textUnit_ = unit;
    _ApplyFont();
}

void RectControl::_ApplyFont()
{
    QWidget* widget = _Widget();
    if (!widget)
        return;
    QFont font = QApplication::font();
    // "System" is the desktop's own user-interface font.
    if (!textFont_.empty() && textFont_ != "System" && textFont_ != "SmallSystem")
        font.setFamily(QString::fromStdString(textFont_));
    // Sizes are pixels of the layout; 0 keeps the desktop's size.
    if (textSize_ > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(textSize_))));
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    widget->setFont(font);
}

void RectControl::_ApplyFocusPolicy()
{
    QWidget* widget = _Widget();
    if (!widget)
        return;
    Qt::FocusPolicy policy = Qt::NoFocus;
    // Out of the tab order a control still takes the focus with a click,
    // unless it leaves the focus alone when clicked.
    if (_TakesFocus() && _TakesFocusOnClick())
        policy = tabStop_ ? Qt::StrongFocus : Qt::ClickFocus;
    else if (_TakesFocus() && tabStop_)
        policy = Qt::TabFocus;
    widget->setFocusPolicy(policy);
}

void RectControl::Refresh(bool eraseBackground)
{
    QWidget* widget = _Widget();
    if (!widget)
        return;
    if (eraseBackground)
        widget->update();
    else
        widget->repaint();
}

void RectControl::SetFocus()
{
    if (QWidget* widget = _Widget())
        widget->setFocus(Qt::OtherFocusReason);
}

void RectControl::_AddEventHandler(ControlEvent event, std::shared_ptr<EventDelegate> handler)
{
    handlers_.emplace_back(event, std::move(handler));
}

bool RectControl::_Raise(ControlEvent event, EventArgs args)
{
    args.control = this;
    bool result = false;
    // A copy: a handler may bind or close things while it runs.
    const auto handlers = handlers_;
    for (const auto& [bound, handler] : handlers)
        if (bound == event && handler)
            result = handler->Invoke(args) || result;
    return result;
}

bool RectControl::_RaiseFromQt(ControlEvent event, EventArgs args)
{
    bool result = false;
    // The window must outlive the handler even if the handler closes it.
    std::shared_ptr<Object> keepWindow = window_ ? window_->weak_from_this().lock() : nullptr;
    _DispatchEvent([&] { result = _Raise(event, std::move(args)); });
    return result;
}

void RectControl::SetProperty(std::string_view name, const PropertyValue& value)
{
    if (const auto* i = As<std::int32_t>(value)) {
        if (name == "Left")
            left_ = *i;
        else if (name == "Top")
            top_ = *i;
        else if (name == "Width")
            width_ = *i;
        else if (name == "Height")
            height_ = *i;
        else if (name == "TabIndex")
            tabIndex_ = *i;
        else
            return;
        UpdateGeometry();
    } else if (const auto* b = As<bool>(value)) {
        if (name == "Visible")
            SetVisible(*b);
        else if (name == "Enabled")
            SetEnabled(*b);
        else if (name == "LockLeft")
            lockLeft_ = *b;
        else if (name == "LockTop")
            lockTop_ = *b;
        else if (name == "LockRight")
            lockRight_ = *b;
        else if (name == "LockBottom")
            lockBottom_ = *b;
        else if (name == "TabStop") {
            tabStop_ = *b;
            _ApplyFocusPolicy();
        } else if (name == "Bold") {
            bold_ = *b;
            _ApplyFont();
        } else if (name == "Italic") {
            italic_ = *b;
            _ApplyFont();
        } else if (name == "Underline") {
            underline_ = *b;
            _ApplyFont();
        }
    } else if (const auto* s = As<std::string>(value)) {
        if (name == "Name")
            name_ = *s;
        else if (name == "TextFont") {
            textFont_ = *s;
            _ApplyFont();
        } else if (name == "HelpTag") {
            helpTag_ = *s;
            if (QWidget* widget = _Widget())
                widget->setToolTip(QString::fromStdString(*s));
        } else if (name == "InitialParent")
            SetInitialParent(*s);
    }
}

void RuntimeAddEventHandler(RectControl* control, ControlEvent event, std::shared_ptr<EventDelegate> handler)
{
    if (!control)
        throw NilObjectException("The control to bind does not exist.");
    control->_AddEventHandler(event, std::move(handler));
}
