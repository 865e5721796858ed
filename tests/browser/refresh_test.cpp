// The automatic refresh: the countdown boxes, the interval buttons with their auto-repeat,
// the refresh step, the shared refresh mode, and the recovery from sleep and failed loads.

#include "browser_fakes.h"

using namespace sgtest;

class Refresh : public MainWindowFixture {
protected:
    // A window on a page with its countdown running.
    TestWindow& counting(std::int16_t interval = 5)
    {
        m_shared.settings.RefreshInterval = interval;
        TestWindow& w = open();
        w.browser.location = "http://radar.example/";
        w.logic.onIntervalBoxDoubleClick();
        return w;
    }
    // Holds an interval button for a number of auto-repeat ticks, then lets go.
    static void hold(TestWindow& w, Control button, int repeats)
    {
        w.logic.onIntervalButtonDown(button, MouseButton::Left);
        for (int i = 0; i < repeats; ++i)
            w.logic.onAutoRepeatTick();
        w.logic.onIntervalButtonUp(button);
    }
    static std::string minutesLeft(TestWindow& w) { return w.view()[Control::CountdownBox].text; }
    static int reloads(TestWindow& w) { return w.browser.count("reload 0"); }
    // The load of a refresh fails, as the engine reports it.
    static void failLoad(TestWindow& w)
    {
        w.logic.onNavigationFailed(NavigationFailure::Other);
        w.logic.onLoadFinished();
    }
    static int watchdogMs(TestWindow& w)
    {
        const auto timer = w.host.timers.find(MainWindowTimer::RefreshWatchdog);
        return timer == w.host.timers.end() ? 0 : timer->second;
    }
};

TEST_F(Refresh, CountdownStartsOffAndTicksDownOnceItRuns)
{
    TestWindow& w = open();
    EXPECT_FALSE(w.logic.refresh().countdown().running());
    w.logic.onRefreshTick(); // a stray tick while off counts nothing
    EXPECT_EQ(w.logic.refresh().countdown().elapsedMinutes(), 0);

    w.logic.onIntervalBoxDoubleClick();
    EXPECT_TRUE(w.view().timerBoxesActive);
    for (int i = 0; i < 5; ++i) // an empty window only restarts the countdown
        w.logic.onRefreshTick();
    w.logic.onRefreshClick(); // no page: nothing at all
    EXPECT_EQ(m_app.count("click"), 1);
    w.browser.location = "http://radar.example/";
    for (int i = 0; i < 4; ++i)
        w.logic.onRefreshTick();
    EXPECT_EQ(reloads(w), 0);
    w.logic.onRefreshTick();
    EXPECT_EQ(reloads(w), 1);
    EXPECT_EQ(m_app.count("click"), 2);
    EXPECT_EQ(minutesLeft(w), "5");

    w.logic.onIntervalBoxDoubleClick();
    EXPECT_FALSE(w.host.running(MainWindowTimer::RefreshTick));
    EXPECT_EQ(minutesLeft(w), "");
    EXPECT_EQ(w.view().focus, Control::ConnectionButton);
}

TEST_F(Refresh, HeldButtonsStopAtOneAndNinetyNineAndARightClickedBoxRestsBriefly)
{
    TestWindow& w = open();
    w.logic.onIntervalButtonDown(Control::IntervalUpButton, MouseButton::Right); // no step
    EXPECT_FALSE(w.host.running(MainWindowTimer::AutoRepeat));
    w.logic.onIntervalButtonDown(Control::IntervalDownButton, MouseButton::Left);
    EXPECT_EQ(w.view()[Control::IntervalBox].text, "4"); // the first step at once
    EXPECT_EQ(w.host.timers.at(MainWindowTimer::AutoRepeat), 750);
    w.logic.onAutoRepeatTick();
    EXPECT_EQ(w.host.timers.at(MainWindowTimer::AutoRepeat), 50);
    for (int i = 0; i < 10; ++i)
        w.logic.onAutoRepeatTick();
    w.logic.onIntervalButtonUp(Control::IntervalDownButton);
    EXPECT_EQ(w.logic.refresh().countdown().interval(), 1);
    EXPECT_FALSE(w.host.running(MainWindowTimer::AutoRepeat));

    hold(w, Control::IntervalUpButton, 150);
    EXPECT_EQ(w.view()[Control::IntervalBox].toolTip,
        "99 min. = Refresh Interval (Dbl Click - Timer On-Off)");
    // Using a button switches the countdown on.
    EXPECT_TRUE(w.host.running(MainWindowTimer::RefreshTick));
    EXPECT_EQ(minutesLeft(w), "99");

    // A right button on a box disables it briefly; a second box before the first came back
    // leaves neither disabled.
    w.logic.onTimerBoxRightButtonDown(Control::IntervalBox);
    EXPECT_FALSE(w.view()[Control::IntervalBox].enabled);
    w.logic.onTimerBoxRightButtonDown(Control::CountdownBox);
    EXPECT_TRUE(w.view()[Control::IntervalBox].enabled);
    w.logic.onDeferredActionTimer();
    EXPECT_TRUE(w.view()[Control::CountdownBox].enabled);
}

TEST_F(Refresh, LoweringTheIntervalBelowTheElapsedMinutesRefreshesOnRelease)
{
    TestWindow& w = counting(10);
    for (int i = 0; i < 6; ++i)
        w.logic.onRefreshTick();
    hold(w, Control::IntervalDownButton, 5); // 10 -> 4 while held
    EXPECT_EQ(reloads(w), 1);
    EXPECT_EQ(minutesLeft(w), "4");
}

TEST_F(Refresh, NavigationAndTheMinutesBoxRestartTheCountdown)
{
    TestWindow& w = open();
    w.logic.onCountdownBoxDoubleClick(); // off: only the minutes are reset
    EXPECT_FALSE(w.logic.refresh().countdown().running());
    w.logic.onIntervalBoxDoubleClick();
    w.logic.onRefreshTick();
    w.host.timers.clear();
    w.logic.onCountdownBoxDoubleClick();
    EXPECT_EQ(minutesLeft(w), "5");
    EXPECT_EQ(w.host.timers.at(MainWindowTimer::RefreshTick), 60000); // a full minute again
    w.logic.onRefreshTick();
    w.browser.location = "http://b.example/";
    w.logic.onUrlChanged();
    EXPECT_EQ(minutesLeft(w), "5");
}

TEST_F(Refresh, ModeIsSharedAndTheButtonAndF5RefreshWithIt)
{
    TestWindow& w = open();
    TestWindow& b = open();
    for (const std::int16_t mode : { 1, 3, 0, 1, 3 }) {
        w.logic.onRefreshRightButtonDown();
        EXPECT_EQ(m_shared.settings.RefreshMode, mode);
    }
    EXPECT_EQ(b.view()[Control::RefreshButton].toolTip,
        "Refresh Page: Completely (Right-Click To Change Mode)");
    w.browser.location = "http://radar.example/";
    w.logic.onIntervalBoxDoubleClick();
    w.logic.onRefreshTick();
    w.logic.onRefreshClick();
    EXPECT_EQ(w.browser.count("reload 3"), 1);
    EXPECT_EQ(m_app.count("click"), 1);
    EXPECT_EQ(minutesLeft(w), "5");
    w.logic.onKeyDown({ Key::F5 }); // F5: the mode, but no click and no restart
    EXPECT_EQ(w.browser.count("reload 3"), 2);
    EXPECT_EQ(m_app.count("click"), 1);
    m_shared.settings.ToolTipsOff = 1;
    b.logic.onRefreshRightButtonDown();
    EXPECT_EQ(w.view()[Control::RefreshButton].toolTip, "");
}

TEST_F(Refresh, ModemConnectionIsRedialledBeforeARefresh)
{
    TestWindow& w = counting(1);
    m_app.connection = { true, true };
    w.logic.onRefreshTick();
    m_app.connection = { false, false };
    w.logic.onRefreshTick();
    EXPECT_EQ(m_app.count("autodial"), 1);
    EXPECT_EQ(reloads(w), 2);
}

TEST_F(Refresh, WakeWithARefreshDueRefreshesAtOnceButNeverEarly)
{
    TestWindow& w = counting();
    w.host.machine.run(90'000);
    w.logic.onRefreshTick();
    // 1.5 min awake and 3 min 59 s asleep: 5 min 29 s of 5, but whole minutes only.
    w.host.machine.sleep(3 * 60'000 + 59'000);
    w.logic.onRefreshWatchdogTick();
    EXPECT_EQ(reloads(w), 0);
    EXPECT_EQ(minutesLeft(w), "1");
    w.host.timers.erase(MainWindowTimer::RefreshTick);
    w.host.machine.sleep(30'000); // the seconds carried make the minute
    w.logic.onRefreshWatchdogTick();
    EXPECT_EQ(reloads(w), 1);
    EXPECT_EQ(w.host.timers.at(MainWindowTimer::RefreshTick), 60000); // a full minute

    // Sleep while the countdown is off is no time of the countdown's.
    w.logic.onIntervalBoxDoubleClick();
    w.host.machine.sleep(60 * 60'000);
    w.logic.onIntervalBoxDoubleClick();
    w.logic.onRefreshWatchdogTick();
    EXPECT_EQ(reloads(w), 1);
}

TEST_F(Refresh, FailedRefreshRetriesUntilALoadOrTheUsersOwnPageEndsIt)
{
    TestWindow& w = counting(2);
    w.logic.onRefreshTick();
    w.logic.onRefreshTick();
    failLoad(w);
    const char* shown[] = { "15s", "30s", "1m", "2m", "2m" };
    const int delays[] = { 15, 30, 60, 120, 120 }; // doubling, capped at the interval
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(minutesLeft(w), shown[i]) << i;
        EXPECT_EQ(watchdogMs(w), 1000);
        w.host.machine.run(delays[i] * 1000 - 1);
        w.logic.onRefreshWatchdogTick();
        EXPECT_EQ(reloads(w), i + 1) << "never early, retry " << i;
        w.host.machine.run(1);
        w.logic.onRefreshWatchdogTick();
        EXPECT_EQ(reloads(w), i + 2) << i;
        EXPECT_EQ(minutesLeft(w), "2"); // the retry's load under way
        failLoad(w);
    }
    // Time asleep counts for a retry; one that loads ends them: the next failure starts at 15 s.
    w.host.machine.sleep(120'000);
    w.logic.onRefreshWatchdogTick();
    w.logic.onLoadFinished();
    EXPECT_EQ(watchdogMs(w), 5000);
    w.logic.onRefreshTick();
    w.logic.onRefreshTick();
    failLoad(w);
    EXPECT_EQ(minutesLeft(w), "15s");
    // So does the page the user goes to; a failed load of his is not retried.
    w.logic.onNavigationRequested("http://other.example/");
    failLoad(w);
    EXPECT_EQ(minutesLeft(w), "2");
}

TEST_F(Refresh, RecoverySwitchedOffCountsOnlyTicksAndRetriesNothing)
{
    m_shared.extra.RefreshRecovery = false;
    TestWindow& w = counting();
    EXPECT_EQ(watchdogMs(w), 0);
    w.host.machine.sleep(10 * 60'000);
    for (int i = 0; i < 5; ++i)
        w.logic.onRefreshTick();
    failLoad(w);
    EXPECT_EQ(reloads(w), 1); // the fifth tick's, none for the sleep
    EXPECT_EQ(minutesLeft(w), "5");
    // Switched on in the options: the next tick follows it.
    m_shared.extra.RefreshRecovery = true;
    w.logic.onRefreshTick();
    EXPECT_EQ(watchdogMs(w), 5000);
}
