#include "PopupMenu.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>

namespace {

QComboBox* ComboOf(const RectControl& control)
{
    return static_cast<QComboBox*>(control._Widget());
}

} // namespace

QWidget* PopupMenu::_CreateWidget(QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setCurrentIndex(-1);
    return combo;
}

void PopupMenu::_ConnectSignals(QObject* context)
{
    QObject::connect(ComboOf(*this), &QComboBox::activated, context, [this](int row) { _UserPicked(row); });
}

void PopupMenu::_UserPicked(int row)
{
    QComboBox* combo = ComboOf(*this);
    if (!combo || row < 0 || row >= combo->count())
        return;
    combo->setCurrentIndex(row);
    _RaiseFromQt(ControlEvent::Change);
}

void PopupMenu::AddRow(const std::string& text)
{
    QComboBox* combo = ComboOf(*this);
    if (!combo)
        return;
    const int chosen = combo->currentIndex();
    combo->addItem(QString::fromStdString(text));
    // Adding to an empty menu must not choose its first row.
    combo->setCurrentIndex(chosen);
    WidenList();
}

void PopupMenu::WidenList()
{
    // A menu narrower than its rows still opens a list wide enough to read them.
    QComboBox* combo = ComboOf(*this);
    QAbstractItemView* view = combo->view();
    const int scrollBar = combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    view->setMinimumWidth(view->sizeHintForColumn(0) + scrollBar + 2 * view->frameWidth() + 8);
}

int PopupMenu::ListCount() const
{
    QComboBox* combo = ComboOf(*this);
    return combo ? combo->count() : 0;
}

std::string PopupMenu::List(int row) const
{
    QComboBox* combo = ComboOf(*this);
    if (!combo || row < 0 || row >= combo->count())
        return {};
    return combo->itemText(row).toStdString();
}

int PopupMenu::ListIndex() const
{
    QComboBox* combo = ComboOf(*this);
    return combo ? combo->currentIndex() : -1;
}

void PopupMenu::SetListIndex(int index)
{
    QComboBox* combo = ComboOf(*this);
    if (combo && index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

std::string PopupMenu::Text() const
{
    QComboBox* combo = ComboOf(*this);
    if (!combo || combo->currentIndex() < 0)
        return {};
    return combo->currentText().toStdString();
}

void PopupMenu::SetProperty(std::string_view name, const PropertyValue& value)
{
    if (const auto* s = std::get_if<std::string>(&value)) {
        if (name == "InitialValue") {
            // Rows, one per line.
            std::string row;
            for (char c : *s) {
                if (c == '\r' || c == '\n') {
                    if (!row.empty())
                        AddRow(row);
                    row.clear();
                } else {
                    row += c;
                }
            }
            if (!row.empty())
                AddRow(row);
        } else if (name != "DataSource" && name != "DataField")
            RectControl::SetProperty(name, value);
    } else if (const auto* i = std::get_if<std::int32_t>(&value)) {
        if (name == "ListIndex")
            SetListIndex(*i);
        else
            RectControl::SetProperty(name, value);
    } else {
        RectControl::SetProperty(name, value);
    }
}
