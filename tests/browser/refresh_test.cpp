// The automatic refresh: the countdown boxes, the interval buttons with their auto-repeat,
// the refresh step and the shared refresh mode.

#include "browser_fakes.h"

using namespace sg;
using namespace sgtest;

namespace {

class Refresh : public MainWindowFixture {
protected:
    // Holds an interval button for a number of auto-repeat ticks, then lets go.
    static void hold(TestWindow& w, Control button, int repeats)
    {
        w.logic.onIntervalButtonDown(button, MouseButton::Left);
        for (int i = 0; i < repeats; ++i)
            w.logic.onAutoRepeatTick();
        w.logic.onIntervalButtonUp(button);
    }
    static std::string minutesLeft(TestWindow& w) { return w.view()[Control::CountdownBox].text; }
};

TEST_F(Refresh, CountdownStartsOffAndTicksDownOnceItRuns)
{
    TestWindow& w = open();
    w.browser.location = "http://radar.example/";
    EXPECT_FALSE(w.logic.refresh().countdown().running());
    w.logic.onRefreshTick(); // a stray tick while off counts nothing
    EXPECT_EQ(w.logic.refresh().countdown().elapsedMinutes(), 0);

    w.logic.onIntervalBoxDoubleClick();
    EXPECT_EQ(w.host.timers.at(MainWindowTimer::RefreshTick), 60000);
    EXPECT_TRUE(w.view().timerBoxesActive);
    EXPECT_EQ(minutesLeft(w), "5");
    for (int i = 0; i < 4; ++i)
        w.logic.onRefreshTick();
    EXPECT_EQ(minutesLeft(w), "1");
    EXPECT_EQ(w.browser.count("reload 0"), 0);
    w.logic.onRefreshTick();
    EXPECT_EQ(w.browser.count("reload 0"), 1);
    EXPECT_EQ(m_app.count("click"), 1);
    EXPECT_EQ(minutesLeft(w), "5");

    w.logic.onIntervalBoxDoubleClick();
    EXPECT_FALSE(w.host.running(MainWindowTimer::RefreshTick));
    EXPECT_FALSE(w.view().timerBoxesActive);
    EXPECT_EQ(minutesLeft(w), "");
    EXPECT_EQ(w.view().focus, Control::ConnectionButton);
}

TEST_F(Refresh, EmptyWindowNeverRefreshesButRestartsTheCountdown)
{
    m_shared.settings.RefreshInterval = 1;
    TestWindow& w = open();
    w.logic.onIntervalBoxDoubleClick();
    w.logic.onRefreshTick();
    w.logic.onRefreshTick();
    EXPECT_EQ(w.browser.count("reload 0"), 0);
    EXPECT_EQ(minutesLeft(w), "1");
    w.logic.onRefreshClick(); // no page: nothing at all
    EXPECT_EQ(m_app.count("click"), 2);
}

TEST_F(Refresh, HeldButtonsStopAtOneAndNinetyNine)
{
    TestWindow& w = open();
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
    EXPECT_EQ(w.logic.refresh().countdown().interval(), 99);
    EXPECT_EQ(w.view()[Control::IntervalBox].text, "99");
    EXPECT_EQ(w.view()[Control::IntervalBox].toolTip,
        "99 min. = Refresh Interval (Dbl Click - Timer On-Off)");
    // Using a button switches the countdown on.
    EXPECT_TRUE(w.host.running(MainWindowTimer::RefreshTick));
    EXPECT_EQ(minutesLeft(w), "99");
}

TEST_F(Refresh, LoweringTheIntervalBelowTheElapsedMinutesRefreshesOnRelease)
{
    m_shared.settings.RefreshInterval = 10;
    TestWindow& w = open();
    w.browser.location = "http://radar.example/";
    w.logic.onIntervalBoxDoubleClick();
    for (int i = 0; i < 6; ++i)
        w.logic.onRefreshTick();
    hold(w, Control::IntervalDownButton, 5); // 10 -> 4 while held
    EXPECT_EQ(w.logic.refresh().countdown().interval(), 4);
    EXPECT_EQ(w.browser.count("reload 0"), 1);
    EXPECT_EQ(w.logic.refresh().countdown().elapsedMinutes(), 0);
    EXPECT_EQ(minutesLeft(w), "4");
}

TEST_F(Refresh, RightButtonOnAnIntervalButtonStepsNothing)
{
    TestWindow& w = open();
    w.logic.onIntervalButtonDown(Control::IntervalUpButton, MouseButton::Right);
    EXPECT_EQ(w.logic.refresh().countdown().interval(), 5);
    EXPECT_TRUE(w.logic.refresh().countdown().running());
    EXPECT_FALSE(w.host.running(MainWindowTimer::AutoRepeat));
}

TEST_F(Refresh, NavigationAndTheMinutesBoxRestartTheCountdown)
{
    TestWindow& w = open();
    w.logic.onCountdownBoxDoubleClick(); // off: only the minutes are reset
    EXPECT_FALSE(w.logic.refresh().countdown().running());
    w.logic.onIntervalBoxDoubleClick();
    w.logic.onRefreshTick();
    w.logic.onRefreshTick();
    EXPECT_EQ(minutesLeft(w), "3");
    w.host.timers.clear();
    w.logic.onCountdownBoxDoubleClick();
    EXPECT_EQ(minutesLeft(w), "5");
    EXPECT_EQ(w.host.timers.at(MainWindowTimer::RefreshTick), 60000); // a full minute again
    w.logic.onRefreshTick();
    w.browser.location = "http://b.example/";
    w.logic.onUrlChanged();
    EXPECT_EQ(minutesLeft(w), "5");
}

TEST_F(Refresh, RefreshButtonRestartsTheCountdownAndUsesTheMode)
{
    m_shared.settings.RefreshMode = 3;
    TestWindow& w = open();
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
}

TEST_F(Refresh, ModeCyclesAndEveryWindowShowsItsToolTip)
{
    TestWindow& a = open();
    TestWindow& b = open();
    const char* names[] = { "If Expired", "Completely", "Normal" };
    const std::int16_t modes[] = { 1, 3, 0 };
    for (int i = 0; i < 3; ++i) {
        a.logic.onRefreshRightButtonDown();
        EXPECT_EQ(m_shared.settings.RefreshMode, modes[i]);
        const std::string tip
            = std::string("Refresh Page: ") + names[i] + " (Right-Click To Change Mode)";
        EXPECT_EQ(a.view()[Control::RefreshButton].toolTip, tip);
        EXPECT_EQ(b.view()[Control::RefreshButton].toolTip, tip);
    }
    m_shared.settings.ToolTipsOff = 1;
    b.logic.onRefreshRightButtonDown();
    EXPECT_EQ(a.view()[Control::RefreshButton].toolTip, "");
}

TEST_F(Refresh, ModemConnectionIsRedialledBeforeARefresh)
{
    m_shared.settings.RefreshInterval = 1;
    TestWindow& w = open();
    w.browser.location = "http://radar.example/";
    w.logic.onIntervalBoxDoubleClick();
    m_app.connection = { true, true };
    w.logic.onRefreshTick();
    m_app.connection = { false, false };
    w.logic.onRefreshTick();
    EXPECT_EQ(m_app.count("autodial"), 1);
    EXPECT_EQ(w.browser.count("reload 0"), 2);
}

TEST_F(Refresh, RightButtonOnABoxDisablesItBriefly)
{
    TestWindow& w = open();
    w.logic.onTimerBoxRightButtonDown(Control::IntervalBox);
    EXPECT_FALSE(w.view()[Control::IntervalBox].enabled);
    EXPECT_EQ(w.host.timers.at(MainWindowTimer::DeferredAction), 600);
    // A second box before the first came back: neither stays disabled.
    w.logic.onTimerBoxRightButtonDown(Control::CountdownBox);
    EXPECT_TRUE(w.view()[Control::IntervalBox].enabled);
    w.logic.onDeferredActionTimer();
    EXPECT_TRUE(w.view()[Control::CountdownBox].enabled);
    EXPECT_FALSE(w.host.running(MainWindowTimer::DeferredAction));
}

} // namespace
