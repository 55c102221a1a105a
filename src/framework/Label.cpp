#include "Label.h"

#include "TextEditing.h"

#include <QLabel>

namespace {

QLabel* LabelOf(const RectControl& control)
{
    return static_cast<QLabel*>(control._Widget());
}

} // namespace

QWidget* Label::_CreateWidget(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    // Labels stand closer than their height: the text sits at the top, so
    // a neighbour's rectangle never hides it.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void Label::SetText(const std::string& text)
{
    text_ = text;
    if (QLabel* label = LabelOf(*this))
        label->setText(QString::fromStdString(text));
}

void Label::SetTextColor(std::uint32_t rgb)
{
    textColor_ = rgb;
    if (QLabel* label = LabelOf(*this)) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, TextEditing::ColorOf(rgb));
        label->setPalette(palette);
    }
}

void Label::ApplyAlignment()
{
    QLabel* label = LabelOf(*this);
    if (!label)
        return;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (textAlign_ == 1)
        horizontal = Qt::AlignHCenter;
    else if (textAlign_ == 2)
        horizontal = Qt::AlignRight;
    label->setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetProperty(std::string_view name, const PropertyValue& value)
{
    QLabel* label = LabelOf(*this);
    if (const auto* s = std::get_if<std::string>(&value)) {
        if (name == "Text")
            SetText(*s);
        else
            RectControl::SetProperty(name, value);
    } else if (const auto* i = std::get_if<std::int32_t>(&value)) {
        if (name == "TextAlign") {
            textAlign_ = *i;
            ApplyAlignment();
        } else
            RectControl::SetProperty(name, value);
    } else if (const auto* b = std::get_if<bool>(&value)) {
        if (name == "Multiline") {
            multiline_ = *b;
            if (label)
                label->setWordWrap(*b);
        } else if (name == "Selectable") {
            if (label)
                label->setTextInteractionFlags(*b ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
        } else
            RectControl::SetProperty(name, value);
    } else if (const auto* c = std::get_if<RGBColor>(&value)) {
        if (name == "TextColor")
            SetTextColor(c->rgb);
    }
}
