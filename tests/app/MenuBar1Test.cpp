#include "app/MenuBar1.h"
#include "support/ProgramFixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using MenuBar1Test = CleanState;

struct ExpectedItem {
    std::string name;
    const ClassRecord& (*itemClass)();
    std::string parent;
    std::string text;
    std::optional<std::string> shortcut;
};

// The bar as the user finds it: every menu and item in order, depth first.
const std::vector<ExpectedItem> kExpected {
    { "FileMenu", &MenuItemClass, "", "&File", "" },
    { "FileQuit", &QuitMenuItemClass, "FileMenu", "&Quit", "Cmd+Q" },
    { "EditMenu", &MenuItemClass, "", "&Edit", "" },
    { "EditUndo", &MenuItemClass, "EditMenu", "&Undo", "Cmd+Z" },
    { "UntitledMenu1", &MenuItemClass, "EditMenu", "-", std::nullopt },
    { "EditCut", &MenuItemClass, "EditMenu", "Cu&t", "Cmd+X" },
    { "EditCopy", &MenuItemClass, "EditMenu", "&Copy", "Cmd+C" },
    { "EditPaste", &MenuItemClass, "EditMenu", "&Paste", "Cmd+V" },
    { "EditClear", &MenuItemClass, "EditMenu", "&Delete", "" },
    { "UntitledMenu0", &MenuItemClass, "EditMenu", "-", std::nullopt },
    { "EditSelectAll", &MenuItemClass, "EditMenu", "Select &All", "Cmd+A" },
    { "HelpMenu", &MenuItemClass, "", "Help", "" },
    { "AppleAbout", &AppleMenuItemClass, "HelpMenu", "About", "" },
};

void Walk(const MenuItem& node, std::vector<const MenuItem*>& out)
{
    for (int i = 0; i < node.Count(); ++i) {
        out.push_back(node.Item(i).get());
        Walk(*node.Item(i), out);
    }
}

TEST_F(MenuBar1Test, HoldsTheThirteenMenusAndItemsInOrder)
{
    RuntimeInit();
    std::shared_ptr<class MenuBar1> bar = MenuBar1();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(MenuBar1(), bar);
    EXPECT_EQ(bar->Class(), &MenuBar1Class());
    std::vector<const MenuItem*> items;
    Walk(*bar, items);
    ASSERT_EQ(items.size(), kExpected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ExpectedItem& expected = kExpected[i];
        const MenuItem& item = *items[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(item.Name(), expected.name);
        EXPECT_EQ(item.Class(), &expected.itemClass());
        EXPECT_EQ(item.Text(), expected.text);
        EXPECT_EQ(item.KeyboardShortcut(), expected.shortcut);
        EXPECT_TRUE(item.AutoEnable());
        const MenuItem* parent = item.Parent();
        EXPECT_EQ(parent == bar.get() ? std::string() : parent->Name(), expected.parent);
        EXPECT_EQ(bar->_Lookup(expected.name).get(), &item);
    }
}

// Each building step makes its own menu with every item placed in it, so
// that a row added to one menu leaves the others as they are.
TEST_F(MenuBar1Test, EachStepMakesOneMenuWithTheItemsPlacedInIt)
{
    RuntimeInit();
    struct Step {
        void (MenuBar1::*build)();
        std::string menu;
    };
    for (const Step& step : { Step { &MenuBar1::Untitled0, "FileMenu" }, Step { &MenuBar1::Untitled1, "EditMenu" },
             Step { &MenuBar1::Untitled2, "HelpMenu" } }) {
        SCOPED_TRACE(step.menu);
        auto bar = std::dynamic_pointer_cast<class MenuBar1>(RuntimeNewObject(MenuBar1Class()));
        ASSERT_NE(bar, nullptr);
        (bar.get()->*step.build)();
        std::vector<const MenuItem*> made;
        Walk(*bar, made);
        std::vector<std::string> names;
        for (const MenuItem* item : made)
            names.push_back(item->Name());
        std::vector<std::string> expected;
        for (const ExpectedItem& item : kExpected)
            if (item.name == step.menu || item.parent == step.menu)
                expected.push_back(item.name);
        EXPECT_EQ(names, expected);
    }
}

TEST_F(MenuBar1Test, IsReleasedAtTheEndOfARun)
{
    RuntimeInit();
    std::weak_ptr<class MenuBar1> first = MenuBar1();
    MenuBar1::_implicitInstance__Exit();
    EXPECT_TRUE(first.expired());
    EXPECT_NE(MenuBar1(), nullptr);
}

} // namespace
