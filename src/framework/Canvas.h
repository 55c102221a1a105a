#pragma once

#include "RectControl.h"

#include <memory>

class Picture;

// A drawing area showing its backdrop picture at its top left corner.
class Canvas : public RectControl {
public:
    const std::shared_ptr<Picture>& Backdrop() const noexcept { return backdrop_; }
    void SetBackdrop(std::shared_ptr<Picture> picture);
    bool AcceptFocus() const noexcept { return acceptFocus_; }

    bool _TakesFocus() const override { return acceptFocus_; }
    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;

private:
    std::shared_ptr<Picture> backdrop_;
    bool acceptFocus_ = false;
};
