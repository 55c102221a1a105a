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

// Whether the editor already shows these colours while it is enabled.
bool ShowsColors(const QPlainTextEdit& edit, std::uint32_t back, std::uint32_t text)
{
    const QPalette& shown = edit.palette();
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive })
        if (shown.color(group, QPalette::Base).rgba() != TextEditing::ColorOf(back).rgba()
            || shown.color(group, QPalette::Text).rgba() != TextEditing::ColorOf(text).rgba())
            return false;
    return true;
}

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
    ApplyPalette();
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

void TextArea::SetBackColor(std::uint32_t rgb)
{
    backColor_ = rgb;
    ApplyPalette();
}

void TextArea::SetTextColor(std::uint32_t rgb)
{
    textColor_ = rgb;
    ApplyPalette();
}

void TextArea::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (QPlainTextEdit* edit = EditorOf(*this))
        edit->setReadOnly(readOnly);
}

void TextArea::ApplyPalette()
{
    QPlainTextEdit* edit = EditorOf(*this);
    // Colours the area already shows get no palette of its own. An own palette
    // is a new one for every area made, and the scroll bars inherit it; the
    // style keeps its drawings of scroll bars under the palette's identity and
    // never drops such small ones, so each area made and closed would leave
    // its set behind for good. A disabled area then greys as the desktop's do.
    if (!edit || ShowsColors(*edit, backColor_, textColor_))
        return;
    TextEditing::SetColors(*edit, QPalette::Base, backColor_, textColor_);
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
    QPlainTextEdit* edit = EditorOf(*this);
    if (!edit)
        return false;
    const bool selection = edit->textCursor().hasSelection();
    bool applies = false;
    switch (command) {
    case EditCommand::Undo:
        applies = !readOnly_ && edit->document()->isUndoAvailable();
        if (applies && perform)
            edit->undo();
        break;
    case EditCommand::Cut:
        applies = !readOnly_ && selection;
        if (applies && perform)
            edit->cut();
        break;
    case EditCommand::Copy:
        applies = selection;
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
            edit->textCursor().removeSelectedText();
        break;
    case EditCommand::SelectAll:
        applies = !edit->document()->isEmpty();
        if (applies && perform)
            edit->selectAll();
        break;
    }
    return applies;
}

void TextArea::SetProperty(std::string_view name, const PropertyValue& value)
{
    QPlainTextEdit* edit = EditorOf(*this);
    if (const auto* s = std::get_if<std::string>(&value)) {
        if (name == "Text")
            SetText(*s);
        else if (name == "Mask" || name == "Format" || name == "DataSource" || name == "DataField") {
            // Input masks and data binding are not used by this program.
        } else
            RectControl::SetProperty(name, value);
    } else if (const auto* b = std::get_if<bool>(&value)) {
        if (name == "ReadOnly")
            SetReadOnly(*b);
        else if (name == "Border") {
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
            RectControl::SetProperty(name, value);
    } else if (const auto* i = std::get_if<std::int32_t>(&value)) {
        if (name == "Alignment") {
            alignment_ = *i;
            if (edit) {
                QTextOption option = edit->document()->defaultTextOption();
                option.setAlignment(TextEditing::HorizontalAlignment(*i));
                edit->document()->setDefaultTextOption(option);
            }
        } else
            RectControl::SetProperty(name, value);
    } else if (const auto* c = std::get_if<RGBColor>(&value)) {
        if (name == "BackColor")
            SetBackColor(c->rgb);
        else if (name == "TextColor")
            SetTextColor(c->rgb);
    }
}
