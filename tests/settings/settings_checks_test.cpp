#include "record_bytes.h"
#include "settings/settings_checks.h"
#include "settings/settings_codec.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

using namespace sg;
using namespace settingstest;
using sgtest::bytesOf;
using sgtest::padded;

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

TEST(LoadChecks, CorrectOutOfRangeWholeNumbers)
{
    // One field of each rule: a range, a switch, a three-way state, "above 1 only", always 0.
    const std::tuple<std::size_t, std::int16_t, std::int16_t, std::int16_t Settings::*> cases[] = {
        { 508, 0, 1, &Settings::RefreshInterval },
        { 508, 10080, 10080, &Settings::RefreshInterval },
        { 508, 10081, 10080, &Settings::RefreshInterval },
        { 1630, 1, 1, &Settings::TimerControlsSwapped },
        { 1630, 2, 0, &Settings::TimerControlsSwapped },
        { 1634, 2, 2, &Settings::CycleButton2State }, { 1632, -1, 0, &Settings::CycleButton1State },
        { 510, 2, 0, &Settings::StatusBarHidden }, { 510, -1, -1, &Settings::StatusBarHidden },
        { 500, 1, 0, &Settings::ScriptErrorsSilenced }
    };
    for (const auto& [offset, stored, loaded, field] : cases) {
        const Settings s = loadedFrom([&](Bytes& r) { place(r, offset, le16(stored)); });
        EXPECT_EQ(s.*field, loaded) << "stored " << stored << " at " << offset;
    }
    // 0xFFFFFFFF is -1.
    for (const auto& [stored, loaded] : { std::pair<std::uint32_t, std::int32_t> { 10000, 7 },
             { 9999, 9999 }, { 0, 0 }, { 0xFFFFFFFF, 7 } }) {
        const Settings s = loadedFrom([&](Bytes& r) { place(r, 514, le32(stored)); });
        EXPECT_EQ(s.HistoryDaysToKeep, loaded) << stored;
    }
}

TEST(LoadChecks, ColumnWidthsPanelColourAndEmptyTextsTakeTheirDefaults)
{
    Settings s = loadedFrom([](Bytes& r) {
        place(r, 1640, le32(kF0) + le32(kF1500) + le32(0xBF800000) + le32(0x80000000)); // -1, -0
        place(r, 1624, le32(0x8000000F));
        place(r, 822, Bytes(256, 0)); // never written: NULs
        place(r, 1078, Bytes { 0 } + bytesOf("junk"));
        place(r, 1334, padded("My Messenger", 32));
        place(r, 30, Bytes(300, 0));
        place(r, 336, Bytes(128, 0));
    });
    EXPECT_EQ(s.ColumnWidths, (std::array<float, 4> { 6000, 1500, -1, 6000 }));
    EXPECT_EQ(s.MessengerPath, "C:\\Program Files\\Messenger\\MSMSGS.EXE");
    EXPECT_EQ(s.MailAppPath, "C:\\Program Files\\Outlook Express\\msimn.exe");
    EXPECT_EQ(s.MessengerCaption, "My Messenger");
    EXPECT_EQ(s.MailAppCaption, "Outlook Express");
    EXPECT_EQ(s.StartPage, ""); // never written, but without a default
    EXPECT_EQ(s.FontName, "");
    EXPECT_EQ(s.PanelBackColor, kThemed); // recomputed
    applyLoadChecks(s, kButtonFaceColor);
    EXPECT_EQ(s.PanelBackColor, kButtonFaceColor);
}

TEST(LoadChecks, NonFiniteNumbersCountAsOutOfRange)
{
    // What a blank record loads as, but with the least window and editor sizes and font size.
    Settings expected = loadedFrom([](Bytes&) {});
    std::tie(expected.WindowWidth, expected.WindowHeight, expected.EditorWidth,
        expected.EditorHeight, expected.FontSize)
        = std::tuple(7095, 5445, 6945, 3525, 8);
    for (const std::uint32_t bad : { kFNaN, kFPlusInf, kFMinusInf }) {
        // Window and editor places and sizes, FontSize, EditorColumnWidths, History places,
        // sizes and columns, ColumnWidths.
        const Settings s = loadedFrom([&](Bytes& r) {
            for (const auto& [from, to] : { std::pair<std::size_t, std::size_t> { 0, 24 },
                     { 466, 486 }, { 766, 814 }, { 1640, 1656 } })
                for (std::size_t at = from; at < to; at += 4)
                    place(r, at, le32(bad));
        });
        EXPECT_EQ(s, expected);
    }
}

struct Geometry {
    float left, top, width, height, editorWidth, editorHeight;
    bool operator==(const Geometry&) const = default;
};

TEST(ScreenChecks, MoveWindowsOffTheScreenToZeroAndRaiseSizesToTheirMinimum)
{
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    const Geometry fits { 1500, 750, 12000, 9000, 8000, 6000 };
    const std::pair<Geometry, Geometry> cases[] = {
        { fits, fits },
        { { 30000, 12901, 12000, 9000, 8000, 6000 }, { 0, 0, 12000, 9000, 8000, 6000 } },
        // exactly width - 3000 and height - 1500 stay
        { { 16200, 12900, 12000, 9000, 8000, 6000 }, { 16200, 12900, 12000, 9000, 8000, 6000 } },
        { { -1, -0.5, 12000, 9000, 8000, 6000 }, { 0, 0, 12000, 9000, 8000, 6000 } },
        { { nan, inf, 12000, 9000, 8000, 6000 }, { 0, 0, 12000, 9000, 8000, 6000 } },
        { { 1500, 750, 2000, 5444, -1, nan }, { 1500, 750, 7095, 5445, 6945, 3525 } },
    };
    for (const auto& [in, out] : cases) {
        Settings s;
        std::tie(
            s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight, s.EditorWidth, s.EditorHeight)
            = std::tie(in.left, in.top, in.width, in.height, in.editorWidth, in.editorHeight);
        checkWindowGeometry(s, 19200, 14400); // 1280 x 960 pixels
        EXPECT_EQ((Geometry { s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight,
                      s.EditorWidth, s.EditorHeight }),
            out)
            << "left " << in.left << " width " << in.width;
    }
}

TEST(FontChoice, KeepsAnInstalledFontOrFallsBackInOrder)
{
    struct Case {
        std::string name;
        float size;
        std::vector<std::string> installed;
        std::string chosen;
        float chosenSize;
        bool bold;
    };
    const Case cases[] = {
        { "DejaVu Sans", 11, { "Arial", "DejaVu Sans" }, "DejaVu Sans", 11, true },
        { "DejaVu Sans", 1.5, { "DejaVu Sans" }, "DejaVu Sans", 8, true }, // tiny size
        { "dejavu sans", 11, { "DejaVu Sans", "Verdana" }, "Verdana", 8, false }, // case counts
        { "Missing Font", 12, { "DejaVu Sans", "MS Sans Serif", "Arial" }, "Arial", 9, false },
        { "Missing Font", 12, { "DejaVu Sans", "MS Sans Serif" }, "MS Sans Serif", 8, false },
        { "Missing Font", 12, { "DejaVu Sans", "Liberation Serif" }, "DejaVu Sans", 8, false },
        { "Missing Font", 1, {}, "Missing Font", 1, true }, // no fonts: nothing changes
    };
    for (const Case& c : cases) {
        Settings s;
        s.FontName = c.name;
        s.FontSize = c.size;
        s.FontBold = true;
        chooseDisplayFont(s, c.installed);
        EXPECT_EQ(s.FontName, c.chosen) << c.name << " " << c.size;
        EXPECT_EQ(s.FontSize, c.chosenSize) << c.name << " " << c.size;
        EXPECT_EQ(s.FontBold, c.bold) << c.name << " " << c.size;
    }
}

} // namespace
