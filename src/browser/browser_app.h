#pragma once
// The services of the application that every main window calls: the other windows, the
// sounds and the connection.

#include <string>

namespace sg {

class TodayListListener;

struct ConnectionState {
    bool connected = false;
    bool viaModem = false;
};

class BrowserApp {
public:
    virtual ~BrowserApp() = default;
    // The full-screen window navigates to the address and is shown.
    virtual void openInFullScreen(const std::string& address) = 0;
    // Images/Click.wav; failures are ignored.
    virtual void playClickSound() = 0;
    // Starts the boom window's one-shot timer (Images/Kill-Popz.wav).
    virtual void startBoomSound() = 0;
    // Shows the History window and brings it to the front.
    virtual void showHistoryWindow() = 0;
    // Opens the list editor with this page's title and address.
    virtual void openListEditor(const std::string& pageTitle, const std::string& pageUrl) = 0;
    // The open History window's Today list; null while it is closed.
    virtual TodayListListener* todayList() = 0;

    virtual ConnectionState connectionState() = 0;
    // Asks for a dial-up connection; the result is not used.
    virtual void autodial() = 0;
    // The program's offline mode; true when the change was made.
    virtual bool SetOffline() = 0;
    virtual bool SetOnline() = 0;
};

} // namespace sg
