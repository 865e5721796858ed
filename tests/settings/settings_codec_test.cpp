#include "record_bytes.h"
#include "settings/settings_codec.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace settingstest;

namespace {

// Named fields set to values of their own (the rest stay 0), and reserved bytes that must
// survive.
Settings sampleSettings()
{
    Settings s { .WindowLeft = 1500,
        .WindowTop = 750.5,
        .WindowWidth = 12000,
        .WindowHeight = 9000,
        .EditorWidth = 8000,
        .EditorHeight = 6000,
        .StartPage = "http://radar.example/loop",
        .FontName = "Caf\xC3\xA9 Sans",
        .FontBold = true,
        .FontSize = 8.25,
        .EditorColumnWidths = { 1000, 2000, 3000, -1 },
        .ToolTipsOff = 1,
        .SeparateCategorySelector = 1,
        .LastBackupTime = 45366.5,
        .ScriptErrorsSilenced = 1,
        .EditorBackupEnabled = 1,
        .PopUpKilling = 1,
        .RefreshInterval = 5,
        .HideControlsMode = 2,
        .HistoryDaysToKeep = 70000,
        .HistoryLeft = 100,
        .HistoryTop = 200,
        .HistoryWidth = 9600,
        .HistoryHeight = 7200,
        .HistoryColumnWidths = { 100, 200, 300, 400, 500, 600, 700, 800 },
        .HistoryOneClick = 1,
        .HistoryShowDuplicates = 1,
        .PopUpKillBoom = 1,
        .MessengerPath = std::string(260, 'm'),
        .MailAppPath = "/usr/bin/thunderbird",
        .MessengerCaption = "Messenger",
        .MailAppCaption = "Thunderbird",
        .StoreDuplicateUrls = 1,
        .PanelBackColor = static_cast<std::int32_t>(0x80000005u),
        .CheckBoxesShown = 1,
        .ColumnWidths = { 6000, 4500.5, 3000, 1500 },
        .RefreshMode = 3,
        .ClockUtc = 1,
        .HistoryOnTop = 1,
        .HistoryShowTime = -2 };
    place(s.Bytes, 24, le16(0x7777) + le32(0x11223344));
    place(s.Bytes, 330, le32(0xA1A2A3A4) + le16(0xB1B2));
    place(s.Bytes, 518, padded("kept text", 248));
    place(s.Bytes, 1636, le32(0xC1C2C3C4));
    place(s.Bytes, 1656, le32(0xD1D2D3D4));
    return s;
}

const PerWindowSettings kClosingWindow { 15, 1, 2, 1 };

// The record sampleSettings() must give when kClosingWindow closes, written out field by field.
Bytes expectedSampleRecord()
{
    Bytes r(1670, 0xEE);
    // Window and editor 1500, 750.5, 12000, 9000, 8000, 6000; reserved 0 and reserved as read.
    place(r, 0,
        le32(kF1500) + le32(0x443BA000) + le32(0x463B8000) + le32(0x460CA000) + le32(0x45FA0000)
            + le32(kF6000) + le16(0) + le32(0x11223344));
    place(r, 30, padded("http://radar.example/loop", 300) + le32(0xA1A2A3A4) + le16(0xB1B2));
    place(r, 336, padded("Caf\xE9 Sans", 128)); // Windows-1252
    place(r, 464, le16(0xFFFF) + le32(0x41040000)); // FontBold -1, FontSize 8.25
    place(r, 470, le32(0x447A0000) + le32(kF2000) + le32(0x453B8000) + le32(0xBF800000));
    place(r, 486, le16(1) + le16(0) + le16(1));
    place(r, 492, le64(0x40E626D000000000)); // 2024-03-15 12:00
    // RefreshInterval 15 comes from the closing window.
    place(
        r, 500, le16(1) + le16(1) + le16(1) + le16(0) + le16(15) + le16(0) + le16(2) + le32(70000));
    place(r, 518, padded("kept text", 248));
    place(r, 766, le32(0x42C80000) + le32(0x43480000) + le32(0x46160000) + le32(0x45E10000));
    place(r, 782,
        le32(0x42C80000) + le32(0x43480000) + le32(0x43960000) + le32(0x43C80000) + le32(0x43FA0000)
            + le32(0x44160000) + le32(0x442F0000) + le32(0x44480000));
    place(r, 814, le16(1) + le16(0) + le16(1) + le16(1));
    place(r, 822, Bytes(256, 'm')); // cut to its width
    place(r, 1078,
        padded("/usr/bin/thunderbird", 256) + padded("Messenger", 32) + padded("Thunderbird", 256));
    // Swap and cycle states at 1630 come from the closing window.
    place(r, 1622,
        le16(1) + le32(0x80000005) + le16(1) + le16(1) + le16(2) + le16(1) + le32(0xC1C2C3C4));
    place(r, 1640,
        le32(kF6000) + le32(0x458CA400) + le32(0x453B8000) + le32(kF1500) + le32(0xD1D2D3D4));
    place(r, 1660, le16(3) + le16(0) + le16(1) + le16(1) + le16(0xFFFE));
    return r;
}

// Offset 24 is written as 0 and the other reserved fields as read.
TEST(SettingsCodec, EncodesEveryFieldAtItsOffset)
{
    const Bytes expected = expectedSampleRecord();
    ASSERT_EQ(std::count(expected.begin(), expected.end(), 0xEE), 0); // every byte written out
    EXPECT_EQ(encodeSettings(sampleSettings(), kClosingWindow), expected);
}

TEST(SettingsCodec, DecodesTheHandWrittenRecord)
{
    Bytes r = expectedSampleRecord();
    place(r, 464, le16(1)); // any non-zero is bold
    place(r, 1366, padded("  Thunderbird", 256)); // texts are trimmed of blanks
    Settings expected = sampleSettings();
    expected.MessengerPath.resize(256);
    expected.RefreshInterval = 15;
    expected.TimerControlsSwapped = 1;
    expected.CycleButton1State = 2;
    expected.CycleButton2State = 1;
    expected.Bytes = r;
    const Settings s = decodeSettings(r);
    EXPECT_EQ(s, expected);
    EXPECT_EQ(s.Bytes, r);
}

// A short seed completed from a blank record is the settings file's test.
TEST(SettingsCodec, NewSettingsWriteABlankRecord)
{
    Bytes expected = blankRecordBytes();
    place(expected, 508, le16(1));
    EXPECT_EQ(encodeSettings(Settings {}, PerWindowSettings { 1, 0, 0, 0 }), expected);
    EXPECT_EQ(decodeSettings(blankRecordBytes()), Settings {});
    EXPECT_EQ(decodeSettings(Bytes {}), Settings {});
}

} // namespace
