#include "TextControl.h"

#include "TextEditing.h"

void TextControl::SetBackColor(std::uint32_t rgb)
{
    backColor_ = rgb;
    _ApplyPalette();
}

void TextControl::SetTextColor(std::uint32_t rgb)
{
    textColor_ = rgb;
    _ApplyPalette();
}

void TextControl::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    _ApplyReadOnly();
}

namespace {

// Whether the editor already shows these colours while it is enabled.
bool ShowsColors(const QWidget& editor, std::uint32_t back, std::uint32_t text)
{
    const QPalette& shown = editor.palette();
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive })
        if (shown.color(group, QPalette::Base).rgba() != TextEditing::ColorOf(back).rgba()
            || shown.color(group, QPalette::Text).rgba() != TextEditing::ColorOf(text).rgba())
            return false;
    return true;
}

} // namespace

void TextControl::_ApplyPalette()
{
    QWidget* editor = _Widget();
    // Colours the editor already shows get no palette of its own. An own
    // palette is a new one for every editor made, and a text area's scroll
    // bars inherit it; the style keeps its drawings of scroll bars under the
    // palette's identity and never drops such small ones, so each area made
    // and closed would leave its set behind for good. A disabled editor then
    // greys as the desktop's do.
    if (!editor || ShowsColors(*editor, backColor_, textColor_))
        return;
    TextEditing::SetColors(*editor, QPalette::Base, backColor_, textColor_);
}

void TextControl::SetProperty(std::string_view name, const PropertyValue& value)
{
    if (const auto* s = std::get_if<std::string>(&value);
        s && (name == "Mask" || name == "Format" || name == "DataSource" || name == "DataField")) {
        // Input masks and data binding are not used by this program.
    } else if (const auto* b = std::get_if<bool>(&value); b && name == "ReadOnly") {
        SetReadOnly(*b);
    } else if (const auto* c = std::get_if<RGBColor>(&value)) {
        // A text control has no other colours.
        if (name == "BackColor")
            SetBackColor(c->rgb);
        else if (name == "TextColor")
            SetTextColor(c->rgb);
    } else
        RectControl::SetProperty(name, value);
}
