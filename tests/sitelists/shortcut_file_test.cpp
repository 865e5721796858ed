#include "sitelists/shortcut_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;

TEST(ShortcutUrl, ReadsTheAddressLineThatFollowsTheSectionLine)
{
    const std::string longUrl = "http://" + std::string(300, 'z');
    const struct {
        const char* what;
        std::string content;
        std::string url;
    } cases[] = {
        { "CR LF", "[InternetShortcut]\r\nURL=http://example.com/Radar\r\nIconIndex=0\r\n",
            "http://example.com/Radar" },
        { "any case, address keeps its case",
            "[DEFAULT]\r\nBASEURL=x\r\n[internetSHORTCUT]\r\nurl=HTTP://Example.COM/\r\n",
            "HTTP://Example.COM/" },
        { "cut to 260", "[InternetShortcut]\r\nURL=" + longUrl + "\r\n", longUrl.substr(0, 260) },
        { "a line between", "[InternetShortcut]\r\nIconIndex=0\r\nURL=http://example.com/\r\n",
            "" },
        { "no line end after the address", "[InternetShortcut]\r\nURL=http://example.com/long",
            "" },
        { "empty address", "[InternetShortcut]\r\nURL=\r\nIconIndex=0000000\r\n", "" },
        { "no section line", "[Other]\r\nURL=http://example.com/aaaaaaaa\r\n", "" },
        { "CR alone is no line end", "[InternetShortcut]\rURL=http://example.com/aaaa\r\n", "" },
        { "later section line is used",
            "[InternetShortcut]\r\nIcon=1\r\n[InternetShortcut]\nURL=http://second/\n",
            "http://second/" },
        { "Windows-1252 address", "[InternetShortcut]\r\nURL=http://x/caf\xE9\r\nIcon=00\r\n",
            "http://x/caf\xC3\xA9" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortcutUrlFromBytes(bytesOf(c.content)), c.url) << c.what;
    // An address to navigate to is taken whole.
    EXPECT_EQ(shortcutUrlFromBytes(bytesOf(cases[2].content), kMaxShortcutUrlLength), longUrl);
}

TEST(ShortcutUrl, ReadsFilesAndTellsUnreadableFromUnusable)
{
    TempDir dir;
    writeBytes(dir / "News.url", bytesOf("[InternetShortcut]\r\nURL=http://news.example/\r\n"));
    EXPECT_EQ(ReadShortcutUrl(dir / "News.url"), "http://news.example/");
    EXPECT_EQ(ReadShortcutUrl(dir.path()), ""); // a directory
    EXPECT_EQ(ReadShortcutUrl(dir / "Missing.url"), std::nullopt);
}

TEST(ShortcutName, IsTheFileNameBeforeTheLastUrlExtension)
{
    EXPECT_EQ(ShortcutName("a.url.Url"), "a.url");
    EXPECT_EQ(ShortcutName(".url"), "");
    EXPECT_EQ(ShortcutName("News.txt"), "");
    EXPECT_EQ(ShortcutName(std::string(150, 'n') + ".url"), std::string(140, 'n'));
    std::string accented;
    for (int i = 0; i < 145; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ(ShortcutName(accented + ".url"), accented.substr(0, 280));
}
