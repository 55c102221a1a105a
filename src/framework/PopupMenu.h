#pragma once

#include "RectControl.h"

#include <string>

// A popup menu. It shows no chosen row, and its Text is "", until a row is
// picked; Change is raised on every pick by the user.
class PopupMenu : public RectControl {
public:
    void AddRow(const std::string& text);
    int ListCount() const;
    std::string List(int row) const;
    int ListIndex() const;
    // Chooses a row; an index outside the rows chooses nothing.
    void SetListIndex(int index);
    std::string Text() const;

    // The user's pick of a row, as the menu's list delivers it.
    void _UserPicked(int row);

    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;
    void _ConnectSignals(QObject* context) override;

private:
    void WidenList();
};
