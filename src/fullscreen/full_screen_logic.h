#pragma once
// The logic of the full-screen window: one page over the work area below a thin strip of
// picture buttons, the add-page panel that files the page under a category, and the
// slideshow of a category's pages. One window serves every main window; it is hidden, not
// destroyed, when closed. The window forwards each event here in one call and paints view().

#include "browser/browser_app.h"
#include "browser/browser_control.h"
#include "browser/shared_browser_state.h"
#include "fullscreen/category_slideshow.h"
#include "fullscreen/full_screen_view.h"
#include "sitelists/list_records.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sg {

class FullScreenLogic final : public BrowserEvents {
public:
    FullScreenLogic(
        SharedBrowserState& shared, BrowserApp& app, FullScreenHost& host, BrowserControl& browser);

    const FullScreenViewState& view() const { return m_view; }
    const std::string& pageTitle() const { return m_pageTitle; }

    // Window events.
    void load();
    void resize(const Size& client);
    void setActive(bool active);
    // Applies the tool tips (called by name from the options window too).
    void applyToolTips();

    // Opened from a main window: navigates to the address and shows the window.
    void open(const std::string& address);
    // Shows the window whose page a main window's page opens as its new window.
    void showForNewWindow();

    // Picture buttons and keys.
    void onCloseClick();
    // Esc ends a running slideshow, else closes the window (without the click sound).
    void onEscape();
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

    // The slideshow. Its button opens the panel, or ends a running show.
    void onSlideshowClick();
    // The main menu's entry: the window is shown with the slideshow panel open.
    void openSlideshowPanel();
    void onSlideshowCategoryChosen(std::optional<std::size_t> index);
    void onDwellChanged(int seconds);
    // Starts with the panel's category and dwell time, which are kept for the next time.
    void onSlideshowStart();
    void onSlideshowCancel();
    // Right, Left and Space while the show runs (End is Esc).
    void onSlideshowKey(SlideshowCommand command);
    void onPointerOverStrip(bool over);
    void onSlideshowTick();

    // The browser's events. Pages cannot place this window: every load re-fits it.
    void onLoadFinished() override;
    void onTitleChanged(const std::string& title) override;
    void onHistoryStateChanged(bool canGoBack, bool canGoForward) override;
    void onNavigationFailed(NavigationFailure failure) override;
    NewWindowTarget onNewWindowRequested() override;

    // Placed over the work area and laid out again (also when the work area changes).
    void fitToWorkArea();

private:
    void close();
    void layOut(const Size& client);
    void hideAddPagePanel();
    void showCaption();
    void showSlideshow();
    void go(const SlideshowStep& step);
    void endSlideshow();
    void report(std::string_view text);

    SharedBrowserState& m_shared;
    BrowserApp& m_app;
    FullScreenHost& m_host;
    BrowserControl& m_browser;
    FullScreenViewState m_view;
    std::string m_pageTitle; // the last onTitleChanged
    Size m_client; // the client size the controls are laid out for
    double m_dragOffsetX = 0; // where the mouse went down in the add-page panel, twips
    double m_dragOffsetY = 0;
    CategorySlideshow m_show;
    std::vector<CategoryRecord> m_slideshowCategories; // as the panel lists them
};

} // namespace sg
