#include "WindowControls.h"

#include <string>
#include <utility>

namespace {

// A new control of the row's class belonging to the window, not yet
// constructed: what Window::__New makes for a class named in the code.
std::shared_ptr<RectControl> NewControl(Window& window, const ControlRow& row)
{
    auto control = std::dynamic_pointer_cast<RectControl>(row.controlClass().make());
    NilCheck(control, "The new control");
    control->_Attach(window);
    return control;
}

// The control registered under the name, as the window holds it now. Every
// step after registration looks the control up again rather than keeping a
// pointer from the step before, so each step works on whatever the window
// holds under that name at that moment.
RectControl& Registered(Window& window, std::string_view name)
{
    RectControl* control = window._ControlByName(name);
    NilCheck(control, "The control to build");
    return *control;
}

void GiveBeforeList(Window& window, const ControlRow& row)
{
    const BeforeList& before = row.before;
    switch (before.step) {
    case BeforeList::Step::Nothing:
        break;
    case BeforeList::Step::TextSizeThenUnit: {
        RectControl& control = Registered(window, row.name);
        control.SetTextSize(before.textSize);
        control.SetTextUnit(0);
        break;
    }
    case BeforeList::Step::TextUnitThenSize: {
        RectControl& control = Registered(window, row.name);
        control.SetTextUnit(0);
        control.SetTextSize(before.textSize);
        break;
    }
    case BeforeList::Step::TextUnit:
        Registered(window, row.name).SetTextUnit(0);
        break;
    case BeforeList::Step::Backdrop: {
        auto* canvas = dynamic_cast<Canvas*>(&Registered(window, row.name));
        NilCheck(canvas, "The canvas for the picture");
        canvas->SetBackdrop(before.picture());
        break;
    }
    }
}

void Bind(Window& window, const ControlBinding& binding)
{
    RectControl& control = Registered(window, binding.control);
    auto delegate = RuntimeCreateDelegate<bool, const EventArgs&>(
        binding.makeInvoker(), window.weak_from_this().lock(), std::string(binding.signature), 1);
    RuntimeAddEventHandler(&control, binding.event, std::move(delegate));
}

void BuildControl(Window& window, const ControlRow& row, std::span<const ControlBinding> bindings)
{
    std::shared_ptr<RectControl> made = NewControl(window, row);
    made->Constructor();
    window._AddControl(std::string(row.name), std::move(made));

    GiveBeforeList(window, row);
    _SetProperties(Registered(window, row.name), row.properties);
    for (const ControlBinding& binding : bindings)
        if (binding.control == row.name)
            Bind(window, binding);
}

} // namespace

void BuildControls(Window& window, std::span<const ControlRow> rows, std::span<const ControlBinding> bindings)
{
    for (const ControlRow& row : rows)
        BuildControl(window, row, bindings);
}

std::vector<MemberRecord> WindowMembers(
    std::size_t buildingSteps, std::span<const ControlRow> rows, std::span<const ControlBinding> bindings)
{
    std::vector<MemberRecord> members { { "Layout", "(  )", {} }, { "CreateControls", "(  )", {} } };
    for (std::size_t step = 0; step < buildingSteps; ++step)
        members.push_back({ "_CreateControls" + std::to_string(step), "(  )", {} });
    for (const ControlRow& row : rows)
        members.push_back({ std::string(row.name), "(  ) as " + row.controlClass().fullName, {} });
    for (const ControlBinding& binding : bindings)
        members.push_back({ std::string(binding.handler), std::string(binding.signature), {} });
    return members;
}
