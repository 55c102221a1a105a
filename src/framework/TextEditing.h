#pragma once

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QPalette>
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

} // namespace TextEditing
