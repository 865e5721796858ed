#pragma once
// Where the full-screen window and its controls go, in twips: the fit to the work area, the
// picture buttons and the browser from the client size, the add-page panel's drag and the
// cascade of the main windows it opens.

#include "browser/geometry.h"

namespace sg {

// The window stops this far above the work area's bottom.
inline constexpr double kFullScreenBottomGap = 45;
// The browser's top: the thin band of the title strip above it.
inline constexpr double kFullScreenBrowserTop = 90;
// The picture buttons hang from the top edge over the page's top corners.
inline constexpr double kPictureButtonWidth = 360;
inline constexpr double kPictureButtonHeight = 255;
inline constexpr double kDockButtonLeft = 600;
inline constexpr double kAddPageButtonLeft = 1020;
inline constexpr double kTitleStripLeft = 1440;

// The window over the work area: its left, top and width, and its height - 45.
Rect fullScreenFit(const Rect& workArea);

// The controls that move with the client size.
struct FullScreenLayout {
    Rect closeButton; // left = client width - 765
    Rect refreshButton; // left = client width - 1620
    Rect backButton; // left = client width - 2475
    Rect forwardButton; // left = the Back button's + 375
    Rect titleStrip; // width = client width - 4320
    Rect browser; // left -30, top 90, width = client width + 60, height = client height - 90

    bool operator==(const FullScreenLayout&) const = default;
};

FullScreenLayout fullScreenLayout(const Size& client);

// The buttons that keep their place.
Rect dockButtonRect();
Rect addPageButtonRect();

// The add-page panel's first place and size.
Rect defaultAddPagePanel();

// The panel dropped at a client point (twips) with the offset where the mouse went down in
// it: that offset lands under the point. A drop outside the client area leaves it where it is.
Rect addPagePanelAfterDrop(const Rect& panel, double offsetX, double offsetY, double dropX,
    double dropY, const Size& client);

// A main window that the full-screen window's page opens starts 600 twips up and left of the
// saved position; a position that would fall below 0 becomes 600.
float fullScreenCascade(float position);

} // namespace sg
