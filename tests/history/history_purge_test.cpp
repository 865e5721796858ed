#include "history/history_purge.h"
#include "history/history_record.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

const LocalDateTime kToday { 2026, 3, 2, 10, 30, 0 };

// Day files for today, each of the nine days before (crossing February) and tomorrow.
class HistoryPurgeTest : public ::testing::Test {
protected:
    TempDir m_dir;

    void SetUp() override
    {
        for (int back = -1; back <= 9; ++back)
            writeBytes(m_dir / dayFileName(addDays(kToday, -back)), filled(512, ' '));
    }
    std::vector<std::string> remaining() const { return namesIn(m_dir.path()); }
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(HistoryPurgeTest, KeepsTodayAndTheDaysBeforeItAndNeverTomorrow)
{
    EXPECT_EQ(purgeDayFiles(m_dir.path(), kToday, 9999), Names { "SG_03032026.hiz" });
    EXPECT_EQ(purgeDayFiles(m_dir.path(), kToday, 7),
        (Names { "SG_02212026.hiz", "SG_02222026.hiz", "SG_02232026.hiz" }));
    EXPECT_EQ(remaining(),
        (Names { "SG_02242026.hiz", "SG_02252026.hiz", "SG_02262026.hiz", "SG_02272026.hiz",
            "SG_02282026.hiz", "SG_03012026.hiz", "SG_03022026.hiz" }));
    EXPECT_EQ(purgeDayFiles(m_dir.path(), kToday, 1).size(), 6u);
    EXPECT_EQ(remaining(), Names { "SG_03022026.hiz" });
    EXPECT_EQ(purgeDayFiles(m_dir.path(), kToday, 0), Names { "SG_03022026.hiz" });
    EXPECT_TRUE(remaining().empty());
}

TEST_F(HistoryPurgeTest, LeavesEverythingThatIsNotAPlainDayFile)
{
    const std::vector<std::string> others
        = { "SG_02302026.hiz", "sg_01012026.hiz", "SG_01012026.hiz.bak", "notes.txt" };
    for (const auto& name : others)
        writeBytes(m_dir / name, filled(512, ' '));
    fs::create_directory(m_dir / "SG_01012020.hiz");
    fs::create_symlink(m_dir / "notes.txt", m_dir / "SG_01022020.hiz");

    purgeDayFiles(m_dir.path(), kToday, 0);
    auto expected = others;
    expected.push_back("SG_01012020.hiz");
    expected.push_back("SG_01022020.hiz");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(remaining(), expected);
    EXPECT_TRUE(fs::is_directory(m_dir / "SG_01012020.hiz"));
}

TEST(HistoryPurge, MissingDirectoryDeletesNothing)
{
    TempDir dir;
    EXPECT_TRUE(purgeDayFiles(dir / "History", kToday, 1).empty());
}
