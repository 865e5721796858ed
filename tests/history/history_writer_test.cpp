#include "history/history_writer.h"
#include "history_test_files.h"

#include <climits>
#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;
using Calls = std::vector<std::string>;

namespace {

// Records every Today-list operation as one line.
class RecordingTodayList : public TodayListListener {
public:
    Calls calls;

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

class HistoryWriterTest : public ::testing::Test {
protected:
    TempDir m_dir;
    std::filesystem::path m_history = m_dir / "History";
    FixedClock m_clock { kToday };
    HistoryWriter m_writer { m_history, m_clock };
    HistoryWriterSettings m_settings { 7, false };
    RecordingTodayList m_today;

    void SetUp() override { std::filesystem::create_directory(m_history); }

    HistoryWrite add(const std::string& title, const std::string& url)
    {
        return m_writer.AddHistoryEntry(m_settings, &m_today, title, url);
    }
    std::filesystem::path file() const { return dayFilePath(m_history, kToday); }
    std::vector<HistoryRecord> records() const
    {
        return readDayFile(file()).value_or(std::vector<HistoryRecord> {});
    }
    std::vector<std::int32_t> hits() const
    {
        std::vector<std::int32_t> result;
        for (const HistoryRecord& r : records())
            result.push_back(r.Hits);
        return result;
    }
    // The stored bytes of an earlier visit.
    static Bytes stored(const std::string& url, std::int32_t hits = 1)
    {
        return encodeHistoryRecord(visit(kToday, hits, "old", url));
    }
};

} // namespace

TEST_F(HistoryWriterTest, FirstVisitOfTheDayCreatesTheFileAndClearsTheTodayListFirst)
{
    add("Radar", "http://www.Example.com:8080/radar");
    const Bytes expected = kTodayOle + Bytes { 0x01, 0x00, 0x00, 0x00 } + padded("Radar", 116)
        + padded("http://www.Example.com:8080/radar", 192) + padded("example.com:8080", 192);
    EXPECT_EQ(readBytes(m_history / "SG_12052026.hiz"), expected);
    EXPECT_EQ(m_today.calls,
        (Calls { "clear",
            "append 1 Radar|1|Sat Dec 05 26 14:08:35|http://www.Example.com:8080/radar" }));
}

TEST_F(HistoryWriterTest, RepeatedAddressRaisesHitsAndKeepsTheFirstVisitUnlessDuplicatesAreStored)
{
    add("First", "http://a.com/");
    add("", "http://b.com/");
    m_clock.set({ 2026, 12, 5, 15, 0, 0 });
    add("Second", "http://a.com/");
    add("Third", "http://a.com/");
    m_settings.StoreDuplicateUrls = true;
    add(std::string(120, 't'), "http://a.com/");

    const auto recs = records();
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(recs[0], visit(kToday, 3, "First", "http://a.com/"));
    EXPECT_EQ(recs[1].Title, "(no title)");
    EXPECT_EQ(recs[2].Title, std::string(116, 't'));
    EXPECT_EQ(hits(), (std::vector<std::int32_t> { 3, 1, 1 }));
    EXPECT_EQ(Calls(m_today.calls.begin() + 2, m_today.calls.end() - 1),
        (Calls { "append 2 (no title)|1|Sat Dec 05 26 14:08:35|http://b.com/", "hits 1 2",
            "hits 1 3" }));
    EXPECT_EQ(m_today.calls.back().substr(0, 9), "append 3 ");
}

TEST_F(HistoryWriterTest, AVisitFromMidnightOnStartsTheNewDaysFile)
{
    m_clock.set({ 2026, 12, 5, 23, 59, 59 });
    add("A", "http://a.com/");
    m_clock.set({ 2026, 12, 6, 0, 0, 0 });
    add("A", "http://a.com/");
    EXPECT_EQ(hits(), std::vector<std::int32_t> { 1 });
    EXPECT_EQ(readDayFile(m_history / "SG_12062026.hiz")->size(), 1u);
    EXPECT_EQ(m_today.calls[2], "clear");
}

TEST_F(HistoryWriterTest, AddressesThatDoNotMatchExactlyGetRecordsOfTheirOwn)
{
    const std::string longUrl = "http://a.com/" + std::string(190, 'p');
    for (const std::string& url :
        { std::string("http://a.com/X"), std::string("http://a.com/x"), // case differs
            longUrl, longUrl, // cut to 192 when stored, so never matches again
            std::string("http://a.com/\xE4\xB8\xAD"), // stored as "?", never read back as itself
            std::string("http://a.com/\xE4\xB8\xAD"),
            std::string("http://a.com/caf\xC3\xA9"), // é is Windows-1252 0xE9: matches
            std::string("http://a.com/caf\xC3\xA9") })
        add("T", url);
    const auto recs = records();
    ASSERT_EQ(recs.size(), 7u);
    EXPECT_EQ(recs[2].Url, longUrl.substr(0, 192));
    EXPECT_EQ(recs[4].Url, "http://a.com/?");
    EXPECT_EQ(recs[6].Hits, 2);
}

TEST_F(HistoryWriterTest, FindsAStoredAddressWithBlanksAroundItAndBeyondTheFirstReadChunk)
{
    Bytes withBlanks = stored("zzz");
    const std::string field = "   http://a.com/";
    std::copy(field.begin(), field.end(), withBlanks.begin() + 128);
    Bytes content = withBlanks;
    for (int i = 1; i < 600; ++i)
        content = content + stored("http://a.com/" + std::to_string(i));
    writeBytes(file(), content);
    add("New", "http://a.com/");
    add("T", "http://a.com/519");
    add("T", "http://a.com/599");
    const auto recs = records();
    ASSERT_EQ(recs.size(), 600u);
    EXPECT_EQ(recs[0].Hits + recs[519].Hits + recs[599].Hits, 6);
    EXPECT_EQ(m_today.calls, (Calls { "hits 1 2", "hits 520 2", "hits 600 2" }));
}

TEST_F(HistoryWriterTest, APartialLastRecordCountsByTheRoundingRuleAndIsCompletedOrReplaced)
{
    const Bytes whole = stored("http://a.com/1");
    // 300 bytes of a second record count as one more (1.59 rounds up): a visit matches it
    // (the missing bytes read as blanks), and an append completes it first.
    writeBytes(file(), whole + Bytes(whole.begin(), whole.begin() + 300));
    const auto before = records();
    add("T", "http://a.com/1");
    EXPECT_EQ(readBytes(file()).size(), 812u);
    EXPECT_EQ(hits(), (std::vector<std::int32_t> { 2, 1 }));
    add("B", "http://b.com/");
    EXPECT_EQ(readBytes(file()).size(), 3u * 512);
    const auto after = records();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[1].Url, before[1].Url);
    EXPECT_EQ(after[2].Url, "http://b.com/");
    EXPECT_EQ(m_today.calls, (Calls { "hits 1 2", m_today.calls.back() }));
    EXPECT_EQ(m_today.calls.back().substr(0, 9), "append 3 ");

    // 200 bytes are not counted (0.39 rounds down): the new record takes their place.
    writeBytes(file(), whole + Bytes(whole.begin(), whole.begin() + 200));
    add("B", "http://b.com/");
    EXPECT_EQ(readBytes(file()).size(), 2u * 512);
    EXPECT_EQ(records().at(1).Url, "http://b.com/");
}

TEST_F(HistoryWriterTest, VisitsTheRulesLeaveOutOrTheFilesRefuseWriteNothing)
{
    m_settings.HistoryDaysToKeep = 0;
    EXPECT_EQ(add("A", "http://a.com/"), HistoryWrite::NotRecorded);
    m_settings.HistoryDaysToKeep = 7;
    EXPECT_EQ(add("A", ""), HistoryWrite::NotRecorded);
    EXPECT_TRUE(std::filesystem::is_empty(m_history));
    // The day file is opened (and so created) before the host is known.
    EXPECT_EQ(add("A", "https://www.example.com/"), HistoryWrite::NotRecorded);
    EXPECT_EQ(add("A", "about:blank"), HistoryWrite::NotRecorded);
    EXPECT_TRUE(records().empty());
    EXPECT_EQ(m_today.calls, (Calls { "clear", "clear" }));

    m_today.calls.clear();
    writeBytes(file(), stored("http://a.com/", INT32_MAX));
    add("A", "http://a.com/");
    EXPECT_EQ(hits(), std::vector<std::int32_t> { INT32_MAX });
    std::filesystem::remove(file());
    std::filesystem::create_directories(file());
    EXPECT_EQ(add("A", "http://a.com/"), HistoryWrite::Failed);
    std::filesystem::remove_all(m_history);
    EXPECT_EQ(add("A", "http://a.com/"), HistoryWrite::Failed);
    EXPECT_FALSE(std::filesystem::exists(m_history));
    EXPECT_TRUE(m_today.calls.empty());
}

TEST_F(HistoryWriterTest, SecurePagesAreLoggedOnlyWhenSwitchedOnAndNoWindowIsNeeded)
{
    m_settings.LogSecurePages = true;
    for (int i = 0; i < 2; ++i)
        m_writer.AddHistoryEntry(m_settings, nullptr, "Bank", "https://www.bank.example/login");
    HistoryRecord expected = visit(kToday, 2, "Bank", "https://www.bank.example/login");
    expected.Host = "bank.example"; // a logged secure page keeps its host
    EXPECT_EQ(records(), std::vector<HistoryRecord> { expected });
}

TEST_F(HistoryWriterTest, ChangesByAnotherWriterAreNeverOverlooked)
{
    add("A", "http://a.com/");
    add("B", "http://b.com/"); // the writer now knows where each address is
    // The data tool logs a visit; then a program puts the two first records in another order.
    HistoryWriter other(m_history, m_clock);
    other.AddHistoryEntry(m_settings, nullptr, "C", "http://c.com/");
    add("C", "http://c.com/");
    const Bytes bytes = readBytes(file());
    const std::filesystem::path swapped = m_dir / "swapped";
    writeBytes(swapped,
        Bytes(bytes.begin() + 512, bytes.begin() + 1024) + Bytes(bytes.begin(), bytes.begin() + 512)
            + Bytes(bytes.begin() + 1024, bytes.end()));
    std::filesystem::rename(swapped, file());
    add("A", "http://a.com/");

    const auto recs = records();
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(recs[0].Url, "http://b.com/");
    EXPECT_EQ(recs[1].Url, "http://a.com/");
    EXPECT_EQ(recs[2].Url, "http://c.com/");
    EXPECT_EQ(hits(), (std::vector<std::int32_t> { 1, 2, 2 }));
}
