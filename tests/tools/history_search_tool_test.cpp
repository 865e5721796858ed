#include "history/history_test_files.h"
#include "tool_fixture.h"

using namespace sgtest;
namespace fs = std::filesystem;

namespace {

// The shipped settings with 14 days of history kept, and day files for today, 3 days ago
// and 9 days ago.
class HistorySearchToolTest : public DataToolFixture {
protected:
    void SetUp() override
    {
        DataToolFixture::SetUp();
        ASSERT_EQ(run({ "settings", "set", "HistoryDaysToKeep", "14" }).code, 0);
        const fs::path history = m_dir / "History";
        fs::create_directory(history);
        const auto nine = sg::addDays(kToday, -9);
        const auto three = sg::addDays(kToday, -3);
        writeDay(history,
            { visit(nine, 2, "Radar Loop", "http://www.radar.example/loop"),
                visit(nine, 1, "News \"Front\"", "http://news.example/front") });
        writeDay(history, { visit(three, 5, "Radar Loop again", "http://www.radar.example/loop") });
        writeDay(history, { visit(kToday, 1, "Satellite", "http://www.radar.example/sat") });
    }

    ToolRun search(std::vector<std::string> args)
    {
        args.insert(args.begin(), { "history", "search" });
        return run(std::move(args));
    }
};

} // namespace

TEST_F(HistorySearchToolTest, PeriodsAreTheSelectorsItemsNewestFirst)
{
    const ToolRun r = run({ "history", "periods" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
        "[\"0-14 Days Ago\",\"0-6 Days Ago\",\"7-13 Days Ago\",\"0 Days Ago 12/05/2026 <>\","
        "\"3 Days Ago 12/02/2026 <>\",\"9 Days Ago 11/26/2026 <>\"]\n");

    ASSERT_EQ(run({ "settings", "set", "HistoryDaysToKeep", "0" }).code, 0);
    EXPECT_EQ(run({ "history", "periods" }).out, "[]\n");
    EXPECT_EQ(run({ "history", "periods", "extra" }).code, 2);
}

TEST_F(HistorySearchToolTest, DateSortPrintsTheHeaderAndTheRowsInListOrder)
{
    const ToolRun r = search({ "--period", "0-14 Days Ago", "--sort", "Date Sort" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
        "{\"header\":\"3 Page Titles\",\"rows\":["
        "{\"title\":\"Radar Loop\",\"hits\":\"2\",\"date\":\"Thu Nov 26 26\","
        "\"url\":\"http://www.radar.example/loop\"},"
        "{\"title\":\"News \\\"Front\\\"\",\"hits\":\"1\",\"date\":\"Thu Nov 26 26\","
        "\"url\":\"http://news.example/front\"},"
        "{\"title\":\"Satellite\",\"hits\":\"1\",\"date\":\"Sat Dec 05 26\","
        "\"url\":\"http://www.radar.example/sat\"}]}\n");

    const ToolRun dupes = search({ "--period", "3 Days Ago 12/02/2026 <>", "--sort", "Date Sort",
        "--dupes", "--show-time" });
    EXPECT_EQ(dupes.out,
        "{\"header\":\"1 Page Titles\",\"rows\":["
        "{\"title\":\"Radar Loop again\",\"hits\":\"5\",\"date\":\"Wed Dec 02 26 14:08:35\","
        "\"url\":\"http://www.radar.example/loop\"}]}\n");
}

TEST_F(HistorySearchToolTest, HostPagesAreTheHostsRecordsOverThePeriod)
{
    const ToolRun r = search({ "--period", "0-14 Days Ago", "--host", "radar.example", "--dupes" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("{\"header\":\"3 Page Titles\""), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("news.example"), std::string::npos);
}

// The texts of every refusal are checked with the History window's search checks.
TEST_F(HistorySearchToolTest, RefusesWithTheWindowsMessagesAndWrongWordsAreUsageErrors)
{
    const std::string noPeriod
        = "Can't Search...No Time Period Was Selected In The First Selector\n";
    ToolRun r = search({ "--sort", "Date Sort" });
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, noPeriod);
    EXPECT_EQ(r.out, "");
    // Only an item the selector holds can be chosen: no file lies 14-20 days back.
    EXPECT_EQ(search({ "--period", "14-20 Days Ago", "--sort", "Date Sort" }).err, noPeriod);
    EXPECT_EQ(search({ "--period", "0-14 Days Ago", "--sort", "date sort" }).err,
        "Can't Search...No Sort Order Was Selected In The Second Selector\n");
    fs::remove_all(m_dir / "History");
    EXPECT_EQ(search({ "--period", "0-14 Days Ago", "--sort", "Date Sort" }).err, noPeriod);
    EXPECT_EQ(search({ "--period" }).code, 2);
    EXPECT_EQ(search({ "--period", "0-14 Days Ago", "--colour", "red" }).code, 2);
}
