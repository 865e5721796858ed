#pragma once
// The embedded browser as the window logic sees it: the operations it calls and the events
// it receives, in the program's own neutral terms. The Qt WebEngine adapter implements
// both sides; tests use a fake.

#include "browser/geometry.h"

#include <cstdint>
#include <string>

namespace sg {

// How hard a reload goes; the values are those of the refresh mode setting.
enum class ReloadMode : std::int16_t { Normal = 0, IfExpired = 1, Completely = 3 };

// The refresh mode setting as a reload mode; any other value reloads normally.
ReloadMode reloadModeOf(std::int16_t refreshMode);

// Why a navigation failed: the host could not be found or reached (no connection, a failed
// name lookup, a refused connection), or anything else.
enum class NavigationFailure { HostNotFound, Other };

// Operations on one embedded browser.
class BrowserControl {
public:
    virtual ~BrowserControl() = default;
    virtual void navigate(const std::string& address) = 0;
    // Opens the address in a new window: the page's new-window path makes the window
    // (asking onNewWindowRequested of this browser's events) and the address loads there.
    virtual void navigateInNewWindow(const std::string& address) = 0;
    virtual void reloadPage(ReloadMode mode) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void stopLoading() = 0;
    // The address shown ("" before any page).
    virtual std::string address() const = 0;
    // The file name for a local file, else the page title.
    virtual std::string locationName() const = 0;
    virtual bool silent() const = 0;
    // While silent, script dialogs are not shown and script errors not reported.
    virtual void setSilent(bool silent) = 0;
    // Gives the page the keyboard focus.
    virtual void focusPage() = 0;
    // What Ctrl+F, Ctrl+A and Ctrl+P do in the page.
    virtual void findInPage() = 0;
    virtual void selectAll() = 0;
    virtual void print() = 0;
    // Saves the page where the user chooses in a save dialog.
    virtual void savePage() = 0;
    // A dialog with the page's title, address and whether its connection is secure.
    virtual void showPageProperties() = 0;
    // Text size 0 (smallest) .. 4 (largest); 2 is the page's own size.
    virtual void setTextZoom(int size) = 0;
};

// Where a page's new window is to go, as the window logic decides it.
enum class NewWindowTarget {
    Cancel, // no window opens
    FullScreen, // the full-screen window hosts it
    NewMainWindow, // a new main window hosts it
};

// The events of one embedded browser, in the order the engine raises them. A window's logic
// overrides the ones it uses.
class BrowserEvents {
public:
    virtual ~BrowserEvents() = default;
    // A main-frame navigation is about to start (not a reload); true cancels it.
    virtual bool onNavigationRequested(const std::string& address)
    {
        (void)address;
        return false;
    }
    virtual void onUrlChanged() { }
    virtual void onLoadStarted() { }
    // The load ended, whether it succeeded, failed or was stopped (a failure is reported
    // first through onNavigationFailed).
    virtual void onLoadFinished() { }
    virtual void onTitleChanged(const std::string& title) { (void)title; }
    // The text for the status bar: the address of a hovered link, or "".
    virtual void onStatusTextChanged(const std::string& text) { (void)text; }
    // progress of maximum; 0 or less: no load is going on.
    virtual void onLoadProgress(int progress, int maximum)
    {
        (void)progress;
        (void)maximum;
    }
    virtual void onHistoryStateChanged(bool canGoBack, bool canGoForward)
    {
        (void)canGoBack;
        (void)canGoForward;
    }
    virtual void onNavigationFailed(NavigationFailure failure) { (void)failure; }
    // The page opens a window: where it goes.
    virtual NewWindowTarget onNewWindowRequested() { return NewWindowTarget::Cancel; }
    // The page asks to move and size its window, in pixels.
    virtual void onGeometryRequested(const RectPx& pixels) { (void)pixels; }
    // The page was opened as a window without toolbar (a script pop-up with features).
    virtual void onToolbarRequested(bool shown) { (void)shown; }
};

} // namespace sg
