#pragma once

#include "RectControl.h"

#include <cstdint>
#include <string>

// What the one-line field and the text area share: their colours and
// read-only switch, and the properties they read alike. Each shows them on
// its own Qt editor; the framework builds both on it, the program names
// only the two classes.
class TextControl : public RectControl {
public:
    std::uint32_t BackColor() const noexcept { return backColor_; }
    void SetBackColor(std::uint32_t rgb);
    std::uint32_t TextColor() const noexcept { return textColor_; }
    void SetTextColor(std::uint32_t rgb);
    bool ReadOnly() const noexcept { return readOnly_; }
    void SetReadOnly(bool readOnly);

    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    // Shows the colours on the editor.
    void _ApplyPalette();
    // Shows ReadOnly on the editor.
    virtual void _ApplyReadOnly() = 0;

private:
    std::uint32_t backColor_ = 0xFFFFFF;
    std::uint32_t textColor_ = 0x000000;
    bool readOnly_ = false;
};
