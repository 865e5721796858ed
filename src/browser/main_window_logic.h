#pragma once
// The logic of one main browser window: navigation, the site selector, the
// automatic refresh, the layout and toolbar, the cycle buttons and pop-up killing. The
// window forwards each event here in one call and paints what this class tells its view.
//
// Waits never block: the window drives them with its timers (MainWindowTimer) and calls
// back the matching on...Tick / on...Timer handler, and the close runs in two steps around
// the wait that beginClose returns.

#include "browser/browser_app.h"
#include "browser/browser_control.h"
#include "browser/geometry.h"
#include "browser/keyboard_rules.h"
#include "browser/main_window_view.h"
#include "browser/page_placement.h"
#include "browser/refresh_countdown.h"
#include "browser/shared_browser_state.h"
#include "browser/site_selector.h"
#include "browser/window_id.h"
#include "common/date_time.h"
#include "history/history_writer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sg {

// What a main window needs of the application; one of each serves every window.
struct MainWindowServices {
    SharedBrowserState& shared;
    BrowserApp& app;
    HistoryWriter& history;
    const Clock& clock;
    RandomSource& random;
};

// Deferred actions, carried out when the deferred-action timer fires.
enum class DeferredAction {
    None = 0,
    EnableText2 = 2,
    EnableText3 = 3,
    HideListView1 = 4,
    HideListView2 = 5
};

// The fields of one main window.
struct MainWindowState {
    std::string WindowId;
    bool loaded = false;
    bool activatedOnce = false;

    // Navigation and history.
    std::string pageTitle;
    std::string addressText; // what the address box holds
    bool AddressBoxFocused = false;
    bool MailtoPending = false;
    bool SkipNextHistoryEntry = false;
    bool newWindowChecked = false; // Check1
    bool fullScreenChecked = false; // Check2
    bool backEnabled = false;
    bool forwardEnabled = false;
    int progressMaximum = 1;
    int progressValue = 0;

    // Page-requested placement and pop-up killing.
    double RequestedLeft = kNoRequest;
    double RequestedTop = kNoRequest;
    double RequestedWidth = kNoRequest;
    double RequestedHeight = kNoRequest;
    bool pageWantsToolbar = false;
    bool pageWantsStatusBar = false; // this engine never asks for one
    bool PageChangedWindow = false;
    int PageResizeState = 0; // 1: marked as a pop-up; 2: one more pass seen
    bool layoutPending = false;
    bool KillPageHandled = false;
    bool postDownloadRunning = false;

    // Layout.
    double ToolbarOffset = 0; // 360 while the toolbar is hidden
    double statusBarAllowance = 0; // 270 while the status bar is hidden
    bool statusBarVisible = true;
    bool checkBoxesShown = true;
    bool ToolbarJustHidden = false;
    bool AutoHideSuspended = false;
    DeferredAction pendingAction = DeferredAction::None;
    double rowHeightUnit = 0; // height of "Whadever" in the list font
    double addressBoxHeight = 0;
    Rect browserArea;

    // Toolbar buttons.
    std::int16_t TimerControlsSwapped = 0; // 1: cycle buttons shown
    std::int16_t CycleButton1State = 0;
    std::int16_t CycleButton2State = 0;

    // Site selector.
    std::vector<SelectorRow> listView1Rows;
    std::vector<SelectorRow> listView2Rows;
    bool listView1Visible = false;
    bool listView2Visible = false;
    double listView1Height = kMinListHeight;
    double listView2Height = kMinListHeight;
    bool SelectorButtonDown = false;

    // Refresh.
    bool AutoRepeatActive = false;
    int autoRepeatDelta = 0; // -1 or +1 while an interval button is held
    bool ViaModem = false;
};

// What a closing window hands in for the settings file; the working copy of the settings
// already holds it.
struct CloseOutcome {
    std::optional<Rect> placement; // saved only in the normal state, wide and high enough
    std::optional<std::array<float, 4>> columnWidths; // not read while minimized
    PerWindowSettings perWindow;
    bool lastMainWindow = false; // the other windows are to be unloaded

    bool operator==(const CloseOutcome&) const = default;
};

// The wait of the close, while the window processes its events (hidden).
inline constexpr int kCloseWaitMs = 750;
// The interval buttons: the first step at once, the second after 750 ms, then every 50.
inline constexpr int kAutoRepeatFirstDelayMs = 750;
inline constexpr int kAutoRepeatDelayMs = 50;
inline constexpr int kRefreshTickMs = 60000;
inline constexpr int kPostDownloadMs = 250;
inline constexpr int kToolbarTimerMs = 1000;
inline constexpr int kColumnClickHideMs = 250;
inline constexpr int kBoxReenableMs = 600;

enum class KeyOutcome { PassOn, Consumed };

class MainWindowLogic final : public BrowserEvents {
public:
    MainWindowLogic(
        const MainWindowServices& services, MainWindowView& view, BrowserControl& browser);
    ~MainWindowLogic() override;
    MainWindowLogic(const MainWindowLogic&) = delete;
    MainWindowLogic& operator=(const MainWindowLogic&) = delete;

    const MainWindowState& state() const { return m_s; }
    const RefreshCountdown& countdown() const { return m_countdown; }

    // Window events.
    void load();
    void activate();
    void resize();
    // The close, first step: returns the milliseconds to wait (processing events) before
    // finishClose.
    int beginClose();
    // The close, the rest: writes the placement, column widths and per-window values into
    // the shared settings; the application then saves them.
    CloseOutcome finishClose();

    // What the application asks of every open main window.
    void loadSiteSelectors(); // in the mode the settings name
    void applyToolTips();
    void applyPopUpIndicators();
    void showOfflineState();

    // A new main window at the start address, or at the address a second start handed over.
    void openNewMainWindow();
    void showPageAddress(int flag);
    void loadSeparateSelectors();
    void loadSingleSelector();
    void fitSelectorHeights();
    void setUpTimerButtons(int toggle);

    // Navigation.
    void onGoClick();
    void onAddressTextEdited(const std::string& text);
    void onAddressFocusChanged(bool focused);
    void onBackClick();
    void onForwardClick();
    void onRefreshClick();
    void onRefreshRightButtonDown();
    void onListButtonClick();
    void onCheckBoxClick(Control box, bool checked);
    void onNewWindowMenu();

    // Site selector.
    void onSelectorButtonClick();
    void onSelectorButtonDown();
    void onSelectorButtonUp();
    // row: the selected row, if any.
    void onSelectorClick(Control list, std::optional<std::size_t> row);
    void onSelectorColumnClick(Control list);
    void onSelectorFocusChanged(Control list, bool focused);

    // Automatic refresh.
    void onRefreshTick();
    // The interval buttons. The left button steps at once and starts the auto-repeat:
    // onAutoRepeatTick after 750 ms, then every 50 ms, until onIntervalButtonUp.
    void onIntervalButtonDown(Control button, MouseButton mouse);
    void onAutoRepeatTick();
    void onIntervalButtonUp(Control button);
    void onIntervalBoxDoubleClick();
    void onCountdownBoxDoubleClick();
    void onTimerBoxRightButtonDown(Control box);
    void onTimerBoxFocus(Control box);

    // Layout, toolbar and buttons.
    void onHideShowToolbarClick();
    void onHideShowToolbarMouseMove();
    void onToolbarTimer();
    void onStatusTick();
    void onCheckBoxLabelClick();
    void onCycleButton1Click();
    void onCycleButton1RightButtonDown();
    void onCycleButton2Click();
    void onCycleButton2RightButtonDown();
    void onSwapButton();
    void onMenuButtonClick();
    KeyOutcome onKeyDown(const KeyEvent& key);
    void onViewStatusBar();
    void onViewRefresh();
    void onViewStop();
    void onViewFullScreen();
    void onStatusBarClick();
    void onToolbarBackgroundClick();
    void onBrowserGotFocus();
    void onDeferredActionTimer();
    void toggleOfflineMode();
    // The connection button: reports the connection, offers a dial-up.
    void onConnectionButtonClick();

    // Pop-up killing and script errors.
    void onKillPopsMenu();
    void onKillPopsBoomMenu();
    void onScriptErrMenu();
    void onPostDownloadTick();

    // The browser's events.
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

private:
    Settings& settings() { return m_shared.settings; }
    bool toolTipsOn() const { return m_shared.settings.ToolTipsOff == 0; }
    std::string toolTip(std::size_t entry) const;
    void setAddressText(const std::string& text);

    // Navigation (main_window_navigation.cpp).
    void openAddress(const std::string& address); // the New Window / Full Screen / here rule
    bool openPage(const std::string& address); // step O; true when it opened here
    void uncheck(Control box);
    void restartCountdownAfterNavigation();
    std::string startAddress() const;

    // Post-download pass (main_window_post_download.cpp).
    bool placeAfterDownload();
    void fillBrowserArea();
    void refitWindowToPage();
    void logPageInHistory();
    void stopPostDownloadTimer();
    void markPopUp();
    void onKillPageLoaded();
    void applyExtentRequest(const ExtentRequest& request, double& requested, double Rect::*extent);

    // Refresh (main_window_refresh.cpp).
    void runRefreshStep();
    // The offline tool tip rebuilt, and every window told.
    void showOfflineMode();
    void showMinutesLeft();
    void showInterval();
    void setCountdownRunning(bool running);
    void stepIntervalButton();
    void finishIntervalButton();
    void checkConnectionBeforeRefresh();

    // Layout (main_window_layout.cpp).
    void layoutToolbarControls();
    void placeBrowserArea(const Rect& area);
    void hideToolbar();
    void showToolbar();
    bool toolbarShown() const { return m_s.ToolbarOffset == 0; }
    void setStatusBarShown(bool shown);
    void applyWindowFonts();
    void applyCycleButton1();
    void applyCycleButton2();
    void scheduleDeferredAction(DeferredAction action, int delayMs);
    void runDeferredAction(DeferredAction action);
    void moveFocusToConnectionButton();

    // Site selector (main_window_selector.cpp).
    void showList(Control list, bool visible);
    void fillPageList(std::vector<SelectorRow> rows);
    void applyColumnWidths();
    void fitListHeight(Control list);
    double listTop() const;

    SharedBrowserState& m_shared;
    BrowserApp& m_app;
    HistoryWriter& m_history;
    const Clock& m_clock;
    RandomSource& m_random;
    MainWindowView& m_view;
    BrowserControl& m_browser;
    MainWindowState m_s;
    RefreshCountdown m_countdown;
};

} // namespace sg
