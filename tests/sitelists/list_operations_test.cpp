#include "list_test_files.h"
#include "sitelists/list_operations.h"
#include "sitelists/sitelist_messages.h"

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;
namespace msg = sg::sitelist_messages;
using ListOperations = ListFolderTest;

TEST_F(ListOperations, AddCategoryAppendsTheTrimmedNameWithANewEmptySiteListButNoTwin)
{
    writeBytes(catList(), categoryBytes("News", 1) + categoryBytes("Radar", 3));
    writeBytes(siteFile(1), siteBytes("News", "http://news"));
    const auto added = addCategory(data(), "  Weather  ");
    ASSERT_EQ(added.status, ListStatus::Done) << added.message;
    EXPECT_EQ(added.value, (Category { "Weather", 2, "Sites00002.dab" }));
    EXPECT_EQ(fs::file_size(siteFile(2)), 0u);

    const auto duplicate = addCategory(data(), " News");
    EXPECT_EQ(duplicate.status, ListStatus::Refused);
    EXPECT_EQ(duplicate.message, "You Already Have A Category Named:\nNews");
    EXPECT_EQ(addCategory(data(), "   ").status, ListStatus::Ignored);
    EXPECT_EQ(addCategory(data(), "News" + std::string(160, ' ') + "x").status,
        ListStatus::Refused); // the same name once cut to 158 bytes
    EXPECT_EQ(addCategory(data(), "news").value.siteFileName, "Sites00004.dab");
    EXPECT_EQ(readBytes(catList()),
        categoryBytes("News", 1) + categoryBytes("Radar", 3) + categoryBytes("Weather", 2)
            + categoryBytes("news", 4));
    fs::remove_all(lists());
    EXPECT_EQ(addCategory(data(), "A").message, msg::kAddingCategoryError);
}

TEST_F(ListOperations, DeleteCategoryRemovesTheFirstExactMatchAndAnUnsharedSiteList)
{
    writeLists({ { "A", { { "p", "u" } } }, { "B", { { "p", "u" } } }, { "B", { { "p", "u" } } } });

    EXPECT_EQ(deleteCategory(data(), "b").status, ListStatus::NotFound);
    const auto removed = deleteCategory(data(), "B");
    ASSERT_TRUE(removed.ok()) << removed.message;
    EXPECT_EQ(removed.value, (Category { "B", 2, "Sites00002.dab" }));
    EXPECT_EQ(readBytes(catList()), categoryBytes("A", 1) + categoryBytes("B", 3));
    EXPECT_FALSE(fs::exists(siteFile(2)));
    EXPECT_TRUE(fs::exists(siteFile(3)));

    // The number is free again and its file comes back empty.
    EXPECT_EQ(addCategory(data(), "C").value.siteFileName, "Sites00002.dab");

    // A site list another category still uses stays.
    writeBytes(catList(), categoryBytes("A", 1) + categoryBytes("B", 1));
    ASSERT_TRUE(deleteCategory(data(), "A").ok());
    EXPECT_EQ(readBytes(siteFile(1)), pagesBytes({ { "p", "u" } }));
}

TEST_F(ListOperations, AddPageReportsTheFullScreenWindowsMessages)
{
    EXPECT_EQ(addPageToCategory(data(), "A", "t", "u").message, msg::kNoCategoriesExist);
    writeBytes(catList(), categoryBytes("", 1) + categoryBytes("B", 2));
    EXPECT_EQ(
        addPageToCategoryAt(data(), 1, "t", "u").message, "Can't Add Page. Category Name Was Null");
    fs::create_directory(siteFile(2));
    EXPECT_EQ(
        addPageToCategory(data(), "B", "t", "u").message, "Can't Add Page. File Error Occurred");
    fs::remove_all(lists());
    EXPECT_EQ(addPageToCategory(data(), "B", "t", "u").message,
        "An Error Occurred Opening File And Adding Page");
}

TEST_F(ListOperations, ImportAppendsUsableShortcutsInTheGivenOrder)
{
    writeLists({ { "Favs", { { "B", "http://old" } } } });
    const fs::path folder = m_dir / "Favorites";
    fs::create_directory(folder);
    const auto shortcut = [&](const std::string& name, const std::string& url) {
        writeBytes(folder / name, bytesOf("[InternetShortcut]\nURL=" + url + "\nIconIndex=0\n"));
        return folder / name;
    };
    const std::vector<fs::path> files = { shortcut("C.url", "http://c"),
        shortcut("B.url", "http://b"), shortcut(".url", "http://nameless"),
        shortcut("Empty.url", ""), folder, shortcut("A.URL", "http://a") };

    const auto imported = importShortcuts(data(), "Favs", files);
    ASSERT_TRUE(imported.ok()) << imported.message;
    const std::vector<SiteRecord> expected
        = { { "C", "http://c" }, { "B(1)", "http://b" }, { "A", "http://a" } };
    EXPECT_EQ(imported.value, expected);
    EXPECT_EQ(readBytes(siteFile(1)),
        pagesBytes({ { "B", "http://old" }, { "C", "http://c" }, { "B(1)", "http://b" },
            { "A", "http://a" } }));
}

TEST_F(ListOperations, ImportWritesNothingWhenAShortcutCannotBeRead)
{
    EXPECT_EQ(importShortcuts(data(), "Favs", {}).message, msg::kCreateCategoryFirst);
    writeLists({ { "Favs", {} } });
    writeBytes(m_dir / "A.url", bytesOf("[InternetShortcut]\r\nURL=http://a\r\n\r\n\r\n"));
    const std::vector<fs::path> files = { m_dir / "A.url", m_dir / "Missing.url" };
    const auto imported = importShortcuts(data(), "Favs", files);
    EXPECT_EQ(imported.status, ListStatus::Failed);
    EXPECT_EQ(imported.message, "An Error Occurred Accessing Internet Explorer Favorites.");
    EXPECT_EQ(fs::file_size(siteFile(1)), 0u);
}
