#include "FrameworkClasses.h"

#include "Application.h"
#include "BevelButton.h"
#include "Canvas.h"
#include "Label.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "PushButton.h"
#include "TextArea.h"
#include "TextField.h"
#include "Window.h"

namespace {

template <class T> ClassRecord Record(std::string name, const ClassRecord* base, std::vector<std::string> methods)
{
    ClassRecord record;
    record.fullName = std::move(name);
    record.base = base;
    if (base)
        record.methods = base->methods;
    record.methods.insert(record.methods.end(), methods.begin(), methods.end());
    record.attributes = { { "__Scope", "Public" } };
    record.make = [] { return std::make_shared<T>(); };
    return record;
}

} // namespace

const ClassRecord& ObjectClass()
{
    static const ClassRecord record = [] {
        ClassRecord r;
        r.fullName = "Object";
        return r;
    }();
    return record;
}

const ClassRecord& ApplicationClass()
{
    static const ClassRecord record = Record<Application>("Application", &ObjectClass(),
        { "NewDocument", "OpenDocument", "DoEvents", "_AddMenuHandler", "_AddPollableObject", "_RemovePollableObject",
            "AddTrayItem", "RemoveTrayItem", "YieldToNextThread", "SleepCurrentThread", "_DoSingleEvent",
            "_EnableMenuItems", "_CallOpen", "_HandleMenuCommand", "_LoadPictureFromBundle", "_LoadBundleSound",
            "__DependencyList" });
    return record;
}

const ClassRecord& WindowClass()
{
    static const ClassRecord record = Record<Window>("Window", &ObjectClass(),
        { "Close", "Show", "Hide", "Refresh", "SetFocus", "Control", "ControlCount", "_AddControl", "_ControlByName",
            "_AddMenuHandler", "__New", "Constructor" });
    return record;
}

const ClassRecord& MenuItemClass()
{
    static const ClassRecord record = Record<MenuItem>("MenuItem", &ObjectClass(),
        { "Enable", "Close", "Item", "Count", "Child", "Append", "Insert", "Remove", "Remove", "Remove", "_Lookup",
            "_Lookup", "MenuItem", "Constructor", "PopUp", "PopUp", "_Swap", "_DisableEntirely", "_SelfEnable",
            "MenuItem", "Constructor", "Clone", "Constructor", "__DependencyList", "_InstallClone" });
    return record;
}

const ClassRecord& MenuBarClass()
{
    static const ClassRecord record = Record<MenuBar>("MenuBar", &MenuItemClass(), {});
    return record;
}

const ClassRecord& AppleMenuItemClass()
{
    static const ClassRecord record = Record<AppleMenuItem>("AppleMenuItem", &MenuItemClass(), {});
    return record;
}

const ClassRecord& QuitMenuItemClass()
{
    static const ClassRecord record = Record<QuitMenuItem>("QuitMenuItem", &MenuItemClass(), {});
    return record;
}

const ClassRecord& RectControlClass()
{
    static const ClassRecord record = [] {
        ClassRecord r;
        r.fullName = "RectControl";
        r.base = &ObjectClass();
        r.methods = { "Constructor", "Refresh", "SetFocus" };
        return r;
    }();
    return record;
}

const ClassRecord& TextFieldClass()
{
    static const ClassRecord record = Record<TextField>("TextField", &RectControlClass(), { "SelectAll" });
    return record;
}

const ClassRecord& TextAreaClass()
{
    static const ClassRecord record = Record<TextArea>("TextArea", &RectControlClass(), {});
    return record;
}

const ClassRecord& LabelClass()
{
    static const ClassRecord record = Record<Label>("Label", &RectControlClass(), {});
    return record;
}

const ClassRecord& PopupMenuClass()
{
    static const ClassRecord record = Record<PopupMenu>("PopupMenu", &RectControlClass(), { "AddRow" });
    return record;
}

const ClassRecord& PushButtonClass()
{
    static const ClassRecord record = Record<PushButton>("PushButton", &RectControlClass(), { "Push" });
    return record;
}

const ClassRecord& CanvasClass()
{
    static const ClassRecord record = Record<Canvas>("Canvas", &RectControlClass(), {});
    return record;
}

const ClassRecord& BevelButtonClass()
{
    static const ClassRecord record = Record<BevelButton>("BevelButton", &RectControlClass(), { "Push" });
    return record;
}

std::vector<const ClassRecord*> FrameworkClasses()
{
    return { &ObjectClass(), &ApplicationClass(), &WindowClass(), &MenuItemClass(), &MenuBarClass(),
        &AppleMenuItemClass(), &QuitMenuItemClass(), &RectControlClass(), &TextFieldClass(), &TextAreaClass(),
        &LabelClass(), &PopupMenuClass(), &PushButtonClass(), &CanvasClass() };
}
