#pragma once
// What the History window paints, as its logic keeps it, and the commands the logic gives
// the window that are not state: a message, a navigation, the list editor, a search to run.

#include "history/history_rows.h"
#include "history/history_search_plan.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sg {

enum class HistoryTab { Today = 0, SearchReturns = 1 };

// The five check boxes, in their order on the window, and the settings they keep.
enum class HistoryCheck { OneClick, Visible, Dupes, ShowTime, OnTop };
inline constexpr std::size_t kHistoryCheckCount = 5;

// The controls whose tool tip and enabled or shown state the logic sets.
enum class HistoryControl {
    PeriodSelector,
    SortSelector,
    SearchText,
    SearchButton,
    CancelButton,
    OneClickBox,
    VisibleBox,
    DupesBox,
    ShowTimeBox,
    OnTopBox,
    TodayList,
    SearchList,
    Progress, // the search's progress, shown while it runs
};
inline constexpr std::size_t kHistoryControlCount = 13;

struct HistoryControlState {
    std::string toolTip; // "" for none
    bool enabled = true;
    bool visible = true;

    bool operator==(const HistoryControlState&) const = default;
};

// How a list's rows changed since the window last took the changes, in order: the window's
// item model announces them. A reset stands for everything before it.
struct RowsChange {
    enum class Kind { Reset, Appended, Changed, Removed };
    Kind kind = Kind::Reset;
    std::size_t first = 0; // Appended, Changed and Removed: the rows first..last
    std::size_t last = 0;

    bool operator==(const RowsChange&) const = default;
};

// One of the two lists.
struct HistoryListView {
    std::vector<HistoryRow> rows;
    std::string header; // the first column's header
    std::vector<RowsChange> changes; // since the window last took them
};

// A request to scroll the Today list, told apart from the last one by its number.
struct TodayScroll {
    unsigned serial = 0;
    std::optional<std::size_t> row; // nullopt: the last row
};

struct HistoryListFont {
    std::string name; // "": the window's own font
    double size = 0;
    bool bold = false;
};

struct HistoryWindowView {
    std::string caption;
    HistoryTab tab = HistoryTab::Today;
    HistoryListFont font;
    std::vector<std::string> periodItems;
    std::optional<std::size_t> period;
    std::optional<std::size_t> sort; // index into kSortItemTexts
    std::string searchText;
    std::array<bool, kHistoryCheckCount> checked {};
    std::array<HistoryControlState, kHistoryControlCount> controls {};

    HistoryListView today;
    HistoryListView search;
    bool searchSortedByFirstColumn = false; // after a "Host List Only" search
    std::size_t progressDone = 0;
    std::size_t progressTotal = 1;

    // The pop-up menu's "Show Selected Host's Page Items".
    bool hostPagesItemVisible = false;
    bool hostPagesItemEnabled = true;
    bool onTop = false;
    bool scrollTimerRunning = false; // the one-second timer that scrolls the Today list down
    TodayScroll todayScroll;

    HistoryControlState& control(HistoryControl c) { return controls[static_cast<std::size_t>(c)]; }
    const HistoryControlState& control(HistoryControl c) const
    {
        return controls[static_cast<std::size_t>(c)];
    }
    bool isChecked(HistoryCheck c) const { return checked[static_cast<std::size_t>(c)]; }
    HistoryListView& list(HistoryTab t) { return t == HistoryTab::Today ? today : search; }
    const HistoryListView& list(HistoryTab t) const
    {
        return t == HistoryTab::Today ? today : search;
    }
};

// What the logic asks of the window beyond painting.
class HistoryWindowHost {
public:
    virtual ~HistoryWindowHost() = default;
    // An OK-only message box with the program title as caption; returns when it closes.
    virtual void showMessage(const std::string& text) = 0;
    // The main window activated last goes to the address and comes to the front.
    virtual void navigate(const std::string& address) = 0;
    // The list editor opens to copy these rows (title and address) into a category.
    virtual void openListEditor(const std::vector<HistoryRow>& rows) = 0;
    // Runs the search off the user-interface thread, with the logic's cancel flag; its
    // progress and end come back through searchProgress and searchEnded.
    virtual void runSearch(const SearchPlan& plan) = 0;
};

} // namespace sg
