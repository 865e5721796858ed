#pragma once
// HistoryWindow, the History window: today's list and the search returns on two tabs, the period
// and sort selectors, the search text, five check boxes and a pop-up menu. A search runs on
// a worker thread so that the window stays live and "Cancel" can stop it.

#include "history/history_search.h"
#include "history/history_window_logic.h"
#include "history/history_writer.h"
#include "sitelists/list_editor.h"

#include <QModelIndex>
#include <QWidget>
#include <array>
#include <atomic>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <variant>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;
class QTreeView;

namespace sg::ui {

class Application;
class HistoryRowsModel;
class SearchListModel;
class TodayListModel;

// The five check boxes, in their order on the window.
enum class HistoryCheck { OneClick, Visible, Dupes, ShowTime, OnTop };
inline constexpr std::size_t kHistoryCheckCount = 5;

// The two tabs.
enum class HistoryTab { Today = 0, SearchReturns = 1 };

class HistoryWindow final : public QWidget, public TodayListListener {
    Q_OBJECT
public:
    explicit HistoryWindow(Application& app);
    ~HistoryWindow() override;

    // The opening steps: placement, caption, fonts, column widths, the purge, the Today
    // list, the period selector, tool tips and check boxes; then the window is open.
    void open();
    // HistoryWindowOpen: from the end of open() until the window closes.
    bool isOpen() const { return m_open; }

    // Called by name by the options window too.
    void purgeOldHistory();
    void loadPeriodSelector();
    void applyToolTips();

    // TodayListListener: the history writer keeps the Today list up to date.
    void clearTodayList() override;
    void setTodayHits(std::size_t n, const std::string& hits) override;
    void appendTodayItem(std::size_t n, const TodayItem& item) override;

    // The "Search" and "Cancel" buttons.
    void onSearchClick();
    void onCancelClick();
    bool searchRunning() const;

    // The pop-up menu's items, on the visible list.
    void navigateToSelected();
    void addSelectedToSiteSelector();
    void removeSelectedFromList();
    void showSelectedHostPages();

    // The visible list's selected rows that carry an address, in list order.
    std::vector<HistoryHandOffRow> selectedRows() const;
    HistoryTab currentTab() const;
    void setCurrentTab(HistoryTab tab);

    // The controls, for the options window and tests.
    QTreeView* todayView() const { return m_todayView; }
    QTreeView* searchView() const { return m_searchView; }
    const TodayListModel& todayModel() const { return *m_todayModel; }
    const SearchListModel& searchModel() const { return *m_searchModel; }
    QComboBox* periodSelector() const { return m_combo1; }
    QComboBox* sortSelector() const { return m_combo2; }
    QLineEdit* searchText() const { return m_text1; }
    QPushButton* searchButton() const { return m_search; }
    QPushButton* cancelButton() const { return m_cancel; }
    QCheckBox* checkBox(HistoryCheck check) const;
    QProgressBar* progressBar() const { return m_progress; }
    QTabWidget* tabs() const { return m_tabs; }
    QMenu* popUpMenu() const { return m_menu; }
    QAction* hostPagesAction() const { return m_hostPagesItem; }
    QTimer* timer1() const { return m_timer1; }

signals:
    // The closing steps have run; the window is no longer open.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void connectControls();
    void placeWindow();
    void applyListFont();
    void applyColumnWidths();
    void saveClosingState();
    void loadTodayList();
    void onCheckClick(HistoryCheck check, bool checked);
    void applyOnTop();
    void scrollTodayToEnd();
    void onRowClick(QTreeView* view, const QModelIndex& index);
    void onRowDoubleClick(QTreeView* view, const QModelIndex& index);
    void showPopUpMenu(QTreeView* view, const QPoint& pos);
    void navigateTo(const HistoryRow& row);
    void setListToolTip(QTreeView* view);
    void startSearch(const std::variant<SearchRefusal, SearchPlan>& planned);
    void searchFinished(SearchOutcome outcome);
    void joinSearch();
    void paintSearchState();
    void showMessage(std::string_view text);
    SearchControls searchControls() const;
    bool checked(HistoryCheck check) const;

    QTreeView* visibleView() const;
    HistoryRowsModel* modelOf(const QTreeView* view) const;
    // The selected row of a list (its current row when selected), nullopt with none.
    std::optional<std::size_t> selectedRow(const QTreeView* view) const;
    std::filesystem::path historyDir() const;
    LocalDateTime today() const;

    Application& m_app;
    bool m_open = false;
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combo2 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_cancel = nullptr;
    std::array<QCheckBox*, kHistoryCheckCount> m_checks {};
    QProgressBar* m_progress = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTreeView* m_todayView = nullptr;
    QTreeView* m_searchView = nullptr;
    TodayListModel* m_todayModel = nullptr;
    SearchListModel* m_searchModel = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_hostPagesItem = nullptr;
    QTimer* m_timer1 = nullptr;
    // The last mouse button pressed on a list: a click after a right-button press does not
    // navigate.
    Qt::MouseButton m_lastPress = Qt::NoButton;

    std::thread m_worker;
    std::atomic<bool> m_cancelFlag { false };
};

} // namespace sg::ui
