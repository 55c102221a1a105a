#pragma once

#include "RectControl.h"

#include <string>

// A push button; a click raises Action.
class PushButton : public RectControl {
public:
    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(const std::string& caption);
    // Clicks the button as the user would.
    void Push();

    // A button outside the tab order leaves the focus where it was when clicked.
    bool _TakesFocus() const override { return TabStop(); }

    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;
    void _ConnectSignals(QObject* context) override;

private:
    std::string caption_;
};
