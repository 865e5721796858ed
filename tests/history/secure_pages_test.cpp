#include "history/history_writer.h"
#include "history_test_files.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace sgtest;

TEST(SecurePagesInHistory, AreLoggedOnlyWhenSwitchedOn)
{
    TempDir dir;
    const FixedClock clock(kToday);
    HistoryWriter writer(dir.path(), clock);
    HistoryWriterSettings settings;
    ASSERT_FALSE(settings.LogSecurePages);

    writer.AddHistoryEntry(settings, nullptr, "Bank", "https://www.bank.example/login");
    const auto path = dayFilePath(dir.path(), kToday);
    EXPECT_TRUE(readDayFile(path).value_or(std::vector<HistoryRecord> {}).empty());

    settings.LogSecurePages = true;
    writer.AddHistoryEntry(settings, nullptr, "Bank", "https://www.bank.example/login");
    writer.AddHistoryEntry(settings, nullptr, "Bank", "https://www.bank.example/login");
    const auto records = readDayFile(path);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 1u);
    EXPECT_EQ((*records)[0].Host, "bank.example");
    EXPECT_EQ((*records)[0].Hits, 2);
}
