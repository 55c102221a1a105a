#pragma once

#include "RectControl.h"

#include <cstdint>
#include <string>

// A one-line text field. TextChange is raised for the user's edits only,
// never for text that code sets.
class TextField : public RectControl {
public:
    std::string Text() const;
    void SetText(const std::string& text);

    std::uint32_t BackColor() const noexcept { return backColor_; }
    void SetBackColor(std::uint32_t rgb);
    std::uint32_t TextColor() const noexcept { return textColor_; }
    void SetTextColor(std::uint32_t rgb);
    bool ReadOnly() const noexcept { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool Border() const noexcept { return border_; }
    int Alignment() const noexcept { return alignment_; }
    bool UseFocusRing() const noexcept { return useFocusRing_; }

    std::string SelText() const;
    void SelectAll();

    bool _EditCommand(EditCommand command, bool perform) override;
    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;
    void _ConnectSignals(QObject* context) override;

private:
    void ApplyPalette();

    std::string text_;
    std::uint32_t backColor_ = 0xFFFFFF;
    std::uint32_t textColor_ = 0x000000;
    bool readOnly_ = false;
    bool border_ = true;
    bool password_ = false;
    bool useFocusRing_ = true;
    int alignment_ = 0;
    int limitText_ = 0;
    std::string cueText_;
};
