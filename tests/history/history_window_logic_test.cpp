// The History window's logic against a recording host: the Search button's checks and plan,
// opening and closing (placement, settings, purge), the Today list kept by the writer, the
// search state, the choice of rows and the pop-up menu.

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

std::optional<SearchRefusal> refusalFor(const SearchControls& c, const fs::path& dir)
{
    const auto planned = planSearch(c, dir, kToday);
    if (const auto* r = std::get_if<SearchRefusal>(&planned))
        return *r;
    return std::nullopt;
}

class RecordingHost final : public HistoryWindowHost {
public:
    std::vector<std::string> messages;
    std::vector<bool> modalDuringMessage;
    std::vector<std::string> navigations;
    std::vector<HistoryRow> editorRows;
    std::vector<SearchPlan> searches;
    const bool* modal = nullptr;

    void showMessage(const std::string& text) override
    {
        messages.push_back(text);
        modalDuringMessage.push_back(*modal);
    }
    void navigate(const std::string& address) override { navigations.push_back(address); }
    void openListEditor(const std::vector<HistoryRow>& rows) override { editorRows = rows; }
    void runSearch(const SearchPlan& plan) override { searches.push_back(plan); }
};

const HistoryRect kScreen { 0, 0, 24000, 15000 };
const std::string kRadar = "http://radar.example/loop";
const std::string kStorm = "http://storm.example/";

class HistoryWindowLogicTest : public ::testing::Test {
protected:
    TempDir m_dir;
    Settings m_settings;
    ToolTipTexts m_tips;
    FixedClock m_clock { kToday };
    bool m_modal = false;
    RecordingHost m_host;
    HistoryWindowLogic m_logic { { m_dir.path(), m_settings, m_tips, m_clock, m_modal, m_host } };

    HistoryWindowLogicTest()
    {
        m_settings.HistoryDaysToKeep = 7;
        m_tips = makeToolTipTexts(m_settings);
        m_host.modal = &m_modal;
        writeDay(m_dir.path(),
            { visit(addDays(kToday, -3), 1, "Old", "http://old.example/"),
                visit(addDays(kToday, -3), 1, "Old again", "http://old.example/") });
        writeDay(m_dir.path(), { visit(kToday, 4, "Radar", kRadar), visit(kToday, 1, "", kStorm) });
    }
    const HistoryWindowView& view() const { return m_logic.view(); }
    // Ends the search the logic asked for as the worker would.
    void runSearch()
    {
        ASSERT_FALSE(m_host.searches.empty());
        const SearchPlan plan = m_host.searches.back();
        m_logic.searchEnded(searchDayFiles(plan.files, plan.query, m_logic.cancelFlag()));
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
    const fs::path dir = m_dir.path();
    EXPECT_EQ(refusalFor(controls(std::nullopt, std::nullopt), dir), noPeriod);
    EXPECT_EQ(refusalFor(controls(std::nullopt, "Titles Text Search", "radar"), dir), noPeriod);
    EXPECT_EQ(refusalFor(controls("", "Date Sort"), dir), noPeriod);
    EXPECT_EQ(refusalFor(controls(week, std::nullopt), dir),
        (SearchRefusal {
            "Can't Search...No Sort Order Was Selected In The Second Selector", false }));
    EXPECT_EQ(refusalFor(controls(week, "Titles Text Search", "   "), dir), noText);
    EXPECT_EQ(refusalFor(controls(week, "Both Text Search", ""), dir), noText);
    EXPECT_EQ(refusalFor(controls(week, "Url's Text Search", "a"), dir), tooShort);
    EXPECT_EQ(refusalFor(controls(week, "Url's Text Search", "\xC3\xA9"), dir), tooShort); // é
    // The length counts the untrimmed text; sorts need no text at all.
    EXPECT_EQ(refusalFor(controls(week, "Url's Text Search", " a"), dir), std::nullopt);
    EXPECT_EQ(refusalFor(controls(week, "Host Sort", ""), dir), std::nullopt);
}

TEST_F(HistoryWindowLogicTest, APlanHoldsThePeriodsFilesAndTheQuery)
{
    SearchControls c = controls("3 Days Ago 12/02/2026 <>", "Titles Text Search", " Old ");
    c.dupes = true;
    c.showTime = true;
    const auto plan = std::get<SearchPlan>(planSearch(c, m_dir.path(), kToday));
    ASSERT_EQ(plan.files.size(), 1u);
    EXPECT_EQ(plan.files[0].path, m_dir / "SG_12022026.hiz");
    EXPECT_EQ(plan.query.sort, SortItem::TitlesTextSearch);
    EXPECT_EQ(plan.query.text, " Old ");
    EXPECT_TRUE(plan.query.dupes && plan.query.showTime);
    EXPECT_EQ(std::get<SearchPlan>(planSearch(controls("0-2 Days Ago", "Host Sort", "ignored"),
                                       m_dir.path(), kToday))
                  .query.text,
        "");
    const auto hosts = planHostPages(
        "old.example", controls("0-6 Days Ago", std::nullopt), m_dir.path(), kToday);
    EXPECT_EQ(std::get<SearchPlan>(hosts).query.host, "old.example");
    EXPECT_EQ(
        std::get<SearchRefusal>(planHostPages("old.example", controls(std::nullopt, std::nullopt),
                                    m_dir.path(), kToday))
            .message,
        kNoPeriodSelectedMessage);
}

TEST_F(HistoryWindowLogicTest, OpeningPurgesLoadsTodayAndTheSelectorsAndPlacesTheWindow)
{
    writeDay(m_dir.path(), { visit(addDays(kToday, -40), 1, "Gone", "http://gone.example/") });
    writeBytes(m_dir / "notes.txt", bytesOf("kept"));
    m_settings.HistoryShowTime = 1;
    m_settings.HistoryColumnWidths[0] = 3000;
    m_settings.FontName = "Arial";
    m_settings.HistoryLeft = 1500;
    m_settings.HistoryTop = 900;
    m_settings.HistoryWidth = 9000;
    m_settings.HistoryHeight = 2000; // below the least height
    const HistoryOpening opening = m_logic.open({ kScreen });

    EXPECT_EQ(opening.frame, (HistoryRect { 1500, 900, 9000, 3300 }));
    EXPECT_EQ(opening.columnWidths[0], 3000);
    EXPECT_FALSE(fs::exists(dayFilePath(m_dir.path(), addDays(kToday, -40))));
    EXPECT_TRUE(fs::exists(m_dir / "notes.txt"));
    EXPECT_EQ(view().caption, "History List - Skyglass2");
    EXPECT_EQ(view().font.name, "Arial");
    EXPECT_EQ(view().today.rows,
        (std::vector<HistoryRow> { { "Radar", "4", "Sat Dec 05 26 14:08:35", kRadar },
            { "", "1", "Sat Dec 05 26 14:08:35", kStorm } }));
    EXPECT_EQ(view().today.header, "2 Page Titles");
    EXPECT_EQ(view().periodItems.size(), 4u); // 0-7, 0-6, and the two days
    EXPECT_EQ(view().period, 0u);
    EXPECT_EQ(view().sort, std::size_t(SortItem::HostSort));
    EXPECT_TRUE(view().isChecked(HistoryCheck::ShowTime));
    EXPECT_FALSE(view().isChecked(HistoryCheck::OneClick));
    EXPECT_EQ(view().control(HistoryControl::PeriodSelector).toolTip,
        "Select The Time Period To Use In A Search");
    EXPECT_EQ(view().control(HistoryControl::DupesBox).toolTip,
        "If Checked, Search Return Will Show Any Duplicate Url's (On Different Days)");
    m_settings.ToolTipsOff = 1;
    m_logic.applyToolTips();
    EXPECT_EQ(view().control(HistoryControl::PeriodSelector).toolTip, "");
    EXPECT_TRUE(m_logic.isOpen());

    // A place on no screen, or none stored, is centred on the first work area.
    m_settings.HistoryLeft = 90000;
    EXPECT_EQ(m_logic.open({ kScreen, { 24000, 0, 24000, 15000 } }).frame,
        (HistoryRect { 6300, 3450, 11400, 8100 }));
    m_settings.HistoryWidth = 0;
    EXPECT_EQ(
        m_logic.open({ { 0, 0, 6000, 4500 } }).frame, (HistoryRect { 622.5, 600, 4755, 3300 }));
}

TEST_F(HistoryWindowLogicTest, ATodayFileThatCannotBeReadIsReportedWhileModal)
{
    const fs::path today = dayFilePath(m_dir.path(), kToday);
    fs::remove(today);
    fs::create_directory(today);
    m_logic.open({ kScreen });
    EXPECT_EQ(m_host.messages,
        (std::vector<std::string> { "An Error Occurred Opening File And Loading Today's List" }));
    EXPECT_EQ(m_host.modalDuringMessage, (std::vector<bool> { true }));
    EXPECT_FALSE(m_modal);
    EXPECT_TRUE(view().today.rows.empty());
}

TEST_F(HistoryWindowLogicTest, ClosingKeepsPlacementAndWidthsAndPurgesAFutureDay)
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
    EXPECT_TRUE(fs::exists(dayFilePath(m_dir.path(), kToday)));
    EXPECT_FALSE(m_logic.isOpen());

    m_logic.open({ kScreen });
    closing = { HistoryWindowState::Normal, { 150, 300, 6000, 4500 }, {} };
    m_logic.close(closing);
    EXPECT_EQ(m_settings.HistoryLeft, 150);
    EXPECT_EQ(m_settings.HistoryHeight, 4500);
    m_logic.open({ kScreen });
    m_logic.close({ HistoryWindowState::Minimized, {}, {} });
    EXPECT_EQ(m_settings.HistoryColumnWidths[1], 0); // widths of a minimized window stay
    EXPECT_EQ(m_settings.HistoryLeft, 150);

    // History off: the purge empties the lists, the period selector and the search text.
    m_logic.open({ kScreen });
    m_logic.editSearchText("radar");
    m_settings.HistoryDaysToKeep = 0;
    m_logic.purgeOldHistory();
    EXPECT_TRUE(view().today.rows.empty());
    EXPECT_TRUE(view().periodItems.empty());
    EXPECT_EQ(view().searchText, "");
    EXPECT_FALSE(fs::exists(dayFilePath(m_dir.path(), kToday)));
}

// Mended: a raised visit count was written to the wrong row once rows had been removed.
TEST_F(HistoryWindowLogicTest, TheWritersChangesFindTheirRowsAndScrollWithVisible)
{
    m_logic.open({ kScreen });
    m_logic.takeRowChanges(HistoryTab::Today);
    m_logic.removeFromList({ 0 });
    m_logic.setTodayHits(2, "2");
    EXPECT_EQ(view().today.rows,
        (std::vector<HistoryRow> { { "", "2", "Sat Dec 05 26 14:08:35", kStorm } }));
    m_logic.setTodayHits(1, "5"); // its row was removed
    m_logic.appendTodayItem(3, { "Sky", "1", "Sat Dec 05 26 15:00:00", "http://sky/" });
    EXPECT_EQ(view().today.header, "2 Page Titles");
    EXPECT_EQ(m_logic.takeRowChanges(HistoryTab::Today),
        (std::vector<RowsChange> { { RowsChange::Kind::Removed, 0, 0 },
            { RowsChange::Kind::Changed, 0, 0 }, { RowsChange::Kind::Appended, 1, 1 } }));
    EXPECT_FALSE(view().scrollTimerRunning);
    EXPECT_EQ(readDayFile(dayFilePath(m_dir.path(), kToday))->size(), 2u); // files stay

    const unsigned scrolls = view().todayScroll.serial;
    m_logic.clickCheck(HistoryCheck::Visible, true);
    EXPECT_EQ(m_settings.HistoryKeepNewestVisible, 1);
    EXPECT_EQ(view().todayScroll.serial, scrolls + 1);
    m_logic.appendTodayItem(4, { "Sea", "1", "Sat Dec 05 26 15:01:00", "http://sea/" });
    EXPECT_TRUE(view().scrollTimerRunning);
    m_logic.onScrollTimer();
    EXPECT_FALSE(view().scrollTimerRunning);
    EXPECT_EQ(view().todayScroll.serial, scrolls + 2);
    EXPECT_EQ(view().todayScroll.row, std::nullopt);
    m_logic.clearTodayList();
    EXPECT_EQ(m_logic.takeRowChanges(HistoryTab::Today),
        (std::vector<RowsChange> { { RowsChange::Kind::Reset, 0, 0 } }));
    EXPECT_EQ(view().today.header, "Page Titles");
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
    EXPECT_EQ(m_host.navigations, (std::vector<std::string> { kRadar, kStorm, kRadar }));
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
    EXPECT_EQ(view().search.header, "3 Page Titles    3 Hosts");
    EXPECT_EQ(m_logic.takeRowChanges(HistoryTab::SearchReturns),
        (std::vector<RowsChange> { { RowsChange::Kind::Reset, 0, 0 } }));

    // Host List Only offers the pages of a host; the hand-off skips its header rows.
    m_logic.selectSort(std::size_t(SortItem::HostListOnly));
    m_logic.onSearchClick();
    runSearch();
    EXPECT_TRUE(view().searchSortedByFirstColumn);
    EXPECT_TRUE(m_logic.openPopUpMenu(HistoryTab::SearchReturns));
    EXPECT_TRUE(view().hostPagesItemVisible);
    m_logic.addSelectedToSiteSelector(0, { 0, 1, 2 });
    EXPECT_TRUE(m_host.editorRows.empty());
    m_logic.showSelectedHostPages(0); // old.example, alphabetically first after its dots
    EXPECT_EQ(m_host.searches.back().query.host, "old.example");
    runSearch();
    EXPECT_EQ(view().search.rows.size(), 1u); // "Old" once: the repeat is a duplicate
    const auto shown = view().search.rows;

    m_logic.onSearchClick();
    m_logic.onCancelClick();
    runSearch();
    m_logic.onSearchClick();
    m_logic.searchEnded({ SearchStatus::Failed, {} });
    EXPECT_EQ(view().search.rows, shown);
    EXPECT_EQ(m_host.messages,
        (std::vector<std::string> { "An Error Occurred Accessing Or Processing History Files" }));
    m_logic.removeFromList({ 0, 7 });
    EXPECT_TRUE(view().search.rows.empty());

    // A refused search shows its message and starts nothing.
    m_logic.selectSort(std::size_t(SortItem::TitlesTextSearch));
    m_logic.editSearchText("  ");
    m_logic.onSearchClick();
    EXPECT_EQ(m_host.messages.back(), "Can't Search...No Text Was Entered In The Text Box");
    EXPECT_EQ(view().searchText, "");
    EXPECT_EQ(m_host.searches.size(), 5u);
}
