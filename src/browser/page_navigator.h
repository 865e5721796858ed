#pragma once
// Navigation in one main window: the address box and Go, Back and Forward, the New Window and
// Full Screen boxes that send the next page elsewhere, the browser's events, the page's own
// requests to place its window, and the pass 250 ms after each load that fits the window to
// such a page, runs the pop-up kill step and hands the page to the history writer.

#include "browser/main_window_context.h"
#include "browser/page_placement.h"
#include "browser/popup_killer.h"
#include "browser/toolbar_controller.h"

#include <string>

namespace sg {

struct NavigationState {
    std::string pageTitle; // the last title the page reported
    bool addressBoxFocused = false;
    bool mailtoPending = false; // a mailto: navigation has just started
    bool skipNextHistoryEntry = false; // the last navigation failed
    bool newWindowChecked = false;
    bool fullScreenChecked = false;

    // What the page asked of its window (twips; kNoRequest: nothing asked).
    double requestedLeft = kNoRequest;
    double requestedTop = kNoRequest;
    double requestedWidth = kNoRequest;
    double requestedHeight = kNoRequest;
    bool pageWantsToolbar = false;
    bool pageWantsStatusBar = false; // this engine never asks for one
    // The page placed its window: every later pass fits the window to the page, nothing is
    // logged and the placement is not saved at close.
    bool pageChangedWindow = false;
    bool layoutPending = false;
    bool postDownloadRunning = false;
};

class PageNavigator {
public:
    PageNavigator(MainWindowContext& context, ToolbarController& toolbar, PopUpKiller& popUps)
        : m_c(context)
        , m_toolbar(toolbar)
        , m_popUps(popUps)
    {
    }

    const NavigationState& state() const { return m_s; }
    const std::string& addressText() const { return m_c.view[Control::AddressBox].text; }
    void setAddressText(const std::string& text) { m_c.view[Control::AddressBox].text = text; }

    // The first window's start navigation: the address handed over, else the start page.
    void startNavigation();
    // The address opens by the boxes' rule: a new window, the full-screen window, or here.
    // True when it opened here.
    bool openAddress(const std::string& address);
    // Go: the address box's text, as it stands.
    void go();
    void onCheckBoxClick(Control box, bool checked);
    void uncheckBoxes();
    void openListEditor();
    // A new main window at the start address; openNewMainWindow prefers the address a second
    // start handed over, the menu entry does not.
    void openNewMainWindow();
    void onNewWindowMenu();
    // The address box shows the page's address.
    void showPageAddress();
    void onAddressFocusChanged(bool focused) { m_s.addressBoxFocused = focused; }

    // The browser's events.
    bool onNavigationRequested(const std::string& address);
    void onUrlChanged();
    void onLoadStarted();
    void onLoadFinished();
    void onTitleChanged(const std::string& title);
    void onLoadProgress(int progress, int maximum);
    void onHistoryStateChanged(bool canGoBack, bool canGoForward);
    void onNavigationFailed(NavigationFailure failure);
    NewWindowTarget onNewWindowRequested();
    void onGeometryRequested(const RectPx& pixels);
    void onToolbarRequested(bool shown);

    void onPostDownloadTick();
    void stopPostDownloadPass();

private:
    std::string startAddress() const;
    void uncheck(Control box);
    bool placeAfterLoad();
    void refitWindowToPage();
    void logPageInHistory();
    void applyExtentRequest(const ExtentRequest& request, double& requested, double Rect::*extent);

    MainWindowContext& m_c;
    ToolbarController& m_toolbar;
    PopUpKiller& m_popUps;
    NavigationState m_s;
};

} // namespace sg
