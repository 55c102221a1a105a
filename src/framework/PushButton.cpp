#include "PushButton.h"

#include <QPushButton>

namespace {

QPushButton* ButtonOf(const RectControl& control)
{
    return static_cast<QPushButton*>(control._Widget());
}

} // namespace

QWidget* PushButton::_CreateWidget(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    return button;
}

void PushButton::_ConnectSignals(QObject* context)
{
    QObject::connect(ButtonOf(*this), &QPushButton::clicked, context, [this] { _RaiseFromQt(ControlEvent::Action); });
}

void PushButton::SetCaption(const std::string& caption)
{
    caption_ = caption;
    if (QPushButton* button = ButtonOf(*this))
        button->setText(QString::fromStdString(caption));
}

void PushButton::Push()
{
    if (QPushButton* button = ButtonOf(*this))
        button->click();
}

void PushButton::SetProperty(std::string_view name, const PropertyValue& value)
{
    QPushButton* button = ButtonOf(*this);
    if (const auto* s = std::get_if<std::string>(&value); s && name == "Caption")
        SetCaption(*s);
    else if (const auto* b = std::get_if<bool>(&value); b && name == "Default") {
        if (button)
            button->setDefault(*b);
    } else if (name == "Cancel" || name == "ButtonStyle") {
        // The desktop draws every push button in its own style.
    } else
        RectControl::SetProperty(name, value);
}
