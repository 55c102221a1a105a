#include "BevelButton.h"

#include "Runtime.h"
#include "TextEditing.h"

#include <QPushButton>

QWidget* BevelButton::_CreateWidget(QWidget* parent)
{
    if (!_PluginEntrypointsReady())
        throw RuntimeException("The BevelButton plugin has not been initialised.");
    return ButtonControl::_CreateWidget(parent);
}

void BevelButton::_ConnectSignals(QObject* context)
{
    ButtonControl::_ConnectSignals(context);
    ApplyPalette();
}

void BevelButton::ApplyPalette()
{
    QPushButton* button = _Button();
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
    if (const auto* b = std::get_if<bool>(&value); b && name == "AcceptFocus") {
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
        ButtonControl::SetProperty(name, value);
}
