#pragma once

#include "RectControl.h"

#include <cstdint>
#include <string>

// A multi-line text area. Line ends may be CR, LF or CR LF; each breaks the
// line. TextChange is raised for the user's edits only.
class TextArea : public RectControl {
public:
    TextArea();
    ~TextArea() override;

    std::string Text() const;
    void SetText(const std::string& text);

    std::uint32_t BackColor() const noexcept { return backColor_; }
    void SetBackColor(std::uint32_t rgb);
    std::uint32_t TextColor() const noexcept { return textColor_; }
    void SetTextColor(std::uint32_t rgb);
    bool ReadOnly() const noexcept { return readOnly_; }
    void SetReadOnly(bool readOnly);
    bool ScrollbarVertical() const noexcept { return scrollbarVertical_; }
    bool ScrollbarHorizontal() const noexcept { return scrollbarHorizontal_; }
    bool Border() const noexcept { return border_; }

    bool _EditCommand(EditCommand command, bool perform) override;
    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;
    std::vector<QWidget*> _InputWidgets() const override;
    void _ConnectSignals(QObject* context) override;
    void _ApplyFont() override;

private:
    void ApplyPalette();
    void ApplyScrollbars();

    // The text as code last set it, returned as it was until the user edits.
    std::string text_;
    bool editedSinceSet_ = false;
    bool settingText_ = false;
    std::uint32_t backColor_ = 0xFFFFFF;
    std::uint32_t textColor_ = 0x000000;
    bool readOnly_ = false;
    bool border_ = true;
    bool multiline_ = true;
    bool scrollbarVertical_ = true;
    bool scrollbarHorizontal_ = false;
    int alignment_ = 0;
};
