#pragma once

#include <string_view>

// The program's web addresses, under the reserved example.com domain.

// The store page of the companion program, opened from the header pictures.
inline constexpr std::string_view kStorePageAddress = "https://store.example.com/apps/zorvane";

// Where the support line of the About window leads.
inline constexpr std::string_view kSupportAddress = "https://support.example.com/ikto-si";
