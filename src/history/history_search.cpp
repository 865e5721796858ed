#include "history/history_search.h"

#include "common/cp1252.h"
#include "history/day_file_reader.h"
#include "history/history_record.h"
#include "history/history_text_match.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace sg {
namespace {

std::string_view trimmedField(const std::uint8_t* record, std::size_t offset, std::size_t width)
{
    const FieldExtent e = trimmedExtent(record + offset, width);
    return { reinterpret_cast<const char*>(record + offset + e.begin), e.end - e.begin };
}

// Which records become page rows.
class RecordFilter {
public:
    explicit RecordFilter(const SearchQuery& q)
        : m_matcher(q.text)
    {
        if (q.host) {
            m_kind = Kind::Host;
            m_host = toCp1252(*q.host);
            // A host that Windows-1252 cannot hold is in no record (it was stored as '?').
            m_hostStorable = fromCp1252(m_host) == *q.host;
        } else if (q.sort == SortItem::TitlesTextSearch) {
            m_kind = Kind::Title;
        } else if (q.sort == SortItem::UrlsTextSearch) {
            m_kind = Kind::Url;
        } else if (q.sort == SortItem::BothTextSearch) {
            m_kind = Kind::Both;
        }
    }

    bool accepts(const std::uint8_t* record) const
    {
        switch (m_kind) {
        case Kind::All:
            return true;
        case Kind::Title:
            return m_matcher.inTitle(record);
        case Kind::Url:
            return m_matcher.inUrl(record);
        case Kind::Both:
            return m_matcher.inTitle(record) || m_matcher.inUrl(record);
        case Kind::Host:
            return m_hostStorable && trimmedField(record, kHostOffset, kHostWidth) == m_host;
        }
        return false;
    }

private:
    enum class Kind { All, Title, Url, Both, Host };
    Kind m_kind = Kind::All;
    FieldMatcher m_matcher;
    std::string m_host;
    bool m_hostStorable = false;
};

// Stored text as UTF-8; text of ASCII bytes alone is its own UTF-8.
std::string decoded(std::string_view stored)
{
    for (const char c : stored) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return fromCp1252(stored);
    }
    return std::string(stored);
}

// The row of a record, decoding only the content of the fields it shows (trimmed before
// decoding, which is the same as after: a blank is one byte either way).
HistoryRow pageRow(const std::uint8_t* record, bool showTime)
{
    const RecordReader reader({ record, kHistoryRecordLength });
    return { decoded(trimmedField(record, kTitleOffset, kTitleWidth)),
        std::to_string(reader.i32(kHitsOffset)),
        FormatHistoryDate(fromOleDate(reader.f64(kVisitTimeOffset)), showTime),
        decoded(trimmedField(record, kUrlOffset, kUrlWidth)) };
}

// Turns the accepted records, in day and record order, into the rows of the sort item.
class RowCollector {
public:
    explicit RowCollector(const SearchQuery& q)
        : m_dupes(q.dupes)
        , m_showTime(q.showTime)
    {
        if (!q.host && q.sort == SortItem::HostSort)
            m_mode = Mode::HostSort;
        else if (!q.host && q.sort == SortItem::HostListOnly)
            m_mode = Mode::HostListOnly;
    }

    void add(const std::uint8_t* record)
    {
        if (m_mode == Mode::Pages) {
            if (m_dupes || m_seenUrls.emplace(trimmedField(record, kUrlOffset, kUrlWidth)).second)
                m_rows.push_back(pageRow(record, m_showTime));
            return;
        }
        const std::string_view host = trimmedField(record, kHostOffset, kHostWidth);
        auto group = m_hostIndex.find(std::string(host));
        if (group == m_hostIndex.end()) {
            group = m_hostIndex.emplace(std::string(host), m_hosts.size()).first;
            m_hosts.push_back({ fromCp1252(host), {} });
        }
        if (m_mode == Mode::HostSort)
            m_hosts[group->second].rows.push_back(pageRow(record, m_showTime));
    }

    SearchRows finish()
    {
        SearchRows out;
        if (m_mode == Mode::Pages) {
            out.rows = std::move(m_rows);
        } else {
            // Duplicates are looked for in list order, which groups the pages by host.
            for (HostGroup& g : m_hosts) {
                out.rows.push_back(hostHeaderRow(g.host));
                for (HistoryRow& row : g.rows) {
                    if (m_dupes || m_seenUrls.insert(row.url).second)
                        out.rows.push_back(std::move(row));
                }
            }
            out.hosts = m_hosts.size();
        }
        if (m_mode == Mode::HostListOnly) {
            std::stable_sort(out.rows.begin(), out.rows.end(),
                [](const HistoryRow& a, const HistoryRow& b) { return a.title < b.title; });
            out.sortedByFirstColumn = true;
        }
        out.header = searchListHeader(out.rows.size(), out.hosts);
        return out;
    }

private:
    enum class Mode { Pages, HostSort, HostListOnly };
    struct HostGroup {
        std::string host;
        std::vector<HistoryRow> rows;
    };

    Mode m_mode = Mode::Pages;
    bool m_dupes;
    bool m_showTime;
    std::vector<HistoryRow> m_rows;
    std::unordered_set<std::string> m_seenUrls; // stored bytes, or text in host modes
    std::unordered_map<std::string, std::size_t> m_hostIndex; // stored bytes -> m_hosts
    std::vector<HostGroup> m_hosts; // in order of first appearance
};

enum class FileScan { Done, Skipped, Cancelled, Failed };

// Feeds the records of one day file to the collector.
FileScan scanFile(const DayFile& file, const RecordFilter& filter, RowCollector& collector,
    const std::atomic<bool>& cancel, DayFileChunks& chunks)
{
    const File fd = File::open(file.path, File::Mode::Read);
    if (!fd.isOpen())
        return fd.error() == ENOENT ? FileScan::Skipped : FileScan::Failed;
    const auto st = fd.status();
    if (!st)
        return FileScan::Failed;
    if (!st->regular)
        return FileScan::Skipped;
    const std::size_t count = recordCount(st->size, kHistoryRecordLength);
    const auto walk = chunks.walk(fd, count, &cancel, [&](const std::uint8_t* record, std::size_t) {
        if (filter.accepts(record))
            collector.add(record);
        return true;
    });
    switch (walk) {
    case RecordWalk::Finished:
        return FileScan::Done;
    case RecordWalk::Stopped:
        return FileScan::Cancelled;
    case RecordWalk::Failed:
        break;
    }
    return FileScan::Failed;
}

} // namespace

SearchOutcome searchDayFiles(const std::vector<DayFile>& files, const SearchQuery& query,
    const std::atomic<bool>& cancel, const SearchProgress& progress)
{
    try {
        const RecordFilter filter(query);
        RowCollector collector(query);
        DayFileChunks chunks;

        for (std::size_t i = 0; i < files.size(); ++i) {
            if (cancel.load(std::memory_order_relaxed))
                return { SearchStatus::Cancelled, {} };
            switch (scanFile(files[i], filter, collector, cancel, chunks)) {
            case FileScan::Cancelled:
                return { SearchStatus::Cancelled, {} };
            case FileScan::Failed:
                return { SearchStatus::Failed, {} };
            case FileScan::Done:
            case FileScan::Skipped:
                break;
            }
            if (progress)
                progress(i + 1, files.size());
        }
        if (cancel.load(std::memory_order_relaxed))
            return { SearchStatus::Cancelled, {} };
        return { SearchStatus::Complete, collector.finish() };
    } catch (const std::bad_alloc&) {
        return { SearchStatus::Failed, {} };
    }
}

} // namespace sg
