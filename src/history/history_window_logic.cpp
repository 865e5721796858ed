#include "history/history_window_logic.h"

#include "common/erase_indices.h"
#include "common/file_io.h"
#include "common/program.h"
#include "common/record_codec.h"
#include "history/day_file_reader.h"
#include "history/history_periods.h"
#include "history/history_purge.h"
#include "history/history_record.h"

#include <algorithm>
#include <cerrno>

namespace sg {
namespace {

// The setting each check box keeps, in the boxes' order.
constexpr std::array<std::int16_t Settings::*, kHistoryCheckCount> kCheckSettings {
    &Settings::HistoryOneClick,
    &Settings::HistoryKeepNewestVisible,
    &Settings::HistoryShowDuplicates,
    &Settings::HistoryShowTime,
    &Settings::HistoryOnTop,
};

// Entries of the shared tool-tip table.
constexpr std::size_t kPeriodTip = 28;
constexpr std::size_t kSortTip = 29;
constexpr std::size_t kSearchTip = 30;
constexpr std::size_t kTextTip = 31;
constexpr std::size_t kOneClickTip = 33;
constexpr std::size_t kVisibleTip = 34;
constexpr std::size_t kDupesTip = 35;

// A window never placed yet is at most this large (twips), centred on the work area.
constexpr double kFirstWidth = 11400;
constexpr double kFirstHeight = 8100;

HistoryControl listControl(HistoryTab list)
{
    return list == HistoryTab::Today ? HistoryControl::TodayList : HistoryControl::SearchList;
}

bool overlaps(const HistoryRect& a, const HistoryRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height
        && b.top < a.top + a.height;
}

// The valid indices as blocks of neighbouring rows, the last block first, so that removing
// them in order leaves the indices of the blocks still to come unchanged.
std::vector<RowsChange> removedBlocks(std::vector<std::size_t> indices, std::size_t size)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::vector<RowsChange> blocks;
    for (std::size_t i : indices) {
        if (i >= size)
            break;
        if (!blocks.empty() && blocks.back().last + 1 == i)
            blocks.back().last = i;
        else
            blocks.push_back({ RowsChange::Kind::Removed, i, i });
    }
    std::reverse(blocks.begin(), blocks.end());
    return blocks;
}

} // namespace

TodayList loadTodayList(const std::filesystem::path& historyDir, const LocalDateTime& today,
    std::int32_t HistoryDaysToKeep)
{
    TodayList list;
    if (HistoryDaysToKeep == 0)
        return list;
    const auto path = dayFilePath(historyDir, today);
    const std::int32_t missing = FileMissing(path);
    if (missing == ENOENT || missing == ENOTDIR)
        return list;
    const bool read = missing == 0 && readDayRecords(path, [&](const HistoryRecord& r) {
        list.rows.push_back(
            { r.Title, std::to_string(r.Hits), FormatHistoryDate(r.visitDateTime(), true), r.Url });
    });
    if (!read) {
        list.rows.clear();
        list.error = std::string(kTodayListErrorMessage);
        return list;
    }
    return list;
}

HistoryWindowLogic::HistoryWindowLogic(HistoryWindowEnvironment env)
    : m_env(std::move(env))
{
    m_view.today.header = todayListHeader(0);
    m_view.search.header = "Page Titles";
    showSearchState();
}

std::vector<RowsChange> HistoryWindowLogic::takeRowChanges(HistoryTab list)
{
    return std::exchange(m_view.list(list).changes, {});
}

void HistoryWindowLogic::changed(HistoryTab list, RowsChange change)
{
    std::vector<RowsChange>& changes = m_view.list(list).changes;
    if (!changes.empty() && changes.front().kind == RowsChange::Kind::Reset)
        return;
    if (change.kind == RowsChange::Kind::Reset)
        changes.clear();
    changes.push_back(change);
}

// --- opening and closing --------------------------------------------------------------

HistoryOpening HistoryWindowLogic::open(const std::vector<HistoryRect>& workAreas)
{
    const Settings& s = m_env.settings;
    HistoryOpening opening { placement(workAreas), s.HistoryColumnWidths };
    m_view.tab = HistoryTab::Today;
    m_view.caption = "History List - " + std::string(kProgramTitle);
    applyListFont();
    purgeOldHistory();

    TodayList today = loadTodayList(m_env.historyDir, this->today(), s.HistoryDaysToKeep);
    m_view.today.rows = std::move(today.rows);
    m_view.today.header = todayListHeader(m_view.today.rows.size());
    m_todayRecords.resize(m_view.today.rows.size());
    for (std::size_t i = 0; i < m_todayRecords.size(); ++i)
        m_todayRecords[i] = i + 1;
    changed(HistoryTab::Today, { RowsChange::Kind::Reset });
    if (today.error)
        showMessage(*today.error);

    loadPeriodSelector();
    m_view.sort = static_cast<std::size_t>(SortItem::HostSort);
    for (std::size_t i = 0; i < kHistoryCheckCount; ++i)
        m_view.checked[i] = s.*kCheckSettings[i] != 0;
    m_view.onTop = m_view.isChecked(HistoryCheck::OnTop);
    applyToolTips();
    if (m_view.isChecked(HistoryCheck::Visible))
        scrollToday(std::nullopt);
    m_open = true;
    return opening;
}

HistoryRect HistoryWindowLogic::placement(const std::vector<HistoryRect>& workAreas) const
{
    const Settings& s = m_env.settings;
    HistoryRect frame { s.HistoryLeft, s.HistoryTop, s.HistoryWidth, s.HistoryHeight };
    const bool stored = s.HistoryWidth > 0 && s.HistoryHeight > 0;
    const bool onScreen = std::any_of(workAreas.begin(), workAreas.end(),
        [&](const HistoryRect& area) { return overlaps(area, frame); });
    // Never placed yet, or placed on a screen that is no longer there.
    if ((!stored || !onScreen) && !workAreas.empty()) {
        const HistoryRect& work = workAreas.front();
        frame.width = std::max(kHistoryMinWidth, std::min(kFirstWidth, work.width * 3 / 5));
        frame.height = std::max(kHistoryMinHeight, std::min(kFirstHeight, work.height * 3 / 5));
        frame.left = work.left + (work.width - frame.width) / 2;
        frame.top = work.top + (work.height - frame.height) / 2;
    }
    frame.width = std::max(frame.width, kHistoryMinWidth);
    frame.height = std::max(frame.height, kHistoryMinHeight);
    return frame;
}

void HistoryWindowLogic::close(const HistoryClosing& closing)
{
    m_cancel = true;
    m_view.scrollTimerRunning = false;
    if (!m_open)
        return;
    Settings& s = m_env.settings;
    if (closing.state == HistoryWindowState::Normal) {
        s.HistoryLeft = static_cast<float>(closing.frame.left);
        s.HistoryTop = static_cast<float>(closing.frame.top);
        s.HistoryWidth = static_cast<float>(closing.frame.width);
        s.HistoryHeight = static_cast<float>(closing.frame.height);
    }
    if (closing.state != HistoryWindowState::Minimized) {
        for (std::size_t i = 0; i < s.HistoryColumnWidths.size(); ++i)
            s.HistoryColumnWidths[i] = static_cast<float>(closing.columnWidthsPx[i] * 15);
    }
    purgeOldHistory();
    m_open = false;
}

// --- procedures called by name --------------------------------------------------------

void HistoryWindowLogic::purgeOldHistory()
{
    const std::int32_t days = m_env.settings.HistoryDaysToKeep;
    if (days == 0) {
        clearTodayList();
        m_view.periodItems.clear();
        m_view.period.reset();
        m_view.searchText.clear();
    }
    purgeDayFiles(m_env.historyDir, today(), days);
}

void HistoryWindowLogic::daysToKeepLowered()
{
    purgeOldHistory();
    if (m_env.settings.HistoryDaysToKeep > 0) {
        loadPeriodSelector();
        return;
    }
    m_view.search.rows.clear();
    m_view.search.header = "Page Titles";
    m_current[1].reset();
    changed(HistoryTab::SearchReturns, { RowsChange::Kind::Reset });
    showListToolTip(HistoryTab::SearchReturns);
}

void HistoryWindowLogic::loadPeriodSelector()
{
    m_view.periodItems
        = periodSelectorItems(m_env.historyDir, m_env.settings.HistoryDaysToKeep, today());
    m_view.period = m_view.periodItems.empty() ? std::nullopt : std::optional<std::size_t>(0);
}

void HistoryWindowLogic::applyListFont()
{
    const Settings& s = m_env.settings;
    m_view.font = { s.FontName, s.FontSize, s.FontBold };
}

void HistoryWindowLogic::applyToolTips()
{
    const auto tip
        = [&](std::size_t entry) { return toolTipsOn() ? m_env.toolTips[entry] : std::string(); };
    m_view.control(HistoryControl::PeriodSelector).toolTip = tip(kPeriodTip);
    m_view.control(HistoryControl::SortSelector).toolTip = tip(kSortTip);
    m_view.control(HistoryControl::SearchButton).toolTip = tip(kSearchTip);
    m_view.control(HistoryControl::SearchText).toolTip = tip(kTextTip);
    m_view.control(HistoryControl::OneClickBox).toolTip = tip(kOneClickTip);
    m_view.control(HistoryControl::VisibleBox).toolTip = tip(kVisibleTip);
    m_view.control(HistoryControl::DupesBox).toolTip = tip(kDupesTip);
    showListToolTip(HistoryTab::Today);
    showListToolTip(HistoryTab::SearchReturns);
}

// --- the Today list -------------------------------------------------------------------

void HistoryWindowLogic::clearTodayList()
{
    m_view.today.rows.clear();
    m_view.today.header = todayListHeader(0);
    m_todayRecords.clear();
    m_current[0].reset();
    changed(HistoryTab::Today, { RowsChange::Kind::Reset });
    showListToolTip(HistoryTab::Today);
}

void HistoryWindowLogic::setTodayHits(std::size_t n, const std::string& hits)
{
    // The row of record n, also after rows before it were removed from the list.
    const auto it = std::lower_bound(m_todayRecords.begin(), m_todayRecords.end(), n);
    if (it == m_todayRecords.end() || *it != n)
        return;
    const auto row = static_cast<std::size_t>(it - m_todayRecords.begin());
    m_view.today.rows[row].hits = hits;
    changed(HistoryTab::Today, { RowsChange::Kind::Changed, row, row });
    if (m_view.isChecked(HistoryCheck::Visible))
        scrollToday(row);
}

void HistoryWindowLogic::appendTodayItem(std::size_t n, const TodayItem& item)
{
    m_view.today.rows.push_back({ item.title, item.hits, item.date, item.url });
    m_todayRecords.push_back(n);
    const std::size_t row = m_view.today.rows.size() - 1;
    m_view.today.header = todayListHeader(row + 1);
    changed(HistoryTab::Today, { RowsChange::Kind::Appended, row, row });
    if (m_view.isChecked(HistoryCheck::Visible))
        m_view.scrollTimerRunning = true;
}

void HistoryWindowLogic::onScrollTimer()
{
    m_view.scrollTimerRunning = false;
    scrollToday(std::nullopt);
}

void HistoryWindowLogic::scrollToday(std::optional<std::size_t> row)
{
    m_view.todayScroll = { m_view.todayScroll.serial + 1, row };
}

// --- controls -------------------------------------------------------------------------

void HistoryWindowLogic::selectTab(HistoryTab tab)
{
    m_view.tab = tab;
}

void HistoryWindowLogic::selectPeriod(std::optional<std::size_t> index)
{
    m_view.period = index;
}

void HistoryWindowLogic::selectSort(std::optional<std::size_t> index)
{
    m_view.sort = index;
}

void HistoryWindowLogic::editSearchText(std::string text)
{
    m_view.searchText = std::move(text);
}

void HistoryWindowLogic::clickCheck(HistoryCheck check, bool on)
{
    const auto i = static_cast<std::size_t>(check);
    m_view.checked[i] = on;
    m_env.settings.*kCheckSettings[i] = on ? 1 : 0;
    if (check == HistoryCheck::Visible && on)
        onScrollTimer();
    if (check == HistoryCheck::OnTop)
        m_view.onTop = on;
}

// --- searching ------------------------------------------------------------------------

void HistoryWindowLogic::onSearchClick()
{
    if (!m_searchRunning)
        startSearch(planSearch(searchControls(), m_env.historyDir, today()));
}

SearchControls HistoryWindowLogic::searchControls() const
{
    SearchControls c;
    if (m_view.period && *m_view.period < m_view.periodItems.size())
        c.period = m_view.periodItems[*m_view.period];
    if (m_view.sort && *m_view.sort < kSortItemTexts.size())
        c.sort = std::string(kSortItemTexts[*m_view.sort]);
    c.text = m_view.searchText;
    c.dupes = m_view.isChecked(HistoryCheck::Dupes);
    c.showTime = m_view.isChecked(HistoryCheck::ShowTime);
    return c;
}

void HistoryWindowLogic::startSearch(const std::variant<SearchRefusal, SearchPlan>& planned)
{
    if (const auto* refusal = std::get_if<SearchRefusal>(&planned)) {
        if (refusal->emptyTextBox)
            m_view.searchText.clear();
        showMessage(refusal->message);
        return;
    }
    const SearchPlan& plan = std::get<SearchPlan>(planned);
    m_searchRunning = true;
    m_cancel = false;
    m_view.progressDone = 0;
    m_view.progressTotal = std::max<std::size_t>(1, plan.files.size());
    m_view.tab = HistoryTab::SearchReturns;
    showSearchState();
    m_env.host.runSearch(plan);
}

void HistoryWindowLogic::searchProgress(std::size_t done, std::size_t total)
{
    m_view.progressDone = done;
    m_view.progressTotal = std::max<std::size_t>(1, total);
}

void HistoryWindowLogic::searchEnded(SearchOutcome outcome)
{
    if (!m_searchRunning)
        return;
    m_searchRunning = false;
    // A cancelled or failed search leaves the list as it was; Cancel clicked after the
    // reading ended but before its rows were shown cancels too.
    if (m_cancel && outcome.status == SearchStatus::Complete)
        outcome.status = SearchStatus::Cancelled;
    if (outcome.status == SearchStatus::Complete) {
        m_view.search.rows = std::move(outcome.result.rows);
        m_view.search.header = std::move(outcome.result.header);
        m_view.searchSortedByFirstColumn = outcome.result.sortedByFirstColumn;
        m_current[1].reset();
        changed(HistoryTab::SearchReturns, { RowsChange::Kind::Reset });
    }
    showSearchState();
    showListToolTip(HistoryTab::SearchReturns);
    if (outcome.status == SearchStatus::Failed)
        showMessage(kSearchErrorMessage);
}

void HistoryWindowLogic::showSearchState()
{
    for (HistoryControl c : { HistoryControl::PeriodSelector, HistoryControl::SortSelector,
             HistoryControl::SearchButton, HistoryControl::DupesBox })
        m_view.control(c).enabled = !m_searchRunning;
    m_view.control(HistoryControl::CancelButton).enabled = m_searchRunning;
    m_view.control(HistoryControl::Progress).visible = m_searchRunning;
    m_view.hostPagesItemEnabled = !m_searchRunning;
}

// --- rows: choosing, tool tips, the pop-up menu ---------------------------------------

void HistoryWindowLogic::selectRow(HistoryTab list, std::optional<std::size_t> row)
{
    m_current[static_cast<std::size_t>(list)] = row;
    showListToolTip(list);
}

void HistoryWindowLogic::showListToolTip(HistoryTab list)
{
    const auto row = m_current[static_cast<std::size_t>(list)];
    const auto& rows = m_view.list(list).rows;
    m_view.control(listControl(list)).toolTip
        = toolTipsOn() && row && *row < rows.size() ? rows[*row].title : std::string();
}

void HistoryWindowLogic::clickRow(HistoryTab list, std::size_t row, bool leftButton)
{
    // After a right-button press the click belongs to the pop-up menu.
    if (leftButton && m_view.isChecked(HistoryCheck::OneClick))
        navigateTo(list, row);
}

void HistoryWindowLogic::doubleClickRow(HistoryTab list, std::size_t row, bool leftButton)
{
    if (leftButton && !m_view.isChecked(HistoryCheck::OneClick))
        navigateTo(list, row);
}

void HistoryWindowLogic::navigateTo(HistoryTab list, std::size_t row)
{
    const auto& rows = m_view.list(list).rows;
    // Host header rows carry no address.
    if (row < rows.size() && !rows[row].url.empty())
        m_env.host.navigate(rows[row].url);
}

bool HistoryWindowLogic::openPopUpMenu(HistoryTab list)
{
    if (m_view.list(list).rows.empty())
        return false;
    m_view.hostPagesItemVisible
        = list == HistoryTab::SearchReturns && m_view.searchSortedByFirstColumn;
    return true;
}

void HistoryWindowLogic::navigateToSelected(std::optional<std::size_t> row)
{
    if (row)
        navigateTo(m_view.tab, *row);
}

void HistoryWindowLogic::addSelectedToSiteSelector(
    std::optional<std::size_t> row, const std::vector<std::size_t>& selected)
{
    const auto& rows = m_view.list(m_view.tab).rows;
    if (!row || *row >= rows.size() || rows[*row].url.empty())
        return;
    std::vector<std::size_t> order = selected;
    std::sort(order.begin(), order.end());
    std::vector<HistoryRow> pages;
    for (std::size_t i : order) {
        if (i < rows.size() && !rows[i].url.empty())
            pages.push_back(rows[i]);
    }
    if (!pages.empty())
        m_env.host.openListEditor(pages);
}

void HistoryWindowLogic::removeFromList(const std::vector<std::size_t>& selected)
{
    const HistoryTab list = m_view.tab;
    HistoryListView& shown = m_view.list(list);
    for (const RowsChange& block : removedBlocks(selected, shown.rows.size()))
        changed(list, block);
    // The day files are not changed.
    eraseIndices(shown.rows, selected);
    if (list == HistoryTab::Today)
        eraseIndices(m_todayRecords, selected);
    m_current[static_cast<std::size_t>(list)].reset();
    showListToolTip(list);
}

void HistoryWindowLogic::showSelectedHostPages(std::optional<std::size_t> row)
{
    const auto& rows = m_view.search.rows;
    if (!row || *row >= rows.size() || m_searchRunning)
        return;
    const auto host = hostOfHeaderRow(rows[*row]);
    if (!host)
        return;
    startSearch(planHostPages(*host, searchControls(), m_env.historyDir, today()));
}

void HistoryWindowLogic::showMessage(std::string_view text)
{
    // ModalWindowOpen is set while the box is up, then given back as it was.
    const bool was = m_env.ModalWindowOpen;
    m_env.ModalWindowOpen = true;
    m_env.host.showMessage(std::string(text));
    m_env.ModalWindowOpen = was;
}

} // namespace sg
