#pragma once
// The history writer: logs one page visit in the day file of the current date.

#include "common/date_time.h"
#include "common/record_codec.h"
#include "history/day_file_reader.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace sg {

// A row appended to the History window's Today list.
struct TodayItem {
    std::string title;
    std::string hits; // "1"
    std::string date; // FormatHistoryDate with the time
    std::string url;

    bool operator==(const TodayItem&) const = default;
};

// The History window's Today list as the writer keeps it up to date. Item numbers n are
// 1-based and equal the record numbers of today's day file.
class TodayListListener {
public:
    virtual ~TodayListListener() = default;
    virtual void clearTodayList() = 0;
    virtual void setTodayHits(std::size_t n, const std::string& hits) = 0;
    // Also sets the header to the row count + " Page Titles" and, with "vis.", scrolls to n.
    virtual void appendTodayItem(std::size_t n, const TodayItem& item) = 0;
};

// The settings the writer reads at each call.
struct HistoryWriterSettings {
    std::int32_t HistoryDaysToKeep = 7; // 0: history is off
    bool StoreDuplicateUrls = false;
    bool LogSecurePages = false; // "https://" addresses are logged too
};

// Appends visits to the day files of one History directory, or raises the visit count of
// an address already logged that day. Failures end a call silently.
class HistoryWriter {
public:
    HistoryWriter(std::filesystem::path historyDir, const Clock& clock);

    // todayList is null while no History window is open.
    void AddHistoryEntry(const HistoryWriterSettings& settings, TodayListListener* todayList,
        std::string_view title, std::string_view url);

private:
    std::filesystem::path m_historyDir;
    const Clock& m_clock;
    DayFileChunks m_chunks;
};

} // namespace sg
