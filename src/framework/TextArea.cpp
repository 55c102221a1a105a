#include "TextArea.h"

#include "TextEditing.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QPlainTextEdit* EditorOf(const RectControl& control)
{
    return static_cast<QPlainTextEdit*>(control._Widget());
}

// Every kind of line end shows as a line break.
QString DisplayText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace("\r\n", "\n");
    shown.replace('\r', '\n');
    return shown;
}

// Tab stops every 54 pixels: wide enough that tab-separated tables written
// for the classic desktop's fonts (the fuel information panel's) line up in
// ours, narrow enough that their rows still fit the panel's width.
constexpr qreal kTabInterval = 54;

} // namespace

TextArea::TextArea() = default;
TextArea::~TextArea() = default;

QWidget* TextArea::_CreateWidget(QWidget* parent)
{
    auto* edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    edit->setTabStopDistance(kTabInterval);
    // A narrow margin: a full text area shows its last line whole.
    edit->document()->setDocumentMargin(1);
    return edit;
}

std::vector<QWidget*> TextArea::_InputWidgets() const
{
    QPlainTextEdit* edit = EditorOf(*this);
    return { edit, edit->viewport() };
}

void TextArea::_ConnectSignals(QObject* context)
{
    QPlainTextEdit* edit = EditorOf(*this);
    QObject::connect(edit, &QPlainTextEdit::textChanged, context, [this] {
        if (settingText_)
            return;
        editedSinceSet_ = true;
        _RaiseFromQt(ControlEvent::TextChange);
    });
    _ApplyPalette();
    ApplyScrollbars();
}

void TextArea::_ApplyFont()
{
    RectControl::_ApplyFont();
    if (QPlainTextEdit* edit = EditorOf(*this))
        edit->setTabStopDistance(kTabInterval);
}

std::string TextArea::Text() const
{
    QPlainTextEdit* edit = EditorOf(*this);
    if (edit && editedSinceSet_)
        return edit->toPlainText().toStdString();
    return text_;
}

void TextArea::SetText(const std::string& text)
{
    text_ = text;
    editedSinceSet_ = false;
    QPlainTextEdit* edit = EditorOf(*this);
    if (!edit)
        return;
    settingText_ = true;
    edit->setPlainText(DisplayText(text));
    edit->document()->setDefaultTextOption([&] {
        QTextOption option = edit->document()->defaultTextOption();
        option.setAlignment(TextEditing::HorizontalAlignment(alignment_));
        return option;
    }());
    settingText_ = false;
}

void TextArea::_ApplyReadOnly()
{
    if (QPlainTextEdit* edit = EditorOf(*this))
        edit->setReadOnly(ReadOnly());
}

void TextArea::ApplyScrollbars()
{
    QPlainTextEdit* edit = EditorOf(*this);
    if (!edit)
        return;
    edit->setVerticalScrollBarPolicy(scrollbarVertical_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(scrollbarHorizontal_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    // Without a horizontal scroll bar, long lines wrap at the edge.
    edit->setLineWrapMode(scrollbarHorizontal_ || !multiline_ ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
}

bool TextArea::_EditCommand(EditCommand command, bool perform)
{
    return TextEditing::RunEditCommand(EditorOf(*this), command, perform, ReadOnly(), false);
}

void TextArea::SetProperty(std::string_view name, const PropertyValue& value)
{
    QPlainTextEdit* edit = EditorOf(*this);
    if (const auto* s = std::get_if<std::string>(&value); s && name == "Text") {
        SetText(*s);
    } else if (const auto* b = std::get_if<bool>(&value)) {
        if (name == "Border") {
            border_ = *b;
            if (edit)
                edit->setFrameShape(*b ? QFrame::StyledPanel : QFrame::NoFrame);
        } else if (name == "ScrollbarVertical") {
            scrollbarVertical_ = *b;
            ApplyScrollbars();
        } else if (name == "ScrollbarHorizontal") {
            scrollbarHorizontal_ = *b;
            ApplyScrollbars();
        } else if (name == "Multiline") {
            multiline_ = *b;
            ApplyScrollbars();
        } else if (name == "AcceptTabs") {
            if (edit)
                edit->setTabChangesFocus(!*b);
        } else
            TextControl::SetProperty(name, value);
    } else if (const auto* i = std::get_if<std::int32_t>(&value); i && name == "Alignment") {
        alignment_ = *i;
        if (edit) {
            QTextOption option = edit->document()->defaultTextOption();
            option.setAlignment(TextEditing::HorizontalAlignment(*i));
            edit->document()->setDefaultTextOption(option);
        }
    } else
        TextControl::SetProperty(name, value);
}
