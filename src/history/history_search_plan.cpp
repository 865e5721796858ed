#include "history/history_search_plan.h"

#include "common/cp1252.h"
#include "common/record_codec.h"

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

} // namespace sg
