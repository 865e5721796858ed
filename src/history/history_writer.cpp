#include "history/history_writer.h"

#include "common/cp1252.h"
#include "history/day_file_reader.h"
#include "history/history_record.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace sg {
namespace {

bool writeAt(int fd, std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(
            fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Whether a stored Url field, trimmed of blanks, is target. target is not empty and neither
// starts nor ends with a blank, so the field must be blanks, target, blanks.
bool urlFieldIs(const std::uint8_t* field, std::string_view target)
{
    std::size_t lead = 0;
    while (lead < kUrlWidth && field[lead] == ' ')
        ++lead;
    if (kUrlWidth - lead < target.size())
        return false;
    if (std::memcmp(field + lead, target.data(), target.size()) != 0)
        return false;
    for (std::size_t i = lead + target.size(); i < kUrlWidth; ++i) {
        if (field[i] != ' ')
            return false;
    }
    return true;
}

// The bytes a stored Url field must hold, trimmed, to be this address; nullopt when no
// field can: longer than the field, with blanks at an end (trimmed away when read) or with
// characters Windows-1252 cannot hold (stored as "?", so never read back as the address).
std::optional<std::string> storedFormOf(std::string_view url)
{
    std::string stored = toCp1252(url);
    if (stored.empty() || stored.size() > kUrlWidth || stored.front() == ' ' || stored.back() == ' '
        || fromCp1252(stored) != url)
        return std::nullopt;
    return stored;
}

struct Scan {
    bool ok = false;
    std::optional<std::size_t> match; // 0-based record index
};

// Looks for the first of count records whose trimmed Url is target.
Scan findUrl(int fd, std::size_t count, std::string_view target, DayFileChunks& chunks)
{
    Scan scan;
    const auto walk
        = chunks.walk(fd, count, nullptr, [&](const std::uint8_t* record, std::size_t index) {
              if (!urlFieldIs(record + kUrlOffset, target))
                  return true;
              scan.match = index;
              return false;
          });
    scan.ok = walk != RecordWalk::Failed;
    return scan;
}

// Adds one visit to record index in place; the new count, nullopt when nothing was written.
std::optional<std::int32_t> raiseHits(int fd, std::size_t index)
{
    const std::uint64_t offset = index * kHistoryRecordLength + kHitsOffset;
    std::uint8_t field[4];
    const auto got = readAt(fd, offset, field);
    if (!got || *got != sizeof field)
        return std::nullopt;
    const std::int32_t hits = RecordReader(field).i32(0);
    if (hits == INT32_MAX) // the count cannot grow; the visit is dropped like a failed write
        return std::nullopt;
    RecordWriter(field).i32(0, hits + 1);
    if (!writeAt(fd, offset, field))
        return std::nullopt;
    return hits + 1;
}

} // namespace

HistoryWriter::HistoryWriter(std::filesystem::path historyDir, const Clock& clock)
    : m_historyDir(std::move(historyDir))
    , m_clock(clock)
{
}

void HistoryWriter::AddHistoryEntry(const HistoryWriterSettings& settings,
    TodayListListener* todayList, std::string_view title, std::string_view url)
{
    if (settings.HistoryDaysToKeep == 0 || url.empty())
        return;
    const std::string shownTitle = title.empty() ? std::string("(no title)") : std::string(title);
    // One reading of the clock names the file and stamps the record, so a visit at
    // 00:00:00 belongs to the new day.
    const LocalDateTime now = m_clock.now();

    const FileHandle file(
        ::open(dayFilePath(m_historyDir, now).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (file.get() < 0)
        return;
    struct stat st { };
    if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const auto size = static_cast<std::uint64_t>(st.st_size);
    const std::size_t count = recordCount(size, kHistoryRecordLength);

    // Addresses without a host are never stored, so no stored record can match them.
    const std::string host = historyHost(url, settings.LogSecurePages);
    if (count == 0) {
        if (todayList)
            todayList->clearTodayList();
    } else if (!settings.StoreDuplicateUrls && !host.empty()) {
        if (const auto target = storedFormOf(url)) {
            const Scan scan = findUrl(file.get(), count, *target, m_chunks);
            if (!scan.ok)
                return;
            if (scan.match) {
                const auto hits = raiseHits(file.get(), *scan.match);
                if (hits && todayList)
                    todayList->setTodayHits(*scan.match + 1, std::to_string(*hits));
                return;
            }
        }
    }

    if (host.empty())
        return;
    HistoryRecord record;
    record.VisitTime = toOleDate(now);
    record.Hits = 1;
    record.Title = shownTitle;
    record.Url = std::string(url);
    record.Host = host;

    // A partial last record that the count rounded up is completed with blanks first, so it
    // keeps the content readers already gave it.
    const std::uint64_t recordStart = count * kHistoryRecordLength;
    Bytes bytes;
    if (size < recordStart) {
        const Bytes blank = blankHistoryRecord();
        const std::size_t have = static_cast<std::size_t>(size % kHistoryRecordLength);
        bytes.assign(blank.begin() + static_cast<std::ptrdiff_t>(have), blank.end());
    }
    const Bytes encoded = encodeHistoryRecord(record);
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    if (!writeAt(file.get(), std::min(size, recordStart), bytes)) {
        // Leave no partial record behind.
        [[maybe_unused]] const int ignored = ::ftruncate(file.get(), static_cast<off_t>(size));
        return;
    }
    if (todayList)
        todayList->appendTodayItem(
            count + 1, TodayItem { shownTitle, "1", FormatHistoryDate(now, true), record.Url });
}

} // namespace sg
