#pragma once
// The logic of one main browser window. It keeps the picture the window paints
// (MainWindowViewState) and coordinates the window's parts: the navigator (navigation and
// the pass after each load), the refresh countdown, the site selector lists, the toolbar
// layout with the cycle buttons, the pop-up killer, the connection and clock, and the menu's
// own entries. The window forwards each event here
// in one call, then paints view().
//
// Waits never block: the window runs the timers the logic starts and calls back the
// matching on...Tick / on...Timer handler, and the close runs in two steps around the wait
// that beginClose returns.

#include "browser/connection_status.h"
#include "browser/keyboard_rules.h"
#include "browser/main_menu.h"
#include "browser/main_window_context.h"
#include "browser/menu_actions.h"
#include "browser/page_navigator.h"
#include "browser/popup_killer.h"
#include "browser/refresh_controller.h"
#include "browser/selector_lists.h"
#include "browser/toolbar_controller.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace sg {

// What a closing window hands in for the settings file; the working copy of the settings
// already holds it.
struct CloseOutcome {
    std::optional<Rect> placement; // saved only in the normal state, wide and high enough
    std::optional<std::array<float, 4>> columnWidths; // not read while minimized
    PerWindowSettings perWindow;

    bool operator==(const CloseOutcome&) const = default;
};

enum class KeyOutcome { PassOn, Consumed };

class MainWindowLogic final : public BrowserEvents {
public:
    MainWindowLogic(
        const MainWindowServices& services, MainWindowHost& host, BrowserControl& browser);
    MainWindowLogic(const MainWindowLogic&) = delete;
    MainWindowLogic& operator=(const MainWindowLogic&) = delete;

    const MainWindowViewState& view() const { return m_view; }
    const std::string& windowId() const { return m_windowId; }
    bool loaded() const { return m_loaded; }
    const PageNavigator& navigation() const { return m_navigator; }
    const RefreshController& refresh() const { return m_refresh; }
    const ToolbarController& toolbar() const { return m_toolbar; }
    const PopUpKiller& popUps() const { return m_popUps; }
    const MenuActions& menu() const { return m_menu; }

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
    // In the mode the settings name; a new window's first fill comes after its first paint.
    void loadSiteSelectors();
    // The settings' list font changed: the rows and the toolbar follow it.
    void applyListFont();
    void applyToolTips();
    void showPopUpModes();
    void showOfflineState();
    // A new main window at the start address, or at the address a second start handed over.
    void openNewMainWindow();

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

    // The site selector.
    void onSelectorButtonClick();
    void onSelectorButtonDown();
    void onSelectorButtonUp();
    // row: the selected row, if any.
    void onSelectorClick(Control list, std::optional<std::size_t> row);
    void onSelectorColumnClick(Control list);
    void onSelectorFocusChanged(Control list, bool focused);

    // The automatic refresh.
    void onRefreshTick();
    void onRefreshWatchdogTick();
    void onIntervalButtonDown(Control button, MouseButton mouse);
    void onAutoRepeatTick();
    void onIntervalButtonUp(Control button);
    void onIntervalBoxDoubleClick();
    void onCountdownBoxDoubleClick();
    void onTimerBoxRightButtonDown(Control box);
    void onTimerBoxFocus(Control box);

    // The toolbar, its buttons, the keyboard and the menu.
    void onToolbarToggleClick();
    void onToolbarToggleMouseOver();
    void onToolbarTimer();
    void onStatusTick();
    void onCheckBoxesToggleClick();
    void onFirstCycleButtonClick();
    void onFirstCycleButtonRightDown();
    void onSecondCycleButtonClick();
    void onSecondCycleButtonRightDown();
    void onSwapButton();
    void onMenuButtonClick();
    KeyOutcome onKeyDown(const KeyEvent& key);
    void onMenuCommand(MenuCommand command);
    void onViewStatusBar();
    void onViewRefresh();
    void onViewStop();
    void onViewFullScreen();
    void onStatusBarClick();
    void onStatusBarRightClick();
    void onClockPanelDoubleClick();
    void onToolbarBackgroundClick();
    void onBrowserGotFocus();
    void onDeferredActionTimer();
    void toggleOfflineMode();
    // The connection button: reports the connection, offers a dial-up.
    void onConnectionButtonClick();

    // Pop-up killing and script errors.
    void onKillPopUpsMenu();
    void onKillPopUpsWithBoomMenu();
    void onSilenceScriptErrorsMenu();
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
    // What the deferred-action timer carries out when it fires.
    enum class DeferredAction {
        None,
        EnableIntervalBox,
        EnableCountdownBox,
        HidePageSelector,
        HideCategorySelector
    };

    // The page opens from a selector row or the address box: the countdown restarts.
    bool openPage(const std::string& address);
    void scheduleDeferredAction(DeferredAction action, int delayMs);
    void runDeferredAction(DeferredAction action);

    MainWindowViewState m_view;
    MainWindowContext m_context;
    ToolbarController m_toolbar;
    SelectorLists m_selector;
    RefreshController m_refresh;
    PopUpKiller m_popUps;
    PageNavigator m_navigator;
    ConnectionStatus m_status;
    MenuActions m_menu;
    std::string m_windowId;
    bool m_loaded = false;
    bool m_activatedOnce = false;
    DeferredAction m_pendingAction = DeferredAction::None;
};

} // namespace sg
