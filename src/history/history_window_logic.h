#pragma once
// The History window's logic (the window paints view() and forwards each event here in one
// call): its placement and the settings it keeps, the purge of old day files, the Today list
// kept up to date by the history writer, the period selector, searches with their idle or
// running state, the choice of a row and the pop-up menu.

#include "common/date_time.h"
#include "history/history_search.h"
#include "history/history_window_view.h"
#include "history/history_writer.h"
#include "settings/settings.h"
#include "settings/tool_tips.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sg {

inline constexpr std::string_view kTodayListErrorMessage
    = "An Error Occurred Opening File And Loading Today's List";

// The window is never smaller than this (twips, frame included).
inline constexpr double kHistoryMinWidth = 4755;
inline constexpr double kHistoryMinHeight = 3300;

// What the logic reads and changes outside itself; all of it outlives the logic.
struct HistoryWindowEnvironment {
    std::filesystem::path historyDir;
    Settings& settings;
    const ToolTipTexts& toolTips;
    const Clock& clock;
    bool& ModalWindowOpen;
    HistoryWindowHost& host;
};

// A place on the screen in twips.
struct HistoryRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const HistoryRect&) const = default;
};

// Where the window goes when it opens (its frame) and the widths its columns start with.
struct HistoryOpening {
    HistoryRect frame;
    // Today's four columns then the search list's, twips; 0: the window's own width.
    std::array<float, 8> columnWidths {};
};

enum class HistoryWindowState { Normal, Minimized, Maximized };

// What the window reports when it closes.
struct HistoryClosing {
    HistoryWindowState state = HistoryWindowState::Normal;
    HistoryRect frame;
    std::array<int, 8> columnWidthsPx {}; // Today's four columns then the search list's
};

// The Today list as loaded from today's day file.
struct TodayList {
    std::vector<HistoryRow> rows; // one per record, dates with the time
    std::optional<std::string> error; // kTodayListErrorMessage when the file cannot be read
};

// Today's day file as rows: none while history is off (0 days) or when the file (or the
// folder) does not exist.
TodayList loadTodayList(const std::filesystem::path& historyDir, const LocalDateTime& today,
    std::int32_t HistoryDaysToKeep);

class HistoryWindowLogic final : public TodayListListener {
public:
    explicit HistoryWindowLogic(HistoryWindowEnvironment env);

    const HistoryWindowView& view() const { return m_view; }
    // The rows' changes since the last call, for the window's item model of that list.
    std::vector<RowsChange> takeRowChanges(HistoryTab list);
    // Set by Cancel; the running search looks at it.
    std::atomic<bool>& cancelFlag() { return m_cancel; }
    // From the end of open() until close().
    bool isOpen() const { return m_open; }

    // The opening steps: placement (on one of the work areas, else centred on the primary
    // one), caption, font, the purge, the Today list, the period selector, the sort item,
    // tool tips and check boxes. Work areas in twips, the primary one first.
    HistoryOpening open(const std::vector<HistoryRect>& workAreas);
    // Stores the place (when normal) and the column widths (unless minimized), then purges.
    void close(const HistoryClosing& closing);

    // Called by name by the options window too.
    void purgeOldHistory();
    void loadPeriodSelector();
    void applyToolTips();
    // The list font of the settings (changed from a main window's menu).
    void applyListFont();
    // The options window lowered the days to keep: the purge runs now; then the period
    // selector is filled again, or with history off both lists are emptied.
    void daysToKeepLowered();

    // TodayListListener: the history writer keeps the Today list up to date.
    void clearTodayList() override;
    void setTodayHits(std::size_t n, const std::string& hits) override;
    void appendTodayItem(std::size_t n, const TodayItem& item) override;
    void onScrollTimer();

    // Controls.
    void selectTab(HistoryTab tab);
    void selectPeriod(std::optional<std::size_t> index);
    void selectSort(std::optional<std::size_t> index);
    void editSearchText(std::string text);
    void clickCheck(HistoryCheck check, bool on);
    void onSearchClick();
    void onCancelClick() { m_cancel = true; }
    void searchProgress(std::size_t done, std::size_t total);
    void searchEnded(SearchOutcome outcome);

    // The lists. The current row (selected) gives the list's tool tip.
    void selectRow(HistoryTab list, std::optional<std::size_t> row);
    // A click or double click on a row, by the left button or another.
    void clickRow(HistoryTab list, std::size_t row, bool leftButton);
    void doubleClickRow(HistoryTab list, std::size_t row, bool leftButton);
    // The right button on a list: true when the pop-up menu is to open.
    bool openPopUpMenu(HistoryTab list);
    // The menu's entries, on the visible list with its selected row (the current row when
    // it is selected, else the first selected) and all its selected rows.
    void navigateToSelected(std::optional<std::size_t> row);
    void addSelectedToSiteSelector(
        std::optional<std::size_t> row, const std::vector<std::size_t>& selected);
    void removeFromList(const std::vector<std::size_t>& selected);
    void showSelectedHostPages(std::optional<std::size_t> row);

private:
    HistoryRect placement(const std::vector<HistoryRect>& workAreas) const;
    LocalDateTime today() const { return m_env.clock.now(); }
    bool toolTipsOn() const { return m_env.settings.ToolTipsOff == 0; }
    void showMessage(std::string_view text);
    void navigateTo(HistoryTab list, std::size_t row);
    SearchControls searchControls() const;
    void startSearch(const std::variant<SearchRefusal, SearchPlan>& planned);
    void showSearchState();
    void showListToolTip(HistoryTab list);
    void changed(HistoryTab list, RowsChange change);
    void scrollToday(std::optional<std::size_t> row);

    HistoryWindowEnvironment m_env;
    HistoryWindowView m_view;
    std::vector<std::size_t> m_todayRecords; // the record number of each Today row, ascending
    std::array<std::optional<std::size_t>, 2> m_current; // each list's current row
    bool m_open = false;
    bool m_searchRunning = false;
    std::atomic<bool> m_cancel { false };
};

} // namespace sg
