#include "TextField.h"

#include "TextEditing.h"

#include <QLineEdit>

#include <limits>

namespace {

QLineEdit* EditorOf(const RectControl& control)
{
    return static_cast<QLineEdit*>(control._Widget());
}

} // namespace

QWidget* TextField::_CreateWidget(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setText(QString::fromStdString(text_));
    return edit;
}

void TextField::_ConnectSignals(QObject* context)
{
    QLineEdit* edit = EditorOf(*this);
    // textEdited comes from the user's typing, deleting, cutting, pasting and
    // undoing, and never from setText.
    QObject::connect(edit, &QLineEdit::textEdited, context, [this] { _RaiseFromQt(ControlEvent::TextChange); });
    ApplyPalette();
}

std::string TextField::Text() const
{
    if (QLineEdit* edit = EditorOf(*this))
        return edit->text().toStdString();
    return text_;
}

void TextField::SetText(const std::string& text)
{
    text_ = text;
    if (QLineEdit* edit = EditorOf(*this))
        edit->setText(QString::fromStdString(text));
}

std::string TextField::SelText() const
{
    if (QLineEdit* edit = EditorOf(*this))
        return edit->selectedText().toStdString();
    return {};
}

void TextField::SelectAll()
{
    if (QLineEdit* edit = EditorOf(*this))
        edit->selectAll();
}

void TextField::SetBackColor(std::uint32_t rgb)
{
    backColor_ = rgb;
    ApplyPalette();
}

void TextField::SetTextColor(std::uint32_t rgb)
{
    textColor_ = rgb;
    ApplyPalette();
}

void TextField::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (QLineEdit* edit = EditorOf(*this))
        edit->setReadOnly(readOnly);
}

void TextField::ApplyPalette()
{
    if (QLineEdit* edit = EditorOf(*this))
        TextEditing::SetColors(*edit, QPalette::Base, backColor_, textColor_);
}

bool TextField::_EditCommand(EditCommand command, bool perform)
{
    QLineEdit* edit = EditorOf(*this);
    if (!edit)
        return false;
    const bool selection = edit->hasSelectedText();
    bool applies = false;
    switch (command) {
    case EditCommand::Undo:
        applies = !readOnly_ && edit->isUndoAvailable();
        if (applies && perform)
            edit->undo();
        break;
    case EditCommand::Cut:
        applies = !readOnly_ && selection && !password_;
        if (applies && perform)
            edit->cut();
        break;
    case EditCommand::Copy:
        applies = selection && !password_;
        if (applies && perform)
            edit->copy();
        break;
    case EditCommand::Paste:
        applies = !readOnly_ && TextEditing::ClipboardHasText();
        if (applies && perform)
            edit->paste();
        break;
    case EditCommand::Clear:
        applies = !readOnly_ && selection;
        if (applies && perform)
            edit->del();
        break;
    case EditCommand::SelectAll:
        applies = !edit->text().isEmpty();
        if (applies && perform)
            edit->selectAll();
        break;
    }
    return applies;
}

void TextField::SetProperty(std::string_view name, const PropertyValue& value)
{
    QLineEdit* edit = EditorOf(*this);
    if (const auto* s = std::get_if<std::string>(&value)) {
        if (name == "Text")
            SetText(*s);
        else if (name == "CueText") {
            cueText_ = *s;
            if (edit)
                edit->setPlaceholderText(QString::fromStdString(*s));
        } else if (name == "Mask" || name == "Format" || name == "DataSource" || name == "DataField") {
            // Input masks and data binding are not used by this program.
        } else
            RectControl::SetProperty(name, value);
    } else if (const auto* b = std::get_if<bool>(&value)) {
        if (name == "ReadOnly")
            SetReadOnly(*b);
        else if (name == "Border") {
            border_ = *b;
            if (edit)
                edit->setFrame(*b);
        } else if (name == "Password") {
            password_ = *b;
            if (edit)
                edit->setEchoMode(*b ? QLineEdit::Password : QLineEdit::Normal);
        } else if (name == "UseFocusRing")
            useFocusRing_ = *b;
        else
            RectControl::SetProperty(name, value);
    } else if (const auto* i = std::get_if<std::int32_t>(&value)) {
        if (name == "Alignment") {
            alignment_ = *i;
            if (edit)
                edit->setAlignment(TextEditing::HorizontalAlignment(*i) | Qt::AlignVCenter);
        } else if (name == "LimitText") {
            limitText_ = *i;
            if (edit)
                edit->setMaxLength(*i > 0 ? *i : std::numeric_limits<int>::max());
        } else
            RectControl::SetProperty(name, value);
    } else if (const auto* c = std::get_if<RGBColor>(&value)) {
        if (name == "BackColor")
            SetBackColor(c->rgb);
        else if (name == "TextColor")
            SetTextColor(c->rgb);
    }
}
