// Moving and sorting rows, and copying, moving and adding pages into another category.
#include "list_editor_fixture.h"

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

// Pages named by the letters, each at "u" and its letter in lower case: "AB" is A at ua, B at ub.
Pages named(const std::string& letters)
{
    Pages pages;
    for (const char c : letters)
        pages.push_back({ std::string(1, c), "u" + std::string(1, char(c + 32)) });
    return pages;
}

class ListEditorOrder : public ListEditorTest {
protected:
    void SetUp() override
    {
        ListEditorTest::SetUp();
        writeLists({ { "Cat1", named("ABCDE") }, { "Cat2", {} }, { "Cat3", {} }, { "Cat4", {} },
            { "Cat5", { { "Radar", "r0" }, { "Radar(1)", "r1" } } } });
    }
    void openOn(EditorList list, std::size_t row)
    {
        open();
        editor().openPopupMenu(list);
        if (list == EditorList::Categories)
            editor().clickCategory(row);
        else
            editor().selectSites({ row }, row);
    }
};

} // namespace

TEST_F(ListEditorOrder, MovesOnlyTheSelectedRowAndWritesNothingAtTheBounds)
{
    // A list file that is not written keeps a trailing part that a rewrite would drop.
    const Bytes untouched = pagesBytes(named("ABCDE")) + bytesOf("tail");
    const std::tuple<void (ListEditor::*)(), std::size_t, std::string> cases[] = {
        { &ListEditor::moveUp, 0, "" },
        { &ListEditor::moveToTop, 0, "" },
        { &ListEditor::moveDown, 4, "" },
        { &ListEditor::moveToBottom, 4, "" },
        { &ListEditor::moveUp, 2, "ACBDE" },
        { &ListEditor::moveDown, 2, "ABDCE" },
        { &ListEditor::moveToTop, 3, "DABCE" },
        { &ListEditor::moveToBottom, 1, "ACDEB" },
    };
    for (const auto& [move, row, expected] : cases) {
        writeBytes(siteFile(1), untouched);
        openOn(EditorList::Sites, row);
        (editor().*move)();
        EXPECT_EQ(
            readBytes(siteFile(1)), expected.empty() ? untouched : pagesBytes(named(expected)))
            << row << " " << expected;
        EXPECT_EQ(view().sites[*view().currentSite].name, std::string(1, "ABCDE"[row]));
    }

    // With several pages selected the current one moves, and the selection with it.
    writeBytes(siteFile(1), pagesBytes(named("ABCDE")));
    openOn(EditorList::Sites, 0);
    editor().selectSites({ 1, 3 }, 3);
    editor().moveUp();
    EXPECT_EQ(siteNames(), (Strings { "A", "B", "D", "C", "E" }));
    EXPECT_EQ(view().selectedSites(), (std::vector<std::size_t> { 1, 2 }));
}

TEST_F(ListEditorOrder, SortsAndMovesCategoriesWithTheirFilesKeepingTheSelection)
{
    writeBytes(siteFile(1), pagesBytes({ { "b", "u1" }, { "C", "u2" }, { "a", "u3" } }));
    openOn(EditorList::Sites, 1);
    editor().sortAscending();
    EXPECT_EQ(readBytes(siteFile(1)), pagesBytes({ { "a", "u3" }, { "b", "u1" }, { "C", "u2" } }));
    EXPECT_EQ(view().sites[*view().currentSite].name, "C");
    EXPECT_TRUE(view().sortTimerRunning);
    editor().onSortTimer();
    EXPECT_FALSE(view().sortTimerRunning);
    editor().addAddress("http://new"); // appended, not sorted in
    EXPECT_EQ(view().sites.back(), (EditorRow { "", "http://new" }));

    openOn(EditorList::Categories, 1);
    editor().sortDescending();
    EXPECT_EQ(view().categories[*view().selectedCategory].name, "Cat2");
    EXPECT_EQ(view().destination, view().selectedCategory);
    editor().moveToTop();
    EXPECT_EQ(readBytes(catList()),
        categoryBytes("Cat2", 2) + categoryBytes("Cat5", 5) + categoryBytes("Cat4", 4)
            + categoryBytes("Cat3", 3) + categoryBytes("Cat1", 1));
    EXPECT_EQ(view().selectedCategory, 0u);
    EXPECT_EQ(view().CurrentSiteFile, "Sites00002.dab");
}

TEST_F(ListEditorOrder, CopyNamesEachPageUniquelyInTheDestinationButNeverIntoTheShownOne)
{
    writeBytes(
        siteFile(1), pagesBytes({ { "Radar", "x1" }, { "Other", "x2" }, { "Radar", "x3" } }));
    open();
    editor().selectSites({ 0, 2 }, 0);
    editor().copySelectedSites(); // the shown category is the destination still
    editor().selectDestination(4);
    editor().copySelectedSites();
    editor().selectDestination(1);
    editor().copySelectedSites();
    EXPECT_EQ(readBytes(siteFile(5)),
        pagesBytes({ { "Radar", "r0" }, { "Radar(1)", "r1" }, { "Radar(2)", "x1" },
            { "Radar(3)", "x3" } }));
    EXPECT_EQ(readBytes(siteFile(2)), pagesBytes({ { "Radar", "x1" }, { "Radar(1)", "x3" } }));
    EXPECT_EQ(siteNames(), (Strings { "Radar", "Other", "Radar" })); // the source stays
    EXPECT_EQ(prompter.shown,
        (Strings { "OK: Can't Copy:\nSource And Destination Categories Are The Same",
            "YN: Confirm: Copy The Selected Sites? ..To:\nCat5",
            "YN: Confirm: Copy The Selected Sites? ..To:\nCat2" }));
}

TEST_F(ListEditorOrder, MoveAppendsInReverseAndRewritesTheSourceOrChangesNothing)
{
    open();
    editor().selectSites({ 0, 2 }, 2);
    editor().selectDestination(1);
    prompter.answers = { false };
    editor().moveSelectedSites(); // No
    fs::remove(siteFile(2));
    fs::create_directory(siteFile(2));
    editor().moveSelectedSites();
    EXPECT_EQ(prompter.shown.back(), "OK: An Error Occurred Opening File And Moving List Items");
    EXPECT_EQ(readBytes(siteFile(1)), pagesBytes(named("ABCDE")));
    EXPECT_EQ(view().sites.size(), 5u);

    fs::remove(siteFile(2));
    settings.DeleteWarningsOff = 1;
    prompter.shown.clear();
    editor().moveSelectedSites();
    EXPECT_EQ(readBytes(siteFile(2)), pagesBytes(named("CA")));
    EXPECT_EQ(readBytes(siteFile(1)), pagesBytes(named("BDE")));
    EXPECT_EQ(siteNames(), (Strings { "B", "D", "E" }));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ListEditorOrder, HistoryRowsWithAnAddressAreAddedToTheShownCategory)
{
    open();
    editor().clickCategory(4);
    const std::vector<HistoryHandOffRow> rows
        = { { "Radar", "h1" }, { "host.example", "" }, { "Radar", "h2" }, { "", "h3" } };
    editor().addHistoryItems(rows);
    EXPECT_EQ(readBytes(siteFile(5)),
        pagesBytes({ { "Radar", "r0" }, { "Radar(1)", "r1" }, { "Radar(2)", "h1" },
            { "Radar(3)", "h2" }, { "", "h3" } }));
    EXPECT_EQ(siteNames(), (Strings { "Radar", "Radar(1)", "Radar(2)", "Radar(3)", "" }));
    EXPECT_EQ(prompter.shown,
        (Strings { "YN: Confirm: Copy The Selected History Sites..To Category:\nCat5" }));
}
