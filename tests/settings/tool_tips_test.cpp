#include "settings/tool_tips.h"

#include <gtest/gtest.h>

using namespace sg;

// The texts are the table's; only the entries made from the settings are checked.
TEST(ToolTips, RefreshAndMailEntriesFollowTheSettings)
{
    Settings s;
    s.MailAppCaption = "Thunderbird";
    const char* const modes[] = { "Normal", "If Expired", "", "Completely" };
    for (std::int16_t mode = 0; mode < 4; ++mode) {
        s.RefreshMode = mode;
        EXPECT_EQ(makeToolTipTexts(s)[ToolTip::RefreshButton],
            std::string("Refresh Page: ") + modes[mode] + " (Right-Click To Change Mode)");
    }
    EXPECT_EQ(makeToolTipTexts(s)[ToolTip::MailCycle], "Open Thunderbird (Right-Click To Cycle)");
}
