#pragma once

#include "RectControl.h"

#include <cstdint>
#include <string>

// A bevel button (a plugin control). With AcceptFocus false a click leaves
// the keyboard focus where it was.
class BevelButton : public RectControl {
public:
    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(const std::string& caption);
    bool AcceptFocus() const noexcept { return acceptFocus_; }
    std::uint32_t TextColor() const noexcept { return textColor_; }
    bool HasBackColor() const noexcept { return hasBackColor_; }
    std::uint32_t BackColor() const noexcept { return backColor_; }
    // Clicks the button as the user would.
    void Push();

    bool _TakesFocus() const override { return acceptFocus_; }
    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;
    void _ConnectSignals(QObject* context) override;

private:
    void ApplyPalette();

    std::string caption_;
    bool acceptFocus_ = true;
    bool hasBackColor_ = false;
    std::uint32_t backColor_ = 0xFFFFFF;
    std::uint32_t textColor_ = 0x000000;
};
