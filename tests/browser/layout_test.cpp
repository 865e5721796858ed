// Layout: resizing, the toolbar's hiding and showing, the status bar, the check boxes, the
// cycle and swap buttons and the keyboard.

#include "browser_fakes.h"

using namespace sgtest;

class Layout : public MainWindowFixture { };

TEST_F(Layout, ResizePlacesTheControlsAndKeepsOnlyANormalBigEnoughPlacement)
{
    TestWindow& w = open();
    const Size c = w.host.client; // 11880 x 8550
    EXPECT_EQ(w.view()[Control::AddressBox].geometry,
        std::optional<Rect>(Rect { 5100, 45, c.width - 5805, 345 }));
    EXPECT_EQ(
        w.logic.toolbar().state().browserArea, (Rect { -30, 435, c.width + 60, c.height - 705 }));
    // Hiding the check boxes moves the address row left by 315; a new window follows.
    w.logic.onCheckBoxesToggleClick();
    EXPECT_FALSE(w.view()[Control::FullScreenBox].visible);
    EXPECT_EQ(w.view()[Control::AddressBox].geometry,
        std::optional<Rect>(Rect { 4785, 45, c.width - 5805 + 315, 345 }));
    EXPECT_EQ(w.view()[Control::CategorySelector].geometry->left, 4455);
    EXPECT_EQ(open().view()[Control::AddressBox].geometry->left, 4785);

    w.host.window = { 3000, 1500, 9000, 7000 };
    w.host.client = { 8880, 6550 };
    w.logic.resize();
    EXPECT_EQ(m_shared.settings.WindowLeft, 3000);

    w.host.window = { 2000, 1500, 5000, 3000 };
    w.logic.resize(); // snaps back to the smallest size, too narrow to keep
    EXPECT_EQ(w.host.windowMoves.back(), (Rect { 2000, 1500, 6600, 3600 }));
    EXPECT_EQ(m_shared.settings.WindowLeft, 3000);
    w.host.state = WindowState::Minimized; // a minimized window keeps its layout
    const auto area = w.view()[Control::Browser].geometry;
    w.host.client = { 500, 500 };
    w.logic.resize();
    EXPECT_EQ(w.view()[Control::Browser].geometry, area);
}

TEST_F(Layout, HidingTheToolbarHidesTheStatusBarAndShowingBringsItBack)
{
    TestWindow& w = open();
    const Rect area = w.logic.toolbar().state().browserArea;
    w.logic.onToolbarToggleClick();
    EXPECT_FALSE(w.view()[Control::Toolbar].visible); // no strip of its buttons stays
    EXPECT_FALSE(w.view()[Control::StatusBar].visible);
    EXPECT_EQ(w.logic.toolbar().state().browserArea,
        (Rect { -30, area.top - 360, area.width, area.height + 360 + 270 }));
    EXPECT_EQ(w.view().focus, Control::ConnectionButton);

    w.logic.onToolbarToggleMouseOver(); // just hidden: stays hidden
    EXPECT_EQ(w.logic.toolbar().state().toolbarOffset, 360);
    w.logic.onToolbarTimer();
    w.logic.onToolbarToggleMouseOver();
    EXPECT_EQ(w.logic.toolbar().state().toolbarOffset, 0);
    EXPECT_TRUE(w.view()[Control::StatusBar].visible);
    EXPECT_FALSE(w.view()[Control::ProgressBar].visible); // no download under way
    EXPECT_EQ(w.logic.toolbar().state().browserArea, area);
}

TEST_F(Layout, StatusBarMenuWhileTheToolbarIsHiddenMovesTheBrowserOnce)
{
    TestWindow& w = open();
    const Rect area = w.logic.toolbar().state().browserArea;
    w.logic.onViewStatusBar();
    EXPECT_EQ(w.logic.toolbar().state().browserArea.height, area.height + 270);
    EXPECT_FALSE(w.view().menuCheck(MenuItem::StatusBar));
    w.logic.onToolbarToggleClick();
    w.logic.onToolbarTimer();
    w.logic.onToolbarToggleClick(); // the status bar's setting is off: it stays hidden
    EXPECT_FALSE(w.view()[Control::StatusBar].visible);
    w.logic.onViewStatusBar();
    EXPECT_EQ(w.logic.toolbar().state().browserArea, area);

    w.logic.onToolbarToggleClick(); // hides the status bar with it
    const Rect hidden = w.logic.toolbar().state().browserArea;
    w.logic.onViewStatusBar(); // setting off: already hidden
    EXPECT_EQ(w.logic.toolbar().state().browserArea, hidden);
    w.logic.onViewStatusBar(); // setting on: shown
    EXPECT_TRUE(w.view()[Control::StatusBar].visible);
    EXPECT_EQ(w.logic.toolbar().state().browserArea.height, hidden.height - 270);
}

TEST_F(Layout, AutomaticHidingWaitsForThePointerAndTheSelector)
{
    m_shared.settings.HideControlsMode = 2;
    TestWindow& w = open();
    // Window at 100, 60 px, caption 22 px: the band is 80 < y < 121.
    w.host.mouse = { 400, 100 };
    w.logic.onStatusTick();
    EXPECT_EQ(w.logic.toolbar().state().toolbarOffset, 0);
    w.host.mouse = { 400, 300 };
    w.logic.onSelectorButtonClick();
    w.logic.onStatusTick();
    EXPECT_EQ(w.logic.toolbar().state().toolbarOffset, 0);
    w.logic.onSelectorButtonClick();
    w.logic.onStatusTick();
    EXPECT_EQ(w.logic.toolbar().state().toolbarOffset, 360);

    // Mode 0: neither the button nor the key hides it.
    m_shared.settings.HideControlsMode = 0;
    TestWindow& fixed = open();
    fixed.logic.onToolbarToggleClick();
    fixed.logic.onKeyDown({ Key::Other, true, true, false });
    EXPECT_EQ(fixed.logic.toolbar().state().toolbarOffset, 0);
}

TEST_F(Layout, CycleButtonsStepThroughTheirStatesAndActions)
{
    TestWindow& w = open();
    const auto& second = w.view()[Control::HistoryMailOfflineButton];
    w.logic.onAddressTextEdited("http://typed.example/");
    w.logic.onFirstCycleButtonClick();
    EXPECT_EQ(w.browser.calls.back(), "stop");
    w.logic.onFirstCycleButtonRightDown();
    w.logic.onFirstCycleButtonClick();
    EXPECT_EQ(w.browser.calls.back(), "findInPage");
    w.logic.onFirstCycleButtonRightDown();
    w.logic.onFirstCycleButtonClick();
    EXPECT_EQ(m_app.calls.back(), "full screen http://typed.example/");

    w.logic.onSecondCycleButtonClick();
    EXPECT_EQ(m_app.calls.back(), "history");
    w.logic.onSecondCycleButtonRightDown();
    w.logic.onSecondCycleButtonClick();
    EXPECT_EQ(w.host.calls.back(), "mail menu");
    EXPECT_TRUE(w.logic.toolbar().state().autoHideSuspended);
    w.logic.onSecondCycleButtonRightDown();
    w.logic.onSecondCycleButtonClick();
    EXPECT_TRUE(m_shared.OfflineMode);
    EXPECT_EQ(second.toolTip, "Working Offline - Now = True (Right-Click To Cycle)");
    w.logic.onSecondCycleButtonRightDown();
    EXPECT_EQ(second.text, "History");

    // The states are shared: a new window takes them, without tool tips once they are off.
    w.logic.onFirstCycleButtonRightDown();
    m_shared.settings.ToolTipsOff = 1;
    TestWindow& next = open();
    EXPECT_EQ(next.view()[Control::StopFindFullButton].text, "Stop");
    EXPECT_EQ(next.view()[Control::StopFindFullButton].toolTip, "");
}

TEST_F(Layout, SwapButtonShowsOneGroupOrTheOther)
{
    TestWindow& w = open();
    w.logic.onSwapButton();
    EXPECT_TRUE(w.view()[Control::StopFindFullButton].visible);
    EXPECT_FALSE(w.view()[Control::CountdownBox].visible);

    // A window never activated (opened behind another) shows one group and its tool tips.
    m_shared.settings.TimerControlsSwapped = 1;
    TestWindow& behind = *m_windows.emplace_back(std::make_unique<TestWindow>(services()));
    behind.logic.load();
    EXPECT_TRUE(behind.view()[Control::StopFindFullButton].visible);
    EXPECT_FALSE(behind.view()[Control::IntervalBox].visible);
    EXPECT_EQ(behind.view()[Control::SwapButton].toolTip, m_shared.toolTips[ToolTip::SwapButton]);
}

TEST_F(Layout, KeysInTheirOrder)
{
    TestWindow& w = open();
    w.logic.onKeyDown({ Key::Escape, false, true, true });
    EXPECT_EQ(w.browser.calls.back(), "stop");
    EXPECT_EQ(w.logic.onKeyDown({ Key::Other, false, false, true }), KeyOutcome::Consumed);
    EXPECT_EQ(w.host.calls.back(), "main menu");
    w.logic.onKeyDown({ Key::F, true, true, false });
    EXPECT_EQ(w.logic.toolbar().state().toolbarOffset, 360);
    EXPECT_EQ(w.logic.onKeyDown({ Key::P, false, true, false }), KeyOutcome::Consumed);
    EXPECT_EQ(w.browser.calls.back(), "print");
    EXPECT_EQ(w.logic.onKeyDown({ Key::Other, false, true, false }), KeyOutcome::PassOn);
    EXPECT_EQ(w.browser.calls.back(), "focusPage");
    EXPECT_EQ(w.logic.onKeyDown({ Key::Other }), KeyOutcome::PassOn);

    w.logic.onAddressFocusChanged(true);
    EXPECT_EQ(w.logic.onKeyDown({ Key::A, false, true, false }), KeyOutcome::Consumed);
    EXPECT_EQ(w.browser.calls.back(), "selectAll");
    w.logic.onAddressTextEdited("radar.example");
    EXPECT_EQ(w.logic.onKeyDown({ Key::Enter }), KeyOutcome::Consumed);
    EXPECT_EQ(w.browser.calls.back(), "navigate radar.example");
    EXPECT_EQ(m_app.calls.back(), "click");
    w.logic.onKeyDown({ Key::F11 });
    EXPECT_EQ(m_app.calls.back(), "full screen radar.example");
}
