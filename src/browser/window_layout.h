#pragma once
// Where the main window's moving controls go, from the client size and the layout state.
//
// Toolbar controls (address box, Go, the Show/Hide Site Selector buttons, the check-box
// label) are placed in the toolbar's coordinates, which are the client's while the
// toolbar is shown; everything else in client coordinates. The client area includes the
// status bar. The static toolbar controls left of x = 4290 are the window's own design.

#include "browser/geometry.h"

namespace sg {

inline constexpr double kToolbarHeight = 435; // the top of the browser area
inline constexpr double kToolbarHiddenTop = -375;
inline constexpr double kToolbarHiddenOffset = 360; // ToolbarOffset while hidden
inline constexpr double kCheckBoxAllowance = 315; // while the check boxes are hidden
inline constexpr double kStatusBarAllowance = 270; // while the status bar is hidden
inline constexpr double kAddressBoxTop = 45;
inline constexpr double kAddressBoxExtraHeight = 105; // over the row height unit
inline constexpr double kSelectorListWidth = 7200;
inline constexpr double kResizeMinWidth = 6600;
inline constexpr double kResizeMinHeight = 3600;
inline constexpr double kSavableMinWidth = 8010;
inline constexpr double kSavableMinHeight = 3000;

double checkBoxAllowance(bool checkBoxesShown);

// The toolbar: full client width, at top 0 or -375 while hidden.
Rect toolbarRect(double clientWidth, bool toolbarHidden);
// The Hide/Show ToolBar button: left 5070 with the check boxes, 4755 without; at the top edge while
// hidden.
Rect hideShowButtonRect(bool checkBoxesShown, bool toolbarHidden);
// The address box: left 5100 - a, width = client width - (5805 - a).
Rect addressBoxRect(double clientWidth, bool checkBoxesShown, double height);
// The left selector button at 4770 - a, the right one 15 twips right of the address box;
// Go at client - 360.
Rect selectorButton1Rect(bool checkBoxesShown, double height);
Rect selectorButton2Rect(const Rect& addressBox);
Rect goButtonRect(double clientWidth, double height);
// The check boxes' label: beside them, or at (4290, 60, 120, 285) in their place.
Rect checkBoxLabelRect(bool checkBoxesShown);
double selectorListLeft(bool checkBoxesShown);
// The browser area: left -30, top 435 - offset, width client + widthExtra (60; the fill
// nudge passes 45 first), height = client height - (705 - status allowance) + offset.
Rect browserAreaRect(
    const Size& client, double toolbarOffset, double statusAllowance, double widthExtra = 60);
// The status bar's first panel.
double statusPanel1Width(double clientWidth);

// The first start's placement: width = work-area width - 1800, at most 13275, centred in
// the work area; top 900 under the work area's top; height = work-area height - 1800.
Rect defaultPlacement(const Rect& workArea);
// At least 6600 x 3600.
Rect heldToMinimumSize(const Rect& window);
// A window's placement is kept for the next start when it is in the normal state, no page
// has placed it, and it is at least 8010 x 3000.
bool placementSavable(bool normalState, bool pageChangedWindow, const Rect& window);
// True while the pointer is inside the toolbar band just below the caption:
// L < x < R and T < y < B with L = left - 2, R = right + 2, T = top + c - 2,
// B = top + c + 39 (pixels).
bool pointerOverToolbarBand(const Rect& window, int captionHeightPx, PointPx pointer);

} // namespace sg
