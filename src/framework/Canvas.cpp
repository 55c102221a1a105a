#include "Canvas.h"

#include "Picture.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace {

class CanvasWidget : public QWidget {
public:
    using QWidget::QWidget;
    std::shared_ptr<Picture> backdrop;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!backdrop)
            return;
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), backdrop->_Image());
    }
};

} // namespace

QWidget* Canvas::_CreateWidget(QWidget* parent)
{
    auto* widget = new CanvasWidget(parent);
    widget->backdrop = backdrop_;
    return widget;
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture)
{
    backdrop_ = std::move(picture);
    if (auto* widget = static_cast<CanvasWidget*>(_Widget())) {
        widget->backdrop = backdrop_;
        widget->update();
    }
}

void Canvas::SetProperty(std::string_view name, const PropertyValue& value)
{
    if (const auto* b = std::get_if<bool>(&value); b && name == "AcceptFocus") {
        acceptFocus_ = *b;
        _ApplyFocusPolicy();
    } else if (name == "DoubleBuffer" || name == "EraseBackground" || name == "UseFocusRing" || name == "AcceptTabs") {
        // Qt double-buffers every widget and draws no focus ring on a canvas.
    } else
        RectControl::SetProperty(name, value);
}
