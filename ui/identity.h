#pragma once

#include <string_view>

namespace numorra::ui {

inline constexpr std::string_view kProductName = "Numorra";
inline constexpr std::string_view kVersion = "1.0";
// The author's site; the reserved .example domain points at nobody real.
inline constexpr std::string_view kAuthorAddress = "https://www.numorra.example/";
inline constexpr std::string_view kOrganizationDomain = "numorra.example";
// Names the desktop entry, the metainfo and the icon.
inline constexpr std::string_view kApplicationId = "example.numorra.Numorra";

} // namespace numorra::ui
