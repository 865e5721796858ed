// The History window's logic against a recording host: the Search button's checks and plan,
// opening and closing (placement, settings, purge), the Today list kept by the writer, the
// search state, the choice of rows and the pop-up menu.

#include "history/history_window_logic.h"
#include "history_test_files.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

class RecordingHost final : public HistoryWindowHost {
public:
    Strings messages; // each with "(modal)" while ModalWindowOpen was set
    Strings navigations;
    std::vector<HistoryRow> editorRows;
    std::vector<SearchPlan> searches;
    const bool* modal = nullptr;

    void showMessage(const std::string& text) override
    {
        messages.push_back(text + (*modal ? " (modal)" : ""));
    }
    void navigate(const std::string& address) override { navigations.push_back(address); }
    void openListEditor(const std::vector<HistoryRow>& rows) override { editorRows = rows; }
    void runSearch(const SearchPlan& plan) override { searches.push_back(plan); }
};

const HistoryRect kScreen { 0, 0, 24000, 15000 };
const std::string kRadar = "http://radar.example/loop";
const std::string kStorm = "http://storm.example/";
const std::string kTime = "Sat Dec 05 26 14:08:35";

class HistoryWindowLogicTest : public ::testing::Test {
protected:
    TempDir m_dir;
    Settings m_settings;
    ToolTipTexts m_tips = makeToolTipTexts(m_settings);
    FixedClock m_clock { kToday };
    bool m_modal = false;
    RecordingHost m_host;
    HistoryWindowLogic m_logic { { m_dir.path(), m_settings, m_tips, m_clock, m_modal, m_host } };

    HistoryWindowLogicTest()
    {
        m_settings.HistoryDaysToKeep = 7;
        m_host.modal = &m_modal;
        writeDay(m_dir.path(),
            { visit(addDays(kToday, -3), 1, "Old", "http://old.example/"),
                visit(addDays(kToday, -3), 1, "Old again", "http://old.example/") });
        writeDay(m_dir.path(), { visit(kToday, 4, "Radar", kRadar), visit(kToday, 1, "", kStorm) });
    }
    const HistoryWindowView& view() const { return m_logic.view(); }
    std::string refusal(
        std::optional<std::string> period, std::optional<std::string> sort, std::string text = {})
    {
        const auto planned = planSearch({ period, sort, text }, m_dir.path(), kToday);
        const auto* r = std::get_if<SearchRefusal>(&planned);
        return r ? r->message + (r->emptyTextBox ? " (emptied)" : "") : "";
    }
    // Ends the search the logic asked for as the worker would.
    void runSearch()
    {
        const SearchPlan plan = m_host.searches.back();
        m_logic.searchEnded(searchDayFiles(plan.files, plan.query, m_logic.cancelFlag()));
    }
};

} // namespace

TEST_F(HistoryWindowLogicTest, SearchChecksComeInOrderAndAPlanHoldsThePeriodsFiles)
{
    const std::string week = "0-6 Days Ago";
    const std::string noPeriod = "Can't Search...No Time Period Was Selected In The First Selector";
    const std::string noText = "Can't Search...No Text Was Entered In The Text Box (emptied)";
    const std::string tooShort
        = "Can't Search...Two Characters, Minimum, Should Entered In The Text Box";
    EXPECT_EQ(refusal(std::nullopt, "Titles Text Search", "radar"), noPeriod);
    EXPECT_EQ(refusal("", "Date Sort"), noPeriod);
    EXPECT_EQ(refusal(week, std::nullopt),
        "Can't Search...No Sort Order Was Selected In The Second Selector");
    EXPECT_EQ(refusal(week, "Titles Text Search", "   "), noText);
    EXPECT_EQ(refusal(week, "Both Text Search", ""), noText);
    EXPECT_EQ(refusal(week, "Url's Text Search", "a"), tooShort);
    EXPECT_EQ(refusal(week, "Url's Text Search", "\xC3\xA9"), tooShort); // é
    // The length counts the untrimmed text; sorts need no text at all.
    EXPECT_EQ(refusal(week, "Url's Text Search", " a"), "");
    EXPECT_EQ(refusal(week, "Host Sort"), "");

    const auto plan = std::get<SearchPlan>(
        planSearch({ "3 Days Ago 12/02/2026 <>", "Titles Text Search", " Old ", true, true },
            m_dir.path(), kToday));
    ASSERT_EQ(plan.files.size(), 1u);
    EXPECT_EQ(plan.files[0].path, m_dir / "SG_12022026.hiz");
    EXPECT_EQ(plan.query.text, " Old ");
    EXPECT_TRUE(plan.query.dupes && plan.query.showTime);
    EXPECT_EQ(
        std::get<SearchRefusal>(planHostPages("old.example", {}, m_dir.path(), kToday)).message,
        noPeriod);
}

TEST_F(HistoryWindowLogicTest, OpeningPurgesLoadsTodayAndTheSelectorsAndPlacesTheWindow)
{
    writeDay(m_dir.path(), { visit(addDays(kToday, -40), 1, "Gone", "http://gone.example/") });
    m_settings.HistoryShowTime = 1;
    m_settings.HistoryColumnWidths[0] = 3000;
    m_settings.HistoryLeft = 1500;
    m_settings.HistoryTop = 900;
    m_settings.HistoryWidth = 9000;
    m_settings.HistoryHeight = 2000; // below the least height
    const HistoryOpening opening = m_logic.open({ kScreen });

    EXPECT_EQ(opening.frame, (HistoryRect { 1500, 900, 9000, 3300 }));
    EXPECT_EQ(opening.columnWidths[0], 3000);
    EXPECT_EQ(namesIn(m_dir.path()), (Strings { "SG_12022026.hiz", "SG_12052026.hiz" }));
    EXPECT_EQ(view().today.rows,
        (std::vector<HistoryRow> { { "Radar", "4", kTime, kRadar }, { "", "1", kTime, kStorm } }));
    EXPECT_EQ(view().today.header, "2 Page Titles");
    EXPECT_EQ(view().periodItems.size(), 4u); // 0-7, 0-6, and the two days
    EXPECT_EQ(view().sort, std::size_t(SortItem::HostSort));
    EXPECT_TRUE(view().isChecked(HistoryCheck::ShowTime));
    EXPECT_NE(view().control(HistoryControl::PeriodSelector).toolTip, "");
    m_settings.ToolTipsOff = 1;
    m_logic.applyToolTips();
    EXPECT_EQ(view().control(HistoryControl::PeriodSelector).toolTip, "");

    // A place on no screen, or none stored, is centred on the first work area.
    m_settings.HistoryLeft = 90000;
    EXPECT_EQ(m_logic.open({ kScreen, { 24000, 0, 24000, 15000 } }).frame,
        (HistoryRect { 6300, 3450, 11400, 8100 }));
    m_settings.HistoryWidth = 0;
    EXPECT_EQ(
        m_logic.open({ { 0, 0, 6000, 4500 } }).frame, (HistoryRect { 622.5, 600, 4755, 3300 }));

    // A Today file that cannot be read is reported while the modal flag is up.
    fs::remove(m_dir / "SG_12052026.hiz");
    fs::create_directory(m_dir / "SG_12052026.hiz");
    m_logic.open({ kScreen });
    EXPECT_EQ(m_host.messages,
        (Strings { "An Error Occurred Opening File And Loading Today's List (modal)" }));
    EXPECT_FALSE(m_modal);
    EXPECT_TRUE(view().today.rows.empty());
}

TEST_F(HistoryWindowLogicTest, ClosingKeepsPlacementAndWidthsAndPurges)
{
    m_logic.open({ kScreen });
    const fs::path tomorrow
        = writeDay(m_dir.path(), { visit(addDays(kToday, 1), 1, "Next", "http://next/") });
    HistoryClosing closing { HistoryWindowState::Maximized, { 1, 2, 3, 4 }, {} };
    closing.columnWidthsPx[1] = 50;
    m_logic.close(closing);
    EXPECT_EQ(m_settings.HistoryWidth, 0); // not normal: the place stays as it was
    EXPECT_EQ(m_settings.HistoryColumnWidths[1], 750);
    EXPECT_FALSE(fs::exists(tomorrow));
    EXPECT_FALSE(m_logic.isOpen());
    m_logic.open({ kScreen });
    m_logic.close({ HistoryWindowState::Normal, { 150, 300, 6000, 4500 }, {} });
    EXPECT_EQ(m_settings.HistoryLeft, 150);
    EXPECT_EQ(m_settings.HistoryHeight, 4500);
    m_logic.open({ kScreen });
    m_logic.close({ HistoryWindowState::Minimized, {}, {} });
    EXPECT_EQ(m_settings.HistoryColumnWidths[1], 0); // widths of a minimized window stay
    EXPECT_EQ(m_settings.HistoryLeft, 150);
}

// Mended: a raised visit count was written to the wrong row once rows had been removed.
TEST_F(HistoryWindowLogicTest, TheWritersChangesFindTheirRowsAndScrollWithVisible)
{
    m_logic.open({ kScreen });
    m_logic.takeRowChanges(HistoryTab::Today);
    m_logic.removeFromList({ 0 });
    m_logic.setTodayHits(2, "2");
    m_logic.setTodayHits(1, "5"); // its row was removed
    m_logic.appendTodayItem(3, { "Sky", "1", kTime, "http://sky/" });
    EXPECT_EQ(view().today.rows,
        (std::vector<HistoryRow> {
            { "", "2", kTime, kStorm }, { "Sky", "1", kTime, "http://sky/" } }));
    EXPECT_EQ(view().today.header, "2 Page Titles");
    EXPECT_EQ(m_logic.takeRowChanges(HistoryTab::Today),
        (std::vector<RowsChange> { { RowsChange::Kind::Removed, 0, 0 },
            { RowsChange::Kind::Changed, 0, 0 }, { RowsChange::Kind::Appended, 1, 1 } }));
    EXPECT_FALSE(view().scrollTimerRunning);

    const unsigned scrolls = view().todayScroll.serial;
    m_logic.clickCheck(HistoryCheck::Visible, true);
    EXPECT_EQ(m_settings.HistoryKeepNewestVisible, 1);
    m_logic.appendTodayItem(4, { "Sea", "1", kTime, "http://sea/" });
    EXPECT_TRUE(view().scrollTimerRunning);
    m_logic.onScrollTimer();
    EXPECT_FALSE(view().scrollTimerRunning);
    EXPECT_EQ(view().todayScroll.serial, scrolls + 2); // the box, then the timer
    m_logic.clearTodayList();
    EXPECT_EQ(m_logic.takeRowChanges(HistoryTab::Today),
        (std::vector<RowsChange> { { RowsChange::Kind::Reset, 0, 0 } }));
}

TEST_F(HistoryWindowLogicTest, ChoosingARowNavigatesByTheClickTheBoxAsksFor)
{
    m_logic.open({ kScreen });
    m_logic.clickRow(HistoryTab::Today, 0, true);
    m_logic.doubleClickRow(HistoryTab::Today, 0, false); // the right button
    m_logic.doubleClickRow(HistoryTab::Today, 0, true);
    m_logic.clickCheck(HistoryCheck::OneClick, true);
    m_logic.clickRow(HistoryTab::Today, 1, false);
    m_logic.clickRow(HistoryTab::Today, 1, true);
    m_logic.doubleClickRow(HistoryTab::Today, 0, true);
    m_logic.navigateToSelected(0);
    EXPECT_EQ(m_host.navigations, (Strings { kRadar, kStorm, kRadar }));
    EXPECT_EQ(m_settings.HistoryOneClick, 1);

    m_logic.selectRow(HistoryTab::Today, 0);
    EXPECT_EQ(view().control(HistoryControl::TodayList).toolTip, "Radar");
    EXPECT_TRUE(m_logic.openPopUpMenu(HistoryTab::Today));
    EXPECT_FALSE(view().hostPagesItemVisible);
    EXPECT_FALSE(m_logic.openPopUpMenu(HistoryTab::SearchReturns)); // no rows
    m_logic.addSelectedToSiteSelector(1, { 1, 0 });
    EXPECT_EQ(m_host.editorRows, view().today.rows);
}

TEST_F(HistoryWindowLogicTest, ASearchSwapsTheControlsAndOnlyACompleteOneReplacesTheRows)
{
    m_logic.open({ kScreen });
    m_logic.onSearchClick();
    EXPECT_EQ(view().tab, HistoryTab::SearchReturns);
    EXPECT_FALSE(view().control(HistoryControl::SearchButton).enabled);
    EXPECT_FALSE(view().control(HistoryControl::DupesBox).enabled);
    EXPECT_TRUE(view().control(HistoryControl::CancelButton).enabled);
    EXPECT_TRUE(view().control(HistoryControl::Progress).visible);
    m_logic.onSearchClick(); // a running search is not started again
    EXPECT_EQ(m_host.searches.size(), 1u);
    runSearch();
    EXPECT_TRUE(view().control(HistoryControl::SearchButton).enabled);
    EXPECT_FALSE(view().control(HistoryControl::CancelButton).enabled);

    // Host List Only offers the pages of a host; the hand-off skips its header rows.
    m_logic.selectSort(std::size_t(SortItem::HostListOnly));
    m_logic.onSearchClick();
    runSearch();
    EXPECT_TRUE(m_logic.openPopUpMenu(HistoryTab::SearchReturns));
    EXPECT_TRUE(view().hostPagesItemVisible);
    m_logic.addSelectedToSiteSelector(0, { 0, 1, 2 });
    EXPECT_TRUE(m_host.editorRows.empty());
    m_logic.showSelectedHostPages(0); // old.example comes first
    EXPECT_EQ(m_host.searches.back().query.host, "old.example");
    runSearch();
    const auto shown = view().search.rows;
    EXPECT_EQ(shown.size(), 1u); // "Old" once: the repeat is a duplicate

    m_logic.onSearchClick();
    m_logic.onCancelClick();
    runSearch();
    m_logic.onSearchClick();
    m_logic.onCancelClick(); // the reading had ended, its rows were not shown yet
    m_logic.searchEnded({ SearchStatus::Complete, {} });
    m_logic.onSearchClick();
    m_logic.searchEnded({ SearchStatus::Failed, {} });
    EXPECT_EQ(view().search.rows, shown);
    EXPECT_EQ(m_host.messages,
        (Strings { "An Error Occurred Accessing Or Processing History Files (modal)" }));
    m_logic.removeFromList({ 0, 7 });
    EXPECT_TRUE(view().search.rows.empty());

    // A refused search shows its message and starts nothing.
    m_logic.selectSort(std::size_t(SortItem::TitlesTextSearch));
    m_logic.editSearchText("  ");
    m_logic.onSearchClick();
    EXPECT_EQ(m_host.messages.back(), "Can't Search...No Text Was Entered In The Text Box (modal)");
    EXPECT_EQ(view().searchText, "");
    EXPECT_EQ(m_host.searches.size(), 6u);
}

// The options window lowered the days to keep while the window was open.
TEST_F(HistoryWindowLogicTest, LoweredDaysPurgeAtOnceAndRefillOrEmptyTheLists)
{
    m_logic.open({ kScreen });
    m_logic.onSearchClick();
    runSearch();
    ASSERT_FALSE(view().search.rows.empty());
    m_settings.HistoryDaysToKeep = 1;
    m_logic.daysToKeepLowered();
    EXPECT_EQ(namesIn(m_dir.path()), Strings { "SG_12052026.hiz" });
    EXPECT_EQ(view().periodItems.size(), 3u); // 0-1, 0-0 and today
    EXPECT_EQ(view().today.rows.size(), 2u);

    // History off: the lists, the period selector and the search text are emptied.
    m_logic.editSearchText("radar");
    m_settings.HistoryDaysToKeep = 0;
    m_logic.daysToKeepLowered();
    EXPECT_EQ(namesIn(m_dir.path()), Strings {});
    EXPECT_TRUE(view().today.rows.empty() && view().search.rows.empty());
    EXPECT_TRUE(view().periodItems.empty() && view().searchText.empty());
    EXPECT_EQ(view().today.header + "|" + view().search.header, "Page Titles|Page Titles");
}
