#pragma once
// The logic of the full-screen window: one page over the work area with a thin bar
// of picture buttons, and the add-page panel that files the page under a category. One
// window serves every main window; it is hidden, not destroyed, when closed.

#include "browser/browser_app.h"
#include "browser/browser_control.h"
#include "browser/keyboard_rules.h"
#include "browser/shared_browser_state.h"
#include "fullscreen/full_screen_view.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sg {

struct FullScreenState {
    std::string pageTitle; // the last onTitleChanged
    std::vector<ChooserItem> chooser;
    bool panelVisible = false;
    Rect panel;
    double dragOffsetX = 0; // where the mouse went down in the panel
    double dragOffsetY = 0;
    bool backEnabled = false;
    bool forwardEnabled = false;
    bool active = false;
};

class FullScreenLogic final : public BrowserEvents {
public:
    FullScreenLogic(
        SharedBrowserState& shared, BrowserApp& app, FullScreenView& view, BrowserControl& browser);

    const FullScreenState& state() const { return m_s; }

    // Window events.
    void load();
    void resize();
    void activate();
    void deactivate();
    // Applies the tool tips (called by name from the options window too).
    void applyToolTips();

    // Opened from a main window: navigates to the address and shows the window.
    void open(const std::string& address);
    // Shows the window whose page a main window's page opens as its new window.
    void showForNewWindow();

    // Picture buttons and keys.
    void onCloseClick();
    // Esc closes the window (without the click sound); true when the key was used.
    bool onKeyDown(const KeyEvent& key);
    // The desktop asks the window to close: it is hidden as by Esc.
    void onCloseRequest();
    void onDockClick();
    void onRefreshClick();
    void onBackClick();
    void onForwardClick();
    void onTitleStripMouseDown();

    // The add-page panel.
    void onAddPageClick();
    // An item of the chooser clicked; selected counts from 1 (0: none chosen).
    void onChooserClick(std::size_t selected);
    void onCancelClick();
    // Mouse down on the panel, in pixels from its top-left corner.
    void onPanelMouseDown(PointPx inPanel);
    // The drag of the panel dropped at a point of the window's client area, in pixels.
    void onPanelDrop(PointPx inClient);

    // The browser's events. Pages cannot place this window: every load re-fits it.
    void onLoadFinished() override;
    void onTitleChanged(const std::string& title) override;
    void onHistoryStateChanged(bool canGoBack, bool canGoForward) override;
    NewWindowTarget onNewWindowRequested() override;

private:
    void close();
    void fitToWorkArea();
    void hidePanel();
    void applyTitleStripToolTip();
    void report(const std::string& text);

    SharedBrowserState& m_shared;
    BrowserApp& m_app;
    FullScreenView& m_view;
    BrowserControl& m_browser;
    FullScreenState m_s;
};

} // namespace sg
