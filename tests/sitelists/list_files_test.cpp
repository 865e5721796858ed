#include "common/file_io.h"
#include "list_test_files.h"
#include "sitelists/list_files.h"
#include "support/child_process.h"

#include <sys/stat.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using ListFiles = ListFolderTest;

TEST(SiteFileName, IsFiveDigitsAndItsNumberIsItsInverseForEvery16BitNumber)
{
    EXPECT_EQ(SiteFileName(1234), "Sites01234.dab");
    for (int n = -32768; n <= 32767; ++n)
        ASSERT_EQ(siteFileNumberOf(SiteFileName(static_cast<std::int16_t>(n))), n);
    EXPECT_EQ(siteFileNumberOf("Sites00042.DAB"), 42);
    for (const char* bad : { "Sites.dab", "Sites99999.dab", "Other00001.dab" })
        EXPECT_EQ(siteFileNumberOf(bad), std::nullopt) << bad;
}

TEST_F(ListFiles, CategoriesAreWrittenAndReadAsExactRecordsNumberedFromTheFileName)
{
    const std::vector<CategoryEntry> cats
        = { { "Weather Radar US", "Sites00042.dab" }, { "X", "Sites12345.dab" } };
    ASSERT_TRUE(SaveCategories(data(), cats));
    EXPECT_EQ(readBytes(catList()),
        bytesOf("Weather Radar US") + filled(142, ' ') + Bytes({ 0x2A, 0x00 }) + bytesOf("X")
            + filled(157, ' ') + Bytes({ 0x39, 0x30 }));
    EXPECT_EQ(namesIn(lists()), Names { "CatList.dab" }); // no temp file
    EXPECT_FALSE(SaveCategories(data(), std::vector<CategoryEntry> { { "Y", "Sites.dab" } }));

    writeBytes(catList(),
        bytesOf("  News  ") + filled(150, ' ') + Bytes { 2, 0 } + categoryBytes("Radar", 10));
    const std::vector<Category> expected
        = { { "News", 2, "Sites00002.dab" }, { "Radar", 10, "Sites00010.dab" } };
    EXPECT_EQ(LoadCategories(data()), expected);
}

TEST_F(ListFiles, DeletingTheLastCategoryLeavesNoCategoryListUntilTheNextRead)
{
    writeBytes(catList(), categoryBytes("Only", 1));
    ASSERT_TRUE(SaveCategories(data(), {}));
    EXPECT_FALSE(fs::exists(catList()));
    // A missing list has no categories and is left behind empty.
    EXPECT_EQ(LoadCategories(data()), std::vector<Category> {});
    EXPECT_TRUE(fs::is_regular_file(catList()) && fs::file_size(catList()) == 0);
    EXPECT_EQ(NextSiteFileNumber(data()), "00001");
    // Reading needs the SiteLists folder.
    fs::remove_all(lists());
    EXPECT_EQ(LoadCategories(data()), std::nullopt);
    EXPECT_EQ(LoadSites(data(), "Sites00001.dab"), std::nullopt);
    EXPECT_EQ(NextSiteFileNumber(data()), std::nullopt);
}

TEST_F(ListFiles, NextSiteFileNumberIsTheLowestFreeNumber)
{
    writeBytes(catList(), categoryBytes("A", 1) + categoryBytes("B", 2) + categoryBytes("D", 4));
    EXPECT_EQ(NextSiteFileNumber(data()), "00003");
    writeBytes(catList(), categoryBytes("B", 2) + categoryBytes("D", 4) + categoryBytes("C", 3));
    EXPECT_EQ(NextSiteFileNumber(data()), "00001");

    std::vector<CategoryRecord> all;
    for (int n = 1; n <= 32767; ++n)
        all.push_back({ "c", static_cast<std::int16_t>(n) });
    EXPECT_EQ(lowestFreeSiteFileNumber(all), std::nullopt);
}

TEST_F(ListFiles, SitesSaveExactlyAndAnEmptyListLeavesAZeroByteFile)
{
    const std::vector<SiteRecord> sites
        = { { "Radar", std::string(300, 'u') }, { "", "http://b" } };
    ASSERT_TRUE(SaveSites(data(), "Sites00001.dab", sites));
    EXPECT_EQ(readBytes(siteFile(1)),
        bytesOf("Radar") + filled(135, ' ') + filled(260, 'u') + siteBytes("", "http://b"));
    EXPECT_EQ((*LoadSites(data(), "Sites00001.dab"))[0].SiteUrl, std::string(260, 'u'));

    ASSERT_TRUE(SaveSites(data(), "Sites00001.dab", {}));
    EXPECT_EQ(fs::file_size(siteFile(1)), 0u);
    EXPECT_EQ(namesIn(lists()), Names { "Sites00001.dab" });
}

TEST_F(ListFiles, AppendCountsRecordsByTheRoundingRuleAndCompletesAPartialRecord)
{
    const Bytes a = siteBytes("A", "http://a");
    const Bytes c = siteBytes("C", "http://c");
    writeBytes(siteFile(3), a + bytesOf("B"));
    ASSERT_TRUE(AppendSite(data(), "Sites00003.dab", { "C", "http://c" }));
    EXPECT_EQ(readBytes(siteFile(3)), a + c);

    writeBytes(siteFile(3), a + bytesOf("B") + filled(250, ' '));
    ASSERT_TRUE(AppendSite(data(), "Sites00003.dab", { "C", "http://c" }));
    EXPECT_EQ(readBytes(siteFile(3)), a + siteBytes("B", "") + c);

    ASSERT_TRUE(AppendSite(data(), "Sites00004.dab", { "New", "http://n" }));
    EXPECT_EQ(readBytes(siteFile(4)), siteBytes("New", "http://n"));
}

TEST(MakeUniqueSiteName, NumbersTakenNamesAsStoredAndKeepsTheNumberWithin140Bytes)
{
    const std::string n140(140, 'n');
    const std::string n137(137, 'n');
    std::string e140; // two UTF-8 bytes each, one Windows-1252 byte each
    for (int i = 0; i < 140; ++i)
        e140 += "\xC3\xA9";
    Names upTo9 = { n140 };
    for (int k = 1; k <= 9; ++k)
        upTo9.push_back(n137 + "(" + std::to_string(k) + ")");
    const struct {
        std::string name;
        Names taken;
        std::string unique;
    } cases[] = {
        { "Radar", {}, "Radar" },
        { "Radar", { "Radar" }, "Radar(1)" },
        { "Radar", { "Radar", "Radar(1)" }, "Radar(2)" },
        { "Radar", { "radar" }, "Radar" },
        // Compared as stored: trailing blanks would be trimmed away on the next read.
        { "Radar ", { "Radar" }, "Radar (1)" },
        { n140, { n140, n137 + "(1)" }, n137 + "(2)" },
        { e140, { e140 }, e140.substr(0, 2 * 137) + "(1)" },
        { n140, upTo9, std::string(136, 'n') + "(10)" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeUniqueSiteName(c.name, c.taken), c.unique) << c.name.substr(0, 8);
}

TEST_F(ListFiles, CreateAndDeleteSiteFiles)
{
    // A file with pages is never emptied to make a category; an empty one will do.
    writeBytes(siteFile(2), siteBytes("Old", "http://old"));
    EXPECT_FALSE(CreateEmptySiteFile(data(), "00002"));
    EXPECT_EQ(readBytes(siteFile(2)), siteBytes("Old", "http://old"));
    writeBytes(siteFile(2), {});
    ASSERT_TRUE(CreateEmptySiteFile(data(), "00002"));
    ASSERT_TRUE(CreateEmptySiteFile(data(), "00003"));
    EXPECT_EQ(fs::file_size(siteFile(3)), 0u);
    ASSERT_TRUE(DeleteSiteFile(data(), "Sites00002.dab"));
    EXPECT_FALSE(fs::exists(siteFile(2)));
    EXPECT_TRUE(DeleteSiteFile(data(), "Sites00002.dab"));
    EXPECT_FALSE(DeleteSiteFile(data(), "../SiteLists"));
    EXPECT_EQ(LoadSites(data(), "../x.dab"), std::nullopt);
}

TEST_F(ListFiles, ADirectoryInPlaceOfAListFileHasNoRecordsAndIsNeverReplacedAFifoIsAnError)
{
    fs::create_directory(catList());
    fs::create_directory(siteFile(1));
    EXPECT_EQ(LoadCategories(data()), std::vector<Category> {});
    EXPECT_EQ(LoadSites(data(), "Sites00001.dab"), std::vector<SiteRecord> {});
    EXPECT_TRUE(SaveCategories(data(), {}));
    EXPECT_FALSE(SaveCategories(data(), std::vector<CategoryEntry> { { "A", "Sites00001.dab" } }));
    EXPECT_FALSE(SaveSites(data(), "Sites00001.dab", {}));
    EXPECT_FALSE(CreateEmptySiteFile(data(), "00001"));
    EXPECT_FALSE(AppendSite(data(), "Sites00001.dab", { "A", "b" }));
    EXPECT_TRUE(DeleteSiteFile(data(), "Sites00001.dab"));
    EXPECT_EQ(treeOf(lists()),
        (Tree { { "CatList.dab", bytesOf("/") }, { "Sites00001.dab", bytesOf("/") } }));

    // A fifo is never opened to wait for a writer.
    ASSERT_EQ(::mkfifo(siteFile(2).c_str(), 0644), 0);
    EXPECT_EQ(LoadSites(data(), "Sites00002.dab"), std::nullopt);
    EXPECT_FALSE(AppendSite(data(), "Sites00002.dab", { "A", "b" }));
}

TEST_F(ListFiles, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const Bytes old = siteBytes("Old", "http://old");
    writeBytes(siteFile(1), old);
    writeBytes(catList(), categoryBytes("Old", 1));
    {
        FileSizeLimit limit(1000);
        const std::vector<SiteRecord> three(3, { "A", "a" });
        EXPECT_FALSE(SaveSites(data(), "Sites00001.dab", three));
        // The append gets part of the way and is then taken back to the old length.
        EXPECT_FALSE(AppendSites(data(), "Sites00001.dab", three));
        EXPECT_FALSE(
            SaveCategories(data(), std::vector<CategoryEntry>(7, { "C", "Sites00001.dab" })));
    }
    EXPECT_EQ(readBytes(siteFile(1)), old);
    EXPECT_EQ(readBytes(catList()), categoryBytes("Old", 1));
    EXPECT_EQ(namesIn(lists()), (Names { "CatList.dab", "Sites00001.dab" }));
}

TEST_F(ListFiles, AFailedRewriteInAReadOnlyFolderLeavesTheOldFile)
{
    const Bytes old = siteBytes("Old", "http://old");
    writeBytes(siteFile(1), old);
    // Only the folder may stop the rewrites: the file itself is writable by anyone.
    ::chmod(data().c_str(), 0755);
    ::chmod(siteFile(1).c_str(), 0666);
    const std::vector<SiteRecord> fresh = { { "New", "http://new" } };
    EXPECT_TRUE(runWithoutWriteRightsIn(lists(), [&] {
        return !SaveSites(data(), "Sites00001.dab", fresh) && !CreateEmptySiteFile(data(), "00001");
    })) << "the rewrites must report their failure";
    EXPECT_EQ(readBytes(siteFile(1)), old);
    EXPECT_EQ(namesIn(lists()), Names { "Sites00001.dab" });
}

TEST_F(ListFiles, AListFileBeyondItsRecordLimitIsRefusedUnread)
{
    // A site list of 32767 records is read; one more is refused, and so is a sparse 1 GiB
    // file, without reading it.
    const std::uintmax_t full = std::uintmax_t(kMaxSiteRecords) * kSiteRecordLength;
    writeBytes(siteFile(1), {});
    fs::resize_file(siteFile(1), full);
    EXPECT_EQ(LoadSites(data(), "Sites00001.dab")->size(), kMaxSiteRecords);
    EXPECT_FALSE(AppendSite(data(), "Sites00001.dab", { "A", "b" }));
    EXPECT_EQ(fs::file_size(siteFile(1)), full);
    for (const std::uintmax_t size : { full + kSiteRecordLength, std::uintmax_t(1) << 30 }) {
        fs::resize_file(siteFile(1), size);
        int error = 0;
        EXPECT_EQ(LoadSites(data(), "Sites00001.dab", &error), std::nullopt);
        EXPECT_EQ(error, kFileTooLarge);
    }
    writeBytes(catList(), {});
    fs::resize_file(catList(), (kMaxCategoryRecords + 1) * kCategoryRecordLength);
    EXPECT_EQ(LoadCategories(data()), std::nullopt);
}
