#pragma once
// The arithmetic of pages that place their own window: the requested placement, the fit of
// the window round the page, and the cascade of new windows.

#include "browser/geometry.h"

namespace sg {

// A requested placement value that no page asked for.
inline constexpr double kNoRequest = -15;
inline constexpr double kMinRequestedWidth = 6720;
inline constexpr double kMinRequestedHeight = 1500;

// A requested left and top: in twips, at least 0 and at most the work
// area's width - 6600 (height - 1800).
double requestedLeftFor(int xPx, const Rect& workArea);
double requestedTopFor(int yPx, const Rect& workArea);

// A requested width and height: in twips, and the window extent it gives.
struct ExtentRequest {
    double requested = kNoRequest;
    double windowExtent = 0;

    bool operator==(const ExtentRequest&) const = default;
};
ExtentRequest requestedWidthFor(int wPx, const Rect& workArea);
ExtentRequest requestedHeightFor(int hPx, const Rect& workArea);

// The height of the window's frame above its client area, from the caption height.
double captionAllowance(int captionHeightPx);

struct RefitInput {
    double requestedWidth = 0;
    double requestedHeight = 0;
    double captionAllowance = 0;
    double browserTop = 0;
    double statusAllowance = 0; // 270 when the page wants a status bar
    Rect window; // the window now (outer)
    Rect workArea;
};

struct Refit {
    Rect browser;
    Rect window;

    bool operator==(const Refit&) const = default;
};

// The browser area sized to the page's request and the window round it, kept inside the
// work area; the window keeps its left and top.
Refit refitToPage(const RefitInput& in);

// A new window opens 600 twips up and left of the saved position; a value that would fall
// below 0 ends 300 twips right of (below) the old one instead.
float cascadeNewWindow(float position);

} // namespace sg
