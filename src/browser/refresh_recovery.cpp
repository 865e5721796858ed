#include "browser/refresh_recovery.h"

#include <algorithm>

namespace sg {

void RefreshRecovery::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        m_carriedMs = 0;
        refreshSucceeded();
    }
}

std::int64_t RefreshRecovery::unseenMs(ClockSample now) const
{
    if (!m_last)
        return 0;
    const std::int64_t monotonic = std::max<std::int64_t>(now.monotonicMs - m_last->monotonicMs, 0);
    const std::int64_t wall = now.wallMs - m_last->wallMs;
    const std::int64_t unseen = wall - monotonic;
    return unseen > kClockJumpToleranceMs ? unseen : 0;
}

std::int64_t RefreshRecovery::effectiveMs(ClockSample now) const
{
    return now.monotonicMs + m_unseenTotalMs + unseenMs(now);
}

int RefreshRecovery::observe(ClockSample now)
{
    const std::int64_t unseen = unseenMs(now);
    m_unseenTotalMs += unseen;
    m_last = now;
    if (!m_enabled)
        return 0;
    m_carriedMs += unseen;
    const std::int64_t minutes = m_carriedMs / 60'000;
    m_carriedMs -= minutes * 60'000;
    return static_cast<int>(std::min<std::int64_t>(minutes, INT32_MAX));
}

std::optional<std::int64_t> RefreshRecovery::refreshFailed(ClockSample now, int intervalMinutes)
{
    if (!m_enabled)
        return std::nullopt;
    const std::int64_t cap = std::max<std::int64_t>(intervalMinutes, 1) * 60'000;
    const std::int64_t delay = m_lastDelayMs == 0 ? kFirstRefreshRetryMs : m_lastDelayMs * 2;
    m_lastDelayMs = std::min(delay, cap);
    m_retryAtMs = effectiveMs(now) + m_lastDelayMs;
    return m_lastDelayMs;
}

void RefreshRecovery::refreshSucceeded()
{
    m_lastDelayMs = 0;
    m_retryAtMs.reset();
}

bool RefreshRecovery::retryDue(ClockSample now) const
{
    return m_retryAtMs && effectiveMs(now) >= *m_retryAtMs;
}

std::int64_t RefreshRecovery::msUntilRetry(ClockSample now) const
{
    return m_retryAtMs ? std::max<std::int64_t>(*m_retryAtMs - effectiveMs(now), 0) : 0;
}

std::string RefreshRecovery::retryText(ClockSample now) const
{
    const std::int64_t seconds = (msUntilRetry(now) + 999) / 1000;
    if (seconds < 60)
        return std::to_string(seconds) + "s";
    return std::to_string((seconds + 59) / 60) + "m";
}

} // namespace sg
