#pragma once
// The history writer: logs one page visit in the day file of the current date.

#include "common/date_time.h"
#include "common/record_codec.h"
#include "history/day_file_reader.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

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

// What became of one visit.
enum class HistoryWrite {
    Recorded, // appended, or the visit count raised
    NotRecorded, // by the rules: history off, no address, an address that is not logged
    Failed, // a file error: nothing was written
    Busy, // another program held the data folder's lock too long: nothing was written
};

// Appends visits to the day files of one History directory, or raises the visit count of
// an address already logged that day. Each call holds the data folder's lock (the folder
// above the History directory) while it reads and writes.
class HistoryWriter {
public:
    HistoryWriter(std::filesystem::path historyDir, const Clock& clock);

    // todayList is null while no History window is open. Failures change nothing and are
    // only returned: the program tells no one (a page visit is not worth a message).
    HistoryWrite AddHistoryEntry(const HistoryWriterSettings& settings,
        TodayListListener* todayList, std::string_view title, std::string_view url);

private:
    // Where the first record of each address of the day file is, so that a visit need not
    // read the file. It is used only while the file's identity, size and times are those it
    // was built from; a file that only grew has its new records added.
    struct AddressIndex {
        std::filesystem::path path;
        FileStatus seen; // the file as the index knows it
        std::unordered_map<std::uint64_t, std::uint32_t> first; // address hash -> record
    };

    // Brings the index up to date with the open file; false on a read error.
    bool updateIndex(const std::filesystem::path& path, const File& file, const FileStatus& now);
    // The first record holding exactly this stored address, and its visit count.
    struct Match {
        std::size_t index;
        std::int32_t hits;
    };
    // nullopt when no record holds it; ok is false on a read error.
    std::optional<Match> findAddress(
        const File& file, std::size_t count, std::string_view stored, bool& ok);

    std::filesystem::path m_historyDir;
    const Clock& m_clock;
    DayFileChunks m_chunks;
    AddressIndex m_index;
};

} // namespace sg
