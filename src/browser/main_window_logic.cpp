#include "browser/main_window_logic.h"

#include "browser/address_display.h"
#include "browser/cycle_buttons.h"
#include "browser/window_layout.h"
#include "common/file_io.h"
#include "startup/startup_helpers.h"

namespace sg {

MainWindowLogic::MainWindowLogic(
    const MainWindowServices& services, MainWindowView& view, BrowserControl& browser)
    : m_shared(services.shared)
    , m_app(services.app)
    , m_history(services.history)
    , m_clock(services.clock)
    , m_random(services.random)
    , m_view(view)
    , m_browser(browser)
    , m_countdown(services.shared.settings.RefreshInterval)
{
}

MainWindowLogic::~MainWindowLogic() = default;

std::string MainWindowLogic::toolTip(std::size_t entry) const
{
    if (!toolTipsOn() || entry >= m_shared.toolTips.size())
        return {};
    return m_shared.toolTips[entry];
}

void MainWindowLogic::setAddressText(const std::string& text)
{
    m_s.addressText = text;
    m_view.setText(Control::AddressBox, text);
}

void MainWindowLogic::load()
{
    Settings& st = settings();
    m_view.setCaption("- " + std::string(kProgramTitle));

    if (!m_shared.placementSaved) {
        const Rect placement = defaultPlacement(m_view.workArea());
        st.WindowLeft = static_cast<float>(placement.left);
        st.WindowTop = static_cast<float>(placement.top);
        st.WindowWidth = static_cast<float>(placement.width);
        st.WindowHeight = static_cast<float>(placement.height);
        m_shared.placementSaved = true;
    }

    m_s.WindowId = makeWindowId(m_random, m_clock.now());
    m_view.setText(Control::WindowIdLabel, m_s.WindowId);

    m_s.statusBarVisible = st.StatusBarHidden == 0;
    m_s.statusBarAllowance = m_s.statusBarVisible ? 0 : kStatusBarAllowance;
    m_view.setVisible(Control::StatusBar, m_s.statusBarVisible);
    m_view.setVisible(Control::ProgressBar, m_s.statusBarVisible);
    m_view.setMenuChecked(MenuItem::StatusBar, m_s.statusBarVisible);

    m_s.checkBoxesShown = st.CheckBoxesShown != 0;
    if (!m_s.checkBoxesShown) {
        m_view.setVisible(Control::NewWindowBox, false);
        m_view.setVisible(Control::FullScreenBox, false);
        m_view.setGeometry(Control::CheckBoxesToggle, checkBoxLabelRect(false));
    }

    m_view.setWindowGeometry({ st.WindowLeft, st.WindowTop, st.WindowWidth, st.WindowHeight });
    applyWindowFonts();

    loadSiteSelectors();
    applyColumnWidths();

    applyPopUpIndicators();

    m_countdown = RefreshCountdown(st.RefreshInterval);
    showInterval();
    m_view.setText(Control::CountdownBox, {});
    m_view.setTimerBoxesActive(false);

    if (!m_shared.StartNavigated) {
        m_shared.StartNavigated = true;
        const std::string address
            = m_shared.PendingStartUrl.empty() ? st.StartPage : m_shared.PendingStartUrl;
        if (!address.empty())
            m_browser.navigate(address);
    }

    m_s.TimerControlsSwapped = st.TimerControlsSwapped;
    m_s.CycleButton1State = normalCycleState(st.CycleButton1State);
    m_s.CycleButton2State = normalCycleState(st.CycleButton2State);
    applyCycleButton1();
    applyCycleButton2();
    if (m_view.windowState() != WindowState::Minimized)
        layoutToolbarControls();
    m_s.loaded = true;
}

void MainWindowLogic::activate()
{
    if (m_s.activatedOnce)
        return;
    m_s.activatedOnce = true;
    applyToolTips();
    setUpTimerButtons(0);
    m_view.setText(Control::ConnectionButton, m_app.connectionState().connected ? "iNet" : "Off");
}

int MainWindowLogic::beginClose()
{
    uncheck(Control::NewWindowBox);
    uncheck(Control::FullScreenBox);
    m_view.hideWindow();
    if (!m_shared.paths.DefPagePath.empty())
        m_browser.navigate(m_shared.paths.DefPagePath);
    return kCloseWaitMs;
}

CloseOutcome MainWindowLogic::finishClose()
{
    Settings& st = settings();
    CloseOutcome out;
    const WindowState state = m_view.windowState();
    const Rect window = m_view.windowGeometry();
    if (placementSavable(state == WindowState::Normal, m_s.PageChangedWindow, window)) {
        st.WindowLeft = static_cast<float>(window.left);
        st.WindowTop = static_cast<float>(window.top);
        st.WindowWidth = static_cast<float>(window.width);
        st.WindowHeight = static_cast<float>(window.height);
        out.placement = window;
    }
    if (state != WindowState::Minimized) {
        const Control lists[] = { Control::PageSelector, Control::PageSelector,
            Control::CategorySelector, Control::CategorySelector };
        std::array<float, 4> widths {};
        for (std::size_t i = 0; i < widths.size(); ++i) {
            widths[i] = static_cast<float>(
                m_view.selectorColumnWidthPx(lists[i], static_cast<int>(i % 2)) * kTwipsPerPixel);
        }
        st.ColumnWidths = widths;
        out.columnWidths = widths;
    }
    st.RefreshInterval = m_countdown.interval();
    st.TimerControlsSwapped = m_s.TimerControlsSwapped;
    st.CycleButton1State = m_s.CycleButton1State;
    st.CycleButton2State = m_s.CycleButton2State;
    out.perWindow = perWindowSettingsOf(st);
    out.lastMainWindow = m_app.mainWindowCount() < 2;

    for (const MainWindowTimer timer : { MainWindowTimer::RefreshTick,
             MainWindowTimer::ToolbarJustHidden, MainWindowTimer::PostDownload,
             MainWindowTimer::DeferredAction, MainWindowTimer::AutoRepeat })
        m_view.stopTimer(timer);
    m_s.postDownloadRunning = false;
    return out;
}

void MainWindowLogic::showPageAddress(int flag)
{
    if (flag == 1)
        setAddressText(AddressDisplayForm(m_browser.address()));
}

std::string MainWindowLogic::startAddress() const
{
    const Settings& st = m_shared.settings;
    if (!st.StartPage.empty())
        return st.StartPage;
    if (!m_shared.paths.DefPagePath.empty() && FileMissing(m_shared.paths.DefPagePath) == 0)
        return m_shared.paths.DefPagePath;
    return {};
}

void MainWindowLogic::openNewMainWindow()
{
    std::string address = startAddress();
    if (!m_shared.PendingStartUrl.empty())
        address = m_shared.PendingStartUrl;
    uncheck(Control::NewWindowBox);
    uncheck(Control::FullScreenBox);
    m_shared.StartNavigated = false;
    m_browser.navigateInNewWindow(address);
}

void MainWindowLogic::onNewWindowMenu()
{
    const std::string address = startAddress();
    m_shared.StartNavigated = false;
    m_browser.navigateInNewWindow(address);
}

void MainWindowLogic::applyToolTips()
{
    const auto& tips = m_shared.toolTips;
    const bool on = toolTipsOn();
    const auto set = [&](Control control, const std::string& text) {
        m_view.setToolTip(control, on ? text : std::string());
    };
    set(Control::MenuButton, tips[0]);
    set(Control::ConnectionButton, tips[1]);
    set(Control::IntervalBox, m_countdown.intervalText() + tips[2]);
    set(Control::IntervalDownButton, tips[3]);
    set(Control::IntervalUpButton, tips[3]);
    set(Control::CountdownBox, tips[4]);
    set(Control::ListButton, tips[5]);
    set(Control::RefreshButton, tips[kRefreshModeToolTip]);
    set(Control::BackButton, tips[7]);
    set(Control::ForwardButton, tips[8]);
    set(Control::ToolbarToggleButton, tips[9]);
    set(Control::AddressBox, tips[10]);
    set(Control::LeftSelectorButton, tips[11]);
    set(Control::RightSelectorButton, tips[11]);
    set(Control::GoButton, tips[12]);
    set(Control::NewWindowBox, tips[26]);
    set(Control::FullScreenBox, tips[27]);
    set(Control::StopFindFullButton, tips[cycleButton1ToolTip(m_s.CycleButton1State)]);
    set(Control::HistoryMailOfflineButton, tips[cycleButton2ToolTip(m_s.CycleButton2State)]);
    set(Control::SwapButton, tips[49]);
    set(Control::CheckBoxesToggle, tips[50]);
    set(Control::ClockPanel, tips[51]);
}

void MainWindowLogic::setUpTimerButtons(int toggle)
{
    if (toggle == 1)
        m_s.TimerControlsSwapped = m_s.TimerControlsSwapped == 1 ? 0 : 1;
    settings().TimerControlsSwapped = m_s.TimerControlsSwapped;
    const bool cycleButtons = m_s.TimerControlsSwapped == 1;
    m_view.setVisible(Control::StopFindFullButton, cycleButtons);
    m_view.setVisible(Control::HistoryMailOfflineButton, cycleButtons);
    for (const Control control : { Control::IntervalBox, Control::CountdownBox,
             Control::IntervalDownButton, Control::IntervalUpButton })
        m_view.setVisible(control, !cycleButtons);
}

} // namespace sg
