#pragma once
// The automatic refresh of one main window: the countdown with its two boxes, the interval
// buttons and their auto-repeat, and the refresh mode shared by every window. While the
// countdown runs and recovery is on (ExtraSettings::RefreshRecovery), a watchdog checks the
// clocks: minutes lost to sleep count towards the countdown, so a refresh that fell due
// meanwhile comes at once; an automatic refresh that failed to load is retried, the
// minutes box showing the retry's time.

#include "browser/main_window_context.h"
#include "browser/refresh_countdown.h"
#include "browser/refresh_recovery.h"

namespace sg {

class RefreshController {
public:
    explicit RefreshController(MainWindowContext& context)
        : m_c(context)
    {
    }

    const RefreshCountdown& countdown() const { return m_countdown; }

    // The interval from the settings; the countdown starts off.
    void load();
    void applyToolTips();
    // A navigation restarts the count.
    void restartAfterNavigation();
    // The Refresh button: the count restarts with a full minute to its next tick, and the
    // page reloads with a click.
    void refreshNow();

    // A minute of the countdown passed.
    void onTick();
    // The watchdog's few seconds passed.
    void onWatchdogTick();
    // The browser: a load failed, a load ended, or the page goes to another address (not a
    // reload), which ends what a failed refresh left pending.
    void onNavigationFailed();
    void onLoadFinished();
    void onNavigationAway();
    // The interval buttons. The left button steps at once and starts the auto-repeat
    // (onAutoRepeatTick after 750 ms, then every 50 ms) until the button goes up.
    void onIntervalButtonDown(Control button, MouseButton mouse);
    void onAutoRepeatTick();
    void onIntervalButtonUp();
    void onIntervalBoxDoubleClick();
    void onCountdownBoxDoubleClick();
    void onRefreshButtonRightDown();

    // The connection as last found: through a modem (dial again when it is gone).
    bool viaModem() const { return m_viaModem; }
    void setViaModem(bool viaModem) { m_viaModem = viaModem; }

private:
    void runStep();
    // The page reloads as the countdown does it (connection, click, count from 0), and the
    // load is watched for a failure. With restartTicker the next minute is a full one.
    void refreshAutomatically(bool restartTicker);
    void dropRetry();
    // Follows the setting as it stands; runs the watchdog as the state needs it.
    void followSetting();
    void runWatchdog();
    void checkConnection();
    void restartTimer();
    void showMinutesLeft();
    void showInterval();
    void setRunning(bool running);
    void step();
    void finishIntervalButton();

    MainWindowContext& m_c;
    RefreshCountdown m_countdown;
    bool m_autoRepeatActive = false;
    int m_autoRepeatDelta = 0; // -1 or +1 while an interval button is held
    bool m_viaModem = false;
    RefreshRecovery m_recovery;
    bool m_refreshLoading = false; // an automatic refresh's load is under way
    bool m_refreshFailed = false; // and it failed
    int m_watchdogMs = 0; // the watchdog's interval; 0 while it is stopped
};

} // namespace sg
