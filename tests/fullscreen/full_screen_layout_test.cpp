// The full-screen window's arithmetic (its fit to the work area is in the logic test): the layout,
// the panel's drop, the cascade.

#include "fullscreen/full_screen_layout.h"

#include <gtest/gtest.h>

namespace {

using namespace sg;

TEST(FullScreenLayout, ButtonsAndBrowserFollowTheClientSize)
{
    const FullScreenLayout layout = fullScreenLayout({ 24000, 14955 });
    EXPECT_EQ(layout.closeButton.left, 23235);
    EXPECT_EQ(layout.refreshButton.left, 22380);
    EXPECT_EQ(layout.backButton.left, 21525);
    EXPECT_EQ(layout.forwardButton.left, 21900);
    EXPECT_EQ(layout.titleStrip.width, 19680);
    EXPECT_EQ(layout.browser, (Rect { -30, 90, 24060, 14865 }));
    // The title strip ends before Back; the fixed buttons end before the strip.
    EXPECT_LE(layout.titleStrip.right(), layout.backButton.left);
    EXPECT_LE(addPageButtonRect().right(), layout.titleStrip.left);
    EXPECT_LE(dockButtonRect().right(), addPageButtonRect().left);
}

TEST(FullScreenLayout, PanelDropPutsTheGrabbedPointUnderTheDrop)
{
    const Rect panel { 1440, 450, 5400, 585 };
    const Size client { 24000, 15000 };
    EXPECT_EQ(addPagePanelAfterDrop(panel, 300, 150, 9000, 6000, client),
        (Rect { 8700, 5850, 5400, 585 }));
    EXPECT_EQ(addPagePanelAfterDrop(panel, 300, 150, 24000, 6000, client), panel);
    EXPECT_EQ(addPagePanelAfterDrop(panel, 300, 150, 9000, -15, client), panel);
}

// The logic test covers the usual moves.
TEST(FullScreenLayout, CascadeRestartsAt600OnlyBelowZero)
{
    EXPECT_EQ(fullScreenCascade(600), 0);
    EXPECT_EQ(fullScreenCascade(585), 600);
}

} // namespace
