#pragma once
// The services of the application that every main window calls: the other windows, the
// sounds, the connection, and the broadcasts to every open main window.

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
    // The options window, modal, with the address the main window's address box holds.
    virtual void showOptionsWindow(const std::string& currentAddress) = 0;
    // The About window, brought to the front.
    virtual void showAboutWindow() = 0;
    // The suggestions window, unless it is open already.
    virtual void showSuggestionsWindow() = 0;
    // Opens the list editor with this page's title and address.
    virtual void openListEditor(const std::string& pageTitle, const std::string& pageUrl) = 0;
    // Starts the program at this path in a window of its own; an empty or wrong path does
    // nothing.
    virtual void startProgram(const std::string& path) = 0;
    // The desktop's mail program opens a new message.
    virtual void openNewMail() = 0;
    // The desktop's network settings program, when one is installed.
    virtual void openNetworkSettings() = 0;
    // The full-screen window with its slideshow panel open.
    virtual void startSlideshow() = 0;
    // The list font setting changed: an open History window takes it.
    virtual void listFontChanged() = 0;
    // The open History window's Today list; null while it is closed.
    virtual TodayListListener* todayList() = 0;

    virtual ConnectionState connectionState() = 0;
    // Asks for a dial-up connection; the result is not used.
    virtual void autodial() = 0;
    // The program's offline mode; true when the change was made.
    virtual bool SetOffline() = 0;
    virtual bool SetOnline() = 0;

    // What every open main window is told.
    // Refill the site selector from the list files.
    virtual void refillSiteSelectors() = 0;
    // Apply the tool tips again (switched on or off, or an entry rebuilt).
    virtual void toolTipsChanged() = 0;
    // Show the pop-up killing and script-error settings again.
    virtual void popUpModesChanged() = 0;
    // Show the program's offline mode again.
    virtual void offlineStateChanged() = 0;
};

} // namespace sg
