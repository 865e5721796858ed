// The toolbar's other buttons, the menu button, the keyboard, the View menu and the
// deferred actions.

#include "browser/cycle_buttons.h"
#include "browser/main_window_logic.h"

namespace sg {

void MainWindowLogic::applyCycleButton1()
{
    m_view.setText(
        Control::StopFindFullButton, std::string(cycleButton1Caption(m_s.CycleButton1State)));
    m_view.setToolTip(
        Control::StopFindFullButton, toolTip(cycleButton1ToolTip(m_s.CycleButton1State)));
}

void MainWindowLogic::applyCycleButton2()
{
    m_view.setText(
        Control::HistoryMailOfflineButton, std::string(cycleButton2Caption(m_s.CycleButton2State)));
    m_view.setToolTip(
        Control::HistoryMailOfflineButton, toolTip(cycleButton2ToolTip(m_s.CycleButton2State)));
}

void MainWindowLogic::onCycleButton1Click()
{
    m_s.AutoHideSuspended = false;
    switch (m_s.CycleButton1State) {
    case kCycleFind:
        m_browser.focusPage();
        m_browser.findInPage();
        break;
    case kCycleFull:
        m_app.openInFullScreen(m_s.addressText);
        break;
    default:
        m_browser.stopLoading();
        break;
    }
}

void MainWindowLogic::onCycleButton1RightButtonDown()
{
    m_s.CycleButton1State = nextCycleState(m_s.CycleButton1State);
    settings().CycleButton1State = m_s.CycleButton1State;
    applyCycleButton1();
}

void MainWindowLogic::onCycleButton2Click()
{
    switch (m_s.CycleButton2State) {
    case kCycleMail:
        m_s.AutoHideSuspended = true;
        m_view.popUpMailMenu();
        break;
    case kCycleOffline:
        m_s.AutoHideSuspended = false;
        toggleOfflineMode();
        break;
    default:
        m_s.AutoHideSuspended = false;
        m_app.showHistoryWindow();
        break;
    }
}

void MainWindowLogic::onCycleButton2RightButtonDown()
{
    m_s.CycleButton2State = nextCycleState(m_s.CycleButton2State);
    settings().CycleButton2State = m_s.CycleButton2State;
    applyCycleButton2();
}

void MainWindowLogic::toggleOfflineMode()
{
    bool& offline = m_shared.OfflineMode;
    if (!offline && m_app.SetOffline())
        offline = true;
    else if (offline && m_app.SetOnline())
        offline = false;
    m_shared.OfflineModeAutomatic = false; // the user's choice stands
    showOfflineMode();
}

void MainWindowLogic::showOfflineMode()
{
    m_shared.toolTips[48] = std::string("Working Offline - Now = ")
        + (m_shared.OfflineMode ? "True" : "False") + " (Right-Click To Cycle)";
    m_app.offlineStateChanged();
}

void MainWindowLogic::showOfflineState()
{
    m_view.setMenuChecked(MenuItem::WorkOffline, m_shared.OfflineMode);
    if (m_s.CycleButton2State == kCycleOffline && toolTipsOn())
        m_view.setToolTip(Control::HistoryMailOfflineButton, m_shared.toolTips[48]);
}

void MainWindowLogic::onSwapButton()
{
    m_s.AutoHideSuspended = false;
    setUpTimerButtons(1);
}

void MainWindowLogic::onConnectionButtonClick()
{
    const ConnectionState connection = m_app.connectionState();
    if (!connection.connected && m_s.ViaModem) {
        m_app.autodial();
        return;
    }
    const ModalWindowHold hold(m_shared);
    if (!connection.connected) {
        if (m_view.askYesNo("You Are NOT CONNECTED To The Internet\n"
                            "Do You Want An iNet Dial-Up Window?"))
            m_app.autodial();
    } else {
        m_view.showMessage("You Are CONNECTED To The Internet");
        m_s.ViaModem = connection.viaModem;
    }
}

void MainWindowLogic::onMenuButtonClick()
{
    m_s.AutoHideSuspended = true;
    m_view.setMenuChecked(MenuItem::WorkOffline, m_shared.OfflineMode);
    m_view.popUpMainMenu();
}

KeyOutcome MainWindowLogic::onKeyDown(const KeyEvent& key)
{
    KeyOutcome outcome = KeyOutcome::Consumed;
    switch (windowKeyAction(key, m_s.AddressBoxFocused)) {
    case WindowKeyAction::StopPage:
        m_browser.stopLoading();
        break;
    case WindowKeyAction::FullScreen:
        onViewFullScreen();
        break;
    case WindowKeyAction::RefreshPage:
        m_browser.reloadPage(reloadModeOf(settings().RefreshMode));
        break;
    case WindowKeyAction::PressMenuButton:
        m_view.setFocus(Control::MenuButton);
        onMenuButtonClick();
        break;
    case WindowKeyAction::PressHideShowToolbar:
        onHideShowToolbarClick();
        break;
    case WindowKeyAction::FocusPage:
        m_browser.focusPage();
        // The page's own commands; any other key goes on to the page.
        if (key.key == Key::F)
            m_browser.findInPage();
        else if (key.key == Key::A)
            m_browser.selectAll();
        else if (key.key == Key::P)
            m_browser.print();
        else
            outcome = KeyOutcome::PassOn;
        break;
    case WindowKeyAction::None:
        outcome = KeyOutcome::PassOn;
        break;
    }
    if (!m_s.AddressBoxFocused)
        return outcome;
    switch (addressKeyAction(key)) {
    case AddressKeyAction::Go:
        onGoClick();
        return KeyOutcome::Consumed;
    case AddressKeyAction::FindInPage:
        m_browser.focusPage();
        m_browser.findInPage();
        return KeyOutcome::Consumed;
    case AddressKeyAction::SelectAllInPage:
        m_browser.focusPage();
        m_browser.selectAll();
        return KeyOutcome::Consumed;
    case AddressKeyAction::None:
        break;
    }
    return outcome;
}

void MainWindowLogic::onViewRefresh()
{
    onRefreshClick();
}

void MainWindowLogic::onViewStop()
{
    m_browser.stopLoading();
}

void MainWindowLogic::onViewFullScreen()
{
    m_app.openInFullScreen(m_s.addressText);
}

void MainWindowLogic::onStatusBarClick()
{
    if (m_s.listView1Visible)
        showList(Control::PageSelector, false);
    if (m_s.listView2Visible)
        showList(Control::CategorySelector, false);
    m_s.AutoHideSuspended = false;
}

void MainWindowLogic::onToolbarBackgroundClick()
{
    m_s.AutoHideSuspended = false;
    m_browser.focusPage();
}

void MainWindowLogic::onBrowserGotFocus()
{
    m_s.AutoHideSuspended = false;
}

void MainWindowLogic::scheduleDeferredAction(DeferredAction action, int delayMs)
{
    // One timer serves every action: one still waiting is carried out now rather than
    // lost, so a box is never left disabled.
    if (m_s.pendingAction != DeferredAction::None && m_s.pendingAction != action)
        runDeferredAction(m_s.pendingAction);
    m_s.pendingAction = action;
    m_view.startTimer(MainWindowTimer::DeferredAction, delayMs);
}

void MainWindowLogic::onDeferredActionTimer()
{
    m_view.stopTimer(MainWindowTimer::DeferredAction);
    const DeferredAction action = m_s.pendingAction;
    m_s.pendingAction = DeferredAction::None;
    runDeferredAction(action);
}

void MainWindowLogic::runDeferredAction(DeferredAction action)
{
    switch (action) {
    case DeferredAction::EnableText2:
        m_view.setEnabled(Control::IntervalBox, true);
        break;
    case DeferredAction::EnableText3:
        m_view.setEnabled(Control::CountdownBox, true);
        break;
    case DeferredAction::HideListView1:
        showList(Control::PageSelector, false);
        m_s.AutoHideSuspended = false;
        break;
    case DeferredAction::HideListView2:
        showList(Control::CategorySelector, false);
        m_s.AutoHideSuspended = false;
        break;
    case DeferredAction::None:
        break;
    }
}

} // namespace sg
