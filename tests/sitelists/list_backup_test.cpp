#include "list_test_files.h"
#include "sitelists/list_backup.h"

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

class ListBackup : public ListFolderTest {
protected:
    void SetUp() override
    {
        ListFolderTest::SetUp();
        fs::create_directory(backup());
    }
    fs::path backup() const { return m_dir / "BU_SiteLists"; }
    // No folder built beside the two for the swap is left behind.
    void expectOnlyTheTwoFolders() const
    {
        EXPECT_EQ(namesIn(data()),
            (std::vector<std::string> { ".Skyglass2.lock", "BU_SiteLists", "SiteLists" }));
    }
};

} // namespace

TEST_F(ListBackup, ReplacesTheSetWithCopiesOfTheOrdinaryFiles)
{
    fs::remove(backup()); // made when missing
    writeBytes(catList(), bytesOf("c"));
    ASSERT_TRUE(backUpSiteLists(data()).ok());

    writeBytes(catList(), filled(160, 'c'));
    writeBytes(siteFile(1), filled(400, 's'));
    writeBytes(lists() / ".hidden", bytesOf("h"));
    fs::create_directory(lists() / "sub");
    writeBytes(backup() / "Sites00009.dab", bytesOf("gone"));
    writeBytes(backup() / "CatList.dab", bytesOf("old"));
    writeBytes(backup() / ".keep", bytesOf("k"));
    fs::create_directory(backup() / "mine");
    writeBytes(backup() / "mine" / "note", bytesOf("n"));

    const auto result = backUpSiteLists(data());
    ASSERT_TRUE(result.ok()) << result.message;
    EXPECT_EQ(result.value, (std::vector<std::string> { "CatList.dab", "Sites00001.dab" }));
    const Tree expected
        = { { "CatList.dab", filled(160, 'c') }, { "Sites00001.dab", filled(400, 's') },
              { ".keep", bytesOf("k") }, { "mine", bytesOf("/") }, { "mine/note", bytesOf("n") } };
    EXPECT_EQ(treeOf(backup()), expected);
    expectOnlyTheTwoFolders();
}

TEST_F(ListBackup, NothingToBackUpLeavesTheSetAlone)
{
    writeBytes(backup() / "CatList.dab", bytesOf("old"));
    fs::create_directory(lists() / "sub");
    const auto result = backUpSiteLists(data());
    EXPECT_EQ(result.status, ListStatus::Refused);
    EXPECT_EQ(result.message, "There Aren't Any Files To Back-Up In Your SiteLists Dir");
    EXPECT_EQ(treeOf(backup()), (Tree { { "CatList.dab", bytesOf("old") } }));
}

TEST_F(ListBackup, AFailedCopyOrSwapLeavesThePreviousSetIntact)
{
    writeBytes(lists() / "A.dab", bytesOf("a"));
    writeBytes(lists() / "B.dab", filled(4000, 'b'));
    writeBytes(backup() / "A.dab", bytesOf("old a"));
    writeBytes(backup() / ".hidden", bytesOf("h"));
    const Tree before = treeOf(backup());
    ListResult<std::vector<std::string>> result;
    {
        FileSizeLimit limit(1000); // A.dab copies, B.dab does not
        result = backUpSiteLists(data());
    }
    EXPECT_EQ(result.status, ListStatus::Failed);
    EXPECT_EQ(result.message, "An Error Occurred Backing-Up Your  SiteLists Dir");
    EXPECT_EQ(treeOf(backup()), before);
    expectOnlyTheTwoFolders();

    // A folder of the old set named like a new file cannot be carried over.
    fs::create_directory(backup() / "B.dab");
    const Tree withFolder = treeOf(backup());
    EXPECT_EQ(backUpSiteLists(data()).status, ListStatus::Failed);
    EXPECT_EQ(treeOf(backup()), withFolder);
    expectOnlyTheTwoFolders();
}

TEST_F(ListBackup, ALinkedBackupFolderStaysALink)
{
    const fs::path real = m_dir / "elsewhere";
    fs::create_directory(real);
    writeBytes(real / "Old.dab", bytesOf("old"));
    fs::remove(backup());
    fs::create_directory_symlink(real, backup());
    writeBytes(catList(), bytesOf("cat"));
    ASSERT_TRUE(backUpSiteLists(data()).ok());
    EXPECT_TRUE(fs::is_symlink(backup()));
    EXPECT_EQ(treeOf(real), (Tree { { "CatList.dab", bytesOf("cat") } }));
}
