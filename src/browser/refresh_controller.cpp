#include "browser/refresh_controller.h"

#include "browser/offline_mode.h"

namespace sg {

void RefreshController::load()
{
    m_countdown = RefreshCountdown(m_c.settings().RefreshInterval);
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
    m_c.view[Control::CountdownBox].text = m_countdown.minutesLeftText();
}

void RefreshController::showInterval()
{
    m_c.view[Control::IntervalBox].text = m_countdown.intervalText();
}

void RefreshController::setRunning(bool running)
{
    m_countdown.setRunning(running);
    if (running)
        m_c.host.startTimer(MainWindowTimer::RefreshTick, kRefreshTickMs);
    else
        m_c.host.stopTimer(MainWindowTimer::RefreshTick);
    m_c.view.timerBoxesActive = running;
}

void RefreshController::restartAfterNavigation()
{
    m_countdown.restart();
    if (m_countdown.running())
        showMinutesLeft();
}

void RefreshController::restartTimer()
{
    m_countdown.restart();
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

void RefreshController::runStep()
{
    if (m_countdown.tick()) {
        checkConnection();
        m_c.app.playClickSound();
        m_countdown.restart();
        if (!m_c.browser.address().empty())
            m_c.browser.reloadPage(reloadModeOf(m_c.settings().RefreshMode));
    }
    showMinutesLeft();
}

void RefreshController::onTick()
{
    if (m_countdown.running())
        runStep();
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
