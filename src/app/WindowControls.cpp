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

void GiveBeforeList(RectControl& control, const BeforeList& before)
{
    switch (before.step) {
    case BeforeList::Step::Nothing:
        break;
    case BeforeList::Step::TextSizeThenUnit:
        control.SetTextSize(before.textSize);
        control.SetTextUnit(0);
        break;
    case BeforeList::Step::TextUnitThenSize:
        control.SetTextUnit(0);
        control.SetTextSize(before.textSize);
        break;
    case BeforeList::Step::TextUnit:
        control.SetTextUnit(0);
        break;
    case BeforeList::Step::Backdrop: {
        auto* canvas = dynamic_cast<Canvas*>(&control);
        NilCheck(canvas, "The canvas for the picture");
        canvas->SetBackdrop(before.picture());
        break;
    }
    }
}

void Bind(Window& window, RectControl& control, const ControlBinding& binding)
{
    auto delegate = RuntimeCreateDelegate<bool, const EventArgs&>(
        binding.makeInvoker(), window.weak_from_this().lock(), std::string(binding.signature), 1);
    RuntimeAddEventHandler(&control, binding.event, std::move(delegate));
}

void BuildControl(Window& window, const ControlRow& row, std::span<const ControlBinding> bindings)
{
    const std::string name(row.name);
    std::shared_ptr<RectControl> made = NewControl(window, row);
    made->Constructor();
    window._AddControl(name, std::move(made));

    RectControl* control = window._ControlByName(name);
    NilCheck(control, "The new control");
    GiveBeforeList(*control, row.before);
    _SetProperties(*control, row.properties);
    for (const ControlBinding& binding : bindings)
        if (binding.control == row.name)
            Bind(window, *control, binding);
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
