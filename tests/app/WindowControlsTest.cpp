#include "converter/Window1.h"
#include "support/ProgramFixture.h"
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

} // namespace
