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

    // A click, and a pick from the list with the mouse, leave the focus in
    // the field being edited, so that what the pick sets off can still see
    // which field that is; Tab still reaches the menu.
    bool _TakesFocusOnClick() const override { return false; }

    // The user's pick of a row, as the menu's list delivers it.
    void _UserPicked(int row);

    void SetProperty(std::string_view name, const PropertyValue& value) override;

protected:
    QWidget* _CreateWidget(QWidget* parent) override;
    void _ConnectSignals(QObject* context) override;

private:
    void WidenList();
};
