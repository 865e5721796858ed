#include "data_tool.h"
#include "history/history_record.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace sgtest;
namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

const sg::LocalDateTime kToday { 2026, 12, 5, 14, 8, 35 };

sg::Bytes record(
    const sg::LocalDateTime& at, int hits, const std::string& title, const std::string& url)
{
    sg::HistoryRecord r;
    r.setVisitDateTime(at);
    r.Hits = hits;
    r.Title = title;
    r.Url = url;
    r.Host = sg::historyHost(url);
    return sg::encodeHistoryRecord(r);
}

// The shipped settings with 14 days of history kept, and day files for today, 3 days ago
// and 9 days ago.
class HistorySearchToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(
            fs::path(SKYGLASS_SOURCE_DIR) / "data" / "Skyglass.ini", m_dir / "Skyglass.ini");
        ASSERT_EQ(run({ "settings", "set", "HistoryDaysToKeep", "14" }).code, 0);
        fs::create_directory(m_dir / "History");
        const auto nine = sg::addDays(kToday, -9);
        const auto three = sg::addDays(kToday, -3);
        writeBytes(m_dir / "History" / sg::dayFileName(nine),
            record(nine, 2, "Radar Loop", "http://www.radar.example/loop")
                + record(nine, 1, "News \"Front\"", "http://news.example/front"));
        writeBytes(m_dir / "History" / sg::dayFileName(three),
            record(three, 5, "Radar Loop again", "http://www.radar.example/loop"));
        writeBytes(m_dir / "History" / sg::dayFileName(kToday),
            record(kToday, 1, "Satellite", "http://www.radar.example/sat"));
    }

    ToolRun run(std::vector<std::string> args)
    {
        args.insert(
            args.begin(), { "--data-dir", m_dir.path().string(), "--now", "2026-12-05 14:08:35" });
        std::ostringstream out, err;
        const int code = sg::tool::runDataTool(args, "/nonexistent", out, err);
        return { code, out.str(), err.str() };
    }
    ToolRun search(std::vector<std::string> args)
    {
        args.insert(args.begin(), { "history", "search" });
        return run(std::move(args));
    }

    TempDir m_dir;
};

const std::string kDots47(47, '.');
const std::string kDots141(141, '.');

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

TEST_F(HistorySearchToolTest, HostRowsCarryTheirDotsAndHostPagesFollow)
{
    ToolRun r = search({ "--period", "0-6 Days Ago", "--sort", "Host List Only" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
        "{\"header\":\"0 Page Titles    1 Hosts\",\"rows\":[{\"title\":\"......radar.example"
            + kDots141 + "\",\"hits\":\"" + kDots47 + "\",\"date\":\"" + kDots47
            + "\",\"url\":\"\"}]}\n");

    r = search({ "--period", "0-14 Days Ago", "--host", "radar.example", "--dupes" });
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("{\"header\":\"3 Page Titles\""), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("news.example"), std::string::npos);
}

TEST_F(HistorySearchToolTest, RefusesWithTheWindowsMessages)
{
    const std::string noPeriod
        = "Can't Search...No Time Period Was Selected In The First Selector\n";
    ToolRun r = search({ "--sort", "Date Sort" });
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, noPeriod);
    EXPECT_EQ(r.out, "");
    // Only an item the selector holds can be chosen: no file lies 14-20 days back.
    EXPECT_EQ(search({ "--period", "14-20 Days Ago", "--sort", "Date Sort" }).err, noPeriod);
    EXPECT_EQ(search({ "--period", "0-14 Days Ago" }).err,
        "Can't Search...No Sort Order Was Selected In The Second Selector\n");
    EXPECT_EQ(search({ "--period", "0-14 Days Ago", "--sort", "date sort" }).err,
        "Can't Search...No Sort Order Was Selected In The Second Selector\n");
    EXPECT_EQ(search({ "--period", "0-14 Days Ago", "--sort", "Titles Text Search" }).err,
        "Can't Search...No Text Was Entered In The Text Box\n");
    r = search({ "--period", "0-14 Days Ago", "--sort", "Url's Text Search", "--text", "x" });
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Can't Search...Two Characters, Minimum, Should Entered In The Text Box\n");

    fs::remove_all(m_dir / "History");
    EXPECT_EQ(search({ "--period", "0-14 Days Ago", "--sort", "Date Sort" }).err, noPeriod);
}

TEST_F(HistorySearchToolTest, WrongWordsAreUsageErrors)
{
    EXPECT_EQ(search({ "--period" }).code, 2);
    EXPECT_EQ(search({ "--period", "0-14 Days Ago", "--colour", "red" }).code, 2);
}
