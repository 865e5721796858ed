#include "tool_fixture.h"

using namespace sgtest;
namespace fs = std::filesystem;

namespace {

using MoreDataToolTest = DataToolFixture;

const fs::path kData = fs::path(SKYGLASS_SOURCE_DIR) / "tests/sitelists/data";

} // namespace

TEST_F(MoreDataToolTest, BookmarksImportAndExportPrintTheirCounts)
{
    const ToolRun imported
        = run({ "lists", "import-bookmarks", (kData / "chromium_bookmarks.html").string() });
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out,
        "{\"categoriesAdded\":4,\"categoriesExisting\":0,\"pagesAdded\":4,\"linksSkipped\":0}\n");
    EXPECT_NE(
        run({ "lists", "show" }).out.find("{\"name\":\"Bookmarks bar / Cams\""), std::string::npos);

    const ToolRun exported = run({ "lists", "export-bookmarks", (m_dir / "out.html").string() });
    ASSERT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(exported.out, "{\"categories\":4,\"pages\":4}\n");
    EXPECT_TRUE(fs::exists(m_dir / "out.html"));

    const ToolRun refused = run({ "lists", "import-bookmarks", (m_dir / "Skyglass.ini").string() });
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "The File Is Not A Bookmark File.\n");
    EXPECT_EQ(run({ "lists", "export-bookmarks" }).code, 2);
}

TEST_F(MoreDataToolTest, ExtraSettingsAreShownAndSetInTheirOwnFile)
{
    const sg::Bytes record = readBytes(m_dir / "Skyglass.ini");
    const ToolRun shown = run({ "settings", "show" });
    ASSERT_EQ(shown.code, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"HistoryShowTime\":0,\"SlideshowCategory\":\"\","
                             "\"SlideshowDwellSeconds\":30,\"RefreshRecovery\":true,"
                             "\"LogSecurePages\":false}"),
        std::string::npos)
        << shown.out;

    ASSERT_EQ(run({ "settings", "set", "SlideshowDwellSeconds", "90" }).code, 0);
    const ToolRun set = run({ "settings", "set", "LogSecurePages", "true" });
    ASSERT_EQ(set.code, 0) << set.err;
    EXPECT_NE(set.out.find("\"SlideshowDwellSeconds\":90,\"RefreshRecovery\":true,"
                           "\"LogSecurePages\":true}"),
        std::string::npos);
    EXPECT_EQ(readBytes(m_dir / "Skyglass.ini"), record);
    const sg::Bytes conf = readBytes(m_dir / "Skyglass2.conf");
    EXPECT_EQ(std::string(conf.begin(), conf.end()),
        "[General]\nLogSecurePages=true\nRefreshRecovery=true\nSlideshowCategory=\n"
        "SlideshowDwellSeconds=90\n");
    EXPECT_EQ(run({ "settings", "set", "SlideshowDwellSeconds", "3" }).code, 1);

    // The history tool logs secure pages now.
    ASSERT_EQ(run({ "history", "add", "Bank", "https://www.bank.example/" }).code, 0);
    EXPECT_NE(run({ "history", "show" }).out.find("\"host\":\"bank.example\""), std::string::npos);
}
