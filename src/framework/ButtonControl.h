#pragma once

#include "RectControl.h"

#include <string>

class QPushButton;

// What the push button and the bevel button share: a real push button
// widget with its caption, a click that raises Action, and Push. The
// framework builds both on it; the program names only the two classes.
class ButtonControl : public RectControl {
public:
    const std::string& Caption() const noexcept { return caption_; }
    void SetCaption(const std::string& caption);
    // Clicks the button as the user would.
    void Push();

    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;
    void _ConnectSignals(QObject* context) override;
    QPushButton* _Button() const;

private:
    std::string caption_;
};
