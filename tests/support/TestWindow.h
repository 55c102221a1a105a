#pragma once

#include "framework/Framework.h"
#include "support/CleanState.h"

#include <functional>
#include <memory>
#include <string>

// A window class for the framework's own tests: its layout and controls
// are whatever the test hands it.
class TestWindow : public Window {
public:
    static std::function<void(TestWindow&)>& Build()
    {
        static std::function<void(TestWindow&)> build;
        return build;
    }

    template <class C> C* Add(const std::string& name, int left, int top, int width, int height)
    {
        std::shared_ptr<C> control = __New<C>();
        control->Constructor();
        _AddControl(name, control);
        control->SetBounds(left, top, width, height);
        return control.get();
    }
};

inline const ClassRecord& TestWindowClass()
{
    static const ClassRecord record = [] {
        ClassRecord r;
        r.fullName = "TestWindow.TestWindow";
        r.base = &WindowClass();
        r.hooks.Layout = [](Window& w) {
            w.SetProperty("Width", std::int32_t { 300 });
            w.SetProperty("Height", std::int32_t { 200 });
            w.SetProperty("Visible", true);
            w.SetProperty("Resizeable", false);
        };
        r.hooks.CreateControls = [](Window& w) {
            if (TestWindow::Build())
                TestWindow::Build()(static_cast<TestWindow&>(w));
        };
        r.make = [] { return std::make_shared<TestWindow>(); };
        return r;
    }();
    return record;
}

// Builds and shows a test window, its controls made by `build`.
inline std::shared_ptr<TestWindow> MakeTestWindow(std::function<void(TestWindow&)> build)
{
    RuntimeInit();
    _InitPluginEntrypoints();
    TestWindow::Build() = std::move(build);
    auto window = std::static_pointer_cast<TestWindow>(RuntimeNewObject(TestWindowClass()));
    window->Constructor();
    RuntimeProcessEvents();
    return window;
}
