// Layout: resizing, the toolbar's hiding and showing, the status bar, the check boxes and
// the window fonts.

#include "browser/main_window_logic.h"
#include "browser/window_layout.h"

namespace sg {

void MainWindowLogic::applyWindowFonts()
{
    const Settings& st = settings();
    m_view.applyListFont(st.FontName, st.FontBold, st.FontSize);
    m_s.rowHeightUnit = m_view.textHeightTwips("Whadever");
    m_s.addressBoxHeight = m_s.rowHeightUnit + kAddressBoxExtraHeight;
}

void MainWindowLogic::placeBrowserArea(const Rect& area)
{
    m_s.browserArea = area;
    m_view.setGeometry(Control::Browser, area);
}

void MainWindowLogic::layoutToolbarControls()
{
    const double clientWidth = m_view.clientSize().width;
    const bool hidden = !toolbarShown();
    m_view.setGeometry(Control::Toolbar, toolbarRect(clientWidth, hidden));
    m_view.setGeometry(
        Control::ToolbarToggleButton, hideShowButtonRect(m_s.checkBoxesShown, hidden));
    const Rect address = addressBoxRect(clientWidth, m_s.checkBoxesShown, m_s.addressBoxHeight);
    m_view.setGeometry(Control::AddressBox, address);
    m_view.setGeometry(Control::LeftSelectorButton,
        selectorButton1Rect(m_s.checkBoxesShown, m_s.addressBoxHeight));
    m_view.setGeometry(Control::RightSelectorButton, selectorButton2Rect(address));
    m_view.setGeometry(Control::GoButton, goButtonRect(clientWidth, m_s.addressBoxHeight));
}

void MainWindowLogic::resize()
{
    const WindowState state = m_view.windowState();
    if (state == WindowState::Minimized)
        return;
    const Rect window = m_view.windowGeometry();
    const Rect held = heldToMinimumSize(window);
    if (!(held == window))
        m_view.setWindowGeometry(held);
    layoutToolbarControls();
    fitSelectorHeights();
    const Size client = m_view.clientSize();
    placeBrowserArea(browserAreaRect(client, m_s.ToolbarOffset, m_s.statusBarAllowance));
    m_view.setStatusPanel1Width(statusPanel1Width(client.width));
    if (placementSavable(state == WindowState::Normal, m_s.PageChangedWindow, held)) {
        Settings& st = settings();
        st.WindowLeft = static_cast<float>(held.left);
        st.WindowTop = static_cast<float>(held.top);
        st.WindowWidth = static_cast<float>(held.width);
        st.WindowHeight = static_cast<float>(held.height);
    }
}

void MainWindowLogic::setStatusBarShown(bool shown)
{
    // Only a change moves the browser area, so hiding twice never grows it twice.
    if (shown == m_s.statusBarVisible)
        return;
    m_s.statusBarVisible = shown;
    m_view.setVisible(Control::StatusBar, shown);
    m_view.setVisible(Control::ProgressBar, shown && m_s.progressValue > 0);
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

void MainWindowLogic::hideToolbar()
{
    m_s.ToolbarOffset = kToolbarHiddenOffset;
    m_view.setGeometry(Control::Toolbar, toolbarRect(m_view.clientSize().width, true));
    Rect area = m_s.browserArea;
    area.top -= kToolbarHiddenOffset;
    area.height += kToolbarHiddenOffset;
    placeBrowserArea(area);
    m_view.setGeometry(Control::ToolbarToggleButton, hideShowButtonRect(m_s.checkBoxesShown, true));
    m_s.ToolbarJustHidden = true;
    m_view.startTimer(MainWindowTimer::ToolbarJustHidden, kToolbarTimerMs);
    setStatusBarShown(false);
}

void MainWindowLogic::showToolbar()
{
    m_s.ToolbarOffset = 0;
    m_view.setGeometry(Control::Toolbar, toolbarRect(m_view.clientSize().width, false));
    Rect area = m_s.browserArea;
    area.top += kToolbarHiddenOffset;
    area.height -= kToolbarHiddenOffset;
    placeBrowserArea(area);
    m_view.setGeometry(
        Control::ToolbarToggleButton, hideShowButtonRect(m_s.checkBoxesShown, false));
    if (settings().StatusBarHidden == 0)
        setStatusBarShown(true);
}

void MainWindowLogic::onHideShowToolbarClick()
{
    if (settings().HideControlsMode <= 0)
        return;
    if (toolbarShown())
        hideToolbar();
    else
        showToolbar();
    moveFocusToConnectionButton();
}

void MainWindowLogic::onHideShowToolbarMouseMove()
{
    if (!toolbarShown() && !m_s.ToolbarJustHidden && settings().HideControlsMode != 0)
        showToolbar();
}

void MainWindowLogic::onToolbarTimer()
{
    m_s.ToolbarJustHidden = false;
    m_view.stopTimer(MainWindowTimer::ToolbarJustHidden);
}

void MainWindowLogic::onStatusTick()
{
    if (settings().HideControlsMode != 2 || m_s.AutoHideSuspended || !toolbarShown())
        return;
    if (!pointerOverToolbarBand(
            m_view.windowGeometry(), m_view.captionHeightPx(), m_view.mousePositionPx()))
        hideToolbar();
}

void MainWindowLogic::onViewStatusBar()
{
    Settings& st = settings();
    st.StatusBarHidden = st.StatusBarHidden == 0 ? 1 : 0;
    m_view.setMenuChecked(MenuItem::StatusBar, st.StatusBarHidden == 0);
    setStatusBarShown(st.StatusBarHidden == 0);
    fitSelectorHeights();
}

void MainWindowLogic::onCheckBoxLabelClick()
{
    m_s.AutoHideSuspended = false;
    m_s.checkBoxesShown = !m_s.checkBoxesShown;
    settings().CheckBoxesShown = m_s.checkBoxesShown ? 1 : 0;
    m_view.setVisible(Control::NewWindowBox, m_s.checkBoxesShown);
    m_view.setVisible(Control::FullScreenBox, m_s.checkBoxesShown);
    m_view.setGeometry(Control::CheckBoxesToggle, checkBoxLabelRect(m_s.checkBoxesShown));
    layoutToolbarControls();
    fitSelectorHeights();
}

void MainWindowLogic::moveFocusToConnectionButton()
{
    m_view.setFocus(Control::ConnectionButton);
}

} // namespace sg
