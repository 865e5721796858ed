// The category chooser and the rules that file the full-screen window's page.

#include "fullscreen/add_page.h"
#include "sitelists/list_files.h"
#include "sitelists/list_test_files.h"

#include <gtest/gtest.h>

namespace {

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

using AddPage = ListFolderTest;

TEST(ChosenCategory, FollowsTheAddPageRules)
{
    const std::string noneSelected = "Can't Add Page. No Category Is Currently Selected.";
    const std::string notACategory = "Can't Add Page. Selected Item Is Not A Category";
    const std::string error = "Can't Add Page. An Error Occurred";
    struct Case {
        std::vector<ChooserItem> items;
        std::size_t selected;
        bool separate;
        std::size_t number; // 0: refused with the message
        std::string message;
    };
    const Case cases[] = {
        { {}, 1, false, 0,
            "No Categories Exist, Click The -List- Button\nTo Open Edit Window And Create A "
            "Category." },
        { { { "C1", "Weather" }, { "C2", "News" } }, 0, false, 0, noneSelected },
        { { { "C1", "" } }, 1, true, 0, "Can't Add Page. Category Name Was Null" },
        { { { "", "A" } }, 1, false, 0, noneSelected },
        { { { "P1", "A" } }, 1, false, 0, notACategory }, { { { "C", "A" } }, 1, false, 0, error },
        { { { "C2x", "A" } }, 1, false, 0, error },
        { { { "C1", "A" }, { "C7", "B" } }, 2, false, 7, "" }, // the key's number
        { { { "C1", "A" }, { "X", "B" } }, 2, true, 2, "" }, // separate selectors: the index
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.items) + " " + std::to_string(c.selected));
        const auto result = chosenCategoryNumber(c.items, c.selected, c.separate);
        EXPECT_EQ(result.status, c.number ? ListStatus::Done : ListStatus::Refused);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.value, c.number);
    }
}

TEST_F(AddPage, PageIsAppendedToTheChosenCategorysFile)
{
    writeBytes(catList(), categoryBytes("Weather", 1) + categoryBytes("News", 4));
    writeBytes(lists() / "Sites00004.dab", siteBytes("Radar Loop", "http://a/"));
    const auto items = categoryChooserItems(data()).value;

    const auto added = addShownPage(data(), items, 2, false, "Radar Loop", "http://b/radar.html");
    ASSERT_TRUE(added.ok()) << added.message;
    EXPECT_EQ(added.value, (SiteRecord { "Radar Loop(1)", "http://b/radar.html" }));
    const std::string title(150, 'T');
    ASSERT_TRUE(addShownPage(data(), items, 2, true, title, "http://c/").ok());
    EXPECT_EQ(readBytes(lists() / "Sites00004.dab"),
        siteBytes("Radar Loop", "http://a/") + siteBytes("Radar Loop(1)", "http://b/radar.html")
            + siteBytes(std::string(140, 'T'), "http://c/"));
    EXPECT_EQ(readBytes(lists() / "Sites00001.dab"), Bytes {});
}

TEST_F(AddPage, CategoryGoneSinceTheChooserFilledWritesNothing)
{
    writeBytes(catList(), categoryBytes("Weather", 1) + categoryBytes("News", 2));
    const auto items = categoryChooserItems(data()).value;
    writeBytes(catList(), categoryBytes("Weather", 1));
    EXPECT_EQ(addShownPage(data(), items, 2, false, "t", "u").message,
        "Can't Add Page. An Error Occurred");
    EXPECT_EQ(namesIn(lists()), (std::vector<std::string> { "CatList.dab" }));
}

} // namespace
