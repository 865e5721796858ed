// Automatic refresh: the countdown, the interval buttons and their auto-repeat, the two
// boxes and the refresh mode.

#include "browser/main_window_logic.h"

namespace sg {

void MainWindowLogic::showMinutesLeft()
{
    m_view.setText(Control::CountdownBox, m_countdown.minutesLeftText());
}

void MainWindowLogic::showInterval()
{
    m_view.setText(Control::IntervalBox, m_countdown.intervalText());
}

void MainWindowLogic::setCountdownRunning(bool running)
{
    m_countdown.setRunning(running);
    if (running)
        m_view.startTimer(MainWindowTimer::RefreshTick, kRefreshTickMs);
    else
        m_view.stopTimer(MainWindowTimer::RefreshTick);
    m_view.setTimerBoxesActive(running);
}

void MainWindowLogic::checkConnectionBeforeRefresh()
{
    const ConnectionState connection = m_app.connectionState();
    if (connection.connected) {
        m_s.ViaModem = connection.viaModem;
        // Offline mode that a failed navigation switched on (a refresh while the network
        // was down, say after sleep) ends once the connection is back, or pages would stay
        // blocked all day; offline mode the user chose stays.
        if (m_shared.OfflineMode && m_shared.OfflineModeAutomatic && m_app.SetOnline()) {
            m_shared.OfflineMode = false;
            m_shared.OfflineModeAutomatic = false;
            showOfflineMode();
        }
    } else if (m_s.ViaModem) {
        m_app.autodial();
    }
}

void MainWindowLogic::runRefreshStep()
{
    if (m_countdown.tick()) {
        checkConnectionBeforeRefresh();
        m_app.playClickSound();
        m_countdown.restart();
        if (!m_browser.address().empty())
            m_browser.reloadPage(reloadModeOf(settings().RefreshMode));
    }
    showMinutesLeft();
}

void MainWindowLogic::onRefreshTick()
{
    if (m_countdown.running())
        runRefreshStep();
}

void MainWindowLogic::stepIntervalButton()
{
    m_countdown.stepInterval(m_s.autoRepeatDelta);
    showInterval();
    if (m_countdown.running())
        showMinutesLeft();
}

void MainWindowLogic::finishIntervalButton()
{
    if (!m_countdown.running())
        setCountdownRunning(true);
    if (toolTipsOn())
        m_view.setToolTip(Control::IntervalBox, m_countdown.intervalText() + m_shared.toolTips[2]);
    if (m_countdown.due())
        runRefreshStep();
    showMinutesLeft();
}

void MainWindowLogic::onIntervalButtonDown(Control button, MouseButton mouse)
{
    m_s.AutoHideSuspended = false;
    if (mouse != MouseButton::Left) {
        finishIntervalButton();
        return;
    }
    m_s.AutoRepeatActive = true;
    m_s.autoRepeatDelta = button == Control::IntervalDownButton ? -1 : 1;
    stepIntervalButton();
    m_view.startTimer(MainWindowTimer::AutoRepeat, kAutoRepeatFirstDelayMs);
}

void MainWindowLogic::onAutoRepeatTick()
{
    if (!m_s.AutoRepeatActive) {
        m_view.stopTimer(MainWindowTimer::AutoRepeat);
        return;
    }
    stepIntervalButton();
    m_view.startTimer(MainWindowTimer::AutoRepeat, kAutoRepeatDelayMs);
}

void MainWindowLogic::onIntervalButtonUp(Control)
{
    if (!m_s.AutoRepeatActive)
        return;
    m_s.AutoRepeatActive = false;
    m_view.stopTimer(MainWindowTimer::AutoRepeat);
    finishIntervalButton();
}

void MainWindowLogic::onIntervalBoxDoubleClick()
{
    if (m_countdown.running()) {
        setCountdownRunning(false);
        m_countdown.restart();
        m_view.setText(Control::CountdownBox, {});
    } else {
        setCountdownRunning(true);
        showMinutesLeft();
    }
    moveFocusToConnectionButton();
}

void MainWindowLogic::onCountdownBoxDoubleClick()
{
    m_countdown.restart();
    if (m_countdown.running()) {
        m_view.stopTimer(MainWindowTimer::RefreshTick);
        showMinutesLeft();
        m_view.startTimer(MainWindowTimer::RefreshTick, kRefreshTickMs);
    }
    moveFocusToConnectionButton();
}

void MainWindowLogic::onTimerBoxRightButtonDown(Control box)
{
    m_view.setEnabled(box, false);
    scheduleDeferredAction(
        box == Control::IntervalBox ? DeferredAction::EnableText2 : DeferredAction::EnableText3,
        kBoxReenableMs);
}

void MainWindowLogic::onTimerBoxFocus(Control)
{
    m_s.AutoHideSuspended = false;
}

void MainWindowLogic::onRefreshRightButtonDown()
{
    Settings& st = settings();
    st.RefreshMode = nextRefreshMode(st.RefreshMode);
    m_shared.toolTips[kRefreshModeToolTip] = refreshModeToolTip(st.RefreshMode);
    m_app.toolTipsChanged();
}

} // namespace sg
