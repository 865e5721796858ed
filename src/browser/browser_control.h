#pragma once
// The embedded browser as the window logic sees it: the operations it calls and the events
// it receives. The Qt WebEngine adapter implements it; tests use a fake.

#include <cstdint>
#include <string>

namespace sg {

// Reload levels of Refresh2 (the values of the refresh mode setting).
inline constexpr std::int16_t REFRESH_NORMAL = 0;
inline constexpr std::int16_t REFRESH_IFEXPIRED = 1;
inline constexpr std::int16_t REFRESH_COMPLETELY = 3;

// NavigateError status of a failed host lookup or a refused connection.
inline constexpr std::int32_t INET_E_RESOURCE_NOT_FOUND = static_cast<std::int32_t>(0x800C0005u);
// Any other failed navigation.
inline constexpr std::int32_t INET_E_DOWNLOAD_FAILURE = static_cast<std::int32_t>(0x800C0008u);

// CommandStateChange command numbers.
inline constexpr int CSC_NAVIGATEFORWARD = 1;
inline constexpr int CSC_NAVIGATEBACK = 2;

// Operations on one embedded browser.
class BrowserControl {
public:
    virtual ~BrowserControl() = default;
    virtual void Navigate(const std::string& address) = 0;
    // Navigate with the target frame "_blank": the page's new-window path makes the window
    // (raising NewWindow2 on this browser's events) and the address loads there.
    virtual void NavigateNewWindow(const std::string& address) = 0;
    virtual void Refresh2(std::int16_t level) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void Stop() = 0;
    // The address shown ("" before any page).
    virtual std::string LocationURL() const = 0;
    // The file name for a local file, else the page title.
    virtual std::string LocationName() const = 0;
    virtual bool Silent() const = 0;
    // While silent, script dialogs are not shown and script errors not reported.
    virtual void setSilent(bool silent) = 0;
    // Gives the page the keyboard focus.
    virtual void focusPage() = 0;
    // What Ctrl+F, Ctrl+A and Ctrl+P do in the page.
    virtual void findInPage() = 0;
    virtual void selectAll() = 0;
    virtual void print() = 0;
};

// Where a page's new window is to go, as the window logic decides it.
enum class NewWindowTarget {
    Cancel, // no window opens
    FullScreen, // the full-screen window hosts it
    NewMainWindow, // a new main window hosts it
};

// The events of one embedded browser, in the order the engine raises them.
class BrowserEvents {
public:
    virtual ~BrowserEvents() = default;
    // True cancels the navigation.
    virtual bool BeforeNavigate2(const std::string& address) = 0;
    virtual void NavigateComplete2() = 0;
    virtual void DownloadBegin() = 0;
    virtual void DownloadComplete() = 0;
    virtual void DocumentComplete() = 0;
    virtual void TitleChange(const std::string& text) = 0;
    virtual void StatusTextChange(const std::string& text) = 0;
    virtual void ProgressChange(int progress, int maximum) = 0;
    virtual void CommandStateChange(int command, bool enable) = 0;
    virtual void NavigateError(const std::string& address, std::int32_t statusCode) = 0;
    virtual NewWindowTarget NewWindow2() = 0;
    // Page-requested placement, in pixels.
    virtual void WindowSetLeft(int x) = 0;
    virtual void WindowSetTop(int y) = 0;
    virtual void WindowSetWidth(int w) = 0;
    virtual void WindowSetHeight(int h) = 0;
    virtual void OnToolBar(bool shown) = 0;
};

} // namespace sg
