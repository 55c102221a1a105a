#pragma once

#include <functional>
#include <string>

// Hands a web address to the desktop to open.
void ShowURL(const std::string& address);

// Replaces the desktop with another receiver of addresses (tests record
// them instead of starting a browser); an empty function restores it.
void _SetShowURLHandler(std::function<void(const std::string&)> handler);
