#include "history/history_window_logic.h"
#include "history_test_files.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

SearchControls controls(
    std::optional<std::string> period, std::optional<std::string> sort, std::string text = {})
{
    SearchControls c;
    c.period = std::move(period);
    c.sort = std::move(sort);
    c.text = std::move(text);
    return c;
}

class HistoryWindowLogicTest : public ::testing::Test {
protected:
    TempDir m_dir;

    void SetUp() override
    {
        writeDay(m_dir.path(),
            { visit(addDays(kToday, -3), 1, "Old", "http://old.example/"),
                visit(addDays(kToday, -3), 1, "Old again", "http://old.example/") });
    }
    std::optional<SearchRefusal> refusalFor(const SearchControls& c)
    {
        const auto planned = planSearch(c, m_dir.path(), kToday);
        if (const auto* r = std::get_if<SearchRefusal>(&planned))
            return *r;
        return std::nullopt;
    }
};

} // namespace

TEST_F(HistoryWindowLogicTest, SearchChecksComeInOrderWithTheirMessages)
{
    const std::string week = "0-6 Days Ago";
    const SearchRefusal noPeriod {
        "Can't Search...No Time Period Was Selected In The First Selector", false
    };
    const SearchRefusal noText { "Can't Search...No Text Was Entered In The Text Box", true };
    const SearchRefusal tooShort {
        "Can't Search...Two Characters, Minimum, Should Entered In The Text Box", false
    };
    EXPECT_EQ(refusalFor(controls(std::nullopt, std::nullopt)), noPeriod);
    EXPECT_EQ(refusalFor(controls(std::nullopt, "Titles Text Search", "radar")), noPeriod);
    EXPECT_EQ(refusalFor(controls("", "Date Sort")), noPeriod);
    EXPECT_EQ(refusalFor(controls(week, std::nullopt)),
        (SearchRefusal {
            "Can't Search...No Sort Order Was Selected In The Second Selector", false }));
    EXPECT_EQ(refusalFor(controls(week, "Titles Text Search", "   ")), noText);
    EXPECT_EQ(refusalFor(controls(week, "Both Text Search", "")), noText);
    EXPECT_EQ(refusalFor(controls(week, "Url's Text Search", "a")), tooShort);
    EXPECT_EQ(refusalFor(controls(week, "Url's Text Search", "\xC3\xA9")), tooShort); // é
    // The length counts the untrimmed text; sorts need no text at all.
    EXPECT_EQ(refusalFor(controls(week, "Url's Text Search", " a")), std::nullopt);
    EXPECT_EQ(refusalFor(controls(week, "Host Sort", "")), std::nullopt);
}

TEST_F(HistoryWindowLogicTest, APlanHoldsThePeriodsFilesAndTheQuery)
{
    SearchControls c = controls("3 Days Ago 12/02/2026 <>", "Titles Text Search", " Old ");
    c.dupes = true;
    c.showTime = true;
    auto planned = planSearch(c, m_dir.path(), kToday);
    ASSERT_TRUE(std::holds_alternative<SearchPlan>(planned));
    const SearchPlan& plan = std::get<SearchPlan>(planned);
    ASSERT_EQ(plan.files.size(), 1u);
    EXPECT_EQ(plan.files[0].path, m_dir / "SG_12022026.hiz");
    EXPECT_EQ(plan.query.sort, SortItem::TitlesTextSearch);
    EXPECT_EQ(plan.query.text, " Old ");
    EXPECT_TRUE(plan.query.dupes);
    EXPECT_TRUE(plan.query.showTime);

    c = controls("0-2 Days Ago", "Host Sort", "ignored");
    planned = planSearch(c, m_dir.path(), kToday);
    EXPECT_TRUE(std::get<SearchPlan>(planned).files.empty());
    EXPECT_EQ(std::get<SearchPlan>(planned).query.text, "");
}

TEST_F(HistoryWindowLogicTest, HostPagesNeedOnlyAPeriod)
{
    auto planned
        = planHostPages("old.example", controls(std::nullopt, std::nullopt), m_dir.path(), kToday);
    EXPECT_EQ(std::get<SearchRefusal>(planned).message, kNoPeriodSelectedMessage);
    planned = planHostPages(
        "old.example", controls("0-6 Days Ago", std::nullopt), m_dir.path(), kToday);
    const SearchPlan& plan = std::get<SearchPlan>(planned);
    EXPECT_EQ(plan.query.host, "old.example");
    std::atomic<bool> cancel { false };
    EXPECT_EQ(searchDayFiles(plan.files, plan.query, cancel).result.rows.size(), 1u);
}

TEST_F(HistoryWindowLogicTest, TodayListHoldsTodaysRecordsWithTheTimeOrReportsAFileThatCannotBeRead)
{
    EXPECT_EQ(loadTodayList(m_dir.path(), kToday, 7), (TodayList { {}, "Page Titles", {} }));
    writeDay(m_dir.path(),
        { visit(kToday, 4, "Radar", "http://radar.example/"),
            visit({ 2026, 12, 5, 15, 0, 1 }, 1, "", "http://b.example/") });
    const TodayList list = loadTodayList(m_dir.path(), kToday, 7);
    EXPECT_EQ(list.rows,
        (std::vector<HistoryRow> {
            { "Radar", "4", "Sat Dec 05 26 14:08:35", "http://radar.example/" },
            { "", "1", "Sat Dec 05 26 15:00:01", "http://b.example/" } }));
    EXPECT_EQ(list.header, "2 Page Titles");
    EXPECT_EQ(list.error, std::nullopt);
    EXPECT_TRUE(loadTodayList(m_dir.path(), kToday, 0).rows.empty());
    EXPECT_EQ(loadTodayList(m_dir / "missing", kToday, 7).error, std::nullopt);

    fs::remove(m_dir / "SG_12052026.hiz");
    fs::create_directory(m_dir / "SG_12052026.hiz");
    EXPECT_EQ(loadTodayList(m_dir.path(), kToday, 7),
        (TodayList {
            {}, "Page Titles", "An Error Occurred Opening File And Loading Today's List" }));
}

TEST(HistorySearchList, ARunningSearchSwapsTheControlsAndOnlyACompleteOneReplacesTheRows)
{
    HistorySearchList list;
    EXPECT_EQ(list.header(), "Page Titles");
    const SearchRows hosts { { hostHeaderRow("a.example"), hostHeaderRow("b.example") }, 2, true,
        "0 Page Titles    2 Hosts" };
    list.searchStarted();
    EXPECT_FALSE(list.searchControlsEnabled());
    EXPECT_TRUE(list.cancelEnabled());
    EXPECT_EQ(list.searchEnded({ SearchStatus::Complete, hosts }), std::nullopt);
    EXPECT_TRUE(list.searchControlsEnabled());
    EXPECT_FALSE(list.cancelEnabled());
    EXPECT_EQ(list.rows(), hosts.rows);
    EXPECT_TRUE(list.hostPagesMenuVisible());
    EXPECT_TRUE(list.sortedByFirstColumn());

    list.searchStarted();
    EXPECT_EQ(list.searchEnded({ SearchStatus::Cancelled, {} }), std::nullopt);
    EXPECT_FALSE(list.running());
    EXPECT_EQ(list.rows(), hosts.rows);
    EXPECT_EQ(list.header(), "0 Page Titles    2 Hosts");

    list.searchStarted();
    EXPECT_EQ(list.searchEnded({ SearchStatus::Failed, {} }),
        "An Error Occurred Accessing Or Processing History Files");
    EXPECT_EQ(list.rows(), hosts.rows);

    list.searchStarted();
    list.searchEnded({ SearchStatus::Complete, { {}, 0, false, "0 Page Titles" } });
    EXPECT_TRUE(list.rows().empty());
    EXPECT_FALSE(list.hostPagesMenuVisible());
}

TEST(HistorySearchList, RemovesRowsFromTheListOnly)
{
    HistorySearchList list;
    std::vector<HistoryRow> rows;
    for (const char* t : { "a", "b", "c", "d" })
        rows.push_back({ t, "1", "Sat Dec 05 26", std::string("http://") + t });
    list.searchEnded({ SearchStatus::Complete, { rows, 0, false, "4 Page Titles" } });
    list.removeRows({ 3, 1, 1, 9 });
    EXPECT_EQ(list.rows(), (std::vector<HistoryRow> { rows[0], rows[2] }));
}
