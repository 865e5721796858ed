#pragma once
// The running copy's side of a second start: the second start's command line opens one new
// main window, unless a modal window is open; an address that a refused hand-over brought
// is kept for the next accepted one.

#include <string>
#include <string_view>

namespace sg {

// Shown by the running copy when a modal window keeps it from opening a window.
inline constexpr std::string_view kHandOverRefusedText
    = "Can't Launch A New Browser Window While Options, Edit,\n"
      "Open-About, Or App-Message Window Like This Is Open.";

// Shown by a second start when the running copy cannot take the hand-over.
inline constexpr std::string_view kAlreadyRunningText = "Your Browser Is Already Running.. If You\n"
                                                        "Want To Launch A New Browser Window,\n"
                                                        "Click The -Menu- Button. Then On The\n"
                                                        "Menu Click -Launch A New Window-";

// What a hand-over acts on: the program's shared values and its main windows.
class HandOverTarget {
public:
    virtual ~HandOverTarget() = default;
    virtual bool ending() const = 0; // the last main window has closed, or the session ends
    virtual bool modalWindowOpen() const = 0; // ModalWindowOpen
    virtual bool mainWindowOpen() const = 0;
    virtual void setPendingStartUrl(const std::string& address) = 0;
    // The first main window opens a new main window at the start address, preferring
    // PendingStartUrl.
    virtual void openNewMainWindow() = 0;
    // The program's message box with the text, shown without blocking the caller.
    virtual void showRefusal(std::string_view text) = 0;
};

enum class HandOverResult {
    Opened, // one new main window
    Refused, // a modal window is open: the refusal is shown
    NoMainWindow, // nothing happens
    CannotTake, // the program is ending: the second start says so
};

class HandOverReceiver {
public:
    // One second start with its command line.
    HandOverResult receive(std::string_view commandLine, HandOverTarget& target);
    // The address of a hand-over that has not been opened yet.
    const std::string& keptAddress() const { return m_kept; }

private:
    std::string m_kept;
};

} // namespace sg
