#pragma once

#include "TextControl.h"

#include <string>

// A one-line text field. TextChange is raised for the user's edits only,
// never for text that code sets.
class TextField : public TextControl {
public:
    std::string Text() const;
    void SetText(const std::string& text);

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
    void _ApplyReadOnly() override;

private:
    std::string text_;
    bool border_ = true;
    bool password_ = false;
    bool useFocusRing_ = true;
    int alignment_ = 0;
    int limitText_ = 0;
    std::string cueText_;
};
