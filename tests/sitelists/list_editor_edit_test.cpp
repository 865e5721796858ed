// Opening, SyncLists, adding, deleting and renaming in the list editor.
#include "list_editor_fixture.h"
#include "sitelists/list_operations.h"

#include <sys/stat.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

const std::string kLoadError = "OK: An Error Occurred Opening File And Loading Lists";

class ListEditorEdit : public ListEditorTest {
protected:
    void SetUp() override
    {
        ListEditorTest::SetUp();
        writeLists({ { "News", { { "BBC", "http://bbc" } } },
            { "Radar", { { "Radar", "http://a" }, { "Sat", "http://b" } } } });
    }
    const Bytes radarPages = pagesBytes({ { "Radar", "http://a" }, { "Sat", "http://b" } });
};

} // namespace

TEST_F(ListEditorEdit, OpensOnTheFirstCategoryAndClosingStoresTheWindowAndEndsTheHandOff)
{
    handOff = true;
    open();
    EXPECT_TRUE(modal);
    EXPECT_EQ(view().categories,
        (std::vector<EditorRow> { { "News", "Sites00001.dab" }, { "Radar", "Sites00002.dab" } }));
    EXPECT_EQ(view().destination, 0u);
    EXPECT_EQ(view().sites, (std::vector<EditorRow> { { "BBC", "http://bbc" } }));
    EXPECT_FALSE(view().control(EditorControl::AddPageButton).visible);
    EXPECT_TRUE(view().control(EditorControl::AddHistoryItemsButton).visible);
    editor().close({ EditorWindowState::Normal, 9000, 6000, { 10, 20, 30, 0 } });
    EXPECT_FALSE(modal || handOff);
    EXPECT_EQ(settings.EditorWidth, 9000);
    EXPECT_EQ(settings.EditorColumnWidths, (std::array<float, 4> { 150, 300, 450, 0 }));
}

TEST_F(ListEditorEdit, SyncListsRereadsTheListsAndNeverWritesRowsOfAListItCouldNotRead)
{
    open();
    editor().clickCategory(1);
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

TEST_F(ListEditorEdit, AddCategoryTakesAFreeNumberNoFileHoldsAndRefusesTwins)
{
    open();
    editor().deleteSelectedCategory(); // News, number 1, and its file
    // A file no category names keeps its pages: its number is not free.
    writeBytes(siteFile(3), siteBytes("Stale", "http://stale"));
    for (const char* typed : { "  Weather ", "weather", "Weather", "Radar   ", "   ", "Maps" })
        editor().addCategory(typed);
    EXPECT_EQ(readBytes(catList()),
        categoryBytes("Radar", 2) + categoryBytes("Weather", 1) + categoryBytes("weather", 4)
            + categoryBytes("Maps", 5));
    EXPECT_EQ(readBytes(siteFile(1)), Bytes {});
    EXPECT_EQ(readBytes(siteFile(3)), siteBytes("Stale", "http://stale"));
    EXPECT_EQ(view().selectedCategory, 0u); // the selection stays
    EXPECT_EQ(view().control(EditorControl::CategoryNameBox).caption, "");
    EXPECT_EQ(prompter.shown,
        (Strings { "YN: Deleted The Selected Category And Its Site List?",
            "OK: You Already Have A Category Named:\nWeather",
            "OK: You Already Have A Category Named:\nRadar" }));
}

TEST_F(ListEditorEdit, AddsATypedAddressOnceAndTheMainWindowsPageUnderAUniqueName)
{
    pageTitle = std::string(150, 'B');
    open();
    for (const char* typed : { "http://", " HTTP:// ", "   ", " www.x.org ", "http://bbc" })
        editor().addAddress(typed);
    EXPECT_EQ(view().control(EditorControl::AddressBox).caption, "http://");
    editor().addMainWindowPage();
    editor().addMainWindowPage();
    EXPECT_EQ(readBytes(siteFile(1)),
        pagesBytes({ { "BBC", "http://bbc" }, { "", "www.x.org" },
            { std::string(140, 'B'), "http://radar" },
            { std::string(137, 'B') + "(1)", "http://radar" } }));
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

TEST_F(ListEditorEdit, DeletingAsksUnlessWarningsAreOffAndTheLastCategoryLeavesNothing)
{
    const Pages five
        = { { "1", "u1" }, { "2", "u2" }, { "3", "u3" }, { "4", "u4" }, { "5", "u5" } };
    const Bytes kept = pagesBytes({ { "1", "u1" }, { "3", "u3" }, { "5", "u5" } });
    const std::tuple<std::int16_t, bool, Bytes, std::size_t> cases[]
        = { { 0, false, pagesBytes(five), 1 }, { 0, true, kept, 1 }, { 1, false, kept, 0 } };
    for (const auto& [warningsOff, answer, expected, questions] : cases) {
        writeBytes(siteFile(1), pagesBytes(five));
        settings.DeleteWarningsOff = warningsOff;
        prompter.shown.clear();
        prompter.answers = { answer };
        open();
        editor().selectSites({ 1, 3 }, 3);
        editor().openPopupMenu(EditorList::Sites);
        editor().deleteSelected();
        EXPECT_EQ(readBytes(siteFile(1)), expected);
        EXPECT_EQ(prompter.shown.size(), questions);
    }
    EXPECT_EQ(siteNames(), (Strings { "1", "3", "5" }));

    editor().deleteSelectedCategory();
    editor().deleteSelectedCategory();
    EXPECT_FALSE(fs::exists(catList()));
    EXPECT_TRUE(fs::is_empty(lists()));
    EXPECT_TRUE(view().categories.empty() && view().sites.empty());
    EXPECT_EQ(view().CurrentSiteFile, "");
    EXPECT_FALSE(view().destination);
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
    editor().addCategory("Weather");
    EXPECT_EQ(prompter.shown, (Strings(2, kLoadError)));
    EXPECT_EQ(view().categories.size(), 2u);
    EXPECT_EQ(view().selectedCategory, 1u);
    EXPECT_EQ(readBytes(siteFile(2)), radarPages);
    EXPECT_EQ(namesIn(lists()), (Strings { "CatList.dab", "Sites00001.dab", "Sites00002.dab" }))
        << "the new category's empty file went too";
}

TEST_F(ListEditorEdit, RenamingRefusesAnyNameTheListHolds)
{
    open();
    editor().clickCategory(1);
    editor().selectSites({ 1 }, 1); // Sat
    for (const char* typed : { "Radar", "Sat", " Radar ", "" })
        EXPECT_FALSE(editor().renameInPlace(EditorList::Sites, typed)) << typed;
    EXPECT_EQ(readBytes(siteFile(2)), radarPages);
    EXPECT_EQ(
        prompter.shown, (Strings(3, "OK: Edit Cancelled: Name Entered Is Already On Your List.")));

    EXPECT_TRUE(editor().renameInPlace(EditorList::Sites, "News")); // a category's name
    EXPECT_EQ(
        readBytes(siteFile(2)), pagesBytes({ { "Radar", "http://a" }, { "News", "http://b" } }));
    EXPECT_TRUE(editor().renameInPlace(EditorList::Categories, "Maps"));
    EXPECT_EQ(readBytes(catList()), categoryBytes("News", 1) + categoryBytes("Maps", 2));
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
        (Strings { kLoadError, kLoadError,
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

    editor().addAddress("http://x"); // now over what the files hold
    EXPECT_EQ(readBytes(siteFile(2)),
        radarPages + pagesBytes({ { "Loop", "http://loop" }, { "", "http://x" } }));
    EXPECT_EQ(prompter.shown.size(), 1u);
}
