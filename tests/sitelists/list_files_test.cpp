#include "list_test_files.h"
#include "sitelists/list_files.h"
#include "support/read_only_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

class ListFiles : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directory(lists()); }
    fs::path lists() const { return m_dir / "SiteLists"; }
    fs::path catList() const { return lists() / "CatList.dab"; }
    void writeCategories(const std::vector<std::pair<std::string, std::uint8_t>>& cats)
    {
        Bytes bytes;
        for (const auto& [name, number] : cats)
            bytes = bytes + categoryBytes(name, number);
        writeBytes(catList(), bytes);
    }
    TempDir m_dir;
};

} // namespace

TEST(SiteFileName, PadsToFiveDigits)
{
    EXPECT_EQ(SiteFileName(1), "Sites00001.dab");
    EXPECT_EQ(SiteFileName(1234), "Sites01234.dab");
    EXPECT_EQ(SiteFileName(32767), "Sites32767.dab");
}

TEST(SiteFileName, NumberOfTheFileNameIsItsInverseForEvery16BitNumber)
{
    for (int n = -32768; n <= 32767; ++n)
        ASSERT_EQ(siteFileNumberOf(SiteFileName(static_cast<std::int16_t>(n))), n);
    EXPECT_EQ(siteFileNumberOf("Sites00042.DAB"), 42);
    EXPECT_EQ(siteFileNumberOf("Sites.dab"), std::nullopt);
    EXPECT_EQ(siteFileNumberOf("Sites99999.dab"), std::nullopt);
    EXPECT_EQ(siteFileNumberOf("Other00001.dab"), std::nullopt);
}

TEST_F(ListFiles, DeletingTheLastCategoryLeavesNoCategoryListUntilTheNextRead)
{
    writeCategories({ { "Only", 1 } });
    ASSERT_TRUE(SaveCategories(m_dir.path(), {}));
    EXPECT_FALSE(fs::exists(catList()));
    // A missing list has no categories and is left behind empty.
    EXPECT_EQ(LoadCategories(m_dir.path()), std::vector<Category> {});
    ASSERT_TRUE(fs::is_regular_file(catList()));
    EXPECT_EQ(fs::file_size(catList()), 0u);
    EXPECT_EQ(LoadCategories(m_dir.path()), std::vector<Category> {});
    EXPECT_EQ(NextSiteFileNumber(m_dir.path()), "00001");
}

TEST_F(ListFiles, ReadingNeedsTheSiteListsFolder)
{
    fs::remove(lists());
    EXPECT_EQ(LoadCategories(m_dir.path()), std::nullopt);
    EXPECT_EQ(LoadSites(m_dir.path(), "Sites00001.dab"), std::nullopt);
    EXPECT_EQ(NextSiteFileNumber(m_dir.path()), std::nullopt);
}

TEST_F(ListFiles, LoadsCategoriesTrimmedWithTheirFileNames)
{
    writeBytes(catList(),
        bytesOf("  News  ") + filled(150, ' ') + Bytes { 2, 0 } + categoryBytes("Radar", 10));
    const std::vector<Category> expected
        = { { "News", 2, "Sites00002.dab" }, { "Radar", 10, "Sites00010.dab" } };
    EXPECT_EQ(LoadCategories(m_dir.path()), expected);
}

TEST_F(ListFiles, SaveCategoriesWritesExactRecordsNumberedFromTheFileName)
{
    const std::vector<CategoryEntry> cats
        = { { "Weather Radar US", "Sites00042.dab" }, { "X", "Sites12345.dab" } };
    ASSERT_TRUE(SaveCategories(m_dir.path(), cats));
    EXPECT_EQ(readBytes(catList()),
        bytesOf("Weather Radar US") + filled(142, ' ') + Bytes({ 0x2A, 0x00 }) + bytesOf("X")
            + filled(157, ' ') + Bytes({ 0x39, 0x30 }));
    EXPECT_EQ(namesIn(lists()), std::vector<std::string> { "CatList.dab" }); // no temp file

    EXPECT_FALSE(SaveCategories(m_dir.path(), std::vector<CategoryEntry> { { "Y", "Sites.dab" } }));
    EXPECT_EQ(LoadCategories(m_dir.path())->size(), 2u);
}

TEST_F(ListFiles, NextSiteFileNumberIsTheLowestFreeNumber)
{
    writeCategories({ { "A", 1 }, { "B", 2 }, { "D", 4 } });
    EXPECT_EQ(NextSiteFileNumber(m_dir.path()), "00003");
    writeCategories({ { "B", 2 }, { "D", 4 }, { "C", 3 } }); // 3 added, 1 deleted
    EXPECT_EQ(NextSiteFileNumber(m_dir.path()), "00001");

    std::vector<CategoryRecord> all;
    for (int n = 1; n <= 32767; ++n)
        all.push_back({ "c", static_cast<std::int16_t>(n) });
    EXPECT_EQ(lowestFreeSiteFileNumber(all), std::nullopt);
}

TEST_F(ListFiles, SitesSaveExactlyAndAnEmptyListLeavesAZeroByteFile)
{
    const std::vector<SiteRecord> sites
        = { { "Radar", std::string(300, 'u') }, { "", "http://b" } };
    ASSERT_TRUE(SaveSites(m_dir.path(), "Sites00001.dab", sites));
    EXPECT_EQ(readBytes(lists() / "Sites00001.dab"),
        bytesOf("Radar") + filled(135, ' ') + filled(260, 'u') + siteBytes("", "http://b"));
    EXPECT_EQ((*LoadSites(m_dir.path(), "Sites00001.dab"))[0].SiteUrl, std::string(260, 'u'));

    ASSERT_TRUE(SaveSites(m_dir.path(), "Sites00001.dab", {}));
    EXPECT_EQ(fs::file_size(lists() / "Sites00001.dab"), 0u);
    EXPECT_EQ(namesIn(lists()), std::vector<std::string> { "Sites00001.dab" });
}

TEST_F(ListFiles, AppendCountsRecordsByTheRoundingRuleAndCompletesAPartialRecord)
{
    const fs::path file = lists() / "Sites00003.dab";
    writeBytes(file, siteBytes("A", "http://a") + bytesOf("B"));
    ASSERT_TRUE(AppendSite(m_dir.path(), "Sites00003.dab", { "C", "http://c" }));
    EXPECT_EQ(readBytes(file), siteBytes("A", "http://a") + siteBytes("C", "http://c"));

    writeBytes(file, siteBytes("A", "http://a") + bytesOf("B") + filled(250, ' '));
    ASSERT_TRUE(AppendSite(m_dir.path(), "Sites00003.dab", { "C", "http://c" }));
    EXPECT_EQ(readBytes(file),
        siteBytes("A", "http://a") + siteBytes("B", "") + siteBytes("C", "http://c"));

    ASSERT_TRUE(AppendSite(m_dir.path(), "Sites00004.dab", { "New", "http://n" }));
    EXPECT_EQ(readBytes(lists() / "Sites00004.dab"), siteBytes("New", "http://n"));
}

TEST_F(ListFiles, MakeUniqueSiteNameNumbersTakenNames)
{
    const std::vector<std::string> radar = { "Radar", "Radar(1)" };
    EXPECT_EQ(MakeUniqueSiteName("Radar", std::vector<std::string> {}), "Radar");
    EXPECT_EQ(MakeUniqueSiteName("Radar", std::vector<std::string> { "Radar" }), "Radar(1)");
    EXPECT_EQ(MakeUniqueSiteName("Radar", radar), "Radar(2)");
    EXPECT_EQ(MakeUniqueSiteName("Radar", std::vector<std::string> { "radar" }), "Radar");
    // Compared as stored: trailing blanks would be trimmed away on the next read.
    EXPECT_EQ(MakeUniqueSiteName("Radar ", std::vector<std::string> { "Radar" }), "Radar (1)");
}

TEST_F(ListFiles, MakeUniqueSiteNameShortensTheNameSoTheNumberFitsIn140Bytes)
{
    const std::string full(140, 'n');
    const std::vector<std::string> taken = { full, std::string(137, 'n') + "(1)" };
    const std::string unique = MakeUniqueSiteName(full, taken);
    EXPECT_EQ(unique, std::string(137, 'n') + "(2)");

    // Counted in Windows-1252 bytes: each two-byte UTF-8 character is one byte.
    std::string accented;
    for (int i = 0; i < 140; ++i)
        accented += "\xC3\xA9";
    std::string expected;
    for (int i = 0; i < 137; ++i)
        expected += "\xC3\xA9";
    EXPECT_EQ(
        MakeUniqueSiteName(accented, std::vector<std::string> { accented }), expected + "(1)");

    std::vector<std::string> many = { full };
    for (int k = 1; k <= 9; ++k)
        many.push_back(std::string(137, 'n') + "(" + std::to_string(k) + ")");
    EXPECT_EQ(MakeUniqueSiteName(full, many), std::string(136, 'n') + "(10)");
}

TEST_F(ListFiles, CreateAndDeleteSiteFiles)
{
    writeBytes(lists() / "Sites00002.dab", siteBytes("Old", "http://old"));
    ASSERT_TRUE(CreateEmptySiteFile(m_dir.path(), "00002"));
    EXPECT_EQ(fs::file_size(lists() / "Sites00002.dab"), 0u);
    ASSERT_TRUE(DeleteSiteFile(m_dir.path(), "Sites00002.dab"));
    EXPECT_FALSE(fs::exists(lists() / "Sites00002.dab"));
    EXPECT_TRUE(DeleteSiteFile(m_dir.path(), "Sites00002.dab"));
    EXPECT_FALSE(DeleteSiteFile(m_dir.path(), "../SiteLists"));
    EXPECT_EQ(LoadSites(m_dir.path(), "../x.dab"), std::nullopt);
}

TEST_F(ListFiles, ADirectoryInPlaceOfAListFileHasNoRecordsAndIsNeverReplaced)
{
    fs::create_directory(catList());
    fs::create_directory(lists() / "Sites00001.dab");
    EXPECT_EQ(LoadCategories(m_dir.path()), std::vector<Category> {});
    EXPECT_EQ(LoadSites(m_dir.path(), "Sites00001.dab"), std::vector<SiteRecord> {});
    EXPECT_TRUE(SaveCategories(m_dir.path(), {}));
    EXPECT_FALSE(
        SaveCategories(m_dir.path(), std::vector<CategoryEntry> { { "A", "Sites00001.dab" } }));
    EXPECT_FALSE(SaveSites(m_dir.path(), "Sites00001.dab", {}));
    EXPECT_FALSE(CreateEmptySiteFile(m_dir.path(), "00001"));
    EXPECT_FALSE(AppendSite(m_dir.path(), "Sites00001.dab", { "A", "b" }));
    EXPECT_TRUE(DeleteSiteFile(m_dir.path(), "Sites00001.dab"));
    EXPECT_TRUE(fs::is_directory(catList()));
    EXPECT_TRUE(fs::is_directory(lists() / "Sites00001.dab"));
    EXPECT_EQ(namesIn(lists()), (std::vector<std::string> { "CatList.dab", "Sites00001.dab" }));
}

TEST_F(ListFiles, AFailedRewriteLeavesTheOldFileAndNoTemporaryFile)
{
    const Bytes old = siteBytes("Old", "http://old");
    writeBytes(lists() / "Sites00001.dab", old);
    writeCategories({ { "Old", 1 } });
    {
        FileSizeLimit limit(300);
        const std::vector<SiteRecord> two = { { "A", "a" }, { "B", "b" } };
        EXPECT_FALSE(SaveSites(m_dir.path(), "Sites00001.dab", two));
        const std::vector<CategoryEntry> cats(3, { "C", "Sites00001.dab" });
        EXPECT_FALSE(SaveCategories(m_dir.path(), cats));
    }
    EXPECT_EQ(readBytes(lists() / "Sites00001.dab"), old);
    EXPECT_EQ(readBytes(catList()), categoryBytes("Old", 1));
    EXPECT_EQ(namesIn(lists()), (std::vector<std::string> { "CatList.dab", "Sites00001.dab" }));
}

TEST_F(ListFiles, AFailedRewriteInAReadOnlyFolderLeavesTheOldFile)
{
    const Bytes old = siteBytes("Old", "http://old");
    writeBytes(lists() / "Sites00001.dab", old);
    // Only the folder may stop the rewrites: the file itself is writable by anyone.
    ::chmod(m_dir.path().c_str(), 0755);
    ::chmod((lists() / "Sites00001.dab").c_str(), 0666);
    const std::vector<SiteRecord> fresh = { { "New", "http://new" } };
    EXPECT_TRUE(runWithoutWriteRightsIn(lists(), [&] {
        return !SaveSites(m_dir.path(), "Sites00001.dab", fresh);
    })) << "the rewrite must report its failure";
    EXPECT_TRUE(runWithoutWriteRightsIn(lists(), [&] {
        return !CreateEmptySiteFile(m_dir.path(), "00001");
    })) << "the rewrite must report its failure";
    EXPECT_EQ(readBytes(lists() / "Sites00001.dab"), old);
    EXPECT_EQ(namesIn(lists()), std::vector<std::string> { "Sites00001.dab" });
}

TEST_F(ListFiles, AFailedAppendTakesTheFileBackToItsOldLength)
{
    const Bytes old = siteBytes("Old", "http://old");
    writeBytes(lists() / "Sites00001.dab", old);
    {
        FileSizeLimit limit(1000);
        const std::vector<SiteRecord> three(3, { "A", "a" });
        EXPECT_FALSE(AppendSites(m_dir.path(), "Sites00001.dab", three));
    }
    EXPECT_EQ(readBytes(lists() / "Sites00001.dab"), old);
}

TEST_F(ListFiles, AFifoInPlaceOfAListFileIsAnErrorNotAHang)
{
    ASSERT_EQ(::mkfifo((lists() / "Sites00001.dab").c_str(), 0644), 0);
    EXPECT_EQ(LoadSites(m_dir.path(), "Sites00001.dab"), std::nullopt);
    EXPECT_FALSE(AppendSite(m_dir.path(), "Sites00001.dab", { "A", "b" }));
}
