#pragma once
// The History window's rules without its widgets: the Search button's checks and messages,
// the plan of a search, the Today list as loaded, and the search list with its idle or
// running state.

#include "common/date_time.h"
#include "history/history_periods.h"
#include "history/history_rows.h"
#include "history/history_search.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sg {

inline constexpr std::string_view kNoPeriodSelectedMessage
    = "Can't Search...No Time Period Was Selected In The First Selector";
inline constexpr std::string_view kNoSortSelectedMessage
    = "Can't Search...No Sort Order Was Selected In The Second Selector";
inline constexpr std::string_view kNoSearchTextMessage
    = "Can't Search...No Text Was Entered In The Text Box";
inline constexpr std::string_view kSearchTextTooShortMessage
    = "Can't Search...Two Characters, Minimum, Should Entered In The Text Box";
inline constexpr std::string_view kTodayListErrorMessage
    = "An Error Occurred Opening File And Loading Today's List";
inline constexpr std::string_view kSearchErrorMessage
    = "An Error Occurred Accessing Or Processing History Files";

// What the Search button reads from the window.
struct SearchControls {
    std::optional<std::string> period; // the selected period item; nullopt: none selected
    std::optional<std::string> sort; // the selected sort item
    std::string text; // the text box, untouched
    bool dupes = false;
    bool showTime = false;
};

// A search that may not start: the message for an OK-only box, and whether the text box is
// to be emptied.
struct SearchRefusal {
    std::string message;
    bool emptyTextBox = false;

    bool operator==(const SearchRefusal&) const = default;
};

// A search ready to run: the period's day files, oldest first, and what to collect.
struct SearchPlan {
    std::vector<DayFile> files;
    SearchQuery query;
};

// The Search button's checks, in order: a period item, a sort item, and for the text
// searches a text that is not blank and has at least two characters. historyDir is listed
// for the period's day files; a missing folder gives none.
std::variant<SearchRefusal, SearchPlan> planSearch(const SearchControls& controls,
    const std::filesystem::path& historyDir, const LocalDateTime& today);

// "Show Selected Host's Page Items" for the host of a host header row (hostOfHeaderRow):
// the host's records over the selected period, like Date Sort. Only the period is checked.
std::variant<SearchRefusal, SearchPlan> planHostPages(const std::string& host,
    const SearchControls& controls, const std::filesystem::path& historyDir,
    const LocalDateTime& today);

// The Today list as loaded when the window opens.
struct TodayList {
    std::vector<HistoryRow> rows; // one per record of today's day file, dates with the time
    std::string header; // todayListHeader, whether tool tips are on or off
    std::optional<std::string> error; // kTodayListErrorMessage when the file cannot be read

    bool operator==(const TodayList&) const = default;
};

// Today's day file as rows: none while history is off (0 days) or when the file (or the
// folder) does not exist.
TodayList loadTodayList(const std::filesystem::path& historyDir, const LocalDateTime& today,
    std::int32_t HistoryDaysToKeep);

// The search list and the search state of the window: idle or running. While a search runs
// the two selectors, "Search" and "dupes" are disabled and "Cancel" is enabled.
class HistorySearchList {
public:
    void searchStarted() { m_running = true; }
    // A complete search replaces the list; a cancelled or failed one leaves it as it was.
    // Returns the message to show for a failed one.
    std::optional<std::string> searchEnded(SearchOutcome outcome);

    bool running() const { return m_running; }
    bool searchControlsEnabled() const { return !m_running; }
    bool cancelEnabled() const { return m_running; }

    const std::vector<HistoryRow>& rows() const { return m_shown.rows; }
    const std::string& header() const { return m_shown.header; }
    bool sortedByFirstColumn() const { return m_shown.sortedByFirstColumn; }
    // "Show Selected Host's Page Items" is offered while the list holds a "Host List Only"
    // result.
    bool hostPagesMenuVisible() const { return m_shown.sortedByFirstColumn; }

    // "Remove Item(s) From List (Temp)": the rows at these indices leave the list only.
    void removeRows(const std::vector<std::size_t>& indices);

private:
    bool m_running = false;
    SearchRows m_shown { {}, 0, false, "Page Titles" };
};

} // namespace sg
