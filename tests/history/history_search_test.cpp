#include "history/history_search.h"
#include "history_test_files.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

const LocalDateTime kNineAgo { 2026, 11, 26, 8, 0, 0 };
const LocalDateTime kThreeAgo { 2026, 12, 2, 10, 0, 0 };

const HistoryRow kRadar { "Radar Loop", "2", "Thu Nov 26 26", "http://www.radar.example/loop" };
const HistoryRow kNews { "News Front", "1", "Thu Nov 26 26", "http://news.example/front" };
const HistoryRow kRadarAgain { "Radar Loop again", "5", "Wed Dec 02 26",
    "http://www.radar.example/loop" };
const HistoryRow kSatellite { "Satellite Caf\xC3\xA9", "1", "Wed Dec 02 26",
    "http://www.RADAR.example/sat" };
const HistoryRow kFtp { "Ftp Files", "1", "Wed Dec 02 26", "ftp://files.example/pub" };
const HistoryRow kNewsToday { "News Front", "3", "Sat Dec 05 26", "http://news.example/front" };
const HistoryRow kLocal { "Local Page", "1", "Sat Dec 05 26", "file:///home/u/page.htm" };

HistoryRecord recordOf(const HistoryRow& row, LocalDateTime at)
{
    return visit(at, std::stoi(row.hits), row.title, row.url);
}

// Day files 9 and 3 days ago, today's, and tomorrow's (which never takes part).
class HistorySearchTest : public ::testing::Test {
protected:
    TempDir m_dir;
    std::atomic<bool> m_cancel { false };

    void SetUp() override
    {
        writeDay(m_dir.path(), { recordOf(kRadar, kNineAgo), recordOf(kNews, kNineAgo) });
        writeDay(m_dir.path(),
            { recordOf(kRadarAgain, kThreeAgo), recordOf(kSatellite, kThreeAgo),
                recordOf(kFtp, kThreeAgo) });
        writeDay(m_dir.path(), { recordOf(kNewsToday, kToday), recordOf(kLocal, kToday) });
        writeDay(m_dir.path(),
            { visit(addDays(kToday, 1), 1, "Future Radar", "http://www.radar.example/f") });
    }

    std::vector<DayFile> files() const { return dayFilesInPeriod(m_dir.path(), { 0, 14 }, kToday); }
    SearchRows search(SearchQuery q)
    {
        const SearchOutcome outcome = searchDayFiles(files(), q, m_cancel);
        EXPECT_EQ(outcome.status, SearchStatus::Complete);
        return outcome.result;
    }
    static SearchQuery query(SortItem sort, std::string text = {}, bool dupes = false)
    {
        SearchQuery q;
        q.sort = sort;
        q.text = std::move(text);
        q.dupes = dupes;
        return q;
    }
    using Rows = std::vector<HistoryRow>;
};

} // namespace

TEST_F(HistorySearchTest, DateSortListsAnAddressOnceWithItsOldestRecordOrEveryRecordWithDupes)
{
    SearchRows r = search(query(SortItem::DateSort));
    EXPECT_EQ(r.rows, (Rows { kRadar, kNews, kSatellite, kFtp, kLocal }));
    EXPECT_EQ(r.header, "5 Page Titles");
    EXPECT_FALSE(r.sortedByFirstColumn);
    EXPECT_EQ(search(query(SortItem::DateSort, {}, true)).rows,
        (Rows { kRadar, kNews, kRadarAgain, kSatellite, kFtp, kNewsToday, kLocal }));
}

TEST_F(HistorySearchTest, HostSortPutsEachHostsPagesUnderItsHeaderRow)
{
    const Rows expected { hostHeaderRow("radar.example"), kRadar, kSatellite,
        hostHeaderRow("news.example"), kNews, hostHeaderRow("files.example"), kFtp,
        hostHeaderRow("my computer"), kLocal };
    const SearchRows r = search(query(SortItem::HostSort));
    EXPECT_EQ(r.rows, expected);
    EXPECT_EQ(r.header, "5 Page Titles    4 Hosts"); // header rows are no page titles
    EXPECT_EQ(search(query(SortItem::HostSort, {}, true)).rows,
        (Rows { hostHeaderRow("radar.example"), kRadar, kRadarAgain, kSatellite,
            hostHeaderRow("news.example"), kNews, kNewsToday, hostHeaderRow("files.example"), kFtp,
            hostHeaderRow("my computer"), kLocal }));
}

TEST_F(HistorySearchTest, HostListOnlyListsTheHostsByTheirFirstColumnAndThenAHostsPages)
{
    SearchRows r = search(query(SortItem::HostListOnly));
    EXPECT_EQ(r.rows,
        (Rows { hostHeaderRow("files.example"), hostHeaderRow("my computer"),
            hostHeaderRow("news.example"), hostHeaderRow("radar.example") }));
    EXPECT_TRUE(r.sortedByFirstColumn);
    EXPECT_EQ(r.header, "0 Page Titles    4 Hosts");

    SearchQuery q = query(SortItem::HostListOnly);
    q.host = "radar.example";
    r = search(q);
    EXPECT_EQ(r.rows, (Rows { kRadar, kSatellite }));
    EXPECT_FALSE(r.sortedByFirstColumn);
    q.dupes = true;
    EXPECT_EQ(search(q).rows, (Rows { kRadar, kRadarAgain, kSatellite }));
    q.host = "RADAR.example"; // the host must be equal exactly
    EXPECT_TRUE(search(q).rows.empty());
}

TEST_F(HistorySearchTest, TextSearchesLookInTitlesAddressesOrBoth)
{
    EXPECT_EQ(search(query(SortItem::TitlesTextSearch, "RADAR")).rows, (Rows { kRadar }));
    EXPECT_EQ(search(query(SortItem::TitlesTextSearch, "radar", true)).rows,
        (Rows { kRadar, kRadarAgain }));
    EXPECT_EQ(search(query(SortItem::TitlesTextSearch, "CAF\xC3\x89")).rows, (Rows { kSatellite }));
    EXPECT_EQ(
        search(query(SortItem::UrlsTextSearch, "radar.example/s")).rows, (Rows { kSatellite }));
    EXPECT_TRUE(search(query(SortItem::UrlsTextSearch, "satellite caf")).rows.empty());
    EXPECT_EQ(search(query(SortItem::BothTextSearch, "ftp")).rows, (Rows { kFtp }));
    EXPECT_EQ(
        search(query(SortItem::BothTextSearch, "front", true)).rows, (Rows { kNews, kNewsToday }));
    // The text is used as typed: "loop " is in "Radar Loop again" alone. Its address was not
    // listed before, so the row stays although the address is in an older record.
    EXPECT_EQ(search(query(SortItem::TitlesTextSearch, "loop ")).rows, (Rows { kRadarAgain }));
}

TEST_F(HistorySearchTest, ReadsTheStoredBytesOfAHandWrittenRecord)
{
    // 3 hits, a Windows-1252 title and address, and a record cut short after 300 bytes,
    // completed with blanks.
    const std::string url = "http://www.x.example/\xE9t\xE9";
    const Bytes record = kTodayOle + Bytes { 3, 0, 0, 0 } + padded("  CAF\xC9 Radar", 116)
        + padded(url, 192) + padded("x.example", 192);
    const auto path = m_dir / "SG_12052026.hiz";
    writeBytes(path, record + Bytes(record.begin(), record.begin() + 300));
    SearchQuery q = query(SortItem::TitlesTextSearch, "caf\xC3\xA9 r", true);
    q.showTime = true;
    const SearchOutcome out = searchDayFiles({ { kToday, path } }, q, m_cancel);
    ASSERT_EQ(out.status, SearchStatus::Complete);
    const HistoryRow row { "CAF\xC3\x89 Radar", "3", "Sat Dec 05 26 14:08:35",
        "http://www.x.example/\xC3\xA9t\xC3\xA9" };
    EXPECT_EQ(out.result.rows, (Rows { row, row }));
    q.host = "x.example";
    EXPECT_EQ(searchDayFiles({ { kToday, path } }, q, m_cancel).result.rows.size(), 1u);
}

TEST_F(HistorySearchTest, ReportsProgressAfterEachFileAndACancelEndsTheSearchWithoutRows)
{
    std::string seen;
    const auto note = [&](std::size_t done, std::size_t total) {
        seen += std::to_string(done) + "/" + std::to_string(total) + " ";
    };
    EXPECT_EQ(searchDayFiles(files(), query(SortItem::DateSort), m_cancel, note).status,
        SearchStatus::Complete);
    const SearchOutcome out = searchDayFiles(files(), query(SortItem::DateSort), m_cancel,
        [&](std::size_t done, std::size_t total) { note(done, total), m_cancel = true; });
    EXPECT_EQ(seen, "1/3 2/3 3/3 1/3 ");
    EXPECT_EQ(out.status, SearchStatus::Cancelled);
    EXPECT_TRUE(out.result.rows.empty());
    EXPECT_EQ(searchDayFiles(files(), query(SortItem::HostSort), m_cancel).status,
        SearchStatus::Cancelled);
}

TEST_F(HistorySearchTest, SkipsAFileThatIsGoneAndFailsOnOneThatCannotBeRead)
{
    auto days = files();
    fs::remove(days[1].path);
    SearchOutcome out = searchDayFiles(days, query(SortItem::DateSort), m_cancel);
    EXPECT_EQ(out.status, SearchStatus::Complete);
    EXPECT_EQ(out.result.rows, (Rows { kRadar, kNews, kLocal }));

    days[1].path = days[0].path / "under-a-file";
    out = searchDayFiles(days, query(SortItem::DateSort), m_cancel);
    EXPECT_EQ(out.status, SearchStatus::Failed);
    EXPECT_TRUE(out.result.rows.empty());
}
