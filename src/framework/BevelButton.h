#pragma once

#include "ButtonControl.h"

#include <cstdint>

// A bevel button (a plugin control). With AcceptFocus false a click leaves
// the keyboard focus where it was.
class BevelButton : public ButtonControl {
public:
    bool AcceptFocus() const noexcept { return acceptFocus_; }
    std::uint32_t TextColor() const noexcept { return textColor_; }
    bool HasBackColor() const noexcept { return hasBackColor_; }
    std::uint32_t BackColor() const noexcept { return backColor_; }

    bool _TakesFocus() const override { return acceptFocus_; }
    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;
    void _ConnectSignals(QObject* context) override;

private:
    void ApplyPalette();

    bool acceptFocus_ = true;
    bool hasBackColor_ = false;
    std::uint32_t backColor_ = 0xFFFFFF;
    std::uint32_t textColor_ = 0x000000;
};
