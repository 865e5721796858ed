// The arithmetic and tables the main window is built from: address display, placement,
// layout and selector sizes, and the pop-up modes.

#include "browser/address_display.h"
#include "browser/address_input.h"
#include "browser/page_placement.h"
#include "browser/popup_modes.h"
#include "browser/site_selector.h"
#include "browser/window_layout.h"

#include <gtest/gtest.h>

using namespace sg;

TEST(AddressDisplayForm, ShowsLocalFilesAsPathsWithBlanks)
{
    EXPECT_EQ(
        AddressDisplayForm("file:///home/me/My%20Pages/a%20b.htm"), "/home/me/My Pages/a b.htm");
    EXPECT_EQ(AddressDisplayForm("FILE:///Tmp/X.htm"), "/Tmp/X.htm");
    EXPECT_EQ(AddressDisplayForm("http://a.example/x%20y"), "http://a.example/x%20y");
    EXPECT_EQ(AddressDisplayForm("file://"), "file://");
    EXPECT_EQ(addressBoxTextFor("Http:///"), "http://");
    EXPECT_EQ(addressBoxTextFor("http://a.example/"), "http://a.example/");
}

TEST(AddressToLoad, AddressesStayAndWordsAreSearchedForUnderTheUnloggedPrefix)
{
    for (const char* address : { "http://radar.example/loop", "radar.example", "localhost:8080/x",
             "10.0.0.1", "/home/me/page.htm", "file:///tmp/a%20b.htm", "about:blank",
             "mailto:me@example.org", "" })
        EXPECT_EQ(addressToLoad(address), address);
    EXPECT_EQ(addressToLoad("  weather radar "), "http://www.google.com/search?q=weather+radar");
    EXPECT_EQ(addressToLoad("radar"), "http://www.google.com/search?q=radar");
    EXPECT_EQ(addressToLoad("a&b=c\xC3\xA9"), "http://www.google.com/search?q=a%26b%3Dc%C3%A9");
}

TEST(PagePlacement, ClampsRequestsToTheWorkArea)
{
    const Rect work { 0, 0, 19200, 10800 };
    EXPECT_EQ(requestedLeftFor(-5, work), 0);
    EXPECT_EQ(requestedLeftFor(100, work), 1500);
    EXPECT_EQ(requestedLeftFor(1000, work), 19200 - 6600);
    EXPECT_EQ(requestedTopFor(2000, work), 10800 - 1800);
    // Width: at least 6720; the window is the request + 120, or the whole work area once
    // the request + 1200 no longer fits.
    EXPECT_EQ(requestedWidthFor(100, work), (ExtentRequest { 6720, 6840 }));
    EXPECT_EQ(requestedWidthFor(1000, work), (ExtentRequest { 15000, 15120 }));
    EXPECT_EQ(requestedWidthFor(1199, work), (ExtentRequest { 17985, 18105 }));
    EXPECT_EQ(requestedWidthFor(1201, work), (ExtentRequest { 18015, 19200 }));
    EXPECT_EQ(requestedWidthFor(5000, work), (ExtentRequest { 19200, 19200 }));
    EXPECT_EQ(requestedHeightFor(10, work), (ExtentRequest { 1500, 2700 }));
    EXPECT_EQ(requestedHeightFor(640, work), (ExtentRequest { 9600, 10800 }));
}

TEST(PagePlacement, CaptionAllowanceSteps)
{
    const std::pair<int, double> steps[] = { { 19, 405 }, { 20, 465 }, { 23, 465 }, { 24, 495 },
        { 26, 510 }, { 30, 570 }, { 34, 660 }, { 39, 660 }, { 45, 750 } };
    for (const auto& [c, allowance] : steps)
        EXPECT_EQ(captionAllowance(c), allowance) << c;
}

TEST(PagePlacement, RefitKeepsThePageInsideTheWorkArea)
{
    RefitInput in { 6000, 4000, 465, 435, 0, { 900, 600, 9000, 7000 }, { 0, 0, 19200, 10800 } };
    EXPECT_EQ(refitToPage(in),
        (Refit { { -30, 435, 6060, 4000 }, { 900, 600, 6120, 4000 + 465 + 435 } }));
    in.requestedWidth = 19150;
    in.requestedHeight = 10500;
    in.statusAllowance = 270;
    const Refit fit = refitToPage(in);
    EXPECT_EQ(fit.browser, (Rect { -30, 435, 19080 + 60, 10800 - (465 + 435 + 270) }));
    EXPECT_EQ(fit.window.height, 10800);
    EXPECT_EQ(fit.window.width, 19200);
}

TEST(PagePlacement, NewWindowsCascadeUpAndLeft)
{
    EXPECT_EQ(cascadeNewWindow(1500), 900);
    EXPECT_EQ(cascadeNewWindow(600), 0);
    EXPECT_EQ(cascadeNewWindow(500), 800); // -100 + 900: 300 right of the old place
    EXPECT_EQ(cascadeNewWindow(0), 300);
}

TEST(WindowLayout, DefaultPlacementAndSavingRules)
{
    EXPECT_EQ(defaultPlacement({ 0, 0, 19200, 10800 }), (Rect { 2962.5, 900, 13275, 9000 }));
    EXPECT_EQ(defaultPlacement({ 0, 400, 12000, 9000 }), (Rect { 900, 1300, 10200, 7200 }));
    EXPECT_EQ(heldToMinimumSize({ 5, 6, 3000, 2000 }), (Rect { 5, 6, 6600, 3600 }));
    EXPECT_TRUE(placementSavable(true, false, { 0, 0, 8010, 3000 }));
    EXPECT_FALSE(placementSavable(true, false, { 0, 0, 8000, 9000 }));
    EXPECT_FALSE(placementSavable(true, false, { 0, 0, 9000, 2990 }));
    EXPECT_FALSE(placementSavable(false, false, { 0, 0, 9000, 9000 }));
    EXPECT_FALSE(placementSavable(true, true, { 0, 0, 9000, 9000 }));
}

TEST(WindowLayout, ToolbarBandIsJustBelowTheCaption)
{
    const Rect window { 1500, 1500, 12000, 9000 }; // pixels 100, 100, 800 x 600
    EXPECT_TRUE(pointerOverToolbarBand(window, 20, { 400, 130 }));
    EXPECT_FALSE(pointerOverToolbarBand(window, 20, { 400, 118 })); // T = 118
    EXPECT_FALSE(pointerOverToolbarBand(window, 20, { 400, 159 })); // B = 159
    EXPECT_TRUE(pointerOverToolbarBand(window, 20, { 99, 150 }));
    EXPECT_FALSE(pointerOverToolbarBand(window, 20, { 902, 150 })); // R = 902
}

TEST(SiteSelector, HeightFactorsAndBounds)
{
    // Under 6 rows 2.0, 6 to 8 rows 1.7, over 8 rows 1.4 row units; at least 1560.
    EXPECT_DOUBLE_EQ(fittedListHeight(5, 300, 390, 20000), 3000);
    EXPECT_DOUBLE_EQ(fittedListHeight(6, 300, 390, 20000), 3060);
    EXPECT_DOUBLE_EQ(fittedListHeight(8, 300, 390, 20000), 4080);
    EXPECT_DOUBLE_EQ(fittedListHeight(9, 300, 390, 20000), 3780);
    EXPECT_EQ(fittedListHeight(2, 300, 390, 20000), 1560);
    EXPECT_EQ(fittedListHeight(40, 300, 390, 8000), 8000 - 390 - 600);
    EXPECT_EQ(fittedListHeight(1, 300, 390, 2000), 2000 - 390 - 600);
    EXPECT_EQ(selectorListTop(390), 390);
    EXPECT_EQ(selectorListTop(500), 435);
}

TEST(PopUpModes, ToggleCyclesAndTables)
{
    Settings s;
    using Mode = std::pair<std::int16_t, std::int16_t>;
    const auto mode = [&] { return Mode(s.PopUpKilling, s.PopUpKillBoom); };
    toggleKillPops(s);
    EXPECT_EQ(mode(), Mode(1, 0));
    toggleKillPops(s);
    EXPECT_EQ(mode(), Mode(0, 0));
    toggleKillPopsBoom(s);
    EXPECT_EQ(mode(), Mode(1, 1));
    toggleKillPops(s); // boom -> plain kill, not off
    EXPECT_EQ(mode(), Mode(1, 0));
    toggleKillPopsBoom(s);
    toggleKillPopsBoom(s);
    EXPECT_EQ(mode(), Mode(0, 0));

    struct Row {
        std::int16_t silenced, killing, boom;
        PopUpIndicators shown;
    };
    const Row table[] = {
        { 1, 1, 0, { true, false, true, "Pops-Script", 1 } },
        { 1, 0, 0, { false, false, true, "Script Msg", 1 } },
        { 0, 1, 1, { false, true, false, "Pop-Ups", 1 } },
        { 0, 0, 1, { false, false, false, "", 2 } },
    };
    for (const Row& row : table) {
        s.ScriptErrorsSilenced = row.silenced;
        s.PopUpKilling = row.killing;
        s.PopUpKillBoom = row.boom;
        EXPECT_EQ(popUpIndicatorsFor(s), row.shown) << row.shown.panel3Text;
    }
}
