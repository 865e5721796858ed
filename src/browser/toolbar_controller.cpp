#include "browser/toolbar_controller.h"

#include "browser/cycle_buttons.h"
#include "browser/window_layout.h"

namespace sg {

void ToolbarController::loadBars()
{
    const Settings& st = m_c.settings();
    m_s.statusBarVisible = st.StatusBarHidden == 0;
    m_s.statusBarAllowance = m_s.statusBarVisible ? 0 : kStatusBarAllowance;
    m_c.view[Control::StatusBar].visible = m_s.statusBarVisible;
    m_c.view[Control::ProgressBar].visible = m_s.statusBarVisible;
    m_c.view.menuCheck(MenuItem::StatusBar) = m_s.statusBarVisible;

    m_s.checkBoxesShown = st.CheckBoxesShown != 0;
    if (!m_s.checkBoxesShown) {
        m_c.view[Control::NewWindowBox].visible = false;
        m_c.view[Control::FullScreenBox].visible = false;
        m_c.view[Control::CheckBoxesToggle].geometry = checkBoxLabelRect(false);
    }
}

void ToolbarController::applyListFont()
{
    const Settings& st = m_c.settings();
    m_c.host.applyListFont(st.FontName, st.FontBold, st.FontSize);
    m_s.rowHeightUnit = m_c.host.textHeightTwips("Whadever");
    m_s.addressBoxHeight = m_s.rowHeightUnit + kAddressBoxExtraHeight;
}

void ToolbarController::loadButtonStates()
{
    const Settings& st = m_c.settings();
    m_s.timerControlsSwapped = st.TimerControlsSwapped;
    m_s.firstCycleState = normalCycleState(st.CycleButton1State);
    m_s.secondCycleState = normalCycleState(st.CycleButton2State);
    applyFirstCycleButton();
    applySecondCycleButton();
    setUpTimerButtons(false);
}

void ToolbarController::applyToolTips()
{
    const auto tip = [this](Control control, ToolTip entry) {
        m_c.view[control].toolTip = m_c.toolTip(entry);
    };
    tip(Control::MenuButton, ToolTip::MenuButton);
    tip(Control::ConnectionButton, ToolTip::ConnectionButton);
    tip(Control::ListButton, ToolTip::ListButton);
    tip(Control::BackButton, ToolTip::BackButton);
    tip(Control::ForwardButton, ToolTip::ForwardButton);
    tip(Control::ToolbarToggleButton, ToolTip::ToolbarToggleButton);
    tip(Control::AddressBox, ToolTip::AddressBox);
    tip(Control::LeftSelectorButton, ToolTip::SelectorButtons);
    tip(Control::RightSelectorButton, ToolTip::SelectorButtons);
    tip(Control::GoButton, ToolTip::GoButton);
    tip(Control::NewWindowBox, ToolTip::NewWindowBox);
    tip(Control::FullScreenBox, ToolTip::FullScreenBox);
    tip(Control::SwapButton, ToolTip::SwapButton);
    tip(Control::CheckBoxesToggle, ToolTip::CheckBoxesToggle);
    tip(Control::ClockPanel, ToolTip::Clock);
    applyFirstCycleButton();
    applySecondCycleButton();
}

void ToolbarController::layoutControls()
{
    const double clientWidth = m_c.host.clientSize().width;
    const bool hidden = !toolbarShown();
    auto& v = m_c.view;
    v[Control::Toolbar].geometry = toolbarRect(clientWidth, hidden);
    v[Control::ToolbarToggleButton].geometry = hideShowButtonRect(m_s.checkBoxesShown, hidden);
    const Rect address = addressBoxRect(clientWidth, m_s.checkBoxesShown, m_s.addressBoxHeight);
    v[Control::AddressBox].geometry = address;
    v[Control::LeftSelectorButton].geometry
        = selectorButton1Rect(m_s.checkBoxesShown, m_s.addressBoxHeight);
    v[Control::RightSelectorButton].geometry = selectorButton2Rect(address);
    v[Control::GoButton].geometry = goButtonRect(clientWidth, m_s.addressBoxHeight);
}

void ToolbarController::placeBrowserArea(const Rect& area)
{
    m_s.browserArea = area;
    m_c.view[Control::Browser].geometry = area;
}

void ToolbarController::fillBrowserArea()
{
    placeBrowserArea(
        browserAreaRect(m_c.host.clientSize(), m_s.toolbarOffset, m_s.statusBarAllowance));
    // A page laid out for the old size lays itself out again.
    ++m_c.view.browserRelayouts;
}

void ToolbarController::setStatusBarShown(bool shown)
{
    // Only a change moves the browser area, so hiding twice never grows it twice.
    if (shown == m_s.statusBarVisible)
        return;
    m_s.statusBarVisible = shown;
    m_c.view[Control::StatusBar].visible = shown;
    m_c.view[Control::ProgressBar].visible = shown && m_c.view.progressValue > 0;
    Rect area = m_s.browserArea;
    if (shown) {
        m_s.statusBarAllowance = 0;
        area.height -= kStatusBarAllowance;
    } else {
        m_s.statusBarAllowance = kStatusBarAllowance;
        area.height += kStatusBarAllowance;
    }
    placeBrowserArea(area);
}

void ToolbarController::hideToolbar()
{
    m_s.toolbarOffset = kToolbarHiddenOffset;
    // Out of sight as a whole: no strip of its buttons stays above the page.
    m_c.view[Control::Toolbar].visible = false;
    m_c.view[Control::Toolbar].geometry = toolbarRect(m_c.host.clientSize().width, true);
    Rect area = m_s.browserArea;
    area.top -= kToolbarHiddenOffset;
    area.height += kToolbarHiddenOffset;
    placeBrowserArea(area);
    m_c.view[Control::ToolbarToggleButton].geometry = hideShowButtonRect(m_s.checkBoxesShown, true);
    m_s.toolbarJustHidden = true;
    m_c.host.startTimer(MainWindowTimer::ToolbarJustHidden, kToolbarTimerMs);
    setStatusBarShown(false);
}

void ToolbarController::showToolbar()
{
    m_s.toolbarOffset = 0;
    m_c.view[Control::Toolbar].visible = true;
    m_c.view[Control::Toolbar].geometry = toolbarRect(m_c.host.clientSize().width, false);
    Rect area = m_s.browserArea;
    area.top += kToolbarHiddenOffset;
    area.height -= kToolbarHiddenOffset;
    placeBrowserArea(area);
    m_c.view[Control::ToolbarToggleButton].geometry
        = hideShowButtonRect(m_s.checkBoxesShown, false);
    if (m_c.settings().StatusBarHidden == 0)
        setStatusBarShown(true);
}

void ToolbarController::onToggleClick()
{
    if (m_c.settings().HideControlsMode <= 0)
        return;
    if (toolbarShown())
        hideToolbar();
    else
        showToolbar();
    m_c.view.requestFocus(Control::ConnectionButton);
}

void ToolbarController::onToggleMouseOver()
{
    if (!toolbarShown() && !m_s.toolbarJustHidden && m_c.settings().HideControlsMode != 0)
        showToolbar();
}

void ToolbarController::onJustHiddenTimer()
{
    m_s.toolbarJustHidden = false;
    m_c.host.stopTimer(MainWindowTimer::ToolbarJustHidden);
}

void ToolbarController::onStatusTick()
{
    if (m_c.settings().HideControlsMode != 2 || m_s.autoHideSuspended || !toolbarShown())
        return;
    if (!pointerOverToolbarBand(
            m_c.host.windowGeometry(), m_c.host.captionHeightPx(), m_c.host.mousePositionPx()))
        hideToolbar();
}

void ToolbarController::onViewStatusBar()
{
    Settings& st = m_c.settings();
    st.StatusBarHidden = st.StatusBarHidden == 0 ? 1 : 0;
    m_c.view.menuCheck(MenuItem::StatusBar) = st.StatusBarHidden == 0;
    setStatusBarShown(st.StatusBarHidden == 0);
}

void ToolbarController::onCheckBoxesToggleClick()
{
    m_s.autoHideSuspended = false;
    m_s.checkBoxesShown = !m_s.checkBoxesShown;
    m_c.settings().CheckBoxesShown = m_s.checkBoxesShown ? 1 : 0;
    m_c.view[Control::NewWindowBox].visible = m_s.checkBoxesShown;
    m_c.view[Control::FullScreenBox].visible = m_s.checkBoxesShown;
    m_c.view[Control::CheckBoxesToggle].geometry = checkBoxLabelRect(m_s.checkBoxesShown);
    layoutControls();
}

void ToolbarController::applyFirstCycleButton()
{
    ControlView& button = m_c.view[Control::StopFindFullButton];
    button.text = std::string(cycleButton1Caption(m_s.firstCycleState));
    button.toolTip = m_c.toolTip(cycleButton1ToolTip(m_s.firstCycleState));
}

void ToolbarController::applySecondCycleButton()
{
    ControlView& button = m_c.view[Control::HistoryMailOfflineButton];
    button.text = std::string(cycleButton2Caption(m_s.secondCycleState));
    button.toolTip = m_c.toolTip(cycleButton2ToolTip(m_s.secondCycleState));
}

void ToolbarController::onFirstCycleButtonRightDown()
{
    m_s.firstCycleState = nextCycleState(m_s.firstCycleState);
    m_c.settings().CycleButton1State = m_s.firstCycleState;
    applyFirstCycleButton();
}

void ToolbarController::onSecondCycleButtonRightDown()
{
    m_s.secondCycleState = nextCycleState(m_s.secondCycleState);
    m_c.settings().CycleButton2State = m_s.secondCycleState;
    applySecondCycleButton();
}

void ToolbarController::showOfflineToolTip()
{
    if (m_s.secondCycleState == kCycleOffline)
        applySecondCycleButton();
}

void ToolbarController::setUpTimerButtons(bool swap)
{
    if (swap)
        m_s.timerControlsSwapped = m_s.timerControlsSwapped == 1 ? 0 : 1;
    m_c.settings().TimerControlsSwapped = m_s.timerControlsSwapped;
    const bool cycleButtons = m_s.timerControlsSwapped == 1;
    m_c.view[Control::StopFindFullButton].visible = cycleButtons;
    m_c.view[Control::HistoryMailOfflineButton].visible = cycleButtons;
    for (const Control control : { Control::IntervalBox, Control::CountdownBox,
             Control::IntervalDownButton, Control::IntervalUpButton })
        m_c.view[control].visible = !cycleButtons;
}

} // namespace sg
