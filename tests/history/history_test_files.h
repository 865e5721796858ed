#pragma once
// Day files written for the History window tests.

#include "history/history_record.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace sgtest {

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

inline sg::Bytes dayFileBytes(const std::vector<sg::HistoryRecord>& records)
{
    sg::Bytes bytes;
    for (const auto& r : records)
        bytes = bytes + sg::encodeHistoryRecord(r);
    return bytes;
}

// Writes the day file of the records' day (the first record's visit date).
inline std::filesystem::path writeDay(
    const std::filesystem::path& dir, const std::vector<sg::HistoryRecord>& records)
{
    const auto path = sg::dayFilePath(dir, records.front().visitDateTime());
    writeBytes(path, dayFileBytes(records));
    return path;
}

} // namespace sgtest
