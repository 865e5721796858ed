#pragma once
// The main window's layout: the toolbar (hidden and shown by hand or automatically), the
// status bar, the New Window / Full Screen check boxes, the list font, the page's area,
// and the two cycle buttons with the swap button that trades them for the timer controls.

#include "browser/main_window_context.h"

#include <cstdint>

namespace sg {

struct ToolbarState {
    double toolbarOffset = 0; // 360 while the toolbar is hidden
    double statusBarAllowance = 0; // 270 while the status bar is hidden
    bool statusBarVisible = true;
    bool checkBoxesShown = true;
    bool toolbarJustHidden = false; // for a second after the button hid it
    // A menu, a list or the site selector is in use: the toolbar does not hide by itself.
    bool autoHideSuspended = false;
    double rowHeightUnit = 0; // the height of "Whadever" in the list font
    double addressBoxHeight = 0;
    Rect browserArea;
    std::int16_t timerControlsSwapped = 0; // 1: the cycle buttons are shown
    std::int16_t firstCycleState = 0; // Stop, Find, Full
    std::int16_t secondCycleState = 0; // History, Mail, Offline
};

class ToolbarController {
public:
    explicit ToolbarController(MainWindowContext& context)
        : m_c(context)
    {
    }

    const ToolbarState& state() const { return m_s; }
    bool toolbarShown() const { return m_s.toolbarOffset == 0; }
    void setAutoHideSuspended(bool suspended) { m_s.autoHideSuspended = suspended; }
    // The room the page's area leaves for the status bar (a page that sized its window).
    void setStatusBarAllowance(double twips) { m_s.statusBarAllowance = twips; }

    // The status bar and check boxes as the settings say; the toolbar starts shown.
    void loadBars();
    // The list font from the settings, and the row height and address box height it gives.
    void applyListFont();
    // The swap and cycle-button states the windows share.
    void loadButtonStates();
    void applyToolTips();

    // The toolbar's controls placed for the client width.
    void layoutControls();
    // The page's area: a move and size of the browser control.
    void placeBrowserArea(const Rect& area);
    // The page's area filling the client area (the window fitting round a finished page).
    void fillBrowserArea();
    void setStatusBarShown(bool shown);

    // The Hide/Show ToolBar button: only while the controls may hide.
    void onToggleClick();
    void onToggleMouseOver();
    void onJustHiddenTimer();
    // The status timer: in automatic mode the toolbar hides once the pointer leaves it.
    void onStatusTick();
    void hideToolbar();
    void onViewStatusBar();
    void onCheckBoxesToggleClick();

    void onFirstCycleButtonRightDown();
    void onSecondCycleButtonRightDown();
    // Shows the timer controls or the cycle buttons; swap trades them first.
    void setUpTimerButtons(bool swap);
    // The second cycle button's tool tip in its Offline state, after the mode changed.
    void showOfflineToolTip();

private:
    void showToolbar();
    void applyFirstCycleButton();
    void applySecondCycleButton();

    MainWindowContext& m_c;
    ToolbarState m_s;
};

} // namespace sg
