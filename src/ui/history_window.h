#pragma once
// HistoryWindow, the History window: today's list and the search returns on two tabs, the period
// and sort selectors, the search text, five check boxes and a pop-up menu. It owns its
// controls, forwards each event to HistoryWindowLogic in one call and paints the logic's view
// state after it. A search runs on a worker thread so that the window stays live and
// "Cancel" can stop it.

#include "history/history_window_logic.h"
#include "history/history_writer.h"

#include <QWidget>
#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <thread>
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

class HistoryWindow final : public QWidget, public TodayListListener, private HistoryWindowHost {
    Q_OBJECT
public:
    explicit HistoryWindow(Application& app);
    ~HistoryWindow() override;

    const HistoryWindowLogic& logic() const { return *m_logic; }
    // The opening steps (see HistoryWindowLogic::open), then the window is open.
    void open();
    // HistoryWindowOpen: from the end of open() until the window closes.
    bool isOpen() const { return m_logic->isOpen(); }

    // Called by name by the options window too.
    void purgeOldHistory();
    void loadPeriodSelector();
    void applyToolTips();
    void applyListFont();
    void daysToKeepLowered();

    // TodayListListener: the history writer's changes reach the logic and are painted.
    void clearTodayList() override;
    void setTodayHits(std::size_t n, const std::string& hits) override;
    void appendTodayItem(std::size_t n, const TodayItem& item) override;

    // The controls, for tests and accessibility tools.
    QTreeView* listView(HistoryTab list) const;
    QComboBox* periodSelector() const { return m_period; }
    QComboBox* sortSelector() const { return m_sort; }
    QLineEdit* searchText() const { return m_text; }
    QPushButton* searchButton() const { return m_search; }
    QPushButton* cancelButton() const { return m_cancel; }
    QCheckBox* checkBox(HistoryCheck check) const;
    QProgressBar* progressBar() const { return m_progress; }
    QTabWidget* tabs() const { return m_tabs; }
    QMenu* popUpMenu() const { return m_menu; }
    QAction* hostPagesAction() const { return m_hostPagesItem; }

signals:
    // The closing steps have run; the window is no longer open.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One event for the logic, then the painting of its outcome.
    template <typename Event> void run(Event&& event);
    void paint();
    void paintSelectors();
    void paintOnTop();
    void buildControls();
    void buildMenu();
    void connectControls();
    void connectList(HistoryTab list);
    void placeWindow(const HistoryOpening& opening);
    void showPopUpMenu(HistoryTab list, const QPoint& pos);
    void joinSearch();

    // HistoryWindowHost.
    void showMessage(const std::string& text) override;
    void navigate(const std::string& address) override;
    void openListEditor(const std::vector<HistoryRow>& rows) override;
    void runSearch(const SearchPlan& plan) override;

    // The visible list's selected row (its current row when selected) and all its selected
    // rows.
    std::optional<std::size_t> selectedRow(HistoryTab list) const;
    std::vector<std::size_t> selectedRows(HistoryTab list) const;

    Application& m_app;
    std::unique_ptr<HistoryWindowLogic> m_logic;
    QComboBox* m_period = nullptr;
    QComboBox* m_sort = nullptr;
    QLineEdit* m_text = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_cancel = nullptr;
    std::array<QCheckBox*, kHistoryCheckCount> m_checks {};
    QProgressBar* m_progress = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::array<QTreeView*, 2> m_lists {};
    std::array<HistoryRowsModel*, 2> m_models {};
    QMenu* m_menu = nullptr;
    QAction* m_hostPagesItem = nullptr;
    QTimer* m_scrollTimer = nullptr;
    // What the window shows already, so that painting changes only what the logic changed.
    std::vector<std::string> m_shownPeriods;
    std::string m_shownFont;
    unsigned m_shownScroll = 0;
    // The last mouse button pressed on a list: a click after a right-button press does not
    // navigate.
    Qt::MouseButton m_lastPress = Qt::NoButton;
    std::thread m_worker;
};

} // namespace sg::ui
