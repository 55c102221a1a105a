#pragma once

#include "framework/Framework.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

// Every window of the program builds its controls the same way: from rows
// that carry each control's class, through one builder. What differs from
// window to window is data in the rows.

// What a control gets after it is registered and before its property list.
struct BeforeList {
    enum class Step {
        Nothing,
        TextSizeThenUnit, // the text size, then text unit 0
        TextUnitThenSize, // text unit 0, then the text size
        TextUnit, // text unit 0 and no size
        Backdrop, // a canvas's backdrop picture
    };
    Step step = Step::Nothing;
    float textSize = 0;
    std::shared_ptr<Picture> (*picture)() = nullptr;
};

constexpr BeforeList TextSizeThenUnit(float size)
{
    return { BeforeList::Step::TextSizeThenUnit, size, nullptr };
}

constexpr BeforeList TextUnitThenSize(float size)
{
    return { BeforeList::Step::TextUnitThenSize, size, nullptr };
}

constexpr BeforeList TextUnitOnly()
{
    return { BeforeList::Step::TextUnit, 0, nullptr };
}

// The picture is read when the control is made and set also when there is
// none: the canvas then stays empty.
constexpr BeforeList Backdrop(std::shared_ptr<Picture> (*picture)())
{
    return { BeforeList::Step::Backdrop, 0, picture };
}

inline constexpr BeforeList kNothingBefore {};

// One control of a window: its name, its class, what it gets before its
// property list, and the list.
struct ControlRow {
    std::string_view name;
    const ClassRecord& (*controlClass)();
    BeforeList before;
    std::span<const std::uint8_t> properties;
};

// One event of one control bound to one handler of its window, with the
// handler's signature text and what makes the delegate's invoker.
struct ControlBinding {
    std::string_view control;
    ControlEvent event;
    std::string_view handler;
    std::string_view signature;
    Delegate::Invoker (*makeInvoker)();
};

// The invoker of a window's handler, made when the handler is bound, so
// that the binding tables stay compile-time data.
template <auto Handler> Delegate::Invoker InvokerOf()
{
    return Invokers::Event(Handler);
}

// The signature texts of the handler shapes the windows bind.
inline constexpr std::string_view kFieldSignature = "( TextField )";
inline constexpr std::string_view kFieldKeyDownSignature = "( TextField, String ) as Boolean";
inline constexpr std::string_view kFieldKeyUpSignature = "( TextField, String )";
inline constexpr std::string_view kCanvasMouseDownSignature = "( Canvas, Int32, Int32 ) as Boolean";
inline constexpr std::string_view kLabelMouseDownSignature = "( Label, Int32, Int32 ) as Boolean";
inline constexpr std::string_view kPopupMenuSignature = "( PopupMenu )";
inline constexpr std::string_view kPushButtonSignature = "( PushButton )";
inline constexpr std::string_view kBevelButtonSignature = "( BevelButton )";

// Makes the rows' controls in row order, each in its steps: created and
// constructed, registered under its name, given what it gets before its
// list, laid out by its list, and bound to its handlers in binding order,
// each through a delegate that holds the window weakly.
void BuildControls(Window& window, std::span<const ControlRow> rows, std::span<const ControlBinding> bindings);

// A window's own operations as far as its rows give them, in method-table
// order: Layout, CreateControls and its building steps (_CreateControls0
// on), an accessor "(  ) as <Class>" for each control in row order, then
// each bound handler with its signature text.
std::vector<MemberRecord> WindowMembers(
    std::size_t buildingSteps, std::span<const ControlRow> rows, std::span<const ControlBinding> bindings);
