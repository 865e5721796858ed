#pragma once
// What the main window logic paints and asks of its window. The window owns the
// controls, converts twips to pixels (15 twips a pixel) and forwards every event to
// MainWindowLogic in one call.

#include "browser/geometry.h"
#include "browser/site_selector.h"

#include <string>
#include <vector>

namespace sg {

// The window's controls.
enum class Control {
    GoButton,
    RefreshButton,
    BackButton,
    ForwardButton,
    ListButton, // opens the list editor
    ConnectionButton, // "iNet" / "Off"
    ToolbarToggleButton, // Hide/Show ToolBar
    MenuButton,
    HistoryMailOfflineButton, // the second cycle button
    IntervalDownButton,
    IntervalUpButton,
    StopFindFullButton, // the first cycle button
    SwapButton, // timer controls or cycle buttons
    LeftSelectorButton, // Show/Hide Site Selector, left of the address box
    RightSelectorButton, // the same, right of it
    AddressBox,
    IntervalBox, // refresh interval, minutes
    CountdownBox, // minutes until the next refresh
    NewWindowBox, // "New Window (Open Next Page In)"
    FullScreenBox, // "Full Screen (Open Next Page In)"
    CheckBoxesToggle, // the label that shows or hides the two boxes
    WindowIdLabel, // hidden, holds the window's identity
    PageSelector, // the pages of the chosen category (separate mode)
    CategorySelector, // the categories, or categories and pages (single mode)
    Toolbar,
    StatusBar,
    ProgressBar,
    Browser,
    ClockPanel, // the status bar's second panel
};

// Menu items with a check mark.
enum class MenuItem { StatusBar, KillPopUps, KillPopUpsWithBoom, SilenceScriptErrors, WorkOffline };

enum class WindowState { Normal, Minimized, Maximized };

// The window's timers. startTimer starts (or restarts) a repeating timer with that
// interval; it runs until stopTimer. The status timer (2000 ms) runs from load on its own
// and calls MainWindowLogic::onStatusTick.
enum class MainWindowTimer {
    RefreshTick, // a minute of the refresh countdown: onRefreshTick
    ToolbarJustHidden, // 1000 ms after the toolbar hid: onToolbarTimer
    PostDownload, // 250 ms after a download: onPostDownloadTick
    DeferredAction, // onDeferredActionTimer
    AutoRepeat, // interval button held: onAutoRepeatTick
};

enum class MouseButton { Left, Right, Middle };

class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    virtual void setCaption(const std::string& caption) = 0;
    // A box's text, a button's caption or a label's text.
    virtual void setText(Control control, const std::string& text) = 0;
    // "" removes the tool tip. ClockPanel is the status bar's second panel.
    virtual void setToolTip(Control control, const std::string& text) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    virtual void setEnabled(Control control, bool enabled) = 0;
    // Check1 and Check2.
    virtual void setChecked(Control control, bool checked) = 0;
    // Twips; toolbar controls in the toolbar's coordinates, the rest in the client's.
    virtual void setGeometry(Control control, const Rect& twips) = 0;
    virtual void setFocus(Control control) = 0;
    // Panel 1 or 3 of the status bar; image 0 = none, else an index of the window's image
    // list (1 = on, 2 = off).
    virtual void setStatusPanel(int panel, const std::string& text, int image) = 0;
    virtual void setStatusPanel1Width(double twips) = 0;
    virtual void setProgress(int maximum, int value) = 0;
    // True: the interval and countdown boxes take the window background colour (countdown
    // running); false: the button-face colour.
    virtual void setTimerBoxesActive(bool active) = 0;
    virtual void setMenuChecked(MenuItem item, bool checked) = 0;

    // PageSelector or CategorySelector.
    virtual void setSelectorRows(Control list, const std::vector<SelectorRow>& rows) = 0;
    virtual void setSelectorHeaders(Control list, const SelectorHeaders& headers) = 0;
    virtual void setSelectorColumnWidths(Control list, int firstPx, int secondPx) = 0;
    virtual int selectorColumnWidthPx(Control list, int column) const = 0;

    // The list font of the site selector lists and the address box.
    virtual void applyListFont(const std::string& name, bool bold, double size) = 0;
    // The height of the text in the list font.
    virtual double textHeightTwips(const std::string& text) const = 0;

    // The window's outer placement (frame included), twips.
    virtual void setWindowGeometry(const Rect& twips) = 0;
    virtual Rect windowGeometry() const = 0;
    virtual WindowState windowState() const = 0;
    // The inner area, status bar included.
    virtual Size clientSize() const = 0;
    virtual int captionHeightPx() const = 0;
    // The work area of the window's screen.
    virtual Rect workArea() const = 0;
    virtual PointPx mousePositionPx() const = 0;
    virtual void hideWindow() = 0;
    // Closes the window; its close then runs MainWindowLogic::beginClose.
    virtual void closeWindow() = 0;

    // The main menu, centred 270 twips under the Menu button's top.
    virtual void popUpMainMenu() = 0;
    // The mail menu, below the second cycle button.
    virtual void popUpMailMenu() = 0;

    // A message box with an OK button, the program title as caption.
    virtual void showMessage(const std::string& text) { (void)text; }
    // A Yes/No message box; true only for Yes. A view without message boxes answers No.
    virtual bool askYesNo(const std::string& text)
    {
        (void)text;
        return false;
    }
    virtual void startTimer(MainWindowTimer timer, int intervalMs) = 0;
    virtual void stopTimer(MainWindowTimer timer) = 0;
};

} // namespace sg
