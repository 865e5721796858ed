#include "browser/main_window_logic.h"

#include "browser/address_display.h"
#include "browser/cycle_buttons.h"
#include "browser/offline_mode.h"
#include "browser/window_layout.h"
#include "common/program.h"

namespace sg {

MainWindowLogic::MainWindowLogic(
    const MainWindowServices& services, MainWindowHost& host, BrowserControl& browser)
    : m_context { services.shared, services.app, services.history, services.clock, services.random,
        host, browser, m_view }
    , m_toolbar(m_context)
    , m_selector(m_context, m_toolbar)
    , m_refresh(m_context)
    , m_popUps(m_context)
    , m_navigator(m_context, m_toolbar, m_popUps)
    , m_status(m_context, m_toolbar)
    , m_menu(m_context, m_navigator, m_toolbar, m_selector)
{
    // The lists drop down on demand; the window's identity is never shown.
    for (const Control hidden :
        { Control::PageSelector, Control::CategorySelector, Control::WindowIdLabel })
        m_view[hidden].visible = false;
}

// --- the window's life ---------------------------------------------------------------------

void MainWindowLogic::load()
{
    Settings& st = m_context.settings();
    SharedBrowserState& shared = m_context.shared;
    m_view.caption = "- " + std::string(kProgramTitle);

    if (!shared.placementSaved) {
        const Rect placement = defaultPlacement(m_context.host.workArea());
        st.WindowLeft = static_cast<float>(placement.left);
        st.WindowTop = static_cast<float>(placement.top);
        st.WindowWidth = static_cast<float>(placement.width);
        st.WindowHeight = static_cast<float>(placement.height);
        shared.placementSaved = true;
    }

    m_windowId = makeWindowId(m_context.random, m_context.clock.now());
    m_view[Control::WindowIdLabel].text = m_windowId;

    m_toolbar.loadBars();
    m_context.host.setWindowGeometry(
        { st.WindowLeft, st.WindowTop, st.WindowWidth, st.WindowHeight });
    m_toolbar.applyListFont();
    // The site selectors fill after the window's first paint (loadSiteSelectors).
    m_selector.applyColumnWidths();
    m_popUps.showModes();
    m_refresh.load();
    m_navigator.startNavigation();
    m_toolbar.loadButtonStates();
    m_menu.load();
    m_status.showOfflineState();
    m_status.showClock();
    // A window the user has not activated yet (one opened behind another) is whole too.
    applyToolTips();
    if (m_context.host.windowState() != WindowState::Minimized)
        m_toolbar.layoutControls();
    m_loaded = true;
}

void MainWindowLogic::activate()
{
    if (m_activatedOnce)
        return;
    m_activatedOnce = true;
    m_view[Control::ConnectionButton].text
        = connectionCaption(m_context.app.connectionState().connected);
}

void MainWindowLogic::resize()
{
    MainWindowHost& host = m_context.host;
    const WindowState state = host.windowState();
    if (state == WindowState::Minimized)
        return;
    const Rect window = host.windowGeometry();
    const Rect held = heldToMinimumSize(window);
    if (!(held == window))
        host.setWindowGeometry(held);
    m_toolbar.layoutControls();
    m_selector.fitHeights();
    const Size client = host.clientSize();
    const ToolbarState& bars = m_toolbar.state();
    m_toolbar.placeBrowserArea(
        browserAreaRect(client, bars.toolbarOffset, bars.statusBarAllowance));
    m_view.statusPanel1Width = statusPanel1Width(client.width);
    if (placementSavable(
            state == WindowState::Normal, m_navigator.state().pageChangedWindow, held)) {
        Settings& st = m_context.settings();
        st.WindowLeft = static_cast<float>(held.left);
        st.WindowTop = static_cast<float>(held.top);
        st.WindowWidth = static_cast<float>(held.width);
        st.WindowHeight = static_cast<float>(held.height);
    }
}

int MainWindowLogic::beginClose()
{
    m_navigator.uncheckBoxes();
    m_context.host.hideWindow();
    if (!m_context.shared.paths.DefPagePath.empty())
        m_context.browser.navigate(m_context.shared.paths.DefPagePath);
    return kCloseWaitMs;
}

CloseOutcome MainWindowLogic::finishClose()
{
    Settings& st = m_context.settings();
    MainWindowHost& host = m_context.host;
    CloseOutcome out;
    const WindowState state = host.windowState();
    const Rect window = host.windowGeometry();
    if (placementSavable(
            state == WindowState::Normal, m_navigator.state().pageChangedWindow, window)) {
        st.WindowLeft = static_cast<float>(window.left);
        st.WindowTop = static_cast<float>(window.top);
        st.WindowWidth = static_cast<float>(window.width);
        st.WindowHeight = static_cast<float>(window.height);
        out.placement = window;
    }
    if (state != WindowState::Minimized) {
        const auto pages = host.selectorColumnWidthsPx(Control::PageSelector);
        const auto categories = host.selectorColumnWidthsPx(Control::CategorySelector);
        const auto twips = [](int px) { return static_cast<float>(px * kTwipsPerPixel); };
        st.ColumnWidths
            = { twips(pages[0]), twips(pages[1]), twips(categories[0]), twips(categories[1]) };
        out.columnWidths = st.ColumnWidths;
    }
    st.RefreshInterval = m_refresh.countdown().interval();
    const ToolbarState& bars = m_toolbar.state();
    st.TimerControlsSwapped = bars.timerControlsSwapped;
    st.CycleButton1State = bars.firstCycleState;
    st.CycleButton2State = bars.secondCycleState;
    out.perWindow = perWindowSettingsOf(st);

    for (const MainWindowTimer timer : { MainWindowTimer::RefreshTick,
             MainWindowTimer::RefreshWatchdog, MainWindowTimer::ToolbarJustHidden,
             MainWindowTimer::DeferredAction, MainWindowTimer::AutoRepeat })
        host.stopTimer(timer);
    m_navigator.stopPostDownloadPass();
    return out;
}

// --- what every main window is told --------------------------------------------------------

void MainWindowLogic::loadSiteSelectors()
{
    m_selector.load();
}

void MainWindowLogic::applyListFont()
{
    m_toolbar.applyListFont();
    resize();
}

void MainWindowLogic::applyToolTips()
{
    m_toolbar.applyToolTips();
    m_refresh.applyToolTips();
}

void MainWindowLogic::showPopUpModes()
{
    m_popUps.showModes();
}

void MainWindowLogic::showOfflineState()
{
    m_status.showOfflineState();
}

void MainWindowLogic::openNewMainWindow()
{
    m_navigator.openNewMainWindow();
}

// --- navigation ----------------------------------------------------------------------------

bool MainWindowLogic::openPage(const std::string& address)
{
    m_navigator.setAddressText(AddressDisplayForm(address));
    m_refresh.restartAfterNavigation();
    return m_navigator.openAddress(address);
}

void MainWindowLogic::onGoClick()
{
    m_toolbar.setAutoHideSuspended(false);
    m_refresh.restartAfterNavigation();
    m_navigator.go();
}

void MainWindowLogic::onAddressTextEdited(const std::string& text)
{
    m_navigator.setAddressText(text);
}

void MainWindowLogic::onAddressFocusChanged(bool focused)
{
    m_navigator.onAddressFocusChanged(focused);
}

void MainWindowLogic::onBackClick()
{
    m_toolbar.setAutoHideSuspended(false);
    m_context.browser.goBack();
}

void MainWindowLogic::onForwardClick()
{
    m_toolbar.setAutoHideSuspended(false);
    m_context.browser.goForward();
}

void MainWindowLogic::onRefreshClick()
{
    const std::string address = m_context.browser.address();
    if (address.empty())
        return;
    m_toolbar.setAutoHideSuspended(false);
    m_navigator.setAddressText(AddressDisplayForm(address));
    m_refresh.refreshNow();
}

void MainWindowLogic::onRefreshRightButtonDown()
{
    m_refresh.onRefreshButtonRightDown();
}

void MainWindowLogic::onListButtonClick()
{
    m_toolbar.setAutoHideSuspended(false);
    m_navigator.openListEditor();
}

void MainWindowLogic::onCheckBoxClick(Control box, bool checked)
{
    m_toolbar.setAutoHideSuspended(false);
    m_navigator.onCheckBoxClick(box, checked);
}

void MainWindowLogic::onNewWindowMenu()
{
    m_navigator.onNewWindowMenu();
}

// --- the site selector ---------------------------------------------------------------------

void MainWindowLogic::onSelectorButtonClick()
{
    m_selector.onButtonClick();
}

void MainWindowLogic::onSelectorButtonDown()
{
    m_selector.onButtonDown();
}

void MainWindowLogic::onSelectorButtonUp()
{
    m_selector.onButtonUp();
}

void MainWindowLogic::onSelectorClick(Control list, std::optional<std::size_t> row)
{
    if (const auto address = m_selector.onClick(list, row))
        m_selector.onPageOpened(list, openPage(*address));
}

void MainWindowLogic::onSelectorColumnClick(Control list)
{
    scheduleDeferredAction(list == Control::PageSelector ? DeferredAction::HidePageSelector
                                                         : DeferredAction::HideCategorySelector,
        kColumnClickHideMs);
    m_toolbar.setAutoHideSuspended(false);
}

void MainWindowLogic::onSelectorFocusChanged(Control list, bool focused)
{
    m_selector.onFocusChanged(list, focused);
}

// --- the automatic refresh -----------------------------------------------------------------

void MainWindowLogic::onRefreshTick()
{
    m_refresh.onTick();
}

void MainWindowLogic::onRefreshWatchdogTick()
{
    m_refresh.onWatchdogTick();
}

void MainWindowLogic::onIntervalButtonDown(Control button, MouseButton mouse)
{
    m_toolbar.setAutoHideSuspended(false);
    m_refresh.onIntervalButtonDown(button, mouse);
}

void MainWindowLogic::onAutoRepeatTick()
{
    m_refresh.onAutoRepeatTick();
}

void MainWindowLogic::onIntervalButtonUp(Control)
{
    m_refresh.onIntervalButtonUp();
}

void MainWindowLogic::onIntervalBoxDoubleClick()
{
    m_refresh.onIntervalBoxDoubleClick();
}

void MainWindowLogic::onCountdownBoxDoubleClick()
{
    m_refresh.onCountdownBoxDoubleClick();
}

void MainWindowLogic::onTimerBoxRightButtonDown(Control box)
{
    m_view[box].enabled = false;
    scheduleDeferredAction(box == Control::IntervalBox ? DeferredAction::EnableIntervalBox
                                                       : DeferredAction::EnableCountdownBox,
        kBoxReenableMs);
}

void MainWindowLogic::onTimerBoxFocus(Control)
{
    m_toolbar.setAutoHideSuspended(false);
}

// --- the toolbar, its buttons, the keyboard and the menu -----------------------------------

void MainWindowLogic::onToolbarToggleClick()
{
    m_toolbar.onToggleClick();
}

void MainWindowLogic::onToolbarToggleMouseOver()
{
    m_toolbar.onToggleMouseOver();
}

void MainWindowLogic::onToolbarTimer()
{
    m_toolbar.onJustHiddenTimer();
}

void MainWindowLogic::onStatusTick()
{
    m_toolbar.onStatusTick();
    m_status.onTick();
}

void MainWindowLogic::onCheckBoxesToggleClick()
{
    m_toolbar.onCheckBoxesToggleClick();
    m_selector.fitHeights();
}

void MainWindowLogic::onFirstCycleButtonClick()
{
    m_toolbar.setAutoHideSuspended(false);
    BrowserControl& browser = m_context.browser;
    switch (m_toolbar.state().firstCycleState) {
    case kCycleFind:
        browser.focusPage();
        browser.findInPage();
        break;
    case kCycleFull:
        m_context.app.openInFullScreen(m_navigator.addressText());
        break;
    default:
        browser.stopLoading();
        break;
    }
}

void MainWindowLogic::onFirstCycleButtonRightDown()
{
    m_toolbar.onFirstCycleButtonRightDown();
}

void MainWindowLogic::onSecondCycleButtonClick()
{
    switch (m_toolbar.state().secondCycleState) {
    case kCycleMail:
        m_toolbar.setAutoHideSuspended(true);
        m_context.host.popUpMailMenu();
        break;
    case kCycleOffline:
        m_toolbar.setAutoHideSuspended(false);
        toggleOfflineMode();
        break;
    default:
        m_toolbar.setAutoHideSuspended(false);
        m_context.app.showHistoryWindow();
        break;
    }
}

void MainWindowLogic::onSecondCycleButtonRightDown()
{
    m_toolbar.onSecondCycleButtonRightDown();
}

void MainWindowLogic::onSwapButton()
{
    m_toolbar.setAutoHideSuspended(false);
    m_toolbar.setUpTimerButtons(true);
}

void MainWindowLogic::onMenuButtonClick()
{
    m_toolbar.setAutoHideSuspended(true);
    m_view.menuCheck(MenuItem::WorkOffline) = m_context.shared.OfflineMode;
    m_menu.showLauncherCaptions();
    m_context.host.popUpMainMenu();
}

KeyOutcome MainWindowLogic::onKeyDown(const KeyEvent& key)
{
    BrowserControl& browser = m_context.browser;
    const bool inAddressBox = m_navigator.state().addressBoxFocused;
    KeyOutcome outcome = KeyOutcome::Consumed;
    switch (windowKeyAction(key, inAddressBox)) {
    case WindowKeyAction::StopPage:
        browser.stopLoading();
        break;
    case WindowKeyAction::FullScreen:
        onViewFullScreen();
        break;
    case WindowKeyAction::RefreshPage:
        browser.reloadPage(reloadModeOf(m_context.settings().RefreshMode));
        break;
    case WindowKeyAction::PressMenuButton:
        m_view.requestFocus(Control::MenuButton);
        onMenuButtonClick();
        break;
    case WindowKeyAction::PressHideShowToolbar:
        onToolbarToggleClick();
        break;
    case WindowKeyAction::FocusPage:
        browser.focusPage();
        // The page's own commands; any other key goes on to the page.
        if (key.key == Key::F)
            browser.findInPage();
        else if (key.key == Key::A)
            browser.selectAll();
        else if (key.key == Key::P)
            browser.print();
        else
            outcome = KeyOutcome::PassOn;
        break;
    case WindowKeyAction::None:
        outcome = KeyOutcome::PassOn;
        break;
    }
    if (!inAddressBox)
        return outcome;
    switch (addressKeyAction(key)) {
    case AddressKeyAction::Go:
        onGoClick();
        return KeyOutcome::Consumed;
    case AddressKeyAction::FindInPage:
        browser.focusPage();
        browser.findInPage();
        return KeyOutcome::Consumed;
    case AddressKeyAction::SelectAllInPage:
        browser.focusPage();
        browser.selectAll();
        return KeyOutcome::Consumed;
    case AddressKeyAction::None:
        break;
    }
    return outcome;
}

void MainWindowLogic::onMenuCommand(MenuCommand command)
{
    switch (command) {
    case MenuCommand::ViewStatusBar:
        onViewStatusBar();
        break;
    case MenuCommand::ViewRefresh:
        onViewRefresh();
        break;
    case MenuCommand::ViewStop:
        onViewStop();
        break;
    case MenuCommand::NewBrowserWindow:
        onNewWindowMenu();
        break;
    case MenuCommand::FullScreenWindow:
        onViewFullScreen();
        break;
    case MenuCommand::HistoryWindow:
        m_context.app.showHistoryWindow();
        break;
    case MenuCommand::ListWindow:
        onListButtonClick();
        break;
    case MenuCommand::KillPopUps:
        onKillPopUpsMenu();
        break;
    case MenuCommand::KillPopUpsWithBoom:
        onKillPopUpsWithBoomMenu();
        break;
    case MenuCommand::SilenceScriptErrors:
        onSilenceScriptErrorsMenu();
        break;
    case MenuCommand::WorkOffline:
        toggleOfflineMode();
        break;
    case MenuCommand::CloseWindow:
        m_context.host.closeWindow();
        break;
    case MenuCommand::OptionsWindow:
        m_context.app.showOptionsWindow(m_navigator.addressText());
        break;
    case MenuCommand::AboutWindow:
        m_context.app.showAboutWindow();
        break;
    case MenuCommand::SuggestionsWindow:
        m_context.app.showSuggestionsWindow();
        break;
    default:
        m_menu.run(command);
        break;
    }
}

void MainWindowLogic::onViewStatusBar()
{
    m_toolbar.onViewStatusBar();
    m_selector.fitHeights();
}

void MainWindowLogic::onViewRefresh()
{
    onRefreshClick();
}

void MainWindowLogic::onViewStop()
{
    m_context.browser.stopLoading();
}

void MainWindowLogic::onViewFullScreen()
{
    m_context.app.openInFullScreen(m_navigator.addressText());
}

void MainWindowLogic::onStatusBarClick()
{
    m_selector.hide(Control::PageSelector);
    m_selector.hide(Control::CategorySelector);
    m_toolbar.setAutoHideSuspended(false);
}

void MainWindowLogic::onStatusBarRightClick()
{
    m_status.onStatusBarRightClick();
}

void MainWindowLogic::onClockPanelDoubleClick()
{
    m_status.onClockPanelDoubleClick();
}

void MainWindowLogic::onToolbarBackgroundClick()
{
    m_toolbar.setAutoHideSuspended(false);
    m_context.browser.focusPage();
}

void MainWindowLogic::onBrowserGotFocus()
{
    m_toolbar.setAutoHideSuspended(false);
}

void MainWindowLogic::scheduleDeferredAction(DeferredAction action, int delayMs)
{
    // One timer serves every action: one still waiting is carried out now rather than
    // lost, so a box is never left disabled.
    if (m_pendingAction != DeferredAction::None && m_pendingAction != action)
        runDeferredAction(m_pendingAction);
    m_pendingAction = action;
    m_context.host.startTimer(MainWindowTimer::DeferredAction, delayMs);
}

void MainWindowLogic::onDeferredActionTimer()
{
    m_context.host.stopTimer(MainWindowTimer::DeferredAction);
    const DeferredAction action = m_pendingAction;
    m_pendingAction = DeferredAction::None;
    runDeferredAction(action);
}

void MainWindowLogic::runDeferredAction(DeferredAction action)
{
    switch (action) {
    case DeferredAction::EnableIntervalBox:
        m_view[Control::IntervalBox].enabled = true;
        break;
    case DeferredAction::EnableCountdownBox:
        m_view[Control::CountdownBox].enabled = true;
        break;
    case DeferredAction::HidePageSelector:
    case DeferredAction::HideCategorySelector:
        m_selector.hide(action == DeferredAction::HidePageSelector ? Control::PageSelector
                                                                   : Control::CategorySelector);
        m_toolbar.setAutoHideSuspended(false);
        break;
    case DeferredAction::None:
        break;
    }
}

void MainWindowLogic::toggleOfflineMode()
{
    sg::toggleOfflineMode(m_context.shared, m_context.app);
}

void MainWindowLogic::onConnectionButtonClick()
{
    BrowserApp& app = m_context.app;
    const ConnectionState connection = app.connectionState();
    if (!connection.connected && m_refresh.viaModem()) {
        app.autodial();
        return;
    }
    const ModalWindowHold hold(m_context.shared);
    if (!connection.connected) {
        if (m_context.host.askYesNo("You Are NOT CONNECTED To The Internet\n"
                                    "Do You Want An iNet Dial-Up Window?"))
            app.autodial();
    } else {
        m_context.host.showMessage("You Are CONNECTED To The Internet");
        m_refresh.setViaModem(connection.viaModem);
    }
}

// --- pop-up killing and script errors ------------------------------------------------------

void MainWindowLogic::onKillPopUpsMenu()
{
    m_popUps.onKillPopUpsMenu();
}

void MainWindowLogic::onKillPopUpsWithBoomMenu()
{
    m_popUps.onKillPopUpsWithBoomMenu();
}

void MainWindowLogic::onSilenceScriptErrorsMenu()
{
    m_popUps.onSilenceScriptErrorsMenu();
}

void MainWindowLogic::onPostDownloadTick()
{
    m_navigator.onPostDownloadTick();
}

// --- the browser's events ------------------------------------------------------------------

bool MainWindowLogic::onNavigationRequested(const std::string& address)
{
    const bool elsewhere = m_navigator.onNavigationRequested(address);
    if (!elsewhere)
        m_refresh.onNavigationAway();
    return elsewhere;
}

void MainWindowLogic::onUrlChanged()
{
    m_navigator.onUrlChanged();
    m_refresh.restartAfterNavigation();
}

void MainWindowLogic::onLoadStarted()
{
    m_navigator.onLoadStarted();
}

void MainWindowLogic::onLoadFinished()
{
    m_refresh.onLoadFinished();
    m_navigator.onLoadFinished();
    m_popUps.onLoadFinished();
}

void MainWindowLogic::onTitleChanged(const std::string& title)
{
    m_navigator.onTitleChanged(title);
    m_status.markCaption();
}

void MainWindowLogic::onStatusTextChanged(const std::string& text)
{
    m_view.panels[0].text = text;
}

void MainWindowLogic::onLoadProgress(int progress, int maximum)
{
    m_navigator.onLoadProgress(progress, maximum);
}

void MainWindowLogic::onHistoryStateChanged(bool canGoBack, bool canGoForward)
{
    m_navigator.onHistoryStateChanged(canGoBack, canGoForward);
}

void MainWindowLogic::onNavigationFailed(NavigationFailure failure)
{
    m_refresh.onNavigationFailed();
    m_navigator.onNavigationFailed(failure);
}

NewWindowTarget MainWindowLogic::onNewWindowRequested()
{
    return m_navigator.onNewWindowRequested();
}

void MainWindowLogic::onGeometryRequested(const RectPx& pixels)
{
    m_navigator.onGeometryRequested(pixels);
}

void MainWindowLogic::onToolbarRequested(bool shown)
{
    m_navigator.onToolbarRequested(shown);
}

} // namespace sg
