#pragma once
// FullScreenWindow, the full-screen window: a frameless window over the work area with its own
// browser below a thin strip of picture buttons, the add-page panel and the slideshow panel.
// It owns its controls, forwards every event to FullScreenLogic in one call and paints the
// logic's view state after it.

#include "browser/browser_control.h"
#include "fullscreen/full_screen_logic.h"
#include "fullscreen/full_screen_view.h"

#include <QElapsedTimer>
#include <QUrl>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QPushButton;
class QSpinBox;
class QTimer;

namespace sg::platform {
class WebBrowser;
} // namespace sg::platform

namespace sg::ui {

class Application;
class TitleStrip;

class FullScreenWindow final : public QWidget, private FullScreenHost, private BrowserEvents {
    Q_OBJECT
public:
    explicit FullScreenWindow(Application& app);
    ~FullScreenWindow() override;

    const FullScreenLogic& logic() const { return *m_logic; }
    platform::WebBrowser* browser() const { return m_browser; }
    // The control of this name (for tests and accessibility tools).
    QWidget* control(FullScreenControl control) const;
    QComboBox* pageCategoryChooser() const { return m_pageCategories; }
    QComboBox* slideshowCategoryChooser() const { return m_slideshowCategories; }
    QSpinBox* dwellBox() const { return m_dwell; }
    QPushButton* slideshowStartButton() const { return m_slideshowStart; }

    // The first showing's steps: the fit to the work area and the blank page.
    void load();
    // A main window's page: the window navigates there and is shown.
    void open(const std::string& address);
    // Shown for a page that a main window's page opens as its new window.
    void showForNewWindow();
    // Shown with the slideshow panel open.
    void openSlideshowPanel();
    // The tool tips again, after they were switched on or off.
    void applyToolTips();
    // The screen's work area changed: the window fills it again.
    void fitToWorkArea();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One event for the logic, then the painting of its outcome.
    template <typename Event> void run(Event&& event);
    void paint();
    void buildControls();
    void buildPanels();
    void buildKeys();

    // FullScreenHost.
    Rect workArea() const override;
    Rect windowGeometry() const override;
    void placeWindow(const Rect& twips) override;
    void showWindow() override;
    void hideWindow() override;
    void beginWindowMove() override;
    void navigateWithoutHistory(const std::string& address) override;
    void showMessage(const std::string& text) override;
    SlideshowTime now() const override;

    // BrowserEvents: each reaches the logic and is painted.
    void onLoadFinished() override;
    void onTitleChanged(const std::string& title) override;
    void onHistoryStateChanged(bool canGoBack, bool canGoForward) override;
    void onNavigationFailed(NavigationFailure failure) override;
    NewWindowTarget onNewWindowRequested() override;

    Application& m_app;
    platform::WebBrowser* m_browser = nullptr;
    std::unique_ptr<FullScreenLogic> m_logic;
    std::array<QWidget*, kFullScreenControlCount> m_controls {};
    TitleStrip* m_titleStrip = nullptr;
    QComboBox* m_pageCategories = nullptr;
    QPushButton* m_pageCancel = nullptr;
    QComboBox* m_slideshowCategories = nullptr;
    QSpinBox* m_dwell = nullptr;
    QPushButton* m_slideshowStart = nullptr;
    QPushButton* m_slideshowCancel = nullptr;
    std::vector<QAction*> m_slideshowKeys; // Right, Left, Space: live while a show runs
    QTimer* m_slideshowTimer = nullptr;
    QElapsedTimer m_clock;
    // What the choosers show, so that painting refills them only when their items change.
    std::vector<ChooserItem> m_shownPageCategories;
    std::vector<std::string> m_shownSlideshowCategories;
    // The blank page leaves the history once the next page has loaded.
    QUrl m_pageOutOfHistory;
};

} // namespace sg::ui
