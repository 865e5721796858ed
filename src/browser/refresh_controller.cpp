#include "browser/refresh_controller.h"

#include "browser/offline_mode.h"

namespace sg {

void RefreshController::load()
{
    m_countdown = RefreshCountdown(m_c.settings().RefreshInterval);
    m_recovery.setEnabled(m_c.shared.extra.RefreshRecovery);
    showInterval();
    m_c.view[Control::CountdownBox].text.clear();
    m_c.view.timerBoxesActive = false;
}

void RefreshController::applyToolTips()
{
    const bool on = m_c.toolTipsOn();
    const auto& tips = m_c.shared.toolTips;
    m_c.view[Control::IntervalBox].toolTip
        = on ? m_countdown.intervalText() + tips[ToolTip::IntervalBox] : std::string();
    m_c.view[Control::IntervalDownButton].toolTip = m_c.toolTip(ToolTip::IntervalButtons);
    m_c.view[Control::IntervalUpButton].toolTip = m_c.toolTip(ToolTip::IntervalButtons);
    m_c.view[Control::CountdownBox].toolTip = m_c.toolTip(ToolTip::CountdownBox);
    m_c.view[Control::RefreshButton].toolTip = m_c.toolTip(ToolTip::RefreshButton);
}

void RefreshController::showMinutesLeft()
{
    m_c.view[Control::CountdownBox].text = m_recovery.retryPending() && !m_refreshLoading
        ? m_recovery.retryText(m_c.host.sampleClocks())
        : m_countdown.minutesLeftText();
}

void RefreshController::showInterval()
{
    m_c.view[Control::IntervalBox].text = m_countdown.intervalText();
}

void RefreshController::setRunning(bool running)
{
    m_countdown.setRunning(running);
    if (running) {
        m_c.host.startTimer(MainWindowTimer::RefreshTick, kRefreshTickMs);
        // Time that passed while the countdown was off is not the countdown's.
        m_recovery.observe(m_c.host.sampleClocks());
        m_recovery.countdownRestarted();
    } else {
        m_c.host.stopTimer(MainWindowTimer::RefreshTick);
        dropRetry();
    }
    m_c.view.timerBoxesActive = running;
    followSetting();
}

void RefreshController::followSetting()
{
    const bool on = m_c.shared.extra.RefreshRecovery;
    if (on != m_recovery.enabled()) {
        m_recovery.setEnabled(on);
        if (on) {
            m_recovery.observe(m_c.host.sampleClocks());
            m_recovery.countdownRestarted();
        } else if (m_countdown.running()) {
            showMinutesLeft(); // a retry the setting dropped
        }
    }
    runWatchdog();
}

void RefreshController::runWatchdog()
{
    int ms = 0;
    if (m_countdown.running() && m_recovery.enabled())
        ms = m_recovery.retryPending() ? kRefreshRetryWatchMs : kRefreshWatchdogMs;
    if (ms == m_watchdogMs)
        return;
    m_watchdogMs = ms;
    if (ms > 0)
        m_c.host.startTimer(MainWindowTimer::RefreshWatchdog, ms);
    else
        m_c.host.stopTimer(MainWindowTimer::RefreshWatchdog);
}

void RefreshController::dropRetry()
{
    m_refreshLoading = false;
    m_refreshFailed = false;
    m_recovery.refreshSucceeded();
    runWatchdog();
}

void RefreshController::restartAfterNavigation()
{
    m_countdown.restart();
    m_recovery.countdownRestarted();
    if (m_countdown.running())
        showMinutesLeft();
}

void RefreshController::restartTimer()
{
    m_countdown.restart();
    m_recovery.countdownRestarted();
    dropRetry();
    if (m_countdown.running()) {
        m_c.host.stopTimer(MainWindowTimer::RefreshTick);
        showMinutesLeft();
        m_c.host.startTimer(MainWindowTimer::RefreshTick, kRefreshTickMs);
    }
}

void RefreshController::refreshNow()
{
    m_c.app.playClickSound();
    restartTimer();
    m_c.browser.reloadPage(reloadModeOf(m_c.settings().RefreshMode));
}

void RefreshController::checkConnection()
{
    const ConnectionState connection = m_c.app.connectionState();
    if (connection.connected) {
        m_viaModem = connection.viaModem;
        endAutomaticOfflineMode(m_c.shared, m_c.app);
    } else if (m_viaModem) {
        m_c.app.autodial();
    }
}

void RefreshController::refreshAutomatically(bool restartTicker)
{
    checkConnection();
    m_c.app.playClickSound();
    m_countdown.restart();
    m_recovery.countdownRestarted();
    if (restartTicker) {
        m_c.host.stopTimer(MainWindowTimer::RefreshTick);
        m_c.host.startTimer(MainWindowTimer::RefreshTick, kRefreshTickMs);
    }
    if (m_c.browser.address().empty()) {
        dropRetry();
        return;
    }
    m_refreshLoading = true;
    m_refreshFailed = false;
    m_c.browser.reloadPage(reloadModeOf(m_c.settings().RefreshMode));
}

void RefreshController::runStep()
{
    if (m_countdown.tick())
        refreshAutomatically(false);
    showMinutesLeft();
}

void RefreshController::onTick()
{
    followSetting();
    if (!m_countdown.running())
        return;
    m_countdown.pass(m_recovery.observe(m_c.host.sampleClocks()));
    runStep();
}

void RefreshController::onWatchdogTick()
{
    followSetting();
    if (!m_countdown.running() || !m_recovery.enabled())
        return;
    const ClockSample now = m_c.host.sampleClocks();
    // Minutes the machine slept: a refresh that fell due meanwhile comes now, and the next
    // minute is a full one.
    m_countdown.pass(m_recovery.observe(now));
    if (m_countdown.due())
        refreshAutomatically(true);
    else if (m_recovery.retryPending() && !m_refreshLoading && m_recovery.retryDue(now))
        refreshAutomatically(true);
    showMinutesLeft();
}

void RefreshController::onNavigationFailed()
{
    if (m_refreshLoading)
        m_refreshFailed = true;
}

void RefreshController::onLoadFinished()
{
    if (!m_refreshLoading)
        return;
    m_refreshLoading = false;
    if (m_refreshFailed)
        m_recovery.refreshFailed(m_c.host.sampleClocks(), m_countdown.interval());
    else
        m_recovery.refreshSucceeded();
    m_refreshFailed = false;
    runWatchdog();
    if (m_countdown.running())
        showMinutesLeft();
}

void RefreshController::onNavigationAway()
{
    if (!m_refreshLoading && !m_recovery.retryPending())
        return;
    dropRetry();
    if (m_countdown.running())
        showMinutesLeft();
}

void RefreshController::step()
{
    m_countdown.stepInterval(m_autoRepeatDelta);
    showInterval();
    if (m_countdown.running())
        showMinutesLeft();
}

void RefreshController::finishIntervalButton()
{
    if (!m_countdown.running())
        setRunning(true);
    if (m_c.toolTipsOn())
        m_c.view[Control::IntervalBox].toolTip
            = m_countdown.intervalText() + m_c.shared.toolTips[ToolTip::IntervalBox];
    if (m_countdown.due())
        runStep();
    showMinutesLeft();
}

void RefreshController::onIntervalButtonDown(Control button, MouseButton mouse)
{
    if (mouse != MouseButton::Left) {
        finishIntervalButton();
        return;
    }
    m_autoRepeatActive = true;
    m_autoRepeatDelta = button == Control::IntervalDownButton ? -1 : 1;
    step();
    m_c.host.startTimer(MainWindowTimer::AutoRepeat, kAutoRepeatFirstDelayMs);
}

void RefreshController::onAutoRepeatTick()
{
    if (!m_autoRepeatActive) {
        m_c.host.stopTimer(MainWindowTimer::AutoRepeat);
        return;
    }
    step();
    m_c.host.startTimer(MainWindowTimer::AutoRepeat, kAutoRepeatDelayMs);
}

void RefreshController::onIntervalButtonUp()
{
    if (!m_autoRepeatActive)
        return;
    m_autoRepeatActive = false;
    m_c.host.stopTimer(MainWindowTimer::AutoRepeat);
    finishIntervalButton();
}

void RefreshController::onIntervalBoxDoubleClick()
{
    if (m_countdown.running()) {
        setRunning(false);
        m_countdown.restart();
        m_c.view[Control::CountdownBox].text.clear();
    } else {
        setRunning(true);
        showMinutesLeft();
    }
    m_c.view.requestFocus(Control::ConnectionButton);
}

void RefreshController::onCountdownBoxDoubleClick()
{
    restartTimer();
    m_c.view.requestFocus(Control::ConnectionButton);
}

void RefreshController::onRefreshButtonRightDown()
{
    Settings& st = m_c.settings();
    st.RefreshMode = nextRefreshMode(st.RefreshMode);
    m_c.shared.toolTips[ToolTip::RefreshButton] = refreshModeToolTip(st.RefreshMode);
    m_c.app.toolTipsChanged();
}

} // namespace sg
