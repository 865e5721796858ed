// The arithmetic and tables the main window is built from: address display, placement,
// layout and selector sizes.

#include "browser/address_display.h"
#include "browser/address_input.h"
#include "browser/page_placement.h"
#include "browser/site_selector.h"
#include "browser/window_layout.h"

#include <gtest/gtest.h>

using namespace sg;

TEST(AddressDisplayForm, ShowsLocalFilesAsPathsWithBlanks)
{
    EXPECT_EQ(
        AddressDisplayForm("file:///home/me/My%20Pages/a%20b.htm"), "/home/me/My Pages/a b.htm");
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
    EXPECT_EQ(requestedLeftFor(1000, work), 19200 - 6600);
    EXPECT_EQ(requestedTopFor(2000, work), 10800 - 1800);
    // Width: at least 6720; the window is the request + 120, or the whole work area once
    // the request + 1200 no longer fits.
    EXPECT_EQ(requestedWidthFor(100, work), (ExtentRequest { 6720, 6840 }));
    EXPECT_EQ(requestedWidthFor(1199, work), (ExtentRequest { 17985, 18105 }));
    EXPECT_EQ(requestedWidthFor(1201, work), (ExtentRequest { 18015, 19200 }));
    EXPECT_EQ(requestedWidthFor(5000, work), (ExtentRequest { 19200, 19200 }));
    EXPECT_EQ(requestedHeightFor(640, work), (ExtentRequest { 9600, 10800 }));
}

// A page that fits is refitted in PostDownload's tests; this one asks for more than there is.
TEST(PagePlacement, RefitKeepsThePageInsideTheWorkArea)
{
    const Refit fit = refitToPage(
        { 19150, 10500, 465, 435, 270, { 900, 600, 9000, 7000 }, { 0, 0, 19200, 10800 } });
    EXPECT_EQ(fit.browser, (Rect { -30, 435, 19080 + 60, 10800 - (465 + 435 + 270) }));
    EXPECT_EQ(fit.window.height, 10800);
    EXPECT_EQ(fit.window.width, 19200);
}

TEST(WindowLayout, DefaultPlacementAndSavingRules)
{
    EXPECT_EQ(defaultPlacement({ 0, 400, 12000, 9000 }), (Rect { 900, 1300, 10200, 7200 }));
    EXPECT_TRUE(placementSavable(true, false, { 0, 0, 8010, 3000 }));
    EXPECT_FALSE(placementSavable(true, false, { 0, 0, 8000, 9000 }));
    EXPECT_FALSE(placementSavable(true, false, { 0, 0, 9000, 2990 }));
}

TEST(WindowLayout, ToolbarBandIsJustBelowTheCaption)
{
    const Rect window { 1500, 1500, 12000, 9000 }; // pixels 100, 100, 800 x 600
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
    EXPECT_EQ(fittedListHeight(1, 300, 390, 2000), 2000 - 390 - 600); // the room before 1560
    EXPECT_EQ(selectorListTop(390), 390);
    EXPECT_EQ(selectorListTop(500), 435);
}
