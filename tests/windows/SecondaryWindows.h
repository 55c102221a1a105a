#pragma once

#include "framework/Framework.h"
#include "support/ProgramFixture.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <string>
#include <vector>

// Helpers shared by the tests of the About and help windows, the About
// command and the converter window's closing.
namespace SecondaryWindows {

// Makes the header pictures come from the built bundle.
inline void UseBuiltBundle()
{
    _SetApplicationExecutablePath(std::string(IKTO_BUNDLE_DIR) + "/bin/ikto-si");
}

// The item of a window's menu bar as the user sees it, e.g. ("Help", "About").
inline QAction* MenuAction(Window& window, const QString& menuText, const QString& itemText)
{
    auto* top = qobject_cast<QMainWindow*>(window._TopLevelWidget());
    if (!top || !top->menuWidget())
        return nullptr;
    for (QAction* menu : top->menuBar()->actions())
        if (menu->text() == menuText && menu->menu())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == itemText)
                    return item;
    return nullptr;
}

// The point of a window's content area in the coordinates of its top-level
// window, where the user's clicks land.
inline QPoint OnScreen(Window& window, QPoint inContent)
{
    return window._ContentWidget()->mapTo(window._TopLevelWidget(), inContent);
}

// Records every top-level widget that is shown while it lives.
class ShownWindows : public QObject {
public:
    ShownWindows() { QApplication::instance()->installEventFilter(this); }
    ~ShownWindows() override { QApplication::instance()->removeEventFilter(this); }

    std::vector<QWidget*> shown;

    bool WasShown(const QWidget* top) const
    {
        for (QWidget* w : shown)
            if (w == top)
                return true;
        return false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->isWindow())
                shown.push_back(widget);
        return false;
    }
};

// The program's open windows, by class, each time they differ from the
// last look: a record of the order in which windows come and go while
// the event loop delivers anything at all.
class OpenWindowsTimeline : public QObject {
public:
    OpenWindowsTimeline() { QApplication::instance()->installEventFilter(this); }
    ~OpenWindowsTimeline() override { QApplication::instance()->removeEventFilter(this); }

    static std::vector<std::string> Now()
    {
        std::vector<std::string> names;
        for (const auto& window : _RuntimeOpenWindows())
            names.push_back(window->Class() ? window->Class()->fullName : "?");
        return names;
    }

    void Look()
    {
        std::vector<std::string> now = Now();
        if (states.empty() || states.back() != now)
            states.push_back(std::move(now));
    }

    std::vector<std::vector<std::string>> states;

protected:
    bool eventFilter(QObject*, QEvent*) override
    {
        Look();
        return false;
    }
};

// Where a control stands in its window's content area, also inside a parent control.
inline QRect InWindow(Window& window, RectControl* control)
{
    QWidget* widget = control->_Widget();
    return { widget->mapTo(window._ContentWidget(), QPoint(0, 0)), widget->size() };
}

// The program started, finding its header pictures in the built bundle.
class Fixture : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        UseBuiltBundle();
    }
    void TearDown() override
    {
        _SetApplicationExecutablePath("");
        ProgramFixture::TearDown();
    }
};

} // namespace SecondaryWindows
