#pragma once

#include "RectControl.h"

#include <cstdint>
#include <string>

// A text label. TextAlign 0 is left, 1 centre, 2 right.
class Label : public RectControl {
public:
    const std::string& Text() const noexcept { return text_; }
    void SetText(const std::string& text);
    std::uint32_t TextColor() const noexcept { return textColor_; }
    void SetTextColor(std::uint32_t rgb);
    int TextAlign() const noexcept { return textAlign_; }

    bool _TakesFocus() const override { return false; }
    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;

private:
    void ApplyAlignment();

    std::string text_;
    std::uint32_t textColor_ = 0x000000;
    int textAlign_ = 0;
    bool multiline_ = false;
};
