#pragma once
// The two cycle buttons of the toolbar: their captions, tool-tip entries and state order.

#include "settings/tool_tips.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sg {

// A state out of 0..2 counts as 0.
std::int16_t normalCycleState(std::int16_t state);
// 0 -> 1 -> 2 -> 0.
std::int16_t nextCycleState(std::int16_t state);

// The first button: "Stop", "Find", "Full", with their tool-tip entries.
std::string_view cycleButton1Caption(std::int16_t state);
ToolTip cycleButton1ToolTip(std::int16_t state);
// The second button: "History", "Mail", "Offline", with their tool-tip entries.
std::string_view cycleButton2Caption(std::int16_t state);
ToolTip cycleButton2ToolTip(std::int16_t state);

inline constexpr std::int16_t kCycleStop = 0;
inline constexpr std::int16_t kCycleFind = 1;
inline constexpr std::int16_t kCycleFull = 2;
inline constexpr std::int16_t kCycleHistory = 0;
inline constexpr std::int16_t kCycleMail = 1;
inline constexpr std::int16_t kCycleOffline = 2;

} // namespace sg
