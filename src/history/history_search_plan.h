#pragma once
// The History window's Search button: its checks with their messages, and the plan of a
// search (the period's day files and what to collect).

#include "common/date_time.h"
#include "history/history_periods.h"
#include "history/history_search.h"

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

} // namespace sg
