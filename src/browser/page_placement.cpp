#include "browser/page_placement.h"

#include <algorithm>

namespace sg {
namespace {

// At least low, then at most high (high wins when the two cross).
double held(double value, double low, double high)
{
    return std::min(std::max(value, low), high);
}

} // namespace

double requestedLeftFor(int xPx, const Rect& workArea)
{
    return held(xPx * kTwipsPerPixel, 0, workArea.width - 6600);
}

double requestedTopFor(int yPx, const Rect& workArea)
{
    return held(yPx * kTwipsPerPixel, 0, workArea.height - 1800);
}

ExtentRequest requestedWidthFor(int wPx, const Rect& workArea)
{
    const double requested = held(wPx * kTwipsPerPixel, kMinRequestedWidth, workArea.width);
    return { requested, requested + 1200 > workArea.width ? workArea.width : requested + 120 };
}

ExtentRequest requestedHeightFor(int hPx, const Rect& workArea)
{
    const double requested = held(hPx * kTwipsPerPixel, kMinRequestedHeight, workArea.height);
    return { requested, requested + 1200 > workArea.height ? workArea.height : requested + 1200 };
}

double captionAllowance(int captionHeightPx)
{
    const int c = captionHeightPx;
    if (c < 20)
        return 405;
    if (c < 24)
        return 465;
    if (c < 26)
        return 495;
    if (c < 30)
        return 510;
    if (c < 34)
        return 570;
    if (c < 40)
        return 660;
    // Taller captions keep the last step's margin: 5 pixels over the caption.
    return (c + 5) * kTwipsPerPixel;
}

Refit refitToPage(const RefitInput& in)
{
    double width = in.requestedWidth;
    double height = in.requestedHeight;
    if (width + 120 > in.workArea.width)
        width = in.workArea.width - 120;
    const double frame = in.captionAllowance + in.browserTop + in.statusAllowance;
    if (frame + height > in.workArea.height)
        height = in.workArea.height - frame;
    Refit fit;
    fit.browser = { -30, in.browserTop, width + 60, height };
    fit.window = { in.window.left, in.window.top, fit.browser.width + 60, height + frame };
    return fit;
}

float cascadeNewWindow(float position)
{
    float moved = position - 600;
    if (moved < 0)
        moved += 900;
    return moved;
}

} // namespace sg
