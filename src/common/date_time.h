#pragma once
// Local calendar date and time, OLE Automation dates and the clock.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace sg {

// A local wall-clock date and time to the second.
struct LocalDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const LocalDateTime&) const = default;
    auto operator<=>(const LocalDateTime&) const = default;
};

std::ostream& operator<<(std::ostream& out, const LocalDateTime& t);

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t daysFromCivil(int year, int month, int day);
LocalDateTime civilFromDays(std::int64_t days);

// The same time of day, whole days later (negative: earlier).
LocalDateTime addDays(const LocalDateTime& t, std::int64_t days);

// 0 = Sunday .. 6 = Saturday.
int weekday(const LocalDateTime& t);

// OLE Automation date: days since 1899-12-30, fraction = time of day. Before that day the
// whole part counts back while the fraction still counts forward (-1.25 is 1899-12-29 06:00).
double toOleDate(const LocalDateTime& t);
// Rounded to the nearest second; a value that is not finite or out of the years 100..9999
// gives 1899-12-30 00:00:00.
LocalDateTime fromOleDate(double ole);

// "YYYY-MM-DD HH:MM:SS".
std::string formatIso(const LocalDateTime& t);
// Parses "YYYY-MM-DD HH:MM:SS" (or "YYYY-MM-DD" at midnight); nullopt when malformed or
// not a real date.
std::optional<LocalDateTime> parseIso(std::string_view text);

// Where "now" comes from, so that tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The machine's local time.
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

// A clock that shows whatever it was set to.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime t)
        : m_now(t)
    {
    }
    LocalDateTime now() const override { return m_now; }
    void set(LocalDateTime t) { m_now = t; }

private:
    LocalDateTime m_now;
};

} // namespace sg
