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
    _ApplyPalette();
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

void TextField::_ApplyReadOnly()
{
    if (QLineEdit* edit = EditorOf(*this))
        edit->setReadOnly(ReadOnly());
}

bool TextField::_EditCommand(EditCommand command, bool perform)
{
    return TextEditing::RunEditCommand(EditorOf(*this), command, perform, ReadOnly(), password_);
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
        } else
            TextControl::SetProperty(name, value);
    } else if (const auto* b = std::get_if<bool>(&value)) {
        if (name == "Border") {
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
            TextControl::SetProperty(name, value);
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
            TextControl::SetProperty(name, value);
    } else
        TextControl::SetProperty(name, value);
}
