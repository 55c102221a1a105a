#include "app/WindowControls.h"
#include "converter/PropertyList.h"
#include "converter/Window1.h"
#include "support/ProgramFixture.h"
#include "support/TestWindow.h"
#include "windows/AboutWindow.h"
#include "windows/MsgWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

using WindowControls = ProgramFixture;

const MemberRecord* MemberNamed(const ClassRecord& record, const std::string& name)
{
    for (const MemberRecord& member : record.members)
        if (member.name == name)
            return &member;
    return nullptr;
}

// The framework class whose objects are of the control's own type.
std::string ClassNameOf(const RectControl& control)
{
    for (const ClassRecord* record : RuntimeRegisteredClasses())
        if (record->make && record->IsA(RectControlClass()) && typeid(*record->make()) == typeid(control))
            return record->fullName;
    return "?";
}

// Each window's records are derived from the rows it builds from, so they
// must agree with what it built: one accessor per control, typed with the
// control's class, and one member per bound handler, with the signature
// its delegate carries.
TEST_F(WindowControls, EveryWindowsRecordsNameTheControlsAndHandlersItBuilt)
{
    struct Case {
        std::shared_ptr<Window> window;
        const ClassRecord& record;
    };
    for (const Case& c : { Case { Window1(), Window1Class() }, Case { AboutWindow(), AboutWindowClass() },
             Case { MsgWindow(), MsgWindowClass() } }) {
        SCOPED_TRACE(c.record.fullName);
        ASSERT_FALSE(c.window->_Controls().empty());
        for (const auto& control : c.window->_Controls()) {
            const MemberRecord* accessor = MemberNamed(c.record, control->Name());
            ASSERT_NE(accessor, nullptr) << control->Name();
            EXPECT_EQ(accessor->signature, "(  ) as " + ClassNameOf(*control));
            for (const auto& [event, delegate] : control->_EventHandlers()) {
                const std::string handler = control->Name() + "_" + ControlEventName(event);
                const MemberRecord* member = MemberNamed(c.record, handler);
                ASSERT_NE(member, nullptr) << handler;
                EXPECT_EQ(member->signature, delegate->Signature());
            }
        }
    }
}

// The builder's steps reach the control by its name each time, never by a
// pointer kept from an earlier step. These rows swap the control registered
// under a name while a step runs (from the picture the canvas is given, from
// a property of the list, from the making of a binding's invoker), and every
// later step must then work on the stand-in.
namespace swapping {

TestWindow* building = nullptr;

template <class C> C* RegisterStandIn(const char* name)
{
    auto standIn = building->__New<C>();
    standIn->Constructor();
    building->_AddControl(name, standIn);
    return standIn.get();
}

std::shared_ptr<Picture> PictureThatSwapsTheCanvas()
{
    RegisterStandIn<Canvas>("canvas");
    return nullptr;
}

// A field that hands its name over to a stand-in once its list is applied.
class FieldThatSwaps : public TextField {
public:
    void SetProperty(std::string_view name, const PropertyValue& value) override
    {
        TextField::SetProperty(name, value);
        if (name == "Left")
            RegisterStandIn<TextField>("field");
    }
};

const ClassRecord& FieldThatSwapsClass()
{
    static const ClassRecord record = [] {
        ClassRecord r;
        r.fullName = "FieldThatSwaps";
        r.base = &TextFieldClass();
        r.make = [] { return std::make_shared<FieldThatSwaps>(); };
        return r;
    }();
    return record;
}

Delegate::Invoker InvokerThatSwapsTheField()
{
    RegisterStandIn<TextField>("field");
    return [](Object*, const EventArgs&) { return false; };
}

Delegate::Invoker PlainInvoker()
{
    return [](Object*, const EventArgs&) { return false; };
}

constexpr auto kLeftAt7 = plist::EncodeList([] { return std::array { plist::Int("Left", 7) }; });

const std::array kRows {
    ControlRow { "canvas", &CanvasClass, Backdrop(&PictureThatSwapsTheCanvas), plist::Bytes(kLeftAt7) },
    ControlRow { "field", &FieldThatSwapsClass, TextSizeThenUnit(11), plist::Bytes(kLeftAt7) },
};

const std::array kBindings {
    ControlBinding { "field", ControlEvent::GotFocus, "field_GotFocus", kFieldSignature, &PlainInvoker },
    ControlBinding { "field", ControlEvent::LostFocus, "field_LostFocus", kFieldSignature, &InvokerThatSwapsTheField },
    ControlBinding { "field", ControlEvent::TextChange, "field_TextChange", kFieldSignature, &PlainInvoker },
};

std::vector<ControlEvent> EventsBound(const RectControl& control)
{
    std::vector<ControlEvent> events;
    for (const auto& [event, delegate] : control._EventHandlers())
        events.push_back(event);
    return events;
}

} // namespace swapping

using WindowBuilder = CleanState;

TEST_F(WindowBuilder, EachStepFindsTheControlAnewByItsName)
{
    std::vector<std::shared_ptr<RectControl>> made;
    auto window = MakeTestWindow([&](TestWindow& w) {
        swapping::building = &w;
        BuildControls(w, swapping::kRows, swapping::kBindings);
        swapping::building = nullptr;
        made = w._Controls();
    });
    // In the order registered: the canvas, its stand-in, the field, and the
    // field's stand-ins from its list and from its second binding.
    ASSERT_EQ(made.size(), 5u);
    const RectControl& canvas = *made[0];
    const RectControl& canvasStandIn = *made[1];
    EXPECT_EQ(window->_ControlByName("canvas"), &canvasStandIn);
    EXPECT_EQ(canvas.Left(), 0) << "the list went to the canvas the picture step had";
    EXPECT_EQ(canvasStandIn.Left(), 7);

    const RectControl& field = *made[2];
    const RectControl& fromTheList = *made[3];
    const RectControl& fromTheBinding = *made[4];
    EXPECT_EQ(field.TextSize(), 11.0f);
    EXPECT_EQ(field.Left(), 7);
    EXPECT_EQ(swapping::EventsBound(field), std::vector<ControlEvent> {});
    EXPECT_EQ(swapping::EventsBound(fromTheList),
        (std::vector<ControlEvent> { ControlEvent::GotFocus, ControlEvent::LostFocus }));
    EXPECT_EQ(swapping::EventsBound(fromTheBinding), std::vector<ControlEvent> { ControlEvent::TextChange });
    EXPECT_EQ(window->_ControlByName("field"), &fromTheBinding);
}

} // namespace
