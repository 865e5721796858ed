#include "settings/tool_tips.h"

#include <gtest/gtest.h>

using namespace sg;

namespace {

TEST(ToolTips, RefreshModeEntryNamesEachMode)
{
    Settings s;
    const auto tipFor = [&](std::int16_t mode) {
        s.RefreshMode = mode;
        return makeToolTipTexts(s)[6];
    };
    EXPECT_EQ(tipFor(0), "Refresh Page: Normal (Right-Click To Change Mode)");
    EXPECT_EQ(tipFor(1), "Refresh Page: If Expired (Right-Click To Change Mode)");
    EXPECT_EQ(tipFor(3), "Refresh Page: Completely (Right-Click To Change Mode)");
    EXPECT_EQ(tipFor(2), "Refresh Page:  (Right-Click To Change Mode)");
}

TEST(ToolTips, MailEntryCarriesTheMailCaption)
{
    Settings s;
    s.MailAppCaption = "Thunderbird";
    EXPECT_EQ(makeToolTipTexts(s)[47], "Open Thunderbird (Right-Click To Cycle)");
}

TEST(ToolTips, TextsNamingTheProgramAndTheirNeighbours)
{
    const ToolTipTexts t = makeToolTipTexts(Settings {});
    EXPECT_EQ(t[0], "Show Menu");
    EXPECT_EQ(t[2], " min. = Refresh Interval (Dbl Click - Timer On-Off)");
    EXPECT_EQ(t[16],
        "Adds The Address Of The Page Currently Displayed In The Skyglass2 To The List, Below");
    EXPECT_EQ(
        t[24], "Back Up - Copies Your Category And Site List Files To Skyglass2's Back-Up Dir");
    EXPECT_EQ(t[34], "If Checked, Will Push Up Today's List When New Items Are Added.");
    EXPECT_EQ(t[38], "Skyglass2 - Full Screen Window");
    EXPECT_EQ(t[41], "Forward");
    EXPECT_EQ(t[42], "Back");
    EXPECT_EQ(t[51], "Time (Dbl-Clk On/Off) (Right-Clk Local/UTC)");
    for (std::size_t i = 52; i < 56; ++i)
        EXPECT_EQ(t[i], "") << i;
}

} // namespace
