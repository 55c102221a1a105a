#pragma once

#include "framework/Framework.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

// Driving controls through their real widgets, as the user would.
namespace Widgets {

inline QWidget* Of(RectControl* control)
{
    return control ? control->_Widget() : nullptr;
}

inline bool Activate(Window& window)
{
    RuntimeProcessEvents();
    QWidget* top = window._TopLevelWidget();
    if (!top)
        return false;
    top->activateWindow();
    return QTest::qWaitForWindowActive(top, 2000);
}

inline void Focus(RectControl* control)
{
    QWidget* widget = Of(control);
    widget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

inline void Type(RectControl* control, const char* text)
{
    QTest::keyClicks(Of(control), QString::fromUtf8(text));
}

inline void Key(RectControl* control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(Of(control), key, modifiers);
}

inline void Click(RectControl* control, QPoint at = QPoint())
{
    QWidget* widget = Of(control);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
}

// A key sent to whatever widget holds the focus, as the keyboard does.
inline void KeyToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    if (target)
        QTest::keyClick(target, key, modifiers);
}

} // namespace Widgets
