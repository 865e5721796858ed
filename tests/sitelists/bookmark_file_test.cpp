#include "list_test_files.h"
#include "sitelists/bookmark_file.h"
#include "sitelists/bookmark_transfer.h"
#include "sitelists/list_files.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;

namespace {

const std::filesystem::path kData
    = std::filesystem::path(SKYGLASS_SOURCE_DIR) / "tests/sitelists/data";

// Every category with its pages, as the list files hold them.
std::vector<BookmarkFolder> listsOf(const std::filesystem::path& dataDir)
{
    std::vector<BookmarkFolder> lists;
    const auto categories = LoadCategories(dataDir).value();
    for (const Category& c : categories)
        lists.push_back({ c.name, LoadSites(dataDir, c.siteFileName).value() });
    return lists;
}

using BookmarkImportTest = ListFolderTest;

} // namespace

TEST(BookmarkFile, ReadsNestedFoldersEntitiesAndSkipsAsFirefoxWritesThem)
{
    const std::string html = readText(kData / "firefox_bookmarks.html");
    ASSERT_TRUE(isBookmarkFile(html));
    const BookmarkFile file = parseBookmarkFile(html);
    const std::vector<BookmarkFolder> expected {
        { "Bookmarks Menu",
            { { "Get Help", "https://support.mozilla.org/en-US/products/firefox" } } },
        { "Bookmarks Toolbar", {} },
        { "Bookmarks Toolbar / Weather & Radar",
            { { "NWS Radar \xE2\x80\x93 Loop", "https://radar.weather.gov/?settings=v1&loop=1" },
                { "M\xC3\xA9t\xC3\xA9o-France <Pr\xC3\xA9visions>",
                    "https://meteofrance.com/previsions-meteo-france/pr%C3%A9visions" },
                { "M\xC3\xA9t\xC3\xA9o-France <Pr\xC3\xA9visions>",
                    "https://meteofrance.com/" } } },
        { "Bookmarks Toolbar / \xD0\x9F\xD0\xBE\xD0\xB3\xD0\xBE\xD0\xB4\xD0\xB0",
            { { "\xD0\x9F\xD0\xBE\xD0\xB3\xD0\xBE\xD0\xB4\xD0\xB0 \xD0\xB2 "
                "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB5",
                "https://ru.wikipedia.org/wiki/%D0%9F%D0%BE%D0%B3%D0%BE%D0%B4%D0%B0" } } },
        { "Bookmarks Toolbar / Empty", {} },
        { "Other Bookmarks", {} },
    };
    EXPECT_EQ(file.folders, expected);
    EXPECT_EQ(file.skippedLinks, 4u); // two place:, one javascript:, one data:
}

TEST(BookmarkFile, ReadsChromiumFilesAndLinksOutsideFoldersLeniently)
{
    const BookmarkFile file = parseBookmarkFile(readText(kData / "chromium_bookmarks.html"));
    const std::vector<BookmarkFolder> expected {
        { "Bookmarks bar",
            { { "Windy: Wind map & weather forecast",
                "https://www.windy.com/?42.359,-71.059,8" } } },
        { "Bookmarks bar / Cams",
            { { "Harbour \"East\" cam 'live'", "https://example.com/cam?id=1&size=big" },
                { "\xE6\x97\xA5\xE6\x9C\xAC\xE3\x81\xAE\xE5\xA4\xA9\xE6\xB0\x97",
                    "https://xn--r8jz45g.jp/" } } },
        { "Bookmarks bar / No pages yet", {} },
        { "Bookmarks", { { "News", "https://news.example.org/" } } },
    };
    EXPECT_EQ(file.folders, expected);
    EXPECT_EQ(file.skippedLinks, 0u);

    // Lower case, unquoted values, markup in names, unclosed tags, an unnamed folder.
    const BookmarkFile loose = parseBookmarkFile("<!doctype netscape-bookmark-file-1><dl>"
                                                 "<dt><h3>  Two\n  words </h3><dl><dt><a "
                                                 "href=http://a/?x=1>A <b>bold</b>&amp;</a>"
                                                 "<dt><a>no address</a><dt><h3></h3><dl><dt>"
                                                 "<a href='http://b/'>B &bogus; &#0; &#x263A;");
    const std::vector<BookmarkFolder> looseExpected {
        { "Two words", { { "A bold&", "http://a/?x=1" } } },
        { "Two words / (no name)", { { "B &bogus; \xEF\xBF\xBD \xE2\x98\xBA", "http://b/" } } },
    };
    EXPECT_EQ(loose.folders, looseExpected);
    EXPECT_EQ(loose.skippedLinks, 1u);
    EXPECT_FALSE(isBookmarkFile("<html><a href=\"http://a/\">A</a></html>"));
}

TEST(BookmarkFile, ExportIsTheBrowsersFormatByteForByte)
{
    const std::vector<BookmarkFolder> folders {
        { "Radar & \"Loops\"", { { "NWS <1>", "http://a/?x=1&y='2'" }, { "", "http://b/" } } },
        { "Empty", {} },
    };
    EXPECT_EQ(formatBookmarkFile(folders),
        "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
        "<!-- This is an automatically generated file.\n"
        "     It will be read and overwritten.\n"
        "     DO NOT EDIT! -->\n"
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
        "<TITLE>Bookmarks</TITLE>\n"
        "<H1>Bookmarks</H1>\n"
        "<DL><p>\n"
        "    <DT><H3>Radar &amp; &quot;Loops&quot;</H3>\n"
        "    <DL><p>\n"
        "        <DT><A HREF=\"http://a/?x=1&amp;y=&#39;2&#39;\">NWS &lt;1&gt;</A>\n"
        "        <DT><A HREF=\"http://b/\"></A>\n"
        "    </DL><p>\n"
        "    <DT><H3>Empty</H3>\n"
        "    <DL><p>\n"
        "    </DL><p>\n"
        "</DL><p>\n");
    EXPECT_EQ(parseBookmarkFile(formatBookmarkFile(folders)).folders, folders);
}

TEST_F(BookmarkImportTest, FoldersBecomeCategoriesAndPagesAreStoredAsTheListsDo)
{
    writeLists({ { "Bookmarks Toolbar / Weather & Radar",
        { { "NWS Radar \x96 Loop", "http://old/" } } } });
    const auto result = importBookmarks(data(), kData / "firefox_bookmarks.html");
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.value, (BookmarkImportCounts { 5, 1, 5, 4 }));
    EXPECT_EQ(bookmarkImportSummary(result.value),
        "Imported 5 Pages Into 6 Categories.\n"
        "Skipped 4 Links (javascript:, data: Or place: Addresses).");

    const auto lists = listsOf(data());
    ASSERT_EQ(lists.size(), 6u);
    EXPECT_EQ(lists[0].name, "Bookmarks Toolbar / Weather & Radar");
    EXPECT_EQ(lists[0].pages,
        (std::vector<SiteRecord> { { "NWS Radar \xE2\x80\x93 Loop", "http://old/" },
            { "NWS Radar \xE2\x80\x93 Loop(1)", "https://radar.weather.gov/?settings=v1&loop=1" },
            { "M\xC3\xA9t\xC3\xA9o-France <Pr\xC3\xA9visions>",
                "https://meteofrance.com/previsions-meteo-france/pr%C3%A9visions" },
            { "M\xC3\xA9t\xC3\xA9o-France <Pr\xC3\xA9visions>(1)", "https://meteofrance.com/" } }));
    // Letters the lists' code page lacks are stored as '?', one for each.
    EXPECT_EQ(lists[3].name, "Bookmarks Toolbar / ??????");
    EXPECT_EQ(lists[3].pages[0].SiteName, "?????? ? ??????");

    // Other files are refused.
    const auto longFile = m_dir / "other.html";
    writeBytes(longFile, bytesOf("<html><a href=\"http://a/\">A</a></html>"));
    EXPECT_EQ(importBookmarks(data(), longFile).message, kNotABookmarkFile);
    EXPECT_EQ(importBookmarks(data(), m_dir / "missing.html").message, kBookmarkReadError);
    EXPECT_EQ(
        exportBookmarks(data(), m_dir / "no-such-dir" / "x.html").message, kBookmarkExportError);
}
