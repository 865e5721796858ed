#include "history/history_periods.h"
#include "history_test_files.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;
namespace fs = std::filesystem;

namespace {

std::string nameDaysAgo(int days)
{
    return dayFileName(addDays(kToday, -days));
}

using Items = std::vector<std::string>;

} // namespace

TEST(periodItems, ListsTheWholeSpanTheWeeksWithFilesAndEachDayNewestFirst)
{
    EXPECT_EQ(periodItems({ nameDaysAgo(9), nameDaysAgo(0), nameDaysAgo(3) }, 14, kToday),
        (Items { "0-14 Days Ago", "0-6 Days Ago", "7-13 Days Ago", "0 Days Ago 12/05/2026 <>",
            "3 Days Ago 12/02/2026 <>", "9 Days Ago 11/26/2026 <>" }));
    // Weeks 1 and 3 hold no file; the last block is the oldest file's; one day is "Day".
    EXPECT_EQ(periodItems({ nameDaysAgo(1), nameDaysAgo(15), nameDaysAgo(29) }, 30, kToday),
        (Items { "0-30 Days Ago", "0-6 Days Ago", "14-20 Days Ago", "28-34 Days Ago",
            "1 Day Ago 12/04/2026 <>", "15 Days Ago 11/20/2026 <>", "29 Days Ago 11/06/2026 <>" }));
    // Other names and files dated after today are not listed.
    const Items names { "SG_12062026.hiz", "SG_13012026.hiz", "sg_12052026.hiz",
        "SG_12052026.hiz.bak", "notes.txt", nameDaysAgo(2) };
    EXPECT_EQ(periodItems(names, 7, kToday),
        (Items { "0-7 Days Ago", "0-6 Days Ago", "2 Days Ago 12/03/2026 <>" }));
    EXPECT_TRUE(periodItems({ "SG_12062026.hiz", "notes.txt" }, 7, kToday).empty());
}

TEST(PeriodItem, ReadsBackEveryItemTheSelectorMakesAndRefusesOtherText)
{
    const std::pair<const char*, std::optional<DayRange>> cases[] = {
        { "0 Days Ago 12/05/2026 <>", DayRange { 0, 0 } },
        { "1 Day Ago 12/04/2026 <>", DayRange { 1, 1 } },
        { "29 Days Ago 11/06/2026 <>", DayRange { 29, 29 } },
        { "7-13 Days Ago", DayRange { 7, 13 } },
        { "0-9999 Days Ago", DayRange { 0, 9999 } },
        { "", std::nullopt },
        { "Days Ago", std::nullopt },
        { "x Days Ago 12/05/2026 <>", std::nullopt },
        { "-6 Days Ago", std::nullopt },
        { "0-x Days Ago", std::nullopt },
    };
    for (const auto& [text, range] : cases)
        EXPECT_EQ(readPeriodItem(text), range) << text;
}

// Day files from tomorrow to 20 days ago, a folder named like the file of 2 days ago and
// another file.
class DayFilesInPeriodTest : public ::testing::Test {
protected:
    TempDir m_dir;
    void SetUp() override
    {
        for (const int back : { -1, 0, 3, 6, 7, 9, 20 })
            writeBytes(m_dir / nameDaysAgo(back), {});
        fs::create_directory(m_dir / nameDaysAgo(2));
        writeBytes(m_dir / "notes.txt", {});
    }
    std::vector<std::string> names(const DayRange& range)
    {
        std::vector<std::string> out;
        for (const DayFile& f : dayFilesInPeriod(m_dir.path(), range, kToday)) {
            EXPECT_EQ(f.path, m_dir / dayFileName(f.date));
            out.push_back(f.path.filename().string());
        }
        return out;
    }
};

TEST_F(DayFilesInPeriodTest, TakesTheFilesOfTheRangeOldestFirstAndNeverTomorrows)
{
    EXPECT_EQ(names({ 0, 6 }), (Items { nameDaysAgo(6), nameDaysAgo(3), nameDaysAgo(0) }));
    EXPECT_EQ(names({ 7, 13 }), (Items { nameDaysAgo(9), nameDaysAgo(7) }));
    EXPECT_EQ(names({ 0, 0 }), (Items { nameDaysAgo(0) }));
    EXPECT_TRUE(names({ 2, 2 }).empty());
    EXPECT_EQ(names({ 0, 9999 }).back(), nameDaysAgo(0));
    // No folder: no files and no selector items.
    EXPECT_TRUE(dayFilesInPeriod(m_dir / "missing", { 0, 14 }, kToday).empty());
    EXPECT_TRUE(periodSelectorItems(m_dir / "missing", 14, kToday).empty());
}
