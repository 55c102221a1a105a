#pragma once

#include <optional>
#include <string>

// Whether the program can reach a graphical display, asked before the
// toolkit starts (which would otherwise abort with a message about
// reinstalling). Empty when there is one, or when the platform is chosen
// explicitly (QT_QPA_PLATFORM, as the headless tests do); otherwise why not,
// as the end of a sentence: "DISPLAY is not set".
std::optional<std::string> _UnreachableDisplay();
