#include "settings/settings_fields.h"

#include <gtest/gtest.h>

using namespace sg;

// The names and kinds the data tool prints are checked with the tool.
TEST(SettingsFields, SetsEachKindOfFieldAndFormatsFloatsShortest)
{
    Settings s;
    for (const auto& [name, value] :
        { std::pair { "WindowLeft", "1500.25" }, { "RefreshInterval", "-32768" },
            { "HistoryDaysToKeep", "2147483647" }, { "FontBold", "-1" },
            { "LastBackupTime", "2024-03-15 12:00:00" }, { "StartPage", "/home/me/start.htm" },
            { "ColumnWidths", "1, 2,3 ,4" }, { "HistoryColumnWidths[8]", "800" } })
        EXPECT_EQ(setSettingsField(s, name, value), std::nullopt) << name;
    EXPECT_EQ(s.WindowLeft, 1500.25);
    EXPECT_EQ(s.RefreshInterval, -32768);
    EXPECT_EQ(s.HistoryDaysToKeep, 2147483647);
    EXPECT_TRUE(s.FontBold);
    EXPECT_EQ(s.LastBackupTime, 45366.5);
    EXPECT_EQ(s.StartPage, "/home/me/start.htm");
    EXPECT_EQ(s.ColumnWidths, (std::array<float, 4> { 1, 2, 3, 4 }));
    EXPECT_EQ(s.HistoryColumnWidths[7], 800);
    EXPECT_EQ(setSettingsField(s, "FontBold", "false"), std::nullopt);
    EXPECT_FALSE(s.FontBold);

    EXPECT_EQ(formatFieldValue(double { 0.1f }), "0.1");
    EXPECT_EQ(formatFieldValue(std::vector<double> { 6000, 4500.5 }), "6000,4500.5");
}

TEST(SettingsFields, ABadValueIsExplainedAndChangesNothing)
{
    const std::pair<std::pair<const char*, const char*>, const char*> cases[] = {
        { { "Nonsense", "1" }, "Unknown settings field \"Nonsense\"" },
        { { "WindowLeft", "12abc" }, "WindowLeft: \"12abc\" is not a finite number" },
        { { "RefreshInterval", "32768" }, "RefreshInterval: 32768 is outside -32768..32767" },
        { { "RefreshInterval", "1.5" }, "RefreshInterval: \"1.5\" is not a whole number" },
        { { "FontBold", "yes" }, "FontBold: \"yes\" is not true, false, 1, 0 or -1" },
        { { "LastBackupTime", "2024-02-30 00:00:00" },
            "LastBackupTime: \"2024-02-30 00:00:00\" is not a date and time YYYY-MM-DD "
            "HH:MM:SS" },
        { { "MessengerCaption", "123456789012345678901234567890123" },
            "MessengerCaption: text longer than 32 bytes" },
        { { "ColumnWidths", "1,2,3" }, "ColumnWidths: expected 4 comma-separated values, got 3" },
        { { "ColumnWidths[5]", "1" }, "ColumnWidths: index 5 is outside 1..4" },
        { { "ColumnWidths[", "1" },
            "Malformed field name \"ColumnWidths[\" (expected Name or Name[i])" },
        { { "StartPage[1]", "x" }, "StartPage is a single value, not a group" },
    };
    for (const auto& [field, error] : cases) {
        Settings s;
        s.ColumnWidths = { 9, 9, 9, 9 };
        const Settings before = s;
        EXPECT_EQ(
            setSettingsField(s, field.first, field.second), std::optional<std::string>(error));
        EXPECT_EQ(s, before) << field.first;
    }
}
