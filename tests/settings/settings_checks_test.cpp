#include "record_bytes.h"
#include "settings/settings_checks.h"
#include "settings/settings_codec.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace sg;
using namespace settingstest;
using sgtest::bytesOf;

namespace {

constexpr std::int32_t kThemed = static_cast<std::int32_t>(0x80000005u);

// Settings decoded from a blank record with some bytes replaced, then checked.
Settings loadedFrom(const std::function<void(Bytes&)>& edit)
{
    Bytes r = blankRecordBytes();
    edit(r);
    Settings s = decodeSettings(r);
    applyLoadChecks(s, kThemed);
    return s;
}

struct I16Case {
    std::size_t offset;
    std::int16_t stored;
    std::int16_t loaded;
    std::int16_t Settings::*field;
};

class LoadChecksI16 : public testing::TestWithParam<I16Case> { };

TEST_P(LoadChecksI16, CorrectsOutOfRangeValues)
{
    const auto c = GetParam();
    const Settings s = loadedFrom([&](Bytes& r) { place(r, c.offset, le16(c.stored)); });
    EXPECT_EQ(s.*c.field, c.loaded) << "stored " << c.stored << " at " << c.offset;
}

INSTANTIATE_TEST_SUITE_P(Fields, LoadChecksI16,
    testing::Values(I16Case { 508, 0, 1, &Settings::RefreshInterval },
        I16Case { 508, -5, 1, &Settings::RefreshInterval },
        I16Case { 508, 10080, 10080, &Settings::RefreshInterval },
        I16Case { 508, 10081, 10080, &Settings::RefreshInterval },
        I16Case { 500, 1, 0, &Settings::ScriptErrorsSilenced },
        I16Case { 1634, 2, 2, &Settings::CycleButton2State },
        I16Case { 1634, 3, 0, &Settings::CycleButton2State },
        I16Case { 1632, -1, 0, &Settings::CycleButton1State },
        I16Case { 1630, 1, 1, &Settings::TimerControlsSwapped },
        I16Case { 1630, 2, 0, &Settings::TimerControlsSwapped },
        I16Case { 1628, -1, 0, &Settings::CheckBoxesShown },
        I16Case { 1622, 2, 0, &Settings::StoreDuplicateUrls },
        I16Case { 1622, -1, 0, &Settings::StoreDuplicateUrls },
        I16Case { 510, 2, 0, &Settings::StatusBarHidden },
        I16Case { 510, -1, -1, &Settings::StatusBarHidden }, // only "above 1" is corrected
        I16Case { 506, 5, 0, &Settings::NewWindowStaysChecked },
        I16Case { 502, 2, 0, &Settings::EditorBackupEnabled },
        I16Case { 502, 1, 1, &Settings::EditorBackupEnabled }));

TEST(LoadChecks, HistoryDaysToKeepOutsideZeroTo9999BecomesSeven)
{
    const auto days = [](std::uint32_t stored) {
        return loadedFrom([&](Bytes& r) { place(r, 514, le32(stored)); }).HistoryDaysToKeep;
    };
    EXPECT_EQ(days(10000), 7);
    EXPECT_EQ(days(9999), 9999);
    EXPECT_EQ(days(0), 0);
    EXPECT_EQ(days(0xFFFFFFFF), 7); // -1
    EXPECT_EQ(days(0x80000000), 7);
}

TEST(LoadChecks, ZeroColumnWidthsBecome6000OthersStay)
{
    const Settings s = loadedFrom([](Bytes& r) {
        place(r, 1640, le32(kF0) + le32(kF1500) + le32(0xBF800000) + le32(0x80000000)); // -1, -0
    });
    EXPECT_EQ(s.ColumnWidths, (std::array<float, 4> { 6000, 1500, -1, 6000 }));
}

TEST(LoadChecks, PanelBackColorIsRecomputed)
{
    Settings s = loadedFrom([](Bytes& r) { place(r, 1624, le32(0x8000000F)); });
    EXPECT_EQ(s.PanelBackColor, kThemed);
    applyLoadChecks(s, kButtonFaceColor);
    EXPECT_EQ(s.PanelBackColor, kButtonFaceColor);
}

TEST(LoadChecks, EmptyOrNeverWrittenLauncherTextsTakeTheirDefaults)
{
    const Settings s = loadedFrom([](Bytes& r) {
        place(r, 822, Bytes(256, 0)); // never written: NULs
        place(r, 1078, Bytes { 0 } + bytesOf("junk"));
        place(r, 1334, padded("My Messenger", 32));
    });
    EXPECT_EQ(s.MessengerPath, "C:\\Program Files\\Messenger\\MSMSGS.EXE");
    EXPECT_EQ(s.MailAppPath, "C:\\Program Files\\Outlook Express\\msimn.exe");
    EXPECT_EQ(s.MessengerCaption, "My Messenger");
    EXPECT_EQ(s.MailAppCaption, "Outlook Express");
}

TEST(LoadChecks, NeverWrittenStartPageAndFontNameAreEmpty)
{
    const Settings s = loadedFrom([](Bytes& r) {
        place(r, 30, Bytes(300, 0));
        place(r, 336, Bytes(128, 0));
    });
    EXPECT_EQ(s.StartPage, "");
    EXPECT_EQ(s.FontName, "");
}

TEST(LoadChecks, NonFiniteNumbersCountAsOutOfRange)
{
    for (const std::uint32_t bad : { kFNaN, kFPlusInf, kFMinusInf }) {
        const Settings s = loadedFrom([&](Bytes& r) {
            for (std::size_t at = 0; at < 24; at += 4)
                place(r, at, le32(bad));
            place(r, 466, le32(bad));
            for (std::size_t at = 470; at < 486; at += 4)
                place(r, at, le32(bad));
            for (std::size_t at = 766; at < 814; at += 4)
                place(r, at, le32(bad));
            for (std::size_t at = 1640; at < 1656; at += 4)
                place(r, at, le32(bad));
        });
        EXPECT_EQ(s.WindowLeft, 0);
        EXPECT_EQ(s.WindowTop, 0);
        EXPECT_EQ(s.WindowWidth, 7095);
        EXPECT_EQ(s.WindowHeight, 5445);
        EXPECT_EQ(s.EditorWidth, 6945);
        EXPECT_EQ(s.EditorHeight, 3525);
        EXPECT_EQ(s.FontSize, 8);
        EXPECT_EQ(s.EditorColumnWidths, (std::array<float, 4> {}));
        EXPECT_EQ(s.HistoryLeft, 0);
        EXPECT_EQ(s.HistoryTop, 0);
        EXPECT_EQ(s.HistoryWidth, 0);
        EXPECT_EQ(s.HistoryHeight, 0);
        EXPECT_EQ(s.HistoryColumnWidths, (std::array<float, 8> {}));
        EXPECT_EQ(s.ColumnWidths, (std::array<float, 4> { 6000, 6000, 6000, 6000 }));
    }
}

TEST(LoadChecks, LeaveInRangeValuesAlone)
{
    Settings s;
    s.RefreshInterval = 30;
    s.HistoryDaysToKeep = 14;
    s.ColumnWidths = { 1, 2, 3, 4 };
    s.MessengerPath = "/usr/bin/pidgin";
    s.MessengerCaption = "Pidgin";
    s.MailAppPath = "/usr/bin/thunderbird";
    s.MailAppCaption = "Thunderbird";
    s.PanelBackColor = kThemed;
    s.WindowWidth = 100; // sizes are checked against the screen, not here
    Settings checked = s;
    applyLoadChecks(checked, kThemed);
    EXPECT_EQ(checked, s);
}

class ScreenChecks : public testing::Test {
protected:
    Settings inRange()
    {
        Settings s;
        s.WindowLeft = 1500;
        s.WindowTop = 750;
        s.WindowWidth = 12000;
        s.WindowHeight = 9000;
        s.EditorWidth = 8000;
        s.EditorHeight = 6000;
        return s;
    }
    static constexpr double kWidth = 19200; // 1280 pixels
    static constexpr double kHeight = 14400; // 960 pixels
};

TEST_F(ScreenChecks, KeepAWindowThatFits)
{
    Settings s = inRange();
    checkWindowGeometry(s, kWidth, kHeight);
    EXPECT_EQ(s, inRange());
}

TEST_F(ScreenChecks, MoveAWindowOffTheScreenToZero)
{
    Settings s = inRange();
    s.WindowLeft = 30000;
    s.WindowTop = 12901;
    checkWindowGeometry(s, kWidth, kHeight);
    EXPECT_EQ(s.WindowLeft, 0);
    EXPECT_EQ(s.WindowTop, 0);

    s.WindowLeft = 16200; // exactly width - 3000 stays
    s.WindowTop = 12900;
    checkWindowGeometry(s, kWidth, kHeight);
    EXPECT_EQ(s.WindowLeft, 16200);
    EXPECT_EQ(s.WindowTop, 12900);

    s.WindowLeft = -1;
    s.WindowTop = -0.5;
    checkWindowGeometry(s, kWidth, kHeight);
    EXPECT_EQ(s.WindowLeft, 0);
    EXPECT_EQ(s.WindowTop, 0);
}

TEST_F(ScreenChecks, RaiseSizesToTheirMinimum)
{
    Settings s = inRange();
    s.WindowWidth = 2000;
    s.WindowHeight = 5444;
    s.EditorWidth = -1;
    s.EditorHeight = std::numeric_limits<float>::quiet_NaN();
    checkWindowGeometry(s, kWidth, kHeight);
    EXPECT_EQ(s.WindowWidth, 7095);
    EXPECT_EQ(s.WindowHeight, 5445);
    EXPECT_EQ(s.EditorWidth, 6945);
    EXPECT_EQ(s.EditorHeight, 3525);
}

TEST_F(ScreenChecks, NonFinitePositionsBecomeZero)
{
    Settings s = inRange();
    s.WindowLeft = std::numeric_limits<float>::quiet_NaN();
    s.WindowTop = std::numeric_limits<float>::infinity();
    checkWindowGeometry(s, kWidth, kHeight);
    EXPECT_EQ(s.WindowLeft, 0);
    EXPECT_EQ(s.WindowTop, 0);
}

class FontChoice : public testing::Test {
protected:
    Settings withFont(std::string name, float size, bool bold)
    {
        Settings s;
        s.FontName = std::move(name);
        s.FontSize = size;
        s.FontBold = bold;
        return s;
    }
    void expectFont(const Settings& s, const std::string& name, float size, bool bold)
    {
        EXPECT_EQ(s.FontName, name);
        EXPECT_EQ(s.FontSize, size);
        EXPECT_EQ(s.FontBold, bold);
    }
};

TEST_F(FontChoice, KeepsAnInstalledFont)
{
    Settings s = withFont("DejaVu Sans", 11, true);
    chooseDisplayFont(s, { "Arial", "DejaVu Sans" });
    expectFont(s, "DejaVu Sans", 11, true);
}

TEST_F(FontChoice, TinySizeOfAnInstalledFontBecomesEight)
{
    Settings s = withFont("DejaVu Sans", 1.5, true);
    chooseDisplayFont(s, { "DejaVu Sans" });
    expectFont(s, "DejaVu Sans", 8, true);
}

TEST_F(FontChoice, MatchIsCaseSensitive)
{
    Settings s = withFont("dejavu sans", 11, true);
    chooseDisplayFont(s, { "DejaVu Sans", "Verdana" });
    expectFont(s, "Verdana", 8, false);
}

TEST_F(FontChoice, ArialWithoutVerdanaGivesArialNineNotBold)
{
    Settings s = withFont("Missing Font", 12, true);
    chooseDisplayFont(s, { "DejaVu Sans", "MS Sans Serif", "Arial" });
    expectFont(s, "Arial", 9, false);
}

TEST_F(FontChoice, FallsBackToMsSansSerifThenTheFirstFont)
{
    Settings s = withFont("Missing Font", 12, true);
    chooseDisplayFont(s, { "DejaVu Sans", "MS Sans Serif" });
    expectFont(s, "MS Sans Serif", 8, false);

    s = withFont("Missing Font", 12, true);
    chooseDisplayFont(s, { "DejaVu Sans", "Liberation Serif" });
    expectFont(s, "DejaVu Sans", 8, false);
}

TEST_F(FontChoice, NoInstalledFontsChangeNothing)
{
    Settings s = withFont("Missing Font", 1, true);
    chooseDisplayFont(s, {});
    expectFont(s, "Missing Font", 1, true);
}

} // namespace
