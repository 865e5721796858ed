#pragma once
// The shared table of tool-tip texts that every window shows while tool tips are on.

#include "settings/settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sg {

inline constexpr std::size_t kToolTipCount = 56;
inline constexpr std::size_t kRefreshModeToolTip = 6;
inline constexpr std::size_t kMailToolTip = 47;

using ToolTipTexts = std::array<std::string, kToolTipCount>;

// The 56 texts; 52..55 stay empty.
ToolTipTexts makeToolTipTexts(const Settings& s);

// "Normal", "If Expired" or "Completely" for refresh mode 0, 1, 3; "" for any other.
std::string_view refreshModeName(std::int16_t refreshMode);

// Entry 6, rebuilt when the refresh mode changes.
std::string refreshModeToolTip(std::int16_t refreshMode);

// Entry 47, rebuilt when the mail caption changes.
std::string mailToolTip(std::string_view mailAppCaption);

} // namespace sg
