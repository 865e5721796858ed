#include "browser/cycle_buttons.h"

#include <array>

namespace sg {
namespace {

constexpr std::array<std::string_view, 3> kButton1Captions { "Stop", "Find", "Full" };
constexpr std::array<std::string_view, 3> kButton2Captions { "History", "Mail", "Offline" };

} // namespace

std::int16_t normalCycleState(std::int16_t state)
{
    return state >= 0 && state <= 2 ? state : 0;
}

std::int16_t nextCycleState(std::int16_t state)
{
    return static_cast<std::int16_t>((normalCycleState(state) + 1) % 3);
}

std::string_view cycleButton1Caption(std::int16_t state)
{
    return kButton1Captions[static_cast<std::size_t>(normalCycleState(state))];
}

ToolTip cycleButton1ToolTip(std::int16_t state)
{
    return static_cast<ToolTip>(static_cast<std::size_t>(ToolTip::StopCycle)
        + static_cast<std::size_t>(normalCycleState(state)));
}

std::string_view cycleButton2Caption(std::int16_t state)
{
    return kButton2Captions[static_cast<std::size_t>(normalCycleState(state))];
}

ToolTip cycleButton2ToolTip(std::int16_t state)
{
    return static_cast<ToolTip>(static_cast<std::size_t>(ToolTip::HistoryCycle)
        + static_cast<std::size_t>(normalCycleState(state)));
}

} // namespace sg
