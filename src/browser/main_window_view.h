#pragma once
// What the main window paints, as its logic keeps it (MainWindowViewState), and what the
// logic asks of the window that is not a picture: timers, the window's own placement, menus,
// message boxes and what the window system knows (MainWindowHost). Sizes are in twips
// (15 twips a pixel); the window converts them.

#include "browser/geometry.h"
#include "browser/refresh_recovery.h"
#include "browser/site_selector.h"

#include <array>
#include <cstddef>
#include <optional>
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
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::ClockPanel) + 1;

// The menu entries that carry a check mark. The five text sizes, smallest first, are one
// group: exactly one is checked.
enum class MenuItem {
    StatusBar,
    KillPopUps,
    KillPopUpsWithBoom,
    SilenceScriptErrors,
    WorkOffline,
    TextSmallest,
    TextSmaller,
    TextMedium,
    TextLarger,
    TextLargest,
};
inline constexpr std::size_t kMenuItemCount = static_cast<std::size_t>(MenuItem::TextLargest) + 1;

// The menu entries whose captions follow the settings: "&" + the program's caption.
enum class LauncherCaption { Messenger, MailProgram };
inline constexpr std::size_t kLauncherCaptionCount = 2;

// The font of the site selector lists, the address box and the History window's lists.
struct ListFont {
    std::string name;
    bool bold = false;
    double size = 0; // points

    bool operator==(const ListFont&) const = default;
};

// An open-file dialog: its filters ("HTML Files" with "*.html", ...) and the folder it
// starts in ("" for the dialog's own choice).
struct FileFilter {
    std::string name;
    std::vector<std::string> patterns;
};
struct FileChoice {
    std::vector<FileFilter> filters;
    std::string initialFolder;
};

// The clock as the window system reads it: the local time in the locale's time form, and
// the time of day in UTC.
struct ClockReading {
    std::string localTime;
    int utcHour = 0;
    int utcMinute = 0;
    int utcSecond = 0;
};

// One control as painted. A control the logic never placed keeps the window's own design
// position.
struct ControlView {
    std::string text; // a box's text, a button's caption or a label's text
    std::string toolTip; // "" for none
    bool visible = true;
    bool enabled = true;
    bool checked = false; // the two check boxes
    std::optional<Rect> geometry; // toolbar controls in the toolbar's coordinates

    bool operator==(const ControlView&) const = default;
};

// A site selector list: its rows and headers, and the column widths the logic set (the user
// may drag them afterwards; each setting raises the revision so the window applies it once).
struct SelectorListView {
    std::vector<SelectorRow> rows;
    SelectorHeaders headers;
    std::array<int, 2> columnWidthsPx {};
    unsigned columnWidthsRevision = 0;
};

// A status-bar panel: text, and an image of the window's image list (0 none, 1 on, 2 off).
struct StatusPanelView {
    std::string text;
    int image = 0;

    bool operator==(const StatusPanelView&) const = default;
};

struct MainWindowViewState {
    std::string caption;
    std::array<ControlView, kControlCount> controls {};
    std::array<StatusPanelView, 3> panels {}; // status text, clock, pop-up state
    double statusPanel1Width = 0;
    int progressMaximum = 1;
    int progressValue = 0;
    // True: the interval and countdown boxes take the window background colour (countdown
    // running); false: the button-face colour.
    bool timerBoxesActive = false;
    std::array<bool, kMenuItemCount> menuChecked {};
    std::array<std::string, kLauncherCaptionCount> launcherCaptions {};
    SelectorListView pageSelector;
    SelectorListView categorySelector;
    // Raised when the page is to lay itself out again at the browser's size (the window
    // nudges the browser's width first).
    unsigned browserRelayouts = 0;
    // The control to give the keyboard focus, once it is painted; the request counts up.
    Control focus = Control::Browser;
    unsigned focusRequests = 0;

    ControlView& operator[](Control c) { return controls[static_cast<std::size_t>(c)]; }
    const ControlView& operator[](Control c) const { return controls[static_cast<std::size_t>(c)]; }
    bool& menuCheck(MenuItem item) { return menuChecked[static_cast<std::size_t>(item)]; }
    bool menuCheck(MenuItem item) const { return menuChecked[static_cast<std::size_t>(item)]; }
    std::string& launcherCaption(LauncherCaption c)
    {
        return launcherCaptions[static_cast<std::size_t>(c)];
    }
    SelectorListView& selector(Control list)
    {
        return list == Control::PageSelector ? pageSelector : categorySelector;
    }
    const SelectorListView& selector(Control list) const
    {
        return list == Control::PageSelector ? pageSelector : categorySelector;
    }
    void requestFocus(Control c)
    {
        focus = c;
        ++focusRequests;
    }
};

enum class WindowState { Normal, Minimized, Maximized };

// The window's timers. startTimer starts (or restarts) a repeating timer with that
// interval; it runs until stopTimer. The status timer (2000 ms) runs from load on its own.
enum class MainWindowTimer {
    RefreshTick, // a minute of the refresh countdown
    ToolbarJustHidden, // 1000 ms after the toolbar hid
    PostDownload, // 250 ms after a load
    DeferredAction,
    AutoRepeat, // an interval button held
    RefreshWatchdog, // while the countdown runs: the clocks checked for sleep, a retry's time
};

enum class MouseButton { Left, Right, Middle };

// What the logic asks of its window besides the picture.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    // The list font of the site selector lists and the address box.
    virtual void applyListFont(const std::string& name, bool bold, double size) = 0;
    // The font dialog, starting from this font; nullopt when cancelled.
    virtual std::optional<ListFont> chooseListFont(const ListFont& start) = 0;
    // The open-file dialog for one existing file; nullopt when cancelled.
    virtual std::optional<std::string> chooseFileToOpen(const FileChoice& choice) = 0;
    virtual ClockReading readClock() const = 0;
    // The height of the text in the list font.
    virtual double textHeightTwips(const std::string& text) const = 0;
    // The widths the user left the selector's columns at, in pixels.
    virtual std::array<int, 2> selectorColumnWidthsPx(Control list) const = 0;

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
    // The monotonic clock (standing still while the machine sleeps) and the wall clock.
    virtual ClockSample sampleClocks() const = 0;
    virtual void hideWindow() = 0;
    // Closes the window; its close then runs MainWindowLogic::beginClose.
    virtual void closeWindow() = 0;

    // The main menu, centred 270 twips under the Menu button's top.
    virtual void popUpMainMenu() = 0;
    // The mail menu, below the second cycle button.
    virtual void popUpMailMenu() = 0;
    // A message box with an OK button, the program title as caption.
    virtual void showMessage(const std::string& text) = 0;
    // A Yes/No message box; true only for Yes.
    virtual bool askYesNo(const std::string& text) = 0;

    virtual void startTimer(MainWindowTimer timer, int intervalMs) = 0;
    virtual void stopTimer(MainWindowTimer timer) = 0;
};

} // namespace sg
