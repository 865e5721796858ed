#pragma once
// MainWindow, the main browser window: owns its controls, forwards every event to
// MainWindowLogic in one call and paints what the logic tells it.

#include "browser/main_window_logic.h"
#include "browser/main_window_view.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace sg::platform {
class PreciseTicker;
class WebBrowser;
} // namespace sg::platform

namespace sg::ui {

class Application;

class MainWindow final : public QWidget, public MainWindowView {
    Q_OBJECT
public:
    explicit MainWindow(Application& app);
    ~MainWindow() override;

    MainWindowLogic& logic() { return *m_logic; }
    platform::WebBrowser* browser() const { return m_browser; }
    // The main menu (for tests and the Menu button).
    QMenu* mainMenu() const { return m_menu; }
    QTreeWidget* selectorList(Control list) const;

    // The widget's own functions of these names stay reachable.
    using QWidget::setEnabled;
    using QWidget::setFocus;
    using QWidget::setGeometry;
    using QWidget::setToolTip;
    using QWidget::setVisible;

    // MainWindowView.
    void setCaption(const std::string& caption) override;
    void setText(Control control, const std::string& text) override;
    void setToolTip(Control control, const std::string& text) override;
    void setVisible(Control control, bool visible) override;
    void setEnabled(Control control, bool enabled) override;
    void setChecked(Control control, bool checked) override;
    void setGeometry(Control control, const Rect& twips) override;
    void setFocus(Control control) override;
    void setStatusPanel(int panel, const std::string& text, int image) override;
    void setStatusPanel1Width(double twips) override;
    void setProgress(int maximum, int value) override;
    void setTimerBoxesActive(bool active) override;
    void setMenuChecked(MenuItem item, bool checked) override;
    void setSelectorRows(Control list, const std::vector<SelectorRow>& rows) override;
    void setSelectorHeaders(Control list, const SelectorHeaders& headers) override;
    void setSelectorColumnWidths(Control list, int firstPx, int secondPx) override;
    int selectorColumnWidthPx(Control list, int column) const override;
    void applyListFont(const std::string& name, bool bold, double size) override;
    double textHeightTwips(const std::string& text) const override;
    void setWindowGeometry(const Rect& twips) override;
    Rect windowGeometry() const override;
    WindowState windowState() const override;
    Size clientSize() const override;
    int captionHeightPx() const override;
    Rect workArea() const override;
    PointPx mousePositionPx() const override;
    void hideWindow() override;
    void closeWindow() override;
    void popUpMainMenu() override;
    void popUpMailMenu() override;
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    void startTimer(MainWindowTimer timer, int intervalMs) override;
    void stopTimer(MainWindowTimer timer) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void addCheckItem(
        QMenu* menu, MenuItem item, const char* caption, const std::function<void()>& handler);
    void buildStatusBar();
    void connectControls();
    QWidget* widgetOf(Control control) const;
    void layoutStatusBar();
    bool handleKey(QKeyEvent* key);
    bool handleMouse(QObject* watched, QEvent* event);
    QTimer* timerOf(MainWindowTimer timer);
    void applyPendingFrame();
    void placeFrame(const QRect& frame);

    Application& m_app;
    platform::WebBrowser* m_browser = nullptr;
    std::unique_ptr<MainWindowLogic> m_logic;
    std::map<Control, QWidget*> m_controls;
    QWidget* m_toolbar = nullptr;
    QWidget* m_statusBar = nullptr;
    QLabel* m_panels[3] = {};
    QProgressBar* m_progress = nullptr;
    QLineEdit* m_address = nullptr;
    QTreeWidget* m_list1 = nullptr;
    QTreeWidget* m_list2 = nullptr;
    QMenu* m_menu = nullptr;
    QMenu* m_mailMenu = nullptr;
    std::map<MenuItem, QAction*> m_menuItems;
    std::map<MainWindowTimer, QTimer*> m_timers;
    platform::PreciseTicker* m_refreshTicker = nullptr;
    QTimer* m_statusTimer = nullptr;
    double m_panel1WidthTwips = 0;
    // The outer rectangle asked for before the window manager had framed the window (X11
    // knows no frame before the window is shown): applied again once the frame is known.
    std::optional<QRect> m_pendingFrame;
    QRect m_shownFrame; // the outer rectangle when the window was last hidden
    bool m_closing = false; // the close has run its wait and saved
    bool m_closeStarted = false;
};

} // namespace sg::ui
