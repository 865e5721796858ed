// The full-screen window's logic against a recording host and browser: fitting, closing,
// the buttons, tool tips, its pages' new windows, the add page and the slideshow's wiring
// (the slideshow's own timing is CategorySlideshow's test).

#include "browser/browser_fakes.h"
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
using Strings = std::vector<std::string>;

class FakeHost final : public FullScreenHost {
public:
    Rect window;
    bool shown = false;
    bool moving = false;
    std::string blankPage;
    Strings messages; // each with "(modal)" while ModalWindowOpen was set
    const bool* modal = nullptr;
    SlideshowTime clock { 1000 };

    Rect workArea() const override { return { 0, 450, 24000, 14550 }; }
    Rect windowGeometry() const override { return window; }
    void placeWindow(const Rect& r) override { window = r; }
    void showWindow() override { shown = true; }
    void hideWindow() override { shown = false; }
    void beginWindowMove() override { moving = true; }
    void navigateWithoutHistory(const std::string& address) override { blankPage = address; }
    void showMessage(const std::string& text) override
    {
        messages.push_back(text + (*modal ? " (modal)" : ""));
    }
    SlideshowTime now() const override { return clock; }
};

const Rect kFitted { 0, 450, 24000, 14505 };

class FullScreen : public MainWindowFixture {
protected:
    FakeHost m_host;
    FakeBrowser m_browser;
    FullScreenLogic m_logic { m_shared, m_app, m_host, m_browser };

    FullScreen()
    {
        m_host.modal = &m_shared.ModalWindowOpen;
        m_logic.load();
    }
    const FullScreenViewState& view() const { return m_logic.view(); }
    const FullScreenControlState& control(Control c) const { return view().control(c); }
    std::filesystem::path lists() const { return m_dir / "SiteLists"; }
};

// Mended: the hidden window went on playing its page.
TEST_F(FullScreen, LoadCloseAndEscFitTheWorkAreaAndLeaveTheBlankPageOutOfHistory)
{
    EXPECT_EQ(m_host.window, kFitted);
    EXPECT_EQ(control(Control::Browser).place, (Rect { 0, 360, 24000, 14145 }));
    EXPECT_EQ(m_host.blankPage, "file:///opt/sg/DefPage.htm");
    EXPECT_FALSE(m_host.shown || control(Control::AddPagePanel).visible);
    EXPECT_FALSE(control(Control::BackButton).enabled);
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
    EXPECT_EQ(m_browser.calls, Strings(2, "navigate http://radar/"));
    EXPECT_EQ(m_app.count("click"), 1); // the Close button clicks, Esc does not
}

TEST_F(FullScreen, ButtonsDockRefitRefreshAndMove)
{
    m_host.window = { 3000, 2000, 9000, 6000 };
    m_logic.onDockClick();
    EXPECT_EQ(m_host.window, (Rect { 0, 450, 9000, 6000 }));
    m_logic.onLoadFinished(); // pages cannot place the window
    EXPECT_EQ(m_host.window, kFitted);
    m_logic.onTitleStripMouseDown();
    EXPECT_TRUE(m_host.moving);
    m_shared.settings.RefreshMode = 3;
    m_logic.onRefreshClick(); // no page yet: nothing to refresh
    m_browser.location = "http://radar/";
    m_logic.onRefreshClick();
    m_logic.onBackClick();
    EXPECT_EQ(m_browser.calls, (Strings { "reload 3", "goBack" }));
    m_logic.onHistoryStateChanged(true, false);
    EXPECT_TRUE(control(Control::BackButton).enabled);
}

TEST_F(FullScreen, TitleAndToolTipsFollowThePageUnlessTipsAreOff)
{
    m_logic.onTitleChanged("Radar Loop");
    EXPECT_EQ(view().caption, "Radar Loop - Skyglass2 - Full Screen Window");
    EXPECT_EQ(control(Control::TitleStrip).toolTip, view().caption);
    EXPECT_EQ(view().stripText, view().caption);
    m_shared.settings.ToolTipsOff = 1;
    m_logic.applyToolTips();
    for (std::size_t c = 0; c < kFullScreenControlCount; ++c)
        EXPECT_EQ(view().controls[c].toolTip, "") << c;
}

TEST_F(FullScreen, AddPageFilesThePageAndRefillsTheMainWindows)
{
    m_logic.onAddPageClick(); // no category list: a message, and no list made
    EXPECT_FALSE(std::filesystem::exists(lists() / "CatList.dab"));
    writeBytes(lists() / "CatList.dab", categoryBytes(" Weather", 1) + categoryBytes("News", 2));
    writeBytes(lists() / "Sites00002.dab", {});
    TestWindow& main = open();
    m_browser.location = "http://radar/loop.html";
    m_logic.onTitleChanged("Radar Loop");

    m_logic.onAddPageClick();
    EXPECT_TRUE(control(Control::AddPagePanel).visible);
    EXPECT_EQ(view().pageCategories,
        (std::vector<ChooserItem> { { "C1", "Weather" }, { "C2", "News" } }));
    EXPECT_EQ(view().pageCategory, 1u);
    m_logic.onChooserClick(0);
    EXPECT_TRUE(control(Control::AddPagePanel).visible);
    m_logic.onChooserClick(2);
    EXPECT_EQ(m_host.messages,
        (Strings { "Can't Add Page. No Categories Exist. (modal)",
            "Can't Add Page. No Category Is Currently Selected. (modal)" }));
    EXPECT_FALSE(m_shared.ModalWindowOpen);
    EXPECT_EQ(
        readBytes(lists() / "Sites00002.dab"), siteBytes("Radar Loop", "http://radar/loop.html"));
    EXPECT_FALSE(control(Control::AddPagePanel).visible);
    EXPECT_TRUE(view().pageCategories.empty());
    const auto& rows = main.view().categorySelector.rows;
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
        [](const SelectorRow& row) { return row.url == "http://radar/loop.html"; }));
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
    void start(std::optional<std::size_t> category, int dwell)
    {
        m_logic.onSlideshowClick();
        m_logic.onSlideshowCategoryChosen(category);
        m_logic.onDwellChanged(dwell);
        m_logic.onSlideshowStart();
    }
    void after(SlideshowTime elapsed)
    {
        m_host.clock += elapsed;
        m_logic.onSlideshowTick();
    }
};

TEST_F(Slideshow, ShowsThePagesInTurnAndKeepsTheChoiceForNextTime)
{
    start(0, 20);
    EXPECT_TRUE(m_host.shown && view().slideshowRunning);
    EXPECT_FALSE(control(Control::SlideshowPanel).visible);
    EXPECT_EQ(view().stripText, "Weather - Page 1 Of 2 - Next In 20 s");
    EXPECT_EQ(view().tickIn, 1000ms); // the count-down shows each second
    after(19'500ms);
    m_browser.location = "http://radar/";
    after(500ms);
    // A page that comes round while it is shown is loaded afresh.
    m_logic.onSlideshowKey(SlideshowCommand::Next);
    EXPECT_EQ(m_browser.calls,
        (Strings { "navigate http://radar/", "navigate http://sky/", "reload 0" }));
    m_logic.onSlideshowKey(SlideshowCommand::Next);
    m_logic.onNavigationFailed(NavigationFailure::HostNotFound);
    EXPECT_EQ(view().stripText, "Weather - Page 2 Of 2 - Failed To Load, Next In 20 s");
    m_logic.onPointerOverStrip(true);
    EXPECT_EQ(view().stripText, "Weather - Page 2 Of 2 - Paused");
    EXPECT_EQ(view().tickIn, std::nullopt);

    // Esc ends the show and keeps the page; a second Esc closes the window.
    m_logic.onEscape();
    EXPECT_FALSE(view().slideshowRunning);
    EXPECT_TRUE(m_host.shown);
    m_logic.onEscape();
    EXPECT_FALSE(m_host.shown);
    const auto kept = readExtraSettingsFile(extraSettingsPath(m_dir.path()));
    EXPECT_EQ(kept->SlideshowCategory, "Weather");
    EXPECT_EQ(kept->SlideshowDwellSeconds, 20);
    m_logic.onDwellChanged(45);
    m_logic.openSlideshowPanel();
    EXPECT_EQ(view().slideshowCategories, (Strings { "Weather", "Maps" }));
    EXPECT_EQ(view().slideshowCategory, 0u);
    EXPECT_EQ(view().dwellSeconds, 20);
}

TEST_F(Slideshow, RefusesWithoutCategoriesOrPagesAndKeepsNothing)
{
    start(1, 30); // Maps holds no page
    start(std::nullopt, 30);
    std::filesystem::remove(lists() / "CatList.dab");
    m_logic.openSlideshowPanel();
    EXPECT_EQ(m_host.messages,
        (Strings { "Can't Start The Slideshow. The Category Holds No Pages. (modal)",
            "Can't Start The Slideshow. No Category Is Currently Selected. (modal)",
            "Can't Start The Slideshow. No Categories Exist. (modal)" }));
    EXPECT_TRUE(m_browser.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(extraSettingsPath(m_dir.path())));
}

} // namespace
