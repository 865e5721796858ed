#include "history/history_record.h"
#include "history/history_writer.h"
#include "support/temp_dir.h"

#include <climits>
#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;

namespace {

const LocalDateTime kDay { 2026, 12, 5, 14, 8, 35 };

// Records every Today-list operation as one line.
class RecordingTodayList : public TodayListListener {
public:
    std::vector<std::string> calls;

    void clearTodayList() override { calls.push_back("clear"); }
    void setTodayHits(std::size_t n, const std::string& hits) override
    {
        calls.push_back("hits " + std::to_string(n) + " " + hits);
    }
    void appendTodayItem(std::size_t n, const TodayItem& item) override
    {
        calls.push_back("append " + std::to_string(n) + " " + item.title + "|" + item.hits + "|"
            + item.date + "|" + item.url);
    }
};

Bytes padded(const std::string& text, std::size_t width)
{
    return bytesOf(text) + filled(width - text.size(), ' ');
}

class HistoryWriterTest : public ::testing::Test {
protected:
    TempDir m_dir;
    std::filesystem::path m_history = m_dir / "History";
    FixedClock m_clock { kDay };
    HistoryWriter m_writer { m_history, m_clock };
    HistoryWriterSettings m_settings { 7, false };
    RecordingTodayList m_today;

    void SetUp() override { std::filesystem::create_directory(m_history); }

    void visit(const std::string& title, const std::string& url)
    {
        m_writer.AddHistoryEntry(m_settings, &m_today, title, url);
    }
    std::filesystem::path file(const LocalDateTime& day = kDay) const
    {
        return dayFilePath(m_history, day);
    }
    std::vector<HistoryRecord> records(const LocalDateTime& day = kDay) const
    {
        return readDayFile(file(day)).value_or(std::vector<HistoryRecord> {});
    }
    static HistoryRecord record(const std::string& url, std::int32_t hits = 1)
    {
        HistoryRecord r;
        r.Hits = hits;
        r.Title = "old";
        r.Url = url;
        r.Host = "x";
        return r;
    }
};

} // namespace

TEST_F(HistoryWriterTest, FirstVisitOfTheDayCreatesTheFileAndClearsTheTodayListFirst)
{
    visit("Radar", "http://www.Example.com:8080/radar");

    // 2026-12-05 14:08:35 as an OLE date: 46361 + 50915 / 86400.
    const Bytes expected = Bytes { 0x46, 0x0D, 0x7F, 0xDB, 0x32, 0xA3, 0xE6, 0x40 }
        + Bytes { 0x01, 0x00, 0x00, 0x00 } + padded("Radar", 116)
        + padded("http://www.Example.com:8080/radar", 192) + padded("example.com:8080", 192);
    EXPECT_EQ(readBytes(m_history / "SG_12052026.hiz"), expected);
    EXPECT_EQ(m_today.calls,
        (std::vector<std::string> { "clear",
            "append 1 Radar|1|Sat Dec 05 26 14:08:35|http://www.Example.com:8080/radar" }));
}

TEST_F(HistoryWriterTest, RepeatedAddressRaisesHitsAndKeepsTheFirstVisit)
{
    visit("First", "http://a.com/");
    visit("Other", "http://b.com/");
    m_clock.set({ 2026, 12, 5, 15, 0, 0 });
    visit("Second", "http://a.com/");
    visit("Third", "http://a.com/");

    const auto recs = records();
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[0].Hits, 3);
    EXPECT_EQ(recs[0].Title, "First");
    EXPECT_EQ(recs[0].visitDateTime(), kDay);
    EXPECT_EQ(recs[1].Hits, 1);
    EXPECT_EQ(m_today.calls.size(), 5u);
    EXPECT_EQ(m_today.calls[3], "hits 1 2");
    EXPECT_EQ(m_today.calls[4], "hits 1 3");
}

TEST_F(HistoryWriterTest, AVisitFromMidnightOnStartsTheNewDaysFile)
{
    m_clock.set({ 2026, 12, 5, 23, 59, 59 });
    visit("A", "http://a.com/");
    m_clock.set({ 2026, 12, 6, 0, 0, 0 });
    visit("A", "http://a.com/");
    EXPECT_EQ(records().at(0).Hits, 1);
    const Bytes stored = readBytes(m_history / "SG_12062026.hiz");
    ASSERT_EQ(stored.size(), 512u);
    // 2026-12-06 00:00:00 = 46362.0
    EXPECT_EQ(Bytes(stored.begin(), stored.begin() + 12),
        (Bytes { 0x00, 0x00, 0x00, 0x00, 0x40, 0xA3, 0xE6, 0x40, 1, 0, 0, 0 }));
    EXPECT_EQ(m_today.calls[2], "clear");
}

TEST_F(HistoryWriterTest, StoringDuplicatesAppendsEveryVisit)
{
    m_settings.StoreDuplicateUrls = true;
    for (int i = 0; i < 3; ++i)
        visit("A", "http://a.com/");
    const auto recs = records();
    ASSERT_EQ(recs.size(), 3u);
    for (const auto& r : recs)
        EXPECT_EQ(r.Hits, 1);
    EXPECT_EQ(m_today.calls[3].substr(0, 9), "append 3 ");
}

TEST_F(HistoryWriterTest, AddressesThatDoNotMatchExactlyGetRecordsOfTheirOwn)
{
    const std::string longUrl = "http://a.com/" + std::string(190, 'p');
    for (const std::string& url :
        { std::string("http://a.com/X"), std::string("http://a.com/x"), // case differs
            longUrl, longUrl, // cut to 192 when stored, so never matches again
            std::string("http://a.com/\xE4\xB8\xAD"), // stored as "?", never read back as itself
            std::string("http://a.com/\xE4\xB8\xAD") })
        visit("T", url);
    const auto recs = records();
    ASSERT_EQ(recs.size(), 6u);
    EXPECT_EQ(recs[2].Url, longUrl.substr(0, 192));
    EXPECT_EQ(recs[4].Url, "http://a.com/?");

    visit("T", "http://a.com/caf\xC3\xA9"); // é is Windows-1252 0xE9
    visit("T", "http://a.com/caf\xC3\xA9");
    EXPECT_EQ(records().size(), 7u);
    EXPECT_EQ(records().back().Hits, 2);
}

TEST_F(HistoryWriterTest, StoredAddressWithBlanksAroundItStillMatches)
{
    const Bytes padded = encodeHistoryRecord(record("zzz"));
    Bytes withBlanks = padded;
    const std::string field = "   http://a.com/";
    std::copy(field.begin(), field.end(), withBlanks.begin() + 128);
    writeBytes(file(), padded + withBlanks);

    visit("New", "http://a.com/");
    const auto recs = records();
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[1].Hits, 2);
    EXPECT_EQ(m_today.calls, (std::vector<std::string> { "hits 2 2" }));
}

TEST_F(HistoryWriterTest, FindsAMatchBeyondTheFirstReadChunk)
{
    Bytes content;
    for (int i = 0; i < 600; ++i) {
        const Bytes one = encodeHistoryRecord(record("http://a.com/" + std::to_string(i)));
        content.insert(content.end(), one.begin(), one.end());
    }
    writeBytes(file(), content);
    visit("T", "http://a.com/519");
    visit("T", "http://a.com/599");
    const auto recs = records();
    ASSERT_EQ(recs.size(), 600u);
    EXPECT_EQ(recs[519].Hits, 2);
    EXPECT_EQ(recs[599].Hits, 2);
    EXPECT_EQ(m_today.calls, (std::vector<std::string> { "hits 520 2", "hits 600 2" }));
}

TEST_F(HistoryWriterTest, VisitCountsInAPartialLastRecord)
{
    const Bytes first = encodeHistoryRecord(record("http://a.com/0"));
    const Bytes whole = encodeHistoryRecord(record("http://a.com/1"));
    // The last record stops inside its Url field; the missing bytes read as blanks.
    writeBytes(file(), first + Bytes(whole.begin(), whole.begin() + 300));
    visit("T", "http://a.com/1");
    EXPECT_EQ(readBytes(file()).size(), 812u);
    EXPECT_EQ(records().at(1).Hits, 2);
    EXPECT_EQ(m_today.calls, (std::vector<std::string> { "hits 2 2" }));

    writeBytes(file(), Bytes(whole.begin(), whole.begin() + 300));
    visit("T", "http://a.com/1");
    EXPECT_EQ(records().at(0).Hits, 2);
}

TEST_F(HistoryWriterTest, TitleIsNoTitleWhenEmptyAndCutTo116)
{
    visit("", "http://a.com/1");
    visit(std::string(120, 't'), "http://a.com/2");
    const auto recs = records();
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[0].Title, "(no title)");
    EXPECT_EQ(recs[1].Title, std::string(116, 't'));
    EXPECT_EQ(m_today.calls[1].substr(0, 19), "append 1 (no title)");
}

TEST_F(HistoryWriterTest, WritesNothingWhenHistoryIsOffOrTheAddressIsEmpty)
{
    m_settings.HistoryDaysToKeep = 0;
    visit("A", "http://a.com/");
    m_settings.HistoryDaysToKeep = 7;
    visit("A", "");
    EXPECT_TRUE(std::filesystem::is_empty(m_history));
    EXPECT_TRUE(m_today.calls.empty());
}

TEST_F(HistoryWriterTest, AddressesWithoutHostAreNotRecorded)
{
    visit("A", "https://www.example.com/");
    visit("A", "about:blank");
    EXPECT_TRUE(records().empty());
    // The day file is opened (and so created) before the host is known.
    EXPECT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(m_today.calls, (std::vector<std::string> { "clear", "clear" }));
}

TEST_F(HistoryWriterTest, WorksWithoutAnOpenHistoryWindow)
{
    m_writer.AddHistoryEntry(m_settings, nullptr, "A", "http://a.com/");
    m_writer.AddHistoryEntry(m_settings, nullptr, "A", "http://a.com/");
    EXPECT_EQ(records().at(0).Hits, 2);
}

TEST_F(HistoryWriterTest, AMissingHistoryDirectoryOrADirectoryDayFileEndsTheCallSilently)
{
    std::filesystem::remove(m_history);
    visit("A", "http://a.com/");
    EXPECT_FALSE(std::filesystem::exists(m_history));
    std::filesystem::create_directories(file());
    visit("A", "http://a.com/");
    EXPECT_TRUE(std::filesystem::is_directory(file()));
    EXPECT_TRUE(m_today.calls.empty());
}

TEST_F(HistoryWriterTest, HitsAtTheLargestCountStayThere)
{
    writeBytes(file(), encodeHistoryRecord(record("http://a.com/", INT32_MAX)));
    visit("A", "http://a.com/");
    EXPECT_EQ(records().at(0).Hits, INT32_MAX);
    EXPECT_TRUE(m_today.calls.empty());
}

TEST_F(HistoryWriterTest, AppendAfterAPartialRecordKeepsWhatReadersSaw)
{
    const Bytes whole = encodeHistoryRecord(record("http://a.com/1"));
    // 300 bytes of a second record count as one more (1.59 rounds up): it is completed.
    writeBytes(file(), whole + Bytes(whole.begin(), whole.begin() + 300));
    const auto before = records();
    visit("B", "http://b.com/");
    EXPECT_EQ(readBytes(file()).size(), 3u * 512);
    const auto after = records();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[1], before[1]);
    EXPECT_EQ(after[2].Url, "http://b.com/");
    EXPECT_EQ(m_today.calls.back().substr(0, 9), "append 3 ");

    // 200 bytes are not counted (0.39 rounds down): the new record takes their place.
    writeBytes(file(), whole + Bytes(whole.begin(), whole.begin() + 200));
    visit("B", "http://b.com/");
    EXPECT_EQ(readBytes(file()).size(), 2u * 512);
    EXPECT_EQ(records().at(1).Url, "http://b.com/");
}
