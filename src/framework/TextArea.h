#pragma once

#include "TextControl.h"

#include <string>

// A multi-line text area. Line ends may be CR, LF or CR LF; each breaks the
// line. TextChange is raised for the user's edits only.
class TextArea : public TextControl {
public:
    TextArea();
    ~TextArea() override;

    std::string Text() const;
    void SetText(const std::string& text);

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
    void _ApplyReadOnly() override;

private:
    void ApplyScrollbars();

    // The text as code last set it, returned as it was until the user edits.
    std::string text_;
    bool editedSinceSet_ = false;
    bool settingText_ = false;
    bool border_ = true;
    bool multiline_ = true;
    bool scrollbarVertical_ = true;
    bool scrollbarHorizontal_ = false;
    int alignment_ = 0;
};
