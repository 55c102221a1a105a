#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

// The value types of a property list and the type of every property name
// that a list may carry. A value has no type tag of its own: its width
// follows from its property's type.
enum class PropertyType { Boolean, Integer, String, Color };

// A colour as 0xRRGGBB.
struct RGBColor {
    std::uint32_t rgb = 0;
    friend bool operator==(const RGBColor&, const RGBColor&) = default;
};

using PropertyValue = std::variant<bool, std::int32_t, std::string, RGBColor>;

inline constexpr std::array<std::pair<std::string_view, PropertyType>, 83> kPropertyTypes { {
    { "AcceptFocus", PropertyType::Boolean },
    { "AcceptTabs", PropertyType::Boolean },
    { "AutoDeactivate", PropertyType::Boolean },
    { "AutomaticallyCheckSpelling", PropertyType::Boolean },
    { "Bold", PropertyType::Boolean },
    { "Border", PropertyType::Boolean },
    { "Cancel", PropertyType::Boolean },
    { "CloseButton", PropertyType::Boolean },
    { "Composite", PropertyType::Boolean },
    { "Default", PropertyType::Boolean },
    { "DoubleBuffer", PropertyType::Boolean },
    { "Enabled", PropertyType::Boolean },
    { "EraseBackground", PropertyType::Boolean },
    { "FullScreen", PropertyType::Boolean },
    { "HasBackColor", PropertyType::Boolean },
    { "HideSelection", PropertyType::Boolean },
    { "Italic", PropertyType::Boolean },
    { "LiveResize", PropertyType::Boolean },
    { "LockBottom", PropertyType::Boolean },
    { "LockLeft", PropertyType::Boolean },
    { "LockRight", PropertyType::Boolean },
    { "LockTop", PropertyType::Boolean },
    { "MaximizeButton", PropertyType::Boolean },
    { "MenuBarVisible", PropertyType::Boolean },
    { "MinimizeButton", PropertyType::Boolean },
    { "Multiline", PropertyType::Boolean },
    { "Password", PropertyType::Boolean },
    { "ReadOnly", PropertyType::Boolean },
    { "Resizeable", PropertyType::Boolean },
    { "ScrollbarHorizontal", PropertyType::Boolean },
    { "ScrollbarVertical", PropertyType::Boolean },
    { "Selectable", PropertyType::Boolean },
    { "Styled", PropertyType::Boolean },
    { "TabStop", PropertyType::Boolean },
    { "Transparent", PropertyType::Boolean },
    { "Underline", PropertyType::Boolean },
    { "UseFocusRing", PropertyType::Boolean },
    { "Value", PropertyType::Boolean },
    { "Visible", PropertyType::Boolean },
    { "Alignment", PropertyType::Integer },
    { "Bevel", PropertyType::Integer },
    { "ButtonStyle", PropertyType::Integer },
    { "ButtonType", PropertyType::Integer },
    { "CaptionAlign", PropertyType::Integer },
    { "CaptionDelta", PropertyType::Integer },
    { "CaptionPlacement", PropertyType::Integer },
    { "Frame", PropertyType::Integer },
    { "HasMenu", PropertyType::Integer },
    { "Height", PropertyType::Integer },
    { "IconAlign", PropertyType::Integer },
    { "IconDX", PropertyType::Integer },
    { "IconDY", PropertyType::Integer },
    { "Index", PropertyType::Integer },
    { "Left", PropertyType::Integer },
    { "LimitText", PropertyType::Integer },
    { "ListIndex", PropertyType::Integer },
    { "MacProcID", PropertyType::Integer },
    { "MaxHeight", PropertyType::Integer },
    { "MaxWidth", PropertyType::Integer },
    { "MenuValue", PropertyType::Integer },
    { "MinHeight", PropertyType::Integer },
    { "MinWidth", PropertyType::Integer },
    { "Placement", PropertyType::Integer },
    { "TabIndex", PropertyType::Integer },
    { "TabPanelIndex", PropertyType::Integer },
    { "TextAlign", PropertyType::Integer },
    { "Top", PropertyType::Integer },
    { "Width", PropertyType::Integer },
    { "Caption", PropertyType::String },
    { "CueText", PropertyType::String },
    { "DataField", PropertyType::String },
    { "DataSource", PropertyType::String },
    { "Format", PropertyType::String },
    { "HelpTag", PropertyType::String },
    { "InitialParent", PropertyType::String },
    { "InitialValue", PropertyType::String },
    { "Mask", PropertyType::String },
    { "Name", PropertyType::String },
    { "Text", PropertyType::String },
    { "TextFont", PropertyType::String },
    { "Title", PropertyType::String },
    { "BackColor", PropertyType::Color },
    { "TextColor", PropertyType::Color },
} };

constexpr std::optional<PropertyType> PropertyTypeOf(std::string_view name)
{
    for (const auto& [known, type] : kPropertyTypes)
        if (known == name)
            return type;
    return std::nullopt;
}

// A name listed twice could carry two types.
static_assert(
    [] {
        for (std::size_t i = 0; i < kPropertyTypes.size(); ++i)
            for (std::size_t j = i + 1; j < kPropertyTypes.size(); ++j)
                if (kPropertyTypes[i].first == kPropertyTypes[j].first)
                    return false;
        return true;
    }(),
    "a property name is listed twice");

// What a property list can lay out: a window or a control.
class PropertyTarget {
public:
    virtual void SetProperty(std::string_view name, const PropertyValue& value) = 0;

protected:
    ~PropertyTarget() = default;
};
