#include "settings/settings_fields.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace sg;

namespace {

TEST(SettingsFields, ListsNamedFieldsInRecordOrderWithTypedValues)
{
    Settings s;
    s.WindowLeft = 1500.5;
    s.FontBold = true;
    s.HistoryDaysToKeep = 70000;
    s.LastBackupTime = 45366.5;
    s.HistoryColumnWidths = { 1, 2, 3, 4, 5, 6, 7, 8 };
    s.MailAppCaption = "Mail";
    const auto fields = settingsFields(s);

    std::vector<std::string> names;
    for (const auto& f : fields)
        names.push_back(f.name);
    ASSERT_EQ(names.size(), 48u);
    EXPECT_EQ(names.front(), "WindowLeft");
    EXPECT_EQ(names[22], "HistoryDaysToKeep");
    EXPECT_EQ(names[42], "ColumnWidths");
    EXPECT_EQ(names.back(), "HistoryShowTime");

    EXPECT_EQ(fields[0].value, SettingsFieldValue { 1500.5 });
    EXPECT_EQ(fields[8].value, SettingsFieldValue { true });
    EXPECT_EQ(fields[22].value, SettingsFieldValue { std::int64_t { 70000 } });
    EXPECT_EQ(fields[14].value, SettingsFieldValue { (LocalDateTime { 2024, 3, 15, 12, 0, 0 }) });
    EXPECT_EQ(
        fields[27].value, SettingsFieldValue { (std::vector<double> { 1, 2, 3, 4, 5, 6, 7, 8 }) });
    EXPECT_EQ(fields[35].value, SettingsFieldValue { std::string("Mail") });
}

TEST(SettingsFields, FormatsFloatsShortest)
{
    EXPECT_EQ(formatFieldValue(double { 0.1f }), "0.1");
    EXPECT_EQ(formatFieldValue(std::vector<double> { 6000, 4500.5 }), "6000,4500.5");
    EXPECT_EQ(formatFieldValue(LocalDateTime { 2024, 3, 15, 12, 0, 0 }), "2024-03-15 12:00:00");
}

TEST(SettingsFields, SetsEachKindOfField)
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
}

struct BadValue {
    const char* name;
    const char* value;
    const char* error;
};

class SettingsFieldErrors : public testing::TestWithParam<BadValue> { };

TEST_P(SettingsFieldErrors, ExplainTheFaultAndChangeNothing)
{
    const auto c = GetParam();
    Settings s;
    s.StartPage = "unchanged";
    s.ColumnWidths = { 9, 9, 9, 9 };
    const Settings before = s;
    EXPECT_EQ(setSettingsField(s, c.name, c.value), std::optional<std::string>(c.error));
    EXPECT_EQ(s, before);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsFieldErrors,
    testing::Values(BadValue { "Nonsense", "1", "Unknown settings field \"Nonsense\"" },
        BadValue { "WindowLeft", "12abc", "WindowLeft: \"12abc\" is not a finite number" },
        BadValue { "WindowLeft", "nan", "WindowLeft: \"nan\" is not a finite number" },
        BadValue { "WindowLeft", "1e39", "WindowLeft: \"1e39\" is not a finite number" },
        BadValue { "RefreshInterval", "32768", "RefreshInterval: 32768 is outside -32768..32767" },
        BadValue { "RefreshInterval", "1.5", "RefreshInterval: \"1.5\" is not a whole number" },
        BadValue { "HistoryDaysToKeep", "2147483648",
            "HistoryDaysToKeep: 2147483648 is outside -2147483648..2147483647" },
        BadValue { "FontBold", "yes", "FontBold: \"yes\" is not true, false, 1, 0 or -1" },
        BadValue { "LastBackupTime", "2024-02-30 00:00:00",
            "LastBackupTime: \"2024-02-30 00:00:00\" is not a date and time YYYY-MM-DD "
            "HH:MM:SS" },
        BadValue { "MessengerCaption", "123456789012345678901234567890123",
            "MessengerCaption: text longer than 32 bytes" },
        BadValue {
            "ColumnWidths", "1,2,3", "ColumnWidths: expected 4 comma-separated values, got 3" },
        BadValue {
            "ColumnWidths", "1,2,3,4,5", "ColumnWidths: expected 4 comma-separated values, got 5" },
        BadValue { "ColumnWidths", "1,x,3,4", "ColumnWidths: \"x\" is not a number" },
        BadValue { "ColumnWidths[0]", "1", "ColumnWidths: index 0 is outside 1..4" },
        BadValue { "ColumnWidths[5]", "1", "ColumnWidths: index 5 is outside 1..4" },
        BadValue { "ColumnWidths[2]", "wide", "ColumnWidths[2]: \"wide\" is not a finite number" },
        BadValue { "ColumnWidths[", "1",
            "Malformed field name \"ColumnWidths[\" (expected Name or Name[i])" },
        BadValue { "StartPage[1]", "x", "StartPage is a single value, not a group" }));

TEST(SettingsFields, PrinterShowsEveryField)
{
    Settings s;
    s.MailAppCaption = "Mail";
    std::ostringstream out;
    out << s;
    EXPECT_NE(out.str().find("  MailAppCaption = Mail\n"), std::string::npos);
    EXPECT_NE(out.str().find("  ColumnWidths = 0,0,0,0\n"), std::string::npos);
}

} // namespace
