#pragma once
// The History window's period selector (periodItems), its items read back as day ranges, and
// the day files that take part in a period.

#include "common/date_time.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

// Days counted back from today, both ends included: newest 0 and oldest 6 is the last week.
struct DayRange {
    std::int64_t newest = 0;
    std::int64_t oldest = 0;

    bool operator==(const DayRange&) const = default;
};
std::ostream& operator<<(std::ostream& out, const DayRange& r);

// The date as it appears in a single-day period item: MM/DD/YYYY, a fixed numeric form so
// that items read the same on every machine (e.g. 12/05/2026).
std::string periodItemDate(const LocalDateTime& date);

// The items of the period selector for a History folder holding these file names: the
// whole span "0-" + HistoryDaysToKeep + " Days Ago"; an "a-b Days Ago" item for each block
// of seven days (0-6, 7-13, ...) holding a day file; then one item per day file, newest
// first: N + " Day"/" Days" + " Ago " + its date + " <>". Names that are not day-file names
// and day files dated after today take no part; with no day file the selector is empty.
std::vector<std::string> periodItems(const std::vector<std::string>& fileNames,
    std::int32_t HistoryDaysToKeep, const LocalDateTime& today);

// What the period selector holds while the History window is open: nothing while history
// is off (0 days: the purge empties the selector and periodItems is not run), else periodItems of
// the files of historyDir.
std::vector<std::string> periodSelectorItems(const std::filesystem::path& historyDir,
    std::int32_t HistoryDaysToKeep, const LocalDateTime& today);

// The names of the plain files in historyDir (links followed); empty when it cannot be read.
std::vector<std::string> historyFileNames(const std::filesystem::path& historyDir);

// The days of a period item: with " <>" the single day N days ago (N before " Day"), else
// the range "a-b ..." from b days ago to a days ago. nullopt when the item has neither form.
std::optional<DayRange> readPeriodItem(std::string_view item);

// A day file and the date its name gives.
struct DayFile {
    LocalDateTime date;
    std::filesystem::path path;

    bool operator==(const DayFile&) const = default;
};

// The day files of historyDir whose name date lies in the range counted back from today,
// oldest first. Files dated after today never take part.
std::vector<DayFile> dayFilesInPeriod(
    const std::filesystem::path& historyDir, const DayRange& range, const LocalDateTime& today);

} // namespace sg
