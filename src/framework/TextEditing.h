#pragma once

#include "RectControl.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

#include <cstdint>

// Helpers the text controls share (private to the framework).
namespace TextEditing {

inline QColor ColorOf(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFFu));
}

inline bool ClipboardHasText()
{
    const QClipboard* clipboard = QApplication::clipboard();
    return clipboard && !clipboard->text().isEmpty();
}

inline void SetColors(QWidget& widget, QPalette::ColorRole backRole, std::uint32_t back, std::uint32_t text)
{
    QPalette palette = widget.palette();
    palette.setColor(backRole, ColorOf(back));
    palette.setColor(QPalette::Text, ColorOf(text));
    widget.setPalette(palette);
}

// Alignment 0 is the default (left), 1 left, 2 centre, 3 right.
inline Qt::Alignment HorizontalAlignment(int alignment)
{
    switch (alignment) {
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

// What the edit commands ask of the one-line and the multi-line editor.
inline bool HasSelection(const QLineEdit& edit)
{
    return edit.hasSelectedText();
}

inline bool HasSelection(const QPlainTextEdit& edit)
{
    return edit.textCursor().hasSelection();
}

inline bool CanUndo(const QLineEdit& edit)
{
    return edit.isUndoAvailable();
}

inline bool CanUndo(const QPlainTextEdit& edit)
{
    return edit.document()->isUndoAvailable();
}

inline bool IsEmpty(const QLineEdit& edit)
{
    return edit.text().isEmpty();
}

inline bool IsEmpty(const QPlainTextEdit& edit)
{
    return edit.document()->isEmpty();
}

inline void DeleteSelection(QLineEdit& edit)
{
    edit.del();
}

inline void DeleteSelection(QPlainTextEdit& edit)
{
    edit.textCursor().removeSelectedText();
}

// An Edit menu command on a text control's editor: whether it applies now
// and, with perform, carrying it out. A read-only text can be copied and
// selected but not changed; a password can be neither cut nor copied.
template <class Editor>
bool RunEditCommand(Editor* edit, EditCommand command, bool perform, bool readOnly, bool password)
{
    if (!edit)
        return false;
    const bool selection = HasSelection(*edit);
    bool applies = false;
    switch (command) {
    case EditCommand::Undo:
        applies = !readOnly && CanUndo(*edit);
        if (applies && perform)
            edit->undo();
        break;
    case EditCommand::Cut:
        applies = !readOnly && selection && !password;
        if (applies && perform)
            edit->cut();
        break;
    case EditCommand::Copy:
        applies = selection && !password;
        if (applies && perform)
            edit->copy();
        break;
    case EditCommand::Paste:
        applies = !readOnly && ClipboardHasText();
        if (applies && perform)
            edit->paste();
        break;
    case EditCommand::Clear:
        applies = !readOnly && selection;
        if (applies && perform)
            DeleteSelection(*edit);
        break;
    case EditCommand::SelectAll:
        applies = !IsEmpty(*edit);
        if (applies && perform)
            edit->selectAll();
        break;
    }
    return applies;
}

} // namespace TextEditing
