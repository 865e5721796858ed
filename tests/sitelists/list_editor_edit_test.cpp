// Opening, SyncLists, adding, deleting and renaming in the list editor.
#include "list_editor_fixture.h"
#include "sitelists/list_operations.h"

#include <sys/stat.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

class ListEditorEdit : public ListEditorTest {
protected:
    void SetUp() override
    {
        ListEditorTest::SetUp();
        writeLists({ { "News", { { "BBC", "http://bbc" } } },
            { "Radar", { { "Radar", "http://a" }, { "Sat", "http://b" } } } });
    }
};

} // namespace

TEST_F(ListEditorEdit, OpensWithTheFirstCategoryShownAndTheHandOffForm)
{
    for (const bool fromHistory : { false, true }) {
        handOff = fromHistory;
        open();
        EXPECT_TRUE(modal);
        EXPECT_EQ(view().caption, "Edit Category & Site Selector Lists - Skyglass2");
        EXPECT_EQ(view().categories,
            (std::vector<EditorRow> {
                { "News", "Sites00001.dab" }, { "Radar", "Sites00002.dab" } }));
        EXPECT_EQ(view().selectedCategory, 0u);
        EXPECT_EQ(view().destination, 0u);
        EXPECT_EQ(view().sites, (std::vector<EditorRow> { { "BBC", "http://bbc" } }));
        EXPECT_EQ(editor().currentSitePath(), siteFile(1));
        EXPECT_EQ(view().control(EditorControl::AddPageButton).visible, !fromHistory);
        EXPECT_EQ(view().control(EditorControl::ImportFavoritesButton).visible, !fromHistory);
        EXPECT_EQ(view().control(EditorControl::AddHistoryItemsButton).visible, fromHistory);
        EXPECT_EQ(view().control(EditorControl::AddressBox).caption, "http://");
        EXPECT_EQ(view().control(EditorControl::CategoryList).toolTip, "News");
        editor().close({ EditorWindowState::Normal, 9000, 6000, { 10, 20, 30, 0 } });
        EXPECT_FALSE(modal);
        EXPECT_FALSE(handOff);
    }
    EXPECT_EQ(settings.EditorWidth, 9000);
    EXPECT_EQ(settings.EditorColumnWidths, (std::array<float, 4> { 150, 300, 450, 0 }));
    EXPECT_TRUE(prompter.shown.empty());
}

// Writing with an edited name is covered by the renaming test.
TEST_F(ListEditorEdit, SyncListsRereadsTheListsKeepingAValidSelection)
{
    open();
    editor().clickCategory(1);
    EXPECT_EQ(view().CurrentSiteFile, "Sites00002.dab");
    // Both files changed behind the editor's back.
    writeBytes(catList(), categoryBytes("Only", 2));
    writeBytes(siteFile(2), siteBytes("New", "http://new"));
    ASSERT_TRUE(editor().SyncLists(4 + 8));
    EXPECT_EQ(view().categories, (std::vector<EditorRow> { { "Only", "Sites00002.dab" } }));
    EXPECT_EQ(view().selectedCategory, 0u); // row 2 no longer exists
    EXPECT_EQ(siteNames(), (Strings { "New" }));

    // A category list that can no longer be read takes the page rows with it, so they are
    // never written back over the page file.
    fs::remove(catList());
    ::mkfifo(catList().c_str(), 0644);
    EXPECT_FALSE(editor().SyncLists(4));
    EXPECT_TRUE(view().sites.empty());
    writeBytes(siteFile(2), siteBytes("Restored", "http://restored"));
    settings.DeleteWarningsOff = 1;
    editor().deleteSelectedSites();
    EXPECT_EQ(readBytes(siteFile(2)), siteBytes("Restored", "http://restored"));
}

TEST_F(ListEditorEdit, AddCategoryAppendsReusesAFreedNumberAndRefusesTwins)
{
    open();
    editor().deleteSelectedCategory(); // News, number 1, and its file
    editor().addCategory("  Weather ");
    EXPECT_EQ(readBytes(catList()), categoryBytes("Radar", 2) + categoryBytes("Weather", 1));
    EXPECT_EQ(readBytes(siteFile(1)), Bytes {});
    // A file no category names keeps its pages: its number is not free.
    writeBytes(siteFile(3), siteBytes("Stale", "http://stale"));
    EXPECT_EQ(view().selectedCategory, 0u); // the selection stays
    EXPECT_EQ(view().control(EditorControl::CategoryNameBox).caption, "");

    editor().addCategory("weather"); // other capitals are another name
    editor().addCategory("Weather");
    editor().addCategory("Radar   ");
    editor().addCategory("   ");
    EXPECT_EQ(prompter.shown,
        (Strings { "YN: Deleted The Selected Category And Its Site List?",
            "OK: You Already Have A Category Named:\nWeather",
            "OK: You Already Have A Category Named:\nRadar" }));
    EXPECT_EQ(view().control(EditorControl::CategoryNameBox).caption, "   ");
    EXPECT_EQ(readBytes(catList()),
        categoryBytes("Radar", 2) + categoryBytes("Weather", 1) + categoryBytes("weather", 4));
    EXPECT_EQ(readBytes(siteFile(3)), siteBytes("Stale", "http://stale"));
}

TEST_F(ListEditorEdit, AddAddressAddsANamelessPageOnce)
{
    open();
    for (const char* typed : { "http://", " HTTP:// ", "Http://", "   " })
        editor().addAddress(typed);
    EXPECT_EQ(readBytes(siteFile(1)), siteBytes("BBC", "http://bbc"));
    editor().addAddress(" www.x.org ");
    editor().addAddress("http://bbc");
    EXPECT_EQ(readBytes(siteFile(1)), siteBytes("BBC", "http://bbc") + siteBytes("", "www.x.org"));
    EXPECT_EQ(view().sites.back(), (EditorRow { "", "www.x.org" }));
    EXPECT_EQ(view().control(EditorControl::AddressBox).caption, "http://");
    EXPECT_EQ(prompter.shown,
        (Strings { "OK: The URL Address You Entered Is Already On The List:\nhttp://bbc" }));
}

TEST_F(ListEditorEdit, PagesNeedACategory)
{
    fs::remove(catList());
    open();
    editor().addMainWindowPage();
    editor().addAddress("http://x");
    EXPECT_EQ(editor().beginImport(), std::nullopt); // no file dialog
    EXPECT_EQ(prompter.shown,
        (Strings(3, "OK: First, Create At Least One Category Before Adding The Page.")));
    EXPECT_TRUE(view().sites.empty());
}

TEST_F(ListEditorEdit, AddMainWindowPageNamesItUniquelyAndCutsTheTitle)
{
    open();
    editor().clickCategory(1);
    editor().addMainWindowPage();
    pageTitle = std::string(150, 'T');
    pageUrl = "http://long";
    open();
    editor().clickCategory(1);
    editor().addMainWindowPage();
    EXPECT_EQ(readBytes(siteFile(2)),
        siteBytes("Radar", "http://a") + siteBytes("Sat", "http://b")
            + siteBytes("Radar(1)", "http://radar")
            + siteBytes(std::string(140, 'T'), "http://long"));
}

TEST_F(ListEditorEdit, DeletingPagesAsksUnlessWarningsAreOff)
{
    const Pages five
        = { { "1", "u1" }, { "2", "u2" }, { "3", "u3" }, { "4", "u4" }, { "5", "u5" } };
    struct Case {
        std::int16_t warningsOff;
        bool answer;
        Bytes expected;
        std::size_t questions;
    };
    const Bytes kept = siteBytes("1", "u1") + siteBytes("3", "u3") + siteBytes("5", "u5");
    for (const Case& c : { Case { 0, false, pagesBytes(five), 1 }, Case { 0, true, kept, 1 },
             Case { 1, false, kept, 0 } }) {
        writeBytes(siteFile(1), pagesBytes(five));
        settings.DeleteWarningsOff = c.warningsOff;
        prompter.shown.clear();
        prompter.answers = { c.answer };
        open();
        editor().selectSites({ 1, 3 }, 3);
        editor().openPopupMenu(EditorList::Sites);
        editor().deleteSelected();
        EXPECT_EQ(readBytes(siteFile(1)), c.expected);
        EXPECT_EQ(prompter.shown.size(), c.questions);
    }
    EXPECT_EQ(siteNames(), (Strings { "1", "3", "5" }));
}

TEST_F(ListEditorEdit, DeletingTheLastCategoryLeavesNothing)
{
    writeLists({ { "Only", { { "A", "http://a" } } } });
    settings.DeleteWarningsOff = 1;
    open();
    editor().deleteSelectedCategory();
    EXPECT_FALSE(fs::exists(catList()));
    EXPECT_FALSE(fs::exists(siteFile(1)));
    EXPECT_TRUE(view().categories.empty());
    EXPECT_TRUE(view().sites.empty());
    EXPECT_EQ(view().CurrentSiteFile, "");
    EXPECT_FALSE(view().destination);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ListEditorEdit, ACategoryListThatCannotBeWrittenKeepsTheCategoriesAndPages)
{
    open();
    editor().clickCategory(1);
    fs::remove(catList());
    fs::create_directory(catList()); // the list file can no longer be replaced
    fs::create_directory(catList() / "x");
    settings.DeleteWarningsOff = 1;
    editor().deleteSelectedCategory();
    EXPECT_EQ(prompter.shown, (Strings { "OK: An Error Occurred Opening File And Loading Lists" }));
    EXPECT_EQ(view().categories.size(), 2u);
    EXPECT_EQ(view().selectedCategory, 1u);
    EXPECT_EQ(
        readBytes(siteFile(2)), siteBytes("Radar", "http://a") + siteBytes("Sat", "http://b"));

    editor().addCategory("Weather");
    EXPECT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown.back(), "OK: An Error Occurred Opening File And Loading Lists");
    EXPECT_EQ(view().categories.size(), 2u);
    EXPECT_EQ(namesIn(lists()), (Strings { "CatList.dab", "Sites00001.dab", "Sites00002.dab" }))
        << "the new category's empty file went too";
}

TEST_F(ListEditorEdit, RenamingRefusesAnyNameTheListHolds)
{
    open();
    editor().clickCategory(1);
    const Bytes sites = readBytes(siteFile(2));
    editor().selectSites({ 1 }, 1); // Sat
    struct Case {
        const char* typed;
        bool accepted;
    };
    for (const Case& c : { Case { "Radar", false }, Case { "Sat", false },
             Case { " Radar ", false }, Case { "", false } }) {
        EXPECT_EQ(editor().renameInPlace(EditorList::Sites, c.typed), c.accepted) << c.typed;
    }
    EXPECT_EQ(readBytes(siteFile(2)), sites);
    EXPECT_EQ(
        prompter.shown, (Strings(3, "OK: Edit Cancelled: Name Entered Is Already On Your List.")));

    EXPECT_TRUE(editor().renameInPlace(EditorList::Sites, "News")); // a category's name
    EXPECT_EQ(
        readBytes(siteFile(2)), siteBytes("Radar", "http://a") + siteBytes("News", "http://b"));
    EXPECT_TRUE(editor().renameInPlace(EditorList::Categories, "Maps"));
    EXPECT_EQ(readBytes(catList()), categoryBytes("News", 1) + categoryBytes("Maps", 2));
    EXPECT_EQ(view().categories[1].name, "Maps");
    EXPECT_EQ(view().control(EditorControl::CategoryList).toolTip, "Maps");
}

TEST_F(ListEditorEdit, AListThatCannotBeReadIsNeverWrittenOver)
{
    fs::remove(siteFile(2));
    ::mkfifo(siteFile(2).c_str(), 0644);
    open();
    editor().clickCategory(1);
    editor().addAddress("http://x");
    EXPECT_TRUE(fs::is_fifo(siteFile(2)));

    fs::remove(catList());
    ::mkfifo(catList().c_str(), 0644);
    open();
    editor().addCategory("New");
    EXPECT_TRUE(fs::is_fifo(catList()));
    EXPECT_EQ(prompter.shown,
        (Strings { "OK: An Error Occurred Opening File And Loading Lists",
            "OK: An Error Occurred Opening File And Loading Lists",
            "OK: An Error Occurred Opening File And Loading Category Selector List",
            "OK: An Error Occurred Opening File Or Adding Category To List" }));
}

TEST_F(ListEditorEdit, ListsChangedByAnotherProgramAreReadAgainNotWrittenOver)
{
    open();
    editor().clickCategory(1);
    // The data tool adds a category and a page while the editor shows the old lists.
    ASSERT_TRUE(addCategory(data(), "Tool").ok());
    ASSERT_TRUE(addPageToCategory(data(), "Radar", "Loop", "http://loop").ok());

    EXPECT_FALSE(editor().renameInPlace(EditorList::Categories, "Maps"));
    EXPECT_EQ(readBytes(catList()),
        categoryBytes("News", 1) + categoryBytes("Radar", 2) + categoryBytes("Tool", 3));
    EXPECT_EQ(prompter.shown,
        (Strings { "OK: Your Lists Were Changed By Another Program And Have Been Reloaded.\n"
                   "Please Make Your Change Again." }));
    EXPECT_EQ(view().categories.size(), 3u);
    EXPECT_EQ(siteNames(), (Strings { "Radar", "Sat", "Loop" }));

    editor().addAddress("http://x"); // now over what the files hold
    EXPECT_EQ(readBytes(siteFile(2)),
        pagesBytes({ { "Radar", "http://a" }, { "Sat", "http://b" }, { "Loop", "http://loop" },
            { "", "http://x" } }));
    EXPECT_EQ(prompter.shown.size(), 1u);
}
