#pragma once

#include "app/WebAddresses.h"
#include "converter/PropertyList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace about_layout {

// The support line's text, joined once at compile time so that the label
// shows exactly the address it opens.
inline constexpr std::string_view kSupportPrefix = "Support:  ";
inline constexpr auto kSupportLineChars = [] {
    std::array<char, kSupportPrefix.size() + kSupportAddress.size()> text {};
    std::size_t at = 0;
    for (char c : kSupportPrefix)
        text[at++] = c;
    for (char c : kSupportAddress)
        text[at++] = c;
    return text;
}();
inline constexpr std::string_view kSupportLine { kSupportLineChars.data(), kSupportLineChars.size() };

inline constexpr std::string_view kVersionLine = "IKTO SI Conversion Tool ver. 1.0.13.3";
inline constexpr std::string_view kCopyrightNotice = "Copyright \u00A9 IKTO. All rights reserved.";

// A fixed-size dark window, 528 x 229, with no title.
inline constexpr std::array kWindowEntries {
    plist::Int("Placement", 3),
    plist::Int("Width", 528),
    plist::Int("Height", 229),
    plist::Int("MinWidth", 64),
    plist::Int("MinHeight", 64),
    plist::Int("MaxWidth", 32000),
    plist::Int("MaxHeight", 32000),
    plist::Int("Frame", 7),
    plist::Bool("Composite", false),
    plist::Bool("HasBackColor", true),
    plist::Color("BackColor", 0x343434),
    plist::Str("Title", ""),
    plist::Bool("Visible", true),
    plist::Bool("FullScreen", false),
    plist::Bool("MenuBarVisible", true),
    plist::Bool("CloseButton", true),
    plist::Bool("Resizeable", false),
    plist::Bool("LiveResize", false),
    plist::Bool("MaximizeButton", false),
    plist::Bool("MinimizeButton", false),
    plist::Int("MacProcID", 0),
};

// The two canvases share every entry but their name, place, size, tab
// index and parent. Positions are window coordinates, also for the canvas
// that lies inside the other.
consteval std::array<plist::Entry, 23> CanvasEntries(std::string_view name, std::int32_t left, std::int32_t top,
    std::int32_t width, std::int32_t height, std::int32_t tabIndex, std::string_view initialParent)
{
    return { {
        plist::Str("Name", name),
        plist::Int("Index", plist::kNoControlArray),
        plist::Int("Left", left),
        plist::Int("Top", top),
        plist::Int("Width", width),
        plist::Int("Height", height),
        plist::Bool("LockLeft", true),
        plist::Bool("LockTop", true),
        plist::Bool("LockRight", false),
        plist::Bool("LockBottom", false),
        plist::Int("TabPanelIndex", 0),
        plist::Int("TabIndex", tabIndex),
        plist::Bool("TabStop", true),
        plist::Bool("Visible", true),
        plist::Str("HelpTag", ""),
        plist::Bool("AutoDeactivate", true),
        plist::Bool("Enabled", true),
        plist::Bool("UseFocusRing", true),
        plist::Bool("AcceptFocus", false),
        plist::Bool("AcceptTabs", false),
        plist::Bool("DoubleBuffer", false),
        plist::Bool("EraseBackground", true),
        plist::Str("InitialParent", initialParent),
    } };
}

// The three lines of text: yellow, centred, one under another below the picture.
consteval std::array<plist::Entry, 29> LabelEntries(
    std::string_view name, std::int32_t top, std::int32_t tabIndex, std::string_view text)
{
    return { {
        plist::Str("Name", name),
        plist::Int("Index", plist::kNoControlArray),
        plist::Int("Left", 2),
        plist::Int("Top", top),
        plist::Int("Width", 519),
        plist::Int("Height", 16),
        plist::Bool("LockLeft", true),
        plist::Bool("LockTop", true),
        plist::Bool("LockRight", false),
        plist::Bool("LockBottom", false),
        plist::Int("TabPanelIndex", 0),
        plist::Int("TabIndex", tabIndex),
        plist::Str("Text", text),
        plist::Int("TextAlign", 1),
        plist::Color("TextColor", 0xFFFD03),
        plist::Bool("Multiline", false),
        plist::Bool("Enabled", true),
        plist::Bool("Visible", true),
        plist::Bool("Selectable", false),
        plist::Bool("Transparent", false),
        plist::Str("HelpTag", ""),
        plist::Bool("AutoDeactivate", true),
        plist::Str("TextFont", "System"),
        plist::Bool("Bold", false),
        plist::Bool("Italic", false),
        plist::Bool("Underline", false),
        plist::Str("DataSource", ""),
        plist::Str("DataField", ""),
        plist::Str("InitialParent", ""),
    } };
}

// Name, left, top, width, height, tab index, parent.
inline constexpr auto kCanvas2Entries = CanvasEntries("Canvas2", 11, 4, 510, 217, 5, "");
inline constexpr auto kCanvas1Entries = CanvasEntries("Canvas1", 11, 11, 508, 142, 0, "Canvas2");

// Name, top, tab index, text.
inline constexpr auto kLabel1Entries = LabelEntries("Label1", 193, 6, kCopyrightNotice);
inline constexpr auto kLabel2Entries = LabelEntries("Label2", 156, 7, kVersionLine);
inline constexpr auto kLabel3Entries = LabelEntries("Label3", 174, 8, kSupportLine);

} // namespace about_layout

inline constexpr auto kAboutWindowProperties = plist::EncodePropertyList<about_layout::kWindowEntries>();
inline constexpr auto kAboutCanvas2Properties = plist::EncodePropertyList<about_layout::kCanvas2Entries>();
inline constexpr auto kAboutCanvas1Properties = plist::EncodePropertyList<about_layout::kCanvas1Entries>();
inline constexpr auto kAboutLabel1Properties = plist::EncodePropertyList<about_layout::kLabel1Entries>();
inline constexpr auto kAboutLabel2Properties = plist::EncodePropertyList<about_layout::kLabel2Entries>();
inline constexpr auto kAboutLabel3Properties = plist::EncodePropertyList<about_layout::kLabel3Entries>();
