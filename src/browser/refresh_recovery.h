#pragma once
// Automatic refresh that survives sleep and errors: time that passed while the machine was
// suspended (or by which the wall clock jumped forward) counts towards the countdown, and a
// refresh that failed to load is retried after 15 s, 30 s, 60 s ... up to the interval.

#include <cstdint>
#include <optional>
#include <string>

namespace sg {

// Two clocks read at one moment: a monotonic clock, which stands still while the machine
// sleeps, and the wall clock (milliseconds since the epoch).
struct ClockSample {
    std::int64_t monotonicMs = 0;
    std::int64_t wallMs = 0;
};

inline constexpr std::int64_t kFirstRefreshRetryMs = 15'000;
// Differences between the clocks up to this much per check are taken for reading jitter.
inline constexpr std::int64_t kClockJumpToleranceMs = 2'000;

class RefreshRecovery {
public:
    explicit RefreshRecovery(bool enabled = true)
        : m_enabled(enabled)
    {
    }

    // Switched on the "More" tab; while off, observe() gives 0 and failures are not retried.
    void setEnabled(bool enabled);
    bool enabled() const { return m_enabled; }

    // Call at every clock check (a short watchdog timer and each minute tick). Returns the
    // whole minutes that passed since the last check beyond what the monotonic clock saw:
    // sleep, or a forward jump of the wall clock. What is less than a minute is carried to
    // the next check, so the countdown never counts more time than passed. 0 on the first
    // check, while off, and for a backward jump.
    int observe(ClockSample now);
    // The countdown started again (refresh, navigation, reset): time carried so far is
    // dropped, as it belongs to the period before.
    void countdownRestarted() { m_carriedMs = 0; }

    // The automatic refresh (or its retry) failed to load: the retry is due after the
    // returned delay, 15 s after the first failure, twice the last delay after each further
    // one, never more than the interval. nullopt while off.
    std::optional<std::int64_t> refreshFailed(ClockSample now, int intervalMinutes);
    // A page loaded: no retry is pending and the next failure starts again at 15 s.
    void refreshSucceeded();
    bool retryPending() const { return m_retryAtMs.has_value(); }
    // Sleep counts as time passed for the retry too.
    bool retryDue(ClockSample now) const;
    std::int64_t msUntilRetry(ClockSample now) const;
    // The minutes-until-refresh box while a retry is pending: seconds left and "s" under a
    // minute ("15s"), else minutes rounded up and "m" ("2m").
    std::string retryText(ClockSample now) const;

private:
    // The unseen time between the last check and now.
    std::int64_t unseenMs(ClockSample now) const;
    // The monotonic clock with all unseen time added.
    std::int64_t effectiveMs(ClockSample now) const;

    bool m_enabled;
    std::optional<ClockSample> m_last;
    std::int64_t m_unseenTotalMs = 0;
    std::int64_t m_carriedMs = 0;
    std::int64_t m_lastDelayMs = 0;
    std::optional<std::int64_t> m_retryAtMs; // on the effective clock
};

} // namespace sg
