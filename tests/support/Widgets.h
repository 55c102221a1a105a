#pragma once

#include "framework/Framework.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

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

// Keys as the keyboard delivers them: to an open list or menu, which holds
// the keyboard, or else to the window, which hands them to the widget that
// holds the focus. A key pressed while a list is open is released wherever
// the focus is by then.
inline QWindow* KeyboardWindow(Window& window)
{
    QWidget* holder = QApplication::activePopupWidget();
    if (!holder)
        holder = window._TopLevelWidget();
    return holder ? holder->windowHandle() : nullptr;
}

inline void PressKey(Window& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyPress(KeyboardWindow(window), key, modifiers);
}

inline void ReleaseKey(Window& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyRelease(KeyboardWindow(window), key, modifiers);
}

inline void ClickKey(Window& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(KeyboardWindow(window), key, modifiers);
}

enum class RepeatMark { Marked, Missed };

// What a held key sends at each repeat: a release and a press at the same
// moment, both marked as repeats. Under load the toolkit can miss the mark
// (RepeatMark::Missed); the two halves still share their moment.
inline void RepeatKey(Window& window, Qt::Key key, int times = 1, RepeatMark mark = RepeatMark::Marked,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const char ascii = QTest::keyToAscii(key);
    const QString text = ascii ? QString(QChar::fromLatin1(ascii)) : QString();
    static ulong moment = 0;
    for (int i = 0; i < times; ++i) {
        if (mark == RepeatMark::Marked) {
            QTest::simulateEvent(KeyboardWindow(window), false, key, modifiers, text, true);
            QTest::simulateEvent(KeyboardWindow(window), true, key, modifiers, text, true);
            continue;
        }
        // A key held down repeats 25 times a second.
        moment += 40;
        for (QEvent::Type type : { QEvent::KeyRelease, QEvent::KeyPress }) {
            QKeyEvent event(type, key, modifiers, text, false);
            event.setTimestamp(moment);
            QApplication::sendEvent(KeyboardWindow(window)->focusObject(), &event);
        }
    }
}

} // namespace Widgets
