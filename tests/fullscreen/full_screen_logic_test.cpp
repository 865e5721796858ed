// The full-screen window's logic against a recording host and browser: opening, closing,
// re-fitting, the picture buttons, the tool tips, its pages' new windows, the add page and
// the slideshow.

#include "browser/browser_fakes.h"
#include "fullscreen/full_screen_layout.h"
#include "fullscreen/full_screen_logic.h"
#include "settings/extra_settings.h"
#include "sitelists/list_files.h"
#include "sitelists/list_test_files.h"

#include <gtest/gtest.h>

namespace {

using namespace sg;
using namespace sgtest;
using namespace std::chrono_literals;
using Control = FullScreenControl;

class FakeHost final : public FullScreenHost {
public:
    Rect area { 0, 450, 24000, 14550 };
    Rect window;
    bool shown = false;
    bool moving = false;
    std::string blankPage;
    std::vector<std::string> messages;
    std::vector<bool> modalDuringMessage;
    bool* modalFlag = nullptr;
    SlideshowTime clock { 1000 };

    Rect workArea() const override { return area; }
    Rect windowGeometry() const override { return window; }
    void placeWindow(const Rect& r) override { window = r; }
    void showWindow() override { shown = true; }
    void hideWindow() override { shown = false; }
    void beginWindowMove() override { moving = true; }
    void navigateWithoutHistory(const std::string& address) override { blankPage = address; }
    void showMessage(const std::string& text) override
    {
        messages.push_back(text);
        modalDuringMessage.push_back(*modalFlag);
    }
    SlideshowTime now() const override { return clock; }
};

class FullScreen : public MainWindowFixture {
protected:
    FakeHost m_host;
    FakeBrowser m_browser;
    FullScreenLogic m_logic { m_shared, m_app, m_host, m_browser };

    FullScreen()
    {
        m_host.modalFlag = &m_shared.ModalWindowOpen;
        m_logic.load();
    }
    const FullScreenControlState& control(Control c) const { return m_logic.view().control(c); }
    std::filesystem::path lists() const { return m_dir / "SiteLists"; }
};

const Rect kFitted { 0, 450, 24000, 14505 };

TEST_F(FullScreen, LoadFitsTheWorkAreaAndShowsTheBlankPageOutOfHistory)
{
    EXPECT_EQ(m_host.window, kFitted);
    EXPECT_EQ(control(Control::Browser).place, (Rect { 0, 360, 24000, 14145 }));
    EXPECT_EQ(control(Control::CloseButton).place.left, 23235);
    EXPECT_EQ(m_host.blankPage, "file:///opt/sg/DefPage.htm");
    EXPECT_TRUE(m_browser.calls.empty());
    EXPECT_FALSE(m_host.shown);
    EXPECT_FALSE(control(Control::AddPagePanel).visible);
    EXPECT_FALSE(control(Control::SlideshowPanel).visible);
    EXPECT_FALSE(control(Control::BackButton).enabled);
    EXPECT_EQ(m_logic.view().caption, "Skyglass2 - Full Screen Window");
}

// Mended: the page covered the lower half of the picture buttons.
TEST(FullScreenLayout, ButtonsLieWholeInTheStripAboveThePageAndApart)
{
    for (const Size client : { Size { 24000, 14955 }, Size { 9000, 6000 } }) {
        const FullScreenLayout l = fullScreenLayout(client);
        const std::vector<Rect> row { l.dockButton, l.addPageButton, l.slideshowButton,
            l.titleStrip, l.backButton, l.forwardButton, l.refreshButton, l.closeButton };
        for (std::size_t i = 0; i < row.size(); ++i) {
            EXPECT_LE(row[i].bottom(), l.browser.top) << i;
            EXPECT_LE(row[i].bottom(), l.strip.bottom()) << i;
            if (i > 0) {
                EXPECT_LE(row[i - 1].right(), row[i].left) << i;
            }
        }
        EXPECT_EQ(l.browser.bottom(), client.height);
    }
}

TEST_F(FullScreen, ToolTipsFollowTheTableAndThePageTitle)
{
    EXPECT_EQ(control(Control::CloseButton).toolTip, "Close");
    EXPECT_EQ(control(Control::AddPageButton).toolTip, "Add Page To A Site Selector Category");
    EXPECT_EQ(control(Control::DockButton).toolTip, "Dock Window Top-Left Corner");
    EXPECT_EQ(control(Control::BackButton).toolTip, "Back");
    m_logic.onTitleChanged("Radar Loop");
    EXPECT_EQ(control(Control::TitleStrip).toolTip, "Radar Loop - Skyglass2 - Full Screen Window");
    EXPECT_EQ(m_logic.view().caption, "Radar Loop - Skyglass2 - Full Screen Window");
    EXPECT_EQ(m_logic.view().stripText, m_logic.view().caption);

    m_shared.settings.ToolTipsOff = 1;
    m_logic.applyToolTips();
    m_logic.onTitleChanged("Other");
    for (std::size_t c = 0; c < kFullScreenControlCount; ++c)
        EXPECT_EQ(m_logic.view().controls[c].toolTip, "") << c;
}

// Mended: the hidden window went on playing its page.
TEST_F(FullScreen, CloseAndEscHideRefitAndBlankTheWindow)
{
    for (const bool esc : { false, true }) {
        m_logic.open("http://radar/");
        m_host.blankPage.clear();
        EXPECT_TRUE(m_host.shown);
        m_host.window = { 3000, 2000, 9000, 6000 }; // dragged and resized
        if (esc)
            m_logic.onEscape();
        else
            m_logic.onCloseClick();
        EXPECT_FALSE(m_host.shown);
        EXPECT_EQ(m_host.window, kFitted);
        EXPECT_EQ(m_host.blankPage, "file:///opt/sg/DefPage.htm");
    }
    EXPECT_EQ(m_browser.calls, (std::vector<std::string>(2, "navigate http://radar/")));
    EXPECT_EQ(m_app.count("click"), 1); // the Close button clicks, Esc does not
}

TEST_F(FullScreen, EveryDownloadRefitsAndDockKeepsTheSize)
{
    m_host.window = { 3000, 2000, 9000, 6000 };
    m_logic.onDockClick();
    EXPECT_EQ(m_host.window, (Rect { 0, 450, 9000, 6000 }));
    m_logic.onLoadFinished();
    EXPECT_EQ(m_host.window, kFitted);
    m_logic.onTitleStripMouseDown();
    EXPECT_TRUE(m_host.moving);
}

TEST_F(FullScreen, ButtonsDriveTheBrowser)
{
    m_shared.settings.RefreshMode = 3;
    m_logic.onRefreshClick(); // no page yet: nothing to refresh
    m_browser.location = "http://radar/";
    m_logic.onRefreshClick();
    m_logic.onBackClick();
    m_logic.onForwardClick();
    EXPECT_EQ(m_browser.calls, (std::vector<std::string> { "reload 3", "goBack", "goForward" }));
    m_logic.onHistoryStateChanged(true, false);
    EXPECT_TRUE(control(Control::BackButton).enabled);
    EXPECT_FALSE(control(Control::ForwardButton).enabled);
}

TEST_F(FullScreen, PagesNewWindowGoesToACascadedMainWindowUnlessAMessageIsUp)
{
    EXPECT_EQ(m_logic.onNewWindowRequested(), NewWindowTarget::NewMainWindow);
    EXPECT_EQ(m_shared.settings.WindowLeft, 900);
    EXPECT_EQ(m_shared.settings.WindowTop, 300);
    EXPECT_EQ(m_logic.onNewWindowRequested(), NewWindowTarget::NewMainWindow);
    EXPECT_EQ(m_shared.settings.WindowLeft, 300);
    EXPECT_EQ(m_shared.settings.WindowTop, 600);
    m_shared.ModalWindowOpen = true;
    EXPECT_EQ(m_logic.onNewWindowRequested(), NewWindowTarget::Cancel);
    EXPECT_EQ(m_shared.settings.WindowLeft, 300);
}

TEST_F(FullScreen, AddPageWithoutCategoriesShowsTheMessageWhileModal)
{
    m_logic.onAddPageClick();
    EXPECT_EQ(
        m_host.messages, (std::vector<std::string> { "Can't Add Page. No Categories Exist." }));
    EXPECT_EQ(m_host.modalDuringMessage, (std::vector<bool> { true }));
    EXPECT_FALSE(m_shared.ModalWindowOpen);
    EXPECT_FALSE(control(Control::AddPagePanel).visible);
    EXPECT_FALSE(std::filesystem::exists(lists() / "CatList.dab"));
}

TEST_F(FullScreen, AddPageFilesThePageAndRefillsTheMainWindows)
{
    writeBytes(lists() / "CatList.dab", categoryBytes("Weather", 1) + categoryBytes("News", 2));
    writeBytes(lists() / "Sites00002.dab", {});
    TestWindow& main = open();
    m_browser.location = "http://radar/loop.html";
    m_logic.onTitleChanged("Radar Loop");

    m_logic.onAddPageClick();
    EXPECT_TRUE(control(Control::AddPagePanel).visible);
    EXPECT_EQ(m_logic.view().pageCategories,
        (std::vector<ChooserItem> { { "C1", "Weather" }, { "C2", "News" } }));
    EXPECT_EQ(m_logic.view().pageCategory, 1u);
    m_logic.onChooserClick(0);
    EXPECT_EQ(m_host.messages,
        (std::vector<std::string> { "Can't Add Page. No Category Is Currently Selected." }));
    EXPECT_TRUE(control(Control::AddPagePanel).visible);
    m_logic.onChooserClick(2);

    EXPECT_EQ(
        readBytes(lists() / "Sites00002.dab"), siteBytes("Radar Loop", "http://radar/loop.html"));
    EXPECT_FALSE(control(Control::AddPagePanel).visible);
    EXPECT_TRUE(m_logic.view().pageCategories.empty());
    const auto& rows = main.logic.state().listView2Rows;
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
        [](const SelectorRow& row) { return row.url == "http://radar/loop.html"; }));
    m_logic.onAddPageClick();
    m_logic.onCancelClick();
    EXPECT_FALSE(control(Control::AddPagePanel).visible);
}

TEST_F(FullScreen, PanelDragsInsideTheWindow)
{
    m_logic.onPanelMouseDown({ 20, 10 });
    m_logic.onPanelDrop({ 600, 400 });
    EXPECT_EQ(control(Control::AddPagePanel).place, (Rect { 8700, 5850, 5400, 585 }));
    m_logic.onPanelDrop({ 600, 5000 }); // below the window
    EXPECT_EQ(control(Control::AddPagePanel).place, (Rect { 8700, 5850, 5400, 585 }));
}

class Slideshow : public FullScreen {
protected:
    Slideshow()
    {
        writeBytes(lists() / "CatList.dab", categoryBytes("Weather", 1) + categoryBytes("Maps", 2));
        writeBytes(lists() / "Sites00001.dab",
            pagesBytes({ { "Radar", "http://radar/" }, { "Sky", "http://sky/" } }));
        writeBytes(lists() / "Sites00002.dab", {});
    }
    // Starts the show of Weather from the panel with this dwell time.
    void start(int dwell)
    {
        m_logic.onSlideshowClick();
        m_logic.onSlideshowCategoryChosen(0);
        m_logic.onDwellChanged(dwell);
        m_logic.onSlideshowStart();
    }
    void after(SlideshowTime elapsed)
    {
        m_host.clock += elapsed;
        m_logic.onSlideshowTick();
    }
};

TEST_F(Slideshow, ShowsEachPageInTurnAndKeepsTheChoiceForNextTime)
{
    start(20);
    EXPECT_TRUE(m_host.shown);
    EXPECT_FALSE(control(Control::SlideshowPanel).visible);
    EXPECT_TRUE(m_logic.view().slideshowRunning);
    EXPECT_EQ(m_browser.calls, (std::vector<std::string> { "navigate http://radar/" }));
    EXPECT_EQ(m_logic.view().stripText, "Weather - Page 1 Of 2 - Next In 20 s");
    EXPECT_EQ(m_logic.view().tickIn, 1000ms);
    EXPECT_EQ(control(Control::SlideshowButton).toolTip, "End The Slideshow (Esc)");
    const auto kept = readExtraSettingsFile(extraSettingsPath(m_dir.path()));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->SlideshowCategory, "Weather");
    EXPECT_EQ(kept->SlideshowDwellSeconds, 20);

    after(19'500ms);
    EXPECT_EQ(m_logic.view().tickIn, 500ms);
    after(500ms);
    m_browser.location = "http://sky/";
    after(20s);
    m_browser.location = "http://radar/";
    m_logic.onSlideshowKey(SlideshowCommand::Previous);
    EXPECT_EQ(m_browser.calls,
        (std::vector<std::string> { "navigate http://radar/", "navigate http://sky/",
            "navigate http://radar/", "navigate http://sky/" }));

    // Esc ends the show and keeps the page; a second Esc closes the window.
    m_logic.onEscape();
    EXPECT_FALSE(m_logic.view().slideshowRunning);
    EXPECT_EQ(m_logic.view().tickIn, std::nullopt);
    EXPECT_TRUE(m_host.shown);
    m_logic.onEscape();
    EXPECT_FALSE(m_host.shown);

    // The next panel offers the last category and dwell time.
    m_logic.onDwellChanged(45);
    m_logic.openSlideshowPanel();
    EXPECT_EQ(m_logic.view().slideshowCategories, (std::vector<std::string> { "Weather", "Maps" }));
    EXPECT_EQ(m_logic.view().slideshowCategory, 0u);
    EXPECT_EQ(m_logic.view().dwellSeconds, 20);
}

TEST_F(Slideshow, RepeatedPageReloadsPauseHoldsItAndAFailureIsTold)
{
    writeBytes(lists() / "Sites00001.dab", pagesBytes({ { "Radar", "http://radar/" } }));
    start(30);
    m_browser.location = "http://radar/";
    after(30s);
    EXPECT_EQ(m_browser.calls.back(), "reload 0");

    m_logic.onNavigationFailed(NavigationFailure::HostNotFound);
    EXPECT_EQ(m_logic.view().stripText, "Weather - Page 1 Of 1 - Failed To Load, Next In 30 s");
    m_logic.onPointerOverStrip(true);
    EXPECT_EQ(m_logic.view().stripText, "Weather - Page 1 Of 1 - Paused");
    EXPECT_EQ(m_logic.view().tickIn, std::nullopt);
    m_logic.onPointerOverStrip(false);
    m_logic.onSlideshowKey(SlideshowCommand::TogglePause);
    after(1h);
    EXPECT_EQ(m_browser.calls.size(), 2u);
    m_logic.onCloseClick(); // closing ends the show
    EXPECT_FALSE(m_logic.view().slideshowRunning);
}

TEST_F(Slideshow, RefusesWithoutCategoriesOrPages)
{
    m_logic.onSlideshowClick();
    m_logic.onSlideshowCategoryChosen(1); // Maps holds no page
    m_logic.onSlideshowStart();
    m_logic.onSlideshowCategoryChosen(std::nullopt);
    m_logic.onSlideshowStart();
    std::filesystem::remove(lists() / "CatList.dab");
    m_logic.openSlideshowPanel();
    EXPECT_EQ(m_host.messages,
        (std::vector<std::string> { "Can't Start The Slideshow. The Category Holds No Pages.",
            "Can't Start The Slideshow. No Category Is Currently Selected.",
            "Can't Start The Slideshow. No Categories Exist." }));
    EXPECT_FALSE(m_logic.view().slideshowRunning);
    EXPECT_TRUE(m_browser.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(extraSettingsPath(m_dir.path())));
}

} // namespace
