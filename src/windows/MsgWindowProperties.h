#pragma once

#include "converter/PropertyList.h"

#include <array>

namespace msg_layout {

// A resizable window of 541 x 439 without a menu bar; the Info button
// gives it its real title.
inline constexpr std::array kWindowEntries {
    plist::Int("Placement", 3),
    plist::Int("Width", 541),
    plist::Int("Height", 439),
    plist::Int("MinWidth", 64),
    plist::Int("MinHeight", 64),
    plist::Int("MaxWidth", 32000),
    plist::Int("MaxHeight", 32000),
    plist::Int("Frame", 7),
    plist::Bool("Composite", false),
    plist::Bool("HasBackColor", false),
    plist::Color("BackColor", 0xE6E6E6),
    plist::Str("Title", "Untitled"),
    plist::Bool("Visible", true),
    plist::Bool("FullScreen", false),
    plist::Bool("MenuBarVisible", true),
    plist::Bool("CloseButton", true),
    plist::Bool("Resizeable", true),
    plist::Bool("LiveResize", true),
    plist::Bool("MaximizeButton", false),
    plist::Bool("MinimizeButton", false),
    plist::Int("MacProcID", 0),
};

// The two control lists run from the last entry of their kind back to
// Name; read either way, a list lays its control out alike.

// The help text: editable, wrapping, with a vertical scroll bar, and
// locked to all four edges so that it grows and shrinks with the window.
inline constexpr std::array kTxtAreaEntries {
    plist::Str("DataField", ""),
    plist::Str("DataSource", ""),
    plist::Bool("AutomaticallyCheckSpelling", true),
    plist::Int("Alignment", 0),
    plist::Bool("AcceptTabs", false),
    plist::Int("LimitText", 0),
    plist::Bool("ReadOnly", false),
    plist::Str("Mask", ""),
    plist::Str("Text", ""),
    plist::Bool("Underline", false),
    plist::Bool("Italic", false),
    plist::Bool("Bold", false),
    plist::Str("TextFont", "System"),
    plist::Bool("HideSelection", true),
    plist::Bool("AutoDeactivate", true),
    plist::Str("HelpTag", ""),
    plist::Bool("Visible", true),
    plist::Str("Format", ""),
    plist::Bool("Enabled", true),
    plist::Color("BackColor", 0xFFFFFF),
    plist::Color("TextColor", 0x000000),
    plist::Bool("UseFocusRing", false),
    plist::Bool("Styled", true),
    plist::Bool("ScrollbarVertical", true),
    plist::Bool("ScrollbarHorizontal", false),
    plist::Bool("Multiline", true),
    plist::Bool("Border", false),
    plist::Bool("TabStop", false),
    plist::Int("TabIndex", 12),
    plist::Int("TabPanelIndex", 0),
    plist::Bool("LockBottom", true),
    plist::Bool("LockRight", true),
    plist::Bool("LockTop", true),
    plist::Bool("LockLeft", true),
    plist::Int("Height", 277),
    plist::Int("Width", 523),
    plist::Int("Top", 149),
    plist::Int("Left", 11),
    plist::Int("Index", plist::kNoControlArray),
    plist::Str("Name", "txtArea"),
};

// The header picture, fixed at the top left.
inline constexpr std::array kCanvas1Entries {
    plist::Str("InitialParent", ""),
    plist::Bool("EraseBackground", true),
    plist::Bool("DoubleBuffer", false),
    plist::Bool("AcceptTabs", false),
    plist::Bool("AcceptFocus", false),
    plist::Bool("UseFocusRing", true),
    plist::Bool("Enabled", true),
    plist::Bool("AutoDeactivate", true),
    plist::Str("HelpTag", ""),
    plist::Bool("Visible", true),
    plist::Bool("TabStop", true),
    plist::Int("TabIndex", 13),
    plist::Int("TabPanelIndex", 0),
    plist::Bool("LockBottom", false),
    plist::Bool("LockRight", false),
    plist::Bool("LockTop", true),
    plist::Bool("LockLeft", true),
    plist::Int("Height", 148),
    plist::Int("Width", 519),
    plist::Int("Top", 1),
    plist::Int("Left", 11),
    plist::Int("Index", plist::kNoControlArray),
    plist::Str("Name", "Canvas1"),
};

} // namespace msg_layout

inline constexpr auto kMsgWindowProperties = plist::EncodePropertyList<msg_layout::kWindowEntries>();
inline constexpr auto kMsgTxtAreaProperties = plist::EncodePropertyList<msg_layout::kTxtAreaEntries>();
inline constexpr auto kMsgCanvas1Properties = plist::EncodePropertyList<msg_layout::kCanvas1Entries>();
