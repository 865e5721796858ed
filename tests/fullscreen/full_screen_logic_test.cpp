// The full-screen window's logic against a recording view and browser: opening, closing,
// re-fitting, the picture buttons, the tool tips, its pages' new windows and the add page.

#include "browser/browser_fakes.h"
#include "fullscreen/full_screen_logic.h"
#include "sitelists/list_files.h"
#include "sitelists/list_test_files.h"

#include <gtest/gtest.h>

namespace {

using namespace sg;
using namespace sgtest;

class FakeFullScreenView final : public FullScreenView {
public:
    Rect area { 0, 450, 24000, 14550 };
    Rect window;
    bool shown = false;
    bool moving = false;
    std::string caption;
    std::string blankPage;
    std::map<FullScreenControl, std::string> tips;
    std::map<FullScreenControl, Rect> places;
    std::map<FullScreenControl, bool> visible;
    std::map<FullScreenControl, bool> enabled;
    std::vector<ChooserItem> items;
    std::size_t selected = 0;
    std::vector<std::string> messages;
    std::vector<bool> modalDuringMessage;
    bool* modalFlag = nullptr;

    void setCaption(const std::string& c) override { caption = c; }
    void setToolTip(FullScreenControl c, const std::string& t) override { tips[c] = t; }
    void setGeometry(FullScreenControl c, const Rect& r) override { places[c] = r; }
    void setVisible(FullScreenControl c, bool v) override { visible[c] = v; }
    void setEnabled(FullScreenControl c, bool e) override { enabled[c] = e; }
    void setTitleStripActive(bool) override { }
    void setChooserItems(const std::vector<ChooserItem>& i, std::size_t s) override
    {
        items = i;
        selected = s;
    }
    void setWindowGeometry(const Rect& r) override { window = r; }
    Rect windowGeometry() const override { return window; }
    void setNormalState() override { }
    Size clientSize() const override { return { window.width, window.height }; }
    Rect workArea() const override { return area; }
    void showWindow() override { shown = true; }
    void hideWindow() override { shown = false; }
    void beginWindowMove() override { moving = true; }
    void navigateWithoutHistory(const std::string& address) override { blankPage = address; }
    void showMessage(const std::string& text) override
    {
        messages.push_back(text);
        modalDuringMessage.push_back(*modalFlag);
    }
};

class FullScreen : public MainWindowFixture {
protected:
    FakeFullScreenView m_view;
    FakeBrowser m_browser;
    FullScreenLogic m_logic { m_shared, m_app, m_view, m_browser };

    FullScreen()
    {
        m_view.modalFlag = &m_shared.ModalWindowOpen;
        m_logic.load();
    }
    std::filesystem::path lists() const { return m_dir / "SiteLists"; }
    void showPage(const std::string& url, const std::string& title)
    {
        m_browser.location = url;
        m_logic.onTitleChanged(title);
    }
};

TEST_F(FullScreen, LoadFitsTheWorkAreaAndShowsTheBlankPageOutOfHistory)
{
    EXPECT_EQ(m_view.window, (Rect { 0, 450, 24000, 14505 }));
    EXPECT_EQ(m_view.places[FullScreenControl::Browser], (Rect { -30, 90, 24060, 14415 }));
    EXPECT_EQ(m_view.blankPage, "file:///opt/sg/DefPage.htm");
    EXPECT_TRUE(m_browser.calls.empty());
    EXPECT_FALSE(m_view.shown);
    EXPECT_FALSE(m_view.visible[FullScreenControl::AddPagePanel]);
    EXPECT_FALSE(m_view.enabled[FullScreenControl::BackButton]);
    EXPECT_EQ(m_view.caption, "Skyglass2 - Full Screen Window");
}

TEST_F(FullScreen, ToolTipsFollowTheTableAndThePageTitle)
{
    EXPECT_EQ(m_view.tips[FullScreenControl::CloseButton], "Close");
    EXPECT_EQ(
        m_view.tips[FullScreenControl::AddPageButton], "Add Page To A Site Selector Category");
    EXPECT_EQ(m_view.tips[FullScreenControl::DockButton], "Dock Window Top-Left Corner");
    EXPECT_EQ(m_view.tips[FullScreenControl::RefreshButton], "Refresh Page");
    EXPECT_EQ(m_view.tips[FullScreenControl::BackButton], "Back");
    EXPECT_EQ(m_view.tips[FullScreenControl::ForwardButton], "Forward");
    m_logic.onTitleChanged("Radar Loop");
    EXPECT_EQ(
        m_view.tips[FullScreenControl::TitleStrip], "Radar Loop - Skyglass2 - Full Screen Window");
    EXPECT_EQ(m_view.caption, "Radar Loop - Skyglass2 - Full Screen Window");

    m_shared.settings.ToolTipsOff = 1;
    m_logic.applyToolTips();
    m_logic.onTitleChanged("Other");
    for (const auto& [control, tip] : m_view.tips)
        EXPECT_EQ(tip, "") << int(control);
}

TEST_F(FullScreen, CloseAndEscHideRefitAndBlankTheWindow)
{
    for (const bool esc : { false, true }) {
        m_logic.open("http://radar/");
        m_view.blankPage.clear();
        EXPECT_TRUE(m_view.shown);
        m_view.window = { 3000, 2000, 9000, 6000 }; // dragged and resized
        if (esc) {
            EXPECT_FALSE(m_logic.onKeyDown({ Key::F5 }));
            EXPECT_TRUE(m_view.shown);
            EXPECT_TRUE(m_logic.onKeyDown({ Key::Escape }));
        } else {
            m_logic.onCloseClick();
        }
        EXPECT_FALSE(m_view.shown);
        EXPECT_EQ(m_view.window, (Rect { 0, 450, 24000, 14505 }));
        EXPECT_EQ(m_view.blankPage, "file:///opt/sg/DefPage.htm"); // the page stops with it
    }
    EXPECT_EQ(m_browser.calls, (std::vector<std::string>(2, "navigate http://radar/")));
    EXPECT_EQ(m_app.count("click"), 1); // the Close button clicks, Esc does not
}

TEST_F(FullScreen, EveryDownloadRefitsAndDockKeepsTheSize)
{
    m_view.window = { 3000, 2000, 9000, 6000 };
    m_logic.onDockClick();
    EXPECT_EQ(m_view.window, (Rect { 0, 450, 9000, 6000 }));
    m_logic.onLoadFinished();
    EXPECT_EQ(m_view.window, (Rect { 0, 450, 24000, 14505 }));
    EXPECT_EQ(m_view.places[FullScreenControl::CloseButton].left, 23235);
}

TEST_F(FullScreen, RefreshUsesTheRefreshModeOnlyWithAPage)
{
    m_shared.settings.RefreshMode = 3;
    m_logic.onRefreshClick();
    EXPECT_TRUE(m_browser.calls.empty());
    m_browser.location = "http://radar/";
    m_logic.onRefreshClick();
    m_logic.onBackClick();
    m_logic.onForwardClick();
    EXPECT_EQ(m_browser.calls, (std::vector<std::string> { "reload 3", "goBack", "goForward" }));
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
        m_view.messages, (std::vector<std::string> { "Can't Add Page. No Categories Exist." }));
    EXPECT_EQ(m_view.modalDuringMessage, (std::vector<bool> { true }));
    EXPECT_FALSE(m_shared.ModalWindowOpen);
    EXPECT_FALSE(m_view.visible[FullScreenControl::AddPagePanel]);
    EXPECT_EQ(m_app.count("click"), 1);
}

TEST_F(FullScreen, AddPageFilesThePageAndRefillsTheMainWindows)
{
    writeBytes(lists() / "CatList.dab", categoryBytes("Weather", 1) + categoryBytes("News", 2));
    writeBytes(lists() / "Sites00002.dab", {});
    TestWindow& main = open();
    showPage("http://radar/loop.html", "Radar Loop");

    m_logic.onAddPageClick();
    EXPECT_TRUE(m_view.visible[FullScreenControl::AddPagePanel]);
    EXPECT_EQ(m_view.items, (std::vector<ChooserItem> { { "C1", "Weather" }, { "C2", "News" } }));
    EXPECT_EQ(m_view.selected, 1u);
    m_logic.onChooserClick(2);

    EXPECT_TRUE(m_view.messages.empty());
    EXPECT_EQ(
        readBytes(lists() / "Sites00002.dab"), siteBytes("Radar Loop", "http://radar/loop.html"));
    EXPECT_FALSE(m_view.visible[FullScreenControl::AddPagePanel]);
    EXPECT_TRUE(m_view.items.empty());
    const auto& rows = main.view().categorySelector.rows;
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
        [](const SelectorRow& row) { return row.url == "http://radar/loop.html"; }));
}

TEST_F(FullScreen, AddPageMessageKeepsThePanelAndCancelClosesIt)
{
    writeBytes(lists() / "CatList.dab", categoryBytes("Weather", 1));
    m_logic.onAddPageClick();
    m_logic.onChooserClick(0);
    EXPECT_EQ(m_view.messages,
        (std::vector<std::string> { "Can't Add Page. No Category Is Currently Selected." }));
    EXPECT_TRUE(m_view.visible[FullScreenControl::AddPagePanel]);
    m_logic.onCancelClick();
    EXPECT_FALSE(m_view.visible[FullScreenControl::AddPagePanel]);
    EXPECT_TRUE(m_view.items.empty());
}

TEST_F(FullScreen, PanelDragsInsideTheWindowAndTitleStripMovesIt)
{
    m_logic.onPanelMouseDown({ 20, 10 });
    m_logic.onPanelDrop({ 600, 400 });
    EXPECT_EQ(m_view.places[FullScreenControl::AddPagePanel], (Rect { 8700, 5850, 5400, 585 }));
    m_logic.onPanelDrop({ 600, 5000 }); // below the window
    EXPECT_EQ(m_view.places[FullScreenControl::AddPagePanel], (Rect { 8700, 5850, 5400, 585 }));
    m_logic.onTitleStripMouseDown();
    EXPECT_TRUE(m_view.moving);
}

} // namespace
