#include "BevelButton.h"

#include "Runtime.h"
#include "TextEditing.h"

#include <QPushButton>

namespace {

QPushButton* ButtonOf(const RectControl& control)
{
    return static_cast<QPushButton*>(control._Widget());
}

} // namespace

QWidget* BevelButton::_CreateWidget(QWidget* parent)
{
    if (!_PluginEntrypointsReady())
        throw RuntimeException("The BevelButton plugin has not been initialised.");
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    return button;
}

void BevelButton::_ConnectSignals(QObject* context)
{
    QObject::connect(ButtonOf(*this), &QPushButton::clicked, context, [this] { _RaiseFromQt(ControlEvent::Action); });
    ApplyPalette();
}

void BevelButton::SetCaption(const std::string& caption)
{
    caption_ = caption;
    if (QPushButton* button = ButtonOf(*this))
        button->setText(QString::fromStdString(caption));
}

void BevelButton::Push()
{
    if (QPushButton* button = ButtonOf(*this))
        button->click();
}

void BevelButton::ApplyPalette()
{
    QPushButton* button = ButtonOf(*this);
    if (!button)
        return;
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, TextEditing::ColorOf(textColor_));
    if (hasBackColor_)
        palette.setColor(QPalette::Button, TextEditing::ColorOf(backColor_));
    button->setPalette(palette);
}

void BevelButton::SetProperty(std::string_view name, const PropertyValue& value)
{
    if (const auto* s = std::get_if<std::string>(&value); s && name == "Caption")
        SetCaption(*s);
    else if (const auto* b = std::get_if<bool>(&value); b && name == "AcceptFocus") {
        acceptFocus_ = *b;
        _ApplyFocusPolicy();
    } else if (const auto* hb = std::get_if<bool>(&value); hb && name == "HasBackColor") {
        hasBackColor_ = *hb;
        ApplyPalette();
    } else if (const auto* c = std::get_if<RGBColor>(&value)) {
        if (name == "BackColor")
            backColor_ = c->rgb;
        else if (name == "TextColor")
            textColor_ = c->rgb;
        ApplyPalette();
    } else
        RectControl::SetProperty(name, value);
}
