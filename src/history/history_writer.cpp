#include "history/history_writer.h"

#include "common/cp1252.h"
#include "common/data_lock.h"
#include "history/day_file_reader.h"
#include "history/history_record.h"
#include "history/history_text_match.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <optional>

namespace sg {
namespace {

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

std::uint64_t addressHash(std::string_view stored)
{
    return std::hash<std::string_view> {}(stored);
}

std::uint64_t fieldHash(const std::uint8_t* record)
{
    const FieldExtent e = trimmedExtent(record + kUrlOffset, kUrlWidth);
    return addressHash(
        { reinterpret_cast<const char*>(record + kUrlOffset + e.begin), e.end - e.begin });
}

// Record index's visit count when its address is target, read in one go; nullopt when it
// is another address. Bytes past the end of the file read as blanks, as every reader of a
// trailing partial record has them. ok is false on a read error or a record too short to
// hold its count.
std::optional<std::int32_t> hitsIfAddress(
    const File& file, std::size_t index, std::string_view target, bool& ok)
{
    std::uint8_t head[kUrlOffset + kUrlWidth];
    const auto got = file.readAt(index * kHistoryRecordLength, head);
    ok = got.has_value();
    if (!got)
        return std::nullopt;
    std::fill(head + *got, head + sizeof head, ' ');
    if (!urlFieldIs(head + kUrlOffset, target))
        return std::nullopt;
    ok = *got >= kHitsOffset + 4;
    return RecordReader(head).i32(kHitsOffset);
}

// Writes one more visit into record index in place; the new count, nullopt when nothing was
// written.
std::optional<std::int32_t> raiseHits(File& file, std::size_t index, std::int32_t hits)
{
    if (hits == INT32_MAX) // the count cannot grow; the visit is dropped like a failed write
        return std::nullopt;
    std::uint8_t field[4];
    RecordWriter(field).i32(0, hits + 1);
    if (!file.writeAt(index * kHistoryRecordLength + kHitsOffset, field))
        return std::nullopt;
    return hits + 1;
}

bool sameFile(const FileStatus& a, const FileStatus& b)
{
    return a.device == b.device && a.inode == b.inode;
}

} // namespace

HistoryWriter::HistoryWriter(std::filesystem::path historyDir, const Clock& clock)
    : m_historyDir(std::move(historyDir))
    , m_clock(clock)
{
}

bool HistoryWriter::updateIndex(
    const std::filesystem::path& path, const File& file, const FileStatus& now)
{
    AddressIndex& index = m_index;
    const FileStatus& seen = index.seen;
    const bool unchanged = index.path == path && seen == now;
    if (unchanged)
        return true;
    // Records are only ever appended: a file that grew from whole records keeps the ones the
    // index has. Anything else (another file, shorter, rewritten in place) is read again.
    const bool grew = index.path == path && sameFile(seen, now) && now.size > seen.size
        && seen.size % kHistoryRecordLength == 0;
    const std::size_t from = grew ? static_cast<std::size_t>(seen.size / kHistoryRecordLength) : 0;
    if (!grew) {
        index.first.clear();
        index.path.clear();
    }
    const std::size_t count = recordCount(now.size, kHistoryRecordLength);
    const auto walk = m_chunks.walkFrom(
        file, from, count, nullptr, [&](const std::uint8_t* record, std::size_t i) {
            index.first.emplace(fieldHash(record), static_cast<std::uint32_t>(i));
            return true;
        });
    if (walk != RecordWalk::Finished) {
        index.first.clear();
        index.path.clear();
        return false;
    }
    index.path = path;
    index.seen = now;
    return true;
}

std::optional<HistoryWriter::Match> HistoryWriter::findAddress(
    const File& file, std::size_t count, std::string_view stored, bool& ok)
{
    ok = true;
    const auto candidate = m_index.first.find(addressHash(stored));
    if (candidate == m_index.first.end())
        return std::nullopt;
    if (const auto hits = hitsIfAddress(file, candidate->second, stored, ok))
        return Match { candidate->second, *hits };
    if (!ok)
        return std::nullopt;
    // Another address with the same hash came first: look at the records one by one.
    std::optional<Match> match;
    const auto walk
        = m_chunks.walk(file, count, nullptr, [&](const std::uint8_t* record, std::size_t i) {
              if (!urlFieldIs(record + kUrlOffset, stored))
                  return true;
              match = Match { i, RecordReader({ record, kHistoryRecordLength }).i32(kHitsOffset) };
              return false;
          });
    ok = walk != RecordWalk::Failed;
    return match;
}

HistoryWrite HistoryWriter::AddHistoryEntry(const HistoryWriterSettings& settings,
    TodayListListener* todayList, std::string_view title, std::string_view url)
{
    if (settings.HistoryDaysToKeep == 0 || url.empty())
        return HistoryWrite::NotRecorded;
    const std::string shownTitle = title.empty() ? std::string("(no title)") : std::string(title);
    // One reading of the clock names the file and stamps the record, so a visit at
    // 00:00:00 belongs to the new day.
    const LocalDateTime now = m_clock.now();

    const DataLock lock(m_historyDir.parent_path());
    if (!lock)
        return HistoryWrite::Busy;
    const auto path = dayFilePath(m_historyDir, now);
    File file = File::open(path, File::Mode::ReadWriteCreate);
    const auto status = file.isOpen() ? file.status() : std::nullopt;
    if (!status || !status->regular)
        return HistoryWrite::Failed;
    const std::uint64_t size = status->size;
    const std::size_t count = recordCount(size, kHistoryRecordLength);

    // Addresses without a host are never stored, so no stored record can match them.
    const std::string host = historyHost(url, settings.LogSecurePages);
    if (count == 0) {
        if (todayList)
            todayList->clearTodayList();
    } else if (!settings.StoreDuplicateUrls && !host.empty()) {
        if (const auto target = storedFormOf(url)) {
            if (!updateIndex(path, file, *status))
                return HistoryWrite::Failed;
            bool ok = true;
            const auto match = findAddress(file, count, *target, ok);
            if (!ok)
                return HistoryWrite::Failed;
            if (match) {
                const auto hits = raiseHits(file, match->index, match->hits);
                if (!hits)
                    return HistoryWrite::Failed;
                // The in-place change is the writer's own: the index still holds.
                if (const auto after = file.status(); after && after->size == size)
                    m_index.seen = *after;
                if (todayList)
                    todayList->setTodayHits(match->index + 1, std::to_string(*hits));
                return HistoryWrite::Recorded;
            }
        }
    }

    if (host.empty())
        return HistoryWrite::NotRecorded;
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
    if (!file.writeAt(std::min(size, recordStart), bytes)) {
        // Leave no partial record behind.
        file.truncate(size);
        return HistoryWrite::Failed;
    }
    if (todayList)
        todayList->appendTodayItem(
            count + 1, TodayItem { shownTitle, "1", FormatHistoryDate(now, true), record.Url });
    return HistoryWrite::Recorded;
}

} // namespace sg
