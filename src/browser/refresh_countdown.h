#pragma once
// The automatic refresh countdown of one main window: the interval, the minutes counted
// since the last refresh or navigation, and whether the countdown runs.

#include <cstdint>
#include <string>

namespace sg {

inline constexpr std::int16_t kMinRefreshInterval = 1;
inline constexpr std::int16_t kMaxRefreshInterval = 99;

// Normal (0) -> If Expired (1) -> Completely (3) -> Normal; any other value -> Normal.
std::int16_t nextRefreshMode(std::int16_t refreshMode);

// Counts whole minutes; it never reads a clock: each tick is one minute that the window's
// ticker has seen pass.
class RefreshCountdown {
public:
    // The interval is held to 1..99.
    explicit RefreshCountdown(int interval = kMinRefreshInterval);

    std::int16_t interval() const { return m_interval; }
    std::int16_t elapsedMinutes() const { return m_elapsed; }
    bool running() const { return m_running; }

    void setRunning(bool running) { m_running = running; }
    void restart() { m_elapsed = 0; }
    // One minute passed; true when the page is due for its refresh.
    bool tick();
    // Minutes the ticks did not see passed (the machine slept).
    void pass(int minutes);
    // The interval moved by delta, held to 1..99.
    void stepInterval(int delta);
    bool due() const { return m_elapsed >= m_interval; }

    // The interval box: the interval in decimal.
    std::string intervalText() const;
    // The minutes-until-refresh box: interval - ElapsedMinutes.
    std::string minutesLeftText() const;

private:
    std::int16_t m_interval;
    std::int16_t m_elapsed = 0;
    bool m_running = false;
};

} // namespace sg
