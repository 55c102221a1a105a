#include "app/Startup.h"
#include "app/IktoSI.h"
#include "app/MenuBar1.h"
#include "converter/Window1.h"
#include "support/CleanState.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Startup = CleanState;

TEST_F(Startup, RegistersTheApplicationObjectWithTheMenuBarBeforeAnyWindow)
{
    RuntimeInit();
    _Initialize();
    EXPECT_EQ(App(), nullptr);
    _RuntimeInitExternalClasses();
    _InitPluginEntrypoints();
    _NewAppInstance();
    std::shared_ptr<IktoSI> app = App();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(App(), app);
    EXPECT_EQ(app->MenuBar(), MenuBar1());
    EXPECT_TRUE(_RuntimeOpenWindows().empty());
    EXPECT_FALSE(app->AutoQuit());
    _MakeDefaultView();
    EXPECT_EQ(_RuntimeOpenWindows().size(), 1u);
    EXPECT_EQ(Window1()->MenuBar(), app->MenuBar());
}

TEST_F(Startup, ClassesAreRegisteredFrameworkFirstThenTheProgramsInOrder)
{
    RuntimeInit();
    _Initialize();
    std::vector<std::string> names;
    for (const ClassRecord* record : RuntimeRegisteredClasses())
        names.push_back(record->fullName);
    const std::size_t framework = FrameworkClasses().size();
    ASSERT_EQ(names.size(), framework + 5);
    EXPECT_EQ(std::vector<std::string>(names.begin() + static_cast<long>(framework), names.end()),
        (std::vector<std::string> {
            "IktoSI", "AboutWindow.AboutWindow", "Window1.Window1", "MenuBar1.MenuBar1", "MsgWindow.MsgWindow" }));
    EXPECT_EQ(RuntimeFindClass("Window1.Window1"), &Window1Class());
    const std::vector<std::string>& methods = IktoSIClass().methods;
    EXPECT_EQ(std::vector<std::string>(methods.end() - 5, methods.end()),
        (std::vector<std::string> {
            "Event_Open", "_AppleAbout_Action", "CalcEff", "FuelChoice", "IktoSI.Constructor" }));
}

TEST_F(Startup, TheExceptionHelperGivesBackRuntimeExceptionsAndPassesOthersOn)
{
    auto raiseNil = [](void*) { throw NilObjectException("gone"); };
    std::shared_ptr<RuntimeException> raised = _CallFunctionWithExceptionHandling(raiseNil, nullptr);
    ASSERT_NE(raised, nullptr);
    EXPECT_STREQ(raised->ClassName(), "NilObjectException");
    EXPECT_EQ(_CallFunctionWithExceptionHandling([](void*) {}, nullptr), nullptr);
    auto raiseOther = [](void*) { throw std::logic_error("other"); };
    EXPECT_THROW(_CallFunctionWithExceptionHandling(raiseOther, nullptr), std::logic_error);
}

} // namespace

namespace {

TEST_F(Startup, AnExceptionDuringStartUpIsReportedOnceAndTheLoopNeverRuns)
{
    RuntimeInit();
    _Initialize();
    // No folders above the executable: the header picture cannot be looked
    // for, and building the converter window fails.
    _SetApplicationExecutablePath("/");
    testing::internal::CaptureStderr();
    _Main();
    const std::string report = testing::internal::GetCapturedStderr();
    _SetApplicationExecutablePath("");
    EXPECT_EQ(_ReportedExceptionCount(), 1);
    EXPECT_EQ(report.rfind("Unhandled NilObjectException: ", 0), 0u) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1);
    // _Main returned without running the event loop; the run still ends in order.
    _Finalize();
    EXPECT_EQ(MenuBar1::_implicitInstance, nullptr);
    EXPECT_EQ(RuntimeExit(), 1);
}

} // namespace

namespace {

// Whatever its type, an exception that escapes start-up is reported once,
// as an unknown one; the run still ends in order, with status 1.
TEST_F(Startup, AnExceptionOfAnUnknownTypeIsReportedOnceAndEndsTheRun)
{
    RuntimeInit();
    _Initialize();
    testing::internal::CaptureStderr();
    _MainWith([] { throw 42; });
    const std::string report = testing::internal::GetCapturedStderr();
    EXPECT_EQ(_ReportedExceptionCount(), 1);
    EXPECT_EQ(report, "Unhandled exception of an unknown type\n");
    _Finalize();
    EXPECT_EQ(MenuBar1::_implicitInstance, nullptr);
    EXPECT_EQ(RuntimeExit(), 1);
}

} // namespace
