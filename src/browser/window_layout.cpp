#include "browser/window_layout.h"

#include <algorithm>

namespace sg {
namespace {

constexpr double kHideShowButtonTop = 375;
constexpr double kHideShowButtonWidth = 330;
constexpr double kHideShowButtonHeight = 60;
constexpr double kSelectorButtonWidth = 285;
constexpr double kSelectorButton2Width = 300;
constexpr double kGoButtonWidth = 330;

} // namespace

double checkBoxAllowance(bool checkBoxesShown)
{
    return checkBoxesShown ? 0 : kCheckBoxAllowance;
}

Rect toolbarRect(double clientWidth, bool toolbarHidden)
{
    return { 0, toolbarHidden ? kToolbarHiddenTop : 0, clientWidth, kToolbarHeight };
}

Rect hideShowButtonRect(bool checkBoxesShown, bool toolbarHidden)
{
    return { checkBoxesShown ? 5070.0 : 4755.0, toolbarHidden ? 0 : kHideShowButtonTop,
        kHideShowButtonWidth, kHideShowButtonHeight };
}

Rect addressBoxRect(double clientWidth, bool checkBoxesShown, double height)
{
    const double a = checkBoxAllowance(checkBoxesShown);
    return { 5100 - a, kAddressBoxTop, clientWidth - (5805 - a), height };
}

Rect selectorButton1Rect(bool checkBoxesShown, double height)
{
    return { 4770 - checkBoxAllowance(checkBoxesShown), kAddressBoxTop, kSelectorButtonWidth,
        height };
}

Rect selectorButton2Rect(const Rect& addressBox)
{
    return { addressBox.right() + 15, addressBox.top, kSelectorButton2Width, addressBox.height };
}

Rect goButtonRect(double clientWidth, double height)
{
    return { clientWidth - 360, kAddressBoxTop, kGoButtonWidth, height };
}

Rect checkBoxLabelRect(bool checkBoxesShown)
{
    return { checkBoxesShown ? 4605.0 : 4290.0, 60, 120, 285 };
}

double selectorListLeft(bool checkBoxesShown)
{
    return 4770 - checkBoxAllowance(checkBoxesShown);
}

Rect browserAreaRect(
    const Size& client, double toolbarOffset, double statusAllowance, double widthExtra)
{
    return { -30, kToolbarHeight - toolbarOffset, client.width + widthExtra,
        client.height - (705 - statusAllowance) + toolbarOffset };
}

double statusPanel1Width(double clientWidth)
{
    return clientWidth - 2820;
}

Rect defaultPlacement(const Rect& workArea)
{
    const double width = std::min(workArea.width - 1800, 13275.0);
    // Measured from the work area's own left, so that it lands on the window's screen.
    return { workArea.left + (workArea.width - width) / 2, workArea.top + 900, width,
        workArea.height - 1800 };
}

Rect heldToMinimumSize(const Rect& window)
{
    return { window.left, window.top, std::max(window.width, kResizeMinWidth),
        std::max(window.height, kResizeMinHeight) };
}

bool placementSavable(bool normalState, bool pageChangedWindow, const Rect& window)
{
    return normalState && !pageChangedWindow && window.width >= kSavableMinWidth
        && window.height >= kSavableMinHeight;
}

bool pointerOverToolbarBand(const Rect& window, int captionHeightPx, PointPx pointer)
{
    const double left = window.left / kTwipsPerPixel - 2;
    const double right = window.right() / kTwipsPerPixel + 2;
    const double top = window.top / kTwipsPerPixel + captionHeightPx - 2;
    const double bottom = window.top / kTwipsPerPixel + captionHeightPx + 39;
    return left < pointer.x && pointer.x < right && top < pointer.y && pointer.y < bottom;
}

} // namespace sg
