#pragma once

#include "PropertyList.h"
#include "Window1Colours.h"

// The converter window's own layout: 505 x 161, fixed size, dark brown.
inline constexpr std::array kWindow1Entries {
    plist::Int("Placement", 2),
    plist::Int("Width", 505),
    plist::Int("Height", 161),
    plist::Int("MinWidth", 64),
    plist::Int("MinHeight", 64),
    plist::Int("MaxWidth", 32000),
    plist::Int("MaxHeight", 32000),
    plist::Int("Frame", 7),
    plist::Bool("Composite", false),
    plist::Bool("HasBackColor", true),
    plist::Color("BackColor", kWindowColour),
    plist::Str("Title", "IKTO Interim SI Conversion Tool"),
    plist::Bool("Visible", true),
    plist::Bool("FullScreen", false),
    plist::Bool("MenuBarVisible", true),
    plist::Bool("CloseButton", true),
    plist::Bool("Resizeable", false),
    plist::Bool("LiveResize", false),
    plist::Bool("MaximizeButton", false),
    plist::Bool("MinimizeButton", true),
    plist::Int("MacProcID", 0),
};

inline constexpr auto kWindow1Properties = plist::EncodePropertyList<kWindow1Entries>();
