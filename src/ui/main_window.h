#pragma once
// MainWindow, the main browser window: owns its controls, forwards every event to
// MainWindowLogic in one call and then paints the logic's view state.

#include "browser/main_window_logic.h"
#include "browser/main_window_view.h"

#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QTimer;
class QTreeWidget;

namespace sg::platform {
class PreciseTicker;
class WebBrowser;
} // namespace sg::platform

namespace sg::ui {

class Application;
class PopUpStatePanel;

class MainWindow final : public QWidget, private MainWindowHost, private BrowserEvents {
    Q_OBJECT
public:
    explicit MainWindow(Application& app);
    ~MainWindow() override;

    MainWindowLogic& logic() { return *m_logic; }
    platform::WebBrowser* browser() const { return m_browser; }
    // The main menu (for tests and the Menu button).
    QMenu* mainMenu() const { return m_menu; }
    QWidget* control(Control control) const;
    QTreeWidget* selectorList(Control list) const;

    // Runs one step of the logic, then paints what it left.
    template <typename Step> auto forward(Step&& step)
    {
        struct PaintAfter {
            MainWindow* window;
            ~PaintAfter() { window->paint(); }
        } paintAfter { this };
        return step(*m_logic);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void buildStatusBar();
    QMenu* buildMenu(std::span<const MenuEntry> entries, QWidget* parent, bool exclusive);
    void buildShortcuts();
    void connectControls();
    void layoutStatusBar();
    bool handleKey(QKeyEvent* key);
    bool handleMouse(QWidget* widget, QEvent* event);
    void paint();
    void paintControl(Control control, const ControlView& now, const ControlView& was);
    void paintSelector(Control list, const SelectorListView& now, const SelectorListView& was);
    QTimer* timerOf(MainWindowTimer timer) const;
    void applyPendingFrame();
    void placeFrame(const QRect& frame);

    // MainWindowHost.
    void applyListFont(const std::string& name, bool bold, double size) override;
    std::optional<ListFont> chooseListFont(const ListFont& start) override;
    std::optional<std::string> chooseFileToOpen(const FileChoice& choice) override;
    ClockReading readClock() const override;
    double textHeightTwips(const std::string& text) const override;
    std::array<int, 2> selectorColumnWidthsPx(Control list) const override;
    void setWindowGeometry(const Rect& twips) override;
    Rect windowGeometry() const override;
    WindowState windowState() const override;
    Size clientSize() const override;
    int captionHeightPx() const override;
    Rect workArea() const override;
    PointPx mousePositionPx() const override;
    ClockSample sampleClocks() const override;
    void hideWindow() override;
    void closeWindow() override;
    void popUpMainMenu() override;
    void popUpMailMenu() override;
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void startTimer(MainWindowTimer timer, int intervalMs) override;
    void stopTimer(MainWindowTimer timer) override;

    // BrowserEvents: each one forwarded to the logic, then painted.
    bool onNavigationRequested(const std::string& address) override;
    void onUrlChanged() override;
    void onLoadStarted() override;
    void onLoadFinished() override;
    void onTitleChanged(const std::string& title) override;
    void onStatusTextChanged(const std::string& text) override;
    void onLoadProgress(int progress, int maximum) override;
    void onHistoryStateChanged(bool canGoBack, bool canGoForward) override;
    void onNavigationFailed(NavigationFailure failure) override;
    NewWindowTarget onNewWindowRequested() override;
    void onGeometryRequested(const RectPx& pixels) override;
    void onToolbarRequested(bool shown) override;

    Application& m_app;
    platform::WebBrowser* m_browser = nullptr;
    std::unique_ptr<MainWindowLogic> m_logic;
    MainWindowViewState m_painted; // what the controls show now
    std::array<QWidget*, kControlCount> m_controls {};
    QLabel* m_statusPanel = nullptr;
    QLabel* m_clockPanel = nullptr;
    PopUpStatePanel* m_popUpPanel = nullptr;
    QProgressBar* m_progress = nullptr;
    QLineEdit* m_address = nullptr;
    QTreeWidget* m_pageList = nullptr;
    QTreeWidget* m_categoryList = nullptr;
    QMenu* m_menu = nullptr;
    QMenu* m_mailMenu = nullptr;
    std::map<MenuItem, QAction*> m_checkActions;
    std::map<LauncherCaption, QAction*> m_launcherActions;
    std::map<MainWindowTimer, QTimer*> m_timers;
    platform::PreciseTicker* m_refreshTicker = nullptr;
    QTimer* m_statusTimer = nullptr;
    // The outer rectangle asked for before the window manager had framed the window (X11
    // knows no frame before the window is shown): applied again once the frame is known.
    std::optional<QRect> m_pendingFrame;
    QRect m_shownFrame; // the outer rectangle when the window was last hidden
    bool m_closing = false; // the close has run its wait and saved
    bool m_closeStarted = false;
    bool m_firstPaintDone = false; // the first picture is on the screen
};

} // namespace sg::ui
