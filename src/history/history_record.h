#pragma once
// The 512-byte record of a history day file, the day file's name and the host rule.

#include "common/date_time.h"
#include "common/record_codec.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

inline constexpr std::size_t kHistoryRecordLength = 512;
inline constexpr std::size_t kVisitTimeOffset = 0;
inline constexpr std::size_t kHitsOffset = 8;
inline constexpr std::size_t kTitleOffset = 12;
inline constexpr std::size_t kTitleWidth = 116;
inline constexpr std::size_t kUrlOffset = 128;
inline constexpr std::size_t kUrlWidth = 192;
inline constexpr std::size_t kHostOffset = 320;
inline constexpr std::size_t kHostWidth = 192;

// One page visit (or, with duplicates not stored, one address and its visit count) of a day.
struct HistoryRecord {
    double VisitTime = 0.0; // OLE Automation date of the first visit, whole seconds
    std::int32_t Hits = 0;
    std::string Title; // UTF-8; blanks trimmed when read
    std::string Url;
    std::string Host;

    LocalDateTime visitDateTime() const { return fromOleDate(VisitTime); }
    void setVisitDateTime(const LocalDateTime& t) { VisitTime = toOleDate(t); }

    bool operator==(const HistoryRecord&) const = default;
};

std::ostream& operator<<(std::ostream& out, const HistoryRecord& r);

// Numbers zero, text fields blank: what completes a trailing partial record.
Bytes blankHistoryRecord();

// Text is written as Windows-1252, cut to the field width and padded with blanks.
Bytes encodeHistoryRecord(const HistoryRecord& record);
// Reads the first 512 bytes (a shorter span is completed from the blank record); text trimmed.
HistoryRecord decodeHistoryRecord(std::span<const std::uint8_t> bytes);

// Every record of a day file's bytes; the count is the length / 512 rounded half to even.
std::vector<HistoryRecord> decodeDayFile(std::span<const std::uint8_t> file);
// Every record of a day file, read a chunk at a time (day_file_reader.h); nullopt when the
// file cannot be read (missing, a directory, no access).
std::optional<std::vector<HistoryRecord>> readDayFile(const std::filesystem::path& path);

// "SG_" + MMDDYYYY + ".hiz", e.g. SG_12052026.hiz for 5 December 2026.
std::string dayFileName(const LocalDateTime& date);
std::filesystem::path dayFilePath(
    const std::filesystem::path& historyDir, const LocalDateTime& date);
// The date (at midnight) of a day-file name: exactly 15 characters, "SG_", eight digits
// forming a real date, ".hiz". nullopt for any other name.
std::optional<LocalDateTime> parseDayFileName(std::string_view name);

// The Host field of an address: lower case; after "http://www.", "http://" or "ftp://" the
// text up to the first "/"; "my computer" for "file:///"; empty for any other scheme (an
// address with an empty host is not recorded). With secure pages logged, "https://www." and
// "https://" addresses get their host by the same rule as "http://" ones.
std::string historyHost(std::string_view url, bool logSecurePages = false);

// "Sat Dec 05 26", with the time "Sat Dec 05 26 14:08:35" (English names, 24-hour clock).
std::string FormatHistoryDate(const LocalDateTime& t, bool showTime);

} // namespace sg
