#include "history/history_window_logic.h"

#include "common/cp1252.h"
#include "common/erase_indices.h"
#include "common/file_io.h"
#include "common/record_codec.h"
#include "history/day_file_reader.h"
#include "history/history_record.h"

#include <algorithm>
#include <cerrno>

namespace sg {
namespace {

SearchRefusal refusal(std::string_view message, bool emptyTextBox = false)
{
    return { std::string(message), emptyTextBox };
}

std::optional<DayRange> selectedPeriod(const SearchControls& controls)
{
    return controls.period ? readPeriodItem(*controls.period) : std::nullopt;
}

} // namespace

std::variant<SearchRefusal, SearchPlan> planSearch(const SearchControls& controls,
    const std::filesystem::path& historyDir, const LocalDateTime& today)
{
    const auto period = selectedPeriod(controls);
    if (!period)
        return refusal(kNoPeriodSelectedMessage);
    const auto sort = controls.sort ? sortItemFromText(*controls.sort) : std::nullopt;
    if (!sort)
        return refusal(kNoSortSelectedMessage);
    if (isTextSearch(*sort)) {
        if (trimBlanks(controls.text).empty())
            return refusal(kNoSearchTextMessage, true);
        // One byte per character in the code page of the stored text.
        if (toCp1252(controls.text).size() < 2)
            return refusal(kSearchTextTooShortMessage);
    }
    SearchPlan plan;
    plan.files = dayFilesInPeriod(historyDir, *period, today);
    plan.query.sort = *sort;
    if (isTextSearch(*sort))
        plan.query.text = controls.text;
    plan.query.dupes = controls.dupes;
    plan.query.showTime = controls.showTime;
    return plan;
}

std::variant<SearchRefusal, SearchPlan> planHostPages(const std::string& host,
    const SearchControls& controls, const std::filesystem::path& historyDir,
    const LocalDateTime& today)
{
    const auto period = selectedPeriod(controls);
    if (!period)
        return refusal(kNoPeriodSelectedMessage);
    SearchPlan plan;
    plan.files = dayFilesInPeriod(historyDir, *period, today);
    plan.query.sort = SortItem::DateSort;
    plan.query.host = host;
    plan.query.dupes = controls.dupes;
    plan.query.showTime = controls.showTime;
    return plan;
}

TodayList loadTodayList(const std::filesystem::path& historyDir, const LocalDateTime& today,
    std::int32_t HistoryDaysToKeep)
{
    TodayList list;
    list.header = todayListHeader(0);
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
    list.header = todayListHeader(list.rows.size());
    return list;
}

std::optional<std::string> HistorySearchList::searchEnded(SearchOutcome outcome)
{
    m_running = false;
    switch (outcome.status) {
    case SearchStatus::Complete:
        m_shown = std::move(outcome.result);
        return std::nullopt;
    case SearchStatus::Cancelled:
        return std::nullopt;
    case SearchStatus::Failed:
        return std::string(kSearchErrorMessage);
    }
    return std::nullopt;
}

void HistorySearchList::removeRows(const std::vector<std::size_t>& indices)
{
    eraseIndices(m_shown.rows, indices);
}

} // namespace sg
