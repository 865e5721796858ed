#include "common/date_time.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace sg {
namespace {

constexpr std::int64_t kOleEpochDays = -25569; // 1899-12-30 counted from 1970-01-01
constexpr std::int64_t kSecondsPerDay = 86400;

bool validDate(int y, int m, int d)
{
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1)
        return false;
    static constexpr int kDays[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const int max = (m == 2 && leap) ? 29 : kDays[m - 1];
    return d <= max;
}

LocalDateTime fromSeconds(std::int64_t secondsSinceOleEpoch)
{
    std::int64_t days = secondsSinceOleEpoch / kSecondsPerDay;
    std::int64_t rest = secondsSinceOleEpoch % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    LocalDateTime t = civilFromDays(days + kOleEpochDays);
    t.hour = static_cast<int>(rest / 3600);
    t.minute = static_cast<int>(rest / 60 % 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const LocalDateTime& t)
{
    return out << formatIso(t);
}

std::int64_t daysFromCivil(int year, int month, int day)
{
    const std::int64_t y = month <= 2 ? year - 1 : year;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

LocalDateTime civilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    LocalDateTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = t.minute = t.second = 0;
    return t;
}

LocalDateTime addDays(const LocalDateTime& t, std::int64_t days)
{
    LocalDateTime r = civilFromDays(daysFromCivil(t.year, t.month, t.day) + days);
    r.hour = t.hour;
    r.minute = t.minute;
    r.second = t.second;
    return r;
}

int weekday(const LocalDateTime& t)
{
    const std::int64_t d = daysFromCivil(t.year, t.month, t.day);
    return static_cast<int>(((d % 7) + 11) % 7); // 1970-01-01 was a Thursday
}

double toOleDate(const LocalDateTime& t)
{
    const double days = static_cast<double>(daysFromCivil(t.year, t.month, t.day) - kOleEpochDays);
    const double fraction = (t.hour * 3600.0 + t.minute * 60.0 + t.second) / kSecondsPerDay;
    return days >= 0 ? days + fraction : days - fraction;
}

LocalDateTime fromOleDate(double ole)
{
    // Years 100..9999, the range OLE dates are defined for.
    if (!std::isfinite(ole) || ole < -657434.0 || ole >= 2958466.0)
        return LocalDateTime {};
    const double whole = std::trunc(ole);
    const double fraction = std::fabs(ole - whole);
    auto seconds = static_cast<std::int64_t>(std::llround(fraction * kSecondsPerDay));
    return fromSeconds(static_cast<std::int64_t>(whole) * kSecondsPerDay + seconds);
}

std::string formatIso(const LocalDateTime& t)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
        t.minute, t.second);
    return buf;
}

std::optional<LocalDateTime> parseIso(std::string_view text)
{
    LocalDateTime t;
    const std::string s(text);
    char tail = 0;
    int n = std::sscanf(s.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month, &t.day, &t.hour,
        &t.minute, &t.second, &tail);
    if (n == 3 && s.size() == 10) {
        t.hour = t.minute = t.second = 0;
    } else if (n != 6 || s.size() != 19) {
        return std::nullopt;
    }
    if (!validDate(t.year, t.month, t.day) || t.hour < 0 || t.hour > 23 || t.minute < 0
        || t.minute > 59 || t.second < 0 || t.second > 59)
        return std::nullopt;
    return t;
}

LocalDateTime SystemClock::now() const
{
    const std::time_t now = std::time(nullptr);
    std::tm tm {};
    localtime_r(&now, &tm);
    return LocalDateTime { tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
        tm.tm_sec };
}

} // namespace sg
