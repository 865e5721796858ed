#include "record_bytes.h"
#include "settings/settings_codec.h"

#include <gtest/gtest.h>

using namespace sg;
using namespace settingstest;

namespace {

// Every named field set to a value of its own, and reserved bytes that must survive.
Settings sampleSettings()
{
    Settings s;
    s.WindowLeft = 1500;
    s.WindowTop = 750.5;
    s.WindowWidth = 12000;
    s.WindowHeight = 9000;
    s.EditorWidth = 8000;
    s.EditorHeight = 6000;
    s.StartPage = "http://radar.example/loop";
    s.FontName = "Caf\xC3\xA9 Sans";
    s.FontBold = true;
    s.FontSize = 8.25;
    s.EditorColumnWidths = { 1000, 2000, 3000, -1 };
    s.ToolTipsOff = 1;
    s.DeleteWarningsOff = 0;
    s.SeparateCategorySelector = 1;
    s.LastBackupTime = 45366.5;
    s.ScriptErrorsSilenced = 1;
    s.EditorBackupEnabled = 1;
    s.PopUpKilling = 1;
    s.NewWindowStaysChecked = 0;
    s.RefreshInterval = 5;
    s.StatusBarHidden = 0;
    s.HideControlsMode = 2;
    s.HistoryDaysToKeep = 70000;
    s.HistoryLeft = 100;
    s.HistoryTop = 200;
    s.HistoryWidth = 9600;
    s.HistoryHeight = 7200;
    s.HistoryColumnWidths = { 100, 200, 300, 400, 500, 600, 700, 800 };
    s.HistoryOneClick = 1;
    s.HistoryKeepNewestVisible = 0;
    s.HistoryShowDuplicates = 1;
    s.PopUpKillBoom = 1;
    s.MessengerPath = std::string(260, 'm');
    s.MailAppPath = "/usr/bin/thunderbird";
    s.MessengerCaption = "Messenger";
    s.MailAppCaption = "Thunderbird";
    s.StoreDuplicateUrls = 1;
    s.PanelBackColor = static_cast<std::int32_t>(0x80000005u);
    s.CheckBoxesShown = 1;
    s.TimerControlsSwapped = 0;
    s.CycleButton1State = 0;
    s.CycleButton2State = 0;
    s.ColumnWidths = { 6000, 4500.5, 3000, 1500 };
    s.RefreshMode = 3;
    s.ClockHidden = 0;
    s.ClockUtc = 1;
    s.HistoryOnTop = 1;
    s.HistoryShowTime = -2;

    place(s.Bytes, 24, le16(0x7777));
    place(s.Bytes, 26, le32(0x11223344));
    place(s.Bytes, 330, le32(0xA1A2A3A4));
    place(s.Bytes, 334, le16(0xB1B2));
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
    place(r, 0, le32(kF1500)); // WindowLeft
    place(r, 4, le32(0x443BA000)); // WindowTop 750.5
    place(r, 8, le32(0x463B8000)); // WindowWidth 12000
    place(r, 12, le32(0x460CA000)); // WindowHeight 9000
    place(r, 16, le32(0x45FA0000)); // EditorWidth 8000
    place(r, 20, le32(kF6000)); // EditorHeight
    place(r, 24, le16(0)); // reserved, always 0
    place(r, 26, le32(0x11223344)); // reserved, as read
    place(r, 30, padded("http://radar.example/loop", 300));
    place(r, 330, le32(0xA1A2A3A4));
    place(r, 334, le16(0xB1B2));
    place(r, 336, padded("Caf\xE9 Sans", 128)); // Windows-1252
    place(r, 464, le16(0xFFFF)); // FontBold -1
    place(r, 466, le32(0x41040000)); // FontSize 8.25
    place(r, 470, le32(0x447A0000) + le32(kF2000) + le32(0x453B8000) + le32(0xBF800000));
    place(r, 486, le16(1) + le16(0) + le16(1));
    place(r, 492, le64(0x40E626D000000000)); // 2024-03-15 12:00
    place(r, 500, le16(1) + le16(1) + le16(1) + le16(0));
    place(r, 508, le16(15)); // RefreshInterval of the closing window
    place(r, 510, le16(0) + le16(2));
    place(r, 514, le32(70000));
    place(r, 518, padded("kept text", 248));
    place(r, 766, le32(0x42C80000) + le32(0x43480000) + le32(0x46160000) + le32(0x45E10000));
    place(r, 782,
        le32(0x42C80000) + le32(0x43480000) + le32(0x43960000) + le32(0x43C80000) + le32(0x43FA0000)
            + le32(0x44160000) + le32(0x442F0000) + le32(0x44480000));
    place(r, 814, le16(1) + le16(0) + le16(1) + le16(1));
    place(r, 822, Bytes(256, 'm')); // cut to its width
    place(r, 1078, padded("/usr/bin/thunderbird", 256));
    place(r, 1334, padded("Messenger", 32));
    place(r, 1366, padded("Thunderbird", 256));
    place(r, 1622, le16(1));
    place(r, 1624, le32(0x80000005));
    place(r, 1628, le16(1));
    place(r, 1630, le16(1) + le16(2) + le16(1)); // swap and cycle states of the closing window
    place(r, 1636, le32(0xC1C2C3C4));
    place(r, 1640, le32(kF6000) + le32(0x458CA400) + le32(0x453B8000) + le32(kF1500));
    place(r, 1656, le32(0xD1D2D3D4));
    place(r, 1660, le16(3) + le16(0) + le16(1) + le16(1) + le16(0xFFFE));
    return r;
}

TEST(SettingsCodec, EncodesEveryFieldAtItsOffset)
{
    const Bytes expected = expectedSampleRecord();
    ASSERT_EQ(std::count(expected.begin(), expected.end(), 0xEE), 0); // every byte written out
    EXPECT_EQ(encodeSettings(sampleSettings(), kClosingWindow), expected);
}

// The round trip below covers the other fields of the record.
TEST(SettingsCodec, DecodesTheHandWrittenRecord)
{
    Bytes r = expectedSampleRecord();
    place(r, 464, le16(1)); // any non-zero is bold
    place(r, 1366, padded("  Thunderbird", 256));
    const Settings s = decodeSettings(r);
    EXPECT_TRUE(s.FontBold);
    EXPECT_EQ(s.FontName, "Caf\xC3\xA9 Sans");
    EXPECT_EQ(s.LastBackupTime, 45366.5);
    EXPECT_EQ(s.RefreshInterval, 15);
    EXPECT_EQ(s.HistoryDaysToKeep, 70000);
    EXPECT_EQ(s.MessengerPath, std::string(256, 'm'));
    EXPECT_EQ(s.MailAppCaption, "Thunderbird");
    EXPECT_EQ(s.PanelBackColor, static_cast<std::int32_t>(0x80000005u));
    EXPECT_EQ(s.CycleButton1State, 2);
    EXPECT_EQ(s.HistoryShowTime, -2);
    EXPECT_EQ(s.Bytes, r);
}

TEST(SettingsCodec, RoundTripsWorkingValuesAndReservedFields)
{
    Settings s = sampleSettings();
    s.MessengerPath = "messenger";
    const Settings back = decodeSettings(encodeSettings(s, perWindowSettingsOf(s)));
    EXPECT_EQ(back, s);
}

TEST(SettingsCodec, ReservedFieldsAreWrittenBackAsReadAndOffset24AsZero)
{
    Bytes read = expectedSampleRecord();
    place(read, 24, le16(0x1234));
    const Settings s = decodeSettings(read);
    const Bytes written = encodeSettings(s, perWindowSettingsOf(s));
    EXPECT_EQ(Bytes(written.begin() + 24, written.begin() + 26), le16(0));
    place(read, 24, le16(0));
    EXPECT_EQ(written, read);
}

TEST(SettingsCodec, NewSettingsWriteABlankRecordExceptPerWindowValues)
{
    Settings s;
    Bytes expected = blankRecordBytes();
    place(expected, 508, le16(1));
    EXPECT_EQ(encodeSettings(s, PerWindowSettings { 1, 0, 0, 0 }), expected);
    EXPECT_EQ(decodeSettings(blankRecordBytes()), Settings {});
}

TEST(SettingsCodec, ShortBytesAreCompletedFromABlankRecord)
{
    const Bytes full = expectedSampleRecord();
    const Settings s = decodeSettings(Bytes(full.begin(), full.begin() + 1000));
    EXPECT_EQ(s.StartPage, "http://radar.example/loop");
    EXPECT_EQ(s.MailAppPath, ""); // 1078.. lies past the cut
    EXPECT_EQ(s.MessengerPath, std::string(178, 'm')); // 822..999 read, the rest blank
    EXPECT_EQ(s.PanelBackColor, 0);
    EXPECT_EQ(s.ColumnWidths, (std::array<float, 4> {}));
    EXPECT_EQ(s.Bytes.size(), 1670u);
    EXPECT_EQ(s.Bytes[1656], 0);
    EXPECT_EQ(decodeSettings(Bytes {}), Settings {});
}

TEST(SettingsCodec, BytesAfterTheRecordAreIgnored)
{
    const Bytes full = expectedSampleRecord();
    EXPECT_EQ(decodeSettings(full + Bytes(500, 0x42)), decodeSettings(full));
}

TEST(SettingsCodec, TextsAreTrimmedOnReadAndPaddedOnWrite)
{
    Bytes r = blankRecordBytes();
    place(r, 30, padded("  /home/me/start.htm   ", 300));
    Settings s = decodeSettings(r);
    EXPECT_EQ(s.StartPage, "/home/me/start.htm");
    s.StartPage += "   ";
    const Bytes written = encodeSettings(s, perWindowSettingsOf(s));
    EXPECT_EQ(
        Bytes(written.begin() + 30, written.begin() + 330), padded("/home/me/start.htm", 300));
    EXPECT_EQ(decodeSettings(written).StartPage, "/home/me/start.htm");
}

} // namespace
