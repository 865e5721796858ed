#pragma once
// Records, stored bytes and day files shared by the history tests.

#include "history/history_record.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sgtest {

inline const sg::LocalDateTime kToday { 2026, 12, 5, 14, 8, 35 };
// kToday as an OLE date (46361 days after 1899-12-30 + 50915 / 86400 of a day), a
// little-endian IEEE double.
inline const sg::Bytes kTodayOle = { 0x46, 0x0D, 0x7F, 0xDB, 0x32, 0xA3, 0xE6, 0x40 };

inline sg::HistoryRecord visit(
    const sg::LocalDateTime& at, int hits, const std::string& title, const std::string& url)
{
    sg::HistoryRecord r;
    r.setVisitDateTime(at);
    r.Hits = hits;
    r.Title = title;
    r.Url = url;
    r.Host = sg::historyHost(url);
    return r;
}

// Writes the day file of the records' day (the first record's visit date).
inline std::filesystem::path writeDay(
    const std::filesystem::path& dir, const std::vector<sg::HistoryRecord>& records)
{
    const auto path = sg::dayFilePath(dir, records.front().visitDateTime());
    sg::Bytes bytes;
    for (const auto& r : records)
        bytes = bytes + sg::encodeHistoryRecord(r);
    writeBytes(path, bytes);
    return path;
}

} // namespace sgtest
