// A main window's life: load and activation, the browser's events, new windows, offline
// mode, the pop-up menu toggles, the connection button and the close.

#include "browser_fakes.h"

using namespace sgtest;

class Window : public MainWindowFixture { };

TEST_F(Window, LoadMakesTheStartNavigationOnlyOnce)
{
    m_random.value = 0.5;
    TestWindow& first = open();
    EXPECT_EQ(first.view().caption, "- Skyglass2");
    EXPECT_EQ(first.browser.calls, (std::vector<std::string> { "navigate http://start.example/" }));
    // 0.5 x 25 = 12.5 rounds to the even 12: "M".
    EXPECT_EQ(first.view()[Control::WindowIdLabel].text,
        "MMMMMMMM-MMMMMMMM-MMMMMMMM-MMMMMMMM 2026-12-05 14:08:35");
    EXPECT_EQ(first.host.windowMoves.front(), (Rect { 1500, 900, 12000, 9000 }));

    EXPECT_TRUE(open().browser.calls.empty()); // a later window waits for its page

    m_shared.StartNavigated = false;
    m_shared.PendingStartUrl = "/home/me/page.htm";
    TestWindow& handedOver = open();
    EXPECT_EQ(handedOver.browser.calls.back(), "navigate /home/me/page.htm");
    handedOver.browser.location = "file:///home/me/page.htm";
    handedOver.logic.onUrlChanged();
    EXPECT_TRUE(m_shared.PendingStartUrl.empty());

    m_shared.placementSaved = false; // the first start places it from the work area
    EXPECT_EQ(open().host.windowMoves.front(), (Rect { 2962.5, 900, 13275, 9000 }));
    EXPECT_TRUE(m_shared.placementSaved);
}

TEST_F(Window, BrowserEventsReachTheControls)
{
    TestWindow& w = open();
    w.logic.onTitleChanged("Radar");
    EXPECT_EQ(w.view().caption, "Radar - Skyglass2");
    w.logic.onTitleChanged("KillPopUps.htm");
    EXPECT_EQ(w.view().caption, "Radar - Skyglass2");

    w.logic.onLoadProgress(30, 0);
    EXPECT_TRUE(w.view()[Control::ProgressBar].visible);
    EXPECT_EQ(w.view().progressValue, 1);
    w.logic.onLoadProgress(0, 100);
    EXPECT_FALSE(w.view()[Control::ProgressBar].visible);

    w.logic.onHistoryStateChanged(true, false);
    EXPECT_TRUE(w.view()[Control::BackButton].enabled && !w.view()[Control::ForwardButton].enabled);

    // Script errors are silenced during downloads only, and never for mail.
    m_shared.settings.ScriptErrorsSilenced = 1;
    w.logic.onLoadStarted();
    EXPECT_TRUE(w.browser.silentNow);
    w.logic.onLoadFinished();
    EXPECT_FALSE(w.browser.silentNow);

    EXPECT_FALSE(w.logic.onNavigationRequested("MailTo:me@example.com"));
    w.logic.onLoadStarted();
    EXPECT_FALSE(w.browser.silentNow);
}

TEST_F(Window, CheckedBoxesSendNavigationsAndNewWindowsAway)
{
    TestWindow& w = open();
    m_shared.PendingStartUrl = "http://handed.example/";
    w.logic.onCheckBoxClick(Control::NewWindowBox, true);
    EXPECT_TRUE(w.logic.onNavigationRequested("http://link.example/"));
    EXPECT_EQ(w.browser.calls,
        (std::vector<std::string> { "navigate http://start.example/", "stop",
            "navigateInNewWindow http://link.example/" }));
    w.logic.onAddressTextEdited("radar.example");

    // A page's new window cascades and unchecks the box unless it stays checked.
    m_shared.settings.WindowTop = 500;
    EXPECT_EQ(w.logic.onNewWindowRequested(), NewWindowTarget::NewMainWindow);
    EXPECT_EQ(m_shared.settings.WindowLeft, 900);
    EXPECT_EQ(m_shared.settings.WindowTop, 800); // below 0: 300 below the old place instead
    EXPECT_FALSE(w.logic.navigation().state().newWindowChecked);
    m_shared.settings.NewWindowStaysChecked = 1;
    w.logic.onCheckBoxClick(Control::NewWindowBox, true);
    w.logic.onNewWindowRequested();
    EXPECT_TRUE(w.logic.navigation().state().newWindowChecked);

    w.logic.onCheckBoxClick(Control::NewWindowBox, false);
    w.logic.onCheckBoxClick(Control::FullScreenBox, true);
    w.logic.onGoClick();
    EXPECT_EQ(m_app.calls.back(), "full screen radar.example");
    w.logic.onCheckBoxClick(Control::FullScreenBox, true);
    EXPECT_EQ(w.logic.onNewWindowRequested(), NewWindowTarget::FullScreen);
    EXPECT_FALSE(w.logic.navigation().state().fullScreenChecked);

    m_shared.ModalWindowOpen = true;
    EXPECT_EQ(w.logic.onNewWindowRequested(), NewWindowTarget::Cancel);
    EXPECT_EQ(m_shared.settings.WindowLeft, 600); // the cancelled request moves nothing
    m_shared.ModalWindowOpen = false;

    // The menu's new window opens the start page; the next one the handed-over address.
    w.logic.onNewWindowMenu();
    EXPECT_EQ(w.browser.calls.back(), "navigateInNewWindow http://start.example/");
    w.logic.openNewMainWindow();
    EXPECT_EQ(w.browser.calls.back(), "navigateInNewWindow http://handed.example/");
}

TEST_F(Window, NavigationErrorWithoutAConnectionGoesOfflineUntilTheConnectionIsBack)
{
    TestWindow& w = open();
    w.logic.onNavigationFailed(NavigationFailure::HostNotFound);
    EXPECT_FALSE(m_shared.OfflineMode); // connected
    m_app.connection = { false, false };
    w.logic.onNavigationFailed(NavigationFailure::Other);
    EXPECT_FALSE(m_shared.OfflineMode);
    w.logic.onNavigationFailed(NavigationFailure::HostNotFound);
    EXPECT_TRUE(m_shared.OfflineMode);
    EXPECT_EQ(m_app.count("SetOffline"), 1);

    // The next refresh with the connection back goes online first (the user's own offline
    // mode and a tick without a connection are Menu's tests).
    w.browser.location = "http://x.example/";
    w.logic.onIntervalBoxDoubleClick();
    m_app.connection = { true, false };
    for (int i = 0; i < 5; ++i)
        w.logic.onRefreshTick();
    EXPECT_FALSE(m_shared.OfflineMode);
    EXPECT_EQ(m_app.count("SetOnline"), 1);
}

TEST_F(Window, PopUpMenusUpdateEveryWindow)
{
    TestWindow& a = open();
    TestWindow& b = open();
    a.logic.onKillPopUpsWithBoomMenu();
    EXPECT_TRUE(b.view().menuCheck(MenuItem::KillPopUpsWithBoom));
    b.logic.onSilenceScriptErrorsMenu();
    EXPECT_EQ(a.view().panels[2], (StatusPanelView { "Pops-Script", 1 }));
    a.logic.onKillPopUpsMenu(); // boom -> plain killing
    EXPECT_TRUE(b.view().menuCheck(MenuItem::KillPopUps));
    a.logic.onKillPopUpsMenu(); // plain killing -> off
    EXPECT_FALSE(b.view().menuCheck(MenuItem::KillPopUps));
}

TEST_F(Window, CloseSavesANormalWindowsPlacementAndItsValuesOnly)
{
    TestWindow& w = open();
    TestWindow& other = open();
    w.logic.onCheckBoxClick(Control::NewWindowBox, true);
    w.logic.onIntervalButtonDown(Control::IntervalUpButton, MouseButton::Right);
    w.logic.onSwapButton();
    w.logic.onFirstCycleButtonRightDown();
    w.host.draggedColumns[Control::PageSelector] = { 200, 210 };
    w.host.draggedColumns[Control::CategorySelector] = { 300, 100 };
    w.host.window = { 2000, 1000, 10000, 8000 };

    EXPECT_EQ(w.logic.beginClose(), 750);
    EXPECT_EQ(w.host.count("hide"), 1);
    EXPECT_EQ(w.browser.calls.back(), "navigate /opt/sg/DefPage.htm");
    const CloseOutcome out = w.logic.finishClose();
    EXPECT_EQ(out.placement, (Rect { 2000, 1000, 10000, 8000 }));
    EXPECT_EQ(m_shared.settings.WindowWidth, 10000);
    EXPECT_EQ(out.columnWidths, (std::array<float, 4> { 3000, 3150, 4500, 1500 }));
    EXPECT_EQ(out.perWindow, (PerWindowSettings { 5, 1, 1, 0 }));

    w.host.state = WindowState::Minimized;
    EXPECT_FALSE(w.logic.finishClose().columnWidths);

    other.logic.onGeometryRequested({ 10, 10, 800, 600 }); // a page placed it
    other.host.window = { 100, 100, 9000, 9000 };
    EXPECT_FALSE(other.logic.finishClose().placement);
    EXPECT_EQ(m_shared.settings.WindowWidth, 10000);
}

TEST_F(Window, ConnectionButtonAsksBeforeDiallingUnlessAModemWasFound)
{
    TestWindow& w = open();
    w.host.modalFlag = &m_shared.ModalWindowOpen;

    m_app.connection = { false, false };
    w.logic.onConnectionButtonClick(); // answered No: nothing dials
    EXPECT_EQ(w.host.messages.back(),
        "You Are NOT CONNECTED To The Internet\nDo You Want An iNet Dial-Up Window?");
    EXPECT_TRUE(w.host.modalWhileAsked && !m_shared.ModalWindowOpen);
    EXPECT_EQ(m_app.count("autodial"), 0);
    w.host.answerYes = true;
    w.logic.onConnectionButtonClick();
    EXPECT_EQ(m_app.count("autodial"), 1);

    m_app.connection = { true, true }; // connected through a modem: remembered
    w.logic.onConnectionButtonClick();
    m_app.connection = { false, false };
    const auto asked = w.host.messages.size();
    w.logic.onConnectionButtonClick(); // dials at once, without asking
    EXPECT_EQ(w.host.messages.size(), asked);
    EXPECT_EQ(m_app.count("autodial"), 2);

    // A box over a modal window that is already open leaves that window's flag set.
    m_app.connection = { true, false };
    m_shared.ModalWindowOpen = true;
    w.logic.onConnectionButtonClick();
    EXPECT_TRUE(m_shared.ModalWindowOpen);
}
