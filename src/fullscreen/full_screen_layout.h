#pragma once
// Where the full-screen window and its controls go, in twips: the fit to the work area, the
// strip of picture buttons above the page, the panels and their drag, and the cascade of the
// main windows it opens.

#include "browser/geometry.h"

namespace sg {

// The window stops this far above the work area's bottom.
inline constexpr double kFullScreenBottomGap = 45;
// The strip of picture buttons and the title strip across the top; the page starts below
// it, so that no part of a button lies over the page.
inline constexpr double kFullScreenStripHeight = 360;
inline constexpr double kPictureButtonWidth = 360;
inline constexpr double kDockButtonLeft = 600;
inline constexpr double kAddPageButtonLeft = 1020;
inline constexpr double kSlideshowButtonLeft = 1440;
inline constexpr double kTitleStripLeft = 1860;

// The window over the work area: its left, top and width, and its height - 45.
Rect fullScreenFit(const Rect& workArea);

// Every control's place for a client size.
struct FullScreenLayout {
    Rect strip; // the whole top band: the buttons and the title strip
    Rect dockButton;
    Rect addPageButton;
    Rect slideshowButton;
    Rect titleStrip; // from the slideshow button to Back
    Rect backButton; // left = client width - 2475
    Rect forwardButton; // left = the Back button's + 375
    Rect refreshButton; // left = client width - 1620
    Rect closeButton; // left = client width - 765
    Rect browser; // the client area below the strip

    bool operator==(const FullScreenLayout&) const = default;
};

FullScreenLayout fullScreenLayout(const Size& client);

// The panels' first places (the window gives them at least the size their controls need).
Rect defaultAddPagePanel();
Rect slideshowPanelRect();

// The panel dropped at a client point (twips) with the offset where the mouse went down in
// it: that offset lands under the point. A drop outside the client area leaves it where it is.
Rect addPagePanelAfterDrop(const Rect& panel, double offsetX, double offsetY, double dropX,
    double dropY, const Size& client);

// A main window that the full-screen window's page opens starts 600 twips up and left of the
// saved position; a position that would fall below 0 becomes 600.
float fullScreenCascade(float position);

} // namespace sg
