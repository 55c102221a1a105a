#include "ButtonControl.h"

#include <QPushButton>

QPushButton* ButtonControl::_Button() const
{
    return static_cast<QPushButton*>(_Widget());
}

QWidget* ButtonControl::_CreateWidget(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    return button;
}

void ButtonControl::_ConnectSignals(QObject* context)
{
    QObject::connect(_Button(), &QPushButton::clicked, context, [this] { _RaiseFromQt(ControlEvent::Action); });
}

void ButtonControl::SetCaption(const std::string& caption)
{
    caption_ = caption;
    if (QPushButton* button = _Button())
        button->setText(QString::fromStdString(caption));
}

void ButtonControl::Push()
{
    if (QPushButton* button = _Button())
        button->click();
}

void ButtonControl::SetProperty(std::string_view name, const PropertyValue& value)
{
    if (const auto* s = std::get_if<std::string>(&value); s && name == "Caption")
        SetCaption(*s);
    else
        RectControl::SetProperty(name, value);
}
