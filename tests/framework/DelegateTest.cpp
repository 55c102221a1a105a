#include "support/TestWindow.h"
#include "support/Widgets.h"

#include <gtest/gtest.h>

namespace {

using DelegateTest = CleanState;
using Dispatch = CleanState;

class Target : public Object {
public:
    int calls = 0;
    bool Handle()
    {
        ++calls;
        return true;
    }
};

TEST_F(DelegateTest, WeakDelegateWhoseObjectIsGoneRaisesNilObjectAndCallsNothing)
{
    auto target = std::make_shared<Target>();
    Target* seen = target.get();
    auto weak = RuntimeCreateDelegate<bool>(Invokers::MenuHandler(&Target::Handle), target, "(  ) as Boolean", 1);
    EXPECT_TRUE(weak->Invoke());
    EXPECT_EQ(seen->calls, 1);
    target.reset();
    EXPECT_EQ(weak->Target(), nullptr);
    EXPECT_THROW(weak->Invoke(), NilObjectException);
}

TEST_F(DelegateTest, StrongDelegateKeepsItsObjectAlive)
{
    auto target = std::make_shared<Target>();
    std::weak_ptr<Target> watch = target;
    auto strong = RuntimeCreateDelegate<bool>(Invokers::MenuHandler(&Target::Handle), target, "(  ) as Boolean", 0);
    target.reset();
    EXPECT_FALSE(watch.expired());
    EXPECT_TRUE(strong->Invoke());
    EXPECT_EQ(strong->Signature(), "(  ) as Boolean");
    EXPECT_FALSE(strong->IsWeak());
}

TEST_F(Dispatch, ExceptionInAHandlerIsReportedOnceAndTheProgramGoesOn)
{
    int clicks = 0;
    PushButton* button = nullptr;
    auto window = MakeTestWindow([&](TestWindow& w) { button = w.Add<PushButton>("button", 10, 10, 80, 20); });
    RuntimeAddEventHandler(button, ControlEvent::Action,
        RuntimeCreateDelegate<bool, const EventArgs&>(
            [&](Object*, const EventArgs&) -> bool {
                if (++clicks == 1)
                    throw NilObjectException("nothing there");
                return false;
            },
            nullptr, "( PushButton )", 0));
    testing::internal::CaptureStderr();
    Widgets::Click(button);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(report, "Unhandled NilObjectException: nothing there\n");
    EXPECT_EQ(_ReportedExceptionCount(), 1);
    Widgets::Click(button);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(_ReportedExceptionCount(), 1);
    window.reset();
    EXPECT_EQ(RuntimeExit(), 1);
}

TEST_F(Dispatch, AHandlerWhoseWindowIsGoneRunsNothing)
{
    int calls = 0;
    struct Handlers : Window {
        int* calls = nullptr;
        void Action(PushButton*) { ++*calls; }
    };
    auto owner = std::make_shared<Handlers>();
    owner->calls = &calls;
    PushButton* button = nullptr;
    auto window = MakeTestWindow([&](TestWindow& w) { button = w.Add<PushButton>("button", 10, 10, 80, 20); });
    RuntimeAddEventHandler(button, ControlEvent::Action,
        RuntimeCreateDelegate<bool, const EventArgs&>(Invokers::Event(&Handlers::Action), owner, "( PushButton )", 1));
    Widgets::Click(button);
    EXPECT_EQ(calls, 1);
    owner.reset();
    testing::internal::CaptureStderr();
    Widgets::Click(button);
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(calls, 1);
    EXPECT_NE(report.find("NilObjectException"), std::string::npos);
}

} // namespace
