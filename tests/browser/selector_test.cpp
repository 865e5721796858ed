// The site selector: its fill from the list files in both modes, its click rules, its
// heights and when it shows and hides.

#include "browser_fakes.h"
#include "sitelists/list_files.h"

using namespace sgtest;

class Selector : public MainWindowFixture {
protected:
    Selector()
    {
        const std::vector<CategoryEntry> categories { { "Weather", "Sites00001.dab" },
            { "News", "Sites00002.dab" }, { "Empty", "Sites00003.dab" } };
        EXPECT_TRUE(SaveCategories(m_dir.path(), categories));
        const std::vector<SiteRecord> weather { { "Radar", "http://radar.example/" },
            { "Local File", "file:///home/me/My%20Loop.htm" }, { "No Address", "" } };
        EXPECT_TRUE(SaveSites(m_dir.path(), "Sites00001.dab", weather));
        std::vector<SiteRecord> news;
        for (int i = 1; i <= 9; ++i)
            news.push_back(
                { "News " + std::to_string(i), "http://n" + std::to_string(i) + ".example/" });
        EXPECT_TRUE(SaveSites(m_dir.path(), "Sites00002.dab", news));
    }

    static std::vector<std::string> texts(const std::vector<SelectorRow>& rows)
    {
        std::vector<std::string> out;
        for (const SelectorRow& r : rows)
            out.push_back(r.key.empty() ? r.text : r.key + ":" + r.text);
        return out;
    }
};

using Texts = std::vector<std::string>;

TEST_F(Selector, SingleModeListsEachCategoryWithItsPages)
{
    TestWindow& w = open();
    const auto& rows = w.view().selector(Control::CategorySelector).rows;
    EXPECT_EQ(texts(rows),
        (Texts { "C1:Weather", "Radar", "Local File", "No Address", "C2:News", "News 1", "News 2",
            "News 3", "News 4", "News 5", "News 6", "News 7", "News 8", "News 9", "C3:Empty" }));
    EXPECT_TRUE(rows[4].categoryRow);
    // 15 rows x 240 x 1.4 under the address box (45 + 240 + 105).
    EXPECT_EQ(w.view()[Control::CategorySelector].geometry,
        std::optional<Rect>(Rect { 4770, 390, 7200, 5040 }));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "SiteLists/Sites00003.dab"));
}

TEST_F(Selector, SingleModeClickRules)
{
    TestWindow& w = open();
    w.logic.onSelectorButtonClick();
    const std::size_t navigations = w.browser.calls.size();
    w.logic.onSelectorClick(Control::CategorySelector, 0); // category row
    w.logic.onSelectorClick(Control::CategorySelector, 3); // no address
    w.logic.onSelectorClick(Control::CategorySelector, 99);
    w.logic.onSelectorClick(Control::CategorySelector, std::nullopt);
    EXPECT_EQ(w.browser.calls.size(), navigations);
    EXPECT_TRUE(w.view()[Control::CategorySelector].visible);

    w.logic.onSelectorClick(Control::CategorySelector, 2);
    EXPECT_EQ(w.browser.calls.back(), "navigate file:///home/me/My%20Loop.htm");
    EXPECT_EQ(w.view()[Control::AddressBox].text, "/home/me/My Loop.htm");
    EXPECT_FALSE(w.view()[Control::CategorySelector].visible);

    w.logic.onCheckBoxClick(Control::FullScreenBox, true);
    w.logic.onSelectorClick(Control::CategorySelector, 1);
    EXPECT_EQ(m_app.calls.back(), "full screen http://radar.example/");
    EXPECT_FALSE(w.view()[Control::FullScreenBox].checked);

    m_shared.SelectorLoading = true; // a click while the lists load only clears the flag
    const std::size_t calls = w.browser.calls.size();
    w.logic.onSelectorClick(Control::CategorySelector, 1);
    EXPECT_FALSE(m_shared.SelectorLoading);
    EXPECT_EQ(w.browser.calls.size(), calls);
}

TEST_F(Selector, MissingCategoryFileLeavesTheSelectorEmpty)
{
    std::filesystem::remove(m_dir / "SiteLists/CatList.dab");
    m_shared.settings.SeparateCategorySelector = 1;
    TestWindow& w = open();
    EXPECT_TRUE(w.view().selector(Control::CategorySelector).rows.empty());
    EXPECT_FALSE(std::filesystem::exists(m_dir / "SiteLists/CatList.dab"));
    w.logic.onSelectorClick(Control::CategorySelector, 0);
    EXPECT_FALSE(w.view()[Control::PageSelector].visible);
}

class SeparateSelector : public Selector {
protected:
    SeparateSelector() { m_shared.settings.SeparateCategorySelector = 1; }
};

TEST_F(SeparateSelector, FillsBothListsAndACategorysClickOpensItsPages)
{
    TestWindow& w = open();
    EXPECT_EQ(texts(w.view().selector(Control::CategorySelector).rows),
        (Texts { "Weather", "News", "Empty" }));
    EXPECT_EQ(texts(w.view().selector(Control::PageSelector).rows),
        (Texts { "Radar", "Local File", "No Address" }));

    // A category's click opens its page list.
    w.logic.onSelectorButtonClick();
    w.logic.onSelectorClick(Control::CategorySelector, 1);
    EXPECT_EQ(w.view().selector(Control::PageSelector).rows.size(), 9u);
    EXPECT_FALSE(w.view()[Control::CategorySelector].visible);
    EXPECT_EQ(w.view().focus, Control::PageSelector);

    w.logic.onSelectorButtonClick(); // closes both
    w.logic.onSelectorButtonClick();
    w.logic.onSelectorClick(Control::CategorySelector, 2); // a category without pages
    EXPECT_EQ(w.view()[Control::PageSelector].geometry->height, 1560);
    EXPECT_TRUE(w.view()[Control::CategorySelector].visible);
    EXPECT_FALSE(w.view()[Control::PageSelector].visible);

    // The list's height follows the client area at the click; the page list stays open when
    // the page goes to a new window.
    w.host.client.height = 3000;
    w.logic.onSelectorClick(Control::CategorySelector, 1);
    EXPECT_EQ(w.view()[Control::PageSelector].geometry->height, 3000 - 390 - 600);
    w.logic.onCheckBoxClick(Control::NewWindowBox, true);
    w.logic.onSelectorClick(Control::PageSelector, 0);
    EXPECT_EQ(w.browser.calls.back(), "navigateInNewWindow http://n1.example/");
    EXPECT_TRUE(w.view()[Control::PageSelector].visible);
    w.logic.onCheckBoxClick(Control::NewWindowBox, false);
    w.logic.onSelectorClick(Control::PageSelector, 1);
    EXPECT_EQ(w.browser.calls.back(), "navigate http://n2.example/");
    EXPECT_FALSE(w.view()[Control::PageSelector].visible);
}

TEST_F(Selector, ShowHideFocusAndColumnClick)
{
    m_shared.settings.SeparateCategorySelector = 1;
    TestWindow& w = open();
    w.logic.onSelectorButtonClick();
    w.logic.onSelectorButtonDown();
    w.logic.onSelectorFocusChanged(Control::CategorySelector, false);
    EXPECT_TRUE(w.view()[Control::CategorySelector].visible); // pressing the button keeps it
    w.logic.onSelectorButtonUp();
    w.logic.onSelectorButtonClick();
    EXPECT_FALSE(w.view()[Control::CategorySelector].visible);

    w.logic.onSelectorButtonClick();
    w.logic.onSelectorFocusChanged(Control::CategorySelector, false);
    EXPECT_FALSE(w.view()[Control::CategorySelector].visible);

    w.logic.onSelectorButtonClick();
    w.logic.onSelectorColumnClick(Control::CategorySelector);
    EXPECT_TRUE(w.view()[Control::CategorySelector].visible); // closes a moment later
    w.logic.onDeferredActionTimer();
    EXPECT_FALSE(w.view()[Control::CategorySelector].visible);

    w.logic.onSelectorButtonClick();
    w.logic.onStatusBarClick();
    EXPECT_FALSE(w.view()[Control::CategorySelector].visible);
}

TEST_F(Selector, MissingColumnWidthsGetTheDefaultSplit)
{
    m_shared.settings.ColumnWidths = { 0, 1500, 0, -3 };
    TestWindow& w = open();
    EXPECT_EQ(
        w.view().selector(Control::PageSelector).columnWidthsPx, (std::array<int, 2> { 230, 100 }));
    EXPECT_EQ(w.view().selector(Control::CategorySelector).columnWidthsPx,
        (std::array<int, 2> { 306, 153 }));
}
