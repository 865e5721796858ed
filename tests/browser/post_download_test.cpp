// The pass after each download: the fill of the browser area, the fit to a page that placed
// its window, the history hand-over with its exclusions, and the kill step of pop-ups.

#include "browser_fakes.h"

using namespace sgtest;

class PostDownload : public MainWindowFixture {
protected:
    std::vector<std::string> loggedUrls() const
    {
        std::vector<std::string> urls;
        for (const HistoryRecord& r : history())
            urls.push_back(r.Url);
        return urls;
    }
};

using Urls = std::vector<std::string>;

// An excluded page leaves no trace: the page after it is logged as usual.
TEST_F(PostDownload, OnlyTheOwnPagesAndErrorPagesAreLeftOut)
{
    const std::pair<std::string, std::string> excluded[] = { { "http://start.example/", "Start" },
        { "HTTP://Start.Example/", "Start" }, { "file:///opt/sg/KillPopUps.htm", "KillPopUps.htm" },
        { "/opt/sg/KillPopUps.htm", "KillPopUps.htm" },
        { "file:///opt/sg/DefPage.htm", "Pre-Navigate Default Page" },
        { "http://gone.example/", "Cannot Find Server" },
        { "http://gone.example/", "WEB PAGE UNAVAILABLE WHILE OFFLINE" },
        { "http://www.google.com/search?q=radar", "radar - Search" } };
    TestWindow& w = open();
    Urls logged;
    for (const auto& [url, title] : excluded) {
        finishPage(w, url, title);
        logged.push_back("http://a.example/" + std::to_string(logged.size()));
        finishPage(w, logged.back(), "Help: cannot find server");
    }
    EXPECT_EQ(loggedUrls(), logged);
}

// The failed page is skipped once (an excluded page in between leaves the skip in place),
// then pages are logged again.
TEST_F(PostDownload, FailedNavigationIsSkippedOnceThenPagesAreLoggedAgain)
{
    TestWindow& w = open();
    w.logic.onNavigationFailed(NavigationFailure::Other);
    finishPage(w, "http://start.example/", "Start");
    finishPage(w, "http://down.example/", "Error");
    finishPage(w, "http://radar.example/", "Radar");
    EXPECT_EQ(loggedUrls(), Urls { "http://radar.example/" });
}

TEST_F(PostDownload, PageThatSizedItsWindowIsRefittedEveryPassAndNeverLogged)
{
    TestWindow& w = open();
    w.logic.onGeometryRequested({ 0, 0, 500, 300 }); // 7500 x 4500 twips
    const Rect before = w.host.window;
    finishPage(w, "http://popup.example/", "Pop");
    // Caption 22 px: 465; the page asked for no toolbar, so it hid (top 435 - 360).
    EXPECT_EQ(w.logic.toolbar().state().browserArea, (Rect { -30, 75, 7560, 4500 }));
    EXPECT_EQ(w.host.window, (Rect { before.left, before.top, 7620, 4500 + 465 + 75 }));

    w.logic.resize();
    const std::size_t moves = w.host.windowMoves.size();
    finishPage(w, "http://popup.example/2", "Pop 2");
    EXPECT_GT(w.host.windowMoves.size(), moves);
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(w.logic.toolbar().state().toolbarOffset, 360); // hidden once, not shown again
}

TEST_F(PostDownload, PageFillsTheBrowserAreaUnlessMinimizedAndIsLogged)
{
    TestWindow& w = open();
    const unsigned relayouts = w.view().browserRelayouts;
    finishPage(w, "http://a.example/", "A");
    w.host.state = WindowState::Maximized;
    finishPage(w, "http://b.example/", "B");
    EXPECT_EQ(w.view().browserRelayouts, relayouts + 2);
    w.host.state = WindowState::Minimized;
    finishPage(w, "http://c.example/", "C");
    EXPECT_EQ(w.view().browserRelayouts, relayouts + 2);
    EXPECT_EQ(
        loggedUrls(), (Urls { "http://a.example/", "http://b.example/", "http://c.example/" }));
    EXPECT_EQ(history().at(0).Title, "A");
}

class PopUpKilling : public MainWindowFixture {
protected:
    PopUpKilling()
    {
        m_shared.settings.PopUpKilling = 1;
        m_shared.settings.HideControlsMode = 0;
    }
};

TEST_F(PopUpKilling, SizedPopUpGoesToTheKillPageOnTheSecondPassAndClosesOnce)
{
    TestWindow& w = open();
    w.logic.onGeometryRequested({ 0, 0, 0, 200 });
    finishPage(w, "http://ads.example/", "Ad");
    EXPECT_TRUE(w.host.running(MainWindowTimer::PostDownload));
    EXPECT_EQ(w.browser.count("navigate /opt/sg/KillPopUps.htm"), 0);
    w.logic.onPostDownloadTick();
    EXPECT_EQ(w.browser.count("navigate /opt/sg/KillPopUps.htm"), 1);
    EXPECT_FALSE(w.host.running(MainWindowTimer::PostDownload));

    w.browser.name = "killpopups.HTM";
    w.logic.onLoadFinished();
    w.logic.onLoadFinished();
    EXPECT_EQ(w.host.count("close"), 1);
    EXPECT_EQ(m_app.count("boom"), 0);
    EXPECT_TRUE(history().empty());

    m_shared.settings.PopUpKillBoom = 1; // with the sound, once
    TestWindow& boom = open();
    boom.browser.name = "KillPopUps.htm";
    boom.logic.onLoadFinished();
    boom.logic.onLoadFinished();
    EXPECT_EQ(m_app.count("boom"), 1);
}

TEST_F(PopUpKilling, OnlyPopUpsGetTheKillPageAndOnlyOnce)
{
    TestWindow& w = open();
    w.logic.onToolbarRequested(false);
    finishPage(w, "http://ads.example/", "Ad");
    w.logic.onPostDownloadTick();
    finishPage(w, "/opt/sg/KillPopUps.htm", "Error");
    finishPage(w, "/opt/sg/KillPopUps.htm", "Error");
    EXPECT_EQ(w.browser.count("navigate /opt/sg/KillPopUps.htm"), 1);
    EXPECT_EQ(w.host.count("close"), 0);

    TestWindow& plain = open(); // a plain new window is never killed
    finishPage(plain, "http://plain.example/", "Plain");
    plain.logic.onPostDownloadTick();
    EXPECT_EQ(plain.browser.count("navigate /opt/sg/KillPopUps.htm"), 0);
    m_shared.settings.PopUpKilling = 0;
    plain.browser.name = "KillPopUps.htm";
    plain.logic.onLoadFinished();
    EXPECT_EQ(plain.host.count("close"), 0);
}
