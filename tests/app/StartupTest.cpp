#include "app/Startup.h"
#include "app/IktoSI.h"
#include "app/MenuBar1.h"
#include "converter/Window1.h"

#include <gtest/gtest.h>

namespace {

TEST(Startup, RegistersTheApplicationObjectWithTheMenuBarBeforeAnyWindow)
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

TEST(Startup, ClassesAreRegisteredFrameworkFirstThenTheProgramsInOrder)
{
    RuntimeInit();
    _Initialize();
    std::vector<std::string> names;
    for (const ClassRecord* record : RuntimeRegisteredClasses())
        names.push_back(record->fullName);
    const std::size_t framework = FrameworkClasses().size();
    ASSERT_GE(names.size(), framework + 3);
    EXPECT_EQ(names[framework], "IktoSI");
    EXPECT_EQ(RuntimeFindClass("Window1.Window1"), &Window1Class());
    EXPECT_EQ(names.back(), "MenuBar1.MenuBar1");
    const std::vector<std::string>& methods = IktoSIClass().methods;
    EXPECT_EQ(std::vector<std::string>(methods.end() - 5, methods.end()),
        (std::vector<std::string> {
            "Event_Open", "_AppleAbout_Action", "CalcEff", "FuelChoice", "IktoSI.Constructor" }));
}

TEST(Startup, TheExceptionHelperGivesBackRuntimeExceptionsAndPassesOthersOn)
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
