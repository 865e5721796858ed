#include "browser/refresh_countdown.h"

#include "browser/browser_control.h"

#include <algorithm>

namespace sg {
namespace {

std::int16_t heldInterval(int interval)
{
    return static_cast<std::int16_t>(
        std::clamp(interval, int { kMinRefreshInterval }, int { kMaxRefreshInterval }));
}

} // namespace

std::int16_t nextRefreshMode(std::int16_t refreshMode)
{
    switch (refreshMode) {
    case 0:
        return 1;
    case 1:
        return 3;
    default:
        return 0;
    }
}

ReloadMode reloadModeOf(std::int16_t refreshMode)
{
    switch (refreshMode) {
    case 1:
        return ReloadMode::IfExpired;
    case 3:
        return ReloadMode::Completely;
    default:
        return ReloadMode::Normal;
    }
}

RefreshCountdown::RefreshCountdown(int interval)
    : m_interval(heldInterval(interval))
{
}

bool RefreshCountdown::tick()
{
    if (m_elapsed < INT16_MAX)
        ++m_elapsed;
    return due();
}

void RefreshCountdown::pass(int minutes)
{
    m_elapsed = static_cast<std::int16_t>(std::clamp(m_elapsed + minutes, 0, INT16_MAX));
}

void RefreshCountdown::stepInterval(int delta)
{
    m_interval = heldInterval(m_interval + delta);
}

std::string RefreshCountdown::intervalText() const
{
    return std::to_string(m_interval);
}

std::string RefreshCountdown::minutesLeftText() const
{
    return std::to_string(m_interval - m_elapsed);
}

} // namespace sg
